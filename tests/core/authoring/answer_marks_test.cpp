// The answer marks of question lines: the check, the extraction, the derived choice block, the
// dummy merge, the counters and the two markups.
#include "authoring/answer_marks.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

namespace zelkon {
namespace {

using test::J;
using test::JLines;
using test::U;
using Lines = std::vector<std::string>;

Lines UtfLines(const Lines &cp932)
{
    Lines utf8;
    for (const std::string &line : cp932)
        utf8.push_back(U(line));
    return utf8;
}

Lines NinePlainLinesThen(const std::string &line)
{
    Lines lines(9, "plain");
    lines.push_back(line);
    return lines;
}

TEST(AnswerMarks, CheckPassesOrNamesTheFirstFailingLine)
{
    struct Case
    {
        const char *name;
        Lines lines; // UTF-8
        std::optional<int> failure;
        const char *message; // UTF-8; empty when the check passes
        int messageLine;
    };
    const Case cases[] = {
        {"template",
         {"１．次の各空欄に適語を入れなさい。", "例　日本の首都は　#　東京　#　です"},
         {},
         "",
         0},
        {"blank answer is an answer", {"#　#"}, {}, "", 0},
        {"two fields with text between", {"#a#b#c#"}, {}, "", 0},
        {"a line without marks among marked ones", {"#a#", "plain", ""}, {}, "", 0},
        {"odd marks", {"a#b"}, 0, "1行目：＃の数は偶数にしてください", 1},
        {"three marks", {"#a#", "a#b#c#d"}, 1, "2行目：＃の数は偶数にしてください", 2},
        {"two fields with nothing between", {"ok #x#", "#a##b#"}, 1, "2行目：解答がありません", 2},
        {"empty answer", {"##"}, 0, "1行目：解答がありません", 1},
        {"empty second answer", {"x#a#y##"}, 0, "1行目：解答がありません", 1},
        {"line number in decimal",
         NinePlainLinesThen("#"),
         9,
         "10行目：＃の数は偶数にしてください",
         10},
        {"only the first failing line",
         {"#a#", "#b", "##"},
         1,
         "2行目：＃の数は偶数にしてください",
         2},
        {"marks after a failing line do not count",
         {"a#", "#b#"},
         0,
         "1行目：＃の数は偶数にしてください",
         1},
        {"full-width marks are text", {"＃東京＃"}, 0, "解答欄がありません", 0},
        {"no lines", {}, 0, "解答欄がありません", 0},
        {"only empty lines", {"", ""}, 0, "解答欄がありません", 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Messages messages;
        EXPECT_EQ(CheckAnswerMarks(JLines(c.lines), messages), c.failure);
        if (!c.failure) {
            EXPECT_TRUE(messages.empty());
            continue;
        }
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(U(messages[0].text), c.message);
        EXPECT_EQ(messages[0].line, c.messageLine);
    }
}

TEST(AnswerMarks, CheckAddsToTheCallersMessages)
{
    Messages messages{{"earlier", 3}};
    EXPECT_EQ(CheckAnswerMarks({"a#b"}, messages), 0);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, "earlier");
}

TEST(AnswerMarks, ExtractionTakesEachPairTrimmed)
{
    struct Case
    {
        const char *name;
        Lines lines;   // UTF-8
        Lines answers; // UTF-8
    };
    const Case cases[] = {
        {"template", {"例　日本の首都は　#　東京　#　です"}, {"東京"}},
        {"full-width blanks both sides", {"#　東京　#"}, {"東京"}},
        {"half-width then full-width blank", {"# 　東京#"}, {"東京"}},
        {"full-width blank keeps the half-width one after it", {"#　 東京#"}, {" 東京"}},
        {"tabs and blanks", {"#\t東京 \t#"}, {"東京"}},
        {"several full-width blanks at the end", {"#東京　　　#"}, {"東京"}},
        {"blank answer", {"#　#"}, {""}},
        {"alternatives stay together", {"#　東京;とうきょう　#"}, {"東京;とうきょう"}},
        {"left to right, line by line", {"#a#b#c#", "no marks", "x #d# y"}, {"a", "c", "d"}},
        {"text between answers is no answer", {"#a# between #b#"}, {"a", "b"}},
        // The bytes 0x81 0x40 that end "ａ@" are the second byte of "ａ" and an "@", no blank.
        {"a blank only as a whole character", {"#ａ@#"}, {"ａ@"}},
        {"an unclosed last mark gives no answer", {"x#a#y#tail"}, {"a"}},
        {"no lines", {}, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(UtfLines(ExtractAnswers(JLines(c.lines))), c.answers);
    }
}

TEST(AnswerMarks, ChoicesAreTheAlternativesThroughTheFilters)
{
    struct Case
    {
        const char *name;
        Lines answers; // UTF-8
        bool digitFilter;
        bool labelFilter;
        Lines choices; // UTF-8
    };
    const Case cases[] = {
        {"alternatives", {"東京;とうきょう"}, true, true, {"東京", "とうきょう"}},
        {"empty parts kept without filters", {"a;;b"}, false, false, {"a", "", "b"}},
        // One-byte lines go with the empty one.
        {"digit filter drops empty and one-byte lines", {"a;;b"}, true, false, {}},
        {"empty answers give no line", {"", "東京", ""}, false, false, {"東京"}},
        {"duplicates kept in order",
         {"東京", "大阪", "東京"},
         true,
         true,
         {"東京", "大阪", "東京"}},
        {"full-width number removed", {"１２"}, true, false, {}},
        {"full-width number kept without the filter", {"１２"}, false, false, {"１２"}},
        {"digits with a word kept", {"１２月"}, true, false, {"１２月"}},
        {"half-width digits are not the digit text", {"12"}, true, false, {"12"}},
        {"two one-byte characters kept", {"ab"}, true, false, {"ab"}},
        {"one half-width katakana removed", {"ｱ"}, true, false, {}},
        // Characters are whole: a one-byte character must not shift the pairs of bytes.
        {"letter before a digit kept", {"P２"}, true, false, {"P２"}},
        {"letter after a digit kept", {"１a"}, true, false, {"１a"}},
        {"half-width digit after full-width ones kept", {"１２3"}, true, false, {"１２3"}},
        {"label removed", {"ア"}, false, true, {}},
        {"label kept without the filter", {"ア"}, false, false, {"ア"}},
        {"every kind of label", {"あ", "こ", "コ", "Ａ", "Ｆ", "Ｈ", "Ｊ"}, false, true, {}},
        {"no Ｇ among the labels", {"Ｇ"}, false, true, {"Ｇ"}},
        {"two labels are a word", {"アイ"}, false, true, {"アイ"}},
        {"a kana that is no label", {"さ"}, false, true, {"さ"}},
        {"both filters", {"１２;ア;東京", "Ａ"}, true, true, {"東京"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(UtfLines(BuildChoices(JLines(c.answers), c.digitFilter, c.labelFilter)),
                  c.choices);
    }
}

TEST(AnswerMarks, DummiesMissingFromTheChoicesAreAppended)
{
    struct Case
    {
        const char *name;
        Lines choices; // UTF-8
        Lines dummies; // UTF-8
        Lines merged;  // UTF-8
    };
    const Case cases[] = {
        {"appended in order", {"東京"}, {"大阪", "名古屋"}, {"東京", "大阪", "名古屋"}},
        {"one equal to a choice is not added", {"東京", "大阪"}, {"大阪"}, {"東京", "大阪"}},
        {"a dummy listed twice is added once", {}, {"x", "x"}, {"x"}},
        {"empty dummies are not added", {""}, {"", "京都"}, {"", "京都"}},
        {"equal means byte for byte", {"東京"}, {"東京 "}, {"東京", "東京 "}},
        {"no dummies", {"東京"}, {}, {"東京"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Lines choices = JLines(c.choices);
        MergeDummies(choices, JLines(c.dummies));
        EXPECT_EQ(UtfLines(choices), c.merged);
    }
}

TEST(AnswerMarks, CharactersCountHalfTheBytesOfEachLine)
{
    EXPECT_EQ(ChoiceCharacterCount(JLines({"東京", "x"})), 2);
    EXPECT_EQ(ChoiceCharacterCount({}), 0);
    EXPECT_EQ(ChoiceCharacterCount({"abc", "d"}), 1);
    EXPECT_EQ(ChoiceCharacterCount(JLines({"東京ab", ""})), 3);
}

TEST(AnswerMarks, MarkupsEncloseTheSelection)
{
    EXPECT_EQ(AnswerFieldMarkup(J("東京")), J("　#　東京　#　"));
    EXPECT_EQ(UnderlineBracketMarkup(J("東京")), J("<U>（東京）</>"));

    // What the answer-field markup encloses comes back out as the answer.
    const std::string line
        = J("日本の首都は") + AnswerFieldMarkup(J("東京;とうきょう")) + J("です");
    Messages messages;
    EXPECT_EQ(CheckAnswerMarks({line}, messages), std::nullopt);
    EXPECT_EQ(ExtractAnswers({line}), (Lines{J("東京;とうきょう")}));
}

} // namespace
} // namespace zelkon
