// TfrmPrintMode, the print mode dialog: printing the screen picture or drawing the page anew at
// printer resolution, and the numbering of printed sheets.
#pragma once

#include <QDialog>

#include <cstdint>

class QCheckBox;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace zelkon {

struct Program;
struct RenderContext;
class TfrmMain;

class TfrmPrintMode : public QDialog
{
    Q_OBJECT

public:
    /// `program` and `main` must outlive the dialog.
    TfrmPrintMode(Program &program, TfrmMain &main, QWidget *parent = nullptr);

    /// Shows the mode in force (`printMode`, read from "PrintMode" at start-up) and the dialog.
    void execute();

    /// "№を付ける" is ticked.
    bool numberSheets() const;
    /// 開始番号: the number the next printed sheet carries.
    std::int32_t startNumber() const;
    void setStartNumber(std::int32_t number);
    /// Puts "№を付ける" and 開始番号 into a render's context, as every render reads them.
    void applyNumbering(RenderContext &context) const;

    /// "閉じる": stores the chosen mode as `printMode` and "PrintMode", redraws the active sheet
    /// and closes. Closing the window in any other way does the same.
    void frmCloseClick();

    void reject() override;

private:
    void storeMode();

    Program &m_program;
    TfrmMain &m_main;

    QRadioButton *radDisplay = nullptr;
    QRadioButton *radPrinter = nullptr;
    QCheckBox *chkNumber = nullptr;
    QSpinBox *spnStart = nullptr;
    QPushButton *frmClose = nullptr;
};

} // namespace zelkon
