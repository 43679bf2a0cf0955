#pragma once

#include <QImage>
#include <QRgb>

#include <array>
#include <cstdint>

namespace graphics {

// The 53 hatch patterns, numbered as plan files store them.
enum class HatchStyle
{
    Horizontal = 0,
    Vertical,
    ForwardDiagonal,
    BackwardDiagonal,
    Cross,
    DiagonalCross,
    Percent05,
    Percent10,
    Percent20,
    Percent25,
    Percent30,
    Percent40,
    Percent50,
    Percent60,
    Percent70,
    Percent75,
    Percent80,
    Percent90,
    LightDownwardDiagonal,
    LightUpwardDiagonal,
    DarkDownwardDiagonal,
    DarkUpwardDiagonal,
    WideDownwardDiagonal,
    WideUpwardDiagonal,
    LightVertical,
    LightHorizontal,
    NarrowVertical,
    NarrowHorizontal,
    DarkVertical,
    DarkHorizontal,
    DashedDownwardDiagonal,
    DashedUpwardDiagonal,
    DashedHorizontal,
    DashedVertical,
    SmallConfetti,
    LargeConfetti,
    ZigZag,
    Wave,
    DiagonalBrick,
    HorizontalBrick,
    Weave,
    Plaid,
    Divot,
    DottedGrid,
    DottedDiamond,
    Shingle,
    Trellis,
    Sphere,
    SmallGrid,
    SmallCheckerBoard,
    LargeCheckerBoard,
    OutlinedDiamond,
    SolidDiamond,
};

inline constexpr int hatchStyleCount = 53;

[[nodiscard]] constexpr bool isValidHatchStyle(int style)
{
    return style >= 0 && style < hatchStyleCount;
}

// One pattern: eight rows of eight bits, row 0 at the top, the most
// significant bit the leftmost pixel. A set bit shows the foreground colour.
using HatchPattern = std::array<std::uint8_t, 8>;

// The pattern of a valid style (see isValidHatchStyle).
[[nodiscard]] const HatchPattern &hatchPattern(int style);
[[nodiscard]] bool hatchBit(const HatchPattern &pattern, int x, int y);

// One tile of the pattern in the two colours, every pattern bit drawn as a
// square of `pixelSize` pixels (so the tile is 8 x pixelSize wide and high).
[[nodiscard]] QImage hatchTile(int style, QRgb foreground, QRgb background, int pixelSize = 1);

// How many device pixels one pattern bit covers at a given resolution. A tile
// is eight pixels wide on a 96 dpi screen at 100 % (about 2.1 mm of sheet); at
// higher resolutions (zoomed in, printed, exported) the bits grow by whole
// pixels so that the pattern keeps about that size on the sheet and stays
// visible instead of turning into a flat tint, and it never gets finer than
// one pixel per bit.
[[nodiscard]] int hatchPixelSize(double devicePixelsPerMm);

} // namespace graphics
