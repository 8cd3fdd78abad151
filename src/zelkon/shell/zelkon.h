// The windows zelkon creates at process start, in their order and wired to one another, and
// the start of the program on them.
#pragma once

#include "shell/main_seams.h"
#include "shell/startup.h"

#include <memory>

namespace zelkon {

class FileSystemView;
class HelpViewer;
class OpenPath;
struct Program;
class SheetHost;
class TfrmBMP;
class TfrmEditIndex;
class TfrmEditQues;
class TfrmEditSource;
class TfrmInputText;
class TfrmInputName;
class TfrmJuku;
class TfrmKiroku;
class TfrmMain;
class TfrmMenu;
class TfrmOpenPRP;
class TfrmPassword;
class TfrmPrintMode;
class TfrmPrintOk;
class TfrmReadUnit;
class TfrmRenshu;
class TfrmSettei;
class TfrmSetPaper;
class TfrmTitle;
class TfrmVersion;
class TfrmZenTangen;

class Zelkon
{
public:
    /// Creates every window, hidden except the main window, which is made but not yet shown.
    /// `program` and `files` must outlive the object.
    Zelkon(Program &program, FileSystemView &files);
    ~Zelkon();

    /// Where the main window reaches the other windows; a test may replace entries before
    /// start().
    MainSeams &seams() { return m_seams; }
    TfrmMain &mainWindow() { return *m_main; }
    TfrmMenu &menuWindow() { return *m_menu; }
    TfrmOpenPRP &copyFileBrowser() { return *m_openPrp; }
    TfrmTitle &titleWindow() { return *m_title; }
    TfrmVersion &versionDialog() { return *m_version; }
    TfrmSettei &answerFieldPanel() { return *m_settei; }
    TfrmEditQues &masterFileEditor() { return *m_editQues; }
    TfrmEditIndex &indexEditor() { return *m_editIndex; }
    TfrmEditSource &sourceEditDialog() { return *m_editSource; }
    TfrmInputText &textInputDialog() { return *m_inputText; }
    TfrmBMP &pictureView() { return *m_bmp; }
    TfrmPrintMode &printModeDialog() { return *m_printMode; }
    TfrmSetPaper &paperDialog() { return *m_setPaper; }
    TfrmPrintOk &printDialog() { return *m_printOk; }
    TfrmJuku &jukuDialog() { return *m_juku; }
    TfrmReadUnit &unitHolder() { return *m_readUnit; }
    TfrmZenTangen &allUnitsWindow() { return *m_zenTangen; }
    TfrmRenshu &practiceWindow() { return *m_renshu; }
    TfrmInputName &logOnWindow() { return *m_inputName; }
    TfrmPassword &passwordDialog() { return *m_password; }
    TfrmKiroku &recordWindow() { return *m_kiroku; }
    HelpViewer &helpViewer() { return *m_help; }

    /// Shows the main window and runs its first show. False when start-up ended the program;
    /// the main window is closed then.
    bool start();

private:
    void wireWindows();

    MainSeams m_seams;
    Startup m_startup;
    std::unique_ptr<HelpViewer> m_help;
    std::unique_ptr<TfrmMain> m_main;
    TfrmMenu *m_menu = nullptr;
    TfrmOpenPRP *m_openPrp = nullptr;
    std::unique_ptr<SheetHost> m_sheetHost;
    std::unique_ptr<OpenPath> m_openPath;
    TfrmVersion *m_version = nullptr;
    TfrmSettei *m_settei = nullptr;
    TfrmEditSource *m_editSource = nullptr;
    TfrmBMP *m_bmp = nullptr;
    TfrmEditQues *m_editQues = nullptr;
    TfrmInputText *m_inputText = nullptr;
    TfrmEditIndex *m_editIndex = nullptr;
    TfrmPrintMode *m_printMode = nullptr;
    TfrmSetPaper *m_setPaper = nullptr;
    TfrmPrintOk *m_printOk = nullptr;
    TfrmTitle *m_title = nullptr;
    TfrmJuku *m_juku = nullptr;
    TfrmReadUnit *m_readUnit = nullptr;
    TfrmZenTangen *m_zenTangen = nullptr;
    TfrmRenshu *m_renshu = nullptr;
    TfrmKiroku *m_kiroku = nullptr;
    TfrmPassword *m_password = nullptr;
    TfrmInputName *m_inputName = nullptr;
};

} // namespace zelkon
