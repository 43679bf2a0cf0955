#pragma once

#include "graphics/brush.h"
#include "graphics/pen.h"

#include <QRectF>
#include <QString>

#include <optional>

struct BrushStyle;
struct SegmentStyle;

namespace graphics {
class Context;
}

namespace model {

// The brush for an area described by a BrushStyle, over the object's
// normalised bounds (sheet millimetres):
//   1120 transparent, 1121 solid, 1123 linear gradient over the bounds,
//   1125 the texture image tiled, scaled and turned, 1185 a hatch pattern.
// None for any other kind, and for a texture that cannot be read (the area
// stays unfilled; the context keeps the reason in its last status).
[[nodiscard]] std::optional<graphics::Brush>
makeBrush(const BrushStyle &style, const QRectF &bounds, graphics::Context &context);

// Where a texture named in a plan lies on this machine: the path itself when
// it exists; else, for a path into the picture library (possibly written on
// another system, with backslashes), the same file below the program folder.
[[nodiscard]] QString resolveTexturePath(const QString &texturePath);

// The pen of a wall band: the wall width plus 0.4 truncated to whole
// millimetres, the colour (solidColor for solid walls, color1 otherwise), the
// band filled with the segment's brush, square caps, inset alignment. A
// highlighted segment gets a red hatch of the same pattern on white, a red
// colour and 0.6 mm more width.
[[nodiscard]] graphics::Pen wallPen(const SegmentStyle &segment, const QRectF &bounds,
                                    graphics::Context &context);

// The width of a wall band's pen for a wall thickness.
[[nodiscard]] double wallPenWidth(float wallWidthMm);

} // namespace model
