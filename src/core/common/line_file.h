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

/// "ファイル PATH を読み込めません（REASON）" in CP932: PATH is the CP932 form of the filesystem
/// path, REASON the system's text for the error number.
std::string FileReadFailure(const std::string &fsPath, int errorNumber);

/// "ファイル PATH に書き込めません（REASON）", as FileReadFailure.
std::string FileWriteFailure(const std::string &fsPath, int errorNumber);

/// Reads a whole file (filesystem path). False when it cannot, with FileReadFailure in `error`
/// and no bytes.
bool ReadFileBytes(const std::string &fsPath, std::string &bytes, std::string *error = nullptr);

/// What ReadFileIfPresent found.
enum class FileRead {
    read,      ///< the bytes are the file's
    missing,   ///< nothing is at the path (or a folder on the way is missing): no bytes
    unreadable ///< something is there but cannot be read: no bytes, the reason in `error`
};

/// ReadFileBytes for files whose absence is normal (no records yet, no roster yet), telling a
/// missing file apart from one that exists but cannot be read, so the latter is never taken
/// for "no data" and later overwritten.
FileRead
ReadFileIfPresent(const std::string &fsPath, std::string &bytes, std::string *error = nullptr);

/// Reads a whole file as lines; false with FileReadFailure in `error` when it cannot be read.
bool ReadLines(const std::string &fsPath,
               std::vector<std::string> &lines,
               std::string *error = nullptr);

/// Replaces the file with `bytes`: a temporary file in the same folder is written, flushed,
/// fsync'd and renamed over the target, so a crash or a full disk leaves the old file whole.
/// False with FileWriteFailure in `error` when any step fails; the target is then unchanged.
bool WriteFileAtomic(const std::string &fsPath,
                     std::string_view bytes,
                     std::string *error = nullptr);

/// WriteFileAtomic of the lines, each ended by CR LF.
bool WriteLinesAtomic(const std::string &fsPath,
                      const std::vector<std::string> &lines,
                      std::string *error = nullptr);

} // namespace zelkon
