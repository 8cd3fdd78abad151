// The recording canvas: its fixed metrics, the pen after text, and text runs.
#include "sheet/recording_canvas.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

namespace zelkon {
namespace {

using test::J;
using Kind = RecordingCanvas::CallKind;

TEST(RecordingCanvas, MetricsAreHalfAnEmPerByte)
{
    const struct
    {
        int points, byteWidth, lineHeight;
    } cases[] = {{12, 8, 16}, {14, 9, 19}, {15, 10, 20}, {10, 7, 13}, {1, 1, 1}, {0, 0, 0}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.points);
        EXPECT_EQ(RecordingCanvas::ByteWidth(c.points), c.byteWidth);
        EXPECT_EQ(RecordingCanvas::LineHeight(c.points), c.lineHeight);
    }

    RecordingCanvas canvas;
    canvas.setFontSize(12);
    EXPECT_EQ(canvas.textWidth(J("東京")), 32);
    EXPECT_EQ(canvas.textWidth("ab"), 16);
    EXPECT_EQ(canvas.textWidth(J("ｷｬﾝｾﾙ")), 40); // half-width katakana are one byte each
}

TEST(RecordingCanvas, TextLeavesThePenAtItsEndAndRecordsItsState)
{
    RecordingCanvas canvas;
    canvas.setFontSize(12);
    canvas.setFontColor(kBlue);
    canvas.setFontStyle(kBold);
    canvas.textOut({10, 20}, J("東京"));
    EXPECT_EQ(canvas.penPosition(), (Point{42, 20}));

    canvas.line({0, 0}, {5, 5});
    EXPECT_EQ(canvas.penPosition(), (Point{42, 20})) << "only text and moveTo move the pen";

    ASSERT_EQ(canvas.calls().size(), 2u);
    const RecordingCanvas::Call &text = canvas.calls()[0];
    EXPECT_EQ(text.kind, Kind::Text);
    EXPECT_EQ(text.from, (Point{10, 20}));
    EXPECT_EQ(text.to, (Point{42, 20}));
    EXPECT_EQ(text.fontColor, kBlue);
    EXPECT_EQ(text.fontStyle, kBold);
    EXPECT_EQ(canvas.fontSetCount(), 3);
}

TEST(RecordingCanvas, TextRunsJoinContiguousCallsOfOneFont)
{
    RecordingCanvas canvas;
    canvas.setFontSize(12);
    canvas.textOut({0, 0}, "a");
    canvas.textOut({8, 0}, "b");
    canvas.setFontColor(kBlue);
    canvas.textOut({16, 0}, "c"); // another colour
    canvas.textOut({40, 0}, "d"); // not where the pen was
    const std::vector<RecordingCanvas::Call> runs = canvas.textRuns();
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0].text, "ab");
    EXPECT_EQ(runs[0].to, (Point{16, 0}));
    EXPECT_EQ(runs[1].text, "c");
    EXPECT_EQ(runs[2].text, "d");
}

} // namespace
} // namespace zelkon
