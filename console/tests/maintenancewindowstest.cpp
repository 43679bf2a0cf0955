#include "console/ceventviewerdialog.h"
#include "console/crestoredefaultsdialog.h"
#include "console/csaveconfigdialog.h"
#include "console/cstewarddialog.h"
#include "console/stewardapp.h"
#include "console/stewardcommands.h"

#include "platform/registry.h"
#include "toolkit/editlistbox.h"
#include "toolkit/menubutton.h"
#include "scriptedui.h"
#include "testfolder.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using platform::ui::Answer;

namespace {

class MaintenanceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_previous = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
        platform::Registry::setStoreFolder(m_store.path());
    }
    void TearDown() override
    {
        QDir::setCurrent(m_previous);
        platform::Registry::setStoreFolder({});
    }
    void writeLog() { m_dir.write(QStringLiteral("DOMORA.LOG"), "uno\r\ndue\r\ntre\r\n"); }

    TestFolder m_dir;
    TestFolder m_store;
    ScriptedUi m_ui;
    QString m_previous;
};

} // namespace

TEST_F(MaintenanceTest, EventViewerCloseBoxRewritesTheLog)
{
    writeLog();
    m_ui.on<CEventViewerDialog>([](CEventViewerDialog &d) {
        EXPECT_EQ(d.list()->items(), QStringList({"uno", "due", "tre"}));
        while (d.list()->count() > 0) {
            d.list()->setCurrentIndex(0);
            d.list()->deleteCurrent();
        }
        d.close(); // the close box
        return int(QDialog::Rejected);
    });
    commands::viewEvents(nullptr);
    EXPECT_EQ(m_dir.read(QStringLiteral("DOMORA.LOG")), "");
    EXPECT_TRUE(QFileInfo::exists(m_dir.filePath(QStringLiteral("DOMORA.LOG"))));
}

TEST_F(MaintenanceTest, EventViewerEscapeKeepsTheLog)
{
    writeLog();
    m_ui.on<CEventViewerDialog>([](CEventViewerDialog &d) {
        d.list()->setCurrentIndex(0);
        d.list()->deleteCurrent();
        d.show();
        QTest::keyClick(&d, Qt::Key_Escape);
        EXPECT_FALSE(d.isVisible());
        return d.result();
    });
    commands::viewEvents(nullptr);
    EXPECT_EQ(m_dir.read(QStringLiteral("DOMORA.LOG")), "uno\r\ndue\r\ntre\r\n");
}

TEST_F(MaintenanceTest, EventViewerKeepsAnEditInProgress)
{
    writeLog();
    CEventViewerDialog d(m_dir.filePath(QStringLiteral("DOMORA.LOG")));
    d.show();
    QListWidget *list = d.list()->listWidget();
    list->setCurrentRow(1);
    list->editItem(list->item(1));
    auto *editor = list->findChild<QLineEdit *>();
    ASSERT_TRUE(editor);
    editor->setText(QStringLiteral("due, corretto"));
    d.list()->newItem();
    list->findChildren<QLineEdit *>().last()->setText(QStringLiteral("quattro"));
    d.close();
    EXPECT_EQ(m_dir.read(QStringLiteral("DOMORA.LOG")),
              "uno\r\ndue, corretto\r\ntre\r\nquattro\r\n");
}

TEST_F(MaintenanceTest, ClearEventsAsksAndReportsAMissingLog)
{
    m_ui.answers = {Answer::Yes};
    commands::clearEvents(nullptr);
    ASSERT_EQ(m_ui.messages.size(), 2);
    EXPECT_EQ(m_ui.messages[0].text, "Desideri cancellare il file di registrazione degli eventi?");
    EXPECT_EQ(m_ui.messages[0].buttons, platform::ui::Buttons::YesNo);
    EXPECT_EQ(m_ui.messages[1].text,
              "Errore durante la cancellazione del file di registrazione degli eventi.");

    writeLog();
    m_ui.messages.clear();
    m_ui.answers = {Answer::No};
    commands::clearEvents(nullptr);
    EXPECT_EQ(m_dir.read(QStringLiteral("DOMORA.LOG")), "uno\r\ndue\r\ntre\r\n");
    m_ui.answers = {Answer::Yes};
    commands::clearEvents(nullptr);
    EXPECT_EQ(m_ui.messages.size(), 2);
    EXPECT_EQ(QFileInfo(m_dir.filePath(QStringLiteral("DOMORA.LOG"))).size(), 0);
}

TEST_F(MaintenanceTest, CopyEventsToTheChosenFile)
{
    writeLog();
    const QString target = m_dir.filePath(QStringLiteral("copia"));
    m_ui.on<QFileDialog>([target](QFileDialog &d) {
        EXPECT_EQ(d.acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(d.defaultSuffix(), "log");
        d.selectFile(target + QStringLiteral(".log"));
        return int(QDialog::Accepted);
    });
    commands::copyEvents(nullptr);
    EXPECT_EQ(m_dir.read(QStringLiteral("copia.log")), "uno\r\ndue\r\ntre\r\n");
    QFile::remove(m_dir.filePath(QStringLiteral("DOMORA.LOG")));
    commands::copyEvents(nullptr);
    EXPECT_EQ(m_ui.texts(),
              QStringList({"Errore durante la copia del file di registro degli eventi."}));
}

TEST_F(MaintenanceTest, SaveConfigurationOnlyCustomisations)
{
    platform::Registry reg(QStringLiteral("Domora"));
    reg.writeInt(QStringLiteral("Interface"), QStringLiteral("QuickCustom"), 0);
    reg.writeInt(QStringLiteral("Settings"), QStringLiteral("LogLevel"), 3);
    reg.sync();
    const QString target = m_dir.filePath(QStringLiteral("mia.reg"));
    m_ui.on<CSaveConfigDialog>([target](CSaveConfigDialog &d) {
        auto *save = d.findChild<QPushButton *>(QStringLiteral("1"));
        EXPECT_FALSE(save->isEnabled());
        d.findChild<QLineEdit *>(QStringLiteral("1028"))->setText(target);
        EXPECT_TRUE(save->isEnabled());
        d.findChildren<QCheckBox *>().first()->setChecked(true);
        return int(QDialog::Accepted);
    });
    commands::saveConfiguration(nullptr);
    const QString text = QString::fromUtf8(m_dir.read(QStringLiteral("mia.reg")));
    EXPECT_TRUE(text.contains(QStringLiteral("QuickCustom")));
    EXPECT_FALSE(text.contains(QStringLiteral("LogLevel")));
    EXPECT_TRUE(m_ui.messages.isEmpty());
}

TEST_F(MaintenanceTest, ConfigurationFailuresKeepTheirMessages)
{
    m_ui.on<CSaveConfigDialog>([this](CSaveConfigDialog &d) {
        d.findChild<QLineEdit *>(QStringLiteral("1028"))
            ->setText(m_dir.filePath(QStringLiteral("no/such/folder.reg")));
        return int(QDialog::Accepted);
    });
    const QString bad = m_dir.write(QStringLiteral("bad.reg"), "REGEDIT? no");
    m_ui.on<QFileDialog>([bad](QFileDialog &d) {
        d.selectFile(bad);
        return int(QDialog::Accepted);
    });
    commands::saveConfiguration(nullptr);
    commands::addConfiguration(nullptr);
    EXPECT_EQ(m_ui.texts(), QStringList({"Errore durante l'esportazione delle informazioni dal "
                                         "registro di configurazione.",
                                         "Errore durante l'importazione delle informazioni dal "
                                         "registro di configurazione."}));
}

TEST_F(MaintenanceTest, RestoreDefaultsNeedsABoxAndDeletesTheChosenKeys)
{
    platform::Registry reg(QStringLiteral("Domora"));
    reg.writeInt(QStringLiteral("Interface"), QStringLiteral("A"), 1);
    reg.writeInt(QStringLiteral("Settings"), QStringLiteral("B"), 1);
    reg.writeString(QStringLiteral("Recent File List"), QStringLiteral("File1"),
                    QStringLiteral("x"));
    reg.sync();
    m_ui.on<CRestoreDefaultsDialog>([](CRestoreDefaultsDialog &d) {
        auto *ok = d.findChild<QPushButton *>(QStringLiteral("1"));
        const QList<QCheckBox *> boxes = d.findChildren<QCheckBox *>();
        EXPECT_EQ(boxes.size(), 3);
        EXPECT_FALSE(ok->isEnabled());
        boxes[0]->setChecked(true);
        EXPECT_TRUE(ok->isEnabled());
        boxes[0]->setChecked(false);
        EXPECT_FALSE(ok->isEnabled());
        boxes[2]->setChecked(true);
        return int(QDialog::Accepted);
    });
    commands::restoreDefaultConfiguration(nullptr);
    platform::Registry after(QStringLiteral("Domora"));
    EXPECT_TRUE(after.keyExists(QStringLiteral("Interface")));
    EXPECT_TRUE(after.keyExists(QStringLiteral("Settings")));
    EXPECT_FALSE(after.keyExists(QStringLiteral("Recent File List")));
}

TEST(StewardWindow, ButtonsDropDownTheirCommands)
{
    CStewardDialog window;
    const toolkit::MenuButton *report = window.button(1000);
    ASSERT_TRUE(report);
    QStringList texts;
    for (const QAction *a : report->commandMenu()->actions())
        texts << a->text();
    EXPECT_EQ(texts, QStringList({"&Creazione guidata di un rapporto...",
                                  "&Visualizzatore degli eventi...", "C&ancella eventi registrati",
                                  "Crea una c&opia degli eventi..."}));
    QSignalSpy chosen(&window, &CStewardDialog::commandChosen);
    emit window.button(1001)->commandChosen(0); // the menu was dismissed
    EXPECT_TRUE(chosen.isEmpty());
    emit window.button(1003)->commandChosen(commands::EditRoomStyles);
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toInt(), commands::EditRoomStyles);
}

TEST(StewardWindow, AboutBoxTexts)
{
    ScriptedUi ui;
    QStringList seen;
    ui.on<QDialog>([&seen](QDialog &d) {
        seen << d.windowTitle();
        for (const QLabel *l : d.findChildren<QLabel *>())
            seen << l->text();
        return int(QDialog::Accepted);
    });
    CStewardDialog window;
    window.findChild<QToolButton *>(QStringLiteral("about"))->click();
    EXPECT_TRUE(seen.contains("Informazioni sulla Management Console"));
    EXPECT_TRUE(seen.contains("Domora Management Console"));
    EXPECT_TRUE(seen.contains("Versione 1.0.1,5 (per Domora 1.0.0)"));
}

TEST(StewardStart, WithoutTheLanguageLibraryTheConsoleEndsSilently)
{
    ScriptedUi ui;
    TestFolder empty;
    EXPECT_NE(steward::run(empty.path() + u'/'), 0);
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_TRUE(ui.unexpectedDialogs.isEmpty());
    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
}

TEST(StewardStart, WithTheLanguageLibraryTheMainWindowRunsInTheProgramFolder)
{
    const QString previous = QDir::currentPath();
    TestFolder folder;
    ASSERT_TRUE(QFile::copy(QStringLiteral(DOMORA_PROGRAM_DIR "/localepack.so"),
                            folder.filePath(QStringLiteral("localepack.so"))));
    ScriptedUi ui;
    QString currentWhileShown;
    ui.on<CStewardDialog>([&currentWhileShown](CStewardDialog &d) {
        currentWhileShown = QDir::currentPath();
        EXPECT_EQ(d.windowTitle(), "Domora Management Console");
        return int(QDialog::Accepted);
    });
    EXPECT_EQ(steward::run(folder.path() + u'/'), 0);
    QDir::setCurrent(previous);
    EXPECT_EQ(QFileInfo(currentWhileShown).canonicalFilePath(),
              QFileInfo(folder.path()).canonicalFilePath());
    EXPECT_TRUE(ui.unexpectedDialogs.isEmpty());
}
