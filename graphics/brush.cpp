#include "brush.h"

#include "hatch.h"

namespace graphics {

Brush Brush::solid(Argb color)
{
    Brush b;
    b.m_color1 = color;
    return b;
}

Brush Brush::linearGradient(const QRectF &rect, Argb color1, Argb color2, LinearGradientMode mode)
{
    Brush b;
    b.m_kind = BrushKind::LinearGradient;
    b.m_rect = rect;
    b.m_color1 = color1;
    b.m_color2 = color2;
    b.m_mode = mode;
    return b;
}

Brush Brush::texture(const QImage &image)
{
    Brush b;
    b.m_kind = BrushKind::Texture;
    b.m_image = image;
    b.m_color1 = 0xFF000000;
    return b;
}

Brush Brush::hatch(int style, Argb foreground, Argb background)
{
    Brush b;
    b.m_kind = BrushKind::Hatch;
    b.m_hatchStyle = style;
    b.m_color1 = foreground;
    b.m_color2 = background;
    return b;
}

void Brush::scaleTransform(double sx, double sy, MatrixOrder order)
{
    const QTransform s = QTransform::fromScale(sx, sy);
    m_transform = order == MatrixOrder::Prepend ? s * m_transform : m_transform * s;
}

void Brush::rotateTransform(double degrees, MatrixOrder order)
{
    QTransform r;
    r.rotate(degrees);
    m_transform = order == MatrixOrder::Prepend ? r * m_transform : m_transform * r;
}

bool Brush::isValid() const
{
    switch (m_kind) {
    case BrushKind::Solid:
        return true;
    case BrushKind::LinearGradient:
        return m_rect.width() != 0 && m_rect.height() != 0;
    case BrushKind::Texture:
        return !m_image.isNull() && m_transform.isInvertible();
    case BrushKind::Hatch:
        return isValidHatchStyle(m_hatchStyle);
    }
    return false;
}

bool Brush::isInvisible() const
{
    const auto clear = [](Argb c) { return (c >> 24) == 0; };
    switch (m_kind) {
    case BrushKind::Solid:
        return clear(m_color1);
    case BrushKind::LinearGradient:
    case BrushKind::Hatch:
        return clear(m_color1) && clear(m_color2);
    case BrushKind::Texture:
        return false;
    }
    return false;
}

bool operator==(const Brush &a, const Brush &b)
{
    return a.m_kind == b.m_kind && a.m_color1 == b.m_color1 && a.m_color2 == b.m_color2 &&
           a.m_rect == b.m_rect && a.m_mode == b.m_mode && a.m_hatchStyle == b.m_hatchStyle &&
           a.m_image.cacheKey() == b.m_image.cacheKey() && a.m_transform == b.m_transform;
}

} // namespace graphics
