#include "colourpicker/slidermodel.h"

#include "colourpicker/colormode.h"

#include <Qt>

#include <gtest/gtest.h>

using namespace colourpicker;

TEST(SliderModel, ModeSetsRangeStepsAndStartValue)
{
    const struct
    {
        int mode;
        int maximum;
        int small;
        int page;
    } cases[] = {
        {modeR, 255, 1, 10},    {modeG, 255, 1, 10},    {modeB, 255, 1, 10},
        {modeH, 3599, 10, 100}, {modeS, 1000, 10, 100}, {modeV, 1000, 10, 100},
    };
    for (const auto &c : cases) {
        SliderModel flagged;
        flagged.setParam(0, 5);
        ASSERT_TRUE(flagged.setMode(modeMaxOnTop + c.mode));
        EXPECT_EQ(flagged.minimum(), 0);
        EXPECT_EQ(flagged.maximum(), c.maximum);
        EXPECT_EQ(flagged.smallStep(), c.small);
        EXPECT_EQ(flagged.pageStep(), c.page);
        EXPECT_EQ(flagged.value(), c.maximum); // component 0 at the bottom
        EXPECT_EQ(flagged.component(), 0);
        EXPECT_EQ(flagged.param(0), 0);

        SliderModel plain;
        plain.setMode(c.mode);
        EXPECT_EQ(plain.value(), 0);
    }
    SliderModel model;
    EXPECT_FALSE(model.setMode(6));
    EXPECT_FALSE(model.setMode(modeMaxOnTop + 6));
}

TEST(SliderModel, ValueIsCountedFromTheTopWithTheFlag)
{
    SliderModel model;
    model.setMode(modeMaxOnTop + modeH);
    EXPECT_TRUE(model.setValue(2400));
    EXPECT_EQ(model.value(), 1199);
    EXPECT_EQ(model.component(), 2400);
    EXPECT_FALSE(model.setValue(2400));
    EXPECT_TRUE(model.setValue(5000)); // clamped to the top
    EXPECT_EQ(model.value(), 0);

    model.setMode(modeS);
    EXPECT_TRUE(model.setValue(300));
    EXPECT_EQ(model.value(), 300);
    EXPECT_EQ(model.component(), 300);
}

TEST(SliderModel, ParamsTakeIndexZeroOrOneAndNoNegatives)
{
    SliderModel model;
    EXPECT_TRUE(model.setParam(1, 40));
    EXPECT_FALSE(model.setParam(1, 40));
    EXPECT_FALSE(model.setParam(1, -1));
    EXPECT_FALSE(model.setParam(2, 7));
    EXPECT_EQ(model.param(1), 40);
}

TEST(SliderModel, PointerRoundsToTheNearestValue)
{
    SliderModel model;
    model.setMode(modeMaxOnTop + modeR);
    // Bar rows 7 to 247: 240 rows for 255 values.
    EXPECT_TRUE(model.moveToY(0, 7, 247));
    EXPECT_EQ(model.value(), 0);
    EXPECT_EQ(model.component(), 255);
    EXPECT_TRUE(model.moveToY(127, 7, 247));
    EXPECT_EQ(model.value(), 128); // 120 / 240 × 255 = 127.5, rounded up
    EXPECT_TRUE(model.moveToY(900, 7, 247));
    EXPECT_EQ(model.value(), 255);
    EXPECT_FALSE(model.moveToY(247, 7, 247));
    EXPECT_TRUE(model.moveToY(40, 7, 7)); // a bar of one row
    EXPECT_EQ(model.value(), 0);
}

TEST(SliderModel, KeysWithTheMaximumOnTop)
{
    SliderModel model;
    model.setMode(modeMaxOnTop + modeH);
    model.setValue(2400);
    EXPECT_TRUE(model.moveByKey(Qt::Key_Up));
    EXPECT_EQ(model.component(), 2410);
    EXPECT_TRUE(model.moveByKey(Qt::Key_PageUp));
    EXPECT_EQ(model.component(), 2510);
    EXPECT_TRUE(model.moveByKey(Qt::Key_Down));
    EXPECT_TRUE(model.moveByKey(Qt::Key_Right));
    EXPECT_EQ(model.component(), 2490);
    EXPECT_TRUE(model.moveByKey(Qt::Key_PageDown));
    EXPECT_TRUE(model.moveByKey(Qt::Key_Left));
    EXPECT_EQ(model.component(), 2400);
    EXPECT_TRUE(model.moveByKey(Qt::Key_Home));
    EXPECT_EQ(model.component(), 3599);
    EXPECT_FALSE(model.moveByKey(Qt::Key_PageUp));
    EXPECT_TRUE(model.moveByKey(Qt::Key_End));
    EXPECT_EQ(model.component(), 0);
    EXPECT_FALSE(model.moveByKey(Qt::Key_Down));
    EXPECT_FALSE(model.moveByKey(Qt::Key_Tab));
}

TEST(SliderModel, ArrowAndGradientDirection)
{
    SliderModel model;
    model.setMode(modeMaxOnTop + modeH);
    model.setValue(2400);
    EXPECT_EQ(model.arrowY(7, 247), 7 + 1199 * 240 / 3599);
    EXPECT_FALSE(model.gradientReversed());
    model.setMode(modeH);
    EXPECT_EQ(model.arrowY(7, 247), 7);
    EXPECT_TRUE(model.gradientReversed());
}
