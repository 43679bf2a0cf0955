#include "graphics/context.h"
#include "graphics/hatch.h"
#include "graphics/insetband.h"
#include "graphics/recording.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>

using namespace graphics;

namespace {

constexpr Argb red = 0xFFFF0000;
constexpr Argb black = 0xFF000000;

QImage whiteImage(int w = 100, int h = 100)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::white);
    return img;
}

bool isPainted(const QImage &img, int x, int y)
{
    return img.pixel(x, y) != qRgb(255, 255, 255);
}

} // namespace

TEST(QualityPresets, TableOfTheSixPresets)
{
    using S = SmoothingMode;
    using T = TextRenderingHint;
    using C = CompositingQuality;
    using P = PixelOffsetMode;
    const QualitySettings expected[] = {
        {S::Default, T::SystemDefault, C::Default, P::Default},
        {S::None, T::SingleBitPerPixel, C::HighSpeed, P::None},
        {S::HighSpeed, T::SingleBitPerPixel, C::HighSpeed, P::HighSpeed},
        {S::HighQuality, T::SystemDefault, C::HighQuality, P::HighSpeed},
        {S::AntiAlias, T::SystemDefault, C::GammaCorrected, P::Half},
        {S::AntiAlias, T::AntiAlias, C::GammaCorrected, P::HighQuality},
    };
    for (int i = 0; i < 6; ++i) {
        ASSERT_TRUE(qualityPreset(i).has_value()) << i;
        EXPECT_EQ(*qualityPreset(i), expected[i]) << i;
    }
    EXPECT_FALSE(qualityPreset(6).has_value());
    EXPECT_FALSE(qualityPreset(-1).has_value());
}

TEST(QualityPresets, MapOntoPainterHints)
{
    QImage img = whiteImage();
    QPainter painter(&img);
    Context ctx(&painter);
    const QPainter::RenderHints fresh = painter.renderHints();

    ctx.applyQualityPreset(5);
    EXPECT_TRUE(painter.testRenderHint(QPainter::Antialiasing));
    EXPECT_TRUE(painter.testRenderHint(QPainter::TextAntialiasing));
    EXPECT_TRUE(painter.testRenderHint(QPainter::SmoothPixmapTransform));

    ctx.applyQualityPreset(1);
    EXPECT_FALSE(painter.testRenderHint(QPainter::Antialiasing));
    EXPECT_FALSE(painter.testRenderHint(QPainter::TextAntialiasing));
    EXPECT_FALSE(painter.testRenderHint(QPainter::SmoothPixmapTransform));

    // A number without a preset leaves everything as it was.
    ctx.applyQualityPreset(6);
    EXPECT_EQ(ctx.quality(), *qualityPreset(1));

    // Preset 0 brings every mode back to its default.
    ctx.applyQualityPreset(0);
    EXPECT_EQ(ctx.quality(), QualitySettings{});
    EXPECT_EQ(painter.renderHints(), fresh);
}

TEST(QualityPresets, PixelOffsetPutsIntegerCoordinatesOnPixelCentresOrCorners)
{
    // A one-unit line at y = 10: centred on pixel row 10 without the offset
    // mode "half", on the border of rows 9 and 10 with it.
    for (int preset : {3, 5}) {
        QImage img = whiteImage(40, 20);
        {
            QPainter painter(&img);
            Context ctx(&painter);
            ctx.applyQualityPreset(preset);
            ctx.drawLine(Pen(black, 1.0), QPointF(0, 10), QPointF(40, 10));
        }
        if (preset == 3) {
            EXPECT_EQ(img.pixel(20, 10), qRgb(0, 0, 0));
            EXPECT_EQ(img.pixel(20, 9), qRgb(255, 255, 255));
        } else {
            EXPECT_NE(img.pixel(20, 9), qRgb(255, 255, 255));
            EXPECT_NE(img.pixel(20, 10), qRgb(255, 255, 255));
        }
    }
}

TEST(ContextStatus, EveryCallUpdatesTheLastStatus)
{
    Recording rec;
    Context ctx(rec);
    ctx.fillRectangle(Brush::hatch(53, black, red), QRectF(0, 0, 10, 10));
    EXPECT_EQ(ctx.lastStatus(), Status::InvalidParameter);
    ctx.drawLine(Pen(black), QPointF(0, 0), QPointF(1, 1));
    EXPECT_EQ(ctx.lastStatus(), Status::Ok);
    ctx.drawLine(Pen(black), QPointF(std::nan(""), 0), QPointF(1, 1));
    EXPECT_EQ(ctx.lastStatus(), Status::InvalidParameter);
    ctx.fillRectangle(Brush::texture(QImage()), QRectF(0, 0, 10, 10));
    EXPECT_EQ(ctx.lastStatus(), Status::InvalidParameter);
    ctx.restore();
    EXPECT_EQ(ctx.lastStatus(), Status::WrongState);
    // Only what was drawn is recorded.
    EXPECT_EQ(rec.size(), 1);
}

TEST(ContextStatus, InactivePainterIsWrongStateAndDrawingGoesOn)
{
    QImage img = whiteImage();
    QPainter painter; // never begun
    Recording rec;
    Context ctx(&painter, rec);
    ctx.fillRectangle(Brush::solid(red), QRectF(0, 0, 10, 10));
    EXPECT_EQ(ctx.lastStatus(), Status::WrongState);
    ctx.applyQualityPreset(5);
    EXPECT_EQ(ctx.lastStatus(), Status::Ok);
}

TEST(ContextStatus, MissingPictureIsFileNotFound)
{
    Recording rec;
    Context ctx(rec);
    EXPECT_TRUE(ctx.loadImage(QStringLiteral("/nonexistent/texture.png")).isNull());
    EXPECT_EQ(ctx.lastStatus(), Status::FileNotFound);
}

TEST(Recording, KeepsPenPointsAndWorldTransform)
{
    Recording rec;
    Context ctx(rec);
    ctx.translateTransform(5, 7);
    Pen pen(red, 0.5);
    pen.setDashStyle(DashStyle::Dot);
    ctx.drawLine(pen, QPointF(0, 0), QPointF(3, 4));
    ASSERT_EQ(rec.count(Record::Op::Line), 1);
    const Record &r = rec.records().front();
    EXPECT_EQ(r.pen, pen);
    EXPECT_DOUBLE_EQ(r.length(), 5.0);
    EXPECT_EQ(r.transform.map(r.points[1]), QPointF(8, 11));
}

TEST(Transform, PrependActsFirstAndSaveRestoreBringsItBack)
{
    Recording rec;
    Context ctx(rec);
    ctx.scaleTransform(2, 2);
    ctx.save();
    ctx.translateTransform(10, 0); // prepended: translate, then scale
    EXPECT_EQ(ctx.transform().map(QPointF(0, 0)), QPointF(20, 0));
    ctx.translateTransform(10, 0, MatrixOrder::Append);
    EXPECT_EQ(ctx.transform().map(QPointF(0, 0)), QPointF(30, 0));
    ctx.restore();
    EXPECT_EQ(ctx.transform().map(QPointF(1, 1)), QPointF(2, 2));
}

TEST(Pens, InsetBandLiesInsideAClosedOutline)
{
    for (PenAlignment alignment : {PenAlignment::Center, PenAlignment::Inset}) {
        QImage img = whiteImage();
        {
            QPainter painter(&img);
            Context ctx(&painter);
            Pen pen(red, 6);
            pen.setAlignment(alignment);
            ctx.drawRectangle(pen, QRectF(20, 20, 60, 60));
        }
        const bool inset = alignment == PenAlignment::Inset;
        EXPECT_TRUE(isPainted(img, 50, 21)) << inset;       // just inside the outline
        EXPECT_EQ(isPainted(img, 50, 18), !inset) << inset; // outside it: centred only
        EXPECT_EQ(isPainted(img, 50, 24), inset) << inset;  // deeper inside: inset only
        EXPECT_FALSE(isPainted(img, 50, 27)) << inset;
    }
}

TEST(Pens, CapsShapeTheEndsOfOpenLines)
{
    auto draw = [](LineCap cap) {
        QImage img = whiteImage();
        QPainter painter(&img);
        Context ctx(&painter);
        Pen pen(black, 10);
        pen.setLineCap(cap, cap);
        ctx.drawLine(pen, QPointF(20, 50), QPointF(60, 50));
        painter.end();
        return img;
    };
    const QImage flat = draw(LineCap::Flat);
    const QImage square = draw(LineCap::Square);
    const QImage triangle = draw(LineCap::Triangle);
    EXPECT_FALSE(isPainted(flat, 62, 50));
    EXPECT_TRUE(isPainted(square, 62, 50));
    EXPECT_TRUE(isPainted(square, 63, 53));
    EXPECT_TRUE(isPainted(triangle, 62, 50)); // the point reaches half the width
    EXPECT_TRUE(isPainted(triangle, 16, 50));
    EXPECT_FALSE(isPainted(triangle, 63, 53)); // but not its corners
    EXPECT_FALSE(isPainted(triangle, 66, 50));
}

TEST(Pens, DashesAreMultiplesOfTheWidthWithFlatEnds)
{
    QImage img = whiteImage();
    {
        QPainter painter(&img);
        Context ctx(&painter);
        ctx.setPixelOffsetMode(PixelOffsetMode::Half);
        Pen pen(black, 4);
        pen.setDashStyle(DashStyle::Dash);
        pen.setLineCap(LineCap::Square, LineCap::Square);
        ctx.drawLine(pen, QPointF(10, 50), QPointF(90, 50));
    }
    // Dash 12 on, 4 off, starting at x = 10, plus a square cap before it.
    EXPECT_TRUE(isPainted(img, 15, 50));
    EXPECT_TRUE(isPainted(img, 20, 50));
    EXPECT_FALSE(isPainted(img, 24, 50));
    EXPECT_TRUE(isPainted(img, 27, 50));
    EXPECT_TRUE(isPainted(img, 9, 50));
}

TEST(Paths, ArcsTurnFromPlusXTowardsPlusY)
{
    Path p;
    p.addArc(QRectF(0, 0, 20, 20), 0, 90);
    const QPainterPath qp = p.toPainterPath();
    EXPECT_NEAR(qp.elementAt(0).x, 20, 1e-9);
    EXPECT_NEAR(qp.elementAt(0).y, 10, 1e-9);
    EXPECT_NEAR(qp.currentPosition().x(), 10, 1e-9);
    EXPECT_NEAR(qp.currentPosition().y(), 20, 1e-9);

    // Additions join the open figure; a closed figure starts a new one.
    Path rounded;
    rounded.addArc(QRectF(0, 0, 10, 10), 180, 90);
    rounded.addArc(QRectF(90, 0, 10, 10), 270, 90);
    rounded.closeFigure();
    rounded.addLine(QPointF(0, 50), QPointF(10, 50));
    ASSERT_EQ(rounded.figures().size(), 2u);
    EXPECT_TRUE(rounded.figures()[0].closed);
    EXPECT_FALSE(rounded.figures()[1].closed);
}

TEST(InsetBand, MitredCornersOnBothWindings)
{
    const QPolygonF clockwise({{10, 10}, {90, 10}, {90, 90}, {10, 90}});
    QPolygonF anticlockwise = clockwise;
    std::reverse(anticlockwise.begin(), anticlockwise.end());
    const QPolygonF band = insetEdgeBand(clockwise, 0, 2);
    EXPECT_EQ(band, QPolygonF({{10, 10}, {90, 10}, {88, 12}, {12, 12}}));
    // The same edge run the other way.
    const QPolygonF reversed = insetEdgeBand(anticlockwise, 2, 2);
    EXPECT_EQ(reversed, QPolygonF({{90, 10}, {10, 10}, {12, 12}, {88, 12}}));
    // A part of the edge is cut square.
    EXPECT_EQ(insetEdgeBand(clockwise, 0, 2, 20, 30),
              QPolygonF({{30, 10}, {40, 10}, {40, 12}, {30, 12}}));
    EXPECT_TRUE(insetEdgeBand(QPolygonF({{0, 0}, {0, 0}, {5, 5}}), 0, 2).isEmpty());
}

TEST(InsetBand, ReflexCornerIsFilledByTheBandPastTheVertex)
{
    // An L-shaped room; vertex 3 (40, 40) is a reflex corner.
    const QPolygonF room({{0, 0}, {80, 0}, {80, 40}, {40, 40}, {40, 80}, {0, 80}});
    const QPolygonF band = insetEdgeBand(room, 2, 4); // (80,40) -> (40,40)
    ASSERT_EQ(band.size(), 4);
    EXPECT_EQ(band[2], QPointF(36, 36)); // reaches past the vertex to the mitre
    EXPECT_EQ(band[3], QPointF(76, 36));
}

TEST(Pens, PolygonEdgeInsetPaintsOnlyInsideAndMeetsAtCorners)
{
    QImage img = whiteImage();
    const QPolygonF room({{10, 10}, {90, 10}, {90, 90}, {10, 90}});
    {
        QPainter painter(&img);
        Context ctx(&painter);
        Pen pen(Brush::hatch(static_cast<int>(HatchStyle::Percent90), black, black), 6);
        pen.setAlignment(PenAlignment::Inset);
        for (int i = 0; i < 4; ++i)
            ctx.drawPolygonEdge(pen, room, i);
    }
    EXPECT_TRUE(isPainted(img, 50, 12));
    EXPECT_TRUE(isPainted(img, 12, 12)); // the corner square is filled
    EXPECT_FALSE(isPainted(img, 50, 8));
    EXPECT_FALSE(isPainted(img, 50, 18));
}

TEST(Clip, VisibleBoundsFollowThePageMappingAndTheClip)
{
    QImage img = whiteImage(200, 100);
    QPainter painter(&img);
    painter.scale(2, 2); // two pixels per unit
    Context ctx(&painter);
    ctx.setPixelOffsetMode(PixelOffsetMode::Half);
    EXPECT_EQ(ctx.visibleClipBounds(), QRectF(0, 0, 100, 50));
    EXPECT_DOUBLE_EQ(ctx.devicePixelsPerUnit(), 2.0);
    ctx.setClipRect(QRectF(10, 10, 20, 20));
    EXPECT_EQ(ctx.visibleClipBounds(), QRectF(10, 10, 20, 20));
    EXPECT_TRUE(ctx.isVisible(QRectF(25, 25, 10, 10)));
    EXPECT_FALSE(ctx.isVisible(QRectF(40, 10, 10, 10)));
    ctx.resetClip();
    EXPECT_TRUE(ctx.isVisible(QRectF(40, 10, 10, 10)));
    ctx.translateTransform(-200, 0); // the world moves: what lay outside now shows
    EXPECT_TRUE(ctx.isVisible(QRectF(250, 10, 10, 10)));
}
