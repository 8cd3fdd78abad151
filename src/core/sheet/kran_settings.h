// The answer-field settings of a worksheet: the shape codes of kran line 0, which allowance each
// shape is adjusted with, and writing the answer-field panel's values into the kran lines.
#pragma once

#include "sheet/answer_fields.h"
#include "sheet/worksheet.h"

#include <cstddef>
#include <cstdint>

namespace zelkon {

/// The kran lines the answer-field panel and the side panel's hidden boxes write.
enum class KranLine : std::size_t {
    shape = 0,           ///< answer-field shape code
    widthAllowance = 1,  ///< 幅
    heightAllowance = 2, ///< 高さ
    answerX = 4,         ///< 解答位置 x
    answerY = 5,         ///< 解答位置 y
    fieldX = 6,          ///< the panel's hidden field x
    fieldY = 7,          ///< the panel's hidden field y
    subLineSpacing = 8,  ///< 副行間
};

/// Which of the two allowances a shape is adjusted with.
struct AllowanceUse
{
    bool width = false;  ///< 幅
    bool height = false; ///< 高さ
};

/// The code kran line 0 holds for a shape: 0 none, 1 box, 2 square brackets, 3 lenticular
/// brackets, 4 underline, 5 rounded box.
int ShapeCode(FieldShape shape);

/// No field uses neither allowance; brackets and the underline use the width only; the two
/// boxes use both.
AllowanceUse AllowanceUseOf(FieldShape shape);

/// The integer a kran line holds; 0 for a line that is no decimal integer.
std::int32_t KranInt(const Worksheet &sheet, KranLine line);

/// Writes the code of `shape` into kran line 0. The sheet is marked modified when the shape
/// drawn changes (a "10" becoming "1" is still a box); true when it changed.
bool ChooseFieldShape(Worksheet &sheet, FieldShape shape);

/// Writes `value` into a kran line as decimal text. The sheet is marked modified when the
/// line's number changes (a "015" written as "15" is no change); true when it changed.
bool TakeKranValue(Worksheet &sheet, KranLine line, std::int32_t value);

} // namespace zelkon
