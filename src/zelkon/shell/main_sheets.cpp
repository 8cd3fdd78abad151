// TfrmMain: the open sheets, and the commands that change the active sheet's paper, view,
// scroll position and column layout.
#include "shell/main.h"

#include "shell/main_seams.h"
#include "shell/program.h"
#include "shell/sheet_window.h"

#include <QCheckBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <algorithm>

namespace zelkon {

WorksheetId TfrmMain::addSheet(SheetWindow &sheet)
{
    const WorksheetId id = ++m_lastSheetId;
    m_sheets[id] = &sheet;
    // A window freed without closing must not leave a dangling entry behind.
    connect(sheet.subWindow(), &QObject::destroyed, this, [this, id] { m_sheets.erase(id); });
    m_mdiArea->addSubWindow(sheet.subWindow());
    ++m_program.state.openWorksheetCount;
    m_openSheetList.push_back(sheet.sheet().sheetKey);
    return id;
}

void TfrmMain::removeSheet(WorksheetId id)
{
    const auto found = m_sheets.find(id);
    if (found == m_sheets.end())
        return;
    const std::string key = found->second->sheet().sheetKey;
    const auto listed = std::find(m_openSheetList.begin(), m_openSheetList.end(), key);
    if (listed != m_openSheetList.end())
        m_openSheetList.erase(listed);
    m_sheets.erase(found);
    m_program.state.activeWorksheet = kNoWorksheet;
    --m_program.state.openWorksheetCount;
}

SheetWindow *TfrmMain::activeSheet() const
{
    const auto found = m_sheets.find(m_program.state.activeWorksheet);
    return found == m_sheets.end() ? nullptr : found->second;
}

SheetWindow *TfrmMain::sheetOfKey(std::string_view key) const
{
    for (const auto &entry : m_sheets)
        if (entry.second->sheet().sheetKey == key)
            return entry.second;
    return nullptr;
}

bool TfrmMain::activateSheet(std::string_view key)
{
    SheetWindow *sheet = sheetOfKey(key);
    if (!sheet)
        return false;
    m_mdiArea->setActiveSubWindow(sheet->subWindow());
    return true;
}

bool TfrmMain::showAlternatives() const
{
    return chkBetsukai->isChecked();
}

void TfrmMain::setShowAlternatives(bool shown)
{
    chkBetsukai->setChecked(shown);
}

int TfrmMain::lineSpacingValue() const
{
    return spnGyokan->value();
}

int TfrmMain::fontSizeValue() const
{
    return spnMojiSize->value();
}

void TfrmMain::setLineSpacing(int spacing)
{
    spnGyokan->setValue(spacing);
}

void TfrmMain::setFontSize(int size)
{
    spnMojiSize->setValue(size);
}

void TfrmMain::setSubLineSpacing(int spacing)
{
    spnFukuGyokan->setValue(spacing);
}

void TfrmMain::setAnswerDisplay(bool shown)
{
    m_program.state.answersShown = shown;
    showAnswerGlyph();
}

bool TfrmMain::answerButtonEnabled() const
{
    return btnKaitou->isEnabled();
}

QString TfrmMain::reducedViewCaption() const
{
    return btnReduce->text();
}

void TfrmMain::selectPaperButton(std::int32_t width)
{
    QRadioButton *const buttons[] = {rdbB5, rdbA4, rdbB4, rdbA3};
    buttons[static_cast<int>(PaperChoiceForWidth(width))]->setChecked(true);
}

PaperSpec TfrmMain::currentPaperEntry() const
{
    if (rdbB5->isChecked())
        return PaperEntryOf(Paper::B5).pageSize;
    if (rdbA4->isChecked())
        return PaperEntryOf(Paper::A4).pageSize;
    if (rdbB4->isChecked())
        return PaperEntryOf(Paper::B4).pageSize;
    return PaperEntryOf(Paper::A3).pageSize;
}

void TfrmMain::setCopyButtonsEnabled(bool enabled)
{
    btnCopy->setEnabled(enabled);
    btnCopyCancel->setEnabled(enabled);
}

bool TfrmMain::copyButtonsEnabled() const
{
    return btnCopy->isEnabled();
}

void TfrmMain::paperButtonClick(Paper paper)
{
    SheetWindow *sheet = activeSheet();
    if (!sheet)
        return;
    sheet->setPaper(PaperEntryOf(paper).pageSize);
    if (m_reducedView)
        toggleReducedView();
    else
        sheet->redrawSheet();
    sheet->sheet().modified = true;
}

void TfrmMain::choosePaper(Paper paper)
{
    if (!activeSheet())
        return;
    QRadioButton *const buttons[] = {rdbB5, rdbA4, rdbB4, rdbA3};
    buttons[static_cast<int>(paper)]->setChecked(true);
    paperButtonClick(paper);
}

void TfrmMain::setPaperByWidth(std::int32_t width)
{
    if (const PaperEntry *entry = FindPaperByWidth(width))
        choosePaper(entry->paper);
}

void TfrmMain::togglePaperLock()
{
    if (!activeSheet())
        return;
    m_program.state.fixedPaper = !m_program.state.fixedPaper;
    pnlPaper->setEnabled(!m_program.state.fixedPaper);
    setPaperByWidth(currentPaperEntry().width);
}

void TfrmMain::toggleReducedView()
{
    SheetWindow *sheet = activeSheet();
    if (!sheet)
        return;
    m_reducedView = !m_reducedView;
    btnReduce->setText(QString::fromUtf8(m_reducedView ? "拡大" : "縮小"));
    sheet->switchReducedView(m_reducedView);
}

void TfrmMain::scrollSheet()
{
    SheetWindow *sheet = activeSheet();
    if (!sheet)
        return;
    if (sheet->scrollPosition() <= 0)
        sheet->setScrollPosition(sheet->pageImageHeight() - sheet->windowHeight() + 32);
    else
        sheet->setScrollPosition(0);
}

void TfrmMain::setColumnLayout(int column)
{
    rdbColumn[column]->setChecked(true);
    SheetWindow *sheet = activeSheet();
    if (!sheet)
        return;
    const std::string value = std::to_string(column);
    if (sheet->sheet().kranValues[3] == value)
        return;
    sheet->sheet().kranValues[3] = value;
    sheet->redrawSheet();
    sheet->sheet().modified = true;
}

void TfrmMain::spnGyokanChange(int value)
{
    if (SheetWindow *sheet = activeSheet()) {
        sheet->takeLineSpacing(value);
        sheet->sheet().modified = true;
    }
}

void TfrmMain::spnMojiSizeChange(int value)
{
    if (SheetWindow *sheet = activeSheet()) {
        sheet->takeFontSize(value);
        sheet->sheet().modified = true;
    }
}

void TfrmMain::spnFukuGyokanChange(int value)
{
    if (SheetWindow *sheet = activeSheet()) {
        sheet->sheet().kranValues[8] = std::to_string(value);
        sheet->redrawSheet();
        sheet->sheet().modified = true;
    }
}

void TfrmMain::spnKaitouHabaChange(int value)
{
    SheetWindow *sheet = activeSheet();
    if (!sheet)
        return;
    // The width comes from the answer-field panel; without one, this box's own value stands.
    sheet->sheet().kranValues[1] = std::to_string(m_seams.answerFieldWidth().value_or(value));
    sheet->redrawSheet();
    sheet->sheet().modified = true;
}

void TfrmMain::markModified()
{
    if (SheetWindow *sheet = activeSheet())
        sheet->sheet().modified = true;
}

void TfrmMain::clearModified()
{
    if (SheetWindow *sheet = activeSheet())
        sheet->sheet().modified = false;
}

void TfrmMain::closeActiveSheet()
{
    if (SheetWindow *sheet = activeSheet())
        sheet->subWindow()->close();
}

} // namespace zelkon
