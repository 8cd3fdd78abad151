// Reading a lesson's sub-index: its title, its sections and the unit captions of each section.
#pragma once

#include "common/messages.h"
#include "index/course_index.h"

#include <string>
#include <string_view>
#include <vector>

namespace zelkon {

/// Replaces the sub-index part of `index` with the lines of a sub-index: `subIndexTitle` is line
/// 1; every line starting with "[[" (line 1 included) starts a section whose caption is the next
/// line, the line after that is skipped, and the following lines up to one exactly ">>" are its
/// units; lines between a ">>" and the next "[[" line are ignored. A section without its ">>",
/// an 81st section or an 81st unit of a section stops the read with a message naming `path`,
/// keeping what was read before; a line longer than kMaxLineBytes anywhere stops it before
/// anything is read. Returns whether the read was complete.
bool ParseSubIndex(const std::vector<std::string> &lines,
                   std::string_view path,
                   CourseIndex &index,
                   Messages &messages);

/// Reads the sub-index of lesson k into `index` (`programFolder` composed, ending in "\"). A
/// missing lesson folder reads nothing and leaves the sub-index part as it was; a missing or
/// unreadable file leaves it empty; both return false with their message.
bool ReadSubIndex(std::string_view programFolder,
                  int lesson,
                  CourseIndex &index,
                  Messages &messages);

} // namespace zelkon
