// The practice window driven as a learner drives it, on fixture units opened through the unit
// selection window: practice, review and test drills with typing, the choice list, the on-screen
// keys, Enter, 答えを見る and 採点; the judging, marks, score and record line they leave; and what
// closing the window restores.
#include "ui/sheet/sheet_fixture.h"

#include "common/cp932.h"
#include "practice/renshu.h"
#include "practice/zenseikai.h"
#include "records/record_file.h"
#include "sheet/printm.h"
#include "shell/main.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QtTest>

#include <fstream>

namespace zelkon::test {

namespace {

/// Section 1 of the geography lesson: unit 1 has three fields (the first with an alternative),
/// unit 2 eight, unit 3 none.
const std::vector<std::string> kMasterFile = {
    "[[unit1",
    "<<ques",
    "１．次の問いに答えなさい。",
    "日本の首都は　#東京;とうきょう#　です。",
    "商人の町は　#大阪#　です。",
    "城の町は　#名古屋#　です。",
    ">>",
    "<<kgroup",
    "東京",
    "大阪",
    "名古屋",
    "京都",
    ">>",
    "<<hint",
    "地図で確かめよう",
    ">>",
    "]]",
    "[[unit2",
    "<<ques",
    "方角　#北#　#南#　#東#　#西#",
    "季節　#春#　#夏#　#秋#　#冬#",
    ">>",
    "]]",
    "[[unit3",
    "<<ques",
    "答えのない単元です。",
    ">>",
    "]]",
};

void WriteMasterFile(const QString &path)
{
    std::string bytes;
    for (const std::string &line : kMasterFile)
        bytes += Utf8ToCp932(line) + "\r\n";
    std::ofstream(path.toStdString(), std::ios::binary) << bytes;
}

QString Q(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

class RenshuTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void showingPreparesTheBareCourse();
    void practiceDrillJudgesEachEnterAndRecordsFirstTries();
    void reviewAsksTheWrongFieldsAgainWithoutARecord();
    void testDrillIsScoredAtSaiten_data();
    void testDrillIsScoredAtSaiten();
    void testWithNothingEnteredCannotBeScored();
    void allCorrectTestShowsTheCongratulation();
    void enterRules_data();
    void enterRules();
    void practiceKeepsTheFocusOffJudgedFields();
    void memorizeShowsTheAnswersOneByOne();
    void unitWithoutFieldsCannotBePractised();
    void practiseFromTheMainWindowRestoresTheDisplay();

private:
    TfrmMain &main() { return m_fixture->main(); }
    TfrmRenshu &window() { return m_fixture->shell.zelkon->practiceWindow(); }
    Program &program() { return m_fixture->program(); }
    ScriptedPrompter &prompter() { return m_fixture->prompter(); }
    template<typename T = QPushButton>
    T *control(const char *name)
    {
        T *found = window().findChild<T *>(name);
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QLineEdit *box(int i) { return window().answerBox(i); }
    int state(int i) const { return m_fixture->program().renderTables.answerFieldTable[i].state; }

    /// Opens unit `unit` (from 0) of section 1 of the geography lesson and shows the practice
    /// window over it, without its modal loop.
    void practise(int unit);
    void click(const char *name) { QTest::mouseClick(control(name), Qt::LeftButton); }
    /// Types `utf8` into the focused box and presses Enter.
    void type(const char *utf8, bool enter = true);
    /// Clicks the soft key with this caption.
    void softKey(const char *utf8);
    /// The record lines of the learner's file for unit `unit` of section 1.
    std::vector<std::string> records(int unit, const char *utf8Title);

    std::unique_ptr<SheetFixture> m_fixture;
};

void RenshuTest::initTestCase()
{
    PrepareSheetTests();
}

void RenshuTest::init()
{
    m_fixture = std::make_unique<SheetFixture>([](ShellFixture &shell) {
        WriteMasterFile(shell.file("chiri/ch1.que"));
        shell.store.put(EditionConstantsOf(Edition::Geography).registryKey,
                        "LogOnName",
                        StoredValue{StoredKind::Text, 0, Utf8ToCp932("生徒")});
    });
}

void RenshuTest::cleanup()
{
    if (window().isVisible())
        window().close();
    DropAndReport(m_fixture);
}

void RenshuTest::practise(int unit)
{
    m_fixture->open(0, 0, unit);
    SheetWindow *sheet = main().activeSheet();
    QVERIFY(sheet);
    window().FormShow(sheet);
    window().show();
    // The unit selection window that just closed can still count as the active one here.
    QApplication::setActiveWindow(&window());
    QVERIFY(QTest::qWaitForWindowActive(&window()));
}

void RenshuTest::type(const char *utf8, bool enter)
{
    QWidget *focused = QApplication::focusWidget();
    QVERIFY(focused);
    // Japanese arrives as the input method commits it; half-width text as key presses.
    const QString text = Q(utf8);
    qsizetype from = 0;
    while (from < text.size()) {
        const bool ascii = text[from].unicode() < 0x80;
        qsizetype to = from;
        while (to < text.size() && (text[to].unicode() < 0x80) == ascii)
            ++to;
        const QString run = text.mid(from, to - from);
        if (ascii) {
            QTest::keyClicks(focused, run);
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(run);
            QApplication::sendEvent(focused, &commit);
        }
        from = to;
    }
    if (enter)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}

void RenshuTest::softKey(const char *utf8)
{
    for (QPushButton *key : control<QGroupBox>("grbMoji")->findChildren<QPushButton *>()) {
        if (key->text() == Q(utf8) && key->objectName().startsWith("Button")) {
            QTest::mouseClick(key, Qt::LeftButton);
            return;
        }
    }
    QFAIL(qPrintable("no soft key " + Q(utf8)));
}

std::vector<std::string> RenshuTest::records(int unit, const char *utf8Title)
{
    const AppState &state = program().state;
    const std::string file = RecordFileName(
        RecordsFolder(state.onCdRom, state.logOnFolder, state.programFolder), state.learnerName, 1);
    std::vector<std::string> lines;
    for (const std::string &line : ReadUnitRecords(file, UnitKey(1, unit, Utf8ToCp932(utf8Title))))
        lines.push_back(Cp932ToUtf8(line));
    return lines;
}

void RenshuTest::showingPreparesTheBareCourse()
{
    practise(0);
    QCOMPARE(window().windowTitle().isEmpty(), false);
    QVERIFY(control("btnRenshu")->isEnabled());
    QVERIFY(!control("btnFukushu")->isEnabled());
    QVERIFY(!control("btnTouan")->isEnabled());
    QVERIFY(control<QFrame>("pnlSS")->isHidden());
    QVERIFY(!main().showAlternatives());
    // The kgroup lines replace the two design-time items; the unit has no records yet.
    auto *choices = control<QListWidget>("lstKgroup");
    QCOMPARE(choices->count(), 4);
    QCOMPARE(choices->item(3)->text(), Q("京都"));
    QCOMPARE(control<QPlainTextEdit>("memKiroku")->toPlainText(), Q("練習の記録はありません"));
    QVERIFY(control<QLabel>("lblKiroku")->text().endsWith(Q("　　氏名：生徒")));
    for (int i = 1; i <= 3; ++i)
        QVERIFY(box(i)->isHidden());
    // The boxes lie over the fields: one pixel right of and one below each field's top.
    const AnswerField &first = program().renderTables.answerFieldTable[1];
    QCOMPARE(box(1)->pos(), QPoint(first.x + 1, first.y + 4));
}

void RenshuTest::practiceDrillJudgesEachEnterAndRecordsFirstTries()
{
    practise(0);
    click("btnRenshu");
    QVERIFY(control<QGroupBox>("grbTest")->isVisible());
    QVERIFY(control("btnHint")->isEnabled());
    QCOMPARE(QApplication::focusWidget(), box(1));

    // Field 1 right at once, through its alternative.
    type("とうきょう");
    QCOMPARE(state(1), int(kFieldRight));
    QCOMPARE(QApplication::focusWidget(), box(2));

    // Field 2 wrong first, then corrected from the choice list and 入力.
    type("京都");
    QCOMPARE(state(2), int(kFieldWrong));
    QCOMPARE(QApplication::focusWidget(), box(2));
    QVERIFY(box(2)->hasSelectedText());
    auto *choices = control<QListWidget>("lstKgroup");
    const QList<QListWidgetItem *> osaka = choices->findItems(Q("大阪"), Qt::MatchExactly);
    QCOMPARE(osaka.size(), 1);
    choices->setCurrentItem(osaka.front());
    window().lstKgroupClick();
    QCOMPARE(box(2)->text(), Q("大阪"));
    click("btnNext2");
    QCOMPARE(state(2), int(kFieldRight));

    // Field 3 revealed first, then put together on the soft keyboard.
    QCOMPARE(window().currentFieldNumber(), 3);
    click("btnAnswer");
    QCOMPARE(state(3), int(kFieldNotJudged));
    click("btnSoftKey");
    QVERIFY(control<QGroupBox>("grbMoji")->isVisible());
    QVERIFY(control<QGroupBox>("grbSelect")->isHidden());
    softKey("名");
    softKey("古");
    softKey("屋");
    QCOMPARE(box(3)->text(), Q("名古屋"));
    prompter().expectMessage("練習を終わりました");
    click("btnNext");

    // Scored on first tries: the wrong 京都 and the revealed 名古屋 count against the learner.
    QCOMPARE(window().markStringValue(), std::string("OxX"));
    QCOMPARE(state(1), int(kFieldRight));
    QCOMPARE(state(2), int(kFieldWrong));
    QCOMPARE(state(3), int(kFieldRightAfterReveal));
    QVERIFY(control("btnFukushu")->isEnabled());
    QCOMPARE(QApplication::focusWidget(), control("btnFukushu"));
    const std::vector<std::string> lines = records(1, "北海道・東北地方の県庁所在地");
    QCOMPARE(lines.size(), std::size_t(1));
    const QRegularExpression line(
        Q("^\\d{4}年\\d\\d月\\d\\d日 \\d\\d:\\d\\d OxX  1/ 3  33点 00:0\\d$"));
    QVERIFY2(line.match(QString::fromStdString(lines[0])).hasMatch(), lines[0].c_str());
    QCOMPARE(control<QPlainTextEdit>("memKiroku")->toPlainText(), QString::fromStdString(lines[0]));
}

void RenshuTest::reviewAsksTheWrongFieldsAgainWithoutARecord()
{
    practise(0);
    click("btnTest");
    type("東京");
    type("京都");
    type("岐阜");
    prompter().expectMessage("テストを終わりました");
    click("btnSaiten");
    QCOMPARE(window().markStringValue(), std::string("Oxx"));

    // Only the fields that were not right are asked again; the right one stays as scored.
    click("btnFukushu");
    QVERIFY(box(1)->isHidden());
    QCOMPARE(state(1), int(kFieldRight));
    QVERIFY(!box(2)->isHidden() && box(2)->text().isEmpty());
    QVERIFY(!box(3)->isHidden() && box(3)->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(), box(2));
    QVERIFY(!control("btnTest")->isEnabled());
    type("大阪");
    prompter().expectMessage("復習を終わりました");
    type("名古屋");
    QCOMPARE(state(2), int(kFieldRight));
    QCOMPARE(state(3), int(kFieldRight));
    // The review writes no marks and no record: only the test's line is there.
    QCOMPARE(window().markStringValue(), std::string("Oxx"));
    QCOMPARE(records(1, "北海道・東北地方の県庁所在地").size(), std::size_t(1));
    QVERIFY(control("btnTest")->isEnabled());
}

void RenshuTest::testDrillIsScoredAtSaiten_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("marks");
    QTest::addColumn<QString>("counts");
    QTest::newRow("2 of 3") << 0 << QStringList{Q("東京"), Q("京都"), Q("名古屋")} << "OxO"
                            << Q(" 2/ 3  67点");
    QTest::newRow("1 of 8") << 1 << QStringList{Q("北")} << "Oxxxxxxx" << Q(" 1/ 8  13点");
}

void RenshuTest::testDrillIsScoredAtSaiten()
{
    QFETCH(int, unit);
    QFETCH(QStringList, answers);
    QFETCH(QString, marks);
    QFETCH(QString, counts);
    practise(unit);
    click("btnTest");
    QVERIFY(control("btnSaiten")->isVisible());
    QVERIFY(control("btnAnswer")->isHidden());
    for (const QString &answer : answers)
        type(answer.toUtf8().constData());
    prompter().expectMessage("テストを終わりました");
    click("btnSaiten");

    QCOMPARE(QString::fromStdString(window().markStringValue()), marks);
    const char *title = unit == 0 ? "北海道・東北地方の県庁所在地" : "関東・中部地方の県庁所在地";
    const std::vector<std::string> lines = records(unit + 1, title);
    QCOMPARE(lines.size(), std::size_t(1));
    QVERIFY2(QString::fromStdString(lines[0]).contains(marks + " " + counts), lines[0].c_str());
    // The score stands on the picture, the boxes are gone and the marks are drawn in red.
    QVERIFY(program().renderTables.answerFieldCount > 0);
    QVERIFY(box(1)->isHidden());
    QVERIFY(m_fixture->shell.zelkon->mainWindow().activeSheet()->sheet().scoreShown);
    const QImage picture = window().practicePicture();
    int red = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            red += picture.pixel(x, y) == qRgb(255, 0, 0) ? 1 : 0;
    QVERIFY(red > 50);
    QVERIFY(control("btnFukushu")->isEnabled());
}

void RenshuTest::testWithNothingEnteredCannotBeScored()
{
    practise(0);
    click("btnTest");
    prompter()
        .expectMessage("解答を入力してから採点してください。")
        .expectMessage("採点できません");
    click("btnSaiten");
    QVERIFY(control<QGroupBox>("grbTest")->isVisible());
    QVERIFY(records(1, "北海道・東北地方の県庁所在地").empty());
}

void RenshuTest::allCorrectTestShowsTheCongratulation()
{
    practise(0);
    click("btnTest");
    type("東京");
    type("大阪");
    type("名古屋");
    QCOMPARE(QApplication::focusWidget(), control("btnSaiten"));
    bool shown = false;
    QTimer::singleShot(0, this, [&shown] {
        auto *dialog = qobject_cast<TfrmZenSeikai *>(QApplication::activeModalWidget());
        shown = dialog != nullptr;
        if (dialog)
            dialog->accept();
    });
    QTest::keyClick(control("btnSaiten"), Qt::Key_Return);
    QVERIFY(shown);
    QVERIFY(window().allCorrectValue());
    QCOMPARE(window().markStringValue(), std::string("OOO"));
    QVERIFY(!control("btnFukushu")->isEnabled());
    QCOMPARE(window().focusWidget(), control("btnEnd"));
}

void RenshuTest::enterRules_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("left");
    QTest::addColumn<int>("judged");
    QTest::newRow("half-width digits become full-width") << "3a" << Q("３") << int(kFieldWrong);
    QTest::newRow("half-width letters leave nothing") << "abc" << QString() << int(kFieldOpen);
    QTest::newRow("a trailing blank is trimmed") << Q("東京 ") << Q("東京") << int(kFieldRight);
    QTest::newRow("full-width leading blank is judged away")
        << Q("　とうきょう") << Q("　とうきょう") << int(kFieldRight);
}

void RenshuTest::enterRules()
{
    QFETCH(QString, typed);
    QFETCH(QString, left);
    QFETCH(int, judged);
    practise(0);
    click("btnRenshu");
    type(typed.toUtf8().constData());
    QCOMPARE(box(1)->text(), left);
    QCOMPARE(state(1), judged);
}

void RenshuTest::practiceKeepsTheFocusOffJudgedFields()
{
    practise(0);
    click("btnRenshu");
    type("東京");
    QCOMPARE(QApplication::focusWidget(), box(2));
    QTest::mouseClick(box(1), Qt::LeftButton);
    QCOMPARE(window().currentFieldNumber(), 2);
    QCOMPARE(QApplication::focusWidget(), box(2));
    // In a test every box can be visited.
    click("btnAbort");
    QVERIFY(!control("btnTouan")->isEnabled());
    click("btnTest");
    QTest::mouseClick(box(3), Qt::LeftButton);
    QCOMPARE(window().currentFieldNumber(), 3);
}

void RenshuTest::memorizeShowsTheAnswersOneByOne()
{
    practise(0);
    click("btnAnki");
    QVERIFY(control<QFrame>("pnlAnki")->isVisible());
    QCOMPARE(box(1)->text(), Q("東京"));
    QVERIFY(box(1)->isReadOnly());
    click("btnNextB");
    QCOMPARE(window().currentFieldNumber(), 2);
    QCOMPARE(box(2)->text(), Q("大阪"));
    click("btnNextA");
    QVERIFY(box(2)->text().isEmpty());
    QCOMPARE(box(3)->text(), Q("名古屋"));
    // From the last field it wraps round to the first, showing the whole answer text.
    click("btnNextB");
    QCOMPARE(box(1)->text(), Q("東京;とうきょう"));
    click("btnAllClear");
    QVERIFY(box(3)->text().isEmpty());
    click("btnClose");
    QVERIFY(control<QFrame>("pnlRenshu")->isVisible());
    QVERIFY(control<QFrame>("pnlSS")->isHidden());
}

void RenshuTest::unitWithoutFieldsCannotBePractised()
{
    practise(2);
    QCOMPARE(program().renderTables.answerFieldCount, 0);
    for (const char *name : {"btnAnki", "btnRenshu", "btnTest", "btnSeikai", "btnStartPrint"})
        QVERIFY2(!control(name)->isEnabled(), name);
    QVERIFY(control("btnEnd")->isEnabled());
}

void RenshuTest::practiseFromTheMainWindowRestoresTheDisplay()
{
    practise(0);
    window().close();
    SheetWindow *sheet = main().activeSheet();
    QVERIFY(sheet->sheet().answersShown);
    QVERIFY(main().showAlternatives());

    bool wasModal = false;
    QTimer::singleShot(0, this, [this, &wasModal] {
        wasModal = window().isVisible() && window().isModal();
        QVERIFY(!main().showAlternatives());
        QTest::mouseClick(control("btnEnd"), Qt::LeftButton);
    });
    QTest::mouseClick(main().findChild<QPushButton *>("btnRenshu"), Qt::LeftButton);
    QVERIFY(wasModal);
    QVERIFY(!window().isVisible());
    QVERIFY(main().showAlternatives());
    QVERIFY(sheet->sheet().answersShown);
    QVERIFY(!sheet->sheet().learnerNameShown);
    QCOMPARE(program().state.openWorksheetCount, 1);
}

} // namespace zelkon::test

QTEST_MAIN(zelkon::test::RenshuTest)
#include "renshu_test.moc"
