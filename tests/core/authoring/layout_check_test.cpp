// The line counts of the value, font and kran blocks before a unit is stored.
#include "authoring/layout_check.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

namespace zelkon {
namespace {

using test::J;
using test::U;
using Lines = std::vector<std::string>;

Lines Block(const std::string &keyword, std::size_t lineCount)
{
    Lines block{keyword};
    for (std::size_t i = 0; i < lineCount; ++i)
        block.push_back(std::to_string(i));
    block.emplace_back(">>");
    return block;
}

Lines Join(std::initializer_list<Lines> parts)
{
    Lines all;
    for (const Lines &part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

// The 30 lines of a new unit's layout.
Lines DefaultLayout()
{
    return {"<<value", "630",    "False",  "40",         "5",     "5",     "1",     "7",
            ">>",      "<<font", "12",     J("MS 明朝"), "False", "False", "False", "False",
            "0",       ">>",     "<<kran", "5",          "15",    "2",     "0",     "0",
            "0",       "15",     "10",     "0",          "0",     ">>"};
}

TEST(LayoutCheck, BlocksWithTheirLineCountsPass)
{
    const Lines good[] = {
        DefaultLayout(),
        {},
        {"no block", "<<ques", ">>"},
        Block("<<kran", 8),
        // Blocks in any order, repeated, with other lines around them.
        Join({{"x"},
              Block("<<kran", 10),
              {""},
              Block("<<font", 7),
              Block("<<value", 7),
              Block("<<value", 7)}),
        // Lines inside a block are counted, not read as blocks.
        {"<<value", "<<font", "a", "b", "c", "d", "e", "f", ">>"},
    };
    for (const Lines &lines : good) {
        Messages messages;
        EXPECT_TRUE(CheckLayoutBlocks(lines, messages)) << ::testing::PrintToString(lines);
        EXPECT_TRUE(messages.empty());
    }
}

TEST(LayoutCheck, TheFirstBadBlockIsReportedAtItsOpeningLine)
{
    struct Case
    {
        const char *name;
        Lines lines;
        const char *message; // UTF-8
        int line;
    };
    const Case cases[] = {
        {"value of 6", Block("<<value", 6), "valueブロックの数が合いません", 1},
        {"value of 8", Block("<<value", 8), "valueブロックの数が合いません", 1},
        {"font of 6", Block("<<font", 6), "fontブロックの数が合いません", 1},
        {"font of 8", Block("<<font", 8), "fontブロックの数が合いません", 1},
        {"kran of 9", Block("<<kran", 9), "kranブロックの数が合いません", 1},
        {"kran of 7", Block("<<kran", 7), "kranブロックの数が合いません", 1},
        {"kran of 11", Block("<<kran", 11), "kranブロックの数が合いません", 1},
        {"empty value", {"<<value", ">>"}, "valueブロックの数が合いません", 1},
        {"value without its end",
         {"<<value", "1", "2", "3", "4", "5", "6", "7"},
         "valueブロックの数が合いません",
         1},
        {"kran without its end", {"<<kran"}, "kranブロックの数が合いません", 1},
        {"after good blocks",
         Join({Block("<<value", 7), Block("<<font", 7), Block("<<kran", 9)}),
         "kranブロックの数が合いません",
         19},
        {"only the first of two",
         Join({{"x"}, Block("<<font", 1), Block("<<value", 1)}),
         "fontブロックの数が合いません",
         2},
        // An unclosed value block runs into the font block's end and counts its lines.
        {"a block without its end swallows the next",
         Join({{"<<value", "1", "2", "3", "4", "5", "6", "7"}, Block("<<font", 7)}),
         "valueブロックの数が合いません",
         1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Messages messages;
        EXPECT_FALSE(CheckLayoutBlocks(c.lines, messages));
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(U(messages[0].text), c.message);
        EXPECT_EQ(messages[0].line, c.line);
    }
}

TEST(LayoutCheck, KeywordsAreMatchedExactly)
{
    // Neither a blank nor another case opens a block, so these lines are ignored.
    Messages messages;
    EXPECT_TRUE(
        CheckLayoutBlocks({"<<value ", "<<Value", "<<KRAN", " <<font", "1", ">>"}, messages));
    EXPECT_TRUE(messages.empty());
}

} // namespace
} // namespace zelkon
