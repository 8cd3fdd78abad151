// The launcher's view of folders: the sub-folders it searches and the program files in them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zelkon {

/// A directory entry by its two names.
struct FolderEntry
{
    std::string name;   ///< CP932, as the program shows and compares it
    std::string fsPath; ///< filesystem path (UTF-8) of the entry
};

/// The sub-folders of a folder (filesystem path), hidden ones left out, in name order ignoring
/// ASCII case (the order a folder list shows them in); none when the folder cannot be read.
std::vector<FolderEntry> SubFoldersOf(const std::string &fsFolder);

/// The program files of a folder (filesystem path), in the same name order: regular files the
/// user may execute, whatever their name; none when the folder cannot be read.
std::vector<FolderEntry> ProgramFilesIn(const std::string &fsFolder);

/// True when the program file `fileName` is the program `programName` (lower case): its
/// lower-cased name is the program name, with or without ".exe".
bool IsProgramFileOf(std::string_view fileName, std::string_view programName);

/// The folder (CP932 path) with "/" appended unless it ends in "/" or "\".
std::string WithTrailingSeparator(std::string_view folder);

} // namespace zelkon
