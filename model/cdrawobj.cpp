#include "cdrawobj.h"

#include "model/archive.h"
#include "model/coordinates.h"
#include "model/cdomoradoc.h"
#include "model/documentview.h"
#include "model/modelhooks.h"
#include "model/recordarchive.h"

#include <QCoreApplication>

using geokit::Point;
using geokit::Rect;

namespace {

// Looked up once: every object read from a plan starts with it, and a plan
// holds thousands; the language does not change while a program runs.
const QString &defaultTypeName()
{
    static const QString name = QCoreApplication::translate("CDrawObj", "Primitiva grafica");
    return name;
}

} // namespace

CDrawObj::CDrawObj() : m_typeName(defaultTypeName())
{
}

CDrawObj::CDrawObj(const Rect &position) : m_position(position), m_typeName(defaultTypeName())
{
    m_position.normalize();
}

CDrawObj::CDrawObj(const CDrawObj &other)
    : model::Persistent(other), m_position(other.m_position), m_document(nullptr),
      m_objectFlag(other.m_objectFlag), m_objectWord(other.m_objectWord),
      m_segmentStyles(other.m_segmentStyles), m_fill(other.m_fill), m_label(other.m_label),
      m_flippedX(other.m_flippedX), m_flippedY(other.m_flippedY), m_rotation(other.m_rotation),
      m_typeName(other.m_typeName), m_extra(other.m_extra)
{
}

CDrawObj::~CDrawObj() = default;

void CDrawObj::Serialize(model::ArchiveWriter &ar) const
{
    if (m_segmentStyles.size() > 0xFFFF)
        model::ArchiveWriter::throwTooMany(QT_TRANSLATE_NOOP("Archive", "i muri di un oggetto"));
    // The whole object is one run of fields: its size is known beforehand.
    qsizetype bytes = 4 * 4 + 2 + model::recordBytes(m_fill) + 4 * 4 + 2 +
                      model::recordBytes(m_label) + model::ArchiveWriter::stringBytes(m_typeName) +
                      4 * extraCount;
    for (const SegmentStyle &s : m_segmentStyles) {
        model::checkSegment(s);
        bytes += model::recordBytes(s);
    }
    model::ArchiveCursor b(ar.claim(bytes));
    b.integer(m_position.left);
    b.integer(m_position.top);
    b.integer(m_position.right);
    b.integer(m_position.bottom);
    b.word(static_cast<quint16>(m_objectWord));
    b = model::putRecord(b, m_fill);
    b.integer(m_flippedX);
    b.integer(m_flippedY);
    b.integer(m_objectFlag);
    b.integer(m_rotation);
    b.word(static_cast<quint16>(m_segmentStyles.size()));
    for (const SegmentStyle &s : m_segmentStyles)
        b = model::putRecord(b, s);
    b = model::putRecord(b, m_label);
    b.string(m_typeName);
    for (const qint32 v : m_extra)
        b.integer(v);
    ar.commit(b.end());
}

void CDrawObj::Serialize(model::ArchiveReader &ar)
{
    m_position.left = model::readCoordinate(ar);
    m_position.top = model::readCoordinate(ar);
    m_position.right = model::readCoordinate(ar);
    m_position.bottom = model::readCoordinate(ar);
    m_objectWord = ar.readWord();
    model::readRecord(ar, m_fill);
    m_flippedX = ar.readInt();
    m_flippedY = ar.readInt();
    m_objectFlag = ar.readInt();
    m_rotation = ar.readInt();
    const quint16 count = ar.readWord();
    ar.requireItems(count, model::segmentMinBytes, QT_TRANSLATE_NOOP("Archive", "muri"));
    m_segmentStyles.resize(count);
    for (SegmentStyle &s : m_segmentStyles)
        model::readRecord(ar, s);
    model::readRecord(ar, m_label);
    m_typeName = ar.readString();
    for (qint32 &v : m_extra)
        v = ar.readInt();
}

int CDrawObj::GetHandleCount() const
{
    return 8;
}

Point CDrawObj::GetHandle(int handle) const
{
    const Rect &r = m_position;
    const int cx = (r.left + r.right) / 2;
    const int cy = (r.top + r.bottom) / 2;
    switch (handle) {
    case 2:
        return {cx, r.top};
    case 3:
        return {r.right, r.top};
    case 4:
        return {r.right, cy};
    case 5:
        return {r.right, r.bottom};
    case 6:
        return {cx, r.bottom};
    case 7:
        return {r.left, r.bottom};
    case 8:
        return {r.left, cy};
    default:
        return {r.left, r.top};
    }
}

Qt::CursorShape CDrawObj::GetHandleCursor(int handle) const
{
    switch (handle) {
    case 2:
    case 6:
        return Qt::SizeVerCursor;
    case 3:
    case 7:
        return Qt::SizeBDiagCursor;
    case 4:
    case 8:
        return Qt::SizeHorCursor;
    default:
        return Qt::SizeFDiagCursor;
    }
}

void CDrawObj::MoveTo(const Rect &position, model::DocumentView *view)
{
    if (position == m_position)
        return;
    invalidateIn(view);
    m_position = position;
    invalidateIn(view);
}

int CDrawObj::HitTest(Point point, model::DocumentView *view, bool selected)
{
    if (!selected)
        return Intersects(Rect(point.x, point.y, point.x + 2, point.y + 2)) ? 1 : 0;
    const int count = GetHandleCount();
    for (int n = 1; n <= count; ++n) {
        Rect r = GetHandleRect(n, view);
        r.normalize();
        // The handle square extended by its own size to the right and down.
        if (point.x >= r.left && point.x < 2 * r.right - r.left && point.y >= r.top &&
            point.y < 2 * r.bottom - r.top)
            return n;
    }
    return 0;
}

bool CDrawObj::Intersects(const Rect &rect)
{
    Rect test = rect;
    test.normalize();
    Rect pos = m_position;
    pos.normalize();
    if (pos.width() == 0)
        pos.right += 2;
    if (pos.height() == 0)
        pos.bottom += 2;
    Rect common;
    return Rect::intersect(common, test, pos);
}

void CDrawObj::OnOpen(model::DocumentView *view)
{
    OnEditProperties(view);
}

void CDrawObj::OnEditProperties(model::DocumentView *)
{
}

std::unique_ptr<CDrawObj> CDrawObj::Clone(bool offset) const
{
    auto copy = std::unique_ptr<CDrawObj>(new CDrawObj(*this));
    if (offset)
        copy->m_position.offset(5, 5);
    return copy;
}

void CDrawObj::SetSize(geokit::Size size)
{
    m_position.right = m_position.left + size.cx;
    m_position.bottom = m_position.top + size.cy;
}

void CDrawObj::Scale(float factor)
{
    m_position.right = model::truncToInt(static_cast<float>(m_position.right) * factor);
    m_position.bottom = model::truncToInt(static_cast<float>(m_position.bottom) * factor);
}

void CDrawObj::SetWidth(int cx)
{
    m_position.right = m_position.left + cx;
}

void CDrawObj::SetHeight(int cy)
{
    m_position.bottom = m_position.top + cy;
}

void CDrawObj::Rotate(double, model::DocumentView *)
{
}

void CDrawObj::MirrorVertical()
{
    m_flippedY = m_flippedY ? 0 : 1;
}

void CDrawObj::MirrorHorizontal()
{
    m_flippedX = m_flippedX ? 0 : 1;
}

bool CDrawObj::IsRectAllowed(model::DocumentView *view, const Rect &rect) const
{
    return IsPointAllowed(view, rect.topLeft()) && IsPointAllowed(view, rect.bottomRight());
}

bool CDrawObj::IsPointAllowed(model::DocumentView *view, Point point) const
{
    geokit::Size sheet;
    if (!sheetSize(view, sheet))
        return true;
    return point.x >= 1 && point.x < sheet.cx && point.y >= 1 && point.y < sheet.cy;
}

void CDrawObj::MoveHandleTo(int handle, Point point, model::DocumentView *view)
{
    if (!IsPointAllowed(view, point))
        return;
    Rect r = m_position;
    switch (handle) {
    case 2:
        r.top = point.y;
        break;
    case 3:
        r.right = point.x;
        r.top = point.y;
        break;
    case 4:
        r.right = point.x;
        break;
    case 5:
        r.right = point.x;
        r.bottom = point.y;
        break;
    case 6:
        r.bottom = point.y;
        break;
    case 7:
        r.left = point.x;
        r.bottom = point.y;
        break;
    case 8:
        r.left = point.x;
        break;
    default: // 1 and anything else
        r.left = point.x;
        r.top = point.y;
        break;
    }
    MoveTo(r, view);
}

CDrawObj *CDrawObj::CloneInto(CDomoraDoc &doc, bool offset) const
{
    return doc.AddObject(Clone(offset));
}

Rect CDrawObj::GetHandleRect(int handle, model::DocumentView *view) const
{
    const Point p = GetHandle(handle);
    if (!view)
        return {p.x - 3, p.y - 3, p.x + 3, p.y + 3};
    const Point d = view->toDevice(p);
    return {view->toSheet({d.x - 3, d.y - 3}), view->toSheet({d.x + 3, d.y + 3})};
}

void CDrawObj::Invalidate()
{
    if (!m_document) {
        model::showMessage(QCoreApplication::translate(
            "CDrawObj",
            "Errore interno #100: è associato un documento nullo alla vista selezionata."));
        return;
    }
    m_document->UpdateAllViews(nullptr, 1, this);
}

void CDrawObj::setSegmentStyle(size_t index, SegmentStyle style)
{
    if (index < m_segmentStyles.size())
        m_segmentStyles[index] = std::move(style);
}

void CDrawObj::setFlipped(qint32 x, qint32 y)
{
    m_flippedX = x;
    m_flippedY = y;
}

qint32 CDrawObj::extra(int number) const
{
    return number >= 1 && number <= extraCount ? m_extra[static_cast<size_t>(number - 1)] : 0;
}

void CDrawObj::setExtra(int number, qint32 value)
{
    if (number >= 1 && number <= extraCount)
        m_extra[static_cast<size_t>(number - 1)] = value;
}

void CDrawObj::setModified()
{
    if (m_document)
        m_document->SetModifiedFlag();
}

void CDrawObj::invalidateIn(model::DocumentView *view)
{
    if (view)
        view->invalidateObject(this);
    else
        Invalidate();
}

bool CDrawObj::sheetSize(model::DocumentView *view, geokit::Size &size)
{
    if (!view || !view->document())
        return false;
    size = view->document()->paperSize();
    return true;
}
