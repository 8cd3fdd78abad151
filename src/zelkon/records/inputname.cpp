// TfrmInputName: the roster list, the name box and the log-on flow at OK.
#include "records/inputname.h"

#include "common/sjis_text.h"
#include "index/unit_list.h"
#include "platform/qstring_cp932.h"
#include "records/log_on.h"
#include "records/password.h"
#include "records/record_file.h"
#include "records/roster.h"
#include "settings/settings_catalogue.h"
#include "shell/program.h"
#include "shell/widgets.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace zelkon {

namespace {

constexpr int kWidth = 668;
constexpr int kHeight = 405;

// Roster lines keep their bytes beside the shown text, so a name is saved back exactly as read.
constexpr int kCp932Role = Qt::UserRole;

} // namespace

TfrmInputName::TfrmInputName(Program &program, TfrmPassword &password, QWidget *parent)
    : QDialog(parent)
    , m_program(program)
    , m_password(password)
{
    setObjectName("frmInputName");
    setModal(true);
    setWindowTitle(U("ログオン"));
    setFixedSize(kWidth, kHeight);
    buildControls();
}

void TfrmInputName::buildControls()
{
    memNote = new QPlainTextEdit(this);
    memNote->setObjectName("memNote");
    memNote->setReadOnly(true);
    memNote->setFocusPolicy(Qt::NoFocus);
    memNote->setPlainText(
        U("学習者の名前を選んでください。\nリストに無い場合は、氏名を入力して\nください。"));
    QFont noteFont = memNote->font();
    noteFont.setPixelSize(15);
    memNote->setFont(noteFont);
    memNote->setFixedHeight(QFontMetrics(noteFont).lineSpacing() * 3 + 16);
    memNote->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memNote->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto *lblName = new QLabel(U("氏名："), this);
    edtName = new QLineEdit(this);
    edtName->setObjectName("edtName");
    QFont nameFont = edtName->font();
    nameFont.setPixelSize(16);
    edtName->setFont(nameFont);
    lblName->setFont(nameFont);
    lblName->setBuddy(edtName);

    btnOk = new QPushButton("OK", this);
    btnOk->setObjectName("btnOk");
    btnCancel = new QPushButton(U("キャンセル"), this);
    btnCancel->setObjectName("btnCancel");
    btnDelete = new QPushButton(U("削除 =>"), this);
    btnDelete->setObjectName("btnDelete");
    // Enter is OK through the name box's own signal; a default button would press OK twice.
    for (QPushButton *button : {btnOk, btnCancel, btnDelete}) {
        button->setAutoDefault(false);
        button->setMinimumWidth(96);
    }

    auto *lblMeibo = new QLabel(U("名簿"), this);
    edtMeibo = new QLineEdit(this);
    edtMeibo->setObjectName("edtMeibo");
    edtMeibo->setReadOnly(true);
    edtMeibo->setFocusPolicy(Qt::NoFocus);
    lstName = new QListWidget(this);
    lstName->setObjectName("lstName");
    QFont listFont = lstName->font();
    listFont.setPixelSize(15);
    lstName->setFont(listFont);

    auto *nameRow = new QHBoxLayout;
    nameRow->setSpacing(6);
    nameRow->addWidget(lblName);
    nameRow->addWidget(edtName, 1);
    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    buttons->addStretch(1);
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    auto *left = new QVBoxLayout;
    left->setSpacing(6);
    left->addWidget(memNote);
    left->addSpacing(24);
    left->addLayout(nameRow);
    left->addSpacing(16);
    left->addLayout(buttons);
    left->addStretch(1);

    // 削除 => stands beside the top of the list it deletes from.
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(18, 16, 18, 16);
    layout->setHorizontalSpacing(14);
    layout->setVerticalSpacing(6);
    layout->addLayout(left, 0, 0, 3, 1);
    layout->addWidget(btnDelete, 2, 1, Qt::AlignTop);
    layout->addWidget(lblMeibo, 0, 2);
    layout->addWidget(edtMeibo, 1, 2);
    layout->addWidget(lstName, 2, 2);
    layout->setColumnStretch(0, 5);
    layout->setColumnStretch(2, 3);
    layout->setRowStretch(2, 1);

    connect(lstName, &QListWidget::itemClicked, this, &TfrmInputName::lstNameClick);
    connect(lstName, &QListWidget::currentRowChanged, this, &TfrmInputName::lstNameClick);
    connect(btnDelete, &QPushButton::clicked, this, &TfrmInputName::btnDeleteClick);
    connect(edtName, &QLineEdit::returnPressed, this, &TfrmInputName::btnOkClick);
    connect(btnOk, &QPushButton::clicked, this, &TfrmInputName::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmInputName::setHooks(Hooks hooks)
{
    m_hooks = std::move(hooks);
}

bool TfrmInputName::ShowLogOn()
{
    return exec() == QDialog::Accepted;
}

void TfrmInputName::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

std::string TfrmInputName::recordsFolder() const
{
    const AppState &state = m_program.state;
    return RecordsFolder(state.onCdRom, state.logOnFolder, state.programFolder);
}

void TfrmInputName::FormShow()
{
    if (const QScreen *shown = screen())
        move(shown->availableGeometry().center() - rect().center());

    const std::string folder = recordsFolder();
    std::string error;
    m_loaded.clear();
    // The roster lies beside the record files, whose folder is made with the first record;
    // the roster may come first.
    if (!CreateRecordsFolder(folder, &error) || !LoadRoster(folder, m_loaded, &error))
        m_program.prompter.message(error);
    fillRoster(m_loaded);
    edtMeibo->setText(ToQString(FileNameOf(RosterFileName(folder))));
    edtName->setText(ToQString(m_program.state.learnerName));
    edtName->setFocus();
}

void TfrmInputName::fillRoster(const std::vector<std::string> &names)
{
    const QSignalBlocker blocker(lstName);
    lstName->clear();
    for (const std::string &name : names) {
        auto *item = new QListWidgetItem(ToQString(name), lstName);
        item->setData(kCp932Role, QByteArray(name.data(), static_cast<qsizetype>(name.size())));
    }
}

std::vector<std::string> TfrmInputName::rosterNames() const
{
    std::vector<std::string> names;
    for (int row = 0; row < lstName->count(); ++row)
        names.push_back(lstName->item(row)->data(kCp932Role).toByteArray().toStdString());
    return names;
}

void TfrmInputName::lstNameClick()
{
    if (const QListWidgetItem *item = lstName->currentItem())
        edtName->setText(item->text());
}

void TfrmInputName::btnDeleteClick()
{
    const QList<QListWidgetItem *> selected = lstName->selectedItems();
    if (!selected.isEmpty()) {
        const QSignalBlocker blocker(lstName);
        delete lstName->takeItem(lstName->row(selected.front()));
    }
    edtName->clear();
}

void TfrmInputName::btnOkClick()
{
    const Cp932Conversion typed = ToCp932(edtName->text());
    if (!typed.ok) {
        m_program.prompter.message(RefusedCharacterMessageCp932(typed.badCharacter));
        edtName->setFocus();
        return;
    }
    const std::string &name = typed.bytes;
    // A name that cannot name a record file is refused before anything is written for it.
    const std::string problem = LogOnNameProblem(name);
    if (!problem.empty()) {
        m_program.prompter.message(problem);
        edtName->setFocus();
        return;
    }

    const std::vector<std::string> names = RosterWithName(rosterNames(), name);
    std::vector<std::string> saved;
    std::string error;
    if (!SaveRosterChanges(recordsFolder(), m_loaded, names, &saved, &error)) {
        m_program.prompter.message(error);
        return;
    }
    m_loaded = saved;
    // The list shows the roster as saved: with the new name, and with what other machines on
    // the same folder changed meanwhile.
    if (saved != rosterNames())
        fillRoster(saved);
    if (name.empty()) {
        reject();
        return;
    }

    AppState &state = m_program.state;
    const std::string previous = state.learnerName;
    state.learnerName = name;
    if (name != SharedLearnerName()) {
        const std::string recordFile = LearnerRecordFile(state, state.currentLocator.lesson);
        std::string stored;
        if (!ReadPassword(recordFile, stored, &error)) {
            // Offering a new password here would replace one that could not be read.
            state.learnerName = previous;
            m_program.prompter.message(error);
            return;
        }
        if (!m_password.execute(stored, recordFile)) {
            state.learnerName = previous;
            return;
        }
    }
    acceptLearner(name);
}

void TfrmInputName::acceptLearner(const std::string &name)
{
    // The log-on stands even when the setting cannot be written: only the next start's
    // default learner is lost, and the message says so.
    const SettingWrite written = m_program.settings.writeText(kLogOnName, name);
    if (!written.ok)
        m_program.prompter.message(written.error);
    if (m_hooks.loggedOn)
        m_hooks.loggedOn();
    accept();
}

} // namespace zelkon
