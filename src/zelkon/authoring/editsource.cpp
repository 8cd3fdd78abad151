// TfrmEditSource: the edit area beside a column of buttons, taking the frame's size.
#include "authoring/editsource.h"

#include "authoring/cp932_text_edit.h"
#include "platform/qstring_cp932.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace zelkon {

TfrmEditSource::TfrmEditSource(Prompter &prompter,
                               std::function<void(int)> showHelpTopic,
                               QWidget *parent)
    : QDialog(parent)
    , m_showHelpTopic(std::move(showHelpTopic))
{
    setObjectName("frmEditSource");
    setModal(true);
    setWindowTitle(QString::fromUtf8("ソースの直接編集"));

    memEditBuffer = new Cp932TextEdit(prompter, this);
    memEditBuffer->setObjectName("memEditBuffer");
    memEditBuffer->setLineWrapMode(QPlainTextEdit::NoWrap);
    memEditBuffer->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memEditBuffer->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont text = memEditBuffer->font();
    text.setPixelSize(16);
    memEditBuffer->setFont(text);

    const auto button = [this](const char *name, const char *caption) {
        auto *made = new QPushButton(QString::fromUtf8(caption), this);
        made->setObjectName(name);
        made->setAutoDefault(false);
        made->setMinimumWidth(88);
        return made;
    };
    btnOk = button("btnOk", " O　K  ");
    btnCancel = button("btnCancel", "ｷｬﾝｾﾙ");
    btnHelp = button("btnHelp", "ヘルプ");

    auto *buttons = new QVBoxLayout;
    buttons->setSpacing(8);
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    buttons->addSpacing(16);
    buttons->addWidget(btnHelp);
    buttons->addStretch(1);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 10, 20, 10);
    layout->setSpacing(10);
    layout->addLayout(buttons);
    layout->addWidget(memEditBuffer, 1);

    connect(btnOk, &QPushButton::clicked, this, &TfrmEditSource::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnHelp, &QPushButton::clicked, this, &TfrmEditSource::btnHelpClick);
}

void TfrmEditSource::PrepareSourceEdit(const std::string &path,
                                       int helpTopic,
                                       const std::vector<std::string> &lines)
{
    m_path = path;
    m_helpTopic = helpTopic;
    m_lines.clear();
    memEditBuffer->loadLines(lines);
}

bool TfrmEditSource::execute()
{
    if (parentWidget())
        resize(parentWidget()->window()->size());
    move(0, 0);
    setWindowTitle(QString::fromUtf8("ソースの直接編集") + ToQString(m_path));
    memEditBuffer->moveCursor(QTextCursor::Start);
    memEditBuffer->setFocus();
    return exec() == QDialog::Accepted;
}

void TfrmEditSource::btnOkClick()
{
    const std::optional<std::vector<std::string>> lines = memEditBuffer->lines();
    if (!lines)
        return;
    m_lines = *lines;
    accept();
}

void TfrmEditSource::btnHelpClick()
{
    if (m_showHelpTopic)
        m_showHelpTopic(m_helpTopic);
}

} // namespace zelkon
