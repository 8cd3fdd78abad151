// Scoring a drill and choosing its feedback: verdicts for every field, the score, the praise,
// the picture and the closing message.
#pragma once

#include "practice/accepted_answers.h"
#include "practice/answer_input.h"
#include "practice/drill_random.h"
#include "sheet/render_tables.h"

#include <string>

namespace zelkon {

/// True when every one of fields 1 to answerFieldCount has a visible, empty box: nothing was
/// entered, and the drill cannot be scored.
bool NothingEntered(const BoxViews &boxes, const RenderTables &tables);

/// Judges every field 1 to answerFieldCount on its LearnerAnswers entry and stores the verdict
/// as its state; the tally starts again from nothing.
void ScoreFields(RenderTables &tables,
                 const AcceptedAnswers &accepted,
                 const BoxViews &boxes,
                 bool reviewMode,
                 DrillTally &tally);

/// Fields 1 to answerFieldCount whose state is kFieldRight.
int RightCount(const RenderTables &tables);

/// RightCount × 100 / answerFieldCount rounded half up (2 of 3 → 67, 1 of 8 → 13); 0 without
/// fields.
int ComputeScore(const RenderTables &tables);

/// "★★" + one of the six praises, each equally likely, + "★★" (CP932).
std::string PraiseMessage(DrillRandom &random);

/// The eight feedback pictures.
enum class FeedbackPicture { Gaoh, Namida, Nanda, Sleep, Happy, GreenHeart, Kutta, RedHeart };

/// The picture for a score: 0 Gaoh, 1–39 Namida, 40–59 Nanda, 60–79 Sleep, 80–99 Happy or
/// GreenHeart, 100 Kutta or RedHeart (each pair chosen at random, the only draws made); a
/// score outside 0 to 100 counts as the nearer end.
FeedbackPicture FeedbackPictureFor(int score, DrillRandom &random);

/// How a drill ended, for FinishMessage.
enum class DrillKind { Practice, Review, Test };

/// The message box text of a drill's end that was not all correct (CP932): "復習を終わりました",
/// "練習を終わりました" or "テストを終わりました".
std::string FinishMessageText(DrillKind kind);

} // namespace zelkon
