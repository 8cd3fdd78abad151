// The practice counts of a whole lesson (80 sections × 80 units) from one record file with 20
// records a unit, against reading the file's bytes.
#include "bench_files.h"
#include "ratio_main.h"

#include "common/cp932.h"
#include "common/line_file.h"
#include "common/path.h"
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

class Lesson
{
public:
    Lesson()
        : path(m_folder.path() + "/learner1.ini")
    {
        bench::WriteBenchFile(path, RecordFile());
        for (int s = 1; s <= kSections; ++s)
            for (int u = 1; u <= kUnitsPerSection; ++u)
                titles.push_back(UnitTitle(s, u));
    }

private:
    bench::TempFolder m_folder;

public:
    const std::string path;
    std::vector<std::string> titles;
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

} // namespace
} // namespace zelkon

int main(int argc, char **argv)
{
    return zelkon::bench::RunWithRatios(argc,
                                        argv,
                                        {{"count_lesson_records_vs_file_bytes",
                                          "BM_CountLessonRecords",
                                          "BM_ReadRecordFileBytes"}});
}
