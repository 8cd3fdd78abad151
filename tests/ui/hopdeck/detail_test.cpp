// The detail window: its cells after the detail command's search, its size and place, and the
// printout through a real QPrinter into PDF files.
#include "series_fixture.h"

#include "hopdeck/detail.h"

#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include <functional>

namespace zelkon::test {

class HopdeckDetailTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void cellsOfInstalledTwiceFoundAndMissingTitles();
    void windowTakesTheMainWindowsPlace();
    void everyDetailCommandCountsAfresh();
    void printoutHasAHeaderAndALinePerTitle();
    void longTableGoesOnToAnotherPage();
    void printCancelledPrintsNothing();
    void printThatCannotBeginIsReported();

private:
    hopdeck::TfrmMain &openFourTitles();
    /// Presses "詳細" and runs `act` on the detail window while it is shown; then closes it.
    void whileShown(const std::function<void(hopdeck::TfrmDetail &)> &act);
    std::unique_ptr<SeriesFixture> m_series;
};

void HopdeckDetailTest::initTestCase()
{
    qApp->setQuitOnLastWindowClosed(false);
    QVERIFY2(!QStandardPaths::findExecutable("pdftotext").isEmpty(), "poppler-utils is missing");
}

void HopdeckDetailTest::init()
{
    m_series = std::make_unique<SeriesFixture>();
}

void HopdeckDetailTest::cleanup()
{
    const std::vector<std::string> problems = m_series->prompter.problems();
    for (const std::string &p : problems)
        qWarning("%s", p.c_str());
    QVERIFY(problems.empty());
    m_series.reset();
}

hopdeck::TfrmMain &HopdeckDetailTest::openFourTitles()
{
    m_series->writeTitles({"日本の地理,zelkonxa,4.60,XA",
                           "日本の歴史,ZelkonXB,4.60,XB",
                           "公民,zelkonxc,4.60,XC",
                           "世界の地理,zelkonxd,1.00,XD"});
    m_series->addProgram("ZelkXA4.50", "zelkonxa");
    m_series->addProgram("ABCDEF 2", "zelkonxb.exe");
    m_series->addProgram("ZelkXB4.60", "Zelkonxb");
    m_series->addProgram("ZelkXC", "zelkonxc");
    return m_series->open();
}

void HopdeckDetailTest::whileShown(const std::function<void(hopdeck::TfrmDetail &)> &act)
{
    hopdeck::TfrmDetail &detail = m_series->main().detailWindow();
    bool shown = false;
    QTimer::singleShot(0, &detail, [&] {
        shown = detail.isVisible();
        act(detail);
        detail.findChild<QPushButton *>("btnClose")->click();
    });
    QTest::mouseClick(m_series->main().findChild<QPushButton *>("btnShow"), Qt::LeftButton);
    QVERIFY(shown);
    QVERIFY(!detail.isVisible());
}

void HopdeckDetailTest::cellsOfInstalledTwiceFoundAndMissingTitles()
{
    openFourTitles();
    QStringList cells;
    int rows = 0;
    whileShown([&](hopdeck::TfrmDetail &detail) {
        rows = detail.rowCount();
        for (int r = 0; r < rows; ++r) {
            QStringList row;
            for (int c = 0; c < 7; ++c)
                row << detail.cellText(r, c);
            cells << row.join('|');
        }
    });
    QCOMPARE(rows, 5);
    const QStringList expected = {
        U("単元名|実行ファイル名|Ver|最新|属性|重複|フォルダ名"),
        U("日本の地理|zelkonxa.exe|4.50|4.60||0|ZelkXA4.50"),
        // In "ABCDEF 2" and "ZelkXB4.60": the last folder, one copy more.
        U("日本の歴史|zelkonxb.exe|4.60|4.60||1|ZelkXB4.60"),
        // A folder name of six characters tells no version.
        U("公民|zelkonxc.exe||4.60||0|ZelkXC"),
        U("世界の地理|zelkonxd.exe||1.00|not installed||"),
    };
    QCOMPARE(cells, expected);
}

void HopdeckDetailTest::windowTakesTheMainWindowsPlace()
{
    hopdeck::TfrmMain &main = openFourTitles();
    QRect geometry;
    QRect grid;
    QString caption;
    QString folder;
    QString lastUpdate;
    bool readOnly = false;
    QList<int> widths;
    QList<int> needed; // the widest text of each column, header included
    int rowHeight = 0;
    whileShown([&](hopdeck::TfrmDetail &detail) {
        geometry = detail.geometry();
        caption = detail.windowTitle();
        auto *table = detail.findChild<QTableWidget *>("stgDetail");
        grid = table->geometry();
        const QFontMetrics metrics(table->font());
        for (int c = 0; c < table->columnCount(); ++c) {
            widths << table->columnWidth(c);
            int widest = 0;
            for (int r = 0; r < detail.rowCount(); ++r)
                widest = std::max(widest, metrics.horizontalAdvance(detail.cellText(r, c)));
            needed << widest;
        }
        rowHeight = table->rowHeight(0);
        folder = detail.findChild<QLabel *>("pnlDrive")->text();
        auto *edit = detail.findChild<QLineEdit *>("edtLastUpdate");
        lastUpdate = edit->text();
        readOnly = edit->isReadOnly();
    });
    QCOMPARE(geometry, main.geometry());
    QCOMPARE(caption, QStringLiteral("ZelkTT HOPDECK"));
    QCOMPARE(grid.size(), QSize(740, 330));
    // The set widths, or more where a text would be cut.
    const QList<int> set = {155, 90, 30, 30, 70, 30, 300};
    QCOMPARE(widths.size(), set.size());
    for (int c = 0; c < set.size(); ++c) {
        QVERIFY2(widths[c] >= set[c], qPrintable(QString::number(c)));
        QVERIFY2(widths[c] > needed[c], qPrintable(QString::number(c)));
    }
    QCOMPARE(widths[0], 155);
    QCOMPARE(rowHeight, 24);
    QCOMPARE(folder, m_series->rootPath() + '/');
    QCOMPARE(lastUpdate, U("2005.11.15 更新"));
    QVERIFY(readOnly);
}

void HopdeckDetailTest::everyDetailCommandCountsAfresh()
{
    hopdeck::TfrmMain &main = openFourTitles();
    // Searches add up: start-up, and a look through the picture toggle.
    main.imgPictureClick();
    QCOMPARE(main.titleIndex().titles[1].timesFound, 4);
    for (int round = 0; round < 2; ++round) {
        QString copies;
        whileShown([&](hopdeck::TfrmDetail &detail) { copies = detail.cellText(2, 5); });
        QCOMPARE(copies, QStringLiteral("1"));
    }
}

void HopdeckDetailTest::printoutHasAHeaderAndALinePerTitle()
{
    openFourTitles();
    whileShown(
        [](hopdeck::TfrmDetail &detail) { detail.findChild<QPushButton *>("btnPrint")->click(); });
    const QString pdf = m_series->path("detail.pdf");
    QCOMPARE(m_series->printTarget->setUps, 1);
    QCOMPARE(PdfPages(pdf), 1);
    QStringList lines;
    for (const QString &line : PdfText(pdf).split('\n')) {
        if (!line.trimmed().isEmpty())
            lines << line.simplified();
    }
    // Blanks pad the columns; what the page shows are the words in their order.
    const QStringList expected = {
        U("□ 単元名 実行ファイル名 Ver / 最新"),
        U("□ 日本の地理 zelkonxa.exe 4.50 / 4.60"),
        U("□ 日本の歴史 zelkonxb.exe 4.60 / 4.60"),
        U("□ 公民 zelkonxc.exe / 4.60"),
        U("□ 世界の地理 zelkonxd.exe / 1.00"),
    };
    QCOMPARE(lines, expected);
}

void HopdeckDetailTest::longTableGoesOnToAnotherPage()
{
    std::vector<std::string> titles;
    for (int n = 1; n <= 50; ++n)
        titles.push_back("タイトル" + std::to_string(n) + ",prog" + std::to_string(n) + ",1.00,T");
    m_series->writeTitles(titles);
    m_series->open();
    // A page a quarter of A4 high holds about twenty lines.
    m_series->printTarget->printer().setPageSize(QPageSize(QSizeF(210, 74), QPageSize::Millimeter));
    whileShown([](hopdeck::TfrmDetail &detail) { detail.btnPrintClick(); });
    const QString pdf = m_series->path("detail.pdf");
    QVERIFY(PdfPages(pdf) >= 3);
    const QString text = PdfText(pdf);
    for (int n = 1; n <= 50; ++n)
        QVERIFY2(text.contains(U("タイトル") + QString::number(n) + ' '),
                 qPrintable(QString::number(n)));
    QVERIFY(text.contains(U("単元名")));
}

void HopdeckDetailTest::printCancelledPrintsNothing()
{
    openFourTitles();
    m_series->printTarget->confirm = false;
    whileShown([](hopdeck::TfrmDetail &detail) { detail.btnPrintClick(); });
    QCOMPARE(m_series->printTarget->setUps, 1);
    QVERIFY(!QFile::exists(m_series->path("detail.pdf")));
}

void HopdeckDetailTest::printThatCannotBeginIsReported()
{
    openFourTitles();
    const QString file = m_series->path("no such folder/detail.pdf");
    m_series->printTarget->printer().setOutputFileName(file);
    m_series->prompter.expectMessage(
        "印刷を開始できませんでした。プリンタか出力先のファイルを確かめてください\r\n"
        + file.toStdString());
    bool stillOpen = false;
    whileShown([&](hopdeck::TfrmDetail &detail) {
        detail.btnPrintClick();
        stillOpen = detail.isVisible();
    });
    QVERIFY(stillOpen);
}

} // namespace zelkon::test

QTEST_MAIN(zelkon::test::HopdeckDetailTest)
#include "detail_test.moc"
