#pragma once

#include <QString>

// The console's start: the language library beside the executable is
// required (without it the console ends at once, without a message); the
// program folder becomes the current directory, where the commands find the
// editor's files; then the main window runs until "&Esci".
namespace steward {

inline constexpr const char *localePackName = "localepack.so";

// Returns the process's exit code.
int run(const QString &programFolder);

} // namespace steward
