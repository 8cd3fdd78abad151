// PrintSheet: a sheet onto the printer, one job per numbered copy, as the screen shows it or
// drawn anew at printer resolution.
#pragma once

#include <QImage>
#include <QString>

class QPrinter;

namespace zelkon {

struct Program;
class SheetWindow;
class TfrmMain;
class TfrmPrintMode;

/// What a print came to.
struct PrintOutcome
{
    bool printed = false; ///< every job went out
    QString failure;      ///< why not, for the print dialog; empty when nothing was tried
};

/// `PrintSheet`: prints `sheet` (the active one) on `printer`, in the mode of `printMode`
/// (`picture` stretched to the page, or the sheet rendered at printer resolution). With
/// "№を付ける" every copy of the printer's copy count is a job of its own carrying 開始番号,
/// which counts on and goes back to 1 afterwards; several numbered jobs into a file each get a
/// file of their own ("name-5.pdf"). The reduced view is switched off first. A job that cannot
/// begin, fails or cannot be drawn ends the print there and leaves 開始番号 at its number.
PrintOutcome PrintSheet(Program &program,
                        TfrmMain &main,
                        TfrmPrintMode &printMode,
                        SheetWindow &sheet,
                        const QImage &picture,
                        QPrinter &printer);

} // namespace zelkon
