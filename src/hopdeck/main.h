// TfrmMain, the launcher's main window: a button per title over the large picture, the side
// panel with the small picture and the commands, and the search that finds the titles.
#pragma once

#include "hopdeck/start_place.h"
#include "launcher/title_index.h"

#include <QPixmap>
#include <QWidget>

#include <string>
#include <vector>

class QPushButton;
class QFrame;
class QLabel;

namespace zelkon {
class Prompter;
class PrintTarget;
} // namespace zelkon

namespace zelkon::hopdeck {

class HelpWindow;
class HoverImage;
class SystemActions;
class TfrmChangeDrive;
class TfrmDetail;
class TitleButton;

/// The application title of the launcher, for its message boxes.
inline constexpr const char *kApplicationTitleUtf8 = "Zelkon++ 社会";
/// The launcher's help file, in its start folder.
inline constexpr std::string_view kHelpFile = "ZELKHOPD.html";
/// The download page, in its start folder.
inline constexpr std::string_view kDownloadPage = "index.htm";

class TfrmMain : public QWidget
{
    Q_OBJECT

public:
    /// The window, its drive window and its detail window; nothing is read until start().
    /// Every reference must outlive the window.
    TfrmMain(const StartPlace &place,
             Prompter &prompter,
             SystemActions &actions,
             PrintTarget &printTarget,
             QWidget *parent = nullptr);
    ~TfrmMain() override;

    /// Start-up: reads the title index, creates the title buttons and searches for the titles:
    /// on a CD-ROM in the start folder, where the install button shows, else in the folder
    /// above it.
    void start();

    /// "詳細": searches the drive window's folder afresh, counts reset, and shows the detail
    /// window.
    void btnShowClick();
    /// "参照": the drive window; on OK its folder is searched.
    void btnChangeDriveClick();
    /// "最新版ダウンロード": the start folder's download page in the desktop's browser.
    void btnDownLoadClick();
    /// "ヘルプ": the start folder's help file in the help window.
    void btnHelpClick();
    /// "インストール": starts the series' installer of the start folder, or says it is missing.
    void btnInstallClick();
    /// "終了": closes the window, which ends the program.
    void btnEndClick();
    /// The small picture: shows or hides the buttons, then searches again with the icons.
    void imgPictureClick();
    /// Title button `number` (from 1): starts the title's program in its folder.
    void titleButtonClick(int number);
    /// The pointer over title button `number`: its program's icon gives way to the launcher's.
    void titleButtonHover(int number);
    /// The pointer over a picture: images that gave way are cleared.
    void pictureHover();

    /// The title list as read, with what the last search found.
    const TitleIndex &titleIndex() const { return m_index; }
    /// The working folder at start, CP932, ending in "/".
    const std::string &startFolder() const { return m_place.startFolder; }
    /// The folder searched last, ending in "/".
    const std::string &baseFolder() const { return m_baseFolder; }
    /// Title button `number` (from 1); null when there is none.
    TitleButton *titleButton(int number) const;
    /// Whether title `number` holds an icon and whether its image shows it.
    bool hasIcon(int number) const;
    bool iconShown(int number) const;
    /// Whether the buttons are shown over the picture (the picture toggle).
    bool pictureShown() const { return m_pictureShown; }

    /// The windows the commands show; the help window is made when first needed.
    TfrmChangeDrive &driveWindow() { return *m_drive; }
    TfrmDetail &detailWindow() { return *m_detail; }
    HelpWindow &helpWindow();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    struct TitleIcon
    {
        QPixmap icon;
        bool iconShown = false;
    };

    void createControls();
    void layOutSidePanel();
    void readTitleIndex();
    void createTitleButtons();
    void searchTitles(const std::string &folder, bool withIcons);
    void takeIcon(int number);
    /// The folder searched at start-up and by the picture toggle.
    std::string homeFolder() const;
    QPixmap iconPixmap(const QPixmap &icon) const;

    StartPlace m_place;
    Prompter &m_prompter;
    SystemActions &m_actions;
    PrintTarget &m_printTarget;

    TitleIndex m_index;
    std::string m_baseFolder;
    std::vector<TitleButton *> m_buttons;
    std::vector<TitleIcon> m_icons;
    bool m_pictureShown = true;

    HoverImage *imgPict = nullptr;
    QFrame *pnlMain = nullptr;
    HoverImage *imgPicture = nullptr;
    QPushButton *btnShow = nullptr;
    QPushButton *btnChangeDrive = nullptr;
    QPushButton *btnDownLoad = nullptr;
    QPushButton *btnHelp = nullptr;
    QPushButton *btnInstall = nullptr;
    QPushButton *btnEnd = nullptr;
    QPushButton *btnDummy = nullptr;
    QLabel *imgDummy = nullptr;

    TfrmChangeDrive *m_drive = nullptr;
    TfrmDetail *m_detail = nullptr;
    HelpWindow *m_help = nullptr;
};

} // namespace zelkon::hopdeck
