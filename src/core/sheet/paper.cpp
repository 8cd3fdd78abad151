// Lookups in the paper table and the page height of a width.
#include "sheet/paper.h"

#include <cmath>
#include <limits>

namespace zelkon {

const PaperEntry &PaperEntryOf(Paper paper)
{
    return kPaperTable[static_cast<std::size_t>(paper)];
}

const PaperEntry *FindPaperByWidth(std::int32_t width)
{
    for (const PaperEntry &entry : kPaperTable) {
        if (entry.pageSize.width == width)
            return &entry;
    }
    return nullptr;
}

Paper PaperChoiceForWidth(std::int32_t width)
{
    const PaperEntry *entry = FindPaperByWidth(width);
    return entry ? entry->paper : Paper::A4;
}

std::int32_t PageHeightForWidth(std::int32_t width)
{
    // A width read from the settings or a file can be anything; converting an out-of-range
    // double to an integer is undefined, so the result is held at the limits instead.
    using Limits = std::numeric_limits<std::int32_t>;
    // nearbyint under the default rounding mode takes halves to the even neighbour.
    const double height = std::nearbyint(width * 1.4142135623730950488);
    if (height >= static_cast<double>(Limits::max()))
        return Limits::max();
    if (height <= static_cast<double>(Limits::min()))
        return Limits::min();
    return static_cast<std::int32_t>(height);
}

} // namespace zelkon
