// Printer jobs on a PDF printer: begun, ended, withdrawn and refused; the file names of numbered
// jobs; the printer pages of the four papers.
#include "platform/print_job.h"

#include "platform/printer_pages.h"

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

namespace zelkon {

class PrintJobTest : public QObject
{
    Q_OBJECT

private slots:
    void endedJobWritesItsFile();
    void withdrawnJobLeavesNoFile();
    void jobIntoAMissingFolderDoesNotBegin();
    void numberedFileNames_data();
    void numberedFileNames();
    void papersAsPrintersKnowThem();

private:
    static void usePdf(QPrinter &printer, const QString &file)
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setResolution(300);
        printer.setPageLayout(PrinterPageLayout(Paper::A4));
        printer.setOutputFileName(file);
    }
};

void PrintJobTest::endedJobWritesItsFile()
{
    QTemporaryDir dir;
    QPrinter printer;
    usePdf(printer, dir.filePath("page.pdf"));
    PrintJob job(printer);
    QVERIFY(job.begun());
    // The canvas is the printable area in device pixels, A4 less 1/6 inch at every edge (Qt
    // rounds each edge on its own), not the whole sheet of 2480.
    QVERIFY(qAbs(job.canvas().width() - (595.276 - 24) / 72 * 300) < 2);
    job.canvas().line({0, 0}, {100, 100});
    QVERIFY(job.end());
    QFile file(dir.filePath("page.pdf"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith("%PDF"));
    // Ending twice changes nothing and says the job is no more.
    QVERIFY(!job.end());
}

void PrintJobTest::withdrawnJobLeavesNoFile()
{
    QTemporaryDir dir;
    QPrinter printer;
    usePdf(printer, dir.filePath("page.pdf"));
    {
        PrintJob job(printer);
        QVERIFY(job.begun());
        job.canvas().line({0, 0}, {100, 100});
        job.abort();
        QVERIFY(!job.end());
    }
    QVERIFY(!QFile::exists(dir.filePath("page.pdf")));
}

void PrintJobTest::jobIntoAMissingFolderDoesNotBegin()
{
    QTemporaryDir dir;
    QPrinter printer;
    usePdf(printer, dir.filePath("missing/page.pdf"));
    QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    PrintJob job(printer);
    QVERIFY(!job.begun());
    QVERIFY(!job.end());
}

void PrintJobTest::numberedFileNames_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("numbered");
    QTest::newRow("suffix") << "/tmp/sheet.pdf" << 5 << "/tmp/sheet-5.pdf";
    QTest::newRow("no suffix") << "/tmp/sheet" << 12 << "/tmp/sheet-12";
    QTest::newRow("dotted folder") << "/home/jane.doe/sheet" << 1 << "/home/jane.doe/sheet-1";
    QTest::newRow("last suffix") << "/tmp/unit.1.pdf" << 7 << "/tmp/unit.1-7.pdf";
    QTest::newRow("negative") << "sheet.pdf" << -2 << "sheet--2.pdf";
    QTest::newRow("Japanese") << QString::fromUtf8("/tmp/地図表.pdf") << 3
                              << QString::fromUtf8("/tmp/地図表-3.pdf");
}

void PrintJobTest::numberedFileNames()
{
    QFETCH(QString, file);
    QFETCH(int, number);
    QFETCH(QString, numbered);
    QCOMPARE(NumberedOutputFileName(file, number), numbered);
}

void PrintJobTest::papersAsPrintersKnowThem()
{
    const std::pair<Paper, QPageSize::PageSizeId> papers[] = {{Paper::B5, QPageSize::JisB5},
                                                              {Paper::A4, QPageSize::A4},
                                                              {Paper::B4, QPageSize::JisB4},
                                                              {Paper::A3, QPageSize::A3}};
    for (const auto &[paper, id] : papers) {
        QCOMPARE(PrinterPageSize(paper).id(), id);
        const QPageLayout layout = PrinterPageLayout(paper);
        QCOMPARE(layout.pageSize().id(), id);
        QCOMPARE(layout.orientation(), QPageLayout::Portrait);
        QCOMPARE(layout.margins(QPageLayout::Point), QMarginsF(12, 12, 12, 12));
    }
}

} // namespace zelkon

QTEST_MAIN(zelkon::PrintJobTest)
#include "print_job_test.moc"
