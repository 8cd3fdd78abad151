// Creating zelkon's windows and wiring the main window to them.
#include "shell/zelkon.h"

#include "authoring/bmp.h"
#include "authoring/editindex.h"
#include "authoring/editques.h"
#include "authoring/editsource.h"
#include "authoring/inputtext.h"
#include "copyfiles/openprp.h"
#include "index/menu.h"
#include "index/zentangen.h"
#include "master/open_path.h"
#include "master/readunit.h"
#include "practice/renshu.h"
#include "records/inputname.h"
#include "records/kiroku.h"
#include "records/password.h"
#include "sheet/printm.h"
#include "sheet/printmode.h"
#include "sheet/printok.h"
#include "sheet/setpaper.h"
#include "sheet/settei.h"
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
    m_settei = new TfrmSettei(program, *m_main);
    m_editSource = new TfrmEditSource(
        program.prompter, [this](int topic) { m_seams.showHelpTopic(topic); }, m_main.get());
    m_bmp = new TfrmBMP(m_main.get());
    m_editQues = new TfrmEditQues(program, *m_editSource, *m_bmp, m_main.get());
    m_inputText = new TfrmInputText(program.prompter, m_main.get());
    m_editIndex = new TfrmEditIndex(program, *m_inputText, *m_editSource, m_main.get());
    m_openPrp = new TfrmOpenPRP(program, m_main.get());
    m_printMode = new TfrmPrintMode(program, *m_main, m_main.get());
    m_setPaper = new TfrmSetPaper(program, *m_main, m_main.get());
    m_printOk = new TfrmPrintOk(program, *m_main, *m_printMode, m_main.get());
    m_readUnit = new TfrmReadUnit(program, *m_menu, m_main.get());
    m_title = new TfrmTitle(program);
    m_main->mdiArea()->addSubWindow(m_title);
    m_title->hide();
    m_zenTangen = new TfrmZenTangen(program, *m_menu, m_main.get());
    m_kiroku = new TfrmKiroku(program, m_main.get());
    m_renshu = new TfrmRenshu(program, *m_main, m_seams);
    m_password = new TfrmPassword(program, m_main.get());
    m_inputName = new TfrmInputName(program, *m_password, m_main.get());
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
    m_seams.browseCopyFile = [this] { return m_openPrp->browse(); };
    // The record button shows the lesson the unit selection window shows, whose counts it
    // then recomputes.
    m_menu->setHooks({[this] { m_seams.logOn(); },
                      [this] {
                          const int lesson = m_menu->loadedLesson();
                          return lesson >= 1 ? m_kiroku->ShowRecordWindow(lesson)
                                             : m_kiroku->ShowRecordWindow();
                      },
                      [this] { m_zenTangen->execute(); }});
    m_seams.addUnit = [this](SheetWindow &sheet) { m_readUnit->addUnit(sheet); };

    m_seams.showPrintDialog
        = [this](SheetWindow &, const QImage &picture) { m_printOk->execute(picture); };
    m_seams.showPaperDialog = [this] { m_setPaper->execute(); };
    m_seams.showPrintModeDialog = [this] { m_printMode->execute(); };
    m_seams.applyPrintNumbering
        = [this](RenderContext &context) { m_printMode->applyNumbering(context); };
    m_seams.takeSheetValues = [this, others = m_seams.takeSheetValues](SheetWindow &sheet) {
        others(sheet);
        m_printOk->takeSheetValues(sheet);
        m_setPaper->takeSheetValues(sheet);
    };

    m_seams.showAnswerFieldSettings
        = [this](SheetWindow &sheet) { m_settei->OpenAnswerFieldSettings(sheet); };
    m_seams.takeAnswerWidth = [this](SheetWindow &sheet) { m_settei->takeAnswerWidth(sheet); };
    m_seams.answerFieldWidth = [this] { return std::optional<int>(m_settei->answerWidth()); };
    // The print dialogs take their part of an activated sheet's values through the same seam,
    // so whichever is wired first is kept and called before the panel.
    m_seams.takeSheetValues = [this, others = m_seams.takeSheetValues](SheetWindow &sheet) {
        others(sheet);
        m_settei->takeSheetValues(sheet);
    };

    // Saving is the worksheet window's own; the seams reach the sheet they are handed, which in
    // the close question is the sheet being closed rather than the active one.
    m_seams.saveAsCopyFile = [](SheetWindow &sheet) {
        if (auto *window = dynamic_cast<TfrmPrintM *>(&sheet))
            window->SaveCopyFile();
    };
    m_seams.overwriteSave = [](SheetWindow &sheet) {
        auto *window = dynamic_cast<TfrmPrintM *>(&sheet);
        return window && window->OverwriteSave();
    };

    // The master file editor: on a sheet's unit from "編　集　", on a new unit from the open path.
    m_seams.editMasterUnit
        = [this](SheetWindow &sheet) { return m_editQues->EditUnit(sheet.sheet()); };
    m_seams.editNewUnit = [this] { return m_editQues->EditNewUnit(); };
    m_editQues->setHooks({[this] { m_menu->refreshCounts(); }});

    // The index editor; its tree shows the unit selection window's labels of the lesson that
    // window has loaded, and none of another lesson's units.
    m_seams.readIndexEditor = [this] {
        if (m_editIndex->ReadMainIndex())
            m_editIndex->SelectWorksheetLesson();
    };
    m_seams.editIndex = [this] { m_editIndex->execute(); };
    m_editIndex->setHooks({[this](int topic) { m_seams.showHelpTopic(topic); },
                           [this](int lesson, int section, int unit) {
                               return lesson == m_menu->loadedLesson()
                                          ? m_menu->unitDisplay().prefix(section, unit)
                                          : std::string();
                           }});

    m_seams.practise = [this](SheetWindow &sheet) { m_renshu->ShowPracticeWindow(&sheet); };
    m_renshu->setHooks({[this] { m_menu->refreshCounts(); }});

    m_seams.logOn = [this] { m_inputName->ShowLogOn(); };
    m_seams.showRecordWindow = [this] { return m_kiroku->ShowRecordWindow(); };
    m_inputName->setHooks({[this] {
        m_main->showLearnerName();
        m_menu->refreshCounts();
    }});
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
