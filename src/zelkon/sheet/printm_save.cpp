// TfrmPrintM: saving the sheet as a copy file, writing it back into its master file, and the
// close question of a modified sheet.
#include "sheet/printm.h"

#include "authoring/overwrite_save.h"
#include "common/cp932.h"
#include "common/path.h"
#include "common/prompter.h"
#include "platform/qstring_cp932.h"
#include "sheet/copy_file.h"
#include "shell/main.h"
#include "shell/main_seams.h"
#include "shell/program.h"

#include <QCloseEvent>

#include <algorithm>

namespace zelkon {

bool TfrmPrintM::SaveCopyFile()
{
    Prompter &prompter = m_program.prompter;
    const std::string folder
        = CopyFileFolder(m_program.state.programFolder, m_program.index, m_sheet.locator.lesson);
    std::optional<std::string> path;
    while (!path) {
        const std::optional<std::string> chosen
            = prompter.chooseSaveFile(Utf8ToCp932("名前を付けて保存"), folder, "*.prp");
        if (!chosen)
            return false;
        Messages refusal;
        path = CopyFileSaveName(*chosen, refusal);
        showMessages(refusal);
    }
    const std::vector<std::string> lines = ComposeCopyFile(m_sheet, SavedPaperWidth(m_sheet));
    if (FileExists(*path)
        && !prompter.askYesNo(Utf8ToCp932("ファイル") + *path
                              + Utf8ToCp932("を上書きしてもいいですか？")))
        return false;
    return FileUpdate(*path, lines);
}

bool TfrmPrintM::FileUpdate(const std::string &path, const std::vector<std::string> &lines)
{
    std::string oldKey;
    Messages messages;
    if (!zelkon::FileUpdate(m_sheet, path, lines, oldKey, messages)) {
        showMessages(messages);
        return false;
    }
    std::vector<std::string> &keys = m_main.openSheetList();
    const auto listed = std::find(keys.begin(), keys.end(), oldKey);
    if (listed != keys.end())
        keys.erase(listed);
    keys.push_back(m_sheet.sheetKey);
    setWindowTitle(ToQString(m_sheet.sheetKey));
    return true;
}

bool TfrmPrintM::OverwriteSave()
{
    Messages messages;
    const bool saved = zelkon::OverwriteSave(m_sheet, messages);
    showMessages(messages);
    return saved;
}

void TfrmPrintM::closeEvent(QCloseEvent *event)
{
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    QMdiSubWindow::closeEvent(event);
}

bool TfrmPrintM::FormCloseQuery()
{
    AppState &state = m_program.state;
    state.activationRefresh = false;
    bool canClose = true;
    if (m_sheet.modified) {
        switch (
            m_program.prompter.askYesNoCancel(m_sheet.sheetKey + Utf8ToCp932("を保存しますか？"))) {
        case PromptAnswer::Cancel:
            canClose = false;
            break;
        case PromptAnswer::Yes:
            // This sheet is saved, whichever sheet is active: when the program ends, every
            // modified sheet asks in turn.
            if (m_sheet.openedFromMaster) {
                if (m_seams.overwriteSave(*this))
                    m_sheet.modified = false;
            } else {
                m_seams.saveAsCopyFile(*this);
            }
            // A save that was cancelled, refused or failed must not cost the teacher the changes.
            canClose = !m_sheet.modified;
            break;
        case PromptAnswer::No:
            break;
        }
    }
    state.activationRefresh = true;
    return canClose;
}

void TfrmPrintM::FormClose()
{
    // A mark goes with its sheet; the next sheet activated enables the buttons for its own.
    if (m_program.state.activeWorksheet == m_id)
        m_main.setCopyButtonsEnabled(false);
    m_main.removeSheet(m_id);
}

} // namespace zelkon
