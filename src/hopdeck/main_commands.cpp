// TfrmMain: the commands of the side panel, the picture toggle, hover and starting a title.
#include "hopdeck/main.h"

#include "common/cp932.h"
#include "common/path.h"
#include "common/prompter.h"
#include "hopdeck/artwork.h"
#include "hopdeck/changedrive.h"
#include "hopdeck/detail.h"
#include "hopdeck/help_window.h"
#include "hopdeck/system_actions.h"
#include "hopdeck/title_button.h"
#include "launcher/installer.h"
#include "launcher/title_search.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>

namespace zelkon::hopdeck {

void TfrmMain::btnShowClick()
{
    ResetTimesFound(m_index.titles);
    searchTitles(m_drive->folder(), /*withIcons=*/false);
    m_detail->execute(m_index, m_baseFolder, geometry());
}

void TfrmMain::btnChangeDriveClick()
{
    if (m_drive->execute(geometry()))
        searchTitles(m_drive->folder(), /*withIcons=*/false);
}

void TfrmMain::btnDownLoadClick()
{
    const std::string page = m_place.startFolder + std::string(kDownloadPage);
    if (!FileExists(page)) {
        m_prompter.message(MissingFileMessage(page));
        return;
    }
    if (!m_actions.openDocument(QString::fromStdString(ToFsPath(page))))
        m_prompter.message(page + Utf8ToCp932(" を開くプログラムが見つかりません"));
}

void TfrmMain::btnHelpClick()
{
    const std::string file = m_place.startFolder + std::string(kHelpFile);
    if (!FileExists(file)) {
        m_prompter.message(MissingFileMessage(file));
        return;
    }
    helpWindow().showContents(QString::fromStdString(ToFsPath(file)));
}

void TfrmMain::btnInstallClick()
{
    const InstallerChoice installer = ChooseInstaller(m_place.startFolder);
    if (!installer.usable) {
        m_prompter.message(installer.message);
        return;
    }
    // The installer runs from the user's home, not from the disc it installs from.
    m_actions.startProgram(QString::fromStdString(ToFsPath(installer.path)), QDir::homePath());
}

void TfrmMain::btnEndClick()
{
    close();
}

void TfrmMain::imgPictureClick()
{
    m_pictureShown = !m_pictureShown;
    for (TitleButton *b : m_buttons)
        b->setVisible(m_pictureShown);
    for (QPushButton *b : {btnShow, btnChangeDrive, btnDownLoad, btnHelp, btnEnd})
        b->setVisible(m_pictureShown);
    searchTitles(homeFolder(), /*withIcons=*/true);
}

void TfrmMain::titleButtonClick(int number)
{
    TitleButton *b = titleButton(number);
    if (!b)
        return;
    b->setTextColor(QColor(0, 0, 255));
    b->setBevelWidth(1);
    // The pressed look shows while the program starts.
    b->repaint();
    const TitleEntry &title = m_index.titles[std::size_t(number - 1)];
    if (!title.found())
        return;
    // A title that does not start says nothing: the button was green, the program was there.
    m_actions.startProgram(QString::fromStdString(title.foundProgramPath),
                           QString::fromStdString(title.foundFolderPath));
}

void TfrmMain::titleButtonHover(int number)
{
    if (!iconShown(number))
        return;
    TitleIcon &state = m_icons[std::size_t(number - 1)];
    m_buttons[std::size_t(number - 1)]->image()->setPixmap(
        iconPixmap(LauncherIcon().pixmap(64, 64)));
    state.iconShown = false;
}

void TfrmMain::pictureHover()
{
    for (std::size_t i = 0; i < m_icons.size(); ++i) {
        TitleIcon &state = m_icons[i];
        if (state.icon.isNull() || state.iconShown)
            continue;
        m_buttons[i]->image()->setPixmap(imgDummy->pixmap());
        state.iconShown = true;
    }
}

} // namespace zelkon::hopdeck
