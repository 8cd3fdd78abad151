// The master file editor's unit: the template of a new unit, the locator text, loading a unit
// from its file with or without an open sheet, the text of an area and the graph entries.
#include "authoring/editor_unit.h"

#include "common/line_file.h"
#include "sheet/worksheet.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace zelkon {
namespace {

using test::J;
using test::JLines;
using test::TempDir;
using test::U;
using test::WriteBytes;
using Lines = std::vector<std::string>;

const Lines kDefaultLayout = JLines(
    {"<<value", "630",     "False", "40",    "5",     "5",     "1",  "7",  ">>",     "<<font",
     "12",      "MS 明朝", "False", "False", "False", "False", "0",  ">>", "<<kran", "5",
     "15",      "2",       "0",     "0",     "0",     "15",    "10", "0",  "0",      ">>"});

TEST(EditorUnit, TemplateHoldsTheExampleAndTheDefaultBlocks)
{
    const UnitAreas areas = NewUnitTemplate();
    EXPECT_EQ(areas.question,
              JLines({"１．次の各空欄に適語を入れなさい。", "例　日本の首都は　#　東京　#　です"}));
    EXPECT_EQ(areas.layout, kDefaultLayout);
    for (const Lines *empty :
         {&areas.dummy, &areas.choice, &areas.hint, &areas.questionGraph, &areas.answerGraph})
        EXPECT_TRUE(empty->empty());
}

TEST(EditorUnit, LocatorShowsItsNumbersAndTheSimilarProblem)
{
    const struct
    {
        UnitLocator locator;
        const char *shown;
    } cases[] = {
        {{2, 3, 15, 0}, "2 3 15"},
        {{2, 3, 15, 1}, "2 3 15R1"},
        {{1, 10, 1, 5}, "1 10 1R5"},
        {{0, 0, 0, 0}, "0 0 0"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(LocatorDisplay(c.locator), c.shown);
}

class EditorUnitLoad : public ::testing::Test
{
protected:
    Worksheet OpenSheet() const
    {
        Worksheet sheet;
        sheet.paper = {0, 546, 772};
        sheet.lineSpacing = 44;
        sheet.graphLines = {"Map1.bmp", "440", "145"};
        sheet.answerGraphLines = {"Map1A.bmp", "40", "20"};
        // What the sheet carries of the unit's text is not what the editor shows.
        sheet.questionLines = {"the sheet's own lines"};
        sheet.kgroupLines = {"the sheet's choices"};
        return sheet;
    }

    TempDir dir;
    const Lines file
        = JLines({"[[unit1",      "<<ques",  "一",        ">>", "]]", "[[unit2", "<<ques",
                  "二　#　川　#", ">>",      "<<dummy",   "山", ">>", "<<hint",  "ヒント",
                  ">>",           "<<graph", "old.bmp",   "1",  "2",  ">>",      "<<value",
                  "891",          ">>",      "<<softkey", "ア", ">>", "]]"});
};

TEST_F(EditorUnitLoad, FoundUnitFillsTheAreasFromTheFile)
{
    WriteBytes(dir.file("ch1.que"), JoinLines(file));

    const LoadedUnit loaded = LoadUnitFromFile(dir.composed() + "ch1.que", "[[unit2", nullptr);

    ASSERT_TRUE(loaded.readable);
    EXPECT_TRUE(loaded.found);
    EXPECT_EQ(loaded.fileLines, file);
    EXPECT_EQ(loaded.areas.question, JLines({"二　#　川　#"}));
    EXPECT_EQ(loaded.areas.dummy, JLines({"山"}));
    EXPECT_EQ(loaded.areas.hint, JLines({"ヒント"}));
    EXPECT_EQ(loaded.areas.questionGraph, (Lines{"old.bmp", "1", "2"}));
    EXPECT_EQ(loaded.areas.layout, (Lines{"<<value", "891", ">>"}));
}

TEST_F(EditorUnitLoad, OpenSheetGivesItsLayoutAndGraphsOnly)
{
    WriteBytes(dir.file("ch1.que"), JoinLines(file));
    const Worksheet sheet = OpenSheet();

    const LoadedUnit loaded = LoadUnitFromFile(dir.composed() + "ch1.que", "[[unit2", &sheet);

    ASSERT_TRUE(loaded.found);
    EXPECT_EQ(loaded.areas.question, JLines({"二　#　川　#"}));
    EXPECT_EQ(loaded.areas.dummy, JLines({"山"}));
    EXPECT_EQ(loaded.areas.hint, JLines({"ヒント"}));
    EXPECT_TRUE(loaded.areas.choice.empty());
    EXPECT_EQ(loaded.areas.questionGraph, sheet.graphLines);
    EXPECT_EQ(loaded.areas.answerGraph, sheet.answerGraphLines);
    ASSERT_EQ(loaded.areas.layout.size(), 30u);
    EXPECT_EQ(Lines(loaded.areas.layout.begin(), loaded.areas.layout.begin() + 4),
              (Lines{"<<value", "546", "True", "44"}));
}

TEST_F(EditorUnitLoad, UnitOrFileMissingGivesTheTemplate)
{
    WriteBytes(dir.file("ch1.que"), JoinLines(file));
    const Worksheet sheet = OpenSheet();
    const struct
    {
        const char *name;
        const char *file;
        const char *header;
        Lines lines;
    } cases[] = {
        {"unit missing from the file", "ch1.que", "[[unit3", file},
        {"whole-line headers only", "ch1.que", "[[unit", file},
        {"file missing", "ch9.que", "[[unit1", {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        // An open sheet has no say over a unit that is not there yet.
        const LoadedUnit loaded = LoadUnitFromFile(dir.composed() + c.file, c.header, &sheet);
        EXPECT_TRUE(loaded.readable);
        EXPECT_FALSE(loaded.found);
        EXPECT_EQ(loaded.fileLines, c.lines);
        EXPECT_EQ(loaded.areas.question, NewUnitTemplate().question);
        EXPECT_EQ(loaded.areas.layout, kDefaultLayout);
        EXPECT_TRUE(loaded.areas.questionGraph.empty());
    }
    EXPECT_FALSE(std::filesystem::exists(dir.file("ch9.que")));
}

TEST_F(EditorUnitLoad, UnreadableFileIsNeverTakenForAnEmptyOne)
{
    std::filesystem::create_directories(dir.file("ch1.que"));

    const LoadedUnit loaded = LoadUnitFromFile(dir.composed() + "ch1.que", "[[unit1", nullptr);

    EXPECT_FALSE(loaded.readable);
    EXPECT_TRUE(U(loaded.error).starts_with("ファイル ")) << U(loaded.error);
    EXPECT_FALSE(loaded.found);
    EXPECT_TRUE(loaded.areas.question.empty());
}

TEST_F(EditorUnitLoad, UnitsTooLargeToShowAreRefusedAndOthersOfTheFileLoad)
{
    // Unit 1 has a line of a million bytes, unit 2 a block of 10,000 lines, unit 3 fits.
    Lines lines
        = {"[[unit1", "<<hint", std::string(1000000, 'h'), ">>", "]]", "[[unit2", "<<kgroup"};
    lines.insert(lines.end(), 10000, "k");
    lines.insert(lines.end(),
                 {">>", "]]", "[[unit3", "<<ques", std::string(4096, 'q'), ">>", "]]"});
    WriteBytes(dir.file("ch1.que"), JoinLines(lines));
    const struct
    {
        const char *header;
        std::string error; // UTF-8; empty when the unit loads
    } cases[] = {
        {"[[unit1",
         "ファイル " + U(dir.composed()) + "ch1.que の3行目が長すぎます（1行4096バイトまで）"},
        {"[[unit2", "単元の行が多すぎます（10000行まで）"},
        {"[[unit3", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.header);
        const LoadedUnit loaded = LoadUnitFromFile(dir.composed() + "ch1.que", c.header, nullptr);
        EXPECT_EQ(loaded.readable, c.error.empty());
        EXPECT_EQ(U(loaded.error), c.error);
        EXPECT_EQ(loaded.found, c.error.empty());
        EXPECT_EQ(loaded.fileLines.empty(), !c.error.empty());
    }
}

TEST(EditorUnit, AreaTextGoesBackToTheSameLines)
{
    const struct
    {
        const char *name;
        Lines lines;
        std::string text;
    } cases[] = {
        {"no lines", {}, ""},
        {"one line", {"a"}, "a\n"},
        {"empty line inside", {"a", "", "b"}, "a\n\nb\n"},
        {"empty line at the end", {"a", ""}, "a\n\n"},
        {"only an empty line", {""}, "\n"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(AreaText(c.lines), c.text) << c.name;
        EXPECT_EQ(SplitLines(AreaText(c.lines)), c.lines) << c.name;
    }
}

class EditorGraphs : public ::testing::Test
{
protected:
    EditorGraphs()
    {
        for (std::size_t k = 1; k < runStarts.size(); ++k)
            runStarts[k] = {static_cast<int>(10 * k), static_cast<int>(100 * k)};
    }

    static Lines Graphs(int count)
    {
        Lines lines;
        for (int k = 0; k < count; ++k)
            lines.insert(lines.end(), {"g.bmp", "0", "0"});
        return lines;
    }

    std::array<Point, kMaxTextPieces + 1> runStarts{};
};

TEST_F(EditorGraphs, EntriesStartAtTheTextPieceOfTheirNumber)
{
    Lines question;
    EXPECT_EQ(AddGraphEntries(question, {"a.bmp", "b.bmp"}, GraphArea::question, runStarts), 0);
    EXPECT_EQ(question, (Lines{"a.bmp", "50", "120", "b.bmp", "60", "220"}));

    // The first answer graph takes entry 0, which is always the page's corner.
    Lines answer;
    EXPECT_EQ(AddGraphEntries(answer, {"a.bmp", "b.bmp"}, GraphArea::answer, runStarts), 0);
    EXPECT_EQ(answer, (Lines{"a.bmp", "40", "20", "b.bmp", "50", "120"}));

    // Whole entries count: two stray lines are no graph.
    Lines stray{"x", "y"};
    AddGraphEntries(stray, {"a.bmp"}, GraphArea::question, runStarts);
    EXPECT_EQ(stray, (Lines{"x", "y", "a.bmp", "50", "120"}));
}

TEST_F(EditorGraphs, AnAreaHoldsFifteenGraphs)
{
    const struct
    {
        const char *name;
        GraphArea area;
        int held;
        int names;
        int refused;
    } cases[] = {
        {"question area full", GraphArea::question, 15, 1, 1},
        {"answer area full", GraphArea::answer, 15, 1, 1},
        {"question area with room for one", GraphArea::question, 14, 3, 2},
        {"answer area with room for one", GraphArea::answer, 14, 3, 2},
        {"room for all", GraphArea::question, 12, 3, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Lines lines = Graphs(c.held);
        const Lines names(static_cast<std::size_t>(c.names), "n.bmp");
        EXPECT_EQ(AddGraphEntries(lines, names, c.area, runStarts), c.refused);
        EXPECT_EQ(lines.size(), static_cast<std::size_t>(3 * (c.held + c.names - c.refused)));
    }
    Lines fifteen = Graphs(14);
    AddGraphEntries(fifteen, {"last.bmp"}, GraphArea::question, runStarts);
    EXPECT_EQ(Lines(fifteen.end() - 3, fifteen.end()), (Lines{"last.bmp", "190", "1520"}));
    EXPECT_EQ(U(GraphLimitMessage()), "グラフは15個までです");
}

} // namespace
} // namespace zelkon
