#include "cdrawpoly.h"

#include "model/archive.h"
#include "model/coordinates.h"
#include "model/recordarchive.h"
#include "model/modelhooks.h"
#include "model/regiontest.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

using geokit::Point;
using geokit::PointF;
using geokit::Rect;

namespace {

PointF toPointF(Point p)
{
    return {static_cast<float>(p.x), static_cast<float>(p.y)};
}

double distance(PointF a, PointF b)
{
    return std::hypot(static_cast<double>(b.x) - a.x, static_cast<double>(b.y) - a.y);
}

bool openingsFit(const SegmentStyle &segment, double length)
{
    return std::all_of(
        segment.openings.begin(), segment.openings.end(),
        [length](const Opening &o) { return static_cast<double>(o.offset) + o.size <= length; });
}

} // namespace

Rect boundingBox(const std::vector<PointF> &points)
{
    if (points.empty())
        return {};
    float l = points.front().x, t = points.front().y, r = l, b = t;
    for (const PointF &p : points) {
        l = std::min(l, p.x);
        t = std::min(t, p.y);
        r = std::max(r, p.x);
        b = std::max(b, p.y);
    }
    return {model::truncToInt(l), model::truncToInt(t), model::truncToInt(r), model::truncToInt(b)};
}

CDrawPoly::CDrawPoly() = default;

CDrawPoly::CDrawPoly(const Rect &position) : CDrawObj(position)
{
    m_fill = BrushStyle::solid(0xFFD2B48C);
    m_label.text = QCoreApplication::translate("CDrawPoly", "Stanza");
    m_label.visible = 0;
    m_label.font.height = 12;
    m_label.textCase = 2;
    m_typeName = QCoreApplication::translate("CDrawPoly", "Stanza poligonale");
}

void CDrawPoly::Serialize(model::ArchiveWriter &ar) const
{
    CDrawObj::Serialize(ar);
    model::ArchiveCursor b(ar.claim(model::ArchiveWriter::stringBytes(m_name) + 8 +
                                    8 * static_cast<qsizetype>(m_points.size()) + 12));
    b.string(m_name);
    b.integer(m_fresh);
    b.dword(static_cast<quint32>(m_points.size()));
    for (const PointF &p : m_points) {
        b.real(p.x);
        b.real(p.y);
    }
    b.real(m_polyValueA);
    b.integer(m_polyValueB);
    b.real(m_polyValueC);
    ar.commit(b.end());
}

void CDrawPoly::Serialize(model::ArchiveReader &ar)
{
    CDrawObj::Serialize(ar);
    m_name = ar.readString();
    (void)ar.readInt(); // fresh: a room read from a file is complete
    m_fresh = 0;
    const quint32 count = ar.readDword();
    ar.requireItems(count, 8, QT_TRANSLATE_NOOP("Archive", "vertici"));
    m_points.resize(count);
    for (PointF &p : m_points)
        p = model::readVertex(ar);
    m_polyValueA = ar.readFloat();
    m_polyValueB = ar.readInt();
    m_polyValueC = ar.readFloat();
}

int CDrawPoly::GetHandleCount() const
{
    return pointCount();
}

Point CDrawPoly::GetHandle(int handle) const
{
    if (handle < 1 || handle > pointCount())
        return m_position.topLeft();
    const PointF &p = m_points[static_cast<size_t>(handle - 1)];
    return {model::truncToInt(p.x), model::truncToInt(p.y)};
}

Qt::CursorShape CDrawPoly::GetHandleCursor(int) const
{
    return Qt::SizeAllCursor;
}

void CDrawPoly::MoveTo(const Rect &position, model::DocumentView *view)
{
    if (position == m_position)
        return;
    if (model::modelOptions().placementEnforced() && !IsRectAllowed(view, position))
        return;
    invalidateIn(view);
    const auto dx = static_cast<float>(position.left - m_position.left);
    const auto dy = static_cast<float>(position.top - m_position.top);
    for (PointF &p : m_points) {
        p.x += dx;
        p.y += dy;
    }
    m_position = position;
    invalidateIn(view);
}

bool CDrawPoly::Intersects(const Rect &rect)
{
    if (m_points.empty())
        return false;
    Rect test = rect;
    test.normalize();
    // The region is built from whole-millimetre vertices; a vertex that
    // repeats an earlier one is nudged so that the outline stays a polygon.
    std::vector<PointF> polygon;
    polygon.reserve(m_points.size());
    for (const PointF &p : m_points) {
        PointF v{std::trunc(p.x), std::trunc(p.y)};
        if (std::find(polygon.begin(), polygon.end(), v) != polygon.end()) {
            v.x += 5;
            v.y += 5;
        }
        polygon.push_back(v);
    }
    return model::region::rectTouchesPolygon(test, polygon);
}

void CDrawPoly::OnEditProperties(model::DocumentView *view)
{
    model::editProperties(*this, view);
}

std::unique_ptr<CDrawObj> CDrawPoly::Clone(bool offset) const
{
    auto copy = std::unique_ptr<CDrawPoly>(new CDrawPoly(*this));
    if (offset) {
        // The vertices move with the box, so that the copy is drawn where it
        // is picked.
        copy->m_position.offset(5, 5);
        for (PointF &p : copy->m_points) {
            p.x += 5;
            p.y += 5;
        }
    }
    return copy;
}

void CDrawPoly::Rotate(double angleDeg, model::DocumentView *view)
{
    const PointF centre{(static_cast<float>(m_position.left) + m_position.right) / 2.0f,
                        (static_cast<float>(m_position.top) + m_position.bottom) / 2.0f};
    invalidateIn(view);
    for (PointF &p : m_points)
        p = geokit::rotatePoint(p, centre, angleDeg);
    RecalcBounds();
    invalidateIn(view);
    setModified();
}

void CDrawPoly::MoveHandleTo(int handle, Point point, model::DocumentView *view)
{
    if (handle < 1 || handle > pointCount())
        return;
    if (model::modelOptions().placementEnforced() && !IsPointAllowed(view, point))
        return;
    const PointF to = toPointF(point);
    PointF &vertex = m_points[static_cast<size_t>(handle - 1)];
    if (vertex == to)
        return;
    if (m_fresh == 0 && !openingsFitAfterMove(handle - 1, to))
        return;
    invalidateIn(view);
    vertex = to;
    RecalcBounds();
    invalidateIn(view);
}

bool CDrawPoly::openingsFitAfterMove(int index, PointF to) const
{
    const int n = pointCount();
    if (index < 0 || index >= n)
        return true;
    const auto i = static_cast<size_t>(index);
    const size_t next = (i + 1) % static_cast<size_t>(n);
    const size_t prev = (i + static_cast<size_t>(n) - 1) % static_cast<size_t>(n);
    if (i < m_segmentStyles.size() &&
        !openingsFit(m_segmentStyles[i], distance(to, m_points[next])))
        return false;
    if (prev < m_segmentStyles.size() &&
        !openingsFit(m_segmentStyles[prev], distance(m_points[prev], to)))
        return false;
    return true;
}

void CDrawPoly::AddPoint(PointF point)
{
    m_points.push_back(point);
    RecalcBounds();
}

void CDrawPoly::setPoints(std::vector<PointF> points)
{
    m_points = std::move(points);
    RecalcBounds();
}

void CDrawPoly::RecalcBounds()
{
    if (!m_points.empty())
        m_position = boundingBox(m_points);
}

void CDrawPoly::setPolyValues(float a, qint32 b, float c)
{
    m_polyValueA = a;
    m_polyValueB = b;
    m_polyValueC = c;
}
