#include "editor/tools/selectionedits.h"

#include "model/cdomoradoc.h"
#include "model/cdrawobj.h"

#include <algorithm>

namespace editing {

namespace {

// The objects that belong to the document, bottom first.
std::vector<CDrawObj *> inDrawingOrder(const CDomoraDoc &doc,
                                       const std::vector<CDrawObj *> &objects)
{
    std::vector<CDrawObj *> sorted;
    for (CDrawObj *o : objects) {
        if (doc.indexOf(o) >= 0 && std::find(sorted.begin(), sorted.end(), o) == sorted.end())
            sorted.push_back(o);
    }
    std::sort(sorted.begin(), sorted.end(),
              [&doc](CDrawObj *a, CDrawObj *b) { return doc.indexOf(a) < doc.indexOf(b); });
    return sorted;
}

std::vector<CDrawObj *> currentOrder(const CDomoraDoc &doc)
{
    std::vector<CDrawObj *> order;
    for (const auto &o : doc.objects())
        order.push_back(o.get());
    return order;
}

} // namespace

bool moveObjects(CDomoraDoc &doc, const std::vector<CDrawObj *> &objects, int dxMm, int dyMm,
                 model::DocumentView *view)
{
    const std::vector<CDrawObj *> moving = inDrawingOrder(doc, objects);
    if (moving.empty() || (dxMm == 0 && dyMm == 0))
        return false;
    doc.CheckPoint();
    bool moved = false;
    for (CDrawObj *o : moving) {
        geokit::Rect r = o->position();
        r.offset(dxMm, dyMm);
        o->MoveTo(r, view);
        moved = moved || o->position() == r;
    }
    if (moved)
        doc.SetModifiedFlag();
    return moved;
}

std::vector<CDrawObj *> cloneObjects(CDomoraDoc &doc, const std::vector<CDrawObj *> &objects,
                                     bool offset)
{
    const std::vector<CDrawObj *> sources = inDrawingOrder(doc, objects);
    std::vector<CDrawObj *> copies;
    if (sources.empty())
        return copies;
    doc.CheckPoint();
    for (const CDrawObj *o : sources) {
        CDrawObj *copy = o->CloneInto(doc, offset);
        if (copy->document())
            copy->Invalidate();
        copies.push_back(copy);
    }
    return copies;
}

bool changeOrder(CDomoraDoc &doc, const std::vector<CDrawObj *> &objects, Order order)
{
    const std::vector<CDrawObj *> moving = inDrawingOrder(doc, objects);
    if (moving.empty())
        return false;
    std::vector<CDrawObj *> list = currentOrder(doc);
    const auto isMoving = [&moving](CDrawObj *o) {
        return std::find(moving.begin(), moving.end(), o) != moving.end();
    };
    switch (order) {
    case Order::ToBack:
        std::stable_partition(list.begin(), list.end(), isMoving);
        break;
    case Order::ToFront:
        std::stable_partition(list.begin(), list.end(), [&](CDrawObj *o) { return !isMoving(o); });
        break;
    case Order::BackOne:
        // Each object swaps with the one below it, unless that one moves too
        // and could not go further down.
        for (size_t i = 1; i < list.size(); ++i) {
            if (isMoving(list[i]) && !isMoving(list[i - 1]))
                std::swap(list[i], list[i - 1]);
        }
        break;
    case Order::ForwardOne:
        for (size_t i = list.size() - 1; i-- > 0;) {
            if (isMoving(list[i]) && !isMoving(list[i + 1]))
                std::swap(list[i], list[i + 1]);
        }
        break;
    }
    if (list == currentOrder(doc))
        return false;
    doc.CheckPoint();
    for (size_t i = 0; i < list.size(); ++i)
        doc.moveObject(list[i], static_cast<qsizetype>(i));
    for (CDrawObj *o : moving)
        o->Invalidate();
    doc.SetModifiedFlag();
    return true;
}

} // namespace editing
