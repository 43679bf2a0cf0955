#include "updater/copytree.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class CopyTreeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_previous = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
        QDir().mkpath(QStringLiteral("Patchwell"));
    }
    void TearDown() override { QDir::setCurrent(m_previous); }

    static void write(const QString &path, const QByteArray &content)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    static QByteArray read(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir m_dir;
    QString m_previous;
};

} // namespace

TEST_F(CopyTreeTest, InstallsNestedFilesAndKeepsEmptiedStagingFolders)
{
    write(QStringLiteral("Patchwell/Library/a.dat"), "new");
    write(QStringLiteral("Patchwell/top.txt"), "top");
    write(QStringLiteral("top.txt"), "old");
    std::vector<std::pair<QString, QString>> seen;
    updater::CopyTree(QStringLiteral("Patchwell"), QString(),
                      [&](const QString &n, const QString &d) { seen.emplace_back(n, d); });
    EXPECT_EQ(read(QStringLiteral("Library/a.dat")), "new");
    EXPECT_EQ(read(QStringLiteral("top.txt")), "top");
    EXPECT_FALSE(QFile::exists(QStringLiteral("Patchwell/Library/a.dat")));
    EXPECT_FALSE(QFile::exists(QStringLiteral("Patchwell/top.txt")));
    EXPECT_TRUE(QDir(QStringLiteral("Patchwell/Library")).exists());
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0], (std::pair{QStringLiteral("Library"), QString()}));
    EXPECT_EQ(seen[1], (std::pair{QStringLiteral("a.dat"), QStringLiteral("Library/")}));
}

TEST_F(CopyTreeTest, SystemFolderIsLeftUntouchedInAnyCase)
{
    write(QStringLiteral("Patchwell/@System/x.dll"), "x");
    write(QStringLiteral("Patchwell/Sub/@SYSTEM/y.dll"), "y");
    updater::CopyTree(QStringLiteral("Patchwell"), QString());
    EXPECT_TRUE(QFile::exists(QStringLiteral("Patchwell/@System/x.dll")));
    EXPECT_TRUE(QFile::exists(QStringLiteral("Patchwell/Sub/@SYSTEM/y.dll")));
    EXPECT_FALSE(QFile::exists(QStringLiteral("@System/x.dll")));
    EXPECT_FALSE(QFile::exists(QStringLiteral("Sub/@SYSTEM")));
}

TEST_F(CopyTreeTest, FailedCopyKeepsStagedFile)
{
    write(QStringLiteral("Patchwell/Locked/f.bin"), "data");
    write(QStringLiteral("Locked"), "a file where a folder should go");
    updater::CopyTree(QStringLiteral("Patchwell"), QString());
    EXPECT_TRUE(QFile::exists(QStringLiteral("Patchwell/Locked/f.bin")));
    EXPECT_EQ(read(QStringLiteral("Locked")), "a file where a folder should go");
}

TEST_F(CopyTreeTest, LinksInStagingTreeAreNeverFollowed)
{
    QTemporaryDir outside;
    write(outside.filePath(QStringLiteral("secret.txt")), "secret");
    ASSERT_TRUE(QFile::link(outside.path(), QStringLiteral("Patchwell/escape")));
    ASSERT_TRUE(QFile::link(outside.filePath(QStringLiteral("secret.txt")),
                            QStringLiteral("Patchwell/link.txt")));
    updater::CopyTree(QStringLiteral("Patchwell"), QString());
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("escape")));
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("link.txt")));
    EXPECT_TRUE(QFile::exists(outside.filePath(QStringLiteral("secret.txt"))));
}
