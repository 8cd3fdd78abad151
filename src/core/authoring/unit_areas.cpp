// The blocks of one unit read into the master file editor's areas.
#include "authoring/unit_areas.h"

#include <algorithm>
#include <array>
#include <utility>

namespace zelkon {

namespace {

constexpr std::string_view kBlockEnd = ">>";
constexpr std::string_view kUnitEnd = "]]";

/// The blocks whose inner lines go to an area of their own.
constexpr std::array<std::pair<std::string_view, std::vector<std::string> UnitAreas::*>, 6>
    kAreaBlocks{{
        {"<<ques", &UnitAreas::question},
        {"<<dummy", &UnitAreas::dummy},
        {"<<kgroup", &UnitAreas::choice},
        {"<<hint", &UnitAreas::hint},
        {"<<graph", &UnitAreas::questionGraph},
        {"<<AGraph", &UnitAreas::answerGraph},
    }};

/// The blocks kept whole in the layout area.
constexpr std::array<std::string_view, 3> kLayoutBlocks{"<<value", "<<font", "<<kran"};

// The walk of ReadUnitAreas, filling `areas`; returns the unit's lines, none without the header.
std::optional<UnitSpan>
WalkUnit(std::span<const std::string> fileLines, std::string_view headerLine, UnitAreas &areas)
{
    const auto header = std::find(fileLines.begin(), fileLines.end(), headerLine);
    if (header == fileLines.end())
        return std::nullopt;

    auto line = header + 1;
    // The lines of a block up to its ">>" (a "]]" among them included); `line` ends after it.
    const auto blockLines = [&](std::vector<std::string> &to) {
        for (++line; line != fileLines.end() && *line != kBlockEnd; ++line)
            to.push_back(*line);
        if (line != fileLines.end())
            ++line;
    };

    while (line != fileLines.end() && *line != kUnitEnd) {
        const auto area = std::find_if(kAreaBlocks.begin(), kAreaBlocks.end(), [&](const auto &b) {
            return b.first == *line;
        });
        if (area != kAreaBlocks.end()) {
            blockLines(areas.*(area->second));
            continue;
        }
        if (std::find(kLayoutBlocks.begin(), kLayoutBlocks.end(), *line) != kLayoutBlocks.end()) {
            areas.layout.push_back(*line);
            blockLines(areas.layout);
            areas.layout.emplace_back(kBlockEnd);
            continue;
        }
        ++line;
    }
    if (line != fileLines.end())
        ++line;
    return UnitSpan{static_cast<std::size_t>(header - fileLines.begin()),
                    static_cast<std::size_t>(line - fileLines.begin())};
}

} // namespace

std::optional<UnitAreas> ReadUnitAreas(const std::vector<std::string> &fileLines,
                                       std::string_view headerLine)
{
    return ReadUnitAreasIn(fileLines, headerLine);
}

std::optional<UnitAreas> ReadUnitAreasIn(std::span<const std::string> fileLines,
                                         std::string_view headerLine)
{
    UnitAreas areas;
    if (!WalkUnit(fileLines, headerLine, areas))
        return std::nullopt;
    return areas;
}

std::optional<UnitSpan> FindUnitSpan(const std::vector<std::string> &fileLines,
                                     std::string_view headerLine)
{
    UnitAreas ignored;
    return WalkUnit(fileLines, headerLine, ignored);
}

} // namespace zelkon
