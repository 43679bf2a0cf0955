#include "openinginsertion.h"

#include "model/cdomoradoc.h"
#include "model/cdrawpoly.h"
#include "model/coordinates.h"

#include <algorithm>
#include <cmath>

namespace model {

namespace {

geokit::Point vertexPoint(const CDrawPoly &room, size_t index)
{
    const geokit::PointF p = room.points()[index % room.points().size()];
    return {truncToInt(p.x), truncToInt(p.y)};
}

bool projectOn(const CDrawPoly &room, int segment, geokit::Point point, double &along)
{
    if (segment < 0 || room.points().size() < 2 ||
        static_cast<size_t>(segment) >= room.points().size())
        return false;
    const geokit::Point a = vertexPoint(room, static_cast<size_t>(segment));
    const geokit::Point b = vertexPoint(room, static_cast<size_t>(segment) + 1);
    geokit::Point foot;
    return geokit::ptIntersectsLine(point, a, b, OpeningInsertion::toleranceMm, foot, along) != 0;
}

void repaint(CDrawPoly &room)
{
    if (room.document())
        room.Invalidate();
}

} // namespace

// ---- insertion -------------------------------------------------------------

OpeningInsertion::OpeningInsertion(CDomoraDoc &doc, CDrawPoly &room,
                                   const OpeningProperties &properties)
    : m_doc(doc), m_room(room), m_properties(properties)
{
}

OpeningRef OpeningInsertion::opening() const
{
    if (m_state != State::Placing && m_state != State::Sizing)
        return {};
    const auto &segments = m_room.segmentStyles();
    return {&m_room, m_segment,
            static_cast<int>(segments[static_cast<size_t>(m_segment)].openings.size()) - 1};
}

bool OpeningInsertion::project(geokit::Point point, double &along) const
{
    geokit::Point foot;
    return geokit::ptIntersectsLine(point, m_start, m_end, toleranceMm, foot, along) != 0;
}

bool OpeningInsertion::highlightSegmentAt(geokit::Point point)
{
    const size_t count = std::min(m_room.segmentStyles().size(), m_room.points().size());
    int hit = -1;
    for (size_t i = 0; i < count && hit < 0 && m_room.points().size() > 2; ++i) {
        double along = 0;
        if (m_room.segmentStyles()[i].enabled &&
            projectOn(m_room, static_cast<int>(i), point, along))
            hit = static_cast<int>(i);
    }
    bool changed = false;
    for (size_t i = 0; i < count; ++i) {
        const qint32 wanted = static_cast<int>(i) == hit ? 1 : 0;
        if (m_room.segmentStyles()[i].highlighted != wanted) {
            SegmentStyle segment = m_room.segmentStyles()[i];
            segment.highlighted = wanted;
            m_room.setSegmentStyle(i, std::move(segment));
            changed = true;
        }
    }
    return changed;
}

void OpeningInsertion::removeNewOpening()
{
    SegmentStyle segment = m_room.segmentStyles()[static_cast<size_t>(m_segment)];
    if (!segment.openings.empty())
        segment.openings.pop_back();
    m_room.setSegmentStyle(static_cast<size_t>(m_segment), std::move(segment));
}

bool OpeningInsertion::mouseMove(geokit::Point point, bool shiftHeld)
{
    if (m_state == State::ChoosingSegment)
        return highlightSegmentAt(point);
    if (shiftHeld || (m_state != State::Placing && m_state != State::Sizing))
        return false;
    double along = 0;
    if (!project(point, along))
        return false;
    SegmentStyle segment = m_room.segmentStyles()[static_cast<size_t>(m_segment)];
    Opening &o = segment.openings.back();
    if (m_state == State::Placing)
        o.offset = truncToInt(along);
    else
        o.size = truncToInt(along - o.offset);
    m_room.setSegmentStyle(static_cast<size_t>(m_segment), std::move(segment));
    repaint(m_room);
    return true;
}

bool OpeningInsertion::click(geokit::Point point, bool shiftHeld)
{
    switch (m_state) {
    case State::ChoosingSegment: {
        const size_t count = std::min(m_room.segmentStyles().size(), m_room.points().size());
        for (size_t i = 0; i < count; ++i) {
            double along = 0;
            if (!m_room.segmentStyles()[i].highlighted ||
                !projectOn(m_room, static_cast<int>(i), point, along))
                continue;
            m_doc.CheckPoint();
            SegmentStyle segment = m_room.segmentStyles()[i];
            segment.highlighted = 0;
            segment.openings.push_back(model::newOpening(0, 0, m_properties));
            m_room.setSegmentStyle(i, std::move(segment));
            m_segment = static_cast<int>(i);
            m_start = vertexPoint(m_room, i);
            m_end = vertexPoint(m_room, i + 1);
            m_state = State::Placing;
            repaint(m_room);
            return true;
        }
        return false;
    }
    case State::Placing:
        if (shiftHeld) {
            removeNewOpening();
            m_state = State::ChoosingSegment;
        } else {
            SegmentStyle segment = m_room.segmentStyles()[static_cast<size_t>(m_segment)];
            segment.openings.back().insertState = 2;
            m_room.setSegmentStyle(static_cast<size_t>(m_segment), std::move(segment));
            m_state = State::Sizing;
        }
        repaint(m_room);
        return true;
    case State::Sizing: {
        SegmentStyle segment = m_room.segmentStyles()[static_cast<size_t>(m_segment)];
        segment.openings.back().insertState = 0;
        m_room.setSegmentStyle(static_cast<size_t>(m_segment), std::move(segment));
        m_state = State::Finished;
        m_doc.SetModifiedFlag();
        repaint(m_room);
        return true;
    }
    case State::Finished:
        return false;
    }
    return false;
}

void OpeningInsertion::cancel()
{
    if (m_state == State::Placing || m_state == State::Sizing)
        removeNewOpening();
    const size_t count = m_room.segmentStyles().size();
    for (size_t i = 0; i < count; ++i) {
        if (m_room.segmentStyles()[i].highlighted) {
            SegmentStyle segment = m_room.segmentStyles()[i];
            segment.highlighted = 0;
            m_room.setSegmentStyle(i, std::move(segment));
        }
    }
    m_state = State::Finished;
    repaint(m_room);
}

// ---- moving ----------------------------------------------------------------

OpeningMover::OpeningMover(CDomoraDoc &doc, CDrawPoly &room, int segment)
    : m_doc(doc), m_room(room), m_segment(segment)
{
}

bool OpeningMover::project(geokit::Point point, double &along) const
{
    return projectOn(m_room, m_segment, point, along);
}

int OpeningMover::openingUnder(double along) const
{
    if (m_segment < 0 || static_cast<size_t>(m_segment) >= m_room.segmentStyles().size())
        return -1;
    const auto &openings = m_room.segmentStyles()[static_cast<size_t>(m_segment)].openings;
    for (size_t i = 0; i < openings.size(); ++i) {
        const double from = std::min(openings[i].offset, openings[i].offset + openings[i].size);
        const double to = std::max(openings[i].offset, openings[i].offset + openings[i].size);
        if (along >= from && along <= to)
            return static_cast<int>(i);
    }
    return -1;
}

bool OpeningMover::setHighlight(int index)
{
    if (m_segment < 0 || static_cast<size_t>(m_segment) >= m_room.segmentStyles().size())
        return false;
    SegmentStyle segment = m_room.segmentStyles()[static_cast<size_t>(m_segment)];
    bool changed = false;
    for (size_t i = 0; i < segment.openings.size(); ++i) {
        const qint32 wanted = static_cast<int>(i) == index ? 1 : 0;
        if (segment.openings[i].highlighted != wanted) {
            segment.openings[i].highlighted = wanted;
            changed = true;
        }
    }
    if (changed) {
        m_room.setSegmentStyle(static_cast<size_t>(m_segment), std::move(segment));
        repaint(m_room);
    }
    return changed;
}

bool OpeningMover::hover(geokit::Point point)
{
    if (m_dragging)
        return false;
    double along = 0;
    m_index = project(point, along) ? openingUnder(along) : -1;
    return setHighlight(m_index);
}

bool OpeningMover::press(geokit::Point point)
{
    double along = 0;
    if (!project(point, along) || openingUnder(along) < 0)
        return false;
    m_index = openingUnder(along);
    setHighlight(m_index);
    m_dragging = true;
    m_lastAlong = along;
    return true;
}

bool OpeningMover::drag(geokit::Point point)
{
    double along = 0;
    if (!m_dragging || !project(point, along))
        return false;
    // Whole millimetres only; the rest of the mouse's way is kept for the
    // next move, so that a slow drag along a slanted wall still moves.
    const int step = truncToInt(along - m_lastAlong);
    if (step == 0)
        return false;
    SegmentStyle segment = m_room.segmentStyles()[static_cast<size_t>(m_segment)];
    Opening &o = segment.openings[static_cast<size_t>(m_index)];
    const int length = segmentLengthMm(m_room, m_segment);
    const qint64 offset = qint64(o.offset) + step;
    const qint64 end = offset + o.size;
    if (offset < 0 || offset > length || end < 0 || end > length)
        return false;
    o.offset = static_cast<qint32>(offset);
    m_lastAlong += step;
    m_room.setSegmentStyle(static_cast<size_t>(m_segment), std::move(segment));
    m_moved = true;
    repaint(m_room);
    return true;
}

bool OpeningMover::release()
{
    if (!m_dragging)
        return false;
    m_dragging = false;
    m_doc.CheckPoint();
    if (m_moved)
        m_doc.SetModifiedFlag();
    setHighlight(-1);
    m_index = -1;
    return true;
}

} // namespace model
