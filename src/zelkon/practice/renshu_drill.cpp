// TfrmRenshu: the activities, judging an entry, scoring a drill and its feedback and record.
#include "practice/renshu.h"

#include "common/cp932.h"
#include "platform/qstring_cp932.h"
#include "platform/qt_canvas.h"
#include "practice/answer_box.h"
#include "practice/feedback_pictures.h"
#include "practice/message_area.h"
#include "practice/scoring.h"
#include "practice/zenseikai.h"
#include "records/record_file.h"
#include "records/record_line.h"
#include "records/record_panel.h"
#include "sheet/answer_fields.h"
#include "sheet/render_sheet.h"
#include "shell/main.h"
#include "shell/main_seams.h"
#include "shell/program.h"
#include "shell/sheet_window.h"
#include "shell/widgets.h"

#include <QDateTime>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace zelkon {

namespace {

const QColor kRedInk(255, 0, 0);
const QColor kBlueInk(0, 0, 255);

Rgb ToRgb(const QColor &colour)
{
    return Rgb{static_cast<std::uint8_t>(colour.red()),
               static_cast<std::uint8_t>(colour.green()),
               static_cast<std::uint8_t>(colour.blue())};
}

LocalTime Now()
{
    const QDateTime now = QDateTime::currentDateTime();
    return {now.date().year(),
            now.date().month(),
            now.date().day(),
            now.time().hour(),
            now.time().minute()};
}

} // namespace

bool TfrmRenshu::hintsAllowed() const
{
    return !m_hintLines.empty() && m_sheet && !m_sheet->sheet().openedAsCopyFile;
}

void TfrmRenshu::btnRenshuClick()
{
    if (!m_sheet)
        return;
    memKiroku->hide();
    // The only seeding: until the first 練習 of a run every choice follows the start seed.
    m_random.seed(static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch()));
    btnHint->setVisible(hintsAllowed());
    btnHint->setEnabled(hintsAllowed());
    btnAnswer->show();
    btnAnswer->setEnabled(true);
    btnSaiten->hide();
    StartDrill(/*test=*/false);
}

void TfrmRenshu::btnTestClick()
{
    if (!m_sheet)
        return;
    memKiroku->hide();
    btnHint->setEnabled(hintsAllowed());
    btnAnswer->hide();
    btnSaiten->show();
    StartDrill(/*test=*/true);
}

void TfrmRenshu::showInputGroups()
{
    grbMoji->setVisible(chkRandom->isChecked());
    grbSelect->setVisible(chkKaitou->isChecked());
    grbCMoji->setVisible(chkKaitou->isChecked());
}

void TfrmRenshu::StartDrill(bool test)
{
    RenderTables &tables = m_program.renderTables;
    for (std::string &answer : tables.learnerAnswers)
        answer = kNothingEntered;
    resetFieldStates();

    imgMessXX->setGeometry(grbTest->x(), grbTest->geometry().bottom() + 6, grbTest->width(), 100);
    pnlAnki->hide();
    pnlKiroku->hide();
    pnlSS->show();
    pnlRenshu->hide();
    showInputGroups();
    FillSoftKeyboard();
    ShuffleList();
    if (test) {
        btnHint->hide();
        btnAnswer->hide();
    }

    allCorrect = false;
    practiceMode = !test;
    reviewMode = false;
    elapsedSeconds = 0;
    timSecond->start();
    scrollToTop();
    m_sheet->sheet().scoreShown = false;

    imgMessXX->clear();
    renderPicture();
    ClearAllBoxes();

    m_tally = {};
    currentField = 1;
    focusBox(1);
    grbTest->show();
    setBoxesReadOnly(false);
}

void TfrmRenshu::btnAnkiClick()
{
    StartMemorize();
}

void TfrmRenshu::StartMemorize()
{
    if (!m_sheet)
        return;
    scrollToTop();
    pnlKiroku->hide();
    pnlAnki->setGeometry(grbTest->geometry());
    imgMessXX->setGeometry(grbTest->x(), 20, grbTest->width(), 200);

    resetFieldStates();
    m_sheet->sheet().scoreShown = false;
    renderPicture();
    ClearAllBoxes();
    setBoxesReadOnly(true);

    pnlRenshu->hide();
    pnlSS->show();
    pnlAnki->show();
    pnlAnki->raise();
    imgMessXX->raise();

    currentField = 1;
    showInBox(1, firstAcceptedAnswer(1));
    // The hints take the place of the input aids while memorizing.
    grbSelect->hide();
    grbMoji->hide();
    grbCMoji->hide();
    imgMessXX->clear();
    ShowHint();
}

void TfrmRenshu::btnNextAClick()
{
    answerBox(currentField)->clear();
    memorizeNext(/*whole=*/false);
}

void TfrmRenshu::btnNextBClick()
{
    memorizeNext(/*whole=*/true);
}

void TfrmRenshu::memorizeNext(bool whole)
{
    // With no other field (a unit of one field) the current one is shown again.
    int next = NextOpenField();
    if (next == 0)
        next = currentField;
    const auto &field = m_program.renderTables.answerFieldTable[static_cast<std::size_t>(next)];
    showInBox(next, whole ? ToQString(field.answerText) : firstAcceptedAnswer(next));
    ShowAlternatives(next);
}

void TfrmRenshu::btnShowClick()
{
    ShowCorrectAnswers();
    focusBox(1);
}

void TfrmRenshu::btnAllClearClick()
{
    ClearAllBoxes();
    focusBox(1);
}

void TfrmRenshu::btnCloseClick()
{
    pnlRenshu->show();
    pnlAnki->hide();
    pnlSS->hide();
    imgMess->show();
    imgMess->drawLine(0, U("　次は［練習です］"), kBlueInk, 14);
    pnlKiroku->show();
    scrollToTop();
}

void TfrmRenshu::ShowAlternatives(int field)
{
    const auto &accepted = m_accepted[static_cast<std::size_t>(field)];
    if (accepted.size() < 2)
        return;
    imgMessXX->drawLine(0, U("別解は"), Qt::black, 14);
    for (std::size_t k = 1; k < accepted.size(); ++k)
        imgMessXX->drawLine(static_cast<int>(k), ToQString(accepted[k]), kBlueInk, 14);
}

void TfrmRenshu::btnHintClick()
{
    ShowHint();
}

void TfrmRenshu::ShowHint()
{
    if (!m_hintLines.empty() && m_hintLines.front() != "Hint") {
        imgMessXX->clear();
        imgMessXX->drawText(0, 0, U("学習のポイント"), Qt::black, 20);
        for (std::size_t k = 0; k < m_hintLines.size(); ++k)
            imgMessXX->drawText(
                0, 30 + 20 * static_cast<int>(k), ToQString(m_hintLines[k]), Qt::black, 12);
    }
    if (QLineEdit *box = answerBox(currentField))
        box->setFocus();
}

void TfrmRenshu::btnFukushuClick()
{
    StartReview();
}

void TfrmRenshu::StartReview()
{
    if (!m_sheet)
        return;
    RenderTables &tables = m_program.renderTables;
    const int count = std::clamp(tables.answerFieldCount, 0, kMaxAnswerFields);
    int first = 0;
    for (int i = count; i >= 1; --i)
        if (tables.answerFieldTable[static_cast<std::size_t>(i)].state != kFieldRight)
            first = i;
    // Every field may have come right in the end of a review that still counted a mistake.
    if (first == 0) {
        m_program.prompter.message(Utf8ToCp932("復習するところはありません"));
        return;
    }

    setBoxesReadOnly(false);
    btnHint->show();
    btnAnswer->show();
    btnSaiten->hide();
    pnlKiroku->hide();
    pnlSS->show();
    imgMessXX->setGeometry(grbTest->x(), grbTest->geometry().bottom() + 6, grbTest->width(), 100);
    showInputGroups();
    grbTest->show();
    allCorrect = false;
    m_tally.wrongCount = 0;
    practiceMode = true;
    pnlRenshu->hide();
    scrollToTop();

    for (int i = 1; i <= count; ++i) {
        auto &field = tables.answerFieldTable[static_cast<std::size_t>(i)];
        if (field.state == kFieldRight)
            continue;
        answerBox(i)->clear();
        answerBox(i)->show();
        field.state = kFieldOpen;
    }
    for (QPushButton *button : {btnStartPrint, btnSeikai, btnFukushu, btnTest})
        button->setEnabled(false);
    reviewMode = true;
    m_sheet->sheet().scoreShown = false;

    FillSoftKeyboard();
    ShuffleList();
    focusBox(first);
}

void TfrmRenshu::ShowResultsPanel()
{
    btnSeikai->setEnabled(true);
    btnTouan->setEnabled(true);
    grbMoji->hide();
    grbSelect->hide();
    memKiroku->show();
    pnlRenshu->show();
    btnTest->setEnabled(true);
    pnlSS->hide();
    pnlKiroku->show();
    btnStartPrint->setEnabled(true);
    grbTest->hide();
    ShowUnitRecords();
    scrollToTop();
}

void TfrmRenshu::btnAbortClick()
{
    ShowResultsPanel();
    btnSeikai->setEnabled(true);
    btnTouan->setEnabled(false);
    imgMess->show();
    imgMess->drawLine(0, U("中止しました。"), Qt::black, 12);
}

void TfrmRenshu::btnSeikaiClick()
{
    ShowCorrectAnswers();
}

void TfrmRenshu::btnTouanClick()
{
    hideAllBoxes();
}

void TfrmRenshu::btnStartPrintClick()
{
    if (!m_sheet)
        return;
    scrollToTop();
    RenderTables &tables = m_program.renderTables;
    tables.collectAnswerFields = false;
    tables.showLearnerAnswers = true;
    m_seams.showPrintDialog(*m_sheet, m_paper);
    tables.showLearnerAnswers = false;
}

void TfrmRenshu::btnShowRecordClick()
{
    m_seams.showRecordWindow();
    ShowUnitRecords();
}

RecordTarget TfrmRenshu::recordTarget() const
{
    if (!m_sheet)
        return {};
    const AppState &state = m_program.state;
    return PracticeRecordTarget(
        m_sheet->sheet(),
        RecordsFolder(state.onCdRom, state.logOnFolder, state.programFolder),
        state.learnerName);
}

void TfrmRenshu::ShowUnitRecords()
{
    const RecordTarget target = recordTarget();
    lblKiroku->setText(ToQString(target.key) + U("　　氏名：")
                       + ToQString(m_program.state.learnerName));
    memKiroku->clear();
    std::vector<std::string> lines;
    std::string error;
    if (!target.key.empty() && !ReadUnitRecords(target.file, target.key, lines, &error)) {
        memKiroku->setPlainText(ToQString(error));
        return;
    }
    memKiroku->setPlainText(ToQString(RecordPanelText(lines)));
}

void TfrmRenshu::CheckEntry(int box, const std::string &text, bool firstTry)
{
    RenderTables &tables = m_program.renderTables;
    auto &field = tables.answerFieldTable[static_cast<std::size_t>(box)];
    field.state = JudgeAnswer(m_accepted[static_cast<std::size_t>(box)],
                              text,
                              field.revealed,
                              answerBox(box)->isHidden(),
                              reviewMode,
                              m_tally);

    if (field.state == kFieldWrong) {
        drawMark(box, /*rings=*/0, /*slash=*/true, kRedInk);
        focusBox(box);
        imgMessXX->drawLine(0, U("解答を訂正してください"), kBlueInk, 14);
        return;
    }

    QColor ring = kRedInk;
    if (field.revealed) {
        drawMark(box, /*rings=*/2, /*slash=*/false, kBlueInk);
        QPalette palette = answerBox(box)->palette();
        palette.setColor(QPalette::Text, kRedInk);
        answerBox(box)->setPalette(palette);
        ring = kBlueInk;
    } else {
        imgMessXX->drawLine(0, ToQString(PraiseMessage(m_random)), kRedInk, 18);
    }
    drawMark(box, firstTry ? 1 : 2, /*slash=*/false, ring);

    if (FirstPendingField() != 0) {
        focusBox(nextFieldToEnter());
        return;
    }
    if (reviewMode)
        FinishMessage();
    else
        ScoreDrill();
    ShowResultsPanel();
    if (!allCorrect && m_tally.wrongCount > 0) {
        btnFukushu->setEnabled(true);
        btnFukushu->setFocus();
    } else {
        btnEnd->setFocus();
    }
}

void TfrmRenshu::btnAnswerClick()
{
    RenderTables &tables = m_program.renderTables;
    if (currentField < 1 || currentField > tables.answerFieldCount)
        return;
    imgMessXX->drawLine(0, U("正解は"), Qt::black, 18);
    const auto &accepted = m_accepted[static_cast<std::size_t>(currentField)];
    for (std::size_t k = 0; k < accepted.size(); ++k)
        imgMessXX->drawLine(static_cast<int>(k) + 2, ToQString(accepted[k]), Qt::black, 18);
    auto &field = tables.answerFieldTable[static_cast<std::size_t>(currentField)];
    field.state = kFieldNotJudged;
    field.revealed = true;
    answerBox(currentField)->setFocus();
}

void TfrmRenshu::btnSaitenClick()
{
    ScoreDrill();
}

void TfrmRenshu::ScoreDrill()
{
    if (!m_sheet)
        return;
    RenderTables &tables = m_program.renderTables;
    const int count = std::clamp(tables.answerFieldCount, 0, kMaxAnswerFields);
    if (!practiceMode) {
        for (int i = 1; i <= count; ++i) {
            std::string text;
            if (!boxText(i, text)) {
                focusBox(i);
                return;
            }
            tables.learnerAnswers[static_cast<std::size_t>(i)] = text;
        }
    }
    const BoxViews boxes = boxViews();
    if (NothingEntered(boxes, tables)) {
        m_program.prompter.message(Utf8ToCp932("解答を入力してから採点してください。"));
        focusBox(currentField);
        m_program.prompter.message(Utf8ToCp932("採点できません"));
        return;
    }

    timSecond->stop();
    grbSelect->hide();
    ScoreFields(tables, m_accepted, boxes, reviewMode, m_tally);
    btnSeikai->setEnabled(true);
    btnTest->setEnabled(true);
    m_sheet->sheet().scoreShown = true;
    allCorrect = m_tally.wrongCount == 0;
    btnStartPrint->setEnabled(true);
    grbMoji->hide();

    WritePracticeRecord();
    btnFukushu->setEnabled(m_tally.wrongCount > 0);

    imgMess->hide();
    scrollToTop();
    RenderLearnerSheet();
    FinishMessage();
    ShowResultsPanel();
    ShowFeedbackPicture(ComputeScore(tables));
    if (allCorrect) {
        btnEnd->setFocus();
    } else {
        btnFukushu->setEnabled(true);
        btnFukushu->setFocus();
    }
}

void TfrmRenshu::WritePracticeRecord()
{
    const RecordTarget target = recordTarget();
    if (target.key.empty()) {
        m_program.prompter.message(
            Utf8ToCp932("このプリントは単元を追加したものなので、学習の記録は残せません。"));
        return;
    }
    const DrillResult result
        = DrillResultOf(m_sheet->sheet(), m_program.renderTables, m_tally, elapsedSeconds);
    std::string error;
    if (!AppendPracticeRecord(target.file, target.key, RecordLine(result, Now()), &error)) {
        m_program.prompter.message(error);
        return;
    }
    if (m_hooks.refreshPracticeCounts)
        m_hooks.refreshPracticeCounts();
    ShowUnitRecords();
}

void TfrmRenshu::RenderLearnerSheet()
{
    hideAllBoxes();
    RenderTables &tables = m_program.renderTables;
    tables.showLearnerAnswers = true;
    tables.collectAnswerFields = false;
    renderPicture();
    tables.showLearnerAnswers = false;
}

void TfrmRenshu::FinishMessage()
{
    if (allCorrect && !reviewMode) {
        m_zenSeikai->exec();
        return;
    }
    const DrillKind kind = reviewMode     ? DrillKind::Review
                           : practiceMode ? DrillKind::Practice
                                          : DrillKind::Test;
    m_program.prompter.message(FinishMessageText(kind));
    allCorrect = false;
}

void TfrmRenshu::ShowFeedbackPicture(int score)
{
    imgMess->showPicture(FeedbackPictureImage(FeedbackPictureFor(score, m_random)));
    pnlKiroku->show();
    imgMess->show();
}

void TfrmRenshu::ShowCorrectAnswers()
{
    const RenderTables &tables = m_program.renderTables;
    const int count = m_sheet ? std::clamp(tables.answerFieldCount, 0, kMaxAnswerFields) : 0;
    for (int i = 1; i <= count; ++i) {
        if (tables.answerFieldTable[static_cast<std::size_t>(i)].state == kFieldRight)
            continue;
        QLineEdit *box = answerBox(i);
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, revealColour);
        palette.setColor(QPalette::Text, Qt::black);
        box->setPalette(palette);
        box->show();
        box->setReadOnly(true);
        box->setText(firstAcceptedAnswer(i));
    }
}

RenderContext TfrmRenshu::practiceContext() const
{
    RenderContext context = m_sheet->renderContext();
    context.sheetDrawingEnabled = true;
    context.practiceScore = ComputeScore(m_program.renderTables);
    context.inputBoxHeight = AnswerBoxHeight;
    return context;
}

void TfrmRenshu::renderPicture()
{
    if (!m_sheet)
        return;
    const RenderContext context = practiceContext();
    m_paper = NewPageImage(context.pictureWidth, context.pictureHeight);
    {
        QtCanvas canvas(m_paper);
        // The worksheet window said what was wrong with the sheet when it drew it.
        Messages ignored;
        RenderSheet(m_sheet->sheet(),
                    m_program.renderTables,
                    canvas,
                    /*toPrinter=*/false,
                    context,
                    ignored);
    }
    showPicture();
    PlaceAnswerBoxes();
}

void TfrmRenshu::drawMark(int field, int rings, bool slash, QColor colour)
{
    const RenderContext context = practiceContext();
    const FieldLayout layout{1.0,
                             /*toPrinter=*/false,
                             context.fieldWidthAllowance,
                             context.fieldHeightAllowance,
                             AnswerBoxHeight(context.mojiSize)};
    const AnswerField &entry
        = m_program.renderTables.answerFieldTable[static_cast<std::size_t>(field)];
    {
        QtCanvas canvas(m_paper);
        if (slash)
            SlashMark(canvas, entry, layout, ToRgb(colour));
        else
            RingsMark(canvas, entry, layout, rings, ToRgb(colour));
    }
    showPicture();
}

} // namespace zelkon
