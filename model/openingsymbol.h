#pragma once

#include <QPointF>
#include <QPolygonF>

#include <optional>

namespace graphics {
class Context;
}

// Colours of the symbols that do not come from the opening itself (ARGB).
namespace openingcolors {
inline constexpr quint32 fireDoorBar = 0xFFFA0014;
inline constexpr quint32 glassWallBar = 0xFF1414DC;
inline constexpr quint32 entranceOuter = 0xFF808080;
inline constexpr quint32 entranceInner = 0xFF800000;
inline constexpr quint32 highlight = 0xFFFF0000;
} // namespace openingcolors

// The room a symbol is drawn in, for turning the symbol so that the leaves
// swing to the side the opening opens to. `segmentStart` and `segmentEnd` are
// the opening's two end points on the room outline itself (the symbol may be
// drawn on the middle of the wall band, which is not the outline).
struct OrientationCheck
{
    QPolygonF room;
    QPointF segmentStart;
    QPointF segmentEnd;
};

// Everything DrawOpeningSymbol reads. Points are sheet millimetres; start and
// end are the opening's two end points, in the order of the opening's offset
// and size along its segment.
struct OpeningSymbol
{
    int type = 1; // 0 to 8, see DrawOpeningSymbol
    QPointF start;
    QPointF end;
    double wallWidth = 2.0;
    int angle = 0; // 0 or 180
    bool flipped = false;
    quint32 strokeColor = 0xFF000000;
    quint32 arcColor = 0xFF6E6E6E;
    int arcKind = 1;    // 0 none, 1 curve, 2 straight line
    int strokeDash = 0; // 0 solid, 1 dashed, 2 dotted
    int arcDash = 1;
    // Set by the room's drawing; the page preview draws without it and so
    // never turns the symbol.
    std::optional<OrientationCheck> orientation;
    bool opensInwards = true;
    bool highlighted = false;
};

// The angle the symbol is drawn with. Without a check it is the stored angle.
// With one, a test point half the wall width from the hinge along the
// opening, turned by 90 degrees about the hinge, shows the side the leaves of
// angle 0 swing to; when that side disagrees with opens inwards (the point
// lies outside the room while the opening opens inwards, or inside while it
// opens outwards) the stored angle is turned by 180 degrees for the drawing.
// So an opening of angle 0 swings to the chosen side and an inverted one
// (180) to the other.
[[nodiscard]] int effectiveOpeningAngle(const OpeningSymbol &symbol);

// Draws the symbol of one door or window over the wall:
//   both types: a jamb across the wall at each end, as long as the wall is wide;
//   0 plain opening: nothing more;
//   1 single door: the leaf standing open at the hinge and its swing arc;
//   2 double door: two half leaves hinged at the two ends, arcs meeting in the middle;
//   3 unequal double door: leaves of three quarters and one quarter;
//   4 fire door: a red bar along the wall's middle;
//   5 glass wall: a blue bar along the wall's middle;
//   6 entrance: a mark across the middle of the opening, grey on the side the
//     door opens to, dark red on the other;
//   7 plain door: a thin leaf standing open, from the far face of the wall at
//     the hinge to its tip, without arc;
//   8 window: two thin lines along the opening a quarter of the wall width to
//     each side of the middle, and the glass on the middle line;
// and, when highlighted, a red wave hatch as wide as the wall over it all.
void DrawOpeningSymbol(graphics::Context &context, const OpeningSymbol &symbol);
