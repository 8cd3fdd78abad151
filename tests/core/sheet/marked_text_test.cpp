// DrawMarkedText: tokens and tags, sizes that persist, CP932 characters, measuring, the table.
#include "sheet/marked_text.h"

#include "sheet/recording_canvas.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zelkon {
namespace {

using test::J;
using Call = RecordingCanvas::Call;

class MarkedText : public ::testing::Test
{
protected:
    MarkedText()
    {
        state.baseSize = 12;
        state.currentSize = 12;
        state.textDrop = 7;
        canvas.setFontSize(12);
    }

    std::optional<Point> draw(std::string_view text, Point at = {50, 98}, Ink ink = Ink::Draw)
    {
        return DrawMarkedText(canvas, tables, state, text, at, ink);
    }

    std::vector<Call> texts() const { return canvas.callsOf(RecordingCanvas::CallKind::Text); }

    RecordingCanvas canvas;
    RenderTables tables;
    MarkupState state;
};

TEST_F(MarkedText, DrawsCharacterByCharacterBelowTheLineTop)
{
    const std::optional<Point> end = draw(J("例a"));
    ASSERT_TRUE(end);
    EXPECT_EQ(*end, (Point{50 + 16 + 8, 105}));
    const std::vector<Call> calls = texts();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].text, J("例"));
    EXPECT_EQ(calls[0].from, (Point{50, 105}));
    EXPECT_EQ(calls[1].text, "a");
    EXPECT_EQ(calls[1].from, (Point{66, 105}));
    EXPECT_EQ(tables.runStartTable[1], (Point{50, 98}));
    EXPECT_EQ(state.runCount, 1);
}

TEST_F(MarkedText, CharacterBoundariesFollowCp932)
{
    const struct
    {
        std::string text;
        std::vector<std::string> characters;
    } cases[] = {
        {J("ｷｬ"), {J("ｷ"), J("ｬ")}},              // half-width katakana: one byte each
        {J("表a"), {J("表"), "a"}},               // 表 ends in 0x5C
        {"\x81<B>a", {"\x81", "a"}},              // a stray lead byte never takes the "<"
        {std::string("a\x81", 2), {"a", "\x81"}}, // nor a byte past the end
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(test::U(c.text));
        canvas.clear();
        draw(c.text);
        std::vector<std::string> drawn;
        for (const Call &call : texts())
            drawn.push_back(call.text);
        EXPECT_EQ(drawn, c.characters);
    }
}

TEST_F(MarkedText, OnlyTheByteAfterALessThanIsATag)
{
    const struct
    {
        std::string text;
        std::string drawn;
    } cases[] = {
        {"B<I>X", "BX"}, // letters that are tags elsewhere are text here
        {"<1>2", "2"},   // a digit tag, then a digit as text
        {J("3個"), J("3個")},
        {"ab<", "ab"},  // "<" as the last byte: nothing after it
        {"ab<+", "ab"}, // "<" before the last byte: that byte is the tag
        {"<", ""},
        {"a<xyz>b", "az>b"}, // the scan resumes three bytes after the "<"
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        canvas.clear();
        draw(c.text);
        std::string drawn;
        for (const Call &call : texts())
            drawn += call.text;
        EXPECT_EQ(drawn, c.drawn);
    }
}

TEST_F(MarkedText, StyleTagsAddUpAndEndPlain)
{
    draw("a<B>b<I>c</>d<X>e<_>f<?>g");
    const std::vector<Call> calls = texts();
    ASSERT_EQ(calls.size(), 7u);
    const unsigned expected[] = {kPlain,
                                 kBold,
                                 kBold | kItalic,
                                 kPlain,
                                 kBold | kUnderline,
                                 kBold | kUnderline | kStrikeOut,
                                 kBold | kUnderline | kStrikeOut};
    for (std::size_t i = 0; i < calls.size(); ++i) {
        SCOPED_TRACE(calls[i].text);
        EXPECT_EQ(calls[i].fontStyle, expected[i]);
    }
    EXPECT_EQ(canvas.fontStyle(), kPlain);
}

TEST_F(MarkedText, SizeTagsSetTheSizeForTheRestOfTheRender)
{
    struct Case
    {
        const char *text;
        int base;
        double k;
        int offsetBefore;
        int size;
        int offsetAfter;
    };
    const Case cases[] = {
        {"<+>a", 12, 1.0, 0, 14, 2},
        {"<+>a", 12, 1.0, 2, 16, 4}, // the offset builds on what the render has
        {"<->a", 12, 1.0, 0, 10, -2},
        {"<+><=>a", 12, 1.0, 0, 12, 0},
        {"<4>a", 12, 1.0, 0, 20, 0},
        {"<4>a", 15, 1.1, 0, 24, 0}, // round(4 × 2 × 1.1 + 15) = round(23.8)
        {"<+>a", 15, 1.1, 0, 19, 2}, // round(17 × 1.1) = round(18.7)
        {"<+>a", 13, 1.1, 0, 16, 2}, // round(16.5): halves go to the even neighbour
        {"<0>a", 12, 1.0, 0, 12, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.text) + " base " + std::to_string(c.base));
        canvas.clear();
        state.baseSize = c.base;
        state.currentSize = c.base;
        state.k = c.k;
        tables.markupSizeOffset = c.offsetBefore;
        draw(c.text);
        ASSERT_EQ(texts().size(), 1u);
        EXPECT_EQ(texts()[0].fontSize, c.size);
        EXPECT_EQ(tables.markupSizeOffset, c.offsetAfter);
        EXPECT_EQ(state.currentSize, c.size);
    }

    // The size stays for the next piece; the style does not.
    state.baseSize = 12;
    state.currentSize = 12;
    state.k = 1.0;
    canvas.clear();
    draw("<3><B>a");
    draw("b");
    ASSERT_EQ(texts().size(), 2u);
    EXPECT_EQ(texts()[1].fontSize, 18);
    EXPECT_EQ(texts()[1].fontStyle, kPlain);
}

TEST_F(MarkedText, EndPointAndRunTable)
{
    // Nothing drawn: the end is the start, yet the piece takes its place in the table.
    EXPECT_EQ(*draw("", {70, 98}), (Point{70, 98}));
    EXPECT_EQ(*draw("<B>", {80, 130}), (Point{80, 130}));
    EXPECT_EQ(tables.runStartTable[1], (Point{70, 98}));
    EXPECT_EQ(tables.runStartTable[2], (Point{80, 130}));
    EXPECT_EQ(tables.runStartTable[0], (Point{0, 0}));
    EXPECT_TRUE(texts().empty());
}

TEST_F(MarkedText, MeasuringMovesThePenButDrawsNothing)
{
    const Point drawnEnd = *draw(J("東<+>京"));
    canvas.clear();
    tables.markupSizeOffset = 0;
    state.currentSize = 12;
    const Point measuredEnd = *draw(J("東<+>京"), {50, 98}, Ink::Measure);
    EXPECT_EQ(measuredEnd, drawnEnd);
    EXPECT_EQ(measuredEnd, (Point{50 + 16 + 18, 105}));
    EXPECT_EQ(canvas.penPosition(), measuredEnd);
    EXPECT_TRUE(canvas.calls().empty());
    EXPECT_EQ(state.currentSize, 14) << "tags still act on a measured piece";
}

TEST_F(MarkedText, AFullRunTableStopsWithoutDrawing)
{
    state.runCount = kMaxTextPieces - 1;
    EXPECT_TRUE(draw("a"));
    EXPECT_EQ(tables.runStartTable[kMaxTextPieces], (Point{50, 98}));
    EXPECT_FALSE(draw("b", {60, 130}));
    EXPECT_EQ(state.runCount, kMaxTextPieces);
    EXPECT_EQ(texts().size(), 1u);
}

TEST(MarkedTextPlain, DrawCharactersTakesNoDropAndNoTags)
{
    RecordingCanvas canvas;
    canvas.setFontSize(12);
    EXPECT_EQ(DrawCharacters(canvas, "<B>", {10, 20}), (Point{34, 20}));
    EXPECT_EQ(canvas.callsOf(RecordingCanvas::CallKind::Text).size(), 3u);
    EXPECT_EQ(DrawCharacters(canvas, "", {10, 20}), (Point{10, 20}));
}

} // namespace
} // namespace zelkon
