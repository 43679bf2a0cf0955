#include "editor/tools/roomcreation.h"

#include "editor/tools/roompresets.h"
#include "model/cdrawopenpath.h"
#include "model/cdrawpoly.h"

#include <QCoreApplication>

#include <cstdlib>

using geokit::Point;
using geokit::PointF;

namespace editing {

QString zeroSizeRoomMessage()
{
    return QCoreApplication::translate(
        "editing",
        "Non puoi costruire una stanza con dimensioni nulle.\n\nFai click col tasto sinistro "
        "nell'origine della stanza e senza rilasciare il pulsante sposta il puntatore per "
        "assegnare le dimensioni volute alla nuova stanza.");
}

bool hasArea(Point p0, Point p1)
{
    return p0.x != p1.x && p0.y != p1.y;
}

std::vector<PointF> rectangleVertices(Point p0, Point p1)
{
    const auto f = [](int x, int y) { return PointF{float(x), float(y)}; };
    return {f(p0.x, p0.y), f(p1.x, p0.y), f(p1.x, p1.y), f(p0.x, p1.y)};
}

std::vector<PointF> regularPolygonVertices(Point p0, Point p1, int sides)
{
    const int dx = std::abs(p1.x - p0.x);
    const int dy = std::abs(p1.y - p0.y);
    const Point centre{p0.x + dx / 2, p0.y + dy / 2};
    const Point first{centre.x, centre.y - dy / 2};
    std::vector<PointF> vertices;
    for (int k = 0; k < sides; ++k) {
        const Point p = geokit::rotatePoint(first, centre, k * 360.0 / sides);
        vertices.push_back({float(p.x), float(p.y)});
    }
    return vertices;
}

std::unique_ptr<CDrawPoly> makeRoom(const std::vector<PointF> &vertices)
{
    auto room = std::make_unique<CDrawPoly>(boundingBox(vertices));
    room->setPoints(vertices);
    room->setSegmentStyles(std::vector<SegmentStyle>(vertices.size(), defaultWallBorder()));
    room->setFresh(0);
    return room;
}

std::unique_ptr<CDrawOpenPath> makeWall(const std::vector<PointF> &vertices)
{
    auto wall = std::make_unique<CDrawOpenPath>(boundingBox(vertices));
    wall->setPoints(vertices);
    wall->setSegmentStyles(
        std::vector<SegmentStyle>(vertices.empty() ? 0 : vertices.size() - 1, defaultWallBorder()));
    return wall;
}

void addRoomVertex(CDrawPoly &room, PointF vertex)
{
    room.AddPoint(vertex);
    std::vector<SegmentStyle> segments = room.segmentStyles();
    segments.resize(room.points().size(), defaultWallBorder());
    room.setSegmentStyles(std::move(segments));
}

void addWallVertex(CDrawOpenPath &wall, PointF vertex)
{
    wall.AddPoint(vertex);
    std::vector<SegmentStyle> segments = wall.segmentStyles();
    segments.resize(wall.points().size() - 1, defaultWallBorder());
    wall.setSegmentStyles(std::move(segments));
}

} // namespace editing
