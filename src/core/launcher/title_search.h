// Finding the titles' programs in the sub-folders of a base folder.
#pragma once

#include "launcher/title_index.h"

#include <string>
#include <string_view>
#include <vector>

namespace zelkon {

/// Looks through every sub-folder of `baseFolder` (CP932 path) for the titles' program files:
/// each program file goes to the first title it is the program of (IsProgramFileOf), which
/// takes that folder and file and counts it once more. Every earlier find is cleared first, so
/// a title in no sub-folder ends up not found; when several sub-folders hold the same program
/// the last in name order is kept. The times-found counts add up over searches. Returns the
/// base folder with a trailing separator.
std::string SearchTitles(std::vector<TitleEntry> &titles, std::string_view baseFolder);

/// Sets every title's times-found count back to 0.
void ResetTimesFound(std::vector<TitleEntry> &titles);

} // namespace zelkon
