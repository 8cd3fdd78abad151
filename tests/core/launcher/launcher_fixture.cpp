// Folders of titles for the launcher tests.
#include "launcher/launcher_fixture.h"

#include "support/test_support.h"

#include <filesystem>

namespace zelkon::test {

void MakeProgram(const std::string &fsPath)
{
    WriteBytes(fsPath, "#!/bin/sh\n");
    std::filesystem::permissions(fsPath, std::filesystem::perms::owner_all);
}

void MakePlainFile(const std::string &fsPath)
{
    WriteBytes(fsPath, "data\n");
    std::filesystem::permissions(
        fsPath, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

std::vector<TitleEntry> Titles(const std::vector<std::string> &utf8Lines)
{
    std::vector<std::string> lines = JLines({"caption", "update"});
    for (const std::string &line : JLines(utf8Lines))
        lines.push_back(line);
    return ParseTitleIndex(lines).index.titles;
}

} // namespace zelkon::test
