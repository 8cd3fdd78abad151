// The copy files of a lesson folder as the copy file browser and the record window list them,
// the raw lines a chosen one shows, and the choice remembered between showings.
#pragma once

#include "settings/app_state.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zelkon {

/// The copy files found in one folder.
struct CopyFileListing
{
    bool listed = false;            ///< the folder was read
    std::vector<std::string> names; ///< CP932 file names, without folder
    std::string message;            ///< CP932, when not listed: why
};

/// Lists the copy files of a composed folder: regular files (or links to them) whose name ends
/// in ".prp" in any letter case, without hidden names (starting with ".") and without names
/// CP932 cannot hold (no composed path could reach them), sorted ignoring ASCII case. A missing
/// folder gives "ディレクトリ PATH が見つかりません", an unreadable one the system's reason.
CopyFileListing ListCopyFiles(std::string_view folder);

/// The lines of a file, or why there are none.
struct CopyFilePreview
{
    bool read = false;
    std::vector<std::string> lines; ///< every line as stored, CP932, without its line end
    std::string message;            ///< CP932, when not read: the read failure
};

/// Reads the composed path's lines exactly as stored, for showing them; a missing file gives
/// "ファイル PATH が見つかりません", an unreadable one its read failure, and one of more than
/// kMaxUnitLines lines or with a line longer than kMaxLineBytes no lines and a message saying so.
CopyFilePreview ReadCopyFilePreview(std::string_view path);

/// The row to choose in a freshly listed folder of `count` copy files: none (-1) when it is
/// empty; the first when no file was chosen before (`lastCopyFilePosition` -1, which then
/// becomes 0); else `lastCopyFilePosition` when that row exists, the first row otherwise.
int CopyFileRowToChoose(std::int32_t &lastCopyFilePosition, int count);

/// The choice at OK: false, state unchanged, when no file is chosen (`path` empty); otherwise
/// sets `lastCopyFilePosition` to `row` and `lastCopyFileName` to `name` and returns true.
bool AcceptCopyFileChoice(std::string_view path, int row, std::string_view name, AppState &state);

/// "単元を選択してください".
std::string CopyFileNotChosenMessage();

} // namespace zelkon
