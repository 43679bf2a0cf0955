#pragma once

#include <vector>

class CDomoraDoc;
class CDrawObj;

namespace model {
class DocumentView;
}

namespace editing {

// The move steps of the move commands, sheet millimetres.
inline constexpr int moveStepMm = 5;
inline constexpr int nudgeStepMm = 1;

// Moves the objects by (dx, dy) after one undo step. An object the
// placement rules keep on the sheet stays where it is. Returns whether any
// object moved.
bool moveObjects(CDomoraDoc &doc, const std::vector<CDrawObj *> &objects, int dxMm, int dyMm,
                 model::DocumentView *view);

// Each object clones itself into the document, in place or moved by (5, 5),
// after one undo step; the copies lie on top, in the order of the originals
// in the drawing order.
std::vector<CDrawObj *> cloneObjects(CDomoraDoc &doc, const std::vector<CDrawObj *> &objects,
                                     bool offset);

enum class Order
{
    BackOne,
    ForwardOne,
    ToBack,
    ToFront
};
// Changes the place of the objects in the drawing order after one undo step;
// several objects keep their order among themselves. Returns whether the
// order changed.
bool changeOrder(CDomoraDoc &doc, const std::vector<CDrawObj *> &objects, Order order);

} // namespace editing
