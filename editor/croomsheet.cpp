#include "editor/croomsheet.h"

#include "editor/cbackgroundpage.h"
#include "editor/cnumberdlg.h"
#include "editor/croomgeneralpage.h"
#include "editor/croomtypedlg.h"
#include "editor/cwallspage.h"
#include "editor/tools/roomedits.h"
#include "editor/tools/roomgeometry.h"
#include "editor/tools/roompresets.h"
#include "model/cdomoradoc.h"
#include "model/cdrawpoly.h"
#include "model/modelhooks.h"
#include "platform/messagebox.h"

CRoomSheet::CRoomSheet(CDomoraDoc &doc, CDrawPoly &room, QWidget *parent)
    : CPropertySheet(tr("Proprietà %1").arg(room.typeName().toLower()), parent), m_doc(doc),
      m_room(room),
      m_general(new CRoomGeneralPage(room.label(), room.name(), boundingBox(room.points()), this)),
      m_walls(new CWallsPage(room.points(), room.segmentStyles(), doc.scale(), true, this)),
      m_background(new CBackgroundPage(room.fill(), this))
{
    addPage(m_general, tr("Generale"));
    addPage(m_walls, tr("Muri"));
    addPage(m_background, tr("Sfondo"));
    connect(m_general, &CRoomGeneralPage::scaleRequested, this, &CRoomSheet::askScale);
    connect(m_general, &CRoomGeneralPage::presetRequested, this, &CRoomSheet::askPreset);
    connect(m_walls, &CWallsPage::currentSegmentChanged, this, &CRoomSheet::highlight);
    connect(m_walls, &CWallsPage::shapeChanged, this, &CRoomSheet::showPositionOfCopy);
    highlight(0);
    resize(760, 580);
}

void CRoomSheet::highlight(int segment)
{
    bool changed = false;
    for (size_t i = 0; i < m_room.segmentStyles().size(); ++i) {
        const qint32 wanted = static_cast<int>(i) == segment ? 1 : 0;
        if (m_room.segmentStyles()[i].highlighted != wanted) {
            SegmentStyle s = m_room.segmentStyles()[i];
            s.highlighted = wanted;
            m_room.setSegmentStyle(i, std::move(s));
            changed = true;
        }
    }
    if (changed && m_room.document())
        m_room.Invalidate();
}

void CRoomSheet::showPositionOfCopy()
{
    m_general->setPosition(boundingBox(m_walls->points()));
}

void CRoomSheet::scaleBy(double factor)
{
    if (!m_walls->storeEditor())
        return;
    editing::RoomShape shape{m_walls->points(), m_walls->segments()};
    editing::scaleShape(shape, editing::boundsOf(shape.points).centre(), factor);
    m_walls->setShape(std::move(shape.points), std::move(shape.segments));
    showPositionOfCopy();
}

void CRoomSheet::askScale()
{
    CNumberDlg dialog(tr("Scala la stanza"), tr("&Fattore di scala in percentuale:"), 100, 10, 1000,
                      this);
    if (platform::ui::execDialog(dialog) == QDialog::Accepted && dialog.value() != 100)
        scaleBy(dialog.value() / 100.0);
}

void CRoomSheet::askPreset()
{
    CRoomTypeDlg dialog(this);
    if (platform::ui::execDialog(dialog) != QDialog::Accepted || !dialog.preset() ||
        !m_walls->storeEditor())
        return;
    std::vector<SegmentStyle> segments = m_walls->segments();
    BrushStyle fill = m_background->currentStyle();
    QString name = m_general->description();
    editing::applyPreset(segments, fill, name, *dialog.preset());
    m_walls->setShape(m_walls->points(), std::move(segments));
    m_background->setStyle(fill);
    m_general->setDescription(name);
}

void CRoomSheet::accept()
{
    BrushStyle fill = m_room.fill();
    if (!m_background->commit(fill) || !m_walls->storeEditor())
        return;
    editing::RoomShape shape{m_walls->points(), m_walls->segments()};
    for (SegmentStyle &s : shape.segments)
        s.highlighted = 0;
    const geokit::Rect wanted = m_general->position();
    if (wanted != boundingBox(shape.points))
        editing::mapShape(shape, {double(wanted.left), double(wanted.top), double(wanted.right),
                                  double(wanted.bottom)});
    if (model::modelOptions().placementEnforced() && editing::onSheet(m_doc, m_room.points()) &&
        !editing::onSheet(m_doc, shape.points)) {
        platform::ui::warning(this, tr("La stanza deve restare all'interno del foglio: "
                                       "correggi la posizione o le dimensioni."));
        return;
    }
    m_doc.CheckPoint();
    if (m_room.document())
        m_room.Invalidate();
    m_room.setLabel(m_general->label());
    m_room.setName(m_general->description());
    m_room.setFill(fill);
    editing::applyShape(m_room, std::move(shape));
    if (m_room.document())
        m_room.Invalidate();
    m_doc.SetModifiedFlag();
    CPropertySheet::accept();
}

void CRoomSheet::done(int result)
{
    highlight(-1);
    CPropertySheet::done(result);
}
