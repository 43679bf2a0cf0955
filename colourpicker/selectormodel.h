#pragma once

#include "colormode.h"

#include <QPoint>
#include <QRect>

namespace colourpicker {

// Where the colour field stands: the mode and the position (z, x, y) in it,
// and how pointer and keys move that position. The colour is always the
// colour of the position, so it lies on the grid of the mode.
class SelectorModel
{
public:
    // Nothing when `mode` equals the current mode number; as the current one
    // is kept without its flag, a flagged mode always resets. A mode above 5
    // is ignored. Otherwise the position goes back to (0, 0, 0), which is black
    // in every mode. Returns whether the mode was taken.
    bool setMode(int mode);
    // Moves to the position of a colour; false when the position stays.
    bool setColor(COLORREF color);
    // False when z lies outside the mode's range; an unchanged z is accepted.
    bool setZ(int z);

    // Tracks the pointer over the colour area (inclusive rectangle): the point
    // is clamped to the area, x grows to the right and y upwards. False when
    // the position stays.
    bool moveToPoint(QPoint point, const QRect &area);
    // Left/Right move x by one, Up/Down move y; Home, Page Up, Page Down and
    // End jump to the top-left, top-right, bottom-right and bottom-left
    // corners. False when the key is not one of these or nothing moved.
    bool moveByKey(int key);
    // Centre of the marker inside the colour area.
    [[nodiscard]] QPoint markerCenter(const QRect &area) const;

    [[nodiscard]] int mode() const { return m_mode; }
    [[nodiscard]] Position position() const { return m_position; }
    [[nodiscard]] ModeRanges ranges() const { return m_ranges; }
    [[nodiscard]] COLORREF color() const;

private:
    bool moveTo(int x, int y);

    int m_mode = modeR;
    Position m_position;
    ModeRanges m_ranges = *rangesOf(modeR);
};
// The marker is black on a colour with a channel of 128 or more, white on
// darker colours.
[[nodiscard]] bool markerIsBlack(COLORREF color);
} // namespace colourpicker
