// The title button grid arithmetic and its fit into the main window.
#include "launcher/title_grid.h"

#include <algorithm>

namespace zelkon {

namespace {

// The right margin the large picture keeps to the window's edge.
constexpr int kRightMargin = kMainWidth - kPictureLeft - kPictureWidth;

int RightmostEdge(const TitleGrid &grid)
{
    int right = 0;
    for (const TitleButtonPlace &place : grid.buttons)
        right = std::max(right, place.left + place.width);
    return right;
}

} // namespace

TitleGrid TitleButtonGrid(int count, int windowWidth)
{
    TitleGrid grid;
    grid.windowWidth = windowWidth;
    const bool few = count <= kFewTitles;
    grid.gap = few ? 140 : 25;
    const int width = few ? kTemplateWidth + kFewTitlesWidening : kTemplateWidth;
    // Integer division truncates toward zero, as the layout always has.
    grid.columns = (count - 1) / kRowsPerColumn + 1;
    const int x0
        = kPanelWidth + (windowWidth - kPanelWidth - grid.columns * width - 30) / grid.columns;
    for (int n = 1; n <= count; ++n) {
        const int column = (n - 1) / kRowsPerColumn;
        const int row = (n - 1) % kRowsPerColumn;
        grid.buttons.push_back({x0 + 5 + column * (grid.gap + width),
                                row * kRowPitch + grid.gap + 50,
                                width,
                                kTemplateHeight});
    }
    return grid;
}

int MainWindowWidth(int count)
{
    int width = kMainWidth;
    // The left start grows by a fraction of each added pixel, so the loop ends.
    while (RightmostEdge(TitleButtonGrid(count, width)) > width - kRightMargin)
        ++width;
    return width;
}

TitleGrid FitTitleButtons(int count)
{
    TitleGrid grid = TitleButtonGrid(count, MainWindowWidth(count));
    int bottom = 0;
    for (const TitleButtonPlace &place : grid.buttons)
        bottom = std::max(bottom, place.top + place.height);
    const int overhang = bottom - (kPictureTop + kPictureHeight);
    if (overhang > 0) {
        for (TitleButtonPlace &place : grid.buttons)
            place.top -= overhang;
    }
    return grid;
}

} // namespace zelkon
