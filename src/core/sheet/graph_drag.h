// Moving a graph picture of a worksheet with the mouse, and the frame drawn around a graph while
// it is dragged or marked for copying.
#pragma once

#include "sheet/canvas.h"
#include "sheet/worksheet.h"

namespace zelkon {

/// The frame around a graph picture at (left, top) of width × height: one pixel outside the
/// picture on every side. A drag draws it as the outline; a right click marks it for copying.
Rect GraphFrame(int left, int top, int width, int height);

/// Drops graph k (1 to 15) moved by (dx, dy) from where its picture stands now: the new left
/// and top go into lines 3k − 2 and 3k − 1 of `graphLines` and the sheet is marked modified.
/// The left is held at 1 or more, since 0 or less means "not placed yet" and would send the
/// graph back beside its text at the next render. False, changing nothing, when the list holds
/// no graph k.
bool DropGraph(Worksheet &sheet, int k, int dx, int dy);

} // namespace zelkon
