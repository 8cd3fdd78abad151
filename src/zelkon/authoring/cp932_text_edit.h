// A plain text area for courseware text: it takes only characters that CP932 can hold, so no
// line it gives back ever needs a "?" in place of one.
#pragma once

#include <QPlainTextEdit>

#include <optional>
#include <string>
#include <vector>

namespace zelkon {

class Prompter;

class Cp932TextEdit : public QPlainTextEdit
{
    Q_OBJECT

public:
    /// `prompter` must outlive the area; it shows the refusals.
    explicit Cp932TextEdit(Prompter &prompter, QWidget *parent = nullptr);

    /// Replaces the text by `lines` (CP932), each ended by a line break, as a new text: the undo
    /// history starts afresh.
    void loadLines(const std::vector<std::string> &lines);
    /// Replaces the text by `lines` as one edit that can be undone; nothing happens when the text
    /// already is that.
    void replaceLines(const std::vector<std::string> &lines);
    /// The lines of the text in CP932 (an empty last line after a final line break is not a
    /// line). None when the text holds a character CP932 cannot hold, which can only have come
    /// from a damaged file: the refusal is shown and the caret put before that character.
    std::optional<std::vector<std::string>> lines();
    /// Puts the caret at the start of line `line` (from 0; the last line when there are fewer),
    /// scrolls it into view and gives the area the focus.
    void placeCaretAtLine(int line);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    /// True when CP932 holds every character of `text`; otherwise shows the refusal naming the
    /// first one it cannot hold.
    bool accepts(const QString &text);

    Prompter &m_prompter;
};

} // namespace zelkon
