// TfrmEditIndex: choosing lessons, sections and units; the title field, the add and rename
// buttons, OK, Cancel, the close box and direct editing.
#include "authoring/editindex.h"

#include "authoring/editsource.h"
#include "authoring/index_glyphs.h"
#include "authoring/inputtext.h"
#include "common/cp932.h"
#include "common/line_file.h"
#include "common/path.h"
#include "platform/qstring_cp932.h"
#include "shell/program.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>

namespace zelkon {

namespace {

constexpr int kIndexSourceHelpTopic = 710;

void Say(Program &program, const char *utf8)
{
    program.prompter.message(Utf8ToCp932(utf8));
}

// Makes `row` the list's current row without running its choice.
void SetRowQuietly(QListWidget *list, int row)
{
    const QSignalBlocker blocker(list);
    list->setCurrentRow(row);
}

} // namespace

void TfrmEditIndex::lstELessonClick(int row)
{
    if (!offerToSave()) {
        // The edits stay, and so does the lesson they belong to.
        SetRowQuietly(lstELesson, m_lesson - 1);
        return;
    }
    ReadLessonIndex(row + 1);
}

void TfrmEditIndex::lstESectionClick(int row)
{
    chooseSection(row + 1);
}

void TfrmEditIndex::lstEUnitClick(int row)
{
    chooseUnit(row + 1);
}

void TfrmEditIndex::chooseSection(int section)
{
    m_section = section;
    const std::string master
        = MasterFilePath(m_program.state.programFolder, m_program.index, m_lesson, section);
    edtDataFile->setText(FileExists(master) ? ToQString(master) : QString::fromUtf8("未作成"));
    {
        // Units of the section chosen before must not stand under this one.
        const QSignalBlocker blocker(lstEUnit);
        lstEUnit->clear();
    }
    const std::optional<std::size_t> line = FindSectionLine(m_lines, section);
    if (!line) {
        showEditMessage(IndexEdit::notFound);
        return;
    }
    if (*line == 0)
        return;
    const IndexOutline outline = ReadIndexOutline(m_lines);
    for (const std::string &unit : outline.sections[static_cast<std::size_t>(section - 1)].units)
        lstEUnit->addItem(ToQString(unit));
    if (lstEUnit->count() == 0)
        return;
    SetRowQuietly(lstEUnit, 0);
    chooseUnit(1);
}

void TfrmEditIndex::chooseUnit(int unit)
{
    QTreeWidgetItem *section = sectionNode(m_section);
    if (!section || unit < 1 || unit > section->childCount())
        return;
    QTreeWidgetItem *node = section->child(unit - 1);
    trvSect->setCurrentItem(node);
    trvSect->scrollToItem(node);
}

void TfrmEditIndex::edtMainTitleChange()
{
    const Cp932Conversion title = ToCp932(edtMainTitle->text());
    if (!title.ok) {
        m_program.prompter.message(RefusedCharacterMessageCp932(title.badCharacter));
        edtMainTitle->setText(ToQString(m_lines.empty() ? std::string() : m_lines.front()));
        return;
    }
    // The title lives in line 0 from the first key on, so every later rebuild of the tree,
    // direct editing and OK take it as typed.
    SetIndexTitle(m_lines, title.bytes);
    m_modified = true;
    if (QTreeWidgetItem *root = trvSect->topLevelItem(0))
        root->setText(0, edtMainTitle->text());
}

void TfrmEditIndex::btnAddClick()
{
    const std::optional<std::string> title = askText("mainADD");
    if (!title)
        return;
    m_modified = true;
    int number = 0;
    const IndexEdit edit = AddSection(m_lines, *title, number);
    if (edit != IndexEdit::done) {
        showEditMessage(edit);
        return;
    }
    rebuildAfterAdd(number);
    SetRowQuietly(lstESection, number - 1);
    chooseSection(number);
}

void TfrmEditIndex::btnChangeClick()
{
    if (m_section < 1 || m_section > lstESection->count()) {
        Say(m_program, "変更する項目をクリックしてください");
        return;
    }
    const int section = m_section;
    const std::optional<std::string> title = askText("mainCHANGE");
    if (!title)
        return;
    m_modified = true;
    const IndexEdit edit = RenameSection(m_lines, section, *title);
    if (edit != IndexEdit::done) {
        showEditMessage(edit);
        return;
    }
    lstESection->item(section - 1)->setText(ToQString(*title));
    // The tree keeps its shape; only the renamed node follows.
    if (QTreeWidgetItem *node = sectionNode(section))
        node->setText(0, ToQString(*title));
    chooseSection(section);
}

void TfrmEditIndex::btnAdd2Click()
{
    const std::optional<std::string> title = askText("subADD");
    if (!title)
        return;
    m_modified = true;
    const IndexEdit edit = AddUnit(m_lines, m_section, *title);
    if (edit != IndexEdit::done) {
        showEditMessage(edit);
        return;
    }
    if (QTreeWidgetItem *node = sectionNode(m_section)) {
        auto *unit = new QTreeWidgetItem(node, {ToQString(*title)});
        unit->setIcon(0, IndexTreeIcon(2));
    }
    chooseSection(m_section);
    const int last = lstEUnit->count();
    SetRowQuietly(lstEUnit, last - 1);
    chooseUnit(last);
}

void TfrmEditIndex::btnChange2Click()
{
    const int unit = lstEUnit->currentRow() + 1;
    if (unit < 1) {
        Say(m_program, "変更する項目をクリックしてください");
        return;
    }
    const std::optional<std::string> title = askText("subCHANGE");
    if (!title)
        return;
    m_modified = true;
    if (title->empty())
        return;
    if (m_section < 1) {
        Say(m_program, "変更するメニューがありません");
        return;
    }
    const int section = m_section;
    const IndexEdit edit = RenameUnit(m_lines, section, unit, *title);
    if (edit != IndexEdit::done) {
        showEditMessage(edit);
        return;
    }
    if (QTreeWidgetItem *node = sectionNode(section); node && unit <= node->childCount())
        node->child(unit - 1)->setText(0, ToQString(*title));
    chooseSection(section);
    SetRowQuietly(lstEUnit, unit - 1);
    chooseUnit(unit);
}

void TfrmEditIndex::btnOkClick()
{
    if (m_lesson < 1 || lstELesson->currentRow() < 0 || m_section < 1) {
        Say(m_program, "編集する主メニューを選択してください");
        return;
    }
    if (lstEUnit->currentRow() < 0) {
        Say(m_program, "編集する副メニューを選択してください");
        return;
    }
    if (m_modified) {
        if (!saveIndex())
            return;
        ReadLessonIndex(m_lesson);
    }
    m_modified = false;
    accept();
}

void TfrmEditIndex::btnCloseClick()
{
    reject();
}

void TfrmEditIndex::reject()
{
    m_modified = false;
    QDialog::reject();
}

void TfrmEditIndex::closeEvent(QCloseEvent *event)
{
    if (m_modified && isVisible()) {
        if (m_program.prompter.askYesNo(Utf8ToCp932("変更されたインデックスを保存しますか？"))) {
            if (!saveIndex()) {
                event->ignore();
                return;
            }
            accept();
        }
    }
    // Without edits, or with No, the box is Cancel.
    QDialog::closeEvent(event);
}

void TfrmEditIndex::btnEditDirectClick()
{
    m_editSource.PrepareSourceEdit(m_indexPath, kIndexSourceHelpTopic, m_lines);
    if (!m_editSource.execute())
        return;
    std::string error;
    if (!WriteLinesAtomic(ToFsPath(m_indexPath), m_editSource.lines(), &error)) {
        m_program.prompter.message(error);
        return;
    }
    m_program.state.indexReloadPending = true;
    // The lesson just edited stays on show, read back from what was written.
    ReadLessonIndex(m_lesson);
}

bool TfrmEditIndex::offerToSave()
{
    if (!m_modified)
        return true;
    if (!m_program.prompter.askYesNo(Utf8ToCp932("変更されたインデックスを保存しますか？"))) {
        m_modified = false;
        return true;
    }
    return saveIndex();
}

bool TfrmEditIndex::saveIndex()
{
    std::string error;
    if (!WriteLinesAtomic(ToFsPath(m_indexPath), m_lines, &error)) {
        m_program.prompter.message(error);
        return false;
    }
    m_modified = false;
    m_program.state.indexReloadPending = true;
    return true;
}

std::optional<std::string> TfrmEditIndex::askText(const char *mode)
{
    m_inputText.setMode(mode);
    if (!m_inputText.execute())
        return std::nullopt;
    return m_inputText.text();
}

std::string TfrmEditIndex::selectedSectionTitle() const
{
    const IndexOutline outline = ReadIndexOutline(m_lines);
    if (m_section < 1 || m_section > static_cast<int>(outline.sections.size()))
        return {};
    return outline.sections[static_cast<std::size_t>(m_section - 1)].title;
}

std::string TfrmEditIndex::selectedUnitTitle() const
{
    // The unit list holds the chosen section's units as the lines have them.
    const int row = lstEUnit->currentRow();
    const IndexOutline outline = ReadIndexOutline(m_lines);
    if (row < 0 || m_section < 1 || m_section > static_cast<int>(outline.sections.size()))
        return {};
    const std::vector<std::string> &units
        = outline.sections[static_cast<std::size_t>(m_section - 1)].units;
    return static_cast<std::size_t>(row) < units.size() ? units[static_cast<std::size_t>(row)]
                                                        : std::string();
}

void TfrmEditIndex::showEditMessage(IndexEdit edit)
{
    const std::string message = IndexEditMessage(edit);
    if (!message.empty())
        m_program.prompter.message(message);
}

} // namespace zelkon
