// The learner roster "sname.txt": one name per line, in the order the log-on list shows them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zelkon {

/// recordsFolder + "sname.txt".
std::string RosterFileName(std::string_view recordsFolder);

/// Loads the roster, one name per line. A missing roster becomes the single name "公開" and is
/// saved at once; false with a reason when that save fails (the names are still set) or when an
/// existing roster cannot be read (the names are then empty).
bool LoadRoster(std::string_view recordsFolder,
                std::vector<std::string> &names,
                std::string *error = nullptr);

/// Replaces the roster with the names, CR LF after each. False with a reason when it cannot be
/// written; the old roster is then unchanged.
bool SaveRoster(std::string_view recordsFolder,
                const std::vector<std::string> &names,
                std::string *error = nullptr);

} // namespace zelkon
