#pragma once

#include "geokit/geokit.h"
#include "model/segmentstyle.h"

#include <QString>

#include <vector>

namespace editing {

// The texts of one row of the wall table: "%d di %d", the description,
// "(%d, %d) - (%d, %d)" with the end points truncated, and the lengths on
// the sheet and in reality, "%5.2f".
struct SegmentRow
{
    QString index;
    QString description;
    QString position;
    QString sheetLength;
    QString realLength;
};

// One row per wall. A closed outline (a room) has as many walls as vertices,
// the last running back to vertex 0; an open one (a free-standing wall) one
// fewer.
[[nodiscard]] int wallCount(const std::vector<geokit::PointF> &points, bool closed);
[[nodiscard]] std::vector<SegmentRow> segmentRows(const std::vector<geokit::PointF> &points,
                                                  const std::vector<SegmentStyle> &segments,
                                                  double scale, bool closed);
[[nodiscard]] double wallLength(const std::vector<geokit::PointF> &points, int segment);

// The units of the wall-width list.
enum class WidthUnit
{
    SheetMm = 0, // millimetres on the sheet
    RealM = 1    // metres in reality
};
// "%5.2f" of the width in the unit.
[[nodiscard]] QString formatLength(double value);
[[nodiscard]] double widthInUnit(double widthMm, WidthUnit unit, double scale);
[[nodiscard]] double widthFromUnit(double value, WidthUnit unit, double scale);
// A typed value carried over to the other unit (x scale towards metres,
// / scale back).
[[nodiscard]] double convertWidth(double value, WidthUnit from, WidthUnit to, double scale);

// The segment dialog's moves of the end vertex, on whole millimetres: turned
// about the start by the angle, or moved along the segment to the length.
[[nodiscard]] geokit::Point rotateSegmentEnd(geokit::Point start, geokit::Point end,
                                             double angleDeg);
[[nodiscard]] geokit::Point segmentEndAtLength(geokit::Point start, geokit::Point end,
                                               double lengthMm);

// Whether the doors and windows of the walls meeting at vertex `index` still
// fit when the vertex moves to `to`.
[[nodiscard]] bool openingsFitAfterMove(const std::vector<geokit::PointF> &points,
                                        const std::vector<SegmentStyle> &segments, int index,
                                        geokit::PointF to, bool closed);

} // namespace editing
