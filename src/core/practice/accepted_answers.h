// The accepted answers of every answer field, and the judging of one entered answer.
#pragma once

#include "sheet/render_tables.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace zelkon {

/// Per answer field 1 to 80 (entry 0 unused), the accepted answers in order.
using AcceptedAnswers = std::array<std::vector<std::string>, kMaxAnswerFields + 1>;

/// Fields 1 to answerFieldCount (held at 80): the field's answer text split at every ";",
/// empty parts included ("a;;b" gives "a", "", "b"; "a;" gives "a", ""). Other entries empty.
AcceptedAnswers BuildAcceptedAnswers(const RenderTables &tables);

/// What the verdicts of a drill add up to.
struct DrillTally
{
    int wrongCount = 0;     ///< verdicts 0 and −2
    std::string markString; ///< "O" 1, "x" 0, "X" −2, outside a review only
};

/// The verdict on `text` for a field: kFieldNotJudged when its box is hidden; otherwise the
/// first accepted answer whose TrimAnswer equals TrimAnswer(text) byte for byte gives
/// kFieldRightAfterReveal when the field's answer was revealed, else kFieldRight; none gives
/// kFieldWrong. Verdicts 0 and −2 add to the tally's wrong count; outside a review each verdict
/// but −1 appends its mark.
int JudgeAnswer(const std::vector<std::string> &accepted,
                std::string_view text,
                bool revealed,
                bool boxHidden,
                bool reviewMode,
                DrillTally &tally);

} // namespace zelkon
