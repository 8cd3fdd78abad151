// The open path: every worksheet comes into being here, from a unit chosen in the unit
// selection window, from a unit the master file editor saved, or from a copy file.
#pragma once

#include "master/open_unit.h"

#include <functional>
#include <optional>
#include <string>

namespace zelkon {

struct Program;
class TfrmMenu;
class WorksheetHost;

class OpenPath
{
public:
    /// The windows the open path reaches that other parts of the program build. An unset
    /// entry behaves as a window closed with Cancel.
    struct Hooks
    {
        /// The master file editor in its new-unit mode on `currentLocator`; true on OK.
        std::function<bool()> editNewUnit;
        /// The main window's A4 paper command, as if its button had been pressed.
        std::function<void()> choosePaperA4;
        /// The copy file browser; the path it shows at OK, none when cancelled.
        std::function<std::optional<std::string>()> browseCopyFile;
    };

    /// Every argument must outlive the object.
    OpenPath(Program &program, TfrmMenu &menu, WorksheetHost &host);

    void setHooks(Hooks hooks) { m_hooks = std::move(hooks); }

    /// Shows the unit selection window and opens the unit chosen; a missing unit may be
    /// created in the master file editor. True when a worksheet was opened.
    bool openFromMenu();

    /// Opens the unit at `locator` from its master file. An open sheet of the unit is shown
    /// with "すでに読み込まれています", or closed and opened anew when `replace` is set. Missing
    /// says nothing of a missing file or unit; reader messages are shown.
    OpenResult openMasterUnit(const UnitLocator &locator, bool replace);

    /// Reads the unit of `origin.filePath` in `mode` (Master or Copy) into the unit record and
    /// has the host create its worksheet; false, after any reader message, when either fails.
    bool createWorksheet(const WorksheetOrigin &origin, ReadMode mode);

    /// Lets the user choose a copy file in the browser and opens it. True when a worksheet was
    /// opened.
    bool openCopyFile();

private:
    void showMessages(const Messages &messages);

    Program &m_program;
    TfrmMenu &m_menu;
    WorksheetHost &m_host;
    Hooks m_hooks;
};

} // namespace zelkon
