#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// Starts a program or script detached: the caller never waits for it. A file
// without the executable bit is run with /bin/sh. Returns whether the start
// worked.
bool startProgram(const QString &path, const QStringList &arguments = {},
                  const QString &workingFolder = {});

// Opens a file, folder or URL with the desktop's default application.
// Returns whether the opener could be started for an existing target.
bool openWithDefaultApp(const QString &pathOrUrl);

} // namespace platform
