#pragma once

#include <memory>
#include <vector>

class CDrawObj;

namespace model {

// One step of drawing a plan: an object itself (with its selection marks),
// or the doors and windows of a room.
struct DrawStep
{
    enum class Kind
    {
        Object,
        Openings,
    };
    Kind kind;
    CDrawObj *object;

    friend bool operator==(const DrawStep &, const DrawStep &) = default;
};

// The order in which a plan is drawn, from the bottom of the object list to
// its top:
// 1. every object but pictures (when ignoreZOrderImages is set); right after
//    a room come its openings unless ignoreZOrderHoles is set;
// 2. with ignoreZOrderHoles, the openings of every room, above all objects;
// 3. with ignoreZOrderImages, every picture, on top of everything.
[[nodiscard]] std::vector<DrawStep>
drawingOrder(const std::vector<std::unique_ptr<CDrawObj>> &objects, bool ignoreZOrderHoles,
             bool ignoreZOrderImages);

} // namespace model
