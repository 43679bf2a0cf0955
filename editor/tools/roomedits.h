#pragma once

#include "editor/tools/roomgeometry.h"

#include <functional>

class CDomoraDoc;
class CDrawPoly;

namespace editing {

// The room commands as document operations. Each records an undo step,
// changes the room, marks the document modified and repaints the room; when
// the edit does not apply (no such edge, a point off the edge, a room too
// small) it returns false and records and changes nothing. Every edit keeps
// one wall style per edge and every door and window wholly on its wall.

// Applies an edit of the outline; the edit returns false to change nothing.
// With the placement rules on, an outline that would leave the sheet is
// refused.
bool editRoom(CDomoraDoc &doc, CDrawPoly &room, const std::function<bool(RoomShape &)> &edit);

bool splitSegment(CDomoraDoc &doc, CDrawPoly &room, int segment, int newVertices);
bool splitSegmentAtPoint(CDomoraDoc &doc, CDrawPoly &room, int segment, geokit::Point point);
bool deleteSegment(CDomoraDoc &doc, CDrawPoly &room, int segment);
bool alignRoom(CDomoraDoc &doc, CDrawPoly &room, bool horizontal, int toleranceMm);
bool alignRoomToGrid(CDomoraDoc &doc, CDrawPoly &room, int gridMm);
// About the centre of the room's bounding box.
bool rotateRoom(CDomoraDoc &doc, CDrawPoly &room, double angleDeg);
bool scaleRoom(CDomoraDoc &doc, CDrawPoly &room, double factor);
bool resizeOpening(CDomoraDoc &doc, CDrawPoly &room, int segment, int opening, OpeningEnd end,
                   double along);

// Whether every vertex lies on the sheet (1 <= x < width, 1 <= y < height).
[[nodiscard]] bool onSheet(const CDomoraDoc &doc, const std::vector<geokit::PointF> &points);

} // namespace editing
