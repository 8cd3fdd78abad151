// The log-on window with the password dialog, driven as a learner drives them: the roster list,
// 削除 =>, typing a name and Enter, setting and typing passwords, Cancel, the shared learner,
// the lesson whose record file holds the password, refused names and failed writes.
#include "records/inputname.h"

#include "courseware_fixture.h"
#include "platform/qstring_cp932.h"
#include "records/password.h"
#include "records_fixture.h"

#include <QLabel>
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

/// One try in the password dialog: the two fields as typed, then OK.
struct Try
{
    const char *password;
    const char *confirmation = "";
};

} // namespace

class LogOnTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CoursewareFixture> f;
    std::unique_ptr<TfrmPassword> password;
    std::unique_ptr<TfrmInputName> logOn;
    int loggedOn = 0;
    int passwordShown = 0;
    bool passwordFailed = false;
    /// What the password dialog showed at its last showing.
    QString welcome;
    QString prompt;
    bool confirmationShown = false;

    AppState &state() { return f->program.state; }
    template<typename T>
    T *control(QWidget *window, const char *name)
    {
        T *found = window->findChild<T *>(name);
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QLineEdit *nameBox() { return control<QLineEdit>(logOn.get(), "edtName"); }
    QListWidget *roster() { return control<QListWidget>(logOn.get(), "lstName"); }
    void click(QWidget *window, const char *name)
    {
        QTest::mouseClick(control<QPushButton>(window, name), Qt::LeftButton);
    }
    std::string file(const char *utf8Relative) { return f->dir.file(utf8Relative); }
    std::string rosterFile() { return ReadBytes(file("LogOn/sname.txt")); }

    void open()
    {
        logOn->show();
        QApplication::setActiveWindow(logOn.get());
    }

    /// Types a name into the emptied name box and presses Enter.
    void enterName(const char *utf8)
    {
        nameBox()->clear();
        Commit(nameBox(), Q(utf8));
        QTest::keyClick(nameBox(), Qt::Key_Return);
    }

    /// Answers the password dialog that the next action opens: each try typed and OK pressed,
    /// then Cancel when `cancel`.
    void answerPassword(std::vector<Try> tries, bool cancel = false)
    {
        WhenShown(
            password.get(),
            passwordShown,
            [this, tries, cancel] {
                welcome = control<QLabel>(password.get(), "lblWelcome")->text();
                prompt = control<QLabel>(password.get(), "lblPrompt")->text();
                QLineEdit *first = control<QLineEdit>(password.get(), "edtPassword");
                QLineEdit *second = control<QLineEdit>(password.get(), "edtConfirm");
                confirmationShown = second->isVisible();
                QVERIFY(first->hasFocus());
                QLabel *confirmLabel = control<QLabel>(password.get(), "lblConfirm");
                QVERIFY(!confirmLabel->isVisible());
                // The confirmation's label comes with the focus in its field.
                if (confirmationShown) {
                    second->setFocus();
                    QVERIFY(confirmLabel->isVisible());
                    first->setFocus();
                }
                for (const Try &t : tries) {
                    first->setText(Q(t.password));
                    second->setText(Q(t.confirmation));
                    click(password.get(), "btnOk");
                }
                if (cancel)
                    click(password.get(), "btnCancel");
            },
            passwordFailed);
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init()
    {
        f = std::make_unique<CoursewareFixture>();
        state().learnerName = J("共通");
        password = std::make_unique<TfrmPassword>(f->program);
        logOn = std::make_unique<TfrmInputName>(f->program, *password);
        logOn->setHooks({[this] { ++loggedOn; }});
        loggedOn = 0;
        passwordShown = 0;
        passwordFailed = false;
    }

    void cleanup()
    {
        logOn.reset();
        password.reset();
        QVERIFY(!passwordFailed);
        const std::vector<std::string> problems = f->prompter.problems();
        for (const std::string &p : problems)
            qWarning("%s", p.c_str());
        QVERIFY(problems.empty());
    }

    void rosterListIsShownAndEditedOnlyInTheWindowUntilOk()
    {
        open();
        QCOMPARE(logOn->windowTitle(), Q("ログオン"));
        QCOMPARE(logOn->size(), QSize(668, 405));
        QCOMPARE(
            control<QPlainTextEdit>(logOn.get(), "memNote")->toPlainText(),
            Q("学習者の名前を選んでください。\nリストに無い場合は、氏名を入力して\nください。"));
        // A missing roster starts as the one name 公開, saved at once.
        QCOMPARE(roster()->count(), 1);
        QCOMPARE(roster()->item(0)->text(), Q("公開"));
        QCOMPARE(rosterFile(), J("公開\r\n"));
        QCOMPARE(control<QLineEdit>(logOn.get(), "edtMeibo")->text(), Q("sname.txt"));
        QCOMPARE(nameBox()->text(), Q("共通"));
        QVERIFY(nameBox()->hasFocus());

        QTest::mouseClick(roster()->viewport(),
                          Qt::LeftButton,
                          {},
                          roster()->visualItemRect(roster()->item(0)).center());
        QCOMPARE(nameBox()->text(), Q("公開"));
        click(logOn.get(), "btnDelete");
        QCOMPARE(roster()->count(), 0);
        QVERIFY(nameBox()->text().isEmpty());
        QCOMPARE(rosterFile(), J("公開\r\n"));

        click(logOn.get(), "btnCancel");
        QCOMPARE(logOn->result(), int(QDialog::Rejected));
        QCOMPARE(rosterFile(), J("公開\r\n"));
        QCOMPARE(loggedOn, 0);

        // Shown again, the list is the file's once more.
        open();
        QCOMPARE(roster()->count(), 1);
    }

    void firstLogOnSetsAPasswordTypedTwiceAndTheNextAsksForIt()
    {
        open();
        f->prompter.expectMessage("４文字以上にしてください")
            .expectMessage("確認のため再入力してください");
        answerPassword({{"abc", "abc"}, {"abcd", "abce"}, {"abcd", "abcd"}});
        enterName("太郎");
        QCOMPARE(passwordShown, 1);
        QCOMPARE(welcome, Q("ようこそ太郎さん"));
        QCOMPARE(prompt, Q("新規パスワードを設定してください"));
        QVERIFY(confirmationShown);
        QCOMPARE(logOn->result(), int(QDialog::Accepted));
        QVERIFY(!logOn->isVisible());
        QCOMPARE(U(state().learnerName), std::string("太郎"));
        QCOMPARE(U(f->store.get(f->program.edition.registryKey, "LogOnName").text),
                 std::string("太郎"));
        QCOMPARE(loggedOn, 1);
        QCOMPARE(rosterFile(), J("公開\r\n太郎\r\n"));
        QCOMPARE(ReadBytes(file("LogOn/太郎1.ini")), std::string("[password]\r\npw=abcd\r\n"));

        // The next log-on asks for the password, once, and compares it exactly.
        state().learnerName = J("共通");
        open();
        f->prompter.expectMessage("パスワードを正しく入力してください");
        answerPassword({{"ABCD"}, {"abcd"}});
        enterName("太郎");
        QCOMPARE(passwordShown, 2);
        QCOMPARE(prompt, Q("パスワードを入力してください"));
        QVERIFY(!confirmationShown);
        QCOMPARE(logOn->result(), int(QDialog::Accepted));
        QCOMPARE(U(state().learnerName), std::string("太郎"));
        QCOMPARE(loggedOn, 2);
        QCOMPARE(rosterFile(), J("公開\r\n太郎\r\n"));
    }

    void sharedLearnerIsNeverAskedForAPassword()
    {
        state().learnerName = J("太郎");
        WriteCp932File(file("LogOn/共通1.ini"), {"[password]", "pw=secret"});
        open();
        nameBox()->clear();
        Commit(nameBox(), Q("共通"));
        click(logOn.get(), "btnOk");
        QCOMPARE(passwordShown, 0);
        QCOMPARE(logOn->result(), int(QDialog::Accepted));
        QCOMPARE(U(state().learnerName), std::string("共通"));
        QCOMPARE(U(f->store.get(f->program.edition.registryKey, "LogOnName").text),
                 std::string("共通"));
        QCOMPARE(rosterFile(), J("公開\r\n共通\r\n"));
        QCOMPARE(loggedOn, 1);
    }

    void emptyNameSavesTheRosterAndCancels()
    {
        WriteCp932File(file("LogOn/sname.txt"), {"公開", "山田"});
        state().learnerName = J("太郎");
        open();
        roster()->setCurrentRow(1);
        QCOMPARE(nameBox()->text(), Q("山田"));
        click(logOn.get(), "btnDelete");
        QVERIFY(nameBox()->text().isEmpty());
        click(logOn.get(), "btnOk");
        QCOMPARE(logOn->result(), int(QDialog::Rejected));
        QVERIFY(!logOn->isVisible());
        QCOMPARE(rosterFile(), J("公開\r\n"));
        QCOMPARE(U(state().learnerName), std::string("太郎"));
        QCOMPARE(f->store.get(f->program.edition.registryKey, "LogOnName").kind,
                 StoredKind::Missing);
        QCOMPARE(loggedOn, 0);
    }

    void nameAddedThenCancelledAtThePasswordStaysInTheRoster()
    {
        open();
        answerPassword({}, /*cancel=*/true);
        enterName("花子");
        QCOMPARE(passwordShown, 1);
        QVERIFY(logOn->isVisible());
        QCOMPARE(U(state().learnerName), std::string("共通"));
        QCOMPARE(rosterFile(), J("公開\r\n花子\r\n"));
        QCOMPARE(roster()->count(), 2);
        QVERIFY(!std::filesystem::exists(file("LogOn/花子1.ini")));
        QCOMPARE(loggedOn, 0);

        // Still open: another name logs on from the same window.
        enterName("共通");
        QCOMPARE(logOn->result(), int(QDialog::Accepted));
        QCOMPARE(rosterFile(), J("公開\r\n花子\r\n共通\r\n"));
    }

    void passwordLivesInTheRecordFileOfTheCurrentLesson_data()
    {
        QTest::addColumn<int>("lesson");
        QTest::addColumn<QString>("recordFile");
        QTest::newRow("no lesson chosen yet") << 0 << Q("LogOn/太郎1.ini");
        QTest::newRow("lesson not loaded") << -1 << Q("LogOn/太郎1.ini");
        QTest::newRow("lesson 2") << 2 << Q("LogOn/太郎2.ini");
    }

    void passwordLivesInTheRecordFileOfTheCurrentLesson()
    {
        QFETCH(int, lesson);
        QFETCH(QString, recordFile);
        state().currentLocator.lesson = lesson;
        open();
        answerPassword({{"pass", "pass"}});
        enterName("太郎");
        QCOMPARE(logOn->result(), int(QDialog::Accepted));
        QCOMPARE(ReadBytes(file(recordFile.toUtf8().constData())),
                 std::string("[password]\r\npw=pass\r\n"));

        // Another lesson's file holds no password yet: a new one is asked for there.
        state().currentLocator.lesson = lesson == 2 ? 1 : 2;
        state().learnerName = J("共通");
        open();
        answerPassword({}, /*cancel=*/true);
        enterName("太郎");
        QCOMPARE(prompt, Q("新規パスワードを設定してください"));
        QCOMPARE(U(state().learnerName), std::string("共通"));
        click(logOn.get(), "btnCancel");
    }

    void namesThatCannotNameAFileAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        const QString slash = Q("氏名に \\ や / は使えません");
        QTest::newRow("parent folder") << Q("../x") << slash;
        QTest::newRow("parent folder, Windows style") << Q("..\\x") << slash;
        QTest::newRow("sub-folder") << Q("a/b") << slash;
        QTest::newRow("dots alone") << Q("..") << Q("氏名に .. は使えません");
        QTest::newRow("blanks only") << Q("　 ") << Q("氏名を入力してください");
        QTest::newRow("not in CP932")
            << Q("김") << Q("「〓」(U+AE40) は Shift_JIS にない文字のため使えません");
    }

    void namesThatCannotNameAFileAreRefused()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);
        open();
        const std::string before = rosterFile();
        f->prompter.expectMessage(message.toStdString());
        nameBox()->clear();
        Commit(nameBox(), name);
        QTest::keyClick(nameBox(), Qt::Key_Return);
        QCOMPARE(passwordShown, 0);
        QVERIFY(logOn->isVisible());
        QVERIFY(nameBox()->hasFocus());
        QCOMPARE(rosterFile(), before);
        QCOMPARE(roster()->count(), 1);
        QCOMPARE(U(state().learnerName), std::string("共通"));
        // Nothing but the roster lies in the records folder.
        int files = 0;
        for ([[maybe_unused]] const auto &entry :
             std::filesystem::recursive_directory_iterator(file("LogOn")))
            ++files;
        QCOMPARE(files, 2); // sname.txt and the fixture's 生徒1.ini
        QVERIFY(!std::filesystem::exists(f->dir.path() + "/x1.ini"));
        click(logOn.get(), "btnCancel");
    }

    void failedWritesLeaveTheWindowsOpen()
    {
        // The password cannot be written: the dialog says why and stays open.
        std::filesystem::create_symlink("missing/太郎1.ini", file("LogOn/太郎1.ini"));
        open();
        f->prompter.expectAnyMessage();
        answerPassword({{"abcd", "abcd"}}, /*cancel=*/true);
        enterName("太郎");
        QCOMPARE(passwordShown, 1);
        QVERIFY(f->prompter.shown().back().find("に書き込めません") != std::string::npos);
        QVERIFY(logOn->isVisible());
        QCOMPARE(U(state().learnerName), std::string("共通"));
        click(logOn.get(), "btnCancel");

        // The roster cannot be written: at opening and at OK, and nothing goes on from there.
        std::filesystem::remove(file("LogOn/sname.txt"));
        std::filesystem::create_symlink("missing/sname.txt", file("LogOn/sname.txt"));
        f->prompter.expectAnyMessage().expectAnyMessage();
        open();
        enterName("共通");
        QCOMPARE(f->prompter.shown().size(), std::size_t(3));
        QVERIFY(f->prompter.shown().back().find("sname.txt に書き込めません") != std::string::npos);
        QVERIFY(logOn->isVisible());
        QCOMPARE(U(state().learnerName), std::string("共通"));
        QCOMPARE(loggedOn, 0);
        click(logOn.get(), "btnCancel");
    }

    void passwordReadFailureOffersNoNewPassword()
    {
        // A record file that cannot be read may hold a password: setting a new one would
        // replace it, so the log-on stops with the reason.
        std::filesystem::create_directory(file("LogOn/太郎1.ini"));
        open();
        f->prompter.expectAnyMessage();
        enterName("太郎");
        QCOMPARE(passwordShown, 0);
        QVERIFY(f->prompter.shown().back().find("を読み込めません") != std::string::npos);
        QVERIFY(logOn->isVisible());
        QCOMPARE(U(state().learnerName), std::string("共通"));
        click(logOn.get(), "btnCancel");
    }
};

} // namespace zelkon::test

QTEST_MAIN(zelkon::test::LogOnTest)
#include "inputname_test.moc"
