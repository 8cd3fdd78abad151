// TfrmEditIndex: its controls and hints, the show sequence, reading the main index and a
// lesson's index, the tree and the expand button.
#include "authoring/editindex.h"

#include "authoring/index_glyphs.h"
#include "authoring/inputtext.h"
#include "common/line_file.h"
#include "common/path.h"
#include "index/main_index.h"
#include "platform/qstring_cp932.h"
#include "shell/program.h"
#include "shell/widgets.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace zelkon {

namespace {

constexpr const char *kHintProperty = "zelkonHint";

QFont Gothic(int pixels)
{
    QFont font;
    font.setFamilies({U("ＭＳ Ｐゴシック")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    return font;
}

void SetTextColour(QWidget *widget, QColor colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

QLabel *Caption(const char *utf8, QWidget *parent)
{
    auto *label = new QLabel(U(utf8), parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace

TfrmEditIndex::TfrmEditIndex(Program &program,
                             TfrmInputText &inputText,
                             TfrmEditSource &editSource,
                             QWidget *parent)
    : QDialog(parent)
    , m_program(program)
    , m_inputText(inputText)
    , m_editSource(editSource)
{
    setObjectName("frmEditIndex");
    setModal(true);
    setWindowTitle(U("Zelkon Editor 教材の作成"));
    setFont(Gothic(14));
    // Moves over the window's own background show its hint; its controls have theirs.
    setMouseTracking(true);
    buildControls();
    layoutControls();
    connectControls();
    setHooks({});
    m_inputText.setHooks(
        {[this] { return selectedSectionTitle(); }, [this] { return selectedUnitTitle(); }});
}

void TfrmEditIndex::buildControls()
{
    const auto list = [this](const char *name, const char *hint) {
        auto *widget = new QListWidget(this);
        widget->setObjectName(name);
        widget->setProperty(kHintProperty, U(hint));
        return widget;
    };
    const auto button = [this](const char *name, const char *text, const char *hint) {
        auto *widget = new QPushButton(U(text), this);
        widget->setObjectName(name);
        if (hint)
            widget->setProperty(kHintProperty, U(hint));
        widget->setAutoDefault(false);
        widget->setMinimumHeight(30);
        return widget;
    };
    const auto pathBox = [this](const char *name) {
        auto *widget = new QLineEdit(this);
        widget->setObjectName(name);
        widget->setReadOnly(true);
        widget->setFocusPolicy(Qt::ClickFocus);
        return widget;
    };

    lstELesson = list("lstELesson", "編集するコースウェアを選択します");
    edtMainTitle = new QLineEdit(this);
    edtMainTitle->setObjectName("edtMainTitle");
    lstESection = list("lstESection", "主インデックスを書きます");
    lstEUnit = list("lstEUnit", "副インデックスを書きます");
    btnAdd = button("btnAdd", "追加 =>", "項目を追加します");
    btnChange = button("btnChange", "変更 <>", "項目を変更します");
    btnAdd2 = button("btnAdd2", "追加 =>", "項目を追加します");
    btnChange2 = button("btnChange2", "変更 <>", "項目を変更します");
    edtIndex = pathBox("edtIndex");
    edtDataFile = pathBox("edtDataFile");

    trvSect = new QTreeWidget(this);
    trvSect->setObjectName("trvSect");
    trvSect->setProperty(kHintProperty, U("インデックスの全構造を表示します"));
    trvSect->setHeaderHidden(true);
    trvSect->setColumnCount(1);
    trvSect->setIconSize(QSize(16, 16));
    trvSect->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    trvSect->header()->setStretchLastSection(false);

    btnOk = button("btnOk", " Ｏ　Ｋ", "編集結果を保存して閉じます");
    btnClose = button("btnClose", "キャンセル", "編集結果を無視してして閉じます");
    btnEditDirect
        = button("btnEditDirect", "ソースの直接編集(&E)", "Main.indファイルを直接編集します");
    btnExpand = button("btnExpand", "表示を展開する", "インデックスの表示を展開／圧縮します");
    btnHelp = button("btnHelp", "ヘルプ(&H)", nullptr);
    for (QPushButton *b : {btnOk, btnClose, btnEditDirect, btnExpand, btnHelp})
        b->setMinimumWidth(150);

    pnlHint = new QLabel(this);
    pnlHint->setObjectName("pnlHint");
    // Bold, so that the green the hint turns to stays legible on the dark panel.
    QFont hintFont = Gothic(13);
    hintFont.setBold(true);
    pnlHint->setFont(hintFont);
    pnlHint->setFrameShape(QFrame::Panel);
    pnlHint->setFrameShadow(QFrame::Sunken);
    pnlHint->setMinimumHeight(26);
    pnlHint->setIndent(8);
    pnlHint->setAutoFillBackground(true);
    QPalette hint = pnlHint->palette();
    hint.setColor(QPalette::Window, Qt::black);
    hint.setColor(QPalette::WindowText, Qt::yellow);
    pnlHint->setPalette(hint);

    for (QWidget *control : std::initializer_list<QWidget *>{lstELesson,
                                                             lstESection,
                                                             lstEUnit,
                                                             trvSect,
                                                             btnAdd,
                                                             btnAdd2,
                                                             btnChange,
                                                             btnChange2,
                                                             btnOk,
                                                             btnClose,
                                                             btnEditDirect,
                                                             btnExpand})
        control->installEventFilter(this);
}

void TfrmEditIndex::layoutControls()
{
    const auto column = [](QWidget *caption, QWidget *list, QPushButton *add, QPushButton *change) {
        auto *box = new QVBoxLayout;
        box->addWidget(caption);
        box->addWidget(list, 1);
        if (add) {
            auto *buttons = new QHBoxLayout;
            buttons->addWidget(add);
            buttons->addWidget(change);
            box->addLayout(buttons);
        }
        return box;
    };
    auto *lblLesson = Caption("コースウェア", this);
    SetTextColour(lblLesson, QColor(0, 128, 0));
    auto *lblSection = Caption("主メニュー", this);
    SetTextColour(lblSection, QColor(0, 0, 255));
    auto *lblUnit = Caption("副メニュー", this);
    auto *lblTree = Caption("インデックスの構造", this);
    SetTextColour(lblTree, QColor(0, 0, 128));

    auto *titleRow = new QHBoxLayout;
    titleRow->addWidget(Caption("タイトル", this));
    titleRow->addWidget(edtMainTitle, 1);

    auto *lists = new QHBoxLayout;
    lists->addLayout(column(lblLesson, lstELesson, nullptr, nullptr), 3);
    lists->addLayout(column(lblSection, lstESection, btnAdd, btnChange), 3);
    lists->addLayout(column(lblUnit, lstEUnit, btnAdd2, btnChange2), 4);
    lists->addLayout(column(lblTree, trvSect, nullptr, nullptr), 5);

    auto *paths = new QGridLayout;
    paths->addWidget(new QLabel(U("ｲﾝﾃﾞｯｸｽﾌｧｲﾙ"), this), 0, 0);
    paths->addWidget(edtIndex, 0, 1);
    paths->addWidget(new QLabel(U("マスターﾌｧｲﾙ"), this), 1, 0);
    paths->addWidget(edtDataFile, 1, 1);

    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {btnOk, btnClose, btnEditDirect, btnExpand})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(btnHelp);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(titleRow);
    layout->addLayout(lists, 1);
    layout->addLayout(paths);
    layout->addLayout(buttons);
    layout->addWidget(pnlHint);
}

void TfrmEditIndex::connectControls()
{
    connect(lstELesson, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            lstELessonClick(row);
    });
    connect(lstESection, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            lstESectionClick(row);
    });
    connect(lstEUnit, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            lstEUnitClick(row);
    });
    connect(lstEUnit, &QListWidget::itemDoubleClicked, this, [this] { btnOkClick(); });
    connect(edtMainTitle, &QLineEdit::textEdited, this, &TfrmEditIndex::edtMainTitleChange);
    connect(btnAdd, &QPushButton::clicked, this, &TfrmEditIndex::btnAddClick);
    connect(btnChange, &QPushButton::clicked, this, &TfrmEditIndex::btnChangeClick);
    connect(btnAdd2, &QPushButton::clicked, this, &TfrmEditIndex::btnAdd2Click);
    connect(btnChange2, &QPushButton::clicked, this, &TfrmEditIndex::btnChange2Click);
    connect(btnOk, &QPushButton::clicked, this, &TfrmEditIndex::btnOkClick);
    connect(btnClose, &QPushButton::clicked, this, &TfrmEditIndex::btnCloseClick);
    connect(btnEditDirect, &QPushButton::clicked, this, &TfrmEditIndex::btnEditDirectClick);
    connect(btnExpand, &QPushButton::clicked, this, &TfrmEditIndex::btnExpandClick);
    connect(btnHelp, &QPushButton::clicked, this, [this] {
        if (m_hooks.showHelpTopic)
            m_hooks.showHelpTopic(730);
    });
}

void TfrmEditIndex::setHooks(Hooks hooks)
{
    m_hooks = std::move(hooks);
}

bool TfrmEditIndex::execute()
{
    if (!ReadMainIndex())
        return false;
    if (QWidget *frame = parentWidget())
        resize(frame->window()->size());
    SelectWorksheetLesson();
    m_expanded = false;
    btnExpandClick();
    return exec() == QDialog::Accepted;
}

bool TfrmEditIndex::ReadMainIndex()
{
    {
        const QSignalBlocker blocker(lstELesson);
        lstELesson->clear();
    }
    // Read into a copy: a missing file must not empty the lessons the unit selection shows.
    CourseIndex read = m_program.index;
    Messages messages;
    if (zelkon::ReadMainIndex(m_program.state.programFolder, read, messages)
        == MainIndexRead::missing) {
        for (const Message &message : messages)
            m_program.prompter.message(message.text);
        return false;
    }
    // Faults of the file are the unit selection window's to report; here the lessons read count.
    CourseIndex &index = m_program.index;
    if (read.mainTitle != index.mainTitle || read.lessonCaptions != index.lessonCaptions
        || read.lessonFolder != index.lessonFolder || read.lessonPrefix != index.lessonPrefix) {
        // The lesson numbers the unit selection window holds may no longer be these.
        m_program.state.indexReloadPending = true;
    }
    index.mainTitle = read.mainTitle;
    index.lessonCaptions = read.lessonCaptions;
    index.lessonFolder = read.lessonFolder;
    index.lessonPrefix = read.lessonPrefix;

    edtMainTitle->setText(ToQString(index.mainTitle));
    const QSignalBlocker blocker(lstELesson);
    for (const std::string &caption : index.lessonCaptions)
        lstELesson->addItem(ToQString(caption));
    return true;
}

void TfrmEditIndex::SelectWorksheetLesson(const UnitLocator *worksheet)
{
    move(0, 0);
    const int lesson = worksheet && worksheet->lesson > 0 ? worksheet->lesson : 1;
    if (lesson > lstELesson->count()) {
        showNoLesson();
        return;
    }
    {
        const QSignalBlocker blocker(lstELesson);
        lstELesson->setCurrentRow(lesson - 1);
    }
    ReadLessonIndex(lesson);
    if (worksheet && worksheet->lesson > 0 && worksheet->section >= 1
        && worksheet->section <= lstESection->count()) {
        {
            const QSignalBlocker blocker(lstESection);
            lstESection->setCurrentRow(worksheet->section - 1);
        }
        chooseSection(worksheet->section);
    }
}

void TfrmEditIndex::ReadLessonIndex(int lesson)
{
    m_modified = false;
    m_lesson = lesson;
    const std::string &programFolder = m_program.state.programFolder;
    m_indexPath = SubIndexPath(programFolder, m_program.index, lesson);
    edtIndex->setText(ToQString(m_indexPath));

    std::string bytes;
    std::string error;
    switch (ReadFileIfPresent(ToFsPath(m_indexPath), bytes, &error)) {
    case FileRead::read:
        m_lines = SplitLines(bytes);
        // The unit selection window refuses such an index too; its lists would hold the window.
        if (const std::size_t longLine = FindLongLine(m_lines); longLine < m_lines.size()) {
            m_program.prompter.message(LongLineInFileMessage(m_indexPath, longLine + 1));
            m_lines.clear();
            setEditable(false);
            break;
        }
        setEditable(true);
        break;
    case FileRead::missing:
        m_lines = NewIndexLines();
        setEditable(true);
        break;
    case FileRead::unreadable:
        m_program.prompter.message(error);
        m_lines.clear();
        setEditable(false);
        break;
    }

    m_section = 0;
    {
        const QSignalBlocker blocker(lstEUnit);
        lstEUnit->clear();
    }
    edtDataFile->clear();
    BuildIndexTree(trvSect, 1);
    if (lstESection->count() > 0) {
        {
            const QSignalBlocker blocker(lstESection);
            lstESection->setCurrentRow(0);
        }
        chooseSection(1);
    }
    showHint("インデックスを変更した後、[OK]ボタンをクリックします。");
}

void TfrmEditIndex::showNoLesson()
{
    // Nothing of a lesson shown before may stay, or be saved under its path.
    m_modified = false;
    m_lesson = 0;
    m_section = 0;
    m_lines.clear();
    m_indexPath.clear();
    for (QListWidget *list : {lstESection, lstEUnit}) {
        const QSignalBlocker blocker(list);
        list->clear();
    }
    trvSect->clear();
    edtIndex->clear();
    edtDataFile->clear();
    setEditable(false);
}

void TfrmEditIndex::setEditable(bool editable)
{
    edtMainTitle->setReadOnly(!editable);
    for (QPushButton *b : {btnAdd, btnChange, btnAdd2, btnChange2, btnEditDirect})
        b->setEnabled(editable);
}

void TfrmEditIndex::BuildIndexTree(QTreeWidget *tree, int section)
{
    fillTree(tree, /*withLabels=*/true);
    QTreeWidgetItem *root = tree->topLevelItem(0);
    if (section >= 1 && section <= root->childCount())
        root->child(section - 1)->setExpanded(true);
    root->setExpanded(true);
    for (int s = 0; s < root->childCount(); ++s)
        root->child(s)->setExpanded(true);
}

void TfrmEditIndex::rebuildAfterAdd(int section)
{
    fillTree(trvSect, /*withLabels=*/false);
    QTreeWidgetItem *root = trvSect->topLevelItem(0);
    root->setExpanded(true);
    if (section >= 1 && section <= root->childCount())
        root->child(section - 1)->setExpanded(true);
}

void TfrmEditIndex::fillTree(QTreeWidget *tree, bool withLabels)
{
    const IndexOutline outline = ReadIndexOutline(m_lines);
    tree->clear();
    auto *root = new QTreeWidgetItem(tree, {ToQString(outline.title)});
    root->setIcon(0, IndexTreeIcon(3));
    const QSignalBlocker blocker(lstESection);
    lstESection->clear();
    for (std::size_t s = 0; s < outline.sections.size(); ++s) {
        const IndexSection &section = outline.sections[s];
        auto *node = new QTreeWidgetItem(root, {ToQString(section.title)});
        node->setIcon(0, IndexTreeIcon(1));
        lstESection->addItem(ToQString(section.title));
        for (std::size_t u = 0; u < section.units.size(); ++u) {
            std::string label;
            if (withLabels && m_hooks.unitLabel)
                label
                    = m_hooks.unitLabel(m_lesson, static_cast<int>(s) + 1, static_cast<int>(u) + 1);
            auto *unit = new QTreeWidgetItem(node, {ToQString(label + section.units[u])});
            unit->setIcon(0, IndexTreeIcon(2));
        }
    }
    edtMainTitle->setText(ToQString(outline.title));
}

QTreeWidgetItem *TfrmEditIndex::sectionNode(int section) const
{
    QTreeWidgetItem *root = trvSect->topLevelItem(0);
    if (!root || section < 1 || section > root->childCount())
        return nullptr;
    return root->child(section - 1);
}

void TfrmEditIndex::btnExpandClick()
{
    m_expanded = !m_expanded;
    if (QTreeWidgetItem *root = trvSect->topLevelItem(0)) {
        for (int s = 0; s < root->childCount(); ++s)
            root->child(s)->setExpanded(m_expanded);
    }
    btnExpand->setText(m_expanded ? U("表示を圧縮する") : U("表示を展開する"));
    btnExpand->setIcon(ExpandGlyph(/*collapse=*/m_expanded));
}

void TfrmEditIndex::showHint(const char *utf8)
{
    pnlHint->setText(U(utf8));
}

void TfrmEditIndex::mouseMoveEvent(QMouseEvent *event)
{
    QDialog::mouseMoveEvent(event);
    if (!m_hintGreen) {
        m_hintGreen = true;
        SetTextColour(pnlHint, QColor(0, 128, 0));
    }
    showHint("インデックスを編集した後、マスターファイルを編集します。");
}

bool TfrmEditIndex::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Enter) {
        const QVariant hint = watched->property(kHintProperty);
        if (hint.isValid())
            pnlHint->setText(hint.toString());
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace zelkon
