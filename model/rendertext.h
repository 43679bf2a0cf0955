#pragma once

#include "graphics/brush.h"
#include "graphics/font.h"

#include <QRectF>
#include <QString>

struct LabelStyle;
struct LogFont;

namespace graphics {
class Context;
}

namespace model {

// The plan's LOGFONT as the drawing context's font record; the height stays
// in logical units, which are sheet millimetres.
[[nodiscard]] graphics::LogFont toGraphicsFont(const LogFont &font);

// Alignment, line alignment, trimming, kerning and ligatures of a caption.
[[nodiscard]] graphics::StringFormat stringFormat(const LabelStyle &label);

// The caption text as shown: as typed (textCase 0), lower case (1) or upper
// case (any other value).
[[nodiscard]] QString displayText(const LabelStyle &label);

// The size the caption takes on one line per paragraph, sheet millimetres.
[[nodiscard]] QSizeF measureLabel(graphics::Context &context, const LabelStyle &label);

// Whether a room's caption fits its layout rectangle: no wider than it and
// less tall.
[[nodiscard]] bool labelFits(graphics::Context &context, const LabelStyle &label,
                             const QRectF &layout);

// Draws the caption in the layout rectangle: first, when the label asks for a
// shadow, offset by (1, 1) in the shadow colour, then in the label's brush.
void drawLabel(graphics::Context &context, const LabelStyle &label, const QRectF &layout,
               graphics::Argb shadowColor);

} // namespace model
