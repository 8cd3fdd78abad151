// The record line one scored drill leaves in the learner's record file.
#pragma once

#include "common/format.h"

#include <string>

namespace zelkon {

/// What the scoring hands over for the record line.
struct DrillResult
{
    int similarProblem = 0; ///< the similar-problem number of a similar-problem sheet, else 0
    std::string markString; ///< "O", "x", "X" per judged field, in field order
    int rightCount = 0;     ///< fields right at once
    int fieldCount = 0;     ///< answer fields of the unit
    int score = 0;          ///< 0 to 100
    int elapsedSeconds = 0; ///< time taken
};

/// "類題k)" (only when similarProblem > 0) + "2005年03月07日 14:05 OOxO  3/ 4  75点 01:23":
/// counts as "%2d/%2d %3d点" (wider numbers widen the piece), time taken as minutes and seconds
/// with at least two digits each ("125:05").
std::string RecordLine(const DrillResult &result, const LocalTime &when);

} // namespace zelkon
