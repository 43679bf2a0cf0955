#include "planfixture.h"
#include "viewtestutil.h"

#include "editor/editoroptions.h"
#include "editor/plandocument.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>

namespace {

using DocumentTest = DocumentFixture;

QString savePlan(const QString &path, int rooms)
{
    auto doc = makePlan(rooms);
    EXPECT_FALSE(doc->OnSaveDocument(path).isError());
    return path;
}

TEST_F(DocumentTest, NewPlansAreNumberedAndTakeTheRequestedKind)
{
    newDocumentRequest() = NewDocumentRequest{};
    newDocumentRequest().docType = 1;
    PlanDocument *placard = m_docs->newDocument();
    newDocumentRequest().docType = 0;
    PlanDocument *normal = m_docs->newDocument();
    EXPECT_EQ(placard->title(), "Domora1");
    EXPECT_EQ(normal->title(), "Domora2");
    EXPECT_EQ(placard->doc().GetDocType(), 1);
    EXPECT_EQ(placard->doc().paperSize(), (geokit::Size{297, 210}));
    EXPECT_FALSE(normal->isModified());
}

TEST_F(DocumentTest, RecentFilesKeepFourAndForgetWhatNoLongerOpens)
{
    QStringList paths;
    for (int i = 0; i < 5; ++i)
        paths << savePlan(m_files.filePath(QStringLiteral("p%1.fpd").arg(i)), 1);
    for (const QString &p : paths)
        ASSERT_NE(m_docs->openDocument(p), nullptr);
    EXPECT_EQ(m_docs->recentFiles(), (QStringList{paths[4], paths[3], paths[2], paths[1]}));
    // Opening an open file finds it.
    EXPECT_EQ(m_docs->openDocument(paths[2]), m_docs->documents()[2]);
    EXPECT_EQ(m_docs->documents().size(), 5u);

    // The list survives in the settings.
    DocumentManager again(*m_reg, m_log, *m_recovery);
    again.loadRecentFiles();
    EXPECT_EQ(again.recentFiles(), m_docs->recentFiles());

    // A recent file that went away is reported and leaves the list.
    m_docs->closeAllDocuments();
    QFile::remove(paths[3]);
    EXPECT_EQ(m_docs->openDocument(paths[3]), nullptr);
    ASSERT_EQ(m_messages.size(), 1);
    EXPECT_TRUE(m_messages.front().contains(paths[3]));
    EXPECT_FALSE(m_docs->recentFiles().contains(paths[3]));
}

TEST_F(DocumentTest, DamagedFileIsReportedAndOpensNothing)
{
    const QString path = m_files.filePath(QStringLiteral("rotto.fpd"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(600, '\x07'));
    f.close();
    QString error;
    EXPECT_EQ(m_docs->openDocument(path, false, &error), nullptr);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(m_messages.isEmpty());
    EXPECT_TRUE(m_docs->documents().empty());
}

TEST_F(DocumentTest, SaveQuestionAnswers)
{
    const QString path = savePlan(m_files.filePath(QStringLiteral("casa.fpd")), 3);
    PlanDocument *plan = m_docs->openDocument(path);
    ASSERT_NE(plan, nullptr);
    EXPECT_TRUE(m_docs->saveModified(plan)); // unmodified: no question
    EXPECT_TRUE(m_messages.isEmpty());

    plan->setModified(true);
    m_answer = platform::ui::Answer::Cancel;
    EXPECT_FALSE(m_docs->saveModified(plan));
    EXPECT_EQ(m_messages, QStringList{"Salvare le modifiche apportate a casa.fpd?"});
    m_answer = platform::ui::Answer::No;
    EXPECT_TRUE(m_docs->saveModified(plan));
    EXPECT_TRUE(plan->isModified());

    const qint64 before = QFileInfo(path).size();
    plan->doc().AddObject(
        std::make_unique<CDrawRect>(geokit::Rect(20, 20, 60, 50), CDrawRect::Shape::Rectangle));
    m_answer = platform::ui::Answer::Yes;
    EXPECT_TRUE(m_docs->saveModified(plan));
    EXPECT_FALSE(plan->isModified());
    EXPECT_NE(QFileInfo(path).size(), before);
    CDomoraDoc reread;
    ASSERT_FALSE(reread.OnOpenDocument(path).isError());
    EXPECT_EQ(reread.objects().size(), 4u);
}

TEST_F(DocumentTest, SaveAsWritesTheChosenFileAndRenamesThePlan)
{
    newDocumentRequest() = NewDocumentRequest{};
    PlanDocument *plan = m_docs->newDocument();
    const QString target = m_files.filePath(QStringLiteral("nuova.fpd"));
    platform::ui::setDialogResponder([&](QDialog &d) {
        auto &files = dynamic_cast<QFileDialog &>(d);
        EXPECT_EQ(files.acceptMode(), QFileDialog::AcceptSave);
        files.selectFile(target);
        return int(QDialog::Accepted);
    });
    EXPECT_TRUE(m_docs->save(plan)); // never saved: asks for a name
    EXPECT_EQ(plan->path(), target);
    EXPECT_EQ(plan->title(), "nuova.fpd");
    EXPECT_TRUE(QFileInfo::exists(target));
    EXPECT_EQ(m_docs->recentFiles().value(0), target);
}

TEST_F(DocumentTest, AutomaticSaveWritesSavedPlansAndKeepsACopyOfTheOthers)
{
    const QString path = savePlan(m_files.filePath(QStringLiteral("casa.fpd")), 2);
    PlanDocument *saved = m_docs->openDocument(path);
    newDocumentRequest() = NewDocumentRequest{};
    PlanDocument *untitled = m_docs->newDocument();

    // Unchanged plans are left alone.
    m_docs->autosave(untitled);
    EXPECT_TRUE(untitled->recoveryPath().isEmpty());

    saved->doc().AddObject(
        std::make_unique<CDrawRect>(geokit::Rect(20, 20, 60, 50), CDrawRect::Shape::Rectangle));
    m_docs->autosave(saved);
    EXPECT_FALSE(saved->isModified());
    CDomoraDoc reread;
    ASSERT_FALSE(reread.OnOpenDocument(path).isError());
    EXPECT_EQ(reread.objects().size(), 3u);

    untitled->doc().AddObject(
        std::make_unique<CDrawRect>(geokit::Rect(10, 10, 30, 30), CDrawRect::Shape::Rectangle));
    m_docs->autosave(untitled);
    m_docs->autosave(untitled);
    EXPECT_TRUE(m_messages.isEmpty()); // never a question
    EXPECT_TRUE(untitled->isModified());
    const QString copy = untitled->recoveryPath();
    ASSERT_TRUE(QFileInfo::exists(copy));
    EXPECT_TRUE(copy.startsWith(m_recoveryDir.path()));
    CDomoraDoc recovered;
    ASSERT_FALSE(recovered.OnOpenDocument(copy).isError());
    EXPECT_EQ(recovered.objects().size(), 1u);

    // Closing the plan gives the copy up.
    m_docs->closeDocument(untitled);
    EXPECT_FALSE(QFileInfo::exists(copy));
}

TEST_F(DocumentTest, FailedAutomaticSaveIsReportedOnce)
{
    const QString folder = m_files.filePath(QStringLiteral("sub"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString path = savePlan(folder + QStringLiteral("/casa.fpd"), 1);
    PlanDocument *plan = m_docs->openDocument(path);
    ASSERT_NE(plan, nullptr);
    // The file's folder goes away: every save fails.
    ASSERT_TRUE(QDir(folder).removeRecursively());
    for (int i = 0; i < 3; ++i) {
        plan->setModified(true);
        m_docs->autosave(plan);
    }
    EXPECT_EQ(m_messages.size(), 1);
}

TEST(RecoveryStore, CopiesOfACrashedEditorAreFoundAndAdopted)
{
    QTemporaryDir base;
    // A folder left by an editor that is gone: its lock names a dead process.
    const QString crashed = base.filePath(QStringLiteral("999999"));
    ASSERT_TRUE(QDir().mkpath(crashed));
    {
        QFile lock(crashed + QStringLiteral("/.lock"));
        ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
        lock.write("999999\ndomora\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    }
    savePlan(crashed + QStringLiteral("/Domora1.fpd"), 2);
    // A folder left empty is tidied away without a word.
    ASSERT_TRUE(QDir().mkpath(base.filePath(QStringLiteral("999998"))));

    // A folder of an editor still running: its lock is held.
    const QString live = base.filePath(QStringLiteral("77777"));
    ASSERT_TRUE(QDir().mkpath(live));
    QLockFile held(live + QStringLiteral("/.lock"));
    ASSERT_TRUE(held.tryLock(0));
    savePlan(live + QStringLiteral("/Domora2.fpd"), 1);

    RecoveryStore store(base.path());
    const QStringList orphans = store.orphanedFiles();
    EXPECT_EQ(orphans, QStringList{crashed + QStringLiteral("/Domora1.fpd")});
    EXPECT_FALSE(QFileInfo::exists(base.filePath(QStringLiteral("999998"))));
    const QStringList adopted = store.adoptOrphans();
    ASSERT_EQ(adopted.size(), 1);
    EXPECT_TRUE(adopted.front().startsWith(store.ownFolder()));
    EXPECT_TRUE(QFileInfo::exists(adopted.front()));
    EXPECT_FALSE(QFileInfo::exists(crashed));
    // The running editor's copy was never offered.
    EXPECT_TRUE(QFileInfo::exists(live + QStringLiteral("/Domora2.fpd")));
}

} // namespace
