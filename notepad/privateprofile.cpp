#include "notepad/privateprofile.h"

#include <QFile>
#include <QStandardPaths>

#include <limits>

namespace privateprofile {

namespace {

// A profile file larger than this is not a settings file.
constexpr qint64 maxFileBytes = 1 << 20;

int leadingInteger(QStringView value)
{
    qsizetype i = 0;
    if (i < value.size() && (value[i] == u'+' || value[i] == u'-')) {
        if (value[i] == u'-')
            return 0;
        ++i;
    }
    qint64 result = 0;
    for (; i < value.size() && value[i].isDigit() && value[i].unicode() < 128; ++i) {
        result = result * 10 + (value[i].unicode() - u'0');
        if (result > std::numeric_limits<int>::max())
            return std::numeric_limits<int>::max();
    }
    return int(result);
}

} // namespace

QString filePath(const QString &executableBaseName)
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1Char('/') + executableBaseName + QStringLiteral(".INI");
}

int readInt(const QString &path, const QString &section, const QString &key, int defaultValue)
{
    QFile file(path);
    if (file.size() > maxFileBytes || !file.open(QIODevice::ReadOnly))
        return defaultValue;
    return readIntFromBytes(file.read(maxFileBytes), section, key, defaultValue);
}

int readIntFromBytes(const QByteArray &content, const QString &section, const QString &key,
                     int defaultValue)
{
    const QString text = QString::fromLatin1(content);
    bool inSection = false;
    for (QStringView line : QStringView(text).split(u'\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[')) {
            const qsizetype close = line.indexOf(u']');
            const QStringView name = line.mid(1, close < 0 ? -1 : close - 1).trimmed();
            inSection = name.compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!inSection)
            continue;
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0 || line.left(equals).trimmed().compare(key, Qt::CaseInsensitive) != 0)
            continue;
        return leadingInteger(line.mid(equals + 1).trimmed());
    }
    return defaultValue;
}

} // namespace privateprofile
