// Where a practised sheet's records live, and the record line of a scored drill.
#pragma once

#include "practice/accepted_answers.h"
#include "records/record_line.h"
#include "sheet/render_tables.h"
#include "sheet/worksheet.h"

#include <string>
#include <string_view>

namespace zelkon {

/// The record file and section of a sheet. Both come from the sheet itself: a copy file
/// records under its own file name in the learner's file of lesson 1, a sheet opened from its
/// master file under its unit key (its own locator and unit title) in the file of its lesson.
/// A sheet that is neither (units added to it) has no place: the key is empty, and nothing is
/// read or written for it.
struct RecordTarget
{
    std::string file;
    std::string key;
};
RecordTarget PracticeRecordTarget(const Worksheet &sheet,
                                  std::string_view recordsFolder,
                                  std::string_view learnerName);

/// What the record line of a scored drill of this sheet holds: the similar-problem number of a
/// similar-problem sheet, the marks, the right and total counts, the score and the time taken.
DrillResult DrillResultOf(const Worksheet &sheet,
                          const RenderTables &tables,
                          const DrillTally &tally,
                          int elapsedSeconds);

} // namespace zelkon
