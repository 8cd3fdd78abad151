// Answer fields (解答欄) drawn from AnswerFieldTable: their rectangles, the six shapes, the
// practice marks, and the rectangles of the practice window's input boxes.
#pragma once

#include "sheet/canvas.h"
#include "sheet/render_tables.h"
#include "sheet/worksheet.h"

#include <string_view>

namespace zelkon {

/// What the field geometry needs besides a table entry.
struct FieldLayout
{
    double s = 1.0;          ///< scale of screen lengths (printer width ÷ 630 on the printer)
    bool toPrinter = false;  ///< the printer moves every field's left edge 3 % to the right
    int widthAllowance = 15; ///< Wk: the answer-field panel's 幅
    int heightAllowance = 2; ///< Hk: the answer-field panel's 高さ
    int boxHeight = 0;       ///< h: height of the practice window's input boxes
};

// Every edge of the rectangles and marks below is held within ±2^30 pixels, so that absurd
// allowances or text widths never overflow a width or a height.

/// The shapes of kran line 0.
enum class FieldShape { None, Box, SquareBrackets, LenticularBrackets, Underline, RoundedBox };

/// The shape of a kran line 0: only its first character counts ("10" is a box); an empty line
/// or any other character draws nothing.
FieldShape FieldShapeOf(std::string_view kranLine0);

/// The rectangle of the answer text: left round(x·s·f) with f 1.03 on the printer, top
/// round(y·s) + round(3s), right round(width·s) + left − round(3s), bottom round(h·s) + top.
Rect FieldRect(const AnswerField &field, const FieldLayout &layout);

/// FieldRect grown by round(Hk·s·0.5) upwards, round(Hk·s) downwards and round(Wk·s) right.
Rect FrameRect(const AnswerField &field, const FieldLayout &layout);

/// FieldRect grown on every side by round(5 % of its width).
Rect MarkRect(const AnswerField &field, const FieldLayout &layout);

/// Width the practice window gives the input box of a field: FrameRect's width at scale 1.
int AnswerBoxWidth(const AnswerField &field, const FieldLayout &layout);

/// Where the practice window lays the input box of a field: left x + 6 + the width of its
/// question panel, top y + 4, AnswerBoxWidth wide and the layout's box height high.
Rect AnswerBoxRect(const AnswerField &field, const FieldLayout &layout, int panelWidth);

/// Draws one field in `shape`: boxes and the underline with pen width round(s), brackets as
/// the characters "［" "］" or "【" "】" at the field's font size, all in `colour`.
void DrawFieldShape(Canvas &canvas,
                    const AnswerField &field,
                    FieldShape shape,
                    const FieldLayout &layout,
                    Rgb colour);

/// `rings` ellipses around FrameRect, ring n grown by n × round(0.09 × box width × s) on every
/// side; one ring is the circle of a right answer, two the double circle of a corrected one.
void RingsMark(
    Canvas &canvas, const AnswerField &field, const FieldLayout &layout, int rings, Rgb colour);

/// The slash of a wrong answer across MarkRect, from its top right to its bottom left, each
/// end pulled in by round(0.05 × box width × s).
void SlashMark(Canvas &canvas, const AnswerField &field, const FieldLayout &layout, Rgb colour);

/// The slash plus a shorter stroke the other way, inset a further round(0.2 × box width × s):
/// the mark of an answer right only after it was revealed.
void CrossMark(Canvas &canvas, const AnswerField &field, const FieldLayout &layout, Rgb colour);

/// Draws fields 1 to answerFieldCount in the sheet's shape in black, then the red mark of each
/// scored field (1 circle, 0 slash, −2 cross; other states none). A count beyond the table is
/// held at its 80 entries.
void DrawAnswerFields(Canvas &canvas,
                      const Worksheet &sheet,
                      const RenderTables &tables,
                      const FieldLayout &layout);

} // namespace zelkon
