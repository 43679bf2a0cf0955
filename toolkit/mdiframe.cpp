#include "mdiframe.h"

#include "commandids.h"
#include "customizedialog.h"
#include "dockbar.h"
#include "keymapdialog.h"
#include "menubar.h"
#include "popupmenu.h"
#include "statusbar.h"
#include "toolkitstyle.h"
#include "usertoolsmanager.h"
#include "visualmanager.h"
#include "windowsdialog.h"
#include "workspace.h"

#include <QAction>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QTabBar>
#include <QTimer>

namespace toolkit {

namespace {

constexpr int updateIntervalMs = 250;
constexpr int windowMenuMaxWindows = 9;

QString documentTitle(const QMdiSubWindow *window)
{
    QString title = window->windowTitle();
    title.replace(QLatin1String("[*]"),
                  window->isWindowModified() ? QStringLiteral("*") : QString());
    return title;
}

} // namespace

MdiFrame::MdiFrame(QWidget *parent)
    : QMainWindow(parent), m_commands(new CommandTable(this)), m_mdiArea(new QMdiArea(this)),
      m_updateTimer(new QTimer(this))
{
    ToolkitStyle::ensureInstalled();
    setObjectName(QStringLiteral("MdiFrame"));
    m_mdiArea->setObjectName(QStringLiteral("MdiArea"));
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdiArea);
    setDockOptions(AnimatedDocks | AllowNestedDocks | AllowTabbedDocks);
    connect(m_commands, &CommandTable::triggered, this, [this](int id) {
        routeCommand(id);
        updateCommands();
    });
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, [this] {
        QTimer::singleShot(0, this, [this] {
            applyTabIcons();
            updateCommands();
        });
    });
    m_updateTimer->setInterval(updateIntervalMs);
    connect(m_updateTimer, &QTimer::timeout, this, [this] {
        if (isVisible())
            updateCommands();
    });
    m_updateTimer->start();
    attachUserTools();
}

MdiFrame::~MdiFrame() = default;

// --- bars ---------------------------------------------------------------

MenuBar *MdiFrame::createMenuBar()
{
    auto *bar = new MenuBar(*m_commands, this);
    setMenuBar(bar);
    bar->show();
    m_menuBar = bar;
    return bar;
}

ToolBar *MdiFrame::createToolBar(int barId, const QString &title, const QList<ToolBarItem> &items,
                                 Qt::ToolBarAreas allowed)
{
    auto *bar = new ToolBar(barId, title, *m_commands, this);
    bar->setAllowedAreas(allowed);
    bar->setToolButtonStyle(m_textLabels ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
    bar->loadToolBar(items);
    bar->hide();
    connect(bar->toggleViewAction(), &QAction::toggled, this, [this] { updateCommands(); });
    return bar;
}

void MdiFrame::dockToolBar(ToolBar *bar, Qt::ToolBarArea area, ToolBar *before)
{
    if (before && toolBarArea(before) == area)
        insertToolBar(before, bar);
    else
        addToolBar(area, bar);
    bar->show();
}

void MdiFrame::addToolBarForImageCollection(const QList<ToolBarItem> &items)
{
    for (const ToolBarItem &item : items) {
        if (item.id != 0 && !item.icon.isNull())
            m_commands->setCollectionImage(item.id, item.icon);
    }
}

StatusBar *MdiFrame::createStatusBar(const QList<int> &paneIds)
{
    auto *bar = new StatusBar(this);
    bar->setIndicators(paneIds);
    setStatusBar(bar);
    bar->show();
    m_statusBar = bar;
    return bar;
}

DialogBar *MdiFrame::createDialogBar(int barId, const QString &title, QWidget *content,
                                     Qt::DockWidgetAreas allowed)
{
    auto *bar = new DialogBar(barId, title, content, this);
    bar->setAllowedAreas(allowed);
    bar->hide();
    return bar;
}

SizingBar *MdiFrame::createSizingBar(int barId, const QString &title, QWidget *content,
                                     const QSize &initialSize, Qt::DockWidgetAreas allowed)
{
    auto *bar = new SizingBar(barId, title, content, initialSize, this);
    bar->setAllowedAreas(allowed);
    bar->hide();
    return bar;
}

void MdiFrame::dockBar(DockBar *bar, Qt::DockWidgetArea area)
{
    addDockWidget(area, bar);
    bar->show();
    if (auto *sizing = qobject_cast<SizingBar *>(bar); sizing && sizing->initialSize().isValid()) {
        const bool sideways = area == Qt::LeftDockWidgetArea || area == Qt::RightDockWidgetArea;
        resizeDocks({bar},
                    {sideways ? sizing->initialSize().width() : sizing->initialSize().height()},
                    sideways ? Qt::Horizontal : Qt::Vertical);
    }
}

ToolBar *MdiFrame::toolBar(int barId) const
{
    return findChild<ToolBar *>(ToolBar::objectNameFor(barId), Qt::FindDirectChildrenOnly);
}

DockBar *MdiFrame::dockBar(int barId) const
{
    return findChild<DockBar *>(DockBar::objectNameFor(barId), Qt::FindDirectChildrenOnly);
}

QList<ToolBar *> MdiFrame::toolBars() const
{
    return findChildren<ToolBar *>(QString(), Qt::FindDirectChildrenOnly);
}

QList<DockBar *> MdiFrame::dockBars() const
{
    return findChildren<DockBar *>(QString(), Qt::FindDirectChildrenOnly);
}

QWidget *MdiFrame::bar(int barId) const
{
    if (ToolBar *t = toolBar(barId))
        return t;
    if (DockBar *d = dockBar(barId))
        return d;
    if (m_statusBar && barId == cmd::StatusBarId)
        return m_statusBar;
    if (m_menuBar && barId == cmd::MenuBarId)
        return m_menuBar;
    return nullptr;
}

void MdiFrame::showBar(int barId, bool show)
{
    if (QWidget *w = bar(barId))
        w->setVisible(show);
    updateCommands();
}

// --- user toolbars --------------------------------------------------------

void MdiFrame::enableUserToolBars(int firstId, int lastId)
{
    m_firstUserBarId = std::min(firstId, lastId);
    m_lastUserBarId = std::max(firstId, lastId);
}

ToolBar *MdiFrame::createUserToolBar(const QString &name, int barId)
{
    if (!userToolBarsEnabled())
        return nullptr;
    if (barId == 0) {
        for (int id = m_firstUserBarId; id <= m_lastUserBarId && barId == 0; ++id) {
            if (!toolBar(id))
                barId = id;
        }
    }
    if (barId < m_firstUserBarId || barId > m_lastUserBarId || toolBar(barId))
        return nullptr;
    ToolBar *bar = createToolBar(barId, name, {});
    bar->setUserDefined(true);
    addToolBar(Qt::TopToolBarArea, bar);
    bar->show();
    return bar;
}

bool MdiFrame::deleteUserToolBar(ToolBar *bar)
{
    if (!bar || !bar->isUserDefined() || bar->parent() != this)
        return false;
    removeToolBar(bar);
    bar->deleteLater();
    bar->setObjectName(QString()); // gone for lookups at once
    bar->setParent(nullptr);
    return true;
}

QList<ToolBar *> MdiFrame::userToolBars() const
{
    QList<ToolBar *> result;
    for (ToolBar *bar : toolBars()) {
        if (bar->isUserDefined())
            result.append(bar);
    }
    std::sort(result.begin(), result.end(),
              [](const ToolBar *a, const ToolBar *b) { return a->barId() < b->barId(); });
    return result;
}

// --- document windows -------------------------------------------------------

void MdiFrame::enableMdiTabs(bool enable, bool icons, TabLocation location, bool closeButtons)
{
    m_mdiArea->setViewMode(enable ? QMdiArea::TabbedView : QMdiArea::SubWindowView);
    m_mdiArea->setDocumentMode(true);
    m_mdiArea->setTabPosition(location == TabLocation::Top ? QTabWidget::North : QTabWidget::South);
    m_mdiArea->setTabsClosable(closeButtons);
    m_mdiArea->setTabsMovable(true);
    m_tabIcons = icons;
    applyTabIcons();
}

bool MdiFrame::mdiTabsEnabled() const
{
    return m_mdiArea->viewMode() == QMdiArea::TabbedView;
}

TabLocation MdiFrame::mdiTabLocation() const
{
    return m_mdiArea->tabPosition() == QTabWidget::North ? TabLocation::Top : TabLocation::Bottom;
}

void MdiFrame::applyTabIcons()
{
    auto *tabs = m_mdiArea->findChild<QTabBar *>(QString(), Qt::FindDirectChildrenOnly);
    if (!tabs)
        return;
    if (!tabs->property("toolkitTabsFilter").toBool()) {
        tabs->installEventFilter(this);
        tabs->setProperty("toolkitTabsFilter", true);
    }
    const QList<QMdiSubWindow *> windows = m_mdiArea->subWindowList();
    for (int i = 0; i < tabs->count() && i < windows.size(); ++i) {
        const QIcon icon = m_tabIcons ? windows[i]->windowIcon() : QIcon();
        if (tabs->tabIcon(i).cacheKey() != icon.cacheKey())
            tabs->setTabIcon(i, icon);
    }
}

bool MdiFrame::eventFilter(QObject *watched, QEvent *event)
{
    // The strip behind the document tabs is painted by the look in force.
    if (event->type() == QEvent::Paint && watched->property("toolkitTabsFilter").toBool()) {
        auto *tabs = static_cast<QTabBar *>(watched);
        QPainter painter(tabs);
        VisualManager::instance()->eraseTabsArea(painter, tabs->rect());
    }
    return QMainWindow::eventFilter(watched, event);
}

void MdiFrame::enableWindowsDialog(int commandId, const QString &menuText)
{
    m_windowsDialogCommand = commandId;
    m_windowsDialogText = menuText;
    if (commandId != 0 && !m_commands->contains(commandId))
        m_commands->add({commandId, menuText, {}, {}, {}, false});
}

void MdiFrame::setWindowMenu(PopupMenu *menu)
{
    if (m_windowMenu)
        disconnect(m_windowMenu, &QMenu::aboutToShow, this, &MdiFrame::fillWindowMenu);
    m_windowMenuItems.clear();
    m_windowMenu = menu;
    if (menu)
        connect(menu, &QMenu::aboutToShow, this, &MdiFrame::fillWindowMenu);
}

void MdiFrame::fillWindowMenu()
{
    if (!m_windowMenu)
        return;
    for (QAction *item : std::as_const(m_windowMenuItems)) {
        m_windowMenu->removeAction(item);
        if (item->parent() == m_windowMenu)
            item->deleteLater();
    }
    m_windowMenuItems.clear();
    const QList<QMdiSubWindow *> windows = m_mdiArea->subWindowList();
    if (!windows.isEmpty()) {
        m_windowMenuItems.append(m_windowMenu->addSeparator());
        QMdiSubWindow *current = m_mdiArea->currentSubWindow();
        for (qsizetype i = 0; i < windows.size() && i < windowMenuMaxWindows; ++i) {
            QMdiSubWindow *window = windows[i];
            auto *item = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(documentTitle(window)),
                                     m_windowMenu);
            item->setCheckable(true);
            item->setChecked(window == current);
            connect(item, &QAction::triggered, this,
                    [this, window] { m_mdiArea->setActiveSubWindow(window); });
            m_windowMenu->addAction(item);
            m_windowMenuItems.append(item);
        }
    }
    if (m_windowsDialogCommand != 0) {
        QAction *dialogItem = m_commands->action(m_windowsDialogCommand);
        dialogItem->setText(m_windowsDialogText);
        if (!m_windowMenu->actions().contains(dialogItem)) {
            m_windowMenu->addAction(dialogItem);
            m_windowMenuItems.append(dialogItem);
        }
    }
}

void MdiFrame::showWindowsDialog()
{
    WindowsDialog dialog(*this);
    dialog.run();
}

void MdiFrame::showCustomizeDialog(int flags)
{
    CustomizeDialog dialog(*this, flags);
    m_customizing = true;
    dialog.run();
    m_customizing = false;
    updateCommands();
}

void MdiFrame::showKeyMapDialog()
{
    KeyMapDialog dialog(*this);
    dialog.run();
}

// --- full screen ------------------------------------------------------------

void MdiFrame::setFullScreenMode(bool fullScreen)
{
    if (fullScreen == m_fullScreen)
        return;
    m_fullScreen = fullScreen;
    if (fullScreen) {
        m_wasMaximized = isMaximized();
        m_hiddenForFullScreen.clear();
        for (QWidget *w : findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
            const bool isBar =
                qobject_cast<QToolBar *>(w) || qobject_cast<QDockWidget *>(w) || w == m_statusBar;
            if (isBar && w->isVisible()) {
                m_hiddenForFullScreen.append(w);
                w->hide();
            }
        }
        m_fullScreenBar = new QToolBar(tr("Full Screen"), this);
        m_fullScreenBar->setObjectName(QStringLiteral("FullScreenBar"));
        auto *leave = new QAction(tr("Close Full Screen"), m_fullScreenBar);
        connect(leave, &QAction::triggered, this, [this] { setFullScreenMode(false); });
        m_fullScreenBar->addAction(leave);
        m_fullScreenBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
        addToolBar(Qt::TopToolBarArea, m_fullScreenBar);
        m_fullScreenBar->setFloatable(true);
        showFullScreen();
    } else {
        if (m_fullScreenBar) {
            removeToolBar(m_fullScreenBar);
            m_fullScreenBar->deleteLater();
            m_fullScreenBar = nullptr;
        }
        for (QWidget *w : std::as_const(m_hiddenForFullScreen)) {
            if (w)
                w->show();
        }
        m_hiddenForFullScreen.clear();
        if (m_wasMaximized)
            showMaximized();
        else
            showNormal();
    }
    updateCommands();
    emit fullScreenModeChanged(fullScreen);
}

// --- options -------------------------------------------------------------------

void MdiFrame::setTextLabels(bool textLabels)
{
    m_textLabels = textLabels;
    for (ToolBar *bar : toolBars())
        bar->setToolButtonStyle(textLabels ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
}

// --- commands ------------------------------------------------------------------

void MdiFrame::addCommandTarget(CommandTarget *target)
{
    if (target && !m_targets.contains(target))
        m_targets.append(target);
}

void MdiFrame::removeCommandTarget(CommandTarget *target)
{
    m_targets.removeAll(target);
}

QList<CommandTarget *> MdiFrame::routeFor() const
{
    QList<CommandTarget *> route;
    if (QMdiSubWindow *window = m_mdiArea->currentSubWindow()) {
        if (auto *view = dynamic_cast<CommandTarget *>(window->widget()))
            route.append(view);
        if (auto *frame = dynamic_cast<CommandTarget *>(window))
            route.append(frame);
    }
    route.append(const_cast<MdiFrame *>(this));
    route += m_targets;
    return route;
}

bool MdiFrame::routeCommand(int id)
{
    for (CommandTarget *target : routeFor()) {
        if (target->handleCommand(id))
            return true;
    }
    return false;
}

void MdiFrame::updateCommands()
{
    updateCommands(m_commands->ids());
}

void MdiFrame::updateCommands(const QList<int> &ids)
{
    const QList<CommandTarget *> route = routeFor();
    for (int id : ids) {
        QAction *action = m_commands->action(id);
        if (!action)
            continue;
        CommandUpdate update;
        bool claimed = false;
        for (CommandTarget *target : route) {
            if (target->updateCommand(id, update)) {
                claimed = true;
                break;
            }
        }
        if (!claimed) {
            if (!m_disableUnclaimed)
                continue;
            update.enabled = false;
        }
        if (action->isEnabled() != update.enabled)
            action->setEnabled(update.enabled);
        if (update.checked) {
            if (!action->isCheckable())
                action->setCheckable(true);
            if (action->isChecked() != *update.checked)
                action->setChecked(*update.checked);
        }
        if (update.text && action->text() != *update.text)
            action->setText(*update.text);
    }
}

bool MdiFrame::handleCommand(int id)
{
    if (id == 0)
        return false;
    if (Workspace *workspace = Workspace::instance(); workspace && workspace->userToolsManager()) {
        if (workspace->userToolsManager()->isToolCommand(id)) {
            workspace->userToolsManager()->invokeTool(id, this);
            return true;
        }
    }
    if (QWidget *w = bar(id); w && w != m_menuBar) {
        showBar(id, !w->isVisible());
        return true;
    }
    if (id == m_windowsDialogCommand) {
        showWindowsDialog();
        return true;
    }
    if (id == m_fullScreenCommand) {
        setFullScreenMode(!m_fullScreen);
        return true;
    }
    switch (id) {
    case cmd::WindowCascade:
        m_mdiArea->cascadeSubWindows();
        return true;
    case cmd::WindowTileHorz:
    case cmd::WindowTileVert:
    case cmd::WindowArrange:
        m_mdiArea->tileSubWindows();
        return true;
    default:
        return false;
    }
}

bool MdiFrame::updateCommand(int id, CommandUpdate &update)
{
    if (id == 0)
        return false;
    if (Workspace *workspace = Workspace::instance(); workspace && workspace->userToolsManager()) {
        if (workspace->userToolsManager()->isToolCommand(id))
            return true;
    }
    if (QWidget *w = bar(id); w && w != m_menuBar) {
        update.checked = w->isVisible();
        return true;
    }
    if (id == m_windowsDialogCommand)
        return true;
    if (id == m_fullScreenCommand) {
        update.checked = m_fullScreen;
        return true;
    }
    switch (id) {
    case cmd::WindowCascade:
    case cmd::WindowTileHorz:
    case cmd::WindowTileVert:
    case cmd::WindowArrange:
        update.enabled = !m_mdiArea->subWindowList().isEmpty() && !mdiTabsEnabled();
        return true;
    default:
        return false;
    }
}

// --- user tools ------------------------------------------------------------------

void MdiFrame::attachUserTools()
{
    Workspace *workspace = Workspace::instance();
    UserToolsManager *tools = workspace ? workspace->userToolsManager() : nullptr;
    if (!tools || m_userToolsAttached)
        return;
    m_userToolsAttached = true;
    connect(tools, &UserToolsManager::toolsChanged, this, &MdiFrame::syncUserToolCommands);
    syncUserToolCommands();
}

void MdiFrame::syncUserToolCommands()
{
    const Workspace *workspace = Workspace::instance();
    const UserToolsManager *tools = workspace ? workspace->userToolsManager() : nullptr;
    if (!tools)
        return;
    const QList<UserTool> list = tools->tools();
    for (int i = 0; i < tools->maxTools(); ++i) {
        const int id = tools->commandOf(i);
        if (i < list.size()) {
            QAction *action = m_commands->action(id);
            const QList<QKeySequence> keys = action ? action->shortcuts() : QList<QKeySequence>();
            action = m_commands->add(
                {id, list[i].caption, tr("Starts %1").arg(list[i].caption), {}, {}, false});
            action->setShortcuts(keys);
            action->setVisible(true);
        } else if (QAction *action = m_commands->action(id)) {
            action->setVisible(false);
        }
    }
}

// --- state -----------------------------------------------------------------------

bool MdiFrame::loadFrame()
{
    attachUserTools();
    Workspace *workspace = Workspace::instance();
    const bool loaded = workspace && workspace->loadState(*this);
    syncUserToolCommands();
    updateCommands();
    return loaded;
}

bool MdiFrame::queryClose()
{
    m_mdiArea->closeAllSubWindows();
    return m_mdiArea->subWindowList().isEmpty();
}

void MdiFrame::closeEvent(QCloseEvent *event)
{
    if (!queryClose()) {
        event->ignore();
        return;
    }
    if (m_fullScreen)
        setFullScreenMode(false);
    if (Workspace *workspace = Workspace::instance())
        workspace->saveState(*this);
    event->accept();
}

QMenu *MdiFrame::createPopupMenu()
{
    auto *menu = new PopupMenu(QString(), *m_commands, this);
    for (ToolBar *bar : toolBars()) {
        QAction *toggle = bar->toggleViewAction();
        toggle->setText(bar->windowTitle());
        menu->addAction(toggle);
    }
    const QList<DockBar *> docks = dockBars();
    if (!docks.isEmpty())
        menu->addSeparator();
    for (DockBar *dock : docks)
        menu->addAction(dock->toggleViewAction());
    if (m_customizeCommand != 0) {
        menu->addSeparator();
        menu->addCommand(m_customizeCommand);
    }
    return menu;
}

} // namespace toolkit
