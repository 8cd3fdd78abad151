// TfrmRenshu, the practice window: the active worksheet's page with an input box over every
// answer field, and the four activities 暗記, 練習, 復習 and テスト with their judging, scoring
// and records.
#pragma once

#include "practice/accepted_answers.h"
#include "practice/answer_input.h"
#include "practice/drill_random.h"
#include "practice/practice_record.h"
#include "sheet/render_context.h"

#include <QColor>
#include <QDialog>
#include <QImage>

#include <array>
#include <functional>
#include <string>
#include <vector>

class QButtonGroup;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QTimer;

namespace zelkon {

struct MainSeams;
class MessageArea;
struct Program;
class SheetWindow;
class TfrmMain;
class TfrmZenSeikai;

class TfrmRenshu : public QDialog
{
    Q_OBJECT

public:
    /// What the window reaches outside the sheet.
    struct Hooks
    {
        /// The unit selection window's practice counts, refreshed after a record is written.
        std::function<void()> refreshPracticeCounts;
    };

    /// Made once at start-up and kept hidden. All three must outlive the window.
    TfrmRenshu(Program &program, TfrmMain &main, MainSeams &seams);
    ~TfrmRenshu() override;

    void setHooks(Hooks hooks) { m_hooks = std::move(hooks); }

    /// `ShowPracticeWindow`: sets the window up over `sheet` (none: the bare window) and shows it
    /// modally; the sheet's display is restored when it closes.
    void ShowPracticeWindow(SheetWindow *sheet);
    /// The set-up of ShowPracticeWindow without the modal loop, for callers that show the window
    /// themselves.
    void FormShow(SheetWindow *sheet);

    /// The random source of the drills; 練習 seeds it from the clock.
    DrillRandom &random() { return m_random; }
    int currentFieldNumber() const { return currentField; }
    int wrongCountValue() const { return m_tally.wrongCount; }
    const std::string &markStringValue() const { return m_tally.markString; }
    int elapsedSecondsValue() const { return elapsedSeconds; }
    bool allCorrectValue() const { return allCorrect; }
    /// The practice picture as drawn last.
    const QImage &practicePicture() const { return m_paper; }
    /// Answer box i (1 to 80).
    QLineEdit *answerBox(int i) const { return m_boxes.at(static_cast<std::size_t>(i)); }

    // Commands.
    void btnAnkiClick();
    void btnRenshuClick();
    void btnFukushuClick();
    void btnTestClick();
    void btnSeikaiClick();
    void btnTouanClick();
    void btnStartPrintClick();
    void btnShowRecordClick();
    void btnEndClick();
    void btnAnswerClick();
    void btnSaitenClick();
    void btnHintClick();
    void btnSoftKeyClick();
    void btnAbortClick();
    void btnNextAClick();
    void btnNextBClick();
    void btnShowClick();
    void btnAllClearClick();
    void btnCloseClick();
    void lstKgroupClick();
    /// `EnterAnswer`: the Enter key in the current box, 入力 and 次へ.
    void EnterAnswer();
    /// The handler of every on-screen key: appends its caption to the current box.
    void onScreenKeyClick(const QString &caption);
    void btnClearClick();

protected:
    void done(int result) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void buildControls();
    QFrame *buildCommandPanel();
    QFrame *buildInputPanel();
    QFrame *buildRecordPanel();
    QGroupBox *buildChoiceGroup(QWidget *parent);
    QGroupBox *buildSoftKeyGroup(QWidget *parent);
    QGroupBox *buildFixedKeyGroup(QWidget *parent);
    QGroupBox *buildDrillButtons(QWidget *parent);
    QFrame *buildMemorizePanel(QWidget *parent);
    void layoutPanels();
    void panelsToTop();
    void setActivitiesEnabled(bool enabled);
    void tick();

    // The drill.
    void StartDrill(bool test);
    void StartMemorize();
    void StartReview();
    void ShowResultsPanel();
    void ShowUnitRecords();
    void ShowHint();
    void ShowAlternatives(int field);
    /// Moves memorizing on to the next field, showing its first accepted answer, or its whole
    /// answer text with the alternatives when `whole`.
    void memorizeNext(bool whole);
    void CheckEntry(int box, const std::string &text, bool firstTry);
    void ScoreDrill();
    void WritePracticeRecord();
    void RenderLearnerSheet();
    void FinishMessage();
    void ShowFeedbackPicture(int score);
    void ShowCorrectAnswers();
    void resetFieldStates();
    void afterClose();
    void chooseRevealColour(int swatch);
    void scrollToTop();

    // The practice picture and the boxes.
    RenderContext practiceContext() const;
    /// Clears the practice picture and renders the sheet on it; the boxes follow the fields.
    void renderPicture();
    void showPicture();
    void PlaceAnswerBoxes();
    void ClearAllBoxes();
    void setBoxesReadOnly(bool readOnly);
    void hideAllBoxes();
    BoxViews boxViews() const;
    int NextOpenField() const;
    int FirstPendingField() const;
    /// The field the focus goes to after an entry: NextOpenField, or the first pending field
    /// when no other field is open.
    int nextFieldToEnter() const;
    bool hintsAllowed() const;
    void showInputGroups();
    /// Gives box i the focus with its whole text selected, as the program does.
    void focusBox(int i);
    /// Box i shows `text` with no selection and the caret at its start, focused (暗記).
    void showInBox(int i, const QString &text);
    void boxFocused(int i);
    /// The CP932 text of box i; a character CP932 cannot hold is refused with a message.
    bool boxText(int i, std::string &text);
    QString firstAcceptedAnswer(int field) const;
    void drawMark(int field, int rings, bool slash, QColor colour);
    void FillSoftKeyboard();
    void ShuffleList();
    RecordTarget recordTarget() const;

    Program &m_program;
    TfrmMain &m_main;
    MainSeams &m_seams;
    Hooks m_hooks;
    SheetWindow *m_sheet = nullptr;
    DrillRandom m_random;
    AcceptedAnswers m_accepted;
    DrillTally m_tally;
    std::vector<std::string> m_hintLines;
    QImage m_paper;

    bool practiceMode = false;
    bool reviewMode = false;
    bool allCorrect = false;
    int currentField = 1;
    int elapsedSeconds = 0;
    QColor revealColour{192, 255, 255};
    bool savedAlternativesShown = false;
    bool savedAnswersShown = false;

    // Command panel.
    QFrame *pnlRenshu = nullptr;
    QPushButton *btnAnki = nullptr;
    QPushButton *btnRenshu = nullptr;
    QGroupBox *grbInput = nullptr;
    QRadioButton *chkKaitou = nullptr;
    QRadioButton *chkRandom = nullptr;
    QPushButton *btnFukushu = nullptr;
    QPushButton *btnTest = nullptr;
    QPushButton *btnSeikai = nullptr;
    QPushButton *btnTouan = nullptr;
    QGroupBox *grbColor = nullptr;
    std::array<QRadioButton *, 4> radColour{};
    std::array<QLabel *, 4> shpCol{};
    QPushButton *btnStartPrint = nullptr;
    QPushButton *btnShowRecord = nullptr;
    QPushButton *btnEnd = nullptr;

    // The practice picture with the boxes over it.
    QScrollArea *scrPaper = nullptr;
    QWidget *pnlPaper = nullptr;
    QLabel *imgPaper2 = nullptr;
    std::array<QLineEdit *, kMaxAnswerFields + 1> m_boxes{};

    // Input panel.
    QFrame *pnlSS = nullptr;
    QGroupBox *grbSelect = nullptr;
    QListWidget *lstKgroup = nullptr;
    std::vector<std::string> lstSoftKey;
    QGroupBox *grbMoji = nullptr;
    std::array<QPushButton *, kSoftKeyCount + 1> m_softKeys{};
    QGroupBox *grbCMoji = nullptr;
    QGroupBox *grbTest = nullptr;
    QPushButton *btnAnswer = nullptr;
    QPushButton *btnSaiten = nullptr;
    QPushButton *btnHint = nullptr;
    QPushButton *btnSoftKey = nullptr;
    QPushButton *btnAbort = nullptr;
    QFrame *pnlAnki = nullptr;
    MessageArea *imgMessXX = nullptr;

    // Record panel.
    QFrame *pnlKiroku = nullptr;
    QLabel *lblKiroku = nullptr;
    QPlainTextEdit *memKiroku = nullptr;
    MessageArea *imgMess = nullptr;

    QTimer *timSecond = nullptr;
    TfrmZenSeikai *m_zenSeikai = nullptr;
};

} // namespace zelkon
