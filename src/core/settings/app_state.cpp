// Start-up values derived from the settings and the current directory.
#include "settings/app_state.h"

#include "common/path.h"
#include "settings/edition_constants.h"
#include "sheet/paper.h"

namespace zelkon {

std::string ProgramFolderFor(std::string_view currentDirectory)
{
    return WithTrailingBackslash(currentDirectory);
}

std::string ProductFolderFor(std::string_view recordDrive)
{
    // A drive set by hand as "/mnt/usb" still means the folder, not a name prefix.
    return WithTrailingBackslash(recordDrive) + std::string(kProductFolder);
}

std::string LogOnFolderFor(std::string_view recordDrive)
{
    return ProductFolderFor(recordDrive) + "\\LogOn";
}

void SetPaperWidth(AppState &state, std::int32_t width)
{
    state.paperWidth = width;
    state.paperHeight = PageHeightForWidth(width);
}

} // namespace zelkon
