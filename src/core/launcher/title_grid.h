// Where the launcher's main window puts its title buttons.
#pragma once

#include <vector>

namespace zelkon {

/// The main window as it opens, and the fixed parts of it the buttons are placed against.
inline constexpr int kMainWidth = 800;
inline constexpr int kMainHeight = 450;
inline constexpr int kPanelWidth = 129;  ///< the side panel along the left
inline constexpr int kPictureLeft = 144; ///< the large picture
inline constexpr int kPictureTop = 16;
inline constexpr int kPictureWidth = 641;
inline constexpr int kPictureHeight = 393;
/// The title buttons' size template, and the width it grows by for a dozen titles or fewer.
inline constexpr int kTemplateWidth = 137;
inline constexpr int kTemplateHeight = 33;
inline constexpr int kFewTitlesWidening = 50;
inline constexpr int kFewTitles = 12;
inline constexpr int kRowsPerColumn = 6;
inline constexpr int kRowPitch = 53;

/// One title button's place in window pixels.
struct TitleButtonPlace
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const TitleButtonPlace &) const = default;
};

/// The title buttons of a window.
struct TitleGrid
{
    int gap = 0;                           ///< 140 for up to 12 titles, else 25
    int columns = 0;                       ///< six rows to a column
    int windowWidth = 0;                   ///< the window width the places were computed for
    std::vector<TitleButtonPlace> buttons; ///< title n (from 1) at index n - 1
};

/// The places by the grid arithmetic alone, for `count` titles in a window `windowWidth` wide:
/// column (n-1) div 6 and row (n-1) mod 6 of x0 = panel + (window - panel - C*W - 30) div C,
/// left x0 + 5 + c*(gap + W) and top r*53 + gap + 50.
TitleGrid TitleButtonGrid(int count, int windowWidth);

/// The width the main window needs so that every column of `count` titles ends inside it as
/// the last of four columns does: 800, or more for five columns and beyond.
int MainWindowWidth(int count);

/// The places in the main window: TitleButtonGrid at MainWindowWidth, with a column of more
/// rows than fit above the large picture's bottom edge moved up until its last button ends
/// there (the arithmetic alone puts the sixth row of a dozen titles below the window).
TitleGrid FitTitleButtons(int count);

} // namespace zelkon
