// Two processes appending to one learner's record file at the same time lose no record: the
// lock held across the read, the edit and the atomic replacement orders them.
#include "child_process.h"

#include "common/line_file.h"
#include "common/path.h"
#include "records/profile_snapshot.h"
#include "records/record_file.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <sys/wait.h>

namespace zelkon::robust {
namespace {

using test::J;
using test::TempDir;

constexpr int kRecordsPerWriter = 500;

std::string LineOf(char writer, int n)
{
    return std::string(1, writer) + " " + std::to_string(n);
}

TEST(ConcurrentAppend, TwoProcessesAppendingToOneSectionLoseNoRecord)
{
    TempDir dir;
    const std::string recordFile
        = RecordFileName(RecordsFolder(false, "", dir.composed()), J("生徒"), 1);
    const std::string key = UnitKey(1, 2, J("川と平野"));
    const auto start = std::chrono::steady_clock::now();

    StartGate gate;
    std::vector<pid_t> children;
    for (const char writer : {'A', 'B'}) {
        children.push_back(StartChild([&, writer] {
            gate.wait();
            for (int n = 1; n <= kRecordsPerWriter; ++n) {
                if (!AppendPracticeRecord(recordFile, key, LineOf(writer, n)))
                    return 1;
            }
            return 0;
        }));
        ASSERT_GT(children.back(), 0) << "fork failed";
    }
    gate.open(static_cast<int>(children.size()));
    for (const pid_t child : children) {
        const int status = WaitChild(child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << DescribeEnd(status);
    }
    const double seconds
        = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    std::string bytes;
    ASSERT_TRUE(ReadFileBytes(ToFsPath(recordFile), bytes));
    // Nothing but the section and its records: a header and one "key=value" line per record.
    const std::vector<std::string> lines = SplitLines(bytes);
    ASSERT_EQ(lines.size(), 2u * kRecordsPerWriter + 1);
    EXPECT_EQ(lines[0], "[" + key + "]");
    EXPECT_EQ(JoinLines(lines), bytes);

    const ProfileSnapshot records(bytes);
    const auto entries = records.entries(key);
    ASSERT_EQ(entries.size(), 2u * kRecordsPerWriter);
    std::map<std::string, int> seen;
    std::map<char, int> lastOfWriter;
    int switches = 0;
    char previousWriter = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const auto &[name, value] = entries[i];
        ASSERT_EQ(name, std::to_string(i + 1));
        ++seen[value];
        // Each writer's own records follow each other in the order it wrote them.
        const char writer = value.empty() ? '?' : value[0];
        const int n = std::atoi(value.c_str() + 2);
        EXPECT_EQ(n, lastOfWriter[writer] + 1) << "key " << name << " holds " << value;
        lastOfWriter[writer] = n;
        if (previousWriter && previousWriter != writer)
            ++switches;
        previousWriter = writer;
    }
    for (const char writer : {'A', 'B'}) {
        for (int n = 1; n <= kRecordsPerWriter; ++n)
            EXPECT_EQ(seen[LineOf(writer, n)], 1) << LineOf(writer, n);
    }
    EXPECT_EQ(seen.size(), 2u * kRecordsPerWriter);
    EXPECT_EQ(ReadUnitRecords(records, key).size(), 2u * kRecordsPerWriter);

    if (!HasFailure())
        std::printf("concurrency: %zu records kept, keys 1..%zu (the writers took turns %d times, "
                    "%.1f s)\n",
                    entries.size(),
                    entries.size(),
                    switches,
                    seconds);
}

} // namespace
} // namespace zelkon::robust
