// The main window: the lock, the keys, the Window menu, the side panel's commands on the
// active sheet and without one, the copy area, practice and the tips panel.
#include "fake_sheet.h"
#include "shell_fixture.h"

#include "common/cp932.h"
#include "shell/copy_area.h"
#include "shell/main.h"
#include "shell/title.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QtTest>

namespace zelkon::test {

namespace {

// Every control and menu the lock hides, by object name.
const char *const kTeacherControls[] = {"btnClose",
                                        "btnOpen",
                                        "btnSave",
                                        "btnPrint",
                                        "btnEdit",
                                        "btnKran",
                                        "chkBetsukai",
                                        "btnKaitou",
                                        "spnGyokan",
                                        "spnMojiSize",
                                        "grbCopy"};
const char *const kStudentControls[] = {"btnLock", "btnRenshu", "btnShimei", "edtShimei"};

} // namespace

class ShellMainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void lockHidesAndUnlockShowsTheListedControls();
    void escapeClosesTheActiveSheetInEitherMode();
    void shiftEscapeClosesTheFrame();
    void pageKeysScrollBetweenTopAndBottom();
    void onlyControlCCopies();
    void typedDigitsStillReachTheSpinBoxes();
    void windowMenuIsEnabledOnlyWithSheets();
    void commandsWithoutASheetDoNothing();
    void refusalsAreReported_data();
    void refusalsAreReported();
    void spinChangesRelayoutAndMarkModified();
    void paperCommands();
    void answerButtonTogglesDisplayAndSheet();
    void copyAreaLiesInsideTheMark_data();
    void copyAreaLiesInsideTheMark();
    void saveChoiceOffersOverwriteOnlyForMasterSheets();
    void closeAllClosesEverySheet();
    void frameStaysOpenWhileASheetRefusesToClose();
    void practiceWithoutASheetOpensAndClosesOne();
    void practiceOnAnOpenSheetLeavesItOpen();
    void editReopensTheUnitAfterOk();
    void tipsPanelOpensTopicsAndStoresItsChoice();

private:
    TfrmMain &main() { return m_fixture->zelkon->mainWindow(); }
    FakeSheet *openSheet(const std::string &key);
    template<typename T>
    T *child(const char *name)
    {
        T *found = main().findChild<T *>(name);
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    /// Frees the windows closed so far, as the event loop would.
    static void freeClosedWindows()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    std::unique_ptr<ShellFixture> m_fixture;
};

void ShellMainWindowTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    qApp->setQuitOnLastWindowClosed(false);
}

void ShellMainWindowTest::init()
{
    m_fixture = std::make_unique<ShellFixture>();
    QVERIFY(m_fixture->makeAndStart());
}

void ShellMainWindowTest::cleanup()
{
    const std::vector<std::string> problems = m_fixture->prompter.problems();
    m_fixture.reset();
    for (const std::string &problem : problems)
        QFAIL(problem.c_str());
}

FakeSheet *ShellMainWindowTest::openSheet(const std::string &key)
{
    return new FakeSheet(*m_fixture->program, main(), key);
}

void ShellMainWindowTest::press(int key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(&main(), static_cast<Qt::Key>(key), modifiers);
}

void ShellMainWindowTest::lockHidesAndUnlockShowsTheListedControls()
{
    auto *lock = child<QPushButton>("btnLock");
    QAction *doYouKnow = nullptr;
    for (QAction *item : child<QMenu>("mnuHelp")->actions())
        if (item->text().startsWith(QString::fromUtf8("ご存じですか")))
            doYouKnow = item;
    QVERIFY(doYouKnow);

    for (bool locked : {true, false}) {
        QTest::mouseClick(lock, Qt::LeftButton);
        QCOMPARE(m_fixture->program->state.keyLock, locked);
        QCOMPARE(m_fixture->stored("KeyLock").integer, locked ? 1 : 0);
        QCOMPARE(lock->text(), QString::fromUtf8(locked ? "生徒用" : "先生用"));
        for (const char *name : kTeacherControls)
            QVERIFY2(child<QWidget>(name)->isVisible() == !locked, name);
        for (const char *name : kStudentControls)
            QVERIFY2(child<QWidget>(name)->isVisible(), name);
        for (const char *name : {"mnuFile", "mnuEdit", "mnuWindow"})
            QVERIFY2(child<QMenu>(name)->menuAction()->isVisible() == !locked, name);
        QVERIFY(child<QMenu>("mnuHelp")->menuAction()->isVisible());
        QCOMPARE(doYouKnow->isVisible(), !locked);
        for (QAction *item : child<QMenu>("mnuHelp")->actions())
            if (item != doYouKnow)
                QVERIFY(item->isVisible());
    }
}

void ShellMainWindowTest::escapeClosesTheActiveSheetInEitherMode()
{
    QPointer<FakeSheet> first = openSheet("a.que-U1");
    QPointer<FakeSheet> second = openSheet("a.que-U2");
    press(Qt::Key_Escape);
    freeClosedWindows();
    QVERIFY(first && !second);
    QCOMPARE(main().openSheetList(), std::vector<std::string>{"a.que-U1"});
    QCOMPARE(m_fixture->program->state.openWorksheetCount, 1);

    // Keys pressed in the title window and in student mode still reach the frame.
    main().btnLockClick();
    main().mdiArea()->setActiveSubWindow(first);
    QTest::keyClick(m_fixture->zelkon->titleWindow().widget(), Qt::Key_Escape);
    freeClosedWindows();
    QVERIFY(!first);
    QVERIFY(main().openSheetList().empty());
    QVERIFY(main().isVisible());
}

void ShellMainWindowTest::shiftEscapeClosesTheFrame()
{
    main().btnLockClick();
    press(Qt::Key_Escape, Qt::ShiftModifier);
    QVERIFY(!main().isVisible());
}

void ShellMainWindowTest::pageKeysScrollBetweenTopAndBottom()
{
    FakeSheet *sheet = openSheet("a.que-U1");
    press(Qt::Key_PageDown);
    QCOMPARE(sheet->scroll, 1000 - 500 + 32);
    press(Qt::Key_PageUp);
    QCOMPARE(sheet->scroll, 0);
    sheet->scroll = -4;
    press(Qt::Key_PageUp);
    QCOMPARE(sheet->scroll, 532);
}

void ShellMainWindowTest::onlyControlCCopies()
{
    FakeSheet *sheet = openSheet("a.que-U1");
    sheet->page.fill(Qt::red);
    sheet->corners = {QPoint(10, 10), QPoint(21, 16)};
    QGuiApplication::clipboard()->clear();

    press(Qt::Key_C, Qt::ControlModifier);
    QVERIFY(QGuiApplication::clipboard()->image().isNull());

    main().setCopyButtonsEnabled(true);
    press(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(QGuiApplication::clipboard()->image().isNull());
    QVERIFY(main().copyButtonsEnabled());

    press(Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->image().size(), QSize(10, 5));
    QVERIFY(!main().copyButtonsEnabled());
    QCOMPARE(sheet->calls.back(), std::string("mark removed"));
}

void ShellMainWindowTest::typedDigitsStillReachTheSpinBoxes()
{
    auto *spin = child<QSpinBox>("spnGyokan");
    spin->setFocus();
    spin->selectAll();
    QTest::keyClicks(spin, "45");
    QCOMPARE(spin->text(), QString("45"));
}

void ShellMainWindowTest::windowMenuIsEnabledOnlyWithSheets()
{
    auto *menu = child<QMenu>("mnuWindow");
    auto commands = [menu] {
        QList<QAction *> four = menu->actions().mid(0, 4);
        return four;
    };
    emit menu->aboutToShow();
    for (QAction *item : commands())
        QVERIFY(!item->isEnabled());

    openSheet("a.que-U1");
    emit menu->aboutToShow();
    for (QAction *item : commands())
        QVERIFY(item->isEnabled());
    // The open windows follow the commands: the title window and the sheet.
    QStringList listed;
    for (QAction *item : menu->actions().mid(5))
        listed << item->text();
    QCOMPARE(listed.size(), 2);
    QVERIFY(listed.last().endsWith("a.que-U1"));
}

void ShellMainWindowTest::commandsWithoutASheetDoNothing()
{
    main().choosePaper(Paper::B4);
    main().setPaperByWidth(891);
    main().togglePaperLock();
    main().toggleReducedView();
    main().scrollSheet();
    main().setColumnLayout(2);
    main().markModified();
    child<QSpinBox>("spnGyokan")->setValue(50);
    for (const char *name : {"btnClose", "btnSave", "btnPrint", "btnEdit", "btnKran"})
        QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton);
    press(Qt::Key_Escape);

    QVERIFY(child<QRadioButton>("rdbA4")->isChecked());
    QCOMPARE(main().reducedViewCaption(), QString::fromUtf8("縮小"));
    QVERIFY(!m_fixture->program->state.fixedPaper);
    QVERIFY(!child<QWidget>("pnlSave")->isVisible());
    QVERIFY(main().isVisible());
}

void ShellMainWindowTest::refusalsAreReported_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("sheetGraphLines"); // -1: no sheet open
    QTest::addColumn<bool>("copySheet");
    QTest::addColumn<QString>("message");
    QTest::newRow("index editor with a sheet open")
        << "index" << 0 << false << "開いているファイルをすべて閉じてください";
    QTest::newRow("edit a copy") << "edit" << 0 << true << "コピーファィルは編集できません";
    QTest::newRow("add a unit without a sheet")
        << "add" << -1 << false << "追加する元のファイルがありません";
    QTest::newRow("add to a sheet with 15 graphs")
        << "add" << 45 << false << "これ以上追加できません";
}

void ShellMainWindowTest::refusalsAreReported()
{
    QFETCH(QString, command);
    QFETCH(int, sheetGraphLines);
    QFETCH(bool, copySheet);
    QFETCH(QString, message);
    if (sheetGraphLines >= 0) {
        FakeSheet *sheet = openSheet("a.que-U1");
        sheet->document.graphLines.assign(sheetGraphLines, "0");
        sheet->document.openedFromMaster = !copySheet;
    }
    m_fixture->prompter.expectMessage(message.toStdString());
    if (command == "index")
        main().mnuIndexClick();
    else if (command == "edit")
        main().btnEditClick();
    else
        main().addUnit();
}

void ShellMainWindowTest::spinChangesRelayoutAndMarkModified()
{
    FakeSheet *sheet = openSheet("a.que-U1");
    child<QSpinBox>("spnGyokan")->setValue(44);
    QVERIFY(sheet->document.modified);
    sheet->document.modified = false;
    child<QSpinBox>("spnMojiSize")->setValue(16);
    QVERIFY(sheet->document.modified);
    QCOMPARE(sheet->calls, (std::vector<std::string>{"lineSpacing 44", "fontSize 16"}));
    // The column layout marks the sheet only when it changes.
    sheet->document.modified = false;
    main().setColumnLayout(0);
    QVERIFY(!sheet->document.modified);
    main().setColumnLayout(2);
    QCOMPARE(sheet->document.kranValues[3], std::string("2"));
    QVERIFY(sheet->document.modified);
}

void ShellMainWindowTest::paperCommands()
{
    FakeSheet *sheet = openSheet("a.que-U1");
    main().choosePaper(Paper::B4);
    QCOMPARE(sheet->document.paper, (PaperSpec{0, 771, 1092}));
    QCOMPARE(main().currentPaperEntry(), (PaperSpec{0, 771, 1092}));
    QCOMPARE(sheet->redraws, 1);
    QVERIFY(sheet->document.modified);

    main().setPaperByWidth(700);
    QCOMPARE(sheet->document.paper.width, 771);

    // In the reduced view a paper change returns to the full page instead of redrawing.
    main().toggleReducedView();
    QCOMPARE(main().reducedViewCaption(), QString::fromUtf8("拡大"));
    main().setPaperByWidth(546);
    QCOMPARE(sheet->document.paper.width, 546);
    QCOMPARE(sheet->redraws, 1);
    QVERIFY(!main().reducedView());
    QCOMPARE(sheet->calls, (std::vector<std::string>{"reduced", "full"}));

    main().togglePaperLock();
    QVERIFY(m_fixture->program->state.fixedPaper);
    QVERIFY(!child<QWidget>("pnlPaper")->isEnabled());
    QCOMPARE(main().currentPaperEntry().width, 546);
}

void ShellMainWindowTest::answerButtonTogglesDisplayAndSheet()
{
    FakeSheet *sheet = openSheet("a.que-U1");
    sheet->document.currentQuestion = 3;
    sheet->document.learnerNameShown = true;
    QTest::mouseClick(child<QPushButton>("btnKaitou"), Qt::LeftButton);
    QVERIFY(!m_fixture->program->state.answersShown);
    QCOMPARE(sheet->document.currentQuestion, -1);
    QVERIFY(!sheet->document.learnerNameShown);
    QCOMPARE(sheet->calls.back(), std::string("answers hidden"));
    QTest::mouseClick(child<QPushButton>("btnKaitou"), Qt::LeftButton);
    QCOMPARE(sheet->calls.back(), std::string("answers shown"));
}

void ShellMainWindowTest::copyAreaLiesInsideTheMark_data()
{
    QTest::addColumn<QPoint>("first");
    QTest::addColumn<QPoint>("second");
    QTest::addColumn<QRect>("area");
    QTest::newRow("upper left first") << QPoint(10, 20) << QPoint(30, 25) << QRect(11, 21, 19, 4);
    QTest::newRow("lower right first") << QPoint(30, 25) << QPoint(10, 20) << QRect(11, 21, 19, 4);
    QTest::newRow("crossed corners") << QPoint(30, 20) << QPoint(10, 25) << QRect(11, 21, 19, 4);
    QTest::newRow("a graph's mark takes the graph and one pixel")
        << QPoint(99, 49) << QPoint(151, 81) << QRect(100, 50, 51, 31);
    QTest::newRow("a click marks nothing") << QPoint(10, 10) << QPoint(10, 10) << QRect();
    QTest::newRow("a line marks nothing") << QPoint(10, 10) << QPoint(40, 11) << QRect();
}

void ShellMainWindowTest::copyAreaLiesInsideTheMark()
{
    QFETCH(QPoint, first);
    QFETCH(QPoint, second);
    QFETCH(QRect, area);
    QCOMPARE(CopyAreaOf(first, second), area);
}

void ShellMainWindowTest::saveChoiceOffersOverwriteOnlyForMasterSheets()
{
    auto *save = child<QPushButton>("btnSave");
    auto *panel = child<QWidget>("pnlSave");
    for (bool master : {true, false}) {
        FakeSheet *sheet = openSheet(master ? "a.que-U1" : "b.prp");
        sheet->document.openedFromMaster = master;
        QTest::mouseClick(save, Qt::LeftButton);
        QVERIFY(panel->isVisible());
        QCOMPARE(child<QPushButton>("btnOverwrite")->isEnabled(), master);
        const QPoint corner = save->mapTo(panel->parentWidget(), QPoint(0, 0));
        QCOMPARE(panel->pos(), QPoint(corner.x() + save->width() - 30, corner.y() - 5));
        // Moving over "印　刷　" puts the choice away.
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QApplication::sendEvent(child<QPushButton>("btnPrint"), &enter);
        QVERIFY(!panel->isVisible());
    }
}

void ShellMainWindowTest::closeAllClosesEverySheet()
{
    for (const char *key : {"a.que-U1", "a.que-U2", "c.prp"})
        openSheet(key);
    main().mnuCloseAllClick();
    freeClosedWindows();
    QVERIFY(main().openSheetList().empty());
    QCOMPARE(m_fixture->program->state.openWorksheetCount, 0);
    QCOMPARE(main().mdiArea()->subWindowList().size(), 1);
    QVERIFY(m_fixture->zelkon->titleWindow().isVisible());
}

void ShellMainWindowTest::frameStaysOpenWhileASheetRefusesToClose()
{
    QPointer<FakeSheet> closed = openSheet("a.que-U1");
    QPointer<FakeSheet> kept = openSheet("a.que-U2");
    kept->refuseClose = true;
    QVERIFY(!main().close());
    freeClosedWindows();
    QVERIFY(main().isVisible());
    QVERIFY(kept && !closed);
    kept->refuseClose = false;
    QVERIFY(main().close());
}

void ShellMainWindowTest::practiceWithoutASheetOpensAndClosesOne()
{
    MainSeams &seams = m_fixture->zelkon->seams();
    QPointer<FakeSheet> opened;
    seams.openFromMenu = [&] {
        opened = openSheet("a.que-U1");
        opened->document.modified = true;
        return true;
    };
    int widthsTaken = 0;
    seams.takeAnswerWidth = [&](SheetWindow &) { ++widthsTaken; };
    bool answersDuringPractice = true;
    bool modifiedDuringPractice = true;
    seams.practise = [&](SheetWindow &sheet) {
        answersDuringPractice = m_fixture->program->state.answersShown;
        modifiedDuringPractice = sheet.sheet().modified;
        QVERIFY(sheet.sheet().learnerNameShown);
    };

    QTest::mouseClick(child<QPushButton>("btnRenshu"), Qt::LeftButton);
    freeClosedWindows();
    QCOMPARE(widthsTaken, 1);
    QVERIFY(!answersDuringPractice);
    QVERIFY(!modifiedDuringPractice);
    QVERIFY(!opened);
    QVERIFY(m_fixture->program->state.answersShown);
    QCOMPARE(m_fixture->program->state.openWorksheetCount, 0);

    // Cancelled in the unit selection window: no practice at all.
    seams.openFromMenu = [] { return false; };
    seams.practise = [](SheetWindow &) { QFAIL("practice without a sheet"); };
    QTest::mouseClick(child<QPushButton>("btnRenshu"), Qt::LeftButton);
}

void ShellMainWindowTest::practiceOnAnOpenSheetLeavesItOpen()
{
    QPointer<FakeSheet> sheet = openSheet("a.que-U1");
    QTest::mouseClick(child<QPushButton>("btnKaitou"), Qt::LeftButton);
    MainSeams &seams = m_fixture->zelkon->seams();
    seams.openFromMenu = [] {
        qFatal("opened a unit with a sheet open");
        return false;
    };
    SheetWindow *practised = nullptr;
    seams.practise = [&](SheetWindow &s) { practised = &s; };

    QTest::mouseClick(child<QPushButton>("btnRenshu"), Qt::LeftButton);
    QCOMPARE(practised, static_cast<SheetWindow *>(sheet.data()));
    QVERIFY(sheet);
    QVERIFY(!m_fixture->program->state.answersShown);
    QVERIFY(!sheet->document.learnerNameShown);
}

void ShellMainWindowTest::editReopensTheUnitAfterOk()
{
    FakeSheet *sheet = openSheet("a.que-U1");
    sheet->document.locator = UnitLocator{1, 2, 3, 0};
    MainSeams &seams = m_fixture->zelkon->seams();
    std::vector<std::pair<UnitLocator, bool>> reopened;
    seams.openMasterUnit = [&](const UnitLocator &locator, bool replace) {
        reopened.emplace_back(locator, replace);
        return 1;
    };
    for (bool ok : {false, true}) {
        seams.editMasterUnit = [ok](SheetWindow &) { return ok; };
        QTest::mouseClick(child<QPushButton>("btnEdit"), Qt::LeftButton);
    }
    QCOMPARE(reopened.size(), std::size_t(1));
    QVERIFY(reopened[0].first == (UnitLocator{1, 2, 3, 0}));
    QVERIFY(reopened[0].second);
}

void ShellMainWindowTest::tipsPanelOpensTopicsAndStoresItsChoice()
{
    std::vector<int> topics;
    int titleShown = 0;
    MainSeams &seams = m_fixture->zelkon->seams();
    seams.showHelpTopic = [&](int topic) { topics.push_back(topic); };
    seams.showTitlePicture = [&] { ++titleShown; };
    m_fixture->store.put(EditionConstantsOf(Edition::Geography).registryKey,
                         "ShowDoYouKnow",
                         {StoredKind::Integer, 1, {}});
    child<QCheckBox>("chkShowDoYouKnow")->setChecked(false);

    main().mnuDoYouKnowClick();
    auto *panel = child<QGroupBox>("grbDoYouKnow");
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->palette().color(QPalette::Window), QColor(192, 255, 192));
    for (const char *name :
         {"btnTipRenshu", "btnTipWord", "btnTipFax", "btnTipFlag", "btnTipClipboard"})
        QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton);
    QCOMPARE(topics, (std::vector<int>{902, 842, 901, 840, 850}));

    QTest::mouseClick(child<QPushButton>("btnTipsClose"), Qt::LeftButton);
    QVERIFY(!panel->isVisible());
    QCOMPARE(m_fixture->stored("ShowDoYouKnow").integer, 0);
    QCOMPARE(titleShown, 1);
}

} // namespace zelkon::test

QTEST_MAIN(zelkon::test::ShellMainWindowTest)
#include "main_test.moc"
