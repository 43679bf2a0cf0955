#include "toolkit/commandids.h"
#include "toolkit/contextmenumanager.h"
#include "toolkit/dockbar.h"
#include "toolkit/keymapdialog.h"
#include "toolkit/mdiframe.h"
#include "toolkit/menubar.h"
#include "toolkit/popupmenu.h"
#include "toolkit/statusbar.h"
#include "toolkit/toolbar.h"
#include "toolkit/windowsdialog.h"

#include "platform/messagebox.h"

#include <QAction>
#include <QComboBox>
#include <QTableWidget>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

using namespace toolkit;

namespace {

// A document window's view that counts the commands it gets.
class CountingView : public QLabel, public CommandTarget
{
public:
    explicit CountingView(const QString &name) : QLabel(name) {}
    bool handleCommand(int id) override
    {
        handled.append(id);
        return id == cmd::FileSave || id == cmd::EditCopy;
    }
    bool updateCommand(int id, CommandUpdate &update) override
    {
        if (id == cmd::EditCopy) {
            update.enabled = copyEnabled;
            return true;
        }
        return id == cmd::FileSave;
    }
    QList<int> handled;
    bool copyEnabled = true;
};

class FrameTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CommandTable &c = frame.commands();
        c.add({cmd::FileSave, "&Salva", "Salva il documento\nSalva", {}, {}, false});
        c.add({cmd::EditCopy, "&Copia", "Copia la selezione\nCopia", {}, {}, false});
        c.add({cmd::EditPaste, "&Incolla", "", {}, {}, false});
        c.add({cmd::WindowCascade, "&Sovrapponi", "", {}, {}, false});
        c.add({32822, "Barra &disegno", "", {}, {}, false});
        frame.createMenuBar();
        bar = frame.createToolBar(32822, "Disegno", {{cmd::FileSave}, {0}, {cmd::EditCopy}});
        frame.dockToolBar(bar, Qt::TopToolBarArea);
        frame.resize(600, 400);
        frame.show();
    }

    CountingView *addDocument(const QString &name)
    {
        auto *view = new CountingView(name);
        QMdiSubWindow *window = frame.mdiArea()->addSubWindow(view);
        window->setWindowTitle(name);
        window->show();
        frame.mdiArea()->setActiveSubWindow(window);
        QCoreApplication::processEvents(); // the frame updates its commands
        return view;
    }

    MdiFrame frame;
    ToolBar *bar = nullptr;
};

} // namespace

TEST_F(FrameTest, CommandsGoToTheActiveDocumentFirst)
{
    CountingView *first = addDocument("a.fpd");
    CountingView *second = addDocument("b.fpd");
    frame.commands().action(cmd::EditCopy)->trigger();
    EXPECT_TRUE(first->handled.isEmpty());
    EXPECT_EQ(second->handled, QList<int>({cmd::EditCopy}));
}

TEST_F(FrameTest, CommandNobodyClaimsIsDisabled)
{
    CountingView *view = addDocument("a.fpd");
    view->copyEnabled = false;
    frame.updateCommands();
    EXPECT_FALSE(frame.commands().action(cmd::EditPaste)->isEnabled());
    EXPECT_FALSE(frame.commands().action(cmd::EditCopy)->isEnabled());
    EXPECT_TRUE(frame.commands().action(cmd::FileSave)->isEnabled());
    view->copyEnabled = true;
    frame.updateCommands();
    EXPECT_TRUE(frame.commands().action(cmd::EditCopy)->isEnabled());
}

TEST_F(FrameTest, CommandWithABarsIdTogglesTheBarAndShowsItsState)
{
    QAction *toggle = frame.commands().action(32822);
    frame.updateCommands();
    EXPECT_TRUE(toggle->isChecked());
    toggle->trigger();
    EXPECT_TRUE(bar->isHidden());
    EXPECT_FALSE(toggle->isChecked());
    toggle->trigger();
    EXPECT_FALSE(bar->isHidden());
    EXPECT_TRUE(toggle->isChecked());
}

TEST_F(FrameTest, ToolBarKeepsOnlyKnownCommandsAndResets)
{
    bar->setButtons({cmd::EditPaste, 4242, 0, cmd::FileSave});
    EXPECT_EQ(bar->buttons(), QList<int>({cmd::EditPaste, 0, cmd::FileSave}));
    EXPECT_EQ(bar->actions().size(), 3);
    EXPECT_TRUE(bar->isModified());
    bar->moveButton(0, 3);
    EXPECT_EQ(bar->buttons(), QList<int>({0, cmd::FileSave, cmd::EditPaste}));
    bar->resetToDefault();
    EXPECT_EQ(bar->buttons(), QList<int>({cmd::FileSave, 0, cmd::EditCopy}));
    EXPECT_FALSE(bar->isModified());
}

TEST_F(FrameTest, ImageCollectionGivesImagesOnlyToCommandsWithout)
{
    QPixmap red(16, 16), blue(16, 16);
    red.fill(Qt::red);
    blue.fill(Qt::blue);
    frame.commands().add({5001, "Con", {}, QIcon(blue), {}, false});
    frame.addToolBarForImageCollection({{5001, QIcon(red)}, {5002, QIcon(red)}});
    frame.commands().add({5002, "Senza", {}, {}, {}, false});
    EXPECT_EQ(frame.commands().action(5001)->icon().pixmap(16).toImage().pixel(1, 1),
              QColor(Qt::blue).rgb());
    EXPECT_EQ(frame.commands().action(5002)->icon().pixmap(16).toImage().pixel(1, 1),
              QColor(Qt::red).rgb());
}

TEST_F(FrameTest, UserToolBarsTakeIdsFromTheReservedRange)
{
    EXPECT_EQ(frame.createUserToolBar("Prima"), nullptr);
    frame.enableUserToolBars(59432, 59433);
    ToolBar *a = frame.createUserToolBar("Prima");
    ToolBar *b = frame.createUserToolBar("Seconda");
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->barId(), 59432);
    EXPECT_EQ(b->barId(), 59433);
    EXPECT_EQ(frame.createUserToolBar("Terza"), nullptr);
    EXPECT_FALSE(frame.deleteUserToolBar(bar));
    EXPECT_TRUE(frame.deleteUserToolBar(a));
    EXPECT_EQ(frame.userToolBars(), QList<ToolBar *>({b}));
    EXPECT_EQ(frame.createUserToolBar("Terza")->barId(), 59432);
}

TEST_F(FrameTest, WindowsDialogClosesAndSavesTheChosenWindows)
{
    CountingView *first = addDocument("a.fpd");
    CountingView *second = addDocument("b.fpd");
    frame.enableWindowsDialog(118, "&Finestre...");
    WindowsDialog dialog(frame);
    ASSERT_EQ(dialog.windowList()->count(), 2);
    dialog.windowList()->clearSelection();
    dialog.windowList()->item(0)->setSelected(true);
    dialog.saveSelected();
    EXPECT_EQ(first->handled, QList<int>({cmd::FileSave}));
    EXPECT_TRUE(second->handled.isEmpty());
    dialog.windowList()->clearSelection();
    dialog.windowList()->item(1)->setSelected(true);
    dialog.closeSelected();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(frame.mdiArea()->subWindowList().size(), 1);
    EXPECT_EQ(frame.mdiArea()->subWindowList().first()->widget(), first);
    EXPECT_EQ(dialog.windowList()->count(), 1);
}

TEST_F(FrameTest, WindowsDialogCommandOpensTheDialog)
{
    addDocument("a.fpd");
    frame.enableWindowsDialog(118, "&Finestre...");
    int shown = 0;
    platform::ui::setDialogResponder([&](QDialog &dialog) {
        shown += qobject_cast<WindowsDialog *>(&dialog) != nullptr;
        return int(QDialog::Rejected);
    });
    frame.commands().action(118)->trigger();
    platform::ui::setDialogResponder({});
    EXPECT_EQ(shown, 1);
}

TEST_F(FrameTest, WindowMenuListsTheDocumentsAndTheDialogItem)
{
    addDocument("a.fpd");
    addDocument("b.fpd");
    frame.enableWindowsDialog(118, "&Finestre...");
    PopupMenu *menu = frame.toolkitMenuBar()->addPopup("Fi&nestre");
    menu->addCommand(cmd::WindowCascade);
    frame.setWindowMenu(menu);
    emit menu->aboutToShow();
    emit menu->aboutToShow();
    QStringList texts;
    for (QAction *a : menu->actions())
        texts.append(a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(texts, QStringList({"&Sovrapponi", "-", "&1 a.fpd", "&2 b.fpd", "&Finestre..."}));
    EXPECT_TRUE(menu->actions()[3]->isChecked());
}

TEST_F(FrameTest, TabsFollowTheirSettings)
{
    addDocument("a.fpd");
    frame.enableMdiTabs(true, true, TabLocation::Top);
    EXPECT_TRUE(frame.mdiTabsEnabled());
    EXPECT_EQ(frame.mdiArea()->tabPosition(), QTabWidget::North);
    EXPECT_FALSE(frame.mdiArea()->tabsClosable());
    frame.enableMdiTabs(true, false, TabLocation::Bottom);
    EXPECT_EQ(frame.mdiTabLocation(), TabLocation::Bottom);
    auto *tabs = frame.mdiArea()->findChild<QTabBar *>();
    ASSERT_NE(tabs, nullptr);
    EXPECT_TRUE(tabs->tabIcon(0).isNull());
    frame.enableMdiTabs(false);
    EXPECT_FALSE(frame.mdiTabsEnabled());
}

TEST_F(FrameTest, FullScreenHidesTheBarsAndBringsThemBack)
{
    SizingBar *project = frame.createSizingBar(169, "Progetto", new QLabel("x"), {200, 200});
    frame.dockBar(project, Qt::LeftDockWidgetArea);
    frame.createStatusBar({0});
    frame.setFullScreenCommand(33226);
    frame.commands().add({33226, "Schermo &intero", {}, {}, {}, false});
    frame.commands().action(33226)->trigger();
    EXPECT_TRUE(frame.isFullScreenMode());
    EXPECT_TRUE(bar->isHidden());
    EXPECT_TRUE(project->isHidden());
    EXPECT_TRUE(frame.toolkitStatusBar()->isHidden());
    EXPECT_FALSE(frame.toolkitMenuBar()->isHidden());
    frame.commands().action(33226)->trigger();
    EXPECT_FALSE(frame.isFullScreenMode());
    EXPECT_FALSE(bar->isHidden());
    EXPECT_FALSE(project->isHidden());
    EXPECT_FALSE(frame.toolkitStatusBar()->isHidden());
}

TEST_F(FrameTest, StatusBarPanes)
{
    StatusBar *status = frame.createStatusBar(
        {0, 0xE710, 0xE711, cmd::IndicatorCaps, cmd::IndicatorNum, cmd::IndicatorScroll});
    EXPECT_EQ(status->paneCount(), 6);
    status->setPaneText(2, "210x297");
    EXPECT_EQ(status->paneText(2), "210x297");
    status->setPaneText(0, "Pronto");
    EXPECT_EQ(status->paneText(0), "Pronto");
    EXPECT_EQ(status->paneIndex(cmd::IndicatorNum), 4);
    EXPECT_FALSE(status->isIndicatorOn(2));
}

TEST_F(FrameTest, RolledUpBarOnlyWhileFloating)
{
    SizingBar *project = frame.createSizingBar(169, "Progetto", new QLabel("x"), {200, 200});
    frame.dockBar(project, Qt::LeftDockWidgetArea);
    project->setRollUpType(RollUpDoubleClick);
    project->setRolledUp(true);
    EXPECT_FALSE(project->isRolledUp());
    project->setFloating(true);
    project->setRolledUp(true);
    EXPECT_TRUE(project->isRolledUp());
    EXPECT_TRUE(project->widget()->isHidden());
    project->setFloating(false);
    EXPECT_FALSE(project->isRolledUp());
    EXPECT_FALSE(project->widget()->isHidden());
    project->setRollUpType(0x105);
    EXPECT_EQ(project->rollUpType(), RollUpOnLeave | RollUpDoubleClick);
}

TEST_F(FrameTest, ContextMenusByNameAndId)
{
    ContextMenuManager menus;
    EXPECT_TRUE(menus.addMenu("Menu contestuale", 130, {cmd::EditCopy, 0, cmd::EditPaste}));
    EXPECT_FALSE(menus.addMenu("Menu contestuale", 131, {}));
    EXPECT_FALSE(menus.addMenu("Altro", 130, {}));
    EXPECT_EQ(menus.menuId("Menu contestuale"), 130);
    CountingView *view = addDocument("a.fpd");
    EXPECT_TRUE(menus.showPopupMenu(130, QPoint(10, 10), view));
    auto *shown = view->findChild<PopupMenu *>();
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->commandIds(), QList<int>({cmd::EditCopy, 0, cmd::EditPaste}));
    shown->close();
    QLabel orphan;
    EXPECT_FALSE(menus.showPopupMenu(130, QPoint(), &orphan));
    EXPECT_FALSE(menus.showPopupMenu(999, QPoint(), view));
}

TEST_F(FrameTest, PlainTextOfCommands)
{
    EXPECT_EQ(CommandTable::withoutMnemonic("&Apri...\tCtrl+O"), "Apri");
    EXPECT_EQ(CommandTable::withoutMnemonic("Rock && &Roll"), "Rock & Roll");
    EXPECT_EQ(frame.commands().description(cmd::FileSave), "Salva il documento");
    EXPECT_EQ(frame.commands().action(cmd::FileSave)->toolTip(), "Salva");
    EXPECT_EQ(frame.commands().action(cmd::EditPaste)->toolTip(), "Incolla");
}

TEST_F(FrameTest, ButtonDroppedOnAToolbarLandsWhereItFalls)
{
    const auto drop = [&](const QByteArray &payload, QPoint at) {
        QMimeData data;
        data.setData("application/x-domora-toolbar-button", payload);
        return bar->dropButton(&data, at, bar);
    };
    // A command from the customisation dialog's list, dropped before the first button.
    EXPECT_TRUE(drop("57637 0 -1", QPoint(1, bar->height() / 2)));
    EXPECT_EQ(bar->buttons(), QList<int>({cmd::EditPaste, cmd::FileSave, 0, cmd::EditCopy}));
    // The toolbar's own first button, dragged past its last one.
    EXPECT_TRUE(drop("57637 32822 0", QPoint(bar->width() - 1, bar->height() / 2)));
    EXPECT_EQ(bar->buttons(), QList<int>({cmd::FileSave, 0, cmd::EditCopy, cmd::EditPaste}));
    EXPECT_FALSE(drop("garbage", QPoint(1, 1)));
    EXPECT_EQ(bar->buttons().size(), 4);
}

TEST_F(FrameTest, ToolbarMenuListsTheBarsAndEndsWithCustomize)
{
    SizingBar *project = frame.createSizingBar(169, "Progetto", new QLabel("x"), {200, 200});
    frame.dockBar(project, Qt::LeftDockWidgetArea);
    frame.commands().add({32771, "&Personalizza..."});
    frame.setCustomizeCommand(32771);
    std::unique_ptr<QMenu> menu(frame.createPopupMenu());
    QStringList texts;
    for (QAction *a : menu->actions())
        texts.append(a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(texts, QStringList({"Disegno", "-", "Progetto", "-", "&Personalizza..."}));
    EXPECT_TRUE(menu->actions().first()->isChecked());
}

TEST_F(FrameTest, HiddenCommandsStayOutOfTheCategories)
{
    PopupMenu *edit = frame.toolkitMenuBar()->addPopup("&Modifica");
    edit->addCommand(cmd::EditCopy);
    PopupMenu *sub = edit->addPopup("&Speciale");
    sub->addCommand(cmd::EditPaste);
    frame.commands().action(cmd::WindowCascade)->setVisible(false);
    KeyMapDialog dialog(frame);
    QStringList categories;
    for (int i = 0; i < dialog.categories()->count(); ++i)
        categories.append(dialog.categories()->itemText(i));
    EXPECT_EQ(categories, QStringList({"All Commands", "Modifica", "Other Commands"}));
    dialog.categories()->setCurrentIndex(1);
    EXPECT_EQ(dialog.table()->rowCount(), 2); // the submenu's command counts too
    EXPECT_FALSE(dialog.keyMapText().contains("Sovrapponi"));
}

TEST_F(FrameTest, UnclaimedCommandsCanBeLeftAlone)
{
    QAction *paste = frame.commands().action(cmd::EditPaste);
    frame.setDisableUnclaimedCommands(false);
    paste->setEnabled(true);
    frame.updateCommands();
    EXPECT_TRUE(paste->isEnabled());
    frame.setDisableUnclaimedCommands(true);
    frame.updateCommands();
    EXPECT_FALSE(paste->isEnabled());
}
