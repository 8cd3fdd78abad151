// The worksheet windows as the open path reaches them: the frame's open sheets, and new
// TfrmPrintM windows made on the unit record just read.
#pragma once

#include "master/worksheet_host.h"

namespace zelkon {

struct MainSeams;
struct Program;
class TfrmMain;

class SheetHost final : public WorksheetHost
{
public:
    /// All three must outlive the host.
    SheetHost(Program &program, TfrmMain &main, MainSeams &seams);

    bool isSheetOpen(std::string_view sheetKey) const override;
    void activateSheet(std::string_view sheetKey) override;
    void closeActiveSheetDiscarding() override;
    std::optional<std::int32_t> activeSheetLesson() const override;
    /// Makes a TfrmPrintM on the unit record, gives it the origin's fields, shows it and makes
    /// it the active sheet with the focus; always true.
    bool createWorksheet(const WorksheetOrigin &origin) override;

private:
    Program &m_program;
    TfrmMain &m_main;
    MainSeams &m_seams;
};

} // namespace zelkon
