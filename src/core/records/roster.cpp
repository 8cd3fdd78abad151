// Roster file loading and saving.
#include "records/roster.h"

#include "common/cp932.h"
#include "common/line_file.h"
#include "common/path.h"

namespace zelkon {

std::string RosterFileName(std::string_view recordsFolder)
{
    return std::string(recordsFolder) + "sname.txt";
}

bool LoadRoster(std::string_view recordsFolder, std::vector<std::string> &names, std::string *error)
{
    names.clear();
    std::string bytes;
    const FileRead found = ReadFileIfPresent(ToFsPath(RosterFileName(recordsFolder)), bytes, error);
    if (found == FileRead::unreadable)
        return false;
    if (found == FileRead::missing) {
        names = {Utf8ToCp932("公開")};
        return SaveRoster(recordsFolder, names, error);
    }
    names = SplitLines(bytes);
    return true;
}

bool SaveRoster(std::string_view recordsFolder,
                const std::vector<std::string> &names,
                std::string *error)
{
    const std::string fsPath = ToFsPath(RosterFileName(recordsFolder));
    // The names come from LoadRoster; if the roster cannot be read now, they may well be the
    // empty list of a failed load, and replacing the roster with them would lose every name.
    std::string current;
    if (ReadFileIfPresent(fsPath, current, error) == FileRead::unreadable)
        return false;
    return WriteLinesAtomic(fsPath, names, error);
}

} // namespace zelkon
