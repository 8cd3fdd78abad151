// TfrmRenshu: the answer boxes over the fields, the focus rule, Enter, the choice list and the
// on-screen keys.
#include "practice/renshu.h"

#include "platform/qstring_cp932.h"
#include "practice/answer_box.h"
#include "sheet/answer_fields.h"
#include "shell/main.h"
#include "shell/program.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace zelkon {

namespace {

int FieldCount(const RenderTables &tables)
{
    return std::clamp(tables.answerFieldCount, 0, kMaxAnswerFields);
}

} // namespace

void TfrmRenshu::showPicture()
{
    imgPaper2->setPixmap(QPixmap::fromImage(m_paper));
    imgPaper2->resize(m_paper.size());
    pnlPaper->resize(m_paper.size());
}

void TfrmRenshu::PlaceAnswerBoxes()
{
    if (!m_sheet)
        return;
    const RenderTables &tables = m_program.renderTables;
    const RenderContext context = practiceContext();
    const FieldLayout layout{1.0,
                             /*toPrinter=*/false,
                             context.fieldWidthAllowance,
                             context.fieldHeightAllowance,
                             AnswerBoxHeight(context.mojiSize)};
    const int panelWidth = m_main.sidePanelWidth();
    // The boxes are placed in window coordinates; the picture starts 5 pixels right of the
    // command panel.
    const int pictureLeft = panelWidth + 5;
    const QFont font = AnswerBoxFont(context.mojiSize);
    for (int i = 1; i <= FieldCount(tables); ++i) {
        const Rect r = AnswerBoxRect(
            tables.answerFieldTable[static_cast<std::size_t>(i)], layout, panelWidth);
        QLineEdit *box = answerBox(i);
        box->setFont(font);
        box->setGeometry(r.left - pictureLeft, r.top, r.right - r.left, r.bottom - r.top);
        box->raise();
    }
}

void TfrmRenshu::ClearAllBoxes()
{
    for (int i = 1; i <= FieldCount(m_program.renderTables); ++i) {
        QLineEdit *box = answerBox(i);
        box->show();
        QPalette palette = box->palette();
        palette.setColor(QPalette::Text, Qt::black);
        box->setPalette(palette);
        box->clear();
    }
}

void TfrmRenshu::setBoxesReadOnly(bool readOnly)
{
    for (int i = 1; i <= kMaxAnswerFields; ++i)
        answerBox(i)->setReadOnly(readOnly);
}

void TfrmRenshu::hideAllBoxes()
{
    for (QLineEdit *box : m_boxes)
        box->hide();
}

BoxViews TfrmRenshu::boxViews() const
{
    BoxViews views;
    for (int i = 1; i <= kMaxAnswerFields; ++i) {
        const QLineEdit *box = answerBox(i);
        views[static_cast<std::size_t>(i)] = {!box->isHidden(), box->text().isEmpty()};
    }
    return views;
}

int TfrmRenshu::NextOpenField() const
{
    return zelkon::NextOpenField(boxViews(), m_program.renderTables, currentField);
}

int TfrmRenshu::FirstPendingField() const
{
    return zelkon::FirstPendingField(boxViews(), m_program.renderTables);
}

int TfrmRenshu::nextFieldToEnter() const
{
    const int next = NextOpenField();
    return next != 0 ? next : FirstPendingField();
}

void TfrmRenshu::focusBox(int i)
{
    if (i < 1 || i > kMaxAnswerFields)
        return;
    QLineEdit *box = answerBox(i);
    box->setFocus();
    box->selectAll();
    // The rule runs here too, so that it holds while the window is not yet active.
    boxFocused(i);
}

void TfrmRenshu::showInBox(int i, const QString &text)
{
    QLineEdit *box = answerBox(i);
    box->setText(text);
    box->deselect();
    box->setCursorPosition(0);
    box->setFocus();
    boxFocused(i);
}

void TfrmRenshu::boxFocused(int i)
{
    if (i < 1 || i > FieldCount(m_program.renderTables))
        return;
    const int state = m_program.renderTables.answerFieldTable[static_cast<std::size_t>(i)].state;
    // A field whose answer was revealed waits for its answer too; without it the drill could
    // never be finished once the learner had left that field.
    if (state == kFieldOpen || state == kFieldNotJudged) {
        currentField = i;
        return;
    }
    if (i != currentField)
        focusBox(currentField);
}

bool TfrmRenshu::boxText(int i, std::string &text)
{
    const Cp932Conversion converted = ToCp932(answerBox(i)->text());
    if (!converted.ok) {
        m_program.prompter.message(RefusedCharacterMessageCp932(converted.badCharacter));
        return false;
    }
    text = converted.bytes;
    return true;
}

QString TfrmRenshu::firstAcceptedAnswer(int field) const
{
    const auto &accepted = m_accepted[static_cast<std::size_t>(field)];
    return accepted.empty() ? QString() : ToQString(accepted.front());
}

void TfrmRenshu::EnterAnswer()
{
    RenderTables &tables = m_program.renderTables;
    if (currentField < 1 || currentField > FieldCount(tables))
        return;
    QLineEdit *box = answerBox(currentField);
    std::string text;
    if (!boxText(currentField, text)) {
        box->setFocus();
        return;
    }
    text = FullWidthDigitRule(text);
    box->setText(ToQString(text));
    if (box->isReadOnly())
        return;
    text = TrimBlanks(text);
    box->setText(ToQString(text));

    std::string &stored = tables.learnerAnswers[static_cast<std::size_t>(currentField)];
    if (practiceMode) {
        if (text.empty())
            return;
        const bool firstTry = stored == kNothingEntered;
        if (firstTry)
            stored = text;
        CheckEntry(currentField, text, firstTry);
        return;
    }
    stored = text;
    if (FirstPendingField() == 0)
        btnSaiten->setFocus();
    else
        focusBox(nextFieldToEnter());
}

void TfrmRenshu::lstKgroupClick()
{
    QListWidgetItem *item = lstKgroup->currentItem();
    if (!item || currentField < 1)
        return;
    answerBox(currentField)->setText(item->text());
    focusBox(currentField);
}

void TfrmRenshu::onScreenKeyClick(const QString &caption)
{
    if (currentField < 1)
        return;
    QLineEdit *box = answerBox(currentField);
    // Right after the program focused the box its whole text is selected: the first key
    // replaces it, the next ones append.
    if (box->hasSelectedText())
        box->clear();
    box->setText(box->text() + caption);
    box->setFocus();
    box->setCursorPosition(static_cast<int>(box->text().size()));
}

void TfrmRenshu::btnClearClick()
{
    if (currentField < 1)
        return;
    answerBox(currentField)->clear();
    answerBox(currentField)->setFocus();
}

void TfrmRenshu::FillSoftKeyboard()
{
    SoftKeyCaptions captions;
    if (!zelkon::FillSoftKeyboard(lstSoftKey, m_random, captions))
        return;
    for (int n = 1; n <= kSoftKeyCount; ++n) {
        QPushButton *key = m_softKeys[static_cast<std::size_t>(n)];
        key->setText(ToQString(captions[static_cast<std::size_t>(n)]));
        QPalette palette = key->palette();
        palette.setColor(QPalette::ButtonText, QColor(0, 128, 0));
        key->setPalette(palette);
        key->show();
    }
}

void TfrmRenshu::ShuffleList()
{
    std::vector<std::string> items;
    for (int row = 0; row < lstKgroup->count(); ++row)
        items.push_back(ToCp932(lstKgroup->item(row)->text()).bytes);
    zelkon::ShuffleList(items, m_random);
    for (int row = 0; row < lstKgroup->count(); ++row)
        lstKgroup->item(row)->setText(ToQString(items[static_cast<std::size_t>(row)]));
}

void TfrmRenshu::btnSoftKeyClick()
{
    for (QWidget *group : {static_cast<QWidget *>(grbSelect),
                           static_cast<QWidget *>(grbMoji),
                           static_cast<QWidget *>(grbCMoji)})
        group->setVisible(group->isHidden());
    if (currentField >= 1)
        answerBox(currentField)->setFocus();
}

} // namespace zelkon
