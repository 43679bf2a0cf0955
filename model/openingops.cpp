#include "openingops.h"

#include "model/cdomoradoc.h"
#include "model/cdrawpoly.h"
#include "model/coordinates.h"

#include <cmath>
#include <cstdlib>
#include <functional>

namespace model {

namespace {

bool isValid(const OpeningRef &ref)
{
    if (!ref.room || ref.segment < 0 || ref.index < 0)
        return false;
    const auto &segments = ref.room->segmentStyles();
    return static_cast<size_t>(ref.segment) < segments.size() &&
           static_cast<size_t>(ref.index) <
               segments[static_cast<size_t>(ref.segment)].openings.size();
}

// Applies a change to the segment that holds the opening, with the snapshot
// before and the repaint after.
bool changeSegment(CDomoraDoc &doc, const OpeningRef &ref,
                   const std::function<void(SegmentStyle &, Opening &)> &change)
{
    if (!isValid(ref))
        return false;
    doc.CheckPoint();
    SegmentStyle segment = ref.room->segmentStyles()[static_cast<size_t>(ref.segment)];
    Opening &opening = segment.openings[static_cast<size_t>(ref.index)];
    opening.highlighted = 0;
    change(segment, opening);
    ref.room->setSegmentStyle(static_cast<size_t>(ref.segment), std::move(segment));
    doc.SetModifiedFlag();
    if (ref.room->document())
        ref.room->Invalidate();
    return true;
}

} // namespace

OpeningProperties openingProperties(const Opening &o)
{
    return {o.strokeColor, o.arcColor, o.backColor, o.opensInwards,
            o.strokeDash,  o.arcDash,  o.arcKind,   o.type};
}

void applyOpeningProperties(Opening &o, const OpeningProperties &p)
{
    o.strokeColor = p.strokeColor;
    o.arcColor = p.arcColor;
    o.backColor = p.backColor;
    o.opensInwards = p.opensInwards;
    o.strokeDash = p.strokeDash;
    o.arcDash = p.arcDash;
    o.arcKind = p.arcKind;
    o.type = p.type;
}

Opening newOpening(qint32 offset, qint32 size, const OpeningProperties &properties)
{
    Opening o;
    o.offset = offset;
    o.size = size;
    applyOpeningProperties(o, properties);
    return o;
}

const Opening *openingAt(const OpeningRef &ref)
{
    if (!isValid(ref))
        return nullptr;
    return &ref.room->segmentStyles()[static_cast<size_t>(ref.segment)]
                .openings[static_cast<size_t>(ref.index)];
}

int segmentLengthMm(const CDrawPoly &room, int segment)
{
    const auto &points = room.points();
    if (segment < 0 || static_cast<size_t>(segment) >= points.size() || points.size() < 2)
        return 0;
    const geokit::PointF a = points[static_cast<size_t>(segment)];
    const geokit::PointF b = points[(static_cast<size_t>(segment) + 1) % points.size()];
    return std::abs(truncToInt(std::hypot(double(b.x) - a.x, double(b.y) - a.y)));
}

bool deleteOpening(CDomoraDoc &doc, const OpeningRef &ref)
{
    return changeSegment(doc, ref, [&](SegmentStyle &segment, Opening &) {
        segment.openings.erase(segment.openings.begin() + ref.index);
    });
}

bool invertOpeningOrientation(CDomoraDoc &doc, const OpeningRef &ref)
{
    return changeSegment(doc, ref,
                         [](SegmentStyle &, Opening &o) { o.angle = o.angle != 180 ? 180 : 0; });
}

bool flipOpeningAlongWall(CDomoraDoc &doc, const OpeningRef &ref)
{
    const int length = ref.room ? segmentLengthMm(*ref.room, ref.segment) : 0;
    return changeSegment(doc, ref, [length](SegmentStyle &, Opening &o) {
        o.offset = length - o.offset;
        o.size = -o.size;
    });
}

bool flipOpeningHorizontally(CDomoraDoc &doc, const OpeningRef &ref)
{
    return changeSegment(doc, ref,
                         [](SegmentStyle &, Opening &o) { o.flipped = o.flipped == 0 ? 1 : 0; });
}

bool setOpeningProperties(CDomoraDoc &doc, const OpeningRef &ref,
                          const OpeningProperties &properties)
{
    return changeSegment(doc, ref, [&properties](SegmentStyle &, Opening &o) {
        applyOpeningProperties(o, properties);
    });
}

} // namespace model
