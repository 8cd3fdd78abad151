// What the open path needs of the worksheet windows: finding, activating, closing and creating
// them. The main window and the worksheet window implement it; tests use a fake.
#pragma once

#include "master/open_unit.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace zelkon {

class WorksheetHost
{
public:
    virtual ~WorksheetHost() = default;

    /// True while `sheetKey` is in `openSheetList`.
    virtual bool isSheetOpen(std::string_view sheetKey) const = 0;

    /// Brings the worksheet whose caption is `sheetKey` to the front and activates it.
    virtual void activateSheet(std::string_view sheetKey) = 0;

    /// Clears the active worksheet's modified mark and closes it, so no save question comes.
    virtual void closeActiveSheetDiscarding() = 0;

    /// The lesson of the active worksheet's locator; none without a worksheet.
    virtual std::optional<std::int32_t> activeSheetLesson() const = 0;

    /// Creates a worksheet window as an MDI child of the main window; the unit record has just
    /// been read. The window takes the unit record, `sheetKey`, `printTag`, `currentLocator` and
    /// the three names from the program (`TakeUnitRecord`), joins `openSheetList`, then gets
    /// the origin's fields (`ApplyWorksheetOrigin`), is shown, becomes the active worksheet and
    /// takes the focus. False when no window was created.
    virtual bool createWorksheet(const WorksheetOrigin &origin) = 0;
};

} // namespace zelkon
