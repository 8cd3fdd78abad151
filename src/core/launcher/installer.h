// Choosing the series' installer among the program files of the launcher's start folder.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zelkon {

/// The installer's name before any file is looked at.
inline constexpr std::string_view kDefaultInstaller = "ZelkQuxx.exe";

/// The installer that the start folder offers.
struct InstallerChoice
{
    std::string path;    ///< start folder + the chosen name (CP932)
    bool usable = false; ///< the name begins with "ZelkQu" and the file is there
    std::string message; ///< when not usable: path + "インストールファイルがありません"
};

/// The installer's name among the folder's program files (in listing order): the last one that
/// is not the launcher itself ("hopdeck.exe", or "hopdeck" without the ending), else
/// "ZelkQuxx.exe".
std::string InstallerName(const std::vector<std::string> &programFiles);

/// The installer of `startFolder` (CP932 path ending in a separator): InstallerName of its
/// program files, usable only when that name begins with "ZelkQu" and the file exists.
InstallerChoice ChooseInstaller(std::string_view startFolder);

} // namespace zelkon
