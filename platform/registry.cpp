#include "registry.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStringDecoder>

#include <optional>
#include <vector>

namespace platform {

namespace {

constexpr const char *defaultValueKey = "@";
constexpr const char *rootPrefix = "HKEY_CURRENT_USER\\Software\\Velmar\\";

QString &storeFolderOverride()
{
    static QString folder;
    return folder;
}

bool environmentApplied = false;

void applyStoreFolder()
{
    if (!environmentApplied) {
        environmentApplied = true;
        if (storeFolderOverride().isEmpty()) {
            const QString env = qEnvironmentVariable("DOMORA_SETTINGS_DIR");
            if (!env.isEmpty())
                storeFolderOverride() = env;
        }
    }
    const QString folder =
        storeFolderOverride().isEmpty()
            ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
            : storeFolderOverride();
    QDir().mkpath(folder);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}

std::optional<quint32> parseDword(const QString &text)
{
    if (text.isEmpty() || text.size() > 10)
        return std::nullopt;
    if (text.size() > 1 && text.front() == u'0')
        return std::nullopt;
    bool ok = false;
    const qulonglong v = text.toULongLong(&ok, 10);
    if (!ok || v > 0xFFFFFFFFull)
        return std::nullopt;
    for (const QChar c : text) {
        if (!c.isDigit())
            return std::nullopt;
    }
    return static_cast<quint32>(v);
}

QString escapeRegString(const QString &s)
{
    QString out;
    out.reserve(s.size() + 2);
    for (const QChar c : s) {
        if (c == u'\\' || c == u'"')
            out += u'\\';
        out += c;
    }
    return out;
}

} // namespace

Registry::Registry(const QString &application) : m_application(application)
{
    applyStoreFolder();
    m_settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             organisation, application);
}

Registry::~Registry() = default;

void Registry::setStoreFolder(const QString &folder)
{
    environmentApplied = true;
    storeFolderOverride() = folder;
    applyStoreFolder();
}

QString Registry::storeFolder()
{
    applyStoreFolder();
    return storeFolderOverride().isEmpty()
               ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
               : storeFolderOverride();
}

QString Registry::keyName() const
{
    return QString::fromLatin1(rootPrefix) + m_application;
}

QString Registry::fileName() const
{
    return m_settings->fileName();
}

QString Registry::groupPath(const QString &section)
{
    QString g = section;
    g.replace(u'\\', u'/');
    while (g.startsWith(u'/'))
        g.remove(0, 1);
    while (g.endsWith(u'/'))
        g.chop(1);
    return g;
}

QString Registry::keyPath(const QString &section, const QString &entry) const
{
    const QString g = groupPath(section);
    return g.isEmpty() ? entry : g + u'/' + entry;
}

int Registry::readInt(const QString &section, const QString &entry, int defaultValue) const
{
    return static_cast<int>(readUInt(section, entry, static_cast<quint32>(defaultValue)));
}

quint32 Registry::readUInt(const QString &section, const QString &entry, quint32 defaultValue) const
{
    const QVariant v = m_settings->value(keyPath(section, entry));
    if (!v.isValid())
        return defaultValue;
    const QString text = v.toString().trimmed();
    if (const auto d = parseDword(text))
        return *d;
    bool ok = false;
    const int signedValue = text.toInt(&ok);
    return ok ? static_cast<quint32>(signedValue) : defaultValue;
}

QString Registry::readString(const QString &section, const QString &entry,
                             const QString &defaultValue) const
{
    const QVariant v = m_settings->value(keyPath(section, entry));
    return v.isValid() ? v.toString() : defaultValue;
}

bool Registry::contains(const QString &section, const QString &entry) const
{
    return m_settings->contains(keyPath(section, entry));
}

bool Registry::writeInt(const QString &section, const QString &entry, int value)
{
    return writeUInt(section, entry, static_cast<quint32>(value));
}

bool Registry::writeUInt(const QString &section, const QString &entry, quint32 value)
{
    m_settings->setValue(keyPath(section, entry), QString::number(value));
    return m_settings->isWritable();
}

bool Registry::writeString(const QString &section, const QString &entry, const QString &value)
{
    m_settings->setValue(keyPath(section, entry), value);
    return m_settings->isWritable();
}

bool Registry::deleteValue(const QString &section, const QString &entry)
{
    m_settings->remove(keyPath(section, entry));
    return m_settings->isWritable();
}

QString Registry::readDefault(const QString &section) const
{
    return readString(section, QString::fromLatin1(defaultValueKey));
}

bool Registry::writeDefault(const QString &section, const QString &value)
{
    return writeString(section, QString::fromLatin1(defaultValueKey), value);
}

QStringList Registry::valueNames(const QString &section) const
{
    const QString g = groupPath(section);
    if (!g.isEmpty())
        m_settings->beginGroup(g);
    QStringList names = m_settings->childKeys();
    if (!g.isEmpty())
        m_settings->endGroup();
    return names;
}

QStringList Registry::subKeys(const QString &section) const
{
    const QString g = groupPath(section);
    if (!g.isEmpty())
        m_settings->beginGroup(g);
    QStringList names = m_settings->childGroups();
    if (!g.isEmpty())
        m_settings->endGroup();
    return names;
}

bool Registry::keyExists(const QString &section) const
{
    const QString g = groupPath(section);
    if (g.isEmpty())
        return true;
    const qsizetype slash = g.lastIndexOf(u'/');
    const QString parent = slash < 0 ? QString() : g.left(slash);
    const QString leaf = slash < 0 ? g : g.mid(slash + 1);
    return subKeys(parent).contains(leaf);
}

bool Registry::deleteKey(const QString &section)
{
    const QString g = groupPath(section);
    if (g.isEmpty())
        m_settings->clear();
    else
        m_settings->remove(g);
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

bool Registry::sync()
{
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

bool Registry::exportKey(const QString &section, const QString &filePath, QString *error) const
{
    QString text = QStringLiteral("Windows Registry Editor Version 5.00\r\n");
    const auto writeKey = [&](const auto &self, const QString &group) -> void {
        QString name = keyName();
        if (!group.isEmpty())
            name += u'\\' + QString(group).replace(u'/', u'\\');
        text += QStringLiteral("\r\n[%1]\r\n").arg(name);
        const QStringList values = valueNames(group);
        for (const QString &v : values) {
            const QString value = readString(group, v);
            const QString lhs = v == QLatin1String(defaultValueKey)
                                    ? QStringLiteral("@")
                                    : u'"' + escapeRegString(v) + u'"';
            if (const auto d = parseDword(value); d && v != QLatin1String(defaultValueKey))
                text += QStringLiteral("%1=dword:%2\r\n").arg(lhs).arg(*d, 8, 16, QChar(u'0'));
            else
                text += QStringLiteral("%1=\"%2\"\r\n").arg(lhs, escapeRegString(value));
        }
        for (const QString &sub : subKeys(group))
            self(self, group.isEmpty() ? sub : group + u'/' + sub);
    };
    writeKey(writeKey, groupPath(section));

    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    file.write(text.toUtf8());
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

namespace {

struct RegOperation
{
    enum class Kind
    {
        DeleteKey,
        SetString,
        SetDword,
        DeleteValue
    };
    Kind kind = Kind::SetString;
    QString application;
    QString section;
    QString entry; // "@" for the default value
    QString text;
    quint32 dword = 0;
};

// Splits "HKEY_CURRENT_USER\Software\Velmar\App\Sub\Key" into the
// application and the section below it.
bool splitKey(const QString &key, QString &application, QString &section)
{
    const QString prefix = QString::fromLatin1(rootPrefix);
    if (!key.startsWith(prefix, Qt::CaseInsensitive))
        return false;
    const QString rest = key.mid(prefix.size());
    const qsizetype slash = rest.indexOf(u'\\');
    application = slash < 0 ? rest : rest.left(slash);
    section = slash < 0 ? QString() : rest.mid(slash + 1);
    return !application.isEmpty();
}

// Reads a quoted string starting at `pos` (on the opening quote); leaves pos
// after the closing quote.
bool readQuoted(const QString &line, qsizetype &pos, QString &out)
{
    if (pos >= line.size() || line.at(pos) != u'"')
        return false;
    ++pos;
    out.clear();
    while (pos < line.size()) {
        const QChar c = line.at(pos++);
        if (c == u'\\') {
            if (pos >= line.size())
                return false;
            out += line.at(pos++);
        } else if (c == u'"') {
            return true;
        } else {
            out += c;
        }
    }
    return false;
}

QString decodeRegText(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFF\xFE")) {
        auto dec = QStringDecoder(QStringDecoder::Utf16LE);
        return dec(bytes.mid(2));
    }
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    return QString::fromUtf8(bytes);
}

} // namespace

bool importRegFile(const QString &filePath, QString *error)
{
    const auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return fail(
            QStringLiteral("Impossibile aprire il file %1: %2").arg(filePath, file.errorString()));
    const QString text = decodeRegText(file.readAll());
    QStringList lines = text.split(u'\n');
    if (lines.isEmpty())
        return fail(QStringLiteral("Il file %1 è vuoto.").arg(filePath));
    const QString header = lines.front().trimmed();
    if (header != QLatin1String("Windows Registry Editor Version 5.00") &&
        header != QLatin1String("REGEDIT4"))
        return fail(QStringLiteral("Il file %1 non è un file di registro valido.").arg(filePath));

    std::vector<RegOperation> ops;
    QString application, section;
    bool inKey = false;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        QString line = lines.at(i);
        if (line.endsWith(u'\r'))
            line.chop(1);
        // Continued lines (hex values wrapped by the exporter) are joined.
        while (line.endsWith(u'\\') && !line.trimmed().startsWith(u'[') && i + 1 < lines.size()) {
            line.chop(1);
            QString next = lines.at(++i);
            if (next.endsWith(u'\r'))
                next.chop(1);
            line += next.trimmed();
        }
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u';'))
            continue;
        const QString lineNo = QString::number(i + 1);
        if (trimmed.startsWith(u'[')) {
            if (!trimmed.endsWith(u']'))
                return fail(QStringLiteral("Riga %1: chiave non valida.").arg(lineNo));
            QString key = trimmed.mid(1, trimmed.size() - 2);
            const bool remove = key.startsWith(u'-');
            if (remove)
                key.remove(0, 1);
            if (!splitKey(key, application, section))
                return fail(
                    QStringLiteral(
                        "Riga %1: la chiave %2 non appartiene alle impostazioni del programma.")
                        .arg(lineNo, key));
            if (remove) {
                ops.push_back({RegOperation::Kind::DeleteKey, application, section, {}, {}, 0});
                inKey = false;
            } else {
                inKey = true;
            }
            continue;
        }
        if (!inKey)
            return fail(QStringLiteral("Riga %1: valore fuori da una chiave.").arg(lineNo));
        qsizetype pos = 0;
        QString name;
        if (trimmed.startsWith(u'@')) {
            name = QString::fromLatin1(defaultValueKey);
            pos = 1;
        } else if (!readQuoted(trimmed, pos, name)) {
            return fail(QStringLiteral("Riga %1: nome di valore non valido.").arg(lineNo));
        }
        if (pos >= trimmed.size() || trimmed.at(pos) != u'=')
            return fail(QStringLiteral("Riga %1: manca il segno '='.").arg(lineNo));
        ++pos;
        const QString rhs = trimmed.mid(pos);
        RegOperation op{RegOperation::Kind::SetString, application, section, name, {}, 0};
        if (rhs == QLatin1String("-")) {
            op.kind = RegOperation::Kind::DeleteValue;
        } else if (rhs.startsWith(u'"')) {
            qsizetype p = 0;
            if (!readQuoted(rhs, p, op.text) || p != rhs.size())
                return fail(QStringLiteral("Riga %1: testo non valido.").arg(lineNo));
        } else if (rhs.startsWith(QLatin1String("dword:"), Qt::CaseInsensitive)) {
            const QString hex = rhs.mid(6);
            bool ok = false;
            const qulonglong v = hex.toULongLong(&ok, 16);
            if (!ok || hex.isEmpty() || hex.size() > 8 || v > 0xFFFFFFFFull)
                return fail(QStringLiteral("Riga %1: valore dword non valido.").arg(lineNo));
            op.kind = RegOperation::Kind::SetDword;
            op.dword = static_cast<quint32>(v);
        } else if (rhs.startsWith(QLatin1String("hex"), Qt::CaseInsensitive)) {
            continue; // binary and expandable values are not used by the suite
        } else {
            return fail(QStringLiteral("Riga %1: tipo di valore non riconosciuto.").arg(lineNo));
        }
        ops.push_back(op);
    }

    for (const RegOperation &op : ops) {
        Registry reg(op.application);
        switch (op.kind) {
        case RegOperation::Kind::DeleteKey:
            reg.deleteKey(op.section);
            break;
        case RegOperation::Kind::SetString:
            reg.writeString(op.section, op.entry, op.text);
            break;
        case RegOperation::Kind::SetDword:
            reg.writeUInt(op.section, op.entry, op.dword);
            break;
        case RegOperation::Kind::DeleteValue:
            reg.deleteValue(op.section, op.entry);
            break;
        }
        reg.sync();
    }
    return true;
}

} // namespace platform
