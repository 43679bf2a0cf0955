#pragma once

#include "model/cdrawobj.h"

// A primitive built on its rectangle: rectangle, rounded rectangle, ellipse,
// line (from the top-left to the bottom-right corner of position, which may
// be unnormalised), tinted box, comment note or dimension line.
class CDrawRect : public CDrawObj
{
public:
    enum class Shape : quint16
    {
        Rectangle = 0,
        RoundRectangle = 1,
        Ellipse = 2,
        Line = 3,
        TintedBox = 4,
        Note = 5,
        DimensionLine = 6,
    };

    CDrawRect();
    // A new primitive: grey fill, the shape's outline drawn.
    CDrawRect(const geokit::Rect &position, Shape shape);

    [[nodiscard]] const char *className() const override { return "CDrawRect"; }
    void Serialize(model::ArchiveWriter &ar) const override;
    void Serialize(model::ArchiveReader &ar) override;

    [[nodiscard]] int GetHandleCount() const override;
    [[nodiscard]] geokit::Point GetHandle(int handle) const override;
    [[nodiscard]] Qt::CursorShape GetHandleCursor(int handle) const override;
    void Draw(graphics::Context &g) override;
    [[nodiscard]] bool Intersects(const geokit::Rect &rect) override;
    void OnEditProperties(model::DocumentView *view) override;
    [[nodiscard]] std::unique_ptr<CDrawObj> Clone(bool offset) const override;
    void Rotate(double angleDeg, model::DocumentView *view) override;
    void MirrorVertical() override;
    void MirrorHorizontal() override;
    // A line's handle 2 is its end point; a rounded rectangle's handle 9
    // sets the corner size, kept between nothing and half the rectangle.
    void MoveHandleTo(int handle, geokit::Point point, model::DocumentView *view) override;

    [[nodiscard]] Shape shape() const { return m_shape; }
    void setShape(Shape shape) { m_shape = shape; }
    // Corner ellipse width and height of a rounded rectangle.
    [[nodiscard]] geokit::Point roundness() const { return m_roundness; }
    void setRoundness(geokit::Point roundness) { m_roundness = roundness; }
    // stroke.solidColor is the pen colour.
    [[nodiscard]] const BrushStyle &stroke() const { return m_stroke; }
    void setStroke(const BrushStyle &stroke) { m_stroke = stroke; }
    [[nodiscard]] float penWidth() const { return m_penWidth; }
    void setPenWidth(float width) { m_penWidth = width; }
    [[nodiscard]] qint32 outlined() const { return m_outlined; }
    void setOutlined(qint32 outlined) { m_outlined = outlined; }
    // The text of notes and dimension lines.
    [[nodiscard]] const LabelStyle &label2() const { return m_label2; }
    void setLabel2(const LabelStyle &label) { m_label2 = label; }

protected:
    CDrawRect(const CDrawRect &) = default;

private:
    [[nodiscard]] bool isLineShape() const
    {
        return m_shape == Shape::Line || m_shape == Shape::DimensionLine;
    }

    Shape m_shape = Shape::Rectangle; // stored as 16 bits
    geokit::Point m_roundness{16, 16};
    BrushStyle m_stroke;
    float m_penWidth = 0.5f;
    qint32 m_outlined = 1;
    LabelStyle m_label2;
};
