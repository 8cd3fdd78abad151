// A worksheet taking the unit record at creation and after an add, its setters and its keys.
#include "sheet/worksheet_document.h"

#include "common/sjis_text.h"
#include "sheet/layout_blocks.h"

#include <algorithm>

namespace zelkon {

namespace {

// Graph lists hold three lines per graph: file name, x, y.
constexpr std::size_t kLinesPerGraph = 3;
constexpr std::string_view kNotPlaced = "-1";

// The record's graph lines with the x and y of the graphs the last read added set to "not
// placed", so the next render finds each a free place instead of stacking them.
std::vector<std::string> GraphLinesAfterAdd(const UnitRecord &record)
{
    std::vector<std::string> lines = record.graphLines;
    const std::size_t prior = static_cast<std::size_t>(std::max(record.priorGraphCount, 0));
    for (std::size_t i = prior; i < lines.size(); ++i) {
        // Counted over the whole list, as placement reads it: line 3k − 3 names graph k.
        if (i % kLinesPerGraph != 0)
            lines[i] = kNotPlaced;
    }
    return lines;
}

} // namespace

SheetCreationContext SheetCreationContextOf(const AppState &state)
{
    SheetCreationContext context;
    context.answersShown = state.answersShown;
    context.fixedPaper = state.fixedPaper;
    context.selectedPaperWidth = state.paperWidth;
    context.currentLocator = state.currentLocator;
    context.lessonName = state.lessonName;
    context.sectionName = state.sectionName;
    context.unitName = state.unitName;
    context.defaultSheetFontName = state.mainFontName;
    context.sheetKey = state.sheetKey;
    context.printTag = state.printTag;
    return context;
}

void ResetRenderTablesForNewSheet(RenderTables &tables)
{
    for (AnswerField &field : tables.answerFieldTable)
        field.state = kFieldOpen;
    tables.showLearnerAnswers = false;
    tables.collectAnswerFields = true;
}

void TakeUnitRecord(Worksheet &sheet,
                    const UnitRecord &record,
                    const SheetCreationContext &context,
                    Messages &messages)
{
    sheet.currentQuestion = -1;
    sheet.scoreShown = false;

    sheet.locator = context.currentLocator;
    sheet.lessonName = context.lessonName;
    sheet.sectionName = context.sectionName;
    sheet.unitName = context.unitName;

    sheet.unitCaption = record.unitCaption;
    sheet.schoolLine = record.schoolLine;
    sheet.nameLine = record.nameLine;
    sheet.questionLines = record.questionLines;
    sheet.softkeyLines = record.softkeyLines;
    sheet.kgroupLines = record.kgroupLines;

    // A sheet always starts with the main window's answer display, whatever value line 1 says.
    sheet.answersShown = context.answersShown;
    if (record.valueLines.empty()) {
        ApplyDefaultLayout(sheet);
    } else {
        const std::optional<std::int32_t> fixedWidth
            = context.fixedPaper ? std::optional(context.selectedPaperWidth) : std::nullopt;
        ApplyValueBlock(sheet, record.valueLines, fixedWidth, messages);
    }
    if (!record.fontLines.empty())
        ApplyFontBlock(sheet, record.fontLines, context.defaultSheetFontName, messages);
    if (!record.kranLines.empty())
        ApplyKranBlock(sheet, record.kranLines, messages);

    sheet.graphLines = record.graphLines;
    sheet.answerGraphLines = record.answerGraphLines;

    sheet.sheetKey = context.sheetKey;
    sheet.printTag = context.printTag;
}

void RetakeUnitRecord(Worksheet &sheet, const UnitRecord &record)
{
    sheet.modified = true;
    sheet.unitCaption = record.unitCaption;
    sheet.schoolLine = record.schoolLine;
    sheet.nameLine = record.nameLine;
    sheet.graphLines = GraphLinesAfterAdd(record);
    sheet.answerGraphLines = record.answerGraphLines;
    sheet.questionLines = record.questionLines;
}

void TakeLineSpacing(Worksheet &sheet, std::int32_t spacing)
{
    sheet.lineSpacing = std::clamp(spacing, -5, 100);
}

void TakeFontSize(Worksheet &sheet, std::int32_t points)
{
    sheet.fontSize = std::clamp(points, 8, 50);
}

void TakeLeftMargin(Worksheet &sheet, std::int32_t margin)
{
    sheet.leftMargin = std::clamp(margin, 0, 15);
}

void TakeRightMargin(Worksheet &sheet, std::int32_t margin)
{
    sheet.rightMargin = std::clamp(margin, 0, 15);
}

void TakeStartNumber(Worksheet &sheet, std::int32_t number)
{
    sheet.startNumber = std::clamp(number, 1, 100);
}

void TakeAnswerPositionX(Worksheet &sheet, std::int32_t x)
{
    sheet.kranValues[4] = std::to_string(x);
}

void TakeAnswerPositionY(Worksheet &sheet, std::int32_t y)
{
    sheet.kranValues[5] = std::to_string(y);
}

std::string MasterSheetKey(std::string_view file, std::int32_t unit, std::int32_t variant)
{
    std::string key = std::string(file) + "-U" + std::to_string(unit);
    if (variant != 0)
        key += "R" + std::to_string(variant);
    return key;
}

std::string SheetKeyOfFile(const Worksheet &sheet)
{
    // "." is never the second byte of a character and the letters after it are single bytes,
    // so a byte search of the lower-cased path finds only a real ".que".
    if (AsciiLower(sheet.filePath).find(".que") != std::string::npos)
        return MasterSheetKey(sheet.filePath, sheet.unitNumber, sheet.locator.variant);
    return sheet.filePath;
}

} // namespace zelkon
