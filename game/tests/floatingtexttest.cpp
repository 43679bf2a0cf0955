#include "game/floatingtext.h"

#include <gtest/gtest.h>

using namespace game;

namespace {

TEST(FloatingText, RisesWobblesFadesAndHides)
{
    FloatingText text;
    text.start(QStringLiteral("+9"), {100, 200});
    EXPECT_TRUE(text.isVisible());
    EXPECT_EQ(text.grey(), 255);

    // Counter 10 (even): +4 sideways; grey 300 counts as 255.
    ASSERT_TRUE(text.tick());
    EXPECT_EQ(text.pos(), QPoint(104, 195));
    EXPECT_EQ(text.grey(), 255);
    // Counter 9 (odd): -1 sideways; grey 275 -> 255. Counter 8: grey 250.
    ASSERT_TRUE(text.tick());
    EXPECT_EQ(text.pos(), QPoint(103, 190));
    ASSERT_TRUE(text.tick());
    EXPECT_EQ(text.grey(), 250);
    int ticks = 3;
    while (text.tick())
        ++ticks;
    EXPECT_EQ(ticks, 10) << "ten moves, then the eleventh tick hides it";
    EXPECT_FALSE(text.isVisible());
    EXPECT_EQ(text.pos(), QPoint(100 + 5 * 4 - 5, 200 - 50));
}

TEST(FloatingText, ANewTextTakesOverTheRunningCount)
{
    FloatingText text;
    text.start(QStringLiteral("+9"), {0, 0});
    for (int i = 0; i < 7; ++i)
        ASSERT_TRUE(text.tick());
    text.start(QStringLiteral("+16"), {50, 50});
    EXPECT_EQ(text.text(), QStringLiteral("+16"));
    EXPECT_EQ(text.grey(), 255);
    int ticks = 0;
    while (text.tick())
        ++ticks;
    EXPECT_EQ(ticks, 3);
    // After the count ran out, the next text floats the whole way again.
    text.start(QStringLiteral("+25"), {0, 0});
    ticks = 0;
    while (text.tick())
        ++ticks;
    EXPECT_EQ(ticks, 10);
}

} // namespace
