// Filling a worksheet from the unit record, the setters that hold a rule, and the sheet's keys.
#pragma once

#include "common/cp932.h"
#include "common/messages.h"
#include "master/unit_locator.h"
#include "master/unit_record.h"
#include "settings/app_state.h"
#include "sheet/render_tables.h"
#include "sheet/worksheet.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zelkon {

/// What a new worksheet takes from the program besides the unit record.
struct SheetCreationContext
{
    bool answersShown = true;              ///< the main window's answer display state
    bool fixedPaper = false;               ///< take `selectedPaperWidth` instead of value line 0
    std::int32_t selectedPaperWidth = 630; ///< the paper selected in the main window
    UnitLocator currentLocator;
    std::string lessonName;
    std::string sectionName;
    std::string unitName;
    std::string defaultSheetFontName = Utf8ToCp932("ＭＳ 明朝"); ///< for font line 6 "0"
    std::string sheetKey;
    std::string printTag;
};

/// The creation context as the program state holds it: answer display, paper, locator, the
/// three names, the main window's font and the key and tag stored just before a sheet is made.
SheetCreationContext SheetCreationContextOf(const AppState &state);

/// Readies the render tables for a new sheet: every answer field entry 0 to 80 back to the
/// unanswered state 99, learner answers hidden, answer fields collected by the next render.
void ResetRenderTablesForNewSheet(RenderTables &tables);

/// Fills a newly made sheet from the record: locator and names, captions, question, softkey,
/// kgroup and graph lines, the value block (or ApplyDefaultLayout), the font and kran blocks
/// when present, key and tag. A block line that should be a number and is not takes its default
/// and adds a message; the sheet is still filled whole. Graph bitmaps are not loaded: the caller
/// loads them from the graph lists afterwards.
void TakeUnitRecord(Worksheet &sheet,
                    const UnitRecord &record,
                    const SheetCreationContext &context,
                    Messages &messages);

/// Takes the record after a unit was added to the sheet: marks it modified, takes the captions,
/// the question lines and the answer graph lines, and the graph lines so that lines before the
/// record's `priorGraphCount` stay and, of the added ones, the file names stay and x and y
/// become "-1" (placed at the next render). The caller reloads the bitmaps and redraws.
void RetakeUnitRecord(Worksheet &sheet, const UnitRecord &record);

/// Stores the main line spacing, held within the 主行間 range −5 to 100.
void TakeLineSpacing(Worksheet &sheet, std::int32_t spacing);

/// Stores the font size, held within the 文字サイズ range 8 to 50.
void TakeFontSize(Worksheet &sheet, std::int32_t points);

/// Stores the left margin in tens of pixels, held within the panel's range 0 to 15.
void TakeLeftMargin(Worksheet &sheet, std::int32_t margin);

/// Stores the right margin in tens of pixels, held within the panel's range 0 to 15.
void TakeRightMargin(Worksheet &sheet, std::int32_t margin);

/// Stores the start number, held within the print dialog's range 1 to 100.
void TakeStartNumber(Worksheet &sheet, std::int32_t number);

/// Stores the answer position x as kran line 4 in decimal; any integer.
void TakeAnswerPositionX(Worksheet &sheet, std::int32_t x);

/// Stores the answer position y as kran line 5 in decimal; any integer.
void TakeAnswerPositionY(Worksheet &sheet, std::int32_t y);

/// `file` + "-U" + unit, + "R" + variant when the variant is not 0: the sheet key of a master
/// path, or the print tag of a master file name.
std::string MasterSheetKey(std::string_view file, std::int32_t unit, std::int32_t variant);

/// The key the sheet is listed under as its file stands: MasterSheetKey of `filePath`,
/// `unitNumber` and the locator's variant when `filePath` contains ".que" in any letter case,
/// else `filePath` itself.
std::string SheetKeyOfFile(const Worksheet &sheet);

} // namespace zelkon
