// Folders of titles for the launcher tests: program files, plain files and sub-folders.
#pragma once

#include "launcher/title_index.h"

#include <string>
#include <vector>

namespace zelkon::test {

/// Creates an executable file (creating missing folders).
void MakeProgram(const std::string &fsPath);

/// Creates a file nobody may execute.
void MakePlainFile(const std::string &fsPath);

/// Title entries from "title,program,newest,tag" lines written in UTF-8.
std::vector<TitleEntry> Titles(const std::vector<std::string> &utf8Lines);

} // namespace zelkon::test
