// TfrmSetPaper, the paper dialog: the paper of the active sheet and its three header options.
#pragma once

#include "sheet/paper.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QPushButton;
class QRadioButton;

namespace zelkon {

struct Program;
class SheetWindow;
class TfrmMain;

class TfrmSetPaper : public QDialog
{
    Q_OBJECT

public:
    /// `program` and `main` must outlive the dialog.
    TfrmSetPaper(Program &program, TfrmMain &main, QWidget *parent = nullptr);

    /// Takes the main window's paper as the chosen one, ticks the option boxes from the active
    /// sheet (when there is one) and shows the dialog; true on OK.
    bool execute();

    /// Ticks the three option boxes from the sheet's `optionFlags`.
    void takeSheetValues(SheetWindow &sheet);

    /// The paper OK will give the sheet.
    const PaperSpec &chosenPaper() const { return m_chosenPaper; }

    /// "OK": gives the active sheet the chosen paper as the main window's paper buttons do,
    /// stores its width as "PaperSize", sets the sheet's options from the boxes, redraws it and
    /// closes. Nothing happens while no sheet is active.
    void btnOkClick();

private:
    void paperClick(Paper paper);
    void showChosenPaper();

    Program &m_program;
    TfrmMain &m_main;
    PaperSpec m_chosenPaper = PaperEntryOf(Paper::A4).pageSize;

    /// The paper radios "B５", "A４", "B4", "A3", in the order of the paper table.
    std::array<QRadioButton *, 4> radPaper{};
    QCheckBox *chkClassFlag = nullptr;
    QCheckBox *chkDate = nullptr;
    QCheckBox *chkStamp = nullptr;
    QPushButton *btnOk = nullptr;
    QPushButton *btnCancel = nullptr;
};

} // namespace zelkon
