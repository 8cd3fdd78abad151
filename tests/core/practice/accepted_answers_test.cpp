// Accepted answers and the judging of entered answers.
#include "practice/accepted_answers.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

namespace zelkon {
namespace {

using test::J;

TEST(AcceptedAnswers, SplitsEveryFieldAtEverySemicolonKeepingEmptyParts)
{
    const struct
    {
        const char *answerText;
        std::vector<std::string> expected;
    } cases[] = {
        {"東京;とうきょう", {"東京", "とうきょう"}},
        {"a;;b", {"a", "", "b"}},
        {"a;", {"a", ""}},
        {";", {"", ""}},
        {"ａ", {"ａ"}},
        {"", {""}},
    };
    RenderTables tables;
    tables.answerFieldCount = static_cast<int>(std::size(cases));
    for (int i = 1; i <= tables.answerFieldCount; ++i)
        tables.answerFieldTable[i].answerText = J(cases[i - 1].answerText);
    tables.answerFieldTable[tables.answerFieldCount + 1].answerText = "beyond";

    const AcceptedAnswers accepted = BuildAcceptedAnswers(tables);
    for (int i = 1; i <= tables.answerFieldCount; ++i)
        EXPECT_EQ(accepted[i], test::JLines(cases[i - 1].expected)) << cases[i - 1].answerText;
    EXPECT_TRUE(accepted[0].empty());
    EXPECT_TRUE(accepted[tables.answerFieldCount + 1].empty());
}

TEST(AcceptedAnswers, FieldCountIsHeldToTheTable)
{
    RenderTables tables;
    tables.answerFieldCount = kMaxAnswerFields + 5;
    tables.answerFieldTable[kMaxAnswerFields].answerText = "last";
    const AcceptedAnswers accepted = BuildAcceptedAnswers(tables);
    EXPECT_EQ(accepted[kMaxAnswerFields], std::vector<std::string>{"last"});
}

std::vector<std::string> Accepted(const char *answerText)
{
    RenderTables tables;
    tables.answerFieldCount = 1;
    tables.answerFieldTable[1].answerText = J(answerText);
    return BuildAcceptedAnswers(tables)[1];
}

TEST(JudgeAnswer, ComparesTrimmedTextsByteForByteAndTallies)
{
    const struct
    {
        const char *answerText;
        const char *entered;
        bool revealed;
        bool hidden;
        int verdict;
        const char *mark;
    } cases[] = {
        {"東京;とうきょう", "とうきょう", false, false, kFieldRight, "O"},
        {"東京;とうきょう", "　東京", false, false, kFieldRight, "O"},
        {"東京;とうきょう", "とうきょう ", false, false, kFieldRight, "O"},
        {"東京;とうきょう", "大阪", false, false, kFieldWrong, "x"},
        {"東京;とうきょう", "", false, false, kFieldWrong, "x"},
        // An empty alternative accepts an empty (or blank) box.
        {"Tokyo;", "", false, false, kFieldRight, "O"},
        {"Tokyo;;TKY", " \t", false, false, kFieldRight, "O"},
        // Neither width nor case is folded.
        {"Tokyo", "Ｔｏｋｙｏ", false, false, kFieldWrong, "x"},
        {"ＡＢＣ", "ABC", false, false, kFieldWrong, "x"},
        {"Tokyo", "tokyo", false, false, kFieldWrong, "x"},
        // Blanks around an accepted answer are trimmed as well.
        {"　京都　", "京都", false, false, kFieldRight, "O"},
        {"東京", "東京", true, false, kFieldRightAfterReveal, "X"},
        {"東京", "大阪", true, false, kFieldWrong, "x"},
        {"東京", "東京", false, true, kFieldNotJudged, ""},
        {"東京", "大阪", true, true, kFieldNotJudged, ""},
    };
    for (const auto &c : cases) {
        DrillTally tally;
        tally.wrongCount = 3;
        tally.markString = "O";
        const int verdict
            = JudgeAnswer(Accepted(c.answerText), J(c.entered), c.revealed, c.hidden, false, tally);
        const bool counted = verdict == kFieldWrong || verdict == kFieldRightAfterReveal;
        SCOPED_TRACE(std::string(c.answerText) + " / " + c.entered);
        EXPECT_EQ(verdict, c.verdict);
        EXPECT_EQ(tally.markString, std::string("O") + c.mark);
        EXPECT_EQ(tally.wrongCount, counted ? 4 : 3);
    }
}

TEST(JudgeAnswer, ReviewCountsWrongAnswersButAddsNoMark)
{
    const auto accepted = Accepted("東京");
    DrillTally tally;
    JudgeAnswer(accepted, J("東京"), false, false, /*reviewMode=*/true, tally);
    JudgeAnswer(accepted, J("大阪"), false, false, /*reviewMode=*/true, tally);
    JudgeAnswer(accepted, J("東京"), true, false, /*reviewMode=*/true, tally);
    EXPECT_EQ(tally.markString, "");
    EXPECT_EQ(tally.wrongCount, 2);
}

TEST(JudgeAnswer, FieldWithoutAcceptedAnswersIsWrong)
{
    DrillTally tally;
    EXPECT_EQ(JudgeAnswer({}, "", false, false, false, tally), kFieldWrong);
    EXPECT_EQ(tally.markString, "x");
}

} // namespace
} // namespace zelkon
