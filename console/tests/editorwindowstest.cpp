#include "console/cbugreportwizard.h"
#include "console/cfinddialog.h"
#include "console/cstyleeditordialog.h"
#include "console/stewardcommands.h"
#include "console/styletemplates.h"

#include "platform/registry.h"
#include "toolkit/colorbutton.h"
#include "scriptedui.h"
#include "testfolder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QToolButton>

#include <gtest/gtest.h>

using styles::LibraryKind;

namespace {

class StyleEditorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_previous = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
    }
    void TearDown() override { QDir::setCurrent(m_previous); }

    // Opens the editor through its menu command and lets `edit` work on it.
    void edit(int command, std::function<void(CStyleEditorDialog &)> work)
    {
        m_ui.on<CStyleEditorDialog>([work](CStyleEditorDialog &d) {
            d.show();
            work(d);
            return d.result();
        });
        commands::run(command, nullptr);
    }
    static void click(QWidget &parent, const char *id)
    {
        auto *b = parent.findChild<QAbstractButton *>(QLatin1String(id));
        ASSERT_TRUE(b) << id;
        b->click();
    }
    static void choose(QComboBox *combo, const QString &text)
    {
        const int index = combo->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }

    TestFolder m_dir;
    ScriptedUi m_ui;
    QString m_previous;
};

} // namespace

TEST_F(StyleEditorTest, MissingLibraryShowsTheReadErrorAndNoEditor)
{
    m_ui.on<CStyleEditorDialog>([](CStyleEditorDialog &) {
        ADD_FAILURE() << "the editor opened";
        return int(QDialog::Rejected);
    });
    commands::run(commands::EditRoomStyles, nullptr);
    EXPECT_EQ(m_ui.texts(), QStringList({"Errore durante la lettura del file degli stili (1)."}));
    EXPECT_FALSE(QFileInfo::exists(m_dir.filePath(QStringLiteral("rooms.fps"))));
}

TEST_F(StyleEditorTest, HeaderOnAnEmptyRoomsLibraryIsTheTemplate)
{
    m_dir.write(QStringLiteral("rooms.fps"), "");
    edit(commands::EditRoomStyles, [](CStyleEditorDialog &d) {
        EXPECT_TRUE(d.findChild<QPushButton *>(QStringLiteral("1013"))->isEnabled());
        click(d, "3");
        EXPECT_EQ(d.text(), styletemplates::header(LibraryKind::Rooms));
        click(d, "1"); // "&Salva"
    });
    QString expected = styletemplates::header(LibraryKind::Rooms);
    expected.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    EXPECT_EQ(m_dir.read(QStringLiteral("rooms.fps")), expected.toLatin1());
}

TEST_F(StyleEditorTest, HeaderGoesInFrontAndBlocksAtTheCaret)
{
    m_dir.write(QStringLiteral("walls.fps"), "uno\r\ndue\r\n");
    edit(commands::EditWallStyles, [](CStyleEditorDialog &d) {
        EXPECT_FALSE(d.findChild<QPushButton *>(QStringLiteral("1013"))->isEnabled());
        QTextCursor c = d.editor()->textCursor();
        c.movePosition(QTextCursor::End);
        d.editor()->setTextCursor(c);
        click(d, "3");
        EXPECT_TRUE(d.text().startsWith(styletemplates::header(LibraryKind::Walls) + "uno\n"));
        click(d, "4");
        EXPECT_TRUE(d.text().endsWith("due\n" + styletemplates::style(LibraryKind::Walls)));
        d.editor()->undo();
        EXPECT_TRUE(d.text().endsWith("due\n"));
        click(d, "2"); // "Annulla" writes nothing
    });
    EXPECT_EQ(m_dir.read(QStringLiteral("walls.fps")), "uno\r\ndue\r\n");
}

TEST_F(StyleEditorTest, ChoosersInsertTheirValues)
{
    m_dir.write(QStringLiteral("walls.fps"), "");
    edit(commands::EditWallStyles, [](CStyleEditorDialog &d) {
        auto *colour = d.findChild<toolkit::ColorButton *>(QStringLiteral("1004"));
        colour->showPalette();
        QToolButton *red = nullptr;
        for (QToolButton *swatch : colour->findChildren<QToolButton *>()) {
            if (swatch->toolTip() == QLatin1String("Rosso"))
                red = swatch;
        }
        ASSERT_TRUE(red);
        red->click();
        EXPECT_EQ(d.text(), "255,255,0,0");
        d.editor()->clear();
        colour->showPalette();
        colour->findChild<QPushButton *>(QStringLiteral("automatic"))->click();
        EXPECT_EQ(d.text(), "255,0,0,0");
        d.editor()->clear();
        choose(d.findChild<QComboBox *>(QStringLiteral("1006")), QStringLiteral("Onda"));
        EXPECT_EQ(d.text(), "37");
        d.editor()->selectAll(); // an insertion replaces the selection
        choose(d.findChild<QComboBox *>(QStringLiteral("1008")),
               QStringLiteral("Texture o immagine"));
        EXPECT_EQ(d.text(), "1125");
    });
}

TEST_F(StyleEditorTest, LineFieldGoesToTheLineOrFindsTheWord)
{
    m_dir.write(QStringLiteral("rooms.fps"), "zero\r\nuno\r\ndue\r\ntre brush\r\nquattro\r\n");
    edit(commands::EditRoomStyles, [](CStyleEditorDialog &d) {
        auto *field = d.findChild<QLineEdit *>(QStringLiteral("1051"));
        field->setText(QStringLiteral("3"));
        click(d, "1032");
        EXPECT_EQ(d.editor()->textCursor().blockNumber(), 3);
        EXPECT_EQ(d.editor()->textCursor().positionInBlock(), 0);
        EXPECT_EQ(d.lineCounterText(), "Linea: 4 di 5");

        field->setText(QStringLiteral("brush"));
        click(d, "1032");
        EXPECT_EQ(d.editor()->textCursor().selectedText(), "brush");
        field->setText(QStringLiteral("Brush")); // case matters: a miss keeps the selection
        click(d, "1032");
        EXPECT_EQ(d.editor()->textCursor().selectedText(), "brush");
    });
}

TEST_F(StyleEditorTest, FindDialogSearchesForwards)
{
    m_dir.write(QStringLiteral("rooms.fps"), "fill\r\nFILL\r\nfillx fill\r\n");
    m_ui.on<CFindDialog>([](CFindDialog &d) {
        d.findChild<QLineEdit *>()->setText(QStringLiteral("fill"));
        const QList<QCheckBox *> boxes = d.findChildren<QCheckBox *>();
        boxes[0]->setChecked(true); // match case
        boxes[1]->setChecked(true); // whole words
        return int(QDialog::Accepted);
    });
    edit(commands::EditRoomStyles, [](CStyleEditorDialog &d) {
        QTextCursor c = d.editor()->textCursor();
        c.setPosition(1);
        d.editor()->setTextCursor(c);
        click(d, "1031");
        EXPECT_EQ(d.editor()->textCursor().selectionStart(), 16); // the last "fill"
    });
}

TEST_F(StyleEditorTest, RevertAndEditingButtons)
{
    m_dir.write(QStringLiteral("walls.fps"), "// stili\r\nfill = 0\r\n");
    edit(commands::EditWallStyles, [](CStyleEditorDialog &d) {
        auto *cut = d.findChild<QToolButton *>(QStringLiteral("1048"));
        EXPECT_FALSE(cut->isEnabled());
        d.editor()->selectAll();
        EXPECT_TRUE(cut->isEnabled());
        click(d, "1047"); // delete
        EXPECT_EQ(d.text(), "");
        QTest::keyClicks(d.editor(), QStringLiteral("altro"));
        click(d, "1049"); // revert
        EXPECT_EQ(d.text(), "// stili\nfill = 0\n");
    });
}

TEST_F(StyleEditorTest, FailedSaveKeepsTheEditorOpen)
{
    m_dir.write(QStringLiteral("walls.fps"), "x\r\n");
    edit(commands::EditWallStyles, [this](CStyleEditorDialog &d) {
        QDir(m_dir.path()).removeRecursively(); // the folder is gone: nothing can be written
        click(d, "1");
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(d.text(), "x\n");
        d.reject();
    });
    EXPECT_EQ(m_ui.texts(), QStringList({"Errore durante la scrittura del file degli stili (1)."}));
}

namespace {

// A stub "xdg-email" first on PATH that records its arguments.
class MailStub
{
public:
    MailStub() : m_oldPath(qgetenv("PATH"))
    {
        const QString script =
            QStringLiteral("#!/bin/sh\nfor a in \"$@\"; do printf '%s\\0' \"$a\"; done > '%1'\n")
                .arg(m_dir.filePath(QStringLiteral("args.bin")));
        const QString path = m_dir.write(QStringLiteral("bin/xdg-email"), script.toUtf8());
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH",
                QFile::encodeName(m_dir.filePath(QStringLiteral("bin"))) + ":/usr/bin:/bin");
    }
    ~MailStub() { qputenv("PATH", m_oldPath); }
    [[nodiscard]] bool called() const
    {
        return QFileInfo::exists(m_dir.filePath(QStringLiteral("args.bin")));
    }
    [[nodiscard]] QStringList arguments() const
    {
        QStringList args;
        for (const QByteArray &a : m_dir.read(QStringLiteral("args.bin")).split('\0'))
            args << QString::fromUtf8(a);
        args.removeLast();
        return args;
    }

private:
    TestFolder m_dir;
    QByteArray m_oldPath;
};

} // namespace

TEST(BugReportWizard, FinishSendsTheReportToTheSupportAddress)
{
    TestFolder store;
    platform::Registry::setStoreFolder(store.path());
    MailStub stub;
    ScriptedUi ui;
    ui.on<CBugReportWizard>([](CBugReportWizard &w) {
        SystemInfo info;
        info.computerName = QStringLiteral("agenzia");
        w.configurationPage()->setSystemInfo(info);
        w.activityPage()->activity->setPlainText(QStringLiteral("stampavo"));
        w.errorPage()->action->setPlainText(QStringLiteral("Ctrl+P"));
        w.behaviourPage()->comments->setPlainText(QStringLiteral("è urgente"));
        w.configurationPage()->findChild<QCheckBox *>(QStringLiteral("1034"))->setChecked(true);
        return int(QDialog::Accepted);
    });
    commands::run(commands::BugReport, nullptr);
    platform::Registry::setStoreFolder({});
    EXPECT_TRUE(ui.messages.isEmpty());
    const QStringList args = stub.arguments();
    ASSERT_EQ(args.size(), 6);
    EXPECT_EQ(args[2], "DOMORA: rapporto sugli errori");
    EXPECT_EQ(args[4], "\n----- ATTIVITA' IN CORSO\nstampavo\n----- ERRORE\n\tazione in corso: "
                       "Ctrl+P\n\tmessaggi d'errore: \n\tsituazione: \n----- EFFETTI "
                       "DELL'ERRORE\n\tdoveva fare: \n\tha fatto: \n\tcommenti: è urgente");
    EXPECT_EQ(args[5], "supporto@velmar.it");
}

TEST(BugReportWizard, ReportCarriesTheSystemInformationUnlessLeftOut)
{
    CBugReportWizard wizard;
    SystemInfo info;
    info.computerName = QStringLiteral("agenzia");
    wizard.configurationPage()->setSystemInfo(info);
    EXPECT_TRUE(wizard.report().text().startsWith("----- INFORMAZIONI SUL PC\nNome del computer: "
                                                  "agenzia\r\nNome dell'utente: \r\n\r\n"));
    EXPECT_EQ(wizard.pageIds().size(), 6);
    EXPECT_EQ(wizard.windowTitle(), "Rapporto sugli errori");
    EXPECT_EQ(wizard.page(wizard.pageIds().at(3))->title(), "Descrizione dell'errore");
}

TEST(BugReportWizard, CancelSendsNothing)
{
    MailStub stub;
    ScriptedUi ui;
    ui.on<CBugReportWizard>([](CBugReportWizard &) { return int(QDialog::Rejected); });
    commands::run(commands::BugReport, nullptr);
    EXPECT_FALSE(stub.called());
    EXPECT_TRUE(ui.messages.isEmpty());
}
