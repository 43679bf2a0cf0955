#include "editor/tools/segmenttable.h"

#include "model/coordinates.h"

#include <QCoreApplication>

#include <cmath>
#include <cstdlib>

using geokit::Point;
using geokit::PointF;

namespace editing {

namespace {

Point truncated(PointF p)
{
    return {model::truncToInt(p.x), model::truncToInt(p.y)};
}

bool fits(const SegmentStyle &segment, double length)
{
    const int whole = std::abs(model::truncToInt(length));
    for (const Opening &o : segment.openings) {
        const qint64 a = o.offset, b = qint64(o.offset) + o.size;
        if (std::min(a, b) < 0 || std::max(a, b) > whole)
            return false;
    }
    return true;
}

} // namespace

int wallCount(const std::vector<PointF> &points, bool closed)
{
    const int n = static_cast<int>(points.size());
    if (n < 2)
        return 0;
    return closed ? n : n - 1;
}

double wallLength(const std::vector<PointF> &points, int segment)
{
    const int n = static_cast<int>(points.size());
    if (n < 2 || segment < 0 || segment >= n)
        return 0.0;
    const PointF a = points[static_cast<size_t>(segment)];
    const PointF b = points[static_cast<size_t>((segment + 1) % n)];
    return std::hypot(double(b.x) - a.x, double(b.y) - a.y);
}

std::vector<SegmentRow> segmentRows(const std::vector<PointF> &points,
                                    const std::vector<SegmentStyle> &segments, double scale,
                                    bool closed)
{
    std::vector<SegmentRow> rows;
    const int count = wallCount(points, closed);
    const int n = static_cast<int>(points.size());
    for (int i = 0; i < count; ++i) {
        const Point a = truncated(points[static_cast<size_t>(i)]);
        const Point b = truncated(points[static_cast<size_t>((i + 1) % n)]);
        const double length = wallLength(points, i);
        SegmentRow row;
        row.index = QCoreApplication::translate("editing", "%1 di %2").arg(i + 1).arg(count);
        if (static_cast<size_t>(i) < segments.size())
            row.description = segments[static_cast<size_t>(i)].description;
        row.position = QStringLiteral("(%1, %2) - (%3, %4)").arg(a.x).arg(a.y).arg(b.x).arg(b.y);
        row.sheetLength = formatLength(length);
        row.realLength = formatLength(length * scale);
        rows.push_back(std::move(row));
    }
    return rows;
}

QString formatLength(double value)
{
    return QString::asprintf("%5.2f", value);
}

double widthInUnit(double widthMm, WidthUnit unit, double scale)
{
    return unit == WidthUnit::RealM ? widthMm * scale : widthMm;
}

double widthFromUnit(double value, WidthUnit unit, double scale)
{
    if (unit == WidthUnit::RealM)
        return scale > 0.0 ? value / scale : value;
    return value;
}

double convertWidth(double value, WidthUnit from, WidthUnit to, double scale)
{
    return widthInUnit(widthFromUnit(value, from, scale), to, scale);
}

Point rotateSegmentEnd(Point start, Point end, double angleDeg)
{
    return geokit::rotatePoint(end, start, angleDeg);
}

Point segmentEndAtLength(Point start, Point end, double lengthMm)
{
    return geokit::ptNewDistance(start, end, lengthMm);
}

bool openingsFitAfterMove(const std::vector<PointF> &points,
                          const std::vector<SegmentStyle> &segments, int index, PointF to,
                          bool closed)
{
    const int n = static_cast<int>(points.size());
    if (index < 0 || index >= n)
        return true;
    std::vector<PointF> moved = points;
    moved[static_cast<size_t>(index)] = to;
    const int walls = wallCount(points, closed);
    for (const int wall : {index, closed ? (index + n - 1) % n : index - 1}) {
        if (wall < 0 || wall >= walls || static_cast<size_t>(wall) >= segments.size())
            continue;
        if (!fits(segments[static_cast<size_t>(wall)], wallLength(moved, wall)))
            return false;
    }
    return true;
}

} // namespace editing
