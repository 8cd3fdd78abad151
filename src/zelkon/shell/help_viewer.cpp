// HelpViewer: the HTML help file in a browser window of its own.
#include "shell/help_viewer.h"

#include "common/path.h"
#include "platform/qstring_cp932.h"
#include "shell/program.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace zelkon {

HelpViewer::HelpViewer(Program &program, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_program(program)
{
    setObjectName("frmHelp");
    setWindowTitle(QString::fromUtf8("ヘルプ － ") + ToQString(program.edition.applicationTitle));
    resize(760, 680);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    auto *buttons = new QHBoxLayout;
    auto *btnContents = new QPushButton(QString::fromUtf8("目次"), this);
    auto *btnBack = new QPushButton(QString::fromUtf8("戻る"), this);
    auto *btnForward = new QPushButton(QString::fromUtf8("進む"), this);
    auto *btnClose = new QPushButton(QString::fromUtf8("閉じる"), this);
    buttons->addWidget(btnContents);
    buttons->addWidget(btnBack);
    buttons->addWidget(btnForward);
    buttons->addStretch(1);
    buttons->addWidget(btnClose);
    layout->addLayout(buttons);
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName("txtHelp");
    m_browser->setOpenExternalLinks(true);
    layout->addWidget(m_browser, 1);
    connect(btnContents, &QPushButton::clicked, this, &HelpViewer::showContents);
    connect(btnBack, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(btnForward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(btnClose, &QPushButton::clicked, this, &QWidget::close);
    connect(m_browser, &QTextBrowser::backwardAvailable, btnBack, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, btnForward, &QWidget::setEnabled);
}

void HelpViewer::showContents()
{
    if (open({}))
        m_browser->verticalScrollBar()->setValue(0);
}

void HelpViewer::showTopic(int topic)
{
    open(QStringLiteral("topic%1").arg(topic));
}

bool HelpViewer::open(const QString &anchor)
{
    // The help file name carries no folder: it always lies in the program folder.
    const std::string path = m_program.state.programFolder + m_fileName;
    if (!FileExists(path)) {
        m_program.prompter.message(MissingFileMessage(path));
        return false;
    }
    QUrl url = QUrl::fromLocalFile(QString::fromStdString(ToFsPath(path)));
    if (!anchor.isEmpty())
        url.setFragment(anchor);
    m_browser->setSource(url);
    if (!anchor.isEmpty())
        m_browser->scrollToAnchor(anchor);
    show();
    raise();
    activateWindow();
    return true;
}

} // namespace zelkon
