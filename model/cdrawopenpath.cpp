#include "cdrawopenpath.h"

#include "model/archive.h"
#include "model/coordinates.h"
#include "model/recordarchive.h"
#include "model/cdomoradoc.h"
#include "model/cdrawpoly.h"
#include "model/modelhooks.h"

#include <QCoreApplication>

using geokit::Point;
using geokit::PointF;
using geokit::Rect;

namespace {

Point truncated(PointF p)
{
    return {model::truncToInt(p.x), model::truncToInt(p.y)};
}

// Looked up once, as objects read from a plan are many.
const QString &openPathTypeName()
{
    static const QString name =
        QCoreApplication::translate("CDrawOpenPath", "Muro (percorso aperto)");
    return name;
}

} // namespace

CDrawOpenPath::CDrawOpenPath()
{
    m_typeName = openPathTypeName();
}

CDrawOpenPath::CDrawOpenPath(const Rect &position) : CDrawObj(position)
{
    m_typeName = openPathTypeName();
}

void CDrawOpenPath::Serialize(model::ArchiveWriter &ar) const
{
    CDrawObj::Serialize(ar);
    ar.writeInt(m_pathValue);
    ar.writeDword(static_cast<quint32>(m_points.size()));
    for (const PointF &p : m_points) {
        ar.writeFloat(p.x);
        ar.writeFloat(p.y);
    }
}

void CDrawOpenPath::Serialize(model::ArchiveReader &ar)
{
    CDrawObj::Serialize(ar);
    m_pathValue = ar.readInt();
    const quint32 count = ar.readDword();
    ar.requireItems(count, 8, QT_TRANSLATE_NOOP("Archive", "vertici"));
    std::vector<PointF> points(count); // exactly pointCount vertices
    for (PointF &p : points)
        p = model::readVertex(ar);
    m_points = std::move(points);
}

int CDrawOpenPath::GetHandleCount() const
{
    return pointCount();
}

Point CDrawOpenPath::GetHandle(int handle) const
{
    if (handle < 1 || handle > pointCount())
        return m_position.topLeft();
    return truncated(m_points[static_cast<size_t>(handle - 1)]);
}

Qt::CursorShape CDrawOpenPath::GetHandleCursor(int) const
{
    return Qt::SizeAllCursor;
}

void CDrawOpenPath::MoveTo(const Rect &position, model::DocumentView *view)
{
    if (position == m_position)
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

bool CDrawOpenPath::Intersects(const Rect &rect)
{
    const Point probe = rect.topLeft();
    for (size_t i = 1; i < m_points.size(); ++i) {
        if (geokit::ptIntersectsLine(probe, truncated(m_points[i - 1]), truncated(m_points[i]),
                                     pickToleranceMm))
            return true;
    }
    return false;
}

void CDrawOpenPath::OnEditProperties(model::DocumentView *view)
{
    if (m_document && m_document->GetDocType() == CDomoraDoc::printnet) {
        model::showMessage(QCoreApplication::translate(
            "CDrawOpenPath",
            "Le pagine di proprietà di questo oggetto non sono disponibili per i documenti "
            "Printnet"));
        return;
    }
    model::editProperties(*this, view);
}

std::unique_ptr<CDrawObj> CDrawOpenPath::Clone(bool offset) const
{
    auto copy = std::unique_ptr<CDrawOpenPath>(new CDrawOpenPath(*this));
    if (offset) {
        copy->m_position.offset(5, 5);
        for (PointF &p : copy->m_points) {
            p.x += 5;
            p.y += 5;
        }
    }
    return copy;
}

void CDrawOpenPath::Rotate(double angleDeg, model::DocumentView *view)
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

void CDrawOpenPath::AddPoint(PointF point)
{
    m_points.push_back(point);
    RecalcBounds();
}

void CDrawOpenPath::setPoints(std::vector<PointF> points)
{
    m_points = std::move(points);
    RecalcBounds();
}

void CDrawOpenPath::RecalcBounds()
{
    if (!m_points.empty())
        m_position = boundingBox(m_points);
}
