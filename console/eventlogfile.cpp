#include "eventlogfile.h"

#include <QFile>
#include <QSaveFile>

namespace console::eventlog {

QStringList readLines(const QString &path)
{
    QStringList lines;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return lines;
    while (!file.atEnd()) {
        QByteArray line = file.readLine();
        if (line.isEmpty() && file.error() != QFileDevice::NoError)
            break;
        if (line.endsWith('\n'))
            line.chop(1);
        if (line.endsWith('\r'))
            line.chop(1);
        lines.append(QString::fromLocal8Bit(line));
    }
    return lines;
}

bool writeLines(const QString &path, const QStringList &lines)
{
    // Written aside and put in place whole: a failed write keeps the old log.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    for (const QString &line : lines)
        file.write(line.toLocal8Bit() + "\r\n");
    return file.commit();
}

bool clear(const QString &path)
{
    if (!QFile::remove(path))
        return false;
    QFile file(path);
    return file.open(QIODevice::WriteOnly);
}

bool copyTo(const QString &path, const QString &target)
{
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    out.write(in.readAll());
    if (in.error() != QFileDevice::NoError) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

} // namespace console::eventlog
