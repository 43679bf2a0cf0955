#include "editinghelpers.h"

#include "editor/tools/documenttype.h"
#include "editor/tools/roomedits.h"
#include "editor/tools/roompresets.h"
#include "editor/tools/selectionedits.h"
#include "model/cdrawrect.h"
#include "model/cdrawtext.h"
#include "model/modelhooks.h"
#include "model/tests/sampleplan.h"
#include "platform/registry.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace editing;
using namespace editingtest;
using model::samples::firstRoom;

namespace {

std::unique_ptr<CDrawRect> box(int l, int t, int r, int b)
{
    return std::make_unique<CDrawRect>(geokit::Rect{l, t, r, b}, CDrawRect::Shape::Rectangle);
}

} // namespace

// Each room edit is one step: undo brings the room back as it was, redo
// does the edit again.
TEST(RoomEdits, EachEditIsOneUndoStepAndCanBeRedone)
{
    PlanWithRoom plan({{20, 20}, {120, 20}, {120, 70}, {20, 70}});
    const std::vector<geokit::PointF> before = plan.room->points();

    ASSERT_TRUE(splitSegment(plan.doc, *plan.room, 0, 1));
    EXPECT_EQ(firstRoom(plan.doc)->pointCount(), 5);
    ASSERT_TRUE(deleteSegment(plan.doc, *firstRoom(plan.doc), 3));
    EXPECT_EQ(firstRoom(plan.doc)->pointCount(), 4);
    EXPECT_TRUE(plan.doc.IsModified());

    ASSERT_TRUE(plan.doc.Undo());
    EXPECT_EQ(firstRoom(plan.doc)->pointCount(), 5);
    ASSERT_TRUE(plan.doc.Undo());
    EXPECT_EQ(firstRoom(plan.doc)->points(), before);
    EXPECT_EQ(firstRoom(plan.doc)->segmentStyles().size(), 4u);
    ASSERT_TRUE(plan.doc.Redo());
    EXPECT_EQ(firstRoom(plan.doc)->pointCount(), 5);
    ASSERT_TRUE(plan.doc.Redo());
    EXPECT_EQ(firstRoom(plan.doc)->pointCount(), 4);
    EXPECT_EQ(firstRoom(plan.doc)->segmentStyles().size(), 4u);
}

TEST(RoomEdits, AnEditThatDoesNotApplyRecordsNothing)
{
    PlanWithRoom plan({{20, 20}, {120, 20}, {70, 70}});
    const size_t steps = plan.doc.undoCount();
    EXPECT_FALSE(deleteSegment(plan.doc, *plan.room, 0));
    EXPECT_FALSE(splitSegmentAtPoint(plan.doc, *plan.room, 0, {70, 50}));
    EXPECT_FALSE(alignRoom(plan.doc, *plan.room, true, 1));
    EXPECT_FALSE(rotateRoom(plan.doc, *plan.room, 0));
    EXPECT_FALSE(scaleRoom(plan.doc, *plan.room, 1.0));
    EXPECT_EQ(plan.doc.undoCount(), steps);
    EXPECT_FALSE(plan.doc.CanUndo());
}

TEST(RoomEdits, TheSheetKeepsItsRoomsWhenThePlacementRulesAreOn)
{
    PlanWithRoom plan({{5, 5}, {105, 5}, {105, 55}, {5, 55}});
    ASSERT_TRUE(model::modelOptions().placementEnforced());
    EXPECT_FALSE(rotateRoom(plan.doc, *plan.room, 45)); // a corner would leave the sheet
    EXPECT_FALSE(scaleRoom(plan.doc, *plan.room, 3.0));
    EXPECT_TRUE(scaleRoom(plan.doc, *plan.room, 0.5));
    EXPECT_EQ(plan.room->position(), (geokit::Rect{30, 17, 80, 42}));
}

TEST(RoomEdits, ResizingAnOpening)
{
    PlanWithRoom plan({{20, 20}, {120, 20}, {120, 70}, {20, 70}});
    auto segments = plan.room->segmentStyles();
    segments[0].openings = {door(10, 20)};
    plan.room->setSegmentStyles(segments);
    ASSERT_TRUE(resizeOpening(plan.doc, *plan.room, 0, 0, OpeningEnd::End, 45));
    EXPECT_EQ(plan.room->segmentStyles()[0].openings[0].size, 35);
    EXPECT_FALSE(resizeOpening(plan.doc, *plan.room, 0, 3, OpeningEnd::End, 45));
    EXPECT_FALSE(resizeOpening(plan.doc, *plan.room, 0, 0, OpeningEnd::End, 140));
}

TEST(Presets, ChoosingAPresetWithTwoRoomsSelectedStylesBoth)
{
    PlanWithRoom plan({{20, 20}, {120, 20}, {120, 70}, {20, 70}});
    auto *second = static_cast<CDrawPoly *>(
        plan.doc.AddObject(makeRoom(pts({{20, 100}, {60, 100}, {40, 150}}))));
    CDrawObj *rect = plan.doc.AddObject(box(150, 10, 180, 40));
    auto segments = plan.room->segmentStyles();
    segments[1].width = 6.0f;
    segments[1].description = QStringLiteral("confine");
    segments[1].openings = {door(5, 10)};
    segments[1].brush.fillKind = BrushStyle::fillSolid;
    plan.room->setSegmentStyles(segments);
    plan.doc.CheckPoint();

    EXPECT_EQ(applyPresetToRooms(plan.doc, {plan.room, second, rect}, RoomPreset::Camera), 2);
    for (CDrawPoly *room : {plan.room, second}) {
        EXPECT_EQ(room->name(), "Camera");
        EXPECT_EQ(room->fill().fillKind, BrushStyle::fillSolid);
        EXPECT_EQ(room->fill().solidColor, 0xFFF4AECBu);
        for (const SegmentStyle &s : room->segmentStyles()) {
            EXPECT_EQ(s.brush.fillKind, BrushStyle::fillHatch);
            EXPECT_FLOAT_EQ(s.width, 2.0f);
        }
    }
    // A wall's description and its doors stay.
    EXPECT_EQ(plan.room->segmentStyles()[1].description, "confine");
    EXPECT_EQ(plan.room->segmentStyles()[1].openings.size(), 1u);
    EXPECT_EQ(applyPresetToRooms(plan.doc, {rect}, RoomPreset::Bagno), 0);
    // One step for both rooms.
    ASSERT_TRUE(plan.doc.Undo());
    EXPECT_EQ(firstRoom(plan.doc)->name(), "");
    EXPECT_EQ(static_cast<CDrawPoly *>(plan.doc.objects()[1].get())->name(), "");
    EXPECT_FLOAT_EQ(firstRoom(plan.doc)->segmentStyles()[1].width, 6.0f);

    EXPECT_EQ(presetForCommand(171), RoomPreset::Corridoio);
    EXPECT_EQ(presetForCommand(32991), RoomPreset::Bagno);
    EXPECT_FALSE(presetForCommand(1));
    EXPECT_EQ(roomPreset(RoomPreset::Cucina).fillArgb, 0xFF329632u);
    EXPECT_EQ(presetNamed(" sala "), RoomPreset::Sala);
}

TEST(SelectionEdits, MoveStepsOfFiveAndOneMillimetre)
{
    PlanWithRoom plan({{20, 20}, {120, 20}, {120, 70}, {20, 70}});
    CDrawObj *rect = plan.doc.AddObject(box(150, 10, 180, 40));
    ASSERT_TRUE(moveObjects(plan.doc, {plan.room, rect}, moveStepMm, 0, nullptr));
    EXPECT_EQ(plan.room->points()[0], (geokit::PointF{25, 20}));
    EXPECT_EQ(rect->position(), (geokit::Rect{155, 10, 185, 40}));
    ASSERT_TRUE(moveObjects(plan.doc, {rect}, 0, -nudgeStepMm, nullptr));
    EXPECT_EQ(rect->position(), (geokit::Rect{155, 9, 185, 39}));
    ASSERT_TRUE(plan.doc.Undo());
    EXPECT_EQ(plan.doc.objects()[1]->position(), (geokit::Rect{155, 10, 185, 40}));
    EXPECT_FALSE(moveObjects(plan.doc, {}, 5, 0, nullptr));
}

TEST(SelectionEdits, CloneInPlaceAndDuplicateDownRight)
{
    PlanWithRoom plan({{20, 20}, {120, 20}, {120, 70}, {20, 70}});
    CDrawObj *rect = plan.doc.AddObject(box(150, 10, 180, 40));
    const auto clones = cloneObjects(plan.doc, {rect, plan.room}, false);
    ASSERT_EQ(clones.size(), 2u);
    EXPECT_EQ(plan.doc.objects().size(), 4u);
    // The copies lie on top in the originals' order.
    EXPECT_STREQ(plan.doc.objects()[2]->className(), "CDrawPoly");
    EXPECT_EQ(clones[0]->position(), plan.room->position());
    const auto duplicates = cloneObjects(plan.doc, {rect}, true);
    EXPECT_EQ(duplicates[0]->position(), (geokit::Rect{155, 15, 185, 45}));
    EXPECT_EQ(duplicates[0]->document(), &plan.doc);
    ASSERT_TRUE(plan.doc.Undo());
    EXPECT_EQ(plan.doc.objects().size(), 4u);
}

TEST(SelectionEdits, DrawingOrderKeepsSelectedObjectsInTheirOrder)
{
    CDomoraDoc doc;
    doc.OnNewDocument({});
    std::vector<CDrawObj *> o;
    for (int i = 0; i < 5; ++i)
        o.push_back(doc.AddObject(box(i, i, i + 10, i + 10)));
    const auto order = [&doc] {
        std::vector<CDrawObj *> list;
        for (const auto &p : doc.objects())
            list.push_back(p.get());
        return list;
    };
    ASSERT_TRUE(changeOrder(doc, {o[3], o[1]}, Order::ToFront));
    EXPECT_EQ(order(), (std::vector<CDrawObj *>{o[0], o[2], o[4], o[1], o[3]}));
    ASSERT_TRUE(changeOrder(doc, {o[3], o[1]}, Order::ToBack));
    EXPECT_EQ(order(), (std::vector<CDrawObj *>{o[1], o[3], o[0], o[2], o[4]}));
    EXPECT_FALSE(changeOrder(doc, {o[1]}, Order::BackOne)); // already at the bottom
    ASSERT_TRUE(changeOrder(doc, {o[1], o[3]}, Order::ForwardOne));
    EXPECT_EQ(order(), (std::vector<CDrawObj *>{o[0], o[1], o[3], o[2], o[4]}));
    ASSERT_TRUE(changeOrder(doc, {o[2]}, Order::BackOne));
    EXPECT_EQ(order(), (std::vector<CDrawObj *>{o[0], o[1], o[2], o[3], o[4]}));
}

TEST(DocumentType, PlacardFitsSheetAndMarginsFromTheLayoutSettings)
{
    QTemporaryDir settings;
    platform::Registry::setStoreFolder(settings.path());
    platform::Registry(QStringLiteral("Domora"))
        .writeInt(QStringLiteral("Layout"), QStringLiteral("PlacardLeftBorder"), 140);
    CDomoraDoc doc;
    doc.OnNewDocument({});
    applyDocumentType(doc, {true, true, true});
    EXPECT_EQ(doc.GetDocType(), CDomoraDoc::placard);
    EXPECT_EQ(doc.paperSize(), (geokit::Size{297, 210}));
    EXPECT_EQ(doc.borderLeft(), 140);
    EXPECT_EQ(doc.borderTop(), 10);
    EXPECT_EQ(doc.borderRight(), 20);
    EXPECT_EQ(doc.borderBottom(), 110);
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(doc.GetDocType(), CDomoraDoc::normal);
    EXPECT_EQ(doc.paperSize(), (geokit::Size{210, 297}));

    applyDocumentType(doc, {true, false, false});
    EXPECT_EQ(doc.GetDocType(), CDomoraDoc::placard);
    EXPECT_EQ(doc.paperSize(), (geokit::Size{210, 297}));
    EXPECT_EQ(doc.borderLeft(), 12);
    platform::Registry::setStoreFolder({});
}

TEST(SelectionEdits, FillAndBorderColoursGoWhereEachObjectHasThem)
{
    PlanWithRoom plan({{20, 20}, {120, 20}, {120, 70}, {20, 70}});
    CDrawObj *line = plan.doc.AddObject(
        std::make_unique<CDrawRect>(geokit::Rect{150, 10, 180, 40}, CDrawRect::Shape::Line));
    auto *text = static_cast<CDrawText *>(
        plan.doc.AddObject(std::make_unique<CDrawText>(geokit::Rect{10, 100, 60, 120})));
    plan.doc.CheckPoint();

    EXPECT_EQ(applyFillColour(plan.doc, {plan.room, line, text}, 0xFF112233), 2);
    EXPECT_EQ(plan.room->fill().solidColor, 0xFF112233u);
    EXPECT_EQ(text->fill().fillKind, BrushStyle::fillSolid);
    EXPECT_EQ(fillColourOf(*text), 0xFF112233u);

    EXPECT_EQ(applyBorderColour(plan.doc, {plan.room, line, text}, 0xFF445566), 3);
    EXPECT_EQ(plan.room->segmentStyles()[2].brush.color1, 0xFF445566u);
    EXPECT_EQ(static_cast<CDrawRect *>(line)->stroke().solidColor, 0xFF445566u);
    EXPECT_EQ(text->borderColor(), 0xFF445566u);
    EXPECT_EQ(borderColourOf(*plan.room), 0xFF445566u);

    ASSERT_TRUE(plan.doc.Undo());
    EXPECT_EQ(static_cast<CDrawText &>(*plan.doc.objects()[2]).borderColor(), 0xFF000000u);
    ASSERT_TRUE(plan.doc.Undo());
    EXPECT_EQ(plan.doc.objects()[0]->fill().solidColor, 0xFFD2B48Cu);
}
