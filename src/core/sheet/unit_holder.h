// The unit holder: the unit record loaded with a worksheet's unit, the questions of a chosen unit
// appended to it, and the worksheet taking the result.
#pragma once

#include "common/messages.h"
#include "master/unit_locator.h"
#include "master/unit_reader.h"
#include "master/unit_record.h"
#include "sheet/worksheet.h"

#include <string>
#include <string_view>

namespace zelkon {

/// Most question graphs a worksheet holds; a sheet with this many takes no further unit.
inline constexpr int kHolderGraphLimit = 15;

/// The graph entries of a graph list: three lines each (file name, x, y), a short rest not
/// counted.
int GraphEntryCount(const std::vector<std::string> &graphLines);

/// True when the holder's question graphs make 15 or more entries, so nothing may be added.
bool HolderIsFull(const UnitRecord &holder);

/// "これ以上追加できません".
std::string HolderFullMessage();

/// "単元がありません": the chosen unit is not in its master file, or the file is missing.
std::string UnitMissingMessage();

/// `FillHolderFromSheet`: the holder takes the sheet's unit title, school line, name line, both
/// graph lists and, in place of its own, the sheet's question lines; its other lists stay.
void FillHolderFromSheet(const Worksheet &sheet, UnitRecord &holder);

/// The sheet as the reader sees it when a unit is added to it: where it came from, its title,
/// its own section and unit, and the caption of the last add.
ActiveSheetCaptions AddCaptionsOf(const Worksheet &sheet);

/// The unit chosen in the unit selection window for adding.
struct ChosenUnit
{
    std::string masterPath; ///< the composed path of the unit's master file
    UnitLocator locator;
    std::string lessonName; ///< the captions chosen in the selection window
    std::string sectionName;
    std::string unitName;
};

/// Reads the chosen unit in Add mode into the holder (filled from `sheet` beforehand): its
/// question and graph lines are appended and the combined title is built. True when the unit was
/// read; the sheet's `lastCaption` then holds the new title. A missing master file or unit adds
/// "単元がありません"; a unit the reader refuses adds the reader's messages; a unit whose graphs
/// would take either graph list past 15 entries adds "これ以上追加できません". On false the
/// reader state and the sheet are as they were, and the holder is not to be committed.
bool AddUnitToHolder(const ChosenUnit &chosen,
                     Worksheet &sheet,
                     ReaderState &state,
                     UnitRecord &holder,
                     Messages &messages);

/// `CommitHolder`: the sheet no longer counts as opened from its master file, so it is saved as
/// a copy and not written back into the file. Its window then takes the holder's `unitCaption` as
/// caption while the sheet keeps its `sheetKey`, and the sheet takes the holder
/// (`RetakeUnitRecord`).
void CommitHolder(Worksheet &sheet);

} // namespace zelkon
