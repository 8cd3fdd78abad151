// TfrmSetPaper: choosing the paper and the header options of the active sheet.
#include "sheet/setpaper.h"

#include "shell/main.h"
#include "shell/program.h"
#include "shell/sheet_window.h"
#include "shell/widgets.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zelkon {

TfrmSetPaper::TfrmSetPaper(Program &program, TfrmMain &main, QWidget *parent)
    : QDialog(parent)
    , m_program(program)
    , m_main(main)
{
    setObjectName("frmSetPaper");
    setWindowTitle(U("用紙設定"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 12);
    layout->setSpacing(10);
    auto *groups = new QHBoxLayout;
    groups->setSpacing(10);

    auto *grbPaper = new QGroupBox(U("用紙サイズ"), this);
    grbPaper->setObjectName("grbPaper");
    auto *paperLayout = new QVBoxLayout(grbPaper);
    auto *paperGroup = new QButtonGroup(this);
    const char *const captions[] = {"B５", "A４", "B4", "A3"};
    const char *const names[] = {"radB5", "radA4", "radB4", "radA3"};
    for (std::size_t i = 0; i < radPaper.size(); ++i) {
        const Paper paper = kPaperTable[i].paper;
        QRadioButton *radio = new QRadioButton(U(captions[i]), grbPaper);
        radio->setObjectName(names[i]);
        // Only A4 is offered here; the other papers are chosen with the main window's.
        radio->setEnabled(paper == Paper::A4);
        paperGroup->addButton(radio);
        paperLayout->addWidget(radio);
        connect(radio, &QRadioButton::clicked, this, [this, paper] { paperClick(paper); });
        radPaper[i] = radio;
    }
    radPaper[static_cast<std::size_t>(Paper::A4)]->setChecked(true);
    groups->addWidget(grbPaper);

    auto *grbOption = new QGroupBox(U("オプション"), this);
    grbOption->setObjectName("grbOption");
    auto *optionLayout = new QVBoxLayout(grbOption);
    auto addOption = [&](const char *caption, const char *name) {
        auto *box = new QCheckBox(U(caption), grbOption);
        box->setObjectName(name);
        box->setChecked(true);
        optionLayout->addWidget(box);
        return box;
    };
    chkClassFlag = addOption("学級旗", "chkClassFlag");
    chkDate = addOption("実施日", "chkDate");
    chkStamp = addOption("No.印刷日時", "chkStamp");
    optionLayout->addStretch(1);
    groups->addWidget(grbOption);
    layout->addLayout(groups);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    btnOk = new QPushButton("OK", this);
    btnOk->setObjectName("btnOk");
    btnOk->setDefault(true);
    btnCancel = new QPushButton(U("ｷｬﾝｾﾙ"), this);
    btnCancel->setObjectName("btnCancel");
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    layout->addLayout(buttons);
    connect(btnOk, &QPushButton::clicked, this, &TfrmSetPaper::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool TfrmSetPaper::execute()
{
    m_chosenPaper = m_main.currentPaperEntry();
    showChosenPaper();
    if (SheetWindow *sheet = m_main.activeSheet())
        takeSheetValues(*sheet);
    return exec() == QDialog::Accepted;
}

void TfrmSetPaper::takeSheetValues(SheetWindow &sheet)
{
    const std::int32_t flags = sheet.sheet().optionFlags;
    chkClassFlag->setChecked((flags & kClassFlagOption) != 0);
    chkDate->setChecked((flags & kDateLineOption) != 0);
    chkStamp->setChecked((flags & kPrintStampOption) != 0);
}

void TfrmSetPaper::showChosenPaper()
{
    // The radio of the paper OK will apply, so the dialog never shows A4 over another paper.
    const Paper paper = PaperChoiceForWidth(m_chosenPaper.width);
    radPaper[static_cast<std::size_t>(paper)]->setChecked(true);
}

void TfrmSetPaper::paperClick(Paper paper)
{
    m_chosenPaper = PaperEntryOf(paper).pageSize;
}

void TfrmSetPaper::btnOkClick()
{
    SheetWindow *sheet = m_main.activeSheet();
    if (!sheet)
        return;
    const PaperEntry *entry = FindPaperByWidth(m_chosenPaper.width);
    // The fixed-paper setting stays as it is; the paper buttons already follow it.
    m_main.choosePaper(entry ? entry->paper : Paper::A4);
    const SettingWrite written = m_program.settings.writeInteger(kPaperSize, m_chosenPaper.width);
    if (!written.ok)
        m_program.prompter.message(written.error);

    Worksheet &worksheet = sheet->sheet();
    worksheet.optionFlags = (chkClassFlag->isChecked() ? kClassFlagOption : 0)
                            | (chkDate->isChecked() ? kDateLineOption : 0)
                            | (chkStamp->isChecked() ? kPrintStampOption : 0);
    sheet->redrawSheet();
    accept();
}

} // namespace zelkon
