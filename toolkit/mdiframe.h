#pragma once

#include "toolkit/commandtable.h"
#include "toolkit/toolbar.h"
#include "toolkit/toolbarimages.h"
#include "toolkit/toolkitglobal.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>

class QMdiArea;
class QMdiSubWindow;
class QTimer;

namespace toolkit {

class DialogBar;
class DockBar;
class MenuBar;
class PopupMenu;
class SizingBar;
class StatusBar;

enum class TabLocation
{
    Top,
    Bottom
};

// The main window of a program with several documents: document windows in
// an MDI area (tabbed or not), a menu bar, toolbars, docking bars and a
// status bar, every command in one command table.
//
// Commands go first to the active document window's widget when it is a
// CommandTarget, then to the window itself if it is one, then to the frame
// (handleCommand below; a subclass overrides it and falls back on the base),
// then to the targets added with addCommandTarget. An update pass sets the
// state of every command the same way, when a menu opens and a few times a
// second for the toolbars.
//
// The frame itself handles: a command whose id is a bar's id (shows or hides
// that bar, checked while it shows); cmd::WindowCascade, WindowTileHorz,
// WindowTileVert and WindowArrange; the windows-dialog command; the
// full-screen command; the commands of the user tools.
class TOOLKIT_EXPORT MdiFrame : public QMainWindow, public CommandTarget
{
    Q_OBJECT

public:
    explicit MdiFrame(QWidget *parent = nullptr);
    ~MdiFrame() override;

    [[nodiscard]] CommandTable &commands() { return *m_commands; }
    [[nodiscard]] const CommandTable &commands() const { return *m_commands; }
    [[nodiscard]] QMdiArea *mdiArea() const { return m_mdiArea; }

    // --- bars -------------------------------------------------------------
    MenuBar *createMenuBar();
    [[nodiscard]] MenuBar *toolkitMenuBar() const { return m_menuBar; }
    // The toolbar is created hidden from the frame's areas; dock it next.
    ToolBar *createToolBar(int barId, const QString &title, const QList<ToolBarItem> &items,
                           Qt::ToolBarAreas allowed = Qt::AllToolBarAreas);
    // Docks at the end of the area's last row, or on the same row just
    // before `before`.
    void dockToolBar(ToolBar *bar, Qt::ToolBarArea area, ToolBar *before = nullptr);
    // Images for commands without their own, from a toolbar that is never shown.
    void addToolBarForImageCollection(const QList<ToolBarItem> &items);
    StatusBar *createStatusBar(const QList<int> &paneIds);
    [[nodiscard]] StatusBar *toolkitStatusBar() const { return m_statusBar; }
    DialogBar *createDialogBar(int barId, const QString &title, QWidget *content,
                               Qt::DockWidgetAreas allowed = Qt::TopDockWidgetArea |
                                                             Qt::BottomDockWidgetArea);
    SizingBar *createSizingBar(int barId, const QString &title, QWidget *content,
                               const QSize &initialSize,
                               Qt::DockWidgetAreas allowed = Qt::AllDockWidgetAreas);
    void dockBar(DockBar *bar, Qt::DockWidgetArea area);

    [[nodiscard]] ToolBar *toolBar(int barId) const;
    [[nodiscard]] DockBar *dockBar(int barId) const;
    [[nodiscard]] QList<ToolBar *> toolBars() const;
    [[nodiscard]] QList<DockBar *> dockBars() const;
    // Any bar by id: a toolbar, a docking bar, the status bar or the menu bar.
    [[nodiscard]] QWidget *bar(int barId) const;
    void showBar(int barId, bool show);

    // --- user toolbars ----------------------------------------------------
    // Toolbars the user creates take the ids firstId to lastId.
    void enableUserToolBars(int firstId, int lastId);
    [[nodiscard]] bool userToolBarsEnabled() const { return m_firstUserBarId > 0; }
    // nullptr when user toolbars are off or every id is taken. With id 0 the
    // first free id is used.
    ToolBar *createUserToolBar(const QString &name, int barId = 0);
    bool deleteUserToolBar(ToolBar *bar);
    [[nodiscard]] QList<ToolBar *> userToolBars() const;
    [[nodiscard]] int firstUserToolBarId() const { return m_firstUserBarId; }
    [[nodiscard]] int lastUserToolBarId() const { return m_lastUserBarId; }

    // Images the user can give to commands in the customisation dialog.
    void setUserImages(const ToolBarImages &images) { m_userImages = images; }
    [[nodiscard]] const ToolBarImages &userImages() const { return m_userImages; }

    // --- document windows -------------------------------------------------
    void enableMdiTabs(bool enable, bool icons = true, TabLocation location = TabLocation::Bottom,
                       bool closeButtons = false);
    [[nodiscard]] bool mdiTabsEnabled() const;
    [[nodiscard]] bool mdiTabIcons() const { return m_tabIcons; }
    [[nodiscard]] TabLocation mdiTabLocation() const;

    // The windows dialog opens with this command; the window menu ends with
    // an item of that caption.
    void enableWindowsDialog(int commandId, const QString &menuText);
    [[nodiscard]] int windowsDialogCommand() const { return m_windowsDialogCommand; }
    // The menu that lists the open document windows at its end.
    void setWindowMenu(PopupMenu *menu);
    void showWindowsDialog();

    // --- full screen ------------------------------------------------------
    // The command that switches full-screen mode on and off.
    void setFullScreenCommand(int commandId) { m_fullScreenCommand = commandId; }
    // Full screen hides every bar but the menu bar and shows a small bar to
    // leave the mode.
    void setFullScreenMode(bool fullScreen);
    [[nodiscard]] bool isFullScreenMode() const { return m_fullScreen; }

    // --- customisation ----------------------------------------------------
    // The command that opens the customisation dialog; it ends the toolbar
    // context menu.
    void setCustomizeCommand(int commandId) { m_customizeCommand = commandId; }
    [[nodiscard]] int customizeCommand() const { return m_customizeCommand; }
    // `flags` are CustomizeDialog::Flag values.
    void showCustomizeDialog(int flags);
    // True while the customisation dialog is open.
    [[nodiscard]] bool isCustomizing() const { return m_customizing; }
    void showKeyMapDialog();

    // Display options kept by the workspace.
    void setTextLabels(bool textLabels);
    [[nodiscard]] bool textLabels() const { return m_textLabels; }

    // --- commands ---------------------------------------------------------
    void addCommandTarget(CommandTarget *target);
    void removeCommandTarget(CommandTarget *target);
    // Gives the command to the first target that handles it.
    bool routeCommand(int id);
    // A command no target claims is disabled (the default); with false it
    // keeps the state it has, for programs that drive some actions directly.
    void setDisableUnclaimedCommands(bool disable) { m_disableUnclaimed = disable; }
    // Brings the state of every command up to date.
    void updateCommands();
    // Brings the state of the given commands up to date.
    void updateCommands(const QList<int> &ids);

    // Restores the layout the workspace saved at the last close; call once
    // every bar exists. Without a workspace nothing happens.
    bool loadFrame();

    bool handleCommand(int id) override;
    bool updateCommand(int id, CommandUpdate &update) override;

    // The menu of the toolbar area: every toolbar and docking bar with a
    // check mark, then the customise command. A program may offer its own.
    QMenu *createPopupMenu() override;

signals:
    // The full-screen mode changed.
    void fullScreenModeChanged(bool fullScreen);

protected:
    // Asked before the frame closes; the default closes every document
    // window and agrees when none is left open.
    virtual bool queryClose();
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void attachUserTools();
    void syncUserToolCommands();
    void fillWindowMenu();
    void applyTabIcons();
    [[nodiscard]] QList<CommandTarget *> routeFor() const;

    CommandTable *m_commands;
    QMdiArea *m_mdiArea;
    MenuBar *m_menuBar = nullptr;
    StatusBar *m_statusBar = nullptr;
    QTimer *m_updateTimer;
    QList<CommandTarget *> m_targets;
    ToolBarImages m_userImages;
    int m_firstUserBarId = 0;
    int m_lastUserBarId = 0;
    bool m_tabIcons = true;
    int m_windowsDialogCommand = 0;
    QString m_windowsDialogText;
    QPointer<PopupMenu> m_windowMenu;
    QList<QAction *> m_windowMenuItems;
    int m_fullScreenCommand = 0;
    bool m_fullScreen = false;
    bool m_wasMaximized = false;
    QList<QWidget *> m_hiddenForFullScreen;
    QToolBar *m_fullScreenBar = nullptr;
    int m_customizeCommand = 0;
    bool m_textLabels = false;
    bool m_userToolsAttached = false;
    bool m_customizing = false;
    bool m_disableUnclaimed = true;
};

} // namespace toolkit
