// The papers of the paper table as printers and PDF writers know them.
#pragma once

#include "sheet/paper.h"

#include <QPageLayout>
#include <QPageSize>

namespace zelkon {

/// The printer's page size of a paper: B5 and B4 are the JIS sizes (182 × 257 and 257 × 364 mm)
/// that Japanese paper comes in, not the ISO ones.
QPageSize PrinterPageSize(Paper paper);

/// The paper upright with the printable area of a common laser printer, 1/6 inch in from every
/// edge: the page's printer factors (fonts 3 points larger, answer fields 3 % further right) are
/// made for that width, and drawn edge to edge the fields would stand right of their answers.
QPageLayout PrinterPageLayout(Paper paper);

} // namespace zelkon
