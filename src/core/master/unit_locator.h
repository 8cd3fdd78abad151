// UnitLocator, the address of a unit in the index, and the header line that starts the unit.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zelkon {

/// A unit by its 1-based positions in the index; variant 0 is the unit itself, 1 to 5 one of
/// its similar problems.
struct UnitLocator
{
    std::int32_t lesson = 0;
    std::int32_t section = 0;
    std::int32_t unit = 0;
    std::int32_t variant = 0;

    bool operator==(const UnitLocator &) const = default;
};

/// The header of the one unit of a copy file.
inline constexpr std::string_view kCopyUnitHeader = "[[unitX";

/// "[[unit" + unit, followed by "R" + variant when variant is not 0 (decimal, no leading zeros).
std::string UnitHeaderLine(std::int32_t unit, std::int32_t variant);

} // namespace zelkon
