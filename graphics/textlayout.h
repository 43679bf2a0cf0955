#pragma once

#include "font.h"

#include <QSizeF>
#include <QString>

#include <vector>

namespace graphics {

// Text broken into lines and placed in its layout rectangle. Positions are in
// reference pixels of the font (multiply by Font::scale() for world units),
// relative to the rectangle's top-left corner.
struct TextLayout
{
    struct Line
    {
        QString text; // as drawn (trimmed, with ligature breaks when asked)
        double x = 0.0;
        double baseline = 0.0;
        double width = 0.0;
    };
    std::vector<Line> lines;
    // Widest line and the height of all lines laid out, before any lines are
    // dropped for the rectangle's height.
    QSizeF naturalSize;
    // True when some text lies outside the rectangle (it is then clipped).
    bool overflows = false;
};

// Lays the text out in a rectangle of the given size in world units. A width
// of zero or less does not wrap; a height of zero or less does not limit the
// lines. The rectangle's origin is the alignment reference, so a zero-size
// rectangle centres or right-aligns text on a point.
[[nodiscard]] TextLayout layoutText(const QString &text, const Font &font, QSizeF sizeWorld,
                                    const StringFormat &format);

} // namespace graphics
