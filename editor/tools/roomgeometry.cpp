#include "editor/tools/roomgeometry.h"

#include "model/cdrawpoly.h"
#include "model/coordinates.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

using geokit::Point;
using geokit::PointF;

namespace editing {

namespace {

PointF pointF(double x, double y)
{
    return {static_cast<float>(x), static_cast<float>(y)};
}

Point truncated(PointF p)
{
    return {model::truncToInt(p.x), model::truncToInt(p.y)};
}

double distance(PointF a, PointF b)
{
    return std::hypot(double(b.x) - a.x, double(b.y) - a.y);
}

// The opening's extent along its wall, lower end first.
std::pair<qint64, qint64> extent(const Opening &o)
{
    const qint64 a = o.offset;
    const qint64 b = qint64(o.offset) + o.size;
    return {std::min(a, b), std::max(a, b)};
}

// Stretches the openings of a wall whose length went from `before` to `after`.
void stretchOpenings(SegmentStyle &segment, double before, double after)
{
    if (before <= 0.0 || after == before)
        return;
    const double ratio = after / before;
    for (Opening &o : segment.openings) {
        o.offset = model::truncToInt(std::lround(o.offset * ratio));
        o.size = model::truncToInt(std::lround(o.size * ratio));
    }
}

size_t wrap(int index, int count)
{
    return static_cast<size_t>(((index % count) + count) % count);
}

// Makes vertex `first` the room's first vertex; each edge keeps its style.
void rotateStart(RoomShape &shape, int first)
{
    std::rotate(shape.points.begin(), shape.points.begin() + first, shape.points.end());
    if (static_cast<int>(shape.segments.size()) == shape.count())
        std::rotate(shape.segments.begin(), shape.segments.begin() + first, shape.segments.end());
}

bool validSegment(const RoomShape &shape, int segment)
{
    return shape.count() >= 2 && segment >= 0 && segment < shape.count() &&
           static_cast<size_t>(segment) < shape.segments.size();
}

} // namespace

// ---- the shape ---------------------------------------------------------------

PointF RoomShape::start(int segment) const
{
    return points[wrap(segment, count())];
}

PointF RoomShape::end(int segment) const
{
    return points[wrap(segment + 1, count())];
}

double RoomShape::length(int segment) const
{
    if (count() < 2)
        return 0.0;
    return distance(start(segment), end(segment));
}

int RoomShape::lengthMm(int segment) const
{
    return std::abs(model::truncToInt(length(segment)));
}

RoomShape shapeOf(const CDrawPoly &room)
{
    RoomShape shape{room.points(), room.segmentStyles()};
    // One style per edge, whatever a file held.
    shape.segments.resize(shape.points.size());
    return shape;
}

void applyShape(CDrawPoly &room, RoomShape shape)
{
    room.setPoints(std::move(shape.points));
    room.setSegmentStyles(std::move(shape.segments));
}

PointF BoundsF::centre() const
{
    return pointF((left + right) / 2.0, (top + bottom) / 2.0);
}

BoundsF boundsOf(const std::vector<PointF> &points)
{
    if (points.empty())
        return {};
    BoundsF b{points[0].x, points[0].y, points[0].x, points[0].y};
    for (const PointF &p : points) {
        b.left = std::min(b.left, double(p.x));
        b.top = std::min(b.top, double(p.y));
        b.right = std::max(b.right, double(p.x));
        b.bottom = std::max(b.bottom, double(p.y));
    }
    return b;
}

// ---- doors and windows on their walls ------------------------------------------

bool fitOpening(Opening &o, int lengthMm)
{
    const auto [lo, hi] = extent(o);
    if (hi - lo > lengthMm)
        return false;
    qint64 shift = 0;
    if (lo < 0)
        shift = -lo;
    else if (hi > lengthMm)
        shift = lengthMm - hi;
    o.offset = static_cast<qint32>(o.offset + shift);
    return true;
}

int fitOpenings(RoomShape &shape)
{
    int removed = 0;
    const int n = std::min<int>(shape.count(), static_cast<int>(shape.segments.size()));
    for (int i = 0; i < n; ++i) {
        auto &openings = shape.segments[static_cast<size_t>(i)].openings;
        const int length = shape.lengthMm(i);
        const auto doomed = std::remove_if(openings.begin(), openings.end(),
                                           [length](Opening &o) { return !fitOpening(o, length); });
        removed += static_cast<int>(openings.end() - doomed);
        openings.erase(doomed, openings.end());
    }
    return removed;
}

bool openingsFit(const RoomShape &shape)
{
    const int n = std::min<int>(shape.count(), static_cast<int>(shape.segments.size()));
    for (int i = 0; i < n; ++i) {
        const int length = shape.lengthMm(i);
        for (const Opening &o : shape.segments[static_cast<size_t>(i)].openings) {
            const auto [lo, hi] = extent(o);
            if (lo < 0 || hi > length)
                return false;
        }
    }
    return true;
}

// ---- splitting and removing edges ------------------------------------------------

SegmentStyle splitOffStyle(const SegmentStyle &from)
{
    SegmentStyle s;
    s.enabled = from.enabled;
    s.width = from.width;
    s.brush = from.brush;
    return s;
}

void splitSegmentAt(RoomShape &shape, int segment, const std::vector<PointF> &cuts)
{
    if (!validSegment(shape, segment) || cuts.empty())
        return;
    const PointF a = shape.start(segment);
    const PointF b = shape.end(segment);
    const double length = distance(a, b);
    // Where each part begins, measured along the edge from its start.
    std::vector<double> begins{0.0};
    for (const PointF &p : cuts) {
        const double along = length > 0.0 ? ((double(p.x) - a.x) * (double(b.x) - a.x) +
                                             (double(p.y) - a.y) * (double(b.y) - a.y)) /
                                                length
                                          : 0.0;
        begins.push_back(along);
    }

    SegmentStyle &original = shape.segments[static_cast<size_t>(segment)];
    std::vector<SegmentStyle> parts(cuts.size() + 1, splitOffStyle(original));
    for (const Opening &o : original.openings) {
        const auto [lo, hi] = extent(o);
        const double middle = (double(lo) + double(hi)) / 2.0;
        size_t part = 0;
        while (part + 1 < begins.size() && middle >= begins[part + 1])
            ++part;
        Opening moved = o;
        moved.offset = model::truncToInt(std::lround(o.offset - begins[part]));
        parts[part].openings.push_back(moved);
    }
    parts[0].description = original.description;
    parts[0].highlighted = original.highlighted;

    const auto at = static_cast<size_t>(segment);
    shape.points.insert(shape.points.begin() + static_cast<std::ptrdiff_t>(at + 1), cuts.begin(),
                        cuts.end());
    shape.segments[at] = std::move(parts[0]);
    shape.segments.insert(shape.segments.begin() + static_cast<std::ptrdiff_t>(at + 1),
                          std::make_move_iterator(parts.begin() + 1),
                          std::make_move_iterator(parts.end()));
    fitOpenings(shape);
}

bool splitSegmentEqually(RoomShape &shape, int segment, int newVertices)
{
    if (!validSegment(shape, segment) || newVertices < 1)
        return false;
    const Point a = truncated(shape.start(segment));
    const Point b = truncated(shape.end(segment));
    const double length = std::hypot(double(b.x) - a.x, double(b.y) - a.y);
    if (length <= 0.0)
        return false;
    std::vector<PointF> cuts;
    for (int k = 1; k <= newVertices; ++k) {
        const Point p = geokit::ptNewDistance(a, b, k * length / (newVertices + 1));
        cuts.push_back(pointF(p.x, p.y));
    }
    splitSegmentAt(shape, segment, cuts);
    return true;
}

bool splitSegmentAtPoint(RoomShape &shape, int segment, Point point, int toleranceMm)
{
    if (!validSegment(shape, segment))
        return false;
    const Point a = truncated(shape.start(segment));
    const Point b = truncated(shape.end(segment));
    Point foot;
    double along = 0.0;
    if (!geokit::ptIntersectsLine(point, a, b, toleranceMm, foot, along))
        return false;
    if (foot == a || foot == b)
        return false;
    splitSegmentAt(shape, segment, {pointF(foot.x, foot.y)});
    return true;
}

bool deleteSegment(RoomShape &shape, int segment)
{
    if (!validSegment(shape, segment) || shape.count() <= 3)
        return false;
    // With the edge away from the end of the list, its end vertex follows it.
    if (segment == shape.count() - 1) {
        rotateStart(shape, 1);
        segment -= 1;
    }
    const int n = shape.count();
    const PointF before = shape.points[wrap(segment - 1, n)];
    const PointF a = shape.points[static_cast<size_t>(segment)];
    const PointF b = shape.points[static_cast<size_t>(segment + 1)];
    const PointF after = shape.points[wrap(segment + 2, n)];

    // The line of the previous edge, before + t (a - before), meets the line
    // of the next one, after + u (b - after); both must reach beyond their
    // outer vertex (t, u > 0) for the walls to meet there.
    const double d1x = double(a.x) - before.x, d1y = double(a.y) - before.y;
    const double d2x = double(b.x) - after.x, d2y = double(b.y) - after.y;
    const double denom = d1x * d2y - d1y * d2x;
    PointF meet = pointF((double(a.x) + b.x) / 2.0, (double(a.y) + b.y) / 2.0);
    if (std::abs(denom) > 1e-9) {
        const double ex = double(after.x) - before.x, ey = double(after.y) - before.y;
        const double t = (ex * d2y - ey * d2x) / denom;
        const double u = (ex * d1y - ey * d1x) / denom;
        const double x = before.x + t * d1x, y = before.y + t * d1y;
        if (t > 0.0 && u > 0.0 && model::isValidCoordinate(x) && model::isValidCoordinate(y))
            meet = pointF(x, y);
    }

    // The next edge now starts at the meeting point: its openings keep their
    // place on the sheet.
    SegmentStyle &next = shape.segments[static_cast<size_t>(segment + 1)];
    const double nextLength = distance(meet, after);
    if (nextLength > 0.0) {
        const double shift = ((double(b.x) - meet.x) * (double(after.x) - meet.x) +
                              (double(b.y) - meet.y) * (double(after.y) - meet.y)) /
                             nextLength;
        for (Opening &o : next.openings)
            o.offset = model::truncToInt(std::lround(o.offset + shift));
    }

    shape.points[static_cast<size_t>(segment)] = meet;
    shape.points.erase(shape.points.begin() + segment + 1);
    shape.segments.erase(shape.segments.begin() + segment);
    fitOpenings(shape);
    return true;
}

// ---- moving vertices ------------------------------------------------------------

bool alignVertices(RoomShape &shape, bool horizontal, int toleranceMm)
{
    bool moved = false;
    for (int i = 0; i + 1 < shape.count(); ++i) {
        PointF &current = shape.points[static_cast<size_t>(i)];
        PointF &next = shape.points[static_cast<size_t>(i + 1)];
        float &from = horizontal ? current.x : current.y;
        float &to = horizontal ? next.x : next.y;
        if (to != from && std::abs(double(to) - from) <= toleranceMm) {
            to = from;
            moved = true;
        }
    }
    if (moved)
        fitOpenings(shape);
    return moved;
}

bool alignToGrid(RoomShape &shape, int gridMm)
{
    if (gridMm <= 0)
        return false;
    bool moved = false;
    for (PointF &p : shape.points) {
        const PointF snapped = pointF(std::round(double(p.x) / gridMm) * gridMm,
                                      std::round(double(p.y) / gridMm) * gridMm);
        if (snapped != p) {
            p = snapped;
            moved = true;
        }
    }
    // A vertex on top of the one before leaves an edge of no length between
    // them: the vertex and that edge go, the wall after it keeps its style.
    for (int i = shape.count() - 1; i >= 1 && shape.count() > 3; --i) {
        if (shape.points[static_cast<size_t>(i)] == shape.points[static_cast<size_t>(i - 1)]) {
            shape.points.erase(shape.points.begin() + i);
            shape.segments.erase(shape.segments.begin() + i - 1);
        }
    }
    if (moved)
        fitOpenings(shape);
    return moved;
}

void rotateShape(RoomShape &shape, PointF centre, double angleDeg)
{
    for (PointF &p : shape.points)
        p = geokit::rotatePoint(p, centre, angleDeg);
    fitOpenings(shape);
}

void scaleShape(RoomShape &shape, PointF centre, double factor)
{
    if (!(factor > 0.0) || !std::isfinite(factor))
        return;
    for (PointF &p : shape.points)
        p = pointF(centre.x + (double(p.x) - centre.x) * factor,
                   centre.y + (double(p.y) - centre.y) * factor);
    for (SegmentStyle &s : shape.segments)
        stretchOpenings(s, 1.0, factor);
    fitOpenings(shape);
}

void mapShape(RoomShape &shape, const BoundsF &to)
{
    const BoundsF from = boundsOf(shape.points);
    const double sx = from.width() > 0.0 ? to.width() / from.width() : 1.0;
    const double sy = from.height() > 0.0 ? to.height() / from.height() : 1.0;
    std::vector<double> before;
    for (int i = 0; i < shape.count(); ++i)
        before.push_back(shape.length(i));
    for (PointF &p : shape.points)
        p = pointF(to.left + (double(p.x) - from.left) * sx,
                   to.top + (double(p.y) - from.top) * sy);
    const size_t n = std::min(shape.points.size(), shape.segments.size());
    for (size_t i = 0; i < n; ++i)
        stretchOpenings(shape.segments[i], before[i], shape.length(static_cast<int>(i)));
    fitOpenings(shape);
}

// ---- picking ----------------------------------------------------------------------

std::optional<SegmentHit> segmentAt(const RoomShape &shape, Point point, int toleranceMm,
                                    bool closed)
{
    std::optional<SegmentHit> best;
    double bestDistance = 0.0;
    const int edges = closed ? shape.count() : shape.count() - 1;
    for (int i = 0; i < edges && shape.count() >= 2; ++i) {
        const Point a = truncated(shape.start(i));
        const Point b = truncated(shape.end(i));
        Point foot;
        double along = 0.0;
        if (!geokit::ptIntersectsLine(point, a, b, toleranceMm, foot, along))
            continue;
        const double d = std::hypot(double(point.x) - foot.x, double(point.y) - foot.y);
        if (!best || d < bestDistance) {
            best = SegmentHit{i, along};
            bestDistance = d;
        }
    }
    return best;
}

int openingAt(const SegmentStyle &segment, double along)
{
    for (size_t i = 0; i < segment.openings.size(); ++i) {
        const auto [lo, hi] = extent(segment.openings[i]);
        if (along >= double(lo) && along <= double(hi))
            return static_cast<int>(i);
    }
    return -1;
}

OpeningEnd nearerEnd(const Opening &o, double along)
{
    const double start = o.offset;
    const double end = double(o.offset) + o.size;
    return std::abs(along - start) < std::abs(along - end) ? OpeningEnd::Start : OpeningEnd::End;
}

bool resizeOpening(Opening &o, OpeningEnd end, double along, int wallLengthMm)
{
    const qint64 position = model::truncToInt(along);
    Opening resized = o;
    if (end == OpeningEnd::End) {
        resized.size = static_cast<qint32>(position - o.offset);
    } else {
        const qint64 fixedEnd = qint64(o.offset) + o.size;
        resized.offset = static_cast<qint32>(position);
        resized.size = static_cast<qint32>(fixedEnd - position);
    }
    const auto [lo, hi] = extent(resized);
    if (lo < 0 || hi > wallLengthMm || std::abs(qint64(resized.size)) < 1)
        return false;
    if (resized == o)
        return false;
    o = resized;
    return true;
}

} // namespace editing
