// The print target of the window tests: prints into a PDF file without a dialog. Its set-up
// stands for the standard print dialog: it counts how often it was asked, and confirms with a
// chosen copy count or is cancelled.
#pragma once

#include "platform/print_target.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QString>

namespace zelkon::test {

class PdfPrintTarget final : public PrintTarget
{
public:
    /// An A4 page with the printer's own margins.
    PdfPrintTarget(const QString &file, int dpi)
        : m_printer(QPrinter::HighResolution)
    {
        m_printer.setOutputFormat(QPrinter::PdfFormat);
        m_printer.setResolution(dpi);
        m_printer.setPageSize(QPageSize(QPageSize::A4));
        m_printer.setOutputFileName(file);
    }

    PdfPrintTarget(const QString &file, int dpi, const QPageLayout &layout)
        : PdfPrintTarget(file, dpi)
    {
        m_printer.setPageLayout(layout);
    }

    QPrinter &printer() override { return m_printer; }
    bool setUp(QWidget *) override
    {
        ++setUps;
        if (!confirm)
            return false;
        m_printer.setCopyCount(copies);
        return true;
    }

    int copies = 1;
    bool confirm = true;
    int setUps = 0;

private:
    QPrinter m_printer;
};

} // namespace zelkon::test
