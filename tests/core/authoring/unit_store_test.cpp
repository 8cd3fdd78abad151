// Composing a unit from the editor's areas, storing it into the file lines, and "上書き保存"
// over the lines of a master file.
#include "authoring/unit_store.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

namespace zelkon {
namespace {

using test::J;
using test::JLines;
using Lines = std::vector<std::string>;

UnitAreas FullAreas()
{
    UnitAreas areas;
    areas.question = JLines({"１．日本の首都は　#　東京　#　です", ""});
    areas.dummy = JLines({"大阪"});
    areas.choice = JLines({"東京", "大阪"});
    areas.hint = JLines({"首都は東京"});
    areas.questionGraph = {"map.bmp", "10", "20"};
    areas.answerGraph = {"mapA.bmp", "10", "20"};
    areas.layout = {"<<value", "630", ">>", "<<kran", "5", ">>"};
    return areas;
}

TEST(UnitStore, ComposesTheBlocksInTheirOrder)
{
    EXPECT_EQ(ComposeUnitText("[[unit3R1", FullAreas()),
              (Lines{"[[unit3R1", "<<ques",  J("１．日本の首都は　#　東京　#　です"),
                     "",          ">>",      "<<kgroup",
                     J("東京"),   J("大阪"), ">>",
                     "<<dummy",   J("大阪"), ">>",
                     "<<graph",   "map.bmp", "10",
                     "20",        ">>",      "<<AGraph",
                     "mapA.bmp",  "10",      "20",
                     ">>",        "<<hint",  J("首都は東京"),
                     ">>",        "<<value", "630",
                     ">>",        "<<kran",  "5",
                     ">>",        "]]"}));

    // Empty areas leave their blocks out, except the question and dummy blocks.
    EXPECT_EQ(ComposeUnitText("[[unit1", UnitAreas{}),
              (Lines{"[[unit1", "<<ques", ">>", "<<dummy", ">>", "]]"}));
}

TEST(UnitStore, StoredUnitTakesThePlaceOfTheOldOneOrIsAppended)
{
    const Lines file = {"title line",
                        "[[unit1",
                        "<<ques",
                        "one",
                        ">>",
                        "]]",
                        "[[unit12",
                        "<<ques",
                        "twelve",
                        ">>",
                        "]]",
                        "between",
                        "[[unit2",
                        "<<ques",
                        "two",
                        ">>",
                        "]]"};
    UnitAreas areas;
    areas.question = {"new"};
    const Lines unit = {"<<ques", "new", ">>", "<<dummy", ">>", "]]"};
    const auto with = [](Lines lines, std::size_t at, const std::string &header, Lines unit) {
        unit.insert(unit.begin(), header);
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), unit.begin(), unit.end());
        return lines;
    };
    const auto without = [](Lines lines, std::size_t first, std::size_t end) {
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(first),
                    lines.begin() + static_cast<std::ptrdiff_t>(end));
        return lines;
    };

    const struct
    {
        const char *name;
        Lines file;
        const char *header;
        Lines expected;
    } cases[] = {
        {"first unit, not its namesake 12",
         file,
         "[[unit1",
         with(without(file, 1, 6), 1, "[[unit1", unit)},
        {"middle unit", file, "[[unit12", with(without(file, 6, 11), 6, "[[unit12", unit)},
        {"last unit", file, "[[unit2", with(without(file, 12, 17), 12, "[[unit2", unit)},
        {"missing unit is appended", file, "[[unit3", with(file, file.size(), "[[unit3", unit)},
        {"empty file", {}, "[[unit3", with({}, 0, "[[unit3", unit)},
        {"unit without ]] runs to the end",
         {"[[unit1", "<<ques", "old", ">>", "[[unit2", "<<ques", "x", ">>"},
         "[[unit1",
         with({}, 0, "[[unit1", unit)},
        // A "]]" inside a block belongs to the block: nothing of the old unit is left over.
        {"]] inside a block",
         {"[[unit1", "<<ques", "]]", "old", ">>", "]]", "after"},
         "[[unit1",
         with({"after"}, 0, "[[unit1", unit)},
    };
    for (const auto &c : cases) {
        Lines lines = c.file;
        StoreUnitText(lines, c.header, areas);
        EXPECT_EQ(lines, c.expected) << c.name;
    }
}

TEST(UnitStore, OverwriteTakesLayoutAndGraphsFromTheSheetAndTheRestFromTheFile)
{
    Lines file = JLines({"[[unit1",   "<<ques",   "one",     ">>",
                         "]]",        "[[unit2",  "<<ques",  "２．川の名前は　#　信濃川　#　",
                         ">>",        "<<kgroup", "信濃川",  ">>",
                         "<<softkey", "ア",       ">>",      "<<dummy",
                         "利根川",    ">>",       "<<hint",  "日本一長い",
                         ">>",        "<<graph",  "old.bmp", "1",
                         "2",         ">>",       "<<value", "546",
                         ">>",        "]]",       "[[unit3", "]]"});
    UnitAreas sheet;
    sheet.question = {"the sheet's questions are not written"};
    sheet.choice = {"nor its choices"};
    sheet.questionGraph = {"map.bmp", "440", "145"};
    sheet.layout = {"<<value", "891", ">>", "<<font", "14", ">>", "<<kran", "1", ">>"};

    EXPECT_TRUE(OverwriteUnit(file, "[[unit2", sheet));

    EXPECT_EQ(file, JLines({"[[unit1", "<<ques",     "one",    ">>",
                            "]]",      "[[unit2",    "<<ques", "２．川の名前は　#　信濃川　#　",
                            ">>",      "<<kgroup",   "信濃川", ">>",
                            "<<dummy", "利根川",     ">>",     "<<graph",
                            "map.bmp", "440",        "145",    ">>",
                            "<<hint",  "日本一長い", ">>",     "<<value",
                            "891",     ">>",         "<<font", "14",
                            ">>",      "<<kran",     "1",      ">>",
                            "]]",      "[[unit3",    "]]"}));
}

TEST(UnitStore, OverwriteOfAUnitTheFileNoLongerHoldsChangesNothing)
{
    UnitAreas sheet;
    sheet.question = {"q"};
    sheet.choice = {"c"};
    sheet.layout = {"<<value", "630", ">>"};
    const struct
    {
        const char *name;
        Lines file;
    } cases[] = {
        {"other units only", {"[[unit1", "]]", "[[unit2", "]]"}},
        {"empty file", {}},
        {"header only as the start of a longer one", {"[[unit2R10", "]]"}},
    };
    for (const auto &c : cases) {
        Lines lines = c.file;
        EXPECT_FALSE(OverwriteUnit(lines, "[[unit2R1", sheet)) << c.name;
        EXPECT_EQ(lines, c.file) << c.name;
    }
}

} // namespace
} // namespace zelkon
