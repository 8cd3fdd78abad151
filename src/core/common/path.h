// Courseware paths: composed Windows-style CP932 paths turned into filesystem paths.
#pragma once

#include <string>
#include <string_view>

namespace zelkon {

/// The filesystem path (UTF-8) of a composed CP932 path: "\" (found character by character)
/// becomes "/", and a component that does not exist with its exact case is replaced by the one
/// directory entry equal to it ignoring ASCII case (the first in name order when several are).
std::string ToFsPath(std::string_view composed);

/// The CP932 form of a filesystem path (for AppState and messages); characters CP932 cannot
/// hold become "?".
std::string FromFsPath(std::string_view fsPath);

/// True when the composed path names a regular file.
bool FileExists(std::string_view composed);

/// True when the composed path names a folder.
bool DirectoryExists(std::string_view composed);

/// "ファイル " + path + " が見つかりません" (CP932).
std::string MissingFileMessage(std::string_view composed);

/// "ディレクトリ " + path + " が見つかりません" (CP932).
std::string MissingDirectoryMessage(std::string_view composed);

/// The path with "\" appended when it does not end in "\" or "/".
std::string WithTrailingBackslash(std::string_view path);

} // namespace zelkon
