#include "notepad/cmainframe.h"

#include "notepad/cchildframe.h"
#include "notepad/cjotterapp.h"
#include "notepad/cjotterdoc.h"
#include "notepad/findreplacedialog.h"
#include "notepad/jottercommands.h"
#include "notepad/jottericons.h"
#include "notepad/jotterstrings.h"
#include "notepad/recentfilelist.h"

#include "platform/paths.h"
#include "toolkit/commandids.h"
#include "toolkit/customizedialog.h"
#include "toolkit/menubar.h"
#include "toolkit/popupmenu.h"
#include "toolkit/statusbar.h"
#include "toolkit/toolbar.h"
#include "toolkit/toolbarimages.h"
#include "toolkit/visualmanager.h"
#include "toolkit/visualmanagerxp.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QLabel>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

namespace cmd = toolkit::cmd;

CMainFrame::CMainFrame(CJotterApp &app, QWidget *parent) : toolkit::MdiFrame(parent), m_app(app)
{
    setObjectName(QStringLiteral("CMainFrame"));
    setWindowIcon(jottericons::applicationIcon());
    setAcceptDrops(true);
    jottercmd::registerCommands(commands());
}

CMainFrame::~CMainFrame() = default;

bool CMainFrame::create()
{
    // The flat look is the default.
    toolkit::VisualManager::setDefaultManager(std::make_unique<toolkit::VisualManagerXP>());

    // Images the user can give to buttons, from the current folder.
    toolkit::ToolBarImages images;
    if (images.load(platform::resolveCaseInsensitive(QDir::currentPath(),
                                                     QStringLiteral("UserImages.bmp"))))
        setUserImages(images);

    toolkit::ToolBar::setQuickCustomize(true);
    // The size of a first start; the saved placement replaces it afterwards.
    resize(960, 720);
    enableMdiTabs(true, true, toolkit::TabLocation::Bottom);
    if (!createBars())
        return false;
    enableUserToolBars(jottercmd::UserToolBarIdFirst, jottercmd::UserToolBarIdLast);
    enableWindowsDialog(jottercmd::WindowsDialog,
                        jotterstrings::text(jotterstrings::WindowsMenuItem));
    setCustomizeCommand(jottercmd::Customize);

    connect(mdiArea(), &QMdiArea::subWindowActivated, this, [this] {
        refreshMenus();
        refreshTitle();
    });
    refreshTitle();
    return true;
}

bool CMainFrame::createBars()
{
    if (!createMenuBar())
        return false;
    buildMenus(false);

    const QList<toolkit::ToolBarItem> standard = {
        {cmd::FileNew},   {cmd::FileOpen},  {cmd::FileSave},  {cmd::Separator},
        {cmd::EditCut},   {cmd::EditCopy},  {cmd::EditPaste}, {cmd::Separator},
        {cmd::FilePrint}, {cmd::Separator}, {cmd::AppAbout},
    };
    toolkit::ToolBar *toolBar = createToolBar(
        cmd::ViewToolBar, jotterstrings::text(jotterstrings::StandardToolBar), standard);
    if (!toolBar)
        return false;
    toolBar->setIconSize(QSize(16, 16));
    dockToolBar(toolBar, Qt::TopToolBarArea);

    toolkit::StatusBar *status =
        createStatusBar({0, cmd::IndicatorCaps, cmd::IndicatorNum, cmd::IndicatorScroll});
    if (!status)
        return false;
    // Shown whenever no command description is.
    status->addWidget(new QLabel(jotterstrings::text(jotterstrings::Idle), status), 1);
    return true;
}

// --- menus --------------------------------------------------------------------------

void CMainFrame::buildMenus(bool documentMenu)
{
    toolkit::MenuBar *bar = toolkitMenuBar();
    setWindowMenu(nullptr);
    bar->clearPopups();
    m_documentMenu = documentMenu;
    m_menusBuilt = true;

    toolkit::PopupMenu *file = bar->addPopup(QStringLiteral("&File"));
    file->addCommand(cmd::FileNew);
    file->addCommand(cmd::FileOpen);
    if (documentMenu) {
        file->addCommand(cmd::FileClose);
        file->addCommand(cmd::FileSave);
        file->addCommand(cmd::FileSaveAs);
        file->addCommand(cmd::Separator);
        file->addCommand(cmd::FilePrint);
        file->addCommand(cmd::FilePrintPreview);
    } else {
        file->addCommand(cmd::Separator);
    }
    // The same command reads differently in the two menus.
    commands()
        .action(cmd::FilePrintSetup)
        ->setText(documentMenu ? QStringLiteral("Imposta sta&mpante...")
                               : QStringLiteral("I&mpostazioni stampante..."));
    file->addCommand(cmd::FilePrintSetup);
    if (documentMenu) {
        file->addCommand(cmd::Separator);
        file->addCommand(cmd::FileSendMail);
    }
    file->addCommand(cmd::Separator);
    for (int i = 0; i < m_app.recentFiles().capacity(); ++i)
        file->addCommand(cmd::FileMruFirst + i);
    file->addCommand(cmd::Separator);
    file->addCommand(cmd::AppExit);
    connect(file, &QMenu::aboutToShow, this, &CMainFrame::fillRecentFiles);
    fillRecentFiles();

    if (documentMenu) {
        toolkit::PopupMenu *edit = bar->addPopup(QStringLiteral("&Modifica"));
        for (int id : {cmd::EditUndo, cmd::Separator, cmd::EditCut, cmd::EditCopy, cmd::EditPaste,
                       cmd::EditClear, cmd::Separator, cmd::EditSelectAll, cmd::Separator,
                       cmd::EditFind, cmd::EditReplace})
            edit->addCommand(id);
    }

    toolkit::PopupMenu *view = bar->addPopup(QStringLiteral("&Visualizza"));
    toolkit::PopupMenu *toolBars = view->addPopup(QStringLiteral("&Barre degli strumenti"));
    toolBars->addCommand(jottercmd::ToolBarsPlaceholder);
    // The placeholder gives way to the toolbar list, except while the menus
    // are being customised.
    connect(toolBars, &QMenu::aboutToShow, this, [this, toolBars] {
        if (!isCustomizing()) {
            fillToolBarMenu(toolBars);
        } else if (toolBars->commandIds() != QList<int>{jottercmd::ToolBarsPlaceholder}) {
            toolBars->clear();
            toolBars->addCommand(jottercmd::ToolBarsPlaceholder);
        }
    });
    view->addCommand(cmd::ViewStatusBar);

    if (documentMenu) {
        toolkit::PopupMenu *windows = bar->addPopup(QStringLiteral("Fi&nestre"));
        for (int id : {cmd::WindowNew, cmd::WindowCascade, cmd::WindowTileHorz, cmd::WindowArrange})
            windows->addCommand(id);
        setWindowMenu(windows);
    }

    toolkit::PopupMenu *help = bar->addPopup(QStringLiteral("&?"));
    help->addCommand(jottercmd::KeyboardMap);
    help->addCommand(cmd::AppAbout);
    updateCommands();
}

void CMainFrame::refreshMenus()
{
    const bool documents = !mdiArea()->subWindowList().isEmpty();
    if (!m_menusBuilt || documents != m_documentMenu)
        buildMenus(documents);
}

void CMainFrame::fillRecentFiles()
{
    const RecentFileList &recent = m_app.recentFiles();
    const QString current = QDir::currentPath();
    for (int i = 0; i < recent.capacity(); ++i) {
        QAction *action = commands().action(cmd::FileMruFirst + i);
        if (i < recent.count()) {
            action->setText(RecentFileList::menuText(i, recent.file(i), current));
            action->setVisible(true);
        } else if (i == 0) {
            action->setText(jotterstrings::text(jotterstrings::RecentFilesPlaceholder));
            action->setVisible(true);
        } else {
            action->setVisible(false);
        }
    }
}

void CMainFrame::fillToolBarMenu(toolkit::PopupMenu *menu)
{
    menu->clear();
    menu->addCommand(cmd::ViewToolBar);
    // One entry per user toolbar; the update pass names it after the toolbar.
    const QList<toolkit::ToolBar *> userBars = userToolBars();
    const int entries = std::min<int>(int(userBars.size()),
                                      jottercmd::UserToolBarLast - jottercmd::UserToolBarFirst + 1);
    for (int i = 0; i < entries; ++i)
        menu->addCommand(jottercmd::UserToolBarFirst + i);
    menu->addCommand(cmd::Separator);
    menu->addCommand(jottercmd::Customize);
    updateCommands();
}

QMenu *CMainFrame::createPopupMenu()
{
    auto *menu = new toolkit::PopupMenu(QString(), commands(), this);
    menu->setObjectName(QStringLiteral("ToolBarMenu"));
    fillToolBarMenu(menu);
    return menu;
}

// --- document windows ------------------------------------------------------------------

CChildFrame *CMainFrame::addView(CJotterDoc &doc)
{
    auto *view = new CJotterView(doc, m_app);
    auto *child = new CChildFrame(view);
    mdiArea()->addSubWindow(child);
    connect(&doc, &CJotterDoc::titleChanged, this, &CMainFrame::refreshTitle);
    connect(child, &QObject::destroyed, this, [this] {
        QTimer::singleShot(0, this, [this] {
            refreshMenus();
            refreshTitle();
        });
    });
    child->showMaximized();
    mdiArea()->setActiveSubWindow(child);
    view->setFocus();
    refreshMenus();
    refreshTitle();
    return child;
}

QList<CChildFrame *> CMainFrame::childFrames() const
{
    QList<CChildFrame *> frames;
    for (QMdiSubWindow *window : mdiArea()->subWindowList()) {
        if (auto *child = qobject_cast<CChildFrame *>(window))
            frames.append(child);
    }
    return frames;
}

CJotterView *CMainFrame::activeView() const
{
    // The document area can be active with no document window active
    // although one has the focus (a window opened while the frame was not
    // active stays so): the window with the focus, else the last one used,
    // is the active one then.
    QMdiSubWindow *window = mdiArea()->currentSubWindow();
    for (QWidget *w = QApplication::focusWidget(); w && !window; w = w->parentWidget()) {
        if (auto *sub = qobject_cast<QMdiSubWindow *>(w); sub && sub->mdiArea() == mdiArea())
            window = sub;
    }
    if (!window && !mdiArea()->subWindowList().isEmpty())
        window = mdiArea()->subWindowList(QMdiArea::ActivationHistoryOrder).constLast();
    auto *child = qobject_cast<CChildFrame *>(window);
    return child ? child->view() : nullptr;
}

void CMainFrame::refreshTitle()
{
    const QString app = jotterstrings::text(jotterstrings::AppTitle);
    const CJotterView *view = activeView();
    setWindowTitle(view ? app + QStringLiteral(" - ") + view->doc().title() : app);
}

// --- find and replace ----------------------------------------------------------------------

void CMainFrame::showFindReplace(bool replace, const QString &text)
{
    if (!m_findDialog)
        m_findDialog = new FindReplaceDialog(*this);
    QString start = text;
    // A selection over several lines is no search text.
    if (start.contains(QChar::ParagraphSeparator))
        start.clear();
    m_findDialog->start(replace, start);
}

FindReplaceDialog *CMainFrame::findReplaceDialog() const
{
    return m_findDialog;
}

FindOptions CMainFrame::findOptions() const
{
    return m_findDialog ? m_findDialog->options() : FindOptions{};
}

void CMainFrame::findAgain()
{
    if (!m_findDialog || m_findDialog->options().text.isEmpty()) {
        const CJotterView *view = activeView();
        showFindReplace(false, view ? view->textCursor().selectedText() : QString());
        return;
    }
    m_findDialog->findNext();
}

// --- commands ---------------------------------------------------------------------------------

toolkit::ToolBar *CMainFrame::userToolBarAt(int index) const
{
    const QList<toolkit::ToolBar *> bars = userToolBars();
    return index >= 0 && index < bars.size() ? bars[index] : nullptr;
}

bool CMainFrame::handleCommand(int id)
{
    if (id >= jottercmd::UserToolBarFirst && id <= jottercmd::UserToolBarLast) {
        if (toolkit::ToolBar *bar = userToolBarAt(id - jottercmd::UserToolBarFirst)) {
            showBar(bar->barId(), !bar->isVisible());
            if (QLayout *frameLayout = layout())
                frameLayout->activate();
        }
        return true;
    }
    switch (id) {
    case jottercmd::Customize:
        showCustomizeDialog(toolkit::CustomizeDialog::AllFlags);
        return true;
    case jottercmd::KeyboardMap:
        showKeyMapDialog();
        return true;
    case cmd::WindowNew:
        if (CJotterView *view = activeView())
            addView(view->doc());
        return true;
    case cmd::NextPane:
        mdiArea()->activateNextSubWindow();
        return true;
    case cmd::PrevPane:
        mdiArea()->activatePreviousSubWindow();
        return true;
    case cmd::AppExit:
        close();
        return true;
    default:
        if (toolkit::MdiFrame::handleCommand(id))
            return true;
        // The toolkit gives commands to the active document window; when the
        // area reports none, the view taken for active gets them here.
        if (!mdiArea()->currentSubWindow())
            if (CJotterView *view = activeView())
                return view->handleCommand(id);
        return false;
    }
}

bool CMainFrame::updateCommand(int id, toolkit::CommandUpdate &update)
{
    if (id >= jottercmd::UserToolBarFirst && id <= jottercmd::UserToolBarLast) {
        const toolkit::ToolBar *bar = userToolBarAt(id - jottercmd::UserToolBarFirst);
        update.enabled = bar != nullptr;
        update.checked = bar && bar->isVisible();
        if (bar)
            update.text = bar->windowTitle();
        // Entries of toolbars that do not exist stay out of the command lists.
        commands().action(id)->setVisible(bar != nullptr);
        return true;
    }
    switch (id) {
    case jottercmd::Customize:
    case jottercmd::KeyboardMap:
    case cmd::AppExit:
        return true;
    case jottercmd::ToolBarsPlaceholder:
        return true;
    case cmd::WindowNew:
        update.enabled = activeView() != nullptr;
        return true;
    case cmd::NextPane:
    case cmd::PrevPane:
        update.enabled = mdiArea()->subWindowList().size() > 1;
        return true;
    default:
        if (toolkit::MdiFrame::updateCommand(id, update))
            return true;
        if (!mdiArea()->currentSubWindow())
            if (CJotterView *view = activeView())
                return view->updateCommand(id, update);
        return false;
    }
}

// --- closing and dropping ---------------------------------------------------------------------

bool CMainFrame::queryClose()
{
    // Every question first; nothing closes when the user cancels one.
    if (!m_app.saveAllModified())
        return false;
    m_app.closeAllDocuments();
    return true;
}

void CMainFrame::dragEnterEvent(QDragEnterEvent *event)
{
    if (!CJotterApp::localFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent *event)
{
    const QStringList files = CJotterApp::localFiles(event->mimeData());
    if (files.isEmpty())
        return;
    event->acceptProposedAction();
    activateWindow();
    QTimer::singleShot(0, &m_app, [app = &m_app, files] { app->openFiles(files); });
}
