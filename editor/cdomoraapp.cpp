#include "editor/cdomoraapp.h"

#include "editor/cdomoraview.h"
#include "editor/cmainframe.h"
#include "editor/cnewdocwizard.h"
#include "editor/ctipdlg.h"
#include "editor/commandids.h"
#include "editor/documentmanager.h"
#include "editor/editoroptions.h"
#include "editor/plandocument.h"
#include "editor/recoverystore.h"
#include "editor/startupchecks.h"
#include "editor/strings.h"
#include "editor/uitoolkit.h"
#include "editor/updatemanager.h"
#include "model/cdomoradoc.h"
#include "model/renderexport.h"
#include "platform/internet.h"
#include "platform/messagebox.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/registry.h"
#include "platform/shellregistration.h"
#include "platform/singleinstance.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <cstdlib>

namespace {

const QString settings = QStringLiteral("Settings");
const QString interfaceKey = QStringLiteral("Interface");
const QString layoutKey = QStringLiteral("Layout");
// The private window class: a second start finds the first by this name.
const QString windowClassName = QStringLiteral("Domora 1.0.0.x");

CDomoraApp *theApp = nullptr;

// A name without a folder lives in the user's runtime folder when there is
// one, so that each user (and each test) has an instance of its own.
QString instanceSocketName()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return runtime + QLatin1Char('/') + windowClassName;
    return windowClassName;
}

} // namespace

CDomoraApp::CDomoraApp(QStringList arguments, QObject *parent)
    : QObject(parent), m_arguments(std::move(arguments)), m_startFolder(QDir::currentPath()),
      m_reg(std::make_unique<platform::Registry>(QStringLiteral("Domora"))),
      m_log(platform::programFolder() + QStringLiteral("DOMORA.LOG")),
      m_toolkit(std::make_unique<UiToolkit>()), m_terminate([](int code) {
          std::fflush(nullptr);
          std::_Exit(code);
      })
{
    theApp = this;
}

CDomoraApp::~CDomoraApp()
{
    delete m_frame;
    CDomoraView::setPlacardPicture(nullptr);
    if (theApp == this)
        theApp = nullptr;
}

CDomoraApp *CDomoraApp::instance()
{
    return theApp;
}

int CDomoraApp::endProcess(int exitCode)
{
    m_reg->sync();
    m_terminate(exitCode);
    return exitCode;
}

bool CDomoraApp::InitInstance()
{
    platform::Registry &reg = *m_reg;
    const QString folder = platform::programFolder();

    // 1. The toolkit keeps its layout under the sub-key named here.
    m_toolkit->setRegistryBase(
        reg.readString(settings, QStringLiteral("DefaultUIKey"), QStringLiteral("Interface")));

    // An export shows no window: it neither answers to the instance name nor
    // hands over to a running editor (which would leave the picture unmade).
    const bool exportRequested = CDomoraCommandLineInfo::parse(m_arguments).exportMode != 0;

    // 2. The private window class: here the instance name a later start asks for.
    if (!registerWindowClass(exportRequested)) {
        Log(EventLog::Error, tr("Errore registrando la window class."));
        platform::ui::error(nullptr, tr("Errore registrando la window class."));
        m_initFailureCode = 1;
        return false;
    }
    m_windowClassRegistered = true;

    // 3. One editor at a time: a running one is brought forward and this start ends.
    if (!exportRequested && reg.readInt(settings, QStringLiteral("Win9XLegacy"), 1) != 0 &&
        m_anotherInstance && m_instance->askRunningToShow())
        return false;

    // 4. The help file has no place here: the editor has no help viewer.

    // 5. The executable's full path as the default value of the application key.
    reg.writeDefault(QString(), QCoreApplication::applicationFilePath());

    // 6.
    if (reg.readInt(settings, QStringLiteral("ChangeDefaultAppFolder"), 1) != 0)
        QDir::setCurrent(folder);

    // 7. Left-overs of a previous update hand-off.
    m_updates = std::make_unique<UpdateManager>(reg);
    m_updates->deleteHandOffScripts();

    // 8.
    if (reg.readInt(settings, QStringLiteral("RunBatchAtStartup"), 1) != 0)
        runStartupScripts();

    // 9. A plain start opens nothing. A document named on the command line
    // is where the user meant it, not in the program folder.
    m_cmdInfo = CDomoraCommandLineInfo::parse(m_arguments);
    if (!m_cmdInfo.fileName.isEmpty())
        m_cmdInfo.fileName = QDir(m_startFolder).absoluteFilePath(m_cmdInfo.fileName);

    // 10. A new executable starts with the built-in bars and menus.
    if (reg.readInt(settings, QStringLiteral("CheckExeTimeStamp2"), 1) != 0 &&
        m_cmdInfo.shellCommand == CDomoraCommandLineInfo::ShellCommand::Nothing)
        checkTimeStamp();

    // 11. The options; from here on the log filter is in force.
    EditorOptions &options = editorOptions();
    options.read(reg);
    m_log.setMaxSizeKb(reg.readInt(settings, QStringLiteral("MaxLogSize"), 100));
    m_log.setLevel(reg.readInt(settings, QStringLiteral("LogLevel"), 1));
    options.ReleaseHDC = reg.readInt(settings, QStringLiteral("ReleaseHDC"), 0);
    applyEditorOptionsToModel();

    // 12. The widget library stands for the common controls.
    if (reg.readInt(settings, QStringLiteral("InitializeCommonControls"), 1) != 0) {
        if (qobject_cast<QApplication *>(QCoreApplication::instance()))
            Log(EventLog::Information, tr("Controlli comuni inizializzati"));
        else
            Log(EventLog::Warning, tr("Controlli comuni NON inizializzati"));
    }

    // 13. The main window shows the splash when the command line allows it.
    m_showSplash = m_cmdInfo.showSplash;

    // 14.
    if (reg.readInt(QString(), QStringLiteral("AlwaysStop"), 0) != 0) {
        platform::ui::error(
            nullptr,
            tr("Questo programma è stato disabilitato localmente e non può essere eseguito!"));
        Log(EventLog::Error, tr("Esecuzione disabilitata!"));
        m_initFailureCode = 1;
        return false;
    }

    // 15. The network library (the update check and the FTP browser use it).
    if (!platform::internetAvailable()) {
        LogResource(EventLog::Error, strings::WinsockInitFailed);
        platform::ui::error(nullptr, editorString(strings::WinsockInitFailed));
        m_initFailureCode = 1;
        return false;
    }

    // 16. The clipboard and drag and drop stand for the object linking layer.
    if (!QGuiApplication::clipboard()) {
        LogResource(EventLog::Error, strings::OleInitFailed);
        platform::ui::error(nullptr, editorString(strings::OleInitFailed));
        m_initFailureCode = 1;
        return false;
    }

    // 17. Nothing to switch on: the widgets hold their own controls.

    // 18. The language library is required.
    if (!loadLanguageLibrary()) {
        LogResource(EventLog::Error, strings::LocalePackMissing);
        platform::ui::error(nullptr, editorString(strings::LocalePackMissing));
        m_initFailureCode = 1;
        return false;
    }
    m_toolkit->installLanguageLibrary();

    // 19. Recent files.
    m_recovery = std::make_unique<RecoveryStore>();
    m_documents = new DocumentManager(reg, m_log, *m_recovery, this);
    m_documents->loadRecentFiles();
    Log(EventLog::Information, tr("Impostazioni comuni caricate dal registro"));

    // 20.-22. The toolkit's managers, tear-off menus and user tools.
    m_toolkit->initManagers(
        reg.readString(interfaceKey, QStringLiteral("SkinsFolder"), QStringLiteral("Skins")));
    Log(EventLog::Information, tr("Gestori caricati ed inizializzati con successo"));
    if (m_toolkit->enableTearOffMenus(cmd::TearOffFirst, cmd::TearOffLast))
        Log(EventLog::Information, tr("Menu tear off inizializzati con successo"));
    // The user tools are switched on only by a 0 here.
    if (reg.readInt(interfaceKey, QStringLiteral("EnableUserTools"), 1) == 0 &&
        m_toolkit->enableUserTools(cmd::GridGuides, cmd::UserToolFirst, cmd::UserToolLast))
        Log(EventLog::Information, tr("Strumenti definiti dall'utente inizializzati con successo"));

    // 23.-24. Documents and the main window.
    if (!createMainFrame()) {
        Log(EventLog::Error, tr("Errore durante la creazione della finestra principale"));
        platform::ui::error(nullptr, tr("Errore durante la creazione della finestra principale"));
        m_initFailureCode = 1;
        return false;
    }
    Log(EventLog::Information,
        tr("Gestione dei documenti e registrazione dei file completata con successo"));

    // 25.
    if (reg.readInt(settings, QStringLiteral("RegisterShellFileTypes"), 1) != 0)
        registerShellFileTypes();

    // 26. The drawing layer: a painter must be able to draw on a picture.
    if (reg.readInt(settings, QStringLiteral("InitializeGDIP"), 1) != 0) {
        QImage probe(1, 1, QImage::Format_ARGB32);
        QPainter painter;
        if (painter.begin(&probe)) {
            painter.end();
            m_gdipStarted = true;
            Log(EventLog::Information, tr("Libreria GDI+ inizializzata con successo"));
        } else {
            Log(EventLog::Warning, tr("Errore #%1 durante l'inizializzazione di GDI+").arg(18));
        }
    }

    // 27.
    loadPlacardBitmap();

    // 28.
    Log(EventLog::Information,
        tr("Inizializzazione dell'applicazione terminata, Domora è stato avviato"));

    // 29. Export mode: the picture, and the end; the main window never shows.
    m_exportMode = m_cmdInfo.exportMode;
    if (m_exportMode) {
        m_exportStatus = runExport();
        return false;
    }

    // 30.
    m_frame->showStarted();

    // 31.-32. The update hand-off.
    m_updates->setDialogParent(m_frame);
    m_updates->createStagingFolders();
    if (m_updates->offerPendingUpdates()) {
        endProcess(0);
        return false;
    }

    // 33.
    if (m_cmdInfo.shellCommand == CDomoraCommandLineInfo::ShellCommand::Nothing) {
        offerRecoveredDocuments();
        if (m_cmdInfo.showSplash && CTipDlg::showAtStartup(reg)) {
            CTipDlg tip(reg, folder + QStringLiteral("tips.txt"), m_frame);
            platform::ui::execDialog(tip);
        }
        if (reg.readInt(settings, QStringLiteral("ShowOpenAtStartup"), 1) != 0 &&
            m_documents->documents().empty())
            showStartDialog();
    } else if (!runShellCommand()) {
        return false;
    }
    return true;
}

bool CDomoraApp::registerWindowClass(bool exportRequested)
{
    m_instance = std::make_unique<platform::SingleInstance>(instanceSocketName());
    if (exportRequested)
        return true;
    const platform::SingleInstance::Listen state = m_instance->listen();
    // Another editor answering to the name is no failure: this one simply
    // cannot be found by later starts.
    m_anotherInstance = state == platform::SingleInstance::Listen::NameInUse;
    return state != platform::SingleInstance::Listen::Failed;
}

void CDomoraApp::runStartupScripts()
{
    for (const char *name : {"DomoraStart.bat", "DomoraStart.vbs"}) {
        const QString path = QDir::current().absoluteFilePath(QLatin1String(name));
        if (QFileInfo::exists(path))
            platform::startProgram(path);
    }
}

void CDomoraApp::checkTimeStamp()
{
    const QString exe =
        platform::programFolder() + platform::executableName(QStringLiteral("domora"));
    if (checkExeTimeStamp(*m_reg, exe) == TimeStampCheck::ExecutableMissing)
        platform::ui::error(
            nullptr,
            tr("Errore durante l'apertura dell'eseguibile dell'applicazione, errore interno?"));
}

bool CDomoraApp::loadLanguageLibrary()
{
    return m_toolkit->loadLanguageLibrary(
        m_reg->readString(interfaceKey, QStringLiteral("LocaleLib"),
                          platform::programFolder() + QStringLiteral("localepack.so")));
}

bool CDomoraApp::createMainFrame()
{
    m_frame = new CMainFrame(*this);
    m_documents->setDialogParent(m_frame);
    if (!m_frame->create(m_showSplash)) {
        delete m_frame;
        m_frame = nullptr;
        return false;
    }
    connect(m_instance.get(), &platform::SingleInstance::showRequested, m_frame,
            &CMainFrame::bringForward);
    return true;
}

void CDomoraApp::registerShellFileTypes()
{
    const QString folder = platform::programFolder();
    platform::ShellRegistration shell;
    shell.desktopId = QStringLiteral("velmar-domora");
    shell.name = QStringLiteral("Domora");
    shell.genericName = tr("Editor di planimetrie");
    shell.executable = QCoreApplication::applicationFilePath();
    const QString icon = folder + QStringLiteral("domora.png");
    if (QFileInfo::exists(icon))
        shell.iconPath = icon;
    shell.categories = {QStringLiteral("Graphics")};
    shell.types = {
        {QStringLiteral("application/x-domora-plan"),
         tr("Documento Domora"),
         {QStringLiteral("*.fpd")},
         shell.iconPath,
         true},
        {QStringLiteral("application/x-domora-project"),
         tr("Progetto di Domora"),
         {QStringLiteral("*.fpw")},
         shell.iconPath,
         true},
    };
    QString error;
    if (!platform::registerWithShell(shell, &error))
        Log(EventLog::Warning, error);
}

void CDomoraApp::loadPlacardBitmap()
{
    const QString path =
        m_reg->readString(settings, QStringLiteral("CartelloBmp"),
                          platform::programFolder() + QStringLiteral("cartello.bmp"));
    // Made even when the file does not load: the picture is then null.
    m_placard = std::make_unique<QImage>(path);
    CDomoraView::setPlacardPicture(m_placard.get());
}

int CDomoraApp::runExport()
{
    const QString path = m_cmdInfo.fileName;
    QString error;
    PlanDocument *plan = m_documents->openDocument(path, false, &error);
    if (!plan) {
        std::fprintf(stderr, "%s\n",
                     qPrintable(tr("Impossibile aprire il documento '%1': %2").arg(path, error)));
        return 2;
    }
    // Next to the document, its full name with ".jpg" added, at 100 %.
    const QString picture = path + QStringLiteral(".jpg");
    const model::ExportResult result =
        model::exportDocument(plan->doc(), picture, 100, false,
                              m_reg->readInt(layoutKey, QStringLiteral("ImageDPI"), 300));
    editorOptions().Performance = 5;
    m_documents->closeDocument(plan);
    if (!result.ok) {
        std::fprintf(
            stderr, "%s\n",
            qPrintable(tr("Impossibile scrivere l'immagine '%1': %2").arg(picture, result.error)));
        return 3;
    }
    return 0;
}

void CDomoraApp::offerRecoveredDocuments()
{
    const QStringList files = m_recovery->orphanedFiles();
    if (files.isEmpty())
        return;
    const QString text =
        files.size() == 1
            ? tr("Domora non è stato chiuso correttamente l'ultima volta ed è rimasta una pianta "
                 "mai salvata, recuperata automaticamente.\n\nDesideri riaprirla?")
            : tr("Domora non è stato chiuso correttamente l'ultima volta e sono rimaste %1 piante "
                 "mai salvate, recuperate automaticamente.\n\nDesideri riaprirle?")
                  .arg(files.size());
    if (!platform::ui::askYesNo(m_frame, text)) {
        m_recovery->discardOrphans();
        return;
    }
    for (const QString &file : m_recovery->adoptOrphans())
        m_documents->openRecovered(file);
}

bool CDomoraApp::runShellCommand()
{
    PlanDocument *plan = m_documents->openDocument(m_cmdInfo.fileName);
    if (!plan)
        return false;
    m_openedFileName = m_cmdInfo.fileName;
    if (m_cmdInfo.shellCommand == CDomoraCommandLineInfo::ShellCommand::Print) {
        // Printed straight away, then the editor ends.
        m_frame->printDirect(plan);
        m_documents->closeDocument(plan);
        return false;
    }
    return true;
}

void CDomoraApp::showStartDialog()
{
    const StartChoice choice = m_toolkit->runStartDialog(m_frame, m_documents->recentFiles());
    switch (choice.kind) {
    case StartChoice::Kind::Cancel:
        return;
    case StartChoice::Kind::Open:
        m_documents->openDocument(choice.path);
        return;
    case StartChoice::Kind::New:
        break;
    }
    switch (choice.newItem) {
    case StartChoice::Wizard:
        runNewDocumentWizard();
        return;
    case StartChoice::Normal:
        newDocumentOfKind(CDomoraDoc::normal);
        return;
    case StartChoice::Placard:
        if (m_reg->readInt(settings, QStringLiteral("WarningForPlacards"), 1) != 0) {
            const bool again =
                platform::ui::messageBox(
                    m_frame,
                    tr("E' sempre consigliabile utilizzare Domora soltanto per la planimetria "
                       "esportandola poi come immagine per inserirla in un documento "
                       "Signwright!\n\nDesideri visualizzare ancora questo avviso?"),
                    {}, platform::ui::Buttons::YesNo,
                    platform::ui::Icon::Information) == platform::ui::Answer::Yes;
            m_reg->writeInt(settings, QStringLiteral("WarningForPlacards"), again ? 1 : 0);
        }
        newDocumentOfKind(CDomoraDoc::placard);
        return;
    case StartChoice::Printnet:
        newDocumentOfKind(CDomoraDoc::printnet);
        return;
    }
}

void CDomoraApp::newDocumentOfKind(int docType)
{
    NewDocumentRequest &request = newDocumentRequest();
    request.docType = docType;
    request.fromWizard = 0;
    m_documents->newDocument();
}

void CDomoraApp::runNewDocumentWizard()
{
    CNewDocWizard wizard(*m_reg, m_frame);
    if (platform::ui::execDialog(wizard) != QDialog::Accepted)
        return;
    wizard.storeRequest();
    m_documents->newDocument();
}

void CDomoraApp::OnFileNew()
{
    newDocumentRequest().fromWizard = 0;
    showStartDialog();
}

void CDomoraApp::OnFileNewPlain()
{
    NewDocumentRequest &request = newDocumentRequest();
    request.fromWizard = 0;
    request.docType = CDomoraDoc::normal;
    m_documents->newDocument();
}

bool CDomoraApp::saveAllForExit()
{
    return m_documents && m_documents->saveAllModified();
}

void CDomoraApp::OnAppExit()
{
    const int quitMode = m_reg->readInt(settings, QStringLiteral("QuitMode"), 0);
    if (quitMode <= 3) {
        if (m_frame)
            m_frame->close();
        return;
    }
    if (quitMode >= 5)
        return;
    // Mode 4: ask, keep the options, end. Cancel keeps the editor running.
    if (!saveAllForExit())
        return;
    if (m_reg->readInt(settings, QStringLiteral("SaveOptionsOnExit"), 1) != 0)
        editorOptions().write(*m_reg);
    endProcess(0);
}

bool CDomoraApp::canCloseMainWindow()
{
    const int quitMode = m_reg->readInt(settings, QStringLiteral("QuitMode"), 0);
    if (!saveAllForExit())
        return false;
    if (quitMode >= 5) {
        endProcess(0);
        return false;
    }
    return true;
}

void CDomoraApp::OnCheckForUpdates()
{
    if (m_updates->CheckForUpdates(1) != 0)
        return;
    // The updater runs: the editor ends once the user has kept what is worth keeping.
    if (!saveAllForExit())
        return;
    endProcess(0);
}

int CDomoraApp::ExitInstance(int frameworkCode)
{
    platform::Registry &reg = *m_reg;
    const int quitMode = reg.readInt(settings, QStringLiteral("QuitMode"), 0);
    if (m_documents)
        m_documents->closeAllDocuments();
    delete m_frame;
    m_frame = nullptr;

    // 1.
    if (quitMode == 1)
        return endProcess(0);
    // 2. The options, under names the next start does not all read.
    if (reg.readInt(settings, QStringLiteral("SaveOptionsOnExit"), 1) != 0)
        editorOptions().write(reg);
    // 3.
    if (m_placard && reg.readInt(settings, QStringLiteral("CleanupPlacard"), 1) != 0) {
        CDomoraView::setPlacardPicture(nullptr);
        m_placard.reset();
    }
    // 4.
    if (reg.readInt(settings, QStringLiteral("CleanupGDIP"), 1) != 0)
        m_gdipStarted = false;
    // 5.
    const int mask = reg.readInt(settings, QStringLiteral("CleanupUIMask"), 255);
    if (mask & 1)
        m_toolkit->destroyVisualManager();
    if (mask & 2)
        m_toolkit->freeLanguageLibrary();
    if (mask & 4)
        m_toolkit->globalCleanUp();
    // 6.
    if (quitMode == 2)
        return endProcess(0);
    // 7.
    if (m_windowClassRegistered && m_instance) {
        m_instance->stopListening();
        m_windowClassRegistered = false;
    }
    if (m_recovery)
        m_recovery->removeOwnFolder();
    // 8.
    Log(EventLog::Information, tr("Terminazione dell'applicazione completata"));
    // 9.
    if (quitMode == 3)
        return endProcess(0);
    // 10.
    reg.sync();
    if (m_exportMode)
        return m_exportStatus;
    return m_initFailureCode != 0 ? m_initFailureCode : frameworkCode;
}
