#include "fakeview.h"

#include "model/cdrawimage.h"
#include "model/cdrawopenpath.h"
#include "model/cdrawpoly.h"
#include "model/cdrawrect.h"
#include "model/cdrawtext.h"
#include "model/modelhooks.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QStringList>

using geokit::Point;
using geokit::PointF;
using geokit::Rect;
using Shape = CDrawRect::Shape;

namespace {

// Collects the messages the model shows, for the lifetime of the fixture.
class MessageCatcher
{
public:
    MessageCatcher()
    {
        model::setMessageSink([this](const QString &text) { messages << text; });
    }
    ~MessageCatcher() { model::setMessageSink({}); }
    QStringList messages;
};

// A document with an A4 sheet (210 x 297) and a view on it.
struct SheetFixture : ::testing::Test
{
    SheetFixture() { doc.SetPaperSize({210, 297}); }
    CDomoraDoc doc;
    FakeView view{&doc};
    MessageCatcher catcher;
};

std::unique_ptr<CDrawPoly> makeRoom(std::vector<PointF> points)
{
    auto room = std::make_unique<CDrawPoly>(Rect());
    room->setPoints(std::move(points));
    room->setSegmentStyles(std::vector<SegmentStyle>(room->points().size()));
    return room;
}

Opening door(qint32 offset, qint32 size)
{
    Opening o;
    o.offset = offset;
    o.size = size;
    o.type = 1;
    return o;
}

bool picks(CDrawObj &o, int x, int y)
{
    return o.Intersects(Rect(x, y, x + 2, y + 2));
}

} // namespace

TEST(StyleRecords, DefaultsOfTheRecords)
{
    const BrushStyle brush;
    EXPECT_EQ(brush.fillKind, 1121);
    EXPECT_EQ(brush.hatchStyle, 18);
    EXPECT_FLOAT_EQ(brush.textureScale, 0.2f);
    EXPECT_EQ(brush.solidColor, 0xFF000000u);

    const SegmentStyle segment;
    EXPECT_EQ(segment.enabled, 1);
    EXPECT_FLOAT_EQ(segment.width, 2.0f);
    EXPECT_EQ(segment.brush.fillKind, 1185);
    EXPECT_EQ(segment.brush.color1, 0xFF000000u);
    EXPECT_EQ(segment.brush.color2, 0xFFFFFFFFu);

    const LabelStyle label;
    EXPECT_EQ(label.visible, 1);
    EXPECT_EQ(label.align, 1);
    EXPECT_EQ(label.lineAlign, 1);
    EXPECT_EQ(label.font.face(), QStringLiteral("Arial"));
    EXPECT_EQ(label.font.height, 6); // 5 points at 96 pixels per inch
    EXPECT_EQ(label.font.weight, 400);
    EXPECT_EQ(label.font.pitchAndFamily, 0x30);

    const Opening opening;
    EXPECT_EQ(opening.arcColor, 0xFF6E6E6Eu);
    EXPECT_EQ(opening.backColor, 0xFFFFFFFFu);
}

TEST(StyleRecords, FaceNameIsCutToThirtyOneBytes)
{
    LogFont font;
    font.setFace(QString(40, QLatin1Char('x')));
    EXPECT_EQ(font.face().size(), 31);
    EXPECT_EQ(font.faceName[31], '\0');
}

TEST(Constructors, EachClassGetsItsOwnDefaults)
{
    const CDrawPoly room(Rect(10, 10, 0, 0));
    EXPECT_EQ(room.position(), Rect(0, 0, 10, 10)); // normalised
    EXPECT_EQ(room.fill().solidColor, 0xFFD2B48Cu);
    EXPECT_EQ(room.fill().color1, 0xFFD2B48Cu);
    EXPECT_EQ(room.fill().color2, 0xFFFFFFFFu);
    EXPECT_EQ(room.label().text, QStringLiteral("Stanza"));
    EXPECT_EQ(room.label().visible, 0);
    EXPECT_EQ(room.label().font.height, 12);
    EXPECT_EQ(room.label().textCase, 2);
    EXPECT_EQ(room.typeName(), QStringLiteral("Stanza poligonale"));
    EXPECT_EQ(room.fresh(), 1);

    const CDrawRect rect(Rect(0, 0, 10, 10), Shape::Rectangle);
    EXPECT_EQ(rect.fill().solidColor, 0xFFC0C0C0u);
    EXPECT_EQ(rect.fill().color2, 0xFFFFFFFFu);
    EXPECT_EQ(rect.typeName(), QStringLiteral("Primitiva grafica"));
    EXPECT_FLOAT_EQ(rect.penWidth(), 0.5f);
    EXPECT_EQ(rect.roundness(), Point(16, 16));

    const CDrawText text(Rect(0, 0, 10, 10));
    EXPECT_EQ(text.fill().solidColor, 0xFFC0C0C0u);
    EXPECT_EQ(text.text().text, QStringLiteral("Nuova casella di testo"));
    EXPECT_EQ(text.text().font.height, 12);
    EXPECT_EQ(text.text().align, 0);
    EXPECT_EQ(text.outlined(), 1);
    EXPECT_FLOAT_EQ(text.borderWidth(), 1.0f);
    EXPECT_EQ(text.typeName(), QStringLiteral("Oggetto di testo"));

    const CDrawOpenPath wall(Rect(0, 0, 10, 10));
    EXPECT_EQ(wall.fill(), BrushStyle()); // the base defaults
    EXPECT_EQ(wall.pathValue(), 1);
    EXPECT_EQ(wall.typeName(), QStringLiteral("Muro (percorso aperto)"));

    const CDrawObj base(Rect(0, 0, 1, 1));
    EXPECT_EQ(base.objectFlag(), 1);
    EXPECT_EQ(base.objectWord(), 1);
    EXPECT_EQ(base.extra(4), 1);
    EXPECT_EQ(base.extra(1), 0);
}

TEST(Handles, BaseHandlesGoRoundTheBox)
{
    const CDrawObj o(Rect(0, 0, 11, 21));
    const Point expected[] = {{0, 0},   {5, 0},  {11, 0}, {11, 10},
                              {11, 21}, {5, 21}, {0, 21}, {0, 10}};
    ASSERT_EQ(o.GetHandleCount(), 8);
    for (int n = 1; n <= 8; ++n)
        EXPECT_EQ(o.GetHandle(n), expected[n - 1]) << n;
    EXPECT_EQ(o.GetHandle(42), Point(0, 0));
    EXPECT_EQ(o.GetHandleCursor(1), Qt::SizeFDiagCursor);
    EXPECT_EQ(o.GetHandleCursor(6), Qt::SizeVerCursor);
    EXPECT_EQ(o.GetHandleCursor(7), Qt::SizeBDiagCursor);
    EXPECT_EQ(o.GetHandleCursor(8), Qt::SizeHorCursor);
}

TEST(Handles, LineHasTwoAndRoundRectangleNine)
{
    const CDrawRect line(Rect(10, 10, 50, 30), Shape::Line);
    EXPECT_EQ(line.GetHandleCount(), 2);
    EXPECT_EQ(line.GetHandle(2), Point(50, 30));
    EXPECT_EQ(line.GetHandleCursor(2), Qt::SizeFDiagCursor);

    const CDrawRect round(Rect(10, 10, 50, 30), Shape::RoundRectangle);
    EXPECT_EQ(round.GetHandleCount(), 9);
    EXPECT_EQ(round.GetHandle(9), Point(42, 22));
    EXPECT_EQ(round.GetHandleCursor(9), Qt::SizeAllCursor);
}

TEST_F(SheetFixture, MoveHandleToIgnoresPointsOffTheSheet)
{
    CDrawRect *rect = static_cast<CDrawRect *>(
        doc.AddObject(std::make_unique<CDrawRect>(Rect(20, 20, 40, 40), Shape::Rectangle)));
    for (const Point p : {Point{0, 30}, Point{30, 0}, Point{210, 30}, Point{30, 297}}) {
        rect->MoveHandleTo(5, p, &view);
        EXPECT_EQ(rect->position(), Rect(20, 20, 40, 40));
    }
    rect->MoveHandleTo(5, {209, 296}, &view);
    EXPECT_EQ(rect->position(), Rect(20, 20, 209, 296));
    rect->MoveHandleTo(1, {1, 1}, &view);
    EXPECT_EQ(rect->position(), Rect(1, 1, 209, 296));
    EXPECT_FALSE(view.invalidated.empty());
}

TEST_F(SheetFixture, MoveHandleToNamesTheEdges)
{
    CDrawObj o(Rect(20, 20, 40, 40));
    o.MoveHandleTo(2, {30, 10}, &view);
    EXPECT_EQ(o.position(), Rect(20, 10, 40, 40));
    o.MoveHandleTo(4, {50, 30}, &view);
    EXPECT_EQ(o.position(), Rect(20, 10, 50, 40));
    o.MoveHandleTo(7, {5, 60}, &view);
    EXPECT_EQ(o.position(), Rect(5, 10, 50, 60));
    o.MoveHandleTo(99, {7, 8}, &view);
    EXPECT_EQ(o.position(), Rect(7, 8, 50, 60));
}

TEST_F(SheetFixture, LineEndAndRoundnessHandles)
{
    CDrawRect line(Rect(10, 10, 50, 30), Shape::Line);
    line.MoveHandleTo(2, {60, 70}, &view);
    EXPECT_EQ(line.position(), Rect(10, 10, 60, 70));

    CDrawRect round(Rect(10, 10, 50, 30), Shape::RoundRectangle);
    round.MoveHandleTo(9, {45, 25}, &view);
    EXPECT_EQ(round.roundness(), Point(10, 10));
    round.MoveHandleTo(9, {0 + 1, 1}, &view); // clamped to the rectangle's centre
    EXPECT_EQ(round.roundness(), Point(40, 20));
}

TEST(Picking, ZeroWidthRectangleCanStillBePicked)
{
    CDrawRect rect(Rect(10, 10, 10, 40), Shape::Rectangle);
    EXPECT_TRUE(rect.Intersects(Rect(9, 20, 10, 21)));
    EXPECT_TRUE(rect.Intersects(Rect(10, 20, 11, 21)));
    EXPECT_FALSE(rect.Intersects(Rect(12, 20, 13, 21)));
    // The base widens such a box by 2 to the right.
    CDrawObj base(Rect(10, 10, 10, 40));
    EXPECT_TRUE(base.Intersects(Rect(11, 20, 12, 21)));
    EXPECT_FALSE(base.Intersects(Rect(9, 20, 10, 21)));
}

TEST(Picking, ShapesArePickedByTheirOutline)
{
    CDrawRect ellipse(Rect(0, 0, 100, 50), Shape::Ellipse);
    EXPECT_TRUE(picks(ellipse, 50, 25));
    EXPECT_FALSE(picks(ellipse, 2, 2)); // the corner lies outside the ellipse
    EXPECT_TRUE(picks(ellipse, 1, 24));

    CDrawRect round(Rect(0, 0, 100, 50), Shape::RoundRectangle);
    round.setRoundness({40, 40});
    EXPECT_FALSE(picks(round, 1, 1));
    EXPECT_TRUE(picks(round, 20, 1));
    EXPECT_TRUE(picks(round, 1, 25));
    EXPECT_TRUE(picks(round, 97, 47) == false);

    CDrawRect rect(Rect(0, 0, 100, 50), Shape::Note);
    EXPECT_TRUE(picks(rect, 1, 1));
}

TEST(Picking, LinesArePickedAlongTheirBand)
{
    CDrawRect line(Rect(0, 0, 100, 100), Shape::Line);
    EXPECT_TRUE(picks(line, 50, 50));
    EXPECT_TRUE(picks(line, 52, 49));
    EXPECT_FALSE(picks(line, 80, 20));
    // A line drawn from the bottom-left corner up keeps its own diagonal.
    CDrawRect rising(Rect(0, 100, 100, 0), Shape::DimensionLine);
    EXPECT_TRUE(picks(rising, 80, 20));
    EXPECT_FALSE(picks(rising, 20, 20));
    // A horizontal line is picked within its box inflated by 1.
    CDrawRect flat(Rect(10, 10, 60, 10), Shape::Line);
    EXPECT_TRUE(picks(flat, 30, 10));
    EXPECT_TRUE(picks(flat, 30, 9));
    EXPECT_FALSE(picks(flat, 30, 12));
}

TEST(Picking, RoomIsPickedAnywhereInsideItsOutline)
{
    // An L-shaped room: the notch is not part of it.
    auto room = makeRoom({{0, 0}, {100, 0}, {100, 40}, {40, 40}, {40, 100}, {0, 100}});
    EXPECT_TRUE(picks(*room, 20, 80));
    EXPECT_TRUE(picks(*room, 90, 20));
    EXPECT_FALSE(picks(*room, 80, 80));
    EXPECT_FALSE(picks(*room, 150, 20));
    EXPECT_FALSE(CDrawPoly().Intersects(Rect(0, 0, 10, 10)));
}

TEST(Picking, RepeatedVertexIsNudgedSoTheRoomStaysPickable)
{
    // The repeated corner becomes (105, 5): a thin sliver appears beside it.
    auto room = makeRoom({{0, 0}, {100, 0}, {100, 0}, {100, 100}, {0, 100}});
    EXPECT_TRUE(picks(*room, 50, 50));
    EXPECT_TRUE(picks(*room, 101, 5));
}

TEST(Picking, WallIsPickedWithinFiveUnitsOfItsCentreLine)
{
    CDrawOpenPath wall(Rect(0, 0, 1, 1));
    wall.setPoints({{10, 10}, {110, 10}, {110, 60.9f}});
    EXPECT_TRUE(wall.Intersects(Rect(50, 15, 52, 17)));
    EXPECT_FALSE(wall.Intersects(Rect(50, 16, 52, 18)));
    EXPECT_TRUE(wall.Intersects(Rect(114, 40, 116, 42)));
    // The probe is the rectangle's top-left point only.
    EXPECT_FALSE(wall.Intersects(Rect(50, 20, 40, 5)));
}

TEST_F(SheetFixture, HandleHitAreaExtendsRightAndDown)
{
    CDrawObj o(Rect(20, 20, 60, 60));
    // Handle 1 at (20, 20): square 17..23, hit while x in [17, 29), y in [17, 29).
    EXPECT_EQ(o.HitTest({17, 17}, &view, true), 1);
    EXPECT_EQ(o.HitTest({28, 28}, &view, true), 1);
    EXPECT_EQ(o.HitTest({29, 20}, &view, true), 0);
    EXPECT_EQ(o.HitTest({16, 20}, &view, true), 0);
    EXPECT_EQ(o.HitTest({60, 60}, &view, true), 5);
    // Unselected, the object itself is tested.
    EXPECT_EQ(o.HitTest({40, 40}, &view, false), 1);
    EXPECT_EQ(o.HitTest({80, 80}, &view, false), 0);
}

TEST_F(SheetFixture, HandleRectIsThreePixelsAtEveryZoom)
{
    FakeView zoomed(&doc, 3);
    const CDrawObj o(Rect(30, 30, 60, 60));
    EXPECT_EQ(o.GetHandleRect(1, &zoomed), Rect(29, 29, 31, 31));
    EXPECT_EQ(o.GetHandleRect(1, nullptr), Rect(27, 27, 33, 33));
}

TEST(Mirror, RectangleTwiceRestoresItsCoordinates)
{
    CDrawRect rect(Rect(10, 20, 30, 60), Shape::Rectangle);
    rect.MirrorHorizontal();
    EXPECT_EQ(rect.position(), Rect(30, 20, 10, 60)); // left unnormalised
    rect.MirrorHorizontal();
    rect.MirrorVertical();
    EXPECT_EQ(rect.position(), Rect(10, 60, 30, 20));
    rect.MirrorVertical();
    EXPECT_EQ(rect.position(), Rect(10, 20, 30, 60));
    EXPECT_EQ(rect.flippedX(), 0);

    CDrawObj base(Rect(0, 0, 5, 5));
    base.MirrorHorizontal();
    EXPECT_EQ(base.flippedX(), 1);
    EXPECT_EQ(base.position(), Rect(0, 0, 5, 5));
}

TEST(Picture, FourQuarterTurnsBringRotationBackToZero)
{
    CDrawImage picture(Rect(0, 0, 10, 10), QString());
    const int clockwise[] = {90, 180, 270, 0};
    for (const int expected : clockwise) {
        picture.RotateQuarter(true);
        EXPECT_EQ(picture.rotation(), expected);
    }
    picture.RotateQuarter(false);
    EXPECT_EQ(picture.rotation(), 270);
    // Mirrored on one axis, a clockwise turn steps the stored angle back.
    picture.MirrorHorizontal();
    picture.RotateQuarter(true);
    EXPECT_EQ(picture.rotation(), 180);
}

TEST(Picture, BitmapFollowsTurnsAndMirrors)
{
    const QString path = QString::fromUtf8(qgetenv("HOME")) + QStringLiteral("/turn.png");
    QImage image(4, 2, QImage::Format_ARGB32);
    image.fill(Qt::white);
    image.setPixel(0, 0, qRgb(255, 0, 0)); // red in the top-left corner
    ASSERT_TRUE(image.save(path));

    CDrawImage picture(Rect(0, 0, 10, 10), path);
    ASSERT_EQ(picture.bitmap().size(), QSize(4, 2));
    picture.RotateQuarter(true);
    EXPECT_EQ(picture.bitmap().size(), QSize(2, 4));
    EXPECT_EQ(picture.bitmap().pixel(1, 0), qRgb(255, 0, 0)); // now top-right
    picture.MirrorHorizontal();
    EXPECT_EQ(picture.bitmap().pixel(0, 0), qRgb(255, 0, 0));

    // A fresh load of the same fields gives the same bitmap.
    CDrawImage again(Rect(0, 0, 10, 10), path);
    again.setRotation(picture.rotation());
    again.setFlipped(picture.flippedX(), picture.flippedY());
    EXPECT_EQ(again.bitmap(), picture.bitmap());

    // Turning the mirrored picture keeps both ways of getting there equal.
    picture.RotateQuarter(true);
    CDrawImage third(Rect(0, 0, 10, 10), path);
    third.setRotation(picture.rotation());
    third.setFlipped(picture.flippedX(), picture.flippedY());
    EXPECT_EQ(third.bitmap(), picture.bitmap());
}

TEST(Picture, MissingFileDrawsNothingButKeepsItsPath)
{
    CDrawImage picture(Rect(0, 0, 10, 10), QStringLiteral("/nonexistent/x.png"));
    EXPECT_TRUE(picture.bitmap().isNull());
    EXPECT_EQ(picture.imagePath(), QStringLiteral("/nonexistent/x.png"));
}

TEST(Clone, OffsetMovesTheCopyFiveUnitsRightAndDown)
{
    CDrawRect rect(Rect(10, 10, 20, 20), Shape::Ellipse);
    rect.setPenWidth(3.0f);
    const auto same = rect.Clone(false);
    EXPECT_EQ(same->position(), rect.position());
    EXPECT_EQ(static_cast<CDrawRect &>(*same).shape(), Shape::Ellipse);
    EXPECT_FLOAT_EQ(static_cast<CDrawRect &>(*same).penWidth(), 3.0f);
    EXPECT_EQ(rect.Clone(true)->position(), Rect(15, 15, 25, 25));

    auto room = makeRoom({{10, 10}, {50, 10}, {50, 40}});
    const auto copy = room->Clone(true);
    const auto &copied = static_cast<const CDrawPoly &>(*copy);
    EXPECT_EQ(copied.position(), Rect(15, 15, 55, 45));
    EXPECT_EQ(copied.points()[0], PointF(15, 15)); // the room moves with its box
    EXPECT_EQ(copied.segmentStyles().size(), 3u);
    EXPECT_EQ(copied.document(), nullptr);
}

TEST_F(SheetFixture, CloneIntoAddsTheCopyOnTop)
{
    CDrawObj *source = doc.AddObject(std::make_unique<CDrawText>(Rect(10, 10, 20, 20)));
    CDrawObj *copy = source->CloneInto(doc, true);
    ASSERT_EQ(doc.objects().size(), 2u);
    EXPECT_EQ(doc.objects().back().get(), copy);
    EXPECT_EQ(copy->document(), &doc);
    EXPECT_EQ(copy->typeName(), QStringLiteral("Oggetto di testo"));
}

TEST(Sizes, SizeOperationsKeepTheTopLeftCorner)
{
    CDrawObj o(Rect(10, 20, 30, 40));
    o.SetSize({5, 6});
    EXPECT_EQ(o.position(), Rect(10, 20, 15, 26));
    o.SetWidth(50);
    o.SetHeight(60);
    EXPECT_EQ(o.position(), Rect(10, 20, 60, 80));
    o.Scale(1.5f); // right and bottom only, truncated
    EXPECT_EQ(o.position(), Rect(10, 20, 90, 120));
    o.Scale(0.33f);
    EXPECT_EQ(o.position(), Rect(10, 20, 29, 39));
}

TEST_F(SheetFixture, RotationTurnsRectanglesAndRooms)
{
    CDrawObj *rect =
        doc.AddObject(std::make_unique<CDrawRect>(Rect(40, 40, 80, 60), Shape::Rectangle));
    rect->Rotate(90, &view);
    EXPECT_EQ(rect->position(), Rect(50, 30, 70, 70));

    CDrawObj *room = doc.AddObject(makeRoom({{0, 0}, {40, 0}, {40, 20}, {0, 20}}));
    doc.SetModifiedFlag(false);
    room->Rotate(90, nullptr);
    EXPECT_EQ(room->position(), Rect(10, -10, 30, 30));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_FALSE(view.updates.empty()); // repainted through the document
}

TEST_F(SheetFixture, RoomVertexMoveRefusedWhenADoorNoLongerFits)
{
    auto owned = makeRoom({{10, 10}, {110, 10}, {110, 60}, {10, 60}});
    std::vector<SegmentStyle> styles = owned->segmentStyles();
    styles[0].openings.push_back(door(20, 60)); // needs 80 mm of the top edge
    owned->setSegmentStyles(styles);
    auto *room = static_cast<CDrawPoly *>(doc.AddObject(std::move(owned)));

    room->setFresh(0);
    room->MoveHandleTo(2, {85, 10}, &view); // top edge would be 75 long
    EXPECT_EQ(room->points()[1], PointF(110, 10));
    room->MoveHandleTo(2, {90, 10}, &view); // exactly 80: fits
    EXPECT_EQ(room->points()[1], PointF(90, 10));
    EXPECT_EQ(room->position(), Rect(10, 10, 110, 60));
    // Vertex 1 ends the last edge and starts the door's edge.
    room->MoveHandleTo(1, {20, 10}, &view);
    EXPECT_EQ(room->points()[0], PointF(10, 10));

    // While the room is being drawn nothing is checked.
    room->setFresh(1);
    room->MoveHandleTo(2, {30, 10}, &view);
    EXPECT_EQ(room->points()[1], PointF(30, 10));
}

TEST_F(SheetFixture, RoomStaysOnTheSheetWhileThePlacementRulesAreOn)
{
    auto *room = static_cast<CDrawPoly *>(doc.AddObject(makeRoom({{10, 10}, {50, 10}, {50, 40}})));
    room->MoveHandleTo(2, {0, 10}, &view);
    EXPECT_EQ(room->points()[1], PointF(50, 10));
    room->MoveTo(Rect(-5, 10, 35, 40), &view);
    EXPECT_EQ(room->position(), Rect(10, 10, 50, 40));
    room->MoveTo(Rect(20, 30, 60, 60), &view);
    EXPECT_EQ(room->points()[0], PointF(20, 30));

    model::modelOptions().checkPosAlways = false;
    room->MoveHandleTo(2, {0, 10}, &view);
    model::modelOptions().checkPosAlways = true;
    EXPECT_EQ(room->points()[1], PointF(0, 10));
    EXPECT_EQ(room->position().left, 0);
}

TEST(Invalidate, WithoutADocumentShowsTheInternalError)
{
    MessageCatcher catcher;
    CDrawObj o(Rect(0, 0, 1, 1));
    o.Invalidate();
    ASSERT_EQ(catcher.messages.size(), 1);
    EXPECT_EQ(catcher.messages[0],
              QStringLiteral(
                  "Errore interno #100: è associato un documento nullo alla vista selezionata."));
}

TEST_F(SheetFixture, WallPropertiesAreRefusedInPrintnetDocuments)
{
    int opened = 0;
    model::setPropertyEditor([&opened](CDrawObj &, model::DocumentView *) { ++opened; });
    CDrawObj *wall = doc.AddObject(std::make_unique<CDrawOpenPath>(Rect(0, 0, 5, 5)));
    wall->OnOpen(&view);
    EXPECT_EQ(opened, 1);
    doc.setDocType(CDomoraDoc::printnet);
    wall->OnEditProperties(&view);
    model::setPropertyEditor({});
    EXPECT_EQ(opened, 1);
    ASSERT_EQ(catcher.messages.size(), 1);
    EXPECT_TRUE(catcher.messages[0].startsWith(QStringLiteral("Le pagine di proprietà")));
}

TEST_F(SheetFixture, TextColourComesFromAColorRef)
{
    auto *text =
        static_cast<CDrawText *>(doc.AddObject(std::make_unique<CDrawText>(Rect(0, 0, 5, 5))));
    doc.SetModifiedFlag(false);
    text->SetTextColor(0x00332211); // blue 0x33, green 0x22, red 0x11
    EXPECT_EQ(text->text().textBrush.solidColor, 0xFF112233u);
    EXPECT_EQ(text->text().textBrush.fillKind, BrushStyle::fillSolid);
    EXPECT_TRUE(doc.IsModified());
}
