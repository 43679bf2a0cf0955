#pragma once

#include <QtGlobal>

// A door or window placed on one wall segment of a room: fifteen 32-bit
// fields. Offsets and sizes are sheet millimetres along the segment, measured
// from its start vertex; colours are ARGB.
struct Opening
{
    qint32 offset = 0;
    // Negative when the opening runs from its start towards the segment's start.
    qint32 size = 0;
    qint32 reserved = 0;
    qint32 angle = 0;   // orientation of the symbol, 0 or 180 degrees
    qint32 flipped = 0; // the hinge is at the other end
    qint32 type = 0;    // 0 to 8
    // 2 while a new opening is being sized, else 0; never stored.
    qint32 insertState = 0;
    qint32 highlighted = 0; // never stored
    quint32 strokeColor = 0xFF000000;
    quint32 arcColor = 0xFF6E6E6E;
    // The colour the wall gap is painted with; never stored, white after reading.
    quint32 backColor = 0xFFFFFFFF;
    qint32 strokeDash = 0; // 0 solid, 1 dashed, 2 dotted; stored as 16 bits
    qint32 arcDash = 0;    // same numbering; stored as 16 bits
    qint32 arcKind = 0;    // 0 none, 1 curve, 2 straight line
    qint32 opensInwards = 0;

    friend bool operator==(const Opening &, const Opening &) = default;
};
