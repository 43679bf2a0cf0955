#pragma once

#include "notepad/jotterstrings.h"
#include "notepad/recentfilelist.h"

#include "toolkit/commandtable.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class CJotterDoc;
class CMainFrame;
struct JotterCommandLine;
class QMimeData;
class QPrinter;
class QWidget;

namespace platform {
class Registry;
}
namespace toolkit {
class LanguageLibrary;
class Workspace;
} // namespace toolkit

// The notepad program: starts up in a fixed order, owns the open documents,
// the main window, the recent-file list and the printer set-up, and carries
// out the program-wide commands (new, open, print set-up, recent files,
// about).
class CJotterApp : public QObject, public toolkit::CommandTarget
{
    Q_OBJECT

public:
    explicit CJotterApp(QObject *parent = nullptr);
    ~CJotterApp() override;

    // The start: settings, language library, main window, command line.
    // False when the program is to end at once (after a message, or after
    // printing the files of a print command line); exitCode() then tells how.
    bool initInstance(const QStringList &arguments);
    // Frees the language library and cleans up the toolkit; returns the
    // program's exit code.
    int exitInstance();
    [[nodiscard]] int exitCode() const { return m_exitCode; }

    [[nodiscard]] CMainFrame *mainFrame() const { return m_frame.get(); }
    // The parent for messages and dialogs: the main window once it exists.
    [[nodiscard]] QWidget *dialogParent() const;
    [[nodiscard]] platform::Registry &registry() const;
    [[nodiscard]] QString programFolder() const { return m_programFolder; }
    [[nodiscard]] const jotterstrings::DocTemplate &docTemplate() const { return m_template; }
    [[nodiscard]] toolkit::LanguageLibrary *languageLibrary() const
    {
        return m_languageLibrary.get();
    }
    [[nodiscard]] QPrinter &printer();
    [[nodiscard]] bool mailAvailable() const { return m_mailAvailable; }

    // --- documents ------------------------------------------------------------
    [[nodiscard]] QList<CJotterDoc *> documents() const { return m_documents; }
    // An empty document "Documento<n>" in a new window.
    CJotterDoc *newDocument();
    // Opens the file in a new window, or brings forward the window already
    // showing it; reports a failure and returns nullptr.
    CJotterDoc *openDocument(const QString &path);
    void openFiles(const QStringList &paths);
    // The local files among dropped or pasted data.
    [[nodiscard]] static QStringList localFiles(const QMimeData *mime);
    // Closes every window of the document without asking.
    void closeDocument(CJotterDoc *doc);
    // Asks about every modified document in turn; false as soon as the user
    // cancels or a save fails.
    bool saveAllModified();
    void closeAllDocuments();

    [[nodiscard]] RecentFileList &recentFiles() { return m_recentFiles; }
    void addToRecentFiles(const QString &path);

    bool handleCommand(int id) override;
    bool updateCommand(int id, toolkit::CommandUpdate &update) override;

private:
    bool loadLanguageLibrary();
    void registerShellFileTypes();
    bool processShellCommand(const JotterCommandLine &commandLine);
    bool printFiles(const JotterCommandLine &commandLine);
    void onFileOpen();
    void onFilePrintSetup();
    void onAppAbout();
    void onOpenRecentFile(int index);
    void forgetDocument(CJotterDoc *doc);

    QString m_programFolder;
    jotterstrings::DocTemplate m_template;
    std::unique_ptr<toolkit::Workspace> m_workspace;
    std::unique_ptr<toolkit::LanguageLibrary> m_languageLibrary;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<CMainFrame> m_frame;
    QList<CJotterDoc *> m_documents; // children of the application object
    RecentFileList m_recentFiles;
    int m_untitledCount = 0;
    int m_exitCode = 0;
    bool m_mailAvailable = false;
    bool m_exited = false;
};
