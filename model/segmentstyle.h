#pragma once

#include "model/brushstyle.h"
#include "model/opening.h"

#include <QString>

#include <vector>

// The look of one edge of a room or of a free-standing wall, with the doors
// and windows placed on it.
struct SegmentStyle
{
    SegmentStyle()
    {
        brush.fillKind = BrushStyle::fillHatch;
        brush.color1 = 0xFF000000;
        brush.color2 = 0xFFFFFFFF;
    }

    // Non-zero for a segment that carries a wall; openings are laid out only
    // on enabled segments.
    qint32 enabled = 1;
    float width = 2.0f;     // wall thickness, sheet millimetres
    BrushStyle brush;       // fill of the wall band
    qint32 highlighted = 0; // drawn with a red hatch; never stored
    QString description;
    std::vector<Opening> openings;

    friend bool operator==(const SegmentStyle &, const SegmentStyle &) = default;
};
