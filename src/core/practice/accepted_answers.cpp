// Accepted answers and the judging of one entered answer.
#include "practice/accepted_answers.h"

#include "common/sjis_text.h"

#include <algorithm>

namespace zelkon {

namespace {

constexpr char kRightMark = 'O';
constexpr char kWrongMark = 'x';
constexpr char kRevealedMark = 'X';

} // namespace

AcceptedAnswers BuildAcceptedAnswers(const RenderTables &tables)
{
    AcceptedAnswers accepted;
    const int count = std::clamp(tables.answerFieldCount, 0, kMaxAnswerFields);
    for (int i = 1; i <= count; ++i)
        accepted[i] = SplitAlternatives(tables.answerFieldTable[i].answerText);
    return accepted;
}

int JudgeAnswer(const std::vector<std::string> &accepted,
                std::string_view text,
                bool revealed,
                bool boxHidden,
                bool reviewMode,
                DrillTally &tally)
{
    if (boxHidden)
        return kFieldNotJudged;

    const std::string entered = TrimAnswer(text);
    const bool matched = std::any_of(accepted.begin(), accepted.end(), [&](const std::string &a) {
        return TrimAnswer(a) == entered;
    });
    const int verdict = !matched ? kFieldWrong : revealed ? kFieldRightAfterReveal : kFieldRight;

    if (verdict != kFieldRight)
        ++tally.wrongCount;
    if (!reviewMode)
        tally.markString += verdict == kFieldRight   ? kRightMark
                            : verdict == kFieldWrong ? kWrongMark
                                                     : kRevealedMark;
    return verdict;
}

} // namespace zelkon
