#pragma once

#include "model/cdrawobj.h"

// A text box: the text, its font and colour live in a caption block; the
// frame is drawn with its own pen.
class CDrawText : public CDrawObj
{
public:
    CDrawText();
    // A new text box: grey fill, framed, "Nuova casella di testo".
    explicit CDrawText(const geokit::Rect &position);

    [[nodiscard]] const char *className() const override { return "CDrawText"; }
    void Serialize(model::ArchiveWriter &ar) const override;
    void Serialize(model::ArchiveReader &ar) override;

    void Draw(graphics::Context &g) override;
    // The box, inflated by 1 when it has no width or height.
    [[nodiscard]] bool Intersects(const geokit::Rect &rect) override;
    void OnEditProperties(model::DocumentView *view) override;
    [[nodiscard]] std::unique_ptr<CDrawObj> Clone(bool offset) const override;
    // The text becomes a solid fill of the colour (a COLORREF 0x00BBGGRR)
    // at full opacity; the box is repainted and the document modified.
    virtual void SetTextColor(quint32 colorRef);

    [[nodiscard]] qint32 textValue() const { return m_textValue; }
    void setTextValue(qint32 v) { m_textValue = v; }
    [[nodiscard]] float borderWidth() const { return m_borderWidth; }
    void setBorderWidth(float width) { m_borderWidth = width; }
    [[nodiscard]] qint32 outlined() const { return m_outlined; }
    void setOutlined(qint32 outlined) { m_outlined = outlined; }
    [[nodiscard]] quint32 borderColor() const { return m_borderColor; }
    void setBorderColor(quint32 argb) { m_borderColor = argb; }
    [[nodiscard]] const LabelStyle &text() const { return m_text; }
    void setText(const LabelStyle &text) { m_text = text; }

protected:
    CDrawText(const CDrawText &) = default;

private:
    qint32 m_textValue = 0;
    float m_borderWidth = 1.0f;
    qint32 m_outlined = 1;
    quint32 m_borderColor = 0xFF000000;
    LabelStyle m_text;
};

// A COLORREF (0x00BBGGRR) as an opaque ARGB colour (0xFFRRGGBB), and back.
[[nodiscard]] constexpr quint32 argbFromColorRef(quint32 colorRef)
{
    return 0xFF000000u | ((colorRef & 0xFFu) << 16) | (colorRef & 0xFF00u) |
           ((colorRef >> 16) & 0xFFu);
}
[[nodiscard]] constexpr quint32 colorRefFromArgb(quint32 argb)
{
    return ((argb & 0xFFu) << 16) | (argb & 0xFF00u) | ((argb >> 16) & 0xFFu);
}
