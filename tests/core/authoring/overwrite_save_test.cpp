// "上書き保存" of a worksheet into its master file: the sheet's areas, the file around the unit,
// and the failures that must leave file and sheet as they were.
#include "authoring/overwrite_save.h"

#include "common/line_file.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace zelkon {
namespace {

using test::J;
using test::JLines;
using test::ReadBytes;
using test::TempDir;
using test::U;
using test::WriteBytes;
using Lines = std::vector<std::string>;

Worksheet SheetOfUnit(std::string filePath, UnitLocator locator)
{
    Worksheet sheet;
    sheet.filePath = std::move(filePath);
    sheet.openedFromMaster = true;
    sheet.locator = locator;
    sheet.unitNumber = locator.unit;
    sheet.questionLines = JLines({"２．川は　#　信濃川　#　"});
    sheet.kgroupLines = JLines({"信濃川"});
    sheet.graphLines = {"Map1.bmp", "440", "145"};
    sheet.paper = {0, 771, 1090};
    sheet.answersShown = true;
    sheet.lineSpacing = 44;
    sheet.leftMargin = 3;
    sheet.rightMargin = 4;
    sheet.startNumber = 2;
    sheet.optionFlags = 5;
    sheet.fontSize = 16;
    sheet.dialogFont = {J("MS 明朝"), 16, true, false, false, false};
    sheet.sheetFontName = J("ＭＳ 明朝");
    sheet.modified = true;
    return sheet;
}

const Lines kLayout = JLines(
    {"<<value", "771",     "True", "44",    "3",     "4",     "2",         "5",  ">>",     "<<font",
     "16",      "MS 明朝", "True", "False", "False", "False", "ＭＳ 明朝", ">>", "<<kran", "2",
     "10",      "4",       "0",    "0",     "0",     "15",    "10",        "0",  "0",      ">>"});

TEST(OverwriteSave, SheetAreasHoldItsLinesAndLayout)
{
    Worksheet sheet = SheetOfUnit("m.que", {1, 1, 2, 0});
    sheet.answerGraphLines = {"Map1A.bmp", "0", "0"};
    const UnitAreas areas = SheetUnitAreas(sheet);
    EXPECT_EQ(areas.question, sheet.questionLines);
    EXPECT_EQ(areas.choice, sheet.kgroupLines);
    EXPECT_EQ(areas.questionGraph, sheet.graphLines);
    EXPECT_EQ(areas.answerGraph, sheet.answerGraphLines);
    EXPECT_TRUE(areas.dummy.empty());
    EXPECT_TRUE(areas.hint.empty());
    EXPECT_EQ(areas.layout, kLayout);

    // A width none of the papers has is saved as the A4 the main window shows for it.
    sheet.paper = {0, 700, 990};
    EXPECT_EQ(SheetUnitAreas(sheet).layout[1], "630");
}

TEST(OverwriteSave, OtherUnitsOfTheFileStayByteForByte)
{
    TempDir dir;
    const std::string before = J("[[unit1\r\n<<ques\r\n地図表\r\n>>\r\n]]\r\n");
    const std::string after = J("[[unit2R1\r\n<<ques\r\n類題\r\n>>\r\n]]\r\n[[unit3\r\n]]\r\n");
    const std::string unit = J("[[unit2\r\n<<ques\r\n古い問題\r\n>>\r\n<<dummy\r\n利根川\r\n>>\r\n"
                               "<<value\r\n630\r\n>>\r\n]]\r\n");
    WriteBytes(dir.file("ch1.que"), before + unit + after);
    Worksheet sheet = SheetOfUnit(dir.composed() + "ch1.que", {1, 1, 2, 0});
    Messages messages;

    ASSERT_TRUE(OverwriteSave(sheet, messages));

    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(sheet.modified);
    Lines stored = {"[[unit2",
                    "<<ques",
                    J("古い問題"),
                    ">>",
                    "<<dummy",
                    J("利根川"),
                    ">>",
                    "<<graph",
                    "Map1.bmp",
                    "440",
                    "145",
                    ">>"};
    stored.insert(stored.end(), kLayout.begin(), kLayout.end());
    stored.push_back("]]");
    EXPECT_EQ(ReadBytes(dir.file("ch1.que")), before + JoinLines(stored) + after);
}

TEST(OverwriteSave, SimilarProblemIsFoundByItsOwnHeader)
{
    TempDir dir;
    WriteBytes(dir.file("ch1.que"), "[[unit2\r\n]]\r\n[[unit2R1\r\n]]\r\n");
    Worksheet sheet = SheetOfUnit(dir.composed() + "ch1.que", {1, 1, 2, 1});
    Messages messages;

    ASSERT_TRUE(OverwriteSave(sheet, messages));

    const Lines lines = SplitLines(ReadBytes(dir.file("ch1.que")));
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + 3), (Lines{"[[unit2", "]]", "[[unit2R1"}));
    EXPECT_EQ(lines.back(), "]]");
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "[[unit2R1"), 1);
}

TEST(OverwriteSave, UnitNoLongerInItsFileIsReportedAndNothingWritten)
{
    TempDir dir;
    const std::string others = "[[unit1\r\n]]\r\n[[unit2R1\r\n]]\r\n";
    WriteBytes(dir.file("ch1.que"), others);
    const struct
    {
        const char *name;
        std::string file;
    } cases[] = {
        {"the file holds other units only", "ch1.que"},
        {"the file is gone", "ch2.que"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir.composed() + c.file;
        Worksheet sheet = SheetOfUnit(path, {1, 1, 2, 0});
        Messages messages;

        EXPECT_FALSE(OverwriteSave(sheet, messages));

        EXPECT_TRUE(sheet.modified);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, UnitMissingForOverwriteMessage(path, "[[unit2"));
        EXPECT_EQ(U(messages[0].text),
                  "マスターファイル " + U(path)
                      + " に単元 [[unit2 がありません\r\n上書き保存はしませんでした");
    }
    EXPECT_EQ(ReadBytes(dir.file("ch1.que")), others);
    EXPECT_FALSE(std::filesystem::exists(dir.file("ch2.que")));
}

TEST(OverwriteSave, FailuresLeaveFileAndSheetAlone)
{
    TempDir dir;
    std::filesystem::create_directories(dir.file("folder.que"));
    const struct
    {
        const char *name;
        std::string path;
        bool fromMaster;
        const char *messageStart; ///< none: no message
    } cases[] = {
        {"a copy-file sheet has no unit to write into", dir.composed() + "x.que", false, nullptr},
        {"a folder in place of the file", dir.composed() + "folder.que", true, "ファイル "},
        {"a missing folder", dir.composed() + J("無い\\ch1.que"), true, "マスターファイル "},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Worksheet sheet = SheetOfUnit(c.path, {1, 1, 2, 0});
        sheet.openedFromMaster = c.fromMaster;
        Messages messages;

        EXPECT_FALSE(OverwriteSave(sheet, messages));

        EXPECT_TRUE(sheet.modified);
        ASSERT_EQ(messages.size(), c.messageStart ? 1u : 0u);
        if (c.messageStart) {
            EXPECT_TRUE(U(messages[0].text).starts_with(c.messageStart)) << U(messages[0].text);
        }
    }
    EXPECT_FALSE(std::filesystem::exists(dir.file("x.que")));
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("folder.que")));
}

} // namespace
} // namespace zelkon
