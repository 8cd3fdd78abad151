// The practice random source.
#include "practice/drill_random.h"

namespace zelkon {

void DrillRandom::seed(std::uint32_t seed)
{
    m_engine.seed(seed);
}

int DrillRandom::below(int n)
{
    if (n <= 1)
        return 0;
    // Scaling the 32-bit draw keeps every value equally likely up to rounding and needs one draw.
    const std::uint64_t draw = m_engine();
    return static_cast<int>((draw * static_cast<std::uint64_t>(n)) >> 32);
}

} // namespace zelkon
