// Scoring a drill and choosing its feedback.
#include "practice/scoring.h"

#include "common/cp932.h"

#include <algorithm>
#include <array>

namespace zelkon {

namespace {

int FieldCount(const RenderTables &tables)
{
    return std::clamp(tables.answerFieldCount, 0, kMaxAnswerFields);
}

} // namespace

bool NothingEntered(const BoxViews &boxes, const RenderTables &tables)
{
    const int count = FieldCount(tables);
    for (int i = 1; i <= count; ++i) {
        if (!boxes[i].visible || !boxes[i].empty)
            return false;
    }
    return true;
}

void ScoreFields(RenderTables &tables,
                 const AcceptedAnswers &accepted,
                 const BoxViews &boxes,
                 bool reviewMode,
                 DrillTally &tally)
{
    tally = DrillTally{};
    const int count = FieldCount(tables);
    for (int i = 1; i <= count; ++i) {
        AnswerField &field = tables.answerFieldTable[i];
        field.state = JudgeAnswer(accepted[i],
                                  tables.learnerAnswers[i],
                                  field.revealed,
                                  /*boxHidden=*/!boxes[i].visible,
                                  reviewMode,
                                  tally);
    }
}

int RightCount(const RenderTables &tables)
{
    const int count = FieldCount(tables);
    int right = 0;
    for (int i = 1; i <= count; ++i) {
        if (tables.answerFieldTable[i].state == kFieldRight)
            ++right;
    }
    return right;
}

int ComputeScore(const RenderTables &tables)
{
    const int count = FieldCount(tables);
    if (count == 0)
        return 0;
    // right × 100 / count + 0.5 truncated, in integers so that no half is lost to rounding.
    return (RightCount(tables) * 200 + count) / (2 * count);
}

std::string PraiseMessage(DrillRandom &random)
{
    static const std::array<const char *, 6> praises{
        "正解です", "よくできました", "合っています", "ＧＯＯＤ", "ＧＲＥＡＴ", "ＮＩＣＥ"};
    const std::string stars = Utf8ToCp932("★★");
    return stars + Utf8ToCp932(praises[random.below(6)]) + stars;
}

FeedbackPicture FeedbackPictureFor(int score, DrillRandom &random)
{
    // ComputeScore stays within 0 … 100; anything outside is held to the nearest end rather
    // than left without a picture.
    score = std::clamp(score, 0, 100);
    if (score == 0)
        return FeedbackPicture::Gaoh;
    switch (score / 20) {
    case 0:
    case 1:
        return FeedbackPicture::Namida;
    case 2:
        return FeedbackPicture::Nanda;
    case 3:
        return FeedbackPicture::Sleep;
    case 4:
        return random.below(2) == 0 ? FeedbackPicture::Happy : FeedbackPicture::GreenHeart;
    default:
        return random.below(2) == 0 ? FeedbackPicture::Kutta : FeedbackPicture::RedHeart;
    }
}

std::string FinishMessageText(DrillKind kind)
{
    switch (kind) {
    case DrillKind::Review:
        return Utf8ToCp932("復習を終わりました");
    case DrillKind::Practice:
        return Utf8ToCp932("練習を終わりました");
    case DrillKind::Test:
        break;
    }
    return Utf8ToCp932("テストを終わりました");
}

} // namespace zelkon
