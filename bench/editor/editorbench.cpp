// How long the editor takes to be ready, and a whole command-line export of
// a 50-room plan. Both run the real program (offscreen); start-up is also
// measured inside one process, without the cost of loading the program.
#include "editor/cdomoraapp.h"
#include "editor/tests/planfixture.h"
#include "platform/messagebox.h"
#include "platform/paths.h"
#include "platform/registry.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <benchmark/benchmark.h>

namespace {

const QByteArray readyLine = "Inizializzazione dell'applicazione terminata";

QString logPath()
{
    return QStringLiteral(DOMORA_PROGRAM_DIR) + QStringLiteral("/DOMORA.LOG");
}

// Settings for a start that shows no dialog and logs every step.
void writeSettings(const QString &store)
{
    platform::Registry::setStoreFolder(store);
    platform::Registry reg(QStringLiteral("Domora"));
    reg.writeInt(QStringLiteral("Settings"), QStringLiteral("CheckExeTimeStamp2"), 0);
    reg.writeInt(QStringLiteral("Settings"), QStringLiteral("ShowOpenAtStartup"), 0);
    reg.writeInt(QStringLiteral("Settings"), QStringLiteral("RegisterShellFileTypes"), 0);
    reg.writeInt(QStringLiteral("Settings"), QStringLiteral("LogLevel"), 3);
    reg.writeInt(QStringLiteral("Interface"), QStringLiteral("SplashDelay"), 0);
    reg.writeInt(QStringLiteral("Interface"), QStringLiteral("LoadCustomImages"), 0);
    reg.writeString(QStringLiteral("Interface"), QStringLiteral("LocaleLib"),
                    QStringLiteral(LOCALEPACK));
    reg.writeInt(QStringLiteral("Tip"), QStringLiteral("StartUp"), 1);
    reg.sync();
}

QProcessEnvironment editorEnvironment(const QString &store, const QString &runtime)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DOMORA_SETTINGS_DIR"), store);
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return env;
}

// From the program's start to the log line that says it is ready.
void BM_StartupToReadyLine(benchmark::State &state)
{
    QTemporaryDir store;
    QTemporaryDir runtime;
    writeSettings(store.path());
    const QString log = logPath();
    for (auto _ : state) {
        QFile::remove(log);
        QProcess editor;
        editor.setProcessEnvironment(editorEnvironment(store.path(), runtime.path()));
        QElapsedTimer clock;
        clock.start();
        editor.start(QStringLiteral(DOMORA_EXE), {QStringLiteral("/nologo")});
        bool ready = false;
        while (!ready && clock.elapsed() < 30000) {
            QFile f(log);
            ready = f.open(QIODevice::ReadOnly) && f.readAll().contains(readyLine);
            if (!ready)
                QThread::usleep(200);
        }
        const double seconds = clock.nsecsElapsed() / 1e9;
        editor.kill();
        editor.waitForFinished();
        if (!ready) {
            state.SkipWithError("the editor never said it was ready");
            break;
        }
        state.SetIterationTime(seconds);
    }
    platform::Registry::setStoreFolder({});
}
BENCHMARK(BM_StartupToReadyLine)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// The start-up sequence inside an application that already runs.
void BM_InitInstanceInProcess(benchmark::State &state)
{
    QTemporaryDir store;
    QTemporaryDir folder;
    QTemporaryDir runtime;
    writeSettings(store.path());
    platform::setProgramFolder(folder.path());
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    platform::ui::setMessageResponder(
        [](const platform::ui::MessageRequest &) { return platform::ui::Answer::Ok; });
    for (auto _ : state) {
        CDomoraApp app({QStringLiteral("/nologo")});
        app.setTerminator([](int) {});
        if (!app.InitInstance()) {
            state.SkipWithError("start-up failed");
            break;
        }
        state.PauseTiming();
        app.ExitInstance();
        state.ResumeTiming();
    }
    platform::ui::setMessageResponder({});
    platform::setProgramFolder({});
    platform::Registry::setStoreFolder({});
}
BENCHMARK(BM_InitInstanceInProcess)->Unit(benchmark::kMillisecond)->Iterations(5);

// "domora /export:plan.fpd" on a 50-room plan, from start to exit.
void BM_CommandLineExport50Rooms(benchmark::State &state)
{
    QTemporaryDir store;
    QTemporaryDir runtime;
    QTemporaryDir files;
    writeSettings(store.path());
    const QString plan = files.filePath(QStringLiteral("appartamento.fpd"));
    if (makePlan(50)->OnSaveDocument(plan).isError()) {
        state.SkipWithError("the plan could not be written");
        return;
    }
    for (auto _ : state) {
        QProcess editor;
        editor.setProcessEnvironment(editorEnvironment(store.path(), runtime.path()));
        editor.start(QStringLiteral(DOMORA_EXE), {QStringLiteral("/export:") + plan});
        if (!editor.waitForFinished(60000) || editor.exitCode() != 0) {
            state.SkipWithError("the export failed");
            break;
        }
    }
    if (!QFile::exists(plan + QStringLiteral(".jpg")))
        state.SkipWithError("no picture was written");
    platform::Registry::setStoreFolder({});
}
BENCHMARK(BM_CommandLineExport50Rooms)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The program's log is left as it was found.
    const bool hadLog = QFile::exists(logPath());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (!hadLog)
        QFile::remove(logPath());
    return 0;
}
