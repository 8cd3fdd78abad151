// Where the launcher was started: its start folder and whether that lies on a CD-ROM.
#pragma once

#include <string>

namespace zelkon::hopdeck {

struct StartPlace
{
    std::string startFolder; ///< CP932 path ending in "/"
    bool onCdRom = false;
};

/// The working folder at start-up, and whether it lies on a CD-ROM or DVD (ISO 9660 or UDF).
StartPlace CurrentStartPlace();

/// The folder above `folder` (CP932 path), ending in "/"; "/" stays "/".
std::string ParentFolder(const std::string &folder);

} // namespace zelkon::hopdeck
