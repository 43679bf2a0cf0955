#pragma once

#include "editor/viewreadouts.h"
#include "toolkit/mdiframe.h"

#include <QPointer>

#include <memory>

class CChildFrame;
class CDomoraApp;
class CDomoraView;
class CInfoBar;
class CProjectBar;
class CSplashWnd;
class DocumentManager;
class PlanDocument;
class QPrinter;

namespace toolkit {
class PopupMenu;
}

// The editor's main window: the menu bar, the four toolbars, the
// information bar the views write into, the project bar, the status bar and
// the plans in tabbed document windows. It carries out the commands that
// belong to no single plan and applies the quit rules when it closes.
class CMainFrame : public toolkit::MdiFrame, public ViewReadouts
{
    Q_OBJECT
public:
    // Status-bar panes: the message, two text panes, then the lock keys.
    static constexpr int messagePane = 0;

    explicit CMainFrame(CDomoraApp &app, QWidget *parent = nullptr);
    ~CMainFrame() override;

    // Builds the bars in their order and restores the saved layout; false
    // (after logging why) when a bar cannot be made.
    bool create(bool showSplash);
    // The window as the user first sees it: maximised.
    void showStarted();
    // Another start asked for this window: restore, show and raise it.
    void bringForward();

    // Prints a plan on the current printer without asking (command line /p).
    bool printDirect(PlanDocument *plan);

    [[nodiscard]] CInfoBar *infoBar() const { return m_infoBar; }
    [[nodiscard]] CChildFrame *activeChild() const;
    [[nodiscard]] CDomoraView *activeView() const;
    [[nodiscard]] QList<CChildFrame *> childFrames() const;
    [[nodiscard]] QPrinter &printer() const { return *m_printer; }
    [[nodiscard]] CProjectBar *projectBar() const { return m_projectBar; }

    // ViewReadouts
    void setInfoText(int controlId, const QString &text) override;
    void setPaneText(int pane, const QString &text) override;
    void setPrompt(const QString &text) override;

    bool handleCommand(int id) override;
    bool updateCommand(int id, toolkit::CommandUpdate &update) override;

    // Re-applies the document tabs from the options.
    void applyMdiTabs();

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    bool createBars();
    void buildMenus();
    void loadCustomImages();
    void addDefaultTools();
    void showSplash();
    void showDocument(PlanDocument *plan);
    void closeDocumentWindows(PlanDocument *plan);
    void refreshRecentFiles();
    void onActiveWindowChanged();
    void refreshTitle();
    void openFiles(const QStringList &paths);
    QWidget *createPresetCombo(QWidget *parent);
    bool fail(const QString &text);

    CDomoraApp &m_app;
    DocumentManager *m_documents;
    std::unique_ptr<QPrinter> m_printer;
    CInfoBar *m_infoBar = nullptr;
    CProjectBar *m_projectBar = nullptr;
    QPointer<CSplashWnd> m_splash;
    toolkit::PopupMenu *m_windowMenu = nullptr;
};
