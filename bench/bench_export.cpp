// export --all of a 40-unit lesson into a PDF against drawing the same pages as page pictures.
#include "bench_files.h"
#include "gui_bench.h"

#include "common/cp932.h"
#include "common/line_file.h"
#include "common/path.h"
#include "master/unit_locator.h"
#include "platform/qt_picture.h"
#include "sheet_export.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace zelkon {
namespace {

constexpr int kSections = 4;
constexpr int kUnitsPerSection = 10;
constexpr int kQuestionLines = 20;

void Write(const std::string &path, const std::vector<std::string> &lines)
{
    bench::WriteBenchFile(path, JoinLines(lines));
}

// A lesson of 4 sections of 10 units, each a page of 20 question lines with 30 answers, every
// fourth unit with a chart, in a folder of its own under the temporary folder.
class GeneratedLesson
{
public:
    GeneratedLesson()
        : folder(m_folder.path())
    {
        std::filesystem::create_directories(folder + "/geo/Graph");
        Write(folder + "/Main.ind",
              {Utf8ToCp932("ベンチマーク教材"), "", Utf8ToCp932("地理,geo\\\\ge"), ">>"});

        QImage chart(240, 180, QImage::Format_RGB32);
        chart.fill(Qt::white);
        QPainter painter(&chart);
        for (int bar = 0; bar < 12; ++bar)
            painter.fillRect(10 + bar * 18, 170 - bar * 12, 14, bar * 12, QColor(70, 130, 220));
        painter.end();
        if (!chart.save(QString::fromStdString(folder + "/geo/Graph/Chart.bmp"), "BMP"))
            throw std::runtime_error("cannot write the chart");

        std::vector<std::string> index{Utf8ToCp932("地理の目次")};
        for (int s = 1; s <= kSections; ++s) {
            index.insert(index.end(), {"[[sect" + std::to_string(s), Utf8ToCp932("章"), "<<"});
            std::vector<std::string> master;
            for (int u = 1; u <= kUnitsPerSection; ++u) {
                index.push_back(Utf8ToCp932("単元"));
                appendUnit(master, u);
            }
            index.insert(index.end(), {">>", "]]"});
            Write(folder + "/geo/ge" + std::to_string(s) + ".que", master);
        }
        Write(folder + "/geo/ge.ind", index);
    }

private:
    bench::TempFolder m_folder;

public:
    const std::string folder;

private:
    static void appendUnit(std::vector<std::string> &lines, int unit)
    {
        const std::string two = Utf8ToCp932("（１）日本でいちばん長い川は　#　信濃川;しなのがわ　#"
                                            "　で、高い山は　#　富士山　#　です");
        const std::string one = Utf8ToCp932("（２）北海道の道庁所在地は　#　札幌市　#　です");
        lines.push_back(UnitHeaderLine(unit, 0));
        lines.push_back("<<ques");
        for (int q = 0; q < kQuestionLines; ++q)
            lines.push_back(q % 2 == 0 ? two : one);
        lines.push_back(">>");
        if (unit % 4 == 0)
            lines.insert(lines.end(), {"<<graph", "Chart.bmp", "380", "140", ">>"});
        const std::vector<std::string> layout = bench::LayoutBlocks(36);
        lines.insert(lines.end(), layout.begin(), layout.end());
        lines.push_back("]]");
    }
};

const GeneratedLesson &Lesson()
{
    static const GeneratedLesson lesson;
    return lesson;
}

tool::CourseLesson OpenLesson()
{
    tool::CourseLesson course;
    Messages messages;
    if (!tool::OpenCourseLesson(FromFsPath(Lesson().folder) + "\\", 1, course, messages))
        throw std::runtime_error("the generated lesson does not open");
    return course;
}

tool::ExportOptions Options()
{
    tool::ExportOptions options;
    options.now = {2024, 4, 1, 9, 30};
    return options;
}

double g_pagesPerSecond = 0;

// What export --all does: the index, then every unit opened and drawn onto its PDF page.
void BM_ExportAll(benchmark::State &state)
{
    const QString out = QString::fromStdString(Lesson().folder + "/lesson.pdf");
    QtPictureLoader loader;
    int pages = 0;
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        const tool::CourseLesson course = OpenLesson();
        tool::PdfExport pdf(out);
        for (const UnitLocator &unit : tool::LessonUnits(course)) {
            tool::SheetPage page;
            Messages messages;
            if (!tool::OpenSheetPage(course, unit, Options(), loader, page, messages)
                || !pdf.addPage(page, messages))
                state.SkipWithError("a unit was not exported");
        }
        QString error;
        if (!pdf.finish(error))
            state.SkipWithError("the PDF was not written");
        pages += pdf.pageCount();
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    // The last run is the one reported: it is the longest.
    g_pagesPerSecond = pages / elapsed.count();
}
BENCHMARK(BM_ExportAll)->Unit(benchmark::kMillisecond);

// The same units opened and drawn as page pictures, as the worksheet window draws them.
void BM_RenderAllToImages(benchmark::State &state)
{
    QtPictureLoader loader;
    for (auto _ : state) {
        const tool::CourseLesson course = OpenLesson();
        for (const UnitLocator &unit : tool::LessonUnits(course)) {
            tool::SheetPage page;
            Messages messages;
            if (!tool::OpenSheetPage(course, unit, Options(), loader, page, messages))
                state.SkipWithError("a unit was not opened");
            benchmark::DoNotOptimize(tool::RenderPageImage(page, messages));
        }
    }
}
BENCHMARK(BM_RenderAllToImages)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zelkon

int main(int argc, char **argv)
{
    const int result = zelkon::bench::RunGuiWithRatios(
        argc, argv, {{"export_all_pdf_to_images", "BM_ExportAll", "BM_RenderAllToImages"}});
    if (zelkon::g_pagesPerSecond > 0)
        std::printf("pages_per_second export_all_pdf %.1f\n", zelkon::g_pagesPerSecond);
    return result;
}
