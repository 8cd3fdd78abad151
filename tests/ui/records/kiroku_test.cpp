// The record window driven as a learner drives it: the list of units and copy files with their
// counts, a line's records in the memo, 記録消去 with its question, and the lessons whose index
// or copy-file folder is missing.
#include "records/kiroku.h"

#include "courseware_fixture.h"
#include "index/main_index.h"
#include "records_fixture.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

#include <filesystem>
#include <memory>

namespace zelkon::test {

namespace {

QString Q(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

QStringList Texts(const QListWidget *list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

} // namespace

class KirokuTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CoursewareFixture> f;
    std::unique_ptr<TfrmKiroku> window;

    QListWidget *list() { return window->findChild<QListWidget *>("lstTitle"); }
    QString memo() { return window->findChild<QPlainTextEdit *>("memDetail")->toPlainText(); }
    void press(const char *name)
    {
        QTest::mouseClick(window->findChild<QPushButton *>(name), Qt::LeftButton);
    }
    /// Clicks the line that reads `utf8`, with the modifiers (Ctrl adds it to the selection).
    void clickLine(const char *utf8, Qt::KeyboardModifiers modifiers = {})
    {
        const QList<QListWidgetItem *> found = list()->findItems(Q(utf8), Qt::MatchExactly);
        QVERIFY2(found.size() == 1, utf8);
        QTest::mouseClick(list()->viewport(),
                          Qt::LeftButton,
                          modifiers,
                          list()->visualItemRect(found.front()).center());
    }
    std::string records(const char *utf8Name) { return ReadBytes(f->dir.file(utf8Name)); }

    void open(int lesson)
    {
        window->setLesson(lesson);
        window->show();
        QApplication::setActiveWindow(window.get());
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init()
    {
        f = std::make_unique<CoursewareFixture>();
        WriteCp932File(f->dir.file("LogOn/生徒1.ini"),
                       {"[password]",
                        "pw=abcd",
                        "[S11北海道]",
                        "1=2026年12月01日 09:00 OOx  2/ 3  67点 00:41",
                        "2=2026年12月02日 09:10 OOO  3/ 3 100点 00:35",
                        "[S21気候区分]",
                        "1=2026年12月03日 10:00 O  1/ 1 100点 00:12",
                        "[地図.prp]",
                        "1=2026年12月04日 11:00 xO  1/ 2  50点 01:05"});
        WriteCp932File(f->dir.file("ch/地図.prp"), {"[[unitX"});
        WriteCp932File(f->dir.file("ch/白地図.PRP"), {"[[unitX"});
        WriteCp932File(f->dir.file("ch/メモ.txt"), {"x"});
        Messages messages;
        QCOMPARE(ReadMainIndex(f->folder(), f->program.index, messages), MainIndexRead::complete);
        window = std::make_unique<TfrmKiroku>(f->program);
    }

    void cleanup()
    {
        window.reset();
        const std::vector<std::string> problems = f->prompter.problems();
        for (const std::string &p : problems)
            qWarning("%s", p.c_str());
        QVERIFY(problems.empty());
    }

    void listsUnitsAndCopyFilesWithTheirCounts()
    {
        open(1);
        QCOMPARE(window->windowTitle(), Q("実行記録"));
        QCOMPARE(window->findChild<QLineEdit *>("edtLogOnName")->text(), Q("生徒"));
        QCOMPARE(Texts(list()),
                 QStringList({Q("都道府県"),
                              Q("02回S11北海道"),
                              Q("  回S12関東"),
                              Q("  回S13九州"),
                              Q("  回S14長文"),
                              Q("気候"),
                              Q("01回S21気候区分"),
                              Q("空"),
                              Q("01回地図.prp"),
                              Q("  回白地図.PRP")}));
        QVERIFY(memo().isEmpty());
        QCOMPARE(list()->selectionMode(), QAbstractItemView::ExtendedSelection);
        QVERIFY(!window->erased());
    }

    void aUnitOfManyRecordsShowsTheNewestInTheMemo()
    {
        std::vector<std::string> lines = {"[S11北海道]"};
        for (int k = 1; k <= 10002; ++k)
            lines.push_back(std::to_string(k) + "=記録" + std::to_string(k));
        WriteCp932File(f->dir.file("LogOn/生徒1.ini"), lines);
        open(1);
        clickLine("10002回S11北海道");
        const QStringList shown = memo().split('\n');
        QCOMPARE(shown.size(), 10001);
        QCOMPARE(shown.front(), Q("古い記録2件は表示していません"));
        QCOMPARE(shown[1], Q("記録3"));
        QCOMPARE(shown.back(), Q("記録10002"));
    }

    void clickingALineShowsItsRecords()
    {
        open(1);
        clickLine("02回S11北海道");
        QCOMPARE(memo(),
                 Q("2026年12月01日 09:00 OOx  2/ 3  67点 00:41\n"
                   "2026年12月02日 09:10 OOO  3/ 3 100点 00:35"));
        clickLine("都道府県");
        QCOMPARE(memo(), Q("練習の記録はありません"));
        clickLine("01回地図.prp");
        QCOMPARE(memo(), Q("2026年12月04日 11:00 xO  1/ 2  50点 01:05"));
        clickLine("  回S12関東");
        QCOMPARE(memo(), Q("練習の記録はありません"));
        // The keys move the current line, and the memo follows.
        QTest::keyClick(list(), Qt::Key_Up);
        QCOMPARE(memo(),
                 Q("2026年12月01日 09:00 OOx  2/ 3  67点 00:41\n"
                   "2026年12月02日 09:10 OOO  3/ 3 100点 00:35"));
    }

    void eraseTakesOnlyTheLineLastClicked()
    {
        open(1);
        clickLine("02回S11北海道");
        clickLine("01回地図.prp", Qt::ControlModifier);
        clickLine("01回S21気候区分", Qt::ControlModifier);
        QCOMPARE(list()->selectedItems().size(), 3);
        const std::string before = records("LogOn/生徒1.ini");

        f->prompter.expectYesNo("記録を消してもいいですか？", false);
        press("btnErase");
        QCOMPARE(records("LogOn/生徒1.ini"), before);
        QVERIFY(!window->erased());

        f->prompter.expectYesNo("記録を消してもいいですか？", true);
        press("btnErase");
        QVERIFY(window->erased());
        const std::string after = U(records("LogOn/生徒1.ini"));
        QVERIFY(after.find("[S21気候区分]") == std::string::npos);
        for (const char *kept : {"[password]\r\npw=abcd\r\n", "[S11北海道]", "[地図.prp]"})
            QVERIFY2(after.find(kept) != std::string::npos, kept);
        QCOMPARE(Texts(list())[6], Q("  回S21気候区分"));
        QCOMPARE(Texts(list())[1], Q("02回S11北海道"));
        QVERIFY(memo().isEmpty());
        QVERIFY(list()->selectedItems().isEmpty());
    }

    void eraseNeedsAUnitOrCopyFileLine()
    {
        open(1);
        const std::string before = records("LogOn/生徒1.ini");
        f->prompter.expectMessage("消去する単元を選んでください");
        press("btnErase");
        // A section title stands for no records: there is nothing to erase.
        clickLine("都道府県");
        f->prompter.expectMessage("消去する単元を選んでください");
        press("btnErase");
        QCOMPARE(records("LogOn/生徒1.ini"), before);
        QVERIFY(!window->erased());
    }

    void copyFileLinesOfAnyLessonUseTheRecordFileOfLessonOne()
    {
        // Drills on copy files go to the learner's file of lesson 1, whatever the lesson.
        WriteCp932File(f->dir.file("re/年表.prp"), {"[[unitX"});
        WriteCp932File(f->dir.file("LogOn/生徒1.ini"), {"[年表.prp]", "1=a", "2=b"});
        WriteCp932File(f->dir.file("LogOn/生徒2.ini"), {"[S11縄文]", "1=c", "[年表.prp]", "1=z"});
        open(2);
        QCOMPARE(Texts(list()), QStringList({Q("原始"), Q("01回S11縄文"), Q("02回年表.prp")}));
        clickLine("02回年表.prp");
        QCOMPARE(memo(), Q("a\nb"));

        f->prompter.expectYesNo("記録を消してもいいですか？", true);
        press("btnErase");
        QCOMPARE(records("LogOn/生徒1.ini"), std::string());
        QCOMPARE(records("LogOn/生徒2.ini"), J("[S11縄文]\r\n1=c\r\n[年表.prp]\r\n1=z\r\n"));
        QCOMPARE(Texts(list())[2], Q("  回年表.prp"));
    }

    void missingIndexAndCopyFolderAreSaidInTheList()
    {
        open(3); // 迷子: its folder does not exist
        const QString root = QString::fromStdString(U(f->folder()));
        QCOMPARE(Texts(list()),
                 QStringList({Q("単元の一覧がありません（ファイル ") + root
                                  + Q("nowhere\\no.ind が見つかりません）"),
                              Q("コピーファイルはありません（ディレクトリ ") + root
                                  + Q("no が見つかりません）")}));
        clickLine(Texts(list())[0].toUtf8().constData());
        QCOMPARE(memo(), Q("練習の記録はありません"));
        f->prompter.expectMessage("消去する単元を選んでください");
        press("btnErase");
    }

    void failedEraseLeavesTheWindowOpen()
    {
        std::filesystem::remove(f->dir.file("LogOn/生徒1.ini"));
        std::filesystem::create_symlink("生徒1.ini", f->dir.file("LogOn/生徒1.ini"));
        open(1);
        QVERIFY(Texts(list())[0].contains(Q("を読み込めません")));
        clickLine("  回S11北海道");
        f->prompter.expectYesNo("記録を消してもいいですか？", true).expectAnyMessage();
        press("btnErase");
        QVERIFY(f->prompter.shown().back().find("に書き込めません") != std::string::npos);
        QVERIFY(window->isVisible());
        QVERIFY(!window->erased());
    }

    void closingReportsWhetherRecordsWereErased()
    {
        int shown = 0;
        bool failed = false;
        WhenShown(
            window.get(),
            shown,
            [this] {
                clickLine("01回S21気候区分");
                QVERIFY(!memo().isEmpty());
                f->prompter.expectYesNo("記録を消してもいいですか？", true);
                press("btnErase");
                press("btnReturn");
            },
            failed);
        QVERIFY(window->ShowRecordWindow(1));
        QCOMPARE(shown, 1);
        QVERIFY(!failed);
        QCOMPARE(memo(), QString());

        // The next showing starts with the flag cleared.
        WhenShown(
            window.get(), shown, [this] { press("btnReturn"); }, failed);
        QVERIFY(!window->ShowRecordWindow(1));
        QVERIFY(!failed);
    }
};

} // namespace zelkon::test

QTEST_MAIN(zelkon::test::KirokuTest)
#include "kiroku_test.moc"
