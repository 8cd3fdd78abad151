// TfrmDetail, the detail window: every title with its program, versions, copies and folder,
// and a printout of the table.
#pragma once

#include "launcher/title_detail.h"

#include <QDialog>

#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace zelkon {
class Prompter;
class PrintTarget;
} // namespace zelkon

namespace zelkon::hopdeck {

class TfrmDetail : public QDialog
{
    Q_OBJECT

public:
    /// `prompter` and `printTarget` must outlive the window; it takes the size of `parent`.
    TfrmDetail(Prompter &prompter, PrintTarget &printTarget, QWidget *parent);

    /// Fills the window for `index` found in `folder` (CP932 path) and shows it modally over
    /// `geometry` (the main window's).
    void execute(const TitleIndex &index, const std::string &folder, const QRect &geometry);
    /// Fills the table, the folder and the last-update text, without showing the window.
    void fill(const TitleIndex &index, const std::string &folder);

    /// The text of grid row `row` (0 the header, r title r) and column `column`.
    QString cellText(int row, int column) const;
    /// Number of grid rows, the header included.
    int rowCount() const;

    /// Prints one line per grid row, the header first; the print dialog comes first, and a job
    /// that cannot begin or fails is reported.
    void btnPrintClick();

private:
    QLabel *pnlDrive = nullptr;
    QLineEdit *edtLastUpdate = nullptr;
    QTableWidget *stgDetail = nullptr;
    QPushButton *btnPrint = nullptr;
    QPushButton *btnClose = nullptr;
    Prompter &m_prompter;
    PrintTarget &m_printTarget;
    std::vector<DetailRow> m_rows;
};

} // namespace zelkon::hopdeck
