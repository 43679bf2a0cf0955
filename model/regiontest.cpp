#include "regiontest.h"

#include <algorithm>
#include <cmath>

namespace model::region {

namespace {

// The closed box of the pixel centres of a rectangle; empty when it has none.
struct Box
{
    double x0, y0, x1, y1;
    [[nodiscard]] bool empty() const { return x1 < x0 || y1 < y0; }
};

Box centres(const geokit::Rect &r)
{
    return {r.left + 0.5, r.top + 0.5, r.right - 0.5, r.bottom - 0.5};
}

bool boxesTouch(const Box &a, const Box &b)
{
    return a.x0 <= b.x1 && b.x0 <= a.x1 && a.y0 <= b.y1 && b.y0 <= a.y1;
}

// Whether the box meets the ellipse with centre (cx, cy) and radii rx, ry.
bool boxTouchesEllipse(const Box &box, double cx, double cy, double rx, double ry)
{
    if (rx <= 0 || ry <= 0)
        return false;
    const double nx = (std::clamp(cx, box.x0, box.x1) - cx) / rx;
    const double ny = (std::clamp(cy, box.y0, box.y1) - cy) / ry;
    return nx * nx + ny * ny <= 1.0;
}

bool pointInPolygon(double x, double y, const std::vector<geokit::PointF> &poly)
{
    bool inside = false;
    const size_t n = poly.size();
    for (size_t i = 0, j = n - 1; i < n; j = i++) {
        const double xi = poly[i].x, yi = poly[i].y;
        const double xj = poly[j].x, yj = poly[j].y;
        if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi)
            inside = !inside;
    }
    return inside;
}

// Liang-Barsky clipping: whether the segment a-b meets the closed box.
bool segmentTouchesBox(double ax, double ay, double bx, double by, const Box &box)
{
    double t0 = 0.0, t1 = 1.0;
    const double dx = bx - ax, dy = by - ay;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {ax - box.x0, box.x1 - ax, ay - box.y0, box.y1 - ay};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    return true;
}

} // namespace

bool rectTouchesEllipse(const geokit::Rect &test, const geokit::Rect &bounds)
{
    const Box box = centres(test);
    if (box.empty())
        return false;
    return boxTouchesEllipse(box, (bounds.left + bounds.right) / 2.0,
                             (bounds.top + bounds.bottom) / 2.0, bounds.width() / 2.0,
                             bounds.height() / 2.0);
}

bool rectTouchesRoundRect(const geokit::Rect &test, const geokit::Rect &bounds, int cornerW,
                          int cornerH)
{
    const Box box = centres(test);
    if (box.empty() || bounds.isEmpty())
        return false;
    const double rx = std::clamp(std::abs(cornerW) / 2.0, 0.0, bounds.width() / 2.0);
    const double ry = std::clamp(std::abs(cornerH) / 2.0, 0.0, bounds.height() / 2.0);
    const double l = bounds.left, t = bounds.top, r = bounds.right, b = bounds.bottom;
    // The cross of two bands plus four corner ellipses.
    if (boxesTouch(box, {l, t + ry, r, b - ry}) || boxesTouch(box, {l + rx, t, r - rx, b}))
        return true;
    return boxTouchesEllipse(box, l + rx, t + ry, rx, ry) ||
           boxTouchesEllipse(box, r - rx, t + ry, rx, ry) ||
           boxTouchesEllipse(box, l + rx, b - ry, rx, ry) ||
           boxTouchesEllipse(box, r - rx, b - ry, rx, ry);
}

bool rectTouchesPolygon(const geokit::Rect &test, const std::vector<geokit::PointF> &polygon)
{
    const Box box = centres(test);
    if (box.empty() || polygon.size() < 3)
        return false;
    if (pointInPolygon(box.x0, box.y0, polygon) || pointInPolygon(box.x1, box.y0, polygon) ||
        pointInPolygon(box.x0, box.y1, polygon) || pointInPolygon(box.x1, box.y1, polygon))
        return true;
    const size_t n = polygon.size();
    for (size_t i = 0, j = n - 1; i < n; j = i++) {
        if (segmentTouchesBox(polygon[j].x, polygon[j].y, polygon[i].x, polygon[i].y, box))
            return true;
    }
    return false;
}

} // namespace model::region
