// The integer rule of block lines and the layout texts handed to the master file editor.
#include "sheet/layout_blocks.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

namespace zelkon {
namespace {

using test::J;
using test::JLines;
using Lines = std::vector<std::string>;

TEST(LayoutBlocks, BlockLineIntegers)
{
    struct Case
    {
        std::string text;
        std::optional<std::int32_t> value;
    };
    const Case cases[] = {
        {"0", 0},
        {"-5", -5},
        {"007", 7},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"", std::nullopt},
        {"2147483648", std::nullopt},
        {" 5", std::nullopt},
        {"5 ", std::nullopt},
        {"+5", std::nullopt},
        {"1e3", std::nullopt},
        {"True", std::nullopt},
        {J("５"), std::nullopt},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ParseDecimalInt(c.text), c.value) << "\"" << c.text << "\"";
}

TEST(LayoutBlocks, EditorReceivesTheLayoutBlocksAndBareGraphLines)
{
    Worksheet sheet;
    sheet.paper = {0, 630, 891};
    sheet.answersShown = false;
    sheet.lineSpacing = -5;
    sheet.leftMargin = 0;
    sheet.rightMargin = 15;
    sheet.startNumber = 100;
    sheet.optionFlags = 6;
    sheet.fontSize = 8;
    sheet.dialogFont = {J("MS 明朝"), 8, false, true, true, false};
    sheet.sheetFontName = "";
    sheet.kranValues = {"1", "20", "6", "2", "-3", "7", "15", "10", "4", "memo"};
    sheet.graphLines = {"a.bmp", "10", "20"};
    sheet.answerGraphLines = {"aA.bmp", "-1", "-1"};
    sheet.kgroupLines = {"never in the editor's layout"};

    const EditorLayoutTexts texts = WriteLayoutToEditor(sheet, /*currentPaperWidth=*/771);

    const Lines layout = {
        "<<value", "771",        "False", "-5",   "0",    "15",    "100", "6",  ">>",     "<<font",
        "8",       J("MS 明朝"), "False", "True", "True", "False", "",    ">>", "<<kran", "1",
        "20",      "6",          "2",     "-3",   "7",    "15",    "10",  "4",  "memo",   ">>",
    };
    EXPECT_EQ(texts.layout, layout);
    EXPECT_EQ(texts.graph, sheet.graphLines);
    EXPECT_EQ(texts.answerGraph, sheet.answerGraphLines);
}

} // namespace
} // namespace zelkon
