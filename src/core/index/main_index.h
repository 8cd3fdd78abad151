// Reading the main index "Main.ind": the course title and the lessons with their folders and
// file prefixes.
#pragma once

#include "common/messages.h"
#include "index/course_index.h"

#include <string>
#include <string_view>
#include <vector>

namespace zelkon {

/// How a read of the main index ended.
enum class MainIndexRead {
    complete, ///< every lesson up to the closing ">>" was read
    stopped,  ///< a fault stopped the read; the lessons before it were read
    missing,  ///< the file is missing or cannot be read; nothing was read
};

/// Fills the main-index part of `index` from the lines of a main index: `mainTitle` from line 1,
/// one lesson per line from line 3 up to a line exactly ">>". A lesson line gives the caption
/// before its first ","; the folder after that "," up to and including the next "\" (found
/// character by character); the prefix from the second character after that "\" to the end; a
/// line with "," but no "\" after it has an empty folder and the rest of the line as prefix; a
/// line without "," gives the caption "?" and leaves that lesson's folder and prefix as they
/// were. Fewer than 3 lines, a missing ">>" or an 81st lesson stop the read with a message
/// naming `path`, keeping the lessons before; a line longer than kMaxLineBytes anywhere stops
/// it before anything is read. Returns whether the read was complete.
bool ParseMainIndex(const std::vector<std::string> &lines,
                    std::string_view path,
                    CourseIndex &index,
                    Messages &messages);

/// Reads `programFolder` + "Main.ind" (`programFolder` composed, ending in "\") into the
/// main-index part of `index`; a missing or unreadable file leaves no lessons and a message.
MainIndexRead ReadMainIndex(std::string_view programFolder, CourseIndex &index, Messages &messages);

} // namespace zelkon
