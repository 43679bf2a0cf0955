#pragma once

#include <QString>

// Loading and saving a style library as the editor's text: Windows-1252 on
// disk with CR LF line ends, "\n" after every line in memory. The file is
// read and written alone (another program holding it locked keeps the
// editor out). The messages are those the editor shows; empty on success.
namespace stylelibraryfile {

struct Loaded
{
    QString text;
    QString message;
    [[nodiscard]] bool ok() const { return message.isEmpty(); }
};

[[nodiscard]] Loaded load(const QString &path);
// Replaces the file only once the whole text is written.
[[nodiscard]] QString save(const QString &path, const QString &text);

} // namespace stylelibraryfile
