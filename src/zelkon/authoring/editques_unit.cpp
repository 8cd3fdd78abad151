// TfrmEditQues: showing the editor on a unit, loading it, saving it with OK, leaving it, and
// editing the master file's source directly.
#include "authoring/editques.h"

#include "authoring/cp932_text_edit.h"
#include "authoring/editor_unit.h"
#include "authoring/editsource.h"
#include "authoring/layout_check.h"
#include "authoring/unit_store.h"
#include "common/cp932.h"
#include "common/line_file.h"
#include "common/path.h"
#include "platform/qstring_cp932.h"
#include "sheet/layout_blocks.h"
#include "sheet/worksheet.h"
#include "shell/program.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace zelkon {

namespace {

/// The help topic of direct editing of a master file.
constexpr int kMasterSourceHelpTopic = 720;

} // namespace

bool TfrmEditQues::EditUnit(Worksheet &sheet)
{
    m_newUnit = false;
    m_sheet = &sheet;
    m_locator = sheet.locator;
    const bool saved = execute();
    m_sheet = nullptr;
    return saved;
}

bool TfrmEditQues::EditNewUnit()
{
    // Whatever sheet is active has nothing to do with a unit that does not exist yet.
    m_newUnit = true;
    m_sheet = nullptr;
    m_locator = m_program.state.currentLocator;
    const bool saved = execute();
    m_newUnit = false;
    return saved;
}

bool TfrmEditQues::execute()
{
    if (!FormShow())
        return false;
    return exec() == QDialog::Accepted;
}

bool TfrmEditQues::FormShow()
{
    if (parentWidget())
        resize(parentWidget()->window()->size());
    move(0, 0);
    clearPreview();
    btnEditDirect->setEnabled(!m_newUnit);
    if (!LoadUnit())
        return false;
    MemQues->setFocus();
    m_answers.clear();
    lstKai->clear();
    // A stored unit whose marks are wrong is pointed out at once.
    btnTestClick();
    showAnswerCount();
    showChoiceCounts();
    return true;
}

bool TfrmEditQues::LoadUnit()
{
    m_modified = false;
    // A section below 1 names no master file.
    if (m_locator.section < 1)
        return false;
    const AppState &state = m_program.state;
    const std::string path
        = MasterFilePath(state.programFolder, m_program.index, m_locator.lesson, m_locator.section);
    const LoadedUnit loaded = LoadUnitFromFile(
        path, UnitHeaderLine(m_locator.unit, m_locator.variant), m_newUnit ? nullptr : m_sheet);
    if (!loaded.readable) {
        // Showing an empty unit here would let OK write it over a file that could not be read.
        m_program.prompter.message(loaded.error);
        return false;
    }
    m_filePath = path;
    edtFileName->setText(ToQString(path));
    m_fileLines = loaded.fileLines;
    fillAreas(loaded.areas);
    fillGraphList(m_locator.lesson);
    // A new unit is the one chosen in the unit selection window, not the unit of the sheet
    // that happens to be active.
    const std::string &unitName = m_newUnit ? state.unitName
                                  : m_sheet ? m_sheet->unitName
                                            : std::string();
    edtTangen->setText(ToQString(unitName));
    edtLesson->setText(ToQString(LocatorDisplay(m_locator)));
    return true;
}

void TfrmEditQues::fillAreas(const UnitAreas &areas)
{
    m_filling = true;
    MemQues->loadLines(areas.question);
    memDummy->loadLines(areas.dummy);
    memKgroup->loadLines(areas.choice);
    memHint->loadLines(areas.hint);
    memQGraph->loadLines(areas.questionGraph);
    memAGraph->loadLines(areas.answerGraph);
    memPasteLo->loadLines(areas.layout);
    m_filling = false;
}

std::optional<UnitAreas> TfrmEditQues::areaLines()
{
    UnitAreas areas;
    const std::pair<Cp932TextEdit *, std::vector<std::string> UnitAreas::*> parts[] = {
        {MemQues, &UnitAreas::question},
        {memDummy, &UnitAreas::dummy},
        {memKgroup, &UnitAreas::choice},
        {memHint, &UnitAreas::hint},
        {memQGraph, &UnitAreas::questionGraph},
        {memAGraph, &UnitAreas::answerGraph},
        {memPasteLo, &UnitAreas::layout},
    };
    for (const auto &[area, lines] : parts) {
        std::optional<std::vector<std::string>> read = area->lines();
        if (!read)
            return std::nullopt;
        areas.*lines = std::move(*read);
    }
    return areas;
}

void TfrmEditQues::areaChanged()
{
    if (!m_filling)
        m_modified = true;
}

bool TfrmEditQues::saveUnit()
{
    // The choices are derived on every OK, also when the marks fail, so what is stored is always
    // what the answers and dummies give.
    const bool marksPassed = btnTestClick();
    btnKgAddClick();
    btnDummyClick();
    if (!marksPassed)
        return false;

    const std::optional<std::vector<std::string>> layout = memPasteLo->lines();
    if (!layout)
        return false;
    Messages messages;
    if (!CheckLayoutBlocks(*layout, messages)) {
        for (const Message &message : messages)
            m_program.prompter.message(message.text);
        memPasteLo->placeCaretAtLine(0);
        return false;
    }
    const std::optional<UnitAreas> areas = areaLines();
    if (!areas)
        return false;

    // The editor's copy of the file changes only once the file holds it: a failed write leaves
    // file, copy, areas and flag as they were.
    std::vector<std::string> lines = m_fileLines;
    StoreUnitText(lines, UnitHeaderLine(m_locator.unit, m_locator.variant), *areas);
    std::string error;
    if (!WriteLinesAtomic(ToFsPath(m_filePath), lines, &error)) {
        m_program.prompter.message(error);
        return false;
    }
    m_fileLines = std::move(lines);
    m_modified = false;
    m_program.state.similarMarksStale = true;
    if (m_hooks.refreshCounts)
        m_hooks.refreshCounts();
    return true;
}

void TfrmEditQues::btnOkClick()
{
    if (!saveUnit())
        return;
    // The edited sheet is opened anew from the file by the caller. A new unit leaves the active
    // sheet, which is another unit's, as it is.
    if (!m_newUnit && m_sheet)
        ApplyDefaultLayout(*m_sheet);
    QDialog::accept();
}

void TfrmEditQues::reject()
{
    if (m_modified
        && m_program.prompter.askYesNo(Utf8ToCp932("変更されたデータファイルを保存しますか？"))) {
        btnOkClick();
        return;
    }
    closeWithCancel();
}

void TfrmEditQues::closeWithCancel()
{
    m_modified = false;
    m_program.state.similarMarksStale = true;
    if (m_hooks.refreshCounts)
        m_hooks.refreshCounts();
    QDialog::reject();
}

void TfrmEditQues::btnEditDirectClick()
{
    if (m_newUnit)
        return;
    // The source shows the file as stored; edits in the areas are saved first or given up.
    if (m_modified
        && m_program.prompter.askYesNo(Utf8ToCp932("変更されたデータファイルを保存しますか？"))
        && !saveUnit())
        return;
    m_source.PrepareSourceEdit(m_filePath, kMasterSourceHelpTopic, m_fileLines);
    while (m_source.execute()) {
        std::string error;
        if (WriteLinesAtomic(ToFsPath(m_filePath), m_source.lines(), &error)) {
            if (!FormShow())
                closeWithCancel();
            return;
        }
        // The dialog still holds the teacher's text, to save once the cause is put right.
        m_program.prompter.message(error);
    }
}

} // namespace zelkon
