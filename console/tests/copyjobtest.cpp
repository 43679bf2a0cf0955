#include "console/copyjob.h"
#include "console/installationcheck.h"

#include "testfolder.h"

#include <QDateTime>

#include <gtest/gtest.h>

namespace {

class CopyJobTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CopyJob::setReportCopyErrors(true);
        m_source.write(QStringLiteral("a.txt"), "aaaa");
        m_source.write(QStringLiteral("sub/b.txt"), "bb");
        m_source.write(QStringLiteral("c.txt"), "c");
    }
    void TearDown() override { CopyJob::setReportCopyErrors(true); }

    // Runs a job to its end, as the dialog does, and returns the steps.
    static std::vector<CopyJob::Step> runAll(CopyJob &job)
    {
        std::vector<CopyJob::Step> steps;
        while (!job.atEnd()) {
            steps.push_back(job.copyCurrent());
            job.advance();
        }
        return steps;
    }

    TestFolder m_source;
    TestFolder m_target;
};

} // namespace

TEST_F(CopyJobTest, CopiesEveryNameAndCountsBytes)
{
    QDir(m_target.path()).mkdir(QStringLiteral("sub"));
    QFile::setPermissions(m_source.filePath(QStringLiteral("c.txt")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    CopyJob job({"a.txt", "sub/b.txt", "c.txt", "gone.txt"}, "  " + m_source.path() + " ",
                m_target.path(), true, false);
    EXPECT_TRUE(job.sourceFolder().endsWith(u'/'));
    EXPECT_EQ(job.totalBytes(), 7); // a missing file counts 0
    const auto steps = runAll(job);
    ASSERT_EQ(steps.size(), 4u);
    EXPECT_TRUE(steps[0].copied && steps[1].copied && steps[2].copied);
    EXPECT_EQ(steps[0].bytes + steps[1].bytes + steps[2].bytes + steps[3].bytes, 7);
    EXPECT_FALSE(steps[3].copied);
    EXPECT_TRUE(steps[3].reportFailure);
    EXPECT_EQ(m_target.read(QStringLiteral("sub/b.txt")), "bb");
    EXPECT_TRUE(QFileInfo(m_target.filePath(QStringLiteral("c.txt"))).isExecutable());
    EXPECT_EQ(QFileInfo(m_target.filePath(QStringLiteral("a.txt"))).lastModified(),
              QFileInfo(m_source.filePath(QStringLiteral("a.txt"))).lastModified());
}

TEST_F(CopyJobTest, ExistingFilesFailWithoutOverwriteUntilTheUserSaysYes)
{
    m_target.write(QStringLiteral("a.txt"), "old");
    m_target.write(QStringLiteral("c.txt"), "old");
    CopyJob first({"a.txt", "c.txt"}, m_source.path(), m_target.path(), false, false);
    const CopyJob::Step s = first.copyCurrent();
    EXPECT_FALSE(s.copied);
    EXPECT_TRUE(s.reportFailure);
    EXPECT_EQ(s.bytes, 4); // progress advances although nothing was copied
    EXPECT_EQ(m_target.read(QStringLiteral("a.txt")), "old");

    CopyJob::setReportCopyErrors(false); // the user answered Yes
    first.advance();
    EXPECT_FALSE(first.copyCurrent().reportFailure);
    // the answer holds for a later backup of the same run too
    CopyJob later({"a.txt"}, m_source.path(), m_target.path(), false, false);
    EXPECT_FALSE(later.copyCurrent().reportFailure);

    CopyJob overwrite({"a.txt"}, m_source.path(), m_target.path(), true, false);
    EXPECT_TRUE(overwrite.copyCurrent().copied);
    EXPECT_EQ(m_target.read(QStringLiteral("a.txt")), "aaaa");
}

TEST_F(CopyJobTest, MissingSubfolderFailsAndSilentJobsNeverReport)
{
    CopyJob backup({"sub/b.txt"}, m_source.path(), m_target.path(), true, false);
    const CopyJob::Step s = backup.copyCurrent();
    EXPECT_FALSE(s.copied);
    EXPECT_TRUE(s.reportFailure);
    EXPECT_FALSE(QFileInfo::exists(m_target.filePath(QStringLiteral("sub"))));

    CopyJob restore({"sub/b.txt", "gone.txt", "a.txt"}, m_source.path(), m_target.path(), true,
                    true);
    const auto steps = runAll(restore);
    for (const auto &step : steps)
        EXPECT_FALSE(step.reportFailure);
    EXPECT_TRUE(steps[2].copied);
}

TEST_F(CopyJobTest, NamesMayNotLeaveTheFolders)
{
    CopyJob job({"../a.txt", m_source.filePath(QStringLiteral("a.txt"))},
                m_source.filePath(QStringLiteral("sub")),
                m_target.filePath(QStringLiteral("inner")), true, false);
    QDir(m_target.path()).mkdir(QStringLiteral("inner"));
    const auto steps = runAll(job);
    EXPECT_FALSE(steps[0].copied);
    EXPECT_FALSE(steps[1].copied);
    EXPECT_FALSE(QFileInfo::exists(m_target.filePath(QStringLiteral("a.txt"))));

    CopyJob noDestination({"a.txt"}, m_source.path(), QStringLiteral("  "), true, false);
    EXPECT_FALSE(noDestination.copyCurrent().copied);
}

TEST(InstallationCheck, ReportsEachMissingName)
{
    TestFolder dir;
    dir.write(QStringLiteral("here.txt"), "x");
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    InstallationCheck check({"here.txt", "gone.txt", "sub/gone2.txt"});
    QStringList missing;
    for (; !check.atEnd(); check.advance()) {
        if (!check.currentExists())
            missing << InstallationCheck::missingMessage(check.currentName());
    }
    QDir::setCurrent(previous);
    EXPECT_EQ(missing, QStringList({"Il file 'gone.txt' non esiste!",
                                    "Il file 'sub/gone2.txt' non esiste!"}));
}
