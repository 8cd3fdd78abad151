// Learner names that can and cannot name record files.
#include "records/learner_name.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

namespace zelkon {
namespace {

using test::J;

TEST(LearnerName, RefusesPathSyntaxControlsAndBlankNames)
{
    const struct
    {
        std::string name;
        const char *problem; ///< "" when the name is accepted
    } cases[] = {
        {J("生徒"), ""},
        {J("地図表"), ""}, // 表 ends in the byte of "\"
        {J("ソフト部"), ""},
        {J("山田　太郎"), ""},
        {"Jane.Doe", ""},
        {"", "氏名を入力してください"},
        {J("　 \t"), "氏名を入力してください"},
        {"a\\b", "氏名に \\ や / は使えません"},
        {J("生徒\\"), "氏名に \\ や / は使えません"},
        {"a/b", "氏名に \\ や / は使えません"},
        {"..", "氏名に .. は使えません"},
        {"a..b", "氏名に .. は使えません"},
        {"tab\there", "氏名に制御文字は使えません"},
        {"bell\x07", "氏名に制御文字は使えません"},
        {"del\x7F", "氏名に制御文字は使えません"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(test::U(LearnerNameProblem(c.name)), c.problem) << test::U(c.name);
}

} // namespace
} // namespace zelkon
