// TfrmZenTangen opened from the unit selection window's "全単元表示": the tree with the unit
// list's marks and counts, the date, and printing with its running counter into PDF files.
#include "index/zentangen.h"

#include "common/path.h"
#include "courseware_fixture.h"
#include "index/menu.h"
#include "platform/print_target.h"
#include "platform/printer_pages.h"
#include "platform/qstring_cp932.h"
#include "support/pdf_print_target.h"

#include <QDate>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <functional>
#include <memory>

namespace zelkon::test {

namespace {

// The box around everything not white on the picture.
QRect InkedBox(const QImage &picture)
{
    QRect box;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (qGray(picture.pixel(x, y)) < 235)
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

class TestAllUnitsWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CoursewareFixture> f;
    std::unique_ptr<QWidget> frame; ///< stands for the main window, whose size the windows take
    TfrmMenu *menu = nullptr;
    TfrmZenTangen *zen = nullptr;
    QTemporaryDir out;

    QTreeWidget *tree() { return zen->findChild<QTreeWidget *>("trvTangen"); }
    QLineEdit *counter() { return zen->findChild<QLineEdit *>("edtCount"); }
    QPushButton *button(QWidget *window, const char *name)
    {
        return window->findChild<QPushButton *>(name);
    }

    // Shows the unit selection window, presses "全単元表示" and runs `inside` in the all-units
    // window, which it then closes with "閉じる".
    void openAllUnits(const std::function<void()> &inside)
    {
        bool shown = false;
        // A failed check inside leaves `inside` early; the window is closed all the same.
        QTimer::singleShot(0, zen, [&] {
            shown = zen->isVisible();
            inside();
            QTest::mouseClick(button(zen, "btnClose"), Qt::LeftButton);
        });
        QTest::mouseClick(button(menu, "btnZenTangen"), Qt::LeftButton);
        QVERIFY(shown);
        QVERIFY(!zen->isVisible());
    }

    // Every unit node's text against the unit list's prefix and caption of the same unit.
    void compareWithUnitList()
    {
        const CourseIndex &index = f->program.index;
        QTreeWidgetItem *root = tree()->topLevelItem(0);
        QCOMPARE(root->childCount(), static_cast<int>(index.sectionCaptions.size()));
        for (int s = 1; s <= root->childCount(); ++s) {
            QTreeWidgetItem *section = root->child(s - 1);
            QCOMPARE(section->text(0), ToQString(SectionCaption(index, s)));
            QCOMPARE(section->childCount(), UnitCount(index, s));
            for (int u = 1; u <= section->childCount(); ++u)
                QCOMPARE(section->child(u - 1)->text(0),
                         ToQString(menu->unitDisplay().prefix(s, u) + UnitCaption(index, s, u)));
        }
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init()
    {
        f = std::make_unique<CoursewareFixture>();
        frame = std::make_unique<QWidget>();
        frame->resize(1000, 700);
        menu = new TfrmMenu(f->program, frame.get());
        zen = new TfrmZenTangen(f->program, *menu, frame.get());
        zen->setPrintTarget(std::make_unique<PdfPrintTarget>(
            out.filePath("zen.pdf"), 150, PrinterPageLayout(Paper::A4)));
        menu->setHooks({[] {}, [] { return false; }, [this] { zen->execute(); }});
        QCOMPARE(menu->readMainIndex(), MainIndexRead::complete);
        menu->show();
        QVERIFY(QTest::qWaitForWindowExposed(menu));
    }

    void cleanup()
    {
        frame.reset();
        QFile::remove(out.filePath("zen.pdf"));
        const std::vector<std::string> problems = f->prompter.problems();
        for (const std::string &p : problems)
            qWarning("%s", p.c_str());
        QVERIFY(problems.empty());
    }

    void treeShowsTheLessonWithTheUnitListsMarksAndCounts()
    {
        QVERIFY(button(menu, "btnZenTangen")->isVisible());
        openAllUnits([this] {
            QCOMPARE(zen->windowTitle(), QString::fromUtf8("全単元"));
            QCOMPARE(zen->pos(), QPoint(0, 0));
            QCOMPARE(zen->size(), frame->size());
            QCOMPARE(tree()->height(), zen->height() - 50);
            QCOMPARE(tree()->indentation(), 19);
            QCOMPARE(tree()->font().pixelSize(), 13);
            QVERIFY(tree()->font().fixedPitch());

            QCOMPARE(tree()->topLevelItemCount(), 1);
            QTreeWidgetItem *root = tree()->topLevelItem(0);
            QCOMPARE(root->text(0), QString::fromUtf8("地理インデックス"));
            QCOMPARE(root->child(0)->child(0)->text(0), QString::fromUtf8("◎[2]北海道"));
            QCOMPARE(root->child(0)->child(1)->text(0), QString::fromUtf8("　[ ]関東"));
            QCOMPARE(root->child(1)->child(0)->text(0), QString::fromUtf8("　[1]気候区分"));
            // A section without units stands alone.
            QCOMPARE(root->child(2)->text(0), QString::fromUtf8("空"));
            QCOMPARE(root->child(2)->childCount(), 0);
            for (QTreeWidgetItemIterator it(tree()); *it; ++it)
                QVERIFY((*it)->childCount() == 0 || (*it)->isExpanded());
            compareWithUnitList();

            const QDate today = QDate::currentDate();
            QCOMPARE(zen->findChild<QLabel *>("lblDate")->text(),
                     today.toString("yyyy.MM.dd") + "-");
            QCOMPARE(counter()->text(), QString("0"));
        });
    }

    void treeFollowsTheLearnerAndTheLessonShown()
    {
        // Another learner, with records of his own written since the list was drawn.
        f->program.state.learnerName = J("花子");
        WriteCp932File(f->dir.file("LogOn/花子1.ini"), {"[S12関東]", "1=x", "2=x", "3=x"});
        openAllUnits([this] {
            QTreeWidgetItem *root = tree()->topLevelItem(0);
            QCOMPARE(root->child(0)->child(0)->text(0), QString::fromUtf8("◎[ ]北海道"));
            QCOMPARE(root->child(0)->child(1)->text(0), QString::fromUtf8("　[3]関東"));
            compareWithUnitList();
        });

        QListWidget *lessons = menu->findChild<QListWidget *>("lstLesson");
        lessons->setCurrentRow(1);
        openAllUnits([this] {
            QTreeWidgetItem *root = tree()->topLevelItem(0);
            QCOMPARE(root->text(0), QString::fromUtf8("歴史インデックス"));
            QCOMPARE(root->childCount(), 1);
            QCOMPARE(root->child(0)->child(0)->text(0), QString::fromUtf8("　[ ]縄文"));
            compareWithUnitList();
        });
    }

    void printsTheWindowWithItsCounterAndStartsAgainAtZero()
    {
        openAllUnits([this] {
            QVERIFY(zen->btnPrintClick());
            QCOMPARE(counter()->text(), QString("1"));
            QTest::mouseClick(button(zen, "btnPrint"), Qt::LeftButton);
            QCOMPARE(counter()->text(), QString("2"));
        });
        const QString pdf = out.filePath("zen.pdf");
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(4) == "%PDF");
        file.close();

        // The page shows the window across its whole width, in the window's proportions.
        const QString page = out.filePath("zen-page");
        QProcess poppler;
        poppler.start("pdftoppm", {"-r", "40", "-png", "-singlefile", pdf, page});
        QVERIFY(poppler.waitForFinished(30000));
        QCOMPARE(poppler.exitCode(), 0);
        const QImage printed(page + ".png");
        QVERIFY(!printed.isNull());
        const QRect inked = InkedBox(printed);
        QVERIFY2(inked.width() >= printed.width() * 0.85,
                 qPrintable(QString::number(inked.width())));
        const double windowRatio = 700.0 / 1000.0;
        QVERIFY(qAbs(double(inked.height()) / inked.width() - windowRatio) < 0.05);
        QVERIFY(inked.top() < printed.height() * 0.1);

        // The counter starts again at every showing.
        openAllUnits([this] { QCOMPARE(counter()->text(), QString("0")); });
    }

    void counterCountsOnFromANumberTyped()
    {
        openAllUnits([this] {
            counter()->setFocus();
            counter()->selectAll();
            QTest::keyClicks(counter(), "41x");
            QCOMPARE(counter()->text(), QString("41"));
            QVERIFY(zen->btnPrintClick());
            QCOMPARE(counter()->text(), QString("42"));
            counter()->clear();
            QVERIFY(zen->btnPrintClick());
            QCOMPARE(counter()->text(), QString("1"));
        });
    }

    void aPrinterThatCannotStartIsReportedAndTheNumberIsKept()
    {
        zen->setPrintTarget(std::make_unique<PdfPrintTarget>(
            out.filePath("no such folder/zen.pdf"), 150, PrinterPageLayout(Paper::A4)));
        openAllUnits([this] {
            f->prompter.expectMessage(
                "印刷を開始できませんでした。プリンタか出力先のファイルを確かめてください");
            QVERIFY(zen->btnPrintClick() == false);
            QCOMPARE(counter()->text(), QString("0"));
        });
        QVERIFY(!QFile::exists(out.filePath("no such folder/zen.pdf")));
    }

    void withoutALoadedLessonTheWindowStaysShut()
    {
        f->prompter.expectMessage(U(MissingDirectoryMessage(f->composed("nowhere\\"))));
        menu->findChild<QListWidget *>("lstLesson")->setCurrentRow(2);
        QCOMPARE(menu->loadedLesson(), -1);
        f->prompter.expectMessage("メニューを選択してください");
        // Should the window open all the same, it is closed again rather than waited for.
        int showings = 0;
        connect(zen, &QDialog::finished, this, [&showings] { ++showings; });
        QTimer::singleShot(0, zen, &QDialog::reject);
        QTest::mouseClick(button(menu, "btnZenTangen"), Qt::LeftButton);
        QCOMPARE(showings, 0);
        disconnect(zen, &QDialog::finished, this, nullptr);
    }
};

} // namespace zelkon::test

QTEST_MAIN(zelkon::test::TestAllUnitsWindow)
#include "zentangen_test.moc"
