// Printer jobs over QPrinter and the file names of numbered jobs.
#include "platform/print_job.h"

#include <QFile>
#include <QFileInfo>
#include <QPrinter>

namespace zelkon {

PrintJob::PrintJob(QPrinter &printer)
    : m_printer(printer)
    , m_canvas(std::make_unique<QtCanvas>(printer))
{}

PrintJob::~PrintJob()
{
    end();
}

bool PrintJob::begun() const
{
    return m_canvas && m_canvas->isActive();
}

bool PrintJob::end()
{
    if (!m_canvas)
        return false;
    const bool begun = m_canvas->isActive();
    // The painter ends with the canvas, and with it the job.
    m_canvas.reset();
    return begun && m_printer.printerState() != QPrinter::Error;
}

void PrintJob::abort()
{
    if (!m_canvas)
        return;
    const bool begun = m_canvas->isActive();
    m_printer.abort();
    m_canvas.reset();
    // Not every engine can drop a job (the PDF writer finishes its file regardless).
    const QString file = m_printer.outputFileName();
    if (begun && !file.isEmpty())
        QFile::remove(file);
}

QString NumberedOutputFileName(const QString &fileName, int number)
{
    const QFileInfo info(fileName);
    const QString suffix = info.suffix();
    const QString base
        = suffix.isEmpty() ? info.fileName() : info.fileName().chopped(suffix.size() + 1);
    QString name = base + QLatin1Char('-') + QString::number(number);
    if (!suffix.isEmpty())
        name += QLatin1Char('.') + suffix;
    const QString folder = fileName.left(fileName.size() - info.fileName().size());
    return folder + name;
}

} // namespace zelkon
