// Cp932TextEdit: typed, composed, pasted and dropped text is checked before it reaches the area.
#include "authoring/cp932_text_edit.h"

#include "authoring/editor_unit.h"
#include "common/line_file.h"
#include "common/prompter.h"
#include "platform/qstring_cp932.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>

namespace zelkon {

Cp932TextEdit::Cp932TextEdit(Prompter &prompter, QWidget *parent)
    : QPlainTextEdit(parent)
    , m_prompter(prompter)
{}

void Cp932TextEdit::loadLines(const std::vector<std::string> &lines)
{
    setPlainText(ToQString(AreaText(lines)));
}

void Cp932TextEdit::replaceLines(const std::vector<std::string> &lines)
{
    const QString text = ToQString(AreaText(lines));
    if (toPlainText() == text)
        return;
    QTextCursor cursor(document());
    cursor.select(QTextCursor::Document);
    cursor.insertText(text);
}

std::optional<std::vector<std::string>> Cp932TextEdit::lines()
{
    const QString text = toPlainText();
    const Cp932Conversion converted = ToCp932(text);
    if (converted.ok)
        return SplitLines(converted.bytes);
    m_prompter.message(RefusedCharacterMessageCp932(converted.badCharacter));
    const QString bad = QString::fromStdString(converted.badCharacter);
    QTextCursor cursor(document());
    const qsizetype at = text.indexOf(bad);
    cursor.setPosition(static_cast<int>(at < 0 ? 0 : at));
    setTextCursor(cursor);
    setFocus();
    return std::nullopt;
}

void Cp932TextEdit::placeCaretAtLine(int line)
{
    QTextBlock block = document()->findBlockByNumber(line);
    if (!block.isValid())
        block = document()->lastBlock();
    QTextCursor cursor(document());
    cursor.setPosition(block.position());
    setTextCursor(cursor);
    ensureCursorVisible();
    setFocus();
}

void Cp932TextEdit::keyPressEvent(QKeyEvent *event)
{
    if (!event->text().isEmpty() && !accepts(event->text()))
        return;
    QPlainTextEdit::keyPressEvent(event);
}

void Cp932TextEdit::inputMethodEvent(QInputMethodEvent *event)
{
    if (event->commitString().isEmpty() || accepts(event->commitString())) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    if (event->preeditString().isEmpty() && event->attributes().isEmpty())
        return;
    // The composition still goes on; only its result is refused.
    QInputMethodEvent withoutCommit(event->preeditString(), event->attributes());
    QPlainTextEdit::inputMethodEvent(&withoutCommit);
}

void Cp932TextEdit::insertFromMimeData(const QMimeData *source)
{
    if (source->hasText() && !accepts(source->text()))
        return;
    QPlainTextEdit::insertFromMimeData(source);
}

bool Cp932TextEdit::accepts(const QString &text)
{
    const Cp932Conversion converted = ToCp932(text);
    if (converted.ok)
        return true;
    m_prompter.message(RefusedCharacterMessageCp932(converted.badCharacter));
    return false;
}

} // namespace zelkon
