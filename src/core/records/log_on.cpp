// Log-on rules: learner names, the roster at OK and the password verdicts.
#include "records/log_on.h"

#include "records/learner_name.h"

#include "common/cp932.h"

#include <algorithm>

namespace zelkon {

namespace {

// A file name holds at most 255 bytes on the usual filesystems; the record file adds the
// lesson number (up to 2 digits) and ".ini" to the name, in UTF-8 on disk.
constexpr std::size_t kFileNameLimit = 255;
constexpr std::size_t kRecordFileSuffix = 2 + 4;

} // namespace

std::string SharedLearnerName()
{
    return Utf8ToCp932("共通");
}

std::string LogOnNameProblem(std::string_view name)
{
    if (name.empty())
        return {};
    std::string problem = LearnerNameProblem(name);
    if (!problem.empty())
        return problem;
    if (Cp932ToUtf8(name).size() + kRecordFileSuffix > kFileNameLimit)
        return Utf8ToCp932("氏名が長すぎます");
    return {};
}

std::vector<std::string> RosterWithName(std::vector<std::string> names, std::string_view name)
{
    if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end())
        names.emplace_back(name);
    return names;
}

bool PasswordIsSet(std::string_view stored)
{
    return stored != "?";
}

PasswordVerdict
CheckPassword(std::string_view stored, std::string_view typed, std::string_view confirmation)
{
    if (typed.size() < kPasswordMinimum)
        return PasswordVerdict::TooShort;
    if (PasswordIsSet(stored))
        return typed == stored ? PasswordVerdict::Matches : PasswordVerdict::Wrong;
    return confirmation == typed ? PasswordVerdict::NewPassword : PasswordVerdict::NotConfirmed;
}

std::string PasswordMessage(PasswordVerdict verdict)
{
    switch (verdict) {
    case PasswordVerdict::TooShort:
        return Utf8ToCp932("４文字以上にしてください");
    case PasswordVerdict::Wrong:
        return Utf8ToCp932("パスワードを正しく入力してください");
    case PasswordVerdict::NotConfirmed:
        return Utf8ToCp932("確認のため再入力してください");
    case PasswordVerdict::Matches:
    case PasswordVerdict::NewPassword:
        break;
    }
    return {};
}

} // namespace zelkon
