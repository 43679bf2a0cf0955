#include "editor/cprojectbar.h"
#include "editor/projectfile.h"
#include "platform/messagebox.h"
#include "platform/registry.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QListWidget>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace platform::ui;

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(ProjectFile, ReadsSkippingBlankLinesAndWritesCrLf)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("lavoro.fpw");
    writeFile(path, "/case/Casa Rossi.fpd\r\n\r\n\n/case/attico\n/case/Villa.FPD");
    ProjectFile project;
    EXPECT_EQ(project.caption(), "Progetto: Predefinito");
    project.setPath(path);
    ASSERT_FALSE(project.read().isError());
    ASSERT_EQ(project.entries().size(), 3u);
    EXPECT_EQ(project.entries()[0].name, "Casa Rossi");
    EXPECT_EQ(project.entries()[1].name, "attico"); // no extension: the whole name
    EXPECT_EQ(project.entries()[2].path, "/case/Villa.FPD");
    EXPECT_EQ(project.caption(), "Progetto: lavoro");

    EXPECT_EQ(project.add("/case/attico"), ProjectFile::AddResult::Duplicate);
    EXPECT_EQ(project.add("/case/ATTICO"), ProjectFile::AddResult::Added); // case counts
    EXPECT_EQ(project.add(""), ProjectFile::AddResult::Empty);
    project.removeAt(0);
    ASSERT_FALSE(project.write().isError());
    EXPECT_EQ(readFile(path), "/case/attico\r\n/case/Villa.FPD\r\n/case/ATTICO\r\n");

    // A new project over an existing file empties it; the list stays.
    ASSERT_FALSE(project.create().isError());
    EXPECT_EQ(readFile(path), "");
    EXPECT_EQ(project.entries().size(), 3u);

    // A file that cannot be opened: string 61475 with the system's error.
    project.setPath(dir.filePath("assente.fpw"));
    const ProjectFile::Error error = project.read();
    EXPECT_TRUE(project.entries().empty());
    EXPECT_EQ(error.message(), "Errore durante l'apertura del file 'assente.fpw'.\nErrore #2\n\n"
                               "'Impossibile trovare il file specificato.'.");
}

TEST(ProjectFile, FavouriteIsALinkNamedAfterTheDocument)
{
    QTemporaryDir dir;
    const QString plan = dir.filePath("Casa Rossi.fpd");
    writeFile(plan, "x");
    const QString folder = favourites::folder(dir.path(), "Favorites");
    EXPECT_EQ(folder, dir.path() + "/Favorites");
    EXPECT_EQ(favourites::addLink(folder, plan), "");
    const QString link = folder + "/Casa Rossi.lnk";
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(favourites::target(link), plan);
    EXPECT_EQ(favourites::addLink(folder, plan), ""); // again: replaced
    EXPECT_EQ(favourites::addLink(folder, ""),
              "Errore durante la creazione del collegamento! (Codice: #1)");
}

class ProjectBarTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        platform::Registry::setStoreFolder(m_store.path());
        setMessageResponder([this](const MessageRequest &r) {
            m_messages << r.text;
            return m_answer;
        });
    }
    void TearDown() override
    {
        setMessageResponder({});
        setDialogResponder({});
        platform::Registry::setStoreFolder({});
    }
    QTemporaryDir m_store, m_dir;
    QStringList m_messages;
    Answer m_answer = Answer::Ok;
};

TEST_F(ProjectBarTest, ActiveDocumentMissingEntriesAndFolders)
{
    platform::Registry reg("Domora");
    CProjectBar bar(reg, m_dir.path() + "/");
    const QString project = m_dir.filePath("Agenzia.fpw");
    setDialogResponder([&](QDialog &d) {
        static_cast<QFileDialog &>(d).selectFile(project);
        return int(QDialog::Accepted);
    });
    bar.newProject();
    EXPECT_EQ(bar.caption(), "Progetto: Agenzia");
    EXPECT_EQ(reg.readString("Settings", "DefaultFolderNewProject"), m_dir.path());

    QString active;
    bar.setActiveDocumentProvider([&] { return active; });
    bar.addActiveDocument();
    ASSERT_EQ(m_messages.size(), 1);
    EXPECT_TRUE(m_messages[0].startsWith("Per aggiungere un documento al progetto"));

    const QString present = m_dir.filePath("Bilocale.fpd");
    writeFile(present, "plan");
    active = present;
    bar.addActiveDocument();
    active = m_dir.filePath("Sparito.fpd");
    bar.addActiveDocument();
    EXPECT_EQ(readFile(project), (present + "\r\n" + active + "\r\n").toUtf8());
    EXPECT_EQ(bar.documentList()->count(), 2);

    QSignalSpy opened(&bar, &CProjectBar::openDocumentRequested);
    bar.openEntry(0);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0][0].toString(), present);

    m_messages.clear();
    m_answer = Answer::No;
    bar.openEntry(1);
    EXPECT_EQ(m_messages.size(), 1);
    EXPECT_EQ(bar.documentList()->count(), 2);
    m_answer = Answer::Yes;
    bar.openEntry(1);
    EXPECT_EQ(bar.documentList()->count(), 1);
    EXPECT_EQ(readFile(project), (present + "\r\n").toUtf8());

    bar.documentList()->setCurrentRow(0);
    bar.addSelectedToFavourites();
    EXPECT_TRUE(QFileInfo(m_dir.filePath("Favorites/Bilocale.lnk")).isSymLink());

    // Opening the project again shows what was saved.
    CProjectBar again(reg, m_dir.path() + "/");
    again.loadProject(project);
    EXPECT_EQ(again.documentList()->count(), 1);
    EXPECT_EQ(again.documentList()->item(0)->text(), "Bilocale");
}
