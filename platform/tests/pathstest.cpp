#include "platform/paths.h"

#include <QDateTime>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <utime.h>

using namespace platform;

TEST(Paths, ProgramFolderEndsWithSeparatorAndCanBeOverridden)
{
    EXPECT_TRUE(programFolder().endsWith(u'/'));
    setProgramFolder(QStringLiteral("/tmp/x"));
    EXPECT_EQ(programFolder(), QStringLiteral("/tmp/x/"));
    setProgramFolder({});
    EXPECT_NE(programFolder(), QStringLiteral("/tmp/x/"));
}

TEST(Paths, DataFileNamesAndCaseInsensitiveLookup)
{
    EXPECT_EQ(fromDataFileName(QStringLiteral("Library\\Simboli\\a.bmp")),
              QStringLiteral("Library/Simboli/a.bmp"));
    EXPECT_TRUE(sameFileName(QStringLiteral("DOMORA.LOG"), QStringLiteral("domora.log")));
    QTemporaryDir dir;
    QFile f(dir.filePath(QStringLiteral("Walls.FPS")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_EQ(resolveCaseInsensitive(dir.path(), QStringLiteral("walls.fps")), f.fileName());
    EXPECT_EQ(libraryName(QStringLiteral("horizonskin")), QStringLiteral("libhorizonskin.so"));
}

TEST(Paths, FileTimeIsCtimeTextWithZeroPaddedDay)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("f.txt"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    const QDateTime when(QDate(2026, 12, 6), QTime(6, 13, 6));
    utimbuf times{static_cast<time_t>(when.toSecsSinceEpoch()),
                  static_cast<time_t>(when.toSecsSinceEpoch())};
    ASSERT_EQ(utime(path.toLocal8Bit().constData(), &times), 0);
    EXPECT_EQ(fileTimeText(path), QStringLiteral("Sun Dec 06 06:13:06 2026"));
    EXPECT_TRUE(fileTimeText(dir.filePath(QStringLiteral("missing"))).isEmpty());
}
