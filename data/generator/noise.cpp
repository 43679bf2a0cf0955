#include "noise.h"

#include <cmath>
#include <initializer_list>

namespace datagen {

namespace {

int wrap(int i, int period)
{
    const int r = i % period;
    return r < 0 ? r + period : r;
}

double smooth(double t)
{
    return t * t * t * (t * (t * 6 - 15) + 10);
}

double lerp(double a, double b, double t)
{
    return a + (b - a) * t;
}

} // namespace

std::uint32_t hash(std::int32_t x, std::int32_t y, std::int32_t z, std::uint32_t seed)
{
    std::uint32_t h = seed * 0x9E3779B9u;
    for (const std::uint32_t v : {static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y),
                                  static_cast<std::uint32_t>(z)}) {
        h ^= v + 0x7F4A7C15u + (h << 6) + (h >> 2);
        h *= 0x85EBCA6Bu;
        h ^= h >> 13;
        h *= 0xC2B2AE35u;
        h ^= h >> 16;
    }
    return h;
}

double random01(std::int32_t x, std::int32_t y, std::int32_t z, std::uint32_t seed)
{
    return (hash(x, y, z, seed) >> 8) * (1.0 / 16777216.0);
}

double periodicNoise(double u, double v, int periodX, int periodY, std::uint32_t seed)
{
    const double fu = std::floor(u);
    const double fv = std::floor(v);
    const int x0 = wrap(static_cast<int>(fu), periodX);
    const int y0 = wrap(static_cast<int>(fv), periodY);
    const int x1 = wrap(x0 + 1, periodX);
    const int y1 = wrap(y0 + 1, periodY);
    const double tx = smooth(u - fu);
    const double ty = smooth(v - fv);
    const double top = lerp(random01(x0, y0, 0, seed), random01(x1, y0, 0, seed), tx);
    const double bottom = lerp(random01(x0, y1, 0, seed), random01(x1, y1, 0, seed), tx);
    return lerp(top, bottom, ty);
}

double periodicFbm(double u, double v, int periodX, int periodY, int octaves, std::uint32_t seed)
{
    double sum = 0;
    double weight = 0.5;
    double total = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += weight * periodicNoise(u, v, periodX, periodY, seed + 101u * o);
        total += weight;
        u *= 2;
        v *= 2;
        periodX *= 2;
        periodY *= 2;
        weight *= 0.5;
    }
    return sum / total;
}

} // namespace datagen
