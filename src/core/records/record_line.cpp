// Record line text.
#include "records/record_line.h"

#include "common/cp932.h"
#include "common/format.h"

#include <cstdio>

namespace zelkon {

std::string RecordLine(const DrillResult &result, const LocalTime &when)
{
    std::string line;
    if (result.similarProblem > 0)
        line += Utf8ToCp932("類題") + std::to_string(result.similarProblem) + ")";
    line += KanjiDate(when.year, when.month, when.day) + " " + TimeOfDay(when.hour, when.minute);
    line += " " + result.markString + " ";

    char counts[48];
    std::snprintf(
        counts, sizeof counts, "%2d/%2d %3d", result.rightCount, result.fieldCount, result.score);
    line += counts;
    line += Utf8ToCp932("点");

    const int minutes = result.elapsedSeconds / 60;
    const int seconds = result.elapsedSeconds % 60;
    line += " " + TwoDigits(minutes) + ":" + TwoDigits(seconds);
    return line;
}

} // namespace zelkon
