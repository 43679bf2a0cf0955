#pragma once

#include "geokit/geokit.h"

#include <QString>

#include <memory>
#include <vector>

class CDrawOpenPath;
class CDrawPoly;

namespace editing {

// "Non puoi costruire una stanza con dimensioni nulle. ..." shown when a
// room is dragged with no width or no height.
[[nodiscard]] QString zeroSizeRoomMessage();

// Whether a drag from p0 to p1 (sheet millimetres) spans an area.
[[nodiscard]] bool hasArea(geokit::Point p0, geokit::Point p1);

// The four corners of the dragged rectangle, from the press point round.
[[nodiscard]] std::vector<geokit::PointF> rectangleVertices(geokit::Point p0, geokit::Point p1);

// The N vertices of a regular polygon dragged from p0 to p1: centre
// (x0 + |dx| / 2, y0 + |dy| / 2) in whole millimetres, the first vertex
// straight above the centre at |dy| / 2, each next one turned by 360 / N
// degrees about the centre.
[[nodiscard]] std::vector<geokit::PointF> regularPolygonVertices(geokit::Point p0, geokit::Point p1,
                                                                 int sides);

// A new room on the vertices, every wall with the default border.
[[nodiscard]] std::unique_ptr<CDrawPoly> makeRoom(const std::vector<geokit::PointF> &vertices);
// A new free-standing wall through the vertices, one default style per
// segment between two vertices.
[[nodiscard]] std::unique_ptr<CDrawOpenPath> makeWall(const std::vector<geokit::PointF> &vertices);

// Adds a vertex to a room being drawn, with its wall (default border).
void addRoomVertex(CDrawPoly &room, geokit::PointF vertex);
void addWallVertex(CDrawOpenPath &wall, geokit::PointF vertex);

} // namespace editing
