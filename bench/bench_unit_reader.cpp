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

// 80 units of 60 question lines of about 100 bytes, with every block the reader knows.
std::string WorstCaseMasterFile()
{
    const std::string question = Utf8ToCp932("例　日本でいちばん長い川は　#　信濃川;しなのがわ　#"
                                             "　で、その長さは約　#　３６７　#　キロメートルです");
    std::vector<std::string> lines;
    for (int u = 1; u <= kUnits; ++u) {
        lines.push_back(UnitHeaderLine(u, 0));
        lines.insert(lines.end(), {"<<header", Utf8ToCp932("単元の見出し"), ">>"});
        lines.push_back("<<ques");
        for (int q = 0; q < kQuestionLines; ++q)
            lines.push_back(question);
        lines.push_back(">>");
        lines.insert(lines.end(), {"<<ans", "x", ">>"});
        const std::vector<std::string> layout = bench::LayoutBlocks(40);
        lines.insert(lines.end(), layout.begin(), layout.end());
        lines.insert(lines.end(), {"<<graph", "Map1.bmp", "100", "200", ">>"});
        lines.insert(lines.end(), {"<<AGraph", "Map1A.bmp", "100", "200", ">>"});
        lines.insert(lines.end(), {"<<kgroup", Utf8ToCp932("信濃川"), Utf8ToCp932("利根川"), ">>"});
        lines.insert(lines.end(), {"<<softkey", Utf8ToCp932("信濃"), ">>"});
        lines.insert(lines.end(), {"<<hint", Utf8ToCp932("新潟県を流れる"), ">>"});
        lines.push_back("]]");
    }
    return JoinLines(lines);
}

class MasterFile
{
public:
    MasterFile()
        : path(m_folder.path() + "/ch1.que")
    {
        bench::WriteBenchFile(path, WorstCaseMasterFile());
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
