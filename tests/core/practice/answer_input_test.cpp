// Answer input: Enter transforms, focus order, the choice list shuffle and the soft keyboard.
#include "practice/answer_input.h"

#include "common/cp932.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zelkon {
namespace {

using test::J;

TEST(AnswerInput, EnterTransforms)
{
    const struct
    {
        const char *typed;
        const char *digitRule;
        const char *trimmed;
    } cases[] = {
        {"3a", "３", "3a"},
        {"abc", "", "abc"},
        {"12", "１２", "12"},
        {" 4 5\t", "４５", "4 5"},
        {"東京", "東京", "東京"},
        {"東京 ", "東京 ", "東京"},
        {"\t東京\r\n", "", "東京"},
        {"　東京　", "　東京　", "　東京　"},
        {"", "", ""},
        {"  ", "", ""},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(test::U(FullWidthDigitRule(J(c.typed))), c.digitRule) << c.typed;
        EXPECT_EQ(test::U(TrimBlanks(J(c.typed))), c.trimmed) << c.typed;
    }
}

struct FocusFixture
{
    RenderTables tables;
    BoxViews boxes;

    /// Four fields, all judged right, boxes visible and filled.
    FocusFixture()
    {
        tables.answerFieldCount = 4;
        for (int i = 1; i <= kMaxAnswerFields; ++i) {
            tables.answerFieldTable[i].state = kFieldOpen;
            tables.learnerAnswers[i] = kNothingEntered;
        }
        for (int i = 1; i <= 4; ++i) {
            tables.answerFieldTable[i].state = kFieldRight;
            tables.learnerAnswers[i] = "a";
            boxes[i] = {true, false};
        }
        // Beyond the field count everything looks open; it must never be chosen.
        boxes[5] = {true, true};
    }
};

TEST(AnswerInput, NextOpenFieldSearchesOnwardThenWrapsAround)
{
    const struct
    {
        const char *name;
        std::vector<int> openStates;
        std::vector<int> emptyBoxes;
        std::vector<int> hiddenEmptyBoxes;
        int current;
        int expected;
    } cases[] = {
        {"next one", {2, 3}, {}, {}, 1, 2},
        {"wraps to the start", {1, 2}, {}, {}, 3, 1},
        {"last wraps to first", {1, 2, 3, 4}, {}, {}, 4, 1},
        {"the current field is never its own next", {2}, {}, {}, 2, 0},
        {"visible empty box counts", {}, {3}, {}, 1, 3},
        {"hidden empty box does not", {}, {}, {3}, 1, 0},
        {"nothing open", {}, {}, {}, 2, 0},
        {"from no field", {4}, {}, {}, 0, 4},
        {"from beyond the fields", {2}, {}, {}, 9, 2},
    };
    for (const auto &c : cases) {
        FocusFixture f;
        for (int i : c.openStates)
            f.tables.answerFieldTable[i].state = kFieldOpen;
        for (int i : c.emptyBoxes)
            f.boxes[i] = {true, true};
        for (int i : c.hiddenEmptyBoxes)
            f.boxes[i] = {false, true};
        EXPECT_EQ(NextOpenField(f.boxes, f.tables, c.current), c.expected) << c.name;
    }
}

TEST(AnswerInput, FirstPendingFieldFindsNothingEnteredOrAnEmptyBox)
{
    FocusFixture f;
    EXPECT_EQ(FirstPendingField(f.boxes, f.tables), 0);

    FocusFixture entered = f;
    entered.tables.learnerAnswers[3] = kNothingEntered;
    EXPECT_EQ(FirstPendingField(entered.boxes, entered.tables), 3);

    FocusFixture empty = f;
    empty.boxes[2] = {true, true};
    empty.boxes[4] = {false, true};
    EXPECT_EQ(FirstPendingField(empty.boxes, empty.tables), 2);

    FocusFixture hidden = f;
    hidden.boxes[2] = {false, true};
    EXPECT_EQ(FirstPendingField(hidden.boxes, hidden.tables), 0);
}

std::vector<std::string> Numbered(int n)
{
    std::vector<std::string> items;
    for (int i = 0; i < n; ++i)
        items.push_back(std::to_string(i));
    return items;
}

TEST(AnswerInput, ShuffleListPermutesListsOfTwoOrMore)
{
    DrillRandom random;
    const std::vector<std::string> original = Numbered(12);
    std::vector<std::string> items = original;
    ShuffleList(items, random);
    EXPECT_NE(items, original);
    std::vector<std::string> sorted = items;
    std::sort(sorted.begin(), sorted.end());
    std::vector<std::string> expected = original;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(sorted, expected);

    DrillRandom again;
    std::vector<std::string> repeated = original;
    ShuffleList(repeated, again);
    EXPECT_EQ(repeated, items);
}

TEST(AnswerInput, ShuffleListLeavesShortListsAndTheSequenceAlone)
{
    DrillRandom random;
    for (int n : {0, 1}) {
        std::vector<std::string> items = Numbered(n);
        ShuffleList(items, random);
        EXPECT_EQ(items, Numbered(n));
    }
    DrillRandom fresh;
    EXPECT_EQ(random.below(1000), fresh.below(1000));
}

/// Captions as the first drill of a run finds them, with a marker in the unused entry 0.
SoftKeyCaptions StaleCaptions()
{
    SoftKeyCaptions captions;
    captions.fill("A");
    captions[0] = "unused";
    return captions;
}

std::vector<std::string> Sorted(std::vector<std::string> v)
{
    std::sort(v.begin(), v.end());
    return v;
}

std::vector<std::string> Keys(const SoftKeyCaptions &captions, int from, int to)
{
    return {captions.begin() + from, captions.begin() + to + 1};
}

/// `count` distinct two-byte characters (kanji rows 0x88 and 0x89) as one text.
std::string DistinctCharacters(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += static_cast<char>(i < 94 ? 0x88 : 0x89);
        text += static_cast<char>(i < 94 ? 0x9F + i : 0x40 + (i - 94));
    }
    return text;
}

TEST(SoftKeyboard, OneKeyPerCharacterShuffledAndTheRestEmptied)
{
    DrillRandom random;
    SoftKeyCaptions captions = StaleCaptions();
    // A blank, a tab and a lead byte cut off at the line end are no keys; ｷｬﾝ is three.
    const std::vector<std::string> lines{J("東京"), J("ｷｬﾝ"), "a b\t", J("京") + "\x88"};
    ASSERT_TRUE(FillSoftKeyboard(lines, random, captions));

    EXPECT_EQ(Sorted(Keys(captions, 1, 8)),
              Sorted(test::JLines({"東", "京", "ｷ", "ｬ", "ﾝ", "a", "b", "京"})));
    EXPECT_EQ(Keys(captions, 9, kSoftKeyCount),
              std::vector<std::string>(kSoftKeyCount - 8, std::string()));
    EXPECT_EQ(captions[0], "unused");
}

TEST(SoftKeyboard, OnlyTheFirst120CharactersInFileOrderBecomeKeys)
{
    const std::string all = DistinctCharacters(130);
    const std::vector<std::string> lines{all.substr(0, 2 * 100), all.substr(2 * 100)};
    DrillRandom random;
    SoftKeyCaptions captions = StaleCaptions();
    ASSERT_TRUE(FillSoftKeyboard(lines, random, captions));

    const std::vector<std::string> first120 = SplitCharacters(all.substr(0, 2 * kSoftKeyCount));
    const std::vector<std::string> keys = Keys(captions, 1, kSoftKeyCount);
    EXPECT_EQ(Sorted(keys), Sorted(first120));
    EXPECT_NE(keys, first120) << "the keys are shuffled";
    EXPECT_EQ(captions[0], "unused");

    DrillRandom again;
    SoftKeyCaptions repeated = StaleCaptions();
    FillSoftKeyboard(lines, again, repeated);
    EXPECT_EQ(repeated, captions) << "the same seed gives the same layout";
}

TEST(SoftKeyboard, DuplicateCharactersKeepAKeyEach)
{
    DrillRandom random;
    SoftKeyCaptions captions = StaleCaptions();
    ASSERT_TRUE(FillSoftKeyboard({J("ああ"), J("あいあ")}, random, captions));
    EXPECT_EQ(Sorted(Keys(captions, 1, 5)), test::JLines({"あ", "あ", "あ", "あ", "い"}));
    EXPECT_EQ(captions[6], "");
}

TEST(SoftKeyboard, WithoutLinesTheKeysKeepTheirCaptions)
{
    DrillRandom random;
    SoftKeyCaptions captions = StaleCaptions();
    EXPECT_FALSE(FillSoftKeyboard({}, random, captions));
    EXPECT_EQ(captions, StaleCaptions());

    // Lines without a single key character still empty every key.
    EXPECT_TRUE(FillSoftKeyboard({"", " "}, random, captions));
    EXPECT_EQ(Keys(captions, 1, kSoftKeyCount),
              std::vector<std::string>(kSoftKeyCount, std::string()));
}

} // namespace
} // namespace zelkon
