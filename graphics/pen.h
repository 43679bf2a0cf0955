#pragma once

#include "brush.h"

#include <QList>

namespace graphics {

enum class LineCap
{
    Flat = 0,
    Square = 1, // half the width beyond the end point, squared off
    Round = 2,
    Triangle = 3, // a point half the width beyond the end point
};

enum class DashStyle
{
    Solid = 0,
    Dash = 1, // three widths on, one off
    Dot = 2,  // one width on, one off
    DashDot = 3,
    DashDotDot = 4,
};

enum class PenAlignment
{
    Center = 0, // the band is centred on the outline
    Inset = 1,  // on a closed outline the band lies wholly inside it
};

enum class LineJoin
{
    Miter = 0,
    Bevel = 1,
    Round = 2,
};

// How a line is stroked, in world units. The fill of the band is a colour or
// any brush. Dashes have flat ends; the caps apply to the two ends of an open
// line only.
class Pen
{
public:
    explicit Pen(Argb color = 0xFF000000, double width = 1.0);
    Pen(const Brush &brush, double width);

    [[nodiscard]] const Brush &brush() const { return m_brush; }
    // The colour of a solid pen (the foreground of any other brush).
    [[nodiscard]] Argb color() const { return m_brush.color(); }
    void setColor(Argb color) { m_brush = Brush::solid(color); }
    void setBrush(const Brush &brush) { m_brush = brush; }

    // Zero draws the thinnest line the device shows.
    [[nodiscard]] double width() const { return m_width; }
    void setWidth(double width) { m_width = width; }

    [[nodiscard]] LineCap startCap() const { return m_startCap; }
    [[nodiscard]] LineCap endCap() const { return m_endCap; }
    void setStartCap(LineCap cap) { m_startCap = cap; }
    void setEndCap(LineCap cap) { m_endCap = cap; }
    void setLineCap(LineCap start, LineCap end)
    {
        m_startCap = start;
        m_endCap = end;
    }

    [[nodiscard]] DashStyle dashStyle() const { return m_dash; }
    void setDashStyle(DashStyle dash) { m_dash = dash; }
    // Dash and gap lengths in multiples of the width; empty for solid lines.
    [[nodiscard]] QList<qreal> dashPattern() const;

    [[nodiscard]] PenAlignment alignment() const { return m_alignment; }
    void setAlignment(PenAlignment alignment) { m_alignment = alignment; }

    [[nodiscard]] LineJoin lineJoin() const { return m_join; }
    void setLineJoin(LineJoin join) { m_join = join; }
    // Miter joins longer than this many widths are cut off.
    static constexpr double miterLimit = 10.0;

    friend bool operator==(const Pen &, const Pen &) = default;

private:
    Brush m_brush;
    double m_width = 1.0;
    LineCap m_startCap = LineCap::Flat;
    LineCap m_endCap = LineCap::Flat;
    DashStyle m_dash = DashStyle::Solid;
    PenAlignment m_alignment = PenAlignment::Center;
    LineJoin m_join = LineJoin::Miter;
};

} // namespace graphics
