#include "geokit.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace geokit {

int roundToInt(double v)
{
    if (!std::isfinite(v))
        return 0;
    const double r = std::round(v);
    if (r >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (r <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(r);
}

void Rect::normalize()
{
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
}

void Rect::inflate(int dx, int dy)
{
    inflate(dx, dy, dx, dy);
}

void Rect::inflate(int l, int t, int r, int b)
{
    left -= l;
    top -= t;
    right += r;
    bottom += b;
}

void Rect::offset(int dx, int dy)
{
    left += dx;
    right += dx;
    top += dy;
    bottom += dy;
}

bool Rect::intersect(Rect &out, const Rect &a, const Rect &b)
{
    const Rect r(std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                 std::min(a.bottom, b.bottom));
    if (a.isEmpty() || b.isEmpty() || r.isEmpty()) {
        out = Rect();
        return false;
    }
    out = r;
    return true;
}

Rect Rect::united(const Rect &a, const Rect &b)
{
    if (a.isEmpty())
        return b;
    if (b.isEmpty())
        return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

double rad2deg(double radians)
{
    return radians * 180.0 / pi;
}

double deg2rad(double degrees)
{
    return degrees * pi / 180.0;
}

double calcSegmentAngle(Point a, Point b)
{
    if (a == b)
        return 0.0;
    return std::atan2(static_cast<double>(b.y) - a.y, static_cast<double>(b.x) - a.x);
}

double calcSegmentAngle(PointF a, PointF b)
{
    if (a == b)
        return 0.0;
    return std::atan2(static_cast<double>(b.y) - a.y, static_cast<double>(b.x) - a.x);
}

namespace {

// Unit direction from a to b, or false when the points coincide.
bool direction(double ax, double ay, double bx, double by, double &ux, double &uy)
{
    const double dx = bx - ax;
    const double dy = by - ay;
    const double len = std::hypot(dx, dy);
    if (len == 0.0 || !std::isfinite(len))
        return false;
    ux = dx / len;
    uy = dy / len;
    return true;
}

void rotate(double x, double y, double cx, double cy, double degrees, double &ox, double &oy)
{
    // Quarter turns are exact so that perpendicular offsets never drift.
    double s = 0.0;
    double c = 1.0;
    const double q = std::fmod(degrees, 360.0);
    const double norm = q < 0 ? q + 360.0 : q;
    if (norm == 0.0) {
        s = 0.0, c = 1.0;
    } else if (norm == 90.0) {
        s = 1.0, c = 0.0;
    } else if (norm == 180.0) {
        s = 0.0, c = -1.0;
    } else if (norm == 270.0) {
        s = -1.0, c = 0.0;
    } else {
        const double rad = deg2rad(degrees);
        s = std::sin(rad);
        c = std::cos(rad);
    }
    const double dx = x - cx;
    const double dy = y - cy;
    ox = cx + dx * c - dy * s;
    oy = cy + dx * s + dy * c;
}

} // namespace

Point ptNewDistance(Point from, Point toward, double distance)
{
    double ux = 0, uy = 0;
    if (!direction(from.x, from.y, toward.x, toward.y, ux, uy))
        return from;
    return {roundToInt(from.x + ux * distance), roundToInt(from.y + uy * distance)};
}

PointF ptNewDistance(PointF from, PointF toward, double distance)
{
    double ux = 0, uy = 0;
    if (!direction(from.x, from.y, toward.x, toward.y, ux, uy))
        return from;
    return {static_cast<float>(from.x + ux * distance), static_cast<float>(from.y + uy * distance)};
}

Point rotatePoint(Point p, Point centre, double degrees)
{
    double x = 0, y = 0;
    rotate(p.x, p.y, centre.x, centre.y, degrees, x, y);
    return {roundToInt(x), roundToInt(y)};
}

PointF rotatePoint(PointF p, PointF centre, double degrees)
{
    double x = 0, y = 0;
    rotate(p.x, p.y, centre.x, centre.y, degrees, x, y);
    return {static_cast<float>(x), static_cast<float>(y)};
}

Rect rotateRect(const Rect &r, Point centre, double degrees)
{
    const Point corners[4] = {
        {r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}};
    Rect out;
    bool first = true;
    for (const Point &c : corners) {
        const Point p = rotatePoint(c, centre, degrees);
        if (first) {
            out = Rect(p.x, p.y, p.x, p.y);
            first = false;
            continue;
        }
        out.left = std::min(out.left, p.x);
        out.top = std::min(out.top, p.y);
        out.right = std::max(out.right, p.x);
        out.bottom = std::max(out.bottom, p.y);
    }
    return out;
}

namespace {

// Projection of p onto a-b: distance from a along the segment (clamped), the
// foot and the distance from p to the foot.
struct Projection
{
    double along = 0.0;
    double fx = 0.0;
    double fy = 0.0;
    double distance = 0.0;
};

Projection project(double px, double py, double ax, double ay, double bx, double by)
{
    Projection pr;
    const double dx = bx - ax;
    const double dy = by - ay;
    const double len = std::hypot(dx, dy);
    if (len == 0.0) {
        pr.fx = ax;
        pr.fy = ay;
    } else {
        const double t = std::clamp(((px - ax) * dx + (py - ay) * dy) / (len * len), 0.0, 1.0);
        pr.along = t * len;
        pr.fx = ax + t * dx;
        pr.fy = ay + t * dy;
    }
    pr.distance = std::hypot(px - pr.fx, py - pr.fy);
    return pr;
}

} // namespace

double distanceToSegment(PointF p, PointF a, PointF b)
{
    return project(p.x, p.y, a.x, a.y, b.x, b.y).distance;
}

int ptIntersectsLine(Point p, Point a, Point b, int tolerance)
{
    Point foot;
    double along = 0.0;
    return ptIntersectsLine(p, a, b, tolerance, foot, along);
}

int ptIntersectsLine(Point p, Point a, Point b, int tolerance, Point &foot, double &along)
{
    const Projection pr = project(p.x, p.y, a.x, a.y, b.x, b.y);
    // A hair of slack so that a point exactly on the boundary counts despite rounding.
    if (pr.distance > tolerance + 1e-9)
        return 0;
    foot = {roundToInt(pr.fx), roundToInt(pr.fy)};
    along = pr.along;
    return 1;
}

long GetDllVersion_Geokit(int part)
{
    static constexpr long version[4] = {1, 0, 0, 1};
    if (part < 0 || part > 3)
        return 0;
    return version[part];
}

} // namespace geokit
