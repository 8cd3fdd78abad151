// The limits that protect the machine, each case against the same operation on the demo
// courseware (or a file of one record): files far over the size limit, lines of a million
// bytes, a master file of 10,000 units and a unit of 100,000 records.
#include "bench_files.h"
#include "ratio_main.h"

#include "authoring/editor_unit.h"
#include "common/cp932.h"
#include "common/line_file.h"
#include "common/path.h"
#include "index/main_index.h"
#include "index/sub_index.h"
#include "index/unit_list.h"
#include "master/unit_locator.h"
#include "master/unit_reader.h"
#include "records/profile_key_counts.h"
#include "records/record_file.h"
#include "records/record_panel.h"
#include "records/roster.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace zelkon {
namespace {

namespace fs = std::filesystem;

constexpr int kUnits = 10000;
constexpr int kRecords = 100000;
const std::string kDemo = ZELKON_DEMO_DIR;

std::string ReadDemo(const std::string &relative)
{
    std::string bytes;
    if (!ReadFileBytes(kDemo + "/" + relative, bytes))
        throw std::runtime_error("cannot read the demo's " + relative);
    return bytes;
}

// The demo's unit 1 of section 1: the unit every unit case is compared with.
std::string DemoUnitKey()
{
    CourseIndex index;
    Messages messages;
    ReadMainIndex(FromFsPath(kDemo + "/"), index, messages);
    ReadSubIndex(FromFsPath(kDemo + "/"), 1, index, messages);
    return UnitKey(1, 1, UnitCaption(index, 1, 1));
}

// A copy of the demo courseware with one file replaced.
std::string
DemoCopy(const std::string &folder, const std::string &relative, const std::string &bytes)
{
    fs::copy(kDemo, folder, fs::copy_options::recursive);
    bench::WriteBenchFile(folder + "/" + relative, bytes);
    return folder + "/";
}

std::string RecordFile(int records)
{
    std::string bytes = "[password]\r\npw=abcd\r\n[" + DemoUnitKey() + "]\r\n";
    for (int k = 1; k <= records; ++k)
        bytes += std::to_string(k) + "=0,OOOOOOO,7,7,100,31,2026/05/01 10:00\r\n";
    return bytes;
}

// Every input, written once into a temporary folder.
class Inputs
{
public:
    Inputs()
        : root(m_folder.path())
    {
        const std::string master = ReadDemo("chiri/ch1.que");
        const std::string unit1 = master.substr(0, master.find("]]\r\n") + 4);
        const std::string body = unit1.substr(unit1.find("\r\n") + 2);

        // 50 MB written, 2 GB sparse: both must be refused before they are read.
        huge = root + "/huge.que";
        {
            std::ofstream out(huge, std::ios::binary);
            const std::string block = std::string(1 << 20, 'x') + "\r\n";
            for (int m = 0; m < 50; ++m)
                out << block;
        }
        sparse = root + "/sparse.que";
        std::ofstream(sparse, std::ios::binary).close();
        fs::resize_file(sparse, std::uintmax_t{2} << 30);

        const std::string million(1000000, 'x');
        std::string longUnit = master;
        longUnit.insert(longUnit.find("<<ques\r\n") + 8, million + "\r\n");
        longQuestion = root + "/long.que";
        bench::WriteBenchFile(longQuestion, longUnit);

        std::string subIndex = ReadDemo("chiri/ch.ind");
        subIndex.insert(subIndex.find("<<\r\n") + 4, million + "\r\n");
        longIndexFolder = DemoCopy(root + "/long-index", "chiri/ch.ind", subIndex);

        std::string units;
        for (int u = 1; u <= kUnits; ++u)
            units += UnitHeaderLine(u, 0) + "\r\n" + body;
        unitsFolder = DemoCopy(root + "/units", "chiri/ch1.que", units);

        fs::create_directory(root + "/records");
        manyRecords = root + "/records/many.ini";
        oneRecord = root + "/records/one.ini";
        bench::WriteBenchFile(manyRecords, RecordFile(kRecords));
        bench::WriteBenchFile(oneRecord, RecordFile(1));

        fs::create_directories(root + "/roster/long");
        fs::create_directories(root + "/roster/one");
        bench::WriteBenchFile(root + "/roster/long/sname.txt",
                              Utf8ToCp932("公開\r\n") + million + "\r\n");
        bench::WriteBenchFile(root + "/roster/one/sname.txt", Utf8ToCp932("公開\r\n"));
    }

private:
    bench::TempFolder m_folder;

public:
    const std::string root;
    std::string huge;
    std::string sparse;
    std::string longQuestion;
    std::string longIndexFolder;
    std::string unitsFolder;
    std::string manyRecords;
    std::string oneRecord;
};

const Inputs &In()
{
    static const Inputs inputs;
    return inputs;
}

// readUnit of a unit of the master file at `fsPath`; `read` says whether it should be read.
void ReadUnitCase(benchmark::State &state, const std::string &fsPath, int unit, bool read)
{
    const std::string composed = FromFsPath(fsPath);
    const std::string header = UnitHeaderLine(unit, 0);
    ReaderState reader;
    UnitRecord record;
    for (auto _ : state) {
        Messages messages;
        if (readUnit(composed, header, unit, 1, ReadMode::Master, {}, reader, record, messages)
            != read)
            state.SkipWithError(read ? "the unit was not read" : "the unit was not refused");
        benchmark::DoNotOptimize(record.questionLines.data());
    }
}

void BM_DemoUnit(benchmark::State &state)
{
    ReadUnitCase(state, kDemo + "/chiri/ch1.que", 1, true);
}
BENCHMARK(BM_DemoUnit);

void BM_File50MbRefused(benchmark::State &state)
{
    ReadUnitCase(state, In().huge, 1, false);
}
BENCHMARK(BM_File50MbRefused);

void BM_File2GbRefused(benchmark::State &state)
{
    ReadUnitCase(state, In().sparse, 1, false);
}
BENCHMARK(BM_File2GbRefused);

void BM_LongQuestionLineRefused(benchmark::State &state)
{
    ReadUnitCase(state, In().longQuestion, 1, false);
}
BENCHMARK(BM_LongQuestionLineRefused);

void BM_LastOfTenThousandUnits(benchmark::State &state)
{
    ReadUnitCase(state, In().unitsFolder + "chiri/ch1.que", kUnits, true);
}
BENCHMARK(BM_LastOfTenThousandUnits);

void SubIndexCase(benchmark::State &state, const std::string &folder, bool read)
{
    const std::string composed = FromFsPath(folder);
    CourseIndex index;
    Messages messages;
    ReadMainIndex(composed, index, messages);
    for (auto _ : state) {
        messages.clear();
        if (ReadSubIndex(composed, 1, index, messages) != read)
            state.SkipWithError(read ? "the sub-index was not read" : "it was not refused");
        benchmark::DoNotOptimize(index.unitCaptions.data());
    }
}

void BM_DemoSubIndex(benchmark::State &state)
{
    SubIndexCase(state, kDemo + "/", true);
}
BENCHMARK(BM_DemoSubIndex);

void BM_LongSubIndexLineRefused(benchmark::State &state)
{
    SubIndexCase(state, In().longIndexFolder, false);
}
BENCHMARK(BM_LongSubIndexLineRefused);

void RosterCase(benchmark::State &state, const std::string &folder, bool read)
{
    const std::string composed = FromFsPath(In().root + "/roster/" + folder + "/");
    std::vector<std::string> names;
    for (auto _ : state) {
        if (LoadRoster(composed, names) != read)
            state.SkipWithError(read ? "the roster was not read" : "it was not refused");
        benchmark::DoNotOptimize(names.data());
    }
}

void BM_OneNameRoster(benchmark::State &state)
{
    RosterCase(state, "one", true);
}
BENCHMARK(BM_OneNameRoster);

void BM_LongRosterLineRefused(benchmark::State &state)
{
    RosterCase(state, "long", false);
}
BENCHMARK(BM_LongRosterLineRefused);

void EditorLoadCase(benchmark::State &state, const std::string &folder, int unit)
{
    const std::string composed = FromFsPath(folder + "chiri/ch1.que");
    const std::string header = UnitHeaderLine(unit, 0);
    for (auto _ : state) {
        const LoadedUnit loaded = LoadUnitFromFile(composed, header, nullptr);
        if (!loaded.found)
            state.SkipWithError("the unit was not found");
        benchmark::DoNotOptimize(loaded.areas.question.data());
    }
}

void BM_DemoEditorLoad(benchmark::State &state)
{
    EditorLoadCase(state, kDemo + "/", 1);
}
BENCHMARK(BM_DemoEditorLoad);

void BM_TenThousandUnitsEditorLoad(benchmark::State &state)
{
    EditorLoadCase(state, In().unitsFolder, kUnits);
}
BENCHMARK(BM_TenThousandUnitsEditorLoad);

void SimilarItemsCase(benchmark::State &state, const std::string &folder, int unit)
{
    const std::string composed = FromFsPath(folder + "chiri/ch1.que");
    for (auto _ : state)
        benchmark::DoNotOptimize(SimilarProblemItemsOfFile(composed, unit));
}

void BM_DemoSimilarItems(benchmark::State &state)
{
    SimilarItemsCase(state, kDemo + "/", 1);
}
BENCHMARK(BM_DemoSimilarItems);

void BM_TenThousandUnitsSimilarItems(benchmark::State &state)
{
    SimilarItemsCase(state, In().unitsFolder, 80);
}
BENCHMARK(BM_TenThousandUnitsSimilarItems);

// The unit selection window's refresh of lesson 1 with the similar-problem marks recomputed.
void RefreshCase(benchmark::State &state, const std::string &folder)
{
    AppState app;
    app.programFolder = FromFsPath(folder);
    app.learnerName = "learner";
    CourseIndex index;
    Messages messages;
    ReadMainIndex(app.programFolder, index, messages);
    ReadSubIndex(app.programFolder, 1, index, messages);
    UnitDisplayTable table;
    for (auto _ : state) {
        app.similarMarksStale = true;
        messages.clear();
        RefreshUnitCounts(app, index, 1, table, messages);
        if (!messages.empty())
            state.SkipWithError("the refresh went wrong");
        benchmark::DoNotOptimize(&table);
    }
}

void BM_DemoRefresh(benchmark::State &state)
{
    RefreshCase(state, kDemo + "/");
}
BENCHMARK(BM_DemoRefresh);

void BM_TenThousandUnitsRefresh(benchmark::State &state)
{
    RefreshCase(state, In().unitsFolder);
}
BENCHMARK(BM_TenThousandUnitsRefresh);

const std::string &Key()
{
    static const std::string key = DemoUnitKey();
    return key;
}

const std::string &RecordPath(bool many)
{
    static const std::string manyPath = FromFsPath(In().manyRecords);
    static const std::string onePath = FromFsPath(In().oneRecord);
    return many ? manyPath : onePath;
}

void CountCase(benchmark::State &state, bool many)
{
    for (auto _ : state) {
        ProfileKeyCounts counts;
        counts.load(RecordPath(many));
        if (counts.keyCount(Key()) < (many ? kRecords : 1))
            state.SkipWithError("records were miscounted");
    }
}

void BM_OneRecordCount(benchmark::State &state)
{
    CountCase(state, false);
}
BENCHMARK(BM_OneRecordCount);

void BM_HundredThousandRecordsCount(benchmark::State &state)
{
    CountCase(state, true);
}
BENCHMARK(BM_HundredThousandRecordsCount);

void ReadRecordsCase(benchmark::State &state, bool many)
{
    std::vector<std::string> lines;
    for (auto _ : state) {
        ReadUnitRecords(RecordPath(many), Key(), lines);
        if (lines.size() < (many ? std::size_t{kRecords} : 1u))
            state.SkipWithError("records were not read");
        benchmark::DoNotOptimize(lines.data());
    }
}

void BM_OneRecordRead(benchmark::State &state)
{
    ReadRecordsCase(state, false);
}
BENCHMARK(BM_OneRecordRead);

void BM_HundredThousandRecordsRead(benchmark::State &state)
{
    ReadRecordsCase(state, true);
}
BENCHMARK(BM_HundredThousandRecordsRead);

// Each iteration adds one record, as a scored drill does; the file grows by a line a time.
void AppendCase(benchmark::State &state, bool many)
{
    for (auto _ : state) {
        if (!AppendPracticeRecord(RecordPath(many), Key(), "0,OOO,3,3,100,5,2026/05/02 10:00"))
            state.SkipWithError("the record was not appended");
    }
}

void BM_OneRecordAppend(benchmark::State &state)
{
    AppendCase(state, false);
}
BENCHMARK(BM_OneRecordAppend);

void BM_HundredThousandRecordsAppend(benchmark::State &state)
{
    AppendCase(state, true);
}
BENCHMARK(BM_HundredThousandRecordsAppend);

void PanelCase(benchmark::State &state, std::size_t records)
{
    const std::vector<std::string> lines(records, "0,OOOOOOO,7,7,100,31,2026/05/01 10:00");
    for (auto _ : state)
        benchmark::DoNotOptimize(RecordPanelText(lines));
}

void BM_OneRecordPanel(benchmark::State &state)
{
    PanelCase(state, 1);
}
BENCHMARK(BM_OneRecordPanel);

void BM_HundredThousandRecordsPanel(benchmark::State &state)
{
    PanelCase(state, kRecords);
}
BENCHMARK(BM_HundredThousandRecordsPanel);

} // namespace
} // namespace zelkon

int main(int argc, char **argv)
{
    return zelkon::bench::RunWithRatios(
        argc,
        argv,
        {{"file_50mb_refused_vs_demo_unit", "BM_File50MbRefused", "BM_DemoUnit"},
         {"file_2gb_refused_vs_demo_unit", "BM_File2GbRefused", "BM_DemoUnit"},
         {"line_1mb_question_refused_vs_demo_unit", "BM_LongQuestionLineRefused", "BM_DemoUnit"},
         {"line_1mb_sub_index_refused_vs_demo_sub_index",
          "BM_LongSubIndexLineRefused",
          "BM_DemoSubIndex"},
         {"line_1mb_roster_refused_vs_one_name", "BM_LongRosterLineRefused", "BM_OneNameRoster"},
         {"units_10000_last_unit_vs_demo_unit", "BM_LastOfTenThousandUnits", "BM_DemoUnit"},
         {"units_10000_editor_load_vs_demo", "BM_TenThousandUnitsEditorLoad", "BM_DemoEditorLoad"},
         {"units_10000_similar_items_vs_demo",
          "BM_TenThousandUnitsSimilarItems",
          "BM_DemoSimilarItems"},
         {"units_10000_refresh_counts_vs_demo", "BM_TenThousandUnitsRefresh", "BM_DemoRefresh"},
         {"records_100000_count_vs_one", "BM_HundredThousandRecordsCount", "BM_OneRecordCount"},
         {"records_100000_read_vs_one", "BM_HundredThousandRecordsRead", "BM_OneRecordRead"},
         {"records_100000_append_vs_one", "BM_HundredThousandRecordsAppend", "BM_OneRecordAppend"},
         {"records_100000_panel_text_vs_one",
          "BM_HundredThousandRecordsPanel",
          "BM_OneRecordPanel"}});
}
