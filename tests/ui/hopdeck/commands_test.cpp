// The launcher's side panel and pictures: the picture toggle with the programs' icons, hover,
// the drive window, the download page, help and the end.
#include "series_fixture.h"

#include "hopdeck/changedrive.h"
#include "hopdeck/detail.h"
#include "hopdeck/help_window.h"
#include "hopdeck/title_button.h"

#include <QFileSystemModel>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextBrowser>
#include <QTreeView>
#include <QtTest>

namespace zelkon::test {

namespace {

void MoveOver(QWidget *widget)
{
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    QMouseEvent move(
        QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

QImage ImageOf(hopdeck::TitleButton *b)
{
    return b->image()->pixmap().toImage();
}

QByteArray RedSquarePng()
{
    QImage red(32, 32, QImage::Format_ARGB32);
    red.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    red.save(&buffer, "PNG");
    return bytes;
}

/// Selects `folder` in the drive window's tree as a click on it would.
void Browse(hopdeck::TfrmChangeDrive &drive, const QString &folder)
{
    auto *tree = drive.findChild<QTreeView *>("dlbDrive");
    auto *model = qobject_cast<QFileSystemModel *>(tree->model());
    tree->setCurrentIndex(model->index(folder));
}

} // namespace

class HopdeckCommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void pictureToggleHidesButtonsAndShowsIcons();
    void hoverSwapsIconsAndPicturesClearThem();
    void unreadableIconIsReported();
    void driveWindowOkSearchesTheChosenFolder();
    void driveWindowCancelChangesNothingButDetailUsesItsFolder();
    void downloadPageOpensInTheBrowser();
    void downloadPageMissingOrWithoutProgram();
    void helpShowsTheHelpFile();
    void helpFileMissing();
    void endClosesTheWindow();

private:
    hopdeck::TfrmMain &openThreeTitles();
    std::unique_ptr<SeriesFixture> m_series;
};

void HopdeckCommandsTest::initTestCase()
{
    qApp->setQuitOnLastWindowClosed(false);
}

void HopdeckCommandsTest::init()
{
    m_series = std::make_unique<SeriesFixture>();
}

void HopdeckCommandsTest::cleanup()
{
    const std::vector<std::string> problems = m_series->prompter.problems();
    for (const std::string &p : problems)
        qWarning("%s", p.c_str());
    QVERIFY(problems.empty());
    m_series.reset();
}

hopdeck::TfrmMain &HopdeckCommandsTest::openThreeTitles()
{
    m_series->writeTitles(
        {"日本の地理,zelkonxa,4.60,XA", "日本の歴史,zelkonxb,4.60,XB", "公民,zelkonxc,4.60,XC"});
    m_series->addProgram("ZelkXA4.50", "zelkonxa");
    m_series->addFile("ZelkXA4.50/ZelkonXA.PNG", RedSquarePng());
    m_series->addProgram("ZelkXB4.60", "zelkonxb.exe");
    return m_series->open();
}

void HopdeckCommandsTest::pictureToggleHidesButtonsAndShowsIcons()
{
    hopdeck::TfrmMain &main = openThreeTitles();
    const char *sideButtons[] = {"btnShow", "btnChangeDrive", "btnDownLoad", "btnHelp", "btnEnd"};
    QVERIFY(main.pictureShown());
    QVERIFY(!main.hasIcon(1));

    QTest::mouseClick(main.findChild<QLabel *>("imgPicture"), Qt::LeftButton);
    QVERIFY(!main.pictureShown());
    for (int n = 1; n <= 3; ++n)
        QVERIFY(!main.titleButton(n)->isVisible());
    for (const char *name : sideButtons)
        QVERIFY2(!main.findChild<QPushButton *>(name)->isVisible(), name);
    // The search with icons: the program's own picture, else the launcher's icon.
    const struct
    {
        bool icon;
        QRgb centre;
    } icons[] = {{true, qRgb(255, 0, 0)}, {true, 0}, {false, 0}};
    for (int n = 1; n <= 3; ++n) {
        QCOMPARE(main.hasIcon(n), icons[n - 1].icon);
        QCOMPARE(main.iconShown(n), icons[n - 1].icon);
        const QImage image = ImageOf(main.titleButton(n));
        QCOMPARE(image.isNull(), !icons[n - 1].icon);
        if (icons[n - 1].centre)
            QCOMPARE(image.pixel(image.width() / 2, image.height() / 2), icons[n - 1].centre);
    }
    QVERIFY(ImageOf(main.titleButton(2)) != ImageOf(main.titleButton(1)));

    QTest::mouseClick(main.findChild<QLabel *>("imgPicture"), Qt::LeftButton);
    QVERIFY(main.pictureShown());
    for (int n = 1; n <= 3; ++n)
        QVERIFY(main.titleButton(n)->isVisible());
    for (const char *name : sideButtons)
        QVERIFY2(main.findChild<QPushButton *>(name)->isVisible(), name);
}

void HopdeckCommandsTest::hoverSwapsIconsAndPicturesClearThem()
{
    hopdeck::TfrmMain &main = openThreeTitles();
    // Without icons, hovering changes nothing.
    MoveOver(main.titleButton(1));
    QVERIFY(ImageOf(main.titleButton(1)).isNull());

    main.imgPictureClick();
    main.imgPictureClick(); // buttons back, icons taken again
    const QImage programIcon = ImageOf(main.titleButton(1));
    const QImage launcherIcon = ImageOf(main.titleButton(2));

    MoveOver(main.titleButton(1));
    QVERIFY(!main.iconShown(1));
    QCOMPARE(ImageOf(main.titleButton(1)), launcherIcon);
    QVERIFY(main.iconShown(2)); // only the button under the pointer

    for (const char *picture : {"imgPict", "imgPicture"}) {
        MoveOver(main.titleButton(1));
        MoveOver(main.titleButton(2));
        MoveOver(main.findChild<QLabel *>(picture));
        for (int n : {1, 2}) {
            QVERIFY(main.iconShown(n));
            QVERIFY2(ImageOf(main.titleButton(n)).isNull(), picture);
        }
    }
    // The icon is kept: the next hover shows the launcher's icon again.
    MoveOver(main.titleButton(1));
    QCOMPARE(ImageOf(main.titleButton(1)), launcherIcon);
    QVERIFY(programIcon != launcherIcon);
}

void HopdeckCommandsTest::unreadableIconIsReported()
{
    m_series->writeTitles({"日本の地理,zelkonxa,4.60,XA"});
    m_series->addProgram("ZelkXA4.50", "ZelkonXA");
    m_series->addFile("ZelkXA4.50/zelkonxa.png", "not a picture");
    hopdeck::TfrmMain &main = m_series->open();
    m_series->prompter.expectMessage("ZelkXA4.50 zelkonxa");
    main.imgPictureClick();
    QVERIFY(!main.hasIcon(1));
    QVERIFY(ImageOf(main.titleButton(1)).isNull());
    QVERIFY(main.titleButton(1)->isEnabled());
}

void HopdeckCommandsTest::driveWindowOkSearchesTheChosenFolder()
{
    hopdeck::TfrmMain &main = openThreeTitles();
    m_series->addProgram("elsewhere/ZelkXC4.60", "zelkonxc");
    hopdeck::TfrmChangeDrive &drive = main.driveWindow();
    QCOMPARE(QString::fromStdString(drive.folder()), m_series->rootPath() + '/');
    QCOMPARE(drive.findChild<QLabel *>("Panel1")->text(), m_series->rootPath());

    QTimer::singleShot(0, &drive, [this, &drive] {
        QCOMPARE(drive.windowTitle(), QStringLiteral("Zelkon HOPDECK 4.60 2005.11.15"));
        QCOMPARE(drive.findChild<QPushButton *>("btnCancel")->text(), U("ｷｬﾝｾﾙ"));
        Browse(drive, m_series->path("elsewhere"));
        QCOMPARE(drive.findChild<QLabel *>("Panel1")->text(), m_series->path("elsewhere"));
        drive.findChild<QPushButton *>("btnOk")->click();
    });
    QTest::mouseClick(main.findChild<QPushButton *>("btnChangeDrive"), Qt::LeftButton);
    QCOMPARE(drive.geometry(), main.geometry());
    QCOMPARE(QString::fromStdString(main.baseFolder()), m_series->path("elsewhere") + '/');
    QVERIFY(!main.titleButton(1)->isEnabled());
    QVERIFY(!main.titleButton(2)->isEnabled());
    QVERIFY(main.titleButton(3)->isEnabled());
    QCOMPARE(main.titleButton(3)->textColor(), QColor(0, 128, 0));
}

void HopdeckCommandsTest::driveWindowCancelChangesNothingButDetailUsesItsFolder()
{
    hopdeck::TfrmMain &main = openThreeTitles();
    m_series->addProgram("elsewhere/ZelkXC4.60", "zelkonxc");
    hopdeck::TfrmChangeDrive &drive = main.driveWindow();
    QTimer::singleShot(0, &drive, [this, &drive] {
        Browse(drive, m_series->path("elsewhere"));
        drive.findChild<QPushButton *>("btnCancel")->click();
    });
    main.btnChangeDriveClick();
    QCOMPARE(QString::fromStdString(main.baseFolder()), m_series->rootPath() + '/');
    QVERIFY(main.titleButton(1)->isEnabled());
    QVERIFY(!main.titleButton(3)->isEnabled());

    hopdeck::TfrmDetail &detail = main.detailWindow();
    QString shownFolder;
    QString thirdFolder;
    QTimer::singleShot(0, &detail, [&] {
        shownFolder = detail.findChild<QLabel *>("pnlDrive")->text();
        thirdFolder = detail.cellText(3, 6);
        detail.findChild<QPushButton *>("btnClose")->click();
    });
    main.btnShowClick();
    QCOMPARE(shownFolder, m_series->path("elsewhere") + '/');
    QCOMPARE(thirdFolder, QStringLiteral("ZelkXC4.60"));
    QVERIFY(main.titleButton(3)->isEnabled());
    QVERIFY(!main.titleButton(1)->isEnabled());
}

void HopdeckCommandsTest::downloadPageOpensInTheBrowser()
{
    hopdeck::TfrmMain &main = openThreeTitles();
    m_series->addFile("hopdeck/Index.HTM", "<html></html>");
    QTest::mouseClick(main.findChild<QPushButton *>("btnDownLoad"), Qt::LeftButton);
    QCOMPARE(m_series->actions.documents, QStringList{m_series->startPath() + "/Index.HTM"});
}

void HopdeckCommandsTest::downloadPageMissingOrWithoutProgram()
{
    hopdeck::TfrmMain &main = openThreeTitles();
    const std::string page = m_series->startPath().toStdString() + "/index.htm";
    m_series->prompter.expectMessage("ファイル " + page + " が見つかりません");
    main.btnDownLoadClick();
    QVERIFY(m_series->actions.documents.isEmpty());

    m_series->addFile("hopdeck/index.htm", "<html></html>");
    m_series->actions.documentsOpen = false;
    m_series->prompter.expectMessage(page + " を開くプログラムが見つかりません");
    main.btnDownLoadClick();
    QCOMPARE(m_series->actions.documents.size(), 1);
}

void HopdeckCommandsTest::helpShowsTheHelpFile()
{
    hopdeck::TfrmMain &main = openThreeTitles();
    m_series->addFile("hopdeck/ZELKHOPD.html",
                      "<html><head><meta charset=\"utf-8\"></head><body><h1>"
                          + U("ランチャーの使い方").toUtf8() + "</h1></body></html>");
    QTest::mouseClick(main.findChild<QPushButton *>("btnHelp"), Qt::LeftButton);
    hopdeck::HelpWindow &help = main.helpWindow();
    QVERIFY(help.isVisible());
    QVERIFY(help.browser()->toPlainText().contains(U("ランチャーの使い方")));
}

void HopdeckCommandsTest::helpFileMissing()
{
    hopdeck::TfrmMain &main = openThreeTitles();
    m_series->prompter.expectMessage("ファイル " + m_series->startPath().toStdString()
                                     + "/ZELKHOPD.html が見つかりません");
    main.btnHelpClick();
}

void HopdeckCommandsTest::endClosesTheWindow()
{
    hopdeck::TfrmMain &main = openThreeTitles();
    QVERIFY(main.isVisible());
    QTest::mouseClick(main.findChild<QPushButton *>("btnEnd"), Qt::LeftButton);
    QVERIFY(!main.isVisible());
}

} // namespace zelkon::test

QTEST_MAIN(zelkon::test::HopdeckCommandsTest)
#include "commands_test.moc"
