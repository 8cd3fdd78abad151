// Storing a unit composed from the master file editor's areas into the lines of its master file,
// and writing a worksheet's layout and graphs back into its unit ("上書き保存").
#pragma once

#include "authoring/unit_areas.h"

#include <string>
#include <string_view>
#include <vector>

namespace zelkon {

/// The lines of a unit as the editor stores it: the header line; "<<ques", the question lines,
/// ">>"; the kgroup block when the choice area has lines; the dummy block always, also empty;
/// the graph, AGraph and hint blocks when their areas have lines; the layout area as it stands;
/// "]]".
std::vector<std::string> ComposeUnitText(std::string_view headerLine, const UnitAreas &areas);

/// `StoreUnitText`: puts the unit composed from `areas` in the place of the unit under
/// `headerLine` (its lines as FindUnitSpan finds them), or after the last line when the file
/// lines hold no such unit; every other line stays as it is. The file is not written.
void StoreUnitText(std::vector<std::string> &fileLines,
                   std::string_view headerLine,
                   const UnitAreas &areas);

/// "上書き保存" over the lines of a master file: the unit under `headerLine` is read as the editor
/// loads it for an open sheet, with its layout area and both graph areas taken from
/// `sheetUnit`, and stored back in its place; blocks the editor does not know are dropped from
/// that unit, as the editor drops them. False, the lines untouched, when they no longer hold
/// the unit: a layout has nothing to be written into, and nothing is put in the unit's place.
bool OverwriteUnit(std::vector<std::string> &fileLines,
                   std::string_view headerLine,
                   const UnitAreas &sheetUnit);

} // namespace zelkon
