// TfrmReadUnit: the add command over the unit holder, the unit selection window and the sheet.
#include "master/readunit.h"

#include "index/course_index.h"
#include "index/menu.h"
#include "platform/qstring_cp932.h"
#include "sheet/unit_holder.h"
#include "shell/program.h"
#include "shell/sheet_window.h"

#include <QMdiSubWindow>

namespace zelkon {

TfrmReadUnit::TfrmReadUnit(Program &program, TfrmMenu &menu, QObject *parent)
    : QObject(parent)
    , m_program(program)
    , m_menu(menu)
{
    setObjectName("frmReadUnit");
}

bool TfrmReadUnit::addUnit(SheetWindow &sheet)
{
    FillHolderFromSheet(sheet);
    // A refused or cancelled add leaves a holder that no one takes: the next add fills it anew.
    if (!AddChosenUnit(sheet))
        return false;
    CommitHolder(sheet);
    sheet.retakeUnitRecord(m_program.unitRecord);
    return true;
}

void TfrmReadUnit::FillHolderFromSheet(SheetWindow &sheet)
{
    zelkon::FillHolderFromSheet(sheet.sheet(), m_program.unitRecord);
}

bool TfrmReadUnit::AddChosenUnit(SheetWindow &sheet)
{
    UnitRecord &holder = m_program.unitRecord;
    if (HolderIsFull(holder)) {
        m_program.prompter.message(HolderFullMessage());
        return false;
    }
    if (!m_menu.execute(MenuMode::Add))
        return false;

    const AppState &state = m_program.state;
    const UnitLocator &locator = state.currentLocator;
    const ChosenUnit chosen{
        MasterFilePath(state.programFolder, m_program.index, locator.lesson, locator.section),
        locator,
        state.lessonName,
        state.sectionName,
        state.unitName};
    Messages messages;
    const bool added
        = AddUnitToHolder(chosen, sheet.sheet(), m_program.readerState, holder, messages);
    for (const Message &message : messages)
        m_program.prompter.message(message.text);
    return added;
}

void TfrmReadUnit::CommitHolder(SheetWindow &sheet)
{
    zelkon::CommitHolder(sheet.sheet());
    sheet.subWindow()->setWindowTitle(ToQString(m_program.unitRecord.unitCaption));
}

} // namespace zelkon
