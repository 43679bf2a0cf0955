#include "editor/cmainframe.h"

#include "editor/cprojectbar.h"

#include "editor/caboutdlg.h"
#include "editor/cchildframe.h"
#include "editor/cgridguidespage.h"
#include "editor/coptionssheet.h"
#include "editor/cdomoraapp.h"
#include "editor/cdomoraview.h"
#include "editor/cinfobar.h"
#include "editor/commandids.h"
#include "editor/csplashwnd.h"
#include "editor/documentmanager.h"
#include "editor/editorcommands.h"
#include "editor/editoricons.h"
#include "editor/editoroptions.h"
#include "editor/plandocument.h"
#include "editor/planprinter.h"
#include "editor/uitoolkit.h"
#include "platform/messagebox.h"
#include "platform/paths.h"
#include "platform/registry.h"
#include "toolkit/customizedialog.h"
#include "toolkit/dockbar.h"
#include "toolkit/keymapdialog.h"
#include "toolkit/menubar.h"
#include "toolkit/popupmenu.h"
#include "toolkit/statusbar.h"
#include "toolkit/toolbar.h"
#include "toolkit/toolbarimages.h"
#include "toolkit/usertoolsmanager.h"
#include "toolkit/visualmanager.h"
#include "toolkit/visualmanagerxp.h"
#include "toolkit/workspace.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QEventLoop>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const QString interfaceKey = QStringLiteral("Interface");

// Status-bar panes: the message, two text panes (the second carries the
// sheet's free area), then Caps Lock, Num Lock and Scroll Lock.
constexpr int textPane1 = 59140;
constexpr int textPane2 = 59141;
constexpr int indicatorCaps = 59137;
constexpr int indicatorNum = 59138;
constexpr int indicatorScroll = 59139;

// The room-preset combo's entries and the preset command each sends.
struct Preset
{
    const char *name;
    int command;
};
constexpr Preset presets[] = {
    {"Cucina", cmd::PresetCucina},           {"Bagno", cmd::PresetBagno},
    {"Camera da letto", cmd::PresetCamera},  {"Sala/salotto", cmd::PresetSala},
    {"Giardino", cmd::PresetGiardino},       {"Balcone", cmd::PresetBalcone},
    {"Corridoio", cmd::PresetCorridoio},     {"Ingresso", cmd::PresetIngresso},
    {"Ripostiglio", cmd::PresetRipostiglio},
};

QList<toolkit::ToolBarItem> items(std::initializer_list<int> ids)
{
    QList<toolkit::ToolBarItem> list;
    for (int id : ids)
        list.append(toolkit::ToolBarItem(id));
    return list;
}

} // namespace

CMainFrame::CMainFrame(CDomoraApp &app, QWidget *parent)
    : toolkit::MdiFrame(parent), m_app(app), m_documents(app.documents()),
      m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    setObjectName(QStringLiteral("CMainFrame"));
    setWindowTitle(QStringLiteral("Domora"));
    setWindowIcon(editoricons::applicationIcon());
    setAcceptDrops(true);
    CDomoraView::setSharedPrinter(m_printer.get());
    registerEditorCommands(commands());
}

CMainFrame::~CMainFrame()
{
    // A splash still up must not outlive the window it announced.
    if (m_splash)
        m_splash->close();
    CDomoraView::setSharedPrinter(nullptr);
}

bool CMainFrame::fail(const QString &text)
{
    m_app.Log(EventLog::Error, text);
    return false;
}

bool CMainFrame::create(bool splash)
{
    const platform::Registry &reg = m_app.registry();
    // 2. The flat look is the default.
    toolkit::VisualManager::setDefaultManager(std::make_unique<toolkit::VisualManagerXP>());
    // 3. Pictures the user can give to buttons.
    if (reg.readInt(interfaceKey, QStringLiteral("LoadCustomImages"), 1) != 0)
        loadCustomImages();
    // 4. Alt-drag moves buttons.
    if (reg.readInt(interfaceKey, QStringLiteral("QuickCustom"), 1) != 0)
        toolkit::ToolBar::setQuickCustomize(true);
    // 5. Document tabs at the bottom with icons, whatever is stored.
    enableMdiTabs(true, true, toolkit::TabLocation::Bottom, false);
    if (!createBars())
        return false;
    // 13.-14.
    enableUserToolBars(cmd::UserToolBarFirst, cmd::UserToolBarLast);
    enableWindowsDialog(
        cmd::WindowsDialog,
        reg.readString(interfaceKey, QStringLiteral("WindowsManagerMenuItem"), tr("&Finestre...")));
    setFullScreenCommand(cmd::FullScreen);
    setCustomizeCommand(cmd::Customize);
    // 15. The upright text beside the menus.
    if (reg.readInt(interfaceKey, QStringLiteral("MenuVTextEnabled"), 1) != 0) {
        QFont font(
            reg.readString(interfaceKey, QStringLiteral("MenuVTextFont"), QStringLiteral("Arial")));
        font.setPixelSize(15);
        font.setWeight(QFont::Bold);
        font.setItalic(true);
        toolkitMenuBar()->setSideText(QStringLiteral("Domora"), font);
    }
    // 16.-17. The splash, held for SplashDelay.
    if (splash)
        showSplash();

    // The framework loads the frame: the saved layout, then the default tools.
    loadFrame();
    addDefaultTools();

    connect(m_documents, &DocumentManager::documentAdded, this, &CMainFrame::showDocument);
    connect(m_documents, &DocumentManager::documentClosing, this,
            &CMainFrame::closeDocumentWindows);
    connect(m_documents, &DocumentManager::recentFilesChanged, this,
            &CMainFrame::refreshRecentFiles);
    connect(mdiArea(), &QMdiArea::subWindowActivated, this, &CMainFrame::onActiveWindowChanged);
    refreshRecentFiles();
    return true;
}

void CMainFrame::loadCustomImages()
{
    toolkit::ToolBarImages images;
    if (images.load(platform::programFolder() + QStringLiteral("tbar.bmp"))) {
        setUserImages(images);
        return;
    }
    m_app.Log(EventLog::Warning, tr("Immagini personalizzate non caricate"));
    platform::ui::warning(this, tr("Errore durante il caricamento delle immagini personalizzate "
                                   "per i pulsanti. Non saranno disponibili le immagini "
                                   "predefinite."));
}

bool CMainFrame::createBars()
{
    const platform::Registry &reg = m_app.registry();
    // 6. The menu bar.
    toolkit::MenuBar *menu = createMenuBar();
    if (!menu)
        return fail(tr("Errore durante la creazione del menu dell'applicazione"));
    menu->setShowToolTips(true);
    toolkit::MenuBar::setHighlightDisabledItems(
        reg.readInt(interfaceKey, QStringLiteral("HighlightDisabled"), 1) != 0);
    buildMenus();

    // 7. Pictures for the commands that live in menus only (toolbar 141,
    // never shown); the 2000 look.
    QList<toolkit::ToolBarItem> collection;
    for (int id :
         {cmd::FileNew,       cmd::FileClose,      cmd::CloseDocument,   cmd::MoveUp,
          cmd::MoveDown,      cmd::MoveLeft,       cmd::MoveRight,       cmd::NudgeUp,
          cmd::NudgeDown,     cmd::NudgeLeft,      cmd::NudgeRight,      cmd::Customize,
          cmd::KeyboardMap,   cmd::FullScreen,     cmd::WindowsDialog,   cmd::WindowManager,
          cmd::WindowCascade, cmd::WindowTileHorz, cmd::CheckForUpdates, cmd::AppAbout,
          cmd::EditSelectAll})
        collection.append(toolkit::ToolBarItem(id, editoricons::commandIcon(id)));
    addToolBarForImageCollection(collection);
    toolkit::VisualManager::setLook2000(true);

    // 8. The four toolbars.
    toolkit::ToolBar *standard = createToolBar(cmd::ToolBarStandard, tr("Standard"),
                                               items({cmd::FileNewPlain,
                                                      cmd::FileOpen,
                                                      cmd::FileSave,
                                                      0,
                                                      cmd::EditCut,
                                                      cmd::EditCopy,
                                                      cmd::EditPaste,
                                                      cmd::EditClear,
                                                      0,
                                                      cmd::EditUndo,
                                                      cmd::EditRedo,
                                                      0,
                                                      cmd::FilePrint,
                                                      cmd::FilePrintPreview,
                                                      cmd::Export,
                                                      0,
                                                      cmd::ZoomIn,
                                                      cmd::ZoomOut,
                                                      cmd::ZoomCustom,
                                                      cmd::ZoomFitPage,
                                                      cmd::ZoomActualSize,
                                                      cmd::ZoomFitWidth,
                                                      cmd::ZoomFitHeight}));
    if (!standard)
        return fail(tr("Errore durante la creazione della barra 'standard'"));
    commands().addWidgetCommand(
        {cmd::PredefinedStyles, tr("Stili &predefiniti..."),
         tr("Applica uno degli stili predefiniti alle stanze selezionate\nStili predefiniti"),
         editoricons::commandIcon(cmd::PredefinedStyles)},
        [this](QWidget *parent) { return createPresetCombo(parent); });
    toolkit::ToolBar *formatting =
        createToolBar(cmd::ToolBarFormatting, tr("Formattazione"),
                      items({cmd::FillColour, cmd::BorderColour, cmd::AutoFormat, 0,
                             cmd::PredefinedStyles, 0, cmd::GridGuides, cmd::ShowCornerIds,
                             cmd::ShowWallIds, cmd::ShowRotationCenter, 0, cmd::DocumentType}));
    if (!formatting)
        return fail(tr("Errore durante la creazione della barra 'formattazione'"));
    toolkit::ToolBar *drawing = createToolBar(
        cmd::ToolBarDrawing, tr("Strumenti di disegno"),
        items({cmd::ToolSelect, 0, cmd::ToolRectRoom, cmd::ToolPolyRoom, cmd::ToolRegularPolygon,
               cmd::ToolOpenPath, 0, cmd::ToolLine, cmd::ToolRect, cmd::ToolRoundRect,
               cmd::ToolEllipse, 0, cmd::ToolText, cmd::ToolComment, cmd::ToolDimension, 0,
               cmd::ToolSymbol, cmd::ToolFurniture, cmd::ToolImage}),
        Qt::LeftToolBarArea | Qt::RightToolBarArea);
    if (!drawing)
        return fail(tr("Errore durante la creazione della barra 'disegno/strumenti'"));
    toolkit::ToolBar *modify = createToolBar(cmd::ToolBarModify, tr("Strumenti di modifica"),
                                             items({cmd::InsertOpening,
                                                    cmd::MoveOpening,
                                                    cmd::ResizeOpening,
                                                    cmd::DeleteOpening,
                                                    cmd::InvertOpening,
                                                    cmd::FlipOpeningAlongWall,
                                                    cmd::FlipOpeningHorizontally,
                                                    cmd::OpeningProperties,
                                                    0,
                                                    cmd::SplitSegment,
                                                    cmd::SplitSegmentAtPoint,
                                                    cmd::DeleteSegment,
                                                    cmd::AlignHorizontally,
                                                    cmd::AlignVertically,
                                                    cmd::RotateRoom,
                                                    cmd::ScaleRoom,
                                                    0,
                                                    cmd::Clone,
                                                    cmd::Duplicate,
                                                    0,
                                                    cmd::OrderToFront,
                                                    cmd::OrderForwardOne,
                                                    cmd::OrderBackOne,
                                                    cmd::OrderToBack}));
    if (!modify)
        return fail(tr("Errore durante la creazione della barra 'strumenti di modifica'"));

    // 9. The information bar.
    m_infoBar = new CInfoBar;
    toolkit::DialogBar *info = createDialogBar(cmd::InfoBar, tr("Informazioni"), m_infoBar);
    if (!info)
        return fail(tr("Errore durante la creazione della barra 'informazioni'"));
    info->setRollUpType(reg.readInt(interfaceKey, QStringLiteral("RollUpType"), 4));

    // 10. The project bar.
    auto *projectBar = new CProjectBar(m_app.registry(), platform::programFolder());
    m_projectBar = projectBar;
    projectBar->setActiveDocumentProvider([this] {
        const CChildFrame *child = activeChild();
        return child ? child->plan().path() : QString();
    });
    connect(projectBar, &CProjectBar::openDocumentRequested, this,
            [this](const QString &path) { m_documents->openDocument(path); });
    toolkit::SizingBar *project =
        createSizingBar(cmd::ProjectBar, projectBar->caption(), projectBar, QSize(200, 200),
                        Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    if (!project)
        return fail(tr("Errore durante la creazione della barra 'progetto'"));
    connect(projectBar, &CProjectBar::captionChanged, project, &QWidget::setWindowTitle);

    // 11. The status bar.
    toolkit::StatusBar *status =
        createStatusBar({0, textPane1, textPane2, indicatorCaps, indicatorNum, indicatorScroll});
    if (!status)
        return fail(tr("Errore durante la creazione della barra di stato"));
    status->setPaneWidth(2, 180);

    // 12. Docking.
    dockToolBar(standard, Qt::TopToolBarArea);
    // The modify and formatting bars share a second row: one row cannot hold
    // all three on a common screen.
    addToolBarBreak(Qt::TopToolBarArea);
    dockToolBar(formatting, Qt::TopToolBarArea);
    dockToolBar(modify, Qt::TopToolBarArea, formatting);
    dockBar(info, Qt::TopDockWidgetArea);
    dockBar(project, Qt::LeftDockWidgetArea);
    dockToolBar(drawing, Qt::LeftToolBarArea);
    info->hide();
    return true;
}

QWidget *CMainFrame::createPresetCombo(QWidget *parent)
{
    auto *combo = new QComboBox(parent);
    combo->setToolTip(tr("Stili predefiniti"));
    combo->setStatusTip(tr("Applica uno degli stili predefiniti alle stanze selezionate"));
    for (const Preset &preset : presets)
        combo->addItem(tr(preset.name));
    combo->setCurrentIndex(0);
    combo->setFocusPolicy(Qt::ClickFocus);
    connect(combo, &QComboBox::activated, this, [this](int index) {
        if (index >= 0 && index < int(std::size(presets)))
            routeCommand(presets[index].command);
        if (CDomoraView *view = activeView())
            view->setFocus();
    });
    return combo;
}

void CMainFrame::buildMenus()
{
    toolkit::MenuBar *bar = toolkitMenuBar();
    toolkit::PopupMenu *file = bar->addPopup(tr("&File"));
    for (int id : {cmd::FileNew, cmd::FileOpen, cmd::FileClose, cmd::FileSave, cmd::FileSaveAs, 0,
                   cmd::Export, 0, cmd::FilePrint, cmd::FilePrintPreview, cmd::FilePrintSetup, 0})
        file->addCommand(id);
    for (int id = cmd::FileMruFirst; id <= cmd::FileMruLast; ++id)
        file->addCommand(id);
    file->addCommand(0);
    file->addCommand(cmd::AppExit);

    toolkit::PopupMenu *edit = bar->addPopup(tr("&Modifica"));
    for (int id : {cmd::EditUndo, cmd::EditRedo, 0, cmd::EditCut, cmd::EditCopy, cmd::EditPaste,
                   cmd::EditClear, 0, cmd::EditSelectAll, 0, cmd::Clone, cmd::Duplicate, 0})
        edit->addCommand(id);
    toolkit::PopupMenu *order = edit->addPopup(tr("&Ordina"));
    for (int id : {cmd::OrderToFront, cmd::OrderForwardOne, cmd::OrderBackOne, cmd::OrderToBack})
        order->addCommand(id);
    toolkit::PopupMenu *move = edit->addPopup(tr("&Sposta"));
    for (int id : {cmd::MoveUp, cmd::MoveDown, cmd::MoveLeft, cmd::MoveRight, 0, cmd::NudgeUp,
                   cmd::NudgeDown, cmd::NudgeLeft, cmd::NudgeRight})
        move->addCommand(id);

    toolkit::PopupMenu *view = bar->addPopup(tr("&Visualizza"));
    for (int id : {cmd::ZoomIn, cmd::ZoomOut, cmd::ZoomCustom, 0, cmd::ZoomFitPage,
                   cmd::ZoomActualSize, cmd::ZoomFitWidth, cmd::ZoomFitHeight, 0})
        view->addCommand(id);
    toolkit::PopupMenu *bars = view->addPopup(tr("&Barre"));
    for (int id :
         {cmd::ToolBarStandard, cmd::ToolBarFormatting, cmd::ToolBarDrawing, cmd::ToolBarModify,
          cmd::InfoBar, cmd::ProjectBar, cmd::ViewStatusBar, 0, cmd::Customize})
        bars->addCommand(id);
    toolkit::PopupMenu *tabs = view->addPopup(tr("Sc&hede"));
    for (int id : {cmd::HideMdiTabs, cmd::MdiTabsTop, cmd::MdiTabsBottom, cmd::MdiTabIcons})
        tabs->addCommand(id);
    for (int id :
         {0, cmd::ShowCornerIds, cmd::ShowWallIds, cmd::ShowRotationCenter, 0, cmd::FullScreen})
        view->addCommand(id);

    toolkit::PopupMenu *draw = bar->addPopup(tr("&Disegno"));
    draw->setTearOffId(0);
    for (int id : {cmd::ToolSelect, 0, cmd::ToolRectRoom, cmd::ToolPolyRoom,
                   cmd::ToolRegularPolygon, cmd::ToolOpenPath, 0, cmd::ToolLine, cmd::ToolRect,
                   cmd::ToolRoundRect, cmd::ToolEllipse, 0, cmd::ToolText, cmd::ToolComment,
                   cmd::ToolDimension, 0, cmd::ToolSymbol, cmd::ToolFurniture, cmd::ToolImage})
        draw->addCommand(id);

    toolkit::PopupMenu *room = bar->addPopup(tr("S&tanza"));
    room->setTearOffId(0);
    for (int id :
         {cmd::InsertOpening, 0, cmd::SplitSegment, cmd::SplitSegmentAtPoint, cmd::DeleteSegment,
          cmd::AlignHorizontally, cmd::AlignVertically, 0, cmd::RotateRoom, cmd::ScaleRoom, 0})
        room->addCommand(id);
    toolkit::PopupMenu *openings = room->addPopup(tr("&Porte e finestre"));
    for (int id :
         {cmd::MoveOpening, cmd::ResizeOpening, cmd::DeleteOpening, cmd::InvertOpening,
          cmd::FlipOpeningAlongWall, cmd::FlipOpeningHorizontally, 0, cmd::OpeningProperties})
        openings->addCommand(id);
    toolkit::PopupMenu *styles = room->addPopup(tr("&Stili"));
    for (const Preset &preset : presets)
        styles->addCommand(preset.command);
    styles->addCommand(0);
    styles->addCommand(cmd::PredefinedStyles);

    toolkit::PopupMenu *format = bar->addPopup(tr("F&ormato"));
    for (int id : {cmd::FillColour, cmd::BorderColour, cmd::AutoFormat, 0, cmd::DocumentType})
        format->addCommand(id);

    // The grid command stands where the user tools are listed when they are on.
    toolkit::PopupMenu *tools = bar->addPopup(tr("St&rumenti"));
    for (int id : {cmd::GridGuides, 0, cmd::Customize, cmd::KeyboardMap, cmd::Options, 0,
                   cmd::CheckForUpdates})
        tools->addCommand(id);

    m_windowMenu = bar->addPopup(tr("&Finestra"));
    for (int id :
         {cmd::CloseDocument, 0, cmd::WindowCascade, cmd::WindowTileHorz, cmd::WindowArrange, 0,
          cmd::WindowMaximize, cmd::WindowMinimize, cmd::WindowRestore, 0, cmd::WindowManager})
        m_windowMenu->addCommand(id);
    setWindowMenu(m_windowMenu);

    toolkit::PopupMenu *help = bar->addPopup(tr("&?"));
    help->addCommand(cmd::AppAbout);
}

void CMainFrame::addDefaultTools()
{
    toolkit::Workspace *workspace = toolkit::Workspace::instance();
    toolkit::UserToolsManager *tools = workspace ? workspace->userToolsManager() : nullptr;
    if (!tools || !tools->isEmpty())
        return;
    const QString folder = platform::programFolder();
    const struct
    {
        const char *caption;
        const char *program;
    } defaults[] = {{"Blocco appunti", "jotter"},
                    {"Chromatrix", "chromatrix"},
                    {"Management console", "steward"},
                    {"FTP browser", "skyfetch"},
                    {"Rubblefall", "rubblefall"}};
    for (const auto &tool : defaults)
        tools->addTool(
            {tr(tool.caption), folder + platform::executableName(QLatin1String(tool.program))});
}

void CMainFrame::showSplash()
{
    auto *splash = new CSplashWnd;
    m_splash = splash;
    splash->show();
    const int delayMs = m_app.registry().readInt(interfaceKey, QStringLiteral("SplashDelay"), 1500);
    if (delayMs > 0) {
        // The splash keeps answering to the input that dismisses it.
        QEventLoop loop;
        QTimer::singleShot(delayMs, &loop, &QEventLoop::quit);
        loop.exec();
    }
}

void CMainFrame::showStarted()
{
    // Without a window manager nothing maximises: take the screen's work area.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    showMaximized();
    update();
}

void CMainFrame::bringForward()
{
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
    if (QWidget *popup = QApplication::activePopupWidget())
        popup->raise();
}

bool CMainFrame::printDirect(PlanDocument *plan)
{
    if (!plan)
        return false;
    const CDomoraView *view = nullptr;
    for (CChildFrame *child : childFrames())
        if (&child->plan() == plan)
            view = child->view();
    return planprinter::printDocument(plan->doc(), *m_printer,
                                      view ? &view->gridSettings() : nullptr);
}

// --- documents -------------------------------------------------------------------

QList<CChildFrame *> CMainFrame::childFrames() const
{
    QList<CChildFrame *> children;
    for (QMdiSubWindow *w : mdiArea()->subWindowList()) {
        if (auto *child = qobject_cast<CChildFrame *>(w))
            children.append(child);
    }
    return children;
}

CChildFrame *CMainFrame::activeChild() const
{
    return qobject_cast<CChildFrame *>(mdiArea()->currentSubWindow());
}

CDomoraView *CMainFrame::activeView() const
{
    CChildFrame *child = activeChild();
    return child ? child->view() : nullptr;
}

void CMainFrame::showDocument(PlanDocument *plan)
{
    for (CChildFrame *child : childFrames()) {
        if (&child->plan() == plan) {
            mdiArea()->setActiveSubWindow(child);
            return;
        }
    }
    auto *child = new CChildFrame(*plan, *m_documents, this);
    connect(plan, &PlanDocument::titleChanged, this, &CMainFrame::refreshTitle);
    connect(child->view(), &CDomoraView::filesDropped, this, &CMainFrame::openFiles);
    mdiArea()->addSubWindow(child);
    child->showMaximized();
    mdiArea()->setActiveSubWindow(child);
    child->view()->setFocus();
}

void CMainFrame::closeDocumentWindows(PlanDocument *plan)
{
    for (CChildFrame *child : childFrames()) {
        if (&child->plan() == plan)
            child->closeForDocument();
    }
}

void CMainFrame::onActiveWindowChanged()
{
    CDomoraView *active = activeView();
    for (CChildFrame *child : childFrames())
        child->view()->setActive(child->view() == active);
    refreshTitle();
    if (!active) {
        setPaneText(ViewReadouts::areaPane, {});
        setInfoText(ViewReadouts::positionControl, {});
        setInfoText(ViewReadouts::distanceControl, {});
    }
}

void CMainFrame::refreshTitle()
{
    const CChildFrame *child = activeChild();
    setWindowTitle(child ? QStringLiteral("%1 - Domora").arg(child->plan().title())
                         : QStringLiteral("Domora"));
}

void CMainFrame::openFiles(const QStringList &paths)
{
    for (const QString &path : paths)
        m_documents->openDocument(path);
}

void CMainFrame::refreshRecentFiles()
{
    const QStringList recent = m_documents->recentFiles();
    for (int i = 0; i <= cmd::FileMruLast - cmd::FileMruFirst; ++i) {
        QAction *action = commands().action(cmd::FileMruFirst + i);
        if (!action)
            continue;
        if (i < recent.size()) {
            action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(recent[i]));
            action->setVisible(true);
        } else {
            action->setVisible(false);
        }
    }
}

// --- read-outs -----------------------------------------------------------------------

void CMainFrame::setInfoText(int controlId, const QString &text)
{
    if (m_infoBar)
        m_infoBar->setText(controlId, text);
}

void CMainFrame::setPaneText(int pane, const QString &text)
{
    if (toolkit::StatusBar *status = toolkitStatusBar())
        status->setPaneText(pane, text);
}

void CMainFrame::setPrompt(const QString &text)
{
    if (toolkit::StatusBar *status = toolkitStatusBar()) {
        if (text.isEmpty())
            status->clearMessage();
        else
            status->showMessage(text);
    }
}

// --- commands ------------------------------------------------------------------------

void CMainFrame::applyMdiTabs()
{
    const EditorOptions &o = editorOptions();
    enableMdiTabs(o.ShowMDITabs != 0, o.ShowMDIIcons != 0,
                  o.MDITabsLocation == 0 ? toolkit::TabLocation::Top : toolkit::TabLocation::Bottom,
                  false);
}

bool CMainFrame::handleCommand(int id)
{
    EditorOptions &o = editorOptions();
    if (id >= cmd::FileMruFirst && id <= cmd::FileMruLast) {
        const QStringList recent = m_documents->recentFiles();
        const int index = id - cmd::FileMruFirst;
        if (index < recent.size())
            m_documents->openDocument(recent[index]);
        return true;
    }
    switch (id) {
    case cmd::FileNew:
        m_app.OnFileNew();
        return true;
    case cmd::FileNewPlain:
        m_app.OnFileNewPlain();
        return true;
    case cmd::FileOpen:
        m_documents->promptOpen();
        return true;
    case cmd::FilePrintSetup: {
        QPageSetupDialog dialog(m_printer.get(), this);
        dialog.setWindowTitle(tr("Imposta stampante"));
        platform::ui::execDialog(dialog);
        return true;
    }
    case cmd::AppExit:
        m_app.OnAppExit();
        return true;
    case cmd::CheckForUpdates:
        m_app.OnCheckForUpdates();
        return true;
    case cmd::Customize: {
        toolkit::CustomizeDialog dialog(*this);
        runToolkitDialog(dialog);
        return true;
    }
    case cmd::KeyboardMap: {
        toolkit::KeyMapDialog dialog(*this);
        runToolkitDialog(dialog);
        return true;
    }
    case cmd::Options: {
        COptionsSheet sheet(o, forceInsideFlags(),
                            m_app.registry().readInt(QStringLiteral("Settings"),
                                                     QStringLiteral("ShowFullOptions"), 0) != 0,
                            this);
        auto *grid = new CGridGuidesPage;
        grid->setSettings(gridGuideDefaults());
        sheet.addPage(grid, tr("Griglia e guide"),
                      [grid] { gridGuideDefaults() = grid->settings(); });
        if (platform::ui::execDialog(sheet) == QDialog::Accepted) {
            applyEditorOptionsToModel();
            for (CChildFrame *child : childFrames())
                child->view()->setGridSettings(gridGuideDefaults());
        }
        return true;
    }
    case cmd::AppAbout: {
        CAboutDlg about(platform::programFolder(), this);
        platform::ui::execDialog(about);
        return true;
    }
    case cmd::CloseDocument:
        if (CChildFrame *child = activeChild()) {
            PlanDocument *plan = &child->plan();
            if (m_documents->saveModified(plan))
                m_documents->closeDocument(plan);
        }
        return true;
    case cmd::HideMdiTabs:
        o.ShowMDITabs = o.ShowMDITabs ? 0 : 1;
        o.MDITabsLocation = 1; // re-applied at the bottom
        applyMdiTabs();
        return true;
    case cmd::MdiTabsTop:
    case cmd::MdiTabsBottom:
        o.MDITabsLocation = id == cmd::MdiTabsTop ? 0 : 1;
        applyMdiTabs();
        return true;
    case cmd::MdiTabIcons:
        o.ShowMDIIcons = o.ShowMDIIcons ? 0 : 1;
        applyMdiTabs();
        return true;
    case cmd::WindowManager:
        showWindowsDialog();
        return true;
    case cmd::WindowMaximize:
    case cmd::WindowMinimize:
    case cmd::WindowRestore:
        if (CChildFrame *child = activeChild()) {
            if (id == cmd::WindowMaximize)
                child->showMaximized();
            else if (id == cmd::WindowMinimize)
                child->showMinimized();
            else
                child->showNormal();
        }
        return true;
    default:
        return toolkit::MdiFrame::handleCommand(id);
    }
}

bool CMainFrame::updateCommand(int id, toolkit::CommandUpdate &update)
{
    const EditorOptions &o = editorOptions();
    if (id >= cmd::FileMruFirst && id <= cmd::FileMruLast)
        return true;
    switch (id) {
    case cmd::FileNew:
    case cmd::FileNewPlain:
    case cmd::FileOpen:
    case cmd::FilePrintSetup:
    case cmd::AppExit:
    case cmd::CheckForUpdates:
    case cmd::WindowManager:
    case cmd::AppAbout:
    case cmd::Options:
    case cmd::Customize:
    case cmd::KeyboardMap:
        return true;
    case cmd::CloseDocument:
    case cmd::WindowMaximize:
    case cmd::WindowMinimize:
    case cmd::WindowRestore:
        update.enabled = activeChild() != nullptr;
        return true;
    case cmd::HideMdiTabs:
        update.checked = o.ShowMDITabs == 0;
        return true;
    case cmd::MdiTabsTop:
        update.checked = o.MDITabsLocation == 0;
        return true;
    case cmd::MdiTabsBottom:
        update.checked = o.MDITabsLocation != 0;
        return true;
    case cmd::MdiTabIcons:
        update.checked = o.ShowMDIIcons != 0;
        return true;
    default:
        return toolkit::MdiFrame::updateCommand(id, update);
    }
}

// --- closing and dropping --------------------------------------------------------------

void CMainFrame::closeEvent(QCloseEvent *event)
{
    if (!m_app.canCloseMainWindow()) {
        event->ignore();
        return;
    }
    // Every plan has had its question: close them without asking again.
    m_documents->closeAllDocuments();
    toolkit::MdiFrame::closeEvent(event);
}

void CMainFrame::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent *event)
{
    QStringList files;
    for (const QUrl &url : event->mimeData()->urls()) {
        if (url.isLocalFile() && QFileInfo(url.toLocalFile())
                                         .suffix()
                                         .compare(QLatin1String("fpd"), Qt::CaseInsensitive) == 0)
            files << url.toLocalFile();
    }
    if (files.isEmpty())
        return;
    event->acceptProposedAction();
    openFiles(files);
}
