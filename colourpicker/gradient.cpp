#include "gradient.h"

#include "colorconvert.h"
#include "colormode.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace colourpicker {

namespace {

// 12.20 fixed point: 12 integer bits hold a channel level up to 255.
using Fixed = std::int32_t;
constexpr int fractionBits = 20;
constexpr double fixedOne = 1 << fractionBits;
// Carried from the start so that truncating to a byte rounds.
constexpr Fixed fixedHalf = 1 << (fractionBits - 1);

struct Levels
{
    Fixed red = 0;
    Fixed green = 0;
    Fixed blue = 0;
};

Fixed toFixed(double level)
{
    return static_cast<Fixed>(std::lround(level * fixedOne));
}

Levels levelsOf(COLORREF color)
{
    return {redOf(color) << fractionBits, greenOf(color) << fractionBits,
            blueOf(color) << fractionBits};
}

Levels levelsOf(const std::array<double, 3> &channels)
{
    return {toFixed(channels[0] * 255), toFixed(channels[1] * 255), toFixed(channels[2] * 255)};
}

Levels stepBetween(const Levels &from, const Levels &to, int steps)
{
    if (steps <= 0)
        return {};
    return {(to.red - from.red) / steps, (to.green - from.green) / steps,
            (to.blue - from.blue) / steps};
}

// Levels stay within 0–255 + ½ all along, so the shifted values are bytes.
void ramp(Pixel *out, int n, Levels level, const Levels &step)
{
    level.red += fixedHalf;
    level.green += fixedHalf;
    level.blue += fixedHalf;
    for (int i = 0; i < n; ++i) {
        out[i] = 0xFF000000u | static_cast<Pixel>(level.red >> fractionBits) << 16 |
                 static_cast<Pixel>(level.green >> fractionBits) << 8 |
                 static_cast<Pixel>(level.blue >> fractionBits);
        level.red += step.red;
        level.green += step.green;
        level.blue += step.blue;
    }
}

void rampBetween(Pixel *out, int n, const Levels &from, const Levels &to)
{
    ramp(out, n, from, stepBetween(from, to, n - 1));
}

double unit(double value)
{
    return std::clamp(value, 0.0, 1.0);
}

double hue(double degrees)
{
    return std::clamp(degrees, 0.0, 360.0);
}

} // namespace

void linearGradient(Pixel *out, int n, COLORREF from, COLORREF to)
{
    rampBetween(out, n, levelsOf(from), levelsOf(to));
}

void hueRamp(Pixel *out, int n, double s, double v)
{
    if (n < 1)
        return;
    const Fixed high = toFixed(unit(v) * 255);
    const Fixed low = toFixed(unit(v) * 255 * (1 - unit(s)));
    // Which channel moves in each segment, and whether it rises.
    struct Segment
    {
        Fixed Levels::*moving;
        bool rising;
        Levels hold;
    };
    const std::array<Segment, 6> segments{{
        {&Levels::green, true, {high, 0, low}},
        {&Levels::red, false, {0, high, low}},
        {&Levels::blue, true, {low, high, 0}},
        {&Levels::green, false, {low, 0, high}},
        {&Levels::red, true, {0, low, high}},
        {&Levels::blue, false, {high, low, 0}},
    }};
    int begin = 0;
    for (int k = 0; k < 6; ++k) {
        const int end = k < 5 ? static_cast<int>((k + 1) * n / 6.0) : static_cast<int>(n + 0.1);
        const Segment &segment = segments[static_cast<std::size_t>(k)];
        Levels from = segment.hold;
        Levels to = segment.hold;
        from.*segment.moving = segment.rising ? low : high;
        to.*segment.moving = segment.rising ? high : low;
        if (end > begin)
            rampBetween(out + begin, end - begin, from, to);
        begin = std::max(begin, end);
    }
}

void saturationRamp(Pixel *out, int n, double h, double v)
{
    const Levels start = levelsOf(std::array<double, 3>{unit(v), unit(v), unit(v)});
    const Levels final = levelsOf(hsvChannels(hue(h), 1, unit(v)));
    ramp(out, n, start, stepBetween(start, final, n));
}

void valueRamp(Pixel *out, int n, double h, double s)
{
    const Levels final = levelsOf(hsvChannels(hue(h), unit(s), 1));
    ramp(out, n, {}, stepBetween({}, final, n));
}

void renderColorArea(Pixel *bits, std::ptrdiff_t stride, int width, int height, int mode, int z)
{
    if (width < 1 || height < 1)
        return;
    if (!isHsvMode(mode)) {
        const auto corner = [&](int x, int y) {
            return levelsOf(colorOfPosition(mode, {z, x, y}));
        };
        Levels left = corner(0, 255);
        Levels right = corner(255, 255);
        const Levels leftStep = stepBetween(left, corner(0, 0), height - 1);
        const Levels rightStep = stepBetween(right, corner(255, 0), height - 1);
        for (int row = 0; row < height; ++row) {
            rampBetween(bits + row * stride, width, left, right);
            left.red += leftStep.red;
            left.green += leftStep.green;
            left.blue += leftStep.blue;
            right.red += rightStep.red;
            right.green += rightStep.green;
            right.blue += rightStep.blue;
        }
        return;
    }
    for (int row = 0; row < height; ++row) {
        // The bottom line has parameter 0, the top line 1.
        const double parameter = height > 1 ? static_cast<double>(row) / (height - 1) : 0.0;
        Pixel *line = bits + (height - 1 - row) * stride;
        switch (mode) {
        case modeH:
            saturationRamp(line, width, z * 0.1, parameter);
            break;
        case modeS:
            hueRamp(line, width, z * 0.001, parameter);
            break;
        default:
            hueRamp(line, width, parameter, z * 0.001);
            break;
        }
    }
}

void sliderGradient(Pixel *out, int n, int mode, int first, int second, bool reversed)
{
    if (n < 1)
        return;
    switch (mode) {
    case modeR:
        linearGradient(out, n, makeColorRef(0, first, second), makeColorRef(255, first, second));
        break;
    case modeG:
        linearGradient(out, n, makeColorRef(first, 0, second), makeColorRef(first, 255, second));
        break;
    case modeB:
        linearGradient(out, n, makeColorRef(second, first, 0), makeColorRef(second, first, 255));
        break;
    case modeH:
        hueRamp(out, n, first * 0.001, second * 0.001);
        break;
    case modeS:
        saturationRamp(out, n, first * 0.1, second * 0.001);
        break;
    default:
        valueRamp(out, n, first * 0.1, second * 0.001);
        break;
    }
    if (reversed)
        std::reverse(out, out + n);
}

} // namespace colourpicker
