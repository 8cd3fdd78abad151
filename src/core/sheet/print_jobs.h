// The arithmetic of printing a sheet: how many printer jobs, the sheet number each job prints,
// where the page picture goes on the printer page, and the texts of the print dialog.
#pragma once

#include "sheet/canvas.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace zelkon {

/// The jobs one print sends: the print dialog's copy count when the sheets are numbered (every
/// numbered copy is a job of its own; at least 1), else 1 (the printer makes the copies).
int PrintJobCount(bool numberSheets, int copyCount);

/// How a run of print jobs ended.
struct PrintRun
{
    int jobsSent = 0;      ///< jobs that went out whole
    bool complete = false; ///< every job went out
};

/// Sends `jobCount` jobs through `printJob`, which is given the sheet number of its job (the
/// value of `sheetNumber` at its start) and says whether the job went out. `sheetNumber` counts
/// on by one for every job sent (held at the int32 limit) and goes back to 1 when all were sent.
/// A failed job ends the run there and leaves `sheetNumber` at its number, so that the next print
/// starts with the sheet that did not come out. No job is sent for a count below 1.
PrintRun RunPrintJobs(int jobCount,
                      std::int32_t &sheetNumber,
                      const std::function<bool(std::int32_t number)> &printJob);

/// Where screen-faithful printing stretches the page picture on a printer page `printerWidth`
/// device pixels wide: scaled by s = printerWidth ÷ picture width, so that the page fills the
/// printer's width whatever the paper, and moved right by round(6 × s), so its right-most
/// 6 × s lie outside the printable width; the top edge at 0. A picture without width gives an
/// empty rectangle.
Rect PagePictureRect(int printerWidth, int pictureWidth, int pictureHeight);

/// The print dialog's request for the paper, CP932: "用紙のサイズを " + name + " に設定して
/// ください", the name empty when no paper is chosen.
std::string PaperRequestText(std::string_view paperName);

/// Why a print did not come out whole.
enum class PrintFailure {
    notStarted, ///< the printer (or the output file) could not begin the job
    failed,     ///< the printer reported an error at the end of the job
    aborted,    ///< the page could not be drawn; the job was withdrawn
};

/// The print dialog's report of a failed job, CP932, in place of "印刷完了"; with more than one
/// job it names the job that failed ("2部目の印刷に失敗しました").
std::string PrintFailureText(PrintFailure failure, int job, int jobCount);

} // namespace zelkon
