#pragma once

#include "colorref.h"

#include <optional>

// The six ways the picker lays a colour model out: the slider holds one
// component (z), the field the other two (x across, y upwards).
//
//   mode  z                         x                          y
//   R     red 0–255                 blue 0–255                 green 0–255
//   G     green 0–255               blue 0–255                 red 0–255
//   B     blue 0–255                red 0–255                  green 0–255
//   H     hue, tenths of a degree   saturation, thousandths    value, thousandths
//   S     saturation, thousandths   hue, tenths of a degree    value, thousandths
//   V     value, thousandths        hue, tenths of a degree    saturation, thousandths
namespace colourpicker {

constexpr int modeR = 0;
constexpr int modeG = 1;
constexpr int modeB = 2;
constexpr int modeH = 3;
constexpr int modeS = 4;
constexpr int modeV = 5;
constexpr int modeCount = 6;
// Carried on a mode number: the slider's maximum is at the top.
constexpr int modeMaxOnTop = 0x80;
constexpr int modeMask = 0x7F;

[[nodiscard]] constexpr bool isHsvMode(int mode)
{
    return mode >= modeH && mode <= modeV;
}

struct ModeRanges
{
    int zMax = 0;
    int xMax = 0;
    int yMax = 0;
};

// The ranges of a mode without its flag; nothing for an unknown mode.
[[nodiscard]] std::optional<ModeRanges> rangesOf(int mode);

struct Position
{
    int z = 0;
    int x = 0;
    int y = 0;
    friend bool operator==(const Position &, const Position &) = default;
};

// The colour at a position; a position outside the mode's ranges gives black
// in the HSV modes. `mode` is without its flag and must be known.
[[nodiscard]] COLORREF colorOfPosition(int mode, Position position);
// The position of a colour: exact in the RGB modes, on the grid of tenths of a
// degree and thousandths (rounded up) in the HSV modes.
[[nodiscard]] Position positionOfColor(int mode, COLORREF color);

} // namespace colourpicker
