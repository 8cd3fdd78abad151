// Where a practised sheet's records live, and the record line of a scored drill.
#include "practice/practice_record.h"

#include "common/sjis_text.h"
#include "practice/scoring.h"
#include "records/record_file.h"

#include <algorithm>

namespace zelkon {

RecordTarget PracticeRecordTarget(const Worksheet &sheet,
                                  std::string_view recordsFolder,
                                  std::string_view learnerName)
{
    // The sheet's own file name and locator, not those of whatever was opened last: the
    // practice window may drill a sheet that is no longer the latest one opened.
    if (sheet.openedAsCopyFile)
        return {RecordFileName(recordsFolder, learnerName, 1), FileNameOf(sheet.filePath)};
    if (sheet.openedFromMaster)
        return {RecordFileName(recordsFolder, learnerName, sheet.locator.lesson),
                UnitKey(sheet.locator.section, sheet.locator.unit, sheet.unitName)};
    return {};
}

DrillResult DrillResultOf(const Worksheet &sheet,
                          const RenderTables &tables,
                          const DrillTally &tally,
                          int elapsedSeconds)
{
    DrillResult result;
    result.similarProblem = sheet.similarProblemSheet ? sheet.locator.variant : 0;
    result.markString = tally.markString;
    result.rightCount = RightCount(tables);
    result.fieldCount = std::clamp(tables.answerFieldCount, 0, kMaxAnswerFields);
    result.score = ComputeScore(tables);
    result.elapsedSeconds = elapsedSeconds;
    return result;
}

} // namespace zelkon
