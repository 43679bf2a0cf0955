#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// Starts a program or script detached: the caller never waits for it. A file
// without the executable bit is run with /bin/sh. Returns whether the start
// worked.
bool startProgram(const QString &path, const QStringList &arguments = {},
                  const QString &workingFolder = {});

// How a program started from a command line should show its main window.
// There is no portable way to impose it on another program: the choice is
// passed in the environment variable DOMORA_SHOW_WINDOW ("normal",
// "maximized", "minimized"), which the suite's own programs honour.
enum class ShowWindow
{
    Normal,
    Maximized,
    Minimized
};

// Runs a command line the way a plain program start does: the first word is
// the program (a path, or a name looked up on PATH), the rest its arguments;
// double quotes group words. Detached; returns whether the start worked.
bool runCommandLine(const QString &commandLine, ShowWindow show = ShowWindow::Normal);

// Splits a command line into words: blanks separate, double quotes group.
[[nodiscard]] QStringList splitCommandLine(const QString &commandLine);

// Opens a file, folder or URL with the desktop's default application.
// Returns whether the opener could be started for an existing target.
bool openWithDefaultApp(const QString &pathOrUrl);

} // namespace platform
