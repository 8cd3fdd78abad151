// Tagged and plain drawing of any text, piece after piece, until the run table is full. Every
// piece is drawn twice, once with the ink the fuzzer chose and once with ink, on two canvases
// in the same state: measuring draws nothing and ends where drawing ends, drawing puts down the
// text's characters without its tags one at a time, each where the last one ended, in the style
// its tags give, and every piece is stored in the run table until it is full.
#include "fuzz_support.h"

#include "common/cp932.h"
#include "sheet/marked_text.h"
#include "sheet/recording_canvas.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace zelkon;
using Call = RecordingCanvas::Call;
using Kind = RecordingCanvas::CallKind;

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

// One side of the comparison: a canvas with the tables and the markup state drawn into.
struct World
{
    RecordingCanvas canvas;
    RenderTables tables;
    MarkupState state;
};

// What a piece of tagged text draws: its characters' bytes without the tags, and the style of
// each byte. `wellFormed` is false when a tag's third byte is there and is no ">".
struct ExpectedText
{
    std::string bytes;
    std::vector<unsigned> styles;
    bool wellFormed = true;
};

unsigned StyleAfterTag(unsigned style, char tag)
{
    switch (tag) {
    case 'B':
        return style | kBold;
    case 'I':
        return style | kItalic;
    case 'U':
        return style | kUnderline;
    case 'X':
        return style | kBold | kUnderline;
    case '_':
        return style | kStrikeOut;
    case '/':
        return kPlain;
    default:
        return style;
    }
}

ExpectedText Expect(std::string_view text, unsigned style)
{
    ExpectedText expected;
    std::size_t pos = 0;
    for (;;) {
        const std::size_t open = text.find('<', pos);
        const std::string_view token = text.substr(
            pos, open == std::string_view::npos ? std::string_view::npos : open - pos);
        expected.bytes += token;
        expected.styles.insert(expected.styles.end(), token.size(), style);
        if (open == std::string_view::npos)
            return expected;
        if (open + 1 < text.size())
            style = StyleAfterTag(style, text[open + 1]);
        if (open + 2 < text.size() && text[open + 2] != '>')
            expected.wellFormed = false;
        pos = std::min(open + 3, text.size());
    }
}

std::vector<Call> TextCallsFrom(const RecordingCanvas &canvas, std::size_t first)
{
    std::vector<Call> calls(canvas.calls().begin() + static_cast<std::ptrdiff_t>(first),
                            canvas.calls().end());
    for (const Call &call : calls)
        Require(call.kind == Kind::Text);
    return calls;
}

// Drawn characters: one CP932 character each, chained from `start`, at its height; returns
// where the last one left the pen, `start` when none was drawn.
Point CheckChain(const std::vector<Call> &calls, Point start)
{
    Point pen = start;
    for (const Call &call : calls) {
        Require(call.text.size() == 1
                || (call.text.size() == 2
                    && IsLeadByte(static_cast<unsigned char>(call.text.front()))));
        Require(call.from == pen);
        Require(call.to.y == start.y);
        pen = call.to;
    }
    return pen;
}

std::string Joined(const std::vector<Call> &calls)
{
    std::string joined;
    for (const Call &call : calls)
        joined += call.text;
    return joined;
}

void SameState(const World &chosen, const World &drawn)
{
    Require(chosen.state.currentSize == drawn.state.currentSize);
    Require(chosen.state.runCount == drawn.state.runCount);
    Require(chosen.tables.markupSizeOffset == drawn.tables.markupSizeOffset);
    Require(chosen.canvas.fontSize() == drawn.canvas.fontSize());
    Require(chosen.canvas.fontStyle() == drawn.canvas.fontStyle());
}

// One tagged piece on both sides; its end, none when the run table was full.
std::optional<Point>
MarkedPiece(World &chosen, World &drawn, std::string_view text, Point at, Ink ink)
{
    const bool full = drawn.state.runCount >= kMaxTextPieces;
    const int runsBefore = drawn.state.runCount;
    const std::size_t chosenCalls = chosen.canvas.calls().size();
    const std::size_t drawnCalls = drawn.canvas.calls().size();
    const unsigned styleBefore = drawn.canvas.fontStyle();

    const std::optional<Point> chosenEnd
        = DrawMarkedText(chosen.canvas, chosen.tables, chosen.state, text, at, ink);
    const std::optional<Point> drawnEnd
        = DrawMarkedText(drawn.canvas, drawn.tables, drawn.state, text, at, Ink::Draw);

    Require(chosenEnd == drawnEnd);
    SameState(chosen, drawn);
    if (full) {
        Require(!drawnEnd);
        Require(drawn.state.runCount == runsBefore);
        Require(chosen.canvas.calls().size() == chosenCalls);
        Require(drawn.canvas.calls().size() == drawnCalls);
        return std::nullopt;
    }
    Require(drawnEnd.has_value());
    Require(drawn.state.runCount == runsBefore + 1);
    Require(drawn.tables.runStartTable[drawn.state.runCount] == at);
    Require(chosen.tables.runStartTable[chosen.state.runCount] == at);
    Require(drawn.tables.runStartTable[0] == Point{});
    Require(drawn.canvas.fontStyle() == kPlain);

    const std::vector<Call> calls = TextCallsFrom(drawn.canvas, drawnCalls);
    const Point start{at.x, at.y + drawn.state.textDrop};
    const Point pen = CheckChain(calls, start);
    Require(*drawnEnd == (calls.empty() ? at : pen));

    const ExpectedText expected = Expect(text, styleBefore);
    if (expected.wellFormed) {
        Require(Joined(calls) == expected.bytes);
        std::size_t offset = 0;
        for (const Call &call : calls) {
            Require(call.fontStyle == expected.styles[offset]);
            offset += call.text.size();
        }
    }

    if (ink == Ink::Measure) {
        Require(chosen.canvas.calls().size() == chosenCalls);
        if (!calls.empty())
            Require(chosen.canvas.penPosition() == *chosenEnd);
    } else {
        Require(chosen.canvas.calls().size() == chosenCalls + calls.size());
    }
    return drawnEnd;
}

// One plain piece on both sides: no tags and no drop, the text as it is. Returns its end.
Point PlainPiece(World &chosen, World &drawn, std::string_view text, Point at, Ink ink)
{
    const std::size_t chosenCalls = chosen.canvas.calls().size();
    const std::size_t drawnCalls = drawn.canvas.calls().size();
    const Point chosenEnd = DrawCharacters(chosen.canvas, text, at, ink);
    const Point drawnEnd = DrawCharacters(drawn.canvas, text, at, Ink::Draw);

    Require(chosenEnd == drawnEnd);
    SameState(chosen, drawn);
    const std::vector<Call> calls = TextCallsFrom(drawn.canvas, drawnCalls);
    Require(Joined(calls) == text);
    Require(drawnEnd == CheckChain(calls, at));
    if (ink == Ink::Measure) {
        Require(chosen.canvas.calls().size() == chosenCalls);
        if (!text.empty())
            Require(chosen.canvas.penPosition() == chosenEnd);
    }
    return drawnEnd;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider provider(data, size);
    World chosen;
    World drawn;
    // As a render sets it up: base size from 文字サイズ 8 to 50, 3 more on the printer, where
    // the size tags count 1.1 and the text drop grows with the page.
    const bool printer = provider.ConsumeBool();
    MarkupState state;
    state.baseSize = provider.ConsumeIntegralInRange(8, 50) + (printer ? 3 : 0);
    state.k = printer ? 1.1 : 1.0;
    state.textDrop = provider.ConsumeIntegralInRange(0, 60);
    state.currentSize = state.baseSize;
    state.runCount = provider.ConsumeIntegralInRange(0, kMaxTextPieces);
    for (World *world : {&chosen, &drawn}) {
        world->state = state;
        world->canvas.setFontSize(state.baseSize);
    }

    Point at{provider.ConsumeIntegralInRange(-50, 10000),
             provider.ConsumeIntegralInRange(-50, 20000)};
    for (;;) {
        const Ink ink = provider.ConsumeBool() ? Ink::Measure : Ink::Draw;
        const bool plain = provider.ConsumeBool();
        const bool newLine = provider.ConsumeBool();
        const std::size_t length
            = provider.ConsumeIntegralInRange<std::size_t>(0, provider.remaining_bytes());
        const std::string text = provider.ConsumeBytesAsString(length);
        if (newLine)
            at = {provider.ConsumeIntegralInRange(-50, 10000),
                  provider.ConsumeIntegralInRange(-50, 20000)};
        // The next piece starts where this one ended on the line, as pieces of a question
        // line do.
        if (plain) {
            at.x = PlainPiece(chosen, drawn, text, at, ink).x;
            continue;
        }
        const std::optional<Point> end = MarkedPiece(chosen, drawn, text, at, ink);
        if (!end)
            break;
        at.x = end->x;
    }
    return 0;
}
