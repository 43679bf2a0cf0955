// The update hand-off with real processes: the editor finds staged files at
// start, starts the updater and ends; the updater installs the files and
// starts the editor again. The questions are answered from a script file.
#include "platform/registry.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>

namespace {

const QString programDir = QStringLiteral(DOMORA_PROGRAM_DIR);

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// The program folder without its picture library and sample plans.
void copyPrograms(const QString &to)
{
    QDirIterator it(programDir, QDir::Files | QDir::NoSymLinks, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        const QString relative = QDir(programDir).relativeFilePath(info.filePath());
        if (relative.startsWith(QLatin1String("Library/")) ||
            relative.startsWith(QLatin1String("Esempi/")))
            continue;
        QDir().mkpath(QFileInfo(to + u'/' + relative).absolutePath());
        QFile::copy(info.filePath(), to + u'/' + relative);
    }
}

bool waitFor(const std::function<bool()> &condition, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        if (condition())
            return true;
        QThread::msleep(50);
    }
    return condition();
}

// Processes whose executable is the given file.
QList<int> processesOf(const QString &executable)
{
    QList<int> pids;
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool ok = false;
        const int pid = entry.toInt(&ok);
        if (ok && QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget() == executable)
            pids << pid;
    }
    return pids;
}

} // namespace

TEST(UpdateHandOff, StagedFilesAreInstalledAndTheEditorStartsAgain)
{
    if (!QFileInfo::exists(programDir + QStringLiteral("/domora")) ||
        !QFileInfo::exists(programDir + QStringLiteral("/patchwell")))
        GTEST_SKIP() << "the editor and the updater are not built";
    QTemporaryDir folder;
    const QString program = folder.path();
    copyPrograms(program);
    ASSERT_TRUE(QFileInfo::exists(program + QStringLiteral("/domora")));

    // Staged by an earlier update: one file for the program folder and one
    // for the library; "@System" stays where it is.
    writeFile(program + QStringLiteral("/Patchwell/nuovo.dat"), "versione 2");
    writeFile(program + QStringLiteral("/Patchwell/Library/Simboli/nord.png"), "png");
    writeFile(program + QStringLiteral("/Patchwell/@System/sistema.dll"), "sys");

    QTemporaryDir settings;
    platform::Registry::setStoreFolder(settings.path());
    {
        platform::Registry reg(QStringLiteral("Domora"));
        reg.writeInt(QStringLiteral("Settings"), QStringLiteral("LogLevel"), 3);
        reg.writeInt(QStringLiteral("Settings"), QStringLiteral("Win9XLegacy"), 0);
        reg.writeInt(QStringLiteral("Settings"), QStringLiteral("ShowOpenAtStartup"), 0);
        reg.writeInt(QStringLiteral("Tip"), QStringLiteral("StartUp"), 1);
        reg.sync();
    }
    platform::Registry::setStoreFolder({});

    // The editor's question: Yes. The updater's window: its start button.
    const QString answers = program + QStringLiteral("/answers.txt");
    writeFile(answers, "Sono stati trovati degli aggiornamenti => Sì\nPatchwell => default\n");

    QProcess editor;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DOMORA_SETTINGS_DIR"), settings.path());
    env.insert(QStringLiteral("DOMORA_SCRIPTED_ANSWERS"), answers);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    editor.setProcessEnvironment(env);
    editor.setWorkingDirectory(program);
    // The updater inherits the editor's output: a pipe this test closes when
    // the editor ends would kill it on its first line of output.
    editor.setStandardOutputFile(QProcess::nullDevice());
    editor.setStandardErrorFile(QProcess::nullDevice());
    editor.start(program + QStringLiteral("/domora"), {});
    ASSERT_TRUE(editor.waitForStarted(10000));
    // The first editor ends as soon as the updater is on its way.
    ASSERT_TRUE(editor.waitForFinished(60000)) << readFile(answers + ".log").toStdString();
    EXPECT_EQ(editor.exitCode(), 0);

    // The updater installs the staged files and starts the editor again.
    const QString installed = program + QStringLiteral("/nuovo.dat");
    ASSERT_TRUE(waitFor([&] { return readFile(installed) == "versione 2"; }, 60000))
        << readFile(answers + ".log").toStdString()
        << QDir(program).entryList().join(' ').toStdString();
    EXPECT_EQ(readFile(program + QStringLiteral("/Library/Simboli/nord.png")), "png");
    EXPECT_FALSE(QFileInfo::exists(program + QStringLiteral("/Patchwell/nuovo.dat")));
    EXPECT_TRUE(QFileInfo::exists(program + QStringLiteral("/Patchwell/@System/sistema.dll")));
    EXPECT_FALSE(QFileInfo::exists(program + QStringLiteral("/sistema.dll")));

    const QString started =
        QStringLiteral("Inizializzazione dell'applicazione terminata, Domora è stato avviato");
    const QString log = program + QStringLiteral("/DOMORA.LOG");
    const bool restarted =
        waitFor([&] { return QString::fromLocal8Bit(readFile(log)).count(started) >= 2; }, 60000);
    const QString answered = QString::fromUtf8(readFile(answers + ".log"));
    for (int pid : processesOf(QFileInfo(program + QStringLiteral("/domora")).canonicalFilePath()))
        ::kill(pid, SIGTERM);
    EXPECT_TRUE(restarted) << readFile(log).toStdString();
    EXPECT_TRUE(answered.contains(
        QStringLiteral("Sono stati trovati degli aggiornamenti del Patchwell non ancora "
                       "installati.")))
        << answered.toStdString();
    EXPECT_TRUE(answered.contains(QStringLiteral(" -> default"))) << answered.toStdString();
}
