// The program search over a base folder's sub-folders.
#include "launcher/title_search.h"

#include "common/path.h"
#include "common/sjis_text.h"
#include "launcher/program_files.h"

namespace zelkon {

std::string SearchTitles(std::vector<TitleEntry> &titles, std::string_view baseFolder)
{
    for (TitleEntry &title : titles) {
        title.foundFolder.clear();
        title.foundProgramFile.clear();
        title.foundFolderPath.clear();
        title.foundProgramPath.clear();
    }
    const std::string base = WithTrailingSeparator(baseFolder);
    for (const FolderEntry &folder : SubFoldersOf(ToFsPath(base))) {
        for (const FolderEntry &program : ProgramFilesIn(folder.fsPath)) {
            for (TitleEntry &title : titles) {
                if (!IsProgramFileOf(program.name, title.programName))
                    continue;
                title.foundFolder = folder.name;
                title.foundProgramFile = AsciiLower(program.name);
                title.foundFolderPath = folder.fsPath;
                title.foundProgramPath = program.fsPath;
                ++title.timesFound;
                break;
            }
        }
    }
    return base;
}

void ResetTimesFound(std::vector<TitleEntry> &titles)
{
    for (TitleEntry &title : titles)
        title.timesFound = 0;
}

} // namespace zelkon
