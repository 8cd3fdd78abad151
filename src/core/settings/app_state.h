// AppState, the program-wide state of zelkon, and the start-up values derived from settings.
#pragma once

#include "common/cp932.h"
#include "master/unit_locator.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zelkon {

/// A worksheet window as the shell numbers it when it creates one (from 1); 0 is none.
using WorksheetId = std::int32_t;
inline constexpr WorksheetId kNoWorksheet = 0;

/// The one program-wide state, owned by the shell; fields start at their start-up values, and
/// start-up fills the rest from the settings and the screen. Texts are CP932. The lesson folder
/// and prefix tables live in CourseIndex, the render tables and render mode flags beside the
/// renderer.
struct AppState
{
    std::string programFolder; ///< current directory at start-up, ending in "\" (or "/")
    bool onCdRom = false;
    std::string recordDrive; ///< "RecDrive" of the shared key
    std::string logOnFolder; ///< recordDrive + "Zelkon\LogOn"
    std::string schoolName;
    std::string learnerName;
    bool keyLock = false; ///< student mode
    std::int32_t paperWidth = 630;
    std::int32_t paperHeight = 891; ///< round(paperWidth × √2)
    bool printMode = true;          ///< re-draw at printer resolution rather than print the screen
    std::int32_t sheetAreaWidth = 0;
    std::int32_t sheetAreaHeight = 0;
    std::string mainFontName = Utf8ToCp932("ＭＳ 明朝"); ///< the main window's font dialog preset

    UnitLocator currentLocator; ///< the unit chosen last in the unit selection window
    std::string lessonName;
    std::string sectionName;
    std::string unitName;
    std::string sheetKey; ///< caption of the worksheet about to be created
    std::string printTag; ///< print stamp tag of the worksheet about to be created

    bool answersShown = true;
    bool indexReloadPending = false;
    bool similarMarksStale = true;
    bool startupDone = false;

    std::int32_t lastCopyFilePosition = -1; ///< copy file chosen at the last OK; -1 before any
    std::string lastCopyFileName;

    WorksheetId activeWorksheet = kNoWorksheet; ///< the worksheet activated last
    std::int32_t openWorksheetCount = 0;
    bool sheetDrawingEnabled = false; ///< off while a sheet is created or activated
    bool activationRefresh = true;    ///< off while printing and during the close question
    bool fixedPaper = false;          ///< new sheets take the main window's paper
};

/// `programFolder` for a current directory: the directory with "\" appended unless it already
/// ends in "\" or "/".
std::string ProgramFolderFor(std::string_view currentDirectory);

/// The product folder under the record drive: recordDrive + "Zelkon".
std::string ProductFolderFor(std::string_view recordDrive);

/// `logOnFolder` for a record drive: recordDrive + "Zelkon\LogOn", without a trailing "\".
std::string LogOnFolderFor(std::string_view recordDrive);

/// Sets `paperWidth` to `width`, kept as it is even when no paper has that width, and
/// `paperHeight` to round(width × √2).
void SetPaperWidth(AppState &state, std::int32_t width);

} // namespace zelkon
