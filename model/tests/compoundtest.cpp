#include "model/compound.h"

#include "compoundtestutil.h"

#include <QCryptographicHash>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

#include <sys/stat.h>

using model::CompoundFile;
using model::FileErrorCause;

namespace {

// Bytes that differ from sector to sector, so a misplaced sector shows.
QByteArray pattern(qsizetype size, quint32 seed = 1)
{
    QByteArray data(size, Qt::Uninitialized);
    quint32 x = seed;
    for (char &c : data) {
        x = x * 1664525u + 1013904223u;
        c = char(x >> 24);
    }
    return data;
}

CompoundFile reloaded(const CompoundFile &file)
{
    CompoundFile copy;
    EXPECT_TRUE(copy.load(file.toBytes())) << copy.error().message.toStdString();
    return copy;
}

} // namespace

TEST(CompoundFileRoundTrip, EmptyFileHasOnlyTheRootAndThreeSectors)
{
    const CompoundFile empty;
    const QByteArray bytes = empty.toBytes();
    EXPECT_EQ(bytes.size(), 3 * 512); // header, FAT, directory
    const CompoundFile copy = reloaded(empty);
    EXPECT_TRUE(copy.entries().empty());
    EXPECT_TRUE(copy.hasStorage(QString()));
}

// Sizes around every boundary: mini sectors, the 4096-byte cutoff and whole
// sectors; each stream must come back byte for byte.
TEST(CompoundFileRoundTrip, StreamsOfEverySizeAroundTheBoundaries)
{
    const std::vector<qsizetype> sizes = {0,   1,    63,   64,   65,   511,   512,
                                          513, 4095, 4096, 4097, 8192, 100000};
    CompoundFile file;
    for (size_t i = 0; i < sizes.size(); ++i)
        ASSERT_TRUE(file.setStream(QStringLiteral("S%1").arg(i), pattern(sizes[i], quint32(i))));
    const CompoundFile copy = reloaded(file);
    ASSERT_EQ(copy.entries().size(), sizes.size());
    for (size_t i = 0; i < sizes.size(); ++i) {
        const auto data = copy.stream(QStringLiteral("S%1").arg(i));
        ASSERT_TRUE(data.has_value());
        EXPECT_EQ(*data, pattern(sizes[i], quint32(i))) << "size " << sizes[i];
    }
}

TEST(CompoundFileRoundTrip, NestedStoragesKeepTheirStreams)
{
    CompoundFile file;
    ASSERT_TRUE(file.setStream(QStringLiteral("Contents"), pattern(5000)));
    ASSERT_TRUE(file.setStream(QStringLiteral("Item 1/Data"), pattern(300, 2)));
    ASSERT_TRUE(file.setStream(QStringLiteral("Item 1/Info"), QByteArray("image/png")));
    ASSERT_TRUE(file.setStream(QStringLiteral("Item 2/Deep/Data"), pattern(9000, 3)));
    ASSERT_TRUE(file.addStorage(QStringLiteral("Empty")));

    const CompoundFile copy = reloaded(file);
    EXPECT_EQ(copy.stream(QStringLiteral("Item 1/Data")), pattern(300, 2));
    EXPECT_EQ(copy.stream(QStringLiteral("Item 1/Info")), QByteArray("image/png"));
    EXPECT_EQ(copy.stream(QStringLiteral("Item 2/Deep/Data")), pattern(9000, 3));
    EXPECT_TRUE(copy.hasStorage(QStringLiteral("Empty")));
    EXPECT_TRUE(copy.entries(QStringLiteral("Empty")).empty());
    EXPECT_FALSE(copy.hasStream(QStringLiteral("Item 1")));
    EXPECT_FALSE(copy.stream(QStringLiteral("Item 1")).has_value());
}

// 109 FAT sectors in the header cover about 6.8 MB; more data needs a DIFAT
// sector, which the reader must follow.
TEST(CompoundFileRoundTrip, LargeStreamNeedsTheDifat)
{
    const QByteArray big = pattern(7 * 1024 * 1024 + 12345);
    CompoundFile file;
    ASSERT_TRUE(file.setStream(QStringLiteral("Contents"), big));
    ASSERT_TRUE(file.setStream(QStringLiteral("Small"), pattern(100)));
    const QByteArray bytes = file.toBytes();
    const RawCompound raw{bytes};
    EXPECT_GT(raw.u32(0x2C), 109u); // FAT sectors
    EXPECT_EQ(raw.u32(0x48), 1u);   // DIFAT sectors

    CompoundFile copy;
    ASSERT_TRUE(copy.load(bytes)) << copy.error().message.toStdString();
    EXPECT_TRUE(copy.stream(QStringLiteral("Contents")) == big);
    EXPECT_EQ(copy.stream(QStringLiteral("Small")), pattern(100));
}

TEST(CompoundFileRoundTrip, SaveAndLoadThroughTheDisk)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plan.fpd"));
    CompoundFile file;
    ASSERT_TRUE(file.setStream(QStringLiteral("Contents"), pattern(20000)));
    ASSERT_TRUE(file.saveFile(path)) << file.error().message.toStdString();
    CompoundFile copy;
    ASSERT_TRUE(copy.loadFile(path)) << copy.error().message.toStdString();
    EXPECT_EQ(copy.stream(QStringLiteral("Contents")), pattern(20000));
}

TEST(CompoundFileRoundTrip, MissingFileReportsFileNotFound)
{
    QTemporaryDir dir;
    CompoundFile file;
    EXPECT_FALSE(file.loadFile(dir.filePath(QStringLiteral("none.fpd"))));
    EXPECT_EQ(file.error().cause, FileErrorCause::FileNotFound);
    EXPECT_NE(file.error().osError, 0);
    EXPECT_FALSE(file.loadFile(dir.path()));
    EXPECT_EQ(file.error().cause, FileErrorCause::AccessDenied);
}

TEST(CompoundFileRoundTrip, ANamedPipeIsRefusedWithoutWaitingForAWriter)
{
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("pipe.fpd"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    CompoundFile file;
    EXPECT_FALSE(file.loadFile(pipe));
    EXPECT_EQ(file.error().cause, FileErrorCause::InvalidFile);
}

// Version 4 files have 4096-byte sectors; we only write version 3 but read
// both. A hand-made file: FAT in sector 0, directory in 1, a stream in 2-3.
TEST(CompoundFileRoundTrip, ReadsAVersion4File)
{
    constexpr int size = 4096;
    RawCompound raw{QByteArray(5 * size, '\0')};
    raw.bytes.replace(0, 8, QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8));
    raw.set16(0x18, 0x3E);
    raw.set16(0x1A, 4);
    raw.set16(0x1C, 0xFFFE);
    raw.set16(0x1E, 12);
    raw.set16(0x20, 6);
    raw.set32(0x28, 1); // directory sectors
    raw.set32(0x2C, 1); // FAT sectors
    raw.set32(0x30, 1); // first directory sector
    raw.set32(0x38, 4096);
    raw.set32(0x3C, RawCompound::endOfChain);
    raw.set32(0x44, RawCompound::endOfChain);
    for (int i = 0; i < 109; ++i)
        raw.set32(0x4C + 4 * i, i == 0 ? 0 : 0xFFFFFFFF);
    const auto sector = [&](int index) { return (index + 1) * size; };
    const quint32 fat[] = {0xFFFFFFFD, RawCompound::endOfChain, 3, RawCompound::endOfChain};
    for (int i = 0; i < size / 4; ++i)
        raw.set32(sector(0) + 4 * i, i < 4 ? fat[i] : 0xFFFFFFFF);
    const auto entry = [&](int id, const QString &name, quint8 type, quint32 child, quint32 start,
                           quint32 length) {
        const int p = sector(1) + 128 * id;
        for (int i = 0; i < name.size(); ++i)
            raw.set16(p + 2 * i, name[i].unicode());
        raw.set16(p + 64, quint16(2 * (name.size() + 1)));
        raw.bytes[p + 66] = char(type);
        raw.bytes[p + 67] = 1;
        raw.set32(p + 68, RawCompound::noStream);
        raw.set32(p + 72, RawCompound::noStream);
        raw.set32(p + 76, child);
        raw.set32(p + 116, start);
        raw.set32(p + 120, length);
    };
    entry(0, QStringLiteral("Root Entry"), 5, 1, RawCompound::endOfChain, 0);
    entry(1, QStringLiteral("Contents"), 2, RawCompound::noStream, 2, 5000);
    for (int i = 2; i < size / 128; ++i)
        for (const int field : {68, 72, 76})
            raw.set32(sector(1) + 128 * i + field, RawCompound::noStream);
    const QByteArray data = pattern(5000, 4);
    raw.bytes.replace(sector(2), data.size(), data);

    CompoundFile file;
    ASSERT_TRUE(file.load(raw.bytes)) << file.error().message.toStdString();
    EXPECT_EQ(file.stream(QStringLiteral("Contents")), data);
}

// Every storage's children form a red-black tree ordered by length, then by
// upper-case name; other readers search it, so it must be a real one.
TEST(CompoundFileDirectory, SiblingTreesAreValidRedBlackTrees)
{
    for (const int count : {1, 2, 3, 4, 5, 7, 8, 15, 16, 17, 31, 100, 257}) {
        CompoundFile file;
        for (int i = 0; i < count; ++i)
            ASSERT_TRUE(file.setStream(QStringLiteral("Stream %1").arg(i * 7919 % 1000), {}));
        const RawCompound raw{file.toBytes()};
        int nodes = 0;
        // Returns the black height, -1 when a rule is broken.
        std::function<int(quint32, bool, const QString *, const QString *)> check =
            [&](quint32 id, bool parentRed, const QString *low, const QString *high) -> int {
            if (id == RawCompound::noStream)
                return 1;
            ++nodes;
            const QString name = raw.entryName(id);
            const auto less = [](const QString &a, const QString &b) {
                return a.size() != b.size() ? a.size() < b.size()
                                            : a.toUpper().compare(b.toUpper()) < 0;
            };
            if ((low && !less(*low, name)) || (high && !less(name, *high)))
                return -1;
            if (parentRed && raw.isRed(id))
                return -1;
            const int l = check(raw.left(id), raw.isRed(id), low, &name);
            const int r = check(raw.right(id), raw.isRed(id), &name, high);
            if (l < 0 || l != r)
                return -1;
            return l + (raw.isRed(id) ? 0 : 1);
        };
        const quint32 top = raw.child(0);
        EXPECT_FALSE(count > 1 && raw.isRed(top));
        EXPECT_GT(check(top, false, nullptr, nullptr), 0) << count << " entries";
        EXPECT_EQ(nodes, count);
    }
}

TEST(CompoundFileDirectory, EntriesComeInTheFormatsOrder)
{
    CompoundFile file;
    for (const char *name : {"bb", "B", "a", "Contents", "AA", "\005SummaryInformation"})
        ASSERT_TRUE(file.setStream(QString::fromLatin1(name), {}));
    QStringList names;
    for (const auto &entry : reloaded(file).entries())
        names << entry.name;
    EXPECT_EQ(names, (QStringList{"a", "B", "AA", "bb", "Contents", "\005SummaryInformation"}));
}

TEST(CompoundFileEditing, NamesAreFoundWithoutRegardToCase)
{
    CompoundFile file;
    ASSERT_TRUE(file.setStream(QStringLiteral("Item/Contents"), "one"));
    ASSERT_TRUE(file.setStream(QStringLiteral("ITEM/contents"), "two"));
    ASSERT_EQ(file.entries().size(), 1u);
    EXPECT_EQ(file.entries().front().name, QStringLiteral("Item")); // the first spelling stays
    EXPECT_EQ(file.stream(QStringLiteral("item/CONTENTS")), QByteArray("two"));
}

TEST(CompoundFileEditing, InvalidNamesAndKindConflictsAreRefused)
{
    CompoundFile file;
    ASSERT_TRUE(file.setStream(QStringLiteral("Data"), "x"));
    ASSERT_TRUE(file.addStorage(QStringLiteral("Box")));
    const QString tooLong(CompoundFile::maxNameLength + 1, u'n');
    for (const QString &path :
         {QString(), QStringLiteral("a//b"), QStringLiteral("a:b"), QStringLiteral("a!"),
          QStringLiteral("x\\y"), tooLong, QStringLiteral("Data/Inner"), QStringLiteral("Box")}) {
        EXPECT_FALSE(file.setStream(path, "y")) << path.toStdString();
        EXPECT_EQ(file.error().cause, FileErrorCause::Generic);
        EXPECT_FALSE(file.error().message.isEmpty());
    }
    EXPECT_FALSE(file.addStorage(QStringLiteral("Data")));
    EXPECT_TRUE(file.setStream(QString(CompoundFile::maxNameLength, u'n'), "ok"));
    EXPECT_FALSE(file.error().isError());
    EXPECT_EQ(file.entries().size(), 3u); // nothing half-made by the refusals
}

TEST(CompoundFileEditing, StoragesNestOnlySoDeep)
{
    QStringList names;
    for (int i = 0; i < CompoundFile::maxDepth; ++i)
        names << QStringLiteral("L%1").arg(i);
    CompoundFile file;
    ASSERT_TRUE(file.setStream(names.join(u'/') + QStringLiteral("/Data"), "deep"));
    EXPECT_FALSE(file.addStorage(names.join(u'/') + QStringLiteral("/Deeper")));
    EXPECT_EQ(reloaded(file).stream(names.join(u'/') + QStringLiteral("/Data")),
              QByteArray("deep"));
}

TEST(CompoundFileEditing, RemoveDropsAStorageWithItsContent)
{
    CompoundFile file;
    ASSERT_TRUE(file.setStream(QStringLiteral("Item 1/Data"), "a"));
    ASSERT_TRUE(file.setStream(QStringLiteral("Item 2/Data"), "b"));
    EXPECT_TRUE(file.remove(QStringLiteral("item 1")));
    EXPECT_FALSE(file.remove(QStringLiteral("Item 1")));
    EXPECT_EQ(file.error().cause, FileErrorCause::FileNotFound);
    EXPECT_FALSE(file.remove(QString()));
    const CompoundFile copy = reloaded(file);
    ASSERT_EQ(copy.entries().size(), 1u);
    EXPECT_EQ(copy.stream(QStringLiteral("Item 2/Data")), QByteArray("b"));
}

// Another reader of the format must agree with ours, the DIFAT included.
TEST(CompoundFileInterop, OlefileReadsOurLargeFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.fpd"));
    const QByteArray big = pattern(7 * 1024 * 1024 + 999, 7);
    CompoundFile file;
    ASSERT_TRUE(file.setStream(QStringLiteral("Contents"), big));
    ASSERT_TRUE(file.setStream(QStringLiteral("Item 1/Data"), pattern(1000, 8)));
    ASSERT_TRUE(file.saveFile(path));

    const QString script = QStringLiteral(R"(
import hashlib, json, sys, olefile
ole = olefile.OleFileIO(sys.argv[1])
print(json.dumps({
    "streams": sorted("/".join(p) for p in ole.listdir(streams=True, storages=False)),
    "contents": hashlib.md5(ole.openstream("Contents").read()).hexdigest(),
    "item": hashlib.md5(ole.openstream("Item 1/Data").read()).hexdigest(),
}))
)");
    const QByteArray output = runDebianPython(script, {path});
    const QJsonObject result = QJsonDocument::fromJson(output).object();
    ASSERT_FALSE(result.isEmpty()) << output.toStdString();
    EXPECT_EQ(result["streams"].toVariant().toStringList(),
              (QStringList{"Contents", "Item 1/Data"}));
    EXPECT_EQ(result["contents"].toString().toLatin1(),
              QCryptographicHash::hash(big, QCryptographicHash::Md5).toHex());
    EXPECT_EQ(result["item"].toString().toLatin1(),
              QCryptographicHash::hash(pattern(1000, 8), QCryptographicHash::Md5).toHex());
}
