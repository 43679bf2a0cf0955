#include "editor/updatelist.h"
#include "editor/updatemanager.h"
#include "platform/messagebox.h"
#include "platform/registry.h"
#include "platform/tests/pyserver.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

using namespace platform::ui;

namespace {

void writeFile(const QString &path, const QByteArray &bytes, const QDateTime &modified = {})
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.flush();
    if (modified.isValid())
        file.setFileTime(modified, QFileDevice::FileModificationTime);
}

void writeScript(const QString &path, const QByteArray &body)
{
    writeFile(path, "#!/bin/sh\n" + body);
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner);
}

bool waitForFile(const QString &path)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 10000) {
        if (QFileInfo(path).size() > 0)
            return true;
        QThread::msleep(20);
    }
    return false;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(UpdateList, RecordsBetweenTheMarkers)
{
    bool found = false;
    auto records = updatelist::parse(
        "xx BEGIN_PATCHWELL2(http://h/My$File.dll # My$File.dll #10/05/2003# 100 ;\r\n"
        "u2#sub\\b.dll#2003-05-10#200)END_PATCHWELL2 tail",
        &found);
    EXPECT_TRUE(found);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].url, "http://h/My File.dll");
    EXPECT_EQ(records[0].name, "My File.dll");
    EXPECT_EQ(records[0].date, QDate(2003, 5, 10));
    EXPECT_EQ(records[0].size, 100);
    EXPECT_EQ(records[1].name, "sub\\b.dll");
    EXPECT_EQ(records[1].date, QDate(2003, 5, 10));

    // n separators give n + 1 records.
    EXPECT_EQ(updatelist::parse("BEGIN_PATCHWELL2(a#b#1/1/2004#1;;)END_PATCHWELL2").size(), 3u);
    // Missing or misordered markers: nothing.
    for (const char *text :
         {"", "BEGIN_PATCHWELL2(a#b#c#1", ")END_PATCHWELL2 BEGIN_PATCHWELL2(a#b#c#1",
          "a#b#c#1)END_PATCHWELL2"}) {
        EXPECT_TRUE(updatelist::parse(text, &found).empty()) << text;
        EXPECT_FALSE(found);
    }
}

TEST(UpdateList, DatesNamesCommandsAndProgress)
{
    EXPECT_EQ(updatelist::parseDate("09/05/03"), QDate(2003, 5, 9));
    EXPECT_EQ(updatelist::parseDate(" 2004-12-31 "), QDate(2004, 12, 31));
    EXPECT_FALSE(updatelist::parseDate("31/02/2004"));
    EXPECT_FALSE(updatelist::parseDate("domani"));

    EXPECT_TRUE(updatelist::isSafeRelativeName("Library/Bagno/vasca.wmf"));
    for (const char *bad : {"", "../x.dll", "a/../../x", "/etc/passwd", "C:/x.dll", "~/x"})
        EXPECT_FALSE(updatelist::isSafeRelativeName(bad)) << bad;
    EXPECT_TRUE(updatelist::installsDirectly("PATCHWELL.EXE"));
    EXPECT_TRUE(updatelist::installsDirectly("prepareforpatchwell.vbs"));
    EXPECT_FALSE(updatelist::installsDirectly("Library/patchwell.exe"));

    auto command =
        updatelist::serverCommand("x WINDOW(MAXIMIZED);BEGIN_COMMAND(note\r\npad.exe)END_COMMAND");
    ASSERT_TRUE(command);
    EXPECT_EQ(command->commandLine, "notepad.exe");
    EXPECT_EQ(command->show, platform::ShowWindow::Maximized);
    EXPECT_EQ(updatelist::serverCommand("WINDOW(MINIMIZED);BEGIN_COMMAND(a)END_COMMAND")->show,
              platform::ShowWindow::Minimized);
    EXPECT_FALSE(updatelist::serverCommand(")END_COMMAND BEGIN_COMMAND(a"));

    int percent = -1;
    EXPECT_EQ(updatelist::progressText(16384, 0, &percent),
              "16 kb scaricati (tempo residuo sconosciuto)");
    EXPECT_EQ(updatelist::progressText(3 * 16384, 0, &percent),
              "48 kb scaricati (tempo residuo sconosciuto)");
    EXPECT_EQ(updatelist::progressText(16384, 64 * 1024, &percent), "16 di 64 (25 %)");
    EXPECT_EQ(percent, 25);
}

class UpdateManagerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        platform::Registry::setStoreFolder(m_store.path());
        m_program = m_programDir.path() + "/";
        setMessageResponder([this](const MessageRequest &r) {
            m_messages << r.text;
            return m_answer;
        });
    }
    void TearDown() override
    {
        setMessageResponder({});
        platform::Registry::setStoreFolder({});
    }
    QTemporaryDir m_store, m_programDir, m_serverDir;
    QString m_program;
    QStringList m_messages;
    Answer m_answer = Answer::Ok;
};

TEST_F(UpdateManagerTest, DownloadsOnlyNewerFilesAndNeverOutsideTheProgramFolder)
{
    const QByteArray a(40000, 'a');
    writeFile(m_serverDir.filePath("a.dll"), a);
    writeFile(m_serverDir.filePath("b.dll"), QByteArray(200, 'b'));
    writeFile(m_serverDir.filePath("My File.dll"), "spaced");
    writeFile(m_serverDir.filePath("patchwell.exe"), "updater");
    writeFile(m_serverDir.filePath("x.dll"), "evil");
    writeFile(m_program + "a.dll", "old", QDateTime(QDate(2003, 5, 9), QTime(12, 0)));
    writeFile(m_program + "b.dll", "old", QDateTime(QDate(2003, 5, 10), QTime(9, 0)));
    PyServer server(PyServer::Kind::Http, m_serverDir.path());
    ASSERT_GT(server.port(), 0);
    const QString base = QStringLiteral("http://127.0.0.1:%1/").arg(server.port());

    platform::Registry reg("Domora");
    UpdateManager updates(reg);
    updates.setProgramFolder(m_program);
    updates.createStagingFolders();
    const QString list =
        "BEGIN_PATCHWELL2(" + base + "a.dll#a.dll#2003-05-10#40000;" + base +
        "b.dll#b.dll#2003-05-10#200;" + base + "My$File.dll#My$File.dll#10/05/2003#6;" + base +
        "patchwell.exe#patchwell.exe#2003-05-10#7;" + base + "x.dll#../x.dll#2003-05-10#4;" + base +
        "x.dll#" + m_serverDir.filePath("abs.dll") + "#2003-05-10#4)END_PATCHWELL2";
    EXPECT_TRUE(updates.ProcessUpdateList(list));

    EXPECT_EQ(readFile(m_program + "Patchwell/a.dll"), a);
    EXPECT_EQ(QFileInfo(m_program + "Patchwell/a.dll").lastModified(),
              QDateTime(QDate(2003, 5, 10), QTime(0, 0)));
    EXPECT_FALSE(QFileInfo::exists(m_program + "Patchwell/b.dll"));
    EXPECT_EQ(readFile(m_program + "Patchwell/My File.dll"), "spaced");
    EXPECT_EQ(readFile(m_program + "patchwell.exe"), "updater");
    EXPECT_FALSE(QFileInfo::exists(m_program + "Patchwell/patchwell.exe"));
    EXPECT_FALSE(QFileInfo::exists(m_programDir.path() + "/../x.dll"));
    EXPECT_FALSE(QFileInfo::exists(m_serverDir.filePath("abs.dll")));
    ASSERT_EQ(m_messages.size(), 1) << m_messages.join("\n").toStdString();
    EXPECT_TRUE(m_messages[0].startsWith("Velmar Domora Patchwell ha individuato"));

    // Everything is now as new as the list: nothing more to fetch.
    m_messages.clear();
    writeFile(m_program + "a.dll", "installed", QDateTime(QDate(2003, 5, 10), QTime(0, 0)));
    EXPECT_FALSE(updates.ProcessUpdateList("BEGIN_PATCHWELL2(" + base +
                                           "a.dll#a.dll#2003-05-10#40000)END_PATCHWELL2"));
    EXPECT_EQ(m_messages, QStringList{"Non sono stati trovati nuovi aggiornamenti!"});
    // No markers: nothing said at all.
    m_messages.clear();
    EXPECT_FALSE(updates.ProcessUpdateList("<html>Not here</html>"));
    EXPECT_TRUE(m_messages.isEmpty());
}

TEST_F(UpdateManagerTest, ShortDownloadIsReportedAndRemoved)
{
    writeFile(m_serverDir.filePath("c.dll"), QByteArray(100, 'c'));
    PyServer server(PyServer::Kind::Http, m_serverDir.path());
    ASSERT_GT(server.port(), 0);
    platform::Registry reg("Domora");
    UpdateManager updates(reg);
    updates.setProgramFolder(m_program);
    const QString local = m_program + "Patchwell/c.dll";
    EXPECT_FALSE(
        updates.DownloadFile(QStringLiteral("http://127.0.0.1:%1/c.dll").arg(server.port()), local,
                             QDateTime(QDate(2004, 1, 1), QTime(0, 0)), 5000));
    ASSERT_EQ(m_messages.size(), 1);
    EXPECT_TRUE(
        m_messages[0].contains("Dimensione prevista: 5000 bytes\nDimensione effettiva: 100 bytes"));
    EXPECT_FALSE(QFileInfo::exists(local));

    // More than announced is fine; a missing file is the server's error.
    m_messages.clear();
    EXPECT_TRUE(updates.DownloadFile(QStringLiteral("http://127.0.0.1:%1/c.dll").arg(server.port()),
                                     local, QDateTime(QDate(2004, 1, 1), QTime(0, 0)), 10));
    EXPECT_TRUE(m_messages.isEmpty());
    EXPECT_FALSE(
        updates.DownloadFile(QStringLiteral("http://127.0.0.1:%1/none.dll").arg(server.port()),
                             m_program + "Patchwell/none.dll", QDateTime::currentDateTime(), 10));
    EXPECT_FALSE(QFileInfo::exists(m_program + "Patchwell/none.dll"));
    EXPECT_EQ(m_messages.size(), 1);
}

TEST_F(UpdateManagerTest, UpdateCheckWithoutUpdaterKeepsTheEditorRunning)
{
    writeFile(m_serverDir.filePath("list.txt"),
              "BEGIN_PATCHWELL2(\r\nURL#d.dll#2003-05-10#0\r\n)END_PATCHWELL2\r\n");
    writeFile(m_serverDir.filePath("d.dll"), "d");
    PyServer server(PyServer::Kind::Http, m_serverDir.path());
    ASSERT_GT(server.port(), 0);
    QByteArray list = readFile(m_serverDir.filePath("list.txt"));
    list.replace("URL", QStringLiteral("http://127.0.0.1:%1/d.dll").arg(server.port()).toUtf8());
    writeFile(m_serverDir.filePath("list.txt"), list);

    platform::Registry reg("Domora");
    reg.writeString("Settings", "PatchwellUrl",
                    QStringLiteral("http://127.0.0.1:%1/list.txt").arg(server.port()));
    UpdateManager updates(reg);
    updates.setProgramFolder(m_program);
    updates.createStagingFolders();

    // The list arrives as one line with the local path appended.
    ASSERT_TRUE(updates.FetchUpdateList(reg.readString("Settings", "PatchwellUrl")));
    list.replace("\r\n", "");
    EXPECT_EQ(readFile(m_program + "buffer.dat"),
              list + "BEGIN_LOCALPATH(" + m_program.toUtf8() + ")END_LOCALPATH");
    EXPECT_TRUE(list.startsWith("BEGIN_PATCHWELL2(http://127.0.0.1:"));
    EXPECT_EQ(readFile(m_program + "buffer.dat").count('\n'), 0);

    EXPECT_EQ(updates.CheckForUpdates(1), 1);
    EXPECT_EQ(readFile(m_program + "Patchwell/d.dll"), "d");
    EXPECT_FALSE(QFileInfo::exists(m_program + "buffer.dat"));

    // Disabled: a word of advice and nothing else.
    m_messages.clear();
    reg.writeInt("Settings", "Patchwell", 0);
    EXPECT_EQ(updates.CheckForUpdates(1), 1);
    ASSERT_EQ(m_messages.size(), 1);
    EXPECT_TRUE(m_messages[0].startsWith("Il Patchwell è stato disabilitato localmente"));

    // An unreachable server: the cause, then the advice to retry.
    m_messages.clear();
    reg.writeInt("Settings", "Patchwell", 1);
    reg.writeString("Settings", "PatchwellUrl", "http://127.0.0.1:1/list.txt");
    EXPECT_EQ(updates.CheckForUpdates(1), 1);
    ASSERT_EQ(m_messages.size(), 2);
    EXPECT_TRUE(m_messages[1].startsWith("Impossibile contattare il server Internet"));
}

TEST_F(UpdateManagerTest, ServerCommandStartsMaximisedAndUpdaterHandOff)
{
    platform::Registry reg("Domora");
    UpdateManager updates(reg);
    updates.setProgramFolder(m_program);
    const QString stub = m_program + "stub";
    writeScript(stub, "echo \"$DOMORA_SHOW_WINDOW $1\" > \"$0.log\"\n");
    updates.RunServerCommand("WINDOW(MAXIMIZED);BEGIN_COMMAND(\"" + stub + "\" uno)END_COMMAND");
    ASSERT_TRUE(waitForFile(stub + ".log"));
    EXPECT_EQ(readFile(stub + ".log"), "maximized uno\n");

    // No updater at all: the editor goes on.
    EXPECT_EQ(updates.LaunchUpdater(), 1);
    // A staged updater replaces the installed one and is started.
    updates.createStagingFolders();
    writeScript(m_program + "Patchwell/patchwell", "pwd > \"$0.log\"\n");
    writeScript(m_program + "PrepareForPatchwell.vbs", "echo prepared > \"$0.log\"\n");
    EXPECT_EQ(updates.LaunchUpdater(), 0);
    EXPECT_FALSE(QFileInfo::exists(m_program + "Patchwell/patchwell"));
    ASSERT_TRUE(waitForFile(m_program + "patchwell.log"));
    EXPECT_EQ(readFile(m_program + "patchwell.log").trimmed(),
              QDir(m_program).canonicalPath().toUtf8());
    EXPECT_TRUE(waitForFile(m_program + "PrepareForPatchwell.vbs.log"));

    // Start-up clears the hand-off scripts.
    writeFile(m_program + "patchwell.bat", "x");
    updates.deleteHandOffScripts();
    EXPECT_FALSE(QFileInfo::exists(m_program + "patchwell.bat"));
    EXPECT_FALSE(QFileInfo::exists(m_program + "PrepareForPatchwell.vbs"));
}

TEST_F(UpdateManagerTest, PendingUpdatesQuestion)
{
    platform::Registry reg("Domora");
    UpdateManager updates(reg);
    updates.setProgramFolder(m_program);
    updates.createStagingFolders();
    EXPECT_FALSE(updates.HasPendingUpdates(m_program + "Patchwell"));
    writeFile(m_program + "Patchwell/@System/x.dll", "x");
    EXPECT_FALSE(updates.HasPendingUpdates(m_program + "Patchwell"));
    EXPECT_FALSE(updates.offerPendingUpdates());
    EXPECT_TRUE(m_messages.isEmpty());

    writeFile(m_program + "Patchwell/Library/Bagno/doccia.wmf", "x");
    EXPECT_TRUE(updates.HasPendingUpdates(m_program + "Patchwell"));
    m_answer = Answer::No;
    EXPECT_FALSE(updates.offerPendingUpdates());
    EXPECT_EQ(reg.readInt("Settings", "CheckForPWTemporary", 1), 1);
    m_answer = Answer::Cancel;
    EXPECT_FALSE(updates.offerPendingUpdates());
    EXPECT_EQ(reg.readInt("Settings", "CheckForPWTemporary", 1), 0);
    m_messages.clear();
    EXPECT_FALSE(updates.offerPendingUpdates());
    EXPECT_TRUE(m_messages.isEmpty());
}

TEST_F(UpdateManagerTest, ShareUpdateCopiesNewerProgramFilesOnly)
{
    const QDateTime older(QDate(2003, 1, 1), QTime(0, 0));
    const QDateTime newer(QDate(2004, 1, 1), QTime(0, 0));
    writeFile(m_serverDir.filePath("new.dll"), "new", newer);
    writeFile(m_serverDir.filePath("same.dll"), "same", older);
    writeFile(m_serverDir.filePath("casa.FPD"), "plan", newer);
    writeFile(m_serverDir.filePath("lavoro.fpw"), "ws", newer);
    writeFile(m_serverDir.filePath("@SYSTEM/sys.dll"), "sys", newer);
    writeFile(m_serverDir.filePath("Library/Cucina/forno.wmf"), "lib", newer);
    writeFile(m_program + "new.dll", "old", older);
    writeFile(m_program + "same.dll", "same", older);

    platform::Registry reg("Domora");
    reg.writeInt("Settings", "AppServerClient", 1);
    reg.writeString("Settings", "AppServerPath", m_serverDir.path() + "/");
    UpdateManager updates(reg);
    updates.setProgramFolder(m_program);
    updates.createStagingFolders();
    EXPECT_EQ(updates.CheckForUpdates(1), 1); // copied, but no updater to start
    EXPECT_EQ(readFile(m_program + "Patchwell/new.dll"), "new");
    EXPECT_EQ(QFileInfo(m_program + "Patchwell/new.dll").lastModified(), newer);
    QStringList staged = QDir(m_program + "Patchwell").entryList(QDir::Files);
    EXPECT_EQ(staged, QStringList{"new.dll"});

    EXPECT_TRUE(updates.SyncFromShare(m_serverDir.path(), m_program + "Patchwell/", true));
    EXPECT_EQ(readFile(m_program + "Patchwell/Library/Cucina/forno.wmf"), "lib");
    EXPECT_FALSE(QFileInfo::exists(m_program + "Patchwell/@SYSTEM"));
}
