// The learner roster "sname.txt": one name per line, in the order the log-on list shows them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zelkon {

/// recordsFolder + "sname.txt".
std::string RosterFileName(std::string_view recordsFolder);

/// Loads the roster, one name per line. A missing roster becomes the single name "公開" and is
/// saved at once; false with a reason when that save fails (the names are still set). A roster
/// that exists but cannot be read gives false with the reason and no names: those are not the
/// roster, and SaveRoster refuses to replace a roster it cannot read, so saving them after all
/// does not wipe it.
bool LoadRoster(std::string_view recordsFolder,
                std::vector<std::string> &names,
                std::string *error = nullptr);

/// Replaces the roster with the names, CR LF after each. False with a reason when it cannot be
/// written, or when a roster is there that cannot be read (the names were then not loaded from
/// it); the old roster is unchanged.
bool SaveRoster(std::string_view recordsFolder,
                const std::vector<std::string> &names,
                std::string *error = nullptr);

} // namespace zelkon
