#include "editinghelpers.h"

#include "editor/tools/roomcreation.h"
#include "editor/tools/roomgeometry.h"

#include <gtest/gtest.h>

using namespace editing;
using namespace editingtest;
using geokit::PointF;

namespace {

const Opening &openingOf(const RoomShape &s, int segment, int index = 0)
{
    return s.segments.at(static_cast<size_t>(segment)).openings.at(static_cast<size_t>(index));
}

void expectOneStylePerEdgeAndOpeningsOnTheirWalls(const RoomShape &s)
{
    EXPECT_EQ(s.segments.size(), s.points.size());
    EXPECT_TRUE(openingsFit(s));
}

} // namespace

TEST(SplitSegment, NewVerticesDivideTheEdgeIntoEqualParts)
{
    RoomShape s = shape({{0, 0}, {100, 0}, {100, 50}, {0, 50}});
    s.segments[0].width = 3.5f;
    s.segments[0].enabled = 0;
    s.segments[0].brush.hatchStyle = 7;
    s.segments[0].openings = {door(30, 10), door(20, 10)};
    ASSERT_TRUE(splitSegmentEqually(s, 0, 3));
    EXPECT_EQ(s.points, pts({{0, 0}, {25, 0}, {50, 0}, {75, 0}, {100, 0}, {100, 50}, {0, 50}}));
    expectOneStylePerEdgeAndOpeningsOnTheirWalls(s);
    // The first part keeps the edge's style; the new ones copy its flag,
    // width and fill with no description and no openings of their own.
    EXPECT_EQ(s.segments[0].description, "muro 1");
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(s.segments[i].description, "");
        EXPECT_EQ(s.segments[i].enabled, 0);
        EXPECT_FLOAT_EQ(s.segments[i].width, 3.5f);
        EXPECT_EQ(s.segments[i].brush, s.segments[0].brush);
    }
    EXPECT_EQ(s.segments[4].description, "muro 2");
    // 30..40 lies on the second part; 20..30 straddles the cut at 25 and
    // goes, whole, to the part holding its middle.
    ASSERT_EQ(s.segments[1].openings.size(), 2u);
    EXPECT_EQ(openingOf(s, 1, 0).offset, 5);
    EXPECT_EQ(openingOf(s, 1, 1).offset, 0);
    EXPECT_EQ(openingOf(s, 1, 1).size, 10);
    EXPECT_TRUE(s.segments[0].openings.empty());
}

TEST(SplitSegment, WorksOnTheWholeMillimetreEndsOfASlantedClosingEdge)
{
    RoomShape s = shape({{0.7f, 0.2f}, {60, 0}, {60.9f, 80.6f}});
    ASSERT_TRUE(splitSegmentEqually(s, 2, 1));
    ASSERT_EQ(s.count(), 4);
    // Between (60, 80) and (0, 0): the middle (30, 40).
    EXPECT_EQ(s.points[3], (PointF{30, 40}));
    EXPECT_FALSE(splitSegmentEqually(s, 7, 1));
    EXPECT_FALSE(splitSegmentEqually(s, 0, 0));
}

TEST(SplitSegmentAtPoint, OneVertexWhereTheClickProjects)
{
    RoomShape s = shape({{0, 0}, {100, 0}, {100, 50}, {0, 50}});
    s.segments[0].openings = {door(10, 10), door(60, 10)};
    EXPECT_FALSE(splitSegmentAtPoint(s, 0, {40, 20})); // too far from the wall
    EXPECT_FALSE(splitSegmentAtPoint(s, 0, {-2, 3}));  // onto the start vertex
    ASSERT_TRUE(splitSegmentAtPoint(s, 0, {40, 3}));
    EXPECT_EQ(s.points[1], (PointF{40, 0}));
    expectOneStylePerEdgeAndOpeningsOnTheirWalls(s);
    ASSERT_EQ(s.segments[0].openings.size(), 1u);
    EXPECT_EQ(openingOf(s, 0).offset, 10);
    ASSERT_EQ(s.segments[1].openings.size(), 1u);
    EXPECT_EQ(openingOf(s, 1).offset, 20);
}

TEST(DeleteSegment, NeighboursMeetWhereTheirLinesCross)
{
    // A cut corner: removing it brings the corner back.
    RoomShape s = shape({{0, 0}, {100, 0}, {100, 40}, {90, 50}, {0, 50}});
    s.segments[3].openings = {door(10, 20)}; // x 80 .. 60 on the bottom wall
    s.segments[1].openings = {door(30, 10)};
    ASSERT_TRUE(deleteSegment(s, 2));
    EXPECT_EQ(s.points, pts({{0, 0}, {100, 0}, {100, 50}, {0, 50}}));
    EXPECT_EQ(s.segments[1].description, "muro 2");
    EXPECT_EQ(s.segments[2].description, "muro 4");
    expectOneStylePerEdgeAndOpeningsOnTheirWalls(s);
    // The bottom wall now starts at x = 100: the door keeps its place.
    EXPECT_EQ(openingOf(s, 2).offset, 20);
    EXPECT_EQ(openingOf(s, 1).offset, 30);
}

TEST(DeleteSegment, ParallelNeighboursMeetInTheMiddleAndTheLastEdgeWraps)
{
    RoomShape s = shape({{0, 0}, {100, 0}, {100, 50}, {0, 50}});
    ASSERT_TRUE(deleteSegment(s, 0));
    EXPECT_EQ(s.points, pts({{50, 0}, {100, 50}, {0, 50}}));
    EXPECT_EQ(s.segments[0].description, "muro 2");
    EXPECT_EQ(s.segments[2].description, "muro 4");
    EXPECT_FALSE(deleteSegment(s, 0)); // a triangle keeps its three walls

    RoomShape last = shape({{0, 0}, {100, 0}, {100, 50}, {0, 50}});
    ASSERT_TRUE(deleteSegment(last, 3)); // the closing edge
    EXPECT_EQ(last.count(), 3);
    expectOneStylePerEdgeAndOpeningsOnTheirWalls(last);
    EXPECT_EQ(last.segments[0].description, "muro 2");
    EXPECT_EQ(last.segments[2].description, "muro 1");
    EXPECT_EQ(last.points, pts({{100, 0}, {100, 50}, {0, 25}}));
}

TEST(FitOpenings, MovedBackOntoTheWallOrRemovedWhenLongerThanIt)
{
    RoomShape s = shape({{0, 0}, {50, 0}, {50, 50}, {0, 50}});
    s.segments[0].openings = {door(45, 10), door(-3, 10), door(0, 60), door(20, -30)};
    EXPECT_EQ(fitOpenings(s), 1);
    ASSERT_EQ(s.segments[0].openings.size(), 3u);
    EXPECT_EQ(openingOf(s, 0, 0).offset, 40);
    EXPECT_EQ(openingOf(s, 0, 1).offset, 0);
    EXPECT_EQ(openingOf(s, 0, 2).offset, 30); // 30 .. 0
    EXPECT_EQ(openingOf(s, 0, 2).size, -30);
}

TEST(Align, RunsOfNearlyEqualCoordinatesTakeTheFirst)
{
    RoomShape s = shape({{10, 0}, {13, 20}, {17, 40}, {40, 60}});
    ASSERT_TRUE(alignVertices(s, true, 5));
    EXPECT_EQ(s.points, pts({{10, 0}, {10, 20}, {17, 40}, {40, 60}}));
    RoomShape v = shape({{0, 10}, {20, 12}, {40, 13}, {60, 90}});
    ASSERT_TRUE(alignVertices(v, false, 3));
    EXPECT_EQ(v.points, pts({{0, 10}, {20, 10}, {40, 10}, {60, 90}}));
    // The closing edge is not examined.
    RoomShape c = shape({{10, 0}, {50, 0}, {50, 50}, {12, 50}});
    EXPECT_FALSE(alignVertices(c, true, 1));
}

TEST(AlignToGrid, VerticesSnapAndCoincidingOnesMerge)
{
    RoomShape s = shape({{11, 12}, {49, 9}, {52, 48}, {8, 51}});
    ASSERT_TRUE(alignToGrid(s, 10));
    EXPECT_EQ(s.points, pts({{10, 10}, {50, 10}, {50, 50}, {10, 50}}));

    RoomShape m = shape({{11, 12}, {12, 9}, {49, 9}, {52, 48}, {8, 51}});
    ASSERT_TRUE(alignToGrid(m, 10));
    EXPECT_EQ(m.points, pts({{10, 10}, {50, 10}, {50, 50}, {10, 50}}));
    expectOneStylePerEdgeAndOpeningsOnTheirWalls(m);
    // The edge of no length went; the wall after it kept its style.
    EXPECT_EQ(m.segments[0].description, "muro 2");
}

TEST(RotateAndScale, OpeningsStayOnTheirWallsAndScaleWithThem)
{
    RoomShape s = shape({{0, 0}, {100, 0}, {100, 50}, {0, 50}});
    s.segments[0].openings = {door(40, 20)};
    rotateShape(s, boundsOf(s.points).centre(), 90);
    EXPECT_EQ(s.points, pts({{75, -25}, {75, 75}, {25, 75}, {25, -25}}));
    EXPECT_EQ(openingOf(s, 0).offset, 40);

    scaleShape(s, boundsOf(s.points).centre(), 0.5);
    EXPECT_EQ(s.points, pts({{62.5f, 0}, {62.5f, 50}, {37.5f, 50}, {37.5f, 0}}));
    EXPECT_EQ(openingOf(s, 0).offset, 20);
    EXPECT_EQ(openingOf(s, 0).size, 10);
    expectOneStylePerEdgeAndOpeningsOnTheirWalls(s);
}

TEST(MapShape, OpeningsStretchWithTheirWalls)
{
    RoomShape s = shape({{0, 0}, {100, 0}, {100, 50}, {0, 50}});
    s.segments[0].openings = {door(40, 20)};
    s.segments[1].openings = {door(10, 20)};
    mapShape(s, {10, 10, 60, 110});
    EXPECT_EQ(s.points, pts({{10, 10}, {60, 10}, {60, 110}, {10, 110}}));
    EXPECT_EQ(openingOf(s, 0).offset, 20);
    EXPECT_EQ(openingOf(s, 0).size, 10);
    EXPECT_EQ(openingOf(s, 1).offset, 20);
    EXPECT_EQ(openingOf(s, 1).size, 40);
}

TEST(ResizeOpening, OneEndFollowsTheMouseTheOtherStays)
{
    Opening o = door(10, 20);
    EXPECT_EQ(nearerEnd(o, 28), OpeningEnd::End);
    EXPECT_EQ(nearerEnd(o, 12), OpeningEnd::Start);
    ASSERT_TRUE(resizeOpening(o, OpeningEnd::End, 50.7, 100));
    EXPECT_EQ(o.offset, 10);
    EXPECT_EQ(o.size, 40);
    ASSERT_TRUE(resizeOpening(o, OpeningEnd::Start, 5, 100));
    EXPECT_EQ(o.offset, 5);
    EXPECT_EQ(o.size, 45);
    EXPECT_FALSE(resizeOpening(o, OpeningEnd::End, 120, 100)); // off the wall
    EXPECT_FALSE(resizeOpening(o, OpeningEnd::End, 5, 100));   // no length left
    EXPECT_EQ(o.size, 45);
    // Dragged past the other end, the opening runs the other way.
    ASSERT_TRUE(resizeOpening(o, OpeningEnd::Start, 70, 100));
    EXPECT_EQ(o.offset, 70);
    EXPECT_EQ(o.size, -20);
}

TEST(Picking, NearestWallAndTheOpeningUnderThePoint)
{
    RoomShape s = shape({{0, 0}, {100, 0}, {100, 50}, {0, 50}});
    s.segments[1].openings = {door(10, 20)};
    const auto hit = segmentAt(s, {98, 20});
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->segment, 1);
    EXPECT_DOUBLE_EQ(hit->along, 20);
    EXPECT_EQ(openingAt(s.segments[1], hit->along), 0);
    EXPECT_EQ(openingAt(s.segments[1], 35), -1);
    EXPECT_FALSE(segmentAt(s, {50, 25}));
    // Near a corner the nearer wall wins.
    EXPECT_EQ(segmentAt(s, {97, 1})->segment, 0);
    EXPECT_EQ(segmentAt(s, {99, 4})->segment, 1);
    // An open outline has no closing edge.
    EXPECT_FALSE(segmentAt(s, {0, 25}, 5, false));
}

TEST(RoomCreation, RegularPolygonFromTheDrag)
{
    const auto triangle = regularPolygonVertices({10, 10}, {50, 70}, 3);
    ASSERT_EQ(triangle.size(), 3u);
    EXPECT_EQ(triangle[0], (PointF{30, 10}));
    for (const PointF &p : triangle)
        EXPECT_NEAR(std::hypot(p.x - 30.0, p.y - 40.0), 30.0, 1.0);
    // Dragged from right to left, the centre still lies at x0 + |dx| / 2.
    EXPECT_EQ(regularPolygonVertices({50, 10}, {10, 70}, 3)[0], (PointF{70, 10}));
    EXPECT_EQ(regularPolygonVertices({0, 0}, {100, 100}, 30).size(), 30u);

    EXPECT_FALSE(hasArea({5, 5}, {5, 40}));
    EXPECT_FALSE(hasArea({5, 5}, {40, 5}));
    EXPECT_EQ(rectangleVertices({40, 30}, {10, 5}), pts({{40, 30}, {10, 30}, {10, 5}, {40, 5}}));

    const auto room = makeRoom(rectangleVertices({10, 10}, {60, 40}));
    EXPECT_EQ(room->segmentStyles().size(), 4u);
    EXPECT_EQ(room->position(), (geokit::Rect{10, 10, 60, 40}));
    const SegmentStyle &wall = room->segmentStyles()[0];
    EXPECT_EQ(wall.brush.fillKind, BrushStyle::fillHatch);
    EXPECT_EQ(wall.brush.solidColor, 0xFF7F7F7Fu);
    EXPECT_EQ(wall.brush.color1, 0xFF000000u);
    EXPECT_EQ(wall.brush.color2, 0xFFFFFFFFu);
    EXPECT_FLOAT_EQ(wall.width, 2.0f);
    EXPECT_EQ(wall.enabled, 1);
}
