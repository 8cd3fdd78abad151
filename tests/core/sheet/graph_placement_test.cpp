// Graph placement beside the text with write-back, answer graphs, the 15 limit and stamping.
#include "sheet/graph_placement.h"

#include "sheet/recording_canvas.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace zelkon {
namespace {

using test::J;
using test::U;

class FakePicture : public Picture
{
public:
    FakePicture(int width, int height)
        : m_width(width)
        , m_height(height)
    {}
    int width() const override { return m_width; }
    int height() const override { return m_height; }

private:
    int m_width;
    int m_height;
};

std::shared_ptr<const Picture> MakePicture(int width, int height)
{
    return std::make_shared<FakePicture>(width, height);
}

std::vector<std::string> GraphList(const std::vector<std::pair<std::string, std::string>> &places)
{
    std::vector<std::string> lines;
    int k = 0;
    for (const auto &[x, y] : places) {
        lines.push_back("map" + std::to_string(++k) + ".bmp");
        lines.push_back(x);
        lines.push_back(y);
    }
    return lines;
}

class GraphPlacement : public ::testing::Test
{
protected:
    GraphPlacement()
    {
        tables.runStartTable[1] = {50, 98};
        tables.runStartTable[2] = {194, 130};
        tables.runStartTable[3] = {258, 161};
        for (int k = 1; k <= kMaxGraphs; ++k) {
            sheet.graphs.figures[k].question = MakePicture(100 + k, 50 + k);
            sheet.graphs.figures[k].answer = MakePicture(200 + k, 60 + k);
        }
        sheet.answersShown = false;
    }

    Worksheet sheet;
    RenderTables tables;
    Messages messages;
};

TEST_F(GraphPlacement, UnplacedGraphsGoBesideTheirTextPieceAndTheirPlaceIsKept)
{
    sheet.graphLines = GraphList({{"300", "400"}, {"-1", "-1"}, {"0", "7"}});
    PlaceGraphs(sheet, tables, messages);
    EXPECT_TRUE(messages.empty());

    const GraphSlot *slots = sheet.graphs.figures.data();
    EXPECT_EQ(slots[1].left, 300);
    EXPECT_EQ(slots[1].top, 400);
    EXPECT_EQ(slots[2].left, 234);
    EXPECT_EQ(slots[2].top, 130);
    EXPECT_EQ(slots[3].left, 298);
    EXPECT_EQ(slots[3].top, 161);
    EXPECT_EQ(slots[2].shown, slots[2].question);
    const std::vector<std::string> expected
        = GraphList({{"300", "400"}, {"234", "130"}, {"298", "161"}});
    EXPECT_EQ(sheet.graphLines, expected);
}

TEST_F(GraphPlacement, ACoordinateThatIsNoNumberCountsAsUnplaced)
{
    sheet.graphLines = GraphList({{"abc", "12"}});
    PlaceGraphs(sheet, tables, messages);
    EXPECT_EQ(sheet.graphs.figures[1].left, 90);
    EXPECT_EQ(sheet.graphLines[1], "90");
    EXPECT_EQ(sheet.graphLines[2], "98");
}

TEST_F(GraphPlacement, AnswerGraphsShowAtTheirQuestionGraphsPlace)
{
    sheet.answersShown = true;
    sheet.graphLines = GraphList({{"300", "400"}, {"310", "420"}});
    sheet.answerGraphLines = GraphList({{"1", "2"}, {"3", "4"}, {"5", "6"}});
    GraphSlot &third = sheet.graphs.figures[3];
    third.left = 77;
    PlaceGraphs(sheet, tables, messages);

    const GraphSlot &second = sheet.graphs.figures[2];
    EXPECT_EQ(second.shown, second.answer);
    EXPECT_EQ(second.left, 310);
    EXPECT_EQ(second.top, 420);
    // No question graph 3: answer graph 3 has no place and its slot is left alone.
    EXPECT_EQ(third.shown, nullptr);
    EXPECT_EQ(third.left, 77);
    EXPECT_EQ(sheet.answerGraphLines[4], "3") << "the answer list's places are kept, not used";
}

TEST_F(GraphPlacement, SixteenGraphsAreReportedAtEveryRenderAndFifteenUsed)
{
    std::vector<std::pair<std::string, std::string>> places(16, {"-1", "-1"});
    sheet.graphLines = GraphList(places);
    PlaceGraphs(sheet, tables, messages);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(U(messages[0].text), "16:問題のグラフが多すぎます15");
    EXPECT_EQ(sheet.graphLines[3 * 15 - 2], "40") << "graph 15 placed beside piece 15";
    EXPECT_EQ(sheet.graphLines[3 * 16 - 2], "-1") << "graph 16 untouched";

    sheet.answersShown = true;
    sheet.answerGraphLines = sheet.graphLines;
    PlaceGraphs(sheet, tables, messages);
    EXPECT_EQ(messages.size(), 3u) << "once for each list, again at the next render";
    EXPECT_EQ(GraphCount(sheet.graphLines), 15);
    EXPECT_EQ(GraphCount({"a", "1"}), 0);
}

TEST_F(GraphPlacement, StampingOnScreenAndOnThePrinter)
{
    sheet.graphLines = GraphList({{"300", "400"}, {"-1", "-1"}});
    sheet.graphs.figures[2].question = nullptr; // its bitmap was missing
    sheet.graphs.classFlag = MakePicture(32, 32);
    sheet.graphs.classFlagLeft = 50;
    sheet.graphs.classFlagTop = 36;
    PlaceGraphs(sheet, tables, messages);

    RecordingCanvas screen;
    StampImages(screen, sheet, /*classFlagShown=*/true, 1.0);
    auto stamps = screen.callsOf(RecordingCanvas::CallKind::Stretch);
    ASSERT_EQ(stamps.size(), 2u);
    EXPECT_EQ(stamps[0].rect, (Rect{50, 36, 98, 84})) << "the flag fills its 48 × 48 picture";
    EXPECT_EQ(stamps[0].picture, sheet.graphs.classFlag.get());
    EXPECT_EQ(stamps[1].rect, (Rect{300, 400, 401, 451}));

    RecordingCanvas printer(1300, 1838);
    StampImages(printer, sheet, /*classFlagShown=*/false, 1300 / 630.0);
    stamps = printer.callsOf(RecordingCanvas::CallKind::Stretch);
    ASSERT_EQ(stamps.size(), 1u);
    // round(300 × 2.0635) = 619, round(400 × 2.0635) = 825, sizes round(101 × s), round(51 × s).
    EXPECT_EQ(stamps[0].rect, (Rect{619, 825, 619 + 208, 825 + 105}));
}

TEST_F(GraphPlacement, APlaceAtTheIntLimitDoesNotWrapThePicture)
{
    const int largest = std::numeric_limits<int>::max();
    sheet.graphLines = GraphList({{std::to_string(largest), std::to_string(largest)}});
    PlaceGraphs(sheet, tables, messages);
    RecordingCanvas screen;
    StampImages(screen, sheet, /*classFlagShown=*/false, 1.0);
    const auto stamps = screen.callsOf(RecordingCanvas::CallKind::Stretch);
    ASSERT_EQ(stamps.size(), 1u);
    EXPECT_EQ(stamps[0].rect, (Rect{largest, largest, largest, largest}));
}

} // namespace
} // namespace zelkon
