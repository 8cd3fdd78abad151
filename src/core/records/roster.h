// The learner roster "sname.txt": one name per line, in the order the log-on list shows them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zelkon {

/// Most names a roster may hold: far more than a school has, few enough for the log-on list to
/// fill at once.
inline constexpr std::size_t kMaxRosterNames = 10000;

/// Makes the records folder (composed path) with the folders above it when missing. False with
/// "ディレクトリ PATH を作成できません" when it cannot be made.
bool CreateRecordsFolder(std::string_view recordsFolder, std::string *error = nullptr);

/// recordsFolder + "sname.txt".
std::string RosterFileName(std::string_view recordsFolder);

/// Loads the roster, one name per line. A missing roster becomes the single name "公開" and is
/// saved at once (under the lock: should another machine have made it meanwhile, its names are
/// kept and loaded); false with a reason when that save fails (the names are still set). A
/// roster that exists but cannot be read gives false with the reason and no names: those are
/// not the roster, and SaveRoster refuses to replace a roster it cannot read, so saving them
/// after all does not wipe it. A roster of more than kMaxRosterNames names or with a line
/// longer than kMaxLineBytes is taken as one that cannot be read.
bool LoadRoster(std::string_view recordsFolder,
                std::vector<std::string> &names,
                std::string *error = nullptr);

/// Replaces the roster with the names, CR LF after each, under the roster's lock. False with a
/// reason when it cannot be written, or when a roster is there that cannot be read (the names
/// were then not loaded from it); the old roster is unchanged.
bool SaveRoster(std::string_view recordsFolder,
                const std::vector<std::string> &names,
                std::string *error = nullptr);

/// The roster to write when a window that loaded `loaded` now holds `names` and the file holds
/// `current`: `names` itself while the file is unchanged; otherwise `current` without the names
/// the window removed (one line per removal) and with the names it added at the end, so that a
/// name another machine added or removed meanwhile is not undone.
std::vector<std::string> MergeRosterChanges(const std::vector<std::string> &current,
                                            const std::vector<std::string> &loaded,
                                            const std::vector<std::string> &names);

/// Saves the changes from `loaded` to `names` (MergeRosterChanges) under the roster's lock, with
/// the checks of SaveRoster; `saved`, when given, receives the roster as it is now on disk.
bool SaveRosterChanges(std::string_view recordsFolder,
                       const std::vector<std::string> &loaded,
                       const std::vector<std::string> &names,
                       std::vector<std::string> *saved = nullptr,
                       std::string *error = nullptr);

} // namespace zelkon
