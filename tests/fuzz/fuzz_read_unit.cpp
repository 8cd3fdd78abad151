// readUnit over any file in each of its modes (a master unit, a copy file's "[[unitX", a unit
// added to a sheet), with the worksheet, reader state and captions picked by the trailer: a
// refused unit always says why, a read unit keeps its block counts, a sheet made from it takes
// it, and the copy file written from that sheet reads back as the same unit.
#include "fuzz_support.h"

#include "common/line_file.h"
#include "index/unit_list.h"
#include "master/open_unit.h"
#include "master/unit_reader.h"
#include "master/unit_scan.h"
#include "sheet/copy_file.h"
#include "sheet/layout_blocks.h"
#include "sheet/worksheet_document.h"

#include <algorithm>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

using namespace zelkon;

// A line as the program holds one after reading it from a block: whatever bytes, but no line
// feed, and not the ">>" that would have closed the block.
std::string Line(FuzzedDataProvider &in, std::size_t maxLength)
{
    std::string line = in.ConsumeRandomLengthString(maxLength);
    std::erase(line, '\n');
    return line == ">>" ? ">" : line;
}

std::vector<std::string> Lines(FuzzedDataProvider &in, std::size_t count)
{
    std::vector<std::string> lines;
    for (std::size_t k = 0; k < count; ++k)
        lines.push_back(Line(in, 24));
    return lines;
}

// What the worksheet put into the record before a unit is added to it.
void FillFromSheet(FuzzedDataProvider &in, UnitRecord &record)
{
    record.questionLines = Lines(in, in.ConsumeIntegralInRange<std::size_t>(0, 60));
    record.graphLines = Lines(in, 3 * in.ConsumeIntegralInRange<std::size_t>(0, 3));
    record.answerGraphLines = Lines(in, in.ConsumeIntegralInRange<std::size_t>(0, 3));
    record.unitCaption = Line(in, 32);
    record.schoolLine = Line(in, 16);
    record.nameLine = Line(in, 16);
}

bool HasLine(const std::vector<std::string> &lines, std::string_view wanted)
{
    return std::find(lines.begin(), lines.end(), wanted) != lines.end();
}

// The copy file written from the sheet opens again as the same unit: nothing the sheet holds
// is lost by saving it.
void CheckCopyFileRoundTrip(const Worksheet &sheet)
{
    const std::vector<std::string> lines = ComposeCopyFile(sheet, SavedPaperWidth(sheet));
    // A sheet grown by added units past the unit limit is refused when opened; that refusal is
    // the reader's to check.
    if (lines.size() > kMaxUnitLines)
        return;
    const std::string bytes = JoinLines(lines);
    ReaderState state;
    UnitRecord reread;
    Messages messages;
    if (!ReadUnitFromBytes(
            bytes, kCopyUnitHeader, 0, 0, ReadMode::Copy, ReadContext(), state, reread, messages))
        std::abort();
    const std::vector<std::string> header{sheet.unitCaption, sheet.schoolLine, sheet.nameLine};
    if (reread.headerLines != header || reread.questionLines != sheet.questionLines
        || reread.graphLines != sheet.graphLines
        || reread.answerGraphLines != sheet.answerGraphLines
        || reread.kgroupLines != sheet.kgroupLines || reread.valueLines.size() != 7
        || reread.fontLines.size() != 7 || reread.kranLines.size() != 10)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const fuzz::FileAndChoices input = fuzz::SplitChoices(data, size);
    FuzzedDataProvider in(input.choices, input.choiceCount);

    const auto mode = static_cast<ReadMode>(in.ConsumeIntegralInRange<int>(0, 2));
    UnitLocator locator;
    locator.lesson = in.ConsumeIntegralInRange<std::int32_t>(0, 81);
    locator.section = in.ConsumeIntegralInRange<std::int32_t>(0, 81);
    locator.unit = in.ConsumeIntegralInRange<std::int32_t>(1, 9);
    locator.variant = in.ConsumeIntegralInRange<std::int32_t>(0, 5);
    const std::string header = SheetHeaderLine(locator, mode);

    ReaderState state;
    state.lastSectionRead = in.ConsumeIntegralInRange<std::int32_t>(0, 81);
    state.captionRestart = in.ConsumeBool();
    ActiveSheetCaptions activeSheet;
    ReadContext context;
    if (in.ConsumeBool()) {
        activeSheet.openedFromMaster = in.ConsumeBool();
        activeSheet.section = in.ConsumeIntegralInRange<std::int32_t>(0, 81);
        activeSheet.unit = in.ConsumeIntegralInRange<std::int32_t>(0, 81);
        activeSheet.unitCaption = Line(in, 32);
        activeSheet.lastCaption = Line(in, 32);
        context.activeSheet = &activeSheet;
    }
    context.lessonName = Line(in, 16);
    context.sectionName = Line(in, 16);
    context.unitName = Line(in, 16);
    UnitRecord record;
    if (mode == ReadMode::Add)
        FillFromSheet(in, record);
    const UnitRecord before = record;

    Messages messages;
    const bool read = ReadUnitFromBytes(
        input.file, header, locator.unit, locator.section, mode, context, state, record, messages);

    // Silence only for a file without the unit; a unit that is there is read or refused.
    const std::vector<std::string> lines = SplitLines(input.file);
    const bool headerFound = HasLine(lines, header);
    if (!headerFound && (read || !messages.empty()))
        std::abort();
    if (headerFound && !read && messages.empty())
        std::abort();
    for (const Message &message : messages) {
        if (message.text.empty() || message.line < 1
            || message.line > static_cast<int>(lines.size()) + 1)
            std::abort();
    }
    if (record.priorGraphCount != static_cast<int>(before.graphLines.size()))
        std::abort();

    // The similar-problem marks of a whole file agree with the line-by-line look-up.
    if (lines.size() <= 2000) {
        const auto marks = UnitsWithSimilarProblems(input.file);
        for (int unit = 1; unit <= kCourseIndexLimit; ++unit) {
            if (marks.test(static_cast<std::size_t>(unit)) != HasSimilarProblem(lines, unit))
                std::abort();
        }
        if (SimilarProblemItems(lines, locator.unit).size() > kSimilarProblemLimit)
            std::abort();
    }
    if (!read)
        return 0;

    if (record.questionLines.size() > 60)
        std::abort();
    if ((!record.valueLines.empty() && record.valueLines.size() != 7)
        || (!record.fontLines.empty() && record.fontLines.size() != 7)
        || (!record.kranLines.empty() && record.kranLines.size() != 10))
        std::abort();
    if (state.lastSectionRead != locator.section)
        std::abort();
    if (mode == ReadMode::Copy
        && (record.headerLines.size() < 3 || record.unitCaption != record.headerLines[0]
            || record.schoolLine != record.headerLines[1]
            || record.nameLine != record.headerLines[2]))
        std::abort();
    // A unit added to a sheet comes after the sheet's own lines.
    if (mode == ReadMode::Add
        && (record.questionLines.size() < before.questionLines.size()
            || !std::equal(before.questionLines.begin(),
                           before.questionLines.end(),
                           record.questionLines.begin())))
        std::abort();

    Worksheet sheet;
    Messages sheetMessages;
    if (mode == ReadMode::Add) {
        ApplyDefaultLayout(sheet);
        RetakeUnitRecord(sheet, record);
        if (sheet.graphLines.size() != record.graphLines.size()
            || !std::equal(
                before.graphLines.begin(), before.graphLines.end(), sheet.graphLines.begin()))
            std::abort();
    } else {
        SheetCreationContext creation;
        creation.fixedPaper = in.ConsumeBool();
        creation.currentLocator = locator;
        TakeUnitRecord(sheet, record, creation, sheetMessages);
        if (sheet.questionLines != record.questionLines)
            std::abort();
    }
    CheckCopyFileRoundTrip(sheet);
    return 0;
}
