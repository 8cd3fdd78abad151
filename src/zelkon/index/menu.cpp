// TfrmMenu: the lists, their choices and keys, the owner-drawn unit lines and the OK choice.
#include "index/menu.h"

#include "common/path.h"
#include "index/sub_index.h"
#include "index/unit_line_delegate.h"
#include "platform/qstring_cp932.h"
#include "shell/program.h"
#include "shell/widgets.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace zelkon {

namespace {

constexpr int kUnitItemHeight = 16;
constexpr int kSimilarListHeight = 5 * kUnitItemHeight + 6;

QFont Gothic(int pixels, bool bold, bool fixedPitch)
{
    QFont font;
    font.setFamilies(fixedPitch ? QStringList{U("ＭＳ ゴシック")}
                                : QStringList{U("ＭＳ Ｐゴシック")});
    font.setStyleHint(fixedPitch ? QFont::TypeWriter : QFont::SansSerif);
    font.setFixedPitch(fixedPitch);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QLabel *Panel(const QString &text, QColor textColour, QWidget *parent)
{
    auto *panel = new QLabel(text, parent);
    panel->setFont(Gothic(16, /*bold=*/true, /*fixedPitch=*/false));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setAlignment(Qt::AlignCenter);
    panel->setMinimumHeight(28);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::WindowText, textColour);
    panel->setPalette(palette);
    return panel;
}

// The row of the selected item of a single-selection list; -1 when none is selected.
int ChosenRow(const QListWidget *list)
{
    const QList<QListWidgetItem *> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.front());
}

} // namespace

TfrmMenu::TfrmMenu(Program &program, QWidget *parent)
    : QDialog(parent)
    , m_program(program)
{
    setObjectName("frmMenu");
    setModal(true);
    buildControls();
    setMode(MenuMode::Open);
    setHooks({});
    showSimilarProblems(false);
    setUnitPanel(false);
}

void TfrmMenu::buildControls()
{
    pnlTitle = Panel({}, QColor(0, 0, 128), this);
    pnlTitle->setObjectName("pnlTitle");
    pnlLesson = Panel(U("項目を選んでください"), QColor(0, 128, 0), this);
    pnlLesson->setObjectName("pnlLesson");
    pnlSection = Panel(U("項目を選んでください"), QColor(0, 0, 255), this);
    pnlSection->setObjectName("pnlSection");
    pnlUnit = Panel({}, QColor(0, 0, 0), this);
    pnlUnit->setObjectName("pnlUnit");
    pnlUnit->setAutoFillBackground(true);

    const QFont listFont = Gothic(16, /*bold=*/false, /*fixedPitch=*/false);
    auto makeList = [this, &listFont](const char *name) {
        auto *list = new QListWidget(this);
        list->setObjectName(name);
        list->setFont(listFont);
        list->installEventFilter(this);
        list->viewport()->installEventFilter(this);
        return list;
    };
    lstLesson = makeList("lstLesson");
    lstSection = makeList("lstSection");
    lstUnit = makeList("lstUnit");
    lstUnit->setFont(Gothic(16, /*bold=*/false, /*fixedPitch=*/true));
    lstUnit->setUniformItemSizes(true);
    lstUnit->setItemDelegate(new UnitLineDelegate(
        [this](QPainter *painter, const QStyleOptionViewItem &option, int row) {
            lstUnitDrawItem(painter, option, row);
        },
        kUnitItemHeight,
        lstUnit));
    lstUnit->setMinimumWidth(QFontMetrics(lstUnit->font()).horizontalAdvance(QString(45, 'M')));

    lblRuidai = new QLabel(U("類題"), this);
    lblRuidai->setObjectName("lblRuidai");
    lblRuidai->setFont(Gothic(16, /*bold=*/true, /*fixedPitch=*/false));
    QPalette fuchsia = lblRuidai->palette();
    fuchsia.setColor(QPalette::WindowText, QColor(255, 0, 255));
    lblRuidai->setPalette(fuchsia);
    lstRuidai = new QListWidget(this);
    lstRuidai->setObjectName("lstRuidai");
    lstRuidai->setFont(listFont);
    lstRuidai->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstRuidai->setFixedHeight(kSimilarListHeight);
    btnRuidaiClear = new QPushButton(U("類題選択解除"), this);
    btnRuidaiClear->setObjectName("btnRuidaiClear");
    btnRuidaiClear->setAutoDefault(false);

    lblNote = new QLabel(U("［　］の中の数字は練習回数です"), this);
    lblNote->setObjectName("lblNote");
    btnZenTangen = new QPushButton(U("全単元表示"), this);
    btnZenTangen->setObjectName("btnZenTangen");
    btnKiroku = new QPushButton(U("記録表示"), this);
    btnKiroku->setObjectName("btnKiroku");
    btnOk = new QPushButton(U("　Ｏ　Ｋ　"), this);
    btnOk->setObjectName("btnOk");
    btnOk->setDefault(true);
    btnCancel = new QPushButton(U("ｷｬﾝｾﾙ"), this);
    btnCancel->setObjectName("btnCancel");
    for (QPushButton *button : {btnZenTangen, btnKiroku, btnCancel})
        button->setAutoDefault(false);

    auto *similar = new QHBoxLayout;
    similar->addWidget(lblRuidai, 0, Qt::AlignTop);
    similar->addWidget(lstRuidai, 1);
    similar->addWidget(btnRuidaiClear, 0, Qt::AlignTop);

    auto *grid = new QGridLayout;
    grid->addWidget(pnlLesson, 0, 0);
    grid->addWidget(pnlSection, 0, 1);
    grid->addWidget(pnlUnit, 0, 2);
    grid->addWidget(lstLesson, 1, 0, 2, 1);
    grid->addWidget(lstSection, 1, 1, 2, 1);
    grid->addWidget(lstUnit, 1, 2);
    grid->addLayout(similar, 2, 2);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(2, 3);
    grid->setRowStretch(1, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(lblNote);
    buttons->addStretch(1);
    for (QPushButton *button : {btnZenTangen, btnKiroku, btnOk, btnCancel})
        buttons->addWidget(button);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(pnlTitle);
    layout->addLayout(grid, 1);
    layout->addLayout(buttons);

    connectChoice(lstLesson, &TfrmMenu::lstLessonClick);
    connectChoice(lstSection, &TfrmMenu::lstSectionClick);
    connectChoice(lstUnit, &TfrmMenu::lstUnitClick);
    connect(lstUnit, &QListWidget::itemDoubleClicked, this, [this] { btnOkClick(); });
    connect(lstRuidai, &QListWidget::itemSelectionChanged, this, &TfrmMenu::lstRuidaiClick);
    connect(btnRuidaiClear, &QPushButton::clicked, this, &TfrmMenu::btnRuidaiClearClick);
    connect(btnOk, &QPushButton::clicked, this, &TfrmMenu::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmMenu::reject);
    connect(btnKiroku, &QPushButton::clicked, this, &TfrmMenu::btnKirokuClick);
    connect(btnZenTangen, &QPushButton::clicked, this, [this] { m_hooks.showAllUnits(); });
}

void TfrmMenu::connectChoice(QListWidget *list, void (TfrmMenu::*choose)(int))
{
    // Choosing the current row again reads it afresh: the files are read afresh, so a lesson whose
    // folder was missing can be retried.
    ConnectChoice(this, list, m_rowBeforePress, [this, choose](int row) { (this->*choose)(row); });
}

void TfrmMenu::setHooks(Hooks hooks)
{
    m_hooks = std::move(hooks);
    btnKiroku->setVisible(static_cast<bool>(m_hooks.showRecords));
    btnZenTangen->setVisible(static_cast<bool>(m_hooks.showAllUnits));
}

void TfrmMenu::setMode(MenuMode mode)
{
    m_mode = mode;
    setWindowTitle(ToQString(MenuCaption(mode)));
}

bool TfrmMenu::execute(MenuMode mode)
{
    setMode(mode);
    return exec() == QDialog::Accepted;
}

MainIndexRead TfrmMenu::readMainIndex()
{
    for (QListWidget *list : {lstLesson, lstSection, lstUnit, lstRuidai}) {
        const QSignalBlocker blocker(list);
        list->clear();
    }
    showSimilarProblems(false);
    setUnitPanel(false);
    m_locator = {};
    m_unitListSection = 0;

    Messages messages;
    const MainIndexRead read
        = ReadMainIndex(m_program.state.programFolder, m_program.index, messages);
    showMessages(messages);
    pnlTitle->setText(ToQString(m_program.index.mainTitle));
    {
        const QSignalBlocker blocker(lstLesson);
        for (const std::string &caption : m_program.index.lessonCaptions)
            AddCp932Item(lstLesson, caption);
    }
    m_firstShow = true;
    return read;
}

void TfrmMenu::refreshCounts()
{
    Messages messages;
    RefreshUnitCounts(m_program.state, m_program.index, m_locator.lesson, m_display, messages);
    showMessages(messages);
    lstUnit->viewport()->update();
}

void TfrmMenu::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmMenu::FormShow()
{
    if (QWidget *frame = parentWidget()) {
        move(0, 0);
        resize(frame->window()->size());
    }
    if (m_program.state.indexReloadPending) {
        readMainIndex();
        m_program.state.indexReloadPending = false;
    }
    if (lstLesson->count() > 0) {
        if (m_firstShow) {
            m_firstShow = false;
            {
                const QSignalBlocker blocker(lstLesson);
                lstLesson->setCurrentRow(0);
            }
            lstLessonClick(0);
        } else if (const int row = ChosenRow(lstUnit); row >= 0) {
            listSimilarProblems(row + 1);
        }
    }
    btnRuidaiClearClick();
}

void TfrmMenu::lstLessonClick(int row)
{
    const int lesson = row + 1;
    m_locator.lesson = lesson;
    const std::string &programFolder = m_program.state.programFolder;
    // A missing folder leaves the sub-index as it was, and with it the lists.
    const bool folderExists
        = DirectoryExists(LessonFolderPath(programFolder, m_program.index, lesson));
    // The similar-problem flags are kept by section and unit only: another lesson's would mark
    // the wrong units.
    m_program.state.similarMarksStale = true;
    Messages messages;
    const bool read = ReadSubIndex(programFolder, lesson, m_program.index, messages);
    showMessages(messages);
    if (!read) {
        m_locator.lesson = -1;
        if (folderExists)
            fillSectionList();
        return;
    }
    fillSectionList();
    if (lstSection->count() > 0) {
        {
            const QSignalBlocker blocker(lstSection);
            lstSection->setCurrentRow(0);
        }
        lstSectionClick(0);
    } else {
        const QSignalBlocker blocker(lstUnit);
        lstUnit->clear();
        m_unitListSection = 0;
        listSimilarProblems(0);
    }
    refreshCounts();
}

void TfrmMenu::fillSectionList()
{
    const QSignalBlocker blocker(lstSection);
    lstSection->clear();
    for (const std::string &caption : m_program.index.sectionCaptions)
        AddCp932Item(lstSection, caption);
}

void TfrmMenu::lstSectionClick(int row)
{
    const int section = row + 1;
    m_locator.section = section;
    m_unitListSection = section;
    {
        const QSignalBlocker blocker(lstUnit);
        lstUnit->clear();
        for (int u = 1; u <= UnitCount(m_program.index, section); ++u)
            AddCp932Item(lstUnit, UnitCaption(m_program.index, section, u));
    }
    if (lstUnit->count() == 0) {
        m_locator.unit = 0;
        listSimilarProblems(0);
        return;
    }
    {
        const QSignalBlocker blocker(lstUnit);
        lstUnit->setCurrentRow(0);
    }
    lstUnitClick(0);
}

void TfrmMenu::lstUnitClick(int row)
{
    // The list is told of its new current row before the row is selected: go by the row.
    m_locator.unit = row + 1;
    listSimilarProblems(m_locator.unit);
    lstUnit->setFocus();
}

void TfrmMenu::listSimilarProblems(int unit)
{
    std::vector<std::string> items;
    if (unit >= 1) {
        const std::string path = MasterFilePath(
            m_program.state.programFolder, m_program.index, m_locator.lesson, m_unitListSection);
        items = SimilarProblemItemsOfFile(path, unit);
    }
    {
        const QSignalBlocker blocker(lstRuidai);
        lstRuidai->clear();
        for (const std::string &item : items)
            AddCp932Item(lstRuidai, item);
    }
    setUnitPanel(false);
    showSimilarProblems(!items.empty());
}

void TfrmMenu::showSimilarProblems(bool shown)
{
    lblRuidai->setVisible(shown);
    lstRuidai->setVisible(shown);
    btnRuidaiClear->setVisible(shown);
}

void TfrmMenu::lstUnitDrawItem(QPainter *painter, const QStyleOptionViewItem &option, int row)
{
    const QListWidgetItem *item = lstUnit->item(row);
    if (!item)
        return;
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette::ColorGroup group
        = option.state & QStyle::State_Active ? QPalette::Active : QPalette::Inactive;
    painter->save();
    painter->fillRect(option.rect,
                      option.palette.color(group, selected ? QPalette::Highlight : QPalette::Base));
    painter->setPen(
        option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setFont(lstUnit->font());
    const std::string line
        = UnitListLine(m_display.prefix(m_unitListSection, row + 1), Cp932Of(item));
    painter->drawText(option.rect, Qt::AlignLeft | Qt::AlignTop, ToQString(line));
    painter->restore();
}

void TfrmMenu::lstRuidaiClick()
{
    setUnitPanel(!lstRuidai->selectedItems().isEmpty());
}

void TfrmMenu::btnRuidaiClearClick()
{
    {
        const QSignalBlocker blocker(lstRuidai);
        // Clearing the model's selection takes the focus mark off the current item as well.
        lstRuidai->selectionModel()->clear();
    }
    lstRuidai->viewport()->update();
    setUnitPanel(false);
}

void TfrmMenu::setUnitPanel(bool similarSelected)
{
    const UnitPanelLook look = UnitPanelFor(similarSelected);
    pnlUnit->setText(ToQString(look.text));
    QPalette palette = pnlUnit->palette();
    palette.setColor(QPalette::Window,
                     QColor(look.colour.red, look.colour.green, look.colour.blue));
    pnlUnit->setPalette(palette);
}

void TfrmMenu::btnOkClick()
{
    const MenuRows rows{ChosenRow(lstLesson),
                        ChosenRow(lstSection),
                        ChosenRow(lstUnit),
                        !lstRuidai->selectedItems().isEmpty(),
                        lstRuidai->currentRow()};
    if (!AcceptMenuChoice(m_program.index, m_locator.lesson, rows, m_program.state)) {
        m_program.prompter.message(MenuNotChosenMessage());
        return;
    }
    accept();
}

void TfrmMenu::btnKirokuClick()
{
    if (m_program.state.learnerName.empty()) {
        if (m_hooks.logOn)
            m_hooks.logOn();
        if (m_program.state.learnerName.empty())
            return;
    }
    if (m_hooks.showRecords())
        refreshCounts();
}

bool TfrmMenu::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        if (auto *list = qobject_cast<QListWidget *>(watched->parent()))
            m_rowBeforePress = list->currentRow();
    } else if (event->type() == QEvent::KeyPress) {
        if (auto *list = qobject_cast<QListWidget *>(watched))
            return listKeyDown(list, static_cast<QKeyEvent *>(event)->key());
    }
    return QDialog::eventFilter(watched, event);
}

bool TfrmMenu::listKeyDown(QListWidget *list, int key)
{
    // Right from the lessons goes straight to the units: choosing a lesson chose its first
    // section already.
    QListWidget *target = nullptr;
    if (key == Qt::Key_Left)
        target = list == lstUnit ? lstSection : list == lstSection ? lstLesson : nullptr;
    else if (key == Qt::Key_Right)
        target = list == lstLesson || list == lstSection ? lstUnit : nullptr;
    if (!target)
        return false;
    target->setFocus();
    return true;
}

void TfrmMenu::showMessages(const Messages &messages)
{
    for (const Message &message : messages)
        m_program.prompter.message(message.text);
}

} // namespace zelkon
