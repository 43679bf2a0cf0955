#include "planfixture.h"
#include "viewtestutil.h"

#include "editor/cdomoraview.h"
#include "editor/commandids.h"
#include "editor/czoomdlg.h"
#include "editor/editoroptions.h"
#include "editor/planclipboard.h"
#include "editor/plandocument.h"
#include "model/cdrawitem.h"
#include "model/cdrawoleobj.h"
#include "model/clipboardformat.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>
#include <QWheelEvent>

#include <cmath>

namespace {

class ViewTest : public DocumentFixture
{
protected:
    // A plan of `rooms` rooms, open in a view 800 x 600 pixels large.
    CDomoraView *openView(int rooms, int docType = CDomoraDoc::normal)
    {
        newDocumentRequest() = NewDocumentRequest{};
        newDocumentRequest().docType = docType;
        PlanDocument *plan = m_docs->newDocument();
        auto source = makePlan(rooms, docType);
        for (const CDrawObj *object : objectsOf(*source))
            plan->doc().AddObject(object->Clone(false));
        auto view = std::make_unique<CDomoraView>(*plan, *m_docs, &m_readouts);
        view->resize(800, 600);
        view->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(view.get()));
        view->setActive(true);
        m_views.push_back(std::move(view));
        return m_views.back().get();
    }

    static std::vector<const CDrawObj *> objectsOf(const CDomoraDoc &doc)
    {
        std::vector<const CDrawObj *> list;
        for (const auto &o : doc.objects())
            list.push_back(o.get());
        return list;
    }

    // Lets the scroll bars come and go after a change of zoom.
    static void settle() { QApplication::processEvents(); }

    void wheel(CDomoraView *view, int delta)
    {
        const QPointF at(view->viewport()->width() / 2.0, view->viewport()->height() / 2.0);
        QWheelEvent event(at, view->viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view->viewport(), &event);
    }

    void TearDown() override
    {
        m_views.clear();
        DocumentFixture::TearDown();
    }

    RecordedReadouts m_readouts;
    std::vector<std::unique_ptr<CDomoraView>> m_views;
};

TEST_F(ViewTest, NormalPlanFitsTheWidthAndCentresWhenSmaller)
{
    CDomoraView *view = openView(3);
    // Fit width in a window 800 pixels wide: 800 / 210.
    EXPECT_FLOAT_EQ(view->zoomScale(), 800.0f / 210.0f);

    view->handleCommand(cmd::ZoomFitPage);
    const QSize device = view->zoomState().deviceSize();
    ASSERT_LT(device.width(), view->viewport()->width());
    EXPECT_EQ(view->sheetOrigin().x(), (view->viewport()->width() - device.width()) / 2);
    EXPECT_EQ(view->horizontalScrollBar()->maximum(), 0);
}

TEST_F(ViewTest, PlacardAndPrintnetFitTheWholePage)
{
    for (int kind : {CDomoraDoc::placard, CDomoraDoc::printnet}) {
        CDomoraView *view = openView(1, kind);
        const QSize device = view->zoomState().deviceSize();
        EXPECT_LE(device.width(), view->viewport()->width());
        EXPECT_LE(device.height(), view->viewport()->height());
        EXPECT_TRUE(device.width() == view->maximumViewportSize().width() ||
                    device.height() == view->maximumViewportSize().height());
    }
}

TEST_F(ViewTest, CtrlWheelZoomsWithoutLimits)
{
    CDomoraView *view = openView(1);
    view->SetZoomScale(1.0f);
    for (int i = 0; i < 5; ++i)
        wheel(view, -120); // toward the user
    EXPECT_NEAR(view->zoomScale(), 1.0 / std::pow(1.25, 5), 1e-5);
    EXPECT_LT(view->zoomScale(), 0.33f);
    wheel(view, 120); // away: divided by 0.75
    EXPECT_NEAR(view->zoomScale(), 1.0 / std::pow(1.25, 5) / 0.75, 1e-5);
}

TEST_F(ViewTest, CustomZoomOfFifteenShowsAtTwenty)
{
    CDomoraView *view = openView(1);
    platform::ui::setDialogResponder([](QDialog &d) {
        auto &zoom = dynamic_cast<CZoomDlg &>(d);
        zoom.setEntryText(QStringLiteral("15"));
        zoom.accept();
        return zoom.result();
    });
    view->handleCommand(cmd::ZoomCustom);
    EXPECT_FLOAT_EQ(view->zoomScale(), 0.2f);
}

TEST_F(ViewTest, ZoomToolsClickRubberBandPromptAndRightButton)
{
    CDomoraView *view = openView(1);
    view->SetZoomScale(1.0f);
    settle();
    view->handleCommand(cmd::ZoomIn);
    EXPECT_EQ(m_readouts.prompt,
              "Fai click nel punto che desideri ingrandire o seleziona una zona.");
    toolkit::CommandUpdate update;
    ASSERT_TRUE(view->updateCommand(cmd::ZoomIn, update));
    EXPECT_EQ(update.checked, true);
    EXPECT_NE(view->viewport()->cursor().shape(), Qt::ArrowCursor);

    // A band 9 x 40 zooms onto the band; one of 9 x 9 zooms by 1.25.
    const QPoint a = view->toWindow({60, 60}).toPoint();
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, a);
    QTest::mouseMove(view->viewport(), a + QPoint(9, 40));
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, a + QPoint(9, 40));
    const float banded = view->zoomScale();
    EXPECT_GT(banded, 10.0f);

    view->SetZoomScale(1.0f);
    settle();
    const QPoint b = view->toWindow({60, 60}).toPoint();
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, b);
    QTest::mouseMove(view->viewport(), b + QPoint(9, 9));
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, b + QPoint(9, 9));
    EXPECT_FLOAT_EQ(view->zoomScale(), 1.25f);

    // Choosing the tool again turns it off and clears the prompt.
    view->handleCommand(cmd::ZoomIn);
    EXPECT_EQ(view->GetZoomTool(), 0);
    EXPECT_TRUE(m_readouts.prompt.isEmpty());

    // The zoom-out tool: a click divides by 1.25; the right button turns the
    // tool off and leaves the prompt.
    view->SetZoomScale(1.0f);
    settle();
    view->handleCommand(cmd::ZoomOut);
    EXPECT_EQ(m_readouts.prompt, "Fai click in un punto per diminuire il fattore di zoom.");
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->toWindow({80, 80}).toPoint());
    EXPECT_FLOAT_EQ(view->zoomScale(), 0.8f);
    QTest::mouseClick(view->viewport(), Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(view->GetZoomTool(), 0);
    EXPECT_FALSE(m_readouts.prompt.isEmpty());
    EXPECT_EQ(view->viewport()->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(ViewTest, CursorReadoutsAndFreeArea)
{
    CDomoraView *view = openView(1);
    view->SetZoomScale(1.0f);
    settle();
    QTest::mouseMove(view->viewport(), view->toWindow({30.4, 40.4}).toPoint());
    EXPECT_EQ(m_readouts.info.value(1042), "(30, 40)");
    EXPECT_EQ(m_readouts.info.value(1043), "50.00");
    view->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(m_readouts.panes.value(2), "Area disponibile: 210x297 [mm]");
}

TEST_F(ViewTest, ClipboardCarriesObjectsBetweenViews)
{
    CDomoraView *from = openView(4);
    CDomoraView *to = openView(0);
    from->SelectAll();
    ASSERT_EQ(from->selection().size(), 4u);
    from->handleCommand(cmd::EditCopy);
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(data->hasFormat(model::drawFileMimeType()));
    toolkit::CommandUpdate update;
    to->updateCommand(cmd::EditPaste, update);
    EXPECT_TRUE(update.enabled);

    to->handleCommand(cmd::EditPaste);
    const CDomoraDoc &target = to->plan().doc();
    ASSERT_EQ(target.objects().size(), 4u);
    EXPECT_EQ(to->selection().size(), 4u);
    EXPECT_EQ(model::writeObjectList(objectsOf(target)),
              model::writeObjectList(objectsOf(from->plan().doc())));

    // Cut takes the selection out.
    from->handleCommand(cmd::EditCut);
    EXPECT_TRUE(from->plan().doc().objects().empty());
    EXPECT_TRUE(from->selection().empty());
    from->handleCommand(cmd::EditUndo);
    EXPECT_EQ(from->plan().doc().objects().size(), 4u);
}

TEST_F(ViewTest, PicturesAndTextFromOtherProgramsBecomeDataItems)
{
    CDomoraView *view = openView(0);
    auto *picture = new QMimeData;
    QImage image(96, 48, QImage::Format_RGB32);
    image.fill(Qt::red);
    picture->setImageData(image);
    QGuiApplication::clipboard()->setMimeData(picture);
    view->handleCommand(cmd::EditPaste);
    auto *text = new QMimeData;
    text->setText(QStringLiteral("Vendesi trilocale"));
    QGuiApplication::clipboard()->setMimeData(text);
    view->handleCommand(cmd::EditPaste);

    const auto &objects = view->plan().doc().objects();
    ASSERT_EQ(objects.size(), 2u);
    const auto *first = dynamic_cast<const CDrawOleObj *>(objects[0].get());
    ASSERT_TRUE(first && first->item());
    EXPECT_EQ(first->item()->mimeType(), "image/png");
    EXPECT_EQ(first->extent(), (geokit::Size{25, 12})); // 96 x 48 pixels at 96 per inch
    const auto *second = dynamic_cast<const CDrawOleObj *>(objects[1].get());
    ASSERT_TRUE(second && second->item());
    EXPECT_EQ(QString::fromUtf8(second->item()->data()), "Vendesi trilocale");
}

TEST_F(ViewTest, DroppedObjectsLandWhereTheyAreLetGo)
{
    CDomoraView *from = openView(1);
    CDomoraView *to = openView(0);
    to->SetZoomScale(1.0f);
    settle();
    from->SelectAll();
    const geokit::Rect original = from->selection().front()->position();
    auto *data = new QMimeData;
    data->setData(planclipboard::nativeFormat(),
                  planclipboard::encodeObjects(objectsOf(from->plan().doc())));
    // Held by its top-left corner, let go at (100, 120) mm.
    data->setData(planclipboard::descriptorFormat(),
                  planclipboard::encodeDescriptor({original, original.topLeft()}));
    EXPECT_TRUE(to->dropData(data, to->toWindow({100, 120}), false));
    ASSERT_EQ(to->plan().doc().objects().size(), 1u);
    const geokit::Rect placed = to->plan().doc().objects().front()->position();
    EXPECT_EQ(placed.left, 100);
    EXPECT_EQ(placed.top, 120);
    EXPECT_EQ(placed.width(), original.width());
    delete data;
}

TEST_F(ViewTest, DroppedPlanFilesAreHandedToTheFrame)
{
    CDomoraView *view = openView(0);
    QSignalSpy spy(view, &CDomoraView::filesDropped);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/a.fpd")),
                  QUrl::fromLocalFile(QStringLiteral("/tmp/note.txt"))});
    EXPECT_TRUE(view->dropData(&data, QPointF(10, 10), false));
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.front().front().toStringList(), QStringList{"/tmp/a.fpd"});
}

TEST_F(ViewTest, ClickSelectsAndBringsARoomToTheFrontWhenAsked)
{
    CDomoraView *view = openView(2);
    settle();
    CDomoraDoc &doc = view->plan().doc();
    CDrawObj *first = doc.objects().front().get();
    const geokit::Rect r = first->position();
    const QPoint inside =
        view->toWindow({r.left + r.width() / 2.0, r.top + r.height() / 2.0}).toPoint();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, inside);
    ASSERT_EQ(view->selection().size(), 1u);
    EXPECT_EQ(view->selection().front(), first);
    EXPECT_EQ(doc.indexOf(first), 0);

    view->clearSelection();
    editorOptions().BringToFrontOnClick = 1;
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, inside);
    editorOptions().BringToFrontOnClick = 0;
    EXPECT_EQ(doc.indexOf(first), 1);

    // A click on the empty sheet empties the selection.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->toWindow({205, 290}).toPoint());
    EXPECT_TRUE(view->selection().empty());
}

TEST_F(ViewTest, ExportIsForPrintnetPagesOrWhenAlwaysAllowed)
{
    toolkit::CommandUpdate normal;
    openView(1)->updateCommand(cmd::Export, normal);
    EXPECT_FALSE(normal.enabled);
    toolkit::CommandUpdate printnet;
    CDomoraView *page = openView(1, CDomoraDoc::printnet);
    page->updateCommand(cmd::Export, printnet);
    EXPECT_TRUE(printnet.enabled);
    // Printnet pages keep their styles.
    toolkit::CommandUpdate fill;
    EXPECT_TRUE(page->updateCommand(cmd::FillColour, fill));
    EXPECT_FALSE(fill.enabled);

    m_reg->writeInt(QStringLiteral("Settings"), QStringLiteral("ExportAlways"), 1);
    toolkit::CommandUpdate always;
    openView(1)->updateCommand(cmd::Export, always);
    EXPECT_TRUE(always.enabled);
}

} // namespace
