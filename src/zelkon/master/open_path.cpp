// The open path over the unit reader, the unit selection window and the worksheet host.
#include "master/open_path.h"

#include "common/path.h"
#include "index/menu.h"
#include "master/worksheet_host.h"
#include "shell/program.h"

namespace zelkon {

OpenPath::OpenPath(Program &program, TfrmMenu &menu, WorksheetHost &host)
    : m_program(program)
    , m_menu(menu)
    , m_host(host)
{}

bool OpenPath::openFromMenu()
{
    AppState &state = m_program.state;
    const std::string mainIndex = MainIndexPath(state.programFolder);
    if (!FileExists(mainIndex)) {
        m_program.prompter.message(MissingFileMessage(mainIndex));
        return false;
    }
    state.answersShown = true;
    if (!m_menu.execute(MenuMode::Open))
        return false;

    switch (openMasterUnit(state.currentLocator, /*replace=*/false)) {
    case OpenResult::Opened:
        return true;
    case OpenResult::AlreadyOpen:
        return false;
    case OpenResult::Missing:
        break;
    }
    if (!m_program.prompter.askYesNo(CreateUnitQuestion()))
        return false;
    if (!m_hooks.editNewUnit || !m_hooks.editNewUnit())
        return false;
    const OpenResult created = openMasterUnit(state.currentLocator, /*replace=*/false);
    if (m_hooks.choosePaperA4)
        m_hooks.choosePaperA4();
    return created == OpenResult::Opened;
}

OpenResult OpenPath::openMasterUnit(const UnitLocator &locator, bool replace)
{
    AppState &state = m_program.state;
    const MasterSheetNames names
        = MasterSheetNamesFor(state.programFolder, m_program.index, locator);
    state.sheetKey = names.sheetKey;
    state.printTag = names.printTag;

    switch (DecideMasterOpen(
        FileExists(names.masterPath), m_host.isSheetOpen(names.sheetKey), replace)) {
    case MasterOpenStep::Missing:
        return OpenResult::Missing;
    case MasterOpenStep::ShowOpen:
        m_program.prompter.message(AlreadyOpenMessage());
        m_host.activateSheet(names.sheetKey);
        return OpenResult::AlreadyOpen;
    case MasterOpenStep::ReplaceOpen:
        m_host.closeActiveSheetDiscarding();
        break;
    case MasterOpenStep::Read:
        break;
    }
    if (!createWorksheet(MasterSheetOrigin(names.masterPath, locator), ReadMode::Master))
        return OpenResult::Missing;
    return OpenResult::Opened;
}

bool OpenPath::createWorksheet(const WorksheetOrigin &origin, ReadMode mode)
{
    const AppState &state = m_program.state;
    // The sheet being opened is not yet active, so no worksheet takes the caption of this read.
    const ReadContext context{state.lessonName, state.sectionName, state.unitName, nullptr};
    Messages messages;
    const bool read = readUnit(origin.filePath,
                               SheetHeaderLine(origin.locator, mode),
                               origin.locator.unit,
                               origin.locator.section,
                               mode,
                               context,
                               m_program.readerState,
                               m_program.unitRecord,
                               messages);
    // A copy file without its unit would otherwise be refused without a word.
    if (!read && messages.empty() && mode == ReadMode::Copy)
        messages.push_back({CopyUnitMissingMessage(origin.filePath), 0});
    showMessages(messages);
    return read && m_host.createWorksheet(origin);
}

bool OpenPath::openCopyFile()
{
    const std::int32_t lesson = CopyFileLesson(m_host.activeSheetLesson());
    if (!m_hooks.browseCopyFile)
        return false;
    CopyFileName chosen;
    for (;;) {
        const std::optional<std::string> path = m_hooks.browseCopyFile();
        if (!path)
            return false;
        chosen = CheckCopyFileName(*path);
        if (chosen.accepted)
            break;
        m_program.prompter.message(chosen.refusal);
    }
    if (!FileExists(chosen.name)) {
        m_program.prompter.message(MissingFileMessage(chosen.name));
        return false;
    }
    if (m_host.isSheetOpen(chosen.name)) {
        m_program.prompter.message(AlreadyOpenMessage());
        m_host.activateSheet(chosen.name);
        return false;
    }
    m_program.state.sheetKey = chosen.name;
    m_program.state.printTag = chosen.name;
    return createWorksheet(CopySheetOrigin(chosen.name, lesson), ReadMode::Copy);
}

void OpenPath::showMessages(const Messages &messages)
{
    for (const Message &message : messages)
        m_program.prompter.message(message.text);
}

} // namespace zelkon
