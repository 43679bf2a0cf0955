#pragma once

#include "model/archiveexception.h"
#include "model/persistent.h"

#include <QByteArray>
#include <QString>
#include <QtEndian>

#include <array>
#include <cstring>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace model {

struct ClassInfo;
class ObjectRecycler;

// Where the bytes of embedded data items go when the archive is part of a
// compound file: each item gets a storage of its own and the archive keeps
// only its number. Archives without a store (undo snapshots, the clipboard)
// carry the bytes inline.
class ItemStore
{
public:
    virtual ~ItemStore() = default;
    // Keeps the bytes and returns the item's number, 1 or more.
    virtual quint32 storeItem(const QByteArray &bytes) = 0;
    // The bytes of item `number`; throws ArchiveException when there is none.
    virtual QByteArray loadItem(quint32 number) = 0;
};

// Writes the persistent-object encoding: little-endian integers, strings in
// Windows-1252 with a 1-, 3- or 7-byte length prefix, list counts, and
// object references with class tags. Classes and objects share one index
// counter that starts at 1.
class ArchiveWriter
{
public:
    explicit ArchiveWriter(ItemStore *items = nullptr, qsizetype reserveBytes = 4096);
    // Writes into the memory of `buffer` when nobody else shares it.
    ArchiveWriter(QByteArray buffer, qsizetype reserveBytes);

    void writeByte(quint8 v) { put(&v, 1); }
    void writeWord(quint16 v)
    {
        const quint16 le = qToLittleEndian(v);
        put(&le, 2);
    }
    void writeDword(quint32 v)
    {
        const quint32 le = qToLittleEndian(v);
        put(&le, 4);
    }
    void writeInt(qint32 v) { writeDword(static_cast<quint32>(v)); }
    void writeFloat(float v) { writeDword(floatBits(v)); }
    void writeDouble(double v);
    // Several DWORDs in a row, in one step.
    template <size_t N> void writeDwords(const quint32 (&values)[N])
    {
        if constexpr (Q_BYTE_ORDER == Q_LITTLE_ENDIAN) {
            put(values, static_cast<qsizetype>(4 * N));
        } else {
            for (const quint32 v : values)
                writeDword(v);
        }
    }
    [[nodiscard]] static quint32 floatBits(float v)
    {
        quint32 bits;
        std::memcpy(&bits, &v, 4);
        return bits;
    }
    void writeRaw(const void *data, qsizetype size) { put(data, size); }
    void writeString(const QString &text)
    {
        if (text.isEmpty())
            writeByte(0);
        else
            writeText(text);
    }
    // A list count: a WORD below 0xFFFF, else 0xFFFF and a DWORD.
    void writeCount(quint32 count);
    // A WORD count of a fixed-width list; throws TooLarge above 0xFFFF.
    void writeWordCount(size_t count, const char *what)
    {
        if (count > 0xFFFF)
            throwTooMany(what);
        writeWord(static_cast<quint16>(count));
    }
    // Throws TooLarge: more `what` than a WORD count can hold.
    [[noreturn]] static void throwTooMany(const char *what);
    // Room in the table of written objects, to spare rehashing.
    void reserveObjects(size_t count) { m_objects.reserve(count); }
    // Null, a back-reference, or the class tag and the object's own data.
    void writeObject(const Persistent *object);
    // An object with one owner that nothing else in the archive refers to
    // (the document's own list): written as new, without the look-up and the
    // entry in the table of written objects. The bytes are the same.
    void writeOwnedObject(const Persistent &object)
    {
        writeClassTag(object.className());
        (void)nextIndex();
        object.Serialize(*this);
    }

    // Room for `bytes` more at the end, returned as the place to write them;
    // commit() then sets the end after what was written. ArchiveBlock does
    // both.
    [[nodiscard]] char *claim(qsizetype bytes)
    {
        if (bytes > m_capacity - m_size)
            grow(bytes);
        return m_data + m_size;
    }
    void commit(const char *end) { m_size = end - m_data; }
    // Bytes a string may take: the longest prefix and a byte per character.
    [[nodiscard]] static qsizetype stringBytes(const QString &text) { return 7 + text.size(); }
    // Writes the string at `out` (room of stringBytes()) and returns its end.
    static char *putString(char *out, const QString &text)
    {
        if (text.isEmpty()) {
            *out = 0;
            return out + 1;
        }
        return putText(out, text);
    }

    // Bytes to compare the output with while it is written: compareStep()
    // compares what was written since the last step while it is still in
    // the cache, which costs far less than comparing a large archive
    // afterwards. The reference must outlive the writer.
    void setReference(const QByteArray *reference)
    {
        m_reference = reference;
        m_matched = 0;
        m_differs = false;
    }
    void compareStep()
    {
        if (m_reference && !m_differs)
            compareWritten();
    }
    // Whether the whole output equals the reference.
    [[nodiscard]] bool equalsReference();

    [[nodiscard]] ItemStore *itemStore() const { return m_items; }
    [[nodiscard]] qsizetype size() const { return m_size; }
    // The bytes written so far; the writer is empty afterwards.
    [[nodiscard]] QByteArray takeData();

private:
    void put(const void *data, qsizetype size)
    {
        if (size > m_capacity - m_size)
            grow(size);
        std::memcpy(m_data + m_size, data, static_cast<size_t>(size));
        m_size += size;
    }
    void grow(qsizetype needed);
    void compareWritten();
    void writeText(const QString &text)
    {
        char *out = claim(stringBytes(text));
        commit(putText(out, text));
    }
    static char *putText(char *out, const QString &text);
    void writeClassTag(const char *className);
    quint32 nextIndex();

    QByteArray m_buffer;
    char *m_data = nullptr;
    qsizetype m_size = 0;
    qsizetype m_capacity = 0;
    ItemStore *m_items;
    const QByteArray *m_reference = nullptr;
    qsizetype m_matched = 0; // bytes found equal to the reference
    bool m_differs = false;
    quint32 m_mapCount = 1;
    // The index of every object written, for back-references: open
    // addressing, as a plan writes thousands of objects per snapshot.
    class ObjectTable
    {
    public:
        void reserve(size_t count);
        // The object's index, or 0 when it has none yet.
        [[nodiscard]] quint32 find(const Persistent *object) const;
        void insert(const Persistent *object, quint32 index);

    private:
        [[nodiscard]] size_t slotOf(const Persistent *object) const;
        std::vector<std::pair<const Persistent *, quint32>> m_slots;
        size_t m_used = 0;
    };
    ObjectTable m_objects;
    std::vector<std::pair<const char *, quint32>> m_classes;
};

// A run of fields written into room claimed from a writer beforehand: each
// field goes out without a check of the room and an update of the writer's
// size. A value, passed in and returned by the functions that write records,
// so that the place stays in a register:
//     ar.commit(putRecord(ArchiveCursor(ar.claim(bytes)), record).end());
class ArchiveCursor
{
public:
    explicit ArchiveCursor(char *out) : m_out(out) {}
    [[nodiscard]] char *end() const { return m_out; }

    void byte(quint8 v) { *m_out++ = static_cast<char>(v); }
    void word(quint16 v)
    {
        qToUnaligned(qToLittleEndian(v), m_out);
        m_out += 2;
    }
    void dword(quint32 v)
    {
        qToUnaligned(qToLittleEndian(v), m_out);
        m_out += 4;
    }
    void integer(qint32 v) { dword(static_cast<quint32>(v)); }
    void real(float v) { dword(ArchiveWriter::floatBits(v)); }
    template <size_t N> void dwords(const quint32 (&values)[N])
    {
        for (const quint32 v : values)
            dword(v);
    }
    void raw(const void *data, size_t size)
    {
        std::memcpy(m_out, data, size);
        m_out += size;
    }
    void string(const QString &text) { m_out = ArchiveWriter::putString(m_out, text); }

private:
    char *m_out;
};

// Reads what ArchiveWriter writes. Every count and length is checked against
// the bytes that are left before anything is allocated; damaged input throws
// ArchiveException. Objects created while reading belong to the reader until
// a caller takes them with readOwned(); the rest die with the reader.
class ArchiveReader
{
public:
    // The data must outlive the reader.
    ArchiveReader(const char *data, qsizetype size, ItemStore *items = nullptr);
    // Keeps a reference to the bytes, so a temporary may be passed.
    explicit ArchiveReader(const QByteArray &bytes, ItemStore *items = nullptr)
        : ArchiveReader(bytes.constData(), bytes.size(), items)
    {
        m_bytes = bytes;
    }
    ~ArchiveReader();
    ArchiveReader(const ArchiveReader &) = delete;
    ArchiveReader &operator=(const ArchiveReader &) = delete;

    [[nodiscard]] quint8 readByte()
    {
        need(1);
        return static_cast<quint8>(*m_pos++);
    }
    [[nodiscard]] quint16 readWord()
    {
        need(2);
        const quint16 v = qFromLittleEndian<quint16>(m_pos);
        m_pos += 2;
        return v;
    }
    [[nodiscard]] quint32 readDword()
    {
        need(4);
        const quint32 v = qFromLittleEndian<quint32>(m_pos);
        m_pos += 4;
        return v;
    }
    [[nodiscard]] qint32 readInt() { return static_cast<qint32>(readDword()); }
    [[nodiscard]] float readFloat() { return bitsFloat(readDword()); }
    [[nodiscard]] double readDouble();
    // Several DWORDs in a row, in one step.
    template <size_t N> void readDwords(quint32 (&values)[N])
    {
        need(4 * N);
        std::memcpy(values, m_pos, 4 * N);
        m_pos += 4 * N;
        if constexpr (Q_BYTE_ORDER != Q_LITTLE_ENDIAN) {
            for (quint32 &v : values)
                v = qFromLittleEndian(v);
        }
    }
    [[nodiscard]] static float bitsFloat(quint32 bits)
    {
        float v;
        std::memcpy(&v, &bits, 4);
        return v;
    }
    void readRaw(void *out, qsizetype size);
    [[nodiscard]] QString readString();
    [[nodiscard]] quint32 readCount();
    // Throws BadCount unless `count` items of at least `minItemBytes` each
    // fit in what is left; call it before sizing anything by a count.
    void requireItems(quint64 count, quint64 minItemBytes, const char *what) const
    {
        if (count > static_cast<quint64>(bytesLeft()) / (minItemBytes ? minItemBytes : 1))
            throwTooMany(count, what);
    }

    // An object the caller will own: null, or a new object of class T (or
    // derived). A back-reference in an owning place is a damaged file.
    template <class T> std::unique_ptr<T> readOwned()
    {
        const quint32 index = readObject(true);
        if (index == 0)
            return nullptr;
        T *typed = checked<T>(m_map[index].obj);
        (void)m_map[index].owned.release(); // now held by the returned pointer
        return std::unique_ptr<T>(typed);
    }
    // A reference the caller does not own: null, an object read before, or a
    // new object that stays with the reader.
    template <class T> T *readReference()
    {
        const quint32 index = readObject(false);
        return index == 0 ? nullptr : checked<T>(m_map[index].obj);
    }

    // Objects to read into before making new ones; must outlive the reader.
    void setRecycler(ObjectRecycler *recycler) { m_recycler = recycler; }

    [[nodiscard]] ItemStore *itemStore() const { return m_items; }
    [[nodiscard]] qsizetype bytesLeft() const { return m_end - m_pos; }
    // Room for that many more objects in the reference table; call it once
    // the count has passed requireItems().
    void reserveObjects(size_t count) { m_map.reserve(m_map.size() + count); }
    [[nodiscard]] bool atEnd() const { return m_pos == m_end; }

private:
    struct Entry
    {
        const ClassInfo *cls = nullptr; // a class entry when obj is null
        Persistent *obj = nullptr;
        std::unique_ptr<Persistent> owned; // until a caller takes the object
    };

    void need(qsizetype size) const
    {
        if (size > m_end - m_pos)
            throwEndOfFile();
    }
    [[noreturn]] static void throwEndOfFile();
    [[noreturn]] static void throwTooMany(quint64 count, const char *what);
    // Reads a reference and returns its index in the map (0 for null). With
    // `owning` set, only a new object is accepted.
    quint32 readObject(bool owning);
    const ClassInfo *readNewClass();

    // Strings up to this length are decoded once per archive and shared.
    static constexpr quint32 maxSharedStringLength = 64;
    template <class T> T *checked(Persistent *object)
    {
        if (auto *typed = dynamic_cast<T *>(object))
            return typed;
        throwWrongClass(object);
    }
    [[noreturn]] void throwWrongClass(const Persistent *object);

    QByteArray m_bytes; // shares the data m_pos points into, when given as a QByteArray
    const char *m_pos;
    const char *m_end;
    ItemStore *m_items;
    ObjectRecycler *m_recycler = nullptr;
    std::vector<Entry> m_map;                                // index 0 is the null reference
    std::unordered_map<std::string_view, QString> m_strings; // keys point into the data
    // The last shared string of each length, tried before the map: a plan
    // repeats the same few texts object after object.
    struct RecentString
    {
        const char *bytes = nullptr; // in the data
        QString text;
    };
    std::array<RecentString, maxSharedStringLength + 1> m_recent;
};

} // namespace model
