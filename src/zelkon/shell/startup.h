// Start-up of zelkon: the steps that make the main window and those of its first show, in
// their order; later steps use what earlier ones read.
#pragma once

#include "settings/settings.h"

namespace zelkon {

class FileSystemView;
class HelpViewer;
struct MainSeams;
struct Program;
class TfrmMain;
class TfrmTitle;

/// The windows the first show works on.
struct StartupWindows
{
    TfrmMain &main;
    TfrmTitle &title;
    HelpViewer &help;
};

class Startup
{
public:
    /// All three must outlive the object.
    Startup(Program &program, FileSystemView &files, MainSeams &seams);

    /// Creating the main window: `programFolder` from the current directory, the panel
    /// colours, the window over the screen, the sheet area and `mainFontName`.
    void createMainWindow(TfrmMain &main);

    /// The first show of the main window. A setting that cannot be read is reported and its
    /// default used. Returns false when the main index is missing: its message was shown and
    /// the caller closes the main window, which ends the program. A records folder that cannot
    /// be created is reported and start-up goes on, so the lock is still applied.
    bool firstShow(const StartupWindows &windows);

private:
    template<typename T>
    T checked(const SettingRead<T> &read);
    void loadTitlePicture(const StartupWindows &windows);
    void createRecordFolders();
    bool createFolder(const std::string &folder);

    Program &m_program;
    FileSystemView &m_files;
    MainSeams &m_seams;
};

} // namespace zelkon
