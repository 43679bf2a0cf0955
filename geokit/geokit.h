#pragma once

// Plane geometry on sheet coordinates: x to the right, y downwards.
//
// Angles passed in are degrees, angles returned are radians. A positive angle
// turns from the +x axis towards the +y axis, which on a y-down sheet is
// clockwise as seen on screen; calcSegmentAngle and rotatePoint use the same
// sense, so rotating a point by rad2deg(calcSegmentAngle(a, b)) lines it up
// with the segment a-b. Integer results are rounded to the nearest integer,
// halves away from zero.

#include <cstdint>

namespace geokit {

struct Point
{
    int x = 0;
    int y = 0;
    friend bool operator==(const Point &, const Point &) = default;
};

struct PointF
{
    float x = 0.0f;
    float y = 0.0f;
    friend bool operator==(const PointF &, const PointF &) = default;
};

struct Size
{
    int cx = 0;
    int cy = 0;
    friend bool operator==(const Size &, const Size &) = default;
};

// A rectangle with the Win32 semantics: right and bottom are exclusive, a
// rectangle is empty when right <= left or bottom <= top, and nothing is
// normalised behind the caller's back.
struct Rect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr Rect() = default;
    constexpr Rect(int l, int t, int r, int b) : left(l), top(t), right(r), bottom(b) {}
    constexpr Rect(Point topLeft, Point bottomRight)
        : left(topLeft.x), top(topLeft.y), right(bottomRight.x), bottom(bottomRight.y)
    {
    }

    [[nodiscard]] constexpr int width() const { return right - left; }
    [[nodiscard]] constexpr int height() const { return bottom - top; }
    [[nodiscard]] constexpr Size size() const { return {width(), height()}; }
    [[nodiscard]] constexpr Point topLeft() const { return {left, top}; }
    [[nodiscard]] constexpr Point bottomRight() const { return {right, bottom}; }
    [[nodiscard]] constexpr Point centerPoint() const
    {
        return {(left + right) / 2, (top + bottom) / 2};
    }
    [[nodiscard]] constexpr bool isEmpty() const { return right <= left || bottom <= top; }
    [[nodiscard]] constexpr bool isNull() const
    {
        return left == 0 && top == 0 && right == 0 && bottom == 0;
    }
    // True when the point lies inside; the right and bottom edges are outside.
    [[nodiscard]] constexpr bool contains(Point p) const
    {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }

    // Swaps the edges so that left <= right and top <= bottom.
    void normalize();
    void inflate(int dx, int dy);
    void inflate(int l, int t, int r, int b);
    void offset(int dx, int dy);
    // The common part of a and b, or an all-zero rectangle when they do not
    // overlap (touching edges do not overlap); returns whether it is non-empty.
    static bool intersect(Rect &out, const Rect &a, const Rect &b);
    // The smallest rectangle holding both; an empty operand is ignored.
    static Rect united(const Rect &a, const Rect &b);

    friend bool operator==(const Rect &, const Rect &) = default;
};

inline constexpr double pi = 3.14159265358979323846;

[[nodiscard]] double rad2deg(double radians);
[[nodiscard]] double deg2rad(double degrees);

// Direction of the segment from a to b in radians, in (-pi, pi]; 0 when a == b.
[[nodiscard]] double calcSegmentAngle(Point a, Point b);
[[nodiscard]] double calcSegmentAngle(PointF a, PointF b);

// The point at `distance` from `from` on the ray towards `toward`. When the
// two points coincide there is no direction and `from` is returned.
[[nodiscard]] Point ptNewDistance(Point from, Point toward, double distance);
[[nodiscard]] PointF ptNewDistance(PointF from, PointF toward, double distance);

// The point rotated about the centre by the angle in degrees.
[[nodiscard]] Point rotatePoint(Point p, Point centre, double degrees);
[[nodiscard]] PointF rotatePoint(PointF p, PointF centre, double degrees);

// The bounding rectangle of the rectangle's four corners after rotation
// about the centre; the result is normalised.
[[nodiscard]] Rect rotateRect(const Rect &r, Point centre, double degrees);

// Distance from the point to the segment a-b (to a when a == b).
[[nodiscard]] double distanceToSegment(PointF p, PointF a, PointF b);

// Non-zero when the point lies within `tolerance` of the segment a-b, the
// boundary included. A degenerate segment (a == b) is the point a.
[[nodiscard]] int ptIntersectsLine(Point p, Point a, Point b, int tolerance);
// As above; when it returns non-zero, `along` is the distance from a to the
// point's projection measured along the segment (clamped to the segment) and
// `foot` the projected point.
[[nodiscard]] int ptIntersectsLine(Point p, Point a, Point b, int tolerance, Point &foot,
                                   double &along);

// One component of the library version, part 0 (major) to 3 (build); 0 for
// any other part.
[[nodiscard]] long GetDllVersion_Geokit(int part);

[[nodiscard]] int roundToInt(double v);

} // namespace geokit
