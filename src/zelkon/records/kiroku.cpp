// TfrmKiroku: the list of units and copy files with their counts, the detail memo and erasing.
#include "records/kiroku.h"

#include "common/cp932.h"
#include "platform/qstring_cp932.h"
#include "records/profile_file.h"
#include "records/record_file.h"
#include "records/record_panel.h"
#include "shell/program.h"
#include "shell/widgets.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace zelkon {

namespace {

QFont FixedGothic(int pixels)
{
    QFont font;
    font.setFamilies({U("ＭＳ ゴシック")});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(pixels);
    return font;
}

} // namespace

TfrmKiroku::TfrmKiroku(Program &program, QWidget *parent)
    : QDialog(parent)
    , m_program(program)
{
    setObjectName("frmKiroku");
    setModal(true);
    setWindowTitle(U("実行記録"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
    buildControls();
}

void TfrmKiroku::buildControls()
{
    auto *lblLogOnName = new QLabel(U("ログオン名"), this);
    edtLogOnName = new QLineEdit(this);
    edtLogOnName->setObjectName("edtLogOnName");
    edtLogOnName->setReadOnly(true);
    edtLogOnName->setFocusPolicy(Qt::NoFocus);
    edtLogOnName->setFixedWidth(150);
    btnErase = new QPushButton(U("記録消去"), this);
    btnErase->setObjectName("btnErase");
    btnReturn = new QPushButton(U("閉じる"), this);
    btnReturn->setObjectName("btnReturn");
    for (QPushButton *button : {btnErase, btnReturn}) {
        button->setAutoDefault(false);
        button->setFixedWidth(150);
        button->setMinimumHeight(32);
    }

    auto *lblTitle = new QLabel(U("単元をクリックして下さい"), this);
    lstTitle = new QListWidget(this);
    lstTitle->setObjectName("lstTitle");
    lstTitle->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstTitle->setFont(FixedGothic(15));

    memDetail = new QPlainTextEdit(this);
    memDetail->setObjectName("memDetail");
    memDetail->setReadOnly(true);
    memDetail->setFont(FixedGothic(13));
    memDetail->setLineWrapMode(QPlainTextEdit::NoWrap);
    memDetail->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memDetail->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    auto *buttons = new QVBoxLayout;
    buttons->setSpacing(6);
    buttons->addWidget(edtLogOnName);
    buttons->addSpacing(24);
    buttons->addWidget(btnErase);
    buttons->addSpacing(8);
    buttons->addWidget(btnReturn);
    buttons->addStretch(1);

    // Labels in the first row, so that the list and the memo start at the same height.
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setHorizontalSpacing(12);
    layout->setVerticalSpacing(4);
    layout->addWidget(lblLogOnName, 0, 0);
    layout->addWidget(lblTitle, 0, 1);
    layout->addLayout(buttons, 1, 0);
    layout->addWidget(lstTitle, 1, 1);
    layout->addWidget(memDetail, 1, 2);
    layout->setColumnStretch(1, 3);
    layout->setColumnStretch(2, 2);
    layout->setRowStretch(1, 1);

    connect(lstTitle, &QListWidget::currentRowChanged, this, &TfrmKiroku::lstTitleClick);
    connect(lstTitle, &QListWidget::itemClicked, this, &TfrmKiroku::lstTitleClick);
    connect(btnErase, &QPushButton::clicked, this, &TfrmKiroku::btnEraseClick);
    connect(btnReturn, &QPushButton::clicked, this, &TfrmKiroku::btnReturnClick);
}

void TfrmKiroku::setLesson(int lesson)
{
    m_lesson = std::max(lesson, 1);
    m_erased = false;
}

bool TfrmKiroku::ShowRecordWindow(int lesson)
{
    setLesson(lesson);
    exec();
    return m_erased;
}

bool TfrmKiroku::ShowRecordWindow()
{
    return ShowRecordWindow(m_program.state.currentLocator.lesson);
}

void TfrmKiroku::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmKiroku::FormShow()
{
    if (QWidget *frame = parentWidget()) {
        move(0, 0);
        resize(frame->window()->size());
    }
    edtLogOnName->setText(ToQString(m_program.state.learnerName));
    fillList(/*currentRow=*/0);
    lstTitle->setFocus();
}

void TfrmKiroku::fillList(int currentRow)
{
    m_entries = BuildRecordList(RecordListSourcesOf(m_program.state, m_program.index, m_lesson));
    {
        const QSignalBlocker blocker(lstTitle);
        lstTitle->clear();
        for (const RecordListEntry &entry : m_entries) {
            auto *item = new QListWidgetItem(ToQString(entry.text), lstTitle);
            if (entry.note) {
                // A note may be longer than the list is wide; it is no line to click for records.
                item->setToolTip(item->text());
                item->setForeground(QColor(128, 0, 0));
            }
        }
        // A current line keeps the list from choosing one when it gets the focus, which would
        // fill the memo before anything was clicked; the keys go on from there.
        if (lstTitle->count() > 0)
            lstTitle->selectionModel()->setCurrentIndex(
                lstTitle->model()->index(std::clamp(currentRow, 0, lstTitle->count() - 1), 0),
                QItemSelectionModel::NoUpdate);
    }
    memDetail->clear();
}

void TfrmKiroku::lstTitleClick()
{
    const int row = lstTitle->currentRow();
    if (row < 0 || row >= static_cast<int>(m_entries.size()))
        return;
    const RecordListEntry &entry = m_entries[static_cast<std::size_t>(row)];
    memDetail->clear();
    std::vector<std::string> lines;
    std::string error;
    if (!entry.key.empty() && !ReadUnitRecords(entry.recordFile, entry.key, lines, &error)) {
        memDetail->setPlainText(ToQString(error));
        return;
    }
    memDetail->setPlainText(ToQString(RecordPanelText(lines)));
}

void TfrmKiroku::btnEraseClick()
{
    const int row = lstTitle->currentRow();
    // Only the line last clicked is erased, and only a line that stands for records: a section
    // title or a note names no section of the record file.
    if (lstTitle->selectedItems().isEmpty() || row < 0 || row >= static_cast<int>(m_entries.size())
        || m_entries[static_cast<std::size_t>(row)].key.empty()) {
        m_program.prompter.message(Utf8ToCp932("消去する単元を選んでください"));
        return;
    }
    if (!m_program.prompter.askYesNo(Utf8ToCp932("記録を消してもいいですか？")))
        return;
    const RecordListEntry entry = m_entries[static_cast<std::size_t>(row)];
    std::string error;
    if (!ProfileFile(entry.recordFile).eraseSection(entry.key, &error)) {
        m_program.prompter.message(error);
        return;
    }
    m_erased = true;
    fillList(row);
}

void TfrmKiroku::btnReturnClick()
{
    memDetail->clear();
    accept();
}

} // namespace zelkon
