#include "compound.h"

#include <QCoreApplication>
#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace model {

namespace {

// Sector numbers with a meaning of their own; regular sectors lie below.
constexpr quint32 maxRegularSector = 0xFFFFFFFA;
constexpr quint32 difatSectorMark = 0xFFFFFFFC;
constexpr quint32 fatSectorMark = 0xFFFFFFFD;
constexpr quint32 endOfChain = 0xFFFFFFFE;
constexpr quint32 freeSector = 0xFFFFFFFF;
constexpr quint32 noStream = 0xFFFFFFFF;

constexpr int headerSize = 512;
constexpr int sectorSize = 512; // what we write: version 3
constexpr int miniSectorSize = 64;
constexpr quint32 miniStreamCutoff = 4096;
constexpr int directoryEntrySize = 128;
constexpr int headerDifatEntries = 109;
constexpr quint64 maxStreamSize = 0x7FFFFFFF;
// A plan is a few megabytes; a file this large is not one of ours.
constexpr qint64 maxFileSize = qint64(1) << 30;

constexpr unsigned char signature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};

enum EntryType : quint8
{
    UnusedEntry = 0,
    StorageEntry = 1,
    StreamEntry = 2,
    RootEntry = 5
};

QString tr(const char *text)
{
    return QCoreApplication::translate("model::CompoundFile", text);
}

quint16 read16(const char *p)
{
    return qFromLittleEndian<quint16>(p);
}
quint32 read32(const char *p)
{
    return qFromLittleEndian<quint32>(p);
}
quint64 read64(const char *p)
{
    return qFromLittleEndian<quint64>(p);
}
void write16(char *p, quint16 value)
{
    qToLittleEndian(value, p);
}
void write32(char *p, quint32 value)
{
    qToLittleEndian(value, p);
}
void write64(char *p, quint64 value)
{
    qToLittleEndian(value, p);
}

quint64 divideRoundingUp(quint64 value, quint64 divisor)
{
    return (value + divisor - 1) / divisor;
}

// The format's order of names within a storage: shorter names first, names of
// the same length by their upper-case characters.
int compareNames(const QString &a, const QString &b)
{
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    for (qsizetype i = 0; i < a.size(); ++i) {
        const char16_t ua = a[i].toUpper().unicode();
        const char16_t ub = b[i].toUpper().unicode();
        if (ua != ub)
            return ua < ub ? -1 : 1;
    }
    return 0;
}

bool isValidName(const QString &name)
{
    if (name.isEmpty() || name.size() > CompoundFile::maxNameLength)
        return false;
    return std::none_of(name.begin(), name.end(),
                        [](QChar c) { return c == u'/' || c == u'\\' || c == u':' || c == u'!'; });
}

} // namespace

// Reads a compound file from memory. Every sector a chain visits is claimed
// in a bitmap, so a loop or two chains sharing a sector is caught at once and
// no stream can hold more bytes than the file.
class CompoundReader
{
public:
    explicit CompoundReader(const QByteArray &bytes) : m_bytes(bytes) {}

    bool read(CompoundFile::Node &root, FileError &error);

private:
    struct DirectoryEntry
    {
        QString name;
        quint8 type = UnusedEntry;
        quint32 left = noStream;
        quint32 right = noStream;
        quint32 child = noStream;
        quint32 start = endOfChain;
        quint64 size = 0;
    };

    bool fail(FileErrorCause cause, const QString &message)
    {
        m_error = {cause, 0, message};
        return false;
    }
    bool readHeader();
    bool readFat();
    bool readDirectory();
    bool readMiniStream();
    bool buildTree(CompoundFile::Node &root);
    bool readStreamData(const DirectoryEntry &entry, QByteArray &out);

    bool claim(quint32 sector);
    bool copySector(quint32 sector, qsizetype count, char *dest);
    bool nextSector(quint32 sector, quint32 &next);
    bool readChain(quint32 start, quint64 size, QByteArray &out);
    bool readChainToEnd(quint32 start, QByteArray &out);
    bool readMiniChain(quint32 start, quint64 size, QByteArray &out);
    bool parseEntry(quint32 id, DirectoryEntry &entry);

    const QByteArray &m_bytes;
    FileError m_error;
    int m_sectorSize = sectorSize;
    int m_majorVersion = 3;
    quint32 m_sectorLimit = 0; // sectors that begin inside the file
    std::vector<bool> m_used;
    std::vector<quint32> m_fat;
    std::vector<quint32> m_miniFat;
    std::vector<bool> m_miniUsed;
    QByteArray m_miniStream;
    QByteArray m_directory;
    quint32 m_entryCount = 0;
    DirectoryEntry m_rootEntry;
};

bool CompoundReader::read(CompoundFile::Node &root, FileError &error)
{
    const bool ok =
        readHeader() && readFat() && readDirectory() && readMiniStream() && buildTree(root);
    error = m_error;
    return ok;
}

bool CompoundReader::readHeader()
{
    if (m_bytes.isEmpty())
        return fail(FileErrorCause::InvalidFile, tr("Il file è vuoto."));
    const qsizetype prefix = std::min<qsizetype>(m_bytes.size(), sizeof signature);
    if (std::memcmp(m_bytes.constData(), signature, size_t(prefix)) != 0)
        return fail(FileErrorCause::InvalidFile,
                    tr("Il file non è un file composto: l'intestazione non è riconosciuta."));
    if (m_bytes.size() < headerSize)
        return fail(FileErrorCause::EndOfFile, tr("Il file termina dentro l'intestazione."));

    const char *h = m_bytes.constData();
    m_majorVersion = read16(h + 0x1A);
    const quint16 sectorShift = read16(h + 0x1E);
    if (read16(h + 0x1C) != 0xFFFE)
        return fail(FileErrorCause::InvalidFile,
                    tr("L'intestazione del file composto indica un ordine dei byte errato."));
    if (!(m_majorVersion == 3 && sectorShift == 9) && !(m_majorVersion == 4 && sectorShift == 12))
        return fail(FileErrorCause::InvalidFile,
                    tr("Versione %1 del file composto non supportata.").arg(m_majorVersion));
    if (read16(h + 0x20) != 6 || read32(h + 0x38) != miniStreamCutoff)
        return fail(FileErrorCause::InvalidFile,
                    tr("L'intestazione del file composto indica settori di dimensioni errate."));
    m_sectorSize = 1 << sectorShift;

    const quint64 body = quint64(m_bytes.size()) > quint64(m_sectorSize)
                             ? quint64(m_bytes.size()) - quint64(m_sectorSize)
                             : 0;
    m_sectorLimit =
        quint32(std::min<quint64>(divideRoundingUp(body, quint64(m_sectorSize)), maxRegularSector));
    m_used.assign(m_sectorLimit, false);
    return true;
}

bool CompoundReader::claim(quint32 sector)
{
    if (sector >= maxRegularSector)
        return fail(FileErrorCause::InvalidFile,
                    tr("Una catena di settori del file composto si interrompe troppo presto."));
    if (sector >= m_sectorLimit)
        return fail(
            FileErrorCause::EndOfFile,
            tr("Il file composto rimanda al settore %1, oltre la fine del file.").arg(sector));
    if (m_used[sector])
        return fail(FileErrorCause::InvalidFile,
                    tr("Il settore %1 del file composto compare due volte: le catene di settori "
                       "sono danneggiate.")
                        .arg(sector));
    m_used[sector] = true;
    return true;
}

bool CompoundReader::copySector(quint32 sector, qsizetype count, char *dest)
{
    const quint64 offset = (quint64(sector) + 1) * quint64(m_sectorSize);
    if (offset + quint64(count) > quint64(m_bytes.size()))
        return fail(FileErrorCause::EndOfFile,
                    tr("Il file composto termina dentro il settore %1.").arg(sector));
    std::memcpy(dest, m_bytes.constData() + offset, size_t(count));
    return true;
}

bool CompoundReader::nextSector(quint32 sector, quint32 &next)
{
    if (sector >= m_fat.size())
        return fail(FileErrorCause::InvalidFile,
                    tr("Il settore %1 del file composto non compare nella tabella di allocazione.")
                        .arg(sector));
    next = m_fat[sector];
    return true;
}

bool CompoundReader::readFat()
{
    const char *h = m_bytes.constData();
    const quint32 fatCount = read32(h + 0x2C);
    if (fatCount == 0)
        return fail(FileErrorCause::InvalidFile,
                    tr("Il file composto non ha una tabella di allocazione."));
    if (fatCount > m_sectorLimit)
        return fail(FileErrorCause::EndOfFile,
                    tr("Il file composto dichiara %1 settori di allocazione, più di quanti il file "
                       "ne contenga.")
                        .arg(fatCount));

    std::vector<quint32> fatSectors;
    fatSectors.reserve(fatCount);
    for (int i = 0; i < headerDifatEntries && fatSectors.size() < fatCount; ++i)
        fatSectors.push_back(read32(h + 0x4C + 4 * i));

    // The rest of the list lies in a chain of DIFAT sectors, 127 entries and
    // the next sector's number each.
    const int perDifatSector = m_sectorSize / 4 - 1;
    quint32 difat = read32(h + 0x44);
    QByteArray buffer(m_sectorSize, Qt::Uninitialized);
    while (fatSectors.size() < fatCount) {
        if (!claim(difat) || !copySector(difat, m_sectorSize, buffer.data()))
            return false;
        for (int i = 0; i < perDifatSector && fatSectors.size() < fatCount; ++i)
            fatSectors.push_back(read32(buffer.constData() + 4 * i));
        difat = read32(buffer.constData() + 4 * perDifatSector);
    }

    const int perFatSector = m_sectorSize / 4;
    m_fat.resize(size_t(fatCount) * size_t(perFatSector));
    for (size_t i = 0; i < fatSectors.size(); ++i) {
        if (!claim(fatSectors[i]) || !copySector(fatSectors[i], m_sectorSize, buffer.data()))
            return false;
        for (int j = 0; j < perFatSector; ++j)
            m_fat[i * size_t(perFatSector) + size_t(j)] = read32(buffer.constData() + 4 * j);
    }
    return true;
}

bool CompoundReader::readChain(quint32 start, quint64 size, QByteArray &out)
{
    const quint64 sectors = divideRoundingUp(size, quint64(m_sectorSize));
    if (sectors > m_sectorLimit)
        return fail(FileErrorCause::EndOfFile,
                    tr("Un flusso del file composto dichiara %1 byte, più di quanti il file ne "
                       "contenga.")
                        .arg(size));
    out = QByteArray(qsizetype(size), Qt::Uninitialized);
    quint32 sector = start;
    for (quint64 i = 0; i < sectors; ++i) {
        const quint64 done = i * quint64(m_sectorSize);
        const qsizetype count = qsizetype(std::min<quint64>(quint64(m_sectorSize), size - done));
        if (!claim(sector) || !copySector(sector, count, out.data() + done))
            return false;
        if (i + 1 < sectors && !nextSector(sector, sector))
            return false;
    }
    return true;
}

bool CompoundReader::readChainToEnd(quint32 start, QByteArray &out)
{
    out.clear();
    for (quint32 sector = start; sector != endOfChain;) {
        if (!claim(sector))
            return false;
        const qsizetype done = out.size();
        out.resize(done + m_sectorSize);
        if (!copySector(sector, m_sectorSize, out.data() + done) || !nextSector(sector, sector))
            return false;
    }
    return true;
}

bool CompoundReader::readDirectory()
{
    const quint32 first = read32(m_bytes.constData() + 0x30);
    if (first == endOfChain)
        return fail(FileErrorCause::InvalidFile, tr("Il file composto non ha una directory."));
    if (!readChainToEnd(first, m_directory))
        return false;
    m_entryCount = quint32(m_directory.size() / directoryEntrySize);
    if (!parseEntry(0, m_rootEntry))
        return false;
    if (m_rootEntry.type != RootEntry)
        return fail(FileErrorCause::InvalidFile,
                    tr("La prima voce della directory del file composto non è la radice."));
    return true;
}

bool CompoundReader::parseEntry(quint32 id, DirectoryEntry &entry)
{
    if (id >= m_entryCount)
        return fail(
            FileErrorCause::InvalidFile,
            tr("La directory del file composto rimanda alla voce %1, che non esiste.").arg(id));
    const char *p = m_directory.constData() + qsizetype(id) * directoryEntrySize;
    entry.type = quint8(p[66]);
    entry.left = read32(p + 68);
    entry.right = read32(p + 72);
    entry.child = read32(p + 76);
    entry.start = read32(p + 116);
    entry.size = read64(p + 120);
    // Old writers left garbage in the high half of a version 3 size.
    if (m_majorVersion == 3)
        entry.size &= 0xFFFFFFFFu;

    const quint16 nameBytes = read16(p + 64);
    if (nameBytes < 2 || nameBytes > 64 || nameBytes % 2 != 0 || read16(p + nameBytes - 2) != 0)
        return fail(
            FileErrorCause::InvalidFile,
            tr("La voce %1 della directory del file composto ha un nome non valido.").arg(id));
    const int length = nameBytes / 2 - 1;
    entry.name.resize(length);
    for (int i = 0; i < length; ++i)
        entry.name[i] = QChar(read16(p + 2 * i));
    return true;
}

bool CompoundReader::readMiniStream()
{
    const char *h = m_bytes.constData();
    if (!readChain(m_rootEntry.start, m_rootEntry.size, m_miniStream))
        return false;
    // Some writers mark an absent mini FAT as free rather than as an end.
    const quint32 firstMiniFat = read32(h + 0x3C);
    QByteArray miniFatBytes;
    if (firstMiniFat != freeSector && !readChainToEnd(firstMiniFat, miniFatBytes))
        return false;
    m_miniFat.resize(size_t(miniFatBytes.size() / 4));
    for (size_t i = 0; i < m_miniFat.size(); ++i)
        m_miniFat[i] = read32(miniFatBytes.constData() + 4 * i);
    m_miniUsed.assign(divideRoundingUp(quint64(m_miniStream.size()), miniSectorSize), false);
    return true;
}

bool CompoundReader::readMiniChain(quint32 start, quint64 size, QByteArray &out)
{
    const quint64 sectors = divideRoundingUp(size, miniSectorSize);
    if (sectors > m_miniUsed.size())
        return fail(FileErrorCause::InvalidFile,
                    tr("Un flusso del file composto dichiara %1 byte, più di quanti il flusso "
                       "ridotto ne contenga.")
                        .arg(size));
    out = QByteArray(qsizetype(size), Qt::Uninitialized);
    quint32 sector = start;
    for (quint64 i = 0; i < sectors; ++i) {
        const quint64 done = i * miniSectorSize;
        const quint64 count = std::min<quint64>(miniSectorSize, size - done);
        const quint64 offset = quint64(sector) * miniSectorSize;
        if (sector >= m_miniUsed.size() || offset + count > quint64(m_miniStream.size()))
            return fail(FileErrorCause::InvalidFile,
                        tr("Un flusso del file composto rimanda a un settore ridotto che non "
                           "esiste."));
        if (m_miniUsed[sector])
            return fail(FileErrorCause::InvalidFile,
                        tr("Un settore ridotto del file composto compare due volte: le catene di "
                           "settori sono danneggiate."));
        m_miniUsed[sector] = true;
        std::memcpy(out.data() + done, m_miniStream.constData() + offset, size_t(count));
        if (i + 1 < sectors) {
            if (sector >= m_miniFat.size())
                return fail(FileErrorCause::InvalidFile,
                            tr("Un settore ridotto del file composto non compare nella sua "
                               "tabella di allocazione."));
            sector = m_miniFat[sector];
        }
    }
    return true;
}

bool CompoundReader::readStreamData(const DirectoryEntry &entry, QByteArray &out)
{
    if (entry.size >= miniStreamCutoff)
        return readChain(entry.start, entry.size, out);
    return readMiniChain(entry.start, entry.size, out);
}

// Walks every storage's sibling tree without recursion, so a deep or
// degenerate tree cannot exhaust the stack; each entry may be met only once.
bool CompoundReader::buildTree(CompoundFile::Node &root)
{
    struct Pending
    {
        CompoundFile::Node *node;
        quint32 firstChild;
        int depth;
    };
    std::vector<bool> seen(m_entryCount, false);
    seen[0] = true;
    std::vector<Pending> work{{&root, m_rootEntry.child, 0}};
    std::vector<quint32> siblings;
    while (!work.empty()) {
        const Pending pending = work.back();
        work.pop_back();

        std::vector<quint32> ids;
        siblings.clear();
        if (pending.firstChild != noStream)
            siblings.push_back(pending.firstChild);
        while (!siblings.empty()) {
            const quint32 id = siblings.back();
            siblings.pop_back();
            if (id >= m_entryCount)
                return fail(FileErrorCause::InvalidFile,
                            tr("La directory del file composto rimanda alla voce %1, che non "
                               "esiste.")
                                .arg(id));
            if (seen[id])
                return fail(
                    FileErrorCause::InvalidFile,
                    tr("La voce %1 della directory del file composto compare due volte.").arg(id));
            seen[id] = true;
            ids.push_back(id);
            const char *p = m_directory.constData() + qsizetype(id) * directoryEntrySize;
            for (const quint32 sibling : {read32(p + 68), read32(p + 72)})
                if (sibling != noStream)
                    siblings.push_back(sibling);
        }

        std::vector<CompoundFile::Node> &children = pending.node->children;
        children.reserve(ids.size());
        std::vector<quint32> childTrees;
        for (const quint32 id : ids) {
            DirectoryEntry entry;
            if (!parseEntry(id, entry))
                return false;
            if (entry.type != StorageEntry && entry.type != StreamEntry)
                return fail(FileErrorCause::InvalidFile,
                            tr("La voce %1 della directory del file composto è di un tipo "
                               "sconosciuto.")
                                .arg(id));
            CompoundFile::Node node;
            node.name = entry.name;
            node.isStorage = entry.type == StorageEntry;
            if (!node.isStorage && !readStreamData(entry, node.data))
                return false;
            children.push_back(std::move(node));
            childTrees.push_back(entry.child);
        }

        // Sort the children and their subtrees' roots together.
        std::vector<size_t> order(children.size());
        for (size_t i = 0; i < order.size(); ++i)
            order[i] = i;
        std::sort(order.begin(), order.end(), [&](size_t a, size_t b) {
            return compareNames(children[a].name, children[b].name) < 0;
        });
        std::vector<CompoundFile::Node> sorted;
        sorted.reserve(children.size());
        std::vector<quint32> sortedTrees;
        for (const size_t i : order) {
            sorted.push_back(std::move(children[i]));
            sortedTrees.push_back(childTrees[i]);
        }
        children = std::move(sorted);

        for (size_t i = 0; i < children.size(); ++i) {
            if (i > 0 && compareNames(children[i - 1].name, children[i].name) == 0)
                return fail(FileErrorCause::InvalidFile,
                            tr("Il nome '%1' compare due volte nello stesso archivio del file "
                               "composto.")
                                .arg(children[i].name));
            if (!children[i].isStorage)
                continue;
            if (pending.depth + 1 > CompoundFile::maxDepth)
                return fail(FileErrorCause::InvalidFile,
                            tr("Gli archivi del file composto sono annidati troppo in "
                               "profondità."));
            work.push_back({&children[i], sortedTrees[i], pending.depth + 1});
        }
    }
    return true;
}

// Lays a tree of nodes out as a version 3 file: the FAT sectors first, then
// the DIFAT sectors, the directory, the mini FAT, the mini stream and the
// large streams, every chain running over consecutive sectors.
class CompoundWriter
{
public:
    explicit CompoundWriter(const CompoundFile::Node &root) : m_root(root) {}
    QByteArray write();

private:
    struct DirectoryEntry
    {
        const CompoundFile::Node *node = nullptr;
        quint8 type = StreamEntry;
        bool black = true;
        quint32 left = noStream;
        quint32 right = noStream;
        quint32 child = noStream;
        quint32 start = endOfChain;
        quint64 size = 0;
    };

    void collectEntries();
    quint32 buildSiblingTree(quint32 first, quint32 count, int depth);
    void markChain(quint32 first, quint32 count);
    void writeEntry(char *p, const DirectoryEntry &entry) const;

    const CompoundFile::Node &m_root;
    std::vector<DirectoryEntry> m_entries;
    std::vector<quint32> m_fat;
    // Depth of each node in the sibling tree being built, from m_treeBase on.
    quint32 m_treeBase = 0;
    std::vector<int> m_treeDepths;
    int m_treeMaxDepth = 0;
};

void CompoundWriter::collectEntries()
{
    m_entries.push_back({&m_root, RootEntry});
    // Breadth first: the children of one storage take consecutive numbers,
    // in their sorted order, so each storage's sibling tree is built over a
    // contiguous range.
    for (size_t parent = 0; parent < m_entries.size(); ++parent) {
        const CompoundFile::Node *node = m_entries[parent].node;
        if (!node->isStorage || node->children.empty())
            continue;
        const auto first = quint32(m_entries.size());
        for (const CompoundFile::Node &child : node->children)
            m_entries.push_back({&child, child.isStorage ? StorageEntry : StreamEntry});
        const auto count = quint32(node->children.size());
        m_treeBase = first;
        m_treeDepths.assign(count, 0);
        m_treeMaxDepth = 0;
        m_entries[parent].child = buildSiblingTree(first, count, 0);
        // A balanced tree has all its empty leaves on two adjacent levels;
        // painting the deepest level red gives every path the same number of
        // black nodes, and red nodes only have empty children.
        for (quint32 i = 0; i < count; ++i)
            m_entries[first + i].black = m_treeDepths[i] < m_treeMaxDepth || m_treeMaxDepth == 0;
    }
}

quint32 CompoundWriter::buildSiblingTree(quint32 first, quint32 count, int depth)
{
    if (count == 0)
        return noStream;
    const quint32 id = first + count / 2;
    m_treeDepths[id - m_treeBase] = depth;
    m_treeMaxDepth = std::max(m_treeMaxDepth, depth);
    m_entries[id].left = buildSiblingTree(first, count / 2, depth + 1);
    m_entries[id].right = buildSiblingTree(id + 1, count - count / 2 - 1, depth + 1);
    return id;
}

void CompoundWriter::markChain(quint32 first, quint32 count)
{
    for (quint32 i = 0; i < count; ++i)
        m_fat[first + i] = i + 1 < count ? first + i + 1 : endOfChain;
}

void CompoundWriter::writeEntry(char *p, const DirectoryEntry &entry) const
{
    const QString &name = entry.node->name;
    for (qsizetype i = 0; i < name.size(); ++i)
        write16(p + 2 * i, name[i].unicode());
    write16(p + 64, quint16((name.size() + 1) * 2));
    p[66] = char(entry.type);
    p[67] = entry.black ? 1 : 0;
    write32(p + 68, entry.left);
    write32(p + 72, entry.right);
    write32(p + 76, entry.child);
    write32(p + 116, entry.start);
    write64(p + 120, entry.size);
}

QByteArray CompoundWriter::write()
{
    collectEntries();

    // Small streams go to the mini stream in 64-byte mini sectors.
    quint32 miniSectors = 0;
    quint64 bigSectors = 0;
    for (DirectoryEntry &entry : m_entries) {
        if (entry.type == StorageEntry)
            entry.start = 0;
        if (entry.type != StreamEntry)
            continue;
        entry.size = quint64(entry.node->data.size());
        if (entry.size == 0)
            continue;
        if (entry.size < miniStreamCutoff) {
            entry.start = miniSectors;
            miniSectors += quint32(divideRoundingUp(entry.size, miniSectorSize));
        } else {
            bigSectors += divideRoundingUp(entry.size, sectorSize);
        }
    }
    const int perSector = sectorSize / 4;
    const auto directorySectors = quint32(divideRoundingUp(m_entries.size(), 4));
    const auto miniFatSectors = quint32(divideRoundingUp(miniSectors, perSector));
    const quint64 miniStreamBytes = quint64(miniSectors) * miniSectorSize;
    const auto miniStreamSectors = quint32(divideRoundingUp(miniStreamBytes, sectorSize));
    const quint64 dataSectors = directorySectors + miniFatSectors + miniStreamSectors + bigSectors;

    // The FAT must also cover its own sectors and the DIFAT's.
    quint64 fatSectors = 1;
    quint64 difatSectors = 0;
    for (;;) {
        difatSectors = fatSectors > headerDifatEntries
                           ? divideRoundingUp(fatSectors - headerDifatEntries, perSector - 1)
                           : 0;
        const quint64 needed = divideRoundingUp(dataSectors + fatSectors + difatSectors, perSector);
        if (needed <= fatSectors)
            break;
        fatSectors = needed;
    }
    const quint64 totalSectors = fatSectors + difatSectors + dataSectors;

    m_fat.assign(size_t(fatSectors) * size_t(perSector), freeSector);
    const auto firstDifat = quint32(fatSectors);
    const auto firstDirectory = quint32(firstDifat + difatSectors);
    const quint32 firstMiniFat = firstDirectory + directorySectors;
    const quint32 firstMiniStream = firstMiniFat + miniFatSectors;
    quint32 nextBig = firstMiniStream + miniStreamSectors;
    for (quint32 i = 0; i < fatSectors; ++i)
        m_fat[i] = fatSectorMark;
    for (quint32 i = 0; i < difatSectors; ++i)
        m_fat[firstDifat + i] = difatSectorMark;
    markChain(firstDirectory, directorySectors);
    markChain(firstMiniFat, miniFatSectors);
    markChain(firstMiniStream, miniStreamSectors);

    QByteArray out(qsizetype(totalSectors + 1) * sectorSize, '\0');
    const auto sector = [&](quint64 index) { return out.data() + (index + 1) * sectorSize; };

    // Streams, the mini FAT and the mini stream.
    char *miniFat = miniFatSectors ? sector(firstMiniFat) : nullptr;
    for (quint32 i = 0; i < miniFatSectors * perSector; ++i)
        write32(miniFat + 4 * i, freeSector);
    for (DirectoryEntry &entry : m_entries) {
        if (entry.type != StreamEntry || entry.size == 0)
            continue;
        const QByteArray &data = entry.node->data;
        if (entry.size < miniStreamCutoff) {
            const auto count = quint32(divideRoundingUp(entry.size, miniSectorSize));
            for (quint32 i = 0; i < count; ++i)
                write32(miniFat + 4 * (entry.start + i),
                        i + 1 < count ? entry.start + i + 1 : endOfChain);
            std::memcpy(sector(firstMiniStream) + qsizetype(entry.start) * miniSectorSize,
                        data.constData(), size_t(data.size()));
        } else {
            const auto count = quint32(divideRoundingUp(entry.size, sectorSize));
            entry.start = nextBig;
            markChain(nextBig, count);
            std::memcpy(sector(nextBig), data.constData(), size_t(data.size()));
            nextBig += count;
        }
    }

    // The directory; unused entries have no siblings and no child.
    DirectoryEntry &root = m_entries.front();
    root.start = miniSectors ? firstMiniStream : endOfChain;
    root.size = miniStreamBytes;
    char *directory = sector(firstDirectory);
    for (size_t i = 0; i < m_entries.size(); ++i)
        writeEntry(directory + i * directoryEntrySize, m_entries[i]);
    for (size_t i = m_entries.size(); i < size_t(directorySectors) * 4; ++i)
        std::memset(directory + i * directoryEntrySize + 68, 0xFF, 12);

    // The FAT, and the list of its sectors: 109 in the header, the rest in
    // DIFAT sectors of 127 entries and a link each.
    char *h = out.data();
    std::memcpy(h, signature, sizeof signature);
    write16(h + 0x18, 0x003E);
    write16(h + 0x1A, 3);
    write16(h + 0x1C, 0xFFFE);
    write16(h + 0x1E, 9);
    write16(h + 0x20, 6);
    write32(h + 0x2C, quint32(fatSectors));
    write32(h + 0x30, firstDirectory);
    write32(h + 0x38, miniStreamCutoff);
    write32(h + 0x3C, miniFatSectors ? firstMiniFat : endOfChain);
    write32(h + 0x40, miniFatSectors);
    write32(h + 0x44, difatSectors ? firstDifat : endOfChain);
    write32(h + 0x48, quint32(difatSectors));
    for (quint32 i = 0; i < headerDifatEntries; ++i)
        write32(h + 0x4C + 4 * i, i < fatSectors ? i : freeSector);
    for (quint32 d = 0; d < difatSectors; ++d) {
        char *p = sector(firstDifat + d);
        for (quint32 i = 0; i < quint32(perSector - 1); ++i) {
            const quint64 fatIndex = headerDifatEntries + quint64(d) * (perSector - 1) + i;
            write32(p + 4 * i, fatIndex < fatSectors ? quint32(fatIndex) : freeSector);
        }
        write32(p + 4 * (perSector - 1), d + 1 < difatSectors ? firstDifat + d + 1 : endOfChain);
    }
    for (size_t i = 0; i < m_fat.size(); ++i)
        write32(sector(0) + 4 * i, m_fat[i]);
    return out;
}

bool CompoundFile::fail(FileErrorCause cause, const QString &message)
{
    m_error = {cause, 0, message};
    return false;
}

bool CompoundFile::load(const QByteArray &bytes)
{
    clear();
    CompoundReader reader(bytes);
    if (!reader.read(m_root, m_error)) {
        m_root.children.clear();
        return false;
    }
    return true;
}

bool CompoundFile::loadFile(const QString &path)
{
    clear();
    const QByteArray nativePath = QFile::encodeName(path);
    // Not blocking: opening a named pipe would otherwise wait for a writer.
    const int fd = ::open(nativePath.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        const int osError = errno;
        m_error = {causeFromErrno(osError), osError,
                   tr("Impossibile aprire il file '%1'.").arg(path)};
        return false;
    }
    const auto failWith = [&](int osError, FileErrorCause cause, const QString &message) {
        ::close(fd);
        m_error = {cause, osError, message};
        return false;
    };
    struct stat info
    {
    };
    if (::fstat(fd, &info) != 0)
        return failWith(errno, causeFromErrno(errno),
                        tr("Impossibile leggere il file '%1'.").arg(path));
    if (S_ISDIR(info.st_mode))
        return failWith(EISDIR, FileErrorCause::AccessDenied,
                        tr("'%1' è una cartella, non un file.").arg(path));
    if (!S_ISREG(info.st_mode))
        return failWith(0, FileErrorCause::InvalidFile,
                        tr("'%1' non è un file ordinario.").arg(path));
    if (info.st_size > maxFileSize)
        return failWith(0, FileErrorCause::InvalidFile,
                        tr("Il file '%1' è troppo grande per essere un documento.").arg(path));

    QByteArray bytes(qsizetype(info.st_size), Qt::Uninitialized);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t count = ::read(fd, bytes.data() + done, size_t(bytes.size() - done));
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return failWith(errno, causeFromErrno(errno),
                            tr("Impossibile leggere il file '%1'.").arg(path));
        if (count == 0)
            break; // shrank while we read: what is there is checked like any file
        done += count;
    }
    ::close(fd);
    bytes.truncate(done);
    return load(bytes);
}

namespace {

// The child of a storage node with that name, or end().
template <typename Children> auto findChild(Children &children, const QString &name)
{
    const auto it = std::lower_bound(
        children.begin(), children.end(), name,
        [](const auto &child, const QString &key) { return compareNames(child.name, key) < 0; });
    return it != children.end() && compareNames(it->name, name) == 0 ? it : children.end();
}

template <typename Node> Node *findNode(Node *root, const QString &path)
{
    Node *node = root;
    if (path.isEmpty())
        return node;
    for (const QString &name : path.split(u'/')) {
        if (!node->isStorage)
            return nullptr;
        const auto it = findChild(node->children, name);
        if (it == node->children.end())
            return nullptr;
        node = &*it;
    }
    return node;
}

} // namespace

const CompoundFile::Node *CompoundFile::find(const QString &path) const
{
    return findNode(&m_root, path);
}

CompoundFile::Node *CompoundFile::makePath(const QString &path, bool lastIsStorage)
{
    const QStringList names = path.split(u'/');
    for (const QString &name : names) {
        if (!isValidName(name)) {
            fail(FileErrorCause::Generic,
                 tr("'%1' non è un nome valido in un file composto.").arg(name));
            return nullptr;
        }
    }
    if (names.size() - (lastIsStorage ? 0 : 1) > maxDepth) {
        fail(FileErrorCause::Generic,
             tr("Gli archivi del file composto sono annidati troppo in profondità."));
        return nullptr;
    }

    Node *node = &m_root;
    for (qsizetype i = 0; i < names.size(); ++i) {
        const bool last = i + 1 == names.size();
        const bool wantStorage = !last || lastIsStorage;
        auto it = findChild(node->children, names[i]);
        if (it == node->children.end()) {
            const auto place = std::lower_bound(node->children.begin(), node->children.end(),
                                                names[i], [](const Node &child, const QString &k) {
                                                    return compareNames(child.name, k) < 0;
                                                });
            it = node->children.insert(place, Node{names[i], wantStorage, {}, {}});
        } else if (it->isStorage != wantStorage) {
            fail(FileErrorCause::Generic,
                 it->isStorage ? tr("'%1' è già un archivio, non un flusso.").arg(names[i])
                               : tr("'%1' è già un flusso, non un archivio.").arg(names[i]));
            return nullptr;
        }
        node = &*it;
    }
    return node;
}

std::vector<CompoundFile::Entry> CompoundFile::entries(const QString &storagePath) const
{
    std::vector<Entry> result;
    const Node *storage = find(storagePath);
    if (!storage || !storage->isStorage)
        return result;
    for (const Node &child : storage->children)
        result.push_back({child.name, child.isStorage, child.data.size()});
    return result;
}

bool CompoundFile::hasStream(const QString &path) const
{
    const Node *node = find(path);
    return node && !node->isStorage;
}

bool CompoundFile::hasStorage(const QString &path) const
{
    const Node *node = find(path);
    return node && node->isStorage;
}

std::optional<QByteArray> CompoundFile::stream(const QString &path) const
{
    const Node *node = find(path);
    if (!node || node->isStorage)
        return std::nullopt;
    return node->data;
}

bool CompoundFile::setStream(const QString &path, const QByteArray &data)
{
    if (quint64(data.size()) > maxStreamSize)
        return fail(
            FileErrorCause::Generic,
            tr("Il flusso '%1' supera i 2 GB che un file composto può contenere.").arg(path));
    Node *node = makePath(path, false);
    if (!node)
        return false;
    node->data = data;
    m_error = {};
    return true;
}

bool CompoundFile::addStorage(const QString &path)
{
    if (!makePath(path, true))
        return false;
    m_error = {};
    return true;
}

bool CompoundFile::remove(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    Node *parent = findNode(&m_root, slash < 0 ? QString() : path.left(slash));
    if (path.isEmpty() || !parent || !parent->isStorage)
        return fail(FileErrorCause::FileNotFound, tr("'%1' non esiste.").arg(path));
    const auto it = findChild(parent->children, path.mid(slash + 1));
    if (it == parent->children.end())
        return fail(FileErrorCause::FileNotFound, tr("'%1' non esiste.").arg(path));
    parent->children.erase(it);
    m_error = {};
    return true;
}

void CompoundFile::clear()
{
    m_root.children.clear();
    m_error = {};
}

QByteArray CompoundFile::toBytes() const
{
    return CompoundWriter(m_root).write();
}

bool CompoundFile::saveFile(const QString &path)
{
    m_error = safeSave(path, toBytes());
    return !m_error.isError();
}

} // namespace model
