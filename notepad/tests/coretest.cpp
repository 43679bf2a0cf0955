#include "notepad/documentfile.h"
#include "notepad/jottercommandline.h"
#include "notepad/jotterstrings.h"
#include "notepad/mailattachment.h"
#include "notepad/privateprofile.h"
#include "notepad/recentfilelist.h"

#include "platform/registry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(DocTemplate, StringSplitsIntoItsParts)
{
    const jotterstrings::DocTemplate t =
        jotterstrings::parseDocTemplate(jotterstrings::text(jotterstrings::DocTemplateString));
    EXPECT_EQ(t.windowTitle, "");
    EXPECT_EQ(t.docName, "Documento");
    EXPECT_EQ(t.fileNewName, "Documenti (*.txt)");
    EXPECT_EQ(t.filterName, "Documenti di testo (*.txt)");
    EXPECT_EQ(t.filterExt, ".txt");
    EXPECT_EQ(t.regFileTypeId, "Jotter.Document");
    EXPECT_EQ(t.regFileTypeName, "Documento di testo");
    EXPECT_EQ(jotterstrings::text(61446),
              "Errore durante il caricamento della libreria a collegamento dinamico "
              "LOCALEPACK.DLL, impossibile avviare il programma!");
}

TEST(PrivateProfile, ReadsLikeTheProfileFunctions)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("jotter.INI");
    EXPECT_EQ(privateprofile::readInt(path, "Settings", "ChangeDefaultAppDir", 7), 7); // no file
    writeFile(path, "; comment\r\n[Other]\r\nChangeDefaultAppDir=5\r\n"
                    " [ settings ] \r\n  changedefaultappdir = 12abc \r\nNeg=-4\r\nWord=yes\r\n");
    EXPECT_EQ(privateprofile::readInt(path, "Settings", "ChangeDefaultAppDir", 0), 12);
    EXPECT_EQ(privateprofile::readInt(path, "Settings", "Neg", 9), 0);
    EXPECT_EQ(privateprofile::readInt(path, "Settings", "Word", 9), 0);
    EXPECT_EQ(privateprofile::readInt(path, "Settings", "Missing", 3), 3);
    EXPECT_EQ(privateprofile::readInt(path, "Nowhere", "ChangeDefaultAppDir", 3), 3);
    writeFile(path, "[Settings]\nChangeDefaultAppDir=99999999999999\n");
    EXPECT_EQ(privateprofile::readInt(path, "Settings", "ChangeDefaultAppDir", 0), 2147483647);
    EXPECT_TRUE(privateprofile::filePath("jotter").endsWith("/jotter.INI"));
}

TEST(CommandLine, ShellForms)
{
    using SC = JotterCommandLine::ShellCommand;
    EXPECT_EQ(JotterCommandLine::parse({}).shellCommand, SC::FileNew);

    JotterCommandLine c = JotterCommandLine::parse({"/home/u/a.txt", "b.txt"});
    EXPECT_EQ(c.shellCommand, SC::FileOpen);
    EXPECT_EQ(c.files, QStringList({"/home/u/a.txt", "b.txt"}));

    c = JotterCommandLine::parse({"/P", "/tmp/x.txt"});
    EXPECT_EQ(c.shellCommand, SC::FilePrint);
    EXPECT_EQ(c.files, QStringList({"/tmp/x.txt"}));

    c = JotterCommandLine::parse({"-pt", "/tmp/x.txt", "Ufficio", "driver", "porta"});
    EXPECT_EQ(c.shellCommand, SC::FilePrintTo);
    EXPECT_EQ(c.files, QStringList({"/tmp/x.txt"}));
    EXPECT_EQ(c.printerName, "Ufficio");
    EXPECT_EQ(c.driverName, "driver");
    EXPECT_EQ(c.portName, "porta");

    EXPECT_EQ(JotterCommandLine::parse({"/dde"}).shellCommand, SC::FileDde);
    // A print request without a file, or an unknown flag, opens an empty document.
    EXPECT_EQ(JotterCommandLine::parse({"/p"}).shellCommand, SC::FileNew);
    EXPECT_EQ(JotterCommandLine::parse({"-zz"}).shellCommand, SC::FileNew);
    // "/pt" as a folder name is a flag, "/ptx" a path.
    EXPECT_EQ(JotterCommandLine::parse({"/ptx"}).files, QStringList({"/ptx"}));
}

TEST(RecentFiles, LatestFirstEachOnceKeptInTheRegistry)
{
    platform::Registry reg("JotterRecentTest");
    reg.deleteKey({});
    RecentFileList list(4);
    for (const char *name : {"/a/1.txt", "/a/2.txt", "/a/3.txt", "/a/4.txt", "/a/5.txt"})
        list.add(name);
    list.add("/a/3.txt");
    EXPECT_EQ(list.files(), QStringList({"/a/3.txt", "/a/5.txt", "/a/4.txt", "/a/2.txt"}));
    ASSERT_TRUE(list.save(reg));
    EXPECT_EQ(reg.readString("Recent File List", "File1"), "/a/3.txt");

    list.remove(0);
    list.remove(0);
    list.remove(9);
    ASSERT_TRUE(list.save(reg));
    EXPECT_FALSE(reg.contains("Recent File List", "File3"));
    RecentFileList loaded(4);
    loaded.load(reg);
    EXPECT_EQ(loaded.files(), QStringList({"/a/4.txt", "/a/2.txt"}));
    reg.deleteKey({});
}

TEST(RecentFiles, MenuText)
{
    EXPECT_EQ(RecentFileList::menuText(0, "/home/u/nota.txt", "/home/u"), "&1 nota.txt");
    EXPECT_EQ(RecentFileList::menuText(1, "/srv/a&b.txt", "/home"), "&2 /srv/a&&b.txt");
    const QString text = RecentFileList::menuText(
        3, "/una/cartella/molto/lunga/davvero/troppo/lunga/file.txt", "/home", 30);
    EXPECT_TRUE(text.startsWith("&4 /una/"));
    EXPECT_TRUE(text.endsWith(".../file.txt"));
    EXPECT_LE(text.size(), 3 + 30);
}

TEST(DocumentFile, SaveReplacesOnlyWhenComplete)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("nota.txt");
    writeFile(path, "vecchio");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    QString error;
    ASSERT_TRUE(documentfile::save(path, "nuovo", &error)) << error.toStdString();
    EXPECT_EQ(readFile(path), "nuovo");
    const QFile::Permissions unixBits(0x7077); // owner, group and others
    EXPECT_EQ(QFile::permissions(path) & unixBits,
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"nota.txt"}));

    // Through a symbolic link the file it names gets the text.
    const QString link = dir.filePath("collegamento.txt");
    ASSERT_TRUE(QFile::link(path, link));
    ASSERT_TRUE(documentfile::save(link, "via link", &error));
    EXPECT_EQ(readFile(path), "via link");
    EXPECT_TRUE(QFileInfo(link).isSymLink());

    EXPECT_FALSE(documentfile::save(dir.path(), "x", &error));
    EXPECT_FALSE(documentfile::save(dir.filePath("manca/x.txt"), "x", &error));
    EXPECT_EQ(error, "La cartella non esiste.");

    // A read-only file and a folder that cannot be written keep their
    // content (the super-user may write anywhere).
    if (geteuid() == 0)
        return;
    QFile::setPermissions(path, QFile::ReadOwner);
    EXPECT_FALSE(documentfile::save(path, "perso", &error));
    EXPECT_EQ(error, "Il file è di sola lettura.");
    EXPECT_EQ(readFile(path), "via link");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_FALSE(documentfile::save(path, "perso", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(readFile(path), "via link");
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(DocumentFile, LoadReportsWhatWentWrong)
{
    QTemporaryDir dir;
    documentfile::Loaded l = documentfile::load(dir.filePath("manca.txt"));
    EXPECT_FALSE(l.ok);
    EXPECT_EQ(l.errorString, "Il file non esiste.");
    l = documentfile::load(dir.path());
    EXPECT_FALSE(l.ok);
    const QString path = dir.filePath("a.txt");
    writeFile(path, "r\xc3\xa8");
    l = documentfile::load(path);
    ASSERT_TRUE(l.ok);
    EXPECT_EQ(l.decoded.text, QString::fromUtf8("rè"));
    if (geteuid() == 0)
        return;
    QFile::setPermissions(path, QFileDevice::Permissions());
    l = documentfile::load(path);
    EXPECT_FALSE(l.ok);
    EXPECT_EQ(l.errorString, "Accesso negato.");
}

TEST(MailAttachment, NamesFoldersAndArguments)
{
    EXPECT_EQ(mailattachment::attachmentName("Documento1", ".txt"), "Documento1.txt");
    EXPECT_EQ(mailattachment::attachmentName("note.md", ".txt"), "note.md");
    EXPECT_EQ(mailattachment::attachmentName("a/b\\c", ".txt"), "a_b_c.txt");
    EXPECT_EQ(mailattachment::attachmentName("  ", ".txt"), "Documento.txt");

    QString error;
    const QString path = mailattachment::writeAttachment("Documento1.txt", "ciao\r\n", &error);
    ASSERT_FALSE(path.isEmpty()) << error.toStdString();
    EXPECT_TRUE(path.startsWith(mailattachment::attachmentRoot()));
    EXPECT_TRUE(path.endsWith("/Documento1.txt"));
    EXPECT_EQ(readFile(path), "ciao\r\n");
    // A second send of the same title does not overwrite the first.
    const QString second = mailattachment::writeAttachment("Documento1.txt", "altro", &error);
    EXPECT_NE(second, path);
    EXPECT_EQ(readFile(path), "ciao\r\n");
    mailattachment::removeOldAttachments(24 * 60 * 60);
    EXPECT_TRUE(QFile::exists(path));
    mailattachment::removeOldAttachments(-60);
    EXPECT_FALSE(QFile::exists(path));

    EXPECT_EQ(mailattachment::xdgEmailArguments("/t/a.txt", "a.txt"),
              QStringList({"--utf8", "--subject", "a.txt", "--attach", "/t/a.txt"}));
}
