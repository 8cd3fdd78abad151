// TfrmZenTangen: the tree of the lesson, its date and counter, and its printout.
#include "index/zentangen.h"

#include "index/all_units.h"
#include "index/menu.h"
#include "platform/print_job.h"
#include "platform/print_target.h"
#include "platform/qstring_cp932.h"
#include "platform/qt_picture.h"
#include "sheet/print_jobs.h"
#include "shell/program.h"
#include "shell/widgets.h"

#include <QDate>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QShowEvent>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace zelkon {

namespace {

// Below the tree, a strip of this height holds the date, the counter and the buttons.
constexpr int kStripHeight = 50;
constexpr int kTreeIndent = 19;

QFont Gothic(int pixels, bool fixedPitch)
{
    QFont font;
    font.setFamilies({fixedPitch ? U("ＭＳ ゴシック") : U("ＭＳ Ｐゴシック")});
    font.setStyleHint(fixedPitch ? QFont::TypeWriter : QFont::SansSerif);
    font.setFixedPitch(fixedPitch);
    font.setPixelSize(pixels);
    return font;
}

void AddChildren(QTreeWidgetItem *item, const IndexTreeNode &node)
{
    for (const IndexTreeNode &child : node.children)
        AddChildren(new QTreeWidgetItem(item, {ToQString(child.text)}), child);
}

} // namespace

TfrmZenTangen::TfrmZenTangen(Program &program, TfrmMenu &menu, QWidget *parent)
    : QDialog(parent)
    , m_program(program)
    , m_menu(menu)
    , m_target(std::make_unique<DialogPrintTarget>())
{
    setObjectName("frmZenTangen");
    setWindowTitle(U("全単元"));
    setModal(true);
    buildControls();
}

TfrmZenTangen::~TfrmZenTangen() = default;

void TfrmZenTangen::buildControls()
{
    trvTangen = new QTreeWidget(this);
    trvTangen->setObjectName("trvTangen");
    trvTangen->setHeaderHidden(true);
    trvTangen->setColumnCount(1);
    trvTangen->setIndentation(kTreeIndent);
    trvTangen->setFont(Gothic(13, /*fixedPitch=*/true));
    trvTangen->setRootIsDecorated(true);

    lblDate = new QLabel(this);
    lblDate->setObjectName("lblDate");
    lblDate->setFont(Gothic(19, /*fixedPitch=*/false));
    edtCount = new QLineEdit(U("0"), this);
    edtCount->setObjectName("edtCount");
    edtCount->setFont(Gothic(16, /*fixedPitch=*/false));
    // The teacher may start the count where yesterday's printouts ended; only numbers count.
    edtCount->setValidator(new QIntValidator(0, 999999, edtCount));
    // On the printout the number follows the date's "-" as one text: "2005.10.05-3".
    edtCount->setAlignment(Qt::AlignLeft);
    edtCount->setFixedWidth(QFontMetrics(edtCount->font()).horizontalAdvance("000000") + 10);
    btnPrint = new QPushButton(U("印刷"), this);
    btnPrint->setObjectName("btnPrint");
    btnPrint->setAutoDefault(false);
    btnClose = new QPushButton(U("閉じる"), this);
    btnClose->setObjectName("btnClose");
    btnClose->setAutoDefault(false);

    auto *strip = new QWidget(this);
    strip->setFixedHeight(kStripHeight);
    auto *row = new QHBoxLayout(strip);
    row->setContentsMargins(12, 0, 12, 0);
    row->setSpacing(0);
    row->addWidget(lblDate);
    row->addWidget(edtCount);
    row->addSpacing(12);
    row->addStretch(1);
    row->addWidget(btnPrint);
    row->addSpacing(8);
    row->addWidget(btnClose);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(trvTangen, 1);
    layout->addWidget(strip);

    connect(btnPrint, &QPushButton::clicked, this, &TfrmZenTangen::btnPrintClick);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmZenTangen::setPrintTarget(std::unique_ptr<PrintTarget> target)
{
    m_target = std::move(target);
}

void TfrmZenTangen::execute()
{
    // Without a loaded lesson the index holds another lesson's sections, or none.
    if (m_menu.loadedLesson() < 1) {
        m_program.prompter.message(MenuNotChosenMessage());
        return;
    }
    exec();
}

void TfrmZenTangen::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmZenTangen::FormShow()
{
    if (QWidget *frame = parentWidget()) {
        move(0, 0);
        resize(frame->window()->size());
    }
    buildTree();
    const QDate today = QDate::currentDate();
    lblDate->setText(ToQString(AllUnitsDateText(today.year(), today.month(), today.day())));
    edtCount->setText(U("0"));
    btnClose->setFocus();
}

void TfrmZenTangen::buildTree()
{
    // The counts are those of the learner logged on now, as the unit list shows them.
    m_menu.refreshCounts();
    const IndexTreeNode tree = AllUnitsTree(m_program.index, m_menu.unitDisplay());
    trvTangen->clear();
    auto *root = new QTreeWidgetItem(trvTangen, {ToQString(tree.text)});
    AddChildren(root, tree);
    trvTangen->expandAll();
}

bool TfrmZenTangen::btnPrintClick()
{
    const QString before = edtCount->text();
    edtCount->setText(QString::fromStdString(NextPrintCount(before.toStdString())));
    // The picture is taken after the counter changed, so each printout carries its number.
    const QImage picture = grab().toImage();

    QPrinter &printer = m_target->printer();
    printer.setDocName(windowTitle());
    PrintFailure failure = PrintFailure::notStarted;
    {
        PrintJob job(printer);
        if (job.begun()) {
            QtCanvas &canvas = job.canvas();
            canvas.stretchDraw(
                FitToPage(canvas.width(), canvas.height(), picture.width(), picture.height()),
                QtPicture(picture));
            if (job.end())
                return true;
            failure = PrintFailure::failed;
        }
    }
    // The number belongs to a printout that did not come: the next one takes it.
    edtCount->setText(before);
    m_program.prompter.message(PrintFailureText(failure, /*job=*/1, /*jobCount=*/1));
    return false;
}

} // namespace zelkon
