// TfrmMain: the side panel's commands and the menu commands.
#include "shell/main.h"

#include "common/cp932.h"
#include "shell/copy_area.h"
#include "shell/main_seams.h"
#include "shell/program.h"
#include "shell/sheet_window.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>

namespace zelkon {

namespace {

// A unit holds at most 15 question graphs of three lines each.
constexpr std::size_t kMostGraphLines = 45;

} // namespace

void TfrmMain::hideSavePanel()
{
    pnlSave->hide();
}

void TfrmMain::btnCloseClick()
{
    closeActiveSheet();
}

void TfrmMain::btnOpenClick()
{
    hideSavePanel();
    if (!m_seams.openFromMenu())
        return;
    clearModified();
}

void TfrmMain::btnSaveClick()
{
    SheetWindow *sheet = activeSheet();
    if (!sheet)
        return;
    btnOverwrite->setEnabled(sheet->sheet().openedFromMaster);
    const QPoint corner = btnSave->mapTo(m_central, QPoint(0, 0));
    pnlSave->move(corner.x() + btnSave->width() - 30, corner.y() - 5);
    pnlSave->show();
    pnlSave->raise();
}

void TfrmMain::btnOverwriteClick()
{
    hideSavePanel();
    SheetWindow *sheet = activeSheet();
    if (sheet && m_seams.overwriteSave(*sheet))
        sheet->sheet().modified = false;
}

void TfrmMain::btnSaveAsClick()
{
    hideSavePanel();
    if (SheetWindow *sheet = activeSheet())
        m_seams.saveAsCopyFile(*sheet);
}

void TfrmMain::btnPrintClick()
{
    if (SheetWindow *sheet = activeSheet())
        m_seams.showPrintDialog(*sheet, sheet->pageImage());
}

void TfrmMain::btnEditClick()
{
    SheetWindow *sheet = activeSheet();
    if (!sheet)
        return;
    if (!sheet->sheet().openedFromMaster) {
        m_program.prompter.message(Utf8ToCp932("コピーファィルは編集できません"));
        return;
    }
    const UnitLocator edited = sheet->sheet().locator;
    if (m_seams.editMasterUnit(*sheet))
        m_seams.openMasterUnit(edited, /*replace=*/true);
}

void TfrmMain::btnRenshuClick()
{
    bool openedForPractice = false;
    if (m_program.state.openWorksheetCount == 0) {
        hideSavePanel();
        if (!m_seams.openFromMenu())
            return;
        SheetWindow *opened = activeSheet();
        if (!opened)
            return;
        m_seams.takeAnswerWidth(*opened);
        opened->sheet().modified = false;
        openedForPractice = true;
    }
    SheetWindow *sheet = activeSheet();
    if (!sheet)
        return;
    const bool answersWereShown = m_program.state.answersShown;
    m_program.state.answersShown = false;
    sheet->sheet().learnerNameShown = true;
    m_seams.practise(*sheet);
    // The answer toggle restores the display and redraws the answers with it.
    m_program.state.answersShown = !answersWereShown;
    btnKaitouClick();
    if (openedForPractice)
        closeActiveSheet();
}

void TfrmMain::btnShimeiClick()
{
    m_seams.logOn();
}

void TfrmMain::btnKranClick()
{
    if (SheetWindow *sheet = activeSheet())
        m_seams.showAnswerFieldSettings(*sheet);
}

void TfrmMain::chkBetsukaiClick()
{
    if (SheetWindow *sheet = activeSheet())
        sheet->redrawSheet();
}

void TfrmMain::btnKaitouClick()
{
    m_program.state.answersShown = !m_program.state.answersShown;
    showAnswerGlyph();
    SheetWindow *sheet = activeSheet();
    if (!sheet)
        return;
    sheet->sheet().currentQuestion = -1;
    sheet->sheet().learnerNameShown = false;
    sheet->takeAnswerDisplay(m_program.state.answersShown);
}

void TfrmMain::btnCopyClick()
{
    SheetWindow *sheet = activeSheet();
    if (!sheet)
        return;
    const auto [first, second] = sheet->selectionCorners();
    const QRect area = CopyAreaOf(first, second);
    if (!area.isEmpty())
        QGuiApplication::clipboard()->setImage(sheet->pageImage().copy(area));
    sheet->removeSelectionMark();
    setCopyButtonsEnabled(false);
}

void TfrmMain::btnCopyCancelClick()
{
    if (SheetWindow *sheet = activeSheet())
        sheet->removeSelectionMark();
    setCopyButtonsEnabled(false);
}

void TfrmMain::addUnit()
{
    SheetWindow *sheet = activeSheet();
    if (!sheet) {
        m_program.prompter.message(Utf8ToCp932("追加する元のファイルがありません"));
        return;
    }
    if (sheet->sheet().graphLines.size() >= kMostGraphLines) {
        m_program.prompter.message(Utf8ToCp932("これ以上追加できません"));
        return;
    }
    m_seams.addUnit(*sheet);
}

void TfrmMain::openCopyFile()
{
    hideSavePanel();
    m_seams.openCopyFile();
    m_program.state.answersShown = true;
    showAnswerGlyph();
}

void TfrmMain::openSchoolName()
{
    m_seams.showSchoolName();
}

void TfrmMain::openPaperDialog()
{
    m_seams.showPaperDialog();
}

void TfrmMain::mnuIndexClick()
{
    if (m_program.state.openWorksheetCount > 0) {
        m_program.prompter.message(Utf8ToCp932("開いているファイルをすべて閉じてください"));
        return;
    }
    m_seams.editIndex();
}

void TfrmMain::mnuMaximizeClick()
{
    if (SheetWindow *sheet = activeSheet())
        sheet->largeWindow();
}

void TfrmMain::mnuCloseAllClick()
{
    // Closing a sheet takes its key out of the list, so walk a copy.
    const std::vector<std::string> keys = m_openSheetList;
    for (const std::string &key : keys) {
        if (SheetWindow *sheet = sheetOfKey(key))
            sheet->subWindow()->close();
    }
}

void TfrmMain::mnuWindowPopup()
{
    const bool any = m_program.state.openWorksheetCount > 0;
    for (QAction *item : {mnuMaximize, mnuTile, mnuCascade, mnuCloseAll})
        item->setEnabled(any);

    // The list of child windows follows the four commands and is rebuilt on every opening.
    const QList<QAction *> actions = mnuWindow->actions();
    for (qsizetype i = 4; i < actions.size(); ++i) {
        mnuWindow->removeAction(actions[i]);
        actions[i]->deleteLater();
    }
    const QList<QMdiSubWindow *> windows = m_mdiArea->subWindowList();
    if (windows.isEmpty())
        return;
    mnuWindow->addSeparator();
    int number = 1;
    for (QMdiSubWindow *window : windows) {
        QAction *item = mnuWindow->addAction(
            QStringLiteral("&%1 %2").arg(number++).arg(window->windowTitle()),
            this,
            [this, window] { m_mdiArea->setActiveSubWindow(window); });
        item->setCheckable(true);
        item->setChecked(window == m_mdiArea->activeSubWindow());
    }
}

void TfrmMain::mnuDoYouKnowClick()
{
    grbDoYouKnow->show();
    grbDoYouKnow->raise();
    btnTipsClose->setFocus();
}

void TfrmMain::btnTipsCloseClick()
{
    const SettingWrite written
        = m_program.settings.writeFlag(kShowDoYouKnow, chkShowDoYouKnow->isChecked());
    if (!written.ok)
        m_program.prompter.message(written.error);
    grbDoYouKnow->hide();
    if (m_program.state.openWorksheetCount == 0)
        m_seams.showTitlePicture();
}

} // namespace zelkon
