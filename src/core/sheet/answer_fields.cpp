// Answer field rectangles, shapes and practice marks.
#include "sheet/answer_fields.h"

#include "sheet/render_context.h"

#include <algorithm>
#include <cstdint>

namespace zelkon {

namespace {

// Edges are summed in 64 bits and held within ±2^30, so that an edge and a width or height (one
// edge less another) always fit an int, however large a kran block's allowances or a line's text.
constexpr std::int64_t kEdgeLimit = (std::int64_t{1} << 30) - 1;

int Edge(std::int64_t value)
{
    return static_cast<int>(std::clamp(value, -kEdgeLimit, kEdgeLimit));
}

// "［", "］", "【", "】" in CP932.
constexpr std::string_view kSquareOpen = "\x81\x6D";
constexpr std::string_view kSquareClose = "\x81\x6E";
constexpr std::string_view kLenticularOpen = "\x81\x79";
constexpr std::string_view kLenticularClose = "\x81\x7A";

Rect Grown(const Rect &r, std::int64_t by)
{
    return {Edge(r.left - by), Edge(r.top - by), Edge(r.right + by), Edge(r.bottom + by)};
}

void SetOutlinePen(Canvas &canvas, int width, Rgb colour)
{
    canvas.setFill(false);
    canvas.setPenWidth(width);
    canvas.setPenColor(colour);
}

// The pull-in of both ends of the slash.
int SlashInset(const AnswerField &field, const FieldLayout &layout)
{
    return RoundHalfEven(layout.s * (AnswerBoxWidth(field, layout) * 0.05));
}

void DrawBrackets(Canvas &canvas,
                  const AnswerField &field,
                  const FieldLayout &layout,
                  std::string_view open,
                  std::string_view close,
                  Rgb colour)
{
    if (canvas.fontSize() != field.fontSize)
        canvas.setFontSize(field.fontSize);
    if (canvas.fontColor() != colour)
        canvas.setFontColor(colour);
    const Rect r = FieldRect(field, layout);
    canvas.textOut({r.left, r.top}, open);
    canvas.textOut({r.right, r.top}, close);
}

} // namespace

FieldShape FieldShapeOf(std::string_view kranLine0)
{
    if (kranLine0.empty())
        return FieldShape::None;
    switch (kranLine0.front()) {
    case '1':
        return FieldShape::Box;
    case '2':
        return FieldShape::SquareBrackets;
    case '3':
        return FieldShape::LenticularBrackets;
    case '4':
        return FieldShape::Underline;
    case '5':
        return FieldShape::RoundedBox;
    default:
        return FieldShape::None;
    }
}

Rect FieldRect(const AnswerField &field, const FieldLayout &layout)
{
    const double s = layout.s;
    const double f = layout.toPrinter ? 1.03 : 1.0;
    Rect r;
    r.left = Edge(RoundHalfEven(field.x * s * f));
    r.top = Edge(std::int64_t{RoundHalfEven(field.y * s)} + RoundHalfEven(3 * s));
    r.right = Edge(std::int64_t{RoundHalfEven(field.width * s)} + r.left - RoundHalfEven(3 * s));
    r.bottom = Edge(std::int64_t{RoundHalfEven(layout.boxHeight * s)} + r.top);
    return r;
}

Rect FrameRect(const AnswerField &field, const FieldLayout &layout)
{
    const double s = layout.s;
    const Rect f = FieldRect(field, layout);
    return {f.left,
            Edge(f.top - std::int64_t{RoundHalfEven(layout.heightAllowance * s * 0.5)}),
            Edge(f.right + std::int64_t{RoundHalfEven(layout.widthAllowance * s)}),
            Edge(f.bottom + std::int64_t{RoundHalfEven(layout.heightAllowance * s)})};
}

Rect MarkRect(const AnswerField &field, const FieldLayout &layout)
{
    const Rect f = FieldRect(field, layout);
    return Grown(f, RoundHalfEven((f.right - f.left) * 0.05));
}

int AnswerBoxWidth(const AnswerField &field, const FieldLayout &layout)
{
    FieldLayout screen = layout;
    screen.s = 1.0;
    screen.toPrinter = false;
    return FrameRect(field, screen).width();
}

Rect AnswerBoxRect(const AnswerField &field, const FieldLayout &layout, int panelWidth)
{
    const int left = Edge(std::int64_t{field.x} + 6 + panelWidth);
    const int top = Edge(std::int64_t{field.y} + 4);
    return {left,
            top,
            Edge(std::int64_t{left} + AnswerBoxWidth(field, layout)),
            Edge(std::int64_t{top} + layout.boxHeight)};
}

void DrawFieldShape(Canvas &canvas,
                    const AnswerField &field,
                    FieldShape shape,
                    const FieldLayout &layout,
                    Rgb colour)
{
    const int penWidth = RoundHalfEven(layout.s);
    switch (shape) {
    case FieldShape::None:
        return;
    case FieldShape::Box:
        SetOutlinePen(canvas, penWidth, colour);
        canvas.rectangle(FrameRect(field, layout));
        return;
    case FieldShape::SquareBrackets:
        DrawBrackets(canvas, field, layout, kSquareOpen, kSquareClose, colour);
        return;
    case FieldShape::LenticularBrackets:
        DrawBrackets(canvas, field, layout, kLenticularOpen, kLenticularClose, colour);
        return;
    case FieldShape::Underline: {
        canvas.setPenWidth(penWidth);
        canvas.setPenColor(colour);
        const Rect r = FrameRect(field, layout);
        const int lift = RoundHalfEven((r.bottom - r.top) * 0.2);
        canvas.line({r.left, r.bottom - lift}, {r.right, r.bottom - lift});
        return;
    }
    case FieldShape::RoundedBox: {
        SetOutlinePen(canvas, penWidth, colour);
        const Rect r = FrameRect(field, layout);
        const int corner = RoundHalfEven((r.bottom - r.top) * 0.6);
        canvas.roundRect(r, corner, corner);
        return;
    }
    }
}

void RingsMark(
    Canvas &canvas, const AnswerField &field, const FieldLayout &layout, int rings, Rgb colour)
{
    SetOutlinePen(canvas, RoundHalfEven(2 * layout.s), colour);
    const Rect frame = FrameRect(field, layout);
    const int g = RoundHalfEven(layout.s * (AnswerBoxWidth(field, layout) * 0.09));
    for (int ring = 1; ring <= rings; ++ring)
        canvas.ellipse(Grown(frame, std::int64_t{ring} * g));
}

void SlashMark(Canvas &canvas, const AnswerField &field, const FieldLayout &layout, Rgb colour)
{
    SetOutlinePen(canvas, RoundHalfEven(2 * layout.s), colour);
    const Rect r = MarkRect(field, layout);
    const std::int64_t m = SlashInset(field, layout);
    canvas.line({Edge(r.right - m), Edge(r.top - m)}, {Edge(r.left + m), Edge(r.bottom + m)});
}

void CrossMark(Canvas &canvas, const AnswerField &field, const FieldLayout &layout, Rgb colour)
{
    SlashMark(canvas, field, layout, colour);
    const Rect r = MarkRect(field, layout);
    const std::int64_t m = SlashInset(field, layout);
    const std::int64_t t = RoundHalfEven(layout.s * (AnswerBoxWidth(field, layout) * 0.2));
    canvas.line({Edge(r.left + m + t), Edge(r.top + m)},
                {Edge(r.right - m - t), Edge(r.bottom - m)});
}

void DrawAnswerFields(Canvas &canvas,
                      const Worksheet &sheet,
                      const RenderTables &tables,
                      const FieldLayout &layout)
{
    const FieldShape shape = FieldShapeOf(sheet.kranValues[0]);
    const int count = std::clamp(tables.answerFieldCount, 0, kMaxAnswerFields);
    for (int i = 1; i <= count; ++i) {
        const AnswerField &field = tables.answerFieldTable[i];
        DrawFieldShape(canvas, field, shape, layout, kBlack);
        switch (field.state) {
        case kFieldRight:
            RingsMark(canvas, field, layout, 1, kRed);
            break;
        case kFieldWrong:
            SlashMark(canvas, field, layout, kRed);
            break;
        case kFieldRightAfterReveal:
            CrossMark(canvas, field, layout, kRed);
            break;
        default:
            break;
        }
    }
}

} // namespace zelkon
