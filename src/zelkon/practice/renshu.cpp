// TfrmRenshu: its panels and controls, showing it over a worksheet, the timer and closing.
#include "practice/renshu.h"

#include "authoring/unit_areas.h"
#include "common/cp932.h"
#include "common/line_file.h"
#include "common/path.h"
#include "index/course_index.h"
#include "master/unit_locator.h"
#include "platform/qstring_cp932.h"
#include "platform/qt_canvas.h"
#include "practice/answer_box.h"
#include "practice/feedback_pictures.h"
#include "practice/message_area.h"
#include "practice/zenseikai.h"
#include "shell/main.h"
#include "shell/main_seams.h"
#include "shell/program.h"
#include "shell/sheet_window.h"
#include "shell/widgets.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace zelkon {

namespace {

const QColor kPanelColour(255, 255, 240);
const std::array<QColor, 4> kSwatches{
    QColor(192, 255, 255), QColor(192, 255, 192), QColor(255, 255, 192), QColor(255, 192, 255)};

constexpr int kInputPanelWidth = 225;
constexpr int kGroupLeft = 8;
constexpr int kGroupWidth = 209;
constexpr int kKeyGroupHeight = 450; // the soft keyboard's 15 rows of keys and its buttons
constexpr int kFixedGroupHeight = 125;
constexpr int kDrillGroupHeight = 120;

/// A button that never takes the focus from the answer box the learner is writing in.
QPushButton *Button(const char *name, const char *utf8Caption, QWidget *parent)
{
    auto *button = new QPushButton(U(utf8Caption), parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

/// The hint block of the sheet's unit, read from its master file; a copy file has none.
std::vector<std::string> HintLinesOf(const Worksheet &sheet)
{
    if (!sheet.openedFromMaster)
        return {};
    std::vector<std::string> lines;
    if (!ReadLines(ToFsPath(sheet.filePath), lines))
        return {};
    const auto areas
        = ReadUnitAreas(lines, UnitHeaderLine(sheet.locator.unit, sheet.locator.variant));
    return areas ? areas->hint : std::vector<std::string>{};
}

} // namespace

TfrmRenshu::TfrmRenshu(Program &program, TfrmMain &main, MainSeams &seams)
    : QDialog(&main)
    , m_program(program)
    , m_main(main)
    , m_seams(seams)
{
    setObjectName("frmRenshu");
    setModal(true);
    buildControls();
    m_zenSeikai = new TfrmZenSeikai(this);
    timSecond = new QTimer(this);
    timSecond->setObjectName("timSecond");
    timSecond->setInterval(1000);
    connect(timSecond, &QTimer::timeout, this, &TfrmRenshu::tick);
}

TfrmRenshu::~TfrmRenshu() = default;

void TfrmRenshu::buildControls()
{
    QFont font = PracticeFont(9);
    setFont(font);
    Colour(this, Qt::white);
    pnlRenshu = buildCommandPanel();

    scrPaper = new QScrollArea(this);
    scrPaper->setObjectName("scrPaper");
    scrPaper->setFrameShape(QFrame::NoFrame);
    scrPaper->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    pnlPaper = new QWidget(scrPaper);
    imgPaper2 = new QLabel(pnlPaper);
    imgPaper2->setObjectName("imgPaper2");
    imgPaper2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    for (int i = 0; i <= kMaxAnswerFields; ++i) {
        auto *box = new QLineEdit(QStringLiteral("M%1").arg(i), pnlPaper);
        box->setObjectName(QStringLiteral("M%1").arg(i));
        box->resize(100, 50);
        box->setFocusPolicy(Qt::ClickFocus);
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, kSwatches[0]);
        palette.setColor(QPalette::Text, Qt::black);
        box->setPalette(palette);
        box->hide();
        box->installEventFilter(this);
        m_boxes[static_cast<std::size_t>(i)] = box;
    }
    scrPaper->setWidget(pnlPaper);

    pnlSS = buildInputPanel();
    pnlKiroku = buildRecordPanel();
}

QFrame *TfrmRenshu::buildCommandPanel()
{
    auto *panel = new QFrame(this);
    panel->setObjectName("pnlRenshu");
    panel->setFrameShape(QFrame::StyledPanel);
    Colour(panel, kPanelColour);
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(6, 8, 6, 8);
    layout->setSpacing(6);

    btnAnki = Button("btnAnki", "暗記", panel);
    btnRenshu = Button("btnRenshu", "練習", panel);
    grbInput = new QGroupBox(U("入力モード"), panel);
    grbInput->setObjectName("grbInput");
    auto *inputLayout = new QVBoxLayout(grbInput);
    chkKaitou = new QRadioButton(U("解答選択"), grbInput);
    chkKaitou->setObjectName("chkKaitou");
    chkKaitou->setChecked(true);
    chkRandom = new QRadioButton(U("ランダム"), grbInput);
    chkRandom->setObjectName("chkRandom");
    for (QRadioButton *radio : {chkKaitou, chkRandom}) {
        radio->setFocusPolicy(Qt::NoFocus);
        inputLayout->addWidget(radio);
    }
    btnFukushu = Button("btnFukushu", "復習　", panel);
    btnTest = Button("btnTest", "テスト", panel);
    btnSeikai = Button("btnSeikai", "正解表示", panel);
    btnTouan = Button("btnTouan", "答案表示", panel);

    grbColor = new QGroupBox(U("解答欄の色"), panel);
    grbColor->setObjectName("grbColor");
    auto *colourLayout = new QVBoxLayout(grbColor);
    colourLayout->setSpacing(2);
    auto *radios = new QButtonGroup(grbColor);
    for (int k = 0; k < 4; ++k) {
        auto *row = new QWidget(grbColor);
        auto *rowLayout = new QHBoxLayout(row);
        rowLayout->setContentsMargins(0, 0, 0, 0);
        auto *radio = new QRadioButton(row);
        radio->setObjectName(QStringLiteral("rad%1").arg(k + 1));
        radio->setFocusPolicy(Qt::NoFocus);
        auto *swatch = new QLabel(row);
        swatch->setObjectName(QStringLiteral("shpCol%1").arg(k + 1));
        swatch->setFixedSize(48, 16);
        swatch->setFrameShape(QFrame::Box);
        Colour(swatch, kSwatches[static_cast<std::size_t>(k)]);
        swatch->installEventFilter(this);
        shpCol[static_cast<std::size_t>(k)] = swatch;
        rowLayout->addWidget(radio);
        rowLayout->addWidget(swatch);
        rowLayout->addStretch();
        colourLayout->addWidget(row);
        radios->addButton(radio, k);
        radColour[static_cast<std::size_t>(k)] = radio;
    }
    radColour[0]->setChecked(true);
    connect(radios, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            chooseRevealColour(id);
    });

    btnStartPrint = Button("btnStartPrint", "印　刷　", panel);
    btnShowRecord = Button("btnShowRecord", "記録表示", panel);
    btnEnd = Button("btnEnd", "閉じる", panel);
    // 閉じる and 復習 take the focus after a drill, so that Enter presses them.
    for (QPushButton *button : {btnEnd, btnFukushu}) {
        button->setFocusPolicy(Qt::StrongFocus);
        button->setAutoDefault(true);
    }

    for (QWidget *control : std::initializer_list<QWidget *>{btnAnki,
                                                             btnRenshu,
                                                             grbInput,
                                                             btnFukushu,
                                                             btnTest,
                                                             btnSeikai,
                                                             btnTouan,
                                                             grbColor,
                                                             btnStartPrint,
                                                             btnShowRecord,
                                                             btnEnd})
        layout->addWidget(control);
    layout->addStretch();

    connect(btnAnki, &QPushButton::clicked, this, &TfrmRenshu::btnAnkiClick);
    connect(btnRenshu, &QPushButton::clicked, this, &TfrmRenshu::btnRenshuClick);
    connect(btnFukushu, &QPushButton::clicked, this, &TfrmRenshu::btnFukushuClick);
    connect(btnTest, &QPushButton::clicked, this, &TfrmRenshu::btnTestClick);
    connect(btnSeikai, &QPushButton::clicked, this, &TfrmRenshu::btnSeikaiClick);
    connect(btnTouan, &QPushButton::clicked, this, &TfrmRenshu::btnTouanClick);
    connect(btnStartPrint, &QPushButton::clicked, this, &TfrmRenshu::btnStartPrintClick);
    connect(btnShowRecord, &QPushButton::clicked, this, &TfrmRenshu::btnShowRecordClick);
    connect(btnEnd, &QPushButton::clicked, this, &TfrmRenshu::btnEndClick);
    return panel;
}

QFrame *TfrmRenshu::buildInputPanel()
{
    auto *panel = new QFrame(this);
    panel->setObjectName("pnlSS");
    Colour(panel, kPanelColour);
    panel->setFrameShape(QFrame::StyledPanel);

    grbSelect = buildChoiceGroup(panel);
    grbMoji = buildSoftKeyGroup(panel);
    grbCMoji = buildFixedKeyGroup(panel);
    grbTest = buildDrillButtons(panel);
    pnlAnki = buildMemorizePanel(panel);
    imgMessXX = new MessageArea(panel);
    imgMessXX->setObjectName("imgMessXX");

    int top = 5;
    grbSelect->setGeometry(kGroupLeft, top, kGroupWidth, kKeyGroupHeight);
    grbMoji->setGeometry(kGroupLeft, top, kGroupWidth, kKeyGroupHeight);
    top += kKeyGroupHeight + 5;
    grbCMoji->setGeometry(kGroupLeft, top, kGroupWidth, kFixedGroupHeight);
    top += kFixedGroupHeight + 5;
    grbTest->setGeometry(kGroupLeft, top, kGroupWidth, kDrillGroupHeight);
    pnlAnki->setGeometry(grbTest->geometry());
    imgMessXX->setGeometry(kGroupLeft, grbTest->geometry().bottom() + 6, kGroupWidth, 100);
    panel->hide();
    return panel;
}

QGroupBox *TfrmRenshu::buildChoiceGroup(QWidget *parent)
{
    auto *group = new QGroupBox(U("答えの選択"), parent);
    group->setObjectName("grbSelect");
    auto *layout = new QVBoxLayout(group);
    lstKgroup = new QListWidget(group);
    lstKgroup->setObjectName("lstKgroup");
    QFont listFont = PracticeFont(12);
    listFont.setPixelSize(16);
    lstKgroup->setFont(listFont);
    lstKgroup->setFocusPolicy(Qt::NoFocus);
    lstKgroup->addItems({U("解は無数にある"), U("解なし")});
    layout->addWidget(lstKgroup, 1);
    auto *buttons = new QHBoxLayout;
    QPushButton *btnNext2 = Button("btnNext2", "入力", group);
    QPushButton *btnClear2 = Button("btnClear2", "クリア", group);
    buttons->addWidget(btnNext2);
    buttons->addWidget(btnClear2);
    layout->addLayout(buttons);
    auto *note = new QLabel(U("解答を選択し\n[入力]ボタンを\n押してください"), group);
    layout->addWidget(note);
    connect(lstKgroup, &QListWidget::itemClicked, this, &TfrmRenshu::lstKgroupClick);
    connect(btnNext2, &QPushButton::clicked, this, &TfrmRenshu::EnterAnswer);
    connect(btnClear2, &QPushButton::clicked, this, &TfrmRenshu::btnClearClick);
    return group;
}

QGroupBox *TfrmRenshu::buildSoftKeyGroup(QWidget *parent)
{
    auto *group = new QGroupBox(U("ソフトキーボード"), parent);
    group->setObjectName("grbMoji");
    constexpr int keyTop = 20;
    constexpr int keyLeft = 4;
    for (int n = 1; n <= kSoftKeyCount; ++n) {
        auto *key = Button("", "A", group);
        key->setObjectName(QStringLiteral("Button%1").arg(n));
        key->setGeometry(keyLeft + ((n - 1) % 8) * 25, keyTop + ((n - 1) / 8) * 25, 25, 25);
        connect(key, &QPushButton::clicked, this, [this, key] { onScreenKeyClick(key->text()); });
        m_softKeys[static_cast<std::size_t>(n)] = key;
    }
    const int below = keyTop + 15 * 25 + 4;
    QPushButton *btnNext = Button("btnNext", "次へ", group);
    btnNext->setGeometry(keyLeft, below, 96, 26);
    QPushButton *btnClearS = Button("btnClearS", "クリア", group);
    btnClearS->setGeometry(keyLeft + 104, below, 96, 26);
    auto *note = new QLabel(U("英数字はキーボードから入力してください"), group);
    note->setWordWrap(true);
    note->setGeometry(keyLeft, below + 30, kGroupWidth - 8, 34);
    connect(btnNext, &QPushButton::clicked, this, &TfrmRenshu::EnterAnswer);
    connect(btnClearS, &QPushButton::clicked, this, &TfrmRenshu::btnClearClick);
    group->hide();
    return group;
}

QGroupBox *TfrmRenshu::buildFixedKeyGroup(QWidget *parent)
{
    static const char *const rows[4] = {"０１２３４ＡＢＣＤＥ",
                                        "５６７８９ＦＧＨＩＪ",
                                        "アイウエオあいうえお",
                                        "カキクケコかきくけこ"};
    auto *group = new QGroupBox(U("文字"), parent);
    group->setObjectName("grbCMoji");
    for (int row = 0; row < 4; ++row) {
        const QString keys = U(rows[row]);
        for (int column = 0; column < keys.size(); ++column) {
            auto *key = new QPushButton(keys.mid(column, 1), group);
            key->setAutoDefault(false);
            key->setFocusPolicy(Qt::NoFocus);
            key->setGeometry(4 + column * 20, 20 + row * 25, 20, 25);
            connect(
                key, &QPushButton::clicked, this, [this, key] { onScreenKeyClick(key->text()); });
        }
    }
    return group;
}

QGroupBox *TfrmRenshu::buildDrillButtons(QWidget *parent)
{
    auto *group = new QGroupBox(parent);
    group->setObjectName("grbTest");
    auto *layout = new QGridLayout(group);
    btnAnswer = Button("btnAnswer", "答えを見る", group);
    btnSaiten = Button("btnSaiten", "採点　", group);
    // The last entry of a test hands the focus to 採点, so that Enter scores.
    btnSaiten->setFocusPolicy(Qt::StrongFocus);
    btnSaiten->setAutoDefault(true);
    btnHint = Button("btnHint", "ヒントを見る", group);
    btnSoftKey = Button("btnSoftKey", "入力切替", group);
    btnAbort = Button("btnAbort", "中止", group);
    layout->addWidget(btnAnswer, 0, 0);
    layout->addWidget(btnSaiten, 0, 1);
    layout->addWidget(btnHint, 1, 0);
    layout->addWidget(btnSoftKey, 1, 1);
    layout->addWidget(btnAbort, 2, 0, 1, 2);
    connect(btnAnswer, &QPushButton::clicked, this, &TfrmRenshu::btnAnswerClick);
    connect(btnSaiten, &QPushButton::clicked, this, &TfrmRenshu::btnSaitenClick);
    connect(btnHint, &QPushButton::clicked, this, &TfrmRenshu::btnHintClick);
    connect(btnSoftKey, &QPushButton::clicked, this, &TfrmRenshu::btnSoftKeyClick);
    connect(btnAbort, &QPushButton::clicked, this, &TfrmRenshu::btnAbortClick);
    group->hide();
    return group;
}

QFrame *TfrmRenshu::buildMemorizePanel(QWidget *parent)
{
    auto *panel = new QFrame(parent);
    panel->setObjectName("pnlAnki");
    Colour(panel, kPanelColour);
    auto *layout = new QGridLayout(panel);
    QPushButton *btnNextA = Button("btnNextA", "消して次へ", panel);
    QPushButton *btnNextB = Button("btnNextB", "消さずに次へ", panel);
    QPushButton *btnShow = Button("btnShow", "すべて表示", panel);
    QPushButton *btnAllClear = Button("btnAllClear", "すべて消去", panel);
    QPushButton *btnClose = Button("btnClose", "暗記終了", panel);
    layout->addWidget(btnNextA, 0, 0);
    layout->addWidget(btnNextB, 0, 1);
    layout->addWidget(btnShow, 1, 0);
    layout->addWidget(btnAllClear, 1, 1);
    layout->addWidget(btnClose, 2, 0, 1, 2);
    connect(btnNextA, &QPushButton::clicked, this, &TfrmRenshu::btnNextAClick);
    connect(btnNextB, &QPushButton::clicked, this, &TfrmRenshu::btnNextBClick);
    connect(btnShow, &QPushButton::clicked, this, &TfrmRenshu::btnShowClick);
    connect(btnAllClear, &QPushButton::clicked, this, &TfrmRenshu::btnAllClearClick);
    connect(btnClose, &QPushButton::clicked, this, &TfrmRenshu::btnCloseClick);
    panel->hide();
    return panel;
}

QFrame *TfrmRenshu::buildRecordPanel()
{
    auto *panel = new QFrame(this);
    panel->setObjectName("pnlKiroku");
    lblKiroku = new QLabel(panel);
    lblKiroku->setObjectName("lblKiroku");
    lblKiroku->setGeometry(10, 12, 480, 20);
    memKiroku = new QPlainTextEdit(panel);
    memKiroku->setObjectName("memKiroku");
    memKiroku->setReadOnly(true);
    memKiroku->setFont(PracticeFont(9));
    memKiroku->setFocusPolicy(Qt::NoFocus);
    imgMess = new MessageArea(panel);
    imgMess->setObjectName("imgMess");
    connect(imgMess, &MessageArea::clicked, this, [this] {
        imgMess->showPicture(FeedbackPictureImage(FeedbackPicture::Gaoh));
    });
    return panel;
}

void TfrmRenshu::layoutPanels()
{
    const int panelWidth = m_main.sidePanelWidth();
    const int panelHeight = height() - 40;
    pnlRenshu->setGeometry(0, 0, panelWidth, panelHeight);
    const QSize picture = imgPaper2->size();
    const int scrollWidth = picture.width() + scrPaper->verticalScrollBar()->sizeHint().width();
    scrPaper->setGeometry(panelWidth + 5, 0, scrollWidth, height());
    const int pictureRight = scrPaper->geometry().right() + 1;
    pnlSS->setGeometry(pictureRight + 20, 0, kInputPanelWidth, panelHeight);
    const int screenWidth = m_main.screenSize().width();
    const int recordWidth = std::max(260, screenWidth - panelWidth - picture.width() - 40);
    pnlKiroku->setGeometry(pictureRight + 5, 0, recordWidth, panelHeight);
    memKiroku->setGeometry(10, 40, recordWidth - 20, 250);
    // The lower message area sits below the choice group's bottom edge.
    const int messTop = 5 + kKeyGroupHeight + 20;
    imgMess->setGeometry(10, messTop, std::min(recordWidth - 20, 460), 160);
}

void TfrmRenshu::panelsToTop()
{
    for (QWidget *panel : {static_cast<QWidget *>(pnlRenshu),
                           static_cast<QWidget *>(pnlSS),
                           static_cast<QWidget *>(pnlKiroku)})
        if (panel->y() != 0)
            panel->move(panel->x(), 0);
}

void TfrmRenshu::paintEvent(QPaintEvent *event)
{
    panelsToTop();
    QDialog::paintEvent(event);
}

void TfrmRenshu::scrollToTop()
{
    scrPaper->verticalScrollBar()->setValue(0);
}

void TfrmRenshu::ShowPracticeWindow(SheetWindow *sheet)
{
    FormShow(sheet);
    exec();
}

void TfrmRenshu::FormShow(SheetWindow *sheet)
{
    m_sheet = sheet;
    move(0, 0);
    resize(m_main.size());
    if (!m_sheet) {
        layoutPanels();
        return;
    }
    Worksheet &worksheet = m_sheet->sheet();
    RenderTables &tables = m_program.renderTables;

    lstKgroup->clear();
    for (const std::string &line : worksheet.kgroupLines)
        lstKgroup->addItem(ToQString(line));
    lstSoftKey = worksheet.kgroupLines;

    // A window closed in the middle of a drill opens again between drills.
    grbTest->hide();
    pnlAnki->hide();
    pnlKiroku->show();
    memKiroku->show();
    pnlRenshu->show();
    btnTouan->setEnabled(false);
    btnFukushu->setEnabled(false);
    worksheet.learnerNameShown = true;
    pnlSS->hide();
    hideAllBoxes();

    const RenderContext context = m_sheet->renderContext();
    m_paper = NewPageImage(context.pictureWidth, context.pictureHeight);
    showPicture();
    layoutPanels();
    setWindowTitle(ToQString(worksheet.unitCaption));

    m_accepted = BuildAcceptedAnswers(tables);
    resetFieldStates();
    worksheet.scoreShown = false;

    savedAlternativesShown = m_main.showAlternatives();
    m_main.setShowAlternatives(false);
    m_program.state.sheetDrawingEnabled = true;
    tables.collectAnswerFields = false;

    savedAnswersShown = worksheet.answersShown;
    worksheet.answersShown = false;
    renderPicture();
    worksheet.answersShown = true;

    ShowUnitRecords();
    PlaceAnswerBoxes();
    setBoxesReadOnly(true);
    m_hintLines = HintLinesOf(worksheet);

    imgMess->show();
    const QColor blue(0, 0, 255);
    imgMess->drawLine(0, U("　　　標準の学習コース"), blue, 14);
    imgMess->drawLine(2, U("（１）［暗記］ボタンで答えを暗記する"), blue, 10);
    imgMess->drawLine(3, U("（２）［練習］ボタンで練習する"), blue, 10);
    imgMess->drawLine(4, U("（３）［復習］ボタンで間違ったところを復習する"), blue, 8);
    imgMess->drawLine(5, U("（４）［テスト］ボタンでもう一度テストする"), blue, 10);

    // A unit without answer fields has nothing to drill: the activities stay off.
    const bool hasFields = tables.answerFieldCount > 0;
    setActivitiesEnabled(hasFields);
    if (!hasFields)
        imgMess->drawLine(7, U("この単元には解答欄がないため、学習できません。"), Qt::red, 10);
}

void TfrmRenshu::setActivitiesEnabled(bool enabled)
{
    for (QPushButton *button : {btnAnki, btnRenshu, btnTest, btnSeikai, btnStartPrint})
        button->setEnabled(enabled);
}

void TfrmRenshu::resetFieldStates()
{
    RenderTables &tables = m_program.renderTables;
    for (int i = 1; i <= kMaxAnswerFields; ++i) {
        tables.answerFieldTable[static_cast<std::size_t>(i)].state = kFieldOpen;
        tables.answerFieldTable[static_cast<std::size_t>(i)].revealed = false;
    }
}

void TfrmRenshu::tick()
{
    ++elapsedSeconds;
}

void TfrmRenshu::btnEndClick()
{
    scrollToTop();
    close();
}

void TfrmRenshu::done(int result)
{
    if (m_sheet)
        m_sheet->sheet().answersShown = savedAnswersShown;
    QDialog::done(result);
    afterClose();
}

void TfrmRenshu::afterClose()
{
    if (!m_sheet)
        return;
    resetFieldStates();
    btnTest->setEnabled(true);
    m_sheet->sheet().scoreShown = false;
    m_sheet->sheet().learnerNameShown = false;
    m_main.setShowAlternatives(savedAlternativesShown);
    m_program.renderTables.showLearnerAnswers = false;
    timSecond->stop();
    m_sheet = nullptr;
}

void TfrmRenshu::chooseRevealColour(int swatch)
{
    revealColour = kSwatches[static_cast<std::size_t>(swatch)];
    ShowCorrectAnswers();
}

bool TfrmRenshu::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        const auto swatch = std::find(shpCol.begin(), shpCol.end(), watched);
        if (swatch != shpCol.end()) {
            radColour[static_cast<std::size_t>(swatch - shpCol.begin())]->setChecked(true);
            return true;
        }
    }
    auto *box = qobject_cast<QLineEdit *>(watched);
    if (!box)
        return QDialog::eventFilter(watched, event);
    const int i
        = static_cast<int>(std::find(m_boxes.begin(), m_boxes.end(), box) - m_boxes.begin());
    switch (event->type()) {
    case QEvent::FocusIn:
        boxFocused(i);
        break;
    case QEvent::MouseButtonPress:
        if (practiceMode)
            boxFocused(i);
        break;
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            EnterAnswer();
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace zelkon
