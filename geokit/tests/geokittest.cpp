#include "geokit/geokit.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace geokit;

TEST(SegmentGeometry, HalfLengthGivesMidpoint)
{
    const Point a{10, 20}, b{110, 20};
    EXPECT_EQ(ptNewDistance(a, b, 50.0), (Point{60, 20}));
    const PointF fa{0, 0}, fb{30, 40};
    const PointF mid = ptNewDistance(fa, fb, 25.0);
    EXPECT_FLOAT_EQ(mid.x, 15.0f);
    EXPECT_FLOAT_EQ(mid.y, 20.0f);
}

TEST(SegmentGeometry, NinetyAndTwoSeventyGiveOppositePerpendicularSides)
{
    // A wall edge: step one wall width along the segment, then rotate that point
    // about the start by 90 and 270 degrees to reach both sides of the wall.
    const Point a{100, 100}, b{200, 100};
    const Point step = ptNewDistance(a, b, 12.0);
    const Point side1 = rotatePoint(step, a, 90.0);
    const Point side2 = rotatePoint(step, a, 270.0);
    EXPECT_EQ(side1, (Point{100, 112}));
    EXPECT_EQ(side2, (Point{100, 88}));

    // The same holds for a slanted wall, in floating point.
    const PointF fa{0, 0}, fb{3, 4};
    const PointF fstep = ptNewDistance(fa, fb, 5.0);
    const PointF s1 = rotatePoint(fstep, fa, 90.0);
    const PointF s2 = rotatePoint(fstep, fa, 270.0);
    EXPECT_NEAR(s1.x * 3 + s1.y * 4, 0.0, 1e-4); // perpendicular to the wall
    EXPECT_NEAR(s1.x, -s2.x, 1e-5);
    EXPECT_NEAR(s1.y, -s2.y, 1e-5);
    EXPECT_NEAR(std::hypot(s1.x, s1.y), 5.0, 1e-4);
}

TEST(SegmentGeometry, AngleAndRotationShareOneSense)
{
    const Point a{0, 0}, b{0, 10}; // straight down on the sheet
    EXPECT_DOUBLE_EQ(rad2deg(calcSegmentAngle(a, b)), 90.0);
    EXPECT_EQ(rotatePoint(Point{10, 0}, a, rad2deg(calcSegmentAngle(a, b))), (Point{0, 10}));
    EXPECT_DOUBLE_EQ(calcSegmentAngle(a, a), 0.0);
    EXPECT_DOUBLE_EQ(rad2deg(calcSegmentAngle(PointF{0, 0}, PointF{-1, 0})), 180.0);
}

TEST(SegmentGeometry, DegenerateRayStaysAtItsStart)
{
    EXPECT_EQ(ptNewDistance(Point{5, 5}, Point{5, 5}, 10.0), (Point{5, 5}));
}

TEST(RectRotation, QuarterTurnSwapsExtentsAboutCentre)
{
    const Rect r(0, 0, 40, 20);
    const Rect rotated = rotateRect(r, r.centerPoint(), 90.0);
    EXPECT_EQ(rotated, Rect(10, -10, 30, 30));
    EXPECT_EQ(rotateRect(r, r.centerPoint(), 360.0), r);
}

TEST(PointOnLine, ProjectionGivesFootAndAlongDistance)
{
    Point foot;
    double along = -1;
    ASSERT_TRUE(ptIntersectsLine(Point{30, 103}, Point{10, 100}, Point{110, 100}, 5, foot, along));
    EXPECT_EQ(foot, (Point{30, 100}));
    EXPECT_DOUBLE_EQ(along, 20.0);
}

TEST(PointOnLine, ToleranceBoundaryIsInclusive)
{
    const Point a{0, 0}, b{100, 0};
    EXPECT_TRUE(ptIntersectsLine(Point{50, 5}, a, b, 5));
    EXPECT_FALSE(ptIntersectsLine(Point{50, 6}, a, b, 5));
    // Beyond the end the distance is to the end point.
    EXPECT_TRUE(ptIntersectsLine(Point{103, 4}, a, b, 5));
    EXPECT_FALSE(ptIntersectsLine(Point{104, 4}, a, b, 5));
}

TEST(PointOnLine, DegenerateSegmentIsItsPoint)
{
    Point foot;
    double along = -1;
    EXPECT_TRUE(ptIntersectsLine(Point{3, 4}, Point{0, 0}, Point{0, 0}, 5, foot, along));
    EXPECT_EQ(foot, (Point{0, 0}));
    EXPECT_DOUBLE_EQ(along, 0.0);
    EXPECT_FALSE(ptIntersectsLine(Point{4, 4}, Point{0, 0}, Point{0, 0}, 5));
}

TEST(Rectangles, Win32Semantics)
{
    Rect r(10, 10, 0, 0);
    EXPECT_TRUE(r.isEmpty());
    r.normalize();
    EXPECT_EQ(r, Rect(0, 0, 10, 10));
    EXPECT_TRUE(r.contains({0, 0}));
    EXPECT_FALSE(r.contains({10, 5})); // right edge is outside

    Rect out;
    EXPECT_FALSE(Rect::intersect(out, Rect(0, 0, 10, 10), Rect(10, 0, 20, 10))); // touching
    EXPECT_EQ(out, Rect());
    EXPECT_TRUE(Rect::intersect(out, Rect(0, 0, 10, 10), Rect(5, 5, 20, 20)));
    EXPECT_EQ(out, Rect(5, 5, 10, 10));

    r.inflate(2, 3);
    EXPECT_EQ(r, Rect(-2, -3, 12, 13));
    r.offset(2, 3);
    EXPECT_EQ(r, Rect(0, 0, 14, 16));
    EXPECT_EQ(Rect::united(Rect(), r), r);
}

TEST(Version, PartsAndOutOfRange)
{
    EXPECT_EQ(GetDllVersion_Geokit(0), 1);
    EXPECT_EQ(GetDllVersion_Geokit(4), 0);
    EXPECT_EQ(GetDllVersion_Geokit(-1), 0);
}
