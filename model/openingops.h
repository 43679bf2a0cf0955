#pragma once

#include "model/opening.h"

#include <QtGlobal>

class CDomoraDoc;
class CDrawPoly;

namespace model {

// An opening of a room: the segment it lies on and its place in the
// segment's list. The room pointer is borrowed from the document and is
// invalid after an undo or redo, which replace the document's objects.
struct OpeningRef
{
    CDrawPoly *room = nullptr;
    int segment = -1;
    int index = -1;
};

// The fields the door/window page edits (8 to 14 and 5 of the record).
struct OpeningProperties
{
    quint32 strokeColor = 0xFF000000;
    quint32 arcColor = 0xFF7F7F7F;
    quint32 backColor = 0xFFFFFFFF;
    qint32 opensInwards = 1;
    qint32 strokeDash = 0; // "Linea continua"
    qint32 arcDash = 1;    // "Tratteggiato"
    qint32 arcKind = 1;    // "Curva"
    qint32 type = 1;       // "Porta ad un'anta"

    friend bool operator==(const OpeningProperties &, const OpeningProperties &) = default;
};

[[nodiscard]] OpeningProperties openingProperties(const Opening &opening);
void applyOpeningProperties(Opening &opening, const OpeningProperties &properties);

// A new opening at the offset with the size, the page's values filled in.
[[nodiscard]] Opening newOpening(qint32 offset, qint32 size, const OpeningProperties &properties);

// The opening referred to, or nullptr when the reference does not name one.
[[nodiscard]] const Opening *openingAt(const OpeningRef &ref);

// The operations of the view's opening commands. Each takes an undo
// snapshot first (when the document's checkpoint counter allows), changes
// the record, clears its highlight, marks the document modified and
// repaints the room; false, with nothing changed, when the reference names
// no opening.

// Removes the record; later openings of the segment move down by one.
bool deleteOpening(CDomoraDoc &doc, const OpeningRef &ref);
// The orientation angle becomes 180, or 0 when it was 180.
bool invertOpeningOrientation(CDomoraDoc &doc, const OpeningRef &ref);
// The opening keeps its place and its start moves to its other end: with L
// the segment's length truncated, offset becomes L - offset and size -size.
bool flipOpeningAlongWall(CDomoraDoc &doc, const OpeningRef &ref);
// The hinge moves to the other end.
bool flipOpeningHorizontally(CDomoraDoc &doc, const OpeningRef &ref);
// Writes the page's values back into the record.
bool setOpeningProperties(CDomoraDoc &doc, const OpeningRef &ref,
                          const OpeningProperties &properties);

// The length of a room's segment as the opening operations measure it:
// the distance between its two vertices, truncated, never negative; 0 for a
// segment the room does not have.
[[nodiscard]] int segmentLengthMm(const CDrawPoly &room, int segment);

} // namespace model
