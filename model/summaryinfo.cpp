#include "summaryinfo.h"

#include "platform/codepage.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <QTimeZone>
#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <limits>
#include <optional>
#include <vector>

namespace model {

namespace {

// F29F85E0-4FF9-1068-AB91-08002B27B3D9 as stored: the first three groups
// little-endian.
constexpr unsigned char summaryFormatId[16] = {0xE0, 0x85, 0x9F, 0xF2, 0xF9, 0x4F, 0x68, 0x10,
                                               0xAB, 0x91, 0x08, 0x00, 0x2B, 0x27, 0xB3, 0xD9};

enum PropertyType : quint16
{
    VtI2 = 2,
    VtI4 = 3,
    VtUi2 = 18,
    VtUi4 = 19,
    VtLpstr = 30,
    VtLpwstr = 31,
    VtFiletime = 64
};

enum PropertyId : quint32
{
    PidCodePage = 1,
    PidTitle = 2,
    PidSubject = 3,
    PidAuthor = 4,
    PidKeywords = 5,
    PidComments = 6,
    PidTemplate = 7,
    PidLastAuthor = 8,
    PidRevisionNumber = 9,
    PidEditTime = 10,
    PidLastPrinted = 11,
    PidCreated = 12,
    PidLastSaved = 13,
    PidPageCount = 14,
    PidWordCount = 15,
    PidCharCount = 16,
    PidApplicationName = 18,
    PidExtraCount = 0x80000002
};

constexpr quint16 codePage1252 = 1252;
constexpr quint16 codePageUtf16 = 1200;
constexpr quint16 codePageUtf8 = 65001;
constexpr int headerSize = 28;
constexpr int formatEntrySize = 20; // format id and offset
// Milliseconds from 1601-01-01, where FILETIME starts, to 1970-01-01.
constexpr qint64 fileTimeEpochOffsetMs = 11644473600000;
constexpr qint64 ticksPerMs = 10000;

QString tr(const char *text)
{
    return QCoreApplication::translate("model::SummaryInformation", text);
}

// The text properties in the order they are written.
struct TextField
{
    PropertyId id;
    QString SummaryInformation::*field;
};
constexpr TextField textFields[] = {
    {PidTitle, &SummaryInformation::title},
    {PidSubject, &SummaryInformation::subject},
    {PidAuthor, &SummaryInformation::author},
    {PidKeywords, &SummaryInformation::keywords},
    {PidComments, &SummaryInformation::comments},
    {PidTemplate, &SummaryInformation::templateName},
    {PidLastAuthor, &SummaryInformation::lastAuthor},
    {PidRevisionNumber, &SummaryInformation::revisionNumber},
    {PidApplicationName, &SummaryInformation::applicationName},
};

struct CountField
{
    PropertyId id;
    qint32 SummaryInformation::*field;
};
constexpr CountField countFields[] = {
    {PidPageCount, &SummaryInformation::pageCount},
    {PidWordCount, &SummaryInformation::wordCount},
    {PidCharCount, &SummaryInformation::charCount},
    {PidExtraCount, &SummaryInformation::extraCount},
};

struct TimeField
{
    PropertyId id;
    QDateTime SummaryInformation::*field;
};
constexpr TimeField timeFields[] = {
    {PidLastPrinted, &SummaryInformation::lastPrinted},
    {PidCreated, &SummaryInformation::created},
    {PidLastSaved, &SummaryInformation::lastSaved},
};

// Builds one section: the properties' values, then the table in front.
class SectionWriter
{
public:
    void add(quint32 id, const QByteArray &value)
    {
        m_ids.push_back(id);
        m_values.push_back(value);
    }
    void addText(quint32 id, const QString &text)
    {
        QByteArray bytes = platform::codepage::encode(text);
        bytes.append('\0');
        QByteArray value = typed(VtLpstr);
        appendU32(value, quint32(bytes.size()));
        value.append(bytes);
        add(id, padded(value));
    }
    void addI4(quint32 id, qint32 number)
    {
        QByteArray value = typed(VtI4);
        appendU32(value, quint32(number));
        add(id, value);
    }
    void addFileTime(quint32 id, quint64 ticks)
    {
        QByteArray value = typed(VtFiletime);
        appendU32(value, quint32(ticks));
        appendU32(value, quint32(ticks >> 32));
        add(id, value);
    }
    QByteArray bytes() const
    {
        const auto tableSize = quint32(8 + 8 * m_ids.size());
        quint32 size = tableSize;
        for (const QByteArray &value : m_values)
            size += quint32(value.size());
        QByteArray out;
        out.reserve(size);
        appendU32(out, size);
        appendU32(out, quint32(m_ids.size()));
        quint32 offset = tableSize;
        for (size_t i = 0; i < m_ids.size(); ++i) {
            appendU32(out, m_ids[i]);
            appendU32(out, offset);
            offset += quint32(m_values[i].size());
        }
        for (const QByteArray &value : m_values)
            out.append(value);
        return out;
    }

    static void appendU32(QByteArray &out, quint32 value)
    {
        char raw[4];
        qToLittleEndian(value, raw);
        out.append(raw, 4);
    }
    static QByteArray typed(quint16 type)
    {
        QByteArray value(4, '\0');
        qToLittleEndian(type, value.data());
        return value;
    }
    static QByteArray padded(QByteArray value)
    {
        value.append((4 - value.size() % 4) % 4, '\0');
        return value;
    }

private:
    std::vector<quint32> m_ids;
    std::vector<QByteArray> m_values;
};

std::optional<quint64> fileTimeTicks(const QDateTime &when)
{
    if (!when.isValid())
        return std::nullopt;
    const qint64 ms = when.toMSecsSinceEpoch() + fileTimeEpochOffsetMs;
    if (ms <= 0)
        return std::nullopt;
    return quint64(ms) * ticksPerMs;
}

QDateTime fromFileTimeTicks(quint64 ticks)
{
    if (ticks == 0)
        return {};
    return QDateTime::fromMSecsSinceEpoch(qint64(ticks / ticksPerMs) - fileTimeEpochOffsetMs,
                                          QTimeZone::utc());
}

// Reads one section, every access checked against its end.
class SectionReader
{
public:
    SectionReader(const char *data, quint32 size) : m_data(data), m_size(size) {}

    bool read(SummaryInformation &info, FileError &error);

private:
    struct Value
    {
        quint16 type = 0;
        quint32 offset = 0; // of the value after its type, from the section start
    };

    bool has(quint32 offset, quint64 count) const { return quint64(offset) + count <= m_size; }
    quint16 u16(quint32 offset) const { return qFromLittleEndian<quint16>(m_data + offset); }
    quint32 u32(quint32 offset) const { return qFromLittleEndian<quint32>(m_data + offset); }

    std::optional<QString> text(const Value &value) const;
    std::optional<qint32> count(const Value &value) const;
    std::optional<quint64> fileTime(const Value &value) const;

    const char *m_data;
    quint32 m_size;
    quint16 m_codePage = codePage1252;
};

std::optional<QString> SectionReader::text(const Value &value) const
{
    if (!has(value.offset, 4))
        return std::nullopt;
    const quint32 length = u32(value.offset);
    const quint32 start = value.offset + 4;
    if (value.type == VtLpwstr) {
        if (!has(start, quint64(length) * 2))
            return std::nullopt;
        QString result(qsizetype(length), Qt::Uninitialized);
        for (quint32 i = 0; i < length; ++i)
            result[i] = QChar(u16(start + 2 * i));
        return result.left(result.indexOf(QChar(0)));
    }
    if (value.type != VtLpstr || !has(start, length))
        return std::nullopt;
    QByteArray bytes(m_data + start, qsizetype(length));
    if (m_codePage == codePageUtf16) {
        QString result = QStringDecoder(QStringDecoder::Utf16LE).decode(bytes);
        return result.left(result.indexOf(QChar(0)));
    }
    if (const qsizetype end = bytes.indexOf('\0'); end >= 0)
        bytes.truncate(end);
    if (m_codePage == codePageUtf8)
        return QString::fromUtf8(bytes);
    return platform::codepage::decode(bytes);
}

std::optional<qint32> SectionReader::count(const Value &value) const
{
    switch (value.type) {
    case VtI4:
    case VtUi4:
        if (has(value.offset, 4))
            return qint32(u32(value.offset));
        break;
    case VtI2:
        if (has(value.offset, 2))
            return qint16(u16(value.offset));
        break;
    case VtUi2:
        if (has(value.offset, 2))
            return u16(value.offset);
        break;
    default:
        break;
    }
    return std::nullopt;
}

std::optional<quint64> SectionReader::fileTime(const Value &value) const
{
    if (value.type != VtFiletime || !has(value.offset, 8))
        return std::nullopt;
    return quint64(u32(value.offset)) | quint64(u32(value.offset + 4)) << 32;
}

bool SectionReader::read(SummaryInformation &info, FileError &error)
{
    if (!has(0, 8)) {
        error = {FileErrorCause::EndOfFile, 0,
                 tr("Le informazioni di riepilogo terminano prima dell'elenco delle proprietà.")};
        return false;
    }
    const quint32 propertyCount = u32(4);
    if (!has(8, quint64(propertyCount) * 8)) {
        error = {FileErrorCause::EndOfFile, 0,
                 tr("Le informazioni di riepilogo dichiarano %1 proprietà, più di quante ne "
                    "contengano.")
                     .arg(propertyCount)};
        return false;
    }
    // Values that do not fit are skipped like unknown ones: the rest of the
    // summary is still good.
    std::vector<std::pair<quint32, Value>> values;
    values.reserve(propertyCount);
    for (quint32 i = 0; i < propertyCount; ++i) {
        const quint32 id = u32(8 + 8 * i);
        const quint32 offset = u32(12 + 8 * i);
        if (!has(offset, 4))
            continue;
        values.push_back({id, Value{u16(offset), offset + 4}});
        if (id == PidCodePage)
            if (const auto page = count(values.back().second))
                m_codePage = quint16(*page);
    }

    info = {};
    for (const auto &[id, value] : values) {
        if (id == PidEditTime) {
            if (const auto ticks = fileTime(value))
                info.editingTimeMs = qint64(
                    std::min<quint64>(*ticks / ticksPerMs, std::numeric_limits<qint64>::max()));
            continue;
        }
        for (const TextField &field : textFields)
            if (field.id == id)
                if (const auto text = this->text(value))
                    info.*field.field = *text;
        for (const CountField &field : countFields)
            if (field.id == id)
                if (const auto number = count(value))
                    info.*field.field = *number;
        for (const TimeField &field : timeFields)
            if (field.id == id)
                if (const auto ticks = fileTime(value))
                    info.*field.field = fromFileTimeTicks(*ticks);
    }
    return true;
}

} // namespace

QString summaryStreamName()
{
    return QStringLiteral("\005SummaryInformation");
}

QByteArray writeSummaryInformation(const SummaryInformation &info)
{
    SectionWriter section;
    QByteArray codePage = SectionWriter::typed(VtI2);
    codePage.append(char(codePage1252 & 0xFF)).append(char(codePage1252 >> 8)).append(2, '\0');
    section.add(PidCodePage, codePage);
    for (const TextField &field : textFields)
        section.addText(field.id, info.*field.field);
    section.addFileTime(PidEditTime, quint64(std::max<qint64>(info.editingTimeMs, 0)) * ticksPerMs);
    for (const TimeField &field : timeFields)
        if (const auto ticks = fileTimeTicks(info.*field.field))
            section.addFileTime(field.id, *ticks);
    for (const CountField &field : countFields)
        if (field.id != PidExtraCount || info.extraCount != 0)
            section.addI4(field.id, info.*field.field);

    QByteArray out(headerSize + formatEntrySize, '\0');
    char *h = out.data();
    qToLittleEndian<quint16>(0xFFFE, h);
    // Written on Win32 (2), version 10.0: what current systems put here.
    qToLittleEndian<quint32>(0x00020A00, h + 4);
    qToLittleEndian<quint32>(1, h + 24);
    std::memcpy(h + headerSize, summaryFormatId, sizeof summaryFormatId);
    qToLittleEndian<quint32>(headerSize + formatEntrySize, h + headerSize + 16);
    out.append(section.bytes());
    return out;
}

bool readSummaryInformation(const QByteArray &bytes, SummaryInformation &info, FileError *error)
{
    FileError ignored;
    FileError &result = error ? *error : ignored;
    result = {};
    const auto invalid = [&](const QString &message) {
        result = {FileErrorCause::InvalidFile, 0, message};
        return false;
    };
    if (bytes.size() < headerSize || qFromLittleEndian<quint16>(bytes.constData()) != 0xFFFE)
        return invalid(tr("Le informazioni di riepilogo non sono un insieme di proprietà."));
    const quint32 sectionCount = qFromLittleEndian<quint32>(bytes.constData() + 24);
    if (quint64(sectionCount) * formatEntrySize > quint64(bytes.size() - headerSize)) {
        result = {FileErrorCause::EndOfFile, 0,
                  tr("Le informazioni di riepilogo terminano prima dell'elenco delle sezioni.")};
        return false;
    }
    for (quint32 i = 0; i < sectionCount; ++i) {
        const char *entry = bytes.constData() + headerSize + formatEntrySize * i;
        if (std::memcmp(entry, summaryFormatId, sizeof summaryFormatId) != 0)
            continue;
        const quint32 offset = qFromLittleEndian<quint32>(entry + 16);
        if (offset > quint64(bytes.size())) {
            result = {FileErrorCause::EndOfFile, 0,
                      tr("Le informazioni di riepilogo terminano prima della loro sezione.")};
            return false;
        }
        // The section's own size may overstate it; what the stream holds limits it.
        const quint32 available = quint32(bytes.size() - offset);
        const quint32 declared =
            available >= 4 ? qFromLittleEndian<quint32>(bytes.constData() + offset) : 0;
        SectionReader reader(bytes.constData() + offset, std::min(available, declared));
        return reader.read(info, result);
    }
    return invalid(tr("Il flusso non contiene le informazioni di riepilogo."));
}

} // namespace model
