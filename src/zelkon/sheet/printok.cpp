// TfrmPrintOk: the paper request, the printer set-up, 開始No and the print itself.
#include "sheet/printok.h"

#include "platform/print_target.h"
#include "platform/printer_pages.h"
#include "platform/qstring_cp932.h"
#include "sheet/print_jobs.h"
#include "sheet/print_sheet.h"
#include "sheet/worksheet_document.h"
#include "shell/main.h"
#include "shell/program.h"
#include "shell/sheet_window.h"
#include "shell/widgets.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace zelkon {

TfrmPrintOk::TfrmPrintOk(Program &program,
                         TfrmMain &main,
                         TfrmPrintMode &printMode,
                         QWidget *parent)
    : QDialog(parent)
    , m_program(program)
    , m_main(main)
    , m_printMode(printMode)
    , m_target(std::make_unique<DialogPrintTarget>())
{
    setObjectName("frmPrintOk");
    setWindowTitle(U("印刷"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->setSpacing(12);

    lblSize = new QLabel(U("用紙のサイズを設定してください"), this);
    lblSize->setObjectName("lblSize");
    lblSize->setWordWrap(true);
    lblSize->setMinimumWidth(380);
    QFont sizeFont = lblSize->font();
    sizeFont.setPointSizeF(sizeFont.pointSizeF() * 1.2);
    sizeFont.setBold(true);
    lblSize->setFont(sizeFont);
    layout->addWidget(lblSize);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(8);
    lblPWidth = new QLabel(U("横："), this);
    lblPWidth->setObjectName("lblPWidth");
    lblPHeight = new QLabel(U("縦："), this);
    lblPHeight->setObjectName("lblPHeight");
    btnSettei = new QPushButton(U("プリンタ設定"), this);
    btnSettei->setObjectName("btnSettei");
    grid->addWidget(lblPWidth, 0, 0);
    grid->addWidget(lblPHeight, 0, 1);
    grid->addWidget(btnSettei, 0, 3);
    auto *lblStartNum = new QLabel(U("開始No"), this);
    spnStartNum = new QSpinBox(this);
    spnStartNum->setObjectName("spnStartNum");
    spnStartNum->setRange(1, 100);
    spnStartNum->setValue(1);
    spnStartNum->setMinimumWidth(64);
    lblStartNum->setBuddy(spnStartNum);
    auto *startRow = new QHBoxLayout;
    startRow->addWidget(lblStartNum);
    startRow->addWidget(spnStartNum);
    startRow->addStretch(1);
    grid->addLayout(startRow, 1, 0, 1, 2);
    grid->setColumnStretch(2, 1);
    layout->addLayout(grid);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    btnPrint = new QPushButton(U("印刷開始"), this);
    btnPrint->setObjectName("btnPrint");
    btnPrint->setDefault(true);
    btnClose = new QPushButton(U("閉じる"), this);
    btnClose->setObjectName("btnClose");
    buttons->addWidget(btnPrint);
    buttons->addWidget(btnClose);
    layout->addLayout(buttons);

    connect(btnSettei, &QPushButton::clicked, this, &TfrmPrintOk::btnSetteiClick);
    connect(btnPrint, &QPushButton::clicked, this, &TfrmPrintOk::btnPrintClick);
    // Esc closes as "閉じる" does (QDialog's reject).
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(spnStartNum, &QSpinBox::valueChanged, this, &TfrmPrintOk::spnStartNumChange);
}

TfrmPrintOk::~TfrmPrintOk() = default;

void TfrmPrintOk::setPrintTarget(std::unique_ptr<PrintTarget> target)
{
    m_target = std::move(target);
}

void TfrmPrintOk::execute(const QImage &picture)
{
    // Printing draws the fields of the last on-screen render; it must not record its own.
    m_program.renderTables.collectAnswerFields = false;
    m_picture = picture;
    exec();
    m_picture = QImage();
}

void TfrmPrintOk::takeSheetValues(SheetWindow &sheet)
{
    {
        const QSignalBlocker quiet(spnStartNum);
        spnStartNum->setValue(sheet.sheet().startNumber);
    }
    // A stored number outside the box's range is held to it, without marking the sheet.
    TakeStartNumber(sheet.sheet(), spnStartNum->value());
}

void TfrmPrintOk::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TfrmPrintOk::FormShow()
{
    // The report of an earlier failure may have made the dialog taller.
    adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    m_setUp = false;
    const PaperSpec paper = m_main.currentPaperEntry();
    const PaperEntry *entry = FindPaperByWidth(paper.width);
    // The printer is offered the sheet's paper; the request says which to load all the same.
    if (entry)
        m_target->printer().setPageSize(PrinterPageSize(entry->paper));
    // The job's name in the printer queue, and the file name the print dialog proposes.
    if (SheetWindow *sheet = m_main.activeSheet())
        m_target->printer().setDocName(ToQString(sheet->sheet().printTag));
    showPrinterSize();
    lblSize->setText(ToQString(PaperRequestText(entry ? entry->name : std::string_view())));
    setButtonsEnabled(true);
}

void TfrmPrintOk::showPrinterSize()
{
    QPrinter &printer = m_target->printer();
    lblPWidth->setText(U("横：") + QString::number(printer.width()));
    lblPHeight->setText(U("縦：") + QString::number(printer.height()));
}

bool TfrmPrintOk::btnSetteiClick()
{
    if (!m_target->setUp(this))
        return false;
    showPrinterSize();
    m_setUp = true;
    return true;
}

void TfrmPrintOk::btnPrintClick()
{
    if (!m_setUp && !btnSetteiClick())
        return;
    SheetWindow *sheet = m_main.activeSheet();
    if (!sheet)
        return;
    lblSize->setText(U("印刷中"));
    setButtonsEnabled(false);
    // Printing runs here without returning to the event loop: show the state first.
    lblSize->repaint();
    const PrintOutcome outcome
        = PrintSheet(m_program, m_main, m_printMode, *sheet, m_picture, m_target->printer());
    setButtonsEnabled(true);
    if (!outcome.printed) {
        lblSize->setText(outcome.failure);
        // A report of a failure (with the file it was for) takes more lines than the request.
        adjustSize();
        return;
    }
    lblSize->setText(U("印刷完了"));
    accept();
}

void TfrmPrintOk::spnStartNumChange(int value)
{
    SheetWindow *sheet = m_main.activeSheet();
    if (!sheet)
        return;
    // The number is kept with the sheet; the printed number is the print mode dialog's.
    TakeStartNumber(sheet->sheet(), value);
    sheet->sheet().modified = true;
}

void TfrmPrintOk::setButtonsEnabled(bool enabled)
{
    btnSettei->setEnabled(enabled);
    btnPrint->setEnabled(enabled);
    btnClose->setEnabled(enabled);
}

} // namespace zelkon
