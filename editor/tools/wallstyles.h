#pragma once

#include "model/segmentstyle.h"

#include <QString>

#include <vector>

class CDomoraDoc;
class CDrawObj;

namespace editing {

// The wall styles the wall-style wizard offers, in the order of its list:
// "Formato predefinito per i muri (Vantorie)", "Muri pieni con sfondo nero",
// "Muri vuoti con sfondo bianco", brick walls in colour and in black and
// white, "Siepe", cobbled and paved paths in colour and in black and white.
inline constexpr int wallStyleCount = 10;
[[nodiscard]] QString wallStyleName(int index);
// The wall of the style: its width and fill (textures from the picture
// library beside the program).
[[nodiscard]] SegmentStyle wallStyle(int index);

// A texture of the picture library by its name, as a path beside the program.
[[nodiscard]] QString libraryTexture(const QString &name);

// What the user chose in the wizard.
struct WallStyleChoice
{
    bool allWalls = true; // else only the current wall
    int style = 0;
    bool alwaysVisible = false; // every wall shown
    bool adaptWidth = true;     // the style's width
    bool changeFill = false;    // the style's colours and patterns

    friend bool operator==(const WallStyleChoice &, const WallStyleChoice &) = default;
};

// Applies the choice to the walls (all, or the one at `current`); a wall's
// description and its doors and windows stay. Returns whether a wall changed.
bool applyWallStyle(std::vector<SegmentStyle> &segments, int current,
                    const WallStyleChoice &choice);
// The same on an object's walls after one undo step.
bool applyWallStyle(CDomoraDoc &doc, CDrawObj &object, int current, const WallStyleChoice &choice);

} // namespace editing
