// zelkon-tool export as a user runs it: the PDF and PNG files it writes, its messages and exit
// codes, on the demo courseware and on small folders made for the faults.
#include "support/test_support.h"
#include "tool_run.h"

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zelkon {
namespace {

using ExportRun = test::ToolRun;

ExportRun Tool(const QStringList &args)
{
    return test::RunTool(args);
}

QStringList DemoUnit(int lesson, int section, int unit)
{
    return {"export",
            ZELKON_DEMO_DIR,
            "--lesson",
            QString::number(lesson),
            "--section",
            QString::number(section),
            "--unit",
            QString::number(unit)};
}

QByteArray ReadFile(const std::string &path)
{
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Page objects, not the page tree ("/Type /Pages").
int PdfPageCount(const QByteArray &pdf)
{
    static const QRegularExpression page("/Type\\s*/Page(?!s)");
    int n = 0;
    for (auto it = page.globalMatch(QString::fromLatin1(pdf)); it.hasNext(); it.next())
        ++n;
    return n;
}

// Width and height in points of every page, in page order.
std::vector<std::pair<double, double>> PdfMediaBoxes(const QByteArray &pdf)
{
    static const QRegularExpression box(
        "/MediaBox\\s*\\[\\s*0\\s+0\\s+([\\d.]+)\\s+([\\d.]+)\\s*\\]");
    std::vector<std::pair<double, double>> boxes;
    auto it = box.globalMatch(QString::fromLatin1(pdf));
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        boxes.emplace_back(m.captured(1).toDouble(), m.captured(2).toDouble());
    }
    return boxes;
}

// Pixels of the answer blue: antialiased edges of blue text keep blue well above red and green,
// which nothing else on a page without graphs has (black text, grey lines, the red flag).
int BluePixels(const QImage &image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qBlue(p) > 160 && qRed(p) < 110 && qGreen(p) < 110)
                ++n;
        }
    }
    return n;
}

int NonWhitePixels(const QImage &image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) != qRgb(255, 255, 255);
    }
    return n;
}

TEST(Export, DemoUnitToPdfIsOneA4Page)
{
    test::TempDir dir;
    const std::string out = dir.file("unit.pdf");
    const ExportRun run = Tool(DemoUnit(1, 1, 1) << "--out" << QString::fromStdString(out));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QByteArray pdf = ReadFile(out);
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(PdfPageCount(pdf), 1);
    const auto boxes = PdfMediaBoxes(pdf);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NEAR(boxes[0].first, 595.3, 1.0);
    EXPECT_NEAR(boxes[0].second, 841.9, 1.0);
}

TEST(Export, PngShowsAnswersInBlueOnlyWhenAsked)
{
    struct Case
    {
        bool answers;
        bool blue;
    };
    for (const Case c : {Case{true, true}, Case{false, false}}) {
        SCOPED_TRACE(c.answers ? "--answers" : "answers hidden");
        test::TempDir dir;
        const std::string out = dir.file("unit.png");
        QStringList args = DemoUnit(1, 1, 1) << "--out" << QString::fromStdString(out);
        if (c.answers)
            args << "--answers";
        const ExportRun run = Tool(args);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QImage image(QString::fromStdString(out));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), QSize(630, 891));
        EXPECT_GT(NonWhitePixels(image), 1000);
        EXPECT_EQ(BluePixels(image) > 0, c.blue) << BluePixels(image);
    }
}

TEST(Export, PaperOptionSizesThePage)
{
    struct Case
    {
        const char *paper;
        QSize picture;
        double widthPoints;
        double heightPoints;
    };
    // B5 and B4 are the JIS sizes of the paper table (182 × 257 and 257 × 364 mm).
    const Case cases[] = {
        {"B5", {546, 771}, 515.9, 728.5},
        {"A4", {630, 891}, 595.3, 841.9},
        {"b4", {771, 1092}, 728.5, 1031.8},
        {"A3", {891, 1260}, 841.9, 1190.6},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.paper);
        test::TempDir dir;
        const QString png = QString::fromStdString(dir.file("unit.png"));
        const QString pdf = QString::fromStdString(dir.file("unit.pdf"));
        ASSERT_EQ(Tool(DemoUnit(2, 1, 1) << "--paper" << c.paper << "--out" << png).exitCode, 0);
        ASSERT_EQ(Tool(DemoUnit(2, 1, 1) << "--paper" << c.paper << "--out" << pdf).exitCode, 0);
        EXPECT_EQ(QImage(png).size(), c.picture);
        const auto boxes = PdfMediaBoxes(ReadFile(dir.file("unit.pdf")));
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_NEAR(boxes[0].first, c.widthPoints, 1.0);
        EXPECT_NEAR(boxes[0].second, c.heightPoints, 1.0);
    }
}

TEST(Export, AllGivesOnePagePerUnitOfTheLesson)
{
    const ExportRun index = Tool({"dump-index", ZELKON_DEMO_DIR, "--lesson", "1"});
    ASSERT_EQ(index.exitCode, 0);
    int units = 0;
    const QJsonObject json = QJsonDocument::fromJson(index.out.toUtf8()).object();
    for (const QJsonValue &section : json["subIndex"]["sections"].toArray())
        units += static_cast<int>(section["units"].toArray().size());
    ASSERT_GT(units, 1);

    test::TempDir dir;
    const std::string out = dir.file("lesson.pdf");
    const ExportRun run = Tool({"export",
                                ZELKON_DEMO_DIR,
                                "--lesson",
                                "1",
                                "--all",
                                "--out",
                                QString::fromStdString(out)});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(PdfPageCount(ReadFile(out)), units);
    // Standard error is no terminal here: no progress line, and the demo has nothing to report.
    EXPECT_FALSE(run.err.contains("\r")) << run.err.toStdString();
    EXPECT_FALSE(run.err.contains("ch1.que-U")) << run.err.toStdString();
}

TEST(Export, UnitThatCannotBeOpenedFailsWithAMessageAndNoFile)
{
    struct Case
    {
        const char *what;
        QStringList args;
        QString message;
    };
    const Case cases[] = {
        {"unit past the section", DemoUnit(1, 1, 9), "単元 9 はありません（1～4）"},
        {"section past the lesson", DemoUnit(1, 9, 1), "セクション 9 はありません（1～3）"},
        {"lesson past the index", DemoUnit(7, 1, 1), "レッスン 7 はありません（1～3）"},
        {"similar problem not in the file",
         DemoUnit(1, 1, 1) << "--variant"
                           << "3",
         "[[unit1R3 がありません"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        test::TempDir dir;
        const std::string out = dir.file("unit.pdf");
        const ExportRun run = Tool(QStringList(c.args) << "--out" << QString::fromStdString(out));
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(QString::fromStdString(out)));
    }
}

TEST(Export, OutputThatCannotBeWrittenFails)
{
    for (const char *name : {"unit.pdf", "unit.png"}) {
        SCOPED_TRACE(name);
        test::TempDir dir;
        const QString out = QString::fromStdString(dir.file("missing-folder/")) + name;
        const ExportRun run = Tool(DemoUnit(1, 1, 1) << "--out" << out);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.err.contains("ファイル " + out + " に書き込めません"))
            << run.err.toStdString();
    }
}

TEST(Export, WrongCommandLinesAreUsageErrors)
{
    const QStringList cases[] = {
        DemoUnit(1, 1, 1) << "--out"
                          << "unit.txt",
        DemoUnit(1, 1, 1) << "--paper"
                          << "Letter"
                          << "--out"
                          << "unit.pdf",
        DemoUnit(1, 1, 1) << "--variant"
                          << "6"
                          << "--out"
                          << "unit.pdf",
        DemoUnit(1, 1, 1) << "--all"
                          << "--out"
                          << "unit.pdf",
        {"export", ZELKON_DEMO_DIR, "--lesson", "1", "--all", "--out", "lesson.png"},
        {"export", ZELKON_DEMO_DIR, "--lesson", "1", "--section", "1", "--out", "unit.pdf"},
        {"export", ZELKON_DEMO_DIR, "--lesson", "1", "--section", "1", "--unit", "1"},
    };
    for (const QStringList &args : cases) {
        SCOPED_TRACE(args.join(' ').toStdString());
        EXPECT_EQ(Tool(args).exitCode, 2);
    }
}

// A lesson whose units differ in paper, one missing its graph and one with more answers than
// a sheet has fields.
class ExportFolderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        test::WriteCp932File(dir.file("Main.ind"), {"テスト教材", "", "地理,geo\\\\ge", ">>"});
        test::WriteCp932File(dir.file("geo/ge.ind"),
                             {"地理の目次",
                              "[[sect1",
                              "都道府県",
                              "<<",
                              "B5の単元",
                              "グラフのない単元",
                              "解答の多すぎる単元",
                              "A4の単元",
                              ">>",
                              "]]"});
        std::string tooMany = "答えは";
        for (int i = 0; i < 81; ++i)
            tooMany += "#x#";
        test::WriteCp932File(dir.file("geo/ge1.que"),
                             {"[[unit1",
                              "<<ques",
                              "首都は　#　東京　#　です",
                              ">>",
                              "<<value",
                              "546",
                              "False",
                              "40",
                              "5",
                              "5",
                              "1",
                              "7",
                              ">>",
                              "]]",
                              "[[unit2",
                              "<<ques",
                              "川は　#　信濃川　#　です",
                              ">>",
                              "<<graph",
                              "Missing.bmp",
                              "300",
                              "120",
                              ">>",
                              "]]",
                              "[[unit3",
                              "<<ques",
                              tooMany,
                              ">>",
                              "]]",
                              "[[unit4",
                              "<<ques",
                              "山は　#　富士山　#　です",
                              ">>",
                              "]]"});
    }

    ExportRun exportUnit(int unit, const std::string &out)
    {
        return Tool({"export",
                     QString::fromStdString(dir.path()),
                     "--lesson",
                     "1",
                     "--section",
                     "1",
                     "--unit",
                     QString::number(unit),
                     "--out",
                     QString::fromStdString(out)});
    }

    test::TempDir dir;
};

TEST_F(ExportFolderTest, MissingGraphIsReportedAndThePageStillWritten)
{
    const std::string out = dir.file("unit.png");
    const ExportRun run = exportUnit(2, out);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.err.contains("Missing.bmp が見つかりません")) << run.err.toStdString();
    EXPECT_FALSE(QImage(QString::fromStdString(out)).isNull());
}

TEST_F(ExportFolderTest, SheetThatCannotBeDrawnWritesNothingAndLeavesAnOldFile)
{
    for (const char *name : {"unit.pdf", "unit.png"}) {
        SCOPED_TRACE(name);
        const std::string out = dir.file(name);
        test::WriteBytes(out, "old");
        const ExportRun run = exportUnit(3, out);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.err.contains("80個を超えた")) << run.err.toStdString();
        EXPECT_EQ(test::ReadBytes(out), "old");
    }
}

TEST_F(ExportFolderTest, AllWritesTheOtherUnitsEachOnItsPaperAndFails)
{
    const std::string out = dir.file("lesson.pdf");
    const ExportRun run = Tool({"export",
                                QString::fromStdString(dir.path()),
                                "--lesson",
                                "1",
                                "--all",
                                "--out",
                                QString::fromStdString(out)});
    EXPECT_EQ(run.exitCode, 1);
    // Each message names its unit; the last line tells how many were left out.
    EXPECT_TRUE(run.err.contains("ge1.que-U2: ")) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("ge1.que-U3: ")) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("4 単元のうち 1 単元を書き出せませんでした"))
        << run.err.toStdString();

    const QByteArray pdf = ReadFile(out);
    EXPECT_EQ(PdfPageCount(pdf), 3);
    const auto boxes = PdfMediaBoxes(pdf);
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_NEAR(boxes[0].first, 515.9, 1.0); // B5 from the unit's value block
    EXPECT_NEAR(boxes[1].first, 595.3, 1.0); // no value block: A4
    EXPECT_NEAR(boxes[2].first, 595.3, 1.0);
    EXPECT_NEAR(boxes[2].second, 841.9, 1.0);
}

} // namespace
} // namespace zelkon
