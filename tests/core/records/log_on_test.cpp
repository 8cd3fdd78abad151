// Log-on rules: names that can log on, the roster at OK and the password verdicts.
#include "records/log_on.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

namespace zelkon {
namespace {

using test::J;
using test::U;

std::string Repeat(const std::string &text, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i)
        out += text;
    return out;
}

TEST(LogOnName, NamesThatCannotNameARecordFileAreRefused)
{
    const std::string longest(249, 'x'); // with "80.ini" exactly 255 bytes
    const struct
    {
        std::string name; // CP932
        const char *problem;
    } cases[] = {
        {"", ""}, // OK with an empty box only saves the roster
        {J("生徒"), ""},
        {J("共通"), ""},
        {J("地図表"), ""}, // 表 ends in the byte of "\", yet is no "\"
        {J("ｷｬﾝｾﾙ 1"), ""},
        {longest, ""},
        {"../x", "氏名に \\ や / は使えません"},
        {"..\\x", "氏名に \\ や / は使えません"},
        {"a/b", "氏名に \\ や / は使えません"},
        {"..", "氏名に .. は使えません"},
        {J("　 "), "氏名を入力してください"},
        {"a\tb", "氏名に制御文字は使えません"},
        {longest + "x", "氏名が長すぎます"},
        {Repeat(J("漢"), 83), ""}, // 166 bytes here, 249 in the file name
        {Repeat(J("漢"), 84), "氏名が長すぎます"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(U(c.name));
        EXPECT_EQ(U(LogOnNameProblem(c.name)), c.problem);
    }
}

TEST(LogOnName, TheRosterGrowsByNewNamesOnly)
{
    const std::vector<std::string> roster = test::JLines({"公開", "生徒"});
    const struct
    {
        const char *name;
        std::vector<std::string> result;
    } cases[] = {
        {"", {"公開", "生徒"}},
        {"生徒", {"公開", "生徒"}},
        {"生徒 ", {"公開", "生徒", "生徒 "}}, // compared exactly, blanks included
        {"山田", {"公開", "生徒", "山田"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RosterWithName(roster, J(c.name)), test::JLines(c.result));
    }
    EXPECT_EQ(U(SharedLearnerName()), "共通");
}

TEST(Password, VerdictsOfOk)
{
    const struct
    {
        const char *stored;
        const char *typed;
        const char *confirmation;
        PasswordVerdict verdict;
        const char *message;
    } cases[] = {
        {"?", "abc", "abc", PasswordVerdict::TooShort, "４文字以上にしてください"},
        {"?", "", "", PasswordVerdict::TooShort, "４文字以上にしてください"},
        {"?", "abcd", "abcd", PasswordVerdict::NewPassword, ""},
        {"?", "abcd", "abcD", PasswordVerdict::NotConfirmed, "確認のため再入力してください"},
        {"?", "abcd", "", PasswordVerdict::NotConfirmed, "確認のため再入力してください"},
        {"?", "!? ~", "!? ~", PasswordVerdict::NewPassword, ""}, // only the length is tested
        {"?", "あい", "あい", PasswordVerdict::NewPassword, ""}, // four bytes
        {"Abcd", "abcd", "", PasswordVerdict::Wrong, "パスワードを正しく入力してください"},
        {"Abcd", "Abcd ", "", PasswordVerdict::Wrong, "パスワードを正しく入力してください"},
        {"Abcd", "Abcd", "other", PasswordVerdict::Matches, ""},
        {"Abcd", "Abc", "Abc", PasswordVerdict::TooShort, "４文字以上にしてください"},
        // A stored password shorter than four (edited by hand) cannot be typed: length first.
        {"ab", "ab", "", PasswordVerdict::TooShort, "４文字以上にしてください"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.stored) + " / " + c.typed + " / " + c.confirmation);
        const PasswordVerdict verdict = CheckPassword(J(c.stored), J(c.typed), J(c.confirmation));
        EXPECT_EQ(verdict, c.verdict);
        EXPECT_EQ(U(PasswordMessage(verdict)), c.message);
    }
    EXPECT_FALSE(PasswordIsSet("?"));
    EXPECT_TRUE(PasswordIsSet(""));
}

} // namespace
} // namespace zelkon
