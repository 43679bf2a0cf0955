#pragma once

#include "styles/stylelibrary.h"

#include <QColor>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// What the style-library editor inserts: the blocks of the libraries'
// layout and the values its colour, fill and pattern choosers stand for.
// Texts use "\n" line ends, as the editor holds them; saving writes CR LF.
namespace styletemplates {

using styles::LibraryKind;

[[nodiscard]] QString header(LibraryKind kind);
// A whole <style> block: a wall style, or a room style with one room and the borders.
[[nodiscard]] QString style(LibraryKind kind);
// The stand-alone <brush> block.
[[nodiscard]] QString brush();
// One more <room> block for a room style's <background>.
[[nodiscard]] QString room();

struct NamedColour
{
    const char *name;
    int red;
    int green;
    int blue;
};
// The picker's 40 named colours, in 8 columns.
inline constexpr int paletteColumns = 8;
[[nodiscard]] const std::array<NamedColour, 40> &palette();
// The row of document colours shown under the title "Vantorie standard".
[[nodiscard]] const std::array<QColor, 7> &documentColours();
[[nodiscard]] QString documentColoursTitle();

// "255,r,g,b" for a chosen colour.
[[nodiscard]] QString colourText(const QColor &colour);

// The fill combo's entries and the code each inserts.
[[nodiscard]] QStringList fillNames();
[[nodiscard]] QString fillText(int index);

// The 53 hatch patterns, numbered as the hatch styles; a choice inserts its number.
[[nodiscard]] const std::array<const char *, 53> &hatchNames();
[[nodiscard]] QString patternText(int index);

// The line field of "->": a number other than 0, read as atoi reads it, that
// names an existing line gives the zero-based index of the line to go to.
[[nodiscard]] std::optional<int> lineFieldTarget(const QString &field, int lineCount);

} // namespace styletemplates
