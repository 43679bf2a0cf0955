#include "gamerecord.h"

#include "platform/codepage.h"
#include "platform/paths.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>

#include <limits>

namespace game {

namespace {

// "2;2147483647" is the longest good record; anything much larger is not one.
constexpr qint64 maxRecordBytes = 64;

bool parseNumber(const QString &text, int low, int high, int &value)
{
    if (text.isEmpty() || text.size() > 10)
        return false;
    for (const QChar ch : text) {
        if (!ch.isDigit() || ch.unicode() > 0x7F)
            return false;
    }
    bool ok = false;
    const qint64 number = text.toLongLong(&ok);
    if (!ok || number < low || number > high)
        return false;
    value = static_cast<int>(number);
    return true;
}

} // namespace

QString scrambleText(const QString &text)
{
    const auto key = static_cast<char16_t>((text.size() - 1) & 0xFF);
    QString result = text;
    for (QChar &ch : result) {
        const char16_t code = ch.unicode();
        const char16_t low = (key ^ (255 - (code & 0xFF))) & 0xFF;
        ch = QChar(static_cast<char16_t>((code & 0xFF00) | low));
    }
    return result;
}

GameRecord parseRecord(const QByteArray &bytes)
{
    if (bytes.isEmpty() || bytes.size() > maxRecordBytes)
        return {};
    const QStringList parts = scrambleText(platform::codepage::decode(bytes)).split(u';');
    if (parts.size() != 2)
        return {};
    GameRecord record;
    if (!parseNumber(parts[0], 0, 2, record.difficulty) ||
        !parseNumber(parts[1], 0, std::numeric_limits<int>::max(), record.hiScore))
        return {};
    return record;
}

QByteArray recordBytes(const GameRecord &record)
{
    const QString text =
        QString::number(record.difficulty) + u';' + QString::number(record.hiScore);
    return platform::codepage::encode(scrambleText(text));
}

QString recordPath()
{
    return platform::programFolder() + QStringLiteral("Rubblefall.dat");
}

GameRecord loadRecord(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parseRecord(file.read(maxRecordBytes + 1));
}

bool saveRecord(const QString &path, const GameRecord &record)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(recordBytes(record));
    return file.commit();
}

} // namespace game
