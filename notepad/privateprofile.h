#pragma once

#include <QString>

// The program's private profile file: a small INI file named after the
// executable with the extension ".INI" ("jotter.INI"), kept in the user's
// configuration folder. It is read before the program opens its registry key.
namespace privateprofile {

// "<configuration folder>/<executableBaseName>.INI"
[[nodiscard]] QString filePath(const QString &executableBaseName);

// The integer value of `key` in `section`, read the way the profile functions
// read it: section and key names ignore case, the value's leading decimal
// digits count, a negative value reads as 0, a value without digits as 0, and
// a missing file, section or key gives `defaultValue`.
[[nodiscard]] int readInt(const QString &path, const QString &section, const QString &key,
                          int defaultValue);
// The same, from the file's content.
[[nodiscard]] int readIntFromBytes(const QByteArray &content, const QString &section,
                                   const QString &key, int defaultValue);

} // namespace privateprofile
