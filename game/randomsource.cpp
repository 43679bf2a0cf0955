#include "randomsource.h"

#include <chrono>

namespace game {

SeededRandom::SeededRandom()
{
    std::random_device device;
    const auto clock =
        static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    std::seed_seq seed{device(), device(), clock};
    m_engine.seed(seed);
}

int SeededRandom::below(int bound)
{
    if (bound <= 1)
        return 0;
    return std::uniform_int_distribution<int>(0, bound - 1)(m_engine);
}

} // namespace game
