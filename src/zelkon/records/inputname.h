// TfrmInputName, the log-on window: a learner picks a name from the roster or types a new one,
// and logs on with the password of that name.
#pragma once

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace zelkon {

struct Program;
class TfrmPassword;

class TfrmInputName : public QDialog
{
    Q_OBJECT

public:
    /// What a log-on changes beyond `learnerName` and "LogOnName".
    struct Hooks
    {
        /// After a learner has logged on: the main window's learner box and the unit selection
        /// window's practice counts show the new learner.
        std::function<void()> loggedOn;
    };

    /// `program` and `password` must outlive the window.
    TfrmInputName(Program &program, TfrmPassword &password, QWidget *parent = nullptr);

    /// Sets what a log-on changes beyond the learner and the setting; unset hooks do nothing.
    void setHooks(Hooks hooks);

    /// `ShowLogOn`: shows the window modally; true when a learner has logged on.
    bool ShowLogOn();

    /// OK: saves the roster (with the typed name added), then logs the name on, through the
    /// password dialog unless it is "共通". An empty name closes the window with Cancel after
    /// saving; a name that cannot name a record file, a roster that cannot be saved, a refused
    /// password or a failed read leave the window open and `learnerName` as it was.
    void btnOkClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildControls();
    void FormShow();
    void lstNameClick();
    void btnDeleteClick();
    void fillRoster(const std::vector<std::string> &names);
    std::vector<std::string> rosterNames() const;
    std::string recordsFolder() const;
    void acceptLearner(const std::string &name);

    Program &m_program;
    TfrmPassword &m_password;
    Hooks m_hooks;
    /// The roster as loaded or last saved, against which the list's changes are saved.
    std::vector<std::string> m_loaded;

    QPlainTextEdit *memNote = nullptr;
    QLineEdit *edtName = nullptr;
    QPushButton *btnOk = nullptr;
    QPushButton *btnCancel = nullptr;
    QPushButton *btnDelete = nullptr;
    QLineEdit *edtMeibo = nullptr;
    QListWidget *lstName = nullptr;
};

} // namespace zelkon
