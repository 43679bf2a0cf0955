#include "compoundtestutil.h"
#include "fakeview.h"
#include "sampleplan.h"

#include "graphics/context.h"
#include "graphics/recording.h"
#include "model/archive.h"
#include "model/cdrawimage.h"
#include "model/cdrawitem.h"
#include "model/cdrawoleobj.h"
#include "model/cdrawpoly.h"
#include "model/cdrawrect.h"
#include "model/cdrawtext.h"
#include "model/compound.h"
#include "model/drawingorder.h"
#include "model/errorreport.h"
#include "model/modelhooks.h"
#include "platform/registry.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <csignal>
#include <functional>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using geokit::Rect;
using geokit::Size;
using model::DrawStep;

namespace {

// Each test starts with empty "Layout" settings.
struct DocumentTest : ::testing::Test
{
    DocumentTest()
    {
        platform::Registry(QStringLiteral("Domora")).deleteKey(QStringLiteral("Layout"));
    }
};

std::unique_ptr<CDomoraDoc> newDocument(qint32 docType)
{
    auto doc = std::make_unique<CDomoraDoc>();
    NewDocumentOptions options;
    options.docType = docType;
    doc->OnNewDocument(options);
    return doc;
}

std::unique_ptr<CDrawRect> box(int l, int t, int r, int b)
{
    return std::make_unique<CDrawRect>(Rect(l, t, r, b), CDrawRect::Shape::Rectangle);
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST_F(DocumentTest, EachKindTakesItsPaperAndMarginsFromTheLayoutSettings)
{
    const auto normal = newDocument(CDomoraDoc::normal);
    EXPECT_EQ(normal->paperSize(), Size(210, 297));
    EXPECT_EQ(normal->printableArea(), Rect(12, 12, 198, 285));

    const auto placard = newDocument(CDomoraDoc::placard);
    EXPECT_EQ(placard->paperSize(), Size(297, 210));
    EXPECT_EQ(placard->borderLeft(), 145);
    EXPECT_EQ(placard->borderRight(), 20);
    EXPECT_EQ(placard->borderTop(), 10);
    EXPECT_EQ(placard->borderBottom(), 110);

    const auto printnet = newDocument(CDomoraDoc::printnet);
    EXPECT_EQ(printnet->paperSize(), Size(297, 210));
    EXPECT_EQ(printnet->printableArea(), Rect(6, 6, 291, 204));

    platform::Registry reg(QStringLiteral("Domora"));
    reg.writeInt(QStringLiteral("Layout"), QStringLiteral("PlacardPaperWidth"), 400);
    reg.writeInt(QStringLiteral("Layout"), QStringLiteral("PlacardTopBorder"), 33);
    reg.writeInt(QStringLiteral("Layout"), QStringLiteral("A4Borders"), 5);
    EXPECT_EQ(newDocument(CDomoraDoc::placard)->paperSize(), Size(400, 210));
    EXPECT_EQ(newDocument(CDomoraDoc::placard)->borderTop(), 33);
    EXPECT_EQ(newDocument(CDomoraDoc::normal)->printableArea(), Rect(5, 5, 205, 292));
}

TEST_F(DocumentTest, WizardSuppliesScaleAndSummaryTexts)
{
    CDomoraDoc doc;
    NewDocumentOptions options;
    options.fromWizard = true;
    options.scale = 0.02f;
    options.summaryTitle = QStringLiteral("Trilocale");
    options.summarySubject = QStringLiteral("Via Roma 1");
    doc.OnNewDocument(options);
    EXPECT_DOUBLE_EQ(doc.scale(), static_cast<double>(0.02f));
    EXPECT_EQ(doc.summary().title, QStringLiteral("Trilocale"));
    EXPECT_EQ(doc.summary().subject, QStringLiteral("Via Roma 1"));
    EXPECT_TRUE(doc.summary().created.isValid());
    EXPECT_EQ(doc.undoCount(), 1u);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_DOUBLE_EQ(doc.ToReal(100), static_cast<double>(0.02f) * 100);
    EXPECT_DOUBLE_EQ(doc.ToSheet(doc.ToReal(100)), 100);
}

TEST_F(DocumentTest, PaperSizeIsAnnouncedToTheViews)
{
    const auto doc = newDocument(CDomoraDoc::placard);
    FakeView view(doc.get());
    doc->SetPaperSize({297, 210}); // unchanged: nothing to announce
    EXPECT_TRUE(view.pageSizes.empty());
    doc->SetPaperSize({300, 200});
    ASSERT_EQ(view.pageSizes.size(), 1u);
    EXPECT_EQ(view.pageSizes[0], Size(300, 200));
    ASSERT_EQ(view.printableAreas.size(), 1u);
    EXPECT_EQ(view.printableAreas[0], Rect(145, 10, 280, 90));
}

TEST_F(DocumentTest, UndoBringsBackTheMarginsOfThePage)
{
    const auto doc = newDocument(CDomoraDoc::placard);
    FakeView view(doc.get());
    doc->setBorders(100, 10, 20, 110);
    doc->CheckPoint();
    view.printableAreas.clear();
    ASSERT_TRUE(doc->Undo());
    EXPECT_EQ(doc->borderLeft(), 145);
    ASSERT_EQ(view.printableAreas.size(), 1u);
    EXPECT_EQ(view.printableAreas[0], Rect(145, 10, 277, 100));
}

TEST_F(DocumentTest, AddAndRemoveKeepTheListTheLinksAndTheSelections)
{
    CDomoraDoc doc;
    FakeView view(&doc);
    CDrawObj *a = doc.AddObject(box(0, 0, 10, 10));
    CDrawObj *b = doc.AddObject(box(0, 0, 10, 10));
    EXPECT_EQ(a->document(), &doc);
    EXPECT_EQ(doc.objects().back().get(), b);
    EXPECT_TRUE(doc.IsModified());
    view.selected = {a, b};
    doc.SetModifiedFlag(false);
    std::unique_ptr<CDrawObj> taken = doc.RemoveObject(a);
    EXPECT_EQ(taken.get(), a);
    EXPECT_EQ(doc.objects().size(), 1u);
    EXPECT_EQ(view.selected.count(a), 0u);
    EXPECT_EQ(view.selected.count(b), 1u);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.RemoveObject(a), nullptr);
    doc.DeleteContents();
    EXPECT_TRUE(doc.objects().empty());
    EXPECT_TRUE(view.selected.empty());
}

TEST_F(DocumentTest, ObjectAtFindsTheTopmostAndPicturesFirst)
{
    CDomoraDoc doc;
    CDrawObj *bottom = doc.AddObject(box(0, 0, 100, 100));
    CDrawObj *top = doc.AddObject(box(50, 50, 150, 150));
    EXPECT_EQ(doc.ObjectAt({75, 75}), top);
    EXPECT_EQ(doc.ObjectAt({10, 10}), bottom);
    EXPECT_EQ(doc.ObjectAt({200, 200}), nullptr);

    // A picture read from a file lies under the others in the list but wins.
    doc.AddObject(std::make_unique<CDrawImage>(Rect(60, 60, 70, 70), QString()));
    doc.moveObject(doc.objects().back().get(), 0);
    EXPECT_EQ(doc.ObjectAt({65, 65}), top); // not read from a file: an ordinary object
    model::ArchiveWriter w;
    doc.Serialize(w);
    model::ArchiveReader r(w.takeData());
    doc.Serialize(r);
    EXPECT_STREQ(doc.ObjectAt({65, 65})->className(), "CDrawImage");
    EXPECT_STREQ(doc.ObjectAt({75, 75})->className(), "CDrawRect");
}

TEST_F(DocumentTest, SixSnapshotsLeaveFiveAndRedoIsForgotten)
{
    const auto doc = newDocument(CDomoraDoc::normal);
    EXPECT_FALSE(doc->CanUndo());
    for (int i = 0; i < 5; ++i) {
        doc->AddObject(box(i, i, i + 10, i + 10));
        doc->CheckPoint();
    }
    EXPECT_EQ(doc->undoCount(), 5u); // six snapshots in all
    EXPECT_TRUE(doc->CanUndo());
    EXPECT_FALSE(doc->CanRedo());

    ASSERT_TRUE(doc->Undo());
    EXPECT_EQ(doc->objects().size(), 4u);
    EXPECT_EQ(doc->objects().front()->document(), doc.get());
    EXPECT_TRUE(doc->CanRedo());
    ASSERT_TRUE(doc->Undo());
    ASSERT_TRUE(doc->Undo());
    ASSERT_TRUE(doc->Undo());
    EXPECT_EQ(doc->objects().size(), 1u); // the oldest state kept
    EXPECT_FALSE(doc->CanUndo());
    EXPECT_FALSE(doc->Undo());
    EXPECT_EQ(doc->redoCount(), 4u);

    ASSERT_TRUE(doc->Redo());
    EXPECT_EQ(doc->objects().size(), 2u);
    EXPECT_EQ(doc->undoCount(), 2u);
    doc->CheckPoint(); // a new change forgets what could be redone
    EXPECT_FALSE(doc->CanRedo());
}

TEST_F(DocumentTest, CheckpointCounterHoldsSnapshotsBack)
{
    const auto doc = newDocument(CDomoraDoc::normal);
    doc->AddObject(box(0, 0, 10, 10));
    doc->setCheckpointCounter(1);
    doc->CheckPoint();
    EXPECT_EQ(doc->undoCount(), 1u);
    doc->setCheckpointCounter(0);
    doc->CheckPoint();
    EXPECT_EQ(doc->undoCount(), 2u);
    doc->CheckPoint(); // nothing changed: the same state is not kept twice
    EXPECT_EQ(doc->undoCount(), 2u);
}

// Commands record a step before they change the plan; each change is then
// undone on its own and can be redone, even with no snapshot after it.
TEST_F(DocumentTest, StepsRecordedBeforeEachChangeUndoOneAtATime)
{
    const auto doc = newDocument(CDomoraDoc::normal);
    EXPECT_FALSE(doc->CanUndo());
    for (int i = 0; i < 3; ++i) {
        doc->CheckPoint();
        doc->AddObject(box(i, i, i + 10, i + 10));
    }
    EXPECT_TRUE(doc->CanUndo());
    ASSERT_TRUE(doc->Undo());
    EXPECT_EQ(doc->objects().size(), 2u);
    ASSERT_TRUE(doc->Undo());
    EXPECT_EQ(doc->objects().size(), 1u);
    ASSERT_TRUE(doc->Redo());
    EXPECT_EQ(doc->objects().size(), 2u);
    ASSERT_TRUE(doc->Redo());
    EXPECT_EQ(doc->objects().size(), 3u);
    EXPECT_FALSE(doc->CanRedo());
    ASSERT_TRUE(doc->Undo());
    ASSERT_TRUE(doc->Undo());
    ASSERT_TRUE(doc->Undo());
    EXPECT_TRUE(doc->objects().empty());
    EXPECT_FALSE(doc->CanUndo());

    // A change made after an undo without a step of its own is kept by redo
    // as a step of its own.
    ASSERT_TRUE(doc->Redo());
    doc->AddObject(box(50, 50, 60, 60));
    ASSERT_TRUE(doc->Redo());
    EXPECT_EQ(doc->objects().size(), 2u);
    ASSERT_TRUE(doc->Undo());
    ASSERT_EQ(doc->objects().size(), 2u);
    EXPECT_EQ(doc->objects().back()->position().left, 50);
}

// A new picture is picked like any object until it is read back; an undo
// that reads it back must not leave a step that restores the same state.
TEST_F(DocumentTest, UndoOverANewPictureIsOneStep)
{
    const auto doc = newDocument(CDomoraDoc::normal);
    doc->CheckPoint(); // the empty sheet
    doc->AddObject(std::make_unique<CDrawImage>(Rect(0, 0, 40, 30), QStringLiteral("manca.png")));
    ASSERT_NE(doc->objects().front()->pickingClass(), CDrawObj::pictureClass);
    doc->CheckPoint();
    doc->AddObject(box(50, 50, 60, 60));
    doc->CheckPoint();
    ASSERT_TRUE(doc->Undo());
    ASSERT_EQ(doc->objects().size(), 1u);
    EXPECT_EQ(doc->objects().front()->pickingClass(), CDrawObj::pictureClass);
    ASSERT_TRUE(doc->Undo());
    EXPECT_TRUE(doc->objects().empty());
    ASSERT_TRUE(doc->Redo());
    EXPECT_EQ(doc->objects().size(), 1u);
    ASSERT_TRUE(doc->Redo());
    EXPECT_EQ(doc->objects().size(), 2u);
    EXPECT_FALSE(doc->CanRedo());
}

TEST_F(DocumentTest, UndoEmptiesSelectionsAndUpdatesTheViews)
{
    const auto doc = newDocument(CDomoraDoc::normal);
    FakeView view(doc.get());
    CDrawObj *o = doc->AddObject(box(0, 0, 10, 10));
    doc->CheckPoint();
    view.selected = {o};
    view.updates.clear();
    ASSERT_TRUE(doc->Undo());
    EXPECT_TRUE(view.selected.empty());
    // The objects replaced may come back holding other states: the view is
    // told each one left, so that nothing it borrowed outlives the undo.
    EXPECT_EQ(view.departed, std::set<const CDrawObj *>({o}));
    ASSERT_FALSE(view.updates.empty());
    EXPECT_EQ(view.updates.back().first, 0);
}

TEST(DrawingOrder, OpeningsAndPicturesOnTopByDefault)
{
    const auto doc = model::samples::everyClassPlan();
    doc->moveObject(doc->objects()[10].get(), 0); // the picture at the bottom
    const auto &o = doc->objects();
    CDrawObj *picture = o[0].get();
    CDrawObj *room = o[1].get();

    const auto steps = model::drawingOrder(o, true, true);
    ASSERT_EQ(steps.size(), o.size() + 1);
    EXPECT_EQ(steps[0], (DrawStep{DrawStep::Kind::Object, room}));
    EXPECT_EQ(steps[steps.size() - 2], (DrawStep{DrawStep::Kind::Openings, room}));
    EXPECT_EQ(steps.back(), (DrawStep{DrawStep::Kind::Object, picture}));

    const auto inOrder = model::drawingOrder(o, false, false);
    EXPECT_EQ(inOrder[0], (DrawStep{DrawStep::Kind::Object, picture}));
    EXPECT_EQ(inOrder[1], (DrawStep{DrawStep::Kind::Object, room}));
    EXPECT_EQ(inOrder[2], (DrawStep{DrawStep::Kind::Openings, room}));
    EXPECT_EQ(inOrder.size(), o.size() + 1);
}

namespace {

// Records what the document asks it to draw.
class ProbeObject : public CDrawObj
{
public:
    ProbeObject(std::vector<std::string> &log, std::string name)
        : CDrawObj(Rect(0, 0, 1, 1)), m_log(log), m_name(std::move(name))
    {
    }
    void Draw(graphics::Context &) override { m_log.push_back(m_name); }
    void DrawTracker(graphics::Context &, int state) override
    {
        m_log.push_back(m_name + " tracker " + std::to_string(state));
    }

private:
    std::vector<std::string> &m_log;
    std::string m_name;
};

} // namespace

TEST_F(DocumentTest, SelectionMarksOnlyInTheActiveViewAndNotOnPaper)
{
    CDomoraDoc doc;
    std::vector<std::string> log;
    CDrawObj *a = doc.AddObject(std::make_unique<ProbeObject>(log, "a"));
    doc.AddObject(std::make_unique<ProbeObject>(log, "b"));
    FakeView view(&doc);
    view.selected = {a};
    graphics::Recording recording;
    graphics::Context g(recording);

    doc.Draw(g, &view, false);
    EXPECT_EQ(log, (std::vector<std::string>{"a", "a tracker 1", "b"}));
    log.clear();
    view.mode = 30;
    doc.Draw(g, &view, false);
    EXPECT_EQ(log[1], "a tracker 3");
    log.clear();
    view.mode = 40;
    doc.Draw(g, &view, false);
    EXPECT_EQ(log[1], "a tracker 4");
    log.clear();
    doc.Draw(g, &view, true);
    view.active = false;
    doc.Draw(g, &view, false);
    doc.Draw(g, nullptr, false);
    EXPECT_EQ(log, (std::vector<std::string>{"a", "b", "a", "b", "a", "b"}));
}

TEST(ErrorReport, BuildsString61478FromTheError)
{
    const model::FileError error{model::FileErrorCause::EndOfFile, 0,
                                 QStringLiteral("Il file termina prima della fine dei dati.")};
    EXPECT_EQ(model::saveLoadReport(QStringLiteral("/case/casa.fpd"), error, false,
                                    model::failedToOpenDocMessage),
              QStringLiteral("Si è verificato un problema durante la 'lettura' del file:\n"
                             "'/case/casa.fpd'\n\nIl file termina prima della fine dei dati.\n\n"
                             "Codice del SO per l'errore: '0x0'\n"
                             "Causa dell'errore: fine prematura del file ('0xe').\n"
                             "Messaggio d'errore predefinito: '0xf101'"));
    const model::FileError denied{model::FileErrorCause::AccessDenied, 13, QString(300, 'x')};
    const QString report =
        model::saveLoadReport(QStringLiteral("a%1b"), denied, true, model::failedToSaveDocMessage);
    EXPECT_TRUE(report.contains(QStringLiteral("'scrittura'")));
    EXPECT_TRUE(report.contains(QStringLiteral("'a%1b'")));
    EXPECT_TRUE(report.contains(QStringLiteral("'0xd'")));
    EXPECT_TRUE(report.contains(QStringLiteral("accesso negato ('0x5')")));
    EXPECT_TRUE(report.contains(QString(255, 'x') + QLatin1Char('\n')));
    EXPECT_FALSE(report.contains(QString(256, 'x')));

    const int causes[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 99};
    QStringList texts;
    for (const int c : causes)
        texts << model::causeText(c);
    EXPECT_EQ(texts[1], texts[7]); // generic and the unlisted causes share one text
    EXPECT_EQ(texts[1], QStringLiteral("causa sconosciuta o errore generico"));
    EXPECT_EQ(texts[13], QStringLiteral("disco pieno"));
}

TEST_F(DocumentTest, SavedPlanOpensAsItWasWithItsStatistics)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("casa.fpd"));
    const auto doc = model::samples::everyClassPlan();
    model::SummaryInformation texts;
    texts.author = QStringLiteral("Agenzia Bianchi");
    texts.title = QStringLiteral("Trilocale");
    doc->setSummaryTexts(texts);
    ASSERT_FALSE(doc->OnSaveDocument(path).isError());
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(doc->summary().revisionNumber, QStringLiteral("1"));
    ASSERT_FALSE(doc->OnSaveDocument(path).isError());
    EXPECT_EQ(doc->summary().revisionNumber, QStringLiteral("2"));

    CDomoraDoc copy;
    ASSERT_FALSE(copy.OnOpenDocument(path).isError());
    EXPECT_EQ(copy.objects().size(), doc->objects().size());
    EXPECT_EQ(copy.undoCount(), 1u);
    EXPECT_EQ(copy.summary().author, QStringLiteral("Agenzia Bianchi"));
    EXPECT_EQ(copy.summary().revisionNumber, QStringLiteral("2"));
    EXPECT_EQ(copy.summary().lastSaved, doc->summary().lastSaved);
    EXPECT_EQ(copy.summary().pageCount, 1);
    EXPECT_GT(copy.summary().wordCount, 0);
    const auto &ole = dynamic_cast<const CDrawOleObj &>(*copy.objects().back());
    EXPECT_EQ(ole.item()->data(), QByteArray("contenuto\0binario", 17));

    model::CompoundFile file;
    ASSERT_TRUE(file.loadFile(path));
    EXPECT_TRUE(file.hasStream(QStringLiteral("Item 1/Data"))); // one storage per item
    model::ArchiveWriter ar;
    copy.Serialize(ar);
    EXPECT_EQ(file.stream(QStringLiteral("Contents"))->size(),
              ar.size() - qsizetype(sizeof("contenuto\0binario") - 1) - 4); // bytes stay outside
}

TEST_F(DocumentTest, OlefileListsBothStreamsAndReadsTheMetadata)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("casa.fpd"));
    const auto doc = newDocument(CDomoraDoc::normal);
    doc->AddObject(std::make_unique<CDrawText>(Rect(10, 10, 50, 30)));
    model::SummaryInformation texts;
    texts.author = QStringLiteral("Agenzia Bianchi");
    texts.title = QStringLiteral("Trilocale è luminoso");
    texts.keywords = QStringLiteral("centro, terrazzo");
    doc->setSummaryTexts(texts);
    ASSERT_FALSE(doc->OnSaveDocument(path).isError());

    const QString script = QStringLiteral(R"(
import json, sys, olefile
ole = olefile.OleFileIO(sys.argv[1])
m = ole.get_metadata()
text = lambda b: b.decode("cp1252") if b is not None else None
print(json.dumps({
    "streams": sorted("/".join(p) for p in ole.listdir()),
    "title": text(m.title), "author": text(m.author), "keywords": text(m.keywords),
    "revision": text(m.revision_number), "app": text(m.creating_application),
    "words": m.num_words, "pages": m.num_pages,
    "saved": m.last_saved_time is not None, "created": m.create_time is not None,
}))
)");
    const QByteArray output = runDebianPython(script, {path});
    const QJsonObject r = QJsonDocument::fromJson(output).object();
    ASSERT_FALSE(r.isEmpty()) << output.toStdString();
    EXPECT_EQ(r["streams"].toVariant().toStringList(),
              (QStringList{"\005SummaryInformation", "Contents"}));
    EXPECT_EQ(r["title"].toString(), texts.title);
    EXPECT_EQ(r["author"].toString(), texts.author);
    EXPECT_EQ(r["keywords"].toString(), texts.keywords);
    EXPECT_EQ(r["revision"].toString(), QStringLiteral("1"));
    EXPECT_EQ(r["app"].toString(), QStringLiteral("Domora"));
    EXPECT_EQ(r["words"].toInt(), 4); // "Nuova casella di testo"
    EXPECT_EQ(r["pages"].toInt(), 1);
    EXPECT_TRUE(r["saved"].toBool());
    EXPECT_TRUE(r["created"].toBool());
}

namespace {

// Saves over an existing plan while `breakSave` makes the write fail; the
// old file must come through untouched.
void expectOldFileSurvives(const std::function<void(const QString &folder)> &breakSave,
                           const std::function<void(const QString &folder)> &repair)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("casa.fpd"));
    const auto doc = model::samples::generatedPlan(50, 10);
    ASSERT_FALSE(doc->OnSaveDocument(path).isError());
    const QByteArray before = readFile(path);
    const model::SummaryInformation summaryBefore = doc->summary();

    doc->AddObject(box(1, 1, 5, 5));
    breakSave(dir.path());
    const model::FileError error = doc->OnSaveDocument(path);
    repair(dir.path());
    EXPECT_TRUE(error.isError());
    EXPECT_FALSE(error.message.isEmpty());
    EXPECT_EQ(readFile(path), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"casa.fpd"});
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(doc->summary().revisionNumber, summaryBefore.revisionNumber);
}

} // namespace

TEST_F(DocumentTest, SaveThatRunsOutOfSpaceLeavesTheOldFileIntact)
{
    // A file-size limit makes the write fail half-way, as a full disk would.
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    expectOldFileSurvives(
        [&saved](const QString &) {
            rlimit small = saved;
            small.rlim_cur = 8192;
            ::setrlimit(RLIMIT_FSIZE, &small);
        },
        [&saved](const QString &) { ::setrlimit(RLIMIT_FSIZE, &saved); });
    std::signal(SIGXFSZ, oldHandler);
}

TEST_F(DocumentTest, SaveIntoAReadOnlyFolderLeavesTheOldFileIntact)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    expectOldFileSurvives(
        [](const QString &folder) { ::chmod(QFile::encodeName(folder).constData(), 0555); },
        [](const QString &folder) { ::chmod(QFile::encodeName(folder).constData(), 0755); });
}

TEST_F(DocumentTest, DamagedFilesAreRefusedAndTheDocumentKeepsItsContents)
{
    QTemporaryDir dir;
    const auto doc = model::samples::everyClassPlan();
    const QByteArray good = doc->fileBytes();
    const auto write = [&dir](const char *name, const QByteArray &bytes) {
        const QString path = dir.filePath(QLatin1String(name));
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return path;
    };

    CDomoraDoc target;
    target.AddObject(box(1, 1, 5, 5));
    const auto expectRefused = [&target](const QString &path, model::FileErrorCause cause) {
        const model::FileError error = target.OnOpenDocument(path);
        EXPECT_EQ(error.cause, cause) << path.toStdString();
        EXPECT_FALSE(error.message.isEmpty());
        EXPECT_EQ(target.objects().size(), 1u);
    };
    expectRefused(write("empty.fpd", {}), model::FileErrorCause::InvalidFile);
    expectRefused(write("text.fpd", "Questo non è un documento."),
                  model::FileErrorCause::InvalidFile);
    expectRefused(dir.filePath(QStringLiteral("assente.fpd")), model::FileErrorCause::FileNotFound);

    model::CompoundFile noContents;
    noContents.setStream(QStringLiteral("Altro"), "x");
    expectRefused(write("nocontents.fpd", noContents.toBytes()),
                  model::FileErrorCause::InvalidFile);

    model::CompoundFile truncated;
    ASSERT_TRUE(truncated.load(good));
    const QByteArray contents = *truncated.stream(QStringLiteral("Contents"));
    truncated.setStream(QStringLiteral("Contents"), contents.left(contents.size() / 2));
    expectRefused(write("truncated.fpd", truncated.toBytes()), model::FileErrorCause::EndOfFile);

    model::CompoundFile lostItem;
    ASSERT_TRUE(lostItem.load(good));
    lostItem.remove(QStringLiteral("Item 1"));
    expectRefused(write("lostitem.fpd", lostItem.toBytes()), model::FileErrorCause::InvalidFile);

    // A damaged summary alone does not keep the plan from opening.
    model::CompoundFile badSummary;
    ASSERT_TRUE(badSummary.load(good));
    badSummary.setStream(model::summaryStreamName(), "rotto");
    EXPECT_FALSE(target.OnOpenDocument(write("summary.fpd", badSummary.toBytes())).isError());
    EXPECT_EQ(target.objects().size(), doc->objects().size());
}

namespace {

QByteArray archiveOf(const CDomoraDoc &doc)
{
    model::ArchiveWriter ar;
    doc.Serialize(ar);
    return ar.takeData();
}

// Changes every object so that its next reading has to replace all of it:
// other counts of walls, vertices and openings, other texts, and the marks
// that are never stored.
void reshapeEveryObject(CDomoraDoc &doc, int step)
{
    for (const auto &object : doc.objects()) {
        std::vector<SegmentStyle> walls(static_cast<size_t>(2 + step * 3));
        for (SegmentStyle &wall : walls) {
            wall.highlighted = 1;
            wall.description = QStringLiteral("passo %1").arg(step);
            wall.brush.bounds = Rect(1, 2, 3, 4);
            Opening door;
            door.size = 5 + step;
            door.insertState = 2;
            door.highlighted = 1;
            door.backColor = 0xFF123456;
            wall.openings.assign(static_cast<size_t>(1 + step), door);
        }
        object->setSegmentStyles(walls);
        object->setTypeName(QStringLiteral("tipo %1").arg(step));
        if (auto *room = dynamic_cast<CDrawPoly *>(object.get()))
            room->setPoints(
                std::vector<geokit::PointF>(static_cast<size_t>(3 + step), {float(step), 1.0f}));
    }
}

} // namespace

// Undo reads a state into the objects the restore before it replaced; what
// it brings back must be exactly the state recorded, marks included.
TEST_F(DocumentTest, RestoresIntoObjectsOfOtherStatesBringBackExactlyThoseStates)
{
    // Opened as from a file, so that its pictures are as reading leaves them.
    const auto doc = std::make_unique<CDomoraDoc>();
    {
        model::ArchiveReader reader(archiveOf(*model::samples::everyClassPlan()));
        doc->Serialize(reader);
    }
    std::vector<QByteArray> states;
    for (int step = 0; step < 3; ++step) {
        reshapeEveryObject(*doc, step);
        if (step > 0) {
            doc->AddObject(box(step, step, 10 * step, 10 * step));
            (void)doc->RemoveObject(doc->objects().back().get());
        }
        states.push_back(archiveOf(*doc));
        doc->CheckPoint();
    }

    const auto expectState = [&](size_t index) {
        EXPECT_EQ(archiveOf(*doc), states[index]) << "state " << index;
        for (const auto &object : doc->objects()) {
            EXPECT_EQ(object->document(), doc.get());
            for (const SegmentStyle &wall : object->segmentStyles()) {
                EXPECT_EQ(wall.highlighted, 0);
                EXPECT_EQ(wall.brush.bounds, Rect());
                for (const Opening &door : wall.openings) {
                    EXPECT_EQ(door.insertState, 0);
                    EXPECT_EQ(door.highlighted, 0);
                    EXPECT_EQ(door.backColor, 0xFFFFFFFFu);
                }
            }
        }
    };
    // The second undo and each redo read into objects kept from the
    // restore before, shaped by another state.
    ASSERT_TRUE(doc->Undo());
    expectState(1);
    ASSERT_TRUE(doc->Undo());
    expectState(0);
    ASSERT_TRUE(doc->Redo());
    expectState(1);
    ASSERT_TRUE(doc->Redo());
    expectState(2);
    ASSERT_TRUE(doc->Undo());
    ASSERT_TRUE(doc->Undo());
    expectState(0);
}

// A snapshot whose reading fails leaves the document and its undo list as
// they were, also when the reading had taken kept objects.
TEST_F(DocumentTest, DamagedSnapshotLeavesTheDocumentAsItWas)
{
    const auto doc = model::samples::generatedPlan(20, 8);
    const QByteArray before = archiveOf(*doc);
    doc->CheckPoint();
    doc->AddObject(box(0, 0, 10, 10));
    doc->CheckPoint();
    ASSERT_TRUE(doc->Undo()); // objects are now kept for the next restore
    QByteArray damaged = before;
    damaged.truncate(damaged.size() / 2);
    model::ArchiveReader reader(damaged);
    EXPECT_THROW(doc->Serialize(reader), model::ArchiveException);
    EXPECT_EQ(archiveOf(*doc), before);
    ASSERT_TRUE(doc->Redo());
    EXPECT_EQ(doc->objects().size(), 29u);
}
