#include "editor/cwallsheet.h"

#include "editor/cpositiongroup.h"
#include "editor/cwallspage.h"
#include "editor/tools/roomedits.h"
#include "editor/tools/roomgeometry.h"
#include "model/cdomoradoc.h"
#include "model/cdrawopenpath.h"
#include "model/cdrawpoly.h"
#include "model/modelhooks.h"
#include "platform/messagebox.h"

#include <QVBoxLayout>

CWallSheet::CWallSheet(CDomoraDoc &doc, CDrawOpenPath &wall, QWidget *parent)
    : CPropertySheet(tr("Proprietà %1").arg(wall.typeName().toLower()), parent), m_doc(doc),
      m_wall(wall),
      m_walls(new CWallsPage(wall.points(), wall.segmentStyles(), doc.scale(), false, this))
{
    auto *general = new QWidget(this);
    m_position =
        new CPositionGroup(tr("Posizione e dimensioni"), boundingBox(wall.points()), 0, general);
    auto *layout = new QVBoxLayout(general);
    layout->addWidget(m_position);
    layout->addStretch(1);
    addPage(general, tr("Generale"));
    addPage(m_walls, tr("Muri"));
    connect(m_walls, &CWallsPage::shapeChanged, this,
            [this] { m_position->setPosition(boundingBox(m_walls->points())); });
    resize(760, 560);
}

void CWallSheet::accept()
{
    if (!m_walls->storeEditor())
        return;
    std::vector<geokit::PointF> points = m_walls->points();
    const geokit::Rect wanted = m_position->position();
    if (wanted != boundingBox(points)) {
        const editing::BoundsF from = editing::boundsOf(points);
        const double sx = from.width() > 0.0 ? wanted.width() / from.width() : 1.0;
        const double sy = from.height() > 0.0 ? wanted.height() / from.height() : 1.0;
        for (geokit::PointF &p : points)
            p = {static_cast<float>(wanted.left + (p.x - from.left) * sx),
                 static_cast<float>(wanted.top + (p.y - from.top) * sy)};
    }
    if (model::modelOptions().placementEnforced() && editing::onSheet(m_doc, m_wall.points()) &&
        !editing::onSheet(m_doc, points)) {
        platform::ui::warning(this, tr("Il muro deve restare all'interno del foglio: "
                                       "correggi la posizione o le dimensioni."));
        return;
    }
    std::vector<SegmentStyle> segments = m_walls->segments();
    for (SegmentStyle &s : segments)
        s.highlighted = 0;
    m_doc.CheckPoint();
    if (m_wall.document())
        m_wall.Invalidate();
    m_wall.setPoints(std::move(points));
    m_wall.setSegmentStyles(std::move(segments));
    if (m_wall.document())
        m_wall.Invalidate();
    m_doc.SetModifiedFlag();
    CPropertySheet::accept();
}
