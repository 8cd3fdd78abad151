// TfrmEditQues: the controls of the window and their connections.
#include "authoring/editques.h"

#include "authoring/bmp.h"
#include "authoring/cp932_text_edit.h"
#include "authoring/editsource.h"
#include "shell/program.h"
#include "shell/widgets.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

namespace zelkon {

namespace {

// A caption over an area, in the bold the block names are read by.
QLabel *AreaLabel(const char *text, QWidget *parent)
{
    auto *label = new QLabel(U(text), parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

// A caption row: the label, then the buttons at its right end.
QHBoxLayout *CaptionRow(QLabel *label, std::initializer_list<QWidget *> buttons)
{
    auto *row = new QHBoxLayout;
    row->setSpacing(4);
    row->addWidget(label);
    row->addStretch(1);
    for (QWidget *button : buttons)
        row->addWidget(button);
    return row;
}

// A count followed by its unit, as "12 個".
QHBoxLayout *CounterRow(const char *before, QLabel *count, const char *after, QWidget *parent)
{
    auto *row = new QHBoxLayout;
    row->setSpacing(4);
    if (before)
        row->addWidget(new QLabel(U(before), parent));
    row->addWidget(count);
    row->addWidget(new QLabel(U(after), parent));
    row->addStretch(1);
    return row;
}

} // namespace

TfrmEditQues::TfrmEditQues(Program &program,
                           TfrmEditSource &source,
                           TfrmBMP &viewer,
                           QWidget *parent)
    : QDialog(parent)
    , m_program(program)
    , m_source(source)
    , m_viewer(viewer)
{
    setObjectName("frmEditQues");
    setModal(true);
    setWindowTitle(U("マスターファイルの編集"));
    buildControls();
    connectControls();
}

void TfrmEditQues::buildControls()
{
    const auto button = [this](const char *name, const char *caption, const char *hint = nullptr) {
        auto *made = new QPushButton(U(caption), this);
        made->setObjectName(name);
        // Enter belongs to the areas; no button is pressed by it.
        made->setAutoDefault(false);
        if (hint)
            made->setToolTip(U(hint));
        return made;
    };
    const auto area = [this](const char *name) {
        auto *made = new Cp932TextEdit(m_program.prompter, this);
        made->setObjectName(name);
        made->setLineWrapMode(QPlainTextEdit::NoWrap);
        return made;
    };
    const auto display = [this](const char *name) {
        auto *made = new QLineEdit(this);
        made->setObjectName(name);
        made->setReadOnly(true);
        made->setFocusPolicy(Qt::NoFocus);
        return made;
    };
    const auto counter = [this](const char *name) {
        auto *made = new QLabel("0", this);
        made->setObjectName(name);
        made->setMinimumWidth(24);
        made->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return made;
    };

    edtLesson = display("edtLesson");
    edtLesson->setFixedWidth(96);
    edtTangen = display("edtTangen");
    edtFileName = display("edtFileName");
    btnOk = button("btnOk", "  Ｏ　Ｋ");
    btnCancel = button("btnCancel", "キャンセル");
    btnEditDirect = button("btnEditDirect", "直接編集");
    for (QPushButton *wide : {btnOk, btnCancel, btnEditDirect})
        wide->setMinimumWidth(96);

    MemQues = area("MemQues");
    QFont mincho(U("ＭＳ 明朝"));
    mincho.setPixelSize(13);
    MemQues->setFont(mincho);
    MemQues->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MemQues->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memKgroup = area("memKgroup");
    memDummy = area("memDummy");
    memDummy->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memDummy->setFixedWidth(177);
    memHint = area("memHint");
    memQGraph = area("memQGraph");
    memAGraph = area("memAGraph");
    memPasteLo = area("memPasteLo");

    lstKai = new QListWidget(this);
    lstKai->setObjectName("lstKai");
    lstKai->setFixedWidth(150);
    lblKosuh = counter("lblKosuh");
    lblKosuh2 = counter("lblKosuh2");
    lblKosuh3 = counter("lblKosuh3");
    chkSuuji = new QCheckBox(U("数字除く"), this);
    chkSuuji->setObjectName("chkSuuji");
    chkSuuji->setChecked(true);
    chkKigou = new QCheckBox(U("記号除く"), this);
    chkKigou->setObjectName("chkKigou");
    chkKigou->setChecked(true);

    flbGraph = new QListWidget(this);
    flbGraph->setObjectName("flbGraph");
    flbGraph->setSelectionMode(QAbstractItemView::ExtendedSelection);
    flbGraph->setFixedWidth(193);
    imgGraph = new QLabel(this);
    imgGraph->setObjectName("imgGraph");
    imgGraph->setFixedSize(193, 121);
    imgGraph->setAlignment(Qt::AlignCenter);
    imgGraph->setFrameShape(QFrame::StyledPanel);
    imgGraph->setAutoFillBackground(true);
    QPalette white = imgGraph->palette();
    white.setColor(QPalette::Window, Qt::white);
    imgGraph->setPalette(white);
    imgGraph->setCursor(Qt::PointingHandCursor);
    imgGraph->setToolTip(U("クリックで拡大表示"));
    imgGraph->installEventFilter(this);

    btnTest = button("btnTest", "抽出=>");
    btnKai = button("btnKai", "解答欄");
    btnKakko = button("btnKakko", "下線とかっこ");
    btnKgAdd = button("btnKgAdd", "<=挿入", "解とダミーの解を挿入");
    btnDummy = button("btnDummy", "=>", "解とダミーの解を挿入");
    btnKGClear = button("btnKGClear", "クリア");
    btnQGAdd = button("btnQGAdd", "<=挿入");
    btnAGAdd = button("btnAGAdd", "<=挿入");
    btnQGClear = button("btnQGClear", "クリア");
    btnAGClear = button("btnAGClear", "クリア");

    // The unit and the commands.
    auto *top = new QHBoxLayout;
    top->setSpacing(6);
    top->addWidget(new QLabel(U("§"), this));
    top->addWidget(edtLesson);
    top->addSpacing(10);
    top->addWidget(new QLabel(U("単元"), this));
    top->addWidget(edtTangen, 2);
    top->addSpacing(10);
    top->addWidget(new QLabel(U("データファイル"), this));
    top->addWidget(edtFileName, 3);
    top->addSpacing(16);
    top->addWidget(btnOk);
    top->addWidget(btnCancel);
    top->addSpacing(16);
    top->addWidget(btnEditDirect);

    // The questions, and from the right the answers taken from them, the choices derived from
    // the answers and the dummies merged into the choices: each arrow points the way it works.
    auto *questions = new QVBoxLayout;
    questions->addLayout(CaptionRow(AreaLabel("<<ques 問題ブロック", this), {btnKai, btnKakko}));
    questions->addWidget(MemQues, 1);

    auto *dummies = new QVBoxLayout;
    dummies->addWidget(AreaLabel("<<dummy ダミーの解答", this));
    dummies->addWidget(memDummy, 1);

    auto *dummyArrow = new QVBoxLayout;
    dummyArrow->addStretch(1);
    dummyArrow->addWidget(btnDummy);
    dummyArrow->addStretch(1);
    btnDummy->setFixedWidth(36);

    auto *choices = new QVBoxLayout;
    choices->addLayout(CaptionRow(AreaLabel("<<kgroup 解選択ブロック", this), {btnKGClear}));
    choices->addWidget(memKgroup, 1);
    auto *filters = new QHBoxLayout;
    filters->addWidget(chkSuuji);
    filters->addWidget(chkKigou);
    filters->addStretch(1);
    choices->addLayout(filters);
    choices->addLayout(CounterRow(nullptr, lblKosuh3, "個", this));
    choices->addLayout(CounterRow("ソフトキーボード", lblKosuh2, "文字", this));
    memKgroup->setMinimumWidth(170);

    auto *choiceArrow = new QVBoxLayout;
    choiceArrow->addStretch(1);
    choiceArrow->addWidget(btnKgAdd);
    choiceArrow->addStretch(1);

    auto *answers = new QVBoxLayout;
    answers->addWidget(btnTest);
    answers->addWidget(AreaLabel("抽出された解", this));
    answers->addWidget(lstKai, 1);
    answers->addLayout(CounterRow(nullptr, lblKosuh, "個", this));

    auto *middle = new QHBoxLayout;
    middle->setSpacing(8);
    middle->addLayout(questions, 5);
    middle->addSpacing(6);
    middle->addLayout(dummies);
    middle->addLayout(dummyArrow);
    middle->addLayout(choices, 1);
    middle->addLayout(choiceArrow);
    middle->addLayout(answers);

    // Hints, the graphs with the picker they are taken from, and the layout blocks.
    auto *hints = new QVBoxLayout;
    hints->addWidget(AreaLabel("<<hint ヒントブロック", this));
    hints->addWidget(memHint, 1);

    auto *graphs = new QVBoxLayout;
    graphs->addLayout(CaptionRow(AreaLabel("<<graph 問題のグラフ", this), {btnQGClear, btnQGAdd}));
    graphs->addWidget(memQGraph, 1);
    graphs->addLayout(CaptionRow(AreaLabel("<<AGraph 解答のグラフ", this), {btnAGClear, btnAGAdd}));
    graphs->addWidget(memAGraph, 1);

    auto *picker = new QVBoxLayout;
    picker->addWidget(AreaLabel("使えるグラフ", this));
    picker->addWidget(flbGraph, 1);
    picker->addWidget(imgGraph);

    auto *layoutBlocks = new QVBoxLayout;
    layoutBlocks->addWidget(AreaLabel("<<value 位置情報など", this));
    layoutBlocks->addWidget(memPasteLo, 1);

    auto *bottom = new QHBoxLayout;
    bottom->setSpacing(8);
    bottom->addLayout(hints, 3);
    bottom->addLayout(graphs, 2);
    bottom->addLayout(picker);
    bottom->addLayout(layoutBlocks, 2);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 8, 10, 10);
    layout->setSpacing(8);
    layout->addLayout(top);
    layout->addLayout(middle, 3);
    layout->addLayout(bottom, 2);
}

void TfrmEditQues::connectControls()
{
    connect(btnOk, &QPushButton::clicked, this, &TfrmEditQues::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmEditQues::reject);
    connect(btnEditDirect, &QPushButton::clicked, this, &TfrmEditQues::btnEditDirectClick);
    connect(btnTest, &QPushButton::clicked, this, [this] { btnTestClick(); });
    connect(btnKai, &QPushButton::clicked, this, &TfrmEditQues::btnKaiClick);
    connect(btnKakko, &QPushButton::clicked, this, &TfrmEditQues::btnKakkoClick);
    connect(btnKgAdd, &QPushButton::clicked, this, &TfrmEditQues::btnKgAddClick);
    connect(btnDummy, &QPushButton::clicked, this, &TfrmEditQues::btnDummyClick);
    connect(btnKGClear, &QPushButton::clicked, this, &TfrmEditQues::btnKGClearClick);
    connect(btnQGAdd, &QPushButton::clicked, this, [this] { addGraphs(memQGraph, false); });
    connect(btnAGAdd, &QPushButton::clicked, this, [this] { addGraphs(memAGraph, true); });
    connect(btnQGClear, &QPushButton::clicked, this, [this] { memQGraph->replaceLines({}); });
    connect(btnAGClear, &QPushButton::clicked, this, [this] { memAGraph->replaceLines({}); });
    connect(flbGraph, &QListWidget::itemClicked, this, &TfrmEditQues::flbGraphClick);

    // Only a change of the characters counts: an input method that ends a composition without
    // a result (a refused character) touches the document without changing it.
    for (Cp932TextEdit *area :
         {MemQues, memKgroup, memDummy, memHint, memQGraph, memAGraph, memPasteLo})
        connect(area->document(),
                &QTextDocument::contentsChange,
                this,
                [this](int, int removed, int added) {
                    if (removed != 0 || added != 0)
                        areaChanged();
                });
    connect(memKgroup, &QPlainTextEdit::textChanged, this, &TfrmEditQues::showChoiceCounts);
}

bool TfrmEditQues::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == imgGraph && event->type() == QEvent::MouseButtonRelease) {
        imgGraphClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace zelkon
