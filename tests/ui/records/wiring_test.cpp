// How the program reaches the learner windows: the main window's 学習者 button and learner box,
// the unit selection window's 記録表示 with its recount, and the record window of the practice
// window's seam.
#include "shell_fixture.h"

#include "index/menu.h"
#include "records/inputname.h"
#include "records/kiroku.h"
#include "records/password.h"
#include "records_fixture.h"
#include "shell/main.h"
#include "support/test_support.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

#include <memory>

namespace zelkon::test {

namespace {

QString Q(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

template<typename T = QPushButton>
T *Child(QWidget *window, const char *name)
{
    T *found = window->findChild<T *>(name);
    if (!found)
        qFatal("no control %s", name);
    return found;
}

} // namespace

class RecordsWiringTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ShellFixture> f;
    int logOnShown = 0;
    int passwordShown = 0;
    int recordsShown = 0;
    bool failed = false;

    Zelkon &zelkon() { return *f->zelkon; }
    AppState &state() { return f->program->state; }
    std::string recordFile(const char *utf8Name)
    {
        return (f->folder() + "/LogOn/" + Q(utf8Name)).toStdString();
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        qApp->setQuitOnLastWindowClosed(false);
    }

    void init()
    {
        f = std::make_unique<ShellFixture>();
        for (const char *lesson : {"chiri", "rekishi"})
            QVERIFY(CopyFolder(QString(ZELKON_DEMO_DIR) + "/" + lesson, f->file(lesson)));
        QVERIFY(f->makeAndStart());
        logOnShown = passwordShown = recordsShown = 0;
        failed = false;
    }

    void cleanup()
    {
        f.reset();
        QVERIFY(!failed);
    }

    void learnerButtonLogsOnAndTheLearnerBoxFollows()
    {
        QLineEdit *box = Child<QLineEdit>(&zelkon().mainWindow(), "edtShimei");
        QCOMPARE(box->text(), Q("共通"));
        TfrmInputName &logOn = zelkon().logOnWindow();
        WhenShown(
            &logOn,
            logOnShown,
            [this, &logOn] {
                QLineEdit *name = Child<QLineEdit>(&logOn, "edtName");
                QCOMPARE(name->text(), Q("共通"));
                name->clear();
                Commit(name, Q("太郎"));
                TfrmPassword &password = zelkon().passwordDialog();
                WhenShown(
                    &password,
                    passwordShown,
                    [&password] {
                        Child<QLineEdit>(&password, "edtPassword")->setText("abcd");
                        Child<QLineEdit>(&password, "edtConfirm")->setText("abcd");
                        QTest::keyClick(Child<QLineEdit>(&password, "edtConfirm"), Qt::Key_Return);
                    },
                    failed);
                QTest::keyClick(name, Qt::Key_Return);
            },
            failed);
        QTest::mouseClick(Child(&zelkon().mainWindow(), "btnShimei"), Qt::LeftButton);
        QCOMPARE(logOnShown, 1);
        QCOMPARE(passwordShown, 1);
        QCOMPARE(box->text(), Q("太郎"));
        QCOMPARE(U(state().learnerName), std::string("太郎"));
        QCOMPARE(U(f->stored("LogOnName").text), std::string("太郎"));
        QCOMPARE(ReadBytes(recordFile("太郎1.ini")), std::string("[password]\r\npw=abcd\r\n"));
    }

    void menuRecordButtonErasesAndRecounts()
    {
        WriteCp932File(recordFile("共通1.ini"), {"[S12関東・中部地方の県庁所在地]", "1=x", "2=y"});
        TfrmMenu &menu = zelkon().menuWindow();
        menu.show();
        QVERIFY(menu.unitDisplay().prefix(1, 2).ends_with("[2]"));
        QPushButton *records = Child(&menu, "btnKiroku");
        QVERIFY(records->isVisible());

        TfrmKiroku &window = zelkon().recordWindow();
        WhenShown(
            &window,
            recordsShown,
            [this, &window] {
                QListWidget *list = Child<QListWidget>(&window, "lstTitle");
                const auto found
                    = list->findItems(Q("02回S12関東・中部地方の県庁所在地"), Qt::MatchExactly);
                QCOMPARE(found.size(), 1);
                QTest::mouseClick(
                    list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found[0]).center());
                f->prompter.expectYesNo("記録を消してもいいですか？", true);
                QTest::mouseClick(Child(&window, "btnErase"), Qt::LeftButton);
                QTest::mouseClick(Child(&window, "btnReturn"), Qt::LeftButton);
            },
            failed);
        QTest::mouseClick(records, Qt::LeftButton);
        QCOMPARE(recordsShown, 1);
        QVERIFY(menu.unitDisplay().prefix(1, 2).ends_with("[ ]"));
        QVERIFY(f->prompter.problems().empty());
        menu.reject();
    }

    void menuRecordButtonLogsOnFirstWithoutALearner()
    {
        state().learnerName.clear();
        TfrmMenu &menu = zelkon().menuWindow();
        menu.show();
        TfrmInputName &logOn = zelkon().logOnWindow();
        WhenShown(
            &logOn,
            logOnShown,
            [&logOn] { QTest::mouseClick(Child(&logOn, "btnCancel"), Qt::LeftButton); },
            failed);
        QTest::mouseClick(Child(&menu, "btnKiroku"), Qt::LeftButton);
        QCOMPARE(logOnShown, 1);
        QVERIFY(!zelkon().recordWindow().isVisible());
        QVERIFY(state().learnerName.empty());
        menu.reject();
    }

    void practiceSeamShowsTheLessonOfTheUnitChosenLast()
    {
        state().currentLocator.lesson = 2;
        TfrmKiroku &window = zelkon().recordWindow();
        QString first;
        WhenShown(
            &window,
            recordsShown,
            [&window, &first] {
                first = Child<QListWidget>(&window, "lstTitle")->item(0)->text();
                QTest::mouseClick(Child(&window, "btnReturn"), Qt::LeftButton);
            },
            failed);
        QVERIFY(!zelkon().seams().showRecordWindow());
        QCOMPARE(recordsShown, 1);
        QCOMPARE(first, Q("古代の日本"));
    }
};

} // namespace zelkon::test

QTEST_MAIN(zelkon::test::RecordsWiringTest)
#include "wiring_test.moc"
