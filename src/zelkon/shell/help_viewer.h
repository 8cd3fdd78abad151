// The program's help window: the HTML help file, its contents or one topic.
#pragma once

#include <QWidget>

#include <string>

class QTextBrowser;

namespace zelkon {

struct Program;

class HelpViewer : public QWidget
{
    Q_OBJECT

public:
    /// `program` must outlive the window.
    explicit HelpViewer(Program &program, QWidget *parent = nullptr);

    /// The help file's name (CP932, no folder); it is looked for in `programFolder`.
    void setFileName(std::string name) { m_fileName = std::move(name); }
    const std::string &fileName() const { return m_fileName; }

    /// Shows the help file from its beginning; a missing file is reported.
    void showContents();
    /// Shows the topic with the anchor "topicN"; a missing file is reported.
    void showTopic(int topic);

    QTextBrowser *browser() const { return m_browser; }

private:
    bool open(const QString &anchor);

    Program &m_program;
    std::string m_fileName;
    QTextBrowser *m_browser = nullptr;
};

} // namespace zelkon
