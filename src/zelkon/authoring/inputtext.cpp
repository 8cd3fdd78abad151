// TfrmInputText: one line of input; Enter is OK; a character CP932 cannot hold is refused.
#include "authoring/inputtext.h"

#include "common/prompter.h"
#include "platform/qstring_cp932.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QVBoxLayout>

namespace zelkon {

TfrmInputText::TfrmInputText(Prompter &prompter, QWidget *parent)
    : QDialog(parent)
    , m_prompter(prompter)
{
    setObjectName("frmInputText");
    setModal(true);
    setWindowTitle(QString::fromUtf8("テキストの入力"));
    setFixedSize(410, 129);

    memInput = new QLineEdit(this);
    memInput->setObjectName("memInput");
    QFont text = memInput->font();
    text.setPixelSize(16);
    memInput->setFont(text);
    memInput->setMinimumHeight(28);

    btnOk = new QPushButton(QString::fromUtf8("O　K"), this);
    btnOk->setObjectName("btnOk");
    btnCancel = new QPushButton(QString::fromUtf8("キャンセル"), this);
    btnCancel->setObjectName("btnCancel");
    // Enter reaches OK through the input's own signal only, never twice.
    for (QPushButton *button : {btnOk, btnCancel}) {
        button->setAutoDefault(false);
        button->setMinimumWidth(96);
    }

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 18, 16, 14);
    layout->addWidget(memInput);
    layout->addStretch(1);
    layout->addLayout(buttons);

    connect(memInput, &QLineEdit::returnPressed, this, &TfrmInputText::btnOkClick);
    connect(btnOk, &QPushButton::clicked, this, &TfrmInputText::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool TfrmInputText::execute()
{
    std::string start;
    if (m_mode == "mainCHANGE" && m_hooks.selectedSectionTitle)
        start = m_hooks.selectedSectionTitle();
    else if (m_mode == "subCHANGE" && m_hooks.selectedUnitTitle)
        start = m_hooks.selectedUnitTitle();
    memInput->setText(ToQString(start));
    memInput->selectAll();
    memInput->setFocus();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    return exec() == QDialog::Accepted;
}

void TfrmInputText::btnOkClick()
{
    // The result is one line, whatever a paste may have put into the box.
    QString line = memInput->text();
    const qsizetype lineEnd = line.indexOf(QRegularExpression("[\r\n]"));
    if (lineEnd >= 0)
        line.truncate(lineEnd);
    const Cp932Conversion converted = ToCp932(line);
    if (!converted.ok) {
        m_prompter.message(RefusedCharacterMessageCp932(converted.badCharacter));
        return;
    }
    m_text = converted.bytes;
    accept();
}

} // namespace zelkon
