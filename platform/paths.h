#pragma once

#include <QString>

// Where the programs find their files, and how names from data files are
// turned into names of this platform.
namespace platform {

// The folder of the running executable, with a trailing '/'. Every program
// finds its companions and data beside itself.
[[nodiscard]] QString programFolder();
// Overrides the program folder (tests); an empty folder clears the override.
void setProgramFolder(const QString &folder);

// "domora" -> "domora" here, "domora.exe" on Windows.
[[nodiscard]] QString executableName(const QString &baseName);
// "horizonskin" -> "libhorizonskin.so" here, "horizonskin.dll" on Windows.
[[nodiscard]] QString libraryName(const QString &baseName);

// A relative name read from a data file ("Library\Simboli\a.bmp") with the
// separators of this platform.
[[nodiscard]] QString fromDataFileName(const QString &name);
// Case-insensitive comparison, as names compare on the original platform.
[[nodiscard]] bool sameFileName(const QString &a, const QString &b);
// Finds an existing entry of `folder` whose name equals `name` ignoring case;
// returns the path with the name as it is on disk, or folder/name if none.
[[nodiscard]] QString resolveCaseInsensitive(const QString &folder, const QString &name);

// The file's modification time as ctime text without the newline, in
// English and local time: "Sun Dec 06 06:13:06 2026". Empty when the file
// does not exist.
[[nodiscard]] QString fileTimeText(const QString &path);

} // namespace platform
