#include "uitesthelpers.h"

#include "../viewtestutil.h"

#include "editor/cdomoraview.h"
#include "editor/clibraryimagedlg.h"
#include "editor/cnumberdlg.h"
#include "editor/commandids.h"
#include "editor/copeningsheet.h"
#include "editor/croomtypedlg.h"
#include "editor/cviewediting.h"
#include "editor/editingsetup.h"
#include "editor/editoroptions.h"
#include "editor/plandocument.h"
#include "editor/tools/editingtools.h"
#include "editor/tools/roomcreation.h"
#include "model/cdomoradoc.h"
#include "model/cdrawimage.h"
#include "model/cdrawopenpath.h"
#include "model/cdrawpoly.h"
#include "model/cdrawrect.h"

#include <QComboBox>
#include <QFileDialog>
#include <QImage>
#include <QApplication>
#include <QTest>

using namespace editingtest;
using geokit::PointF;

namespace {

class ViewTools : public DocumentFixture
{
protected:
    void SetUp() override
    {
        DocumentFixture::SetUp();
        editingsetup::install();
        editing::toolState() = {};
        newDocumentRequest() = NewDocumentRequest{};
        m_plan = m_docs->newDocument();
        m_view = std::make_unique<CDomoraView>(*m_plan, *m_docs, &m_readouts);
        m_view->resize(800, 600);
        m_view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_view.get()));
        m_view->setActive(true);
        // The whole sheet in the window, two pixels to the millimetre.
        m_view->SetZoomScale(2.0f);
        QApplication::processEvents();
        failOnUnscriptedWindows();
    }
    void TearDown() override
    {
        m_view.reset();
        CDomoraView::setEditingHookFactory({});
        DocumentFixture::TearDown();
    }

    CDomoraDoc &doc() { return m_plan->doc(); }
    CViewEditing &editing() { return *static_cast<CViewEditing *>(m_view->editingHook()); }
    QWidget *port() { return m_view->viewport(); }
    // The window pixel inside sheet millimetre (x, y).
    QPoint at(double x, double y) { return m_view->toWindow(QPointF(x + 0.5, y + 0.5)).toPoint(); }

    void command(int id) { ASSERT_TRUE(m_view->handleCommand(id)) << id; }
    bool enabled(int id)
    {
        toolkit::CommandUpdate update;
        EXPECT_TRUE(m_view->updateCommand(id, update)) << id;
        return update.enabled;
    }
    bool checked(int id)
    {
        toolkit::CommandUpdate update;
        m_view->updateCommand(id, update);
        return update.checked.value_or(false);
    }
    void click(double x, double y, Qt::KeyboardModifiers mods = {})
    {
        QTest::mouseClick(port(), Qt::LeftButton, mods, at(x, y));
    }
    void move(double x, double y) { QTest::mouseMove(port(), at(x, y)); }
    // As a person double-clicks: a click, then the second press arriving as
    // a double-click.
    void doubleClick(double x, double y)
    {
        click(x, y);
        QTest::mouseDClick(port(), Qt::LeftButton, {}, at(x, y));
    }
    void drag(double x0, double y0, double x1, double y1)
    {
        QTest::mousePress(port(), Qt::LeftButton, {}, at(x0, y0));
        QTest::mouseMove(port(), at((x0 + x1) / 2, (y0 + y1) / 2));
        QTest::mouseMove(port(), at(x1, y1));
        QTest::mouseRelease(port(), Qt::LeftButton, {}, at(x1, y1));
    }
    template <typename T> std::vector<T *> objectsOf()
    {
        std::vector<T *> found;
        for (const auto &o : doc().objects())
            if (auto *t = dynamic_cast<T *>(o.get()))
                found.push_back(t);
        return found;
    }
    // A room drawn with the rectangular-room tool, its type dialog cancelled.
    CDrawPoly *drawRoom(double x0, double y0, double x1, double y1)
    {
        ScriptedDialogs dialogs([](QDialog &) { return int(QDialog::Rejected); });
        command(cmd::ToolRectRoom);
        drag(x0, y0, x1, y1);
        return objectsOf<CDrawPoly>().back();
    }

    RecordedReadouts m_readouts;
    PlanDocument *m_plan = nullptr;
    std::unique_ptr<CDomoraView> m_view;
};

} // namespace

TEST_F(ViewTools, RectangularRoomByDragThenItsTypeAndUndoRedo)
{
    command(cmd::ToolRectRoom);
    EXPECT_TRUE(checked(cmd::ToolRectRoom));
    EXPECT_FALSE(checked(cmd::ToolSelect));
    {
        ScriptedDialogs dialogs([](QDialog &d) {
            dynamic_cast<CRoomTypeDlg &>(d).setPreset(editing::RoomPreset::Camera);
            return int(QDialog::Accepted);
        });
        drag(30, 40, 120, 100);
    }
    const auto rooms = objectsOf<CDrawPoly>();
    ASSERT_EQ(rooms.size(), 1u);
    EXPECT_EQ(rooms[0]->points(),
              (std::vector<PointF>{{30, 40}, {120, 40}, {120, 100}, {30, 100}}));
    EXPECT_EQ(rooms[0]->segmentStyles().size(), 4u);
    EXPECT_EQ(rooms[0]->name(), "Camera");
    EXPECT_EQ(m_view->selection(), std::vector<CDrawObj *>{rooms[0]});
    EXPECT_TRUE(checked(cmd::ToolSelect)); // back to the selection tool

    command(cmd::EditUndo);
    EXPECT_TRUE(objectsOf<CDrawPoly>().empty());
    command(cmd::EditRedo);
    ASSERT_EQ(objectsOf<CDrawPoly>().size(), 1u);
    EXPECT_EQ(objectsOf<CDrawPoly>()[0]->name(), "Camera");
}

TEST_F(ViewTools, ARoomOfNoWidthIsRefused)
{
    command(cmd::ToolRectRoom);
    ScriptedMessages messages;
    drag(30, 40, 30, 100);
    EXPECT_TRUE(objectsOf<CDrawPoly>().empty());
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(
        messages.texts[0].startsWith("Non puoi costruire una stanza con dimensioni nulle."));
    EXPECT_FALSE(doc().CanUndo());
}

TEST_F(ViewTools, RegularPolygonFromTheNumberDialog)
{
    {
        ScriptedDialogs dialogs([](QDialog &d) {
            auto &number = dynamic_cast<CNumberDlg &>(d);
            EXPECT_EQ(number.windowTitle(), "Inserisci poligono regolare");
            EXPECT_EQ(number.value(), 3);
            EXPECT_EQ(number.upper(), 30);
            return int(QDialog::Accepted);
        });
        command(cmd::ToolRegularPolygon);
    }
    EXPECT_TRUE(checked(cmd::ToolRegularPolygon));
    {
        ScriptedDialogs dialogs([](QDialog &) { return int(QDialog::Rejected); });
        drag(10, 10, 50, 70);
    }
    const auto rooms = objectsOf<CDrawPoly>();
    ASSERT_EQ(rooms.size(), 1u);
    ASSERT_EQ(rooms[0]->pointCount(), 3);
    EXPECT_EQ(rooms[0]->points()[0], (PointF{30, 10}));
}

TEST_F(ViewTools, PolygonalRoomWithItsSpacingRuleAndReadouts)
{
    command(cmd::ToolPolyRoom);
    click(20, 20);
    ASSERT_NE(editing().drawing(), nullptr);
    click(22, 21); // closer than 5 mm to the vertex before: ignored
    click(100, 20);
    move(100, 50);
    EXPECT_EQ(m_readouts.info[ViewReadouts::drawPointControl], "100, 50 [mm]");
    EXPECT_EQ(m_readouts.info[ViewReadouts::drawPointRealControl], "50.00, 25.00 [m]");
    EXPECT_EQ(m_readouts.info[ViewReadouts::drawLengthControl], "30.00 [mm]");
    EXPECT_EQ(m_readouts.prompt, "Lunghezza segmento: 30.00 [mm], 15.00 [m]");
    click(100, 80);
    doubleClick(20, 80);
    EXPECT_EQ(editing().drawing(), nullptr);
    const auto rooms = objectsOf<CDrawPoly>();
    ASSERT_EQ(rooms.size(), 1u);
    EXPECT_EQ(rooms[0]->points(), (std::vector<PointF>{{20, 20}, {100, 20}, {100, 80}, {20, 80}}));
    EXPECT_EQ(rooms[0]->segmentStyles().size(), 4u);
    EXPECT_EQ(rooms[0]->fresh(), 0);
    EXPECT_EQ(m_readouts.info[ViewReadouts::drawPointControl], "0, 0 [mm]");
    EXPECT_EQ(m_readouts.info[ViewReadouts::positionControl], "(0, 0) [mm]");

    command(cmd::EditUndo);
    EXPECT_TRUE(objectsOf<CDrawPoly>().empty());
    command(cmd::EditRedo);
    ASSERT_EQ(objectsOf<CDrawPoly>().size(), 1u);
    EXPECT_EQ(objectsOf<CDrawPoly>()[0]->pointCount(), 4);
}

TEST_F(ViewTools, FreeStandingWallAndAPointOffTheSheet)
{
    command(cmd::ToolOpenPath);
    click(20, 150);
    click(-10, 150); // off the sheet: ignored
    click(120, 150);
    doubleClick(120, 200);
    const auto walls = objectsOf<CDrawOpenPath>();
    ASSERT_EQ(walls.size(), 1u);
    EXPECT_EQ(walls[0]->points(), (std::vector<PointF>{{20, 150}, {120, 150}, {120, 200}}));
    EXPECT_EQ(walls[0]->segmentStyles().size(), 2u);
    command(cmd::EditUndo);
    EXPECT_TRUE(objectsOf<CDrawOpenPath>().empty());
    command(cmd::EditRedo);
    EXPECT_EQ(objectsOf<CDrawOpenPath>().size(), 1u);

    // A wall of one vertex is no wall.
    command(cmd::ToolOpenPath);
    click(50, 250);
    QTest::keyClick(m_view.get(), Qt::Key_Escape);
    EXPECT_EQ(objectsOf<CDrawOpenPath>().size(), 1u);
}

TEST_F(ViewTools, DoorInsertedByClicksThenMovedEachUndoneAndRedone)
{
    drawRoom(20, 20, 120, 80);
    EXPECT_TRUE(enabled(cmd::InsertOpening));
    {
        ScriptedDialogs dialogs([](QDialog &d) {
            auto &sheet = dynamic_cast<COpeningSheet &>(d);
            EXPECT_EQ(sheet.windowTitle(), "Inserisci porta/finestra");
            sheet.findChild<QComboBox *>("type")->setCurrentIndex(2);
            return int(QDialog::Accepted);
        });
        command(cmd::InsertOpening);
    }
    ASSERT_EQ(editing().clickMode(), editing::clickmode::insertOpening);
    const model::OpeningInsertion *insertion = editing().insertion();
    ASSERT_NE(insertion, nullptr);
    CDrawPoly *room = editing().modeRoom();

    move(40, 21); // over the top wall: highlighted
    EXPECT_EQ(room->segmentStyles()[0].highlighted, 1);
    click(40, 21); // state 1 -> 2
    EXPECT_EQ(insertion->state(), model::OpeningInsertion::State::Placing);
    ASSERT_EQ(room->segmentStyles()[0].openings.size(), 1u);
    move(50, 22);
    EXPECT_EQ(room->segmentStyles()[0].openings[0].offset, 30);
    click(50, 22); // state 2 -> 3
    EXPECT_EQ(insertion->state(), model::OpeningInsertion::State::Sizing);
    move(75, 19);
    click(75, 19); // done
    EXPECT_EQ(editing().clickMode(), 0);
    Opening door = room->segmentStyles()[0].openings[0];
    EXPECT_EQ(door.offset, 30);
    EXPECT_EQ(door.size, 25);
    EXPECT_EQ(door.type, 2);
    EXPECT_EQ(door.insertState, 0);
    EXPECT_EQ(room->segmentStyles()[0].highlighted, 0);

    command(cmd::EditUndo);
    EXPECT_TRUE(objectsOf<CDrawPoly>()[0]->segmentStyles()[0].openings.empty());
    command(cmd::EditRedo);
    room = objectsOf<CDrawPoly>()[0];
    ASSERT_EQ(room->segmentStyles()[0].openings.size(), 1u);
    EXPECT_EQ(room->segmentStyles()[0].openings[0].size, 25);

    // Move it 5 mm along its wall.
    m_view->SelectObj(room);
    command(cmd::MoveOpening);
    ASSERT_EQ(editing().clickMode(), editing::clickmode::moveOpening);
    move(60, 20);
    EXPECT_EQ(room->segmentStyles()[0].openings[0].highlighted, 1);
    QTest::mousePress(port(), Qt::LeftButton, {}, at(60, 20));
    QTest::mouseMove(port(), at(63, 20));
    QTest::mouseMove(port(), at(65, 21));
    QTest::mouseRelease(port(), Qt::LeftButton, {}, at(65, 21));
    EXPECT_EQ(editing().clickMode(), 0);
    EXPECT_EQ(room->segmentStyles()[0].openings[0].offset, 35);
    EXPECT_EQ(room->segmentStyles()[0].openings[0].highlighted, 0);

    command(cmd::EditUndo);
    EXPECT_EQ(objectsOf<CDrawPoly>()[0]->segmentStyles()[0].openings[0].offset, 30);
    command(cmd::EditRedo);
    EXPECT_EQ(objectsOf<CDrawPoly>()[0]->segmentStyles()[0].openings[0].offset, 35);
    command(cmd::EditUndo);
    command(cmd::EditUndo);
    EXPECT_TRUE(objectsOf<CDrawPoly>()[0]->segmentStyles()[0].openings.empty());
}

TEST_F(ViewTools, RoomCommandsNeedExactlyOneRoomSelected)
{
    CDrawPoly *room = drawRoom(20, 20, 120, 80);
    for (int id : {cmd::SplitSegment, cmd::DeleteSegment, cmd::AlignHorizontally, cmd::AlignToGrid,
                   cmd::RotateRoom, cmd::ScaleRoom, cmd::InsertOpening, cmd::MoveOpening,
                   cmd::OpeningProperties, cmd::PredefinedStyles})
        EXPECT_TRUE(enabled(id)) << id;
    m_view->clearSelection();
    EXPECT_FALSE(enabled(cmd::SplitSegment));
    EXPECT_FALSE(enabled(cmd::MoveDown));
    EXPECT_FALSE(enabled(cmd::PresetBagno));
    CDrawObj *rect = doc().AddObject(
        std::make_unique<CDrawRect>(geokit::Rect{150, 20, 180, 40}, CDrawRect::Shape::Rectangle));
    m_view->SelectObj(rect);
    EXPECT_FALSE(enabled(cmd::InsertOpening));
    EXPECT_TRUE(enabled(cmd::MoveDown));
    m_view->SelectObj(room, true);
    EXPECT_FALSE(enabled(cmd::RotateRoom)); // two objects
    EXPECT_TRUE(enabled(cmd::PresetBagno));
    EXPECT_TRUE(enabled(cmd::DocumentType));
}

TEST_F(ViewTools, SplitDeleteAndSplitAtAPointByClicks)
{
    CDrawPoly *room = drawRoom(20, 20, 120, 80);
    {
        ScriptedDialogs dialogs([](QDialog &d) {
            auto &number = dynamic_cast<CNumberDlg &>(d);
            EXPECT_EQ(number.windowTitle(), "Suddividi segmento");
            number.setValue(3);
            return int(QDialog::Accepted);
        });
        command(cmd::SplitSegment);
    }
    EXPECT_EQ(editing().clickMode(), editing::clickmode::splitSegment);
    click(70, 21);
    EXPECT_EQ(editing().clickMode(), 0);
    EXPECT_EQ(room->pointCount(), 7);
    EXPECT_EQ(room->points()[1], (PointF{45, 20}));
    command(cmd::EditUndo);
    room = objectsOf<CDrawPoly>()[0];
    EXPECT_EQ(room->pointCount(), 4);

    m_view->SelectObj(room);
    command(cmd::SplitSegmentAtPoint);
    click(119, 35);
    EXPECT_EQ(room->pointCount(), 5);
    EXPECT_EQ(room->points()[2], (PointF{120, 35}));

    command(cmd::DeleteSegment);
    click(20, 50); // the closing wall
    EXPECT_EQ(room->pointCount(), 4);
    EXPECT_EQ(room->segmentStyles().size(), 4u);
}

TEST_F(ViewTools, RotateAndScaleByDragging)
{
    CDrawPoly *room = drawRoom(40, 40, 140, 100); // centre (90, 70)
    command(cmd::RotateRoom);
    EXPECT_EQ(m_view->editMode(), 30);
    drag(140, 70, 90, 120); // a quarter turn
    EXPECT_EQ(m_view->editMode(), 0);
    EXPECT_EQ(room->position(), (geokit::Rect{60, 20, 120, 120}));
    command(cmd::EditUndo);
    room = objectsOf<CDrawPoly>()[0];
    EXPECT_EQ(room->position(), (geokit::Rect{40, 40, 140, 100}));

    m_view->SelectObj(room);
    command(cmd::ScaleRoom);
    EXPECT_EQ(m_view->editMode(), 40);
    drag(140, 70, 115, 70); // half the distance from the centre
    EXPECT_EQ(room->position(), (geokit::Rect{65, 55, 115, 85}));
}

TEST_F(ViewTools, MoveStepsCloneAndDuplicate)
{
    CDrawPoly *room = drawRoom(40, 40, 140, 100);
    command(cmd::MoveRight);
    EXPECT_EQ(room->position(), (geokit::Rect{45, 40, 145, 100}));
    command(cmd::NudgeUp);
    EXPECT_EQ(room->position(), (geokit::Rect{45, 39, 145, 99}));
    command(cmd::Duplicate);
    ASSERT_EQ(objectsOf<CDrawPoly>().size(), 2u);
    EXPECT_EQ(objectsOf<CDrawPoly>()[1]->position(), (geokit::Rect{50, 44, 150, 104}));
    EXPECT_EQ(m_view->selection().front(), objectsOf<CDrawPoly>()[1]);
    command(cmd::Clone);
    EXPECT_EQ(objectsOf<CDrawPoly>()[2]->position(), (geokit::Rect{50, 44, 150, 104}));
    command(cmd::OrderToBack);
    EXPECT_EQ(doc().objects().front().get(), m_view->selection().front());
    command(cmd::EditUndo);
    command(cmd::EditUndo);
    EXPECT_EQ(objectsOf<CDrawPoly>().size(), 2u);
}

TEST_F(ViewTools, PicturesPlacedAtTheirOwnSize)
{
    QTemporaryDir dir;
    QImage image(200, 100, QImage::Format_RGB32);
    image.fill(Qt::blue);
    image.setDotsPerMeterX(3937); // 100 dpi: 200 px are 50.8 mm
    image.setDotsPerMeterY(3937);
    const QString path = dir.filePath("cartello.png");
    ASSERT_TRUE(image.save(path));
    {
        ScriptedDialogs dialogs([&](QDialog &d) {
            if (auto *files = dynamic_cast<QFileDialog *>(&d)) {
                files->selectFile(path);
                return int(QDialog::Accepted);
            }
            auto &picker = dynamic_cast<CLibraryImageDlg &>(d);
            EXPECT_EQ(picker.windowTitle(), "Seleziona immagine");
            picker.importPicture();
            picker.accept();
            return picker.result();
        });
        command(cmd::ToolImage);
    }
    EXPECT_TRUE(checked(cmd::ToolImage));
    EXPECT_FALSE(checked(cmd::ToolSymbol));
    click(30, 30);
    const auto pictures = objectsOf<CDrawImage>();
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0]->position(), (geokit::Rect{30, 30, 81, 55}));
    EXPECT_TRUE(checked(cmd::ToolSelect));
}

TEST_F(ViewTools, PresetsAndDocumentTypeCommands)
{
    CDrawPoly *first = drawRoom(20, 20, 60, 60);
    CDrawPoly *second = drawRoom(80, 20, 120, 60);
    m_view->SelectObj(first);
    m_view->SelectObj(second, true);
    command(cmd::PresetBagno);
    EXPECT_EQ(first->name(), "Bagno");
    EXPECT_EQ(second->name(), "Bagno");
    command(cmd::EditUndo);
    EXPECT_EQ(objectsOf<CDrawPoly>()[0]->name(), "");
    EXPECT_EQ(objectsOf<CDrawPoly>()[1]->name(), "");
}
