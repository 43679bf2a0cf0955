#include "game/gamerecord.h"
#include "platform/codepage.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace game;

namespace {

TEST(ScrambleText, ExampleRecordRoundTrips)
{
    const QString plain = QStringLiteral("1;5320");
    const QString scrambled = scrambleText(plain);
    // L - 1 = 5; '1' (0x31) -> 5 XOR 0xCE = 0xCB.
    EXPECT_EQ(scrambled.at(0).unicode(), 0xCB);
    EXPECT_EQ(scrambled.at(1).unicode(), 0xC4 ^ 5);
    EXPECT_EQ(scrambleText(scrambled), plain);
    // The high byte of a character stays as it is.
    const QString wide = QString(QChar(0x20AC)) + u'x';
    EXPECT_EQ(scrambleText(wide).at(0).unicode() & 0xFF00, 0x2000);
    EXPECT_EQ(scrambleText(scrambleText(wide)), wide);
}

TEST(GameRecord, FileRoundTrip)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Rubblefall.dat"));
    ASSERT_TRUE(saveRecord(path, {2, 5320}));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(bytes.size(), 6) << "one line, no line end, 8-bit characters";
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xCD ^ 5);
    EXPECT_EQ(loadRecord(path), (GameRecord{2, 5320}));
}

TEST(GameRecord, MissingOrDamagedFileGivesTheDefaults)
{
    QTemporaryDir dir;
    const GameRecord defaults{1, 0};
    EXPECT_EQ(loadRecord(dir.filePath(QStringLiteral("none.dat"))), defaults);
    EXPECT_EQ(loadRecord(dir.path()), defaults) << "a folder is no record";

    const auto scrambled = [](const char *text) {
        return platform::codepage::encode(scrambleText(QString::fromLatin1(text)));
    };
    const QByteArray damaged[] = {
        QByteArray(),
        QByteArray("1;5320"), // never scrambled
        scrambled("3;100"),   // no such difficulty
        scrambled("1;-5"),
        scrambled("1;"),
        scrambled(";12"),
        scrambled("1;5x"),
        scrambled("1;5;7"),
        scrambled("0;99999999999"),
        scrambled("1;5320\r\n"),
        QByteArray(1 << 20, '\xCB'),
    };
    for (const QByteArray &bytes : damaged) {
        EXPECT_EQ(parseRecord(bytes), defaults) << bytes.toHex().left(40).constData();
        const QString path = dir.filePath(QStringLiteral("Rubblefall.dat"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        EXPECT_EQ(loadRecord(path), defaults);
    }
    EXPECT_EQ(parseRecord(scrambled("0;2147483647")), (GameRecord{0, 2147483647}));
}

TEST(GameRecord, SaveIntoAMissingFolderFailsQuietly)
{
    QTemporaryDir dir;
    EXPECT_FALSE(saveRecord(dir.filePath(QStringLiteral("gone/Rubblefall.dat")), {1, 10}));
}

} // namespace
