// The rules of logging a learner on: which names can log on, how the roster grows, and what the
// password dialog's OK decides.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zelkon {

/// "共通", the shared learner, who logs on without a password.
std::string SharedLearnerName();

/// Why a name typed in the log-on window cannot log on, as a CP932 message; empty when it can.
/// The empty name is no problem (OK with it only saves the roster). Refused are the names
/// LearnerNameProblem refuses and one too long to be a record file name ("氏名が長すぎます").
std::string LogOnNameProblem(std::string_view name);

/// The roster at OK: `name` appended when it is not empty and not yet in it (exact comparison).
std::vector<std::string> RosterWithName(std::vector<std::string> names, std::string_view name);

/// Fewest bytes a password has.
inline constexpr std::size_t kPasswordMinimum = 4;

/// True when a password is stored: the stored value is not "?".
bool PasswordIsSet(std::string_view stored);

/// What OK in the password dialog decides.
enum class PasswordVerdict {
    TooShort,     ///< fewer than 4 bytes typed
    Wrong,        ///< differs from the stored password
    NotConfirmed, ///< a new password whose confirmation differs
    Matches,      ///< the stored password typed exactly
    NewPassword,  ///< a new password typed twice, to be stored
};

/// The verdict on the typed password and confirmation against the stored one ("?" for none):
/// the length first, then the byte-for-byte comparison (upper and lower case differ).
PasswordVerdict
CheckPassword(std::string_view stored, std::string_view typed, std::string_view confirmation);

/// The message of a refusing verdict (CP932): "４文字以上にしてください",
/// "パスワードを正しく入力して ください" or "確認のため再入力してください"; empty for Matches and
/// NewPassword.
std::string PasswordMessage(PasswordVerdict verdict);

} // namespace zelkon
