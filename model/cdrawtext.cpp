#include "cdrawtext.h"

#include "model/archive.h"
#include "model/modelhooks.h"
#include "model/recordarchive.h"

#include <QCoreApplication>

using geokit::Rect;

namespace {

// The default texts are looked up once, as objects read from a plan are many.
const QString &textTypeName()
{
    static const QString name = QCoreApplication::translate("CDrawText", "Oggetto di testo");
    return name;
}

void setTextDefaults(LabelStyle &text)
{
    static const QString newText =
        QCoreApplication::translate("CDrawText", "Nuova casella di testo");
    text.text = newText;
    text.font.height = 12;
    text.align = 0;
    text.lineAlign = 0;
}

} // namespace

CDrawText::CDrawText()
{
    m_typeName = textTypeName();
    setTextDefaults(m_text);
}

CDrawText::CDrawText(const Rect &position) : CDrawObj(position)
{
    m_typeName = textTypeName();
    m_fill = BrushStyle::solid(0xFFC0C0C0);
    setTextDefaults(m_text);
}

void CDrawText::Serialize(model::ArchiveWriter &ar) const
{
    CDrawObj::Serialize(ar);
    ar.writeInt(m_textValue);
    ar.writeDword(m_borderColor);
    ar.writeFloat(m_borderWidth);
    ar.writeInt(m_outlined);
    model::writeRecord(ar, m_text);
}

void CDrawText::Serialize(model::ArchiveReader &ar)
{
    CDrawObj::Serialize(ar);
    m_textValue = ar.readInt();
    m_borderColor = ar.readDword();
    m_borderWidth = ar.readFloat();
    m_outlined = ar.readInt();
    model::readRecord(ar, m_text);
}

bool CDrawText::Intersects(const Rect &rect)
{
    Rect test = rect;
    test.normalize();
    Rect pos = m_position;
    pos.normalize();
    if (pos.width() == 0 || pos.height() == 0)
        pos.inflate(1, 1);
    Rect common;
    return Rect::intersect(common, test, pos);
}

void CDrawText::OnEditProperties(model::DocumentView *view)
{
    model::editProperties(*this, view);
}

std::unique_ptr<CDrawObj> CDrawText::Clone(bool offset) const
{
    auto copy = std::unique_ptr<CDrawText>(new CDrawText(*this));
    if (offset)
        copy->m_position.offset(5, 5);
    return copy;
}

void CDrawText::SetTextColor(quint32 colorRef)
{
    const quint32 argb = argbFromColorRef(colorRef);
    m_text.textBrush.fillKind = BrushStyle::fillSolid;
    m_text.textBrush.solidColor = argb;
    Invalidate();
    setModified();
}
