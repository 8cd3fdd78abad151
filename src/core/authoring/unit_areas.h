// The blocks of one unit as the master file editor shows them in its areas, read from the
// lines of a master file.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zelkon {

/// The editor's seven areas; layout keeps the "<<value", "<<font" and "<<kran" blocks whole,
/// each with its opening line and a closing ">>".
struct UnitAreas
{
    std::vector<std::string> question;
    std::vector<std::string> dummy;
    std::vector<std::string> choice;
    std::vector<std::string> hint;
    std::vector<std::string> questionGraph;
    std::vector<std::string> answerGraph;
    std::vector<std::string> layout;
};

/// Walks from the first line equal to `headerLine` to the first line "]]" (or the end): a line
/// "<<ques", "<<dummy", "<<kgroup", "<<hint", "<<graph" or "<<AGraph" appends the lines up to
/// the next ">>" to its area, a "<<value", "<<font" or "<<kran" block goes whole into layout,
/// and every other line (other blocks included) is skipped line by line. None when no line
/// equals the header.
std::optional<UnitAreas> ReadUnitAreas(const std::vector<std::string> &fileLines,
                                       std::string_view headerLine);
/// ReadUnitAreas of some of the lines of a file, without copying them.
std::optional<UnitAreas> ReadUnitAreasIn(std::span<const std::string> fileLines,
                                         std::string_view headerLine);

/// Where a unit stands in the file lines: from its header line up to, not including, `end`.
struct UnitSpan
{
    std::size_t first = 0;
    std::size_t end = 0;
};

/// The lines ReadUnitAreas walks for the unit: from the first line equal to `headerLine`
/// through the "]]" that closes it (a "]]" inside one of the areas' blocks does not), or to the
/// end of the lines. None when no line equals the header.
std::optional<UnitSpan> FindUnitSpan(const std::vector<std::string> &fileLines,
                                     std::string_view headerLine);

} // namespace zelkon
