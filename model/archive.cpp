#include "archive.h"

#include "model/classregistry.h"
#include "model/objectrecycler.h"
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

ArchiveWriter::ArchiveWriter(QByteArray buffer, qsizetype reserveBytes) : m_items(nullptr)
{
    if (buffer.isDetached())
        m_buffer = std::move(buffer);
    m_buffer.resize(std::max({reserveBytes, m_buffer.capacity(), qsizetype{64}}));
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

void ArchiveWriter::compareWritten()
{
    const qsizetype end = std::min(m_size, m_reference->size());
    if (std::memcmp(m_data + m_matched, m_reference->constData() + m_matched,
                    static_cast<size_t>(end - m_matched)) != 0 ||
        end < m_size) {
        m_differs = true;
        return;
    }
    m_matched = end;
}

bool ArchiveWriter::equalsReference()
{
    if (!m_reference)
        return false;
    compareStep();
    return !m_differs && m_size == m_reference->size();
}

void ArchiveWriter::writeDouble(double v)
{
    quint64 bits;
    std::memcpy(&bits, &v, 8);
    const quint64 le = qToLittleEndian(bits);
    put(&le, 8);
}

namespace {

char *putStringLength(char *out, quint32 length)
{
    if (length < 255) {
        *out++ = static_cast<char>(length);
    } else if (length < 0xFFFE) {
        *out++ = static_cast<char>(0xFF);
        qToUnaligned(qToLittleEndian(static_cast<quint16>(length)), out);
        out += 2;
    } else {
        *out++ = static_cast<char>(0xFF);
        qToUnaligned(quint16{0xFFFF}, out);
        qToUnaligned(qToLittleEndian(length), out + 2);
        out += 6;
    }
    return out;
}

} // namespace

char *ArchiveWriter::putText(char *out, const QString &text)
{
    // Plain ASCII is the common case: narrowed straight into the archive,
    // after its length; anything else is written again over it below.
    const qsizetype length = text.size();
    const auto *chars = reinterpret_cast<const ushort *>(text.constData());
    char *start = putStringLength(out, static_cast<quint32>(length));
    ushort high = 0;
    for (qsizetype i = 0; i < length; ++i) {
        high |= chars[i];
        start[i] = static_cast<char>(chars[i]);
    }
    if (high < 0x80)
        return start + length;
    // Windows-1252 takes a byte per character at most, so it fits the room too.
    const QByteArray bytes = platform::codepage::encode(text);
    out = putStringLength(out, static_cast<quint32>(bytes.size()));
    std::memcpy(out, bytes.constData(), static_cast<size_t>(bytes.size()));
    return out + bytes.size();
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

void ArchiveWriter::throwTooMany(const char *what)
{
    fail(ArchiveException::Kind::TooLarge,
         tr("Impossibile salvare: %1 sono troppi per il formato del file (al massimo 65535).")
             .arg(QCoreApplication::translate("Archive", what)));
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
    if (const quint32 index = m_objects.find(object)) {
        if (index < bigObjectTag) {
            writeWord(static_cast<quint16>(index));
        } else {
            writeWord(bigObjectTag);
            writeDword(index);
        }
        return;
    }
    writeClassTag(object->className());
    m_objects.insert(object, nextIndex());
    object->Serialize(*this);
}

void ArchiveWriter::ObjectTable::reserve(size_t count)
{
    size_t size = 16;
    while (size < 2 * count)
        size *= 2;
    if (size <= m_slots.size())
        return;
    std::vector<std::pair<const Persistent *, quint32>> old(size, {nullptr, 0});
    old.swap(m_slots);
    m_used = 0;
    for (const auto &[object, index] : old) {
        if (object)
            insert(object, index);
    }
}

size_t ArchiveWriter::ObjectTable::slotOf(const Persistent *object) const
{
    // Fibonacci hashing of the address; heap pointers differ in their middle bits.
    const auto key = reinterpret_cast<quintptr>(object) >> 4;
    const size_t mask = m_slots.size() - 1;
    size_t slot = static_cast<size_t>((key * 0x9E3779B97F4A7C15ull) >> 20) & mask;
    while (m_slots[slot].first && m_slots[slot].first != object)
        slot = (slot + 1) & mask;
    return slot;
}

quint32 ArchiveWriter::ObjectTable::find(const Persistent *object) const
{
    if (m_slots.empty())
        return 0;
    const auto &slot = m_slots[slotOf(object)];
    return slot.first ? slot.second : 0;
}

void ArchiveWriter::ObjectTable::insert(const Persistent *object, quint32 index)
{
    if (2 * (m_used + 1) > m_slots.size())
        reserve(m_used + 1);
    auto &slot = m_slots[slotOf(object)];
    if (!slot.first)
        ++m_used;
    slot = {object, index};
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
    setReference(nullptr); // the comparison was of the bytes taken
    return out;
}

// ---------------------------------------------------------------- reader

ArchiveReader::ArchiveReader(const char *data, qsizetype size, ItemStore *items)
    : m_pos(data), m_end(data + size), m_items(items)
{
    m_map.emplace_back(); // index 0: null
}

ArchiveReader::~ArchiveReader() = default;

void ArchiveReader::throwEndOfFile()
{
    fail(ArchiveException::Kind::EndOfFile,
         tr("Il file termina prima della fine dei dati del documento."));
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
    if (length == 0)
        return QString();
    need(static_cast<qsizetype>(std::min<quint64>(length, std::numeric_limits<qsizetype>::max())));
    const char *start = m_pos;
    m_pos += length;
    const auto decode = [start, length] {
        return isAscii(start, length) ? QString::fromLatin1(start, length)
                                      : platform::codepage::decode(std::string_view(start, length));
    };
    if (length > maxSharedStringLength)
        return decode();
    // Plans repeat the same short texts (type names, captions, paths)
    // thousands of times; they share one copy.
    RecentString &recent = m_recent[length];
    if (recent.bytes && std::memcmp(recent.bytes, start, length) == 0)
        return recent.text;
    const std::string_view key(start, length);
    auto it = m_strings.find(key);
    if (it == m_strings.end())
        it = m_strings.emplace(key, decode()).first;
    recent = {start, it->second};
    return it->second;
}

quint32 ArchiveReader::readCount()
{
    const quint16 word = readWord();
    return word == 0xFFFF ? readDword() : word;
}

void ArchiveReader::throwTooMany(quint64 count, const char *what)
{
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
    if (m_recycler && cls->reusable)
        entry.owned = m_recycler->take(*cls);
    if (!entry.owned)
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
