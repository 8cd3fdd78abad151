// The detail table of the titles and its printout lines.
#pragma once

#include "launcher/title_index.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace zelkon {

/// The seven columns of a detail row: title, program file, installed version, newest version,
/// state, extra copies found, found folder (CP932).
using DetailRow = std::array<std::string, 7>;

/// The column widths of the detail table in pixels.
inline constexpr std::array<int, 7> kDetailColumnWidths = {155, 90, 30, 30, 70, 30, 300};

/// The installed version a found folder's name tells: from its 7th byte on, up to the first
/// blank, only the digits and "."; empty for a name of fewer than 7 bytes
/// ("ABCDEF4.60" → "4.60", "ABCDEF 2" → "").
std::string InstalledVersion(std::string_view folderName);

/// The header row: "単元名", "実行ファイル名", "Ver", "最新", "属性", "重複", "フォルダ名".
DetailRow DetailHeader();

/// The row of one title: a title not found shows "not installed" and leaves the version,
/// extra copies and folder empty.
DetailRow DetailRowOf(const TitleEntry &title);

/// The header row followed by one row per title, in title order.
std::vector<DetailRow> DetailRows(const std::vector<TitleEntry> &titles);

/// The printout line of a row: "□　" + column 0 padded to 30 bytes + " " + column 1 padded to
/// 20 + " " + column 2 padded to 5 + " / " + column 3 padded to 5; longer texts are not cut.
std::string PrintoutLine(const DetailRow &row);

/// One printout line per row, the header included.
std::vector<std::string> PrintoutLines(const std::vector<DetailRow> &rows);

} // namespace zelkon
