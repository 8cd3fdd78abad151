// TfrmJuku: editing the school name.
#include "shell/juku.h"

#include "platform/qstring_cp932.h"
#include "shell/program.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zelkon {

TfrmJuku::TfrmJuku(Program &program, QWidget *parent)
    : QDialog(parent)
    , m_program(program)
{
    setObjectName("frmJuku");
    setWindowTitle(QString::fromUtf8("校名／塾名入力"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    auto *row = new QHBoxLayout;
    row->addWidget(new QLabel(QString::fromUtf8("学校名・塾名"), this));
    edtSchool = new QLineEdit(this);
    edtSchool->setObjectName("edtSchool");
    edtSchool->setMinimumWidth(300);
    row->addWidget(edtSchool, 1);
    layout->addLayout(row);
    auto *hint = new QLabel(QString::fromUtf8("ここには自由にタイトルを入れることができます\n"
                                              "例　ＣＡＩ中学校　年　組"),
                            this);
    hint->setContentsMargins(84, 4, 0, 8);
    layout->addWidget(hint);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto *btnOk = new QPushButton("OK", this);
    btnOk->setObjectName("btnOk");
    btnOk->setDefault(true);
    auto *btnCancel = new QPushButton(QString::fromUtf8("ｷｬﾝｾﾙ"), this);
    btnCancel->setObjectName("btnCancel");
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    layout->addLayout(buttons);
    connect(btnOk, &QPushButton::clicked, this, &TfrmJuku::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool TfrmJuku::execute()
{
    // Always the name in force: a text typed and cancelled earlier must not come back and be
    // stored by the next OK.
    edtSchool->setText(ToQString(m_program.state.schoolName));
    edtSchool->selectAll();
    edtSchool->setFocus();
    return exec() == QDialog::Accepted;
}

void TfrmJuku::btnOkClick()
{
    const Cp932Conversion name = ToCp932(edtSchool->text());
    if (!name.ok) {
        m_program.prompter.message(RefusedCharacterMessageCp932(name.badCharacter));
        return;
    }
    m_program.state.schoolName = name.bytes;
    const SettingWrite written = m_program.settings.writeText(kTheSchool, name.bytes);
    if (!written.ok) {
        m_program.prompter.message(written.error);
        return;
    }
    accept();
}

} // namespace zelkon
