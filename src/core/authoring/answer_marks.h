// The rules of the answer marks in question lines: checking them, extracting the answers,
// deriving the choice block from them and the dummies, counting it, and the two markups.
#pragma once

#include "common/messages.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelkon {

/// `CheckAnswerMarks`: none when every line has an even number of '#' marks with an answer
/// between each pair and at least one line has marks; otherwise the index (from 0) of the first
/// failing line — 0 when no line has a mark — with its one message in `messages` ("N行目：＃の数は
/// 偶数にしてください", "N行目：解答がありません" or "解答欄がありません"). The message's `line` is
/// N, the failing line's number among the question lines, and 0 for "解答欄がありません".
std::optional<int> CheckAnswerMarks(const std::vector<std::string> &questionLines,
                                    Messages &messages);

/// `ExtractAnswers`: the text of each pair of marks, line by line and left to right, with bytes
/// up to 32 trimmed at both ends and then full-width blanks at its start and end.
std::vector<std::string> ExtractAnswers(const std::vector<std::string> &questionLines);

/// `BuildChoices`: every non-empty answer split at ';' (empty parts kept), then with the digit
/// filter the lines made only of full-width digits (and empty or one-byte lines) removed, then
/// with the label filter the two-byte lines found in the label text removed.
std::vector<std::string>
BuildChoices(const std::vector<std::string> &answers, bool digitFilter, bool labelFilter);

/// `MergeDummies`: appends each non-empty dummy that no choice line equals exactly.
void MergeDummies(std::vector<std::string> &choiceLines, const std::vector<std::string> &dummies);

/// The characters of the choice lines as the editor counts them: half of each line's bytes,
/// rounded down, summed.
int ChoiceCharacterCount(const std::vector<std::string> &choiceLines);

/// The answer-field markup of a selected text: "　#　" + text + "　#　".
std::string AnswerFieldMarkup(std::string_view selected);
/// The underline-and-bracket markup of a selected text: "<U>（" + text + "）</>".
std::string UnderlineBracketMarkup(std::string_view selected);

} // namespace zelkon
