// Printing a worksheet on the demo courseware into PDF files through a real QPrinter: the print
// dialog, numbered copies as jobs of their own, the two print modes, failed jobs, and the print
// mode and paper dialogs.
#include "sheet_fixture.h"

#include "common/cp932.h"
#include "platform/print_target.h"
#include "platform/printer_pages.h"
#include "sheet/printm.h"
#include "sheet/printmode.h"
#include "sheet/printok.h"
#include "sheet/setpaper.h"
#include "shell/main.h"
#include "shell/main_seams.h"
#include "support/pdf_print_target.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace zelkon::test {

namespace {

/// What poppler says about a PDF file: its page count, the first page's size in points and
/// its text.
struct PdfFacts
{
    int pages = 0;
    QSizeF pageSize;
    QString text;
};

QString RunPoppler(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

PdfFacts ReadPdf(const QString &file)
{
    PdfFacts facts;
    const QString info = RunPoppler("pdfinfo", {file});
    const QRegularExpressionMatch pages = QRegularExpression("Pages:\\s+(\\d+)").match(info);
    facts.pages = pages.hasMatch() ? pages.captured(1).toInt() : 0;
    const QRegularExpressionMatch size
        = QRegularExpression("Page size:\\s+([\\d.]+) x ([\\d.]+) pts").match(info);
    if (size.hasMatch())
        facts.pageSize = QSizeF(size.captured(1).toDouble(), size.captured(2).toDouble());
    facts.text = RunPoppler("pdftotext", {"-enc", "UTF-8", file, "-"});
    return facts;
}

/// Runs `act` on the modal dialog as soon as it is shown.
void WhenShown(std::function<void(QWidget *)> act)
{
    QTimer::singleShot(0, [act] {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog)
            qFatal("no modal dialog was shown");
        act(dialog);
    });
}

void Click(QWidget *dialog, const char *button)
{
    QTest::mouseClick(dialog->findChild<QPushButton *>(button), Qt::LeftButton);
}

QString Label(QWidget *dialog, const char *name)
{
    return dialog->findChild<QLabel *>(name)->text();
}

QString U(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

class PrintTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void dialogAsksForTheSheetsPaper_data();
    void dialogAsksForTheSheetsPaper();
    void numberedCopiesAreJobsOfTheirOwn();
    void unnumberedCopiesAreOneJob();
    void screenFaithfulPrintsThePagePicture();
    void setUpCancelledPrintsNothing();
    void setUpOnceIsEnough();
    void jobThatCannotBeginIsReported();
    void pageThatCannotBeDrawnIsWithdrawn();
    void startNumberBoxFollowsTheActiveSheet();
    void practicePrintsItsPictureAndTheLearnersAnswers();

    void printModeIsStoredHoweverTheDialogCloses_data();
    void printModeIsStoredHoweverTheDialogCloses();
    void printNumberingReachesTheRender();

    void paperDialogKeepsTheMainPaper();
    void paperDialogOptionsBecomeTheSheets_data();
    void paperDialogOptionsBecomeTheSheets();
    void paperDialogChoosesA4AndCancels();

private:
    TfrmMain &main() { return m_fixture->main(); }
    Program &program() { return m_fixture->program(); }
    ScriptedPrompter &prompter() { return m_fixture->prompter(); }
    TfrmPrintMode &printMode() { return m_fixture->shell.zelkon->printModeDialog(); }

    void open(int lesson, int section, int unit) { m_fixture->open(lesson, section, unit); }
    TfrmPrintM *active() { return m_fixture->active(); }
    /// Sets the print mode dialog through its window: the mode, "№を付ける" and 開始番号.
    void setPrintMode(bool printerResolution, bool number, int start);
    /// Presses the main window's "印　刷　" and runs `act` on the print dialog.
    void print(const std::function<void(QWidget *)> &act);
    /// Presses "印刷開始" in the print dialog.
    void printAndWait()
    {
        print([](QWidget *dialog) { Click(dialog, "btnPrint"); });
    }
    QString outFile(const QString &name) const { return m_out.filePath(name); }

    std::unique_ptr<SheetFixture> m_fixture;
    std::unique_ptr<QTemporaryDir> m_outDir;
    QDir m_out;
    PdfPrintTarget *m_target = nullptr;
};

void PrintTest::initTestCase()
{
    PrepareSheetTests();
    QVERIFY2(!QStandardPaths::findExecutable("pdfinfo").isEmpty(), "poppler-utils is missing");
}

void PrintTest::init()
{
    m_fixture = std::make_unique<SheetFixture>();
    m_outDir = std::make_unique<QTemporaryDir>();
    m_out = QDir(m_outDir->path());
    auto target
        = std::make_unique<PdfPrintTarget>(outFile("sheet.pdf"), 600, PrinterPageLayout(Paper::A4));
    m_target = target.get();
    m_fixture->shell.zelkon->printDialog().setPrintTarget(std::move(target));
}

void PrintTest::cleanup()
{
    DropAndReport(m_fixture);
}

void PrintTest::setPrintMode(bool printerResolution, bool number, int start)
{
    WhenShown([=](QWidget *dialog) {
        QTest::mouseClick(
            dialog->findChild<QRadioButton *>(printerResolution ? "radPrinter" : "radDisplay"),
            Qt::LeftButton);
        dialog->findChild<QCheckBox *>("chkNumber")->setChecked(number);
        dialog->findChild<QSpinBox *>("spnStart")->setValue(start);
        Click(dialog, "frmClose");
    });
    m_fixture->shell.zelkon->seams().showPrintModeDialog();
}

void PrintTest::print(const std::function<void(QWidget *)> &act)
{
    WhenShown(act);
    QTest::mouseClick(main().findChild<QPushButton *>("btnPrint"), Qt::LeftButton);
}

void PrintTest::dialogAsksForTheSheetsPaper_data()
{
    QTest::addColumn<int>("paper");
    QTest::addColumn<QString>("request");
    QTest::addColumn<int>("pageSize");
    QTest::newRow("B5") << int(Paper::B5) << U("用紙のサイズを B5 に設定してください")
                        << int(QPageSize::JisB5);
    QTest::newRow("A4") << int(Paper::A4) << U("用紙のサイズを A4 に設定してください")
                        << int(QPageSize::A4);
    QTest::newRow("B4") << int(Paper::B4) << U("用紙のサイズを B4 に設定してください")
                        << int(QPageSize::JisB4);
    QTest::newRow("A3") << int(Paper::A3) << U("用紙のサイズを A3 に設定してください")
                        << int(QPageSize::A3);
}

void PrintTest::dialogAsksForTheSheetsPaper()
{
    QFETCH(int, paper);
    QFETCH(QString, request);
    QFETCH(int, pageSize);
    open(0, 0, 0);
    main().choosePaper(static_cast<Paper>(paper));
    QString caption, size, width, height;
    print([&](QWidget *dialog) {
        caption = dialog->windowTitle();
        size = Label(dialog, "lblSize");
        width = Label(dialog, "lblPWidth");
        height = Label(dialog, "lblPHeight");
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    QCOMPARE(caption, U("印刷"));
    QCOMPARE(size, request);
    // The printer is offered the sheet's paper, and the labels show its page in device pixels.
    QPrinter &printer = m_target->printer();
    QCOMPARE(int(printer.pageLayout().pageSize().id()), pageSize);
    QCOMPARE(width, U("横：") + QString::number(printer.width()));
    QCOMPARE(height, U("縦：") + QString::number(printer.height()));
    QVERIFY(printer.width() > 3000);
    // Esc closed the dialog without setting up or printing.
    QCOMPARE(m_target->setUps, 0);
    QVERIFY(m_out.isEmpty());
}

void PrintTest::numberedCopiesAreJobsOfTheirOwn()
{
    // Unit 4 has a map and prints its class flag, date line and stamp.
    open(0, 0, 3);
    setPrintMode(/*printerResolution=*/true, /*number=*/true, 5);
    m_target->copies = 3;
    const RenderTables before = program().renderTables;
    main().toggleReducedView();
    QString after;
    print([&](QWidget *dialog) {
        Click(dialog, "btnPrint");
        after = Label(dialog, "lblSize");
    });
    QCOMPARE(after, U("印刷完了"));
    QVERIFY(!m_fixture->shell.zelkon->printDialog().isVisible());
    QCOMPARE(m_target->setUps, 1);

    // Three files, one job each, numbered 5, 6 and 7 in their stamps.
    QCOMPARE(m_out.entryList(QDir::Files),
             (QStringList{"sheet-5.pdf", "sheet-6.pdf", "sheet-7.pdf"}));
    for (int number : {5, 6, 7}) {
        const PdfFacts pdf = ReadPdf(outFile(QStringLiteral("sheet-%1.pdf").arg(number)));
        QCOMPARE(pdf.pages, 1);
        QVERIFY(qAbs(pdf.pageSize.width() - 595.3) < 1 && qAbs(pdf.pageSize.height() - 841.9) < 1);
        QVERIFY2(pdf.text.contains(QRegularExpression(QStringLiteral("№ %1\\s").arg(number))),
                 qPrintable(pdf.text));
        QVERIFY(pdf.text.contains("ch1.que-U4"));
        QVERIFY(pdf.text.contains(U("実施日")));
    }
    QCOMPARE(printMode().startNumber(), 1);
    QCOMPARE(m_target->printer().copyCount(), 1);
    // The printer's file name stays the one chosen; the reduced view was left for the page.
    QCOMPARE(m_target->printer().outputFileName(), outFile("sheet.pdf"));
    QVERIFY(!main().reducedView());
    QVERIFY(program().state.activationRefresh);
    // The on-screen fields are not replaced by the printer's.
    const RenderTables &tables = program().renderTables;
    QCOMPARE(tables.answerFieldCount, before.answerFieldCount);
    for (int entry = 1; entry <= tables.answerFieldCount; ++entry) {
        QCOMPARE(tables.answerFieldTable[entry].x, before.answerFieldTable[entry].x);
        QCOMPARE(tables.answerFieldTable[entry].y, before.answerFieldTable[entry].y);
    }
}

void PrintTest::unnumberedCopiesAreOneJob()
{
    open(0, 0, 0);
    setPrintMode(/*printerResolution=*/true, /*number=*/false, 5);
    m_target->copies = 3;
    printAndWait();
    // The printer makes the copies of its one job; the number goes back to 1 all the same.
    QCOMPARE(m_out.entryList(QDir::Files), QStringList{"sheet.pdf"});
    const PdfFacts pdf = ReadPdf(outFile("sheet.pdf"));
    QCOMPARE(pdf.pages, 1);
    QVERIFY(!pdf.text.contains(U("№")));
    QVERIFY(pdf.text.contains("ch1.que-U1"));
    QCOMPARE(m_target->printer().copyCount(), 3);
    QCOMPARE(printMode().startNumber(), 1);
}

void PrintTest::screenFaithfulPrintsThePagePicture()
{
    open(0, 0, 3);
    setPrintMode(/*printerResolution=*/false, /*number=*/true, 2);
    m_target->copies = 2;
    printAndWait();
    QCOMPARE(m_out.entryList(QDir::Files), (QStringList{"sheet-2.pdf", "sheet-3.pdf"}));
    QFile file(outFile("sheet-2.pdf"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    // One picture of the page as the screen shows it, and no text drawn anew.
    QVERIFY(pdf.contains("/Width 630") && pdf.contains("/Height 891"));
    const PdfFacts facts = ReadPdf(outFile("sheet-2.pdf"));
    QCOMPARE(facts.pages, 1);
    QVERIFY2(facts.text.trimmed().isEmpty(), qPrintable(facts.text));
    QCOMPARE(printMode().startNumber(), 1);
}

void PrintTest::setUpCancelledPrintsNothing()
{
    open(0, 0, 0);
    setPrintMode(/*printerResolution=*/true, /*number=*/true, 5);
    m_target->confirm = false;
    bool stillOpen = false;
    QString size;
    print([&](QWidget *dialog) {
        Click(dialog, "btnPrint");
        stillOpen = dialog->isVisible();
        size = Label(dialog, "lblSize");
        Click(dialog, "btnClose");
    });
    QVERIFY(stillOpen);
    QCOMPARE(size, U("用紙のサイズを A4 に設定してください"));
    QCOMPARE(m_target->setUps, 1);
    QVERIFY(m_out.isEmpty());
    QCOMPARE(printMode().startNumber(), 5);
}

void PrintTest::setUpOnceIsEnough()
{
    open(0, 0, 0);
    QString widthAfterSetUp;
    print([&](QWidget *dialog) {
        // A set-up that picks B4 shows the new page at once, and printing does not ask again.
        m_target->printer().setPageLayout(PrinterPageLayout(Paper::B4));
        Click(dialog, "btnSettei");
        widthAfterSetUp = Label(dialog, "lblPWidth");
        Click(dialog, "btnPrint");
    });
    QCOMPARE(m_target->setUps, 1);
    QCOMPARE(widthAfterSetUp, U("横：") + QString::number(m_target->printer().width()));
    const PdfFacts pdf = ReadPdf(outFile("sheet.pdf"));
    QCOMPARE(pdf.pages, 1);
    QVERIFY(qAbs(pdf.pageSize.width() - 728.5) < 1);

    // Opened again, the dialog asks for the set-up once more before printing.
    printAndWait();
    QCOMPARE(m_target->setUps, 2);
}

void PrintTest::jobThatCannotBeginIsReported()
{
    open(0, 0, 0);
    setPrintMode(/*printerResolution=*/true, /*number=*/true, 5);
    m_target->copies = 3;
    const QString missing = m_out.filePath("no such folder/sheet.pdf");
    m_target->printer().setOutputFileName(missing);
    QString size;
    bool stillOpen = false;
    bool buttonsEnabled = false;
    print([&](QWidget *dialog) {
        Click(dialog, "btnPrint");
        size = Label(dialog, "lblSize");
        stillOpen = dialog->isVisible();
        buttonsEnabled = dialog->findChild<QPushButton *>("btnPrint")->isEnabled()
                         && dialog->findChild<QPushButton *>("btnClose")->isEnabled();
        Click(dialog, "btnClose");
    });
    // Not "印刷完了": the dialog stays open and says which job failed and where it was going.
    QCOMPARE(size,
             U("1部目の印刷を開始できませんでした。プリンタか出力先のファイルを確かめてください\n")
                 + m_out.filePath("no such folder/sheet-5.pdf"));
    QVERIFY(stillOpen);
    QVERIFY(buttonsEnabled);
    // The sheet that did not come out is the next one printed.
    QCOMPARE(printMode().startNumber(), 5);
    QVERIFY(program().state.activationRefresh);
    QCOMPARE(m_target->printer().outputFileName(), missing);
}

void PrintTest::pageThatCannotBeDrawnIsWithdrawn()
{
    open(0, 0, 0);
    setPrintMode(/*printerResolution=*/true, /*number=*/true, 5);
    m_target->copies = 2;
    // More answers than the field table holds: the screen page was drawn before they came.
    std::vector<std::string> &lines = active()->sheet().questionLines;
    lines.assign(30, Utf8ToCp932("#あ#　#い#　#う#"));
    prompter().expectMessage(
        "解答欄が多すぎます。問題の27行目で80個を超えたため、描画を中止しました");
    QString size;
    print([&](QWidget *dialog) {
        Click(dialog, "btnPrint");
        size = Label(dialog, "lblSize");
        Click(dialog, "btnClose");
    });
    QCOMPARE(size, U("1部目の印刷を中止しました"));
    // No half page is left behind, and nothing more was printed.
    QVERIFY(m_out.entryList(QDir::Files).isEmpty());
    QCOMPARE(printMode().startNumber(), 5);
}

void PrintTest::startNumberBoxFollowsTheActiveSheet()
{
    open(0, 0, 0);
    TfrmPrintM *first = active();
    QSpinBox *box = m_fixture->shell.zelkon->printDialog().findChild<QSpinBox *>("spnStartNum");
    QCOMPARE(box->value(), 1);
    QCOMPARE(box->minimum(), 1);
    QCOMPARE(box->maximum(), 100);
    // A change is kept with the sheet and marks it; it is not the printed number.
    print([](QWidget *dialog) {
        dialog->findChild<QSpinBox *>("spnStartNum")->setValue(4);
        Click(dialog, "btnClose");
    });
    QCOMPARE(first->sheet().startNumber, 4);
    QVERIFY(first->sheet().modified);
    QCOMPARE(printMode().startNumber(), 1);

    // Another sheet shows its own number without being marked; the first one shows its again.
    open(0, 0, 1);
    TfrmPrintM *second = active();
    QCOMPARE(box->value(), 1);
    QVERIFY(!second->sheet().modified);
    main().mdiArea()->setActiveSubWindow(first);
    QCOMPARE(box->value(), 4);
    // A stored number beyond the box is held to it.
    second->sheet().startNumber = 250;
    main().mdiArea()->setActiveSubWindow(second);
    QCOMPARE(box->value(), 100);
    QCOMPARE(second->sheet().startNumber, 100);
    QVERIFY(!second->sheet().modified);
}

void PrintTest::practicePrintsItsPictureAndTheLearnersAnswers()
{
    open(0, 0, 0);
    // As the practice window prints: its own picture, the learner's answers in the fields.
    RenderTables &tables = program().renderTables;
    tables.learnerAnswers[1] = Utf8ToCp932("函館");
    tables.showLearnerAnswers = true;
    QImage practicePicture(630, 891, QImage::Format_RGB32);
    practicePicture.fill(QColor(255, 0, 0));
    auto printPractice = [&] {
        WhenShown([](QWidget *dialog) { Click(dialog, "btnPrint"); });
        m_fixture->shell.zelkon->seams().showPrintDialog(*active(), practicePicture);
    };

    printPractice();
    const QString text = ReadPdf(outFile("sheet.pdf")).text;
    QVERIFY2(text.contains(U("函館")), qPrintable(text));
    // Answers the learner left empty stay blank; the questions are all there.
    QVERIFY(!text.contains(U("札幌市")) && !text.contains(U("青森市")));
    QVERIFY(text.contains(U("青森県の県庁所在地は")));

    setPrintMode(/*printerResolution=*/false, /*number=*/true, 1);
    printPractice();
    const QString page = m_out.filePath("page");
    QVERIFY(RunPoppler("pdftoppm", {"-r", "20", "-png", "-singlefile", outFile("sheet.pdf"), page})
                .isEmpty());
    const QImage printed(page + ".png");
    QVERIFY(!printed.isNull());
    const QRgb middle = printed.pixel(printed.width() / 2, printed.height() / 2);
    QVERIFY(qRed(middle) > 240 && qGreen(middle) < 16 && qBlue(middle) < 16);
}

void PrintTest::printModeIsStoredHoweverTheDialogCloses_data()
{
    QTest::addColumn<bool>("printerResolution");
    QTest::addColumn<bool>("byEscape");
    QTest::newRow("screen, 閉じる") << false << false;
    QTest::newRow("screen, Esc") << false << true;
    QTest::newRow("printer, 閉じる") << true << false;
    QTest::newRow("printer, Esc") << true << true;
}

void PrintTest::printModeIsStoredHoweverTheDialogCloses()
{
    QFETCH(bool, printerResolution);
    QFETCH(bool, byEscape);
    open(0, 0, 0);
    // The dialog shows the mode in force, whatever was clicked and left before.
    program().state.printMode = !printerResolution;
    bool shownPrinter = false;
    WhenShown([&](QWidget *dialog) {
        shownPrinter = dialog->findChild<QRadioButton *>("radPrinter")->isChecked();
        QTest::mouseClick(
            dialog->findChild<QRadioButton *>(printerResolution ? "radPrinter" : "radDisplay"),
            Qt::LeftButton);
        if (byEscape)
            QTest::keyClick(dialog, Qt::Key_Escape);
        else
            Click(dialog, "frmClose");
    });
    m_fixture->shell.zelkon->seams().showPrintModeDialog();
    QCOMPARE(shownPrinter, !printerResolution);
    QCOMPARE(program().state.printMode, printerResolution);
    QCOMPARE(m_fixture->shell.stored("PrintMode").integer, printerResolution ? 1 : 0);
    QVERIFY(!printMode().isVisible());
}

void PrintTest::printNumberingReachesTheRender()
{
    // The form's start: numbered, from 1.
    RenderContext context;
    context.numberSheets = false;
    context.sheetNumber = 0;
    m_fixture->shell.zelkon->seams().applyPrintNumbering(context);
    QVERIFY(context.numberSheets);
    QCOMPARE(context.sheetNumber, 1);

    open(0, 0, 0);
    setPrintMode(/*printerResolution=*/true, /*number=*/false, -3);
    m_fixture->shell.zelkon->seams().applyPrintNumbering(context);
    QVERIFY(!context.numberSheets);
    QCOMPARE(context.sheetNumber, -3);
}

void PrintTest::paperDialogKeepsTheMainPaper()
{
    open(0, 0, 0);
    main().choosePaper(Paper::B4);
    active()->sheet().modified = false;
    TfrmSetPaper &dialog = m_fixture->shell.zelkon->paperDialog();
    bool b4Shown = false;
    bool othersDisabled = false;
    WhenShown([&](QWidget *shown) {
        b4Shown = shown->findChild<QRadioButton *>("radB4")->isChecked();
        othersDisabled = !shown->findChild<QRadioButton *>("radB5")->isEnabled()
                         && !shown->findChild<QRadioButton *>("radB4")->isEnabled()
                         && !shown->findChild<QRadioButton *>("radA3")->isEnabled()
                         && shown->findChild<QRadioButton *>("radA4")->isEnabled();
        Click(shown, "btnOk");
    });
    m_fixture->shell.zelkon->seams().showPaperDialog();
    QVERIFY(b4Shown);
    QVERIFY(othersDisabled);
    QCOMPARE(dialog.windowTitle(), U("用紙設定"));
    QCOMPARE(active()->sheet().paper, (PaperSpec{0, 771, 1092}));
    QCOMPARE(main().currentPaperEntry().width, 771);
    QCOMPARE(m_fixture->shell.stored("PaperSize").integer, 771);
    QVERIFY(active()->sheet().modified);
}

void PrintTest::paperDialogOptionsBecomeTheSheets_data()
{
    QTest::addColumn<bool>("classFlag");
    QTest::addColumn<bool>("date");
    QTest::addColumn<bool>("stamp");
    QTest::addColumn<int>("flags");
    QTest::newRow("none") << false << false << false << 0;
    QTest::newRow("学級旗") << true << false << false << 1;
    QTest::newRow("実施日") << false << true << false << 2;
    QTest::newRow("No.印刷日時") << false << false << true << 4;
    QTest::newRow("all") << true << true << true << 7;
}

void PrintTest::paperDialogOptionsBecomeTheSheets()
{
    QFETCH(bool, classFlag);
    QFETCH(bool, date);
    QFETCH(bool, stamp);
    QFETCH(int, flags);
    // Unit 3 has options 3 (class flag and date line).
    open(0, 0, 2);
    bool shownAsSheet = false;
    WhenShown([&](QWidget *shown) {
        auto box = [shown](const char *name) { return shown->findChild<QCheckBox *>(name); };
        shownAsSheet = box("chkClassFlag")->isChecked() && box("chkDate")->isChecked()
                       && !box("chkStamp")->isChecked();
        box("chkClassFlag")->setChecked(classFlag);
        box("chkDate")->setChecked(date);
        box("chkStamp")->setChecked(stamp);
        Click(shown, "btnOk");
    });
    m_fixture->shell.zelkon->seams().showPaperDialog();
    QVERIFY(shownAsSheet);
    QCOMPARE(active()->sheet().optionFlags, flags);
    // The page was drawn with them: the stamp line has ink exactly when it is printed.
    const QImage page = active()->pageImage();
    int inked = 0;
    for (int y = 12; y < 26; ++y)
        for (int x = 40; x < 340; ++x)
            inked += qRed(page.pixel(x, y)) < 200 ? 1 : 0;
    QCOMPARE(inked > 50, stamp);
}

void PrintTest::paperDialogChoosesA4AndCancels()
{
    open(0, 0, 0);
    main().choosePaper(Paper::B5);
    const int flags = active()->sheet().optionFlags;
    // Cancel changes nothing, whatever was clicked.
    WhenShown([](QWidget *shown) {
        QTest::mouseClick(shown->findChild<QRadioButton *>("radA4"), Qt::LeftButton);
        shown->findChild<QCheckBox *>("chkStamp")->setChecked(false);
        Click(shown, "btnCancel");
    });
    m_fixture->shell.zelkon->seams().showPaperDialog();
    QCOMPARE(active()->sheet().paper.width, 546);
    QCOMPARE(active()->sheet().optionFlags, flags);
    QCOMPARE(m_fixture->shell.stored("PaperSize").integer, 630); // the start-up default, unchanged

    WhenShown([](QWidget *shown) {
        QTest::mouseClick(shown->findChild<QRadioButton *>("radA4"), Qt::LeftButton);
        Click(shown, "btnOk");
    });
    m_fixture->shell.zelkon->seams().showPaperDialog();
    QCOMPARE(active()->sheet().paper.width, 630);
    QCOMPARE(main().currentPaperEntry().width, 630);
    QCOMPARE(m_fixture->shell.stored("PaperSize").integer, 630);
    QCOMPARE(active()->sheet().optionFlags, flags);

    // Without a sheet OK does nothing; only ｷｬﾝｾﾙ closes.
    active()->sheet().modified = false;
    active()->close();
    bool openAfterOk = false;
    WhenShown([&](QWidget *shown) {
        Click(shown, "btnOk");
        openAfterOk = shown->isVisible();
        Click(shown, "btnCancel");
    });
    m_fixture->shell.zelkon->seams().showPaperDialog();
    QVERIFY(openAfterOk);
}

} // namespace zelkon::test

QTEST_MAIN(zelkon::test::PrintTest)
#include "print_test.moc"
