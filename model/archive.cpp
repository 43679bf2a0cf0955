#include "archive.h"

#include "model/classregistry.h"
#include "platform/codepage.h"

#include <QCoreApplication>
#include <QtEndian>

#include <algorithm>
#include <limits>

namespace model {

namespace {

// Tags of the persistent-object encoding.
constexpr quint16 nullTag = 0;
constexpr quint16 newClassTag = 0xFFFF;
constexpr quint16 classTag = 0x8000;
constexpr quint16 bigObjectTag = 0x7FFF;
constexpr quint32 bigClassTag = 0x80000000;
// Longest class name the reader accepts; every known name is far shorter.
constexpr quint16 maxClassNameLength = 64;

QString tr(const char *text)
{
    return QCoreApplication::translate("Archive", text);
}

[[noreturn]] void fail(ArchiveException::Kind kind, const QString &message)
{
    throw ArchiveException(kind, message);
}

bool isAscii(const char *data, qsizetype size)
{
    return std::all_of(data, data + size,
                       [](char c) { return (static_cast<quint8>(c) & 0x80) == 0; });
}

} // namespace

// ---------------------------------------------------------------- writer

ArchiveWriter::ArchiveWriter(ItemStore *items, qsizetype reserveBytes) : m_items(items)
{
    m_buffer.resize(std::max<qsizetype>(reserveBytes, 64));
    m_data = m_buffer.data();
    m_capacity = m_buffer.size();
}

void ArchiveWriter::grow(qsizetype needed)
{
    qsizetype capacity = m_capacity;
    while (capacity - m_size < needed)
        capacity *= 2;
    m_buffer.resize(capacity);
    m_data = m_buffer.data();
    m_capacity = capacity;
}

void ArchiveWriter::writeWord(quint16 v)
{
    const quint16 le = qToLittleEndian(v);
    put(&le, 2);
}

void ArchiveWriter::writeDword(quint32 v)
{
    const quint32 le = qToLittleEndian(v);
    put(&le, 4);
}

void ArchiveWriter::writeFloat(float v)
{
    quint32 bits;
    std::memcpy(&bits, &v, 4);
    writeDword(bits);
}

void ArchiveWriter::writeDouble(double v)
{
    quint64 bits;
    std::memcpy(&bits, &v, 8);
    const quint64 le = qToLittleEndian(bits);
    put(&le, 8);
}

void ArchiveWriter::writeStringLength(quint32 length)
{
    if (length < 255) {
        writeByte(static_cast<quint8>(length));
    } else if (length < 0xFFFE) {
        writeByte(0xFF);
        writeWord(static_cast<quint16>(length));
    } else {
        writeByte(0xFF);
        writeWord(0xFFFF);
        writeDword(length);
    }
}

void ArchiveWriter::writeString(const QString &text)
{
    const bool ascii =
        std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
    if (!ascii) {
        const QByteArray bytes = platform::codepage::encode(text);
        writeStringLength(static_cast<quint32>(bytes.size()));
        put(bytes.constData(), bytes.size());
        return;
    }
    // Plain ASCII is the common case: copy it without an intermediate buffer.
    const qsizetype length = text.size();
    writeStringLength(static_cast<quint32>(length));
    if (length > m_capacity - m_size)
        grow(length);
    char *out = m_data + m_size;
    for (const QChar c : text)
        *out++ = static_cast<char>(c.unicode());
    m_size += length;
}

void ArchiveWriter::writeCount(quint32 count)
{
    if (count < 0xFFFF) {
        writeWord(static_cast<quint16>(count));
    } else {
        writeWord(0xFFFF);
        writeDword(count);
    }
}

void ArchiveWriter::writeWordCount(size_t count, const char *what)
{
    if (count > 0xFFFF)
        fail(ArchiveException::Kind::TooLarge,
             tr("Impossibile salvare: %1 sono troppi per il formato del file (al massimo 65535).")
                 .arg(QCoreApplication::translate("Archive", what)));
    writeWord(static_cast<quint16>(count));
}

quint32 ArchiveWriter::nextIndex()
{
    if (m_mapCount == std::numeric_limits<quint32>::max() >> 1)
        fail(ArchiveException::Kind::TooLarge, tr("Impossibile salvare: troppi oggetti."));
    return m_mapCount++;
}

void ArchiveWriter::writeClassTag(const char *className)
{
    for (const auto &[name, index] : m_classes) {
        if (name == className || std::strcmp(name, className) == 0) {
            if (index < bigObjectTag) {
                writeWord(static_cast<quint16>(classTag | index));
            } else {
                writeWord(bigObjectTag);
                writeDword(bigClassTag | index);
            }
            return;
        }
    }
    const auto length = static_cast<quint16>(std::strlen(className));
    writeWord(newClassTag);
    writeWord(archiveSchema);
    writeWord(length);
    put(className, length);
    m_classes.emplace_back(className, nextIndex());
}

void ArchiveWriter::writeObject(const Persistent *object)
{
    if (!object) {
        writeWord(nullTag);
        return;
    }
    if (const auto it = m_objects.find(object); it != m_objects.end()) {
        if (it->second < bigObjectTag) {
            writeWord(static_cast<quint16>(it->second));
        } else {
            writeWord(bigObjectTag);
            writeDword(it->second);
        }
        return;
    }
    writeClassTag(object->className());
    m_objects.emplace(object, nextIndex());
    object->Serialize(*this);
}

QByteArray ArchiveWriter::takeData()
{
    m_buffer.resize(m_size);
    QByteArray out = std::move(m_buffer);
    m_buffer = QByteArray();
    m_buffer.resize(64);
    m_data = m_buffer.data();
    m_capacity = m_buffer.size();
    m_size = 0;
    return out;
}

// ---------------------------------------------------------------- reader

ArchiveReader::ArchiveReader(const char *data, qsizetype size, ItemStore *items)
    : m_pos(data), m_end(data + size), m_items(items)
{
    m_map.emplace_back(); // index 0: null
}

ArchiveReader::~ArchiveReader() = default;

void ArchiveReader::need(qsizetype size) const
{
    if (size > m_end - m_pos)
        fail(ArchiveException::Kind::EndOfFile,
             tr("Il file termina prima della fine dei dati del documento."));
}

quint8 ArchiveReader::readByte()
{
    need(1);
    return static_cast<quint8>(*m_pos++);
}

quint16 ArchiveReader::readWord()
{
    need(2);
    const quint16 v = qFromLittleEndian<quint16>(m_pos);
    m_pos += 2;
    return v;
}

quint32 ArchiveReader::readDword()
{
    need(4);
    const quint32 v = qFromLittleEndian<quint32>(m_pos);
    m_pos += 4;
    return v;
}

float ArchiveReader::readFloat()
{
    const quint32 bits = readDword();
    float v;
    std::memcpy(&v, &bits, 4);
    return v;
}

double ArchiveReader::readDouble()
{
    need(8);
    const quint64 bits = qFromLittleEndian<quint64>(m_pos);
    m_pos += 8;
    double v;
    std::memcpy(&v, &bits, 8);
    return v;
}

void ArchiveReader::readRaw(void *out, qsizetype size)
{
    need(size);
    std::memcpy(out, m_pos, static_cast<size_t>(size));
    m_pos += size;
}

QString ArchiveReader::readString()
{
    quint32 length = readByte();
    if (length == 0xFF) {
        length = readWord();
        if (length == 0xFFFE)
            fail(ArchiveException::Kind::BadValue,
                 tr("Il file contiene un testo in una codifica non prevista."));
        if (length == 0xFFFF)
            length = readDword();
    }
    need(static_cast<qsizetype>(std::min<quint64>(length, std::numeric_limits<qsizetype>::max())));
    const char *start = m_pos;
    m_pos += length;
    if (isAscii(start, length))
        return QString::fromLatin1(start, length);
    return platform::codepage::decode(std::string_view(start, length));
}

quint32 ArchiveReader::readCount()
{
    const quint16 word = readWord();
    return word == 0xFFFF ? readDword() : word;
}

void ArchiveReader::requireItems(quint64 count, quint64 minItemBytes, const char *what) const
{
    const auto left = static_cast<quint64>(bytesLeft());
    if (count > left / std::max<quint64>(minItemBytes, 1))
        fail(ArchiveException::Kind::BadCount,
             tr("Il file dichiara %1 %2, più di quanti ne possa contenere.")
                 .arg(count)
                 .arg(QCoreApplication::translate("Archive", what)));
}

const ClassInfo *ArchiveReader::readNewClass()
{
    const quint16 schema = readWord();
    const quint16 length = readWord();
    if (length > maxClassNameLength)
        fail(ArchiveException::Kind::BadClass,
             tr("Il file contiene un nome di classe non valido."));
    need(length);
    const std::string_view name(m_pos, length);
    m_pos += length;
    const ClassInfo *cls = findClass(name);
    if (!cls)
        fail(ArchiveException::Kind::BadClass,
             tr("Il file contiene un oggetto di classe sconosciuta (\"%1\").")
                 .arg(platform::codepage::decode(name)));
    if (schema != archiveSchema)
        fail(ArchiveException::Kind::BadSchema,
             tr("Il file contiene la classe \"%1\" in una versione non supportata (schema %2).")
                 .arg(QLatin1String(cls->name))
                 .arg(schema));
    Entry entry;
    entry.cls = cls;
    m_map.push_back(std::move(entry));
    return cls;
}

quint32 ArchiveReader::readObject(bool owning)
{
    const quint16 tag = readWord();
    const ClassInfo *cls = nullptr;
    if (tag == newClassTag) {
        cls = readNewClass();
    } else {
        const quint32 obTag =
            tag == bigObjectTag ? readDword()
                                : (static_cast<quint32>(tag & classTag) << 16) | (tag & ~classTag);
        const auto badIndex = [] {
            fail(ArchiveException::Kind::BadIndex,
                 tr("Il file contiene un riferimento a un oggetto inesistente."));
        };
        if (obTag & bigClassTag) {
            const quint32 index = obTag & ~bigClassTag;
            if (index == 0 || index >= m_map.size() || m_map[index].obj)
                badIndex();
            cls = m_map[index].cls;
        } else {
            if (obTag == nullTag)
                return 0;
            if (obTag >= m_map.size() || !m_map[obTag].obj)
                badIndex();
            if (owning)
                fail(ArchiveException::Kind::BadIndex,
                     tr("Il file contiene lo stesso oggetto in due posti."));
            return obTag;
        }
    }
    Entry entry;
    entry.owned = cls->create();
    entry.obj = entry.owned.get();
    Persistent *object = entry.obj;
    const auto index = static_cast<quint32>(m_map.size());
    m_map.push_back(std::move(entry));
    object->Serialize(*this);
    return index;
}

void ArchiveReader::throwWrongClass(const Persistent *object)
{
    fail(ArchiveException::Kind::BadClass,
         tr("Il file contiene un oggetto \"%1\" dove non è previsto.")
             .arg(QLatin1String(object->className())));
}

} // namespace model
