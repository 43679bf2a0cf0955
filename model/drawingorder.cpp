#include "drawingorder.h"

#include "model/cdrawimage.h"
#include "model/cdrawpoly.h"

namespace model {

std::vector<DrawStep> drawingOrder(const std::vector<std::unique_ptr<CDrawObj>> &objects,
                                   bool ignoreZOrderHoles, bool ignoreZOrderImages)
{
    std::vector<DrawStep> steps;
    steps.reserve(objects.size() * 2);
    const auto isPicture = [](const CDrawObj *o) { return dynamic_cast<const CDrawImage *>(o); };
    const auto isRoom = [](const CDrawObj *o) { return dynamic_cast<const CDrawPoly *>(o); };

    for (const auto &object : objects) {
        CDrawObj *o = object.get();
        if (ignoreZOrderImages && isPicture(o))
            continue;
        steps.push_back({DrawStep::Kind::Object, o});
        if (!ignoreZOrderHoles && isRoom(o))
            steps.push_back({DrawStep::Kind::Openings, o});
    }
    if (ignoreZOrderHoles) {
        for (const auto &object : objects) {
            if (isRoom(object.get()))
                steps.push_back({DrawStep::Kind::Openings, object.get()});
        }
    }
    if (ignoreZOrderImages) {
        for (const auto &object : objects) {
            if (isPicture(object.get()))
                steps.push_back({DrawStep::Kind::Object, object.get()});
        }
    }
    return steps;
}

} // namespace model
