// One printer job: begun on a printer, drawn through a page canvas, then ended or withdrawn.
#pragma once

#include "platform/qt_canvas.h"

#include <QString>

#include <memory>

class QPrinter;

namespace zelkon {

class PrintJob
{
public:
    /// Begins a job on `printer`, which must outlive the job; begun() tells whether it could
    /// (a printer that is not there, an output file that cannot be written).
    explicit PrintJob(QPrinter &printer);
    /// Ends a job that was neither ended nor withdrawn.
    ~PrintJob();
    PrintJob(const PrintJob &) = delete;
    PrintJob &operator=(const PrintJob &) = delete;

    bool begun() const;
    /// The canvas over the job's page (the printable area, in device pixels).
    QtCanvas &canvas() { return *m_canvas; }
    /// Ends the job; false when the printer reports an error.
    bool end();
    /// Withdraws the job: the printer drops it, and a job that went into a file leaves no
    /// half-written file behind.
    void abort();

private:
    QPrinter &m_printer;
    std::unique_ptr<QtCanvas> m_canvas;
};

/// The output file of numbered job `number` when several jobs go to files: "-" and the number
/// before the file's suffix ("sheet.pdf" → "sheet-5.pdf", "sheet" → "sheet-5"), so that no job
/// overwrites the one before.
QString NumberedOutputFileName(const QString &fileName, int number);

} // namespace zelkon
