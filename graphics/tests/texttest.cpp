#include "graphics/context.h"
#include "graphics/recording.h"
#include "graphics/textlayout.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

using namespace graphics;

namespace {

LogFont arial(int height)
{
    LogFont lf;
    lf.height = height;
    return lf;
}

// The horizontal extent of the non-white pixels, or (-1, -1).
std::pair<int, int> inkColumns(const QImage &img)
{
    int first = -1, last = -1;
    for (int x = 0; x < img.width(); ++x)
        for (int y = 0; y < img.height(); ++y)
            if (img.pixel(x, y) != qRgb(255, 255, 255)) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
    return {first, last};
}

std::pair<int, int> inkRows(const QImage &img)
{
    const QImage turned = img.transformed(QTransform().rotate(90));
    return inkColumns(turned);
}

} // namespace

TEST(Fonts, NegativeHeightIsTheEmPositiveTheCell)
{
    EXPECT_DOUBLE_EQ(Font(arial(-10)).emHeight(), 10.0);
    const Font cell(arial(10));
    EXPECT_LT(cell.emHeight(), 10.0);
    EXPECT_GT(cell.emHeight(), 7.0);
    EXPECT_DOUBLE_EQ(Font(arial(0)).emHeight(), 12.0);
}

TEST(TextMeasure, WrapsToTheLayoutWidthAndGrowsDownwards)
{
    Recording rec;
    Context ctx(rec);
    const Font font(arial(-5));
    const QString text = QStringLiteral("Soggiorno con angolo cottura");
    const QSizeF line = ctx.measureString(text, font, {}, {});
    EXPECT_NEAR(line.height(), font.lineSpacing(), 1e-6);
    const QSizeF wrapped = ctx.measureString(text, font, QSizeF(line.width() / 2, 0), {});
    EXPECT_LE(wrapped.width(), line.width() / 2);
    EXPECT_GE(wrapped.height(), 2 * font.lineSpacing() - 1e-6);
    // The measure does not depend on the device.
    EXPECT_NEAR(line.width(), Font(arial(-10)).scale() / font.scale() * line.width() / 2, 1e-6);
}

TEST(TextLayout, TrimmingWithEllipsisFitsTheWidth)
{
    const Font font(arial(-5));
    StringFormat format;
    format.noWrap = true;
    format.trimming = StringTrimming::EllipsisCharacter;
    const TextLayout laid =
        layoutText(QStringLiteral("Camera matrimoniale grande"), font, QSizeF(30, 10), format);
    ASSERT_EQ(laid.lines.size(), 1u);
    EXPECT_TRUE(laid.lines[0].text.endsWith(QChar(0x2026)));
    EXPECT_LE(laid.lines[0].width * font.scale(), 30.0 + 1e-6);
    EXPECT_TRUE(laid.overflows);

    format.trimming = StringTrimming::Word;
    const TextLayout words =
        layoutText(QStringLiteral("Camera matrimoniale grande"), font, QSizeF(30, 10), format);
    EXPECT_EQ(words.lines[0].text, QStringLiteral("Camera"));
}

TEST(TextLayout, LinesThatDoNotFitAreDroppedWhenTrimming)
{
    const Font font(arial(-5));
    StringFormat format;
    format.trimming = StringTrimming::Character;
    const QSizeF room(200, font.lineSpacing() * 1.5);
    const TextLayout laid = layoutText(QStringLiteral("Uno\nDue\nTre"), font, room, format);
    EXPECT_EQ(laid.lines.size(), 1u);
    format.trimming = StringTrimming::None; // the partial second line is kept and clipped
    EXPECT_EQ(layoutText(QStringLiteral("Uno\nDue\nTre"), font, room, format).lines.size(), 2u);
}

TEST(TextLayout, LigaturesCanBeBrokenAndKerningTurnedOff)
{
    const Font font(arial(-5));
    StringFormat format;
    format.noLigatures = true;
    const TextLayout laid = layoutText(QStringLiteral("Ufficio"), font, {}, format);
    EXPECT_TRUE(laid.lines[0].text.contains(QChar(0x200C)));
    format.noLigatures = false;
    format.noKerning = true;
    EXPECT_EQ(layoutText(QStringLiteral("Ufficio"), font, {}, format).lines[0].text,
              QStringLiteral("Ufficio"));
}

TEST(TextDrawing, CentredTextSitsInTheMiddleInTheBrushColour)
{
    QImage img(200, 60, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::white);
    {
        QPainter painter(&img);
        Context ctx(&painter);
        ctx.applyQualityPreset(1); // aliased: only the text colour appears
        StringFormat format;
        format.alignment = StringAlignment::Center;
        format.lineAlignment = StringAlignment::Center;
        ctx.drawString(QStringLiteral("Bagno"), Font(arial(-20)), QRectF(0, 0, 200, 60), format,
                       Brush::solid(0xFF0000FF));
        EXPECT_EQ(ctx.lastStatus(), Status::Ok);
    }
    const auto [first, last] = inkColumns(img);
    ASSERT_GE(first, 0);
    EXPECT_NEAR((first + last) / 2.0, 100.0, 4.0);
    const auto [top, bottom] = inkRows(img); // "Bagno" reaches from cap height to descender
    EXPECT_NEAR((top + bottom) / 2.0, 30.0, 3.0);
    bool blue = false;
    for (int x = first; x <= last && !blue; ++x)
        for (int y = 0; y < 60 && !blue; ++y)
            blue = img.pixel(x, y) == qRgb(0, 0, 255);
    EXPECT_TRUE(blue);
}

TEST(TextDrawing, OverflowingTextIsClippedToItsRectangle)
{
    QImage img(200, 60, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::white);
    {
        QPainter painter(&img);
        Context ctx(&painter);
        StringFormat format;
        format.noWrap = true;
        ctx.drawString(QStringLiteral("Ripostiglio lunghissimo"), Font(arial(-20)),
                       QRectF(10, 10, 50, 40), format, Brush::solid(0xFF000000));
    }
    const auto [first, last] = inkColumns(img);
    EXPECT_GE(first, 10);
    EXPECT_LE(last, 60);
}
