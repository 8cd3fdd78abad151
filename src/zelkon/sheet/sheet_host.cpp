// SheetHost over the main window's open sheets and the worksheet window.
#include "sheet/sheet_host.h"

#include "sheet/printm.h"
#include "shell/main.h"
#include "shell/sheet_window.h"

#include <QMdiArea>

#include <algorithm>

namespace zelkon {

SheetHost::SheetHost(Program &program, TfrmMain &main, MainSeams &seams)
    : m_program(program)
    , m_main(main)
    , m_seams(seams)
{}

bool SheetHost::isSheetOpen(std::string_view sheetKey) const
{
    const std::vector<std::string> &keys = m_main.openSheetList();
    return std::find(keys.begin(), keys.end(), sheetKey) != keys.end();
}

void SheetHost::activateSheet(std::string_view sheetKey)
{
    m_main.activateSheet(sheetKey);
}

void SheetHost::closeActiveSheetDiscarding()
{
    m_main.clearModified();
    m_main.closeActiveSheet();
}

std::optional<std::int32_t> SheetHost::activeSheetLesson() const
{
    if (SheetWindow *sheet = m_main.activeSheet())
        return sheet->sheet().locator.lesson;
    return std::nullopt;
}

bool SheetHost::createWorksheet(const WorksheetOrigin &origin)
{
    auto *window = new TfrmPrintM(m_program, m_main, m_seams);
    ApplyWorksheetOrigin(window->sheet(), origin);
    window->show();
    m_main.mdiArea()->setActiveSubWindow(window);
    window->setFocus();
    return true;
}

} // namespace zelkon
