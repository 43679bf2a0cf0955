#include "notepad/cchildframe.h"
#include "notepad/cjotterapp.h"
#include "notepad/cjotterdoc.h"
#include "notepad/cjotterview.h"
#include "notepad/cmainframe.h"
#include "notepad/findreplacedialog.h"
#include "notepad/jottercommands.h"
#include "notepad/jotterstrings.h"

#include "platform/messagebox.h"
#include "platform/paths.h"
#include "platform/registry.h"
#include "toolkit/commandids.h"
#include "toolkit/contextmenumanager.h"
#include "toolkit/languagelibrary.h"
#include "toolkit/menubar.h"
#include "toolkit/popupmenu.h"
#include "toolkit/toolbar.h"
#include "toolkit/workspace.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QLineEdit>
#include <QStatusBar>
#include <QMdiArea>
#include <QMimeData>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

namespace cmd = toolkit::cmd;
using platform::ui::Answer;

namespace {

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QStringList menuTitles(const CMainFrame &frame)
{
    QStringList titles;
    for (const toolkit::PopupMenu *menu : frame.toolkitMenuBar()->popups())
        titles.append(menu->title());
    return titles;
}

// Waits for pending deletions and queued calls.
void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

} // namespace

class JotterApp : public ::testing::Test
{
protected:
    void SetUp() override
    {
        platform::setProgramFolder(QStringLiteral(DOMORA_PROGRAM_DIR "/"));
        // The language library is found beside the program, as it is installed.
        platform::Registry reg(QStringLiteral("Jotter"));
        reg.deleteKey({});
        reg.sync();
        platform::ui::setMessageResponder([this](const platform::ui::MessageRequest &request) {
            messages.append(request.text);
            return answers.isEmpty() ? Answer::Ok : answers.takeFirst();
        });
        platform::ui::setDialogResponder([this](QDialog &dialog) {
            dialogs.append(dialog.metaObject()->className());
            if (auto *files = qobject_cast<QFileDialog *>(&dialog);
                files && !fileAnswer.isEmpty()) {
                files->selectFile(fileAnswer);
                return int(QDialog::Accepted);
            }
            return int(QDialog::Rejected);
        });
        originalFolder = QDir::currentPath();
    }

    void TearDown() override
    {
        if (app) {
            for (CJotterDoc *doc : app->documents())
                doc->setModified(false);
            app->exitInstance();
            app.reset();
        }
        settle();
        platform::ui::setMessageResponder({});
        platform::ui::setDialogResponder({});
        platform::setProgramFolder({});
        QDir::setCurrent(originalFolder);
    }

    bool start(const QStringList &arguments = {})
    {
        app = std::make_unique<CJotterApp>();
        return app->initInstance(arguments);
    }

    CMainFrame &frame() { return *app->mainFrame(); }
    QAction *action(int id) { return frame().commands().action(id); }
    void command(int id)
    {
        frame().routeCommand(id);
        frame().updateCommands();
        settle();
    }

    std::unique_ptr<CJotterApp> app;
    QTemporaryDir dir;
    QStringList messages;
    QList<Answer> answers;
    QStringList dialogs;
    QString fileAnswer;
    QString originalFolder;
};

TEST_F(JotterApp, StartsWithOneEmptyDocumentAndTheFullMenu)
{
    ASSERT_TRUE(start());
    ASSERT_EQ(app->documents().size(), 1);
    const CJotterDoc *doc = app->documents().first();
    EXPECT_EQ(doc->title(), "Documento1");
    EXPECT_TRUE(doc->text().isEmpty());
    EXPECT_EQ(frame().childFrames().size(), 1);
    EXPECT_EQ(frame().windowTitle(), "Jotter - Documento1");
    EXPECT_TRUE(frame().mdiTabsEnabled());
    EXPECT_EQ(menuTitles(frame()),
              QStringList({"&File", "&Modifica", "&Visualizza", "Fi&nestre", "&?"}));
    EXPECT_EQ(action(cmd::FilePrintSetup)->text(), "Imposta sta&mpante...");
    EXPECT_TRUE(messages.isEmpty());

    // The bars: standard toolbar and status bar, both shown and ticked.
    const toolkit::ToolBar *standard = frame().toolBar(cmd::ViewToolBar);
    ASSERT_NE(standard, nullptr);
    EXPECT_EQ(standard->windowTitle(), "Standard");
    EXPECT_EQ(standard->buttons(),
              QList<int>({cmd::FileNew, cmd::FileOpen, cmd::FileSave, 0, cmd::EditCut,
                          cmd::EditCopy, cmd::EditPaste, 0, cmd::FilePrint, 0, cmd::AppAbout}));
    EXPECT_TRUE(action(cmd::ViewToolBar)->isChecked());
    EXPECT_TRUE(action(cmd::ViewStatusBar)->isChecked());

    // Keys of the accelerator table.
    EXPECT_TRUE(action(cmd::EditUndo)->shortcuts().contains(QKeySequence("Alt+Backspace")));
    EXPECT_TRUE(action(cmd::EditCut)->shortcuts().contains(QKeySequence("Shift+Del")));
    EXPECT_TRUE(action(cmd::EditCopy)->shortcuts().contains(QKeySequence("Ctrl+Ins")));
    EXPECT_TRUE(action(cmd::EditPaste)->shortcuts().contains(QKeySequence("Shift+Ins")));
    EXPECT_EQ(action(cmd::NextPane)->shortcut(), QKeySequence("F6"));

    // The context menu is known to the toolkit by its name.
    const toolkit::ContextMenuManager *menus = toolkit::Workspace::instance()->contextMenuManager();
    ASSERT_NE(menus, nullptr);
    EXPECT_EQ(menus->menuId("Menu contestuale"), jottercmd::ContextMenu);
    EXPECT_EQ(menus->commandIds(jottercmd::ContextMenu),
              QList<int>({cmd::EditCut, cmd::EditCopy, cmd::EditPaste}));

    // A second new document takes the next number.
    command(cmd::FileNew);
    EXPECT_EQ(app->documents().last()->title(), "Documento2");
}

TEST_F(JotterApp, ClosingTheLastDocumentShowsTheShortMenu)
{
    ASSERT_TRUE(start());
    command(cmd::FileClose);
    EXPECT_TRUE(app->documents().isEmpty());
    EXPECT_FALSE(frame().hasDocumentMenu());
    EXPECT_EQ(menuTitles(frame()), QStringList({"&File", "&Visualizza", "&?"}));
    const QList<int> file = frame().toolkitMenuBar()->popups().first()->commandIds();
    EXPECT_TRUE(file.contains(cmd::FileNew));
    EXPECT_TRUE(file.contains(cmd::FileOpen));
    EXPECT_TRUE(file.contains(cmd::FilePrintSetup));
    EXPECT_TRUE(file.contains(cmd::FileMruFirst));
    EXPECT_TRUE(file.contains(cmd::AppExit));
    EXPECT_FALSE(file.contains(cmd::FileSave));
    EXPECT_FALSE(file.contains(cmd::FileClose));
    EXPECT_EQ(action(cmd::FilePrintSetup)->text(), "I&mpostazioni stampante...");
    EXPECT_EQ(frame().windowTitle(), "Jotter");

    // A new document brings the full menu back.
    command(cmd::FileNew);
    EXPECT_EQ(menuTitles(frame()).size(), 5);
}

TEST_F(JotterApp, MissingLanguageLibraryEndsTheProgram)
{
    platform::Registry reg(QStringLiteral("Jotter"));
    reg.writeString(QStringLiteral("Interface"), QStringLiteral("LocaleLib"),
                    dir.filePath(QStringLiteral("localepack.so")));
    reg.sync();
    EXPECT_FALSE(start());
    EXPECT_EQ(messages, QStringList({jotterstrings::text(61446)}));
    EXPECT_EQ(app->mainFrame(), nullptr);
    EXPECT_EQ(app->exitInstance(), 1);

    // A file that is no library, or a library of another kind, is just as
    // unusable.
    writeFile(dir.filePath(QStringLiteral("localepack.so")), "not a library");
    messages.clear();
    EXPECT_FALSE(start());
    EXPECT_EQ(messages.size(), 1);
    reg.writeString(QStringLiteral("Interface"), QStringLiteral("LocaleLib"),
                    QStringLiteral(DOMORA_PROGRAM_DIR "/libtoolkit.so"));
    reg.sync();
    messages.clear();
    EXPECT_FALSE(start());
    EXPECT_EQ(messages.size(), 1);
}

TEST_F(JotterApp, TheLanguageLibraryGivesTheToolkitItalian)
{
    ASSERT_TRUE(start());
    ASSERT_NE(app->languageLibrary(), nullptr);
    EXPECT_TRUE(app->languageLibrary()->isInstalled());
    EXPECT_EQ(app->languageLibrary()->path(), QStringLiteral(DOMORA_PROGRAM_DIR "/localepack.so"));
    EXPECT_EQ(app->languageLibrary()->language(), "it");
}

TEST_F(JotterApp, ClosingAModifiedDocumentAsks)
{
    ASSERT_TRUE(start());
    CJotterDoc *doc = app->documents().first();
    doc->setText(QStringLiteral("testo"));
    doc->setModified(true);

    // Cancel keeps the window; No closes it without saving.
    answers = {Answer::Cancel};
    frame().childFrames().first()->close();
    settle();
    EXPECT_EQ(messages, QStringList({"Salvare le modifiche apportate a Documento1?"}));
    EXPECT_EQ(frame().childFrames().size(), 1);

    // Yes asks for a name; cancelling that keeps the window too.
    answers = {Answer::Yes};
    frame().childFrames().first()->close();
    settle();
    EXPECT_EQ(dialogs, QStringList({"QFileDialog"}));
    EXPECT_EQ(frame().childFrames().size(), 1);

    // Yes with a name saves and closes.
    fileAnswer = dir.filePath(QStringLiteral("nota"));
    answers = {Answer::Yes};
    frame().childFrames().first()->close();
    settle();
    EXPECT_TRUE(frame().childFrames().isEmpty());
    EXPECT_EQ(readFile(dir.filePath(QStringLiteral("nota.txt"))), "testo");
    EXPECT_EQ(app->recentFiles().files(), QStringList({dir.filePath(QStringLiteral("nota.txt"))}));
}

TEST_F(JotterApp, ExitAsksAboutEveryDocumentBeforeClosingAny)
{
    ASSERT_TRUE(start());
    command(cmd::FileNew);
    for (CJotterDoc *doc : app->documents()) {
        doc->setText(QStringLiteral("x"));
        doc->setModified(true);
    }
    answers = {Answer::No, Answer::Cancel};
    command(cmd::AppExit);
    EXPECT_EQ(messages.size(), 2);
    EXPECT_EQ(frame().childFrames().size(), 2);
    EXPECT_TRUE(frame().isVisible());

    answers = {Answer::No, Answer::No};
    command(cmd::AppExit);
    EXPECT_TRUE(frame().childFrames().isEmpty());
    EXPECT_FALSE(frame().isVisible());
}

TEST_F(JotterApp, OpenSaveAndRecentFiles)
{
    const QString crlf = dir.filePath(QStringLiteral("dos.txt"));
    const QString utf8 = dir.filePath(QStringLiteral("accenti.txt"));
    writeFile(crlf, "riga uno\r\nriga due\r\n");
    writeFile(utf8, "perché è così\n");
    ASSERT_TRUE(start({crlf, utf8}));
    ASSERT_EQ(app->documents().size(), 2);
    EXPECT_EQ(app->documents()[0]->title(), "dos.txt");
    EXPECT_EQ(app->documents()[0]->text(), "riga uno\nriga due\n");
    EXPECT_EQ(app->recentFiles().files(), QStringList({utf8, crlf}));
    EXPECT_EQ(frame().windowTitle(), "Jotter - accenti.txt");

    // The same file again only brings its window forward.
    EXPECT_EQ(app->openDocument(crlf), app->documents()[0]);
    EXPECT_EQ(app->documents().size(), 2);
    EXPECT_EQ(frame().activeView()->doc().title(), "dos.txt");

    // Typing and saving keeps CR LF.
    CJotterView *view = frame().activeView();
    view->moveCursor(QTextCursor::End);
    QTest::keyClicks(view, "tre");
    QTest::keyClick(view, Qt::Key_Return);
    command(cmd::FileSave);
    EXPECT_EQ(readFile(crlf), "riga uno\r\nriga due\r\ntre\r\n");
    EXPECT_FALSE(app->documents()[0]->isModified());

    // Recent files from the File menu; a vanished file leaves the list.
    command(cmd::FileClose);
    EXPECT_EQ(app->documents().size(), 1);
    command(cmd::FileMruFirst + 1);
    EXPECT_EQ(app->documents().size(), 2);
    QFile::remove(utf8);
    command(cmd::FileClose); // the active one: dos.txt
    command(cmd::FileClose);
    ASSERT_TRUE(app->documents().isEmpty());
    EXPECT_EQ(app->recentFiles().file(0), crlf);
    command(cmd::FileMruFirst + 1);
    EXPECT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.value(0).startsWith("Impossibile aprire il documento"));
    EXPECT_EQ(app->recentFiles().files(), QStringList({crlf}));
    EXPECT_TRUE(action(cmd::FileMruFirst)->isEnabled());
    EXPECT_FALSE(action(cmd::FileMruFirst + 1)->isEnabled());
    EXPECT_EQ(platform::Registry(QStringLiteral("Jotter"))
                  .readString(QStringLiteral("Recent File List"), QStringLiteral("File1")),
              crlf);
}

TEST_F(JotterApp, ACharacterOutsideTheCodePageAsksBeforeUtf8)
{
    const QString path = dir.filePath(QStringLiteral("vecchio.txt"));
    writeFile(path, "caff\xe8\n");
    ASSERT_TRUE(start({path}));
    CJotterView *view = frame().activeView();
    view->moveCursor(QTextCursor::End);
    view->insertPlainText(QStringLiteral("→"));
    answers = {Answer::Cancel};
    command(cmd::FileSave);
    EXPECT_EQ(messages.size(), 1);
    EXPECT_EQ(readFile(path), "caff\xe8\n");
    EXPECT_TRUE(app->documents().first()->isModified());
    answers = {Answer::Ok};
    command(cmd::FileSave);
    EXPECT_EQ(readFile(path), "caffè\n→") << messages.join("|").toStdString();
    EXPECT_EQ(app->documents().first()->format().encoding, jottertext::Encoding::Utf8);
}

TEST_F(JotterApp, UnreadableFilesOnTheCommandLine)
{
    ASSERT_TRUE(start({dir.filePath(QStringLiteral("manca.txt"))}));
    EXPECT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.value(0).contains("Il file non esiste."));
    EXPECT_TRUE(app->documents().isEmpty());
    EXPECT_FALSE(frame().hasDocumentMenu());
    EXPECT_TRUE(frame().isVisible());
}

TEST_F(JotterApp, PrintToAnUnknownPrinterEndsWithAMessage)
{
    const QString path = dir.filePath(QStringLiteral("a.txt"));
    writeFile(path, "a");
    EXPECT_FALSE(start({"/pt", path, "Nessuna stampante così", "driver", "porta"}));
    EXPECT_EQ(messages,
              QStringList({"La stampante \"Nessuna stampante così\" non è disponibile."}));
    EXPECT_EQ(app->exitInstance(), 1);
}

TEST_F(JotterApp, PrintingFromTheCommandLineWithoutPrinters)
{
    if (!QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "this machine has printers";
    const QString path = dir.filePath(QStringLiteral("a.txt"));
    writeFile(path, "a");
    EXPECT_FALSE(start({"/p", path}));
    EXPECT_EQ(messages, QStringList({jotterstrings::text(jotterstrings::NoPrinters)}));
    EXPECT_EQ(app->exitInstance(), 1);
}

TEST_F(JotterApp, TheLayoutComesBackAtTheNextStart)
{
    ASSERT_TRUE(start());
    toolkit::ToolBar *mine = frame().createUserToolBar(QStringLiteral("Mia barra"));
    ASSERT_NE(mine, nullptr);
    mine->setButtons({cmd::FileNew, cmd::EditFind});
    command(cmd::AppExit);
    app->exitInstance();
    app.reset();
    settle();

    ASSERT_TRUE(start());
    const QList<toolkit::ToolBar *> bars = frame().userToolBars();
    ASSERT_EQ(bars.size(), 1);
    EXPECT_EQ(bars[0]->windowTitle(), "Mia barra");
    EXPECT_EQ(bars[0]->buttons(), QList<int>({cmd::FileNew, cmd::EditFind}));
    EXPECT_TRUE(action(jottercmd::UserToolBarFirst)->isEnabled());
}

TEST_F(JotterApp, UserToolBarCommandsEnableAndTick)
{
    ASSERT_TRUE(start());
    const int first = jottercmd::UserToolBarFirst;
    for (int id = first; id <= jottercmd::UserToolBarLast; ++id)
        EXPECT_FALSE(action(id)->isEnabled()) << id;

    toolkit::ToolBar *mine = frame().createUserToolBar(QStringLiteral("Mia barra"));
    toolkit::ToolBar *other = frame().createUserToolBar(QStringLiteral("Altra"));
    ASSERT_NE(mine, nullptr);
    EXPECT_EQ(mine->barId(), jottercmd::UserToolBarIdFirst);
    frame().updateCommands();
    EXPECT_TRUE(action(first)->isEnabled());
    EXPECT_TRUE(action(first)->isChecked());
    EXPECT_TRUE(action(first + 1)->isEnabled());
    EXPECT_FALSE(action(first + 2)->isEnabled());
    EXPECT_FALSE(action(first + 2)->isChecked());
    // Only existing toolbars are listed, under their names.
    EXPECT_EQ(action(first)->text(), "Mia barra");
    EXPECT_TRUE(action(first + 1)->isVisible());
    EXPECT_FALSE(action(first + 2)->isVisible());

    command(first + 1);
    EXPECT_FALSE(other->isVisible());
    EXPECT_FALSE(action(first + 1)->isChecked());
    EXPECT_TRUE(action(first)->isChecked());
    command(first + 1);
    EXPECT_TRUE(other->isVisible());
    command(first + 5); // no such toolbar: nothing happens
    EXPECT_TRUE(mine->isVisible());

    // The toolbar menu: Standard, one entry per user toolbar, Personalizza.
    std::unique_ptr<QMenu> menu(frame().createPopupMenu());
    QStringList texts;
    for (const QAction *item : menu->actions())
        texts.append(item->isSeparator() ? QStringLiteral("-") : item->text());
    EXPECT_EQ(texts, QStringList({"Standard", "Mia barra", "Altra", "-", "&Personalizza..."}));

    // Only ten user toolbars exist.
    for (int i = 2; i < 10; ++i)
        ASSERT_NE(frame().createUserToolBar(QStringLiteral("B%1").arg(i)), nullptr);
    EXPECT_EQ(frame().createUserToolBar(QStringLiteral("B10")), nullptr);
    frame().updateCommands();
    EXPECT_TRUE(action(jottercmd::UserToolBarLast)->isEnabled());
}

TEST_F(JotterApp, SendByMailCallsXdgEmailWithTheAttachment)
{
    // A stand-in for xdg-email that writes down its arguments.
    const QString bin = dir.filePath(QStringLiteral("bin"));
    QDir().mkpath(bin);
    const QString log = dir.filePath(QStringLiteral("mail.log"));
    const QString stub = bin + QStringLiteral("/xdg-email");
    writeFile(stub, QStringLiteral("#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > "
                                   "'%1.tmp'\nmv '%1.tmp' '%1'\n")
                        .arg(log)
                        .toUtf8());
    QFile::setPermissions(stub, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", bin.toLocal8Bit() + ':' + oldPath);

    ASSERT_TRUE(start());
    CJotterDoc *doc = app->documents().first();
    frame().activeView()->insertPlainText(QStringLiteral("riga\npiù"));
    frame().updateCommands();
    EXPECT_TRUE(action(cmd::FileSendMail)->isEnabled());
    command(cmd::FileSendMail);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(log); }, 10000))
        << messages.join("|").toStdString();
    QStringList args = QString::fromUtf8(readFile(log)).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(args.size(), 5);
    EXPECT_EQ(args.mid(0, 4), QStringList({"--utf8", "--subject", "Documento1", "--attach"}));
    EXPECT_TRUE(args[4].endsWith("/Documento1.txt"));
    EXPECT_EQ(readFile(args[4]), "riga\npiù");
    EXPECT_TRUE(doc->isModified()); // mailing is no save

    // A saved, unchanged document goes as its own file.
    const QString path = dir.filePath(QStringLiteral("inviato.txt"));
    ASSERT_TRUE(doc->writeFile(path, nullptr));
    QFile::remove(log);
    command(cmd::FileSendMail);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(log); }, 10000))
        << messages.join("|").toStdString();
    args = QString::fromUtf8(readFile(log)).split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(args.value(4), path);
    qputenv("PATH", oldPath);
}

TEST_F(JotterApp, SendByMailIsOffWithoutXdgEmail)
{
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", dir.path().toLocal8Bit());
    const bool started = start();
    qputenv("PATH", oldPath);
    ASSERT_TRUE(started);
    EXPECT_FALSE(action(cmd::FileSendMail)->isEnabled());
}

TEST_F(JotterApp, NewWindowSharesTheDocument)
{
    ASSERT_TRUE(start());
    CJotterDoc *doc = app->documents().first();
    command(cmd::WindowNew);
    ASSERT_EQ(frame().childFrames().size(), 2);
    EXPECT_EQ(doc->views().size(), 2);
    EXPECT_EQ(frame().childFrames()[0]->windowTitle(), "Documento1:1[*]");
    EXPECT_EQ(frame().childFrames()[1]->windowTitle(), "Documento1:2[*]");
    frame().activeView()->insertPlainText(QStringLiteral("condiviso"));
    EXPECT_EQ(frame().childFrames()[0]->view()->toPlainText(), "condiviso");

    // Closing one of two windows asks nothing.
    frame().childFrames()[1]->close();
    settle();
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(app->documents().size(), 1);
    EXPECT_EQ(frame().childFrames()[0]->windowTitle(), "Documento1[*]");
}

TEST_F(JotterApp, DroppedFilesOpen)
{
    const QString path = dir.filePath(QStringLiteral("lasciato.txt"));
    writeFile(path, "dal desktop");
    ASSERT_TRUE(start());
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(frame().activeView(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(frame().activeView(), &drop);
    settle();
    ASSERT_EQ(app->documents().size(), 2);
    EXPECT_EQ(app->documents()[1]->text(), "dal desktop");
    EXPECT_EQ(app->documents()[0]->text(), ""); // nothing inserted into the text
}

TEST_F(JotterApp, PrivateProfileMakesTheProgramFolderCurrent)
{
    const QString exe = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    const QString ini = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                        '/' + exe + ".INI";
    QDir().mkpath(QFileInfo(ini).absolutePath());
    writeFile(ini, "[Settings]\r\nChangeDefaultAppDir=1\r\n");
    QDir::setCurrent(dir.path());
    ASSERT_TRUE(start());
    QFile::remove(ini);
    EXPECT_EQ(QDir::cleanPath(QDir::currentPath()), QDir::cleanPath(DOMORA_PROGRAM_DIR));
}

TEST_F(JotterApp, UserImagesComeFromTheCurrentFolder)
{
    QImage strip(32, 15, QImage::Format_RGB32);
    strip.fill(Qt::red);
    ASSERT_TRUE(strip.save(dir.filePath(QStringLiteral("UserImages.bmp")), "BMP"));
    QDir::setCurrent(dir.path());
    ASSERT_TRUE(start());
    EXPECT_EQ(frame().userImages().count(), 2);
}

TEST_F(JotterApp, DialogsOfTheMenus)
{
    ASSERT_TRUE(start());
    command(cmd::AppAbout);
    command(cmd::FileOpen);
    command(jottercmd::KeyboardMap);
    command(jottercmd::Customize);
    command(jottercmd::WindowsDialog);
    EXPECT_EQ(dialogs, QStringList({"CAboutDlg", "QFileDialog", "toolkit::KeyMapDialog",
                                    "toolkit::CustomizeDialog", "toolkit::WindowsDialog"}));
    EXPECT_TRUE(messages.isEmpty());

    // The page set-up needs a printer of the system.
    dialogs.clear();
    command(cmd::FilePrintSetup);
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        EXPECT_TRUE(dialogs.isEmpty());
        EXPECT_EQ(messages, QStringList({jotterstrings::text(jotterstrings::NoPrinters)}));
    } else {
        EXPECT_EQ(dialogs, QStringList({"QPageSetupDialog"}));
    }
}

TEST_F(JotterApp, RegistersAsOneMoreProgramForTextFiles)
{
    ASSERT_TRUE(start());
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QByteArray desktop = readFile(data + "/applications/velmar-jotter.desktop");
    EXPECT_TRUE(desktop.contains("Name=Jotter\n"));
    EXPECT_TRUE(desktop.contains("MimeType=text/plain;\n"));
    EXPECT_TRUE(desktop.contains("Icon=" + data.toUtf8() + "/icons/hicolor/48x48/apps/"));
    // Plain text is the desktop's own type, and no default is taken.
    EXPECT_FALSE(QFile::exists(data + "/mime/packages/velmar-jotter.xml"));
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    EXPECT_FALSE(readFile(config + "/mimeapps.list").contains("velmar-jotter"));
}

TEST_F(JotterApp, ContextMenuAndFindDialog)
{
    ASSERT_TRUE(start());
    CJotterView *view = frame().activeView();
    view->insertPlainText(QStringLiteral("uno due uno"));
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                            view->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(view->viewport(), &event);
    auto *menu = view->findChild<toolkit::PopupMenu *>();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->commandIds(), QList<int>({cmd::EditCut, cmd::EditCopy, cmd::EditPaste}));
    menu->close();

    // "Cerca..." starts with the selection; F3 repeats the search.
    view->moveCursor(QTextCursor::Start);
    view->moveCursor(QTextCursor::EndOfWord, QTextCursor::KeepAnchor);
    command(cmd::EditFind);
    FindReplaceDialog *dialog = frame().findReplaceDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(dialog->isReplaceMode());
    EXPECT_EQ(dialog->findEdit()->text(), "uno");
    dialog->findNext();
    EXPECT_EQ(view->textCursor().selectionStart(), 8);
    command(cmd::EditRepeat);
    EXPECT_EQ(view->textCursor().selectionStart(), 0);
    dialog->findEdit()->setText(QStringLiteral("tre"));
    dialog->findNext();
    EXPECT_EQ(messages, QStringList({"Impossibile trovare \"tre\"."}));

    command(cmd::EditReplace);
    EXPECT_TRUE(dialog->isReplaceMode());
    dialog->findEdit()->setText(QStringLiteral("uno"));
    dialog->replaceEdit()->setText(QStringLiteral("1"));
    dialog->replaceAll();
    EXPECT_EQ(app->documents().first()->text(), "1 due 1");
    EXPECT_EQ(frame().statusBar()->currentMessage(), "Effettuate 2 sostituzioni.");
}
