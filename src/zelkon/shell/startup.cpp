// The start-up steps of zelkon.
#include "shell/startup.h"

#include "common/cp932.h"
#include "common/path.h"
#include "index/main_index.h"
#include "shell/file_system.h"
#include "shell/help_viewer.h"
#include "shell/main.h"
#include "shell/main_seams.h"
#include "shell/program.h"
#include "shell/title.h"

#include <QMdiArea>
#include <QPixmap>

namespace zelkon {

Startup::Startup(Program &program, FileSystemView &files, MainSeams &seams)
    : m_program(program)
    , m_files(files)
    , m_seams(seams)
{}

template<typename T>
T Startup::checked(const SettingRead<T> &read)
{
    if (!read.ok)
        m_program.prompter.message(read.error);
    return read.value;
}

void Startup::createMainWindow(TfrmMain &main)
{
    AppState &state = m_program.state;
    state.programFolder = ProgramFolderFor(m_files.currentDirectory());
    // The six cursors are Qt's standard ones (ZelkonCursor); there is nothing to register.
    main.colourPanels();
    main.coverScreen();
    state.sheetAreaWidth = main.width() - main.sidePanelWidth() - 10;
    state.sheetAreaHeight = main.sidePanelHeight();
    state.mainFontName = Utf8ToCp932("ＭＳ 明朝");
}

bool Startup::firstShow(const StartupWindows &windows)
{
    AppState &state = m_program.state;
    Settings &settings = m_program.settings;
    TfrmMain &main = windows.main;

    state.onCdRom = m_files.onCdRom(state.programFolder);
    state.schoolName = checked(settings.readText(kTheSchool));
    loadTitlePicture(windows);
    // The paper table is a constant (kPaperTable).
    state.indexReloadPending = false;
    main.openSheetList().clear();
    if (const std::string help = m_files.firstFileMatching(state.programFolder, "*.html");
        !help.empty())
        windows.help.setFileName(help);

    Messages messages;
    const MainIndexRead read = ReadMainIndex(state.programFolder, m_program.index, messages);
    for (const Message &message : messages)
        m_program.prompter.message(message.text);
    if (read == MainIndexRead::missing)
        return false;

    main.setShowDoYouKnow(checked(settings.readFlag(kShowDoYouKnow)));
    if (!m_seams.readLessonList())
        return false;
    main.enableAnswerButton();
    state.printMode = checked(settings.readFlag(kPrintMode));
    const std::int32_t paperWidth = checked(settings.readInteger(kPaperSize));
    main.selectPaperButton(paperWidth);
    SetPaperWidth(state, paperWidth);
    state.answersShown = false;
    main.btnKaitouClick();
    state.startupDone = true;

    createRecordFolders();

    main.placeTipsPanel();
    windows.title.show();
    main.mdiArea()->setActiveSubWindow(&windows.title);
    m_seams.readIndexEditor();
    main.focusTipsPanel();
    state.learnerName = checked(settings.readText(kLogOnName));
    main.showLearnerName();
    state.similarMarksStale = true;
    main.applyLock(checked(settings.readFlag(kKeyLock)));
    if (state.keyLock)
        m_seams.logOn();
    return true;
}

void Startup::loadTitlePicture(const StartupWindows &windows)
{
    const std::string path = m_program.state.programFolder + std::string(kTitlePictureFile);
    QPixmap picture;
    if (!FileExists(path))
        m_program.prompter.message(MissingFileMessage(path));
    else if (!picture.load(QString::fromStdString(ToFsPath(path))))
        m_program.prompter.message(path + Utf8ToCp932(" を読み込めません"));
    windows.title.setPicture(picture);
    windows.title.placePictureButton(
        windows.main.screenSize().width(), windows.main.sidePanelWidth(), windows.main.height());
}

void Startup::createRecordFolders()
{
    AppState &state = m_program.state;
    state.recordDrive
        = checked(m_program.settings.readSharedText(kRecDrive, m_files.defaultRecordDrive()));
    state.logOnFolder = LogOnFolderFor(state.recordDrive);
    if (createFolder(ProductFolderFor(state.recordDrive)))
        createFolder(state.logOnFolder);
}

bool Startup::createFolder(const std::string &folder)
{
    if (DirectoryExists(folder) || m_files.createFolder(folder))
        return true;
    m_program.prompter.message(Utf8ToCp932("ディレクトリ ") + folder
                               + Utf8ToCp932(" を作成できません"));
    return false;
}

} // namespace zelkon
