#pragma once

#include "model/segmentstyle.h"

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

class CDomoraDoc;

namespace editing {

// The gallery of the formatting wizard: groups of styles, in the order of its
// tree. Style 0, "Combinazione predefinita per Printnet", is the one chosen
// on entry.
struct GalleryGroup
{
    QString name;
    std::vector<int> styles; // indices into the gallery
};
inline constexpr int galleryStyleCount = 11;
[[nodiscard]] std::vector<GalleryGroup> galleryGroups();
[[nodiscard]] QString galleryStyleName(int index);

// What a gallery style gives each kind of object.
struct GalleryStyle
{
    SegmentStyle wall;                // walls of rooms and free-standing walls
    std::array<BrushStyle, 9> floors; // rooms of each type, in the presets' order
    std::vector<BrushStyle> others;   // rooms of no known type, in turn
    quint32 outline = 0xFF000000;     // outlines of primitives, frames of texts
    BrushStyle primitiveFill;         // rectangles, ellipses and text boxes
    quint32 captionColour = 0xFF000000;
};
[[nodiscard]] GalleryStyle galleryStyle(int index);

// The wizard's options: "Modifica i &muri delle stanze" (wall widths, every
// wall shown), "Motivi di &riempimento" (the kind of fill and pattern of the
// walls), "&Colori dei muri e del contorno" (wall colours and outlines),
// "Modifica qualsiasi elemento nello &sfondo delle stanze" (floors and the
// backgrounds of the other objects), "Adatta il titolo della stanza al tipo"
// (a room of a known type shows its type as its caption).
struct AutoFormatOptions
{
    bool walls = true;
    bool patterns = true;
    bool colours = true;
    bool backgrounds = true;
    bool captions = false;

    friend bool operator==(const AutoFormatOptions &, const AutoFormatOptions &) = default;
};

// Formats the whole plan with the gallery style after one undo step; returns
// how many objects changed (none: no step).
int applyAutoFormat(CDomoraDoc &doc, int style, const AutoFormatOptions &options);

} // namespace editing
