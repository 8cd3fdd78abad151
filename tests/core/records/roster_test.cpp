// The learner roster file.
#include "records/roster.h"

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

} // namespace
} // namespace zelkon
