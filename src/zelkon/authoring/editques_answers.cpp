// TfrmEditQues: the answer marks of the questions, the answers taken from them, the choice block
// derived from the answers and dummies, its counters, and the two markups of a selection.
#include "authoring/editques.h"

#include "authoring/answer_marks.h"
#include "authoring/cp932_text_edit.h"
#include "common/cp932.h"
#include "common/line_file.h"
#include "platform/qstring_cp932.h"
#include "shell/program.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>

namespace zelkon {

bool TfrmEditQues::btnTestClick()
{
    const std::optional<std::vector<std::string>> questions = MemQues->lines();
    if (!questions)
        return false;
    Messages messages;
    const std::optional<int> failed = CheckAnswerMarks(*questions, messages);
    for (const Message &message : messages)
        m_program.prompter.message(message.text);
    if (failed) {
        // The answers of the last good extraction stay listed.
        MemQues->placeCaretAtLine(*failed);
        showAnswerCount();
        return false;
    }
    m_answers = ExtractAnswers(*questions);
    lstKai->clear();
    for (const std::string &answer : m_answers)
        lstKai->addItem(ToQString(answer));
    showAnswerCount();
    return true;
}

bool TfrmEditQues::markSelection(std::string (*markup)(std::string_view))
{
    MemQues->setFocus();
    QTextCursor cursor = MemQues->textCursor();
    if (!cursor.hasSelection()) {
        m_program.prompter.message(Utf8ToCp932("囲む範囲を選択してください"));
        return false;
    }
    // A selection over several lines reports its line breaks as paragraph separators.
    QString selected = cursor.selectedText();
    selected.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    const Cp932Conversion converted = ToCp932(selected);
    if (!converted.ok) {
        m_program.prompter.message(RefusedCharacterMessageCp932(converted.badCharacter));
        return false;
    }
    cursor.insertText(ToQString(markup(converted.bytes)));
    MemQues->setTextCursor(cursor);
    return true;
}

void TfrmEditQues::btnKaiClick()
{
    if (markSelection(AnswerFieldMarkup))
        btnTestClick();
}

void TfrmEditQues::btnKakkoClick()
{
    markSelection(UnderlineBracketMarkup);
}

void TfrmEditQues::btnKgAddClick()
{
    memKgroup->replaceLines(BuildChoices(m_answers, chkSuuji->isChecked(), chkKigou->isChecked()));
}

void TfrmEditQues::btnDummyClick()
{
    std::optional<std::vector<std::string>> choices = memKgroup->lines();
    if (!choices)
        return;
    const std::optional<std::vector<std::string>> dummies = memDummy->lines();
    if (!dummies)
        return;
    MergeDummies(*choices, *dummies);
    memKgroup->replaceLines(*choices);
}

void TfrmEditQues::btnKGClearClick()
{
    memKgroup->replaceLines({});
}

void TfrmEditQues::showAnswerCount()
{
    lblKosuh->setText(QString::number(lstKai->count()));
}

void TfrmEditQues::showChoiceCounts()
{
    // Counted from the text as it stands; a character CP932 cannot hold is refused by the area
    // before it gets there, so the conversion only fails on a damaged file, which OK reports.
    const Cp932Conversion text = ToCp932(memKgroup->toPlainText());
    if (!text.ok)
        return;
    const std::vector<std::string> choices = SplitLines(text.bytes);
    lblKosuh3->setText(QString::number(choices.size()));
    lblKosuh2->setText(QString::number(ChoiceCharacterCount(choices)));
}

} // namespace zelkon
