#pragma once

#include <cstdint>

// Deterministic pseudo-random numbers and periodic noise for the texture
// generator. Everything is a pure function of its integer inputs, so the
// textures come out the same on every machine and every build.
namespace datagen {

// A well-mixed 32-bit hash of up to three integers and a seed.
[[nodiscard]] std::uint32_t hash(std::int32_t x, std::int32_t y, std::int32_t z,
                                 std::uint32_t seed);
// Uniform in [0, 1).
[[nodiscard]] double random01(std::int32_t x, std::int32_t y, std::int32_t z, std::uint32_t seed);

// Value noise in [0, 1] on a lattice that repeats every `periodX` cells
// across and `periodY` cells down: sampling at (u + periodX, v) gives the
// same value as at (u, v), which is what makes a tile seamless.
[[nodiscard]] double periodicNoise(double u, double v, int periodX, int periodY,
                                   std::uint32_t seed);

// Fractal sum of `octaves` periodic noises, each of twice the frequency and
// half the weight of the previous one; result in [0, 1].
[[nodiscard]] double periodicFbm(double u, double v, int periodX, int periodY, int octaves,
                                 std::uint32_t seed);

} // namespace datagen
