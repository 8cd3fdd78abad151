// TfrmDetail: the detail table of the titles and its printout.
#include "hopdeck/detail.h"

#include "common/cp932.h"
#include "common/path.h"
#include "common/prompter.h"
#include "platform/fonts.h"
#include "platform/print_job.h"
#include "platform/print_target.h"
#include "platform/qstring_cp932.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>

namespace zelkon::hopdeck {

namespace {

QString U(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

// Blanks pad the printout's columns byte by byte, so table and printout use a face in which a
// two-byte character is as wide as two blanks.
constexpr std::string_view kGridFaceUtf8 = "ＭＳ ゴシック";
constexpr int kGridPoints = 9;
constexpr int kRowHeight = 24;

} // namespace

TfrmDetail::TfrmDetail(Prompter &prompter, PrintTarget &printTarget, QWidget *parent)
    : QDialog(parent)
    , m_prompter(prompter)
    , m_printTarget(printTarget)
{
    setObjectName(QStringLiteral("frmDetail"));
    const QSize size = parent ? parent->size() : QSize(800, 450);
    resize(size);
    const int gridWidth = size.width() - 60;
    const int gridHeight = size.height() - 120;
    const int left = 30;

    pnlDrive = new QLabel(this);
    pnlDrive->setObjectName(QStringLiteral("pnlDrive"));
    pnlDrive->setFrameShape(QFrame::Panel);
    pnlDrive->setFrameShadow(QFrame::Sunken);
    pnlDrive->setGeometry(left, 10, gridWidth, 24);
    pnlDrive->setTextInteractionFlags(Qt::TextSelectableByMouse);

    edtLastUpdate = new QLineEdit(this);
    edtLastUpdate->setObjectName(QStringLiteral("edtLastUpdate"));
    edtLastUpdate->setReadOnly(true);
    edtLastUpdate->setGeometry(left, 40, gridWidth, 24);

    stgDetail = new QTableWidget(this);
    stgDetail->setObjectName(QStringLiteral("stgDetail"));
    stgDetail->setGeometry(left, 72, gridWidth, gridHeight);
    stgDetail->setFont(QFont(FamilyForFaceName(Utf8ToCp932(kGridFaceUtf8)), kGridPoints));
    stgDetail->setColumnCount(int(kDetailColumnWidths.size()));
    for (int column = 0; column < stgDetail->columnCount(); ++column)
        stgDetail->setColumnWidth(column, kDetailColumnWidths[std::size_t(column)]);
    // Row 0, the header, is the table's own header so that it stays in view while scrolling.
    stgDetail->verticalHeader()->hide();
    stgDetail->verticalHeader()->setMinimumSectionSize(kRowHeight);
    stgDetail->verticalHeader()->setDefaultSectionSize(kRowHeight);
    stgDetail->horizontalHeader()->setFixedHeight(kRowHeight);
    stgDetail->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    stgDetail->horizontalHeader()->setHighlightSections(false);
    stgDetail->horizontalHeader()->setStretchLastSection(true);
    stgDetail->setEditTriggers(QAbstractItemView::NoEditTriggers);
    stgDetail->setSelectionBehavior(QAbstractItemView::SelectRows);
    stgDetail->setSelectionMode(QAbstractItemView::SingleSelection);
    stgDetail->setWordWrap(false);

    const int buttonTop = 72 + gridHeight + 10;
    btnPrint = new QPushButton(U("印刷"), this);
    btnPrint->setObjectName(QStringLiteral("btnPrint"));
    btnPrint->setGeometry(left + gridWidth - 200, buttonTop, 95, 28);
    btnClose = new QPushButton(U("閉じる"), this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnClose->setGeometry(left + gridWidth - 95, buttonTop, 95, 28);
    btnClose->setDefault(true);

    connect(btnPrint, &QPushButton::clicked, this, &TfrmDetail::btnPrintClick);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmDetail::execute(const TitleIndex &index, const std::string &folder, const QRect &geometry)
{
    fill(index, folder);
    setGeometry(geometry);
    exec();
}

void TfrmDetail::fill(const TitleIndex &index, const std::string &folder)
{
    edtLastUpdate->setText(ToQString(index.lastUpdate));
    setWindowTitle(QStringLiteral("ZelkTT HOPDECK"));
    pnlDrive->setText(QString::fromStdString(ToFsPath(folder)));
    m_rows = DetailRows(index.titles);
    const DetailRow &header = m_rows.front();
    for (int column = 0; column < stgDetail->columnCount(); ++column)
        stgDetail->setHorizontalHeaderItem(
            column, new QTableWidgetItem(ToQString(header[std::size_t(column)])));
    stgDetail->setRowCount(int(m_rows.size()) - 1);
    for (std::size_t r = 1; r < m_rows.size(); ++r) {
        for (std::size_t c = 0; c < m_rows[r].size(); ++c)
            stgDetail->setItem(int(r) - 1, int(c), new QTableWidgetItem(ToQString(m_rows[r][c])));
    }
    // The columns keep their widths unless a text needs more ("not installed", a long title):
    // a cut version or state would be no use to anyone reading the table.
    for (int column = 0; column < stgDetail->columnCount(); ++column) {
        stgDetail->resizeColumnToContents(column);
        stgDetail->setColumnWidth(
            column,
            std::max(stgDetail->columnWidth(column), kDetailColumnWidths[std::size_t(column)]));
    }
}

QString TfrmDetail::cellText(int row, int column) const
{
    const QTableWidgetItem *item
        = row == 0 ? stgDetail->horizontalHeaderItem(column) : stgDetail->item(row - 1, column);
    return item ? item->text() : QString();
}

int TfrmDetail::rowCount() const
{
    return stgDetail->rowCount() + 1;
}

void TfrmDetail::btnPrintClick()
{
    if (m_rows.empty() || !m_printTarget.setUp(this))
        return;
    QPrinter &printer = m_printTarget.printer();
    PrintJob job(printer);
    if (!job.begun()) {
        std::string text = Utf8ToCp932(
            "印刷を開始できませんでした。プリンタか出力先のファイルを確かめてください");
        if (!printer.outputFileName().isEmpty())
            text += "\r\n" + FromFsPath(printer.outputFileName().toStdString());
        m_prompter.message(text);
        return;
    }
    QtCanvas &canvas = job.canvas();
    canvas.setFontName(Utf8ToCp932(kGridFaceUtf8));
    canvas.setFontSize(kGridPoints);
    const int lineHeight = canvas.textHeight("");
    int top = 0;
    for (const std::string &line : PrintoutLines(m_rows)) {
        // A table longer than the page goes on over as many pages as it needs.
        if (top > 0 && top + lineHeight > canvas.height()) {
            printer.newPage();
            top = 0;
        }
        canvas.textOut({0, top}, line);
        top += lineHeight;
    }
    if (!job.end())
        m_prompter.message(Utf8ToCp932("印刷に失敗しました"));
}

} // namespace zelkon::hopdeck
