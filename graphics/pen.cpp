#include "pen.h"

namespace graphics {

Pen::Pen(Argb color, double width) : m_brush(Brush::solid(color)), m_width(width)
{
}

Pen::Pen(const Brush &brush, double width) : m_brush(brush), m_width(width)
{
}

QList<qreal> Pen::dashPattern() const
{
    switch (m_dash) {
    case DashStyle::Solid:
        return {};
    case DashStyle::Dash:
        return {3, 1};
    case DashStyle::Dot:
        return {1, 1};
    case DashStyle::DashDot:
        return {3, 1, 1, 1};
    case DashStyle::DashDotDot:
        return {3, 1, 1, 1, 1, 1};
    }
    return {};
}

} // namespace graphics
