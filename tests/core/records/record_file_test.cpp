// Record file names, unit keys, reading, counting and appending records, and passwords.
#include "records/record_file.h"

#include "records/learner_name.h"
#include "records/profile_file.h"

#include "common/line_file.h"

#include "support/test_support.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

namespace zelkon {
namespace {

using test::J;

// The three reads of a record file fail with `error` (UTF-8) and give no records, a count of 0
// and the unset password "?".
void ExpectReadsFail(const std::string &file, const std::string &error)
{
    std::vector<std::string> lines{"stale"};
    int count = -1;
    std::string password;
    std::string reason;
    EXPECT_FALSE(ReadUnitRecords(file, "S11A", lines, &reason));
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(test::U(reason), error);
    reason.clear();
    EXPECT_FALSE(CountPracticeRecords(file, "S11A", count, &reason));
    EXPECT_EQ(count, 0);
    EXPECT_EQ(test::U(reason), error);
    reason.clear();
    EXPECT_FALSE(ReadPassword(file, password, &reason));
    EXPECT_EQ(password, "?");
    EXPECT_EQ(test::U(reason), error);
}

TEST(RecordFile, NamesFoldersAndUnitKeys)
{
    EXPECT_EQ(RecordsFolder(/*onCdRom=*/false, "D:\\Zelkon\\LogOn", "C:\\Geo\\"),
              "C:\\Geo\\LogOn\\");
    EXPECT_EQ(RecordsFolder(/*onCdRom=*/true, "D:\\Zelkon\\LogOn", "Q:\\"), "D:\\Zelkon\\LogOn\\");

    const struct
    {
        const char *name;
        int lesson;
        const char *file;
    } files[] = {
        {"生徒", 3, "F\\生徒3.ini"},
        {"生徒1", 2, "F\\生徒12.ini"},
        {"生徒", 12, "F\\生徒12.ini"},
        {"共通", 0, "F\\共通1.ini"},
        {"共通", -4, "F\\共通1.ini"},
    };
    for (const auto &f : files)
        EXPECT_EQ(test::U(RecordFileName("F\\", J(f.name), f.lesson)), f.file);

    EXPECT_EQ(test::U(UnitKey(1, 12, J("地図表"))), "S112地図表");
    EXPECT_EQ(UnitKey(11, 2, "Map"), UnitKey(1, 12, "Map"));
    EXPECT_NE(UnitKey(11, 2, "Map"), UnitKey(1, 12, "Maps"));
}

TEST(RecordFile, AppendsReadsAndCountsRecords)
{
    test::TempDir dir;
    const std::string file = RecordFileName(dir.composed(), J("生徒"), 1);
    const std::string key = UnitKey(1, 2, J("日本の地形"));
    EXPECT_TRUE(ReadUnitRecords(file, key).empty());
    EXPECT_EQ(CountPracticeRecords(file, key), 0);

    ASSERT_TRUE(AppendPracticeRecord(file, key, "first"));
    ASSERT_TRUE(AppendPracticeRecord(file, key, "second"));
    ASSERT_TRUE(AppendPracticeRecord(file, "copy.prp", "on a copy"));
    EXPECT_EQ(test::ReadBytes(dir.file("生徒1.ini")),
              "[" + key + "]\r\n1=first\r\n2=second\r\n[copy.prp]\r\n1=on a copy\r\n");
    EXPECT_EQ(ReadUnitRecords(file, key), (std::vector<std::string>{"first", "second"}));
    EXPECT_EQ(CountPracticeRecords(file, key), 2);

    std::vector<std::string> lines;
    int count = -1;
    std::string error;
    EXPECT_TRUE(ReadUnitRecords(file, key, lines, &error));
    EXPECT_EQ(lines, (std::vector<std::string>{"first", "second"}));
    EXPECT_TRUE(CountPracticeRecords(file, key, count, &error));
    EXPECT_EQ(count, 2);
    EXPECT_TRUE(ReadUnitRecords(file, "none", lines, &error));
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(error, "");

    ProfileKeyCounts counts;
    ASSERT_TRUE(counts.load(file));
    EXPECT_EQ(CountPracticeRecords(counts, key), 2);
    EXPECT_EQ(CountPracticeRecords(counts, "COPY.PRP"), 1);
    EXPECT_EQ(CountPracticeRecords(counts, UnitKey(1, 3, J("日本の地形"))), 0);
}

TEST(RecordFile, FirstRecordMakesTheMissingRecordsFolder)
{
    test::TempDir dir;
    const std::string file = RecordFileName(RecordsFolder(false, "", dir.composed()), J("生徒"), 2);
    ASSERT_TRUE(AppendPracticeRecord(file, "S11", "first"));
    EXPECT_EQ(test::ReadBytes(dir.file("LogOn/生徒2.ini")), "[S11]\r\n1=first\r\n");
}

TEST(RecordFile, GapsReadAsQuestionMarksAndAreNeverOverwritten)
{
    test::TempDir dir;
    const std::string file = dir.composed() + "r.ini";
    test::WriteBytes(dir.file("r.ini"), "[S11A]\r\n1=one\r\n3=three\r\n");
    // Two keys: records 1 and 2 are shown, the missing 2 as "?".
    EXPECT_EQ(ReadUnitRecords(file, "S11A"), (std::vector<std::string>{"one", "?"}));

    // Key 3 exists already, so the new record goes to 4 instead of replacing it.
    ASSERT_TRUE(AppendPracticeRecord(file, "S11A", "new"));
    EXPECT_EQ(test::ReadBytes(dir.file("r.ini")), "[S11A]\r\n1=one\r\n3=three\r\n4=new\r\n");
}

TEST(RecordFile, KeysAreTheirNumbersWrittenPlainlyAndTheFirstOfTwinsWins)
{
    test::TempDir dir;
    const std::string file = dir.composed() + "r.ini";
    test::WriteBytes(dir.file("r.ini"), "[S11A]\r\n01=zero-one\r\n 2 =two\r\n2=twin\r\n");
    EXPECT_EQ(ReadUnitRecords(file, "S11A"), (std::vector<std::string>{"?", "two", "?"}));
    ASSERT_TRUE(AppendPracticeRecord(file, "S11A", "new"));
    EXPECT_EQ(ReadUnitRecords(file, "S11A"), (std::vector<std::string>{"?", "two", "?", "new"}));
}

// A learner who drilled one unit a hundred thousand times: about 4 MB, read whole.
TEST(RecordFile, HundredThousandRecordsOfOneUnit)
{
    constexpr int kRecords = 100000;
    test::TempDir dir;
    const std::string file = dir.composed() + "r.ini";
    std::string bytes = "[password]\r\npw=abcd\r\n[S11A]\r\n";
    for (int k = 1; k <= kRecords; ++k)
        bytes += std::to_string(k) + "=0,OOOOOOO,7,7,100,31,2026/05/01 10:00 #" + std::to_string(k)
                 + "\r\n";
    bytes += "[S12B]\r\n1=other\r\n";
    test::WriteBytes(dir.file("r.ini"), bytes);

    int count = 0;
    ASSERT_TRUE(CountPracticeRecords(file, "S11A", count));
    EXPECT_EQ(count, kRecords);
    std::vector<std::string> lines;
    ASSERT_TRUE(ReadUnitRecords(file, "S11A", lines));
    ASSERT_EQ(lines.size(), std::size_t{kRecords});
    EXPECT_EQ(lines.front(), "0,OOOOOOO,7,7,100,31,2026/05/01 10:00 #1");
    EXPECT_EQ(lines.back(), "0,OOOOOOO,7,7,100,31,2026/05/01 10:00 #100000");

    ASSERT_TRUE(AppendPracticeRecord(file, "S11A", "new"));
    ASSERT_TRUE(CountPracticeRecords(file, "S11A", count));
    EXPECT_EQ(count, kRecords + 1);
    EXPECT_EQ(ReadUnitRecords(file, "S11A").back(), "new");
    EXPECT_EQ(ReadUnitRecords(file, "S12B"), std::vector<std::string>{"other"});
    EXPECT_EQ(ReadPassword(file), "abcd");
}

// Every number from the count on is taken: the next free one is found without a search of the
// section per number, which took minutes here.
TEST(RecordFile, NumbersTakenAheadOfTheCountAreSkippedInOnePass)
{
    constexpr int kTaken = 50000;
    test::TempDir dir;
    const std::string file = dir.composed() + "r.ini";
    std::string bytes = "[S11A]\r\n";
    for (int k = kTaken + 1; k <= 2 * kTaken; ++k)
        bytes += std::to_string(k) + "=x\r\n";
    test::WriteBytes(dir.file("r.ini"), bytes);
    ASSERT_TRUE(AppendPracticeRecord(file, "S11A", "new"));
    const std::string written = test::ReadBytes(dir.file("r.ini"));
    EXPECT_TRUE(written.ends_with("\r\n100001=new\r\n")) << written.substr(written.size() - 40);
}

TEST(RecordFile, FilesOverTheSizeLimitAreRefusedAndKept)
{
    test::TempDir dir;
    const std::string file = RecordFileName(dir.composed(), J("生徒"), 1);
    const std::string fsPath = dir.file("生徒1.ini");
    test::WriteBytes(fsPath, "");
    std::filesystem::resize_file(fsPath, kMaxFileBytes + 1);
    const std::string tooLarge = "ファイル " + fsPath + " は大きすぎます（32MBまで）";

    ExpectReadsFail(file, tooLarge);
    std::string error;
    EXPECT_FALSE(AppendPracticeRecord(file, "S11A", "line", &error));
    EXPECT_EQ(test::U(error), tooLarge);
    EXPECT_EQ(std::filesystem::file_size(fsPath), kMaxFileBytes + 1);
}

// A record that would take the file over the size limit is not written: the file stays
// readable with every record it held.
TEST(RecordFile, AnAppendPastTheSizeLimitIsRefused)
{
    test::TempDir dir;
    const std::string file = dir.composed() + "r.ini";
    test::WriteBytes(dir.file("r.ini"), "[S11A]\r\n1=x\r\n;");
    std::filesystem::resize_file(dir.file("r.ini"), kMaxFileBytes - 4);
    std::string error;
    EXPECT_FALSE(AppendPracticeRecord(file, "S11A", "new", &error));
    EXPECT_EQ(test::U(error),
              "ファイル " + dir.file("r.ini") + " に書き込めません（32MBを超えます）");
    EXPECT_EQ(std::filesystem::file_size(dir.file("r.ini")), kMaxFileBytes - 4);
    EXPECT_EQ(ReadUnitRecords(file, "S11A"), std::vector<std::string>{"x"});
}

TEST(RecordFile, ConcurrentAppendsLoseNoRecord)
{
    test::TempDir dir;
    const std::string file = dir.composed() + "shared.ini";
    constexpr int kWriters = 2;
    constexpr int kRecords = 200;
    std::vector<pid_t> children;
    for (int w = 0; w < kWriters; ++w) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            bool ok = true;
            for (int r = 0; r < kRecords; ++r)
                ok = AppendPracticeRecord(
                         file, "S11A", "w" + std::to_string(w) + "r" + std::to_string(r))
                     && ok;
            ::_exit(ok ? 0 : 1);
        }
        children.push_back(pid);
    }
    for (const pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }

    const std::vector<std::string> lines = ReadUnitRecords(file, "S11A");
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(kWriters * kRecords));
    const std::set<std::string> distinct(lines.begin(), lines.end());
    EXPECT_EQ(distinct.size(), lines.size());
    EXPECT_EQ(distinct.count("?"), 0u);
}

TEST(RecordFile, PasswordsPerLearnerAndLesson)
{
    test::TempDir dir;
    const std::string lesson1 = RecordFileName(dir.composed(), J("生徒"), 1);
    const std::string lesson2 = RecordFileName(dir.composed(), J("生徒"), 2);
    EXPECT_EQ(ReadPassword(lesson2), "?");
    std::string stored = "stale";
    EXPECT_TRUE(ReadPassword(lesson2, stored));
    EXPECT_EQ(stored, "?");

    ASSERT_TRUE(WritePassword(lesson2, "Abcd"));
    EXPECT_EQ(ReadPassword(lesson2), "Abcd");
    EXPECT_TRUE(ReadPassword(lesson2, stored));
    EXPECT_EQ(stored, "Abcd");
    EXPECT_EQ(ReadPassword(lesson1), "?");

    // Whatever is typed must read back exactly, or the learner could never log on again.
    for (const std::string &typed :
         std::vector<std::string>{" pass ", "\"quoted\"", "'ab'", "tab\t", J("パス表ワード")}) {
        ASSERT_TRUE(WritePassword(lesson2, typed));
        EXPECT_EQ(ReadPassword(lesson2), typed);
    }

    std::string error;
    EXPECT_FALSE(WritePassword(lesson2, std::string(1024, 'p'), &error));
    EXPECT_EQ(test::U(error), "パスワードが長すぎます");
    EXPECT_TRUE(WritePassword(lesson2, std::string(1023, 'p')));
    EXPECT_EQ(ReadPassword(lesson2), std::string(1023, 'p'));

    // Records and the password share the file without disturbing each other.
    ASSERT_TRUE(AppendPracticeRecord(lesson2, "S11A", "r"));
    EXPECT_EQ(ReadPassword(lesson2), std::string(1023, 'p'));
    EXPECT_EQ(CountPracticeRecords(lesson2, "password"), 1);
}

TEST(RecordFile, RefusedNamesGiveNoPathAndTouchNoFile)
{
    test::TempDir dir;
    std::filesystem::create_directory(dir.file("LogOn"));
    const std::string folder = dir.composed() + "LogOn\\";
    const std::string refusal = test::U(RefusedNameFileMessage());
    const std::string names[] = {
        "..\\..\\etc",
        "..",
        "a/b",
        "a\\b",
        "tab\there",
        "nl\n",
        "",
    };
    for (const std::string &name : names) {
        SCOPED_TRACE(test::U(name));
        const std::string file = RecordFileName(folder, name, 0);
        EXPECT_EQ(file, "");

        ExpectReadsFail(file, refusal);
        std::string error;
        EXPECT_FALSE(AppendPracticeRecord(file, "S11A", "line", &error));
        EXPECT_EQ(test::U(error), refusal);
        error.clear();
        EXPECT_FALSE(WritePassword(file, "abcd", &error));
        EXPECT_EQ(test::U(error), refusal);
        error.clear();
        EXPECT_FALSE(ProfileFile(file).eraseSection("S11A", &error));
        EXPECT_EQ(test::U(error), refusal);
        ProfileKeyCounts counts;
        error.clear();
        EXPECT_FALSE(counts.load(file, &error));
        EXPECT_EQ(test::U(error), refusal);

        EXPECT_TRUE(ReadUnitRecords(file, "S11A").empty());
        EXPECT_EQ(CountPracticeRecords(file, "S11A"), 0);
        EXPECT_EQ(ReadPassword(file), "?");
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.file("LogOn")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("../etc1.ini")));
    int entries = 0;
    for (const auto &e : std::filesystem::recursive_directory_iterator(dir.path()))
        entries += e.path().filename() != "LogOn";
    EXPECT_EQ(entries, 0);
}

TEST(RecordFile, UnreadableFilesAreNotTakenForEmptyOnes)
{
    const struct
    {
        const char *kind;
        int reason; ///< errno of reading it
    } cases[] = {
        {"folder", EISDIR},
        {"symbolic link to itself", ELOOP},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.kind);
        test::TempDir dir;
        const std::string file = RecordFileName(dir.composed(), J("生徒"), 1);
        const std::string fsPath = dir.file("生徒1.ini");
        if (c.reason == EISDIR)
            std::filesystem::create_directory(fsPath);
        else
            std::filesystem::create_symlink("生徒1.ini", fsPath);
        const std::string unreadable
            = "ファイル " + fsPath + " を読み込めません（" + std::strerror(c.reason) + "）";

        ExpectReadsFail(file, unreadable);
        std::string error;
        EXPECT_FALSE(AppendPracticeRecord(file, "S11A", "line", &error));
        EXPECT_EQ(test::U(error).rfind("ファイル " + fsPath + " に", 0), 0u) << test::U(error);
        EXPECT_FALSE(WritePassword(file, "abcd"));
        EXPECT_EQ(std::filesystem::is_symlink(fsPath), c.reason == ELOOP);
    }
}

} // namespace
} // namespace zelkon
