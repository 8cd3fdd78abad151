// Placing the graph pictures of a sheet over the page after its text is laid out, and stamping
// them and the class flag into the page itself.
#pragma once

#include "common/messages.h"
#include "sheet/canvas.h"
#include "sheet/render_tables.h"
#include "sheet/worksheet.h"

#include <vector>

namespace zelkon {

/// Width and height of the class flag picture on the page, whatever the bitmap's size.
inline constexpr int kClassFlagSize = 48;

/// Graphs a graph list holds: its lines ÷ 3, rounded down, held at 15.
int GraphCount(const std::vector<std::string> &graphLines);

/// Shows question graph k in slot k for k = 1 … its count: at its x and y when x > 0, else 40
/// pixels right of the start of text piece k, writing that place back into `graphLines` (a
/// coordinate that is no number counts as 0). With answers shown, answer graph k then takes
/// slot k at question graph k's place; answer graphs without a question graph stay as they are.
/// A list of 16 or more graphs adds the message "N:問題のグラフが多すぎます15" and uses 15.
void PlaceGraphs(Worksheet &sheet, const RenderTables &tables, Messages &messages);

/// Stretches the class flag (when `classFlagShown` and there is a picture) and the pictures of
/// figures 1 … question graph count onto the page at round(left × s), round(top × s), their
/// width and height × s; a slot without a picture is skipped. On screen s is 1.
void StampImages(Canvas &canvas, const Worksheet &sheet, bool classFlagShown, double s);

} // namespace zelkon
