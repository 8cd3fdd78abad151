// RenderSheet: lays a worksheet out as a page on a canvas and records where every answer went.
#pragma once

#include "common/messages.h"
#include "sheet/canvas.h"
#include "sheet/render_context.h"
#include "sheet/render_tables.h"
#include "sheet/worksheet.h"

namespace zelkon {

/// Draws the sheet onto `canvas` (the page picture, the practice picture, or the printer page
/// when `toPrinter`) without clearing it first: header, question lines with their answers,
/// graphs, answer fields and marks. Fills RunStartTable, PieceXTable, the sheet's answerList,
/// the graph places and, when collecting, AnswerFieldTable. Does nothing but set
/// renderingToPrinter when drawing is disabled. A sheet of more than 80 answers or 240 text
/// pieces stops at the first one too many with a message and false; other messages (too many
/// graphs) leave the result true.
bool RenderSheet(Worksheet &sheet,
                 RenderTables &tables,
                 Canvas &canvas,
                 bool toPrinter,
                 const RenderContext &context,
                 Messages &messages);

} // namespace zelkon
