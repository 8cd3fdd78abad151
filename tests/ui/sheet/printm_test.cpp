// The worksheet window on the demo courseware, opened through the real unit selection window and
// open path: the drawn page and its answer fields, opening again, similar problems beside the
// unit, setters, activation, answer display, graphs, the reduced view, the menu and closing.
#include "sheet_fixture.h"

#include "authoring/editques.h"
#include "common/cp932.h"
#include "sheet/printm.h"
#include "shell/main.h"
#include "shell/main_seams.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <functional>

namespace zelkon::test {

namespace {

constexpr const char *kCreateQuestion = "単元がありません\r\n新規作成しますか?";

// Pixels of the page inside `area` for which `wanted` holds.
int CountPixels(const QImage &page, const QRect &area, const std::function<bool(QRgb)> &wanted)
{
    int count = 0;
    const QRect inside = area.intersected(page.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            count += wanted(page.pixel(x, y)) ? 1 : 0;
    return count;
}

bool Inked(QRgb pixel)
{
    return qRed(pixel) < 250 || qGreen(pixel) < 250 || qBlue(pixel) < 250;
}

// The blue of shown answers, allowing for the edges of smoothed glyphs.
bool AnswerBlue(QRgb pixel)
{
    return qBlue(pixel) >= 200 && qRed(pixel) < 120 && qGreen(pixel) < 120;
}

} // namespace

class PrintMTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void openedUnitShowsItsDrawnPage();
    void openingAgainActivatesTheOpenSheet();
    void similarProblemOpensBesideItsUnit();
    void spinChangesRelayoutAndMarkModified();
    void activationPushesValuesWithoutMarkingModified();
    void activationTicksTheSheetsOwnOptions();
    void everyRedrawCollectsFieldsAndKeepsTheirStates();
    void answerDisplayAndAlternatives();
    void graphsLieOverThePage();
    void missingGraphIsReportedAndKeepsItsPlace();
    void reducedViewShowsThePlaceholder();
    void sheetMenuForwardsAndHidesInStudentMode();
    void closingAsksAboutAModifiedSheet_data();
    void closingAsksAboutAModifiedSheet();
    void missingUnitAsksToCreateIt();
    void copyFileOpensAsASheetThatCannotOverwrite();

private:
    TfrmMain &main() { return m_fixture->main(); }
    Program &program() { return m_fixture->program(); }
    ScriptedPrompter &prompter() { return m_fixture->prompter(); }

    void open(int lesson, int section, int unit, int similar = -1)
    {
        m_fixture->open(lesson, section, unit, similar);
    }
    TfrmPrintM *active() { return m_fixture->active(); }
    /// The composed sheet key of a file of the demo's geography lesson.
    std::string key(const char *rest) const { return m_fixture->composed(rest); }
    QRect fieldRect(int entry) const;

    std::unique_ptr<SheetFixture> m_fixture;
};

void PrintMTest::initTestCase()
{
    PrepareSheetTests();
}

void PrintMTest::init()
{
    m_fixture = std::make_unique<SheetFixture>();
}

void PrintMTest::cleanup()
{
    DropAndReport(m_fixture);
}

QRect PrintMTest::fieldRect(int entry) const
{
    const AnswerField &field = m_fixture->program().renderTables.answerFieldTable[entry];
    return QRect(field.x, field.y, field.width, 30);
}

void PrintMTest::openedUnitShowsItsDrawnPage()
{
    open(0, 0, 0);
    TfrmPrintM *sheet = active();
    const std::string sheetKey = key("chiri\\ch1.que-U1");
    QCOMPARE(sheet->windowTitle(), QString::fromStdString(Cp932ToUtf8(sheetKey)));
    QCOMPARE(main().openSheetList(), std::vector<std::string>{sheetKey});
    QCOMPARE(program().state.openWorksheetCount, 1);
    QVERIFY(sheet->sheet().openedFromMaster);
    QCOMPARE(sheet->sheet().filePath, key("chiri\\ch1.que"));
    QCOMPARE(sheet->sheet().printTag, std::string("ch1.que-U1"));
    QVERIFY(!sheet->sheet().modified);

    const QImage page = sheet->pageImage();
    QCOMPARE(page.size(), QSize(630, 891));
    QCOMPARE(sheet->findChild<QLabel *>("Image1")->size(), QSize(630, 891));
    QVERIFY(CountPixels(page, page.rect(), Inked) > 1000);

    // The unit's seven answers were collected, each drawn in blue where its entry says.
    const RenderTables &tables = program().renderTables;
    QCOMPARE(tables.answerFieldCount, 7);
    QCOMPARE(Cp932ToUtf8(tables.answerFieldTable[1].answerText), std::string("　札幌市;札幌　"));
    QCOMPARE(Cp932ToUtf8(tables.answerFieldTable[7].answerText), std::string("　福島市;福島　"));
    for (int entry = 1; entry <= 7; ++entry)
        QVERIFY2(CountPixels(page, fieldRect(entry), AnswerBlue) > 20,
                 qPrintable(QString::number(entry)));
    QCOMPARE(main().findChild<QSpinBox *>("spnGyokan")->value(), 40);
    QCOMPARE(main().findChild<QSpinBox *>("spnMojiSize")->value(), 12);
}

void PrintMTest::openingAgainActivatesTheOpenSheet()
{
    open(0, 0, 0);
    TfrmPrintM *first = active();
    open(0, 0, 1);
    TfrmPrintM *second = active();
    QVERIFY(first != second);
    QCOMPARE(main().findChild<QSpinBox *>("spnGyokan")->value(), 38);

    prompter().expectMessage("すでに読み込まれています");
    open(0, 0, 0);
    QCOMPARE(active(), first);
    QCOMPARE(main().mdiArea()->activeSubWindow(), first);
    QCOMPARE(main().openSheetList().size(), std::size_t(2));
    QCOMPARE(main().findChild<QSpinBox *>("spnGyokan")->value(), 40);
}

void PrintMTest::similarProblemOpensBesideItsUnit()
{
    open(0, 0, 0);
    TfrmPrintM *unit = active();
    open(0, 0, 0, /*similar=*/0);
    TfrmPrintM *similar = active();
    QVERIFY(unit != similar);
    QCOMPARE(main().openSheetList(),
             (std::vector<std::string>{key("chiri\\ch1.que-U1"), key("chiri\\ch1.que-U1R1")}));
    QVERIFY(similar->sheet().similarProblemSheet);
    QCOMPARE(similar->sheet().locator, (UnitLocator{1, 1, 1, 1}));
    QCOMPARE(Cp932ToUtf8(program().renderTables.answerFieldTable[1].answerText),
             std::string("　岩手県;岩手　"));
    QCOMPARE(program().renderTables.answerFieldCount, 6);
    QVERIFY(!unit->sheet().modified);
    QVERIFY(!similar->sheet().modified);
}

void PrintMTest::spinChangesRelayoutAndMarkModified()
{
    open(0, 0, 0);
    TfrmPrintM *sheet = active();
    const RenderTables &tables = program().renderTables;
    const AnswerField before = tables.answerFieldTable[7];

    main().findChild<QSpinBox *>("spnGyokan")->setValue(50);
    QVERIFY(sheet->sheet().modified);
    QCOMPARE(sheet->sheet().lineSpacing, 50);
    // The seventh answer stands on the eighth line: the first line's top 98 plus seven line
    // advances of 0.7875 × the spacing, rounded half to even.
    QCOMPARE(before.y, 318);
    QCOMPARE(tables.answerFieldTable[7].y, 374);
    QCOMPARE(tables.answerFieldTable[7].x, before.x);

    sheet->sheet().modified = false;
    main().findChild<QSpinBox *>("spnMojiSize")->setValue(16);
    QVERIFY(sheet->sheet().modified);
    QCOMPARE(sheet->sheet().fontSize, 16);
    QVERIFY(tables.answerFieldTable[7].width > before.width);
    QVERIFY(CountPixels(sheet->pageImage(), fieldRect(7), AnswerBlue) > 20);
}

void PrintMTest::activationPushesValuesWithoutMarkingModified()
{
    open(0, 0, 0);
    TfrmPrintM *first = active();
    open(0, 0, 1);
    TfrmPrintM *second = active();
    auto *spacing = main().findChild<QSpinBox *>("spnGyokan");
    spacing->setValue(60);
    QVERIFY(second->sheet().modified);

    // Every control takes the first sheet's values, yet neither sheet changes its mark.
    main().mdiArea()->setActiveSubWindow(first);
    QCOMPARE(active(), first);
    QCOMPARE(spacing->value(), 40);
    QCOMPARE(first->sheet().lineSpacing, 40);
    QVERIFY(!first->sheet().modified);
    QVERIFY(second->sheet().modified);

    main().mdiArea()->setActiveSubWindow(second);
    QCOMPARE(spacing->value(), 60);
    QVERIFY(second->sheet().modified);
    QVERIFY(!first->sheet().modified);
    QCOMPARE(second->pos(), QPoint(0, 0));
}

void PrintMTest::activationTicksTheSheetsOwnOptions()
{
    std::vector<std::string> handed;
    m_fixture->shell.zelkon->seams().takeSheetValues
        = [&handed](SheetWindow &sheet) { handed.push_back(sheet.sheet().sheetKey); };
    // Unit 1 prints its stamp (options 7), unit 3 does not (options 3).
    open(0, 0, 0);
    TfrmPrintM *stamped = active();
    open(0, 0, 2);
    TfrmPrintM *plain = active();
    const QRect stampLine(40, 12, 300, 14);
    QCOMPARE(CountPixels(plain->pageImage(), stampLine, Inked), 0);

    main().mdiArea()->setActiveSubWindow(stamped);
    QVERIFY(CountPixels(stamped->pageImage(), stampLine, Inked) > 50);
    main().mdiArea()->setActiveSubWindow(plain);
    QCOMPARE(CountPixels(plain->pageImage(), stampLine, Inked), 0);
    QCOMPARE(handed,
             (std::vector<std::string>{key("chiri\\ch1.que-U1"),
                                       key("chiri\\ch1.que-U3"),
                                       key("chiri\\ch1.que-U1"),
                                       key("chiri\\ch1.que-U3")}));
}

void PrintMTest::everyRedrawCollectsFieldsAndKeepsTheirStates()
{
    open(0, 0, 0);
    RenderTables &tables = program().renderTables;
    QCOMPARE(tables.answerFieldTable[1].state, int(kFieldOpen));
    // As a printout or a practice run leaves the table: not collecting, a field judged.
    tables.collectAnswerFields = false;
    tables.answerFieldTable[1].state = kFieldRight;
    const int y = tables.answerFieldTable[3].y;

    main().findChild<QSpinBox *>("spnGyokan")->setValue(30);
    QVERIFY(tables.answerFieldTable[3].y < y);
    QCOMPARE(tables.answerFieldTable[1].state, int(kFieldRight));
    QVERIFY(tables.collectAnswerFields);
}

void PrintMTest::answerDisplayAndAlternatives()
{
    open(0, 0, 0);
    TfrmPrintM *sheet = active();
    const QRect answers(fieldRect(1).left(), 60, 200, 400);
    QVERIFY(CountPixels(sheet->pageImage(), answers, AnswerBlue) > 100);
    QAction *menuItem = sheet->findChild<QAction *>("mnuAnswerDisplay");
    QVERIFY(menuItem->isChecked());

    QTest::mouseClick(main().findChild<QPushButton *>("btnKaitou"), Qt::LeftButton);
    QVERIFY(!sheet->sheet().answersShown);
    QVERIFY(!menuItem->isChecked());
    QCOMPARE(CountPixels(sheet->pageImage(), answers, AnswerBlue), 0);
    // The blank keeps the width of its answer.
    QVERIFY(program().renderTables.answerFieldTable[1].width > 40);

    QTest::mouseClick(main().findChild<QPushButton *>("btnKaitou"), Qt::LeftButton);
    QVERIFY(sheet->sheet().answersShown);
    // The second alternative "札幌" stands 24 pixels below the first in grey, and only while
    // "別解表示" is ticked.
    const QImage withAlternatives = sheet->pageImage();
    main().findChild<QCheckBox *>("chkBetsukai")->click();
    const QImage without = sheet->pageImage();
    const AnswerField &first = program().renderTables.answerFieldTable[1];
    int differing = 0;
    for (int y = first.y + 24; y < first.y + 40; ++y) {
        for (int x = first.x; x < first.x + first.width; ++x) {
            const QRgb pixel = withAlternatives.pixel(x, y);
            if (pixel == without.pixel(x, y))
                continue;
            ++differing;
            QVERIFY2(qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel),
                     qPrintable(QStringLiteral("not grey at %1,%2").arg(x).arg(y)));
        }
    }
    QVERIFY(differing > 20);
    QVERIFY(!sheet->sheet().modified);
}

void PrintMTest::graphsLieOverThePage()
{
    open(0, 0, 3);
    TfrmPrintM *sheet = active();
    auto *figure = sheet->findChild<QLabel *>("imgFig1");
    QVERIFY(figure->isVisibleTo(sheet));
    const QImage map(m_fixture->shell.file("chiri/Graph/Map1A.bmp"));
    QCOMPARE(figure->geometry(), QRect(410, 105, map.width(), map.height()));
    QCOMPARE(figure->parentWidget(), sheet->findChild<QLabel *>("Image1"));
    for (int k = 2; k <= 15; ++k)
        QVERIFY(!sheet->findChild<QLabel *>(QStringLiteral("imgFig%1").arg(k))->isVisibleTo(sheet));
    // The answer map is shown while answers are; the question map otherwise.
    QCOMPARE(figure->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
             map.convertToFormat(QImage::Format_RGB32));
    QTest::mouseClick(main().findChild<QPushButton *>("btnKaitou"), Qt::LeftButton);
    QCOMPARE(figure->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
             QImage(m_fixture->shell.file("chiri/Graph/Map1.bmp"))
                 .convertToFormat(QImage::Format_RGB32));
}

void PrintMTest::missingGraphIsReportedAndKeepsItsPlace()
{
    QVERIFY(QFile::remove(m_fixture->shell.file("chiri/Graph/Map1.bmp")));
    prompter().expectAnyMessage();
    open(0, 0, 3);
    QVERIFY(prompter().shown().back().ends_with("Map1.bmp が見つかりません"));
    QVERIFY(prompter().shown().back().starts_with("ファイル "));
    TfrmPrintM *sheet = active();
    QVERIFY(sheet->findChild<QLabel *>("imgFig1")->isVisibleTo(sheet));
    QCOMPARE(program().renderTables.answerFieldCount, 8);
}

void PrintMTest::reducedViewShowsThePlaceholder()
{
    open(0, 0, 3);
    TfrmPrintM *sheet = active();
    auto *page = sheet->findChild<QLabel *>("Image1");
    auto *reduced = sheet->findChild<QLabel *>("Image2");
    QCOMPARE(reduced->height(), main().sidePanelHeight() - 36);
    QCOMPARE(reduced->width(), qRound(reduced->height() / std::sqrt(2.0)));

    main().toggleReducedView();
    QVERIFY(reduced->isVisibleTo(sheet));
    QVERIFY(!page->isVisibleTo(sheet));
    QVERIFY(!sheet->findChild<QLabel *>("imgFig1")->isVisibleTo(sheet));
    main().toggleReducedView();
    QVERIFY(page->isVisibleTo(sheet));
    QVERIFY(!reduced->isVisibleTo(sheet));
    QVERIFY(sheet->findChild<QLabel *>("imgFig1")->isVisibleTo(sheet));
    QVERIFY(!sheet->sheet().modified);
}

void PrintMTest::sheetMenuForwardsAndHidesInStudentMode()
{
    open(0, 0, 0);
    TfrmPrintM *sheet = active();
    auto *menuBar = sheet->findChild<QMenuBar *>("mnuMain");
    QVERIFY(menuBar->isVisibleTo(sheet));

    // 表示 → 解答表示 is the main window's answer toggle.
    sheet->findChild<QAction *>("mnuAnswerDisplay")->trigger();
    QVERIFY(!program().state.answersShown);
    QVERIFY(!sheet->sheet().answersShown);

    QTest::mouseClick(main().findChild<QPushButton *>("btnLock"), Qt::LeftButton);
    QVERIFY(!menuBar->isVisibleTo(sheet));
    QTest::mouseClick(main().findChild<QPushButton *>("btnLock"), Qt::LeftButton);
    QVERIFY(menuBar->isVisibleTo(sheet));

    // ファイル → 閉じる closes this sheet.
    const QList<QAction *> items = sheet->findChild<QMenu *>("mnuFile")->actions();
    const auto close = std::find_if(items.begin(), items.end(), [](QAction *item) {
        return item->text() == QString::fromUtf8("閉じる(&C)");
    });
    QVERIFY(close != items.end());
    (*close)->trigger();
    QVERIFY(main().openSheetList().empty());
}

void PrintMTest::closingAsksAboutAModifiedSheet_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("saveResult"); // -1 no save asked, 0 the save failed, 1 it succeeded
    QTest::addColumn<bool>("closed");
    QTest::newRow("no") << int(PromptAnswer::No) << -1 << true;
    QTest::newRow("cancel") << int(PromptAnswer::Cancel) << -1 << false;
    QTest::newRow("yes, saved") << int(PromptAnswer::Yes) << 1 << true;
    QTest::newRow("yes, not saved") << int(PromptAnswer::Yes) << 0 << false;
}

void PrintMTest::closingAsksAboutAModifiedSheet()
{
    QFETCH(int, answer);
    QFETCH(int, saveResult);
    QFETCH(bool, closed);
    int saves = 0;
    m_fixture->shell.zelkon->seams().overwriteSave = [&saves, saveResult](SheetWindow &) {
        ++saves;
        return saveResult == 1;
    };
    open(0, 0, 0);
    TfrmPrintM *sheet = active();
    main().findChild<QSpinBox *>("spnGyokan")->setValue(44);
    const std::string sheetKey = key("chiri\\ch1.que-U1");

    prompter().expectYesNoCancel(Cp932ToUtf8(sheetKey) + "を保存しますか？",
                                 static_cast<PromptAnswer>(answer));
    QTest::mouseClick(main().findChild<QPushButton *>("btnClose"), Qt::LeftButton);
    QCOMPARE(saves, saveResult < 0 ? 0 : 1);
    QCOMPARE(main().openSheetList().empty(), closed);
    QCOMPARE(program().state.openWorksheetCount, closed ? 0 : 1);
    QVERIFY(program().state.activationRefresh);
    if (closed) {
        QCOMPARE(program().state.activeWorksheet, kNoWorksheet);
        QVERIFY(main().mdiArea()->subWindowList().size() == 1); // the title window
        return;
    }
    QCOMPARE(main().activeSheet(), static_cast<SheetWindow *>(sheet));
    QVERIFY(sheet->sheet().modified);
}

void PrintMTest::missingUnitAsksToCreateIt()
{
    QVERIFY(QFile::remove(m_fixture->shell.file("chiri/ch3.que")));
    prompter().expectYesNo(kCreateQuestion, false);
    open(0, 2, 0);
    QVERIFY(main().openSheetList().empty());
    QCOMPARE(main().activeSheet(), nullptr);

    // Yes opens the master file editor on the new unit; cancelled there, nothing opens.
    prompter().expectYesNo(kCreateQuestion, true);
    TfrmEditQues &editor = m_fixture->shell.zelkon->masterFileEditor();
    auto *cancel = new QTimer(&editor);
    connect(cancel, &QTimer::timeout, &editor, [&editor, cancel] {
        if (!editor.isVisible())
            return;
        cancel->stop();
        QTest::mouseClick(editor.findChild<QPushButton *>("btnCancel"), Qt::LeftButton);
    });
    cancel->start(10);
    open(0, 2, 0);
    delete cancel;
    QVERIFY(main().openSheetList().empty());
    QCOMPARE(program().state.openWorksheetCount, 0);
}

void PrintMTest::copyFileOpensAsASheetThatCannotOverwrite()
{
    QFile file(m_fixture->shell.file("mine.prp"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    for (const char *line : {"[[unitX",
                             "<<header",
                             "わたしのプリント",
                             "",
                             "",
                             ">>",
                             "<<ques",
                             "札幌は　#　北海道　#　の道庁所在地",
                             ">>",
                             "]]"})
        file.write(QByteArray::fromStdString(Utf8ToCp932(line) + "\r\n"));
    file.close();
    const std::string path = program().state.programFolder + "mine.prp";
    m_fixture->shell.zelkon->seams().browseCopyFile = [path] { return std::optional(path); };

    main().openCopyFile();
    TfrmPrintM *sheet = active();
    QCOMPARE(sheet->windowTitle(), QString::fromStdString(Cp932ToUtf8(path)));
    QVERIFY(sheet->sheet().openedAsCopyFile);
    QVERIFY(!sheet->sheet().openedFromMaster);
    QCOMPARE(program().renderTables.answerFieldCount, 1);
    QVERIFY(CountPixels(sheet->pageImage(), fieldRect(1), AnswerBlue) > 20);

    // Only a master file's sheet can be written back into its file.
    QMenu *fileMenu = sheet->findChild<QMenu *>("mnuFile");
    Q_EMIT fileMenu->aboutToShow();
    const QList<QAction *> items = fileMenu->actions();
    const auto overwrite = std::find_if(items.begin(), items.end(), [](QAction *item) {
        return item->text() == QString::fromUtf8("上書き保存(&S)");
    });
    QVERIFY(overwrite != items.end());
    QVERIFY(!(*overwrite)->isEnabled());
}

} // namespace zelkon::test

QTEST_MAIN(zelkon::test::PrintMTest)
#include "printm_test.moc"
