// The practice random source: reproducible draws in range.
#include "practice/drill_random.h"

#include <gtest/gtest.h>

#include <set>

namespace zelkon {
namespace {

TEST(DrillRandom, StartSeedGivesTheSameScaledDrawsOnEveryLibrary)
{
    // The scaled 32-bit draw, not a library distribution: layouts must not change with the
    // standard library the program was built with.
    DrillRandom random;
    std::mt19937 engine(DrillRandom::kStartSeed);
    for (int n : {2, 6, 121, 1000, 2, 7}) {
        const auto expected = static_cast<int>((std::uint64_t(engine()) * std::uint64_t(n)) >> 32);
        EXPECT_EQ(random.below(n), expected) << n;
    }
}

TEST(DrillRandom, BelowStaysInRangeAndReachesEveryValue)
{
    DrillRandom random;
    random.seed(20240401u);
    std::set<int> seen;
    for (int i = 0; i < 600; ++i) {
        const int v = random.below(6);
        ASSERT_GE(v, 0);
        ASSERT_LT(v, 6);
        seen.insert(v);
    }
    EXPECT_EQ(seen.size(), 6u);
}

TEST(DrillRandom, SmallRangesGiveZeroWithoutDrawing)
{
    DrillRandom random;
    DrillRandom fresh;
    for (int n : {1, 0, -5})
        EXPECT_EQ(random.below(n), 0) << n;
    EXPECT_EQ(random.below(1000), fresh.below(1000));
}

TEST(DrillRandom, SeedRestartsTheSequence)
{
    DrillRandom a;
    DrillRandom b;
    a.seed(77u);
    b.below(10);
    b.seed(77u);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(a.below(1 << 20), b.below(1 << 20));
}

} // namespace
} // namespace zelkon
