#include "graphics/context.h"
#include "graphics/hatch.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <set>

using namespace graphics;

namespace {

constexpr Argb black = 0xFF000000;
constexpr Argb white = 0xFFFFFFFF;

QImage paint(int w, int h, const std::function<void(Context &)> &draw)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::white);
    QPainter painter(&img);
    Context ctx(&painter);
    draw(ctx);
    return img;
}

int popCount(const HatchPattern &p)
{
    int n = 0;
    for (auto row : p)
        n += __builtin_popcount(row);
    return n;
}

} // namespace

TEST(HatchPatterns, FiftyThreeDistinctPatterns)
{
    std::set<HatchPattern> seen;
    for (int style = 0; style < hatchStyleCount; ++style) {
        const HatchPattern &p = hatchPattern(style);
        EXPECT_GT(popCount(p), 0) << style;
        EXPECT_LT(popCount(p), 64) << style;
        seen.insert(p);
    }
    EXPECT_EQ(seen.size(), 53u);
    EXPECT_FALSE(isValidHatchStyle(-1));
    EXPECT_FALSE(isValidHatchStyle(53));
}

TEST(HatchPatterns, PercentagesGrowAndDiagonalsSlantTheirWay)
{
    int previous = 0;
    for (int style = static_cast<int>(HatchStyle::Percent05);
         style <= static_cast<int>(HatchStyle::Percent90); ++style) {
        EXPECT_GT(popCount(hatchPattern(style)), previous) << style;
        previous = popCount(hatchPattern(style));
    }
    EXPECT_EQ(popCount(hatchPattern(static_cast<int>(HatchStyle::Percent50))), 32);
    // Downward diagonal: the set bit moves right as the row goes down.
    const HatchPattern &down = hatchPattern(static_cast<int>(HatchStyle::LightDownwardDiagonal));
    EXPECT_TRUE(hatchBit(down, 0, 0));
    EXPECT_TRUE(hatchBit(down, 1, 1));
    const HatchPattern &up = hatchPattern(static_cast<int>(HatchStyle::LightUpwardDiagonal));
    EXPECT_TRUE(hatchBit(up, 3, 0));
    EXPECT_TRUE(hatchBit(up, 2, 1));
}

TEST(HatchPatterns, PixelSizeKeepsThePatternVisibleOnTheSheet)
{
    EXPECT_EQ(hatchPixelSize(96 / 25.4), 1);  // screen at 100 %
    EXPECT_EQ(hatchPixelSize(1.0), 1);        // never finer than a pixel per bit
    EXPECT_EQ(hatchPixelSize(300 / 25.4), 3); // 300 dpi
    EXPECT_EQ(hatchPixelSize(600 / 25.4), 6);
}

TEST(HatchBrushes, PatternSitsOnTheDeviceGridAndScalesWithResolution)
{
    const int style = static_cast<int>(HatchStyle::Vertical);
    // One unit = 300 dpi in pixels: every bit covers three pixels.
    const QImage img = paint(60, 60, [&](Context &ctx) {
        ctx.setPixelOffsetMode(PixelOffsetMode::Half);
        ctx.scaleTransform(300 / 25.4, 300 / 25.4);
        ctx.translateTransform(0.37, 0.11); // shifting the world does not move the pattern
        ctx.fillRectangle(Brush::hatch(style, black, white), QRectF(-1, -1, 10, 10));
    });
    for (int x = 0; x < 48; ++x) {
        const bool foreground = (x % 24) < 3;
        EXPECT_EQ(img.pixel(x, 20) == qRgb(0, 0, 0), foreground) << x;
    }
}

TEST(GradientBrushes, FourDirectionsOverTheRectangle)
{
    const QRectF rect(0, 0, 100, 50);
    auto corners = [&](LinearGradientMode mode) {
        const QImage img = paint(100, 50, [&](Context &ctx) {
            ctx.setPixelOffsetMode(PixelOffsetMode::Half);
            ctx.fillRectangle(Brush::linearGradient(rect, 0xFFFF0000, 0xFF0000FF, mode), rect);
        });
        return std::array<QRgb, 4>{img.pixel(0, 0), img.pixel(99, 0), img.pixel(0, 49),
                                   img.pixel(99, 49)};
    };
    auto reddish = [](QRgb c) { return qRed(c) > 200 && qBlue(c) < 60; };
    auto bluish = [](QRgb c) { return qBlue(c) > 200 && qRed(c) < 60; };
    auto middle = [](QRgb c) { return qAbs(qRed(c) - qBlue(c)) < 40; };

    const auto h = corners(LinearGradientMode::Horizontal);
    EXPECT_TRUE(reddish(h[0]) && reddish(h[2]) && bluish(h[1]) && bluish(h[3]));
    const auto v = corners(LinearGradientMode::Vertical);
    EXPECT_TRUE(reddish(v[0]) && reddish(v[1]) && bluish(v[2]) && bluish(v[3]));
    // Diagonals run corner to corner even on a 2:1 rectangle.
    const auto f = corners(LinearGradientMode::ForwardDiagonal);
    EXPECT_TRUE(reddish(f[0]) && bluish(f[3]) && middle(f[1]) && middle(f[2]));
    const auto b = corners(LinearGradientMode::BackwardDiagonal);
    EXPECT_TRUE(reddish(b[1]) && bluish(b[2]) && middle(b[0]) && middle(b[3]));
}

TEST(TextureBrushes, ScaleTwentyPercentTilesAtOneFifth)
{
    // Ten pixels wide: five red columns, five blue ones.
    QImage texture(10, 10, QImage::Format_RGB32);
    for (int x = 0; x < 10; ++x)
        for (int y = 0; y < 10; ++y)
            texture.setPixel(x, y, x < 5 ? qRgb(255, 0, 0) : qRgb(0, 0, 255));
    Brush brush = Brush::texture(texture);
    brush.scaleTransform(0.2, 0.2);
    brush.rotateTransform(0);
    const QImage img = paint(20, 20, [&](Context &ctx) {
        ctx.setPixelOffsetMode(PixelOffsetMode::Half);
        ctx.fillRectangle(brush, QRectF(0, 0, 20, 20));
    });
    for (int x = 0; x < 20; ++x)
        EXPECT_EQ(img.pixel(x, 7), x % 2 == 0 ? qRgb(255, 0, 0) : qRgb(0, 0, 255)) << x;

    // Turned by 90 degrees the columns become rows.
    Brush turned = Brush::texture(texture);
    turned.scaleTransform(0.2, 0.2);
    turned.rotateTransform(90);
    const QImage rows = paint(20, 20, [&](Context &ctx) {
        ctx.setPixelOffsetMode(PixelOffsetMode::Half);
        ctx.fillRectangle(turned, QRectF(0, 0, 20, 20));
    });
    EXPECT_EQ(rows.pixel(3, 6), rows.pixel(12, 6));
    EXPECT_NE(rows.pixel(3, 6), rows.pixel(3, 7));
}

TEST(SolidBrushes, AlphaZeroIsInvisible)
{
    const Brush clear = Brush::solid(0x00FF0000);
    EXPECT_TRUE(clear.isInvisible());
    EXPECT_TRUE(clear.isValid());
    const QImage img = paint(10, 10, [&](Context &ctx) {
        ctx.fillRectangle(clear, QRectF(0, 0, 10, 10));
        EXPECT_EQ(ctx.lastStatus(), Status::Ok);
    });
    EXPECT_EQ(img.pixel(5, 5), qRgb(255, 255, 255));
}

TEST(PenBrushes, AHatchFillsTheBandOfAPen)
{
    const QImage img = paint(40, 40, [&](Context &ctx) {
        Pen pen(Brush::hatch(static_cast<int>(HatchStyle::Percent50), 0xFFFF0000, white), 8);
        ctx.drawLine(pen, QPointF(0, 20), QPointF(40, 20));
    });
    std::set<QRgb> colours;
    for (int x = 0; x < 8; ++x)
        colours.insert(img.pixel(x, 20));
    EXPECT_EQ(colours, (std::set<QRgb>{qRgb(255, 0, 0), qRgb(255, 255, 255)}));
    EXPECT_EQ(img.pixel(20, 10), qRgb(255, 255, 255));
}
