// The one random source of practice: the shuffles, the soft keyboard, the praise and the
// feedback pictures all draw from it, so a run is reproducible until 練習 seeds it from the clock.
#pragma once

#include <cstdint>
#include <random>

namespace zelkon {

class DrillRandom
{
public:
    /// The seed every program run starts from.
    static constexpr std::uint32_t kStartSeed = 5489u;

    /// Restarts the sequence from `seed` (練習 passes the clock).
    void seed(std::uint32_t seed);
    /// A random integer in 0 … n − 1, each equally likely; 0 when n is 1 or less.
    int below(int n);

private:
    std::mt19937 m_engine{kStartSeed};
};

} // namespace zelkon
