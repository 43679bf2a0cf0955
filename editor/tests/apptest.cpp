#include "apptestutil.h"

#include "editor/cmainframe.h"
#include "editor/documentmanager.h"
#include "editor/editoroptions.h"
#include "editor/plandocument.h"
#include "editor/strings.h"
#include "model/cdomoradoc.h"
#include "toolkit/neworopendialog.h"

#include <QApplication>
#include <QDialog>
#include <QListWidget>

namespace {

const QString settings = QStringLiteral("Settings");

using StartupTest = AppFixture;

TEST_F(StartupTest, EveryStepIsLoggedInOrderAtLevelThree)
{
    reg().writeInt(settings, QStringLiteral("LogLevel"), 3);
    reg().writeInt(QStringLiteral("Interface"), QStringLiteral("EnableUserTools"), 0);
    ASSERT_TRUE(start()) << m_messages.join(u'|').toStdString()
                         << logLines().join(u'|').toStdString();
    m_app->ExitInstance();
    EXPECT_EQ(
        logLines(),
        (QStringList{"Controlli comuni inizializzati", "Impostazioni comuni caricate dal registro",
                     "Gestori caricati ed inizializzati con successo",
                     "Menu tear off inizializzati con successo",
                     "Strumenti definiti dall'utente inizializzati con successo",
                     "Immagini personalizzate non caricate",
                     "Gestione dei documenti e registrazione dei file completata con successo",
                     "Libreria GDI+ inizializzata con successo",
                     "Inizializzazione dell'applicazione terminata, Domora è stato avviato",
                     "Terminazione dell'applicazione completata"}));
    // Without "tbar.bmp" the custom images are missed once, and the editor runs on.
    EXPECT_EQ(m_messages.size(), 1);
    EXPECT_FALSE(m_ended.has_value());
}

TEST_F(StartupTest, FilterAtOneWritesOnlyErrors)
{
    ASSERT_TRUE(start()) << m_messages.join(u'|').toStdString()
                         << logLines().join(u'|').toStdString(); // LogLevel defaults to 1
    m_app->ExitInstance();
    EXPECT_TRUE(logLines().isEmpty());

    m_app.reset();
    reg().writeInt(QString(), QStringLiteral("AlwaysStop"), 1);
    m_messages.clear();
    EXPECT_FALSE(start());
    EXPECT_EQ(logLines(), QStringList{"Esecuzione disabilitata!"});
    EXPECT_EQ(m_messages,
              QStringList{"Questo programma è stato disabilitato localmente e non può essere "
                          "eseguito!"});
    EXPECT_NE(m_app->ExitInstance(), 0);
}

TEST_F(StartupTest, MissingLanguageLibraryEndsStartup)
{
    reg().writeString(QStringLiteral("Interface"), QStringLiteral("LocaleLib"),
                      m_folder.filePath(QStringLiteral("nothing.so")));
    EXPECT_FALSE(start());
    EXPECT_EQ(m_messages, QStringList{editorString(strings::LocalePackMissing)});
    EXPECT_EQ(logLines(), QStringList{editorString(strings::LocalePackMissing)});
    EXPECT_EQ(m_app->mainFrame(), nullptr);
}

TEST_F(StartupTest, NewExecutableErasesLayoutOnlyWithoutDocumentOnCommandLine)
{
    const QString layout = QStringLiteral("Interface\\ToolBars");
    reg().writeString(settings, QStringLiteral("ExeTimeStamp"),
                      QStringLiteral("Mon Jan 01 00:00:00 2001"));
    reg().writeInt(layout, QStringLiteral("Visible"), 1);
    // A document named on the command line: the check is skipped (the plan
    // itself does not exist, so start-up then stops).
    EXPECT_FALSE(start({m_folder.filePath(QStringLiteral("assente.fpd"))}));
    EXPECT_TRUE(reg().keyExists(layout));
    m_app->ExitInstance();
    m_app.reset();

    ASSERT_TRUE(start()) << m_messages.join(u'|').toStdString()
                         << logLines().join(u'|').toStdString();
    EXPECT_FALSE(reg().keyExists(layout));
    EXPECT_NE(reg().readString(settings, QStringLiteral("ExeTimeStamp")),
              QStringLiteral("Mon Jan 01 00:00:00 2001"));
}

TEST_F(StartupTest, OptionsAreReadAndWrittenBackWithoutTheTwo)
{
    reg().writeInt(settings, QStringLiteral("ForceInside2"), 0);
    reg().writeInt(settings, QStringLiteral("Performance"), 2);
    ASSERT_TRUE(start()) << m_messages.join(u'|').toStdString()
                         << logLines().join(u'|').toStdString();
    EXPECT_EQ(editorOptions().ForceInside, 0);
    EXPECT_EQ(editorOptions().Performance, 2);
    editorOptions().Performance = 4;
    m_app->ExitInstance();
    EXPECT_EQ(reg().readInt(settings, QStringLiteral("ForceInside"), 9), 0);
    EXPECT_EQ(reg().readInt(settings, QStringLiteral("Performance"), 9), 4);
    EXPECT_EQ(reg().readDefault(QString()), QCoreApplication::applicationFilePath());
}

// What each quit mode leaves behind: whether the options were written, the
// closing log line, and how the process ended.
struct QuitCase
{
    int mode;
    bool optionsWritten;
    bool finalLine;
    bool endedAtOnce;
};

class QuitModeTest : public AppFixture, public ::testing::WithParamInterface<QuitCase>
{
};

TEST_P(QuitModeTest, ShutdownStopsWhereTheModeSays)
{
    const QuitCase c = GetParam();
    reg().writeInt(settings, QStringLiteral("QuitMode"), c.mode);
    reg().writeInt(settings, QStringLiteral("LogLevel"), 3);
    ASSERT_TRUE(start()) << m_messages.join(u'|').toStdString()
                         << logLines().join(u'|').toStdString();
    editorOptions().MouseStep = 77;
    m_app->ExitInstance();
    EXPECT_EQ(reg().readInt(settings, QStringLiteral("MouseStep"), 0) == 77, c.optionsWritten);
    EXPECT_EQ(logLines().contains("Terminazione dell'applicazione completata"), c.finalLine);
    EXPECT_EQ(m_ended.has_value(), c.endedAtOnce);
    if (m_ended) {
        EXPECT_EQ(*m_ended, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, QuitModeTest,
                         ::testing::Values(QuitCase{0, true, true, false},
                                           QuitCase{1, false, false, true},
                                           QuitCase{2, true, false, true},
                                           QuitCase{3, true, true, true},
                                           QuitCase{4, true, true, false}));

TEST_F(StartupTest, ExitCommandFollowsTheQuitMode)
{
    reg().writeInt(settings, QStringLiteral("QuitMode"), 5);
    ASSERT_TRUE(start()) << m_messages.join(u'|').toStdString()
                         << logLines().join(u'|').toStdString();
    editorOptions().MouseStep = 61;
    m_app->OnAppExit(); // nothing happens in mode 5
    EXPECT_FALSE(m_ended.has_value());
    EXPECT_TRUE(m_app->mainFrame()->isVisible());
    // Closing the window asks about the plans and ends the process.
    EXPECT_FALSE(m_app->canCloseMainWindow());
    EXPECT_EQ(m_ended, 0);

    m_ended.reset();
    reg().writeInt(settings, QStringLiteral("QuitMode"), 4);
    m_app->OnAppExit();
    EXPECT_EQ(m_ended, 0);
    EXPECT_EQ(reg().readInt(settings, QStringLiteral("MouseStep"), 0), 61);
}

TEST_F(StartupTest, CancelAtTheSaveQuestionKeepsTheEditorRunning)
{
    reg().writeInt(settings, QStringLiteral("QuitMode"), 4);
    ASSERT_TRUE(start()) << m_messages.join(u'|').toStdString()
                         << logLines().join(u'|').toStdString();
    m_app->OnFileNewPlain();
    ASSERT_EQ(m_app->documents()->documents().size(), 1u);
    m_app->documents()->documents().front()->setModified(true);
    m_messages.clear();
    m_answer = platform::ui::Answer::Cancel;
    m_app->OnAppExit();
    EXPECT_EQ(m_messages.size(), 1);
    EXPECT_FALSE(m_ended.has_value());
    reg().writeInt(settings, QStringLiteral("QuitMode"), 5);
    EXPECT_FALSE(m_app->canCloseMainWindow());
    EXPECT_FALSE(m_ended.has_value());
}

TEST_F(StartupTest, PlacardWarningRemembersTheAnswer)
{
    ASSERT_TRUE(start()) << m_messages.join(u'|').toStdString()
                         << logLines().join(u'|').toStdString();
    platform::ui::setDialogResponder([](QDialog &dialog) {
        // The start dialog: the third "new" item, "Cartello".
        auto &start = dynamic_cast<toolkit::NewOrOpenDialog &>(dialog);
        EXPECT_EQ(start.newItems()->count(), 4);
        EXPECT_EQ(start.newItems()->item(0)->text(), "Creazione guidata");
        start.newItems()->setCurrentRow(2);
        start.acceptCurrent();
        return start.result();
    });
    m_answer = platform::ui::Answer::No;
    m_messages.clear();
    m_app->OnFileNew();
    ASSERT_EQ(m_messages.size(), 1);
    EXPECT_TRUE(m_messages.front().startsWith("E' sempre consigliabile utilizzare Domora"));
    EXPECT_EQ(reg().readInt(settings, QStringLiteral("WarningForPlacards"), 9), 0);
    ASSERT_EQ(m_app->documents()->documents().size(), 1u);
    EXPECT_EQ(m_app->documents()->documents().front()->doc().GetDocType(), 1);
    // No more warnings now.
    m_messages.clear();
    m_app->OnFileNew();
    EXPECT_TRUE(m_messages.isEmpty());
    EXPECT_EQ(m_app->documents()->documents().size(), 2u);
}

} // namespace
