// PrintSheet: the print jobs of one print of a sheet.
#include "sheet/print_sheet.h"

#include "platform/print_job.h"
#include "platform/qstring_cp932.h"
#include "platform/qt_picture.h"
#include "sheet/print_jobs.h"
#include "sheet/printmode.h"
#include "sheet/render_sheet.h"
#include "shell/main.h"
#include "shell/program.h"
#include "shell/sheet_window.h"

#include <QPrinter>

#include <utility>

namespace zelkon {

namespace {

// Draws one job's page; false with the renderer's reason when the page could not be drawn
// whole.
bool DrawPage(Program &program,
              const TfrmPrintMode &printMode,
              SheetWindow &sheet,
              const QImage &picture,
              QtCanvas &canvas,
              Messages &messages)
{
    if (!program.state.printMode) {
        const Rect target = PagePictureRect(canvas.width(), picture.width(), picture.height());
        canvas.stretchDraw(target, QtPicture(picture));
        return true;
    }
    RenderTables &tables = program.renderTables;
    // The fields of the on-screen page stay as they were: a redraw on the way here (the reduced
    // view switched off) set collecting again, and these are printer pixels.
    tables.collectAnswerFields = false;
    RenderContext context = sheet.renderContext();
    printMode.applyNumbering(context);
    return RenderSheet(sheet.sheet(), tables, canvas, /*toPrinter=*/true, context, messages);
}

} // namespace

PrintOutcome PrintSheet(Program &program,
                        TfrmMain &main,
                        TfrmPrintMode &printMode,
                        SheetWindow &sheet,
                        const QImage &picture,
                        QPrinter &printer)
{
    PrintOutcome outcome;
    if (!main.activeSheet())
        return outcome;
    if (main.reducedView())
        main.toggleReducedView();
    AppState &state = program.state;
    state.activationRefresh = false;

    const bool numbered = printMode.numberSheets();
    const int jobCount = PrintJobCount(numbered, printer.copyCount());
    if (numbered)
        printer.setCopyCount(1);
    printer.setDocName(ToQString(sheet.sheet().printTag));
    const QString outputFile = printer.outputFileName();
    // Numbered jobs into one file would each overwrite the one before.
    const bool fileOfEachJob = jobCount > 1 && !outputFile.isEmpty();

    int job = 0;
    PrintFailure failure = PrintFailure::failed;
    QString failedFile;
    // Only a page that could not be drawn has news for the user: the screen render has shown
    // everything else already.
    Messages reasons;
    std::int32_t number = printMode.startNumber();
    const PrintRun run = RunPrintJobs(jobCount, number, [&](std::int32_t sheetNumber) {
        ++job;
        printMode.setStartNumber(sheetNumber);
        if (fileOfEachJob)
            printer.setOutputFileName(NumberedOutputFileName(outputFile, sheetNumber));
        PrintJob printJob(printer);
        if (!printJob.begun()) {
            failure = PrintFailure::notStarted;
            failedFile = printer.outputFileName();
            return false;
        }
        Messages messages;
        if (!DrawPage(program, printMode, sheet, picture, printJob.canvas(), messages)) {
            reasons = std::move(messages);
            printJob.abort();
            failure = PrintFailure::aborted;
            return false;
        }
        if (!printJob.end()) {
            failure = PrintFailure::failed;
            return false;
        }
        return true;
    });
    printMode.setStartNumber(number);
    // Setting a file name can change the printer's output format, so only a changed one is
    // put back.
    if (fileOfEachJob)
        printer.setOutputFileName(outputFile);
    state.activationRefresh = true;

    for (const Message &message : reasons)
        program.prompter.message(message.text);
    outcome.printed = run.complete;
    if (!run.complete) {
        outcome.failure = ToQString(PrintFailureText(failure, job, jobCount));
        if (!failedFile.isEmpty())
            outcome.failure += QLatin1Char('\n') + failedFile;
    }
    return outcome;
}

} // namespace zelkon
