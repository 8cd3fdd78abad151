// readUnit of the last unit of a worst-case master file against reading the file's bytes.
#include "bench_files.h"
#include "ratio_main.h"

#include "common/cp932.h"
#include "common/line_file.h"
#include "common/path.h"
#include "master/unit_locator.h"
#include "master/unit_reader.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace zelkon {
namespace {

constexpr int kUnits = 80;
constexpr int kQuestionLines = 60;

class MasterFile
{
public:
    MasterFile()
        : path(m_folder.path() + "/ch1.que")
    {
        bench::WriteBenchFile(path, bench::WorstCaseMasterFile(kUnits, kQuestionLines));
    }

private:
    bench::TempFolder m_folder;

public:
    const std::string path;
};

const MasterFile &File()
{
    static const MasterFile file;
    return file;
}

void BM_ReadFileBytes(benchmark::State &state)
{
    std::string bytes;
    for (auto _ : state) {
        ReadFileBytes(File().path, bytes);
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_ReadFileBytes);

void BM_ReadLastUnit(benchmark::State &state)
{
    const std::string composed = FromFsPath(File().path);
    const std::string header = UnitHeaderLine(kUnits, 0);
    ReaderState reader;
    UnitRecord record;
    for (auto _ : state) {
        Messages messages;
        if (!readUnit(composed, header, kUnits, 1, ReadMode::Master, {}, reader, record, messages))
            state.SkipWithError("the last unit was not read");
        benchmark::DoNotOptimize(record.questionLines.data());
    }
}
BENCHMARK(BM_ReadLastUnit);

} // namespace
} // namespace zelkon

int main(int argc, char **argv)
{
    return zelkon::bench::RunWithRatios(
        argc, argv, {{"read_last_unit_vs_file_bytes", "BM_ReadLastUnit", "BM_ReadFileBytes"}});
}
