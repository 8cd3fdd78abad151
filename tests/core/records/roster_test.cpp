// The learner roster file.
#include "records/roster.h"

#include "common/line_file.h"
#include "support/test_support.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>

namespace zelkon {
namespace {

using test::J;

TEST(Roster, MissingRosterStartsWithThePublicName)
{
    test::TempDir dir;
    std::vector<std::string> names;
    ASSERT_TRUE(LoadRoster(dir.composed(), names));
    EXPECT_EQ(names, test::JLines({"公開"}));
    EXPECT_EQ(test::ReadBytes(dir.file("sname.txt")), J("公開\r\n"));
}

TEST(Roster, LoadsAndSavesNamesInOrder)
{
    test::TempDir dir;
    test::WriteBytes(dir.file("sname.txt"), J("公開\r\n生徒\n山田\r\n"));
    std::vector<std::string> names;
    ASSERT_TRUE(LoadRoster(dir.composed(), names));
    EXPECT_EQ(names, test::JLines({"公開", "生徒", "山田"}));

    names.erase(names.begin());
    names.push_back(J("新人"));
    ASSERT_TRUE(SaveRoster(dir.composed(), names));
    EXPECT_EQ(test::ReadBytes(dir.file("sname.txt")), J("生徒\r\n山田\r\n新人\r\n"));
}

TEST(Roster, FailuresAreReported)
{
    test::TempDir dir;
    const std::string missingFolder = dir.composed() + "LogOn\\";
    std::vector<std::string> names;
    std::string error;
    EXPECT_FALSE(LoadRoster(missingFolder, names, &error));
    EXPECT_EQ(test::U(error),
              "ファイル " + dir.file("LogOn/sname.txt") + " に書き込めません（"
                  + std::strerror(ENOENT) + "）");
    EXPECT_EQ(names, test::JLines({"公開"}));

    std::filesystem::create_directory(dir.file("sname.txt"));
    error.clear();
    EXPECT_FALSE(LoadRoster(dir.composed(), names, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(names.empty());
}

TEST(Roster, AnUnreadableRosterIsNeverReplaced)
{
    // Both can be replaced by a rename, so only the refusal keeps the roster from being lost
    // when the empty list of the failed load is saved (the log-on OK saves its list).
    const struct
    {
        const char *kind;
        const char *target;
        int reason;
    } cases[] = {
        {"symbolic link to a folder", "names", EISDIR},
        {"symbolic link to itself", "sname.txt", ELOOP},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.kind);
        test::TempDir dir;
        std::filesystem::create_directory(dir.file("names"));
        std::filesystem::create_symlink(c.target, dir.file("sname.txt"));
        const std::string unreadable = "ファイル " + dir.file("sname.txt") + " を読み込めません（"
                                       + std::strerror(c.reason) + "）";

        std::vector<std::string> names{J("古い")};
        std::string error;
        EXPECT_FALSE(LoadRoster(dir.composed(), names, &error));
        EXPECT_TRUE(names.empty());
        EXPECT_EQ(test::U(error), unreadable);

        names.push_back(J("新人"));
        error.clear();
        EXPECT_FALSE(SaveRoster(dir.composed(), names, &error));
        EXPECT_EQ(test::U(error), unreadable);
        EXPECT_TRUE(std::filesystem::is_symlink(dir.file("sname.txt")));
        EXPECT_EQ(std::filesystem::read_symlink(dir.file("sname.txt")), c.target);
    }
}

TEST(Roster, RostersTooLargeToListAreRefusedAndNeverReplaced)
{
    std::string tenThousand;
    for (int k = 1; k <= 10000; ++k)
        tenThousand += "name" + std::to_string(k) + "\r\n";
    const struct
    {
        const char *name;
        std::string bytes;
        std::string problem; // UTF-8, after "ファイル PATH"; empty when the roster is read
    } cases[] = {
        {"10,000 names", tenThousand, ""},
        {"10,001 names", tenThousand + "one more\r\n", " の名前が多すぎます（10000人まで）"},
        {"a name of 4,096 bytes", "a\r\n" + std::string(4096, 'n') + "\r\n", ""},
        {"a line of a million bytes",
         "a\r\n" + std::string(1000000, 'n') + "\r\nb\r\n",
         " の2行目が長すぎます（1行4096バイトまで）"},
        {"a file over the size limit", "", " は大きすぎます（32MBまで）"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDir dir;
        test::WriteBytes(dir.file("sname.txt"), c.bytes);
        if (c.bytes.empty())
            std::filesystem::resize_file(dir.file("sname.txt"), kMaxFileBytes + 1);
        std::vector<std::string> names;
        std::string error;
        EXPECT_EQ(LoadRoster(dir.composed(), names, &error), c.problem.empty());
        if (c.problem.empty()) {
            EXPECT_EQ(names, SplitLines(c.bytes));
            continue;
        }
        const std::string refused = "ファイル " + dir.file("sname.txt") + c.problem;
        EXPECT_EQ(test::U(error), refused);
        EXPECT_TRUE(names.empty());
        // The log-on OK saves the list it holds; that must not wipe the roster.
        error.clear();
        EXPECT_FALSE(SaveRoster(dir.composed(), {J("新人")}, &error));
        EXPECT_EQ(test::U(error), refused);
        error.clear();
        EXPECT_FALSE(SaveRosterChanges(dir.composed(), {}, {J("新人")}, nullptr, &error));
        EXPECT_EQ(test::U(error), refused);
        if (!c.bytes.empty()) {
            EXPECT_EQ(test::ReadBytes(dir.file("sname.txt")), c.bytes);
        }
    }
}

TEST(Roster, ANameBeyondTheLimitIsRefusedAndTheRosterKept)
{
    std::vector<std::string> full;
    for (int k = 1; k <= 10000; ++k)
        full.push_back("name" + std::to_string(k));
    test::TempDir dir;
    ASSERT_TRUE(SaveRoster(dir.composed(), full));
    const std::string before = test::ReadBytes(dir.file("sname.txt"));
    const std::string refused
        = "ファイル " + dir.file("sname.txt") + " の名前が多すぎます（10000人まで）";

    std::vector<std::string> more = full;
    more.push_back(J("新人"));
    std::string error;
    EXPECT_FALSE(SaveRosterChanges(dir.composed(), full, more, nullptr, &error));
    EXPECT_EQ(test::U(error), refused);
    error.clear();
    EXPECT_FALSE(SaveRoster(dir.composed(), more, &error));
    EXPECT_EQ(test::U(error), refused);
    EXPECT_EQ(test::ReadBytes(dir.file("sname.txt")), before);
    std::vector<std::string> names;
    EXPECT_TRUE(LoadRoster(dir.composed(), names));
    EXPECT_EQ(names, full);
}

TEST(Roster, ChangesMergeWithThoseOfAnotherMachine)
{
    const std::vector<std::string> loaded = test::JLines({"公開", "生徒", "山田"});
    const struct
    {
        const char *name;
        std::vector<std::string> current;
        std::vector<std::string> names;
        std::vector<std::string> merged;
    } cases[] = {
        {"file unchanged: the window's list as it is",
         {"公開", "生徒", "山田"},
         {"山田", "公開", "新人"},
         {"山田", "公開", "新人"}},
        {"a name added elsewhere stays",
         {"公開", "生徒", "山田", "花子"},
         {"公開", "山田", "新人"},
         {"公開", "山田", "花子", "新人"}},
        {"a name removed elsewhere stays removed",
         {"公開", "山田"},
         {"公開", "生徒", "山田", "新人"},
         {"公開", "山田", "新人"}},
        {"the same name added on both machines once",
         {"公開", "生徒", "山田", "新人"},
         {"公開", "生徒", "山田", "新人"},
         {"公開", "生徒", "山田", "新人"}},
        {"a failed load added to what is there",
         {"公開", "生徒"},
         {"新人"},
         {"公開", "生徒", "新人"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<std::string> base = std::string(c.name).starts_with("a failed load")
                                                  ? std::vector<std::string>{}
                                                  : loaded;
        EXPECT_EQ(MergeRosterChanges(test::JLines(c.current), base, test::JLines(c.names)),
                  test::JLines(c.merged));
    }
}

TEST(Roster, SavingChangesKeepsWhatAnotherMachineSavedMeanwhile)
{
    test::TempDir dir;
    std::vector<std::string> loaded;
    ASSERT_TRUE(LoadRoster(dir.composed(), loaded));
    // Another machine on the same folder adds a name while this window is open.
    test::WriteBytes(dir.file("sname.txt"), J("公開\r\n花子\r\n"));

    std::vector<std::string> saved;
    ASSERT_TRUE(SaveRosterChanges(dir.composed(), loaded, test::JLines({"新人"}), &saved));
    EXPECT_EQ(test::ReadBytes(dir.file("sname.txt")), J("花子\r\n新人\r\n"));
    EXPECT_EQ(saved, test::JLines({"花子", "新人"}));
}

TEST(Roster, RecordsFolderMadeWithTheFoldersAbove)
{
    test::TempDir dir;
    const std::string folder = dir.composed() + "a\\LogOn\\";
    ASSERT_TRUE(CreateRecordsFolder(folder));
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("a/LogOn")));
    EXPECT_TRUE(CreateRecordsFolder(folder));

    test::WriteBytes(dir.file("file"), "x");
    std::string error;
    EXPECT_FALSE(CreateRecordsFolder(dir.composed() + "file\\LogOn\\", &error));
    EXPECT_EQ(test::U(error),
              "ディレクトリ " + test::U(dir.composed()) + "file\\LogOn\\ を作成できません");
}

} // namespace
} // namespace zelkon
