#pragma once

#include <cstdint>

// A colour as the picker passes it around: 0x00BBGGRR, red in the low byte.
using COLORREF = std::uint32_t;

namespace colourpicker {

[[nodiscard]] constexpr COLORREF makeColorRef(int red, int green, int blue)
{
    return static_cast<COLORREF>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
[[nodiscard]] constexpr int redOf(COLORREF color)
{
    return static_cast<int>(color & 0xFF);
}
[[nodiscard]] constexpr int greenOf(COLORREF color)
{
    return static_cast<int>((color >> 8) & 0xFF);
}
[[nodiscard]] constexpr int blueOf(COLORREF color)
{
    return static_cast<int>((color >> 16) & 0xFF);
}

// A pixel of a 32-bit off-screen image: 0xFFRRGGBB.
using Pixel = std::uint32_t;

[[nodiscard]] constexpr Pixel pixelOf(COLORREF color)
{
    return 0xFF000000u | (static_cast<Pixel>(redOf(color)) << 16) |
           (static_cast<Pixel>(greenOf(color)) << 8) | static_cast<Pixel>(blueOf(color));
}
[[nodiscard]] constexpr COLORREF colorOfPixel(Pixel pixel)
{
    return makeColorRef(static_cast<int>((pixel >> 16) & 0xFF),
                        static_cast<int>((pixel >> 8) & 0xFF), static_cast<int>(pixel & 0xFF));
}

} // namespace colourpicker
