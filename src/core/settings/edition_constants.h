// The constants that tell the editions of the series apart, and those they share.
#pragma once

#include <string>
#include <string_view>

namespace zelkon {

/// The editions; each program binary is built for one of them.
enum class Edition { Geography, History, Civics };

/// One edition's row; every text is CP932.
struct EditionConstants
{
    std::string mainCaption;      ///< caption of the main window
    std::string applicationTitle; ///< task bar and message box title
    std::string registryKey;      ///< key of the edition's settings
    std::string helpFileName;     ///< help file used when the program folder holds none
    std::string versionText;      ///< shown in the version dialog
    std::string titleCaption;     ///< caption of the title window
};

/// The row of `edition`, converted once and kept for the whole run.
const EditionConstants &EditionConstantsOf(Edition edition);

/// Key of the settings shared by all editions of a user.
inline constexpr std::string_view kSharedRegistryKey = "SoftWare\\Zelkon\\Common";
/// Folder of the product under the record drive.
inline constexpr std::string_view kProductFolder = "Zelkon";
/// Title picture in the program folder.
inline constexpr std::string_view kTitlePictureFile = "Title.BMP";
/// Main index in the program folder.
inline constexpr std::string_view kMainIndexFile = "Main.ind";

} // namespace zelkon
