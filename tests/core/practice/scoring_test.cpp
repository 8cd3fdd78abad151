// Scoring a drill and choosing its feedback.
#include "practice/scoring.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

#include <set>

namespace zelkon {
namespace {

using test::J;

/// Tables with one field per answer text, each entered as given, all boxes visible and filled.
struct Drill
{
    RenderTables tables;
    BoxViews boxes;

    Drill(const std::vector<const char *> &answers, const std::vector<const char *> &entered)
    {
        tables.answerFieldCount = static_cast<int>(answers.size());
        for (std::size_t i = 0; i < answers.size(); ++i) {
            tables.answerFieldTable[i + 1].answerText = J(answers[i]);
            tables.learnerAnswers[i + 1] = J(entered[i]);
            boxes[i + 1] = {true, std::string_view(entered[i]).empty()};
        }
    }

    DrillTally score(bool reviewMode = false)
    {
        DrillTally tally{7, "stale"};
        ScoreFields(tables, BuildAcceptedAnswers(tables), boxes, reviewMode, tally);
        return tally;
    }

    std::vector<int> states() const
    {
        std::vector<int> s;
        for (int i = 1; i <= tables.answerFieldCount; ++i)
            s.push_back(tables.answerFieldTable[i].state);
        return s;
    }
};

TEST(Scoring, ATestOfThreeFieldsWithTheSecondWrong)
{
    Drill drill({"東京;とうきょう", "大阪", "京都"}, {"とうきょう ", "奈良", "京都"});
    const DrillTally tally = drill.score();
    EXPECT_EQ(drill.states(), (std::vector<int>{kFieldRight, kFieldWrong, kFieldRight}));
    EXPECT_EQ(tally.markString, "OxO");
    EXPECT_EQ(tally.wrongCount, 1);
    EXPECT_EQ(RightCount(drill.tables), 2);
    EXPECT_EQ(ComputeScore(drill.tables), 67);
    DrillRandom random;
    EXPECT_EQ(FeedbackPictureFor(ComputeScore(drill.tables), random), FeedbackPicture::Sleep);
}

TEST(Scoring, RevealedAndHiddenFields)
{
    Drill drill({"東京", "大阪", "京都", "奈良;"}, {"東京", "大阪", "神戸", ""});
    drill.tables.answerFieldTable[1].revealed = true;
    drill.boxes[2].visible = false;
    const DrillTally tally = drill.score();
    EXPECT_EQ(
        drill.states(),
        (std::vector<int>{kFieldRightAfterReveal, kFieldNotJudged, kFieldWrong, kFieldRight}));
    EXPECT_EQ(tally.markString, "XxO");
    EXPECT_EQ(tally.wrongCount, 2);
    // Only fields right at once count for the score.
    EXPECT_EQ(RightCount(drill.tables), 1);
    EXPECT_EQ(ComputeScore(drill.tables), 25);

    const DrillTally review = drill.score(/*reviewMode=*/true);
    EXPECT_EQ(review.markString, "");
    EXPECT_EQ(review.wrongCount, 2);
}

TEST(Scoring, NothingEnteredOnlyWhenEveryFieldHasAVisibleEmptyBox)
{
    Drill empty({"a", "b", "c"}, {"", "", ""});
    empty.boxes[4] = {true, false}; // beyond the fields
    EXPECT_TRUE(NothingEntered(empty.boxes, empty.tables));

    Drill one({"a", "b", "c"}, {"", "b", ""});
    EXPECT_FALSE(NothingEntered(one.boxes, one.tables));

    Drill hidden({"a", "b", "c"}, {"", "", ""});
    hidden.boxes[3].visible = false;
    EXPECT_FALSE(NothingEntered(hidden.boxes, hidden.tables));

    Drill noFields({}, {});
    EXPECT_TRUE(NothingEntered(noFields.boxes, noFields.tables));
}

TEST(Scoring, ComputeScoreRoundsHalfUp)
{
    const struct
    {
        int right, fields, score;
    } cases[] = {
        {2, 3, 67},
        {1, 8, 13},
        {0, 0, 0},
        {3, 3, 100},
        {0, 5, 0},
        {1, 3, 33},
        {1, 2, 50},
        {7, 9, 78},
        {40, 100, 50},
    };
    for (const auto &c : cases) {
        RenderTables tables;
        tables.answerFieldCount = c.fields;
        for (int i = 1; i <= std::min(c.fields, kMaxAnswerFields); ++i)
            tables.answerFieldTable[i].state = i <= c.right ? kFieldRight : kFieldWrong;
        // A count beyond the table's 80 fields is held to them: 40 of 80.
        EXPECT_EQ(ComputeScore(tables), c.score) << c.right << "/" << c.fields;
    }
}

TEST(Feedback, PictureBands)
{
    using P = FeedbackPicture;
    const struct
    {
        int score;
        std::set<P> pictures;
    } cases[] = {
        {0, {P::Gaoh}},
        {1, {P::Namida}},
        {39, {P::Namida}},
        {40, {P::Nanda}},
        {59, {P::Nanda}},
        {60, {P::Sleep}},
        {79, {P::Sleep}},
        {80, {P::Happy, P::GreenHeart}},
        {99, {P::Happy, P::GreenHeart}},
        {100, {P::Kutta, P::RedHeart}},
    };
    for (const auto &c : cases) {
        DrillRandom random;
        std::set<P> seen;
        for (int i = 0; i < 40; ++i)
            seen.insert(FeedbackPictureFor(c.score, random));
        EXPECT_EQ(seen, c.pictures) << c.score;
        // Only the two-picture bands draw from the random source.
        DrillRandom fresh;
        if (c.pictures.size() == 1) {
            EXPECT_EQ(random.below(1000), fresh.below(1000)) << c.score;
        }
    }
}

TEST(Feedback, PraiseIsOneOfSixBetweenStars)
{
    std::set<std::string> seen;
    DrillRandom random;
    for (int i = 0; i < 200; ++i)
        seen.insert(test::U(PraiseMessage(random)));
    EXPECT_EQ(seen,
              (std::set<std::string>{"★★正解です★★",
                                     "★★よくできました★★",
                                     "★★合っています★★",
                                     "★★ＧＯＯＤ★★",
                                     "★★ＧＲＥＡＴ★★",
                                     "★★ＮＩＣＥ★★"}));
}

TEST(Feedback, FinishMessages)
{
    EXPECT_EQ(test::U(FinishMessageText(DrillKind::Review)), "復習を終わりました");
    EXPECT_EQ(test::U(FinishMessageText(DrillKind::Practice)), "練習を終わりました");
    EXPECT_EQ(test::U(FinishMessageText(DrillKind::Test)), "テストを終わりました");
}

} // namespace
} // namespace zelkon
