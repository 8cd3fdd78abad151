// The value, font and kran blocks of a unit: taking them into a worksheet and writing them back.
#pragma once

#include "common/messages.h"
#include "sheet/worksheet.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelkon {

/// The integer a block line holds: an optional "-" and decimal digits within 32 bits; nullopt
/// for anything else (an empty line, blanks, "+", "True").
std::optional<std::int32_t> ParseDecimalInt(std::string_view text);

/// The layout of a sheet whose unit has no value block: 630 × 891, font size 14, line spacing
/// 30, margins 5 and 5, start number 1, option flags 7; the paper is A4 even when the main
/// window's paper is fixed, and `answersShown` is left to the caller.
void ApplyDefaultLayout(Worksheet &sheet);

/// Takes a value block: lines 2 to 6 into the layout values and line 0 into the paper, or the
/// paper `fixedPaperWidth` when the main window fixes it (line 0 is then not looked at); line 1
/// is never read. "True"/"False" count as 630 in line 0 and as 7 in line 6, and line 6 is held
/// at 15. A line that is no integer, or is missing, takes the value of a new unit (630, 40, 5,
/// 5, 1, 7) and adds a message naming the block, the line and the default.
void ApplyValueBlock(Worksheet &sheet,
                     const std::vector<std::string> &lines,
                     std::optional<std::int32_t> fixedPaperWidth,
                     Messages &messages);

/// Takes a font block: line 0 into `fontSize` and the dialog font's size (12 with a message
/// when it is no integer), line 1 the dialog font's name, lines 2 to 5 its bold, italic,
/// underline and strike-out when exactly "True", line 6 into `sheetFontName`, where "0" means
/// `defaultSheetFontName`; missing lines count as empty.
void ApplyFontBlock(Worksheet &sheet,
                    const std::vector<std::string> &lines,
                    std::string_view defaultSheetFontName,
                    Messages &messages);

/// Takes a kran block into `kranValues`, padded with "0" to ten and cut after ten; a line 0 to
/// 8 that is no integer takes the value of a new unit (5, 15, 2, 0, 0, 0, 15, 10, 0) with a
/// message, while the reserved line 9 is kept as it stands.
void ApplyKranBlock(Worksheet &sheet, const std::vector<std::string> &lines, Messages &messages);

/// Appends a block: the keyword line, the lines as they are, then ">>".
void AppendBlock(std::vector<std::string> &list,
                 std::string_view keyword,
                 const std::vector<std::string> &lines);

/// Appends the value, font, kran and kgroup blocks of the sheet, each from its keyword line to
/// its ">>": value line 0 is `currentPaperWidth`, flags are "True"/"False", integers decimal,
/// and font line 6 is the resolved `sheetFontName`; the kgroup block is written even when empty.
void WriteLayoutBlocks(const Worksheet &sheet,
                       std::int32_t currentPaperWidth,
                       std::vector<std::string> &list);

/// The three texts the master file editor receives, one line per entry.
struct EditorLayoutTexts
{
    std::vector<std::string> layout;      ///< the value, font and kran blocks, keywords and ">>"
    std::vector<std::string> graph;       ///< the bare `graphLines`
    std::vector<std::string> answerGraph; ///< the bare `answerGraphLines`
};

/// The sheet's layout for the master file editor: the value, font and kran blocks as
/// WriteLayoutBlocks writes them (without kgroup) and the graph lists without keyword lines.
EditorLayoutTexts WriteLayoutToEditor(const Worksheet &sheet, std::int32_t currentPaperWidth);

} // namespace zelkon
