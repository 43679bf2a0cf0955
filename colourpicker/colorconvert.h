#pragma once

#include "colorref.h"

#include <array>
#include <optional>

namespace colourpicker {

// Hue in degrees (0 up to 360), saturation and value in 0–1.
struct Hsv
{
    double h = 0;
    double s = 0;
    double v = 0;
};

// Red, green and blue of a hue, saturation and value, each in 0–1 and not
// rounded; the caller checks the domain (h in 0–360, s and v in 0–1).
[[nodiscard]] std::array<double, 3> hsvChannels(double h, double s, double v);

// Black when h lies outside 0–360 or s or v outside 0–1. Each channel is
// rounded with ceil(c × 255 − 0.5), so an exact half goes down.
[[nodiscard]] COLORREF HsvToRgb(double h, double s, double v);

// Channels in 0–1; nothing when one lies outside. Grey has hue 0 and black
// saturation 0.
[[nodiscard]] std::optional<Hsv> RgbToHsv(double red, double green, double blue);
[[nodiscard]] Hsv RgbToHsv(COLORREF color);

} // namespace colourpicker
