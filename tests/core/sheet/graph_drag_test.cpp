// Dropping a dragged graph: the lines it writes, the left held on the page, and the frame.
#include "sheet/graph_drag.h"

#include <gtest/gtest.h>

namespace zelkon {
namespace {

using Lines = std::vector<std::string>;

Worksheet SheetWithGraphs(int count)
{
    Worksheet sheet;
    for (int k = 1; k <= count; ++k) {
        sheet.graphLines.insert(sheet.graphLines.end(),
                                {"g" + std::to_string(k) + ".bmp", "100", "200"});
        sheet.graphs.figures[k].left = 100;
        sheet.graphs.figures[k].top = 200;
    }
    return sheet;
}

TEST(GraphDrag, DropWritesTheNewPlaceOfThatGraph)
{
    const struct
    {
        const char *name;
        int k, dx, dy;
        std::string x, y;
    } cases[] = {
        {"moved right and down", 12, 30, 40, "130", "240"},
        {"moved up off the top", 1, 0, -250, "100", "-50"},
        // 0 would mean "not placed" and send the graph back beside its text.
        {"left edge held on the page", 15, -100, 0, "1", "200"},
        {"far left", 2, -500, 5, "1", "205"},
    };
    for (const auto &c : cases) {
        Worksheet sheet = SheetWithGraphs(15);
        ASSERT_TRUE(DropGraph(sheet, c.k, c.dx, c.dy)) << c.name;
        Lines expected = SheetWithGraphs(15).graphLines;
        expected[3 * c.k - 2] = c.x;
        expected[3 * c.k - 1] = c.y;
        EXPECT_EQ(sheet.graphLines, expected) << c.name;
        EXPECT_TRUE(sheet.modified) << c.name;
    }
}

TEST(GraphDrag, DropOfAGraphTheListDoesNotHoldChangesNothing)
{
    for (int k : {0, 3, 16, -1}) {
        Worksheet sheet = SheetWithGraphs(2);
        sheet.graphLines.push_back("half a graph");
        const Lines before = sheet.graphLines;
        EXPECT_FALSE(DropGraph(sheet, k, 10, 10)) << k;
        EXPECT_EQ(sheet.graphLines, before) << k;
        EXPECT_FALSE(sheet.modified) << k;
    }
}

TEST(GraphDrag, FrameLiesOnePixelOutsideThePicture)
{
    EXPECT_EQ(GraphFrame(410, 105, 200, 220), (Rect{409, 104, 611, 326}));
    EXPECT_EQ(GraphFrame(0, 0, 0, 0), (Rect{-1, -1, 1, 1}));
}

} // namespace
} // namespace zelkon
