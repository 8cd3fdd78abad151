// Dropping a dragged graph at its new place.
#include "sheet/graph_drag.h"

#include "sheet/graph_placement.h"

#include <algorithm>
#include <string>

namespace zelkon {

Rect GraphFrame(int left, int top, int width, int height)
{
    return {left - 1, top - 1, left + width + 1, top + height + 1};
}

bool DropGraph(Worksheet &sheet, int k, int dx, int dy)
{
    if (k < 1 || k > GraphCount(sheet.graphLines))
        return false;
    const GraphSlot &slot = sheet.graphs.figures[k];
    const std::size_t x = 3 * static_cast<std::size_t>(k) - 2;
    sheet.graphLines[x] = std::to_string(std::max(slot.left + dx, 1));
    sheet.graphLines[x + 1] = std::to_string(slot.top + dy);
    sheet.modified = true;
    return true;
}

} // namespace zelkon
