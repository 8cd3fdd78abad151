// TfrmPassword, the learner password dialog: asks for the stored password, or lets the learner
// set a new one by typing it twice.
#pragma once

#include <QDialog>

#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zelkon {

struct Program;

class TfrmPassword : public QDialog
{
    Q_OBJECT

public:
    /// `program` must outlive the dialog.
    explicit TfrmPassword(Program &program, QWidget *parent = nullptr);

    /// Prepares the next showing for `learnerName`: `stored` is the stored password, "?" for
    /// none (then a new one is set and written to `recordFile`).
    void setPassword(std::string stored, std::string recordFile);

    /// setPassword, then shows the dialog modally; true when the stored password was typed or
    /// a new one was stored.
    bool execute(std::string stored, std::string recordFile);

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormShow();
    void btnOkClick();
    /// The CP932 text of a field; false after refusing a character CP932 cannot hold.
    bool fieldText(QLineEdit *field, std::string &text);

    Program &m_program;
    std::string m_stored = "?";
    std::string m_recordFile;

    QLabel *lblWelcome = nullptr;
    QLabel *lblPrompt = nullptr;
    QLabel *lblHint = nullptr;
    QLineEdit *edtPassword = nullptr;
    QLabel *lblConfirm = nullptr;
    QLineEdit *edtConfirm = nullptr;
    QPushButton *btnOk = nullptr;
    QPushButton *btnCancel = nullptr;
};

} // namespace zelkon
