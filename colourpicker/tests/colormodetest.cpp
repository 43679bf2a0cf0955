#include "colourpicker/colormode.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace colourpicker;

TEST(ColorMode, RangesPerModeAndUnknownModes)
{
    for (int mode : {modeR, modeG, modeB}) {
        const ModeRanges r = *rangesOf(mode);
        EXPECT_EQ(r.zMax, 255);
        EXPECT_EQ(r.xMax, 255);
        EXPECT_EQ(r.yMax, 255);
    }
    EXPECT_EQ(rangesOf(modeH)->zMax, 3599);
    EXPECT_EQ(rangesOf(modeH)->xMax, 1000);
    EXPECT_EQ(rangesOf(modeS)->xMax, 3599);
    EXPECT_EQ(rangesOf(modeV)->zMax, 1000);
    EXPECT_EQ(rangesOf(modeV)->yMax, 1000);
    EXPECT_FALSE(rangesOf(6));
    EXPECT_FALSE(rangesOf(-1));
    EXPECT_FALSE(rangesOf(modeMaxOnTop + modeH));
}

TEST(ColorMode, RgbModesPlaceTheComponentsOnTheirAxes)
{
    const COLORREF color = makeColorRef(10, 20, 30);
    EXPECT_EQ(positionOfColor(modeR, color), (Position{10, 30, 20}));
    EXPECT_EQ(positionOfColor(modeG, color), (Position{20, 30, 10}));
    EXPECT_EQ(positionOfColor(modeB, color), (Position{30, 10, 20}));
    for (int mode : {modeR, modeG, modeB})
        EXPECT_EQ(colorOfPosition(mode, positionOfColor(mode, color)), color);
}

TEST(ColorMode, HsvModesPlaceHueSaturationAndValueOnTheirAxes)
{
    const COLORREF blue = 0xFF0000;
    EXPECT_EQ(positionOfColor(modeH, blue), (Position{2400, 1000, 1000}));
    EXPECT_EQ(positionOfColor(modeS, blue), (Position{1000, 2400, 1000}));
    EXPECT_EQ(positionOfColor(modeV, blue), (Position{1000, 2400, 1000}));

    const COLORREF green = makeColorRef(0, 255, 0);
    EXPECT_EQ(colorOfPosition(modeH, {1200, 1000, 1000}), green);
    EXPECT_EQ(colorOfPosition(modeS, {1000, 1200, 1000}), green);
    EXPECT_EQ(colorOfPosition(modeV, {1000, 1200, 1000}), green);
    // The y axis is value in H and S, saturation in V.
    EXPECT_EQ(colorOfPosition(modeH, {1200, 1000, 0}), 0u);
    EXPECT_EQ(colorOfPosition(modeV, {1000, 1200, 0}), makeColorRef(255, 255, 255));
}

// Every colour of the RGB cube placed on the grid of an HSV mode and read back
// differs by at most one step per channel.
TEST(ColorMode, WholeCubeComesBackThroughEachHsvGrid)
{
    for (int mode : {modeH, modeS, modeV}) {
        int worst = 0;
        for (int r = 0; r < 256; ++r)
            for (int g = 0; g < 256; ++g)
                for (int b = 0; b < 256; ++b) {
                    const COLORREF color = makeColorRef(r, g, b);
                    const Position p = positionOfColor(mode, color);
                    const ModeRanges ranges = *rangesOf(mode);
                    ASSERT_TRUE(p.z >= 0 && p.z <= ranges.zMax && p.x >= 0 && p.x <= ranges.xMax &&
                                p.y >= 0 && p.y <= ranges.yMax)
                        << mode << ": " << r << ' ' << g << ' ' << b;
                    const COLORREF back = colorOfPosition(mode, p);
                    const int d = std::max({std::abs(redOf(back) - r), std::abs(greenOf(back) - g),
                                            std::abs(blueOf(back) - b)});
                    worst = std::max(worst, d);
                    if (d > 1)
                        FAIL() << mode << ": " << r << ' ' << g << ' ' << b << " came back as "
                               << redOf(back) << ' ' << greenOf(back) << ' ' << blueOf(back);
                }
        EXPECT_LE(worst, 1) << mode;
    }
}
