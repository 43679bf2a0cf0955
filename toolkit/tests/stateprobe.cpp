// A program that builds a small frame on the toolkit and either changes its
// layout and saves it ("save") or loads the layout and prints it ("report"),
// so that tests can check a layout across two separate processes.
#include "toolkit/commandids.h"
#include "toolkit/dockbar.h"
#include "toolkit/keyboardmanager.h"
#include "toolkit/mdiframe.h"
#include "toolkit/statusbar.h"
#include "toolkit/usertoolsmanager.h"
#include "toolkit/workspace.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QTextStream>

#include <cstdio>

using namespace toolkit;

namespace {

constexpr int cmdNew = 57600, cmdOpen = 57601, cmdSave = 57603, cmdCut = 57635, cmdCopy = 57634;
constexpr int barStandard = 59392, barEdit = 32822, barProject = 169;

void buildFrame(MdiFrame &frame)
{
    CommandTable &c = frame.commands();
    c.add({cmdNew, "&Nuovo", "Crea un documento\nNuovo", {}, {QKeySequence("Ctrl+N")}, false});
    c.add({cmdOpen, "&Apri...", "Apre un documento\nApri", {}, {QKeySequence("Ctrl+O")}, false});
    c.add({cmdSave, "&Salva", "Salva il documento\nSalva", {}, {QKeySequence("Ctrl+S")}, false});
    c.add({cmdCut, "&Taglia", "Taglia\nTaglia", {}, {QKeySequence("Ctrl+X")}, false});
    c.add({cmdCopy, "&Copia", "Copia\nCopia", {}, {QKeySequence("Ctrl+C")}, false});
    frame.createMenuBar();
    frame.enableUserToolBars(59432, 59441);
    ToolBar *standard =
        frame.createToolBar(barStandard, "Standard", {{cmdNew}, {cmdOpen}, {cmdSave}});
    ToolBar *edit = frame.createToolBar(barEdit, "Modifica", {{cmdCut}, {cmdCopy}});
    frame.dockToolBar(standard, Qt::TopToolBarArea);
    frame.dockToolBar(edit, Qt::TopToolBarArea);
    frame.dockBar(frame.createSizingBar(barProject, "Progetto", new QLabel("p"), {200, 200}),
                  Qt::LeftDockWidgetArea);
    frame.createStatusBar({0, cmd::IndicatorCaps});
}

void changeLayout(MdiFrame &frame, Workspace &workspace)
{
    frame.toolBar(barStandard)->removeButton(1);
    frame.removeToolBar(frame.toolBar(barEdit));
    frame.addToolBar(Qt::LeftToolBarArea, frame.toolBar(barEdit));
    frame.toolBar(barEdit)->show();
    frame.dockBar(barProject)->hide();
    frame.toolkitStatusBar()->hide();
    ToolBar *mine = frame.createUserToolBar("Mia barra");
    mine->setButtons({cmdCopy, 0, cmdNew});
    KeyboardManager::assign(frame.commands(), cmdCopy, QKeySequence("Ctrl+Shift+K"));
    UserToolsManager *tools = workspace.userToolsManager();
    for (const char *name : {"Uno", "Due", "Tre", "Quattro", "Cinque"})
        tools->addTool({name, QString("/bin/%1").arg(name), {}, {}});
    tools->removeTool(tools->commandOf(1));
    frame.setGeometry(40, 30, 700, 500);
}

QJsonObject report(MdiFrame &frame, Workspace &workspace, bool loaded)
{
    QJsonObject out;
    out["loaded"] = loaded;
    QJsonArray bars;
    for (ToolBar *bar : frame.toolBars()) {
        QJsonObject b;
        b["id"] = bar->barId();
        b["title"] = bar->windowTitle();
        b["area"] = int(frame.toolBarArea(bar));
        b["visible"] = !bar->isHidden();
        b["user"] = bar->isUserDefined();
        QJsonArray buttons;
        for (int id : bar->buttons())
            buttons.append(id);
        b["buttons"] = buttons;
        bars.append(b);
    }
    out["toolbars"] = bars;
    out["projectVisible"] = !frame.dockBar(barProject)->isHidden();
    out["statusVisible"] = !frame.toolkitStatusBar()->isHidden();
    out["copyKeys"] = KeyboardManager::keysText(frame.commands(), cmdCopy);
    QJsonArray tools;
    for (const UserTool &t : workspace.userToolsManager()->tools())
        tools.append(t.caption);
    out["tools"] = tools;
    out["width"] = frame.width();
    out["height"] = frame.height();
    return out;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    Workspace workspace("ToolkitProbe");
    workspace.setRegistryBase("Interface");
    workspace.initKeyboardManager();
    workspace.enableUserTools(32971, 119, 128);
    MdiFrame frame;
    buildFrame(frame);
    const bool loaded = frame.loadFrame();
    frame.show();
    if (mode == "save") {
        changeLayout(frame, workspace);
        frame.close();
        return 0;
    }
    if (mode == "report") {
        QTextStream(stdout) << QJsonDocument(report(frame, workspace, loaded)).toJson();
        return 0;
    }
    if (mode == "clean") {
        workspace.cleanState();
        return 0;
    }
    return 2;
}
