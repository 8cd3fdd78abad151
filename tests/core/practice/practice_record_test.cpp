// Where a practised sheet's records live, and the record line of a scored drill.
#include "practice/practice_record.h"

#include "records/record_file.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace zelkon {
namespace {

using test::J;

Worksheet MasterSheet(UnitLocator locator, const char *unitName)
{
    Worksheet sheet;
    sheet.filePath = J("C:\\Zelkon\\地理\\chiri1.que");
    sheet.openedFromMaster = true;
    sheet.similarProblemSheet = locator.variant != 0;
    sheet.locator = locator;
    sheet.unitName = J(unitName);
    return sheet;
}

Worksheet CopySheet()
{
    Worksheet sheet;
    sheet.filePath = J("C:\\Zelkon\\chiri\\地図表.prp");
    sheet.openedAsCopyFile = true;
    sheet.locator = UnitLocator{3, 0, 0, 0};
    sheet.unitName = J("日本の地形");
    return sheet;
}

TEST(PracticeRecord, TargetComesFromTheSheetItself)
{
    Worksheet added = MasterSheet({3, 1, 2, 0}, "日本の地形");
    added.openedFromMaster = false;
    const struct
    {
        const char *name;
        Worksheet sheet;
        const char *learner;
        const char *file;
        const char *key;
    } cases[] = {
        {"master",
         MasterSheet({3, 1, 2, 0}, "日本の地形"),
         "生徒",
         "F\\生徒3.ini",
         "S12日本の地形"},
        {"similar problem shares the unit's key",
         MasterSheet({3, 1, 2, 2}, "日本の地形"),
         "生徒",
         "F\\生徒3.ini",
         "S12日本の地形"},
        {"copy file in lesson 1 under its file name",
         CopySheet(),
         "生徒",
         "F\\生徒1.ini",
         "地図表.prp"},
        {"neither", added, "生徒", "", ""},
        {"refused learner name",
         MasterSheet({3, 1, 2, 0}, "日本の地形"),
         "..\\x",
         "",
         "S12日本の地形"},
        {"no learner", CopySheet(), "", "", "地図表.prp"},
    };
    for (const auto &c : cases) {
        const RecordTarget target = PracticeRecordTarget(c.sheet, "F\\", J(c.learner));
        EXPECT_EQ(test::U(target.file), c.file) << c.name;
        EXPECT_EQ(test::U(target.key), c.key) << c.name;
    }
}

RenderTables Judged(const std::vector<int> &states)
{
    RenderTables tables;
    tables.answerFieldCount = static_cast<int>(states.size());
    for (std::size_t i = 0; i < states.size(); ++i)
        tables.answerFieldTable[i + 1].state = states[i];
    return tables;
}

TEST(PracticeRecord, RecordLineOfAScoredDrill)
{
    const LocalTime when{2005, 3, 7, 14, 5};
    const RenderTables tables
        = Judged({kFieldRight, kFieldWrong, kFieldRightAfterReveal, kFieldRight});
    const DrillTally tally{2, "OxXO"};

    const DrillResult similar = DrillResultOf(MasterSheet({3, 1, 2, 2}, "地形"), tables, tally, 83);
    EXPECT_EQ(similar.similarProblem, 2);
    EXPECT_EQ(similar.rightCount, 2);
    EXPECT_EQ(similar.fieldCount, 4);
    EXPECT_EQ(similar.score, 50);
    EXPECT_EQ(test::U(RecordLine(similar, when)),
              "類題2)2005年03月07日 14:05 OxXO  2/ 4  50点 01:23");

    // A copy file keeps its lesson's locator, whatever variant it holds: never a prefix.
    Worksheet copy = CopySheet();
    copy.locator.variant = 2;
    EXPECT_EQ(test::U(RecordLine(DrillResultOf(copy, tables, tally, 5), when)),
              "2005年03月07日 14:05 OxXO  2/ 4  50点 00:05");
}

TEST(PracticeRecord, WrittenUnderTheTargetAndReadBack)
{
    test::TempDir dir;
    const Worksheet sheet = MasterSheet({2, 1, 3, 0}, "川と平野");
    const RecordTarget target = PracticeRecordTarget(sheet, dir.composed(), J("生徒"));
    const std::string line = RecordLine(
        DrillResultOf(sheet, Judged({kFieldRight}), DrillTally{0, "O"}, 9), {2024, 1, 2, 3, 4});
    ASSERT_TRUE(AppendPracticeRecord(target.file, target.key, line));
    EXPECT_EQ(CountPracticeRecords(RecordFileName(dir.composed(), J("生徒"), 2),
                                   UnitKey(1, 3, J("川と平野"))),
              1);
    EXPECT_EQ(ReadUnitRecords(target.file, target.key), std::vector<std::string>{line});
}

} // namespace
} // namespace zelkon
