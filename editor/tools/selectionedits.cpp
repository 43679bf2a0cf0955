#include "editor/tools/selectionedits.h"

#include "model/cdomoradoc.h"
#include "model/cdrawobj.h"
#include "model/cdrawopenpath.h"
#include "model/cdrawpoly.h"
#include "model/cdrawrect.h"
#include "model/cdrawtext.h"

#include <functional>

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

namespace {

bool hasFill(const CDrawObj &o)
{
    if (const auto *rect = dynamic_cast<const CDrawRect *>(&o))
        return rect->shape() == CDrawRect::Shape::Rectangle ||
               rect->shape() == CDrawRect::Shape::RoundRectangle ||
               rect->shape() == CDrawRect::Shape::Ellipse;
    return dynamic_cast<const CDrawPoly *>(&o) || dynamic_cast<const CDrawText *>(&o);
}

bool hasBorder(const CDrawObj &o)
{
    return dynamic_cast<const CDrawPoly *>(&o) || dynamic_cast<const CDrawOpenPath *>(&o) ||
           dynamic_cast<const CDrawRect *>(&o) || dynamic_cast<const CDrawText *>(&o);
}

// Applies the change to the objects it concerns after one undo step.
int changeEach(CDomoraDoc &doc, const std::vector<CDrawObj *> &objects,
               const std::function<bool(const CDrawObj &)> &concerns,
               const std::function<void(CDrawObj &)> &change)
{
    std::vector<CDrawObj *> targets;
    for (CDrawObj *o : inDrawingOrder(doc, objects)) {
        if (concerns(*o))
            targets.push_back(o);
    }
    if (targets.empty())
        return 0;
    doc.CheckPoint();
    for (CDrawObj *o : targets) {
        change(*o);
        o->Invalidate();
    }
    doc.SetModifiedFlag();
    return static_cast<int>(targets.size());
}

} // namespace

int applyFillColour(CDomoraDoc &doc, const std::vector<CDrawObj *> &objects, quint32 argb)
{
    return changeEach(doc, objects, hasFill, [argb](CDrawObj &o) {
        BrushStyle fill = o.fill();
        fill.fillKind = BrushStyle::fillSolid;
        fill.solidColor = argb;
        o.setFill(fill);
    });
}

int applyBorderColour(CDomoraDoc &doc, const std::vector<CDrawObj *> &objects, quint32 argb)
{
    return changeEach(doc, objects, hasBorder, [argb](CDrawObj &o) {
        if (auto *rect = dynamic_cast<CDrawRect *>(&o)) {
            BrushStyle stroke = rect->stroke();
            stroke.solidColor = argb;
            rect->setStroke(stroke);
        } else if (auto *text = dynamic_cast<CDrawText *>(&o)) {
            text->setBorderColor(argb);
        } else {
            std::vector<SegmentStyle> walls = o.segmentStyles();
            for (SegmentStyle &s : walls) {
                s.brush.solidColor = argb;
                s.brush.color1 = argb;
            }
            o.setSegmentStyles(std::move(walls));
        }
    });
}

quint32 fillColourOf(const CDrawObj &object)
{
    return object.fill().solidColor;
}

quint32 borderColourOf(const CDrawObj &object)
{
    if (const auto *rect = dynamic_cast<const CDrawRect *>(&object))
        return rect->stroke().solidColor;
    if (const auto *text = dynamic_cast<const CDrawText *>(&object))
        return text->borderColor();
    if (!object.segmentStyles().empty()) {
        const BrushStyle &b = object.segmentStyles().front().brush;
        return b.fillKind == BrushStyle::fillSolid ? b.solidColor : b.color1;
    }
    return 0xFF000000;
}

} // namespace editing
