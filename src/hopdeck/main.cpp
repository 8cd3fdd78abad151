// TfrmMain: the controls, start-up, the title buttons and the search.
#include "hopdeck/main.h"

#include "common/cp932.h"
#include "common/path.h"
#include "common/prompter.h"
#include "hopdeck/artwork.h"
#include "hopdeck/changedrive.h"
#include "hopdeck/detail.h"
#include "hopdeck/help_window.h"
#include "hopdeck/hover_image.h"
#include "hopdeck/title_button.h"
#include "launcher/title_grid.h"
#include "launcher/title_search.h"
#include "platform/qstring_cp932.h"

#include <QDir>
#include <QFrame>
#include <QGuiApplication>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace zelkon::hopdeck {

namespace {

QString U(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

const QColor kFoundText(0, 128, 0);
const QColor kMissingText(255, 255, 255);

} // namespace

TfrmMain::TfrmMain(const StartPlace &place,
                   Prompter &prompter,
                   SystemActions &actions,
                   PrintTarget &printTarget,
                   QWidget *parent)
    : QWidget(parent)
    , m_place(place)
    , m_prompter(prompter)
    , m_actions(actions)
    , m_printTarget(printTarget)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(U(kApplicationTitleUtf8));
    setWindowIcon(LauncherIcon());
    createControls();
    m_drive = new TfrmChangeDrive(homeFolder(), this);
    m_detail = new TfrmDetail(m_prompter, m_printTarget, this);
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::createControls()
{
    setFixedSize(kMainWidth, kMainHeight);
    // A dark frame around the picture, so that it reads as a picture and not as a backdrop.
    QPalette frame = palette();
    frame.setColor(QPalette::Window, QColor(34, 46, 66));
    setPalette(frame);
    setAutoFillBackground(true);

    imgPict = new HoverImage(this);
    imgPict->setObjectName(QStringLiteral("imgPict"));
    imgPict->setGeometry(kPictureLeft, kPictureTop, kPictureWidth, kPictureHeight);
    imgPict->setPixmap(LargePicture(imgPict->size()));
    connect(imgPict, &HoverImage::hovered, this, &TfrmMain::pictureHover);

    pnlMain = new QFrame(this);
    pnlMain->setObjectName(QStringLiteral("pnlMain"));
    pnlMain->setFrameShape(QFrame::Panel);
    pnlMain->setFrameShadow(QFrame::Raised);
    pnlMain->setAutoFillBackground(true);
    pnlMain->setPalette(QGuiApplication::palette());
    pnlMain->setBackgroundRole(QPalette::Button);

    imgPicture = new HoverImage(pnlMain);
    imgPicture->setObjectName(QStringLiteral("imgPicture"));
    imgPicture->setPixmap(SmallPicture(QSize(81, 65)));
    imgPicture->setCursor(Qt::UpArrowCursor);
    imgPicture->setToolTip(U("クリックするとボタンを隠す・出す"));
    connect(imgPicture, &HoverImage::clicked, this, &TfrmMain::imgPictureClick);
    connect(imgPicture, &HoverImage::hovered, this, &TfrmMain::pictureHover);

    const auto button = [this](const char *name, const char *caption, void (TfrmMain::*click)()) {
        auto *b = new QPushButton(U(caption), pnlMain);
        b->setObjectName(QString::fromLatin1(name));
        connect(b, &QPushButton::clicked, this, click);
        return b;
    };
    btnShow = button("btnShow", "詳細", &TfrmMain::btnShowClick);
    btnChangeDrive = button("btnChangeDrive", "参照", &TfrmMain::btnChangeDriveClick);
    btnDownLoad = button("btnDownLoad", "最新版ダウンロード", &TfrmMain::btnDownLoadClick);
    btnHelp = button("btnHelp", "ヘルプ", &TfrmMain::btnHelpClick);
    btnInstall = button("btnInstall", "インストール", &TfrmMain::btnInstallClick);
    btnInstall->setToolTip(U("ハードディスクへインストールする"));
    btnEnd = button("btnEnd", "終了", &TfrmMain::btnEndClick);

    // The size templates of the title buttons and their images; never shown.
    btnDummy = new QPushButton(this);
    btnDummy->setObjectName(QStringLiteral("btnDummy"));
    btnDummy->setGeometry(0, 0, kTemplateWidth, kTemplateHeight);
    btnDummy->hide();
    imgDummy = new QLabel(this);
    imgDummy->setObjectName(QStringLiteral("imgDummy"));
    imgDummy->setGeometry(0, 0, 25, 17);
    imgDummy->hide();

    layOutSidePanel();
}

void TfrmMain::layOutSidePanel()
{
    pnlMain->setGeometry(0, 0, kPanelWidth, height() - 50);
    imgPicture->setGeometry((kPanelWidth - 81) / 2, 14, 81, 65);
    const int left = 8;
    const int width = kPanelWidth - 2 * left;
    int top = 94;
    for (QPushButton *b : {btnShow, btnChangeDrive, btnDownLoad, btnHelp}) {
        b->setGeometry(left, top, width, 30);
        top += 38;
    }
    btnInstall->setGeometry(left, top + 16, width, 30);
    btnEnd->setGeometry(left, pnlMain->height() - 44, width, 30);
}

void TfrmMain::start()
{
    readTitleIndex();
    createTitleButtons();
    btnInstall->setVisible(m_place.onCdRom);
    searchTitles(homeFolder(), /*withIcons=*/false);
}

void TfrmMain::readTitleIndex()
{
    const TitleIndexReading reading = ReadTitleIndex(m_place.startFolder);
    // Lines one and two stand even when the titles could not be read.
    if (!reading.index.caption.empty())
        setWindowTitle(ToQString(reading.index.caption));
    m_index = reading.index;
    for (const Message &message : reading.messages)
        m_prompter.message(message.text);
}

void TfrmMain::createTitleButtons()
{
    const int count = int(m_index.titles.size());
    const TitleGrid grid = FitTitleButtons(count);
    if (grid.windowWidth != width()) {
        setFixedSize(grid.windowWidth, kMainHeight);
        imgPict->setGeometry(kPictureLeft,
                             kPictureTop,
                             grid.windowWidth - kPictureLeft
                                 - (kMainWidth - kPictureLeft - kPictureWidth),
                             kPictureHeight);
        imgPict->setPixmap(LargePicture(imgPict->size()));
    }
    // The template grows with the buttons, as a dozen titles or fewer get wider ones.
    if (!grid.buttons.empty())
        btnDummy->resize(grid.buttons.front().width, kTemplateHeight);
    QFont font = this->font();
    font.setPointSize(10);
    font.setBold(true);
    for (int n = 1; n <= count; ++n) {
        const TitleButtonPlace &place = grid.buttons[std::size_t(n - 1)];
        auto *b = new TitleButton(n, imgDummy->size(), this);
        b->setGeometry(place.left, place.top, place.width, place.height);
        b->setFont(font);
        b->setText(QString(8, QLatin1Char(' '))
                   + ToQString(m_index.titles[std::size_t(n - 1)].title));
        b->setTextColor(QColor(0, 0, 255));
        b->show();
        connect(b, &TitleButton::clicked, this, [this, n] { titleButtonClick(n); });
        connect(b, &TitleButton::hovered, this, [this, n] { titleButtonHover(n); });
        m_buttons.push_back(b);
    }
    m_icons.assign(std::size_t(count), TitleIcon{});
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TfrmMain::searchTitles(const std::string &folder, bool withIcons)
{
    m_baseFolder = SearchTitles(m_index.titles, folder);
    for (std::size_t i = 0; i < m_buttons.size(); ++i) {
        TitleButton *b = m_buttons[i];
        m_icons[i] = TitleIcon{};
        b->image()->setPixmap(imgDummy->pixmap());
        if (!m_index.titles[i].found()) {
            b->setEnabled(false);
            b->setTextColor(kMissingText);
            continue;
        }
        b->setEnabled(true);
        b->setTextColor(kFoundText);
        if (withIcons)
            takeIcon(int(i) + 1);
    }
}

void TfrmMain::takeIcon(int number)
{
    const TitleEntry &title = m_index.titles[std::size_t(number - 1)];
    // A program's icon is the picture NAME.png beside it; without one it is the launcher's.
    const QStringList pictures
        = QDir(QString::fromStdString(title.foundFolderPath))
              .entryList({ToQString(title.programName) + ".png"}, QDir::Files, QDir::Name);
    QPixmap icon;
    if (!pictures.isEmpty()) {
        const QString file = QString::fromStdString(title.foundFolderPath) + '/' + pictures.first();
        icon = QPixmap::fromImage(QImageReader(file).read());
        if (icon.isNull()) {
            m_prompter.message(title.foundFolder + " " + title.foundProgramFile);
            return;
        }
    } else {
        icon = LauncherIcon().pixmap(64, 64);
    }
    TitleIcon &state = m_icons[std::size_t(number - 1)];
    state.icon = icon;
    state.iconShown = true;
    m_buttons[std::size_t(number - 1)]->image()->setPixmap(iconPixmap(icon));
}

QPixmap TfrmMain::iconPixmap(const QPixmap &icon) const
{
    // As large as the image allows, in the icon's own proportions.
    const QSize box = imgDummy->size();
    if (icon.isNull() || icon.width() <= 0 || icon.height() <= 0)
        return {};
    const qreal factor
        = std::min(qreal(box.width()) / icon.width(), qreal(box.height()) / icon.height());
    const QSize size(std::max(1, qRound(icon.width() * factor)),
                     std::max(1, qRound(icon.height() * factor)));
    QPixmap fitted(size);
    fitted.fill(Qt::transparent);
    QPainter painter(&fitted);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(fitted.rect(), icon);
    return fitted;
}

std::string TfrmMain::homeFolder() const
{
    // On a disc the titles sit beside the launcher, in the start folder itself.
    return m_place.onCdRom ? m_place.startFolder : ParentFolder(m_place.startFolder);
}

TitleButton *TfrmMain::titleButton(int number) const
{
    if (number < 1 || number > int(m_buttons.size()))
        return nullptr;
    return m_buttons[std::size_t(number - 1)];
}

bool TfrmMain::hasIcon(int number) const
{
    return number >= 1 && number <= int(m_icons.size())
           && !m_icons[std::size_t(number - 1)].icon.isNull();
}

bool TfrmMain::iconShown(int number) const
{
    return number >= 1 && number <= int(m_icons.size())
           && m_icons[std::size_t(number - 1)].iconShown;
}

HelpWindow &TfrmMain::helpWindow()
{
    if (!m_help)
        m_help = new HelpWindow(this);
    return *m_help;
}

void TfrmMain::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    // A pressed title button looks pressed until the window is painted again.
    for (TitleButton *b : m_buttons)
        b->setBevelWidth(3);
}

} // namespace zelkon::hopdeck
