// Killing a process in the middle of its saves loses nothing: after every kill each file holds
// the whole content of its last save or of the save before, never a torn or empty one.
#include "child_process.h"
#include "save_loop.h"

#include "common/line_file.h"
#include "common/path.h"
#include "records/profile_snapshot.h"
#include "sheet/copy_file_list.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <utility>

namespace zelkon::robust {
namespace {

using test::TempDir;
using Clock = std::chrono::steady_clock;

// From the child's first save on; wide enough to kill it at every step of all three saves, each
// of which takes milliseconds for its fsyncs.
constexpr double kShortestDelayMs = 0.05;
constexpr double kLongestDelayMs = 80.0;

std::uint64_t EnvironmentNumber(const char *name, std::uint64_t fallback)
{
    const char *text = std::getenv(name);
    if (!text || !*text)
        return fallback;
    return std::strtoull(text, nullptr, 10);
}

/// Where the kills fell for one file.
struct Landings
{
    int between = 0;      ///< the child was not saving this file
    int beforeTemp = 0;   ///< saving, before its temporary file existed
    int withTemp = 0;     ///< saving, its temporary file made and not yet renamed
    int afterRename = 0;  ///< saving, the new content in place, the save not yet returned
    int emptyRecords = 0; ///< saving, the record file empty as the lock creates it

    int whileSaving() const { return beforeTemp + withTemp + afterRename; }
};

/// One target file on disk: its path, its content, its temporary files.
struct TargetFile
{
    const char *label;
    std::string fsPath;

    std::optional<std::string> content() const
    {
        std::string bytes;
        if (ReadFileIfPresent(fsPath, bytes) != FileRead::read)
            return std::nullopt;
        return bytes;
    }

    /// Files ".NAME.XXXXXX" beside it, as WriteFileAtomic names its temporary files.
    int temporaryFiles() const
    {
        const std::filesystem::path target(fsPath);
        const std::string prefix = "." + target.filename().string() + ".";
        int count = 0;
        std::error_code error;
        for (const auto &entry : std::filesystem::directory_iterator(target.parent_path(), error)) {
            const std::string name = entry.path().filename().string();
            if (name.size() == prefix.size() + 6 && name.starts_with(prefix))
                ++count;
        }
        return count;
    }
};

std::string Describe(const std::optional<std::string> &content)
{
    if (!content)
        return "missing";
    return std::to_string(content->size()) + " bytes";
}

// Keys 1..n of the section, each with the line record k was written with.
::testing::AssertionResult
HoldsRecords(const SaveTargets &targets, const std::string &bytes, std::int64_t n)
{
    const ProfileSnapshot snapshot(bytes);
    const auto entries = snapshot.entries(targets.recordKey);
    if (static_cast<std::int64_t>(entries.size()) != n)
        return ::testing::AssertionFailure() << entries.size() << " keys instead of " << n;
    for (std::int64_t k = 1; k <= n; ++k) {
        const auto &[key, value] = entries[static_cast<std::size_t>(k - 1)];
        if (key != std::to_string(k) || value != RecordLineOf(k))
            return ::testing::AssertionFailure() << "entry " << k << " is " << key << "=" << value;
    }
    return ::testing::AssertionSuccess();
}

class CrashSafety : public ::testing::Test
{
protected:
    CrashSafety()
        : targets(dir.composed())
        , files{TargetFile{"master file", ToFsPath(targets.masterPath)},
                TargetFile{"copy file", ToFsPath(targets.copyPath)},
                TargetFile{"record file", ToFsPath(targets.recordFile)}}
    {
        test::WriteBytes(files[kMasterFile].fsPath, original);
    }

    /// The file's content after the saves `done` and `begun`, the last completed and the one
    /// under way. Record files are built forward from the content last found, as every append
    /// builds on the one before.
    std::pair<std::optional<std::string>, std::optional<std::string>>
    expected(SaveTarget target, std::int64_t done, std::int64_t begun) const
    {
        if (target == kMasterFile)
            return {MasterFileAfter(targets, original, done),
                    MasterFileAfter(targets, original, begun)};
        if (target == kCopyFile)
            return {CopyFileAfter(targets, original, done),
                    CopyFileAfter(targets, original, begun)};
        std::string atDone = recordBytes;
        for (std::int64_t n = counts[kRecordFile] + 1; n <= done; ++n)
            atDone = RecordFileAfter(targets, atDone, n);
        std::string atBegun = begun > done ? RecordFileAfter(targets, atDone, begun) : atDone;
        return {std::move(atDone), std::move(atBegun)};
    }

    /// Checks one file after a kill: it holds the content of the last save completed, or of
    /// the save under way; records which, and where the kill fell.
    void checkAfterKill(SaveTarget target, std::int64_t begun, std::int64_t done)
    {
        const TargetFile &file = files[target];
        SCOPED_TRACE(file.label);
        ASSERT_GE(done, counts[target]) << "a completed save was undone";
        ASSERT_TRUE(begun == done || begun == done + 1) << begun << " begun, " << done << " done";

        std::optional<std::string> actual = file.content();
        // A record file the lock made before its first record holds no records, as a missing
        // one: the state before the first save, not a lost one.
        if (target == kRecordFile && (!actual || actual->empty())) {
            if (actual && begun > done)
                ++landings[target].emptyRecords;
            actual = std::string();
        }
        const int temps = file.temporaryFiles();
        ASSERT_LE(temps, tempFiles[target] + 1) << "one kill left two temporary files";
        const bool newTemp = temps > tempFiles[target];
        tempFiles[target] = temps;

        const auto [oldContent, newContent] = expected(target, done, begun);
        const std::int64_t holds = actual == newContent ? begun : actual == oldContent ? done : -1;
        ASSERT_GE(holds, 0) << "the file (" << Describe(actual)
                            << ") is neither the whole old nor the whole new content of save "
                            << begun << " (old " << Describe(oldContent) << ", new "
                            << Describe(newContent) << ")";
        if (target == kRecordFile) {
            ASSERT_TRUE(HoldsRecords(targets, *actual, holds));
            recordBytes = *actual;
        }

        Landings &landing = landings[target];
        if (begun == done)
            ++landing.between;
        else if (holds == begun)
            ++landing.afterRename;
        else if (newTemp)
            ++landing.withTemp;
        else
            ++landing.beforeTemp;
        counts[target] = holds;
    }

    TempDir dir;
    const std::string original = OriginalMasterFile();
    const SaveTargets targets;
    const std::array<TargetFile, kSaveTargetCount> files;
    std::array<std::int64_t, kSaveTargetCount> counts{};
    std::array<int, kSaveTargetCount> tempFiles{};
    std::array<Landings, kSaveTargetCount> landings{};
    std::string recordBytes; ///< the record file as last found
};

TEST_F(CrashSafety, EveryFileIsTheWholeOldOrNewContentAfterEachKill)
{
    const int kills = static_cast<int>(EnvironmentNumber("ZELKON_KILLS", 20));
    const std::uint64_t seed = EnvironmentNumber("ZELKON_SEED", std::random_device{}());
    std::printf("crash safety: seed %llu, %d kills (ZELKON_SEED=%llu replays the delays)\n",
                static_cast<unsigned long long>(seed),
                kills,
                static_cast<unsigned long long>(seed));
    std::mt19937_64 random(seed);
    // Even over the logarithm of the delay, so short and long delays are alike frequent.
    std::uniform_real_distribution<double> logDelay(std::log(kShortestDelayMs),
                                                    std::log(kLongestDelayMs));
    SharedMemory<SaveProgress> progress;
    const Clock::time_point start = Clock::now();

    for (int kill = 1; kill <= kills; ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill)
                     + " of run with ZELKON_SEED=" + std::to_string(seed));
        for (int t = 0; t < kSaveTargetCount; ++t) {
            progress->begun[t] = counts[t];
            progress->done[t] = counts[t];
        }
        // Each child begins with another of the three saves, so that the short delays, which
        // kill the first save, fall on all of them alike.
        progress->next = kill % kSaveTargetCount;
        progress->saving = false;
        const std::chrono::duration<double, std::milli> delay(std::exp(logDelay(random)));

        const pid_t child = StartChild([&] { return RunSaveLoop(targets, *progress); });
        ASSERT_GT(child, 0) << "fork failed";
        // Opening the sheets writes nothing: the delay counts from the first save on.
        std::optional<int> ended;
        while (!progress->saving && !(ended = EndedChild(child)))
            std::this_thread::sleep_for(std::chrono::microseconds(50));
        if (!ended) {
            std::this_thread::sleep_for(delay);
            ::kill(child, SIGKILL);
            ended = WaitChild(child);
        }
        ASSERT_TRUE(WIFSIGNALED(*ended) && WTERMSIG(*ended) == SIGKILL)
            << "the child ended by itself, " << DescribeEnd(*ended) << ": " << progress->failure;

        for (int t = 0; t < kSaveTargetCount; ++t) {
            const auto target = static_cast<SaveTarget>(t);
            checkAfterKill(target, progress->begun[t], progress->done[t]);
            if (HasFatalFailure())
                return;
        }
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();

    int temporaryFiles = 0;
    for (int t = 0; t < kSaveTargetCount; ++t) {
        const Landings &l = landings[t];
        std::printf(
            "crash safety: %s: %lld saves; %d kills while saving (%d before its temporary "
            "file, %d with it made, %d after the rename), %d while another file was saved; %d "
            "temporary files left\n",
            files[t].label,
            static_cast<long long>(counts[t]),
            l.whileSaving(),
            l.beforeTemp,
            l.withTemp,
            l.afterRename,
            l.between,
            tempFiles[t]);
        temporaryFiles += tempFiles[t];
    }
    std::printf("crash safety: %d kills found the record file empty, as the lock makes it for "
                "the first record\n",
                landings[kRecordFile].emptyRecords);

    // The copy file browser does not take a leftover temporary file for a copy file.
    const CopyFileListing listing = ListCopyFiles(dir.composed());
    ASSERT_TRUE(listing.listed);
    const bool onlyCopyListed
        = counts[kCopyFile] > 0
              ? listing.names.size() == 1 && targets.copyPath.ends_with(listing.names[0])
              : listing.names.empty();
    EXPECT_TRUE(onlyCopyListed) << listing.names.size() << " names listed";
    std::printf("crash safety: %d temporary files left beside the targets%s\n",
                temporaryFiles,
                onlyCopyListed ? ", none listed as a copy file" : "");
    if (!HasFailure())
        std::printf(
            "crash safety: %d kills, every file old or new whole (%.1f s)\n", kills, seconds);
}

} // namespace
} // namespace zelkon::robust
