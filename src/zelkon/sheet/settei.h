// TfrmSettei, the answer-field panel: a narrow modal window over the side panel in which the
// teacher picks the shape of the active sheet's answer fields and their width and height
// allowances, and sees the page redrawn at every change.
#pragma once

#include "sheet/answer_fields.h"
#include "sheet/kran_settings.h"

#include <QDialog>

#include <array>

class QAbstractButton;
class QGroupBox;
class QKeyEvent;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace zelkon {

struct Program;
class SheetWindow;
class TfrmMain;

class TfrmSettei : public QDialog
{
    Q_OBJECT

public:
    /// A hidden child window of `main`; `program` and `main` must outlive it.
    TfrmSettei(Program &program, TfrmMain &main);

    /// `OpenAnswerFieldSettings`: shows the sheet's shape, 幅 and 高さ, turns the answer
    /// display on when the sheet's answers are hidden, and shows the panel modally; closed
    /// with "閉じる" or Esc it writes 幅 and 高さ into the active sheet and redraws it.
    void OpenAnswerFieldSettings(SheetWindow &sheet);
    /// An activated sheet's margins and kran values go into the spin boxes; nothing is written
    /// back to the sheet, so activation never changes or marks it.
    void takeSheetValues(SheetWindow &sheet);
    /// The sheet's answer width (kran value 1) goes into 幅 without being written back.
    void takeAnswerWidth(SheetWindow &sheet);
    /// The value of 幅.
    int answerWidth() const;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct ShapeRadio
    {
        FieldShape shape;
        QRadioButton *radio;
    };

    void buildShapeGroup();
    void buildPositionGroup();
    QSpinBox *addSpin(QWidget *parent, const char *name, int minimum, int maximum, int value);
    /// A row of `caption` and a new spin box, for the group layouts.
    QWidget *addSpinRow(QWidget *parent,
                        QSpinBox *&spin,
                        const char *name,
                        const char *utf8Caption,
                        int minimum,
                        int maximum,
                        int value);
    void connectControls();

    void FormShow();
    /// Keys of the panel and its controls; true when the key is consumed.
    bool handleKey(QKeyEvent *event);
    /// Checks the radio of `shape` and enables the allowances it uses, without writing it.
    void showShape(FieldShape shape);
    void radShapeClick(FieldShape shape);
    /// A spin box change written into the active sheet, which is then redrawn.
    void kranSpinChange(KranLine line, int value);
    void spnLeftMChange(int value);
    void spnRightMChange(int value);
    void spnAnsXChange(int value);
    void spnAnsYChange(int value);
    void btnKakudaiClick();
    void btnOkClick();

    Program &m_program;
    TfrmMain &m_main;

    QGroupBox *grbShape = nullptr;
    QRadioButton *radNon = nullptr;
    QRadioButton *radShikaku = nullptr;
    QRadioButton *radKakko = nullptr;
    QRadioButton *radLine = nullptr;
    QRadioButton *radKasen = nullptr;
    QRadioButton *radRound = nullptr;
    std::array<ShapeRadio, 6> m_shapeRadios{};
    QWidget *pnlKranWX = nullptr;
    QSpinBox *spnKranWX = nullptr;
    QWidget *pnlKranH = nullptr;
    QSpinBox *spnKranH = nullptr;

    QGroupBox *grbPosition = nullptr;
    QSpinBox *spnAnsX = nullptr;
    QSpinBox *spnAnsY = nullptr;
    QAbstractButton *btnLeft = nullptr;
    QAbstractButton *btnRight = nullptr;
    QAbstractButton *btnUp = nullptr;
    QAbstractButton *btnDown = nullptr;
    QSpinBox *spnKranX = nullptr;
    QSpinBox *spnKranY = nullptr;
    QSpinBox *spnLeftM = nullptr;
    QSpinBox *spnRightM = nullptr;

    QPushButton *btnKakudai = nullptr;
    QPushButton *btnOk = nullptr;
};

} // namespace zelkon
