#include "model/archive.h"
#include "model/cdomoradoc.h"
#include "model/cdrawopenpath.h"
#include "model/cdrawpoly.h"
#include "model/cdrawimage.h"
#include "model/cdrawrect.h"
#include "model/cdrawtext.h"
#include "model/renderdocument.h"
#include "model/renderbrush.h"
#include "model/renderoptions.h"
#include "platform/paths.h"
#include "fakeview.h"

#include "graphics/context.h"
#include "graphics/hatch.h"
#include "graphics/recording.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QPainter>

#include <gtest/gtest.h>

#include <limits>
#include <set>

using graphics::Record;
using Op = graphics::Record::Op;

namespace {

constexpr double pixelsPerMm = 10.0; // 254 dpi
constexpr QRgb floorTan = qRgb(0xD2, 0xB4, 0x8C);

std::unique_ptr<CDrawPoly> makeRoom(std::vector<geokit::PointF> points, float wallWidth = 2.0f)
{
    auto room = std::make_unique<CDrawPoly>(boundingBox(points));
    room->setPoints(points);
    room->setFresh(0);
    std::vector<SegmentStyle> walls(points.size());
    for (SegmentStyle &wall : walls)
        wall.width = wallWidth;
    room->setSegmentStyles(walls);
    return room;
}

std::unique_ptr<CDrawPoly> squareRoom()
{
    return makeRoom({{10, 10}, {90, 10}, {90, 90}, {10, 90}});
}

Opening door(int offset, int size, int type = 1)
{
    Opening o;
    o.offset = offset;
    o.size = size;
    o.type = type;
    o.arcKind = 1;
    o.arcDash = 1;
    o.opensInwards = 1;
    return o;
}

void addOpening(CDrawPoly &room, size_t segment, const Opening &o)
{
    SegmentStyle style = room.segmentStyles()[segment];
    style.openings.push_back(o);
    room.setSegmentStyle(segment, style);
}

struct Sheet
{
    CDomoraDoc doc;
    Sheet() { doc.SetPaperSize({100, 100}); }
    QImage render() { return model::renderSheetImage(doc, pixelsPerMm * 25.4); }
};

QRgb at(const QImage &img, double xMm, double yMm)
{
    return img.pixel(static_cast<int>(xMm * pixelsPerMm), static_cast<int>(yMm * pixelsPerMm));
}

// The colours in a square of `mm` around a point.
std::set<QRgb> coloursAround(const QImage &img, double xMm, double yMm, double mm = 1.0)
{
    std::set<QRgb> colours;
    const int r = static_cast<int>(mm * pixelsPerMm / 2);
    const int cx = static_cast<int>(xMm * pixelsPerMm), cy = static_cast<int>(yMm * pixelsPerMm);
    for (int y = cy - r; y <= cy + r; ++y)
        for (int x = cx - r; x <= cx + r; ++x)
            colours.insert(img.pixel(x, y));
    return colours;
}

graphics::Recording record(CDrawObj &object, bool printer = false)
{
    graphics::Recording rec;
    graphics::Context ctx(rec);
    ctx.setDevice({printer, 32, 96, 96});
    object.Draw(ctx);
    return rec;
}

} // namespace

TEST(RenderRoom, FillWallBandHatchAndWhiteDoorGap)
{
    Sheet sheet;
    auto room = squareRoom();
    addOpening(*room, 0, door(30, 20));
    SegmentStyle solidWall = room->segmentStyles()[1];
    solidWall.brush = BrushStyle::solid(0xFFFF0000);
    room->setSegmentStyle(1, solidWall);
    sheet.doc.AddObject(std::move(room));
    const QImage img = sheet.render();

    EXPECT_EQ(at(img, 50, 50), floorTan);                    // the floor
    EXPECT_EQ(at(img, 89, 50), qRgb(255, 0, 0));             // a solid wall's colour on its band
    EXPECT_EQ(at(img, 91, 50), qRgb(255, 255, 255));         // bands lie inside the outline
    const std::set<QRgb> hatch = coloursAround(img, 20, 11); // the hatched top wall
    EXPECT_TRUE(hatch.count(qRgb(0, 0, 0)) && hatch.count(qRgb(255, 255, 255)));
    EXPECT_EQ(coloursAround(img, 45, 11, 0.6), std::set<QRgb>{qRgb(255, 255, 255)}); // door gap
    EXPECT_EQ(at(img, 40, 25), qRgb(0, 0, 0)); // the leaf stands open into the room
}

TEST(RenderRoom, GapTakesTheOpeningColourUntilTheFileIsReadBack)
{
    Sheet sheet;
    auto room = squareRoom();
    Opening o = door(30, 20, 0);
    o.backColor = 0xFF00FF00;
    addOpening(*room, 0, o);
    sheet.doc.AddObject(std::move(room));
    EXPECT_EQ(at(sheet.render(), 45, 11), qRgb(0, 255, 0));

    model::ArchiveWriter writer;
    sheet.doc.Serialize(writer);
    const QByteArray bytes = writer.takeData();
    model::ArchiveReader reader(bytes);
    sheet.doc.Serialize(reader);
    EXPECT_EQ(at(sheet.render(), 45, 11), qRgb(255, 255, 255));
}

TEST(RenderRoom, TwoVerticesDrawTheFillButNoWalls)
{
    auto room = makeRoom({{10, 10}, {90, 40}});
    const auto rec = record(*room);
    EXPECT_EQ(rec.count(Op::FillPolygon), 1);
    EXPECT_EQ(rec.count(Op::PolygonEdge), 0);

    auto triangle = makeRoom({{10, 10}, {90, 40}, {10, 80}});
    SegmentStyle off = triangle->segmentStyles()[2];
    off.enabled = 0;
    triangle->setSegmentStyle(2, off);
    EXPECT_EQ(record(*triangle).count(Op::PolygonEdge), 2); // disabled walls are not drawn
}

TEST(RenderRoom, WallPenAndTheRedHatchOfAHighlightedSegment)
{
    auto room = squareRoom();
    SegmentStyle wall = room->segmentStyles()[0];
    wall.width = 2.7f; // pen: 2.7 + 0.4 truncated
    wall.highlighted = 1;
    wall.brush.hatchStyle = 5;
    room->setSegmentStyle(0, wall);
    const auto edges = record(*room).ofOp(Op::PolygonEdge);
    ASSERT_EQ(edges.size(), 4u);
    EXPECT_DOUBLE_EQ(edges[0].pen->width(), 3.6);
    EXPECT_EQ(edges[0].pen->brush(), graphics::Brush::hatch(5, 0xFFFF0000, 0xFFFFFFFF));
    EXPECT_EQ(edges[0].pen->alignment(), graphics::PenAlignment::Inset);
    EXPECT_EQ(edges[0].pen->startCap(), graphics::LineCap::Square);
    EXPECT_DOUBLE_EQ(edges[1].pen->width(), 2.0);
    EXPECT_EQ(edges[1].pen->brush(), graphics::Brush::hatch(18, 0xFF000000, 0xFFFFFFFF));
}

TEST(RenderRoom, FreshRoomIsATranslucentSketch)
{
    auto room = squareRoom();
    room->setFresh(1);
    const auto rec = record(*room);
    ASSERT_EQ(rec.size(), 2);
    EXPECT_EQ(rec.records()[0].brush->color(), 0x32D2B48Cu);
    EXPECT_EQ(rec.records()[1].op, Op::Polygon);
    EXPECT_EQ(rec.records()[1].pen->color(), 0xFF000000u);
}

TEST(RenderRoom, CaptionTooLongForTheRoomIsNotDrawn)
{
    auto room = squareRoom(); // 80 mm wide, 64 mm for the caption
    LabelStyle label = room->label();
    label.visible = 1;
    label.text = QStringLiteral("Bagno");
    room->setLabel(label);
    auto strings = record(*room).ofOp(Op::String);
    ASSERT_EQ(strings.size(), 1u);
    EXPECT_EQ(strings[0].text, QStringLiteral("BAGNO")); // rooms show captions in capitals
    EXPECT_EQ(strings[0].rect, QRectF(18, 18, 64, 64));

    label.text = QStringLiteral("Soggiorno con angolo cottura");
    room->setLabel(label);
    EXPECT_EQ(record(*room).count(Op::String), 0);

    label.text = QStringLiteral("Bagno");
    label.visible = 0;
    room->setLabel(label);
    EXPECT_EQ(record(*room).count(Op::String), 0);
}

TEST(RenderOpenings, SymbolOnTheMiddleOfTheBandWithItsSizeCaption)
{
    CDomoraDoc doc;
    doc.setScale(0.1); // 1:100
    auto room = squareRoom();
    Opening o = door(30, 20, 0);
    addOpening(*room, 0, o);
    CDrawPoly *raw = static_cast<CDrawPoly *>(doc.AddObject(std::move(room)));
    graphics::Recording rec;
    graphics::Context ctx(rec);
    raw->DrawOpenings(ctx);
    const auto edges = rec.ofOp(Op::PolygonEdge);
    ASSERT_EQ(edges.size(), 1u); // the gap
    EXPECT_DOUBLE_EQ(edges[0].fromMm, 30);
    EXPECT_DOUBLE_EQ(edges[0].toMm, 50);
    EXPECT_EQ(edges[0].pen->color(), 0xFFFFFFFFu);
    const auto jambs = rec.ofOp(Op::Line);
    ASSERT_EQ(jambs.size(), 2u);
    EXPECT_EQ((jambs[0].points[0] + jambs[0].points[1]) / 2, QPointF(40, 11));
    const auto caption = rec.ofOp(Op::String);
    ASSERT_EQ(caption.size(), 1u);
    EXPECT_EQ(caption[0].text, QStringLiteral("200x20")); // centimetres of the building
}

TEST(RenderRect, ZeroHeightLineIsAHatchedPlaceholder)
{
    CDrawRect line(geokit::Rect(20, 30, 60, 30), CDrawRect::Shape::Line);
    const auto rec = record(line);
    ASSERT_EQ(rec.size(), 2);
    EXPECT_EQ(rec.records()[0].op, Op::FillRectangle);
    EXPECT_EQ(rec.records()[0].rect, QRectF(20, 30, 40, 5));
    EXPECT_EQ(*rec.records()[0].brush, graphics::Brush::hatch(18, 0xFF808080, 0xFFFFFFFF));
    EXPECT_EQ(rec.records()[1].op, Op::Rectangle);
    EXPECT_EQ(rec.records()[1].pen->color(), 0x50000000u);
    EXPECT_EQ(rec.count(Op::Line), 0);
}

TEST(RenderRect, LinesRunAsDrawnWithTriangleCaps)
{
    CDrawRect line(geokit::Rect(60, 40, 20, 10), CDrawRect::Shape::Line);
    const auto lines = record(line).ofOp(Op::Line);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].points, QPolygonF({{60, 40}, {20, 10}}));
    EXPECT_EQ(lines[0].pen->startCap(), graphics::LineCap::Triangle);
    EXPECT_EQ(lines[0].pen->endCap(), graphics::LineCap::Triangle);
}

TEST(RenderRect, CommentNoteIsOnScreenButNotOnPaper)
{
    CDrawRect note(geokit::Rect(10, 10, 60, 40), CDrawRect::Shape::Note);
    EXPECT_GT(record(note).size(), 0);
    EXPECT_EQ(record(note, true).size(), 0);

    graphics::Recording rec;
    graphics::Context ctx(rec);
    ctx.setDevice({false, 8, 96, 96}); // a 256-colour display draws it fainter
    note.Draw(ctx);
    EXPECT_EQ(rec.ofOp(Op::FillRectangle)[0].brush->color(), 0x32FFFFA0u);
}

TEST(RenderRect, DimensionLineShowsItsLengthInMillimetres)
{
    CDrawRect dim(geokit::Rect(10, 10, 40, 50), CDrawRect::Shape::DimensionLine);
    const auto rec = record(dim);
    EXPECT_EQ(rec.count(Op::FillEllipse), 2);
    const auto text = rec.ofOp(Op::String);
    ASSERT_EQ(text.size(), 1u);
    EXPECT_EQ(text[0].text, QStringLiteral("50.00 mm"));
    EXPECT_EQ(text[0].rect.topLeft(), QPointF(25, 30));
}

TEST(RenderRect, MirroredGradientKeepsItsDirection)
{
    CDrawRect box(geokit::Rect(10, 10, 50, 30), CDrawRect::Shape::Rectangle);
    BrushStyle gradient = BrushStyle::solid(0xFFFF0000);
    gradient.fillKind = BrushStyle::fillGradient;
    gradient.color2 = 0xFF0000FF;
    box.setFill(gradient);
    const graphics::Brush before = *record(box).ofOp(Op::FillRectangle)[0].brush;
    box.MirrorHorizontal();
    const graphics::Brush after = *record(box).ofOp(Op::FillRectangle)[0].brush;
    EXPECT_EQ(before, after);
    EXPECT_EQ(after.gradientRect(), QRectF(10, 10, 40, 20));
}

TEST(RenderRect, AlphaZeroHidesASolidFillWithoutChangingItsKind)
{
    Sheet sheet;
    auto box =
        std::make_unique<CDrawRect>(geokit::Rect(10, 10, 50, 50), CDrawRect::Shape::Rectangle);
    box->setFill(BrushStyle::solid(0x00FF0000));
    box->setOutlined(0);
    CDrawObj *raw = sheet.doc.AddObject(std::move(box));
    EXPECT_EQ(at(sheet.render(), 30, 30), qRgb(255, 255, 255));
    EXPECT_EQ(raw->fill().fillKind, BrushStyle::fillSolid);
}

TEST(RenderBrush, MissingTextureLeavesTheAreaUnfilled)
{
    Sheet sheet;
    auto box =
        std::make_unique<CDrawRect>(geokit::Rect(10, 10, 50, 50), CDrawRect::Shape::Rectangle);
    BrushStyle texture;
    texture.fillKind = BrushStyle::fillTexture;
    texture.texturePath = QStringLiteral("/nonexistent/marmo.bmp");
    box->setFill(texture);
    box->setOutlined(0);
    sheet.doc.AddObject(std::move(box));
    EXPECT_EQ(at(sheet.render(), 30, 30), qRgb(255, 255, 255));
}

// A library picture stored with a relative Windows path is found below the
// program folder, not below whatever folder is current.
TEST(RenderBrush, LibraryPictureIsFoundBelowTheProgramFolder)
{
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("Library/Immagini")));
    QImage picture(4, 3, QImage::Format_RGB32);
    picture.fill(qRgb(0, 128, 0));
    ASSERT_TRUE(picture.save(folder.filePath(QStringLiteral("Library/Immagini/Divano.png"))));
    platform::setProgramFolder(folder.path() + QLatin1Char('/'));
    CDrawImage image(geokit::Rect(0, 0, 40, 30), QStringLiteral("library\\immagini\\divano.png"));
    const QImage loaded = image.bitmap();
    platform::setProgramFolder({});
    ASSERT_FALSE(loaded.isNull());
    EXPECT_EQ(loaded.size(), QSize(4, 3));
}

TEST(RenderBrush, TextureAtTwentyPercentTilesAtOneFifthFromTheLibrary)
{
    // A texture stored with a Windows path into the picture library is found
    // below this program folder; columns 5 px red, 5 px blue.
    QTemporaryDir folder;
    const QString library = QStringLiteral("Library/Textures e motivi di riempimento");
    ASSERT_TRUE(QDir(folder.path()).mkpath(library));
    QImage texture(10, 10, QImage::Format_RGB32);
    for (int x = 0; x < 10; ++x)
        for (int y = 0; y < 10; ++y)
            texture.setPixel(x, y, x < 5 ? qRgb(255, 0, 0) : qRgb(0, 0, 255));
    ASSERT_TRUE(texture.save(folder.filePath(library + QStringLiteral("/righe.bmp"))));
    platform::setProgramFolder(folder.path() + QLatin1Char('/'));

    BrushStyle style;
    style.fillKind = BrushStyle::fillTexture;
    style.texturePath = QStringLiteral(
        "C:\\Programmi\\Domora\\Library\\Textures e motivi di riempimento\\righe.bmp");
    style.textureScale = 0.2f;
    EXPECT_EQ(model::resolveTexturePath(style.texturePath),
              folder.filePath(library + QStringLiteral("/righe.bmp")));

    Sheet sheet;
    auto box =
        std::make_unique<CDrawRect>(geokit::Rect(0, 0, 100, 100), CDrawRect::Shape::Rectangle);
    box->setFill(style);
    box->setOutlined(0);
    sheet.doc.AddObject(std::move(box));
    // At 10 pixels per millimetre a tile is 2 mm: 10 px red, 10 px blue.
    const QImage img = sheet.render();
    platform::setProgramFolder({});
    EXPECT_EQ(img.pixel(205, 500), qRgb(255, 0, 0));
    EXPECT_EQ(img.pixel(215, 500), qRgb(0, 0, 255));
    EXPECT_EQ(img.pixel(225, 500), qRgb(255, 0, 0));
}

TEST(RenderWalls, OpenPathsDrawEveryEnabledSegmentCentred)
{
    CDrawOpenPath wall(geokit::Rect(0, 0, 50, 50));
    wall.setPoints({{0, 0}, {50, 0}, {50, 50}});
    wall.setSegmentStyles(std::vector<SegmentStyle>(2));
    const auto lines = record(wall).ofOp(Op::Line);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].points, QPolygonF({{50, 0}, {50, 50}}));
    EXPECT_EQ(lines[1].pen->alignment(), graphics::PenAlignment::Center);
    EXPECT_EQ(lines[1].pen->startCap(), graphics::LineCap::Square);
}

TEST(RenderTracker, HandlesNumbersAndTheMarksOfTheEditingModes)
{
    auto room = squareRoom();
    model::RenderOptions &options = model::renderOptions();
    options.showCornerID = true;
    options.showWallID = true;
    graphics::Recording rec;
    {
        graphics::Context ctx(rec);
        room->DrawTracker(ctx, 1);
    }
    options = {};
    const auto handles = rec.ofOp(Op::FillRectangle);
    ASSERT_EQ(handles.size(), 4u);
    EXPECT_EQ(handles[1].rect, QRectF(89, 9, 2, 2));
    EXPECT_EQ(*handles[1].brush, graphics::Brush::solid(0xFFFF0000));
    const auto numbers = rec.ofOp(Op::String);
    ASSERT_EQ(numbers.size(), 8u); // four corners, four walls
    EXPECT_EQ(numbers[5].text, QStringLiteral("2"));
    EXPECT_EQ(numbers[5].rect.topLeft(), QPointF(90, 50));
    EXPECT_EQ(numbers[0].brush->color(), 0xFF0000FFu);

    for (int state : {0, 3, 4}) {
        graphics::Recording marks;
        graphics::Context ctx(marks);
        room->DrawTracker(ctx, state);
        EXPECT_EQ(marks.count(Op::FillRectangle), 0) << state; // no handles
        EXPECT_EQ(marks.size() > 0, state != 0) << state;
    }
}

TEST(RenderDocument, DamagedValuesDrawWithoutTrouble)
{
    // Values a damaged file may carry: absurd sizes, widths and heights.
    Sheet sheet;
    auto room = squareRoom();
    Opening o = door(std::numeric_limits<qint32>::max(), std::numeric_limits<qint32>::min(), 3);
    addOpening(*room, 0, o);
    SegmentStyle wide = room->segmentStyles()[1];
    wide.width = 1e30f;
    wide.brush.hatchStyle = 999;
    room->setSegmentStyle(1, wide);
    LabelStyle label = room->label();
    label.visible = 1;
    label.font.height = std::numeric_limits<qint32>::min();
    room->setLabel(label);
    sheet.doc.AddObject(std::move(room));
    auto text = std::make_unique<CDrawText>(geokit::Rect(10, 10, 60, 60));
    LabelStyle big = text->text();
    big.font.height = -2000000000;
    big.trimming = 77;
    text->setText(big);
    sheet.doc.AddObject(std::move(text));
    auto box =
        std::make_unique<CDrawRect>(geokit::Rect(5, 5, 95, 95), CDrawRect::Shape::RoundRectangle);
    box->setRoundness({std::numeric_limits<int>::max(), -5});
    box->setPenWidth(std::numeric_limits<float>::quiet_NaN());
    sheet.doc.AddObject(std::move(box));
    const QImage img = sheet.render();
    EXPECT_FALSE(img.isNull());
}

TEST(RenderDocument, ObjectsOutsideTheRepaintedAreaAreSkipped)
{
    CDomoraDoc doc;
    doc.AddObject(squareRoom()); // 10..90 mm
    QImage img(200, 200, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&img);
    graphics::Recording rec;
    graphics::Context ctx(&painter, rec);
    ctx.setClipRect(QRectF(120, 120, 50, 50));
    model::drawDocument(ctx, doc, nullptr, false, 3);
    EXPECT_EQ(rec.size(), 0);
    ctx.setClipRect(QRectF(80, 80, 50, 50));
    model::drawDocument(ctx, doc, nullptr, false, 3);
    EXPECT_GT(rec.size(), 0);
}

TEST(RenderDocument, DrawingEntryAppliesThePresetAndMarksOnlyTheActiveView)
{
    CDomoraDoc doc;
    CDrawObj *room = doc.AddObject(squareRoom());
    FakeView view(&doc);
    view.selected.insert(room);

    graphics::Recording rec;
    graphics::Context ctx(rec);
    model::drawDocument(ctx, doc, &view, false, 4);
    EXPECT_EQ(ctx.quality(), *graphics::qualityPreset(4));
    EXPECT_EQ(rec.count(Op::FillRectangle), 4); // the handles

    graphics::Recording printed;
    graphics::Context paper(printed);
    model::drawDocument(paper, doc, &view, true, 0);
    EXPECT_EQ(paper.quality(), graphics::QualitySettings{});
    EXPECT_EQ(printed.count(Op::FillRectangle), 0);
}
