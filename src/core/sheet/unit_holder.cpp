// The unit holder's operations over the unit record and the unit reader's Add mode.
#include "sheet/unit_holder.h"

#include "common/cp932.h"
#include "common/path.h"

namespace zelkon {

namespace {

constexpr std::size_t kLinesPerGraph = 3;

// True when an add took a graph list from within the limit past it. A list that was past it
// already (a hand-edited file) is the sheet's own affair.
bool GrewPastLimit(int before, int after)
{
    return after > kHolderGraphLimit && after > before;
}

} // namespace

int GraphEntryCount(const std::vector<std::string> &graphLines)
{
    return static_cast<int>(graphLines.size() / kLinesPerGraph);
}

bool HolderIsFull(const UnitRecord &holder)
{
    return GraphEntryCount(holder.graphLines) >= kHolderGraphLimit;
}

std::string HolderFullMessage()
{
    return Utf8ToCp932("これ以上追加できません");
}

std::string UnitMissingMessage()
{
    return Utf8ToCp932("単元がありません");
}

void FillHolderFromSheet(const Worksheet &sheet, UnitRecord &holder)
{
    holder.unitCaption = sheet.unitCaption;
    holder.schoolLine = sheet.schoolLine;
    holder.nameLine = sheet.nameLine;
    holder.graphLines = sheet.graphLines;
    holder.answerGraphLines = sheet.answerGraphLines;
    holder.questionLines = sheet.questionLines;
}

ActiveSheetCaptions AddCaptionsOf(const Worksheet &sheet)
{
    ActiveSheetCaptions captions;
    captions.openedFromMaster = sheet.openedFromMaster;
    captions.unitCaption = sheet.unitCaption;
    captions.section = sheet.locator.section;
    captions.unit = sheet.locator.unit;
    captions.lastCaption = sheet.lastCaption;
    return captions;
}

bool AddUnitToHolder(const ChosenUnit &chosen,
                     Worksheet &sheet,
                     ReaderState &state,
                     UnitRecord &holder,
                     Messages &messages)
{
    // The reader would name the missing file; for the user it is the unit that is missing.
    if (!FileExists(chosen.masterPath)) {
        messages.push_back({UnitMissingMessage(), 0});
        return false;
    }
    const ReaderState stateBefore = state;
    const int questionGraphsBefore = GraphEntryCount(holder.graphLines);
    const int answerGraphsBefore = GraphEntryCount(holder.answerGraphLines);

    ActiveSheetCaptions captions = AddCaptionsOf(sheet);
    const ReadContext context{chosen.lessonName, chosen.sectionName, chosen.unitName, &captions};
    const UnitLocator &locator = chosen.locator;
    Messages readMessages;
    const bool read = readUnit(chosen.masterPath,
                               UnitHeaderLine(locator.unit, locator.variant),
                               locator.unit,
                               locator.section,
                               ReadMode::Add,
                               context,
                               state,
                               holder,
                               readMessages);
    // An empty file or a missing header is refused by the reader without a word.
    if (!read && readMessages.empty())
        readMessages.push_back({UnitMissingMessage(), 0});
    messages.insert(messages.end(), readMessages.begin(), readMessages.end());
    if (!read)
        return false;

    // Graphs past the fifteenth would never be shown, and every redraw would say so.
    if (GrewPastLimit(questionGraphsBefore, GraphEntryCount(holder.graphLines))
        || GrewPastLimit(answerGraphsBefore, GraphEntryCount(holder.answerGraphLines))) {
        state = stateBefore;
        messages.push_back({HolderFullMessage(), 0});
        return false;
    }
    sheet.lastCaption = captions.lastCaption;
    return true;
}

void CommitHolder(Worksheet &sheet)
{
    sheet.openedFromMaster = false;
}

} // namespace zelkon
