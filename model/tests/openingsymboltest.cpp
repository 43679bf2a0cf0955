#include "model/openingsymbol.h"

#include "graphics/context.h"
#include "graphics/hatch.h"
#include "graphics/recording.h"

#include <QLineF>

#include <gtest/gtest.h>

#include <cmath>

using graphics::Record;
using Op = graphics::Record::Op;

namespace {

// A door on the top wall of a 100 x 100 room, 20 mm wide, wall 4 mm.
OpeningSymbol doorOnTopWall(int type)
{
    OpeningSymbol s;
    s.type = type;
    s.start = QPointF(40, 0);
    s.end = QPointF(60, 0);
    s.wallWidth = 4.0;
    return s;
}

OrientationCheck topWallOfRoom(const OpeningSymbol &s)
{
    return {QPolygonF({{0, 0}, {100, 0}, {100, 100}, {0, 100}}), s.start, s.end};
}

graphics::Recording draw(const OpeningSymbol &s)
{
    graphics::Recording rec;
    graphics::Context ctx(rec);
    DrawOpeningSymbol(ctx, s);
    return rec;
}

double dot(QPointF a, QPointF b)
{
    return a.x() * b.x() + a.y() * b.y();
}

bool near(QPointF a, QPointF b, double tolerance = 1e-3)
{
    return QLineF(a, b).length() < tolerance;
}

} // namespace

TEST(OpeningSymbol, PlainOpeningIsTwoJambsAsLongAsTheWallIsWide)
{
    const auto rec = draw(doorOnTopWall(0));
    ASSERT_EQ(rec.size(), 2);
    for (const Record &r : rec.records()) {
        EXPECT_EQ(r.op, Op::Line);
        EXPECT_NEAR(r.length(), 4.0, 1e-4);
        EXPECT_NEAR(dot(r.points[1] - r.points[0], QPointF(1, 0)), 0.0, 1e-4); // across the wall
        EXPECT_DOUBLE_EQ(r.pen->width(), 1.0);
    }
    EXPECT_TRUE(near((rec.records()[0].points[0] + rec.records()[0].points[1]) / 2, {40, 0}));
    EXPECT_TRUE(near((rec.records()[1].points[0] + rec.records()[1].points[1]) / 2, {60, 0}));
}

TEST(OpeningSymbol, ArcKindsOfASingleLeafDoor)
{
    OpeningSymbol s = doorOnTopWall(1);
    s.arcKind = 0;
    auto rec = draw(s);
    EXPECT_EQ(rec.count(Op::Line), 3); // two jambs and the leaf
    EXPECT_EQ(rec.count(Op::Bezier), 0);
    const Record leaf = rec.records()[2];
    EXPECT_TRUE(near(leaf.points[0], {40, 0}));
    EXPECT_TRUE(near(leaf.points[1], {40, 20})); // standing open, as long as the opening
    EXPECT_DOUBLE_EQ(leaf.pen->width(), 0.5);

    s.arcKind = 2; // a straight chord from the far end to the leaf tip
    rec = draw(s);
    ASSERT_EQ(rec.count(Op::Line), 4);
    const Record chord = rec.records()[3];
    EXPECT_TRUE(near(chord.points[0], {60, 0}));
    EXPECT_TRUE(near(chord.points[1], {40, 20}));
    EXPECT_EQ(chord.pen->color(), s.arcColor);
    EXPECT_DOUBLE_EQ(chord.pen->width(), 0.4);
    EXPECT_EQ(chord.pen->dashStyle(), graphics::DashStyle::Dash);

    s.arcKind = 1; // a curve on the swing
    rec = draw(s);
    ASSERT_EQ(rec.count(Op::Bezier), 1);
    const Record arc = rec.ofOp(Op::Bezier).front();
    EXPECT_TRUE(near(arc.points[0], {60, 0}));
    EXPECT_TRUE(near(arc.points[3], {40, 20}));
    EXPECT_TRUE(
        near(arc.points[1], QPointF(40 + 20 * std::cos(M_PI / 6), 20 * std::sin(M_PI / 6))));
}

TEST(OpeningSymbol, OrientationCheckSwingsTheLeafToTheChosenSide)
{
    OpeningSymbol s = doorOnTopWall(1);
    s.arcKind = 0;
    s.orientation = topWallOfRoom(s);
    s.opensInwards = true;
    EXPECT_EQ(effectiveOpeningAngle(s), 0);
    EXPECT_TRUE(near(draw(s).records()[2].points[1], {40, 20})); // into the room (y down)

    s.opensInwards = false;
    EXPECT_EQ(effectiveOpeningAngle(s), 180);
    EXPECT_TRUE(near(draw(s).records()[2].points[1], {40, -20}));

    // An inverted opening swings to the other side.
    s.angle = 180;
    s.opensInwards = true;
    EXPECT_EQ(effectiveOpeningAngle(s), 180);
    EXPECT_TRUE(near(draw(s).records()[2].points[1], {40, -20}));

    // The same door on the bottom wall, running the other way, still opens inwards.
    OpeningSymbol bottom = s;
    bottom.angle = 0;
    bottom.start = QPointF(60, 100);
    bottom.end = QPointF(40, 100);
    bottom.orientation = topWallOfRoom(bottom);
    EXPECT_EQ(effectiveOpeningAngle(bottom), 0);
    EXPECT_TRUE(near(draw(bottom).records()[2].points[1], {60, 80}));
    bottom.start = QPointF(40, 100);
    bottom.end = QPointF(60, 100);
    bottom.orientation = topWallOfRoom(bottom);
    EXPECT_EQ(effectiveOpeningAngle(bottom), 180);
    EXPECT_TRUE(near(draw(bottom).records()[2].points[1], {40, 80}));

    // The page preview has no room and never turns the symbol.
    s.orientation.reset();
    s.angle = 0;
    s.opensInwards = false;
    EXPECT_EQ(effectiveOpeningAngle(s), 0);
    EXPECT_TRUE(near(draw(s).records()[2].points[1], {40, 20}));
}

TEST(OpeningSymbol, FlippedMovesTheHingeButKeepsTheSwingSide)
{
    OpeningSymbol s = doorOnTopWall(1);
    s.arcKind = 0;
    s.flipped = true;
    s.orientation = topWallOfRoom(s);
    const Record leaf = draw(s).records()[2];
    EXPECT_TRUE(near(leaf.points[0], {60, 0}));
    EXPECT_TRUE(near(leaf.points[1], {60, 20}));
}

TEST(OpeningSymbol, DoubleDoorsSplitTheOpeningBetweenTwoLeaves)
{
    for (int type : {2, 3}) {
        OpeningSymbol s = doorOnTopWall(type);
        const auto rec = draw(s);
        const auto lines = rec.ofOp(Op::Line);
        const auto arcs = rec.ofOp(Op::Bezier);
        ASSERT_EQ(lines.size(), 4u) << type;
        ASSERT_EQ(arcs.size(), 2u) << type;
        const double first = type == 2 ? 10.0 : 15.0;
        EXPECT_NEAR(lines[2].length(), first, 1e-4) << type;
        EXPECT_NEAR(lines[3].length(), 20.0 - first, 1e-4) << type;
        // Both leaves open to the same side, and the arcs meet where the leaves close.
        EXPECT_GT(lines[2].points[1].y(), 0);
        EXPECT_GT(lines[3].points[1].y(), 0);
        EXPECT_TRUE(near(arcs[0].points[0], {40 + first, 0}));
        EXPECT_TRUE(near(arcs[1].points[0], {40 + first, 0}));
    }
}

TEST(OpeningSymbol, BarsMarksAndWindowLines)
{
    OpeningSymbol fire = doorOnTopWall(4);
    fire.wallWidth = 6.0;
    const auto bar = draw(fire).records().back();
    EXPECT_EQ(bar.pen->color(), openingcolors::fireDoorBar);
    EXPECT_DOUBLE_EQ(bar.pen->width(), 2.0);
    EXPECT_NEAR(bar.length(), 20.0, 1e-4);
    EXPECT_EQ(draw(doorOnTopWall(5)).records().back().pen->color(), openingcolors::glassWallBar);

    const auto entrance = draw(doorOnTopWall(6)).ofOp(Op::Line);
    ASSERT_EQ(entrance.size(), 4u);
    EXPECT_EQ(entrance[2].pen->color(), openingcolors::entranceOuter);
    EXPECT_EQ(entrance[3].pen->color(), openingcolors::entranceInner);
    EXPECT_TRUE(near(entrance[2].points[0], {50, 0}));
    EXPECT_NEAR(entrance[2].points[1].x(), 50, 1e-4);
    EXPECT_LT(entrance[2].points[1].y() * entrance[3].points[1].y(), 0); // opposite sides

    const auto plain = draw(doorOnTopWall(7)).ofOp(Op::Line);
    ASSERT_EQ(plain.size(), 3u);
    EXPECT_TRUE(near(plain[2].points[1], {40, 20}));
    EXPECT_TRUE(near(plain[2].points[0], {40, -2}));

    const auto window = draw(doorOnTopWall(8)).ofOp(Op::Line);
    ASSERT_EQ(window.size(), 5u);
    EXPECT_NEAR(window[2].points[0].y(), 1.0, 1e-4);
    EXPECT_NEAR(window[3].points[0].y(), -1.0, 1e-4);
    EXPECT_NEAR(window[2].length(), 20.0, 1e-4);
    EXPECT_TRUE(near(window[4].points[0], {40, 0}));
}

TEST(OpeningSymbol, HighlightIsARedWaveAsWideAsTheWall)
{
    OpeningSymbol s = doorOnTopWall(0);
    s.highlighted = true;
    const auto rec = draw(s);
    ASSERT_EQ(rec.size(), 3);
    const Record mark = rec.records().back();
    EXPECT_EQ(mark.pen->brush(),
              graphics::Brush::hatch(static_cast<int>(graphics::HatchStyle::Wave), 0xFFFF0000,
                                     0x00000000));
    EXPECT_DOUBLE_EQ(mark.pen->width(), 4.0);
    EXPECT_NEAR(mark.length(), 20.0, 1e-4);
}
