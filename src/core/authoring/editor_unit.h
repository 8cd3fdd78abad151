// The unit the master file editor works on: read from its master file or started from the
// template of a new unit, the locator as the editor shows it, the text of its areas, and the
// graph entries its picker adds.
#pragma once

#include "authoring/unit_areas.h"
#include "master/unit_locator.h"
#include "sheet/render_tables.h"

#include <string>
#include <string_view>
#include <vector>

namespace zelkon {

struct Worksheet;

/// Most graphs one graph area holds.
inline constexpr int kMaxAreaGraphs = 15;

/// The areas of a unit that is not in its file yet: the question lines
/// "１．次の各空欄に適語を入れなさい。" and "例　日本の首都は　#　東京　#　です" and the default
/// value, font and kran blocks of a new unit; every other area empty.
UnitAreas NewUnitTemplate();

/// The locator as the editor shows it: lesson, section and unit separated by blanks, followed by
/// "R" and the similar-problem number when that is not 0 ("2 3 15", "2 3 15R1").
std::string LocatorDisplay(const UnitLocator &locator);

/// A master file as the editor's `LoadUnit` read it.
struct LoadedUnit
{
    /// False when the file is there but cannot be read, or the unit is too large to show (a
    /// line longer than kMaxLineBytes, more than kMaxUnitLines lines): `error` says why and
    /// nothing else is set, so the file is never taken for an empty one and written over.
    bool readable = true;
    std::string error;
    /// The unit's header line is in the file.
    bool found = false;
    /// The whole file; none when it is missing.
    std::vector<std::string> fileLines;
    /// The unit's areas, or NewUnitTemplate() when the unit is not in the file.
    UnitAreas areas;
};

/// `LoadUnit`'s reading of the unit under `headerLine` in the master file at the composed path:
/// a missing file has no lines and gives the template, as does a file without the unit. With
/// `openSheet`, a unit found takes the layout blocks and both graph lists as they stand on that
/// sheet in place of the file's (SheetUnitAreas); its other areas stay as stored.
LoadedUnit LoadUnitFromFile(std::string_view masterPath,
                            std::string_view headerLine,
                            const Worksheet *openSheet);

/// The text of an area holding `lines`: every line followed by a line break, so an empty line at
/// the end survives the way back through SplitLines; no lines give an empty text.
std::string AreaText(const std::vector<std::string> &lines);

/// The graph area a picker adds to.
enum class GraphArea { question, answer };

/// "グラフは15個までです".
std::string GraphLimitMessage();

/// "<=挿入" of a graph area: for each name in order, the entry name, X(n) + 40 and Y(n) + 20 is
/// appended, (X, Y) being entry n of the run start table; n is the area's lines divided by 3,
/// plus 1 for the question area. A name that would make a 16th graph is not added. Returns how
/// many names were refused, each of which the caller reports with GraphLimitMessage().
int AddGraphEntries(std::vector<std::string> &areaLines,
                    const std::vector<std::string> &names,
                    GraphArea area,
                    const std::array<Point, kMaxTextPieces + 1> &runStarts);

} // namespace zelkon
