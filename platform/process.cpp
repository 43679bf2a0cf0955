#include "process.h"

#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace platform {

bool startProgram(const QString &path, const QStringList &arguments, const QString &workingFolder)
{
    const QFileInfo info(path);
    if (!info.exists() || info.isDir())
        return false;
    const QString folder = workingFolder.isEmpty() ? info.absolutePath() : workingFolder;
    if (info.isExecutable())
        return QProcess::startDetached(info.absoluteFilePath(), arguments, folder);
    QStringList shArgs{info.absoluteFilePath()};
    shArgs += arguments;
    return QProcess::startDetached(QStringLiteral("/bin/sh"), shArgs, folder);
}

bool openWithDefaultApp(const QString &pathOrUrl)
{
    const QUrl url(pathOrUrl);
    const bool isRemote = url.isValid() && !url.scheme().isEmpty() && url.scheme().size() > 1 &&
                          url.scheme() != QLatin1String("file");
    if (!isRemote && !QFileInfo::exists(url.isLocalFile() ? url.toLocalFile() : pathOrUrl))
        return false;
#if defined(Q_OS_WIN)
    return QProcess::startDetached(QStringLiteral("cmd"), {"/c", "start", "", pathOrUrl});
#elif defined(Q_OS_MACOS)
    return QProcess::startDetached(QStringLiteral("open"), {pathOrUrl});
#else
    return QProcess::startDetached(QStringLiteral("xdg-open"), {pathOrUrl});
#endif
}

} // namespace platform
