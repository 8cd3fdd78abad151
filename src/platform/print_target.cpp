// The system's printers and the standard print dialog.
#include "platform/print_target.h"

#include <QPrintDialog>
#include <QPrinter>

namespace zelkon {

DialogPrintTarget::DialogPrintTarget()
    : m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    m_printer->setCreator(QStringLiteral("Zelkon++"));
}

DialogPrintTarget::~DialogPrintTarget() = default;

QPrinter &DialogPrintTarget::printer()
{
    return *m_printer;
}

bool DialogPrintTarget::setUp(QWidget *parent)
{
    QPrintDialog dialog(m_printer.get(), parent);
    // A sheet is one page: a page range means nothing for it.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace zelkon
