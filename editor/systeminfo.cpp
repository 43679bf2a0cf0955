#include "editor/systeminfo.h"

#include <QFile>
#include <QStorageInfo>

namespace systeminfo {

std::optional<Memory> parseMeminfo(const QByteArray &text)
{
    Memory memory;
    bool haveTotal = false;
    bool haveAvailable = false;
    for (const QByteArray &line : text.split('\n')) {
        const QList<QByteArray> words = line.simplified().split(' ');
        if (words.size() < 2)
            continue;
        bool ok = false;
        const quint64 kb = words[1].toULongLong(&ok);
        if (!ok)
            continue;
        if (words[0] == "MemTotal:") {
            memory.totalBytes = kb * 1024;
            haveTotal = true;
        } else if (words[0] == "MemAvailable:") {
            memory.availableBytes = kb * 1024;
            haveAvailable = true;
        }
    }
    if (!haveTotal || !haveAvailable || memory.totalBytes == 0)
        return std::nullopt;
    return memory;
}

std::optional<Memory> memory()
{
    QFile file(QStringLiteral("/proc/meminfo"));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return parseMeminfo(file.readAll());
}

QString memoryText(const Memory &memory)
{
    const quint64 available = qMin(memory.availableBytes, memory.totalBytes);
    const quint64 load = (memory.totalBytes - available) * 100 / memory.totalBytes;
    return QStringLiteral("%1 MB, libera: %2 %").arg(memory.totalBytes >> 20).arg(100 - load);
}

QString diskText(const QString &folder)
{
    const QStorageInfo storage(folder);
    if (!storage.isValid() || !storage.isReady() || storage.bytesAvailable() < 0)
        return QStringLiteral("Non disponibile");
    return QStringLiteral("%1 MB liberi in %2")
        .arg(quint64(storage.bytesAvailable()) / 1048576)
        .arg(storage.rootPath());
}

} // namespace systeminfo
