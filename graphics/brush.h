#pragma once

#include <QImage>
#include <QRectF>
#include <QTransform>

#include <cstdint>

namespace graphics {

// A colour as plan files keep it: 0xAARRGGBB.
using Argb = std::uint32_t;

enum class BrushKind
{
    Solid,
    LinearGradient,
    Texture,
    Hatch,
};

// Directions of a linear gradient over its rectangle.
enum class LinearGradientMode
{
    Horizontal = 0,       // left edge to right edge
    Vertical = 1,         // top edge to bottom edge
    ForwardDiagonal = 2,  // top-left corner to bottom-right corner
    BackwardDiagonal = 3, // top-right corner to bottom-left corner
};

enum class MatrixOrder
{
    Prepend, // the new operation acts before the existing transform
    Append,  // the new operation acts after it
};

// How an area is filled: a value type, cheap to copy (texture images are
// shared). A context turns it into a QBrush when it draws.
class Brush
{
public:
    // A fully transparent solid brush.
    Brush() = default;

    [[nodiscard]] static Brush solid(Argb color);
    // From colour1 at the start of the direction to colour2 at its end; the
    // gradient repeats beyond the rectangle.
    [[nodiscard]] static Brush linearGradient(const QRectF &rect, Argb color1, Argb color2,
                                              LinearGradientMode mode);
    // The image tiled over the plane, one image pixel per world unit before
    // the brush transform.
    [[nodiscard]] static Brush texture(const QImage &image);
    // One of the 53 hatch patterns (hatch.h); the pattern lies on the device
    // grid, so it neither turns nor stretches with the world transform.
    [[nodiscard]] static Brush hatch(int style, Argb foreground, Argb background);

    [[nodiscard]] BrushKind kind() const { return m_kind; }
    // Solid colour; the foreground of a hatch; the start of a gradient.
    [[nodiscard]] Argb color() const { return m_color1; }
    [[nodiscard]] Argb color2() const { return m_color2; }
    [[nodiscard]] QRectF gradientRect() const { return m_rect; }
    [[nodiscard]] LinearGradientMode gradientMode() const { return m_mode; }
    [[nodiscard]] int hatchStyle() const { return m_hatchStyle; }
    [[nodiscard]] const QImage &textureImage() const { return m_image; }

    // The brush transform of texture brushes (image space to world space).
    [[nodiscard]] QTransform transform() const { return m_transform; }
    void setTransform(const QTransform &transform) { m_transform = transform; }
    void scaleTransform(double sx, double sy, MatrixOrder order = MatrixOrder::Prepend);
    void rotateTransform(double degrees, MatrixOrder order = MatrixOrder::Prepend);

    // False for brushes a context cannot draw with: a hatch style outside
    // 0-52, a texture without an image, a gradient over an empty rectangle.
    [[nodiscard]] bool isValid() const;
    // True when every colour the brush can paint is fully transparent.
    [[nodiscard]] bool isInvisible() const;

    friend bool operator==(const Brush &a, const Brush &b);

private:
    BrushKind m_kind = BrushKind::Solid;
    Argb m_color1 = 0;
    Argb m_color2 = 0;
    QRectF m_rect;
    LinearGradientMode m_mode = LinearGradientMode::Horizontal;
    int m_hatchStyle = 0;
    QImage m_image;
    QTransform m_transform;
};

} // namespace graphics
