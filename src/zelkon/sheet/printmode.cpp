// TfrmPrintMode: the print mode and the sheet numbering.
#include "sheet/printmode.h"

#include "sheet/render_context.h"
#include "shell/main.h"
#include "shell/program.h"
#include "shell/sheet_window.h"
#include "shell/widgets.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <limits>

namespace zelkon {

TfrmPrintMode::TfrmPrintMode(Program &program, TfrmMain &main, QWidget *parent)
    : QDialog(parent)
    , m_program(program)
    , m_main(main)
{
    setObjectName("frmPrintMode");
    setWindowTitle(U("印字モードの設定"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 12);
    layout->setSpacing(10);

    auto *grbMode = new QGroupBox(U("印刷のモード"), this);
    grbMode->setObjectName("grbMode");
    auto *modeLayout = new QVBoxLayout(grbMode);
    radDisplay = new QRadioButton(U("画面に忠実に印刷する"), grbMode);
    radDisplay->setObjectName("radDisplay");
    radPrinter = new QRadioButton(U("プリンタの解像度で印刷する"), grbMode);
    radPrinter->setObjectName("radPrinter");
    radPrinter->setChecked(true);
    modeLayout->addWidget(radDisplay);
    modeLayout->addWidget(radPrinter);
    layout->addWidget(grbMode);

    auto *grbNumber = new QGroupBox(U("番号"), this);
    grbNumber->setObjectName("grbNumber");
    auto *numberLayout = new QHBoxLayout(grbNumber);
    chkNumber = new QCheckBox(U("№を付ける"), grbNumber);
    chkNumber->setObjectName("chkNumber");
    chkNumber->setChecked(true);
    numberLayout->addWidget(chkNumber);
    numberLayout->addSpacing(16);
    auto *lblStart = new QLabel(U("開始番号"), grbNumber);
    numberLayout->addWidget(lblStart);
    spnStart = new QSpinBox(grbNumber);
    spnStart->setObjectName("spnStart");
    // The number has no bounds of its own: any sheet number can be carried on.
    spnStart->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    spnStart->setValue(1);
    spnStart->setMinimumWidth(80);
    lblStart->setBuddy(spnStart);
    numberLayout->addWidget(spnStart);
    numberLayout->addStretch(1);
    layout->addWidget(grbNumber);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    frmClose = new QPushButton(U("閉じる"), this);
    frmClose->setObjectName("frmClose");
    frmClose->setDefault(true);
    buttons->addWidget(frmClose);
    layout->addLayout(buttons);
    connect(frmClose, &QPushButton::clicked, this, &TfrmPrintMode::frmCloseClick);
}

void TfrmPrintMode::execute()
{
    (m_program.state.printMode ? radPrinter : radDisplay)->setChecked(true);
    exec();
}

bool TfrmPrintMode::numberSheets() const
{
    return chkNumber->isChecked();
}

std::int32_t TfrmPrintMode::startNumber() const
{
    return spnStart->value();
}

void TfrmPrintMode::setStartNumber(std::int32_t number)
{
    spnStart->setValue(number);
}

void TfrmPrintMode::applyNumbering(RenderContext &context) const
{
    context.numberSheets = numberSheets();
    context.sheetNumber = startNumber();
}

void TfrmPrintMode::frmCloseClick()
{
    storeMode();
    accept();
}

void TfrmPrintMode::reject()
{
    // The close box and Esc close as "閉じる" does: the printouts follow the mode on show.
    storeMode();
    QDialog::reject();
}

void TfrmPrintMode::storeMode()
{
    const bool printerResolution = radPrinter->isChecked();
    m_program.state.printMode = printerResolution;
    const SettingWrite written = m_program.settings.writeFlag(kPrintMode, printerResolution);
    if (!written.ok)
        m_program.prompter.message(written.error);
    // The stamp shows the numbering just chosen.
    if (SheetWindow *sheet = m_main.activeSheet())
        sheet->redrawSheet();
}

} // namespace zelkon
