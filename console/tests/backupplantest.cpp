#include "console/backupplan.h"

#include "testfolder.h"

#include <gtest/gtest.h>

using namespace console;

namespace {

const QString backupHeaderMessage = QStringLiteral(
    "Il file di configurazione non è valido oppure si riferisce ad una versione diversa del "
    "programma: impossibile eseguire l'utilità di backup!");
const QString restoreHeaderMessage = QStringLiteral(
    "Il file di configurazione non è valido oppure si riferisce ad una versione diversa del "
    "programma: impossibile eseguire l'utilità di ripristino!");

const QByteArray lists = "<backup>\r\n<styles>\r\n:= \"walls.fps\"\r\nfile = \"rooms.fps\"\r\n"
                         "</styles>\r\n<shared>\r\n:= \"Skins\\libhorizonskin.so\"\r\n"
                         "count = 3\r\n</shared>\r\n<libs>\r\n:= \"domora\"\r\n:= \"domora\"\r\n"
                         "</libs>\r\n<resources>\r\n:= \"tips.txt\"\r\n</resources>\r\n"
                         "</backup>\r\n";

} // namespace

TEST(BackupPlan, GathersTheChosenGroupsInTheirOrder)
{
    TestFolder dir;
    const QString list = dir.write(QStringLiteral("filelist.lst"), fileListHeader() + lists);

    const BackupPlan all = prepareCheck(list);
    ASSERT_TRUE(all.ok()) << all.message.toStdString();
    // shared, libs, resources, styles; backslashes turned; duplicates kept; numbers skipped
    EXPECT_EQ(all.files, QStringList({"Skins/libhorizonskin.so", "domora", "domora", "tips.txt",
                                      "walls.fps", "rooms.fps"}));

    const BackupPlan some = prepareBackup({FileGroup::Styles, FileGroup::Libs}, list);
    EXPECT_EQ(some.files, QStringList({"domora", "domora", "walls.fps", "rooms.fps"}));

    const BackupPlan none = prepareBackup({}, list);
    EXPECT_EQ(none.message,
              "Non hai selezionato nessun elemento da includere nella copia di riserva!");
    EXPECT_FALSE(none.errorIcon);
}

TEST(BackupPlan, HeaderCheckNamesTheUtility)
{
    TestFolder dir;
    const QString newer =
        dir.write(QStringLiteral("newer.lst"), fileListHeader("\"1.0.1\"") + lists);
    EXPECT_EQ(prepareCheck(newer).message, backupHeaderMessage);
    EXPECT_EQ(prepareBackup(allFileGroups(), newer).message, backupHeaderMessage);
    EXPECT_TRUE(prepareBackup(allFileGroups(), newer).errorIcon);
    EXPECT_EQ(prepareRestore(newer).message, restoreHeaderMessage);

    // the same text without quotes is not a string: here not even a number
    const QString unquoted =
        dir.write(QStringLiteral("unquoted.lst"), fileListHeader("\"1.0.0\"", "Domora") + lists);
    EXPECT_EQ(prepareCheck(unquoted).message,
              "Errore durante la lettura del file di configurazione 'filelist.lst'\n"
              "ID errore: #4, alla linea 4");
    // a value that does read as a number still fails the check
    const QString number = dir.write(QStringLiteral("number.lst"), fileListHeader("100") + lists);
    EXPECT_EQ(prepareBackup(allFileGroups(), number).message, backupHeaderMessage);
    const QString noHeader = dir.write(QStringLiteral("noheader.lst"), lists);
    EXPECT_EQ(prepareRestore(noHeader).message, restoreHeaderMessage);
}

TEST(BackupPlan, ReaderErrorsShowTheirIdAndLine)
{
    TestFolder dir;
    EXPECT_EQ(prepareCheck(dir.filePath(QStringLiteral("missing.lst"))).message,
              "Errore durante la lettura del file di configurazione 'filelist.lst'\n"
              "ID errore: #0, alla linea 0");
    const QString bad = dir.write(QStringLiteral("bad.lst"),
                                  fileListHeader() + "<backup>\r\n<shared>\r\n</backup>\r\n");
    EXPECT_EQ(prepareRestore(bad).message,
              "Errore durante la lettura del file di configurazione 'filelist.lst'\n"
              "ID errore: #2, alla linea 9");
}

TEST(BackupPlan, RestoreWithNothingToCopy)
{
    TestFolder dir;
    const QString empty = dir.write(QStringLiteral("empty.lst"), fileListHeader());
    EXPECT_EQ(prepareRestore(empty).message,
              "Errore durante la lettura del file di configurazione 'filelist.lst'\n"
              "ID errore: #0, alla linea 0\nNessun elemento da copiare!");
}

TEST(BackupPlan, TheShippedListIsValidAndNamesRealFiles)
{
    const QString list = QStringLiteral(DOMORA_PROGRAM_DIR "/filelist.lst");
    const BackupPlan plan = prepareCheck(list);
    ASSERT_TRUE(plan.ok()) << plan.message.toStdString();
    EXPECT_TRUE(plan.files.contains(QStringLiteral("steward")));
    EXPECT_TRUE(plan.files.contains(QStringLiteral("walls.fps")));
    for (const QString &name : plan.files)
        EXPECT_TRUE(QFileInfo::exists(QStringLiteral(DOMORA_PROGRAM_DIR "/") + name))
            << name.toStdString();
}
