// The answer-field panel over sheets of the demo courseware, opened through the side panel's
// "解答欄　": the shape radios, 幅 and 高さ, the answer display, the keys, activation and the
// close question that protects a chosen shape.
#include "sheet_fixture.h"

#include "common/cp932.h"
#include "practice/answer_box.h"
#include "sheet/answer_fields.h"
#include "sheet/kran_settings.h"
#include "sheet/printm.h"
#include "sheet/settei.h"
#include "shell/main.h"
#include "shell/main_seams.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

namespace zelkon::test {

namespace {

// Units of the demo's first section (rows from 0; similar problem -1 for the unit itself) and
// the shapes, 幅 and 高さ their kran blocks hold.
struct UnitRow
{
    int unit;
    int similar;
};
constexpr UnitRow kRoundedUnit{0, -1};   // "5", 15, 2
constexpr UnitRow kBoxUnit{0, 0};        // "1", 12, 4
constexpr UnitRow kLenticularUnit{0, 1}; // "3", 10, 2
constexpr UnitRow kBracketUnit{1, -1};   // "2", 10, 2
constexpr UnitRow kUnderlineUnit{2, -1}; // "4", 20, 3

// Black field lines, as against the blue answers and the white page.
bool Dark(QRgb pixel)
{
    return qRed(pixel) < 110 && qGreen(pixel) < 110 && qBlue(pixel) < 110;
}

// Clicks a radio on its indicator: a short caption leaves the middle of the button unclickable.
void Click(QRadioButton *radio)
{
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
}

int DarkPixels(const QImage &page, int x0, int y0, int x1, int y1)
{
    int count = 0;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            count += Dark(page.pixel(x, y)) ? 1 : 0;
    return count;
}

} // namespace

class SetteiTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void panelLiesOverTheSidePanel();
    void eachChosenShapeRedrawsAndMarksModified();
    void chosenShapeIsProtectedByTheCloseQuestion();
    void sheetShapeSelectsItsRadioWithoutMarking();
    void widthAndHeightChangeTheFieldsAndRedraw();
    void closingWritesWidthAndHeightOnlyWithClose();
    void answersShowWhileOpenAndStayShown();
    void reducedViewKeyAndButton();
    void pageKeysScrollAndOtherKeysAreConsumed();
    void activationFillsThePanelWithoutMarking();
    void answerWidthSeams();

private:
    TfrmMain &main() { return m_fixture->main(); }
    TfrmSettei &panel() { return m_fixture->shell.zelkon->answerFieldPanel(); }
    Program &program() { return m_fixture->program(); }
    ScriptedPrompter &prompter() { return m_fixture->prompter(); }
    template<typename T>
    T *control(const char *name)
    {
        auto *found = panel().findChild<T *>(name);
        if (!found)
            qFatal("no control %s", name);
        return found;
    }

    /// Opens a unit of the geography lesson's first section.
    void open(UnitRow row) { m_fixture->open(0, 0, row.unit, row.similar); }
    /// Gives the active sheet one question line with one answer and nothing after it, so the
    /// page around its field holds nothing but the field, and redraws it.
    void oneAnswerOnly();
    TfrmPrintM *active() { return m_fixture->active(); }
    /// Presses "解答欄　" and runs `whileOpen` on the open panel; a panel still open afterwards
    /// is closed with its close box. The panel's result.
    int withPanel(const std::function<void()> &whileOpen);
    /// The frame of field `entry` as the page was drawn with the active sheet's allowances.
    QRect frameRect(int entry);

    std::unique_ptr<SheetFixture> m_fixture;
};

void SetteiTest::initTestCase()
{
    PrepareSheetTests();
}

void SetteiTest::init()
{
    m_fixture = std::make_unique<SheetFixture>();
}

void SetteiTest::cleanup()
{
    DropAndReport(m_fixture);
}

void SetteiTest::oneAnswerOnly()
{
    TfrmPrintM *sheet = active();
    sheet->sheet().questionLines = {Utf8ToCp932("（１）日本の首都は　#　東京　#")};
    sheet->redrawSheet();
    QCOMPARE(program().renderTables.answerFieldCount, 1);
}

int SetteiTest::withPanel(const std::function<void()> &whileOpen)
{
    QTimer::singleShot(0, &panel(), [this, whileOpen] {
        QApplication::setActiveWindow(&panel());
        whileOpen();
        if (panel().isVisible())
            panel().reject();
    });
    QTest::mouseClick(main().findChild<QPushButton *>("btnKran"), Qt::LeftButton);
    return panel().result();
}

QRect SetteiTest::frameRect(int entry)
{
    const Worksheet &sheet = active()->sheet();
    FieldLayout layout;
    layout.widthAllowance = KranInt(sheet, KranLine::widthAllowance);
    layout.heightAllowance = KranInt(sheet, KranLine::heightAllowance);
    layout.boxHeight = AnswerBoxHeight(main().fontSizeValue());
    const Rect r = FrameRect(program().renderTables.answerFieldTable[entry], layout);
    return QRect(QPoint(r.left, r.top), QPoint(r.right, r.bottom));
}

void SetteiTest::panelLiesOverTheSidePanel()
{
    open(kRoundedUnit);
    withPanel([this] {
        TfrmSettei &settei = panel();
        QCOMPARE(settei.windowTitle(), QString::fromUtf8("設定"));
        // Over the side panel, below the frame's menu bar.
        QCOMPARE(settei.pos(),
                 QPoint(main().frameGeometry().left(),
                        main().centralWidget()->mapToGlobal(QPoint(0, 0)).y()));
        QCOMPARE(settei.frameGeometry().height(), main().sidePanelHeight());
        QCOMPARE(settei.width(), 123);
        QCOMPARE(settei.palette().color(QPalette::Window), QColor(192, 192, 255));
        QCOMPARE(control<QGroupBox>("grbShape")->palette().color(QPalette::Window),
                 QColor(255, 255, 240));
        QCOMPARE(control<QGroupBox>("grbShape")->title(), QString::fromUtf8("解答欄の形"));
        // Margins and answer positions stay out of sight; the two bracket shapes too.
        QVERIFY(!control<QGroupBox>("grbPosition")->isVisible());
        QVERIFY(!control<QRadioButton>("radKakko")->isVisible());
        QVERIFY(!control<QRadioButton>("radLine")->isVisible());
        for (const char *name : {"radNon",
                                 "radShikaku",
                                 "radKasen",
                                 "radRound",
                                 "spnKranWX",
                                 "spnKranH",
                                 "btnKakudai",
                                 "btnOk"})
            QVERIFY2(settei.findChild<QWidget *>(name)->isVisible(), name);
        QCOMPARE(control<QPushButton>("btnKakudai")->text(), QString::fromUtf8("縮小"));
        QCOMPARE(control<QPushButton>("btnOk")->text(), QString::fromUtf8("閉じる"));
        QVERIFY(program().state.sheetDrawingEnabled);
    });
}

void SetteiTest::eachChosenShapeRedrawsAndMarksModified()
{
    open(kRoundedUnit);
    oneAnswerOnly();
    TfrmPrintM *sheet = active();
    struct Case
    {
        const char *radio;
        const char *code;
        bool width;
        bool height;
        bool changes;
    };
    const Case cases[] = {
        {"radNon", "0", false, false, true},
        {"radShikaku", "1", true, true, true},
        {"radKasen", "4", true, false, true},
        {"radRound", "5", true, true, true},
        // The shape already chosen changes nothing.
        {"radRound", "5", true, true, false},
    };
    withPanel([&] {
        for (const Case &c : cases) {
            sheet->sheet().modified = false;
            Click(control<QRadioButton>(c.radio));
            QVERIFY2(control<QRadioButton>(c.radio)->isChecked(), c.radio);
            QCOMPARE(sheet->sheet().kranValues[0], std::string(c.code));
            QCOMPARE(sheet->sheet().modified, c.changes);
            QCOMPARE(control<QSpinBox>("spnKranWX")->isEnabled(), c.width);
            QCOMPARE(control<QSpinBox>("spnKranH")->isEnabled(), c.height);

            // The page shows the shape: a box's left side, an underline below the answer, the
            // rounded box's side without its corner, nothing for none.
            const QImage page = sheet->pageImage();
            const QRect frame = frameRect(1);
            const int middle = frame.center().y();
            const int underline = frame.bottom() - qRound((frame.bottom() - frame.top()) * 0.2);
            const bool side
                = DarkPixels(page, frame.left(), middle - 2, frame.left(), middle + 2) > 0;
            const bool under
                = DarkPixels(page, frame.left() + 20, underline, frame.left() + 40, underline) > 10;
            const bool corner = Dark(page.pixel(frame.topLeft()));
            const std::string code = c.code;
            QVERIFY2(side == (code == "1" || code == "5"), c.radio);
            QVERIFY2(under == (code == "4"), c.radio);
            QVERIFY2(corner == (code == "1"), c.radio);
        }
    });
}

void SetteiTest::chosenShapeIsProtectedByTheCloseQuestion()
{
    open(kRoundedUnit);
    TfrmPrintM *sheet = active();
    QVERIFY(!sheet->sheet().modified);
    withPanel([this] { Click(control<QRadioButton>("radShikaku")); });
    QCOMPARE(panel().result(), int(QDialog::Rejected));
    QCOMPARE(sheet->sheet().kranValues[0], std::string("1"));
    QVERIFY(sheet->sheet().modified);

    prompter().expectYesNoCancel(Cp932ToUtf8(sheet->sheet().sheetKey) + "を保存しますか？",
                                 PromptAnswer::Cancel);
    main().closeActiveSheet();
    QCOMPARE(main().activeSheet(), sheet);
    QCOMPARE(sheet->sheet().kranValues[0], std::string("1"));
}

void SetteiTest::sheetShapeSelectsItsRadioWithoutMarking()
{
    struct Case
    {
        UnitRow unit;
        const char *lineZero; ///< written into the sheet before opening; null keeps the file's
        const char *radio;
        bool width;
        bool height;
    };
    // Each row's radio differs from the one before, so every opening moves the selection.
    const Case cases[] = {
        {kRoundedUnit, nullptr, "radRound", true, true},
        {kLenticularUnit, nullptr, "radLine", true, false},
        {kUnderlineUnit, nullptr, "radKasen", true, false},
        {kBracketUnit, nullptr, "radKakko", true, false},
        {kRoundedUnit, "0", "radNon", false, false},
        {kBoxUnit, nullptr, "radShikaku", true, true},
        {kBracketUnit, "4", "radKasen", true, false},
        // Only the first character is drawn, so "10" is shown as the box it draws.
        {kUnderlineUnit, "10", "radShikaku", true, true},
        {kLenticularUnit, "7", "radNon", false, false},
    };
    std::vector<std::pair<int, int>> opened;
    for (const Case &c : cases) {
        const QString row = QStringLiteral("unit %1 %2").arg(c.unit.unit).arg(c.radio);
        const std::pair<int, int> unit{c.unit.unit, c.unit.similar};
        if (std::find(opened.begin(), opened.end(), unit) != opened.end())
            prompter().expectMessage("すでに読み込まれています");
        opened.push_back(unit);
        open(c.unit);
        TfrmPrintM *sheet = active();
        if (c.lineZero)
            sheet->sheet().kranValues[0] = c.lineZero;
        const std::string before = sheet->sheet().kranValues[0];
        sheet->sheet().modified = false;
        withPanel([&] {
            QVERIFY2(control<QRadioButton>(c.radio)->isChecked(), qPrintable(row));
            QCOMPARE(control<QSpinBox>("spnKranWX")->isEnabled(), c.width);
            QCOMPARE(control<QSpinBox>("spnKranH")->isEnabled(), c.height);
            QVERIFY2(!sheet->sheet().modified, qPrintable(row));
        });
        // Neither opening nor closing touched the shape.
        QCOMPARE(sheet->sheet().kranValues[0], before);
        QVERIFY2(!sheet->sheet().modified, qPrintable(row));
        if (QTest::currentTestFailed())
            return;
    }
}

void SetteiTest::widthAndHeightChangeTheFieldsAndRedraw()
{
    open(kBoxUnit);
    oneAnswerOnly();
    TfrmPrintM *sheet = active();
    withPanel([&] {
        auto *width = control<QSpinBox>("spnKranWX");
        auto *height = control<QSpinBox>("spnKranH");
        QCOMPARE(width->value(), 12);
        QCOMPARE(height->value(), 4);
        QVERIFY(!sheet->sheet().modified);

        const QRect before = frameRect(1);
        width->setValue(40);
        QCOMPARE(sheet->sheet().kranValues[1], std::string("40"));
        QVERIFY(sheet->sheet().modified);
        const QRect wider = frameRect(1);
        QCOMPARE(wider.right(), before.right() + 28);
        // The box's right side moved to the new place on the page.
        const QImage widePage = sheet->pageImage();
        const int middle = wider.center().y();
        QVERIFY(DarkPixels(widePage, wider.right() - 1, middle - 2, wider.right() + 1, middle + 2)
                > 0);
        QCOMPARE(DarkPixels(widePage, before.right() - 1, middle - 2, before.right(), middle + 2),
                 0);

        sheet->sheet().modified = false;
        height->setValue(10);
        QCOMPARE(sheet->sheet().kranValues[2], std::string("10"));
        QVERIFY(sheet->sheet().modified);
        const QRect taller = frameRect(1);
        QCOMPARE(taller.top(), wider.top() - 3);
        QCOMPARE(taller.bottom(), wider.bottom() + 6);
        const QImage tallPage = sheet->pageImage();
        QVERIFY(DarkPixels(tallPage,
                           taller.left() + 20,
                           taller.bottom() - 1,
                           taller.left() + 30,
                           taller.bottom() + 1)
                > 5);
        QCOMPARE(DarkPixels(tallPage,
                            taller.left() + 20,
                            wider.bottom() - 1,
                            taller.left() + 30,
                            wider.bottom()),
                 0);

        // Digits typed into 幅 reach it; backspace does not.
        width->setFocus();
        width->selectAll();
        QTest::keyClicks(width, "25");
        QCOMPARE(width->value(), 25);
        QCOMPARE(sheet->sheet().kranValues[1], std::string("25"));
        QTest::keyClick(width, Qt::Key_Backspace);
        QCOMPARE(width->value(), 25);
        QTest::mouseClick(control<QPushButton>("btnOk"), Qt::LeftButton);
    });
    QCOMPARE(panel().result(), int(QDialog::Accepted));
    QCOMPARE(sheet->sheet().kranValues[1], std::string("25"));
    QCOMPARE(sheet->sheet().kranValues[2], std::string("10"));
}

void SetteiTest::closingWritesWidthAndHeightOnlyWithClose()
{
    struct Case
    {
        const char *how;
        bool written;
    };
    const Case cases[] = {{"btnOk", true}, {"Esc", true}, {"close box", false}};
    open(kBoxUnit);
    TfrmPrintM *sheet = active();
    for (const Case &c : cases) {
        const std::string how = c.how;
        const int result = withPanel([&] {
            // A line changed behind the panel's back shows whether closing writes 幅 and 高さ.
            sheet->sheet().kranValues[1] = "99";
            sheet->sheet().kranValues[2] = "98";
            if (how == "btnOk")
                QTest::mouseClick(control<QPushButton>("btnOk"), Qt::LeftButton);
            else if (how == "Esc")
                QTest::keyClick(control<QRadioButton>("radShikaku"), Qt::Key_Escape);
            else
                panel().close();
        });
        QCOMPARE(result, int(c.written ? QDialog::Accepted : QDialog::Rejected));
        QCOMPARE(sheet->sheet().kranValues[1], std::string(c.written ? "12" : "99"));
        QCOMPARE(sheet->sheet().kranValues[2], std::string(c.written ? "4" : "98"));
        sheet->sheet().kranValues[1] = "12";
        sheet->sheet().kranValues[2] = "4";
    }
}

void SetteiTest::answersShowWhileOpenAndStayShown()
{
    open(kRoundedUnit);
    TfrmPrintM *sheet = active();
    for (const bool shownBefore : {false, true}) {
        if (program().state.answersShown != shownBefore)
            main().btnKaitouClick();
        QCOMPARE(sheet->sheet().answersShown, shownBefore);
        sheet->sheet().currentQuestion = 3;
        withPanel([&] {
            QVERIFY(program().state.answersShown);
            QVERIFY(sheet->sheet().answersShown);
            // The page shows the answers in blue while the fields are adjusted.
            const AnswerField &field = program().renderTables.answerFieldTable[1];
            const QImage page = sheet->pageImage();
            int blue = 0;
            for (int y = field.y; y < field.y + 20; ++y)
                for (int x = field.x; x < field.x + field.width; ++x)
                    blue += qBlue(page.pixel(x, y)) > 200 && qRed(page.pixel(x, y)) < 120;
            QVERIFY(blue > 20);
        });
        QVERIFY(program().state.answersShown);
        QVERIFY(sheet->sheet().answersShown);
        // Only turning the display on runs the toggle, which clears the practice question.
        QCOMPARE(sheet->sheet().currentQuestion, shownBefore ? 3 : -1);
    }
}

void SetteiTest::reducedViewKeyAndButton()
{
    open(kRoundedUnit);
    TfrmPrintM *sheet = active();
    auto *reduced = sheet->findChild<QLabel *>("Image2");
    withPanel([&] {
        auto *button = control<QPushButton>("btnKakudai");
        QCOMPARE(button->text(), QString::fromUtf8("縮小"));
        QTest::keyClick(control<QRadioButton>("radRound"), Qt::Key_S, Qt::ShiftModifier);
        QVERIFY(main().reducedView());
        QVERIFY(reduced->isVisibleTo(sheet));
        QCOMPARE(button->text(), QString::fromUtf8("拡大"));
        QTest::keyClick(&panel(), Qt::Key_S);
        QVERIFY(!main().reducedView());
        QVERIFY(!reduced->isVisibleTo(sheet));
        QCOMPARE(button->text(), QString::fromUtf8("縮小"));
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(main().reducedView());
        QCOMPARE(button->text(), QString::fromUtf8("拡大"));
    });
    // The next opening shows the main window's caption for the view.
    withPanel([this] {
        QCOMPARE(control<QPushButton>("btnKakudai")->text(), QString::fromUtf8("拡大"));
        QTest::keyClick(&panel(), Qt::Key_S);
    });
    QVERIFY(!main().reducedView());
    QVERIFY(!active()->sheet().modified);
}

void SetteiTest::pageKeysScrollAndOtherKeysAreConsumed()
{
    open(kRoundedUnit);
    TfrmPrintM *sheet = active();
    withPanel([&] {
        // A window lower than the page, whatever the screen.
        sheet->resize(sheet->width(), 400);
        QVERIFY(sheet->pageImageHeight() > sheet->windowHeight());
        sheet->setScrollPosition(0);
        QTest::keyClick(control<QRadioButton>("radRound"), Qt::Key_PageDown);
        QVERIFY(sheet->scrollPosition() > 0);
        QTest::keyClick(&panel(), Qt::Key_PageUp);
        QCOMPARE(sheet->scrollPosition(), 0);

        // Arrow keys and Space move no radio: the panel keeps every key from its controls.
        auto *round = control<QRadioButton>("radRound");
        round->setFocus();
        for (const Qt::Key key :
             {Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Space, Qt::Key_Tab, Qt::Key_Return})
            QTest::keyClick(round, key);
        QVERIFY(round->isChecked());
        QCOMPARE(sheet->sheet().kranValues[0], std::string("5"));
        QVERIFY(!sheet->sheet().modified);
        QVERIFY(panel().isVisible());
        auto *width = control<QSpinBox>("spnKranWX");
        width->setFocus();
        QTest::keyClick(width, Qt::Key_Up);
        QCOMPARE(width->value(), 15);
    });
    QVERIFY(!sheet->sheet().modified);
}

void SetteiTest::activationFillsThePanelWithoutMarking()
{
    open(kBoxUnit);
    TfrmPrintM *box = active();
    auto *width = control<QSpinBox>("spnKranWX");
    auto *height = control<QSpinBox>("spnKranH");
    QCOMPARE(width->value(), 12);
    QCOMPARE(height->value(), 4);
    open(kUnderlineUnit);
    TfrmPrintM *underline = active();
    QCOMPARE(width->value(), 20);
    QCOMPARE(height->value(), 3);
    QCOMPARE(control<QSpinBox>("spnKranX")->value(), 15);
    QCOMPARE(control<QSpinBox>("spnKranY")->value(), 10);
    QCOMPARE(control<QSpinBox>("spnLeftM")->value(), underline->sheet().leftMargin);

    // A margin beyond the box's range is shown as far as it goes and kept by the sheet.
    box->sheet().leftMargin = 20;
    QVERIFY(main().activateSheet(box->sheet().sheetKey));
    QCOMPARE(width->value(), 12);
    QCOMPARE(control<QSpinBox>("spnLeftM")->value(), 15);
    QCOMPARE(box->sheet().leftMargin, 20);
    QCOMPARE(box->sheet().kranValues[1], std::string("12"));
    QVERIFY(!box->sheet().modified);
    QVERIFY(!underline->sheet().modified);
}

void SetteiTest::answerWidthSeams()
{
    open(kRoundedUnit);
    TfrmPrintM *sheet = active();
    MainSeams &seams = m_fixture->shell.zelkon->seams();
    QCOMPARE(seams.answerFieldWidth(), std::optional<int>(15));

    sheet->sheet().kranValues[1] = "33";
    seams.takeAnswerWidth(*sheet);
    QCOMPARE(control<QSpinBox>("spnKranWX")->value(), 33);
    QCOMPARE(seams.answerFieldWidth(), std::optional<int>(33));
    QVERIFY(!sheet->sheet().modified);

    // The side panel's hidden answer width stores the panel's 幅 as the sheet's answer width.
    sheet->sheet().kranValues[1] = "15";
    main().findChild<QSpinBox *>("spnKaitouHaba")->setValue(11);
    QCOMPARE(sheet->sheet().kranValues[1], std::string("33"));
    QVERIFY(sheet->sheet().modified);
}

} // namespace zelkon::test

QTEST_MAIN(zelkon::test::SetteiTest)
#include "settei_test.moc"
