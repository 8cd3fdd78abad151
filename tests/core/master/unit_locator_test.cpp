// Unit header lines.
#include "master/unit_locator.h"

#include <gtest/gtest.h>

namespace zelkon {
namespace {

TEST(UnitLocator, HeaderLineAddsTheVariantOnlyWhenNotZero)
{
    const struct
    {
        std::int32_t unit;
        std::int32_t variant;
        std::string header;
    } cases[] = {
        {1, 0, "[[unit1"},
        {30, 0, "[[unit30"},
        {3, 1, "[[unit3R1"},
        {80, 5, "[[unit80R5"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(UnitHeaderLine(c.unit, c.variant), c.header);
    EXPECT_EQ(kCopyUnitHeader, "[[unitX");
}

} // namespace
} // namespace zelkon
