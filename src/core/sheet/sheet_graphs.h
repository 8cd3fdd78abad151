// The graph pictures of a worksheet: question and answer bitmaps and the display images laid
// over the page.
#pragma once

#include "sheet/canvas.h"

#include <array>
#include <memory>

namespace zelkon {

/// Most graphs a sheet shows of each list.
inline constexpr int kMaxGraphs = 15;

/// One display image over the page and the two bitmaps it can show.
struct GraphSlot
{
    std::shared_ptr<const Picture> question; ///< imgQbuff k
    std::shared_ptr<const Picture> answer;   ///< imgAbuff k
    std::shared_ptr<const Picture> shown;    ///< what imgFig k shows now
    int left = 0;
    int top = 0; ///< counted from the top of the page picture
    bool visible = false;
};

/// Slots 1 to 15 in use ([0] unused), and the class flag.
struct SheetGraphs
{
    std::array<GraphSlot, kMaxGraphs + 1> figures;
    std::shared_ptr<const Picture> classFlag; ///< "classFlag.bmp"; none when the file is missing
    int classFlagLeft = 0;
    int classFlagTop = 0;
};

} // namespace zelkon
