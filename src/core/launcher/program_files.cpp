// Listing folders and program files for the launcher.
#include "launcher/program_files.h"

#include "common/path.h"
#include "common/sjis_text.h"

#include <algorithm>
#include <filesystem>
#include <unistd.h>

namespace zelkon {

namespace {

enum class Kind { Folder, Program };

bool IsKind(const std::filesystem::directory_entry &entry, Kind kind)
{
    std::error_code ec;
    // Links are followed: a program or folder reached through a link is as good as the real one.
    if (kind == Kind::Folder)
        return entry.is_directory(ec);
    return entry.is_regular_file(ec) && ::access(entry.path().c_str(), X_OK) == 0;
}

std::vector<FolderEntry> EntriesOf(const std::string &fsFolder, Kind kind)
{
    std::vector<FolderEntry> entries;
    std::error_code ec;
    std::filesystem::directory_iterator it(fsFolder.empty() ? "." : fsFolder, ec);
    for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.starts_with('.') || !IsKind(*it, kind))
            continue;
        entries.push_back({FromFsPath(name), it->path().string()});
    }
    std::sort(entries.begin(), entries.end(), [](const FolderEntry &a, const FolderEntry &b) {
        const std::string la = AsciiLower(a.name);
        const std::string lb = AsciiLower(b.name);
        return la != lb ? la < lb : a.fsPath < b.fsPath;
    });
    return entries;
}

} // namespace

std::vector<FolderEntry> SubFoldersOf(const std::string &fsFolder)
{
    return EntriesOf(fsFolder, Kind::Folder);
}

std::vector<FolderEntry> ProgramFilesIn(const std::string &fsFolder)
{
    return EntriesOf(fsFolder, Kind::Program);
}

bool IsProgramFileOf(std::string_view fileName, std::string_view programName)
{
    if (programName.empty())
        return false;
    const std::string lower = AsciiLower(fileName);
    return lower == programName || lower == std::string(programName) + ".exe";
}

std::string WithTrailingSeparator(std::string_view folder)
{
    const std::string withBackslash = WithTrailingBackslash(folder);
    // Folders here come from the file system, whose separator is "/".
    if (withBackslash.size() > folder.size())
        return std::string(folder) + "/";
    return withBackslash;
}

} // namespace zelkon
