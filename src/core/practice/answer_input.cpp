// Answer input: Enter transforms, focus order, the choice list shuffle and the soft keyboard.
#include "practice/answer_input.h"

#include "common/cp932.h"
#include "common/sjis_text.h"

#include <algorithm>
#include <utility>

namespace zelkon {

namespace {

int FieldCount(const RenderTables &tables)
{
    return std::clamp(tables.answerFieldCount, 0, kMaxAnswerFields);
}

bool VisibleAndEmpty(const BoxView &box)
{
    return box.visible && box.empty;
}

bool IsBlankByte(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}

/// A character that can be a key: not a blank or control byte, and not a lead byte cut off
/// at the end of its line.
bool IsKeyCharacter(const std::string &ch)
{
    if (ch.size() != 1)
        return true;
    const auto b = static_cast<unsigned char>(ch[0]);
    return b > 32 && !IsLeadByte(b);
}

} // namespace

std::string FullWidthDigitRule(std::string_view boxText)
{
    return ToFullWidthDigits(boxText);
}

std::string TrimBlanks(std::string_view boxText)
{
    while (!boxText.empty() && IsBlankByte(boxText.front()))
        boxText.remove_prefix(1);
    while (!boxText.empty() && IsBlankByte(boxText.back()))
        boxText.remove_suffix(1);
    return std::string(boxText);
}

int NextOpenField(const BoxViews &boxes, const RenderTables &tables, int currentField)
{
    const int count = FieldCount(tables);
    const auto open = [&](int i) {
        return VisibleAndEmpty(boxes[i]) || tables.answerFieldTable[i].state == kFieldOpen;
    };
    for (int i = std::max(currentField + 1, 1); i <= count; ++i) {
        if (open(i))
            return i;
    }
    for (int i = 1; i <= std::min(currentField - 1, count); ++i) {
        if (open(i))
            return i;
    }
    return 0;
}

int FirstPendingField(const BoxViews &boxes, const RenderTables &tables)
{
    const int count = FieldCount(tables);
    for (int i = 1; i <= count; ++i) {
        if (VisibleAndEmpty(boxes[i]) || tables.learnerAnswers[i] == kNothingEntered)
            return i;
    }
    return 0;
}

void ShuffleList(std::vector<std::string> &items, DrillRandom &random)
{
    const int n = static_cast<int>(items.size());
    if (n < 2)
        return;
    for (int i = 0; i < n; ++i) {
        const int j = random.below(n);
        if (j != i)
            std::swap(items[i], items[j]);
    }
}

bool FillSoftKeyboard(const std::vector<std::string> &lines,
                      DrillRandom &random,
                      SoftKeyCaptions &captions)
{
    if (lines.empty())
        return false;

    int k = 0;
    for (const std::string &line : lines) {
        for (std::string &ch : SplitCharacters(line)) {
            if (k == kSoftKeyCount)
                break;
            if (IsKeyCharacter(ch))
                captions[++k] = std::move(ch);
        }
    }
    // Key 0 does not exist, so a draw of 0 leaves key i where it is.
    for (int i = 1; i <= k; ++i) {
        const int j = random.below(k + 1);
        if (j != i && j != 0)
            std::swap(captions[i], captions[j]);
    }
    for (int i = k + 1; i <= kSoftKeyCount; ++i)
        captions[i].clear();
    return true;
}

} // namespace zelkon
