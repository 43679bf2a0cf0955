#include "process.h"

#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
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

QStringList splitCommandLine(const QString &commandLine)
{
    QStringList words;
    QString current;
    bool quoted = false;
    bool inWord = false;
    for (const QChar c : commandLine) {
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
            inWord = true;
        } else if (c.isSpace() && !quoted) {
            if (inWord)
                words << current;
            current.clear();
            inWord = false;
        } else {
            current += c;
            inWord = true;
        }
    }
    if (inWord)
        words << current;
    return words;
}

bool runCommandLine(const QString &commandLine, ShowWindow show)
{
    QStringList words = splitCommandLine(commandLine);
    if (words.isEmpty())
        return false;
    QString program = words.takeFirst();
    if (!program.contains(QLatin1Char('/'))) {
        const QString found = QStandardPaths::findExecutable(program);
        if (!found.isEmpty())
            program = found;
    }
    const QFileInfo info(program);
    if (!info.exists() || info.isDir())
        return false;
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DOMORA_SHOW_WINDOW"),
               show == ShowWindow::Maximized   ? QStringLiteral("maximized")
               : show == ShowWindow::Minimized ? QStringLiteral("minimized")
                                               : QStringLiteral("normal"));
    process.setProcessEnvironment(env);
    if (info.isExecutable()) {
        process.setProgram(info.absoluteFilePath());
        process.setArguments(words);
    } else {
        process.setProgram(QStringLiteral("/bin/sh"));
        process.setArguments(QStringList{info.absoluteFilePath()} + words);
    }
    return process.startDetached();
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
