// Answer input of a drill: the text an Enter leaves in a box, where the focus goes next, the
// choice list shuffle and the soft keyboard.
#pragma once

#include "practice/drill_random.h"
#include "sheet/render_tables.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace zelkon {

/// The text of LearnerAnswers entries for which nothing was entered in the drill yet.
inline constexpr std::string_view kNothingEntered = "initX";

/// What the drill needs to know of an answer box (entry 0 unused).
struct BoxView
{
    bool visible = false;
    bool empty = true;
};
using BoxViews = std::array<BoxView, kMaxAnswerFields + 1>;

/// The full-width digit rule of Enter: a text whose first byte is single-byte becomes the
/// full-width forms of its half-width digits, every other character dropped ("3a" → "３",
/// "abc" → ""); a text starting with a two-byte character, or an empty one, is unchanged.
std::string FullWidthDigitRule(std::string_view boxText);

/// The box text with bytes up to 32 removed at both ends (blanks and control characters).
std::string TrimBlanks(std::string_view boxText);

/// Searching from currentField + 1 to the field count, then from 1 to currentField − 1, the
/// first field whose box is visible and empty or whose state is open; 0 when there is none.
int NextOpenField(const BoxViews &boxes, const RenderTables &tables, int currentField);

/// The first field from 1 whose box is visible and empty or whose LearnerAnswers entry is
/// still kNothingEntered; 0 when nothing is left to enter.
int FirstPendingField(const BoxViews &boxes, const RenderTables &tables);

/// Shuffles a list of two or more items in place: for every i, j := a random index, and items
/// i and j swap when they differ. Lists of fewer than two items are left alone.
void ShuffleList(std::vector<std::string> &items, DrillRandom &random);

inline constexpr int kSoftKeyCount = 120;
/// Captions of the soft keys Button1 … Button120 (entry 0 unused), CP932.
using SoftKeyCaptions = std::array<std::string, kSoftKeyCount + 1>;

/// `FillSoftKeyboard`: does nothing and returns false when `lines` is empty. Otherwise every
/// CP932 character of the lines in order (blanks and control bytes skipped; half-width katakana
/// one character) becomes a key up to the 120th, the first k keys then swap captions at
/// random (j in 0 … k, no key 0), and keys k + 1 to 120 get empty captions. Duplicate
/// characters keep a key each.
bool FillSoftKeyboard(const std::vector<std::string> &lines,
                      DrillRandom &random,
                      SoftKeyCaptions &captions);

} // namespace zelkon
