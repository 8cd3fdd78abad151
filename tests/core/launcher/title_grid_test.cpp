// Where the title buttons go: the grid arithmetic, and its fit into the main window.
#include "launcher/title_grid.h"

#include <gtest/gtest.h>

namespace zelkon {
namespace {

TEST(TitleGrid, ArithmeticForTwelveAndThirteenTitles)
{
    const struct
    {
        int count;
        int gap;
        int columns;
        int width;
        int x0; // the left edge of the first column is x0 + 5
    } cases[] = {
        // x0 = 129 + (800 - 129 - 2 * 187 - 30) div 2 = 262
        {12, 140, 2, 187, 262},
        // x0 = 129 + (800 - 129 - 3 * 137 - 30) div 3 = 205
        {13, 25, 3, 137, 205},
        {1, 140, 1, 187, 583},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.count);
        const TitleGrid grid = TitleButtonGrid(c.count, 800);
        EXPECT_EQ(grid.gap, c.gap);
        EXPECT_EQ(grid.columns, c.columns);
        ASSERT_EQ(grid.buttons.size(), std::size_t(c.count));
        for (int n = 1; n <= c.count; ++n) {
            const int column = (n - 1) / 6;
            const int row = (n - 1) % 6;
            EXPECT_EQ(
                grid.buttons[n - 1],
                (TitleButtonPlace{
                    c.x0 + 5 + column * (c.gap + c.width), row * 53 + c.gap + 50, c.width, 33}))
                << "title " << n;
        }
    }
    // Spelled out once: title 7 of 12 heads the second column, title 13 of 13 the third.
    EXPECT_EQ(TitleButtonGrid(12, 800).buttons[6], (TitleButtonPlace{594, 190, 187, 33}));
    EXPECT_EQ(TitleButtonGrid(13, 800).buttons[12], (TitleButtonPlace{534, 75, 137, 33}));
    EXPECT_EQ(TitleButtonGrid(13, 800).buttons[5], (TitleButtonPlace{210, 340, 137, 33}));
}

TEST(TitleGrid, FittedColumnsEndOnThePicture)
{
    // Up to four rows the arithmetic stands; five and six rows of a dozen titles or fewer would
    // run past the picture (the sixth row starts at 455 in a window 450 high), so their column
    // moves up until the last button ends at the picture's bottom edge, 409.
    const struct
    {
        int count;
        int firstTop;
    } cases[] = {{3, 190}, {4, 190}, {5, 164}, {6, 111}, {12, 111}, {13, 75}, {24, 75}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.count);
        const TitleGrid fitted = FitTitleButtons(c.count);
        const TitleGrid plain = TitleButtonGrid(c.count, 800);
        EXPECT_EQ(fitted.windowWidth, 800);
        ASSERT_EQ(fitted.buttons.size(), plain.buttons.size());
        const int shift = plain.buttons[0].top - c.firstTop;
        for (std::size_t i = 0; i < fitted.buttons.size(); ++i) {
            EXPECT_EQ(fitted.buttons[i].left, plain.buttons[i].left);
            EXPECT_EQ(fitted.buttons[i].top, plain.buttons[i].top - shift);
            EXPECT_LE(fitted.buttons[i].top + fitted.buttons[i].height, 409);
        }
    }
    EXPECT_EQ(FitTitleButtons(12).buttons[5].top + 33, 409);
}

TEST(TitleGrid, WindowWidensForMoreThanFourColumns)
{
    for (int count : {1, 12, 13, 24})
        EXPECT_EQ(MainWindowWidth(count), 800) << count;
    for (int count : {25, 31, 50}) {
        SCOPED_TRACE(count);
        const int width = MainWindowWidth(count);
        EXPECT_GT(width, 800);
        const TitleGrid grid = FitTitleButtons(count);
        EXPECT_EQ(grid.windowWidth, width);
        const TitleButtonPlace &last = grid.buttons[std::size_t((count - 1) / 6 * 6)];
        EXPECT_LE(last.left + last.width, width - 15);
        // One pixel less and the last column would stick out.
        const TitleGrid narrower = TitleButtonGrid(count, width - 1);
        const TitleButtonPlace &tight = narrower.buttons[std::size_t((count - 1) / 6 * 6)];
        EXPECT_GT(tight.left + tight.width, width - 1 - 15);
    }
}

TEST(TitleGrid, NoTitlesNoButtons)
{
    EXPECT_TRUE(FitTitleButtons(0).buttons.empty());
    EXPECT_EQ(MainWindowWidth(0), 800);
}

} // namespace
} // namespace zelkon
