// TfrmJuku, the school name dialog: the school or cram-school name printed on the sheets.
#pragma once

#include <QDialog>

class QLineEdit;

namespace zelkon {

struct Program;

class TfrmJuku : public QDialog
{
    Q_OBJECT

public:
    /// `program` must outlive the dialog.
    explicit TfrmJuku(Program &program, QWidget *parent = nullptr);

    /// Shows the current school name and the dialog; true on OK.
    bool execute();

    /// Stores the edit box's text as `schoolName` and "theSchool"; stays open when the text
    /// holds a character the sheets cannot print or the setting cannot be written.
    void btnOkClick();

private:
    Program &m_program;
    QLineEdit *edtSchool = nullptr;
};

} // namespace zelkon
