// TfrmEditSource, the source edit dialog: the whole text of a master file or of a lesson's index
// file as plain lines. It neither reads nor writes a file; its caller does.
#pragma once

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class QPushButton;

namespace zelkon {

class Cp932TextEdit;
class Prompter;

class TfrmEditSource : public QDialog
{
    Q_OBJECT

public:
    /// `prompter` must outlive the dialog; `showHelpTopic` opens a topic of the help file.
    TfrmEditSource(Prompter &prompter, std::function<void(int)> showHelpTopic, QWidget *parent);

    /// `PrepareSourceEdit`: keeps the path (CP932, for the caption) and the help topic and puts a
    /// copy of `lines` (CP932) into the edit area.
    void PrepareSourceEdit(const std::string &path,
                           int helpTopic,
                           const std::vector<std::string> &lines);

    /// Shows the dialog modally at the top-left corner of the screen, the caret at the start of
    /// the text; true on OK. The text stays as it was left, so showing it again after a failed
    /// write lets the teacher try once more without losing the edits.
    bool execute();

    /// The lines of the edit area (CP932) as they stood at OK.
    const std::vector<std::string> &lines() const { return m_lines; }

private:
    void btnOkClick();
    void btnHelpClick();

    std::function<void(int)> m_showHelpTopic;
    std::string m_path;
    int m_helpTopic = 0;
    std::vector<std::string> m_lines;
    Cp932TextEdit *memEditBuffer = nullptr;
    QPushButton *btnOk = nullptr;
    QPushButton *btnCancel = nullptr;
    QPushButton *btnHelp = nullptr;
};

} // namespace zelkon
