#include "toolkit/colorbutton.h"
#include "toolkit/commandids.h"
#include "toolkit/customizedialog.h"
#include "toolkit/editlistbox.h"
#include "toolkit/keymapdialog.h"
#include "toolkit/mdiframe.h"
#include "toolkit/menubar.h"
#include "toolkit/menubutton.h"
#include "toolkit/neworopendialog.h"
#include "toolkit/popupmenu.h"
#include "toolkit/shellmanager.h"
#include "toolkit/toolbarcombobox.h"
#include "toolkit/urllinkbutton.h"
#include "toolkit/toolbarimages.h"
#include "toolkit/usertoolsmanager.h"
#include "toolkit/visualmanager.h"
#include "toolkit/workspace.h"

// The pages are internal, but the dialog is tested through them.
#include "toolkit/customizepages.h"

#include "platform/messagebox.h"
#include "platform/registry.h"

#include <QAction>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QKeySequenceEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPrinter>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace toolkit;
namespace ui = platform::ui;

namespace {

class DialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        platform::Registry::setStoreFolder(m_store.path());
        m_workspace = std::make_unique<Workspace>("Domora");
        m_workspace->initKeyboardManager();
        m_workspace->enableUserTools(32971, 119, 128);
        m_frame = std::make_unique<MdiFrame>();
        CommandTable &c = m_frame->commands();
        c.add({cmd::FileNew, "&Nuovo", "Crea un documento\nNuovo", {}, {QKeySequence("Ctrl+N")}});
        c.add({cmd::FileOpen, "&Apri...", "Apre un documento\nApri", {}, {QKeySequence("Ctrl+O")}});
        c.add({cmd::EditCopy, "&Copia", "Copia la selezione\nCopia", {}, {QKeySequence("Ctrl+C")}});
        c.add({cmd::EditPaste, "&Incolla", "Incolla\nIncolla", {}, {}});
        MenuBar *bar = m_frame->createMenuBar();
        PopupMenu *file = bar->addPopup("&File");
        file->addCommand(cmd::FileNew);
        file->addCommand(cmd::FileOpen);
        PopupMenu *edit = bar->addPopup("&Modifica");
        edit->addCommand(cmd::EditCopy);
        edit->addCommand(cmd::EditPaste);
        m_frame->enableUserToolBars(59432, 59441);
        m_bar = m_frame->createToolBar(59392, "Standard", {{cmd::FileNew}, {cmd::FileOpen}});
        m_frame->dockToolBar(m_bar, Qt::TopToolBarArea);
    }
    void TearDown() override
    {
        ui::setDialogResponder({});
        ui::setMessageResponder({});
        m_frame.reset();
        m_workspace.reset();
        platform::Registry::setStoreFolder({});
    }

    QTemporaryDir m_store;
    std::unique_ptr<Workspace> m_workspace;
    std::unique_ptr<MdiFrame> m_frame;
    ToolBar *m_bar = nullptr;
};

} // namespace

TEST_F(DialogTest, CustomizeHasAPagePerFacilityThatIsOn)
{
    CustomizeDialog dialog(*m_frame);
    for (const char *name : {"toolbars", "commands", "tools", "keyboard", "look", "options"})
        EXPECT_NE(dialog.page(name), nullptr) << name;
    m_workspace->enableUserTools(0, 0, -1); // refused: the manager stays
    CustomizeDialog plain(*m_frame, CustomizeDialog::ScanMenus);
    EXPECT_EQ(plain.page("look"), nullptr);
    EXPECT_EQ(plain.page("options"), nullptr);
}

TEST_F(DialogTest, CommandsPageEditsTheChosenToolbar)
{
    CustomizeDialog dialog(*m_frame);
    auto *page = static_cast<CustomizeCommandsPage *>(dialog.page("commands"));
    auto *categories = page->findChild<QListWidget *>("categories");
    QStringList names;
    for (int i = 0; i < categories->count(); ++i)
        names.append(categories->item(i)->text());
    EXPECT_EQ(names.mid(1), QStringList({"File", "Modifica"}));

    page->selectToolBar(m_bar);
    auto *buttons = page->findChild<QListWidget *>("buttonList");
    buttons->setCurrentRow(0);
    page->selectCommand(cmd::EditCopy);
    page->addCurrentCommand();
    EXPECT_EQ(m_bar->buttons(), QList<int>({cmd::FileNew, cmd::EditCopy, cmd::FileOpen}));
    page->addSeparator();
    EXPECT_EQ(m_bar->buttons(), QList<int>({cmd::FileNew, cmd::EditCopy, 0, cmd::FileOpen}));
    buttons->setCurrentRow(3);
    page->moveCurrentButton(-1);
    EXPECT_EQ(m_bar->buttons(), QList<int>({cmd::FileNew, cmd::EditCopy, cmd::FileOpen, 0}));
    buttons->setCurrentRow(0);
    page->removeCurrentButton();
    EXPECT_EQ(m_bar->buttons(), QList<int>({cmd::EditCopy, cmd::FileOpen, 0}));
    EXPECT_EQ(buttons->count(), 3);
}

TEST_F(DialogTest, ToolbarsPageCreatesRenamesAndDeletesUserToolbars)
{
    CustomizeDialog dialog(*m_frame);
    auto *page = static_cast<CustomizeToolBarsPage *>(dialog.page("toolbars"));
    QString nextName = "Mie forme";
    ui::setDialogResponder([&](QDialog &d) {
        auto *input = qobject_cast<QInputDialog *>(&d);
        if (!input)
            return int(QDialog::Rejected);
        input->setTextValue(nextName);
        return int(QDialog::Accepted);
    });
    ui::setMessageResponder([](const ui::MessageRequest &) { return ui::Answer::Yes; });
    page->newToolBar();
    ASSERT_EQ(m_frame->userToolBars().size(), 1);
    ToolBar *mine = m_frame->userToolBars().first();
    EXPECT_EQ(mine->windowTitle(), "Mie forme");
    EXPECT_EQ(page->list()->currentItem()->text(), "Mie forme");

    nextName = "Forme";
    page->renameCurrent();
    EXPECT_EQ(mine->windowTitle(), "Forme");

    page->list()->setCurrentRow(0); // a built-in toolbar is never deleted
    page->deleteCurrent();
    EXPECT_EQ(m_frame->toolBars().size(), 2);
    page->list()->setCurrentRow(1);
    page->deleteCurrent();
    EXPECT_TRUE(m_frame->userToolBars().isEmpty());
    EXPECT_EQ(page->list()->count(), 1);
}

TEST_F(DialogTest, ToolbarsPageShowsAndHidesBars)
{
    CustomizeDialog dialog(*m_frame);
    auto *page = static_cast<CustomizeToolBarsPage *>(dialog.page("toolbars"));
    page->list()->item(0)->setCheckState(Qt::Unchecked);
    EXPECT_TRUE(m_bar->isHidden());
    page->list()->item(0)->setCheckState(Qt::Checked);
    EXPECT_FALSE(m_bar->isHidden());
}

TEST_F(DialogTest, ToolsPageWritesTheListBack)
{
    UserToolsManager &tools = *m_workspace->userToolsManager();
    tools.addTool({"Blocco appunti", "/opt/jotter"});
    tools.addTool({"Chromatrix", "/opt/chromatrix"});
    CustomizeDialog dialog(*m_frame);
    auto *page = static_cast<CustomizeToolsPage *>(dialog.page("tools"));
    EXPECT_EQ(page->list()->items(), QStringList({"Blocco appunti", "Chromatrix"}));
    page->list()->setCurrentIndex(1);
    EXPECT_EQ(page->command()->text(), "/opt/chromatrix");
    page->arguments()->setText("-x");
    emit page->arguments()->textEdited("-x");
    EXPECT_EQ(tools.tools()[1].arguments, "-x");
    page->list()->newItem();
    ASSERT_EQ(tools.tools().size(), 3);
    page->list()->setItemText(2, "Rubblefall");
    emit page->list()->itemRenamed(2);
    EXPECT_EQ(tools.tools()[2].caption, "Rubblefall");
    page->list()->setCurrentIndex(0);
    page->list()->deleteCurrent();
    EXPECT_EQ(tools.tools().size(), 2);
    EXPECT_EQ(tools.tools()[0].caption, "Chromatrix");
}

TEST_F(DialogTest, ToolsPageRefusesMoreToolsThanCommands)
{
    m_workspace->enableUserTools(32971, 119, 120);
    m_workspace->userToolsManager()->addTool({"a", "a"});
    CustomizeDialog dialog(*m_frame);
    auto *page = static_cast<CustomizeToolsPage *>(dialog.page("tools"));
    page->list()->newItem();
    EXPECT_EQ(m_workspace->userToolsManager()->tools().size(), 2);
    page->list()->newItem();
    EXPECT_EQ(m_workspace->userToolsManager()->tools().size(), 2);
    EXPECT_EQ(page->list()->count(), 2);
}

TEST_F(DialogTest, KeyboardPageMovesAKeyBetweenCommands)
{
    CustomizeDialog dialog(*m_frame);
    auto *page = static_cast<CustomizeKeyboardPage *>(dialog.page("keyboard"));
    page->selectCommand(cmd::EditPaste);
    page->newKey()->setKeySequence(QKeySequence("Ctrl+N"));
    page->assign();
    EXPECT_EQ(m_frame->commands().action(cmd::EditPaste)->shortcuts(),
              QList<QKeySequence>({QKeySequence("Ctrl+N")}));
    EXPECT_TRUE(m_frame->commands().action(cmd::FileNew)->shortcuts().isEmpty());
    EXPECT_EQ(page->currentKeys()->count(), 1);
    page->removeCurrentKey();
    EXPECT_TRUE(m_frame->commands().action(cmd::EditPaste)->shortcuts().isEmpty());
    ui::setMessageResponder([](const ui::MessageRequest &) { return ui::Answer::Yes; });
    page->resetAll();
    EXPECT_EQ(m_frame->commands().action(cmd::FileNew)->shortcuts(),
              QList<QKeySequence>({QKeySequence("Ctrl+N")}));
}

TEST_F(DialogTest, KeyMapListsEveryCommandWithKeysAndDescription)
{
    KeyMapDialog dialog(*m_frame);
    EXPECT_EQ(dialog.categories()->itemText(1), "File");
    const QString text = dialog.keyMapText();
    EXPECT_TRUE(text.contains("Nuovo\t" +
                              QKeySequence("Ctrl+N").toString(QKeySequence::NativeText) +
                              "\tCrea un documento"));
    EXPECT_TRUE(text.contains("Incolla\t\tIncolla"));
    dialog.categories()->setCurrentIndex(1);
    EXPECT_EQ(dialog.table()->rowCount(), 2);
    EXPECT_FALSE(dialog.keyMapText().contains("Incolla"));

    QTemporaryDir dir;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("mappa.pdf"));
    EXPECT_TRUE(dialog.print(printer));
    EXPECT_GT(QFileInfo(dir.filePath("mappa.pdf")).size(), 500);
}

TEST_F(DialogTest, ColorButtonPaletteAutomaticAndOtherColours)
{
    ColorButton button;
    button.setColumnsNumber(5);
    button.setColors({Qt::red, Qt::green, Qt::blue});
    button.enableAutomaticButton("Automatico", Qt::darkGray);
    button.enableOtherButton("Altri colori...");
    button.setDocumentColors("Colori del documento", {QColor(0xE1F0E1)});
    ColorButton::setColorName(Qt::green, "Verde");
    QList<QColor> chosen;
    QObject::connect(&button, &ColorButton::colorChosen,
                     [&](const QColor &c) { chosen.append(c); });

    button.showPalette();
    auto *popup = button.findChild<QFrame *>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_NE(popup, nullptr);
    auto *green = popup->findChild<QToolButton *>("palette-1");
    ASSERT_NE(green, nullptr);
    EXPECT_EQ(green->toolTip(), "Verde");
    EXPECT_NE(popup->findChild<QToolButton *>("document-0"), nullptr);
    green->click();
    EXPECT_EQ(button.color(), QColor(Qt::green));

    button.showPalette();
    popup = button.findChildren<QFrame *>(QString(), Qt::FindDirectChildrenOnly).last();
    popup->findChild<QPushButton *>("automatic")->click();
    EXPECT_TRUE(button.isAutomatic());
    EXPECT_FALSE(button.color().isValid());
    EXPECT_EQ(button.effectiveColor(), QColor(Qt::darkGray));

    ui::setDialogResponder([](QDialog &d) {
        static_cast<QColorDialog &>(d).setCurrentColor(QColor(1, 2, 3));
        return int(QDialog::Accepted);
    });
    EXPECT_TRUE(button.chooseOtherColor());
    EXPECT_EQ(button.color(), QColor(1, 2, 3));
    ASSERT_EQ(chosen.size(), 3);
    EXPECT_FALSE(chosen[1].isValid());
}

TEST_F(DialogTest, MenuButtonReportsTheChosenCommandAfterTheMenuCloses)
{
    MenuButton button;
    button.addCommand(32773, "&Visualizzatore degli eventi...");
    button.addCommand(0, {});
    button.addCommand(32774, "C&ancella eventi registrati");
    int reported = -1;
    QObject::connect(&button, &MenuButton::commandChosen, [&](int id) { reported = id; });
    QTimer::singleShot(50, [&] {
        QTest::keyClick(button.commandMenu(), Qt::Key_Down);
        QTest::keyClick(button.commandMenu(), Qt::Key_Down);
        QTest::keyClick(button.commandMenu(), Qt::Key_Return);
    });
    EXPECT_EQ(button.showCommandMenu(), 32774);
    EXPECT_EQ(reported, 32774);
    QTimer::singleShot(50, [&] { QTest::keyClick(button.commandMenu(), Qt::Key_Escape); });
    EXPECT_EQ(button.showCommandMenu(), 0);
    EXPECT_EQ(button.chosenCommand(), 0);
}

TEST_F(DialogTest, EditListBoxKeysAndButtons)
{
    EditListBox box;
    box.setItems({"uno", "due", "tre"});
    int added = -1, removed = -1;
    QObject::connect(&box, &EditListBox::itemAdded, [&](int i) { added = i; });
    QObject::connect(&box, &EditListBox::itemRemoved, [&](int i) { removed = i; });
    box.setCurrentIndex(1);
    QTest::keyClick(box.listWidget(), Qt::Key_Delete);
    EXPECT_EQ(box.items(), QStringList({"uno", "tre"}));
    EXPECT_EQ(removed, 1);
    EXPECT_EQ(box.currentIndex(), 1);
    QTest::keyClick(box.listWidget(), Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(box.items(), QStringList({"tre", "uno"}));
    QTest::keyClick(box.listWidget(), Qt::Key_Insert);
    EXPECT_EQ(box.count(), 3);
    EXPECT_EQ(added, 2);
    box.setButtonEnabled(EditListBox::DeleteButton, false);
    box.deleteCurrent();
    EXPECT_EQ(box.count(), 3);
    box.clear();
    box.deleteCurrent();
    EXPECT_EQ(box.count(), 0);
}

TEST_F(DialogTest, NewOrOpenAnswersFromEachPage)
{
    QTemporaryDir dir;
    const QString existing = dir.filePath("casa.fpd");
    QFile(existing).open(QIODevice::WriteOnly);
    {
        NewOrOpenDialog dialog("Domora", {"Documenti di Domora (*.fpd)"});
        for (const char *kind : {"Creazione guidata", "Normale", "Cartello", "Printnet"})
            dialog.addNewItem(kind, 0);
        dialog.newItems()->setCurrentRow(2);
        dialog.acceptCurrent();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.choice(), NewOrOpenDialog::Choice::New);
        EXPECT_EQ(dialog.newItemIndex(), 2);
    }
    {
        NewOrOpenDialog dialog("Domora", {"Documenti di Domora (*.fpd)"});
        dialog.setRecentFiles({dir.filePath("sparito.fpd"), existing});
        ASSERT_EQ(dialog.recentItems()->count(), 1);
        dialog.setCurrentPage(NewOrOpenDialog::Page::Recent);
        dialog.acceptCurrent();
        EXPECT_EQ(dialog.choice(), NewOrOpenDialog::Choice::Recent);
        EXPECT_EQ(dialog.path(), QFileInfo(existing).absoluteFilePath());
    }
    {
        NewOrOpenDialog dialog("Domora", {"Documenti di Domora (*.fpd)"});
        dialog.setOpenFolder(dir.path());
        dialog.setCurrentPage(NewOrOpenDialog::Page::Open);
        dialog.fileBrowser()->selectFile(existing);
        dialog.acceptCurrent();
        EXPECT_EQ(dialog.choice(), NewOrOpenDialog::Choice::Open);
        EXPECT_EQ(QFileInfo(dialog.path()).fileName(), "casa.fpd");
    }
}

TEST_F(DialogTest, ToolBarComboGivesTheItemsCommandToTheFrame)
{
    int got = 0;
    struct Target : CommandTarget
    {
        int *got;
        bool handleCommand(int id) override { return *got = id, true; }
        bool updateCommand(int, CommandUpdate &) override { return true; }
    } target;
    target.got = &got;
    m_frame->addCommandTarget(&target);
    auto *box = new ToolBarComboBox(m_bar);
    box->addCommandItem("Cucina", 32992);
    box->addCommandItem("Bagno", 32991);
    box->addCommandItem("Camera da letto", 32993);
    emit box->activated(2);
    EXPECT_EQ(got, 32993);
    m_frame->removeCommandTarget(&target);
}

TEST_F(DialogTest, FontSizeAcceptsOnlySensibleSizes)
{
    FontSizeComboBox sizes;
    sizes.setEditText("12");
    EXPECT_EQ(sizes.pointSize(), 12);
    sizes.setEditText("0");
    EXPECT_EQ(sizes.pointSize(), 0);
    sizes.setEditText("abc");
    EXPECT_EQ(sizes.pointSize(), 0);
    sizes.setEditText("2000");
    EXPECT_EQ(sizes.pointSize(), 0);
    EXPECT_GT(sizes.count(), 5);
}

TEST_F(DialogTest, LinkToAMissingFileIsReported)
{
    UrlLinkButton link;
    link.setText("manuale");
    link.setUrl("/nessuna/cartella/manuale.pdf");
    QString shown;
    ui::setMessageResponder([&](const ui::MessageRequest &r) {
        shown = r.text;
        return ui::Answer::Ok;
    });
    EXPECT_FALSE(link.openUrl());
    EXPECT_TRUE(shown.contains("/nessuna/cartella/manuale.pdf"));
}

TEST_F(DialogTest, FolderPickerReturnsTheFolderOrNothing)
{
    QTemporaryDir dir;
    ShellManager shell;
    ui::setDialogResponder([&](QDialog &d) {
        auto &files = static_cast<QFileDialog &>(d);
        EXPECT_EQ(files.fileMode(), QFileDialog::Directory);
        files.selectFile(dir.path());
        return int(QDialog::Accepted);
    });
    EXPECT_EQ(shell.browseForFolder(nullptr, "Cartella"), QDir::cleanPath(dir.path()));
    ui::setDialogResponder([](QDialog &) { return int(QDialog::Rejected); });
    EXPECT_TRUE(shell.browseForFolder(nullptr, "Cartella").isEmpty());
}

TEST_F(DialogTest, UserImageChosenForACommandShowsOnItsButtons)
{
    QTemporaryDir dir;
    QImage strip(32, 15, QImage::Format_RGB32);
    strip.fill(Qt::yellow);
    ASSERT_TRUE(strip.save(dir.filePath("tbar.bmp")));
    ToolBarImages images;
    ASSERT_TRUE(images.load(dir.filePath("tbar.bmp")));
    m_frame->setUserImages(images);
    CustomizeDialog dialog(*m_frame);
    auto *page = static_cast<CustomizeCommandsPage *>(dialog.page("commands"));
    page->selectCommand(cmd::EditPaste);
    ui::setDialogResponder([](QDialog &d) {
        auto *list = d.findChild<QListWidget *>();
        list->setCurrentRow(2); // the second user image
        return int(QDialog::Accepted);
    });
    page->chooseUserImage();
    EXPECT_EQ(m_frame->commands().userImageIndex(cmd::EditPaste), 1);
    EXPECT_EQ(
        m_frame->commands().action(cmd::EditPaste)->icon().pixmap(16, 15).toImage().pixel(3, 3),
        QColor(Qt::yellow).rgb());
}

TEST_F(DialogTest, LookPagePutsTheChosenLookInForce)
{
    VisualManager::setDefaultManager(nullptr);
    CustomizeDialog dialog(*m_frame);
    auto *page = static_cast<CustomizeLookPage *>(dialog.page("look"));
    ASSERT_GE(page->looks()->count(), 2);
    page->looks()->setCurrentRow(1);
    EXPECT_EQ(VisualManager::instance()->name(), "Office XP");
    page->looks()->setCurrentRow(0);
    EXPECT_EQ(VisualManager::instance()->name(), "Standard");
}

TEST_F(DialogTest, OptionsPageSetsTipsAndLabels)
{
    ToolBar::setShowToolTips(true);
    CustomizeDialog dialog(*m_frame);
    QWidget *page = dialog.page("options");
    const QList<QCheckBox *> boxes = page->findChildren<QCheckBox *>();
    ASSERT_EQ(boxes.size(), 4);
    boxes[0]->setChecked(false);
    EXPECT_FALSE(ToolBar::showToolTips());
    EXPECT_FALSE(boxes[1]->isEnabled());
    boxes[0]->setChecked(true);
    boxes[1]->setChecked(true);
    EXPECT_TRUE(ToolBar::shortcutsInToolTips());
    boxes[2]->setChecked(true);
    EXPECT_EQ(m_bar->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    boxes[2]->setChecked(false);
    boxes[1]->setChecked(false);
}

TEST_F(DialogTest, NewOrOpenWithNothingChosenStaysOpen)
{
    NewOrOpenDialog dialog("Domora", {});
    dialog.acceptCurrent();
    EXPECT_EQ(dialog.choice(), NewOrOpenDialog::Choice::None);
    dialog.setCurrentPage(NewOrOpenDialog::Page::Recent);
    dialog.acceptCurrent();
    EXPECT_EQ(dialog.choice(), NewOrOpenDialog::Choice::None);
}
