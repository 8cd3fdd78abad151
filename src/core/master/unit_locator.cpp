// Header lines of units in master files.
#include "master/unit_locator.h"

namespace zelkon {

std::string UnitHeaderLine(std::int32_t unit, std::int32_t variant)
{
    std::string header = "[[unit" + std::to_string(unit);
    if (variant != 0)
        header += "R" + std::to_string(variant);
    return header;
}

} // namespace zelkon
