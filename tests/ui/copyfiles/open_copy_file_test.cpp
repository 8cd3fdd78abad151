// Opening a copy file from the main window's menu on a copy of the demo courseware: the item in
// the File menu, the browser it shows, the worksheet it opens, Cancel, and student mode.
#include "shell_fixture.h"

#include "copyfiles/openprp.h"
#include "shell/main.h"
#include "shell/sheet_window.h"
#include "support/test_support.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace zelkon::test {

class TestOpenCopyFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void menuItemOpensTheChosenCopyFile();
    void cancelOpensNothing();
    void studentModeHidesTheItemWithItsMenu();

private:
    TfrmMain &main() { return m_fixture->zelkon->mainWindow(); }
    TfrmOpenPRP &browser() { return m_fixture->zelkon->copyFileBrowser(); }
    QAction *openCopyItem();
    /// Chooses "コピーファイルを開く(&P)" and runs `inBrowser` in the browser it shows; a
    /// browser still open afterwards is cancelled.
    void openCopy(const std::function<void()> &inBrowser);

    std::unique_ptr<ShellFixture> m_fixture;
};

void TestOpenCopyFile::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    qApp->setQuitOnLastWindowClosed(false);
}

void TestOpenCopyFile::init()
{
    m_fixture = std::make_unique<ShellFixture>();
    const QDir demo(ZELKON_DEMO_DIR);
    for (const QString &lesson : demo.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        QVERIFY(CopyFolder(demo.filePath(lesson), m_fixture->file(lesson)));
    // A sheet saved from the geography lesson, where copy files of the lesson lie.
    WriteCp932File(m_fixture->file("chiri/mine.prp").toStdString(),
                   {"[[unitX",
                    "<<header",
                    "わたしのプリント",
                    "中学校",
                    "　年　組　氏名",
                    ">>",
                    "<<ques",
                    "札幌は　#　北海道　#　の道庁所在地",
                    ">>",
                    "<<ans",
                    ">>",
                    "]]"});
    QVERIFY(m_fixture->makeAndStart());
}

void TestOpenCopyFile::cleanup()
{
    const std::vector<std::string> problems = m_fixture->prompter.problems();
    m_fixture.reset();
    for (const std::string &problem : problems)
        QFAIL(problem.c_str());
}

QAction *TestOpenCopyFile::openCopyItem()
{
    for (QAction *item : main().findChild<QMenu *>("mnuFile")->actions())
        if (item->text() == QString::fromUtf8("コピーファイルを開く(&P)"))
            return item;
    return nullptr;
}

void TestOpenCopyFile::openCopy(const std::function<void()> &inBrowser)
{
    QAction *item = openCopyItem();
    QVERIFY(item);
    QTimer::singleShot(0, &browser(), [this, inBrowser] {
        QApplication::setActiveWindow(&browser());
        inBrowser();
        if (browser().isVisible())
            browser().reject();
    });
    item->trigger();
}

void TestOpenCopyFile::menuItemOpensTheChosenCopyFile()
{
    const std::string path = m_fixture->program->state.programFolder + "chiri\\mine.prp";
    openCopy([&] {
        auto *files = browser().findChild<QListWidget *>("flbPRP");
        QCOMPARE(files->count(), 1);
        QCOMPARE(files->item(0)->text(), QString("mine.prp"));
        QCOMPARE(browser().fileName(), path);
        QTest::mouseClick(browser().findChild<QPushButton *>("btnOk"), Qt::LeftButton);
    });

    SheetWindow *sheet = main().activeSheet();
    QVERIFY(sheet);
    QCOMPARE(sheet->sheet().filePath, path);
    QVERIFY(sheet->sheet().openedAsCopyFile);
    QCOMPARE(U(sheet->sheet().unitCaption), std::string("わたしのプリント"));
    QCOMPARE(main().openSheetList(), std::vector<std::string>{path});
    QCOMPARE(m_fixture->program->state.lastCopyFileName, std::string("mine.prp"));
    QCOMPARE(m_fixture->program->state.lastCopyFilePosition, 0);
    QVERIFY(m_fixture->program->state.answersShown);
}

void TestOpenCopyFile::cancelOpensNothing()
{
    openCopy([&] {
        QTest::mouseClick(browser().findChild<QPushButton *>("btnCancel"), Qt::LeftButton);
    });

    QVERIFY(!main().activeSheet());
    QVERIFY(main().openSheetList().empty());
    QCOMPARE(m_fixture->program->state.lastCopyFileName, std::string());
}

void TestOpenCopyFile::studentModeHidesTheItemWithItsMenu()
{
    QMenu *fileMenu = main().findChild<QMenu *>("mnuFile");
    QVERIFY(openCopyItem());
    QVERIFY(fileMenu->menuAction()->isVisible());

    main().applyLock(/*locked=*/true);
    QVERIFY(!fileMenu->menuAction()->isVisible());

    main().applyLock(/*locked=*/false);
    QVERIFY(fileMenu->menuAction()->isVisible());
    QVERIFY(openCopyItem()->isVisible());
}

} // namespace zelkon::test

QTEST_MAIN(zelkon::test::TestOpenCopyFile)
#include "open_copy_file_test.moc"
