#include "colorconvert.h"

#include <algorithm>
#include <cmath>

namespace colourpicker {

std::array<double, 3> hsvChannels(double h, double s, double v)
{
    if (s == 0)
        return {v, v, v};
    if (h == 360)
        h = 0;
    const double sector = h / 60;
    const int i = static_cast<int>(sector);
    const double f = sector - i;
    const double p = v * (1 - s);
    const double q = v * (1 - s * f);
    const double t = v * (1 - s * (1 - f));
    switch (i) {
    case 0:
        return {v, t, p};
    case 1:
        return {q, v, p};
    case 2:
        return {p, v, t};
    case 3:
        return {p, q, v};
    case 4:
        return {t, p, v};
    default:
        return {v, p, q};
    }
}

COLORREF HsvToRgb(double h, double s, double v)
{
    // The negated comparisons also turn NaN away.
    if (!(h >= 0 && h <= 360) || !(s >= 0 && s <= 1) || !(v >= 0 && v <= 1))
        return 0;
    const auto channels = hsvChannels(h, s, v);
    const auto byte = [](double c) { return static_cast<int>(std::ceil(c * 255 - 0.5)); };
    return makeColorRef(byte(channels[0]), byte(channels[1]), byte(channels[2]));
}

std::optional<Hsv> RgbToHsv(double red, double green, double blue)
{
    if (std::isnan(red) || std::isnan(green) || std::isnan(blue))
        return std::nullopt;
    const double lowest = std::min({red, green, blue});
    const double highest = std::max({red, green, blue});
    if (lowest < 0 || highest > 1)
        return std::nullopt;
    Hsv hsv;
    hsv.v = highest;
    if (highest == 0)
        return hsv;
    hsv.s = (highest - lowest) / highest;
    if (hsv.s == 0)
        return hsv;
    const double d = highest - lowest;
    double h = 0;
    if (red == highest)
        h = (green - blue) / d;
    else if (green == highest)
        h = 2 + (blue - red) / d;
    else
        h = 4 + (red - green) / d;
    h *= 60;
    if (h < 0)
        h += 360;
    hsv.h = h;
    return hsv;
}

Hsv RgbToHsv(COLORREF color)
{
    // Bytes divided by 255 always lie inside the domain.
    return *RgbToHsv(redOf(color) / 255.0, greenOf(color) / 255.0, blueOf(color) / 255.0);
}

} // namespace colourpicker
