// Answer fields: their rectangles on screen and printer, the six shapes and the three marks.
#include "sheet/answer_fields.h"

#include "sheet/recording_canvas.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <limits>

namespace zelkon {
namespace {

using test::J;
using Kind = RecordingCanvas::CallKind;

// "例　日本の首都は　#　東京　#" at 12 points on an A4 screen page with margins 5.
AnswerField TokyoField()
{
    AnswerField field;
    field.x = 194;
    field.y = 98;
    field.width = 64;
    field.fontSize = 12;
    field.answerText = J("　東京　");
    return field;
}

FieldLayout ScreenLayout()
{
    FieldLayout layout;
    layout.widthAllowance = 15;
    layout.heightAllowance = 2;
    layout.boxHeight = 24;
    return layout;
}

TEST(AnswerFields, Rectangles)
{
    struct Case
    {
        const char *name;
        AnswerField field;
        FieldLayout layout;
        Rect fieldRect, frameRect;
    };
    AnswerField small;
    small.x = 10;
    small.y = 1;
    small.width = 5;
    FieldLayout printer = ScreenLayout();
    printer.s = 2.0;
    printer.toPrinter = true;
    FieldLayout halves{2.5, false, 1, 1, 10};
    // A kran block may hold any integer: the frame stops at 2^30 − 1 instead of wrapping.
    FieldLayout huge = ScreenLayout();
    huge.widthAllowance = std::numeric_limits<int>::max();
    huge.heightAllowance = std::numeric_limits<int>::max();
    const int edge = (1 << 30) - 1;
    const Case cases[] = {
        // x to x + w − 3 + 15 across, y + 3 − 1 to y + 3 + h + 2 down.
        {"screen", TokyoField(), ScreenLayout(), {194, 101, 255, 125}, {194, 100, 270, 127}},
        // left round(194 × 2 × 1.03) = 400: moved by 3 %, the width is not.
        {"printer", TokyoField(), printer, {400, 202, 522, 250}, {400, 200, 552, 254}},
        // 2.5, 7.5, 12.5, 1.25 and 2.5 all round to even neighbours.
        {"halves", small, halves, {25, 10, 29, 35}, {25, 9, 31, 37}},
        // 101 − round(2^31 × 0.5) upwards; right and bottom held.
        {"huge allowances",
         TokyoField(),
         huge,
         {194, 101, 255, 125},
         {194, 101 - (1 << 30), edge, edge}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FieldRect(c.field, c.layout), c.fieldRect);
        EXPECT_EQ(FrameRect(c.field, c.layout), c.frameRect);
    }
    // MarkRect: grown by round(61 × 0.05) = 3.
    EXPECT_EQ(MarkRect(TokyoField(), ScreenLayout()), (Rect{191, 98, 258, 128}));
}

TEST(AnswerFields, InputBoxesLieOverTheFields)
{
    FieldLayout printer = ScreenLayout();
    printer.s = 2.0;
    printer.toPrinter = true;
    // The box width is the frame width at scale 1, whatever the render.
    EXPECT_EQ(AnswerBoxWidth(TokyoField(), ScreenLayout()), 76);
    EXPECT_EQ(AnswerBoxWidth(TokyoField(), printer), 76);
    EXPECT_EQ(AnswerBoxRect(TokyoField(), ScreenLayout(), 120), (Rect{320, 102, 396, 126}));
}

TEST(AnswerFields, ShapesByTheFirstCharacterOfKranLineZero)
{
    const struct
    {
        const char *code;
        Kind kind;
        int calls;
    } cases[] = {
        {"0", Kind::Text, 0},
        {"1", Kind::Rectangle, 1},
        {"10", Kind::Rectangle, 1}, // only the first character counts
        {"2", Kind::Text, 2},
        {"3", Kind::Text, 2},
        {"4", Kind::Line, 1},
        {"5", Kind::RoundRect, 1},
        {"6", Kind::Text, 0},
        {"", Kind::Text, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.code);
        RecordingCanvas canvas;
        DrawFieldShape(canvas, TokyoField(), FieldShapeOf(c.code), ScreenLayout(), kBlack);
        ASSERT_EQ(canvas.calls().size(), static_cast<std::size_t>(c.calls));
        for (const RecordingCanvas::Call &call : canvas.calls())
            EXPECT_EQ(call.kind, c.kind);
    }
}

TEST(AnswerFields, ShapeGeometry)
{
    RecordingCanvas canvas;
    const AnswerField field = TokyoField();
    const FieldLayout layout = ScreenLayout();

    DrawFieldShape(canvas, field, FieldShape::Box, layout, kBlack);
    DrawFieldShape(canvas, field, FieldShape::Underline, layout, kBlack);
    DrawFieldShape(canvas, field, FieldShape::RoundedBox, layout, kBlack);
    canvas.setFontSize(20);
    DrawFieldShape(canvas, field, FieldShape::SquareBrackets, layout, kBlack);
    DrawFieldShape(canvas, field, FieldShape::LenticularBrackets, layout, kBlack);

    const std::vector<RecordingCanvas::Call> &calls = canvas.calls();
    ASSERT_EQ(calls.size(), 7u);
    EXPECT_EQ(calls[0].rect, (Rect{194, 100, 270, 127}));
    EXPECT_FALSE(calls[0].filled);
    EXPECT_EQ(calls[0].penWidth, 1);
    // Underline: lifted by round(27 × 0.2) = 5 from the frame's bottom.
    EXPECT_EQ(calls[1].from, (Point{194, 122}));
    EXPECT_EQ(calls[1].to, (Point{270, 122}));
    // Rounded corners round(27 × 0.6) = 16.
    EXPECT_EQ(calls[2].cornerWidth, 16);
    EXPECT_EQ(calls[2].cornerHeight, 16);
    // "［" over the answer's first character, "］" 3 pixels left of its end, at its size.
    EXPECT_EQ(calls[3].text, J("［"));
    EXPECT_EQ(calls[3].from, (Point{194, 101}));
    EXPECT_EQ(calls[3].fontSize, 12);
    EXPECT_EQ(calls[4].text, J("］"));
    EXPECT_EQ(calls[4].from, (Point{255, 101}));
    EXPECT_EQ(calls[5].text, J("【"));
    EXPECT_EQ(calls[6].text, J("】"));
}

TEST(AnswerFields, MarksByStateInRed)
{
    RenderTables tables;
    Worksheet sheet;
    sheet.kranValues[0] = "0";
    const std::int32_t states[]
        = {kFieldRight, kFieldWrong, kFieldRightAfterReveal, kFieldOpen, kFieldNotJudged};
    for (std::int32_t state : states) {
        AnswerField &field = tables.answerFieldTable[++tables.answerFieldCount];
        field = TokyoField();
        field.state = state;
    }
    RecordingCanvas canvas;
    DrawAnswerFields(canvas, sheet, tables, ScreenLayout());

    const std::vector<RecordingCanvas::Call> &calls = canvas.calls();
    ASSERT_EQ(calls.size(), 4u) << "a circle, a slash, a cross of two strokes; none for 99, -1";
    for (const RecordingCanvas::Call &call : calls) {
        EXPECT_EQ(call.penColor, kRed);
        EXPECT_EQ(call.penWidth, 2);
        EXPECT_FALSE(call.filled);
    }
    // Box width 76: g = round(6.84) = 7, m = round(3.8) = 4, t = round(15.2) = 15.
    EXPECT_EQ(calls[0].kind, Kind::Ellipse);
    EXPECT_EQ(calls[0].rect, (Rect{187, 93, 277, 134}));
    EXPECT_EQ(calls[1].from, (Point{254, 94}));
    EXPECT_EQ(calls[1].to, (Point{195, 132}));
    EXPECT_EQ(calls[2].from, (Point{254, 94}));
    EXPECT_EQ(calls[3].from, (Point{210, 102}));
    EXPECT_EQ(calls[3].to, (Point{239, 124}));
}

TEST(AnswerFields, RingsWidenByTheirNumber)
{
    RecordingCanvas canvas;
    RingsMark(canvas, TokyoField(), ScreenLayout(), 2, kBlue);
    const auto rings = canvas.callsOf(Kind::Ellipse);
    ASSERT_EQ(rings.size(), 2u);
    EXPECT_EQ(rings[0].rect, (Rect{187, 93, 277, 134}));
    EXPECT_EQ(rings[1].rect, (Rect{180, 86, 284, 141}));
    EXPECT_EQ(rings[1].penColor, kBlue);
}

TEST(AnswerFields, PrinterMarksScaleWithTheBoxWidthAtScaleOne)
{
    RenderTables tables;
    Worksheet sheet;
    sheet.kranValues[0] = "1";
    tables.answerFieldCount = 1;
    tables.answerFieldTable[1] = TokyoField();
    tables.answerFieldTable[1].state = kFieldRight;
    FieldLayout printer = ScreenLayout();
    printer.s = 2.0;
    printer.toPrinter = true;
    RecordingCanvas canvas;
    DrawAnswerFields(canvas, sheet, tables, printer);
    ASSERT_EQ(canvas.calls().size(), 2u);
    EXPECT_EQ(canvas.calls()[0].rect, (Rect{400, 200, 552, 254}));
    EXPECT_EQ(canvas.calls()[0].penWidth, 2);
    // g = round(2 × 76 × 0.09) = round(13.68) = 14; pen round(2 × 2).
    EXPECT_EQ(canvas.calls()[1].rect, (Rect{386, 186, 566, 268}));
    EXPECT_EQ(canvas.calls()[1].penWidth, 4);
}

TEST(AnswerFields, ACountBeyondTheTableIsHeldAtItsEnd)
{
    RenderTables tables;
    Worksheet sheet;
    sheet.kranValues[0] = "1";
    tables.answerFieldCount = 500;
    RecordingCanvas canvas;
    DrawAnswerFields(canvas, sheet, tables, ScreenLayout());
    EXPECT_EQ(canvas.calls().size(), static_cast<std::size_t>(kMaxAnswerFields));
}

} // namespace
} // namespace zelkon
