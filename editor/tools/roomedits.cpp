#include "editor/tools/roomedits.h"

#include "model/cdomoradoc.h"
#include "model/cdrawpoly.h"
#include "model/modelhooks.h"

#include <algorithm>

namespace editing {

bool onSheet(const CDomoraDoc &doc, const std::vector<geokit::PointF> &points)
{
    const geokit::Size sheet = doc.paperSize();
    return std::all_of(points.begin(), points.end(), [sheet](geokit::PointF p) {
        return p.x >= 1.0f && p.x < float(sheet.cx) && p.y >= 1.0f && p.y < float(sheet.cy);
    });
}

bool editRoom(CDomoraDoc &doc, CDrawPoly &room, const std::function<bool(RoomShape &)> &edit)
{
    RoomShape shape = shapeOf(room);
    if (!edit(shape))
        return false;
    if (model::modelOptions().placementEnforced() && onSheet(doc, room.points()) &&
        !onSheet(doc, shape.points))
        return false;
    doc.CheckPoint();
    if (room.document())
        room.Invalidate();
    applyShape(room, std::move(shape));
    if (room.document())
        room.Invalidate();
    doc.SetModifiedFlag();
    return true;
}

bool splitSegment(CDomoraDoc &doc, CDrawPoly &room, int segment, int newVertices)
{
    return editRoom(doc, room,
                    [&](RoomShape &s) { return splitSegmentEqually(s, segment, newVertices); });
}

bool splitSegmentAtPoint(CDomoraDoc &doc, CDrawPoly &room, int segment, geokit::Point point)
{
    return editRoom(doc, room,
                    [&](RoomShape &s) { return editing::splitSegmentAtPoint(s, segment, point); });
}

bool deleteSegment(CDomoraDoc &doc, CDrawPoly &room, int segment)
{
    return editRoom(doc, room, [&](RoomShape &s) { return editing::deleteSegment(s, segment); });
}

bool alignRoom(CDomoraDoc &doc, CDrawPoly &room, bool horizontal, int toleranceMm)
{
    return editRoom(doc, room,
                    [&](RoomShape &s) { return alignVertices(s, horizontal, toleranceMm); });
}

bool alignRoomToGrid(CDomoraDoc &doc, CDrawPoly &room, int gridMm)
{
    return editRoom(doc, room, [&](RoomShape &s) { return alignToGrid(s, gridMm); });
}

bool rotateRoom(CDomoraDoc &doc, CDrawPoly &room, double angleDeg)
{
    if (angleDeg == 0.0)
        return false;
    return editRoom(doc, room, [&](RoomShape &s) {
        rotateShape(s, boundsOf(s.points).centre(), angleDeg);
        return true;
    });
}

bool scaleRoom(CDomoraDoc &doc, CDrawPoly &room, double factor)
{
    if (factor == 1.0 || !(factor > 0.0))
        return false;
    return editRoom(doc, room, [&](RoomShape &s) {
        scaleShape(s, boundsOf(s.points).centre(), factor);
        return true;
    });
}

bool resizeOpening(CDomoraDoc &doc, CDrawPoly &room, int segment, int opening, OpeningEnd end,
                   double along)
{
    return editRoom(doc, room, [&](RoomShape &s) {
        if (segment < 0 || segment >= s.count())
            return false;
        auto &openings = s.segments[static_cast<size_t>(segment)].openings;
        if (opening < 0 || static_cast<size_t>(opening) >= openings.size())
            return false;
        return editing::resizeOpening(openings[static_cast<size_t>(opening)], end, along,
                                      s.lengthMm(segment));
    });
}

} // namespace editing
