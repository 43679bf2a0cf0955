#include "colourpicker/colorconvert.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace colourpicker;

TEST(HsvToRgb, OutsideTheDomainGivesBlack)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(HsvToRgb(-0.1, 1, 1), 0u);
    EXPECT_EQ(HsvToRgb(360.1, 1, 1), 0u);
    EXPECT_EQ(HsvToRgb(120, 1.01, 1), 0u);
    EXPECT_EQ(HsvToRgb(120, 1, -0.01), 0u);
    EXPECT_EQ(HsvToRgb(nan, 1, 1), 0u);
    EXPECT_EQ(HsvToRgb(120, nan, 1), 0u);
}

TEST(HsvToRgb, PrimariesSecondariesAndTheWrapAt360)
{
    EXPECT_EQ(HsvToRgb(0, 1, 1), makeColorRef(255, 0, 0));
    EXPECT_EQ(HsvToRgb(360, 1, 1), makeColorRef(255, 0, 0));
    EXPECT_EQ(HsvToRgb(60, 1, 1), makeColorRef(255, 255, 0));
    EXPECT_EQ(HsvToRgb(120, 1, 1), makeColorRef(0, 255, 0));
    EXPECT_EQ(HsvToRgb(180, 1, 1), makeColorRef(0, 255, 255));
    EXPECT_EQ(HsvToRgb(240, 1, 1), 0xFF0000u);
    EXPECT_EQ(HsvToRgb(300, 1, 1), makeColorRef(255, 0, 255));
    EXPECT_EQ(HsvToRgb(330, 1, 1), makeColorRef(255, 0, 127)); // 127.5 goes down
}

TEST(HsvToRgb, GreyAndTheRoundingOfAnExactHalfDownward)
{
    // 0.5 × 255 = 127.5 lies exactly between two bytes and goes down.
    EXPECT_EQ(HsvToRgb(200, 0, 0.5), makeColorRef(127, 127, 127));
    EXPECT_EQ(HsvToRgb(200, 0, 0.502), makeColorRef(128, 128, 128));
    EXPECT_EQ(HsvToRgb(0, 0, 1), makeColorRef(255, 255, 255));
    EXPECT_EQ(HsvToRgb(0, 1, 0), 0u);
}

TEST(RgbToHsv, OutsideTheDomainGivesNothing)
{
    EXPECT_FALSE(RgbToHsv(-0.01, 0.5, 0.5));
    EXPECT_FALSE(RgbToHsv(0.5, 1.01, 0.5));
    EXPECT_FALSE(RgbToHsv(0.5, 0.5, std::numeric_limits<double>::quiet_NaN()));
}

TEST(RgbToHsv, BlackGreyAndHuesOfEachSector)
{
    const Hsv black = *RgbToHsv(0, 0, 0);
    EXPECT_EQ(black.h, 0);
    EXPECT_EQ(black.s, 0);
    EXPECT_EQ(black.v, 0);

    const Hsv grey = *RgbToHsv(0.4, 0.4, 0.4);
    EXPECT_EQ(grey.h, 0);
    EXPECT_EQ(grey.s, 0);
    EXPECT_DOUBLE_EQ(grey.v, 0.4);

    const Hsv blue = RgbToHsv(0xFF0000u);
    EXPECT_DOUBLE_EQ(blue.h, 240);
    EXPECT_DOUBLE_EQ(blue.s, 1);
    EXPECT_DOUBLE_EQ(blue.v, 1);

    EXPECT_DOUBLE_EQ(RgbToHsv(1, 0, 1)->h, 300); // negative before 360 is added
    EXPECT_DOUBLE_EQ(RgbToHsv(0, 1, 0.5)->h, 150);
    EXPECT_DOUBLE_EQ(RgbToHsv(1, 0.5, 0)->h, 30);
    const Hsv dull = *RgbToHsv(0.5, 0.25, 0.25);
    EXPECT_DOUBLE_EQ(dull.s, 0.5);
    EXPECT_DOUBLE_EQ(dull.v, 0.5);
}

TEST(RgbToHsv, BackThroughHsvToRgbGivesTheSameBytes)
{
    for (int r = 0; r < 256; r += 5)
        for (int g = 0; g < 256; g += 3)
            for (int b = 0; b < 256; b += 7) {
                const COLORREF color = makeColorRef(r, g, b);
                const Hsv hsv = RgbToHsv(color);
                ASSERT_EQ(HsvToRgb(hsv.h, hsv.s, hsv.v), color) << r << ' ' << g << ' ' << b;
            }
}
