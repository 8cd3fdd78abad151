// The learner roster file.
#include "records/roster.h"

#include "support/test_support.h"

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
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(names, test::JLines({"公開"}));

    std::filesystem::create_directory(dir.file("sname.txt"));
    error.clear();
    EXPECT_FALSE(LoadRoster(dir.composed(), names, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(names.empty());
}

} // namespace
} // namespace zelkon
