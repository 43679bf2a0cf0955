#include "paths.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace platform {

namespace {

QString &programFolderOverride()
{
    static QString folder;
    return folder;
}

QString withSlash(QString folder)
{
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}

} // namespace

QString programFolder()
{
    if (!programFolderOverride().isEmpty())
        return programFolderOverride();
    if (QCoreApplication::instance())
        return withSlash(QCoreApplication::applicationDirPath());
    const QFileInfo self(QStringLiteral("/proc/self/exe"));
    return withSlash(QFileInfo(self.symLinkTarget()).absolutePath());
}

void setProgramFolder(const QString &folder)
{
    programFolderOverride() = folder.isEmpty() ? QString() : withSlash(folder);
}

QString executableName(const QString &baseName)
{
#ifdef Q_OS_WIN
    return baseName + QStringLiteral(".exe");
#else
    return baseName;
#endif
}

QString libraryName(const QString &baseName)
{
#if defined(Q_OS_WIN)
    return baseName + QStringLiteral(".dll");
#elif defined(Q_OS_MACOS)
    return QStringLiteral("lib") + baseName + QStringLiteral(".dylib");
#else
    return QStringLiteral("lib") + baseName + QStringLiteral(".so");
#endif
}

QString fromDataFileName(const QString &name)
{
    QString out = name;
    out.replace(u'\\', u'/');
    return out;
}

bool sameFileName(const QString &a, const QString &b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

QString resolveCaseInsensitive(const QString &folder, const QString &name)
{
    const QDir dir(folder);
    if (dir.exists(name))
        return dir.filePath(name);
    const QStringList entries =
        dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString &entry : entries) {
        if (sameFileName(entry, name))
            return dir.filePath(entry);
    }
    return dir.filePath(name);
}

QString fileTimeText(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    static const char *const days[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    static const char *const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const QDateTime t = info.lastModified().toLocalTime();
    const QDate d = t.date();
    return QStringLiteral("%1 %2 %3 %4 %5")
        .arg(QLatin1String(days[d.dayOfWeek() - 1]), QLatin1String(months[d.month() - 1]))
        .arg(d.day(), 2, 10, QChar(u'0'))
        .arg(t.time().toString(QStringLiteral("HH:mm:ss")))
        .arg(d.year());
}

} // namespace platform
