// The files the build puts beside the programs: the tips in the format the
// tip of the day reads, the toolbar images, the splash, the placard
// background with its free area left blank, and the program icons.

#include "platform/codepage.h"

#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

namespace {

const QString programDir = QStringLiteral(DOMORA_PROGRAM_DIR "/");

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(TipsFile, HoldsAtLeastFortyTipsInCodePageWithCrLfLines)
{
    const QByteArray bytes = readAll(programDir + QStringLiteral("tips.txt"));
    ASSERT_FALSE(bytes.isEmpty());
    // Every line feed comes after a carriage return, and no carriage return
    // stands alone.
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "LF senza CR al byte " << i;
        }
        if (bytes[i] == '\r') {
            ASSERT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "CR solo al byte " << i;
        }
    }
    // Accented letters are single Windows-1252 bytes, not UTF-8 pairs.
    EXPECT_FALSE(bytes.contains("\xc3\xa0"));
    EXPECT_TRUE(bytes.contains("\xe0")); // "à"

    int tips = 0;
    for (const QByteArray &line : bytes.split('\n')) {
        const QByteArray text = line.endsWith('\r') ? line.chopped(1) : line;
        if (text.isEmpty() || text[0] == ' ' || text[0] == '\t' || text[0] == ';')
            continue;
        ++tips;
        EXPECT_LE(text.size(), 1000);
        const QString tip = platform::codepage::decode(text);
        EXPECT_TRUE(tip.endsWith(u'.') || tip.endsWith(u'!') || tip.endsWith(u'?'))
            << tip.toStdString();
    }
    EXPECT_GE(tips, 40);
}

TEST(Bitmaps, ToolbarImagesAreARowOfSixteenPixelButtonsOnTheMaskGrey)
{
    const QImage strip(programDir + QStringLiteral("tbar.bmp"));
    ASSERT_FALSE(strip.isNull());
    EXPECT_EQ(strip.height(), 16);
    EXPECT_EQ(strip.width() % 16, 0);
    EXPECT_GE(strip.width() / 16, 20);
    EXPECT_FALSE(strip.hasAlphaChannel());
    // Each button keeps some of the mask colour around its picture and has
    // a picture at all.
    for (int b = 0; b < strip.width() / 16; ++b) {
        int mask = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                mask += strip.pixel(b * 16 + x, y) == qRgb(192, 192, 192);
        EXPECT_GT(mask, 10) << "pulsante " << b;
        EXPECT_LT(mask, 240) << "pulsante " << b;
    }
}

TEST(Bitmaps, SplashLoads)
{
    const QImage splash(programDir + QStringLiteral("splash.bmp"));
    ASSERT_FALSE(splash.isNull());
    EXPECT_EQ(splash.size(), QSize(480, 300));
}

TEST(Bitmaps, PlacardBackgroundLeavesTheFreeAreaBlank)
{
    const QImage placard(programDir + QStringLiteral("cartello.bmp"));
    ASSERT_FALSE(placard.isNull());
    // The sheet is 297 x 210 mm; the free area of the default borders runs
    // from 145 to 277 mm across and from 10 to 100 mm down.
    EXPECT_NEAR(double(placard.width()) / placard.height(), 297.0 / 210.0, 0.002);
    const double pxPerMm = placard.width() / 297.0;
    int notWhite = 0;
    for (double y = 10.5; y < 100; y += 0.5)
        for (double x = 145.5; x < 277; x += 0.5)
            notWhite += placard.pixel(int(x * pxPerMm), int(y * pxPerMm)) != qRgb(255, 255, 255);
    EXPECT_EQ(notWhite, 0);
    // Beside it, the placard has its own design.
    int coloured = 0;
    for (double y = 5; y < 205; y += 1)
        coloured += placard.pixel(int(20 * pxPerMm), int(y * pxPerMm)) != qRgb(255, 255, 255);
    EXPECT_GT(coloured, 150);
}

TEST(Icons, EveryProgramAndDocumentKindHasItsIcon)
{
    for (const char *name : {"domora", "patchwell", "steward", "skyfetch", "chromatrix", "jotter",
                             "rubblefall", "documento-domora", "progetto-domora"}) {
        const QString base = programDir + QStringLiteral("icons/") + QString::fromLatin1(name);
        EXPECT_TRUE(QFile::exists(base + QStringLiteral(".svg"))) << name;
        const QImage icon(base + QStringLiteral(".png"));
        ASSERT_FALSE(icon.isNull()) << name;
        EXPECT_EQ(icon.size(), QSize(256, 256)) << name;
        EXPECT_TRUE(icon.hasAlphaChannel()) << name;
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << name; // rounded, not a square block
    }
}

} // namespace
