// The check of a unit's layout blocks before the master file editor stores it.
#pragma once

#include "common/messages.h"

#include <string>
#include <vector>

namespace zelkon {

/// `CheckLayoutBlocks`: true when every value, font and kran block of the lines has the right
/// number of lines; otherwise false with one message in `messages`, whose `line` is the number
/// (from 1, among the given lines) of the opening line of the first failing block.
bool CheckLayoutBlocks(const std::vector<std::string> &lines, Messages &messages);

} // namespace zelkon
