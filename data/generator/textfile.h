#pragma once

#include <QByteArray>
#include <QString>

namespace datagen {

// A UTF-8 text as the programs read their text files: Windows-1252 with
// CR LF line ends. Fails, naming the line, when a character has no byte in
// the code page.
[[nodiscard]] bool toWindowsText(const QByteArray &utf8, QByteArray *out, QString *error);

} // namespace datagen
