// Reading files as lines and replacing files atomically.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zelkon {

/// The lines of a text: CR LF ends a line, a lone LF too; a final line without a line end is
/// still a line; an empty text has no lines. A lone CR inside a line stays part of it.
std::vector<std::string> SplitLines(std::string_view bytes);

/// The lines joined, each ended by CR LF.
std::string JoinLines(const std::vector<std::string> &lines);

/// Reads a whole file (filesystem path). False with a reason in `error` when it cannot.
bool ReadFileBytes(const std::string &fsPath, std::string &bytes, std::string *error = nullptr);

/// Reads a whole file as lines; false with a reason in `error` when it cannot be read.
bool ReadLines(const std::string &fsPath,
               std::vector<std::string> &lines,
               std::string *error = nullptr);

/// Replaces the file with `bytes`: a temporary file in the same folder is written, flushed,
/// fsync'd and renamed over the target, so a crash or a full disk leaves the old file whole.
/// False with a reason in `error` when any step fails; the target is then unchanged.
bool WriteFileAtomic(const std::string &fsPath,
                     std::string_view bytes,
                     std::string *error = nullptr);

/// WriteFileAtomic of the lines, each ended by CR LF.
bool WriteLinesAtomic(const std::string &fsPath,
                      const std::vector<std::string> &lines,
                      std::string *error = nullptr);

} // namespace zelkon
