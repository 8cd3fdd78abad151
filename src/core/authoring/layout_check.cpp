// The line counts of the value, font and kran blocks, checked before a unit is stored.
#include "authoring/layout_check.h"

#include "common/cp932.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace zelkon {

namespace {

struct LayoutBlockRule
{
    std::string_view keyword;
    std::array<std::size_t, 2> lineCounts; ///< the accepted numbers of lines (may repeat)
    const char *utf8Message;
};

// A kran block may stop after 8 lines: the sheet takes 0 for the two it lacks.
constexpr std::array<LayoutBlockRule, 3> kLayoutBlockRules{{
    {"<<value", {7, 7}, "valueブロックの数が合いません"},
    {"<<font", {7, 7}, "fontブロックの数が合いません"},
    {"<<kran", {10, 8}, "kranブロックの数が合いません"},
}};

constexpr std::string_view kBlockEnd = ">>";

} // namespace

bool CheckLayoutBlocks(const std::vector<std::string> &lines, Messages &messages)
{
    for (auto line = lines.begin(); line != lines.end(); ++line) {
        const auto rule
            = std::find_if(kLayoutBlockRules.begin(),
                           kLayoutBlockRules.end(),
                           [&](const LayoutBlockRule &r) { return r.keyword == *line; });
        if (rule == kLayoutBlockRules.end())
            continue;
        const auto opening = line;
        const auto end = std::find(opening + 1, lines.end(), kBlockEnd);
        const auto count = static_cast<std::size_t>(end - opening - 1);
        const bool closed = end != lines.end();
        if (!closed
            || std::find(rule->lineCounts.begin(), rule->lineCounts.end(), count)
                   == rule->lineCounts.end()) {
            messages.push_back(
                {Utf8ToCp932(rule->utf8Message), static_cast<int>(opening - lines.begin()) + 1});
            return false;
        }
        line = end;
    }
    return true;
}

} // namespace zelkon
