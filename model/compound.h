#pragma once

#include "model/safesave.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace model {

// A compound file (structured storage, version 3: 512-byte sectors, a
// 64-byte mini stream for streams under 4096 bytes) held wholly in memory: a
// root storage holding named streams and sub-storages.
//
// An entry is named by its path from the root with '/' between the names:
// "Contents", "Item 1/Data"; "" is the root storage itself. Names are
// compared without regard to case, as the format wants. A name has 1 to 31
// characters and holds none of '/', '\\', ':' and '!'.
//
// Reading checks everything before it trusts it: every sector chain for
// loops, sectors shared by two chains and sectors past the end, every size
// against the bytes the file holds. A damaged file gives error() with cause
// InvalidFile or EndOfFile (truncated); it never allocates more than a small
// multiple of the file's size.
class CompoundFile
{
public:
    static constexpr int maxNameLength = 31;
    // Storages nest at most this deep below the root.
    static constexpr int maxDepth = 64;

    struct Entry
    {
        QString name;
        bool isStorage = false;
        qint64 size = 0; // bytes of a stream; 0 for a storage
    };

    // Replace the content with the file read from bytes or from path. On
    // failure the content is empty and error() says why.
    bool load(const QByteArray &bytes);
    bool loadFile(const QString &path);

    // The streams and storages directly inside a storage, in the format's
    // order (shorter names first, then by upper-case name). Empty when the
    // storage does not exist.
    [[nodiscard]] std::vector<Entry> entries(const QString &storagePath = {}) const;
    [[nodiscard]] bool hasStream(const QString &path) const;
    [[nodiscard]] bool hasStorage(const QString &path) const;
    // nullopt when there is no stream at path.
    [[nodiscard]] std::optional<QByteArray> stream(const QString &path) const;

    // Creates or replaces a stream, creating the storages on its path.
    // Returns false (error() says why) for an invalid name, a path deeper
    // than maxDepth, an entry of the other kind in the way, or more than
    // 2 GB of data.
    bool setStream(const QString &path, const QByteArray &data);
    // Creates a storage and those on its path; an existing one is kept.
    bool addStorage(const QString &path);
    // Removes a stream, or a storage with all it holds; false when absent.
    bool remove(const QString &path);
    void clear();

    // The whole file as written to disk.
    [[nodiscard]] QByteArray toBytes() const;
    // Writes toBytes() through safeSave(): the old file survives any failure.
    bool saveFile(const QString &path);

    // The reason of the last failed call; cause None after a success.
    [[nodiscard]] const FileError &error() const { return m_error; }

private:
    struct Node
    {
        QString name;
        bool isStorage = false;
        QByteArray data;
        std::vector<Node> children; // kept in the format's order
    };

    friend class CompoundReader;
    friend class CompoundWriter;

    [[nodiscard]] const Node *find(const QString &path) const;
    Node *makePath(const QString &path, bool lastIsStorage);
    bool fail(FileErrorCause cause, const QString &message);

    Node m_root{QStringLiteral("Root Entry"), true, {}, {}};
    FileError m_error;
};

} // namespace model
