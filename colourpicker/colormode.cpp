#include "colormode.h"

#include "colorconvert.h"

#include <array>
#include <cmath>

namespace colourpicker {

std::optional<ModeRanges> rangesOf(int mode)
{
    static constexpr std::array<ModeRanges, modeCount> table{{
        {255, 255, 255},
        {255, 255, 255},
        {255, 255, 255},
        {3599, 1000, 1000},
        {1000, 3599, 1000},
        {1000, 3599, 1000},
    }};
    if (mode < 0 || mode >= modeCount)
        return std::nullopt;
    return table[static_cast<std::size_t>(mode)];
}

COLORREF colorOfPosition(int mode, Position p)
{
    const ModeRanges ranges = rangesOf(mode).value_or(ModeRanges{1, 1, 1});
    const double xPart = static_cast<double>(p.x) / ranges.xMax;
    const double yPart = static_cast<double>(p.y) / ranges.yMax;
    switch (mode) {
    case modeR:
        return makeColorRef(p.z, p.y, p.x);
    case modeG:
        return makeColorRef(p.y, p.z, p.x);
    case modeB:
        return makeColorRef(p.x, p.y, p.z);
    case modeH:
        return HsvToRgb(p.z * 0.1, xPart, yPart);
    case modeS:
        return HsvToRgb(p.x * 0.1, p.z * 0.001, yPart);
    case modeV:
        return HsvToRgb(p.x * 0.1, yPart, p.z * 0.001);
    default:
        return 0;
    }
}

Position positionOfColor(int mode, COLORREF color)
{
    const int red = redOf(color);
    const int green = greenOf(color);
    const int blue = blueOf(color);
    switch (mode) {
    case modeR:
        return {red, blue, green};
    case modeG:
        return {green, blue, red};
    case modeB:
        return {blue, red, green};
    default:
        break;
    }
    const Hsv hsv = RgbToHsv(color);
    const int hue = static_cast<int>(std::ceil(hsv.h * 10));
    const int saturation = static_cast<int>(std::ceil(hsv.s * 1000));
    const int value = static_cast<int>(std::ceil(hsv.v * 1000));
    switch (mode) {
    case modeH:
        return {hue, saturation, value};
    case modeS:
        return {saturation, hue, value};
    case modeV:
        return {value, hue, saturation};
    default:
        return {};
    }
}

} // namespace colourpicker
