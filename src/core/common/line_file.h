// Reading files as lines and replacing files atomically.
#pragma once

#include <cstddef>
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

/// Largest file the program reads, in bytes (32 MiB): far above any courseware or record file
/// (a unit with 100,000 records is about 4 MB), and small enough that reading, splitting and
/// showing a file never takes more than a moment or memory to spare.
inline constexpr std::size_t kMaxFileBytes = std::size_t{32} << 20;

/// "ファイル PATH は大きすぎます（32MBまで）" in CP932, PATH as FileReadFailure gives it.
std::string FileTooLargeFailure(const std::string &fsPath);

/// Longest line, in bytes, the program takes from courseware, a roster or a title index: a
/// printed line holds a few hundred bytes, while drawing or listing a line of a million bytes
/// would hold a window for seconds.
inline constexpr std::size_t kMaxLineBytes = 4096;

/// Index (from 0) of the first line longer than kMaxLineBytes; lines.size() when there is none.
std::size_t FindLongLine(const std::vector<std::string> &lines);

/// "N行目が長すぎます（1行4096バイトまで）" in CP932, N the 1-based line number.
std::string LongLineMessage(std::size_t lineNumber);

/// "ファイル PATH の" + LongLineMessage, PATH the composed (CP932) path as given.
std::string LongLineInFileMessage(std::string_view path, std::size_t lineNumber);

/// Reads a whole file (filesystem path). False when it cannot, with FileReadFailure in `error`
/// and no bytes; a file larger than kMaxFileBytes is refused unread with FileTooLargeFailure.
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

/// Replaces the file with `bytes`: a hidden temporary file ".NAME.XXXXXX" in the same folder is
/// written, flushed, fsync'd and renamed over the target, so a crash or a full disk leaves the old
/// file whole. False with FileWriteFailure in `error` when any step fails; the target is then
/// unchanged. More than kMaxFileBytes, which could not be read back, are refused unwritten with
/// "ファイル PATH に書き込めません（32MBを超えます）".
bool WriteFileAtomic(const std::string &fsPath,
                     std::string_view bytes,
                     std::string *error = nullptr);

/// WriteFileAtomic of the lines, each ended by CR LF.
bool WriteLinesAtomic(const std::string &fsPath,
                      const std::vector<std::string> &lines,
                      std::string *error = nullptr);

} // namespace zelkon
