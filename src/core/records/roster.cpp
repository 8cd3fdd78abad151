// Roster file loading and saving.
#include "records/roster.h"

#include "common/cp932.h"
#include "common/line_file.h"
#include "common/path.h"

#include <filesystem>

namespace zelkon {

std::string RosterFileName(std::string_view recordsFolder)
{
    return std::string(recordsFolder) + "sname.txt";
}

bool LoadRoster(std::string_view recordsFolder, std::vector<std::string> &names, std::string *error)
{
    const std::string fsPath = ToFsPath(RosterFileName(recordsFolder));
    std::error_code ec;
    if (!std::filesystem::exists(fsPath, ec) && !ec) {
        names = {Utf8ToCp932("公開")};
        return SaveRoster(recordsFolder, names, error);
    }
    return ReadLines(fsPath, names, error);
}

bool SaveRoster(std::string_view recordsFolder,
                const std::vector<std::string> &names,
                std::string *error)
{
    return WriteLinesAtomic(ToFsPath(RosterFileName(recordsFolder)), names, error);
}

} // namespace zelkon
