#pragma once

#include <cstdint>
#include <random>

namespace game {

// Where the game's draws come from. The game seeds one generator once and
// draws every tile from it; tests hand in a source that scripts each draw.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    // A uniform whole number in [0, bound); bound >= 1.
    virtual int below(int bound) = 0;
};

// The generator of a real game: seeded once, at construction.
class SeededRandom : public RandomSource
{
public:
    SeededRandom();
    explicit SeededRandom(std::uint32_t seed) : m_engine(seed) {}
    int below(int bound) override;

private:
    std::mt19937 m_engine;
};

} // namespace game
