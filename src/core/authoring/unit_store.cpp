// Composing a unit from the editor's areas and putting it into the file lines.
#include "authoring/unit_store.h"

#include "sheet/layout_blocks.h"

#include <iterator>

namespace zelkon {

namespace {

void AppendBlockWithLines(std::vector<std::string> &list,
                          std::string_view keyword,
                          const std::vector<std::string> &lines)
{
    if (!lines.empty())
        AppendBlock(list, keyword, lines);
}

} // namespace

std::vector<std::string> ComposeUnitText(std::string_view headerLine, const UnitAreas &areas)
{
    std::vector<std::string> lines{std::string(headerLine)};
    AppendBlock(lines, "<<ques", areas.question);
    AppendBlockWithLines(lines, "<<kgroup", areas.choice);
    AppendBlock(lines, "<<dummy", areas.dummy);
    AppendBlockWithLines(lines, "<<graph", areas.questionGraph);
    AppendBlockWithLines(lines, "<<AGraph", areas.answerGraph);
    AppendBlockWithLines(lines, "<<hint", areas.hint);
    lines.insert(lines.end(), areas.layout.begin(), areas.layout.end());
    lines.emplace_back("]]");
    return lines;
}

void StoreUnitText(std::vector<std::string> &fileLines,
                   std::string_view headerLine,
                   const UnitAreas &areas)
{
    std::vector<std::string> unit = ComposeUnitText(headerLine, areas);
    const std::optional<UnitSpan> span = FindUnitSpan(fileLines, headerLine);
    if (!span) {
        fileLines.insert(fileLines.end(),
                         std::make_move_iterator(unit.begin()),
                         std::make_move_iterator(unit.end()));
        return;
    }
    // The lines replaced are exactly those the unit was read from, so a "]]" standing inside
    // one of its blocks leaves no stray half of the old unit behind.
    const auto first = fileLines.begin() + static_cast<std::ptrdiff_t>(span->first);
    const auto position
        = fileLines.erase(first, fileLines.begin() + static_cast<std::ptrdiff_t>(span->end));
    fileLines.insert(
        position, std::make_move_iterator(unit.begin()), std::make_move_iterator(unit.end()));
}

bool OverwriteUnit(std::vector<std::string> &fileLines,
                   std::string_view headerLine,
                   const UnitAreas &sheetUnit)
{
    std::optional<UnitAreas> areas = ReadUnitAreas(fileLines, headerLine);
    if (!areas)
        return false;
    areas->layout = sheetUnit.layout;
    areas->questionGraph = sheetUnit.questionGraph;
    areas->answerGraph = sheetUnit.answerGraph;
    StoreUnitText(fileLines, headerLine, *areas);
    return true;
}

} // namespace zelkon
