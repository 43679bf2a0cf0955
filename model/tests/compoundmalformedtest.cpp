#include "model/compound.h"

#include "compoundtestutil.h"

#include <gtest/gtest.h>

using model::CompoundFile;
using model::FileErrorCause;

namespace {

// A file with a large stream, a small one in a storage and a storage tree,
// so every kind of chain is there to damage.
RawCompound sampleFile()
{
    CompoundFile file;
    QByteArray big(20000, 'B');
    for (int i = 0; i < big.size(); i += 512)
        big[i] = char(i / 512);
    EXPECT_TRUE(file.setStream(QStringLiteral("Contents"), big));
    EXPECT_TRUE(file.setStream(QStringLiteral("Item 1/Data"), QByteArray(300, 'm')));
    EXPECT_TRUE(file.setStream(QStringLiteral("Item 1/Type"), QByteArray("image/png")));
    return RawCompound{file.toBytes()};
}

// Loads bytes that must be refused, and checks the refusal is a clean one.
FileErrorCause refusal(const QByteArray &bytes)
{
    CompoundFile file;
    if (file.load(bytes))
        return FileErrorCause::None;
    EXPECT_FALSE(file.error().message.isEmpty());
    EXPECT_EQ(file.error().osError, 0);
    EXPECT_TRUE(file.entries().empty()); // nothing half-read is left
    return file.error().cause;
}

} // namespace

TEST(CompoundFileMalformed, EmptyOrForeignFilesAreNotCompoundFiles)
{
    EXPECT_EQ(refusal({}), FileErrorCause::InvalidFile);
    EXPECT_EQ(refusal("PK\x03\x04 a zip archive, not a plan"), FileErrorCause::InvalidFile);
    EXPECT_EQ(refusal(QByteArray(4096, 'x')), FileErrorCause::InvalidFile);
    EXPECT_EQ(refusal(QByteArray("\xD0\xCF\x11")), FileErrorCause::EndOfFile);
}

TEST(CompoundFileMalformed, BrokenHeaderFieldsAreRefused)
{
    const RawCompound good = sampleFile();
    const struct
    {
        qsizetype offset;
        quint32 value;
        bool wide;
    } damages[] = {
        {0x1C, 0xFEFF, false},    // byte order
        {0x1A, 2, false},         // major version
        {0x1E, 12, false},        // sector size of version 4 in a version 3 file
        {0x20, 7, false},         // mini sector size
        {0x38, 1000, true},       // mini stream cutoff
        {0x2C, 0, true},          // no FAT
        {0x2C, 0x7FFFFFFF, true}, // more FAT than file
        {0x30, 0xFFFFFFFE, true}, // no directory
        {0x4C, 0x12345678, true}, // FAT sector past the end
    };
    for (const auto &damage : damages) {
        RawCompound raw = good;
        if (damage.wide)
            raw.set32(damage.offset, damage.value);
        else
            raw.set16(damage.offset, quint16(damage.value));
        EXPECT_NE(refusal(raw.bytes), FileErrorCause::None) << "offset " << damage.offset;
    }
}

// A cut anywhere either loses data, which must be reported, or falls in the
// padding after the last stream, which must read back unchanged.
TEST(CompoundFileMalformed, TruncationAnywhereIsReportedOrHarmless)
{
    const RawCompound raw = sampleFile();
    CompoundFile whole;
    ASSERT_TRUE(whole.load(raw.bytes));
    for (qsizetype cut = 0; cut < raw.bytes.size(); cut += 97) {
        CompoundFile file;
        if (file.load(raw.bytes.left(cut))) {
            EXPECT_EQ(file.stream(QStringLiteral("Contents")),
                      whole.stream(QStringLiteral("Contents")));
            EXPECT_EQ(file.stream(QStringLiteral("Item 1/Data")),
                      whole.stream(QStringLiteral("Item 1/Data")));
        } else {
            EXPECT_TRUE(file.error().cause == FileErrorCause::EndOfFile ||
                        file.error().cause == FileErrorCause::InvalidFile)
                << "cut at " << cut;
        }
    }
    // Losing the last whole sector loses stream data.
    EXPECT_EQ(refusal(raw.bytes.left(raw.bytes.size() - 512)), FileErrorCause::EndOfFile);
}

TEST(CompoundFileMalformed, LoopsInSectorChainsAreCaught)
{
    const RawCompound good = sampleFile();
    const quint32 contents = good.entryId(QStringLiteral("Contents"));
    const quint32 first = good.start(contents);

    RawCompound streamLoop = good; // the stream's third sector leads back to its first
    streamLoop.setFat(good.fat(good.fat(first)), first);
    EXPECT_EQ(refusal(streamLoop.bytes), FileErrorCause::InvalidFile);

    RawCompound selfLoop = good;
    selfLoop.setFat(first, first);
    EXPECT_EQ(refusal(selfLoop.bytes), FileErrorCause::InvalidFile);

    RawCompound directoryLoop = good;
    const quint32 directory = good.u32(0x30);
    directoryLoop.setFat(directory, directory);
    EXPECT_EQ(refusal(directoryLoop.bytes), FileErrorCause::InvalidFile);

    RawCompound shared = good; // the stream starts inside the directory
    shared.set32(good.entryOffset(contents) + 116, directory);
    EXPECT_EQ(refusal(shared.bytes), FileErrorCause::InvalidFile);

    RawCompound miniLoop = good; // the mini FAT sends the small stream round in circles
    const quint32 data = good.entryId(QStringLiteral("Data"));
    const quint32 miniStart = good.start(data);
    miniLoop.set32(RawCompound::sectorOffset(good.u32(0x3C)) + 4 * (miniStart + 1), miniStart);
    EXPECT_EQ(refusal(miniLoop.bytes), FileErrorCause::InvalidFile);
}

TEST(CompoundFileMalformed, LoopsInTheDirectoryTreeAreCaught)
{
    const RawCompound good = sampleFile();
    const quint32 top = good.child(0);

    RawCompound selfSibling = good;
    selfSibling.set32(good.entryOffset(top) + 68, top);
    EXPECT_EQ(refusal(selfSibling.bytes), FileErrorCause::InvalidFile);

    RawCompound childIsRoot = good; // a storage holding the root again
    const quint32 item = good.entryId(QStringLiteral("Item 1"));
    childIsRoot.set32(good.entryOffset(item) + 76, 0);
    EXPECT_EQ(refusal(childIsRoot.bytes), FileErrorCause::InvalidFile);

    RawCompound dangling = good;
    dangling.set32(good.entryOffset(top) + 72, 5000);
    EXPECT_EQ(refusal(dangling.bytes), FileErrorCause::InvalidFile);
}

TEST(CompoundFileMalformed, SizesBeyondTheFileAreRefusedBeforeAllocating)
{
    const RawCompound good = sampleFile();
    const quint32 contents = good.entryId(QStringLiteral("Contents"));
    RawCompound huge = good;
    huge.set32(good.entryOffset(contents) + 120, 0x7FFFFFFF);
    EXPECT_EQ(refusal(huge.bytes), FileErrorCause::EndOfFile);

    RawCompound longer = good; // a little more than the chain holds
    longer.set32(good.entryOffset(contents) + 120, 20000 + 512);
    EXPECT_NE(refusal(longer.bytes), FileErrorCause::None);

    RawCompound miniHuge = good; // a small stream larger than the mini stream
    const quint32 data = good.entryId(QStringLiteral("Data"));
    miniHuge.set32(good.entryOffset(data) + 120, 4000);
    EXPECT_EQ(refusal(miniHuge.bytes), FileErrorCause::InvalidFile);
}

TEST(CompoundFileMalformed, BadDirectoryEntriesAreRefused)
{
    const RawCompound good = sampleFile();
    const quint32 data = good.entryId(QStringLiteral("Data"));
    const quint32 type = good.entryId(QStringLiteral("Type"));

    RawCompound badName = good;
    badName.set16(good.entryOffset(data) + 64, 65);
    EXPECT_EQ(refusal(badName.bytes), FileErrorCause::InvalidFile);

    RawCompound unterminated = good;
    unterminated.set16(good.entryOffset(data) + 64, 4); // "Da" without its terminator
    EXPECT_EQ(refusal(unterminated.bytes), FileErrorCause::InvalidFile);

    RawCompound unknownType = good;
    unknownType.bytes[good.entryOffset(data) + 66] = 7;
    EXPECT_EQ(refusal(unknownType.bytes), FileErrorCause::InvalidFile);

    RawCompound secondRoot = good;
    secondRoot.bytes[good.entryOffset(data) + 66] = 5;
    EXPECT_EQ(refusal(secondRoot.bytes), FileErrorCause::InvalidFile);

    RawCompound noRoot = good;
    noRoot.bytes[good.entryOffset(0) + 66] = 1;
    EXPECT_EQ(refusal(noRoot.bytes), FileErrorCause::InvalidFile);

    RawCompound duplicate = good; // "Type" renamed "Data" beside "Data"
    for (int i = 0; i < 4; ++i)
        duplicate.set16(good.entryOffset(type) + 2 * i, QStringLiteral("Data")[i].unicode());
    EXPECT_EQ(refusal(duplicate.bytes), FileErrorCause::InvalidFile);
}

// A chain of storages each holding the next, deeper than any plan needs,
// must be refused without a deep recursion.
TEST(CompoundFileMalformed, StoragesNestedTooDeeplyAreRefused)
{
    CompoundFile file;
    for (int i = 0; i < CompoundFile::maxDepth + 10; ++i)
        ASSERT_TRUE(file.addStorage(QStringLiteral("S%1").arg(i, 3, 10, QLatin1Char('0'))));
    RawCompound raw{file.toBytes()};
    // Relink the flat list into one deep line: root → S000 → S001 → …
    quint32 previous = 0;
    for (int i = 0; i < CompoundFile::maxDepth + 10; ++i) {
        const quint32 id = raw.entryId(QStringLiteral("S%1").arg(i, 3, 10, QLatin1Char('0')));
        raw.set32(raw.entryOffset(previous) + 76, id);
        raw.set32(raw.entryOffset(id) + 68, RawCompound::noStream);
        raw.set32(raw.entryOffset(id) + 72, RawCompound::noStream);
        raw.set32(raw.entryOffset(id) + 76, RawCompound::noStream);
        previous = id;
    }
    EXPECT_EQ(refusal(raw.bytes), FileErrorCause::InvalidFile);
}

TEST(CompoundFileMalformed, DifatChainLoopIsCaught)
{
    CompoundFile file;
    ASSERT_TRUE(file.setStream(QStringLiteral("Contents"), QByteArray(300 * 512, 'd')));
    RawCompound raw{file.toBytes()};
    // Claim 250 FAT sectors, the header's 109 then a DIFAT sector that names
    // itself as the next one.
    const quint32 difat = raw.start(raw.entryId(QStringLiteral("Contents"))) + 10;
    raw.set32(0x2C, 250);
    raw.set32(0x44, difat);
    raw.set32(0x48, 2);
    for (int i = 0; i < 109; ++i)
        raw.set32(0x4C + 4 * i, quint32(20 + i));
    for (int i = 0; i < 127; ++i)
        raw.set32(RawCompound::sectorOffset(difat) + 4 * i, quint32(140 + i));
    raw.set32(RawCompound::sectorOffset(difat) + 4 * 127, difat);
    EXPECT_EQ(refusal(raw.bytes), FileErrorCause::InvalidFile);
}
