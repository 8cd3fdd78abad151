// The answer-field settings: shape codes, the allowances each shape uses, and kran line writes
// with the modified mark.
#include "sheet/kran_settings.h"

#include <gtest/gtest.h>

#include <string>

namespace zelkon {
namespace {

TEST(KranSettings, EveryShapeHasItsCodeAndAllowances)
{
    struct Case
    {
        FieldShape shape;
        int code;
        bool width;
        bool height;
    };
    const Case cases[] = {
        {FieldShape::None, 0, false, false},
        {FieldShape::Box, 1, true, true},
        {FieldShape::SquareBrackets, 2, true, false},
        {FieldShape::LenticularBrackets, 3, true, false},
        {FieldShape::Underline, 4, true, false},
        {FieldShape::RoundedBox, 5, true, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(ShapeCode(c.shape), c.code);
        // The code written is read back as the same shape.
        EXPECT_EQ(FieldShapeOf(std::to_string(c.code)), c.shape);
        EXPECT_EQ(AllowanceUseOf(c.shape).width, c.width);
        EXPECT_EQ(AllowanceUseOf(c.shape).height, c.height);
    }
}

TEST(KranSettings, ChoosingAShapeMarksModifiedOnlyWhenTheDrawingChanges)
{
    struct Case
    {
        const char *before;
        FieldShape chosen;
        const char *after;
        bool changed;
    };
    const Case cases[] = {
        {"5", FieldShape::Box, "1", true},
        {"2", FieldShape::LenticularBrackets, "3", true},
        {"3", FieldShape::None, "0", true},
        {"0", FieldShape::Underline, "4", true},
        {"4", FieldShape::Underline, "4", false},
        {"1", FieldShape::Box, "1", false},
        // Only the first character is drawn: "10" is a box already, "7" no field.
        {"10", FieldShape::Box, "1", false},
        {"10", FieldShape::RoundedBox, "5", true},
        {"7", FieldShape::None, "0", false},
        {"", FieldShape::Box, "1", true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.before) + " -> " + c.after);
        Worksheet sheet;
        sheet.kranValues[0] = c.before;
        EXPECT_EQ(ChooseFieldShape(sheet, c.chosen), c.changed);
        EXPECT_EQ(sheet.kranValues[0], c.after);
        EXPECT_EQ(sheet.modified, c.changed);
    }
}

TEST(KranSettings, ChoosingKeepsAnEarlierModifiedMark)
{
    Worksheet sheet;
    sheet.kranValues[0] = "1";
    sheet.modified = true;
    EXPECT_FALSE(ChooseFieldShape(sheet, FieldShape::Box));
    EXPECT_TRUE(sheet.modified);
    EXPECT_FALSE(TakeKranValue(sheet, KranLine::widthAllowance, 10));
    EXPECT_TRUE(sheet.modified);
}

TEST(KranSettings, ValuesGoIntoTheirLinesAsDecimalText)
{
    struct Case
    {
        KranLine line;
        std::size_t index;
        const char *before;
        int value;
        const char *after;
        bool changed;
    };
    const Case cases[] = {
        {KranLine::widthAllowance, 1, "15", 20, "20", true},
        {KranLine::heightAllowance, 2, "2", -3, "-3", true},
        {KranLine::answerX, 4, "0", 7, "7", true},
        {KranLine::answerY, 5, "0", -1, "-1", true},
        {KranLine::fieldX, 6, "15", 19, "19", true},
        {KranLine::fieldY, 7, "10", 6, "6", true},
        {KranLine::subLineSpacing, 8, "0", 4, "4", true},
        {KranLine::widthAllowance, 1, "15", 15, "15", false},
        // The same number in another spelling is no change, but is written plainly.
        {KranLine::widthAllowance, 1, "015", 15, "15", false},
        // A line that held no number changes whatever is written.
        {KranLine::heightAllowance, 2, "", 0, "0", true},
        {KranLine::heightAllowance, 2, "x", 0, "0", true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.before) + " -> " + c.after);
        Worksheet sheet;
        const auto others = sheet.kranValues;
        sheet.kranValues[c.index] = c.before;
        EXPECT_EQ(TakeKranValue(sheet, c.line, c.value), c.changed);
        EXPECT_EQ(sheet.kranValues[c.index], c.after);
        EXPECT_EQ(sheet.modified, c.changed);
        for (std::size_t i = 0; i < others.size(); ++i) {
            if (i != c.index) {
                EXPECT_EQ(sheet.kranValues[i], others[i]) << i;
            }
        }
    }
}

TEST(KranSettings, KranIntReadsDecimalLinesAndZeroForOthers)
{
    Worksheet sheet;
    sheet.kranValues[1] = "-12";
    sheet.kranValues[2] = "abc";
    sheet.kranValues[6] = "";
    EXPECT_EQ(KranInt(sheet, KranLine::widthAllowance), -12);
    EXPECT_EQ(KranInt(sheet, KranLine::heightAllowance), 0);
    EXPECT_EQ(KranInt(sheet, KranLine::fieldX), 0);
    EXPECT_EQ(KranInt(sheet, KranLine::fieldY), 10);
}

} // namespace
} // namespace zelkon
