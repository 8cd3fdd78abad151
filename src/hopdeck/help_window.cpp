// HelpWindow: a browser over the HTML help file.
#include "hopdeck/help_window.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace zelkon::hopdeck {

HelpWindow::HelpWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QString::fromUtf8("ヘルプ"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("txtHelp"));
    // Links to the web go to the browser; links inside the help stay here.
    m_browser->setOpenExternalLinks(true);
    layout->addWidget(m_browser);
    resize(640, 560);
}

void HelpWindow::showContents(const QString &file)
{
    m_browser->setSource(QUrl::fromLocalFile(file));
    m_browser->home();
    show();
    raise();
    activateWindow();
}

} // namespace zelkon::hopdeck
