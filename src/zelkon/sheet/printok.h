// TfrmPrintOk, the print dialog: which paper to load, the printer set-up, the sheet's start
// number, and the start of printing.
#pragma once

#include <QDialog>
#include <QImage>

#include <memory>

class QLabel;
class QPushButton;
class QSpinBox;

namespace zelkon {

class PrintTarget;
struct Program;
class SheetWindow;
class TfrmMain;
class TfrmPrintMode;

class TfrmPrintOk : public QDialog
{
    Q_OBJECT

public:
    /// Prints to the system's printers through the standard print dialog. `program`, `main` and
    /// `printMode` must outlive the dialog.
    TfrmPrintOk(Program &program,
                TfrmMain &main,
                TfrmPrintMode &printMode,
                QWidget *parent = nullptr);
    ~TfrmPrintOk() override;

    /// Opens the dialog to print `picture` (the active sheet's page image, or the practice
    /// window's picture of it): the answer fields of the on-screen page are kept as they are.
    void execute(const QImage &picture);

    /// Shows the sheet's start number in 開始No.
    void takeSheetValues(SheetWindow &sheet);

    /// Puts another printer in place of the system's (tests print into PDF files without a
    /// dialog).
    void setPrintTarget(std::unique_ptr<PrintTarget> target);
    PrintTarget &printTarget() { return *m_target; }

    /// "プリンタ設定": the standard print dialog; true when it was confirmed, which shows the
    /// printer's page size and counts as set up.
    bool btnSetteiClick();
    /// "印刷開始": sets the printer up first unless it was since the dialog opened, then prints
    /// the active sheet and closes; a print that did not come out whole is reported in the
    /// dialog, which stays open.
    void btnPrintClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    void showPrinterSize();
    void spnStartNumChange(int value);
    void setButtonsEnabled(bool enabled);

    Program &m_program;
    TfrmMain &m_main;
    TfrmPrintMode &m_printMode;
    std::unique_ptr<PrintTarget> m_target;
    QImage m_picture;     ///< the print source
    bool m_setUp = false; ///< the printer was set up since the dialog was shown

    QLabel *lblSize = nullptr;
    QLabel *lblPWidth = nullptr;
    QLabel *lblPHeight = nullptr;
    QPushButton *btnSettei = nullptr;
    QSpinBox *spnStartNum = nullptr;
    QPushButton *btnPrint = nullptr;
    QPushButton *btnClose = nullptr;
};

} // namespace zelkon
