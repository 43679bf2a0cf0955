#include "updater/cupdaterdialog.h"
#include "updater/updaterrun.h"
#include "platform/paths.h"

#include <QCheckBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

namespace {

// A program folder with stub "Talvex" and "domora" scripts that append their
// name to started.txt, so the test sees what the updater started and in
// which order.
class UpdaterRunTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_previous = QDir::currentPath();
        platform::setProgramFolder(m_dir.path());
        for (const char *name : {"Talvex", "domora"})
            writeFile(name, QByteArray("echo ") + name + " >> started.txt\n");
        QDir(m_dir.path()).mkpath(QStringLiteral("Patchwell"));
    }
    void TearDown() override
    {
        platform::setProgramFolder({});
        QDir::setCurrent(m_previous);
    }
    void writeFile(const QString &rel, const QByteArray &content)
    {
        const QString path = m_dir.filePath(rel);
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    // Waits for detached scripts to write their marker.
    QByteArray waitForFile(const QString &rel, int lines)
    {
        QDeadlineTimer deadline(10000);
        QByteArray content;
        while (!deadline.hasExpired()) {
            QFile f(m_dir.filePath(rel));
            if (f.open(QIODevice::ReadOnly)) {
                content = f.readAll();
                if (content.count('\n') >= lines)
                    break;
            }
            QThread::msleep(20);
        }
        return content;
    }
    static void pressStart(CUpdaterDialog &d)
    {
        auto *start = d.findChild<QPushButton *>(QStringLiteral("1002"));
        ASSERT_TRUE(start);
        QTest::mouseClick(start, Qt::LeftButton);
    }

    QTemporaryDir m_dir;
    QString m_previous;
};

} // namespace

TEST_F(UpdaterRunTest, DialogShowsItsTextsAndDefaults)
{
    CUpdaterDialog d;
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Velmar Patchwell"));
    EXPECT_EQ(d.findChild<QLabel *>(QStringLiteral("1001"))->text(),
              QStringLiteral("Sono stati scaricati degli aggiornamenti dal server. Premere Avvia"));
    EXPECT_TRUE(d.findChild<QPushButton *>(QStringLiteral("1002"))->isDefault());
    EXPECT_TRUE(d.restartChecked());
}

TEST_F(UpdaterRunTest, EmptyStagingRestartsBothProgramsInOrder)
{
    updater::runUpdater([](CUpdaterDialog &d) {
        pressStart(d);
        return d.result();
    });
    const QByteArray started = waitForFile(QStringLiteral("started.txt"), 2);
    EXPECT_TRUE(started == "Talvex\ndomora\n" || started == "domora\nTalvex\n") << started.data();
}

TEST_F(UpdaterRunTest, ClearedBoxInstallsButStartsNothing)
{
    writeFile(QStringLiteral("Patchwell/Library/a.dat"), "a");
    updater::runUpdater([](CUpdaterDialog &d) {
        d.findChild<QCheckBox *>(QStringLiteral("1003"))->setChecked(false);
        pressStart(d);
        return d.result();
    });
    EXPECT_TRUE(QFile::exists(m_dir.filePath(QStringLiteral("Library/a.dat"))));
    QThread::msleep(300);
    EXPECT_FALSE(QFile::exists(m_dir.filePath(QStringLiteral("started.txt"))));
}

TEST_F(UpdaterRunTest, EscapeInstallsAndStartsNothing)
{
    writeFile(QStringLiteral("Patchwell/a.dat"), "a");
    updater::runUpdater([](CUpdaterDialog &d) {
        d.show();
        QTest::keyClick(&d, Qt::Key_Escape);
        return d.result();
    });
    EXPECT_FALSE(QFile::exists(m_dir.filePath(QStringLiteral("a.dat"))));
    EXPECT_TRUE(QFile::exists(m_dir.filePath(QStringLiteral("Patchwell/a.dat"))));
    QThread::msleep(300);
    EXPECT_FALSE(QFile::exists(m_dir.filePath(QStringLiteral("started.txt"))));
}

TEST_F(UpdaterRunTest, PostScriptRunsAndProgramsStillRestart)
{
    writeFile(QStringLiteral("PostPatchwell.vbs"), "echo post >> post.txt\n");
    updater::runUpdater([](CUpdaterDialog &d) {
        pressStart(d);
        return d.result();
    });
    EXPECT_EQ(waitForFile(QStringLiteral("post.txt"), 1), "post\n");
    EXPECT_EQ(waitForFile(QStringLiteral("started.txt"), 2).count('\n'), 2);
}
