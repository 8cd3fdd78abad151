// What a render of the page takes from outside the worksheet: the values of other windows, the
// clock and the practice window's box size, and the one rounding rule of the page geometry.
#pragma once

#include "common/format.h"

#include <cmath>
#include <functional>
#include <limits>
#include <string>

namespace zelkon {

/// Nearest integer, halves to the even neighbour (2.5 → 2, 3.5 → 4); values beyond the int
/// range are held at its limits and NaN gives 0, so no page value is ever undefined.
inline int RoundHalfEven(double value)
{
    if (std::isnan(value))
        return 0;
    // nearbyint under the default rounding mode takes halves to the even neighbour.
    const double rounded = std::nearbyint(value);
    if (rounded >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (rounded <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(rounded);
}

/// Height of a one-line input box for text of `points` when the platform gives none: the
/// text's line height at 96 dpi, round(points × 96 / 72), plus 8 pixels of frame and margin.
inline int DefaultInputBoxHeight(int points)
{
    return RoundHalfEven(points * 96.0 / 72.0) + 8;
}

/// Everything a render reads from other windows at the moment it runs. Texts are CP932.
struct RenderContext
{
    bool sheetDrawingEnabled = true; ///< off while a sheet is being created or activated
    int mojiSize = 12;               ///< the main window's 文字サイズ
    bool showAlternatives = true;    ///< the main window's 別解表示

    bool numberSheets = true; ///< the print mode dialog's №を付ける
    int sheetNumber = 1;      ///< the print mode dialog's 開始番号

    bool classFlagBox = true;  ///< the paper dialog's 学級旗
    bool dateLineBox = true;   ///< the paper dialog's 実施日
    bool printStampBox = true; ///< the paper dialog's No.印刷日時

    std::string schoolName;
    std::string learnerName;
    int practiceScore = 0; ///< printed when the sheet's scoreShown is set
    LocalTime now;

    /// Size of the page picture Image1 (the paper table's size for the sheet's paper width).
    int pictureWidth = 630;
    int pictureHeight = 891;

    int fieldWidthAllowance = 15; ///< Wk: the answer-field panel's 幅
    int fieldHeightAllowance = 2; ///< Hk: the answer-field panel's 高さ
    /// Height the practice window gives an input box whose font is 文字サイズ points.
    std::function<int(int points)> inputBoxHeight = DefaultInputBoxHeight;
};

} // namespace zelkon
