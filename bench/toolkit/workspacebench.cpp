// How long the workspace takes to save and restore the layout of a frame of
// the editor's size (200 commands, five toolbars, keys, user tools), and how
// long an update pass over every command takes.
#include "toolkit/mdiframe.h"
#include "toolkit/keyboardmanager.h"
#include "toolkit/usertoolsmanager.h"
#include "toolkit/workspace.h"

#include "platform/registry.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace toolkit;

namespace {

constexpr int commandCount = 200;

void buildFrame(MdiFrame &frame)
{
    for (int i = 0; i < commandCount; ++i)
        frame.commands().add({32000 + i, QStringLiteral("Comando %1").arg(i),
                              QStringLiteral("Descrizione %1\nComando %1").arg(i)});
    for (int bar = 0; bar < 5; ++bar) {
        QList<ToolBarItem> items;
        for (int i = 0; i < 20; ++i)
            items.append(ToolBarItem(i % 6 == 5 ? 0 : 32000 + bar * 20 + i));
        ToolBar *t = frame.createToolBar(40000 + bar, QStringLiteral("Barra %1").arg(bar), items);
        frame.dockToolBar(t, bar == 2 ? Qt::LeftToolBarArea : Qt::TopToolBarArea);
    }
    frame.createStatusBar({0});
}

void BM_SaveState(benchmark::State &state)
{
    Workspace &workspace = *Workspace::instance();
    MdiFrame frame;
    buildFrame(frame);
    for (auto _ : state)
        benchmark::DoNotOptimize(workspace.saveState(frame));
}
BENCHMARK(BM_SaveState)->Unit(benchmark::kMillisecond);

void BM_LoadState(benchmark::State &state)
{
    Workspace &workspace = *Workspace::instance();
    {
        MdiFrame frame;
        buildFrame(frame);
        workspace.saveState(frame);
    }
    for (auto _ : state) {
        state.PauseTiming();
        MdiFrame frame;
        buildFrame(frame);
        state.ResumeTiming();
        benchmark::DoNotOptimize(workspace.loadState(frame));
    }
}
BENCHMARK(BM_LoadState)->Unit(benchmark::kMillisecond);

void BM_UpdateCommands(benchmark::State &state)
{
    MdiFrame frame;
    buildFrame(frame);
    for (auto _ : state)
        frame.updateCommands();
}
BENCHMARK(BM_UpdateCommands)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir store;
    platform::Registry::setStoreFolder(store.path());
    Workspace workspace(QStringLiteral("ToolkitBench"));
    workspace.initKeyboardManager();
    workspace.enableUserTools(32971, 119, 128);
    for (int i = 0; i < 5; ++i)
        workspace.userToolsManager()->addTool({QStringLiteral("Strumento %1").arg(i), "/bin/true"});
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
