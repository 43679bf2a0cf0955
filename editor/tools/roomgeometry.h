#pragma once

#include "geokit/geokit.h"
#include "model/segmentstyle.h"

#include <optional>
#include <vector>

class CDrawPoly;

namespace editing {

// A room's outline and its walls as the geometric edits work on them:
// vertex i starts edge i, which ends at vertex i + 1 (the last edge closes
// the outline); one SegmentStyle per edge. Every edit keeps one style per
// edge and leaves each door and window lying wholly on its wall.
struct RoomShape
{
    std::vector<geokit::PointF> points;
    std::vector<SegmentStyle> segments;

    [[nodiscard]] int count() const { return static_cast<int>(points.size()); }
    [[nodiscard]] geokit::PointF start(int segment) const;
    [[nodiscard]] geokit::PointF end(int segment) const;
    // The edge's length, sheet millimetres.
    [[nodiscard]] double length(int segment) const;
    // As the doors and windows measure it: truncated to whole millimetres.
    [[nodiscard]] int lengthMm(int segment) const;
};

[[nodiscard]] RoomShape shapeOf(const CDrawPoly &room);
// Writes the outline and the walls back; the position follows the vertices.
void applyShape(CDrawPoly &room, RoomShape shape);

// The float bounding box of the vertices (left, top, right, bottom).
struct BoundsF
{
    double left = 0, top = 0, right = 0, bottom = 0;
    [[nodiscard]] double width() const { return right - left; }
    [[nodiscard]] double height() const { return bottom - top; }
    [[nodiscard]] geokit::PointF centre() const;
};
[[nodiscard]] BoundsF boundsOf(const std::vector<geokit::PointF> &points);

// Moves the opening back onto a wall `lengthMm` long when it sticks out; false
// when it is longer than the wall and cannot lie on it.
bool fitOpening(Opening &opening, int lengthMm);
// Fits every opening on its wall; the ones longer than their wall are
// removed. Returns how many were removed.
int fitOpenings(RoomShape &shape);
// Whether every opening lies wholly on its wall as it stands.
[[nodiscard]] bool openingsFit(const RoomShape &shape);

// The style of a wall made by splitting another: its flag, width and fill,
// no description, no openings.
[[nodiscard]] SegmentStyle splitOffStyle(const SegmentStyle &from);

// Inserts the points (lying on the edge, in order from its start) as new
// vertices of the edge. The first part keeps the edge's style; each door or
// window goes to the part its middle lies on, with its offset measured from
// that part's start.
void splitSegmentAt(RoomShape &shape, int segment, const std::vector<geokit::PointF> &cuts);
// N new vertices dividing the edge into N + 1 equal parts, computed on the
// edge's whole-millimetre end points.
bool splitSegmentEqually(RoomShape &shape, int segment, int newVertices);
// One new vertex where the point projects onto the edge (within
// `toleranceMm`); false when the point is not near the edge or projects onto
// one of its ends.
bool splitSegmentAtPoint(RoomShape &shape, int segment, geokit::Point point, int toleranceMm = 5);
// Removes the edge: its two neighbours meet where their lines cross (beyond
// their outer vertices), else at the middle of the removed edge. False for a
// room of three edges or fewer.
bool deleteSegment(RoomShape &shape, int segment);

// Walks the vertices 0 .. count - 2: a vertex whose x (horizontal) or y
// (vertical) lies within the tolerance of the one before takes that value;
// the closing edge is not examined. Returns whether a vertex moved.
bool alignVertices(RoomShape &shape, bool horizontal, int toleranceMm);
// Every vertex to the nearest grid point; vertices that then coincide with
// the one before merge (while three stay).
bool alignToGrid(RoomShape &shape, int gridMm);
// Turns the outline about the centre (degrees, clockwise on the sheet).
void rotateShape(RoomShape &shape, geokit::PointF centre, double angleDeg);
// Scales the outline about the centre; doors and windows grow with their walls.
void scaleShape(RoomShape &shape, geokit::PointF centre, double factor);
// Maps the outline from its bounding box onto another rectangle; doors and
// windows stretch with their walls.
void mapShape(RoomShape &shape, const BoundsF &to);

// The edge within the tolerance of the point (the nearest when several are),
// with the distance of the point's projection from the edge's start.
struct SegmentHit
{
    int segment = -1;
    double along = 0.0;
};
[[nodiscard]] std::optional<SegmentHit> segmentAt(const RoomShape &shape, geokit::Point point,
                                                  int toleranceMm = 5, bool closed = true);
// The opening of the edge that covers the position along it, or -1.
[[nodiscard]] int openingAt(const SegmentStyle &segment, double along);

// Which end of an opening a resize moves.
enum class OpeningEnd
{
    Start,
    End
};
// The end of the opening nearer the position along its wall.
[[nodiscard]] OpeningEnd nearerEnd(const Opening &opening, double along);
// Moves one end of the opening to the position along its wall, the other end
// staying; refused (false) when the opening would leave the wall or shrink
// below 1 mm.
bool resizeOpening(Opening &opening, OpeningEnd end, double along, int wallLengthMm);

} // namespace editing
