// The launcher's main window: start-up from the title list, the title buttons and their
// colours, starting a title's program in its folder, and the install button.
#include "series_fixture.h"

#include "hopdeck/detail.h"
#include "hopdeck/title_button.h"
#include "launcher/title_grid.h"

#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QtTest>

namespace zelkon::test {

namespace {

QString StartedIn(const QString &folder)
{
    QFile file(folder + '/' + kStartedFile);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLocal8Bit(file.readAll()).trimmed();
}

} // namespace

class HopdeckMainTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startUpLaysOutTheWindowAndColoursTheButtons();
    void badTitleLinesAreReportedAndSkipped();
    void missingTitleListLeavesAnEmptyWindow();
    void thirteenTitlesTakeThreeNarrowColumns();
    void clickStartsTheProgramInItsFolder_data();
    void clickStartsTheProgramInItsFolder();
    void titleFoundTwiceStartsTheLastFolder();
    void titleNotInstalledCannotBeClicked();
    void pressedLookLastsUntilTheWindowRepaints();
    void installButtonOnlyOnACdRom();
    void installButton_data();
    void installButton();

private:
    std::unique_ptr<SeriesFixture> m_series;
};

void HopdeckMainTest::initTestCase()
{
    qApp->setQuitOnLastWindowClosed(false);
}

void HopdeckMainTest::init()
{
    m_series = std::make_unique<SeriesFixture>();
}

void HopdeckMainTest::cleanup()
{
    const std::vector<std::string> problems = m_series->prompter.problems();
    for (const std::string &p : problems)
        qWarning("%s", p.c_str());
    QVERIFY(problems.empty());
    m_series.reset();
}

void HopdeckMainTest::startUpLaysOutTheWindowAndColoursTheButtons()
{
    m_series->writeTitles({"日本の地理,ZelkonXA,4.60,XA",
                           "日本の歴史,zelkonxb,4.60,XB",
                           "公民,zelkonxc,4.60,XC",
                           "世界の地理,zelkonxd,1.00,XD"});
    m_series->addProgram("ZelkXA4.50", "zelkonxa");
    m_series->addProgram("ZelkXB4.60", "Zelkonxb.EXE");
    m_series->addFile("ZelkXC4.60/zelkonxc.exe", "not a program"); // not executable
    hopdeck::TfrmMain &main = m_series->open();

    QCOMPARE(main.windowTitle(), U("テスト シリーズ"));
    QCOMPARE(main.size(), QSize(800, 450));
    QCOMPARE(main.findChild<QFrame *>("pnlMain")->geometry(), QRect(0, 0, 129, 400));
    QCOMPARE(main.findChild<QLabel *>("imgPict")->geometry(), QRect(144, 16, 641, 393));
    QVERIFY(!main.findChild<QPushButton *>("btnInstall")->isVisible());
    QCOMPARE(QString::fromStdString(main.baseFolder()), m_series->rootPath() + '/');

    const TitleGrid grid = FitTitleButtons(4);
    const struct
    {
        const char *title;
        bool found;
    } rows[] = {{"日本の地理", true}, {"日本の歴史", true}, {"公民", false}, {"世界の地理", false}};
    for (int n = 1; n <= 4; ++n) {
        const auto &row = rows[n - 1];
        hopdeck::TitleButton *b = main.titleButton(n);
        QVERIFY(b);
        QCOMPARE(main.findChild<hopdeck::TitleButton *>(QStringLiteral("Btn%1").arg(n)), b);
        QCOMPARE(b->text(), QString(8, ' ') + U(row.title));
        const TitleButtonPlace &place = grid.buttons[std::size_t(n - 1)];
        QCOMPARE(b->geometry(), QRect(place.left, place.top, place.width, place.height));
        QCOMPARE(b->isEnabled(), row.found);
        QCOMPARE(b->textColor(), row.found ? QColor(0, 128, 0) : QColor(255, 255, 255));
        QCOMPARE(b->palette().color(QPalette::Disabled, QPalette::WindowText), b->textColor());
        QLabel *image = b->findChild<QLabel *>(QStringLiteral("Img%1").arg(n));
        QVERIFY(image);
        QCOMPARE(image->geometry(), QRect(0, 6, 25, 17));
        QVERIFY(image->pixmap().isNull());
    }
    QCOMPARE(main.titleButton(1)->geometry(), QRect(588, 190, 187, 33));
    QVERIFY(!main.titleButton(5));
}

void HopdeckMainTest::badTitleLinesAreReportedAndSkipped()
{
    m_series->writeTitles({"a,b,c", "日本の地理,zelkonxa,4.60,XA", "a,b,c,d,e"});
    m_series->prompter.expectMessage("a,b,c DATAが不正です")
        .expectMessage("a,b,c,d,e DATAが不正です");
    hopdeck::TfrmMain &main = m_series->open();
    QCOMPARE(main.titleIndex().titles.size(), std::size_t(1));
    QVERIFY(main.titleButton(1));
    QVERIFY(!main.titleButton(2));
}

void HopdeckMainTest::missingTitleListLeavesAnEmptyWindow()
{
    m_series->prompter.expectAnyMessage();
    hopdeck::TfrmMain &main = m_series->open();
    QVERIFY(QString::fromStdString(m_series->prompter.shown().at(0)).contains("ZKLindex.txt"));
    QCOMPARE(main.windowTitle(), U("Zelkon++ 社会"));
    QVERIFY(!main.titleButton(1));
    QVERIFY(main.isVisible());
    // The commands still work: the detail window lists nothing.
    QTimer::singleShot(0, &main.detailWindow(), [&main] { main.detailWindow().accept(); });
    main.btnShowClick();
}

void HopdeckMainTest::thirteenTitlesTakeThreeNarrowColumns()
{
    std::vector<std::string> lines;
    for (int n = 1; n <= 13; ++n)
        lines.push_back("タイトル" + std::to_string(n) + ",prog" + std::to_string(n) + ",1.00,T");
    m_series->writeTitles(lines);
    hopdeck::TfrmMain &main = m_series->open();
    QCOMPARE(main.titleButton(1)->geometry(), QRect(210, 75, 137, 33));
    QCOMPARE(main.titleButton(7)->geometry(), QRect(372, 75, 137, 33));
    QCOMPARE(main.titleButton(13)->geometry(), QRect(534, 75, 137, 33));
    QCOMPARE(main.titleButton(6)->geometry(), QRect(210, 340, 137, 33));
}

void HopdeckMainTest::clickStartsTheProgramInItsFolder_data()
{
    QTest::addColumn<QString>("programFile");
    QTest::newRow("with .exe") << "Prog1.EXE";
    QTest::newRow("without .exe") << "prog1";
}

void HopdeckMainTest::clickStartsTheProgramInItsFolder()
{
    QFETCH(QString, programFile);
    m_series->writeTitles({"日本の地理,PROG1,4.60,XA"});
    m_series->addProgram("ABCDEF4.60", programFile);
    hopdeck::TfrmMain &main = m_series->open();
    hopdeck::TitleButton *b = main.titleButton(1);
    QVERIFY(b->isEnabled());

    QTest::mouseClick(b, Qt::LeftButton);
    QCOMPARE(b->textColor(), QColor(0, 0, 255));
    const QString folder = m_series->path("ABCDEF4.60");
    QCOMPARE(m_series->actions.programs, QStringList{folder + '/' + programFile});
    QTRY_COMPARE_WITH_TIMEOUT(StartedIn(folder), QDir(folder).canonicalPath(), 10000);
}

void HopdeckMainTest::titleFoundTwiceStartsTheLastFolder()
{
    m_series->writeTitles({"日本の歴史,zelkonxb,4.60,XB"});
    m_series->addProgram("ZelkXB4.50", "zelkonxb.exe");
    m_series->addProgram("zelkxb4.60", "zelkonxb");
    hopdeck::TfrmMain &main = m_series->open();
    QTest::mouseClick(main.titleButton(1), Qt::LeftButton);
    const QString last = m_series->path("zelkxb4.60");
    QTRY_COMPARE_WITH_TIMEOUT(StartedIn(last), QDir(last).canonicalPath(), 10000);
    QCOMPARE(m_series->actions.folders, QStringList{last});
    QVERIFY(StartedIn(m_series->path("ZelkXB4.50")).isEmpty());
}

void HopdeckMainTest::titleNotInstalledCannotBeClicked()
{
    m_series->writeTitles({"公民,zelkonxc,4.60,XC"});
    hopdeck::TfrmMain &main = m_series->open();
    hopdeck::TitleButton *b = main.titleButton(1);
    QTest::mouseClick(b, Qt::LeftButton);
    // Even called directly, a title without a program starts nothing.
    main.titleButtonClick(1);
    QVERIFY(m_series->actions.programs.isEmpty());
}

void HopdeckMainTest::pressedLookLastsUntilTheWindowRepaints()
{
    m_series->writeTitles({"日本の地理,prog1,4.60,XA", "日本の歴史,prog2,4.60,XB"});
    m_series->addProgram("ABCDEF4.60", "prog1");
    hopdeck::TfrmMain &main = m_series->open();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QCOMPARE(main.titleButton(1)->lineWidth(), 3);
    QTest::mouseClick(main.titleButton(1), Qt::LeftButton);
    QCOMPARE(main.titleButton(1)->lineWidth(), 1);
    main.repaint();
    QCOMPARE(main.titleButton(1)->lineWidth(), 3);
    QCOMPARE(main.titleButton(1)->textColor(), QColor(0, 0, 255)); // blue until the next search
    QTRY_VERIFY_WITH_TIMEOUT(!StartedIn(m_series->path("ABCDEF4.60")).isEmpty(), 10000);
}

void HopdeckMainTest::installButtonOnlyOnACdRom()
{
    m_series->writeTitles({"日本の地理,prog1,4.60,XA", "日本の歴史,prog2,4.60,XB"});
    // On a disc the titles sit in the start folder's own sub-folders.
    m_series->addProgram("hopdeck/ABCDEF4.60", "prog1");
    m_series->addProgram("ABCDEF4.60", "prog2");
    hopdeck::TfrmMain &onDisc = m_series->open(/*onCdRom=*/true);
    QVERIFY(onDisc.findChild<QPushButton *>("btnInstall")->isVisible());
    QCOMPARE(onDisc.findChild<QPushButton *>("btnInstall")->toolTip(),
             U("ハードディスクへインストールする"));
    QVERIFY(onDisc.titleButton(1)->isEnabled());
    QVERIFY(!onDisc.titleButton(2)->isEnabled());
    QCOMPARE(QString::fromStdString(onDisc.baseFolder()), m_series->startPath() + '/');

    hopdeck::TfrmMain &onDisk = m_series->open(/*onCdRom=*/false);
    QVERIFY(!onDisk.findChild<QPushButton *>("btnInstall")->isVisible());
    QVERIFY(!onDisk.titleButton(1)->isEnabled());
    QVERIFY(onDisk.titleButton(2)->isEnabled());
}

void HopdeckMainTest::installButton_data()
{
    QTest::addColumn<QStringList>("programs");
    QTest::addColumn<QString>("installer");
    QTest::addColumn<bool>("starts");
    QTest::newRow("only the launcher") << QStringList{"hopdeck.exe"} << "ZelkQuxx.exe" << false;
    QTest::newRow("installer beside the launcher")
        << QStringList{"hopdeck.exe", "ZelkQu01.exe"} << "ZelkQu01.exe" << true;
    QTest::newRow("another program")
        << QStringList{"hopdeck.exe", "setup.exe"} << "setup.exe" << false;
}

void HopdeckMainTest::installButton()
{
    QFETCH(QStringList, programs);
    QFETCH(QString, installer);
    QFETCH(bool, starts);
    m_series->writeTitles({"日本の地理,prog1,4.60,XA"});
    for (const QString &program : programs)
        m_series->addProgram("hopdeck", program);
    // The installer runs in the home folder: a home of the test's own.
    const QString home = m_series->path("home");
    QDir().mkpath(home);
    const QByteArray realHome = qgetenv("HOME");
    qputenv("HOME", home.toLocal8Bit());
    const auto restoreHome = qScopeGuard([realHome] { qputenv("HOME", realHome); });
    hopdeck::TfrmMain &main = m_series->open(/*onCdRom=*/true);
    const QString path = m_series->startPath() + '/' + installer;
    if (!starts)
        m_series->prompter.expectMessage(path.toStdString() + "インストールファイルがありません");

    QTest::mouseClick(main.findChild<QPushButton *>("btnInstall"), Qt::LeftButton);
    if (!starts) {
        QVERIFY(m_series->actions.programs.isEmpty());
        return;
    }
    QCOMPARE(m_series->actions.programs, QStringList{path});
    QCOMPARE(m_series->actions.folders, QStringList{home});
    QTRY_COMPARE_WITH_TIMEOUT(StartedIn(home), QDir(home).canonicalPath(), 10000);
}

} // namespace zelkon::test

QTEST_MAIN(zelkon::test::HopdeckMainTest)
#include "main_test.moc"
