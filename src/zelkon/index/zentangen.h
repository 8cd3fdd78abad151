// TfrmZenTangen, the all-units window: every section and unit of the lesson the unit selection
// window shows, as one expanded tree with the marks and counts of the unit list, printable as an
// overview with the date and a running print number.
#pragma once

#include <QDialog>

#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace zelkon {

class PrintTarget;
struct Program;
class TfrmMenu;

class TfrmZenTangen : public QDialog
{
    Q_OBJECT

public:
    /// Prints on the system's default printer. `program` and `menu` must outlive the window.
    TfrmZenTangen(Program &program, TfrmMenu &menu, QWidget *parent);
    ~TfrmZenTangen() override;

    /// Shows the window modally on the lesson the unit selection window has loaded; with none
    /// loaded (its folder or sub-index was missing) says "メニューを選択してください" instead.
    void execute();

    /// Puts another printer in place of the default one (tests print into PDF files).
    void setPrintTarget(std::unique_ptr<PrintTarget> target);

    /// "印刷": counts the print on, then prints a picture of the whole window, counter included,
    /// as large as the page allows with its proportions kept. True when the page went out; a
    /// printer that fails is reported and the counter goes back.
    bool btnPrintClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildControls();
    void FormShow();
    void buildTree();

    Program &m_program;
    TfrmMenu &m_menu;
    std::unique_ptr<PrintTarget> m_target;

    QTreeWidget *trvTangen = nullptr;
    QLabel *lblDate = nullptr;
    QLineEdit *edtCount = nullptr;
    QPushButton *btnPrint = nullptr;
    QPushButton *btnClose = nullptr;
};

} // namespace zelkon
