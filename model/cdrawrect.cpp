#include "cdrawrect.h"

#include "model/archive.h"
#include "model/modelhooks.h"
#include "model/recordarchive.h"
#include "model/regiontest.h"

#include <algorithm>
#include <cmath>

using geokit::Point;
using geokit::Rect;

CDrawRect::CDrawRect() = default;

CDrawRect::CDrawRect(const Rect &position, Shape shape) : CDrawObj(position), m_shape(shape)
{
    m_fill = BrushStyle::solid(0xFFC0C0C0);
    if (isLineShape()) // a line keeps the direction it was drawn in
        m_position = position;
}

void CDrawRect::Serialize(model::ArchiveWriter &ar) const
{
    CDrawObj::Serialize(ar);
    ar.writeWord(static_cast<quint16>(m_shape));
    ar.writeInt(m_roundness.x);
    ar.writeInt(m_roundness.y);
    ar.writeFloat(m_penWidth);
    ar.writeInt(m_outlined);
    model::writeRecord(ar, m_stroke);
    model::writeRecord(ar, m_label2);
}

void CDrawRect::Serialize(model::ArchiveReader &ar)
{
    CDrawObj::Serialize(ar);
    m_shape = static_cast<Shape>(ar.readWord());
    m_roundness.x = ar.readInt();
    m_roundness.y = ar.readInt();
    m_penWidth = ar.readFloat();
    m_outlined = ar.readInt();
    model::readRecord(ar, m_stroke);
    model::readRecord(ar, m_label2);
}

int CDrawRect::GetHandleCount() const
{
    if (m_shape == Shape::Line)
        return 2;
    if (m_shape == Shape::RoundRectangle)
        return 9;
    return CDrawObj::GetHandleCount();
}

Point CDrawRect::GetHandle(int handle) const
{
    if (m_shape == Shape::Line && handle == 2)
        return m_position.bottomRight();
    if (m_shape == Shape::RoundRectangle && handle == 9)
        return {m_position.right - m_roundness.x / 2, m_position.bottom - m_roundness.y / 2};
    return CDrawObj::GetHandle(handle);
}

Qt::CursorShape CDrawRect::GetHandleCursor(int handle) const
{
    if (m_shape == Shape::Line && handle == 2)
        return CDrawObj::GetHandleCursor(5);
    if (m_shape == Shape::RoundRectangle && handle == 9)
        return Qt::SizeAllCursor;
    return CDrawObj::GetHandleCursor(handle);
}

bool CDrawRect::Intersects(const Rect &rect)
{
    Rect test = rect;
    test.normalize();
    Rect pos = m_position;
    pos.normalize();
    if (pos.width() == 0 || pos.height() == 0)
        pos.inflate(1, 1);
    Rect common;
    if (!Rect::intersect(common, test, pos))
        return false;

    switch (m_shape) {
    case Shape::RoundRectangle:
        return model::region::rectTouchesRoundRect(test, pos, m_roundness.x, m_roundness.y);
    case Shape::Ellipse:
        return model::region::rectTouchesEllipse(test, pos);
    case Shape::Line:
    case Shape::DimensionLine: {
        const Rect &p = m_position;
        if (p.width() == 0 || p.height() == 0) {
            const Rect box(p.left, p.top, p.left + std::max(std::abs(p.width()), 5),
                           p.top + std::max(std::abs(p.height()), 5));
            return Rect::intersect(common, test, box);
        }
        // A band 3 units to each side of the line as drawn, from (left, top)
        // to (right, bottom).
        const double dx = p.right - p.left;
        const double dy = p.bottom - p.top;
        const double len = std::hypot(dx, dy);
        const auto nx = static_cast<float>(-dy / len * 3.0);
        const auto ny = static_cast<float>(dx / len * 3.0);
        const auto l = static_cast<float>(p.left), t = static_cast<float>(p.top);
        const auto r = static_cast<float>(p.right), b = static_cast<float>(p.bottom);
        const std::vector<geokit::PointF> band = {
            {l + nx, t + ny}, {r + nx, b + ny}, {r - nx, b - ny}, {l - nx, t - ny}};
        return model::region::rectTouchesPolygon(test, band);
    }
    default:
        return true;
    }
}

void CDrawRect::OnEditProperties(model::DocumentView *view)
{
    model::editProperties(*this, view);
}

std::unique_ptr<CDrawObj> CDrawRect::Clone(bool offset) const
{
    auto copy = std::unique_ptr<CDrawRect>(new CDrawRect(*this));
    if (offset)
        copy->m_position.offset(5, 5);
    return copy;
}

void CDrawRect::Rotate(double angleDeg, model::DocumentView *view)
{
    invalidateIn(view);
    m_position = geokit::rotateRect(m_position, m_position.centerPoint(), angleDeg);
    invalidateIn(view);
    setModified();
}

void CDrawRect::MirrorVertical()
{
    std::swap(m_position.top, m_position.bottom);
}

void CDrawRect::MirrorHorizontal()
{
    std::swap(m_position.left, m_position.right);
}

void CDrawRect::MoveHandleTo(int handle, Point point, model::DocumentView *view)
{
    if (m_shape == Shape::Line && handle == 2) {
        CDrawObj::MoveHandleTo(5, point, view);
        return;
    }
    if (m_shape == Shape::RoundRectangle && handle == 9) {
        if (!IsPointAllowed(view, point))
            return;
        Rect r = m_position;
        r.normalize();
        const int x = std::clamp(point.x, r.left + r.width() / 2, std::max(r.right, r.left));
        const int y = std::clamp(point.y, r.top + r.height() / 2, std::max(r.bottom, r.top));
        const Point roundness{2 * (r.right - x), 2 * (r.bottom - y)};
        if (roundness == m_roundness)
            return;
        invalidateIn(view);
        m_roundness = roundness;
        invalidateIn(view);
        setModified();
        return;
    }
    CDrawObj::MoveHandleTo(handle, point, view);
}
