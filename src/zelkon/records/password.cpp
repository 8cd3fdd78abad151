// TfrmPassword: the two forms of the dialog, the checks at OK and storing a new password.
#include "records/password.h"

#include "platform/qstring_cp932.h"
#include "records/log_on.h"
#include "records/record_file.h"
#include "shell/program.h"
#include "shell/widgets.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace zelkon {

namespace {

QLineEdit *PasswordField(const char *name, QWidget *parent)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setEchoMode(QLineEdit::Password);
    // Every typed character shows as "*", whatever the style's own mask character is.
    field->setStyleSheet("lineedit-password-character: 42;");
    field->setMinimumWidth(240);
    return field;
}

} // namespace

TfrmPassword::TfrmPassword(Program &program, QWidget *parent)
    : QDialog(parent)
    , m_program(program)
{
    setObjectName("frmPassword");
    setModal(true);
    setWindowTitle(U("パスワードの入力"));

    lblWelcome = new QLabel(this);
    lblWelcome->setObjectName("lblWelcome");
    QFont large = lblWelcome->font();
    large.setPixelSize(16);
    large.setBold(true);
    lblWelcome->setFont(large);
    lblPrompt = new QLabel(this);
    lblPrompt->setObjectName("lblPrompt");
    lblHint = new QLabel(U("（半角英数で４文字以上）"), this);
    lblHint->setObjectName("lblHint");
    edtPassword = PasswordField("edtPassword", this);
    lblConfirm = new QLabel(U("確認のため再入力してください"), this);
    lblConfirm->setObjectName("lblConfirm");
    edtConfirm = PasswordField("edtConfirm", this);
    edtConfirm->installEventFilter(this);

    btnOk = new QPushButton("OK", this);
    btnOk->setObjectName("btnOk");
    btnCancel = new QPushButton(U("キャンセル"), this);
    btnCancel->setObjectName("btnCancel");
    // Enter is OK through the fields' own signal; a default button would press OK twice.
    for (QPushButton *button : {btnOk, btnCancel})
        button->setAutoDefault(false);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 14);
    layout->setSpacing(6);
    layout->addWidget(lblWelcome);
    layout->addSpacing(6);
    layout->addWidget(lblPrompt);
    layout->addWidget(lblHint);
    layout->addWidget(edtPassword);
    layout->addSpacing(8);
    layout->addWidget(lblConfirm);
    layout->addWidget(edtConfirm);
    layout->addSpacing(10);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    layout->addLayout(buttons);

    connect(edtPassword, &QLineEdit::returnPressed, this, &TfrmPassword::btnOkClick);
    connect(edtConfirm, &QLineEdit::returnPressed, this, &TfrmPassword::btnOkClick);
    connect(btnOk, &QPushButton::clicked, this, &TfrmPassword::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmPassword::setPassword(std::string stored, std::string recordFile)
{
    m_stored = std::move(stored);
    m_recordFile = std::move(recordFile);
}

bool TfrmPassword::execute(std::string stored, std::string recordFile)
{
    setPassword(std::move(stored), std::move(recordFile));
    return exec() == QDialog::Accepted;
}

void TfrmPassword::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmPassword::FormShow()
{
    lblWelcome->setText(U("ようこそ") + ToQString(m_program.state.learnerName) + U("さん"));
    edtPassword->clear();
    edtConfirm->clear();
    lblConfirm->hide();
    const bool set = PasswordIsSet(m_stored);
    lblPrompt->setText(set ? U("パスワードを入力してください")
                           : U("新規パスワードを設定してください"));
    edtConfirm->setVisible(!set);
    adjustSize();
    edtPassword->setFocus();
}

bool TfrmPassword::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == edtConfirm && event->type() == QEvent::FocusIn)
        lblConfirm->show();
    return QDialog::eventFilter(watched, event);
}

bool TfrmPassword::fieldText(QLineEdit *field, std::string &text)
{
    const Cp932Conversion converted = ToCp932(field->text());
    if (!converted.ok) {
        m_program.prompter.message(RefusedCharacterMessageCp932(converted.badCharacter));
        field->setFocus();
        return false;
    }
    text = converted.bytes;
    return true;
}

void TfrmPassword::btnOkClick()
{
    std::string typed;
    std::string confirmation;
    if (!fieldText(edtPassword, typed))
        return;
    if (!PasswordIsSet(m_stored) && !fieldText(edtConfirm, confirmation))
        return;
    const PasswordVerdict verdict = CheckPassword(m_stored, typed, confirmation);
    switch (verdict) {
    case PasswordVerdict::TooShort:
    case PasswordVerdict::Wrong:
        m_program.prompter.message(PasswordMessage(verdict));
        edtPassword->setFocus();
        return;
    case PasswordVerdict::NotConfirmed:
        m_program.prompter.message(PasswordMessage(verdict));
        edtConfirm->setFocus();
        return;
    case PasswordVerdict::Matches:
        accept();
        return;
    case PasswordVerdict::NewPassword:
        break;
    }
    std::string error;
    if (!WritePassword(m_recordFile, typed, &error)) {
        m_program.prompter.message(error);
        edtPassword->setFocus();
        return;
    }
    accept();
}

} // namespace zelkon
