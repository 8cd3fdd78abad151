// The mouse over a worksheet's page: dragging a graph to a new place and saving it there,
// marking a graph or a region for the copy area's "コピー" and Ctrl+C, and the whole page to the
// clipboard.
#include "sheet_fixture.h"

#include "common/cp932.h"
#include "sheet/printm.h"
#include "shell/main.h"
#include "shell/main_seams.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

namespace zelkon::test {

namespace {

using Corners = std::pair<QPoint, QPoint>;

QImage Rgb(const QImage &image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

QAction *MenuItem(TfrmPrintM *sheet, const char *menu, const char *utf8Text)
{
    for (QAction *item : sheet->findChild<QMenu *>(menu)->actions())
        if (item->text() == QString::fromUtf8(utf8Text))
            return item;
    return nullptr;
}

} // namespace

class PrintMGraphsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void draggedGraphIsPlacedWrittenAndSaved();
    void clickOnAGraphMovesNothing();
    void markedRegionIsCopiedByCtrlC();
    void clickOnThePageMarksNothing();
    void rightClickMarksTheGraphWithItsFrame();
    void copyButtonsFollowTheActiveSheet();
    void wholePageGoesToTheClipboard();
    void openCopyFileIsOnTheSheetsMenu();

private:
    TfrmMain &main() { return m_fixture->main(); }
    QLabel *page(TfrmPrintM *sheet) { return sheet->findChild<QLabel *>("Image1"); }
    QLabel *figure(TfrmPrintM *sheet, int k)
    {
        return sheet->findChild<QLabel *>(QStringLiteral("imgFig%1").arg(k));
    }
    QWidget *mark(TfrmPrintM *sheet) { return sheet->findChild<QWidget *>("shpMark"); }
    /// Marks the region from `from` to `to` on the page with the left button.
    void markRegion(TfrmPrintM *sheet, QPoint from, QPoint to);

    std::unique_ptr<SheetFixture> m_fixture;
};

void PrintMGraphsTest::initTestCase()
{
    PrepareSheetTests();
}

void PrintMGraphsTest::init()
{
    m_fixture = std::make_unique<SheetFixture>();
    QGuiApplication::clipboard()->clear();
}

void PrintMGraphsTest::cleanup()
{
    DropAndReport(m_fixture);
}

void PrintMGraphsTest::markRegion(TfrmPrintM *sheet, QPoint from, QPoint to)
{
    SendMouse(page(sheet), QEvent::MouseButtonPress, from);
    SendMouse(page(sheet), QEvent::MouseMove, (from + to) / 2);
    SendMouse(page(sheet), QEvent::MouseMove, to);
    SendMouse(page(sheet), QEvent::MouseButtonRelease, to);
}

void PrintMGraphsTest::draggedGraphIsPlacedWrittenAndSaved()
{
    m_fixture->open(0, 0, 3);
    TfrmPrintM *sheet = m_fixture->active();
    QLabel *map = figure(sheet, 1);
    const QSize size = map->size();
    QCOMPARE(map->geometry(), QRect(QPoint(410, 105), size));

    // Pressed: the picture gives way to its outline, one pixel around it.
    SendMouse(map, QEvent::MouseButtonPress, QPoint(5, 5));
    QVERIFY(!map->isVisibleTo(sheet));
    QVERIFY(mark(sheet)->isVisibleTo(sheet));
    QCOMPARE(mark(sheet)->geometry(), page(sheet)->rect());
    QVERIFY(!sheet->sheet().modified);

    // The outline follows the mouse; at the end the picture stands where it was dropped.
    SendMouse(page(sheet), QEvent::MouseMove, QPoint(430, 130));
    SendMouse(page(sheet), QEvent::MouseMove, QPoint(445, 150));
    SendMouse(page(sheet), QEvent::MouseButtonRelease, QPoint(445, 150));

    QVERIFY(!mark(sheet)->isVisibleTo(sheet));
    QVERIFY(map->isVisibleTo(sheet));
    QCOMPARE(map->geometry(), QRect(QPoint(440, 145), size));
    const std::vector<std::string> &lines = sheet->sheet().graphLines;
    QCOMPARE(lines, (std::vector<std::string>{"Map1.bmp", "440", "145"}));
    QCOMPARE(sheet->sheet().answerGraphLines,
             (std::vector<std::string>{"Map1A.bmp", "410", "105"}));
    QVERIFY(sheet->sheet().modified);
    // The page picture itself carries the graph at its new place.
    const QImage shown = Rgb(QImage(m_fixture->shell.file("chiri/Graph/Map1A.bmp")));
    QCOMPARE(Rgb(sheet->pageImage().copy(QRect(QPoint(440, 145), QSize(40, 40)))),
             shown.copy(0, 0, 40, 40));

    QTest::mouseClick(main().findChild<QPushButton *>("btnSave"), Qt::LeftButton);
    QTest::mouseClick(main().findChild<QPushButton *>("btnOverwrite"), Qt::LeftButton);
    QVERIFY(!sheet->sheet().modified);
    const QString file
        = QString::fromStdString(Cp932ToUtf8(m_fixture->bytes("chiri/ch1.que").toStdString()));
    QVERIFY(file.contains("<<graph\r\nMap1.bmp\r\n440\r\n145\r\n>>\r\n"));
    QVERIFY(file.contains("<<AGraph\r\nMap1A.bmp\r\n410\r\n105\r\n>>\r\n"));
}

void PrintMGraphsTest::clickOnAGraphMovesNothing()
{
    m_fixture->open(0, 0, 3);
    TfrmPrintM *sheet = m_fixture->active();
    QLabel *map = figure(sheet, 1);
    const QRect place = map->geometry();

    // A shaking hand moves the mouse by a pixel or two during a click.
    SendMouse(map, QEvent::MouseButtonPress, QPoint(5, 5));
    SendMouse(page(sheet), QEvent::MouseMove, QPoint(416, 111));
    SendMouse(page(sheet), QEvent::MouseButtonRelease, QPoint(416, 111));

    QVERIFY(map->isVisibleTo(sheet));
    QCOMPARE(map->geometry(), place);
    QCOMPARE(sheet->sheet().graphLines, (std::vector<std::string>{"Map1.bmp", "410", "105"}));
    QVERIFY(!sheet->sheet().modified);
    QVERIFY(!mark(sheet)->isVisibleTo(sheet));
}

void PrintMGraphsTest::markedRegionIsCopiedByCtrlC()
{
    m_fixture->open(0, 0, 0);
    TfrmPrintM *sheet = m_fixture->active();
    QVERIFY(!main().copyButtonsEnabled());

    markRegion(sheet, QPoint(250, 300), QPoint(100, 200));
    QVERIFY(main().copyButtonsEnabled());
    QCOMPARE(sheet->selectionCorners(), Corners(QPoint(250, 300), QPoint(100, 200)));
    QVERIFY(mark(sheet)->isVisibleTo(sheet));
    QVERIFY(!sheet->sheet().modified);

    // Only Ctrl alone copies.
    QTest::keyClick(sheet, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(QGuiApplication::clipboard()->image().isNull());
    QVERIFY(main().copyButtonsEnabled());

    QTest::keyClick(sheet, Qt::Key_C, Qt::ControlModifier);
    const QImage copied = QGuiApplication::clipboard()->image();
    QCOMPARE(copied.size(), QSize(149, 99));
    // The outline is no part of the page: the copy is the page's own pixels.
    QCOMPARE(Rgb(copied), Rgb(sheet->pageImage().copy(101, 201, 149, 99)));
    QVERIFY(!main().copyButtonsEnabled());
    QVERIFY(!mark(sheet)->isVisibleTo(sheet));
    QCOMPARE(sheet->selectionCorners(), Corners());
}

void PrintMGraphsTest::clickOnThePageMarksNothing()
{
    m_fixture->open(0, 0, 0);
    TfrmPrintM *sheet = m_fixture->active();
    markRegion(sheet, QPoint(100, 100), QPoint(300, 300));
    QVERIFY(main().copyButtonsEnabled());

    // A press drops the old mark at once; a click without a drag marks no empty region.
    SendMouse(page(sheet), QEvent::MouseButtonPress, QPoint(50, 50));
    QVERIFY(!main().copyButtonsEnabled());
    QVERIFY(!mark(sheet)->isVisibleTo(sheet));
    SendMouse(page(sheet), QEvent::MouseButtonRelease, QPoint(51, 51));
    QVERIFY(!main().copyButtonsEnabled());
    QVERIFY(!mark(sheet)->isVisibleTo(sheet));
    QCOMPARE(sheet->selectionCorners(), Corners());

    // "キャンセル" drops a mark too.
    markRegion(sheet, QPoint(100, 100), QPoint(300, 300));
    QTest::mouseClick(main().findChild<QPushButton *>("btnCopyCancel"), Qt::LeftButton);
    QVERIFY(!main().copyButtonsEnabled());
    QVERIFY(!mark(sheet)->isVisibleTo(sheet));
    QVERIFY(QGuiApplication::clipboard()->image().isNull());
}

void PrintMGraphsTest::rightClickMarksTheGraphWithItsFrame()
{
    m_fixture->open(0, 0, 3);
    TfrmPrintM *sheet = m_fixture->active();
    QLabel *map = figure(sheet, 1);
    const QRect place = map->geometry();

    SendMouse(map, QEvent::MouseButtonPress, QPoint(20, 20), Qt::RightButton);
    SendMouse(map, QEvent::MouseButtonRelease, QPoint(20, 20), Qt::RightButton);

    QVERIFY(map->isVisibleTo(sheet));
    QVERIFY(main().copyButtonsEnabled());
    QCOMPARE(sheet->selectionCorners(),
             Corners(place.topLeft() - QPoint(1, 1), place.bottomRight() + QPoint(2, 2)));
    QTest::mouseClick(main().findChild<QPushButton *>("btnCopy"), Qt::LeftButton);
    const QImage copied = QGuiApplication::clipboard()->image();
    QCOMPARE(copied.size(), place.size() + QSize(1, 1));
    QCOMPARE(Rgb(copied).copy(QRect(QPoint(), place.size())),
             Rgb(map->pixmap().toImage()).scaled(place.size()));
    QVERIFY(!main().copyButtonsEnabled());
    QVERIFY(!sheet->sheet().modified);
}

void PrintMGraphsTest::copyButtonsFollowTheActiveSheet()
{
    m_fixture->open(0, 0, 0);
    TfrmPrintM *marked = m_fixture->active();
    markRegion(marked, QPoint(100, 100), QPoint(300, 300));
    m_fixture->open(0, 0, 1);
    TfrmPrintM *other = m_fixture->active();
    QVERIFY(other != marked);
    QVERIFY(!main().copyButtonsEnabled());

    main().mdiArea()->setActiveSubWindow(marked);
    QVERIFY(main().copyButtonsEnabled());
    QCOMPARE(marked->selectionCorners(), Corners(QPoint(100, 100), QPoint(300, 300)));

    // Marking on a sheet that is not active makes it the active one first.
    markRegion(other, QPoint(10, 10), QPoint(60, 60));
    QCOMPARE(main().activeSheet(), static_cast<SheetWindow *>(other));
    QTest::mouseClick(main().findChild<QPushButton *>("btnCopy"), Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->image().size(), QSize(49, 49));

    // The mark leaves with the last sheet.
    main().mdiArea()->setActiveSubWindow(marked);
    QVERIFY(main().copyButtonsEnabled());
    QTest::mouseClick(main().findChild<QPushButton *>("btnClose"), Qt::LeftButton);
    QTest::mouseClick(main().findChild<QPushButton *>("btnClose"), Qt::LeftButton);
    QVERIFY(main().openSheetList().empty());
    QVERIFY(!main().copyButtonsEnabled());
}

void PrintMGraphsTest::wholePageGoesToTheClipboard()
{
    m_fixture->open(0, 0, 3);
    TfrmPrintM *sheet = m_fixture->active();
    markRegion(sheet, QPoint(100, 100), QPoint(300, 300));
    QAction *item = MenuItem(sheet, "mnuEdit", "ｸﾘｯﾌﾟﾎﾞｰﾄﾞへｺﾋﾟｰ(&B)");
    QVERIFY(item);
    item->trigger();
    const QImage copied = QGuiApplication::clipboard()->image();
    QCOMPARE(copied.size(), QSize(630, 891));
    QCOMPARE(Rgb(copied), Rgb(sheet->pageImage()));
}

void PrintMGraphsTest::openCopyFileIsOnTheSheetsMenu()
{
    int browsed = 0;
    m_fixture->shell.zelkon->seams().browseCopyFile = [&browsed] {
        ++browsed;
        return std::optional<std::string>();
    };
    m_fixture->open(0, 0, 0);
    TfrmPrintM *sheet = m_fixture->active();
    QAction *item = MenuItem(sheet, "mnuFile", "コピーファイルを開く(&P)");
    QVERIFY(item);
    item->trigger();
    QCOMPARE(browsed, 1);

    // In student mode the sheet's menu, and this item with it, is gone.
    QTest::mouseClick(main().findChild<QPushButton *>("btnLock"), Qt::LeftButton);
    QVERIFY(!sheet->findChild<QMenuBar *>("mnuMain")->isVisibleTo(sheet));
    QTest::mouseClick(main().findChild<QPushButton *>("btnLock"), Qt::LeftButton);
}

} // namespace zelkon::test

QTEST_MAIN(zelkon::test::PrintMGraphsTest)
#include "printm_graphs_test.moc"
