// The master file editor's unit: loading, template, locator text, area text and graph entries.
#include "authoring/editor_unit.h"

#include "authoring/overwrite_save.h"
#include "common/cp932.h"
#include "common/line_file.h"
#include "common/path.h"
#include "master/unit_scan.h"

#include <string>

namespace zelkon {

UnitAreas NewUnitTemplate()
{
    UnitAreas areas;
    areas.question = {Utf8ToCp932("１．次の各空欄に適語を入れなさい。"),
                      Utf8ToCp932("例　日本の首都は　#　東京　#　です")};
    areas.layout
        = {"<<value", "630", "False", "40",    "5",     "5",     "1",  "7",  ">>",     "<<font",
           "12",      "",    "False", "False", "False", "False", "0",  ">>", "<<kran", "5",
           "15",      "2",   "0",     "0",     "0",     "15",    "10", "0",  "0",      ">>"};
    areas.layout[11] = Utf8ToCp932("MS 明朝");
    return areas;
}

std::string LocatorDisplay(const UnitLocator &locator)
{
    std::string text = std::to_string(locator.lesson) + " " + std::to_string(locator.section) + " "
                       + std::to_string(locator.unit);
    if (locator.variant != 0)
        text += "R" + std::to_string(locator.variant);
    return text;
}

LoadedUnit LoadUnitFromFile(std::string_view masterPath,
                            std::string_view headerLine,
                            const Worksheet *openSheet)
{
    LoadedUnit loaded;
    std::string bytes;
    if (ReadFileIfPresent(ToFsPath(masterPath), bytes, &loaded.error) == FileRead::unreadable) {
        loaded.readable = false;
        return loaded;
    }
    loaded.fileLines = SplitLines(bytes);
    std::optional<UnitAreas> areas = ReadUnitAreas(loaded.fileLines, headerLine);
    if (!areas) {
        loaded.areas = NewUnitTemplate();
        return loaded;
    }
    // The unit reader refuses such a unit too; its areas would hold the editor for seconds.
    const UnitSpan span = *FindUnitSpan(loaded.fileLines, headerLine);
    std::string problem;
    if (span.end - span.first > kMaxUnitLines)
        problem = UnitTooLongMessage();
    for (std::size_t i = span.first; problem.empty() && i < span.end; ++i) {
        if (loaded.fileLines[i].size() > kMaxLineBytes)
            problem = LongLineInFileMessage(masterPath, i + 1);
    }
    if (!problem.empty()) {
        loaded = LoadedUnit();
        loaded.readable = false;
        loaded.error = std::move(problem);
        return loaded;
    }
    loaded.found = true;
    loaded.areas = std::move(*areas);
    if (openSheet) {
        // The editor shows the page as it stands on the sheet, which is what OK then stores.
        UnitAreas sheetAreas = SheetUnitAreas(*openSheet);
        loaded.areas.layout = std::move(sheetAreas.layout);
        loaded.areas.questionGraph = std::move(sheetAreas.questionGraph);
        loaded.areas.answerGraph = std::move(sheetAreas.answerGraph);
    }
    return loaded;
}

std::string AreaText(const std::vector<std::string> &lines)
{
    std::string text;
    for (const std::string &line : lines) {
        text += line;
        text += '\n';
    }
    return text;
}

std::string GraphLimitMessage()
{
    return Utf8ToCp932("グラフは") + std::to_string(kMaxAreaGraphs) + Utf8ToCp932("個までです");
}

int AddGraphEntries(std::vector<std::string> &areaLines,
                    const std::vector<std::string> &names,
                    GraphArea area,
                    const std::array<Point, kMaxTextPieces + 1> &runStarts)
{
    int refused = 0;
    for (const std::string &name : names) {
        const int held = static_cast<int>(areaLines.size() / 3);
        // A question graph starts at the text piece of its own number, an answer graph at the
        // one before it, so the first answer graph stands at the page's corner.
        const int n = area == GraphArea::question ? held + 1 : held;
        if (held >= kMaxAreaGraphs) {
            ++refused;
            continue;
        }
        const Point start = runStarts[static_cast<std::size_t>(n)];
        areaLines.push_back(name);
        areaLines.push_back(std::to_string(start.x + 40));
        areaLines.push_back(std::to_string(start.y + 20));
    }
    return refused;
}

} // namespace zelkon
