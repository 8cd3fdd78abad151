// The blocks of one unit read into the master file editor's areas.
#include "authoring/unit_areas.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

namespace zelkon {
namespace {

using test::J;
using test::JLines;

const std::vector<std::string> &MasterLines()
{
    static const std::vector<std::string> lines = JLines({
        "[[unit12",
        "<<ques",
        "unit 12",
        ">>",
        "]]",
        "[[unit1",
        "<<ques",
        "１．日本の首都は　#　東京　#　です",
        "]]",
        ">>",
        "<<dummy",
        "大阪",
        ">>",
        "<<kgroup",
        "東京",
        "京都",
        ">>",
        "<<softkey",
        "<<",
        ">>",
        "<<hint",
        "首都は東京",
        ">>",
        "<<graph",
        "map.bmp,10,20",
        ">>",
        "<<AGraph",
        "answer.bmp,30,40",
        ">>",
        "<<value",
        "630",
        "False",
        ">>",
        "stray line",
        "<<font",
        "12",
        ">>",
        "<<kran",
        "5",
        ">>",
        "<<ques",
        "２．次の問い",
        ">>",
        "]]",
        "<<hint",
        "after the unit",
        ">>",
    });
    return lines;
}

TEST(UnitAreas, EveryBlockGoesToItsArea)
{
    const auto areas = ReadUnitAreas(MasterLines(), "[[unit1");
    ASSERT_TRUE(areas);
    // A "]]" inside a block belongs to the block; a second block of a kind appends.
    EXPECT_EQ(areas->question,
              JLines({"１．日本の首都は　#　東京　#　です", "]]", "２．次の問い"}));
    EXPECT_EQ(areas->dummy, JLines({"大阪"}));
    EXPECT_EQ(areas->choice, JLines({"東京", "京都"}));
    EXPECT_EQ(areas->hint, JLines({"首都は東京"}));
    EXPECT_EQ(areas->questionGraph, JLines({"map.bmp,10,20"}));
    EXPECT_EQ(areas->answerGraph, JLines({"answer.bmp,30,40"}));
    EXPECT_EQ(areas->layout,
              JLines({"<<value", "630", "False", ">>", "<<font", "12", ">>", "<<kran", "5", ">>"}));
}

TEST(UnitAreas, HeaderMatchesWholeLinesOnly)
{
    const auto twelve = ReadUnitAreas(MasterLines(), "[[unit12");
    ASSERT_TRUE(twelve);
    EXPECT_EQ(twelve->question, JLines({"unit 12"}));
    EXPECT_TRUE(twelve->hint.empty());

    EXPECT_FALSE(ReadUnitAreas(MasterLines(), "[[unit2"));
    EXPECT_FALSE(ReadUnitAreas(MasterLines(), "[[unit"));
    EXPECT_FALSE(ReadUnitAreas({}, "[[unit1"));
}

TEST(UnitAreas, UnclosedBlocksAndUnitsRunToTheEnd)
{
    const struct
    {
        const char *name;
        std::vector<std::string> lines;
        std::vector<std::string> question;
        std::vector<std::string> layout;
    } cases[] = {
        {"unclosed block", {"[[unit1", "<<ques", "a", "]]", "b"}, {"a", "]]", "b"}, {}},
        {"unclosed layout block gets its >>",
         {"[[unit1", "<<kran", "5"},
         {},
         {"<<kran", "5", ">>"}},
        {"no ]]", {"[[unit1", "<<ques", "a", ">>", "<<ques", "b", ">>"}, {"a", "b"}, {}},
        {"empty block", {"[[unit1", "<<ques", ">>", "]]"}, {}, {}},
        {"openers are whole lines", {"[[unit1", "<<ques ", "<<question", "]]"}, {}, {}},
    };
    for (const auto &c : cases) {
        const auto areas = ReadUnitAreas(c.lines, "[[unit1");
        ASSERT_TRUE(areas) << c.name;
        EXPECT_EQ(areas->question, c.question) << c.name;
        EXPECT_EQ(areas->layout, c.layout) << c.name;
    }
}

TEST(UnitAreas, SpanRunsThroughTheClosingLineOfTheUnit)
{
    const struct
    {
        const char *name;
        std::vector<std::string> lines;
        std::size_t first, end;
    } cases[] = {
        {"closed", {"x", "[[unit1", "<<ques", "a", ">>", "]]", "[[unit2"}, 1, 6},
        {"]] inside a block", {"[[unit1", "<<hint", "]]", ">>", "]]", "y"}, 0, 5},
        {"]] inside an unknown block ends it", {"[[unit1", "<<softkey", "]]", ">>", "]]"}, 0, 3},
        {"no ]]", {"[[unit1", "<<ques", "a", ">>"}, 0, 4},
    };
    for (const auto &c : cases) {
        const auto span = FindUnitSpan(c.lines, "[[unit1");
        ASSERT_TRUE(span) << c.name;
        EXPECT_EQ(span->first, c.first) << c.name;
        EXPECT_EQ(span->end, c.end) << c.name;
    }
    EXPECT_FALSE(FindUnitSpan({"[[unit12", "]]"}, "[[unit1"));
}

} // namespace
} // namespace zelkon
