// Creating zelkon's windows and wiring the main window to them.
#include "shell/zelkon.h"

#include "index/menu.h"
#include "master/open_path.h"
#include "practice/renshu.h"
#include "sheet/sheet_host.h"
#include "shell/help_viewer.h"
#include "shell/juku.h"
#include "shell/main.h"
#include "shell/program.h"
#include "shell/title.h"
#include "shell/version.h"

#include <QMdiArea>

namespace zelkon {

Zelkon::Zelkon(Program &program, FileSystemView &files)
    : m_seams(PlaceholderSeams(program.prompter))
    , m_startup(program, files, m_seams)
{
    m_help = std::make_unique<HelpViewer>(program);
    m_help->setFileName(program.edition.helpFileName);

    // The windows in the order the program has always made them; those of the other
    // subsystems take their places between these: the symbol pictures, answer-field panel, editors,
    // text input, copy file browser, print mode and paper dialogs, picture viewer, print dialog,
    // copy file editor and unit holder after the version dialog; the all-units, record, practice,
    // log-on, all-correct and password windows after the title window.
    m_main = std::make_unique<TfrmMain>(program, m_seams);
    m_startup.createMainWindow(*m_main);
    m_menu = new TfrmMenu(program, m_main.get());
    m_sheetHost = std::make_unique<SheetHost>(program, *m_main, m_seams);
    m_openPath = std::make_unique<OpenPath>(program, *m_menu, *m_sheetHost);
    m_version = new TfrmVersion(program.edition, m_main.get());
    m_title = new TfrmTitle(program);
    m_main->mdiArea()->addSubWindow(m_title);
    m_title->hide();
    m_renshu = new TfrmRenshu(program, *m_main, m_seams);
    m_juku = new TfrmJuku(program, m_main.get());
    wireWindows();
}

Zelkon::~Zelkon() = default;

void Zelkon::wireWindows()
{
    m_seams.showVersion = [this] { m_version->execute(); };
    m_seams.showSchoolName = [this] { return m_juku->execute(); };
    m_seams.showTitlePicture = [this] { m_title->showPictureButton(); };
    m_seams.showHelpContents = [this] { m_help->showContents(); };
    m_seams.showHelpTopic = [this](int topic) { m_help->showTopic(topic); };

    m_seams.readLessonList = [this] { return m_menu->readMainIndex() != MainIndexRead::missing; };
    m_seams.openFromMenu = [this] { return m_openPath->openFromMenu(); };
    m_seams.openCopyFile = [this] { return m_openPath->openCopyFile(); };
    m_seams.openMasterUnit = [this](const UnitLocator &locator, bool replace) {
        return static_cast<int>(m_openPath->openMasterUnit(locator, replace));
    };
    // The editor and the copy file browser are reached through their seams, so whoever builds
    // them sets the seam and the open path follows.
    m_openPath->setHooks({[this] { return m_seams.editNewUnit(); },
                          [this] { m_main->choosePaper(Paper::A4); },
                          [this] { return m_seams.browseCopyFile(); }});
    m_menu->setHooks({[this] { m_seams.logOn(); }, {}, {}});

    m_seams.practise = [this](SheetWindow &sheet) { m_renshu->ShowPracticeWindow(&sheet); };
    m_renshu->setHooks({[this] { m_menu->refreshCounts(); }});
}

bool Zelkon::start()
{
    m_main->show();
    if (m_startup.firstShow({*m_main, *m_title, *m_help}))
        return true;
    m_main->close();
    return false;
}

} // namespace zelkon
