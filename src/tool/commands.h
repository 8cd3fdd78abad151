// The commands of zelkon-tool; each returns the process exit code.
#pragma once

#include <QString>

#include <optional>

namespace zelkon::tool {

/// dump-index FOLDER [--lesson K]: the main index and, with K, that lesson's sub-index as JSON;
/// 0 when the whole main index was read.
int DumpIndex(const QString &folder, std::optional<int> lesson);

/// dump-unit FILE HEADER [--mode master|copy]: the unit's lists as JSON; 0 when it was read.
int DumpUnit(const QString &file, const QString &header, bool copyMode);

/// check FOLDER: one line per problem of the courseware, "path:line: message"; 1 when any.
int Check(const QString &folder);

} // namespace zelkon::tool
