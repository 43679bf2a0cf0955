#pragma once

#include "geokit/geokit.h"
#include "model/openingops.h"

class CDomoraDoc;
class CDrawPoly;

namespace model {

// Inserting a door or window once its page has been confirmed, fed by the
// view with mouse positions (sheet millimetres) and clicks:
// 1. choosing the segment: moving over a wall of the room highlights it; a
//    click on a highlighted wall appends the new opening there (offset 0,
//    the page's values) after an undo snapshot, and placing begins;
// 2. placing: each move within 5 mm of the wall puts the opening's start at
//    the mouse's projection on the wall; Shift+click takes the opening away
//    again and goes back to choosing, a plain click starts sizing;
// 3. sizing: each move within 5 mm sets the size from the start to the
//    projection (negative before the start); the next click ends the
//    insertion and marks the document modified.
// Moves with Shift held change nothing. The machine borrows the room, which
// an undo or redo destroys: the view must drop the machine then.
class OpeningInsertion
{
public:
    enum class State
    {
        ChoosingSegment = 1,
        Placing = 2,
        Sizing = 3,
        Finished = 4,
    };
    static constexpr int toleranceMm = 5;

    OpeningInsertion(CDomoraDoc &doc, CDrawPoly &room, const OpeningProperties &properties);

    [[nodiscard]] State state() const { return m_state; }
    // The segment chosen and the new opening (states 2 and 3).
    [[nodiscard]] OpeningRef opening() const;

    // Both return true when the plan changed and the view should repaint.
    bool mouseMove(geokit::Point point, bool shiftHeld);
    bool click(geokit::Point point, bool shiftHeld);
    // Leaves the mode; an opening not yet finished is taken away again and
    // no wall stays highlighted.
    void cancel();

private:
    bool highlightSegmentAt(geokit::Point point);
    bool project(geokit::Point point, double &along) const;
    void removeNewOpening();

    CDomoraDoc &m_doc;
    CDrawPoly &m_room;
    OpeningProperties m_properties;
    State m_state = State::ChoosingSegment;
    int m_segment = -1;
    geokit::Point m_start; // the chosen wall's end points, whole millimetres
    geokit::Point m_end;
};

// Moving an opening along its wall (the view's move mode): while no button
// is held the opening under the mouse is highlighted; while the left button
// is held each move shifts it by the change of the mouse's projection on the
// wall, as long as it then lies wholly on the wall; releasing the button
// takes an undo snapshot and ends the move.
class OpeningMover
{
public:
    OpeningMover(CDomoraDoc &doc, CDrawPoly &room, int segment);

    // Each returns true when the view should repaint.
    bool hover(geokit::Point point);
    bool press(geokit::Point point);
    bool drag(geokit::Point point);
    bool release();

    [[nodiscard]] bool isDragging() const { return m_dragging; }
    [[nodiscard]] int openingIndex() const { return m_index; }

private:
    bool project(geokit::Point point, double &along) const;
    [[nodiscard]] int openingUnder(double along) const;
    bool setHighlight(int index);

    CDomoraDoc &m_doc;
    CDrawPoly &m_room;
    int m_segment;
    int m_index = -1;
    bool m_dragging = false;
    bool m_moved = false;
    double m_lastAlong = 0.0;
};

} // namespace model
