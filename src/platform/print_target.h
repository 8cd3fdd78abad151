// Where printed sheets go: a printer and its set-up through the standard print dialog, which
// offers printing into a PDF file as well. Tests put a PDF printer without a dialog in its place.
#pragma once

#include <memory>

class QPrinter;
class QWidget;

namespace zelkon {

class PrintTarget
{
public:
    virtual ~PrintTarget() = default;

    /// The printer the jobs go to, with the page size, copy count and output file chosen last.
    virtual QPrinter &printer() = 0;
    /// Lets the user choose the printer, paper and copies (the standard print dialog over
    /// `parent`); true when confirmed, false when cancelled, which leaves the printer as it was.
    virtual bool setUp(QWidget *parent) = 0;
};

/// The system's printers through QPrintDialog, at the printer's full resolution.
class DialogPrintTarget final : public PrintTarget
{
public:
    DialogPrintTarget();
    ~DialogPrintTarget() override;

    QPrinter &printer() override;
    bool setUp(QWidget *parent) override;

private:
    std::unique_ptr<QPrinter> m_printer;
};

} // namespace zelkon
