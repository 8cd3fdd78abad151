// The text of the record panels: a unit's record lines as the record window's memo and the
// practice window's record panel show them.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace zelkon {

/// Most record lines a panel shows. Filling a panel with a hundred thousand lines takes a
/// second, and it is filled again after every scored drill; the newest lines are the ones read.
inline constexpr std::size_t kShownRecordLimit = 10000;

/// The panel text of a unit's record lines (CP932, lines joined by "\n"):
/// "練習の記録はありません" when there are none; of more than kShownRecordLimit lines only the
/// newest (the last) are shown, after a first line saying how many older ones are not.
std::string RecordPanelText(const std::vector<std::string> &lines);

} // namespace zelkon
