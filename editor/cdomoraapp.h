#pragma once

#include "editor/commandline.h"
#include "editor/eventlog.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class CMainFrame;
class DocumentManager;
class QImage;
class RecoveryStore;
class UiToolkit;
class UpdateManager;

namespace platform {
class Registry;
class SingleInstance;
} // namespace platform

// The editor's application object: brings the editor up in a fixed order of
// steps, owns the settings it reads at start and the objects every part of
// the editor shares (event log, documents, main window, placard picture), and
// takes the editor down again as the quit mode says.
class CDomoraApp : public QObject
{
    Q_OBJECT
public:
    // `arguments` without the program name.
    explicit CDomoraApp(QStringList arguments, QObject *parent = nullptr);
    ~CDomoraApp() override;

    // The application object of the process; nullptr before one is made.
    [[nodiscard]] static CDomoraApp *instance();

    // The start-up sequence; false ends the process (ExitInstance still runs).
    bool InitInstance();
    // The shutdown sequence; returns the process's exit code. `frameworkCode`
    // is what the event loop returned.
    int ExitInstance(int frameworkCode = 0);

    // The Exit command and closing the main window, as the quit mode says.
    void OnAppExit();
    // Whether the main window may close now; false keeps it open.
    bool canCloseMainWindow();

    // The update check of the Tools menu.
    void OnCheckForUpdates();

    void Log(int level, const QString &text) const { m_log.Log(level, text); }
    void LogResource(int level, int stringId) const { m_log.LogResource(level, stringId); }
    [[nodiscard]] EventLog &eventLog() { return m_log; }

    [[nodiscard]] platform::Registry &registry() const { return *m_reg; }
    [[nodiscard]] DocumentManager *documents() const { return m_documents; }
    [[nodiscard]] CMainFrame *mainFrame() const { return m_frame; }
    [[nodiscard]] UiToolkit &toolkit() const { return *m_toolkit; }
    // The placard background; null when it could not be made at all.
    [[nodiscard]] const QImage *placardBitmap() const { return m_placard.get(); }
    [[nodiscard]] bool exportMode() const { return m_exportMode != 0; }
    [[nodiscard]] const CDomoraCommandLineInfo &commandLine() const { return m_cmdInfo; }
    // The file named on the command line once it was opened or printed.
    [[nodiscard]] QString openedFileName() const { return m_openedFileName; }

    // The start dialog (also the New command of the menu).
    void OnFileNew();
    // The toolbar's New: a normal plan at once.
    void OnFileNewPlain();

    // How the process ends when a quit mode asks for it; tests replace it.
    using Terminator = std::function<void(int exitCode)>;
    void setTerminator(Terminator terminator) { m_terminate = std::move(terminator); }

private:
    bool registerWindowClass(bool exportRequested);
    void runStartupScripts();
    void checkTimeStamp();
    bool loadLanguageLibrary();
    void initToolkitManagers();
    bool createMainFrame();
    void registerShellFileTypes();
    void loadPlacardBitmap();
    int runExport();
    void offerRecoveredDocuments();
    bool runShellCommand();
    void showStartDialog();
    void newDocumentOfKind(int docType);
    void runNewDocumentWizard();
    bool saveAllForExit();
    // Ends the process with the code; returns it for the caller to pass on
    // when the terminator returns (tests).
    int endProcess(int exitCode);

    QStringList m_arguments;
    QString m_startFolder; // the working folder the editor was started in
    std::unique_ptr<platform::Registry> m_reg;
    mutable EventLog m_log;
    std::unique_ptr<UiToolkit> m_toolkit;
    std::unique_ptr<platform::SingleInstance> m_instance;
    std::unique_ptr<RecoveryStore> m_recovery;
    std::unique_ptr<UpdateManager> m_updates;
    DocumentManager *m_documents = nullptr; // child of this object
    CMainFrame *m_frame = nullptr;          // deleted at exit
    std::unique_ptr<QImage> m_placard;
    CDomoraCommandLineInfo m_cmdInfo;
    QString m_openedFileName;
    int m_exportMode = 0;
    int m_exportStatus = 0;
    int m_initFailureCode = 0;
    bool m_windowClassRegistered = false;
    bool m_anotherInstance = false; // found at start, answering to the instance name
    bool m_gdipStarted = false;
    bool m_showSplash = true;
    Terminator m_terminate;
};
