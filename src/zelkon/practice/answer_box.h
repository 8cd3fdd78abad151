// The practice window's answer boxes: their font, and the height the toolkit gives them, which
// the answer fields of every render follow.
#pragma once

#include <QFont>

namespace zelkon {

/// "ＭＳ 明朝" at `points` (the main window's 文字サイズ), laid out for a 96 dpi screen.
QFont AnswerBoxFont(int points);

/// Height of a one-line input box in AnswerBoxFont(points), as the toolkit sizes it.
int AnswerBoxHeight(int points);

} // namespace zelkon
