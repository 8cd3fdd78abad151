// The installer rule of the launcher.
#include "launcher/installer.h"

#include "common/cp932.h"
#include "common/path.h"
#include "launcher/program_files.h"

namespace zelkon {

std::string InstallerName(const std::vector<std::string> &programFiles)
{
    std::string name(kDefaultInstaller);
    for (const std::string &file : programFiles) {
        if (file != "hopdeck.exe" && file != "hopdeck")
            name = file;
    }
    return name;
}

InstallerChoice ChooseInstaller(std::string_view startFolder)
{
    std::vector<std::string> names;
    for (const FolderEntry &file : ProgramFilesIn(ToFsPath(startFolder)))
        names.push_back(file.name);
    const std::string name = InstallerName(names);
    InstallerChoice choice;
    choice.path = std::string(startFolder) + name;
    choice.usable = name.starts_with("ZelkQu") && FileExists(choice.path);
    if (!choice.usable)
        choice.message = choice.path + Utf8ToCp932("インストールファイルがありません");
    return choice;
}

} // namespace zelkon
