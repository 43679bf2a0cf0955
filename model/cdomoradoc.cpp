#include "cdomoradoc.h"

#include "model/archive.h"
#include "model/cdrawitem.h"
#include "model/cdrawobj.h"
#include "model/cdrawoleobj.h"
#include "model/cdrawpoly.h"
#include "model/coordinates.h"
#include "model/documentview.h"
#include "model/drawingorder.h"
#include "model/modelhooks.h"
#include "model/recordarchive.h"
#include "platform/registry.h"

#include <QCoreApplication>
#include <QDateTime>

#include <algorithm>
#include <typeinfo>
#include <cmath>

using geokit::Point;
using geokit::Rect;
using geokit::Size;

namespace {

// Paper and margins of each document kind: registry names and defaults (mm).
struct Layout
{
    const char *widthKey;
    int width;
    const char *heightKey;
    int height;
    // One key for all four margins, or four keys left, right, top, bottom.
    const char *borderKeys[4];
    int borders[4];
};

constexpr Layout layouts[] = {
    {"DefaultPaperWidth", 210, "DefaultPaperHeight", 297, {"A4Borders"}, {12, 12, 12, 12}},
    {"PlacardPaperWidth",
     297,
     "PlacardPaperHeight",
     210,
     {"PlacardLeftBorder", "PlacardRightBorder", "PlacardTopBorder", "PlacardBottomBorder"},
     {145, 20, 10, 110}},
    {"PrintnetPaperWidth", 297, "PrintnetPaperHeight", 210, {"PrintnetBorders"}, {6, 6, 6, 6}},
};

[[noreturn]] void invalid(const char *text)
{
    throw model::ArchiveException(model::ArchiveException::Kind::BadValue,
                                  QCoreApplication::translate("CDomoraDoc", text));
}

} // namespace

CDomoraDoc::CDomoraDoc() = default;

CDomoraDoc::~CDomoraDoc()
{
    DeleteContents();
}

void CDomoraDoc::OnNewDocument(const NewDocumentOptions &options)
{
    DeleteContents();
    m_docType = options.docType >= normal && options.docType <= printnet ? options.docType : normal;
    applyLayoutSettings();
    m_summary = model::SummaryInformation();
    m_summary.created = QDateTime::currentDateTimeUtc();
    m_summary.applicationName = QStringLiteral("Domora");
    if (options.fromWizard) {
        m_scale = static_cast<double>(options.scale);
        m_summary.title = options.summaryTitle;
        m_summary.subject = options.summarySubject;
    }
    m_editClock.start();
    ClearHistory();
    CheckPoint();
    m_modified = false;
}

void CDomoraDoc::applyLayoutSettings()
{
    const Layout &layout = layouts[m_docType >= normal && m_docType <= printnet ? m_docType : 0];
    const platform::Registry reg(QStringLiteral("Domora"));
    const QString section = QStringLiteral("Layout");
    int borders[4];
    for (int i = 0; i < 4; ++i) {
        const char *key = layout.borderKeys[i] ? layout.borderKeys[i] : layout.borderKeys[0];
        borders[i] = reg.readInt(section, QLatin1String(key), layout.borders[i]);
    }
    m_borderLeft = borders[0];
    m_borderRight = borders[1];
    m_borderTop = borders[2];
    m_borderBottom = borders[3];
    SetPaperSize({reg.readInt(section, QLatin1String(layout.widthKey), layout.width),
                  reg.readInt(section, QLatin1String(layout.heightKey), layout.height)});
}

CDrawObj *CDomoraDoc::AddObject(std::unique_ptr<CDrawObj> object)
{
    if (!object)
        return nullptr;
    CDrawObj *raw = object.get();
    raw->setDocument(this);
    m_objects.push_back(std::move(object));
    SetModifiedFlag();
    return raw;
}

std::unique_ptr<CDrawObj> CDomoraDoc::RemoveObject(CDrawObj *object)
{
    std::unique_ptr<CDrawObj> taken;
    const auto it = std::find_if(m_objects.begin(), m_objects.end(),
                                 [object](const auto &o) { return o.get() == object; });
    if (it != m_objects.end()) {
        taken = std::move(*it);
        m_objects.erase(it);
    }
    SetModifiedFlag();
    // Copy first: a view may unregister itself while it reacts.
    const std::vector<model::DocumentView *> views = m_views;
    for (model::DocumentView *view : views)
        view->deselect(object);
    return taken;
}

CDrawObj *CDomoraDoc::ObjectAt(Point point) const
{
    const Rect rect(point.x, point.y, point.x + 2, point.y + 2);
    for (auto it = m_objects.rbegin(); it != m_objects.rend(); ++it) {
        if ((*it)->pickingClass() == CDrawObj::pictureClass && (*it)->Intersects(rect))
            return it->get();
    }
    for (auto it = m_objects.rbegin(); it != m_objects.rend(); ++it) {
        if ((*it)->Intersects(rect))
            return it->get();
    }
    return nullptr;
}

void CDomoraDoc::SetPaperSize(Size sizeMm)
{
    if (sizeMm == m_paperSize)
        return;
    m_paperSize = sizeMm;
    notifyPageSize();
}

void CDomoraDoc::notifyPageSize()
{
    for (model::DocumentView *view : m_views) {
        view->setPageSize(m_paperSize);
        if (m_docType == placard)
            view->setPrintableArea(printableArea());
    }
}

Rect CDomoraDoc::printableArea() const
{
    return {m_borderLeft, m_borderTop, m_paperSize.cx - m_borderRight,
            m_paperSize.cy - m_borderBottom};
}

void CDomoraDoc::DeleteContents()
{
    const std::vector<model::DocumentView *> views = m_views;
    for (model::DocumentView *view : views)
        view->clearSelection();
    m_objects.clear();
    m_recycler.clear();
}

void CDomoraDoc::Draw(graphics::Context &g, model::DocumentView *view, bool printing)
{
    const model::ModelOptions &options = model::modelOptions();
    const bool marks = view && view->isActive() && !printing;
    const int mode = marks ? view->editMode() : 0;
    const int trackerState = mode == 30 ? 3 : mode == 40 ? 4 : 1;
    for (const model::DrawStep &step :
         model::drawingOrder(m_objects, options.ignoreZOrderHoles, options.ignoreZOrderImages)) {
        if (step.kind == model::DrawStep::Kind::Openings) {
            static_cast<CDrawPoly *>(step.object)->DrawOpenings(g);
            continue;
        }
        step.object->Draw(g);
        if (marks && view->isSelected(step.object))
            step.object->DrawTracker(g, trackerState);
    }
}

void CDomoraDoc::UpdateAllViews(model::DocumentView *sender, int hint, CDrawObj *object)
{
    const std::vector<model::DocumentView *> views = m_views;
    for (model::DocumentView *view : views) {
        if (view != sender)
            view->onUpdate(hint, object);
    }
}

void CDomoraDoc::Serialize(model::ArchiveWriter &ar) const
{
    ar.writeDword(m_paperColor);
    ar.writeCount(static_cast<quint32>(m_objects.size()));
    for (const auto &object : m_objects) {
        ar.writeOwnedObject(*object);
        ar.compareStep();
    }
    ar.writeInt(m_borderBottom);
    ar.writeInt(m_borderLeft);
    ar.writeInt(m_borderRight);
    ar.writeInt(m_borderTop);
    ar.writeInt(m_paperSize.cx);
    ar.writeInt(m_paperSize.cy);
    ar.writeDouble(m_scale);
    ar.writeInt(m_docValue);
    ar.writeInt(m_docType);
    std::vector<const CDrawItem *> items;
    for (const auto &object : m_objects) {
        if (typeid(*object) != typeid(CDrawOleObj))
            continue;
        const CDrawItem *item = static_cast<const CDrawOleObj &>(*object).item();
        if (item && !item->isBlank())
            items.push_back(item);
    }
    ar.writeDword(static_cast<quint32>(items.size()));
    for (const CDrawItem *item : items)
        ar.writeObject(item);
}

void CDomoraDoc::Serialize(model::ArchiveReader &ar)
{
    ar.setRecycler(&m_recycler);
    const quint32 paperColor = ar.readDword();
    const quint32 count = ar.readCount();
    ar.requireItems(count, 2, QT_TRANSLATE_NOOP("Archive", "oggetti"));
    std::vector<std::unique_ptr<CDrawObj>> objects;
    objects.reserve(count);
    ar.reserveObjects(count + 16);
    for (quint32 i = 0; i < count; ++i) {
        auto object = ar.readOwned<CDrawObj>();
        if (!object)
            invalid(QT_TRANSLATE_NOOP("CDomoraDoc", "Il file contiene un oggetto vuoto."));
        objects.push_back(std::move(object));
    }
    const qint32 borderBottom = model::readCoordinate(ar);
    const qint32 borderLeft = model::readCoordinate(ar);
    const qint32 borderRight = model::readCoordinate(ar);
    const qint32 borderTop = model::readCoordinate(ar);
    const Size paper{ar.readInt(), ar.readInt()};
    const double scale = ar.readDouble();
    const qint32 docValue = ar.readInt();
    const qint32 docType = ar.readInt();
    const quint32 itemCount = ar.readDword();
    ar.requireItems(itemCount, 2, QT_TRANSLATE_NOOP("Archive", "oggetti incorporati"));
    for (quint32 i = 0; i < itemCount; ++i)
        (void)ar.readReference<CDrawItem>(); // the items live in their wrappers

    if (paper.cx <= 0 || paper.cy <= 0 || paper.cx > model::maxCoordinateMm ||
        paper.cy > model::maxCoordinateMm)
        invalid(
            QT_TRANSLATE_NOOP("CDomoraDoc", "Il file contiene un formato del foglio non valido."));
    if (!std::isfinite(scale) || scale <= 0.0)
        invalid(QT_TRANSLATE_NOOP("CDomoraDoc", "Il file contiene una scala non valida."));
    if (docType < normal || docType > printnet)
        invalid(
            QT_TRANSLATE_NOOP("CDomoraDoc", "Il file contiene un tipo di documento sconosciuto."));

    // The objects replaced are kept to be read into by the next restore. As
    // they may come back holding another object's state, the views forget
    // them (an editing mode on one of them ends) as when they are removed.
    std::vector<std::unique_ptr<CDrawObj>> replaced = std::exchange(m_objects, {});
    DeleteContents();
    const std::vector<model::DocumentView *> views = m_views;
    for (model::DocumentView *view : views) {
        for (const auto &object : replaced)
            view->deselect(object.get());
    }
    m_objects = std::move(objects);
    for (const auto &object : m_objects)
        object->setDocument(this);
    for (auto &object : replaced)
        object->setDocument(nullptr);
    m_recycler.replace(std::move(replaced));
    const bool pageChanged = paper != m_paperSize || docType != m_docType ||
                             borderLeft != m_borderLeft || borderTop != m_borderTop ||
                             borderRight != m_borderRight || borderBottom != m_borderBottom;
    m_paperColor = paperColor;
    m_borderBottom = borderBottom;
    m_borderLeft = borderLeft;
    m_borderRight = borderRight;
    m_borderTop = borderTop;
    m_scale = scale;
    m_docValue = docValue;
    m_docType = docType;
    m_paperSize = paper;
    // An undo may bring back other margins on the same sheet: the views learn
    // of any change of the page.
    if (pageChanged)
        notifyPageSize();
}

qsizetype CDomoraDoc::indexOf(const CDrawObj *object) const
{
    const auto it = std::find_if(m_objects.begin(), m_objects.end(),
                                 [object](const auto &o) { return o.get() == object; });
    return it == m_objects.end() ? -1 : it - m_objects.begin();
}

void CDomoraDoc::moveObject(const CDrawObj *object, qsizetype newIndex)
{
    const qsizetype from = indexOf(object);
    if (from < 0)
        return;
    const qsizetype to = std::clamp<qsizetype>(newIndex, 0, std::ssize(m_objects) - 1);
    if (from == to)
        return;
    auto moving = std::move(m_objects[static_cast<size_t>(from)]);
    m_objects.erase(m_objects.begin() + from);
    m_objects.insert(m_objects.begin() + to, std::move(moving));
    SetModifiedFlag();
}

void CDomoraDoc::addView(model::DocumentView *view)
{
    if (view && std::find(m_views.begin(), m_views.end(), view) == m_views.end())
        m_views.push_back(view);
}

void CDomoraDoc::removeView(model::DocumentView *view)
{
    m_views.erase(std::remove(m_views.begin(), m_views.end(), view), m_views.end());
}

void CDomoraDoc::setPaperColor(quint32 colorRef)
{
    m_paperColor = colorRef;
    SetModifiedFlag();
    UpdateAllViews(nullptr);
}

void CDomoraDoc::setBorders(int left, int top, int right, int bottom)
{
    m_borderLeft = left;
    m_borderTop = top;
    m_borderRight = right;
    m_borderBottom = bottom;
    if (m_docType == placard)
        notifyPageSize();
}

QByteArray CDomoraDoc::serializeSnapshot(QByteArray buffer, const QByteArray *head,
                                         bool *sameAsHead) const
{
    // The last snapshot's size is a good guess: the buffer rarely has to grow.
    model::ArchiveWriter ar(std::move(buffer),
                            std::max(growthBytes, m_archiveSizeHint + growthBytes));
    ar.setReference(head);
    Serialize(ar);
    if (head && sameAsHead)
        *sameAsHead = ar.equalsReference();
    m_archiveSizeHint = ar.size();
    return ar.takeData();
}

bool CDomoraDoc::restoreSnapshot(const QByteArray &snapshot)
{
    try {
        model::ArchiveReader ar(snapshot);
        Serialize(ar);
    } catch (const model::ArchiveException &e) {
        model::showMessage(e.message());
        return false;
    }
    UpdateAllViews(nullptr);
    return true;
}
