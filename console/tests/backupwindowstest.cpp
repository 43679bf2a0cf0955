#include "console/cbackupdialog.h"
#include "console/ccheckdialog.h"
#include "console/ccopydialog.h"
#include "console/copyjob.h"
#include "console/crestoredialog.h"
#include "console/stewardcommands.h"

#include "platform/paths.h"
#include "scriptedui.h"
#include "testfolder.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using platform::ui::Answer;
using platform::ui::Icon;

namespace {

const QString questionStart = QStringLiteral("Errore durante la copia di: '");

// A program folder that is also the current directory, with a file list
// naming three files, one of them in a subfolder.
class BackupWindowsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CopyJob::setReportCopyErrors(true);
        m_previous = QDir::currentPath();
        m_program.write(QStringLiteral("filelist.lst"),
                        fileListHeader() +
                            "<backup>\r\n<libs>\r\n:= \"domora\"\r\n</libs>\r\n"
                            "<styles>\r\n:= \"walls.fps\"\r\n:= \"Library\\x.bmp\"\r\n"
                            "</styles>\r\n</backup>\r\n");
        m_program.write(QStringLiteral("domora"), "programma");
        m_program.write(QStringLiteral("walls.fps"), "stili");
        m_program.write(QStringLiteral("Library/x.bmp"), "bmp");
        QDir::setCurrent(m_program.path());
        platform::setProgramFolder(m_program.path());
        // Copies run at once: no waits between the files.
        m_ui.on<CCopyDialog>([](CCopyDialog &d) {
            d.setIntervalsMs(0, 0);
            return d.exec();
        });
        m_ui.on<CCheckDialog>([](CCheckDialog &d) {
            d.setIntervalMs(0);
            return d.exec();
        });
    }
    void TearDown() override
    {
        QDir::setCurrent(m_previous);
        platform::setProgramFolder({});
        CopyJob::setReportCopyErrors(true);
    }

    // Answers the backup dialog with a destination and the given boxes.
    void backupTo(const QString &destination, bool overwrite, bool all = true)
    {
        m_ui.on<CBackupDialog>([destination, overwrite, all](CBackupDialog &d) {
            d.findChild<QLineEdit *>(QStringLiteral("1019"))->setText(destination);
            d.findChild<QCheckBox *>(QStringLiteral("1020"))->setChecked(overwrite);
            for (const char *id : {"1015", "1016", "1017", "1018"})
                d.findChild<QCheckBox *>(QLatin1String(id))->setChecked(all);
            return int(QDialog::Accepted);
        });
    }
    int questions() const { return int(m_ui.texts().filter(questionStart).size()); }

    TestFolder m_program;
    TestFolder m_backup;
    ScriptedUi m_ui;
    QString m_previous;
};

} // namespace

TEST_F(BackupWindowsTest, BackupCopiesTheListIntoTheChosenFolder)
{
    QDir(m_backup.path()).mkdir(QStringLiteral("Library"));
    backupTo(m_backup.path(), true);
    commands::createBackup(nullptr);
    EXPECT_TRUE(m_ui.messages.isEmpty()) << m_ui.texts().join(u'|').toStdString();
    EXPECT_EQ(m_backup.read(QStringLiteral("domora")), "programma");
    EXPECT_EQ(m_backup.read(QStringLiteral("Library/x.bmp")), "bmp");
    EXPECT_TRUE(m_ui.unexpectedDialogs.isEmpty());
}

TEST_F(BackupWindowsTest, AllBoxesClearedIsRefused)
{
    backupTo(m_backup.path(), true, false);
    commands::createBackup(nullptr);
    ASSERT_EQ(m_ui.messages.size(), 1);
    EXPECT_EQ(m_ui.messages[0].text,
              "Non hai selezionato nessun elemento da includere nella copia di riserva!");
    EXPECT_TRUE(QDir(m_backup.path()).isEmpty());
}

TEST_F(BackupWindowsTest, CopyErrorQuestionOnceThenSilenceAfterYes)
{
    QDir(m_backup.path()).mkdir(QStringLiteral("Library"));
    for (const char *name : {"domora", "walls.fps", "Library/x.bmp"})
        m_backup.write(QLatin1String(name), "vecchio");
    backupTo(m_backup.path(), false);
    m_ui.answers = {Answer::Yes};
    commands::createBackup(nullptr);
    EXPECT_EQ(questions(), 1);
    EXPECT_TRUE(m_ui.texts().first().startsWith(questionStart + "domora'"));
    EXPECT_EQ(m_ui.messages.first().icon, Icon::Warning);
    EXPECT_EQ(m_ui.messages.first().buttons, platform::ui::Buttons::YesNoCancel);
    EXPECT_EQ(m_backup.read(QStringLiteral("domora")), "vecchio");
    // a later backup of the same run stays silent too
    commands::createBackup(nullptr);
    EXPECT_EQ(questions(), 1);
}

TEST_F(BackupWindowsTest, NoAsksAgainAndCancelStopsTheCopy)
{
    m_backup.write(QStringLiteral("domora"), "vecchio");
    m_backup.write(QStringLiteral("walls.fps"), "vecchio");
    backupTo(m_backup.path(), false);
    m_ui.answers = {Answer::No, Answer::Cancel};
    commands::createBackup(nullptr);
    EXPECT_EQ(questions(), 2); // domora, then walls.fps cancels
    EXPECT_FALSE(QFileInfo::exists(m_backup.filePath(QStringLiteral("Library"))));
    EXPECT_TRUE(CopyJob::reportCopyErrors());
}

TEST_F(BackupWindowsTest, MissingSubfolderFailsDuringABackup)
{
    backupTo(m_backup.path(), true);
    m_ui.answers = {Answer::No};
    commands::createBackup(nullptr);
    ASSERT_EQ(questions(), 1);
    EXPECT_TRUE(m_ui.texts().first().startsWith(questionStart + "Library/x.bmp'"));
    EXPECT_EQ(m_backup.read(QStringLiteral("walls.fps")), "stili");
}

TEST_F(BackupWindowsTest, RestoreIsSilentAndCopiesWhatItFinds)
{
    m_backup.write(QStringLiteral("walls.fps"), "stili salvati");
    m_ui.on<CRestoreDialog>([this](CRestoreDialog &d) {
        auto *restore = d.findChild<QPushButton *>(QStringLiteral("1"));
        auto *folder = d.findChild<QLineEdit *>(QStringLiteral("1026"));
        EXPECT_FALSE(restore->isEnabled());
        folder->setText(m_backup.path());
        EXPECT_TRUE(restore->isEnabled());
        folder->clear();
        EXPECT_FALSE(restore->isEnabled());
        folder->setText(m_backup.path());
        return int(QDialog::Accepted);
    });
    commands::restoreBackup(nullptr);
    EXPECT_TRUE(m_ui.messages.isEmpty()) << m_ui.texts().join(u'|').toStdString();
    EXPECT_EQ(m_program.read(QStringLiteral("walls.fps")), "stili salvati");
    EXPECT_EQ(m_program.read(QStringLiteral("domora")), "programma");
}

TEST_F(BackupWindowsTest, CheckReportsEachMissingFile)
{
    QFile::remove(m_program.filePath(QStringLiteral("domora")));
    QFile::remove(m_program.filePath(QStringLiteral("Library/x.bmp")));
    commands::checkApplication(nullptr);
    EXPECT_EQ(m_ui.texts(),
              QStringList({"Il file 'domora' non esiste!", "Il file 'Library/x.bmp' non esiste!"}));
}

TEST_F(BackupWindowsTest, WrongVersionStopsEachCommandWithItsMessage)
{
    m_program.write(QStringLiteral("filelist.lst"), fileListHeader("\"1.0.1\""));
    backupTo(m_backup.path(), true);
    m_ui.on<CRestoreDialog>([this](CRestoreDialog &d) {
        d.findChild<QLineEdit *>(QStringLiteral("1026"))->setText(m_backup.path());
        return int(QDialog::Accepted);
    });
    commands::createBackup(nullptr);
    commands::checkApplication(nullptr);
    commands::restoreBackup(nullptr);
    ASSERT_EQ(m_ui.messages.size(), 3);
    EXPECT_TRUE(m_ui.messages[0].text.endsWith("impossibile eseguire l'utilità di backup!"));
    EXPECT_TRUE(m_ui.messages[1].text.endsWith("impossibile eseguire l'utilità di backup!"));
    EXPECT_TRUE(m_ui.messages[2].text.endsWith("impossibile eseguire l'utilità di ripristino!"));
    EXPECT_EQ(m_ui.messages[2].icon, Icon::Error);
}

TEST_F(BackupWindowsTest, CopyDialogRunsOnItsTimerToTheEnd)
{
    CCopyDialog dialog(
        CopyJob({"domora", "walls.fps"}, m_program.path(), m_backup.path(), true, false));
    ASSERT_TRUE(dialog.findChild<QTimer *>(QStringLiteral("1977")));
    dialog.setIntervalsMs(20, 5);
    dialog.show();
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.isVisible(), 5000);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.doneBytes(), dialog.job().totalBytes());
    EXPECT_EQ(m_backup.read(QStringLiteral("walls.fps")), "stili");
}
