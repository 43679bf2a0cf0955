#pragma once

#include "editor/tools/roomcreation.h"
#include "editor/tools/roomgeometry.h"
#include "model/cdomoradoc.h"
#include "model/cdrawpoly.h"

#include <QString>

#include <memory>
#include <ostream>
#include <vector>

// Readable QStrings in failure messages.
inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace editingtest {

inline std::vector<geokit::PointF> pts(std::initializer_list<std::pair<float, float>> list)
{
    std::vector<geokit::PointF> out;
    for (const auto &[x, y] : list)
        out.push_back({x, y});
    return out;
}

inline Opening door(int offset, int size)
{
    Opening o;
    o.offset = offset;
    o.size = size;
    o.type = 1;
    return o;
}

inline editing::RoomShape shape(std::initializer_list<std::pair<float, float>> list)
{
    editing::RoomShape s;
    s.points = pts(list);
    s.segments.resize(s.points.size(), SegmentStyle());
    for (size_t i = 0; i < s.segments.size(); ++i)
        s.segments[i].description = QStringLiteral("muro %1").arg(i + 1);
    return s;
}

// A new normal plan (no settings read beyond the defaults) holding one room.
struct PlanWithRoom
{
    explicit PlanWithRoom(std::initializer_list<std::pair<float, float>> list)
    {
        doc.OnNewDocument({});
        room = static_cast<CDrawPoly *>(doc.AddObject(editing::makeRoom(pts(list))));
        // The room is where the history starts.
        doc.ClearHistory();
        doc.CheckPoint();
    }
    CDomoraDoc doc;
    CDrawPoly *room = nullptr;
};

} // namespace editingtest
