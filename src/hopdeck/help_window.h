// The launcher's help window: its HTML help file from the start.
#pragma once

#include <QWidget>

class QTextBrowser;

namespace zelkon::hopdeck {

class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget *parent);

    /// Shows the help file (filesystem path) from its beginning and brings the window forward.
    void showContents(const QString &file);

    /// The browser showing the help file.
    QTextBrowser *browser() const { return m_browser; }

private:
    QTextBrowser *m_browser = nullptr;
};

} // namespace zelkon::hopdeck
