// The unit selection list: line composition, similar-problem discovery, lesson counts and the
// choice taken at OK.
#include "index/unit_list.h"

#include "common/line_file.h"
#include "support/test_support.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace zelkon {
namespace {

using test::J;
using test::U;

TEST(UnitSelectionList, LineIsPrefixThenCaptionPaddedTo38Bytes)
{
    const struct
    {
        bool similar;
        int count;
        const char *caption;
        const char *prefix;
        std::size_t blanks;
    } cases[] = {
        {false, 0, "日本の気候区分", "　[ ]", 24}, // 14 bytes of two-byte characters
        {true, 3, "雨温図", "◎[3]", 32},
        {false, 12, "ｷｬﾝｾﾙ", "　[12]", 33}, // half-width katakana are one byte each
        {true, 0, "", "◎[ ]", 38},
        {false, 1, "一二三四五六七八九十一二三四五六七八九", "　[1]", 0}, // exactly 38 bytes
        {false, 1860, "一二三四五六七八九十一二三四五六七八九十", "　[1860]", 0}, // 40, not cut
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.caption);
        const std::string prefix = UnitPrefix(c.similar, c.count);
        EXPECT_EQ(U(prefix), c.prefix);
        EXPECT_EQ(UnitListLine(prefix, J(c.caption)),
                  J(c.prefix) + J(c.caption) + std::string(c.blanks, ' '));
    }
}

TEST(SimilarProblems, ListedOnlyWhileConsecutiveAndInOrder)
{
    const struct
    {
        const char *name;
        std::vector<std::string> lines;
        int unit;
        std::vector<std::string> items;
    } cases[] = {
        {"R1 then R2",
         {"[[unit2", "]]", "[[unit2R1", "]]", "[[unit2R2", "]]"},
         2,
         {"類題　2R1", "類題　2R2"}},
        {"R2 without R1", {"[[unit2", "[[unit2R2"}, 2, {}},
        {"R1 and R3 without R2", {"[[unit2R1", "[[unit2R3"}, 2, {"類題　2R1"}},
        {"R2 before R1", {"[[unit2R2", "[[unit2R1"}, 2, {"類題　2R1"}},
        {"at most five",
         {"[[unit1R1", "[[unit1R2", "[[unit1R3", "[[unit1R4", "[[unit1R5", "[[unit1R6"},
         1,
         {"類題　1R1", "類題　1R2", "類題　1R3", "類題　1R4", "類題　1R5"}},
        {"whole lines only", {"[[unit10R1", "[[unit1R1 ", "[[Unit1R1", "x[[unit1R1"}, 1, {}},
        {"another unit's", {"[[unit3R1", "[[unit3R2"}, 1, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> items;
        for (const std::string &item : SimilarProblemItems(c.lines, c.unit))
            items.push_back(U(item));
        EXPECT_EQ(items, c.items);
    }
}

TEST(SimilarProblems, MarkNeedsR1AnywhereInTheFile)
{
    EXPECT_TRUE(HasSimilarProblem({"[[unit3", "]]", "[[unit2R2", "[[unit2R1"}, 2));
    EXPECT_FALSE(HasSimilarProblem({"[[unit2", "[[unit2R2", "[[unit20R1"}, 2));
}

// Lesson 2 "chiri\ch" with three sections; section 2 has no master file.
class UnitSelectionCounts : public ::testing::Test
{
protected:
    void SetUp() override
    {
        state.programFolder = dir.composed();
        state.learnerName = J("生徒");
        index.lessonCaptions = {J("歴史"), J("地理")};
        index.lessonFolder[2] = "chiri\\";
        index.lessonPrefix[2] = "ch";
        index.sectionCaptions = {J("県"), J("気候"), J("産業")};
        index.unitCaptions = {{J("北海道"), J("関東")}, {J("気候区分")}, {J("農業"), J("工業")}};
        test::WriteCp932File(dir.file("chiri/ch1.que"),
                             {"[[unit1", "]]", "[[unit1R1", "]]", "[[unit2", "]]"});
        test::WriteCp932File(dir.file("chiri/ch3.que"),
                             {"[[unit1", "]]", "[[unit2", "]]", "[[unit2R1", "]]"});
        test::WriteCp932File(dir.file("LogOn/生徒2.ini"),
                             {"[password]",
                              "pw=a",
                              "[S11北海道]",
                              "1=x",
                              "2=x",
                              "3=x",
                              "[S21気候区分]",
                              "1=x",
                              "[S32工業]",
                              "1=x",
                              "2=x"});
        test::WriteCp932File(dir.file("LogOn/花子2.ini"), {"[S12関東]", "1=x", "[S31農業]", "1=x"});
    }

    std::vector<std::string> prefixes() const
    {
        std::vector<std::string> out;
        for (int s = 1; s <= 3; ++s) {
            for (int u = 1; u <= UnitCount(index, s); ++u)
                out.push_back(U(table.prefix(s, u)));
        }
        return out;
    }

    void refresh()
    {
        Messages messages;
        RefreshUnitCounts(state, index, 2, table, messages);
        EXPECT_TRUE(messages.empty());
    }

    test::TempDir dir;
    AppState state;
    CourseIndex index;
    UnitDisplayTable table;
};

TEST_F(UnitSelectionCounts, EverySectionCountedPastOneWithoutMasterFile)
{
    refresh();
    EXPECT_EQ(prefixes(), (std::vector<std::string>{"◎[3]", "　[ ]", "　[1]", "　[ ]", "◎[2]"}));
    EXPECT_FALSE(state.similarMarksStale);

    state.learnerName = J("花子");
    refresh();
    EXPECT_EQ(prefixes(), (std::vector<std::string>{"◎[ ]", "　[1]", "　[ ]", "　[1]", "◎[ ]"}));
}

TEST_F(UnitSelectionCounts, MarksRecomputedOnlyWhenStaleButNeverForMissingFile)
{
    refresh();
    test::WriteCp932File(dir.file("chiri/ch1.que"), {"[[unit1", "[[unit2", "[[unit2R1"});
    test::WriteCp932File(dir.file("chiri/ch2.que"), {"[[unit1", "[[unit1R1"});
    refresh();
    EXPECT_EQ(prefixes(), (std::vector<std::string>{"◎[3]", "　[ ]", "　[1]", "　[ ]", "◎[2]"}));

    state.similarMarksStale = true;
    refresh();
    EXPECT_EQ(prefixes(), (std::vector<std::string>{"　[3]", "◎[ ]", "◎[1]", "　[ ]", "◎[2]"}));

    std::filesystem::remove(dir.file("chiri/ch2.que"));
    refresh();
    EXPECT_EQ(prefixes(), (std::vector<std::string>{"　[3]", "◎[ ]", "　[1]", "　[ ]", "◎[2]"}));
}

TEST_F(UnitSelectionCounts, LessonNotLoadedChangesNothing)
{
    Messages messages;
    RefreshUnitCounts(state, index, -1, table, messages);
    EXPECT_EQ(table.prefix(1, 1), "");
    EXPECT_TRUE(state.similarMarksStale);
}

TEST(SimilarProblems, OnePassOverTheBytesMarksWhatTheLineSearchMarks)
{
    const struct
    {
        const char *name;
        std::string bytes;
        std::vector<int> units;
    } cases[] = {
        {"CR LF lines", "[[unit1\r\n]]\r\n[[unit2R1\r\n[[unit3R2\r\n", {2}},
        {"LF lines and the last line without a line end", "x\n[[unit12R1\n[[unit80R1", {12, 80}},
        {"first line of the file", "[[unit7R1\r\nrest", {7}},
        {"lone CR left in the last line", "[[unit5R1\r", {}},
        {"not at a line start", "x[[unit2R1\r\n\r[[unit3R1\n", {}},
        {"leading zero, beyond 80, longer numbers", "[[unit02R1\n[[unit81R1\n[[unit1000R1\n", {}},
        {"more after R1", "[[unit2R12\n[[unit2R1 \n[[unit2R1x\r\n[[unit2r1\n", {}},
        {"no number", "[[unitR1\n[[unit\n", {}},
        // "[" can be the second byte of a two-byte character (0xE1 0x5B): it starts no line.
        {"two-byte characters around", "\x95\x5C\n[[unit4R1\r\n\xE1\x5B[unit5R1\n", {4}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const auto marked = UnitsWithSimilarProblems(c.bytes);
        const std::vector<std::string> lines = SplitLines(c.bytes);
        std::vector<int> units;
        for (int u = 1; u <= kCourseIndexLimit; ++u) {
            EXPECT_EQ(marked.test(static_cast<std::size_t>(u)), HasSimilarProblem(lines, u)) << u;
            if (marked.test(static_cast<std::size_t>(u)))
                units.push_back(u);
        }
        EXPECT_EQ(units, c.units);
    }
}

TEST(SimilarProblems, TheFileIsSearchedAsItsLinesAre)
{
    const std::string cases[] = {
        "[[unit2\r\n]]\r\n[[unit2R1\r\n]]\r\n[[unit2R2\r\n]]\r\n",
        "[[unit2R1\n[[unit2R2\n[[unit2R3",
        "[[unit2R2\r\n[[unit2R1\r\n[[unit2R2\r\n",
        "[[unit2R1\r\n[[unit2R3\r\n",
        "[[unit2R1\r",
        "[[unit2R1\r\r\n[[unit2R1\r\n",
        "x[[unit2R1\n[[unit2R10\n[[unit2R1 \n[[unit12R1\n",
        "[[unit2R1[[unit2R1\n[[unit2R1\n[[unit2R2",
        "",
    };
    test::TempDir dir;
    for (const std::string &bytes : cases) {
        SCOPED_TRACE(bytes);
        test::WriteBytes(dir.file("m.que"), bytes);
        EXPECT_EQ(SimilarProblemItemsOfFile(dir.composed() + "m.que", 2),
                  SimilarProblemItems(SplitLines(bytes), 2));
    }
    EXPECT_TRUE(SimilarProblemItemsOfFile(dir.composed() + "none.que", 2).empty());
}

TEST(UnitSelectionTable, PositionsOutsideTheTableAreNotStored)
{
    UnitDisplayTable table;
    table.setPrefix(80, 80, "x");
    table.setHasSimilar(80, 80, true);
    table.setPrefix(81, 1, "y");
    table.setPrefix(1, 0, "z");
    EXPECT_EQ(table.prefix(80, 80), "x");
    EXPECT_TRUE(table.hasSimilar(80, 80));
    EXPECT_EQ(table.prefix(81, 1), "");
    EXPECT_EQ(table.prefix(1, 0), "");
    EXPECT_EQ(table.prefix(1, 80), "");
}

TEST(UnitSelectionChoice, RefusedWithoutAFullChoiceOrWithLessonNotLoaded)
{
    CourseIndex index;
    index.lessonCaptions = {J("歴史"), J("地理")};
    index.sectionCaptions = {J("県"), J("空")};
    index.unitCaptions = {{J("北海道"), J("関東")}, {}};

    const struct
    {
        const char *name;
        int loadedLesson;
        MenuRows rows;
    } refused[] = {
        {"no lesson row", 2, {-1, 0, 0}},
        {"no section row", 2, {1, -1, 0}},
        {"no unit row", 2, {1, 0, -1}},
        {"section without units", 2, {1, 1, 0}},
        {"lesson folder or sub-index missing", -1, {1, 0, 0}},
        {"lesson never chosen", 0, {1, 0, 0}},
    };
    for (const auto &c : refused) {
        SCOPED_TRACE(c.name);
        AppState state;
        state.currentLocator = {1, 1, 1, 0};
        state.unitName = "old";
        EXPECT_FALSE(AcceptMenuChoice(index, c.loadedLesson, c.rows, state));
        EXPECT_EQ(state.currentLocator, (UnitLocator{1, 1, 1, 0}));
        EXPECT_EQ(state.unitName, "old");
    }

    AppState state;
    ASSERT_TRUE(AcceptMenuChoice(index, 2, {1, 0, 1, true, 2}, state));
    EXPECT_EQ(state.currentLocator, (UnitLocator{2, 1, 2, 3}));
    EXPECT_EQ(U(state.lessonName), "地理");
    EXPECT_EQ(U(state.sectionName), "県");
    EXPECT_EQ(U(state.unitName), "関東");

    // A focus mark left on a similar problem does not choose it while none is selected.
    ASSERT_TRUE(AcceptMenuChoice(index, 2, {1, 0, 0, false, 1}, state));
    EXPECT_EQ(state.currentLocator, (UnitLocator{2, 1, 1, 0}));
}

} // namespace
} // namespace zelkon
