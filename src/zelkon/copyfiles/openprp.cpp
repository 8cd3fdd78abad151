// TfrmOpenPRP: the lesson list, the copy files of the lesson folder, the preview of the chosen
// file and the choice at OK.
#include "copyfiles/openprp.h"

#include "common/path.h"
#include "index/main_index.h"
#include "platform/qstring_cp932.h"
#include "sheet/copy_file_list.h"
#include "shell/program.h"
#include "shell/widgets.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace zelkon {

namespace {

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

QLabel *Header(const char *name, const char *utf8Text, QColor textColour, QWidget *parent)
{
    auto *panel = new QLabel(U(utf8Text), parent);
    panel->setObjectName(name);
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

} // namespace

TfrmOpenPRP::TfrmOpenPRP(Program &program, QWidget *parent)
    : QDialog(parent)
    , m_program(program)
{
    setObjectName("frmOpenPRP");
    setWindowTitle(U("Zelkon - コピーファイルを開く"));
    setModal(true);
    buildControls();
}

void TfrmOpenPRP::buildControls()
{
    pnlLesson = Header("pnlLesson", "項目を選んでください", QColor(0, 128, 0), this);
    pnlPRP = Header("pnlPRP", "項目を選んでください", QColor(0, 0, 255), this);
    Panel1 = Header("Panel1", "ファイルの内容", QColor(0, 0, 128), this);

    auto makeList = [this](const char *name, const QFont &font) {
        auto *list = new QListWidget(this);
        list->setObjectName(name);
        list->setFont(font);
        return list;
    };
    const QFont listFont = Gothic(16, /*bold=*/false, /*fixedPitch=*/false);
    lstLesson = makeList("lstLesson", listFont);
    flbPRP = makeList("flbPRP", listFont);
    // The lines as stored: a fixed pitch shows their spacing as it is.
    lstContents = makeList("lstContents", Gothic(14, /*bold=*/false, /*fixedPitch=*/true));
    lstContents->setUniformItemSizes(true);
    for (QListWidget *list : {lstLesson, flbPRP}) {
        list->installEventFilter(this);
        list->viewport()->installEventFilter(this);
    }

    edtFileName = new QLineEdit(this);
    edtFileName->setObjectName("edtFileName");
    edtFileName->setReadOnly(true);
    edtFileName->setFocusPolicy(Qt::ClickFocus);
    edtFileName->setFont(Gothic(16, /*bold=*/false, /*fixedPitch=*/false));
    btnOk = new QPushButton(U("　Ｏ　Ｋ　"), this);
    btnOk->setObjectName("btnOk");
    btnOk->setDefault(true);
    btnCancel = new QPushButton(U("ｷｬﾝｾﾙ"), this);
    btnCancel->setObjectName("btnCancel");
    btnCancel->setAutoDefault(false);
    for (QPushButton *button : {btnOk, btnCancel})
        button->setMinimumWidth(100);

    auto *grid = new QGridLayout;
    grid->addWidget(pnlLesson, 0, 0);
    grid->addWidget(pnlPRP, 0, 1);
    grid->addWidget(Panel1, 0, 2);
    grid->addWidget(lstLesson, 1, 0);
    grid->addWidget(flbPRP, 1, 1);
    grid->addWidget(lstContents, 1, 2);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(2, 5);
    grid->setRowStretch(1, 1);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(edtFileName, 1);
    bottom->addSpacing(12);
    bottom->addWidget(btnOk);
    bottom->addWidget(btnCancel);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addLayout(bottom);

    connectChoice(lstLesson, &TfrmOpenPRP::lstLessonClick);
    connectChoice(flbPRP, &TfrmOpenPRP::flbPRPClick);
    connect(flbPRP, &QListWidget::itemDoubleClicked, this, [this] { btnOkClick(); });
    connect(btnOk, &QPushButton::clicked, this, &TfrmOpenPRP::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmOpenPRP::reject);
}

void TfrmOpenPRP::connectChoice(QListWidget *list, void (TfrmOpenPRP::*choose)(int))
{
    // Choosing the current row again reads it afresh: the folder is listed afresh, so a folder made
    // or filled meanwhile shows.
    ConnectChoice(this, list, m_rowBeforePress, [this, choose](int row) { (this->*choose)(row); });
}

OpenPrpResult TfrmOpenPRP::execute()
{
    if (QWidget *frame = parentWidget()) {
        move(0, 0);
        resize(frame->window()->size());
    }
    // A missing main index keeps the flag, so the lessons are read once it is back.
    if (m_firstShow) {
        if (!readLessonList())
            return OpenPrpResult::NoMainIndex;
        m_firstShow = false;
    }
    return exec() == QDialog::Accepted ? OpenPrpResult::Ok : OpenPrpResult::Cancel;
}

std::optional<std::string> TfrmOpenPRP::browse()
{
    if (execute() != OpenPrpResult::Ok)
        return std::nullopt;
    return m_fileName;
}

bool TfrmOpenPRP::readLessonList()
{
    {
        const QSignalBlocker blocker(lstLesson);
        lstLesson->clear();
    }
    Messages messages;
    const MainIndexRead read = ReadMainIndex(m_program.state.programFolder, m_index, messages);
    for (const Message &message : messages)
        m_program.prompter.message(message.text);
    if (read == MainIndexRead::missing)
        return false;
    const QSignalBlocker blocker(lstLesson);
    for (const std::string &caption : m_index.lessonCaptions)
        AddCp932Item(lstLesson, caption);
    return true;
}

void TfrmOpenPRP::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmOpenPRP::FormShow()
{
    if (lstLesson->count() == 0)
        return;
    // The lesson of the last showing again (the first lesson at the first), its files read
    // afresh.
    const int row = std::max(lstLesson->currentRow(), 0);
    {
        const QSignalBlocker blocker(lstLesson);
        lstLesson->setCurrentRow(row);
    }
    lstLessonClick(row);
}

void TfrmOpenPRP::lstLessonClick(int row)
{
    const std::string folder
        = LessonFolderPath(m_program.state.programFolder, m_index, /*lesson=*/row + 1);
    const CopyFileListing listing = ListCopyFiles(folder);
    if (!listing.listed) {
        // The file list keeps the files, and the path, of the folder it showed.
        m_program.prompter.message(listing.message);
        return;
    }
    m_fileFolder = folder;
    {
        const QSignalBlocker blocker(flbPRP);
        flbPRP->clear();
        for (const std::string &name : listing.names)
            AddCp932Item(flbPRP, name);
    }
    const int chosen = CopyFileRowToChoose(m_program.state.lastCopyFilePosition, flbPRP->count());
    if (chosen < 0) {
        // No file of another folder may stay chosen under this lesson.
        showFileName({});
        lstContents->clear();
    } else {
        {
            const QSignalBlocker blocker(flbPRP);
            flbPRP->setCurrentRow(chosen);
        }
        flbPRPClick(chosen);
    }
    flbPRP->setFocus();
}

void TfrmOpenPRP::flbPRPClick(int row)
{
    const QListWidgetItem *item = flbPRP->item(row);
    if (!item)
        return;
    showFileName(m_fileFolder + Cp932Of(item));
    lstContents->clear();
    const CopyFilePreview preview = ReadCopyFilePreview(m_fileName);
    if (!preview.read) {
        auto *failure = new QListWidgetItem(ToQString(preview.message), lstContents);
        failure->setForeground(QColor(255, 0, 0));
        return;
    }
    for (const std::string &line : preview.lines)
        new QListWidgetItem(ToQString(line), lstContents);
}

void TfrmOpenPRP::showFileName(const std::string &path)
{
    m_fileName = path;
    edtFileName->setText(ToQString(path));
    edtFileName->setCursorPosition(0);
}

void TfrmOpenPRP::btnOkClick()
{
    const int row = flbPRP->currentRow();
    const QListWidgetItem *item = flbPRP->item(row);
    const std::string path = item ? m_fileName : std::string();
    if (!AcceptCopyFileChoice(path, row, item ? Cp932Of(item) : std::string(), m_program.state)) {
        m_program.prompter.message(CopyFileNotChosenMessage());
        return;
    }
    accept();
}

bool TfrmOpenPRP::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        if (auto *list = qobject_cast<QListWidget *>(watched->parent()))
            m_rowBeforePress = list->currentRow();
    } else if (event->type() == QEvent::KeyPress
               && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Left
               && (watched == lstLesson || watched == flbPRP)) {
        lstLesson->setFocus();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace zelkon
