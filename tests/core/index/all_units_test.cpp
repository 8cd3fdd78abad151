// The all-units overview: its tree from the sub-index and the unit labels, the date label, the
// print counter and where the picture goes on the printed page.
#include "index/all_units.h"

#include "index/sub_index.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace zelkon {
namespace {

using test::J;
using test::JLines;
using test::U;

CourseIndex Parsed(const std::vector<std::string> &utf8Lines)
{
    CourseIndex index;
    Messages messages;
    EXPECT_TRUE(ParseSubIndex(JLines(utf8Lines), "x.ind", index, messages));
    EXPECT_TRUE(messages.empty());
    return index;
}

// The tree as UTF-8 lines, indented by depth, so a failure reads like the window.
std::vector<std::string> Outline(const IndexTreeNode &node, int depth = 0)
{
    std::vector<std::string> lines{std::string(2 * depth, ' ') + U(node.text)};
    for (const IndexTreeNode &child : node.children) {
        const std::vector<std::string> more = Outline(child, depth + 1);
        lines.insert(lines.end(), more.begin(), more.end());
    }
    return lines;
}

TEST(AllUnitsTree, SectionsWithoutUnitsHaveNoChildren)
{
    const CourseIndex index = Parsed({"三つの空",
                                      "[[sect1",
                                      "一",
                                      "<<",
                                      ">>",
                                      "]]",
                                      "[[sect2",
                                      "二",
                                      "<<",
                                      ">>",
                                      "]]",
                                      "[[sect3",
                                      "三",
                                      "<<",
                                      ">>",
                                      "]]"});
    EXPECT_EQ(Outline(AllUnitsTree(index, UnitDisplayTable())),
              (std::vector<std::string>{"三つの空", "  一", "  二", "  三"}));
}

TEST(AllUnitsTree, UnitsCarryTheirLabelsWithoutPadding)
{
    const CourseIndex index = Parsed({"地理インデックス",
                                      "[[sect1",
                                      "都道府県",
                                      "<<",
                                      "北海道",
                                      "関東",
                                      ">>",
                                      "]]",
                                      "コメント",
                                      "[[sect2",
                                      "気候",
                                      "<<",
                                      "気候区分",
                                      ">>",
                                      "]]"});
    UnitDisplayTable labels;
    labels.setPrefix(1, 1, UnitPrefix(/*hasSimilar=*/true, 2));
    labels.setPrefix(1, 2, UnitPrefix(/*hasSimilar=*/false, 0));
    // Unit 1 of section 2 was never labelled: its caption stands alone.
    EXPECT_EQ(Outline(AllUnitsTree(index, labels)),
              (std::vector<std::string>{"地理インデックス",
                                        "  都道府県",
                                        "    ◎[2]北海道",
                                        "    　[ ]関東",
                                        "  気候",
                                        "    気候区分"}));
}

TEST(AllUnitsTree, AnEmptyIndexIsARootAlone)
{
    const IndexTreeNode tree = AllUnitsTree(CourseIndex(), UnitDisplayTable());
    EXPECT_EQ(tree, (IndexTreeNode{"", {}}));
}

TEST(AllUnitsDate, DotsAndADash)
{
    EXPECT_EQ(AllUnitsDateText(2005, 10, 5), "2005.10.05-");
    EXPECT_EQ(AllUnitsDateText(2024, 1, 31), "2024.01.31-");
}

TEST(AllUnitsPrintCounter, CountsOnFromWhatItShows)
{
    const struct
    {
        const char *shown;
        const char *next;
    } cases[] = {
        {"0", "1"},
        {"1", "2"},
        {"41", "42"},
        {"", "1"},
        {"abc", "1"},
        {"12x", "1"},
        {" 3", "1"},
        {"-3", "1"},
        {"99999999999", "1"}, // past the int range
        {"2147483647", "2147483647"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.shown);
        EXPECT_EQ(NextPrintCount(c.shown), c.next);
    }
}

TEST(AllUnitsPrint, PictureFillsThePageWithItsProportions)
{
    const struct
    {
        const char *name;
        int pageWidth, pageHeight, pictureWidth, pictureHeight;
        Rect expected;
    } cases[] = {
        {"wide window on an upright page", 4800, 6800, 1280, 1000, {0, 0, 4800, 3750}},
        {"tall window: centred across", 4800, 6800, 500, 1000, {700, 0, 4100, 6800}},
        {"same proportions", 1000, 2000, 100, 200, {0, 0, 1000, 2000}},
        {"small page", 10, 10, 3, 1, {0, 0, 10, 3}},
        {"no picture", 4800, 6800, 0, 0, {}},
        {"no page", 0, 6800, 100, 100, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FitToPage(c.pageWidth, c.pageHeight, c.pictureWidth, c.pictureHeight),
                  c.expected);
    }
}

} // namespace
} // namespace zelkon
