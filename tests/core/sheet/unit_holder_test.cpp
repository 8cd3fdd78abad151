// The unit holder: filling it from a sheet, adding chosen units with their combined titles, the
// refusals that leave sheet and reader as they were, and the sheet taking the result.
#include "sheet/unit_holder.h"

#include "sheet/worksheet_document.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace zelkon {
namespace {

using test::J;
using test::U;
using Lines = std::vector<std::string>;

Lines Graphs(int count, const std::string &stem)
{
    Lines lines;
    for (int k = 1; k <= count; ++k) {
        lines.push_back(stem + std::to_string(k) + ".bmp");
        lines.push_back(std::to_string(10 * k));
        lines.push_back(std::to_string(20 * k));
    }
    return lines;
}

// A unit block: header, question lines, then question and answer graphs when there are any.
Lines Unit(const std::string &header, const Lines &questions, int graphs = 0, int answers = 0)
{
    Lines lines{header, "<<ques"};
    lines.insert(lines.end(), questions.begin(), questions.end());
    lines.push_back(">>");
    if (graphs > 0) {
        lines.push_back("<<graph");
        const Lines g = Graphs(graphs, header.substr(2) + "q");
        lines.insert(lines.end(), g.begin(), g.end());
        lines.push_back(">>");
    }
    if (answers > 0) {
        lines.push_back("<<AGraph");
        const Lines a = Graphs(answers, header.substr(2) + "a");
        lines.insert(lines.end(), a.begin(), a.end());
        lines.push_back(">>");
    }
    lines.push_back("]]");
    return lines;
}

Lines Join(std::initializer_list<Lines> parts)
{
    Lines all;
    for (const Lines &part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

// Section 2 and section 4 of a lesson "地理" whose prefix is "ch".
class UnitHolderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Lines longUnit = {"[[unit6", "<<ques"};
        longUnit.insert(longUnit.end(), 59, "長い問題");
        longUnit.insert(longUnit.end(), {">>", "]]"});
        test::WriteCp932File(dir.file("ch2.que"),
                             Join({Unit("[[unit3", {"三の問題 #答#"}, 1),
                                   Unit("[[unit5", {"五の問題 #答#", "五の二行目"}, 2, 1),
                                   Unit("[[unit7", {"七の問題"}, 16),
                                   Unit("[[unit8", {"八の問題"}, 0, 16),
                                   {"[[unit9", "<<value", "630", ">>", "]]"},
                                   longUnit}));
        test::WriteCp932File(dir.file("ch4.que"), Unit("[[unit1", {"四の一"}, 1));
        test::WriteBytes(dir.file("ch5.que"), "");

        // The sheet of unit 3 of section 2, just opened from its master file.
        sheet.openedFromMaster = true;
        sheet.locator = {1, 2, 3, 0};
        sheet.unitCaption = J("地理//気候§2-3 雨温図");
        sheet.schoolLine = J("中学校");
        sheet.nameLine = J("　年　組　番　氏名");
        sheet.questionLines = {J("三の問題 #答#")};
        sheet.graphLines = {"unit3q1.bmp", "10", "20"};
        sheet.answerGraphLines = {};
        sheet.sheetKey = J("ch2.que-U3");
        state = {2, true};
    }

    ChosenUnit Chosen(const std::string &file, int section, int unit) const
    {
        return {dir.composed() + file, {1, section, unit, 0}, J("地理"), J("気候"), J("単元")};
    }

    // Fills the holder from the sheet and adds the unit; commits when it was read.
    bool AddAndCommit(const std::string &file, int section, int unit)
    {
        FillHolderFromSheet(sheet, holder);
        if (!AddUnitToHolder(Chosen(file, section, unit), sheet, state, holder, messages))
            return false;
        CommitHolder(sheet);
        RetakeUnitRecord(sheet, holder);
        return true;
    }

    test::TempDir dir;
    Worksheet sheet;
    ReaderState state;
    UnitRecord holder;
    Messages messages;
};

TEST_F(UnitHolderTest, FillingTakesTheSheetsUnitAndKeepsTheOtherLists)
{
    holder.questionLines = {"stale 1", "stale 2", "stale 3"};
    holder.kgroupLines = {"k"};
    holder.headerLines = {"h"};
    FillHolderFromSheet(sheet, holder);
    EXPECT_EQ(holder.unitCaption, sheet.unitCaption);
    EXPECT_EQ(holder.schoolLine, sheet.schoolLine);
    EXPECT_EQ(holder.nameLine, sheet.nameLine);
    EXPECT_EQ(holder.questionLines, sheet.questionLines);
    EXPECT_EQ(holder.graphLines, sheet.graphLines);
    EXPECT_TRUE(holder.answerGraphLines.empty());
    EXPECT_EQ(holder.kgroupLines, Lines{"k"});
    EXPECT_EQ(holder.headerLines, Lines{"h"});
}

TEST_F(UnitHolderTest, FifteenGraphEntriesFillTheHolder)
{
    const struct
    {
        std::size_t lines;
        int entries;
        bool full;
    } cases[] = {{0, 0, false},
                 {2, 0, false},
                 {42, 14, false},
                 {44, 14, false},
                 {45, 15, true},
                 {47, 15, true},
                 {48, 16, true}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.lines);
        holder.graphLines.assign(c.lines, "0");
        EXPECT_EQ(GraphEntryCount(holder.graphLines), c.entries);
        EXPECT_EQ(HolderIsFull(holder), c.full);
    }
    EXPECT_EQ(U(HolderFullMessage()), "これ以上追加できません");
}

TEST_F(UnitHolderTest, AddsContinueTheTitleWithACommaThenANewSection)
{
    ASSERT_TRUE(AddAndCommit("ch2.que", 2, 5));
    EXPECT_EQ(U(sheet.unitCaption), "地理//§2-3,5");
    EXPECT_EQ(sheet.lastCaption, sheet.unitCaption);
    EXPECT_FALSE(sheet.openedFromMaster);
    EXPECT_EQ(sheet.sheetKey, J("ch2.que-U3"));

    ASSERT_TRUE(AddAndCommit("ch4.que", 4, 1));
    EXPECT_EQ(U(sheet.unitCaption), "地理//§2-3,5 §4-1");
    EXPECT_EQ(sheet.questionLines,
              (Lines{J("三の問題 #答#"), J("五の問題 #答#"), J("五の二行目"), J("四の一")}));
    // The sheet's own graph keeps its place; the added ones are placed at the next render.
    EXPECT_EQ(sheet.graphLines,
              (Lines{"unit3q1.bmp",
                     "10",
                     "20",
                     "unit5q1.bmp",
                     "-1",
                     "-1",
                     "unit5q2.bmp",
                     "-1",
                     "-1",
                     "unit1q1.bmp",
                     "-1",
                     "-1"}));
    EXPECT_EQ(sheet.answerGraphLines, (Lines{"unit5a1.bmp", "10", "20"}));
    EXPECT_EQ(U(sheet.schoolLine), "中学校");
    EXPECT_TRUE(sheet.modified);
    EXPECT_EQ(state.lastSectionRead, 4);
    EXPECT_FALSE(state.captionRestart);
    EXPECT_TRUE(messages.empty());
}

TEST_F(UnitHolderTest, ASheetWithFourteenGraphsTakesOneMore)
{
    sheet.graphLines = Graphs(14, "own");
    ASSERT_TRUE(AddAndCommit("ch4.que", 4, 1));
    EXPECT_EQ(GraphEntryCount(sheet.graphLines), 15);
    EXPECT_EQ(sheet.graphLines[42], "unit1q1.bmp");
}

TEST_F(UnitHolderTest, RefusedAddsChangeNeitherSheetNorReader)
{
    const struct
    {
        const char *name;
        std::string file;
        int section;
        int unit;
        int sheetGraphs;
        int sheetQuestionLines;
        std::vector<std::string> said;
    } cases[] = {
        {"master file missing", "ch6.que", 6, 1, 1, 1, {"単元がありません"}},
        {"master file empty", "ch5.que", 5, 1, 1, 1, {"単元がありません"}},
        {"unit not in the file", "ch2.que", 2, 4, 1, 1, {"単元がありません"}},
        {"value block of one line", "ch2.que", 2, 9, 1, 1, {"<<value block error"}},
        {"sixty-one question lines", "ch2.que", 2, 6, 1, 2, {"問題の行は６０行以下です"}},
        {"question graphs past fifteen", "ch2.que", 2, 5, 14, 1, {"これ以上追加できません"}},
        {"sixteen graphs of the unit", "ch2.que", 2, 7, 0, 1, {"これ以上追加できません"}},
        {"sixteen answer graphs", "ch2.que", 2, 8, 0, 1, {"これ以上追加できません"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        sheet.graphLines = Graphs(c.sheetGraphs, "own");
        sheet.questionLines.assign(c.sheetQuestionLines, J("問"));
        sheet.lastCaption = J("前回");
        const Worksheet before = sheet;
        messages.clear();

        EXPECT_FALSE(AddAndCommit(c.file, c.section, c.unit));
        Lines said;
        for (const Message &m : messages)
            said.push_back(U(m.text));
        EXPECT_EQ(said, c.said);
        EXPECT_EQ(state.lastSectionRead, 2);
        EXPECT_TRUE(state.captionRestart);
        EXPECT_TRUE(sheet.openedFromMaster);
        EXPECT_EQ(sheet.lastCaption, before.lastCaption);
        EXPECT_EQ(sheet.unitCaption, before.unitCaption);
        EXPECT_EQ(sheet.questionLines, before.questionLines);
        EXPECT_EQ(sheet.graphLines, before.graphLines);
        EXPECT_FALSE(sheet.modified);
    }
}

TEST_F(UnitHolderTest, ASheetOfACopyFileContinuesItsOwnTitle)
{
    sheet.openedFromMaster = false;
    sheet.unitCaption = J("復習プリント");
    state = {0, true};
    ASSERT_TRUE(AddAndCommit("ch2.que", 2, 5));
    EXPECT_EQ(U(sheet.unitCaption), "復習プリント §2-5");
    ASSERT_TRUE(AddAndCommit("ch2.que", 2, 3));
    EXPECT_EQ(U(sheet.unitCaption), "復習プリント §2-5,3");
}

TEST_F(UnitHolderTest, ASimilarProblemIsAddedUnderItsOwnHeader)
{
    test::WriteCp932File(dir.file("ch3.que"),
                         Join({Unit("[[unit2", {"本題"}), Unit("[[unit2R1", {"類題の問題"})}));
    FillHolderFromSheet(sheet, holder);
    ChosenUnit chosen = Chosen("ch3.que", 3, 2);
    chosen.locator.variant = 1;
    ASSERT_TRUE(AddUnitToHolder(chosen, sheet, state, holder, messages));
    EXPECT_EQ(holder.questionLines.back(), J("類題の問題"));
    EXPECT_EQ(U(holder.unitCaption), "地理//§2-3 §3-2");
}

} // namespace
} // namespace zelkon
