#include "toolkit/commandtable.h"
#include "toolkit/keyboardmanager.h"
#include "toolkit/mdiframe.h"
#include "toolkit/popupmenu.h"
#include "toolkit/tearoffmanager.h"
#include "toolkit/usertoolsmanager.h"
#include "toolkit/workspace.h"

#include "toolkit/visualmanager.h"
#include "toolkit/visualmanagerxp.h"

#include "platform/messagebox.h"
#include "platform/paths.h"
#include "platform/registry.h"

#include <QAction>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QWidget>

#include <gtest/gtest.h>

using namespace toolkit;

namespace {

// Every test gets its own settings store.
class WorkspaceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_store.isValid());
        platform::Registry::setStoreFolder(m_store.path());
    }
    void TearDown() override { platform::Registry::setStoreFolder({}); }

    QJsonObject runProbe(const QString &mode)
    {
        QProcess probe;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DOMORA_SETTINGS_DIR", m_store.path());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        probe.setProcessEnvironment(env);
        probe.start(STATE_PROBE, {mode});
        EXPECT_TRUE(probe.waitForFinished(30000));
        EXPECT_EQ(probe.exitCode(), 0) << probe.readAllStandardError().toStdString();
        return QJsonDocument::fromJson(probe.readAllStandardOutput()).object();
    }

    QTemporaryDir m_store;
};

QJsonObject barById(const QJsonObject &report, int id)
{
    for (const QJsonValue &bar : report["toolbars"].toArray()) {
        if (bar["id"].toInt() == id)
            return bar.toObject();
    }
    return {};
}

QList<int> buttonsOf(const QJsonObject &bar)
{
    QList<int> ids;
    for (const QJsonValue &v : bar["buttons"].toArray())
        ids.append(v.toInt());
    return ids;
}

} // namespace

TEST_F(WorkspaceTest, LayoutSavedAtCloseComesBackInTheNextProcess)
{
    const QJsonObject fresh = runProbe("report");
    EXPECT_FALSE(fresh["loaded"].toBool());
    EXPECT_TRUE(fresh["statusVisible"].toBool());
    EXPECT_EQ(buttonsOf(barById(fresh, 59392)), QList<int>({57600, 57601, 57603}));

    runProbe("save");
    const QJsonObject after = runProbe("report");
    EXPECT_TRUE(after["loaded"].toBool());
    EXPECT_EQ(buttonsOf(barById(after, 59392)), QList<int>({57600, 57603}));
    EXPECT_EQ(barById(after, 32822)["area"].toInt(), int(Qt::LeftToolBarArea));
    EXPECT_EQ(barById(after, 59392)["area"].toInt(), int(Qt::TopToolBarArea));
    EXPECT_FALSE(after["projectVisible"].toBool());
    EXPECT_FALSE(after["statusVisible"].toBool()); // not part of the docking layout

    const QJsonObject mine = barById(after, 59432);
    EXPECT_TRUE(mine["user"].toBool());
    EXPECT_EQ(mine["title"].toString(), "Mia barra");
    EXPECT_EQ(buttonsOf(mine), QList<int>({57634, 0, 57600}));

    EXPECT_EQ(after["copyKeys"].toString(),
              QKeySequence("Ctrl+C").toString(QKeySequence::NativeText) + ", " +
                  QKeySequence("Ctrl+Shift+K").toString(QKeySequence::NativeText));
    QStringList tools;
    for (const QJsonValue &v : after["tools"].toArray())
        tools.append(v.toString());
    EXPECT_EQ(tools, QStringList({"Uno", "Tre", "Quattro", "Cinque"}));
    EXPECT_EQ(after["width"].toInt(), 700);
    EXPECT_EQ(after["height"].toInt(), 500);

    runProbe("clean");
    const QJsonObject cleaned = runProbe("report");
    EXPECT_FALSE(cleaned["loaded"].toBool());
    EXPECT_TRUE(barById(cleaned, 59432).isEmpty());
}

TEST_F(WorkspaceTest, CleanStateKeepsTheProgramsOwnValuesUnderTheBase)
{
    Workspace workspace("Domora");
    workspace.setRegistryBase("Interface");
    workspace.registry().writeString("Interface", "LocaleLib", "/x/localepack.so");
    workspace.registry().writeString("Interface\\Frame", "State", "abc");
    workspace.registry().writeInt("Interface\\Tools", "Count", 0);
    EXPECT_TRUE(workspace.cleanState());
    EXPECT_EQ(workspace.registry().readString("Interface", "LocaleLib"), "/x/localepack.so");
    EXPECT_FALSE(workspace.registry().keyExists("Interface\\Frame"));
    EXPECT_FALSE(workspace.registry().keyExists("Interface\\Tools"));
}

TEST_F(WorkspaceTest, RegistryBaseIsASubKeyOfTheProgramsKey)
{
    Workspace workspace("Domora");
    workspace.setRegistryBase("Custom/Layout\\");
    EXPECT_EQ(workspace.section("Tools"), "Custom\\Layout\\Tools");
    workspace.setRegistryBase("");
    EXPECT_EQ(workspace.registryBase(), "Interface");
}

TEST_F(WorkspaceTest, UserToolListWithOneRemovedComesBackWithFour)
{
    platform::Registry reg("Domora");
    UserToolsManager first(32971, 119, 128);
    for (const char *name :
         {"Blocco appunti", "Chromatrix", "Management console", "FTP browser", "Rubblefall"})
        EXPECT_NE(first.addTool({name, QString("/opt/%1").arg(name), "-a \"b c\"", {}}), 0);
    EXPECT_TRUE(first.removeTool(121));
    ASSERT_TRUE(first.saveState(reg, "Interface\\Tools"));

    UserToolsManager second(32971, 119, 128);
    ASSERT_TRUE(second.loadState(reg, "Interface\\Tools"));
    ASSERT_EQ(second.tools().size(), 4);
    EXPECT_EQ(second.tools()[2].caption, "FTP browser");
    EXPECT_EQ(second.tools()[2].arguments, "-a \"b c\"");
    EXPECT_EQ(second.tool(122)->caption, "Rubblefall");
    EXPECT_EQ(second.tool(123), nullptr);
}

TEST_F(WorkspaceTest, EmptyToolListIsSavedAsEmptyAndNothingSavedIsNotLoaded)
{
    platform::Registry reg("Domora");
    UserToolsManager tools(32971, 119, 128);
    EXPECT_FALSE(tools.loadState(reg, "Interface\\Tools"));
    ASSERT_TRUE(tools.saveState(reg, "Interface\\Tools"));
    EXPECT_TRUE(tools.loadState(reg, "Interface\\Tools"));
    EXPECT_TRUE(tools.isEmpty());
}

TEST_F(WorkspaceTest, ToolListStopsAtTheLastCommand)
{
    UserToolsManager tools(32971, 119, 121);
    EXPECT_EQ(tools.addTool({"a", "a", {}, {}}), 119);
    EXPECT_EQ(tools.addTool({"b", "b", {}, {}}), 120);
    EXPECT_EQ(tools.addTool({"c", "c", {}, {}}), 121);
    EXPECT_EQ(tools.addTool({"d", "d", {}, {}}), 0);
    EXPECT_TRUE(tools.isToolCommand(121));
    EXPECT_FALSE(tools.isToolCommand(122));
}

TEST_F(WorkspaceTest, MissingToolProgramIsReportedWithItsName)
{
    UserToolsManager tools(32971, 119, 128);
    tools.addTool({"Chromatrix", "/nowhere/chromatrix", {}, {}});
    QString shown;
    platform::ui::setMessageResponder([&](const platform::ui::MessageRequest &r) {
        shown = r.text;
        return platform::ui::Answer::Ok;
    });
    EXPECT_FALSE(tools.invokeTool(119));
    platform::ui::setMessageResponder({});
    EXPECT_TRUE(shown.contains("Chromatrix"));
    EXPECT_TRUE(shown.contains("/nowhere/chromatrix"));
}

TEST_F(WorkspaceTest, ToolStartsDetachedWithItsArguments)
{
    QTemporaryDir dir;
    const QString out = dir.filePath("out.txt");
    UserToolsManager tools(32971, 119, 128);
    tools.addTool({"Scrive", "/bin/sh", QString("-c \"echo ciao > '%1'\"").arg(out), dir.path()});
    EXPECT_TRUE(tools.invokeTool(119));
    for (int i = 0; i < 100 && !QFile::exists(out); ++i)
        QThread::msleep(20);
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().trimmed(), "ciao");
}

TEST_F(WorkspaceTest, ShortcutsSurviveSaveAndLoad)
{
    platform::Registry reg("Domora");
    QWidget frameA, frameB;
    CommandTable a(&frameA), b(&frameB);
    for (CommandTable *t : {&a, &b}) {
        t->add({1, "Uno", {}, {}, {QKeySequence("Ctrl+1")}, false});
        t->add({2, "Due", {}, {}, {QKeySequence("Ctrl+2")}, false});
        t->add({3, "Tre", {}, {}, {}, false});
    }
    KeyboardManager keyboard;
    // Ctrl+1 moves from command 1 to command 3; command 2 loses its key.
    EXPECT_TRUE(KeyboardManager::assign(a, 3, QKeySequence("Ctrl+1")));
    EXPECT_TRUE(KeyboardManager::remove(a, 2, QKeySequence("Ctrl+2")));
    EXPECT_EQ(KeyboardManager::commandForKey(a, QKeySequence("Ctrl+1")), 3);
    ASSERT_TRUE(keyboard.saveState(reg, "Interface\\Keyboard", a));

    ASSERT_TRUE(keyboard.loadState(reg, "Interface\\Keyboard", b));
    EXPECT_TRUE(b.action(1)->shortcuts().isEmpty());
    EXPECT_TRUE(b.action(2)->shortcuts().isEmpty());
    EXPECT_EQ(b.action(3)->shortcuts(), QList<QKeySequence>({QKeySequence("Ctrl+1")}));

    KeyboardManager::resetAll(b);
    EXPECT_EQ(b.action(2)->shortcuts(), QList<QKeySequence>({QKeySequence("Ctrl+2")}));
    EXPECT_TRUE(b.action(3)->shortcuts().isEmpty());
}

TEST_F(WorkspaceTest, SavedKeysOfUnknownCommandsAreIgnored)
{
    platform::Registry reg("Domora");
    reg.writeString("Interface\\Keyboard", "999", "Ctrl+9");
    reg.writeString("Interface\\Keyboard", "abc", "Ctrl+8");
    reg.writeString("Interface\\Keyboard", "1", "Ctrl+7\tnonsense+key+++\tF4");
    QWidget frame;
    CommandTable t(&frame);
    t.add({1, "Uno", {}, {}, {}, false});
    EXPECT_TRUE(KeyboardManager().loadState(reg, "Interface\\Keyboard", t));
    EXPECT_TRUE(t.action(1)->shortcuts().contains(QKeySequence("Ctrl+7")));
    EXPECT_TRUE(t.action(1)->shortcuts().contains(QKeySequence("F4")));
}

TEST_F(WorkspaceTest, TearOffIsEnabledExactlyInsideTheRange)
{
    Workspace workspace("Domora");
    ASSERT_TRUE(workspace.enableTearOffMenus(61460, 61474));
    QWidget frame;
    CommandTable commands(&frame);
    const std::pair<int, bool> cases[] = {
        {61459, false}, {61460, true}, {61467, true}, {61474, true}, {61475, false}};
    for (const auto &[id, expected] : cases) {
        PopupMenu menu("Disegno", commands);
        menu.setTearOffId(id);
        EXPECT_EQ(menu.isTearOffEnabled(), expected) << id;
    }
    TearOffManager *tearOff = workspace.tearOffManager();
    for (int id = 61460; id <= 61474; ++id)
        EXPECT_EQ(tearOff->takeNextId(), id);
    EXPECT_EQ(tearOff->takeNextId(), 0);
    PopupMenu late("Altro", commands);
    late.setTearOffId(0);
    EXPECT_FALSE(late.isTearOffEnabled());
    EXPECT_FALSE(workspace.enableTearOffMenus(61474, 61460));
}

TEST_F(WorkspaceTest, WithoutTearOffRangeNoMenuTearsOff)
{
    Workspace workspace("Domora");
    QWidget frame;
    CommandTable commands(&frame);
    PopupMenu menu("Disegno", commands);
    menu.setTearOffId(61460);
    EXPECT_FALSE(menu.isTearOffEnabled());
}

TEST_F(WorkspaceTest, ToolsMenuListsTheToolsInPlaceOfThePlaceholder)
{
    Workspace workspace("Domora");
    workspace.enableUserTools(32971, 119, 128);
    QWidget frame;
    CommandTable commands(&frame);
    commands.add({100, "&Opzioni...", {}, {}, {}, false});
    PopupMenu menu("Strumenti", commands);
    menu.addCommand(32971);
    menu.addCommand(0);
    menu.addCommand(100);
    UserToolsManager *tools = workspace.userToolsManager();
    tools->addTool({"Blocco appunti", "jotter", {}, {}});
    tools->addTool({"Chromatrix", "chromatrix", {}, {}});
    emit menu.aboutToShow();
    QStringList texts;
    for (QAction *a : menu.actions()) {
        if (a->isVisible())
            texts.append(a->isSeparator() ? "-" : a->text());
    }
    EXPECT_EQ(texts, QStringList({"Blocco appunti", "Chromatrix", "-", "&Opzioni..."}));
    tools->removeTool(119);
    emit menu.aboutToShow();
    EXPECT_EQ(menu.commandIds(), QList<int>({119, 0, 100}));
}

TEST_F(WorkspaceTest, KeysOfUserToolsComeBackWithTheTools)
{
    {
        Workspace workspace("Domora");
        workspace.initKeyboardManager();
        workspace.enableUserTools(32971, 119, 128);
        MdiFrame frame;
        frame.loadFrame();
        workspace.userToolsManager()->addTool({"Blocco appunti", "jotter"});
        workspace.userToolsManager()->addTool({"Chromatrix", "chromatrix"});
        ASSERT_NE(frame.commands().action(120), nullptr);
        EXPECT_EQ(frame.commands().action(120)->text(), "Chromatrix");
        ASSERT_TRUE(KeyboardManager::assign(frame.commands(), 120, QKeySequence("Ctrl+F9")));
        ASSERT_TRUE(workspace.saveState(frame));
    }
    Workspace workspace("Domora");
    workspace.initKeyboardManager();
    workspace.enableUserTools(32971, 119, 128);
    MdiFrame frame;
    EXPECT_TRUE(frame.loadFrame());
    ASSERT_EQ(workspace.userToolsManager()->tools().size(), 2);
    EXPECT_EQ(KeyboardManager::commandForKey(frame.commands(), QKeySequence("Ctrl+F9")), 120);
}

TEST_F(WorkspaceTest, DamagedSavedLayoutLeavesTheBuiltInOne)
{
    platform::Registry reg("Domora");
    reg.writeInt("Interface\\Frame", "Version", 1);
    reg.writeString("Interface\\Frame", "State", "%%% not base64 %%%");
    reg.writeString("Interface\\Frame", "Geometry", "AAAA");
    reg.writeString("Interface\\ToolBars\\59392", "Buttons", "57600,x,-4,,99999999999,0");
    reg.writeInt("Interface\\ToolBars\\70000", "User", 1);
    reg.writeString("Interface\\ToolBars\\70000", "Title", "Fuori intervallo");
    reg.writeInt("Interface\\Tools", "Count", 1000000);
    reg.writeString("Interface\\Look", "Skin", "Nessuna pelle");
    reg.writeInt("Interface\\UserImages", "57600", 99);
    reg.sync();

    Workspace workspace("Domora");
    workspace.initKeyboardManager();
    workspace.enableUserTools(32971, 119, 128);
    MdiFrame frame;
    frame.enableUserToolBars(59432, 59441);
    frame.commands().add({57600, "&Nuovo"});
    ToolBar *standard = frame.createToolBar(59392, "Standard", {{57600}});
    frame.dockToolBar(standard, Qt::TopToolBarArea);
    frame.loadFrame();
    EXPECT_EQ(standard->buttons(), QList<int>({57600, 0}));
    EXPECT_TRUE(frame.userToolBars().isEmpty());
    EXPECT_LE(workspace.userToolsManager()->tools().size(), 10);
    EXPECT_EQ(frame.commands().userImageIndex(57600), -1);
    EXPECT_EQ(frame.toolBarArea(standard), Qt::TopToolBarArea);
}

TEST_F(WorkspaceTest, ChosenLookComesBack)
{
    {
        Workspace workspace("Domora");
        MdiFrame frame;
        VisualManager::setDefaultManager(nullptr);
        ASSERT_TRUE(workspace.saveState(frame));
    }
    VisualManager::setDefaultManager(std::make_unique<VisualManagerXP>());
    {
        Workspace workspace("Domora");
        MdiFrame frame;
        frame.loadFrame();
        EXPECT_EQ(VisualManager::instance()->name(), "Standard");
    }
    VisualManager::setDefaultManager(std::make_unique<VisualManagerXP>());
    {
        Workspace workspace("Domora");
        MdiFrame frame;
        ASSERT_TRUE(workspace.saveState(frame));
    }
    VisualManager::setDefaultManager(nullptr);
    Workspace workspace("Domora");
    MdiFrame frame;
    frame.loadFrame();
    EXPECT_EQ(VisualManager::instance()->name(), "Office XP");
}

TEST_F(WorkspaceTest, ToolPathsAreFoundBesideTheProgramAndOnThePath)
{
    QTemporaryDir folder;
    QFile tool(folder.filePath("jotter"));
    ASSERT_TRUE(tool.open(QIODevice::WriteOnly));
    tool.close();
    platform::setProgramFolder(folder.path());
    EXPECT_EQ(UserToolsManager::resolveProgram("jotter"), QFileInfo(tool).absoluteFilePath());
    EXPECT_EQ(UserToolsManager::resolveProgram(tool.fileName()),
              QFileInfo(tool).absoluteFilePath());
    EXPECT_EQ(UserToolsManager::resolveProgram("sh"), QStandardPaths::findExecutable("sh"));
    EXPECT_TRUE(UserToolsManager::resolveProgram("").isEmpty());
    EXPECT_TRUE(UserToolsManager::resolveProgram("sottocartella/nessuno").isEmpty());
    platform::setProgramFolder({});
}
