// Checking the answer marks of question lines, extracting the answers and deriving the choice
// block from them.
#include "authoring/answer_marks.h"

#include "common/cp932.h"
#include "common/sjis_text.h"

#include <algorithm>

namespace zelkon {

namespace {

// The characters the two choice filters look for, each one CP932 character.
const std::vector<std::string> &DigitCharacters()
{
    static const std::vector<std::string> digits
        = SplitCharacters(Utf8ToCp932("０１２３４５６７８９"));
    return digits;
}

const std::vector<std::string> &LabelCharacters()
{
    static const std::vector<std::string> labels = SplitCharacters(
        Utf8ToCp932("あいうえおかきくけこアイウエオカキクケコＡＢＣＤＥＦＨＩＪ"));
    return labels;
}

bool Contains(const std::vector<std::string> &characters, std::string_view character)
{
    return std::find(characters.begin(), characters.end(), character) != characters.end();
}

// The digit filter keeps a line that has a character other than a full-width digit. It looks at
// whole characters: pairing bytes from the start would pair the second byte of one character
// with the first byte of the next after any one-byte character, so that "P２" read as digits
// and "１a" lost its "a". A line of one byte stays out, as it always has.
bool PassesDigitFilter(std::string_view line)
{
    if (line.size() < 2)
        return false;
    const std::vector<std::string> characters = SplitCharacters(line);
    return std::any_of(characters.begin(), characters.end(), [](const std::string &c) {
        return !Contains(DigitCharacters(), c);
    });
}

// A choice that is one of the labels questions number their choices with, such as "ア" or "Ａ".
bool IsLabel(std::string_view line)
{
    return line.size() == 2 && IsLeadByte(static_cast<unsigned char>(line.front()))
           && Contains(LabelCharacters(), line);
}

Message LineMessage(std::size_t index, const char *utf8Text)
{
    const int number = static_cast<int>(index) + 1;
    return {std::to_string(number) + Utf8ToCp932(utf8Text), number};
}

} // namespace

std::optional<int> CheckAnswerMarks(const std::vector<std::string> &questionLines,
                                    Messages &messages)
{
    bool anyMark = false;
    for (std::size_t i = 0; i < questionLines.size(); ++i) {
        const std::vector<std::string> pieces = SplitAtHash(questionLines[i]);
        const std::size_t marks = pieces.size() - 1;
        if (marks % 2 != 0) {
            messages.push_back(LineMessage(i, "行目：＃の数は偶数にしてください"));
            return static_cast<int>(i);
        }
        // Between the first and the last piece every piece must hold something: an answer, or
        // the text that separates two answer fields.
        if (marks > 0
            && std::any_of(pieces.begin() + 1, pieces.end() - 1, [](const std::string &p) {
                   return p.empty();
               })) {
            messages.push_back(LineMessage(i, "行目：解答がありません"));
            return static_cast<int>(i);
        }
        anyMark = anyMark || marks > 0;
    }
    if (!anyMark) {
        messages.push_back({Utf8ToCp932("解答欄がありません"), 0});
        return 0;
    }
    return std::nullopt;
}

std::vector<std::string> ExtractAnswers(const std::vector<std::string> &questionLines)
{
    std::vector<std::string> answers;
    for (const std::string &line : questionLines) {
        const std::vector<std::string> pieces = SplitAtHash(line);
        // Odd pieces stand between a pair of marks; the last piece follows the last mark, so a
        // line that never passed the check cannot make its unclosed tail an answer.
        for (std::size_t i = 1; i + 1 < pieces.size(); i += 2)
            answers.push_back(TrimAnswer(pieces[i]));
    }
    return answers;
}

std::vector<std::string>
BuildChoices(const std::vector<std::string> &answers, bool digitFilter, bool labelFilter)
{
    std::vector<std::string> choices;
    for (const std::string &answer : answers) {
        if (answer.empty())
            continue;
        const std::vector<std::string> alternatives = SplitAlternatives(answer);
        choices.insert(choices.end(), alternatives.begin(), alternatives.end());
    }
    if (digitFilter)
        std::erase_if(choices, [](const std::string &c) { return !PassesDigitFilter(c); });
    if (labelFilter)
        std::erase_if(choices, IsLabel);
    return choices;
}

void MergeDummies(std::vector<std::string> &choiceLines, const std::vector<std::string> &dummies)
{
    for (const std::string &dummy : dummies) {
        if (dummy.empty()
            || std::find(choiceLines.begin(), choiceLines.end(), dummy) != choiceLines.end())
            continue;
        choiceLines.push_back(dummy);
    }
}

int ChoiceCharacterCount(const std::vector<std::string> &choiceLines)
{
    int count = 0;
    for (const std::string &line : choiceLines)
        count += static_cast<int>(line.size() / 2);
    return count;
}

std::string AnswerFieldMarkup(std::string_view selected)
{
    const std::string mark = std::string(kFullWidthSpace) + "#" + std::string(kFullWidthSpace);
    return mark + std::string(selected) + mark;
}

std::string UnderlineBracketMarkup(std::string_view selected)
{
    return "<U>" + Utf8ToCp932("（") + std::string(selected) + Utf8ToCp932("）") + "</>";
}

} // namespace zelkon
