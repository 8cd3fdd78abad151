// Messages the core hands to its caller instead of showing them: the windows show each in a
// message box, zelkon-tool prints them as "path:line: text".
#pragma once

#include <string>
#include <vector>

namespace zelkon {

/// One message for the user, in CP932, exactly as a window shows it.
struct Message
{
    std::string text;
    int line = 0; ///< 1-based line of the file the message is about; 0 when it is about no line
};

using Messages = std::vector<Message>;

} // namespace zelkon
