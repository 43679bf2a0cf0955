#include "colourpicker/selectormodel.h"

#include <Qt>

#include <gtest/gtest.h>

using namespace colourpicker;

TEST(SelectorModel, AFlaggedModeAlwaysResetsThePosition)
{
    SelectorModel model;
    EXPECT_FALSE(model.setMode(modeR)); // the current mode, unflagged
    EXPECT_TRUE(model.setMode(modeMaxOnTop + modeH));
    EXPECT_EQ(model.mode(), modeH);
    EXPECT_EQ(model.ranges().zMax, 3599);
    ASSERT_TRUE(model.setColor(0xFF0000));
    // The same mode again, flagged: the stored mode has no flag, so it resets.
    EXPECT_TRUE(model.setMode(modeMaxOnTop + modeH));
    EXPECT_EQ(model.position(), Position{});
    EXPECT_EQ(model.color(), 0u);
    EXPECT_FALSE(model.setMode(modeH));
}

TEST(SelectorModel, UnknownModesAreIgnored)
{
    SelectorModel model;
    model.setMode(modeMaxOnTop + modeB);
    model.setColor(0x102030);
    for (int mode : {6, 7, modeMaxOnTop + 6, 0x7F})
        EXPECT_FALSE(model.setMode(mode)) << mode;
    EXPECT_EQ(model.mode(), modeB);
    EXPECT_EQ(model.color(), 0x102030u);
}

TEST(SelectorModel, SetColorReportsOnlyAMove)
{
    SelectorModel model;
    model.setMode(modeMaxOnTop + modeH);
    EXPECT_TRUE(model.setColor(0xFF0000));
    EXPECT_EQ(model.position(), (Position{2400, 1000, 1000}));
    EXPECT_FALSE(model.setColor(0xFF0000));
    // Black is the position after a mode change.
    model.setMode(modeMaxOnTop + modeS);
    EXPECT_FALSE(model.setColor(0));
}

TEST(SelectorModel, SetZChecksTheRangeOnly)
{
    SelectorModel model;
    model.setMode(modeMaxOnTop + modeH);
    EXPECT_TRUE(model.setZ(3599));
    EXPECT_TRUE(model.setZ(3599));
    EXPECT_FALSE(model.setZ(3600));
    EXPECT_FALSE(model.setZ(-1));
    EXPECT_EQ(model.position().z, 3599);
}

TEST(SelectorModel, PointerMapsTheAreaOntoTheRangesAndClamps)
{
    SelectorModel model;
    model.setMode(modeMaxOnTop + modeH);
    const QRect area(QPoint(3, 3), QPoint(99, 80)); // 97 × 78 pixels
    EXPECT_TRUE(model.moveToPoint({99, 3}, area));
    EXPECT_EQ(model.position().x, 1000);
    EXPECT_EQ(model.position().y, 1000);
    EXPECT_TRUE(model.moveToPoint({-50, 500}, area));
    EXPECT_EQ(model.position().x, 0);
    EXPECT_EQ(model.position().y, 0);
    EXPECT_FALSE(model.moveToPoint({3, 80}, area));
    // One pixel in: ceil(1 × 1000 / 96) and ceil(1 × 1000 / 77).
    EXPECT_TRUE(model.moveToPoint({4, 79}, area));
    EXPECT_EQ(model.position().x, 11);
    EXPECT_EQ(model.position().y, 13);
    // An area without span leaves that axis at 0.
    EXPECT_TRUE(model.moveToPoint({5, 5}, QRect(QPoint(5, 3), QPoint(5, 80))));
    EXPECT_EQ(model.position().x, 0);
}

TEST(SelectorModel, KeysMoveTheMarkerAndStopAtTheEdges)
{
    SelectorModel model;
    model.setMode(modeMaxOnTop + modeG);
    EXPECT_FALSE(model.moveByKey(Qt::Key_Left));
    EXPECT_FALSE(model.moveByKey(Qt::Key_Down));
    EXPECT_TRUE(model.moveByKey(Qt::Key_Right));
    EXPECT_TRUE(model.moveByKey(Qt::Key_Up));
    EXPECT_EQ(model.position(), (Position{0, 1, 1}));
    EXPECT_TRUE(model.moveByKey(Qt::Key_Home));
    EXPECT_EQ(model.position(), (Position{0, 0, 255}));
    EXPECT_FALSE(model.moveByKey(Qt::Key_Up));
    EXPECT_TRUE(model.moveByKey(Qt::Key_PageUp));
    EXPECT_EQ(model.position(), (Position{0, 255, 255}));
    EXPECT_FALSE(model.moveByKey(Qt::Key_Right));
    EXPECT_TRUE(model.moveByKey(Qt::Key_PageDown));
    EXPECT_EQ(model.position(), (Position{0, 255, 0}));
    EXPECT_TRUE(model.moveByKey(Qt::Key_End));
    EXPECT_EQ(model.position(), Position{});
    EXPECT_FALSE(model.moveByKey(Qt::Key_A));
}

TEST(SelectorModel, MarkerSitsAtThePositionWithYUpwards)
{
    SelectorModel model;
    model.setMode(modeMaxOnTop + modeR);
    const QRect area(QPoint(3, 3), QPoint(228, 243));
    EXPECT_EQ(model.markerCenter(area), QPoint(3, 243));
    model.moveByKey(Qt::Key_PageUp);
    EXPECT_EQ(model.markerCenter(area), QPoint(228, 3));
    model.setColor(makeColorRef(0, 51, 102)); // x = blue, y = green
    EXPECT_EQ(model.markerCenter(area), QPoint(3 + 225 * 102 / 255, 243 - 240 * 51 / 255));
}

TEST(SelectorModel, MarkerIsBlackWhenAnyChannelReaches128)
{
    EXPECT_FALSE(markerIsBlack(makeColorRef(127, 127, 127)));
    EXPECT_FALSE(markerIsBlack(0));
    EXPECT_TRUE(markerIsBlack(makeColorRef(0, 0, 128)));
    EXPECT_TRUE(markerIsBlack(makeColorRef(128, 0, 0)));
    EXPECT_TRUE(markerIsBlack(makeColorRef(0, 200, 0)));
}
