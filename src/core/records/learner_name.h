// Which learner names can name record files.
#pragma once

#include <string>
#include <string_view>

namespace zelkon {

/// Why the name cannot be a learner name, as a CP932 message; empty when it can. Refused are
/// a name that is empty after trimming blanks, one holding a control character, a "\" (found
/// character by character, so the second byte of 表 is none) or "/", and one holding "..".
std::string LearnerNameProblem(std::string_view name);

/// The message of every record-file operation on the empty path that RecordFileName gives for a
/// refused name (CP932). It cannot say what is wrong with the name, which the path no longer
/// holds: LearnerNameProblem of the name does.
std::string RefusedNameFileMessage();

} // namespace zelkon
