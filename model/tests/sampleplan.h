#pragma once

#include <memory>

class CDomoraDoc;
class CDrawPoly;

namespace model::samples {

// A plan with one object of every class, each with values that differ from
// the defaults wherever a field can hold one: a room with walls, a door and
// a window, a free-standing wall, each rectangle shape, a text box, a picture
// and a data item.
[[nodiscard]] std::unique_ptr<CDomoraDoc> everyClassPlan();

// A large plan: `rooms` rooms of eight vertices on a grid, one wall style per
// edge and one door per room, then `others` further objects of the other
// classes in turn.
[[nodiscard]] std::unique_ptr<CDomoraDoc> generatedPlan(int rooms, int others);

// The first room of a plan, or nullptr when it has none.
[[nodiscard]] CDrawPoly *firstRoom(const CDomoraDoc &doc);

} // namespace model::samples
