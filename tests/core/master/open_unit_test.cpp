// The open path's names, decisions and sheet fields.
#include "master/open_unit.h"

#include "sheet/worksheet.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace zelkon {
namespace {

using test::J;
using test::U;

TEST(OpenUnit, SheetKeyAndPrintTagOfAUnitAndItsSimilarProblem)
{
    CourseIndex index;
    index.lessonFolder[2] = J("地図表\\");
    index.lessonPrefix[2] = "ch";
    const struct
    {
        UnitLocator locator;
        const char *key;
        const char *tag;
    } cases[] = {
        {{2, 3, 4, 0}, "C:\\Z\\地図表\\ch3.que-U4", "ch3.que-U4"},
        {{2, 3, 4, 2}, "C:\\Z\\地図表\\ch3.que-U4R2", "ch3.que-U4R2"},
        {{2, 12, 1, 0}, "C:\\Z\\地図表\\ch12.que-U1", "ch12.que-U1"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.key);
        const MasterSheetNames names = MasterSheetNamesFor("C:\\Z\\", index, c.locator);
        EXPECT_EQ(U(names.masterPath), std::string(c.key).substr(0, std::string(c.key).find("-U")));
        EXPECT_EQ(U(names.sheetKey), c.key);
        EXPECT_EQ(U(names.printTag), c.tag);
    }
}

TEST(OpenUnit, MasterOpenDecision)
{
    const struct
    {
        bool exists, open, replace;
        MasterOpenStep step;
    } cases[] = {
        {false, false, false, MasterOpenStep::Missing},
        {false, true, true, MasterOpenStep::Missing},
        {true, false, false, MasterOpenStep::Read},
        {true, false, true, MasterOpenStep::Read},
        {true, true, false, MasterOpenStep::ShowOpen},
        {true, true, true, MasterOpenStep::ReplaceOpen},
    };
    for (const auto &c : cases)
        EXPECT_EQ(DecideMasterOpen(c.exists, c.open, c.replace), c.step)
            << c.exists << c.open << c.replace;
}

TEST(OpenUnit, HeaderLineByMode)
{
    EXPECT_EQ(SheetHeaderLine({1, 2, 3, 0}, ReadMode::Master), "[[unit3");
    EXPECT_EQ(SheetHeaderLine({1, 2, 3, 2}, ReadMode::Master), "[[unit3R2");
    EXPECT_EQ(SheetHeaderLine({1, 0, 0, 0}, ReadMode::Copy), "[[unitX");
}

TEST(OpenUnit, CopyFileNameByTheExtensionOfTheFileName)
{
    const struct
    {
        const char *chosen;
        bool accepted;
        const char *name;
    } cases[] = {
        {"C:\\Z\\chiri\\sheet.prp", true, "C:\\Z\\chiri\\sheet.prp"},
        {"sheet.PRP", true, "sheet.PRP"},
        {"C:\\Z\\chiri\\sheet", true, "C:\\Z\\chiri\\sheet.prp"},
        {"/home/jane.doe/sheet", true, "/home/jane.doe/sheet.prp"},
        {"C:\\Z\\sheet.txt", false, "C:\\Z\\sheet.txt"},
        {"a.b.prp", false, "a.b.prp"}, // the extension starts at the first "."
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.chosen);
        const CopyFileName checked = CheckCopyFileName(c.chosen);
        EXPECT_EQ(checked.accepted, c.accepted);
        EXPECT_EQ(checked.name, c.name);
        EXPECT_EQ(U(checked.refusal),
                  c.accepted ? "" : std::string(c.chosen) + ":拡張子が不正です");
    }
}

TEST(OpenUnit, OriginFieldsOfMasterAndCopySheets)
{
    Worksheet sheet;
    sheet.learnerNameShown = true;
    sheet.lessonName = "kept";
    ApplyWorksheetOrigin(sheet, MasterSheetOrigin("C:\\Z\\ch3.que", {2, 3, 4, 2}));
    EXPECT_EQ(sheet.filePath, "C:\\Z\\ch3.que");
    EXPECT_EQ(sheet.locator, (UnitLocator{2, 3, 4, 2}));
    EXPECT_TRUE(sheet.openedFromMaster);
    EXPECT_FALSE(sheet.openedAsCopyFile);
    EXPECT_TRUE(sheet.similarProblemSheet);
    EXPECT_EQ(sheet.unitNumber, 4);
    EXPECT_FALSE(sheet.learnerNameShown);
    EXPECT_EQ(sheet.lessonName, "kept");

    EXPECT_FALSE(MasterSheetOrigin("p", {2, 3, 4, 0}).similarProblemSheet);

    Worksheet copy;
    ApplyWorksheetOrigin(copy, CopySheetOrigin("C:\\Z\\a.prp", CopyFileLesson(std::nullopt)));
    EXPECT_EQ(copy.filePath, "C:\\Z\\a.prp");
    EXPECT_EQ(copy.locator, (UnitLocator{1, 0, 0, 0}));
    EXPECT_TRUE(copy.openedAsCopyFile);
    EXPECT_FALSE(copy.openedFromMaster);
    EXPECT_FALSE(copy.similarProblemSheet);
    EXPECT_EQ(copy.unitNumber, 0);
    EXPECT_EQ(CopyFileLesson(3), 3);
}

} // namespace
} // namespace zelkon
