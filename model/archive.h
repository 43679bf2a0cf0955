#pragma once

#include "model/archiveexception.h"
#include "model/persistent.h"

#include <QByteArray>
#include <QString>

#include <cstring>
#include <memory>
#include <unordered_map>
#include <vector>

namespace model {

struct ClassInfo;

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

    void writeByte(quint8 v) { put(&v, 1); }
    void writeWord(quint16 v);
    void writeDword(quint32 v);
    void writeInt(qint32 v) { writeDword(static_cast<quint32>(v)); }
    void writeFloat(float v);
    void writeDouble(double v);
    void writeRaw(const void *data, qsizetype size) { put(data, size); }
    void writeString(const QString &text);
    // A list count: a WORD below 0xFFFF, else 0xFFFF and a DWORD.
    void writeCount(quint32 count);
    // A WORD count of a fixed-width list; throws TooLarge above 0xFFFF.
    void writeWordCount(size_t count, const char *what);
    // Null, a back-reference, or the class tag and the object's own data.
    void writeObject(const Persistent *object);

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
    void writeStringLength(quint32 length);
    void writeClassTag(const char *className);
    quint32 nextIndex();

    QByteArray m_buffer;
    char *m_data = nullptr;
    qsizetype m_size = 0;
    qsizetype m_capacity = 0;
    ItemStore *m_items;
    quint32 m_mapCount = 1;
    std::unordered_map<const Persistent *, quint32> m_objects;
    std::vector<std::pair<const char *, quint32>> m_classes;
};

// Reads what ArchiveWriter writes. Every count and length is checked against
// the bytes that are left before anything is allocated; damaged input throws
// ArchiveException. Objects created while reading belong to the reader until
// a caller takes them with readOwned(); the rest die with the reader.
class ArchiveReader
{
public:
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

    [[nodiscard]] quint8 readByte();
    [[nodiscard]] quint16 readWord();
    [[nodiscard]] quint32 readDword();
    [[nodiscard]] qint32 readInt() { return static_cast<qint32>(readDword()); }
    [[nodiscard]] float readFloat();
    [[nodiscard]] double readDouble();
    void readRaw(void *out, qsizetype size);
    [[nodiscard]] QString readString();
    [[nodiscard]] quint32 readCount();
    // Throws BadCount unless `count` items of at least `minItemBytes` each
    // fit in what is left; call it before sizing anything by a count.
    void requireItems(quint64 count, quint64 minItemBytes, const char *what) const;

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

    [[nodiscard]] ItemStore *itemStore() const { return m_items; }
    [[nodiscard]] qsizetype bytesLeft() const { return m_end - m_pos; }
    [[nodiscard]] bool atEnd() const { return m_pos == m_end; }

private:
    struct Entry
    {
        const ClassInfo *cls = nullptr; // a class entry when obj is null
        Persistent *obj = nullptr;
        std::unique_ptr<Persistent> owned; // until a caller takes the object
    };

    void need(qsizetype size) const;
    // Reads a reference and returns its index in the map (0 for null). With
    // `owning` set, only a new object is accepted.
    quint32 readObject(bool owning);
    const ClassInfo *readNewClass();
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
    std::vector<Entry> m_map; // index 0 is the null reference
};

} // namespace model
