// The launcher's title index "ZKLindex.txt": caption, last-update text and one line per title.
#pragma once

#include "common/messages.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zelkon {

/// The title index file, in the launcher's start folder.
inline constexpr std::string_view kTitleIndexFile = "ZKLindex.txt";

/// The most titles the launcher keeps; further title lines are reported and left out.
inline constexpr std::size_t kMaxTitles = 50;

/// One title of the series and where its program was found. Texts are CP932.
struct TitleEntry
{
    std::string title;         ///< field 1: the button caption
    std::string programName;   ///< field 2 cut to 8 bytes, lower-cased
    std::string newestVersion; ///< field 3
    std::string tag;           ///< field 4, kept as read

    std::string foundFolder;      ///< sub-folder of the base folder holding the program; empty
                                  ///< when not found
    std::string foundProgramFile; ///< the program file's name as found, lower-cased
    std::string foundFolderPath;  ///< filesystem path (UTF-8) of the found folder
    std::string foundProgramPath; ///< filesystem path (UTF-8) of the program as it is on disk
    int timesFound = 0;           ///< program files matched, summed over searches

    bool found() const { return !foundFolder.empty(); }
};

/// The title index as read.
struct TitleIndex
{
    std::string caption;    ///< line 1: the main window's caption
    std::string lastUpdate; ///< line 2
    std::vector<TitleEntry> titles;
};

/// The outcome of reading the title index.
struct TitleIndexReading
{
    bool ok = false; ///< false when the file could not be read or has fewer than two lines
    TitleIndex index;
    Messages messages; ///< every problem, in file order, to show one by one
};

/// The program name of a title: the first 8 bytes of `field` (a two-byte character that the cut
/// would halve is left out), ASCII lower-cased.
std::string ProgramNameOf(std::string_view field);

/// The title index of these lines: a line with other than four ","-separated fields is reported
/// as the line + " DATAが不正です" and skipped; title lines beyond the 50th are reported once
/// and left out.
TitleIndexReading ParseTitleIndex(const std::vector<std::string> &lines);

/// ParseTitleIndex of `folder` + "ZKLindex.txt" (folder: CP932 path ending in a separator;
/// the file name's case is not significant). A missing or unreadable file, one of fewer than
/// two lines, or one with a line longer than kMaxLineBytes gives ok false, no titles and its
/// message.
TitleIndexReading ReadTitleIndex(std::string_view folder);

} // namespace zelkon
