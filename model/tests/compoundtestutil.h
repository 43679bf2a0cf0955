#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QtEndian>

#include <vector>

// Reads and patches the raw bytes of a small version 3 compound file (FAT in
// the header's 109 entries), so tests can damage it in precise places.
struct RawCompound
{
    QByteArray bytes;

    static constexpr quint32 endOfChain = 0xFFFFFFFE;
    static constexpr quint32 noStream = 0xFFFFFFFF;

    quint32 u32(qsizetype offset) const
    {
        return qFromLittleEndian<quint32>(bytes.constData() + offset);
    }
    void set32(qsizetype offset, quint32 value) { qToLittleEndian(value, bytes.data() + offset); }
    void set16(qsizetype offset, quint16 value) { qToLittleEndian(value, bytes.data() + offset); }

    static qsizetype sectorOffset(quint32 sector) { return (qsizetype(sector) + 1) * 512; }
    qsizetype fatOffset(quint32 sector) const
    {
        return sectorOffset(u32(0x4C + 4 * (sector / 128))) + 4 * (sector % 128);
    }
    quint32 fat(quint32 sector) const { return u32(fatOffset(sector)); }
    void setFat(quint32 sector, quint32 next) { set32(fatOffset(sector), next); }

    std::vector<quint32> chain(quint32 start) const
    {
        std::vector<quint32> sectors;
        for (quint32 s = start; s != endOfChain && sectors.size() < 100000; s = fat(s))
            sectors.push_back(s);
        return sectors;
    }
    std::vector<quint32> directorySectors() const { return chain(u32(0x30)); }
    quint32 entryCount() const { return quint32(directorySectors().size() * 4); }
    qsizetype entryOffset(quint32 id) const
    {
        return sectorOffset(directorySectors().at(id / 4)) + 128 * (id % 4);
    }
    QString entryName(quint32 id) const
    {
        const qsizetype p = entryOffset(id);
        const int length = qFromLittleEndian<quint16>(bytes.constData() + p + 64) / 2 - 1;
        QString name;
        for (int i = 0; i < length; ++i)
            name.append(QChar(qFromLittleEndian<quint16>(bytes.constData() + p + 2 * i)));
        return name;
    }
    // The id of the first used entry with that name.
    quint32 entryId(const QString &name) const
    {
        for (quint32 id = 0; id < entryCount(); ++id)
            if (bytes[entryOffset(id) + 66] != 0 && entryName(id) == name)
                return id;
        return noStream;
    }
    quint32 left(quint32 id) const { return u32(entryOffset(id) + 68); }
    quint32 right(quint32 id) const { return u32(entryOffset(id) + 72); }
    quint32 child(quint32 id) const { return u32(entryOffset(id) + 76); }
    bool isRed(quint32 id) const { return bytes[entryOffset(id) + 67] == 0; }
    quint32 start(quint32 id) const { return u32(entryOffset(id) + 116); }
};

// Runs a script with Debian's python3 (the one that has olefile) and returns
// what it printed; a failed run returns its error output prefixed by "ERROR".
inline QByteArray runDebianPython(const QString &script, const QStringList &arguments)
{
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 QStringList{QStringLiteral("-c"), script} + arguments);
    if (!python.waitForFinished(60000) || python.exitStatus() != QProcess::NormalExit ||
        python.exitCode() != 0)
        return "ERROR " + python.readAllStandardError();
    return python.readAllStandardOutput();
}
