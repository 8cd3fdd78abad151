// The practice counts of the largest lesson (80 sections × 80 units, 20 records a unit in one
// record file), counted alone against reading the record file's bytes, and the unit selection
// window's whole refresh (counts and similar-problem marks from the 80 master files) against
// reading the bytes of all those files.
#include "bench_files.h"
#include "ratio_main.h"

#include "common/cp932.h"
#include "common/line_file.h"
#include "common/path.h"
#include "index/unit_list.h"
#include "records/profile_key_counts.h"
#include "records/record_file.h"
#include "records/record_line.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace zelkon {
namespace {

constexpr int kSections = 80;
constexpr int kUnitsPerSection = 80;
constexpr int kRecordsPerUnit = 20;
constexpr int kQuestionLines = 60;
constexpr int kSimilarEvery = 8; ///< every eighth unit of a section has a similar problem

std::string UnitTitle(int section, int unit)
{
    return Utf8ToCp932("都道府県と県庁所在地その") + std::to_string(section * 100 + unit);
}

std::string RecordFile()
{
    const std::string line = RecordLine({0, "OOxOOOOxOO", 8, 10, 80, 83}, {2026, 12, 11, 14, 5});
    std::string bytes = "[password]\r\npw=secret\r\n";
    for (int s = 1; s <= kSections; ++s) {
        for (int u = 1; u <= kUnitsPerSection; ++u) {
            bytes += "[" + UnitKey(s, u, UnitTitle(s, u)) + "]\r\n";
            for (int k = 1; k <= kRecordsPerUnit; ++k)
                bytes += std::to_string(k) + "=" + line + "\r\n";
        }
    }
    return bytes;
}

// A program folder holding the lesson "ch": its 80 master files, and the record file of the
// learner "learner" in LogOn.
class Lesson
{
public:
    Lesson()
        : folder(m_folder.path() + "/")
        , path(folder + "LogOn/learner1.ini")
    {
        std::filesystem::create_directory(folder + "LogOn");
        bench::WriteBenchFile(path, RecordFile());
        const std::string master
            = bench::WorstCaseMasterFile(kUnitsPerSection, kQuestionLines, kSimilarEvery);
        for (int s = 1; s <= kSections; ++s) {
            masterPaths.push_back(folder + "ch" + std::to_string(s) + ".que");
            bench::WriteBenchFile(masterPaths.back(), master);
        }

        index.lessonCaptions = {Utf8ToCp932("日本の地理")};
        index.lessonPrefix[1] = "ch";
        for (int s = 1; s <= kSections; ++s) {
            index.sectionCaptions.push_back(Utf8ToCp932("地方") + std::to_string(s));
            index.unitCaptions.emplace_back();
            for (int u = 1; u <= kUnitsPerSection; ++u) {
                titles.push_back(UnitTitle(s, u));
                index.unitCaptions.back().push_back(titles.back());
            }
        }
    }

private:
    bench::TempFolder m_folder;

public:
    const std::string folder;
    const std::string path;
    std::vector<std::string> masterPaths;
    std::vector<std::string> titles;
    CourseIndex index;
};

const Lesson &TheLesson()
{
    static const Lesson lesson;
    return lesson;
}

void BM_ReadRecordFileBytes(benchmark::State &state)
{
    std::string bytes;
    for (auto _ : state) {
        ReadFileBytes(TheLesson().path, bytes);
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_ReadRecordFileBytes);

void BM_CountLessonRecords(benchmark::State &state)
{
    const std::string composed = FromFsPath(TheLesson().path);
    for (auto _ : state) {
        ProfileKeyCounts counts;
        counts.load(composed);
        long total = 0;
        for (int s = 1; s <= kSections; ++s) {
            for (int u = 1; u <= kUnitsPerSection; ++u) {
                const std::string &title = TheLesson().titles[(s - 1) * kUnitsPerSection + u - 1];
                total += CountPracticeRecords(counts, UnitKey(s, u, title));
            }
        }
        if (total != long{kSections} * kUnitsPerSection * kRecordsPerUnit)
            state.SkipWithError("records were miscounted");
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_CountLessonRecords);

// The bytes the refresh has to read: the record file and every master file of the lesson.
void BM_ReadLessonFilesBytes(benchmark::State &state)
{
    std::string bytes;
    for (auto _ : state) {
        ReadFileBytes(TheLesson().path, bytes);
        benchmark::DoNotOptimize(bytes.data());
        for (const std::string &master : TheLesson().masterPaths) {
            ReadFileBytes(master, bytes);
            benchmark::DoNotOptimize(bytes.data());
        }
    }
}
BENCHMARK(BM_ReadLessonFilesBytes);

// RefreshUnitCounts with stale marks, as after choosing a lesson: every master file is
// searched for similar problems and every unit counted.
void BM_RefreshLessonCounts(benchmark::State &state)
{
    AppState app;
    app.programFolder = FromFsPath(TheLesson().folder);
    app.learnerName = "learner";
    UnitDisplayTable table;
    const std::string full = UnitPrefix(/*hasSimilar=*/true, kRecordsPerUnit);
    const std::string plain = UnitPrefix(/*hasSimilar=*/false, kRecordsPerUnit);
    for (auto _ : state) {
        app.similarMarksStale = true;
        Messages messages;
        RefreshUnitCounts(app, TheLesson().index, 1, table, messages);
        if (!messages.empty() || table.prefix(kSections, kSimilarEvery) != full
            || table.prefix(kSections, kSimilarEvery + 1) != plain)
            state.SkipWithError("the refresh went wrong");
        benchmark::DoNotOptimize(&table);
    }
}
BENCHMARK(BM_RefreshLessonCounts);

} // namespace
} // namespace zelkon

int main(int argc, char **argv)
{
    return zelkon::bench::RunWithRatios(
        argc,
        argv,
        {{"count_lesson_records_vs_file_bytes", "BM_CountLessonRecords", "BM_ReadRecordFileBytes"},
         {"refresh_lesson_counts_vs_file_bytes",
          "BM_RefreshLessonCounts",
          "BM_ReadLessonFilesBytes"}});
}
