// TfrmMain: building the frame with its side panel, hidden controls, panels and menus, and the
// steps start-up takes on it.
#include "shell/main.h"

#include "platform/qstring_cp932.h"
#include "shell/glyphs.h"
#include "shell/main_seams.h"
#include "shell/program.h"
#include "shell/sheet_window.h"
#include "shell/widgets.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace zelkon {

namespace {

constexpr int kSidePanelWidth = 113;
constexpr int kPanelButtonHeight = 30;
const QColor kSidePanelColour(255, 255, 240);
const QColor kPaperPanelColour(224, 224, 224);
const QColor kTipsPanelColour(192, 255, 192);

// Side-panel controls never keep the keyboard focus, so keys always reach the frame.
template<typename Widget>
Widget *Unfocused(Widget *widget)
{
    widget->setFocusPolicy(Qt::NoFocus);
    return widget;
}

} // namespace

TfrmMain::TfrmMain(Program &program, MainSeams &seams)
    : m_program(program)
    , m_seams(seams)
{
    setObjectName("frmMain");
    setWindowTitle(ToQString(program.edition.mainCaption));
    setWindowIcon(Glyph("zelkon"));
    QFont gothic;
    gothic.setFamilies({"IPAPGothic", "IPAGothic"});
    gothic.setPixelSize(12);
    setFont(gothic);

    m_central = new QWidget(this);
    m_central->setObjectName("pnlFrame");
    Colour(m_central, Qt::white);
    auto *layout = new QHBoxLayout(m_central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildSidePanel());
    m_mdiArea = new QMdiArea(m_central);
    m_mdiArea->setObjectName("mdiArea");
    m_mdiArea->setBackground(QColor(236, 238, 242));
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    layout->addWidget(m_mdiArea, 1);
    setCentralWidget(m_central);

    buildSavePanel(m_central);
    buildTipsPanel(m_central);
    buildMenus();
    connectControls();
    qApp->installEventFilter(this);
}

TfrmMain::~TfrmMain()
{
    // The children are freed after this frame's members, so their signals must no longer reach
    // it: a sheet window closed but not yet freed would otherwise erase from a table already gone.
    for (QObject *child : findChildren<QObject *>())
        child->disconnect(this);
}

QPushButton *TfrmMain::addPanelButton(QVBoxLayout *layout,
                                      const char *name,
                                      const char *utf8Caption,
                                      const char *glyph)
{
    auto *button = Unfocused(new QPushButton(Glyph(glyph), U(utf8Caption), pnlSide));
    button->setObjectName(name);
    button->setIconSize(QSize(20, 20));
    button->setMinimumHeight(kPanelButtonHeight);
    layout->addWidget(button);
    return button;
}

QWidget *TfrmMain::addSpinRow(QVBoxLayout *layout,
                              QSpinBox *&spin,
                              const char *name,
                              const char *utf8Caption,
                              int minimum,
                              int maximum,
                              int value)
{
    auto *row = new QWidget(pnlSide);
    auto *rowLayout = new QHBoxLayout(row);
    rowLayout->setContentsMargins(2, 0, 0, 0);
    auto *label = new QLabel(U(utf8Caption), row);
    label->setAlignment(Qt::AlignCenter);
    rowLayout->addWidget(label);
    spin = new QSpinBox(row);
    spin->setObjectName(name);
    spin->setRange(minimum, maximum);
    spin->setValue(value);
    spin->setAlignment(Qt::AlignRight);
    spin->setFixedWidth(52);
    rowLayout->addWidget(spin);
    layout->addWidget(row);
    return row;
}

QWidget *TfrmMain::buildSidePanel()
{
    pnlSide = new QFrame(m_central);
    pnlSide->setObjectName("pnlSide");
    pnlSide->setFixedWidth(kSidePanelWidth);
    pnlSide->setFrameShape(QFrame::StyledPanel);
    pnlSide->setMouseTracking(true);
    pnlSide->setAutoFillBackground(true);
    auto *layout = new QVBoxLayout(pnlSide);
    layout->setContentsMargins(5, 6, 5, 6);
    layout->setSpacing(4);

    btnLock = addPanelButton(layout, "btnLock", "先生用", "lock_open");
    btnLock->setIconSize(QSize(24, 24));
    btnLock->setMinimumHeight(40);
    layout->addSpacing(6);
    btnClose = addPanelButton(layout, "btnClose", "閉じる", "close");
    btnOpen = addPanelButton(layout, "btnOpen", "開  く ", "open");
    btnSave = addPanelButton(layout, "btnSave", "保　存　", "save");
    btnPrint = addPanelButton(layout, "btnPrint", "印　刷　", "print");
    btnEdit = addPanelButton(layout, "btnEdit", "編　集　", "edit");
    layout->addSpacing(6);
    btnRenshu = addPanelButton(layout, "btnRenshu", "学　習", "renshu");
    btnShimei = addPanelButton(layout, "btnShimei", "学習者", "shimei");
    edtShimei = Unfocused(new QLineEdit(pnlSide));
    edtShimei->setObjectName("edtShimei");
    edtShimei->setReadOnly(true);
    edtShimei->setAlignment(Qt::AlignCenter);
    layout->addWidget(edtShimei);
    layout->addSpacing(6);
    btnKran = addPanelButton(layout, "btnKran", "解答欄　", "kran");
    chkBetsukai = Unfocused(new QCheckBox(U("別解表示"), pnlSide));
    chkBetsukai->setObjectName("chkBetsukai");
    chkBetsukai->setChecked(true);
    layout->addWidget(chkBetsukai);
    btnKaitou = addPanelButton(layout, "btnKaitou", "解答表示", "lamp_off");
    btnKaitou->setEnabled(false);
    layout->addSpacing(4);
    pnlGyokan = addSpinRow(layout, spnGyokan, "spnGyokan", "主行間", -5, 100, 30);
    pnlMojiSize = addSpinRow(layout, spnMojiSize, "spnMojiSize", "文　字\nサイズ", 8, 50, 10);
    layout->addSpacing(4);

    grbCopy = new QGroupBox(U("範囲コピー"), pnlSide);
    grbCopy->setObjectName("grbCopy");
    auto *copyLayout = new QVBoxLayout(grbCopy);
    copyLayout->setContentsMargins(4, 4, 4, 4);
    copyLayout->setSpacing(3);
    btnCopy = Unfocused(new QPushButton(Glyph("copy"), U("コピー"), grbCopy));
    btnCopy->setObjectName("btnCopy");
    btnCopyCancel = Unfocused(new QPushButton(Glyph("cancel"), U("キャンセル"), grbCopy));
    btnCopyCancel->setObjectName("btnCopyCancel");
    for (QPushButton *button : {btnCopy, btnCopyCancel}) {
        button->setIconSize(QSize(16, 16));
        button->setEnabled(false);
        copyLayout->addWidget(button);
    }
    layout->addWidget(grbCopy);

    buildHiddenControls(layout);
    layout->addStretch(1);
    return pnlSide;
}

void TfrmMain::buildHiddenControls(QVBoxLayout *layout)
{
    pnlPaper = new QFrame(pnlSide);
    pnlPaper->setObjectName("pnlPaper");
    auto *paperLayout = new QHBoxLayout(pnlPaper);
    paperLayout->setContentsMargins(2, 2, 2, 2);
    rdbB5 = Unfocused(new QRadioButton("B5", pnlPaper));
    rdbA4 = Unfocused(new QRadioButton("A4", pnlPaper));
    rdbB4 = Unfocused(new QRadioButton("B4", pnlPaper));
    rdbA3 = Unfocused(new QRadioButton("A3", pnlPaper));
    for (QRadioButton *radio : {rdbB5, rdbA4, rdbB4, rdbA3}) {
        radio->setObjectName("rdb" + radio->text());
        paperLayout->addWidget(radio);
    }
    rdbA4->setChecked(true);
    pnlPaper->hide();
    layout->addWidget(pnlPaper);

    btnReduce = Unfocused(new QPushButton(U("縮小"), pnlSide));
    btnReduce->setObjectName("btnReduce");
    btnReduce->hide();
    layout->addWidget(btnReduce);

    QWidget *subSpacing
        = addSpinRow(layout, spnFukuGyokan, "spnFukuGyokan", "副行間", -100, 100, 0);
    subSpacing->hide();
    QWidget *answerWidth
        = addSpinRow(layout, spnKaitouHaba, "spnKaitouHaba", "解答幅", -100, 200, 10);
    answerWidth->hide();

    auto *columns = new QGroupBox(U("段組"), pnlSide);
    auto *columnLayout = new QVBoxLayout(columns);
    const char *captions[] = {"１列", "２列（横）", "２列（縦）"};
    for (int i = 0; i < 3; ++i) {
        rdbColumn[i] = Unfocused(new QRadioButton(U(captions[i]), columns));
        rdbColumn[i]->setObjectName(QStringLiteral("rdbColumn%1").arg(i));
        columnLayout->addWidget(rdbColumn[i]);
    }
    rdbColumn[0]->setChecked(true);
    columns->hide();
    layout->addWidget(columns);
}

void TfrmMain::buildSavePanel(QWidget *parent)
{
    pnlSave = new QFrame(parent);
    pnlSave->setObjectName("pnlSave");
    pnlSave->setFrameShape(QFrame::Panel);
    pnlSave->setFrameShadow(QFrame::Raised);
    Colour(pnlSave, kSidePanelColour);
    auto *layout = new QVBoxLayout(pnlSave);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(3);
    btnOverwrite = new QPushButton(Glyph("save"), U("上書き保存"), pnlSave);
    btnOverwrite->setObjectName("btnOverwrite");
    btnSaveAs = new QPushButton(Glyph("save_as"), U("名前を付けて保存"), pnlSave);
    btnSaveAs->setObjectName("btnSaveAs");
    for (QPushButton *button : {btnOverwrite, btnSaveAs}) {
        button->setIconSize(QSize(18, 18));
        button->setMinimumHeight(kPanelButtonHeight);
        button->installEventFilter(this);
        layout->addWidget(button);
    }
    pnlSave->adjustSize();
    pnlSave->hide();
}

void TfrmMain::buildTipsPanel(QWidget *parent)
{
    grbDoYouKnow = new QGroupBox(U("ご存じですか？"), parent);
    grbDoYouKnow->setObjectName("grbDoYouKnow");
    auto *layout = new QVBoxLayout(grbDoYouKnow);
    layout->setContentsMargins(14, 18, 14, 12);
    layout->setSpacing(6);
    struct Tip
    {
        const char *name;
        const char *caption;
        int topic;
    };
    const Tip tips[] = {
        {"btnTipRenshu", "［学習］ボタンで勉強できます", 902},
        {"btnTipWord", "★Microsoft Word（ワード）との連携", 842},
        {"btnTipFax", "FAXソフトで送れます", 901},
        {"btnTipFlag", "自作の学級旗が印刷できます。", 840},
        {"btnTipClipboard", "クリップボードへコピーして画像を加工できます。", 850},
    };
    for (const Tip &tip : tips) {
        auto *button = new QPushButton(U(tip.caption), grbDoYouKnow);
        button->setObjectName(tip.name);
        button->setProperty("helpTopic", tip.topic);
        button->setCursor(Qt::PointingHandCursor);
        button->setStyleSheet("QPushButton { text-align: left; padding: 4px 8px; }");
        connect(button, &QPushButton::clicked, this, [this, topic = tip.topic] {
            m_seams.showHelpTopic(topic);
        });
        layout->addWidget(button);
    }
    // The first tip stands out: drilling is what the program is bought for.
    auto *first = grbDoYouKnow->findChild<QPushButton *>("btnTipRenshu");
    QFont bold = first->font();
    bold.setBold(true);
    bold.setPixelSize(16);
    first->setFont(bold);
    first->setStyleSheet("QPushButton { text-align: left; padding: 6px 8px; color: blue; }");

    chkShowDoYouKnow = new QCheckBox(U("次の起動時にも表示する"), grbDoYouKnow);
    chkShowDoYouKnow->setObjectName("chkShowDoYouKnow");
    chkShowDoYouKnow->hide();
    layout->addWidget(chkShowDoYouKnow);
    btnTipsClose = new QPushButton(Glyph("close"), U("閉じる"), grbDoYouKnow);
    btnTipsClose->setObjectName("btnTipsClose");
    layout->addWidget(btnTipsClose, 0, Qt::AlignRight);
    grbDoYouKnow->adjustSize();
    grbDoYouKnow->resize(std::max(grbDoYouKnow->width(), 380), grbDoYouKnow->height());
    grbDoYouKnow->hide();
}

void TfrmMain::buildMenus()
{
    mnuFile = menuBar()->addMenu(U("ファイル(&F)"));
    mnuFile->setObjectName("mnuFile");
    mnuFile->addAction(Glyph("open"), U("開く(&O)"), this, &TfrmMain::btnOpenClick);
    mnuFile->addAction(U("コピーファイルを開く(&P)"), this, &TfrmMain::openCopyFile);
    mnuFile->addSeparator();
    mnuFile->addAction(U("終了(&X)"), this, &QWidget::close);

    mnuEdit = menuBar()->addMenu(U("編集(&E)"));
    mnuEdit->setObjectName("mnuEdit");
    mnuEdit->addAction(U("目次作成(&C)"), this, &TfrmMain::mnuIndexClick);
    mnuEdit->addAction(U("学校名・塾名(&J)"), this, &TfrmMain::openSchoolName);
    mnuEdit->addAction(U("単元の追加(&D)"), this, &TfrmMain::addUnit)->setObjectName("mnuAddUnit");

    mnuWindow = menuBar()->addMenu(U("ウィンドウ(&W)"));
    mnuWindow->setObjectName("mnuWindow");
    mnuMaximize = mnuWindow->addAction(U("最大表示(&M)"), this, &TfrmMain::mnuMaximizeClick);
    mnuTile = mnuWindow->addAction(U("タイル表示(&T)"), m_mdiArea, &QMdiArea::tileSubWindows);
    mnuCascade
        = mnuWindow->addAction(U("カスケード表示(&C)"), m_mdiArea, &QMdiArea::cascadeSubWindows);
    mnuCloseAll = mnuWindow->addAction(U("すべて閉じる(&A)"), this, &TfrmMain::mnuCloseAllClick);
    connect(mnuWindow, &QMenu::aboutToShow, this, &TfrmMain::mnuWindowPopup);

    mnuHelp = menuBar()->addMenu(U("ヘルプ(&H)"));
    mnuHelp->setObjectName("mnuHelp");
    mnuHelp->addAction(U("使い方(&U)"), this, [this] { m_seams.showHelpContents(); });
    mnuHelp->addAction(U("バージョン(&V)"), this, [this] { m_seams.showVersion(); });
    mnuDoYouKnow = mnuHelp->addAction(U("ご存じですか(&D)"), this, &TfrmMain::mnuDoYouKnowClick);
}

void TfrmMain::connectControls()
{
    connect(btnLock, &QPushButton::clicked, this, &TfrmMain::btnLockClick);
    connect(btnClose, &QPushButton::clicked, this, &TfrmMain::btnCloseClick);
    connect(btnOpen, &QPushButton::clicked, this, &TfrmMain::btnOpenClick);
    connect(btnSave, &QPushButton::clicked, this, &TfrmMain::btnSaveClick);
    connect(btnOverwrite, &QPushButton::clicked, this, &TfrmMain::btnOverwriteClick);
    connect(btnSaveAs, &QPushButton::clicked, this, &TfrmMain::btnSaveAsClick);
    connect(btnPrint, &QPushButton::clicked, this, &TfrmMain::btnPrintClick);
    connect(btnEdit, &QPushButton::clicked, this, &TfrmMain::btnEditClick);
    connect(btnRenshu, &QPushButton::clicked, this, &TfrmMain::btnRenshuClick);
    connect(btnShimei, &QPushButton::clicked, this, &TfrmMain::btnShimeiClick);
    connect(btnKran, &QPushButton::clicked, this, &TfrmMain::btnKranClick);
    connect(chkBetsukai, &QCheckBox::clicked, this, &TfrmMain::chkBetsukaiClick);
    connect(btnKaitou, &QPushButton::clicked, this, &TfrmMain::btnKaitouClick);
    connect(btnCopy, &QPushButton::clicked, this, &TfrmMain::btnCopyClick);
    connect(btnCopyCancel, &QPushButton::clicked, this, &TfrmMain::btnCopyCancelClick);
    connect(btnReduce, &QPushButton::clicked, this, &TfrmMain::toggleReducedView);
    connect(btnTipsClose, &QPushButton::clicked, this, &TfrmMain::btnTipsCloseClick);

    connect(spnGyokan, &QSpinBox::valueChanged, this, &TfrmMain::spnGyokanChange);
    connect(spnMojiSize, &QSpinBox::valueChanged, this, &TfrmMain::spnMojiSizeChange);
    connect(spnFukuGyokan, &QSpinBox::valueChanged, this, &TfrmMain::spnFukuGyokanChange);
    connect(spnKaitouHaba, &QSpinBox::valueChanged, this, &TfrmMain::spnKaitouHabaChange);

    const std::pair<QRadioButton *, Paper> papers[]
        = {{rdbB5, Paper::B5}, {rdbA4, Paper::A4}, {rdbB4, Paper::B4}, {rdbA3, Paper::A3}};
    for (const auto &[radio, paper] : papers)
        connect(radio, &QRadioButton::clicked, this, [this, paper] { paperButtonClick(paper); });
    for (int column = 0; column < 3; ++column)
        connect(rdbColumn[column], &QRadioButton::clicked, this, [this, column] {
            setColumnLayout(column);
        });

    for (QWidget *widget : {static_cast<QWidget *>(btnPrint),
                            static_cast<QWidget *>(btnKran),
                            static_cast<QWidget *>(m_mdiArea->viewport())})
        widget->installEventFilter(this);
    pnlSide->installEventFilter(this);
    m_central->setMouseTracking(true);
    m_central->installEventFilter(this);
}

void TfrmMain::colourPanels()
{
    Colour(pnlSide, kSidePanelColour);
    Colour(pnlPaper, kPaperPanelColour);
}

void TfrmMain::coverScreen()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    m_screenSize = screen ? screen->geometry().size() : QSize(1024, 768);
    move(0, 0);
    resize(m_screenSize.width(), m_screenSize.height() - 28);
    // The sheet area is measured before the first show, so lay the frame out now.
    layout()->activate();
    m_central->layout()->activate();
}

int TfrmMain::sidePanelWidth() const
{
    return pnlSide->width();
}

int TfrmMain::sidePanelHeight() const
{
    return pnlSide->height();
}

void TfrmMain::setShowDoYouKnow(bool show)
{
    chkShowDoYouKnow->setChecked(show);
}

void TfrmMain::enableAnswerButton()
{
    btnKaitou->setEnabled(true);
    showAnswerGlyph();
}

void TfrmMain::placeTipsPanel()
{
    const int top = (height() - grbDoYouKnow->height() - 80) / 2;
    const int left
        = sidePanelWidth() + (width() - sidePanelWidth() - grbDoYouKnow->width() - 10) / 2;
    grbDoYouKnow->move(left, top);
    Colour(grbDoYouKnow, kTipsPanelColour);
}

void TfrmMain::focusTipsPanel()
{
    if (grbDoYouKnow->isVisible())
        btnTipsClose->setFocus();
}

void TfrmMain::showLearnerName()
{
    edtShimei->setText(ToQString(m_program.state.learnerName));
}

void TfrmMain::showAnswerGlyph()
{
    btnKaitou->setIcon(Glyph(m_program.state.answersShown ? "lamp_on" : "lamp_off"));
}

} // namespace zelkon
