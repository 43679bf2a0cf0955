#include "notepad/cjotterapp.h"

#include "notepad/caboutdlg.h"
#include "notepad/cchildframe.h"
#include "notepad/cjotterdoc.h"
#include "notepad/cjotterview.h"
#include "notepad/cmainframe.h"
#include "notepad/jottercommandline.h"
#include "notepad/jottercommands.h"
#include "notepad/jottericons.h"
#include "notepad/privateprofile.h"

#include "platform/messagebox.h"
#include "platform/paths.h"
#include "platform/registry.h"
#include "platform/shellregistration.h"
#include "toolkit/commandids.h"
#include "toolkit/contextmenumanager.h"
#include "toolkit/languagelibrary.h"
#include "toolkit/workspace.h"

#include <QBuffer>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>

namespace cmd = toolkit::cmd;

namespace {

const QString interfaceKey = QStringLiteral("Interface");

bool sameFile(const QString &a, const QString &b)
{
    const QFileInfo ia(a);
    const QFileInfo ib(b);
    if (ia.exists() && ib.exists())
        return ia.canonicalFilePath() == ib.canonicalFilePath();
    return QDir::cleanPath(ia.absoluteFilePath()) == QDir::cleanPath(ib.absoluteFilePath());
}

// The program icon as a file the desktop can show, written only when missing
// or different; empty when it cannot be written.
QString installIconFile()
{
    const QString path =
        platform::userDataFolder() + QStringLiteral("/icons/hicolor/48x48/apps/velmar-jotter.png");
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!jottericons::applicationIcon().pixmap(48, 48).save(&buffer, "PNG"))
        return {};
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == png)
        return path;
    existing.close();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(png) != png.size() || !out.commit())
        return {};
    return path;
}

} // namespace

CJotterApp::CJotterApp(QObject *parent) : QObject(parent), m_recentFiles(jottercmd::recentFileCount)
{
}

CJotterApp::~CJotterApp()
{
    // The windows go first: their views still refer to the documents.
    m_frame.reset();
}

platform::Registry &CJotterApp::registry() const
{
    return m_workspace->registry();
}

QWidget *CJotterApp::dialogParent() const
{
    return m_frame.get();
}

QPrinter &CJotterApp::printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

// --- start and end ------------------------------------------------------------------

bool CJotterApp::initInstance(const QStringList &arguments)
{
    // 1. The program folder.
    m_programFolder = platform::programFolder();
    platform::ui::setDefaultCaption(jotterstrings::text(jotterstrings::AppTitle));

    // 2. The private profile may make the program folder the current one.
    const QString exeName = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    if (privateprofile::readInt(privateprofile::filePath(exeName), QStringLiteral("Settings"),
                                QStringLiteral("ChangeDefaultAppDir"), 0) != 0)
        QDir::setCurrent(m_programFolder);

    // 3. The clipboard and drag and drop stand where the object linking
    // libraries stood.
    if (!QGuiApplication::clipboard()) {
        platform::ui::error(nullptr, jotterstrings::text(jotterstrings::OleInitFailed));
        m_exitCode = 1;
        return false;
    }

    // 4. The registry key Velmar\Jotter, the toolkit's base, the recent files.
    m_workspace = std::make_unique<toolkit::Workspace>(QStringLiteral("Jotter"));
    m_workspace->setRegistryBase(interfaceKey);
    m_recentFiles.load(registry());

    // 5. The language library is required.
    if (!loadLanguageLibrary()) {
        platform::ui::error(nullptr, jotterstrings::text(jotterstrings::LocalePackMissing));
        m_exitCode = 1;
        return false;
    }
    m_workspace->initContextMenuManager();
    m_workspace->initKeyboardManager();

    // 6. The document template and the main window.
    m_template =
        jotterstrings::parseDocTemplate(jotterstrings::text(jotterstrings::DocTemplateString));
    m_frame = std::make_unique<CMainFrame>(*this);
    if (!m_frame->create()) {
        m_frame.reset();
        m_exitCode = 1;
        return false;
    }
    m_frame->addCommandTarget(this);
    // The context menu is known before the saved layout comes back.
    m_workspace->contextMenuManager()->addMenu(QStringLiteral("Menu contestuale"),
                                               jottercmd::ContextMenu,
                                               {cmd::EditCut, cmd::EditCopy, cmd::EditPaste});
    m_frame->loadFrame();
    registerShellFileTypes();
    m_mailAvailable = !QStandardPaths::findExecutable(QStringLiteral("xdg-email")).isEmpty();

    // 7. The command line, then the window.
    if (!processShellCommand(JotterCommandLine::parse(arguments)))
        return false;
    m_frame->show();
    m_frame->updateCommands();
    return true;
}

int CJotterApp::exitInstance()
{
    if (m_exited)
        return m_exitCode;
    m_exited = true;
    m_frame.reset();
    m_languageLibrary.reset();
    toolkit::Workspace::cleanUp();
    m_workspace.reset();
    return m_exitCode;
}

bool CJotterApp::loadLanguageLibrary()
{
    const QString path = registry().readString(interfaceKey, QStringLiteral("LocaleLib"),
                                               m_programFolder + QStringLiteral("localepack.so"));
    m_languageLibrary = toolkit::LanguageLibrary::load(path);
    if (!m_languageLibrary)
        return false;
    // The toolkit's own texts and those of the standard dialogs.
    m_languageLibrary->install();
    return true;
}

void CJotterApp::registerShellFileTypes()
{
    platform::ShellRegistration shell;
    shell.desktopId = QStringLiteral("velmar-jotter");
    shell.name = jotterstrings::text(jotterstrings::AppTitle);
    shell.genericName = QStringLiteral("Editor di testo");
    shell.executable = QCoreApplication::applicationFilePath();
    shell.iconPath = installIconFile();
    shell.categories = {QStringLiteral("Utility"), QStringLiteral("TextEditor")};
    // Plain text is a type of the desktop's own: the notepad becomes one
    // more program that opens it, never the user's default.
    shell.types = {{QStringLiteral("text/plain"),
                    m_template.regFileTypeName,
                    {QLatin1Char('*') + m_template.filterExt},
                    QString(),
                    false}};
    platform::registerWithShell(shell);
}

bool CJotterApp::processShellCommand(const JotterCommandLine &commandLine)
{
    switch (commandLine.shellCommand) {
    case JotterCommandLine::ShellCommand::FileNew:
        newDocument();
        return true;
    case JotterCommandLine::ShellCommand::FileOpen:
        openFiles(commandLine.files);
        return true;
    case JotterCommandLine::ShellCommand::FilePrint:
    case JotterCommandLine::ShellCommand::FilePrintTo:
        // Print and end: the window never shows.
        m_exitCode = printFiles(commandLine) ? 0 : 1;
        return false;
    case JotterCommandLine::ShellCommand::FileDde:
        // The shell names the files to open on a command line of their own.
        return true;
    }
    return true;
}

bool CJotterApp::printFiles(const JotterCommandLine &commandLine)
{
    if (commandLine.shellCommand == JotterCommandLine::ShellCommand::FilePrintTo) {
        if (QPrinterInfo::printerInfo(commandLine.printerName).isNull()) {
            platform::ui::error(
                nullptr,
                jotterstrings::text(jotterstrings::PrintToFailed).arg(commandLine.printerName));
            return false;
        }
        printer().setPrinterName(commandLine.printerName);
    } else if (QPrinterInfo::availablePrinters().isEmpty()) {
        platform::ui::error(nullptr, jotterstrings::text(jotterstrings::NoPrinters));
        return false;
    }
    bool ok = true;
    for (const QString &file : commandLine.files) {
        CJotterDoc *doc = openDocument(file);
        if (!doc) {
            ok = false;
            continue;
        }
        if (CJotterView *view = doc->views().value(0)) {
            printer().setDocName(doc->title());
            if (!view->printTo(printer())) {
                platform::ui::error(
                    nullptr, jotterstrings::text(jotterstrings::PrintFailed).arg(doc->title()));
                ok = false;
            }
        }
        closeDocument(doc);
    }
    return ok;
}

// --- documents ---------------------------------------------------------------------------

CJotterDoc *CJotterApp::newDocument()
{
    ++m_untitledCount;
    auto *doc = new CJotterDoc(*this, m_template.docName + QString::number(m_untitledCount), this);
    m_documents.append(doc);
    connect(doc, &CJotterDoc::closed, this, [this, doc] { forgetDocument(doc); });
    m_frame->addView(*doc);
    return doc;
}

CJotterDoc *CJotterApp::openDocument(const QString &path)
{
    for (CJotterDoc *doc : std::as_const(m_documents)) {
        if (!doc->pathName().isEmpty() && sameFile(doc->pathName(), path)) {
            if (CJotterView *view = doc->views().value(0); view && view->childFrame())
                m_frame->mdiArea()->setActiveSubWindow(view->childFrame());
            return doc;
        }
    }
    auto doc = std::make_unique<CJotterDoc>(*this, QString());
    QString error;
    if (!doc->readFile(path, &error)) {
        platform::ui::error(dialogParent(), jotterstrings::text(jotterstrings::OpenFailed)
                                                .arg(QDir::toNativeSeparators(path), error));
        return nullptr;
    }
    CJotterDoc *opened = doc.release();
    opened->setParent(this);
    m_documents.append(opened);
    connect(opened, &CJotterDoc::closed, this, [this, opened] { forgetDocument(opened); });
    addToRecentFiles(opened->pathName());
    m_frame->addView(*opened);
    return opened;
}

void CJotterApp::openFiles(const QStringList &paths)
{
    for (const QString &path : paths)
        openDocument(path);
}

QStringList CJotterApp::localFiles(const QMimeData *mime)
{
    QStringList files;
    if (!mime || !mime->hasUrls())
        return files;
    for (const QUrl &url : mime->urls()) {
        if (url.isLocalFile())
            files.append(url.toLocalFile());
    }
    return files;
}

void CJotterApp::closeDocument(CJotterDoc *doc)
{
    const QList<CJotterView *> views = doc->views();
    for (CJotterView *view : views) {
        if (CChildFrame *frame = view->childFrame())
            frame->closeForDocument();
    }
}

void CJotterApp::forgetDocument(CJotterDoc *doc)
{
    if (m_documents.removeOne(doc))
        doc->deleteLater();
}

bool CJotterApp::saveAllModified()
{
    const QList<CJotterDoc *> documents = m_documents;
    return std::all_of(documents.cbegin(), documents.cend(),
                       [](CJotterDoc *doc) { return doc->saveModified(); });
}

void CJotterApp::closeAllDocuments()
{
    const QList<CJotterDoc *> documents = m_documents;
    for (CJotterDoc *doc : documents)
        closeDocument(doc);
}

void CJotterApp::addToRecentFiles(const QString &path)
{
    m_recentFiles.add(path);
    m_recentFiles.save(registry());
}

// --- commands ------------------------------------------------------------------------------

void CJotterApp::onFileOpen()
{
    QFileDialog dialog(dialogParent(), QStringLiteral("Apri"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setNameFilters(
        {m_template.filterName, jotterstrings::text(jotterstrings::AllFilesFilter)});
    if (platform::ui::execDialog(dialog) == QDialog::Accepted)
        openFiles(dialog.selectedFiles());
}

void CJotterApp::onFilePrintSetup()
{
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        platform::ui::information(dialogParent(), jotterstrings::text(jotterstrings::NoPrinters));
        return;
    }
    if (printer().outputFormat() != QPrinter::NativeFormat)
        printer().setPrinterName(QPrinterInfo::defaultPrinter().printerName());
    QPageSetupDialog dialog(&printer(), dialogParent());
    platform::ui::execDialog(dialog);
}

void CJotterApp::onAppAbout()
{
    CAboutDlg dialog(dialogParent());
    platform::ui::execDialog(dialog);
}

void CJotterApp::onOpenRecentFile(int index)
{
    const QString path = m_recentFiles.file(index);
    if (path.isEmpty())
        return;
    if (!openDocument(path)) {
        // A file that cannot be opened leaves the list.
        m_recentFiles.remove(index);
        m_recentFiles.save(registry());
    }
}

bool CJotterApp::handleCommand(int id)
{
    if (id >= cmd::FileMruFirst && id < cmd::FileMruFirst + m_recentFiles.capacity()) {
        onOpenRecentFile(id - cmd::FileMruFirst);
        return true;
    }
    switch (id) {
    case cmd::FileNew:
        newDocument();
        return true;
    case cmd::FileOpen:
        onFileOpen();
        return true;
    case cmd::FilePrintSetup:
        onFilePrintSetup();
        return true;
    case cmd::AppAbout:
        onAppAbout();
        return true;
    default:
        return false;
    }
}

bool CJotterApp::updateCommand(int id, toolkit::CommandUpdate &update)
{
    if (id >= cmd::FileMruFirst && id < cmd::FileMruFirst + m_recentFiles.capacity()) {
        update.enabled = id - cmd::FileMruFirst < m_recentFiles.count();
        return true;
    }
    switch (id) {
    case cmd::FileNew:
    case cmd::FileOpen:
    case cmd::FilePrintSetup:
    case cmd::AppAbout:
        return true;
    default:
        return false;
    }
}
