#pragma once

#include <cmath>
#include <limits>

namespace model {

// Largest sheet coordinate a plan may hold, in millimetres (a kilometre of
// paper). The reader refuses anything beyond, so that no arithmetic on
// positions and vertices can overflow.
inline constexpr int maxCoordinateMm = 1000000;

// Truncates towards zero like a C cast, but defined for every input:
// NaN gives 0 and values beyond the int range are clamped.
[[nodiscard]] inline int truncToInt(double v)
{
    if (std::isnan(v))
        return 0;
    if (v >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (v <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(v);
}

[[nodiscard]] inline bool isValidCoordinate(double v)
{
    return std::isfinite(v) && std::abs(v) <= maxCoordinateMm;
}

} // namespace model
