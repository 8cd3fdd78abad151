// Line files and atomic writing.
#include "common/line_file.h"

#include "support/test_support.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace zelkon {
namespace {

TEST(LineFile, SplitsCrLfAndLf)
{
    const struct
    {
        std::string bytes;
        std::vector<std::string> lines;
    } cases[] = {
        {"", {}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"\r\n", {""}},
        {"a\rb\r\n", {"a\rb"}},
        {"\x95\x5C\r\n", {"\x95\x5C"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(SplitLines(c.bytes), c.lines);
    EXPECT_EQ(JoinLines({"a", ""}), "a\r\n\r\n");
}

TEST(LineFile, ReadsAndReplacesAtomically)
{
    test::TempDir dir;
    const std::string path = dir.file("f.txt");
    std::vector<std::string> lines;
    std::string error;
    EXPECT_FALSE(ReadLines(path, lines, &error));
    EXPECT_FALSE(error.empty());

    ASSERT_TRUE(WriteLinesAtomic(path, {"one", "two"}));
    EXPECT_EQ(test::ReadBytes(path), "one\r\ntwo\r\n");
    ASSERT_TRUE(ReadLines(path, lines));
    EXPECT_EQ(lines, (std::vector<std::string>{"one", "two"}));

    ::chmod(path.c_str(), 0640);
    ASSERT_TRUE(WriteLinesAtomic(path, {"three"}));
    EXPECT_EQ(test::ReadBytes(path), "three\r\n");
    struct stat st
    {
    };
    ::stat(path.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(LineFile, FailedWriteLeavesTheOldFileAndNoLitter)
{
    test::TempDir dir;
    EXPECT_FALSE(WriteLinesAtomic(dir.file("missing/f.txt"), {"x"}));
    // A folder in the way: rename fails, the temporary file is cleaned up.
    test::WriteBytes(dir.file("d/keep"), "k");
    std::string error;
    EXPECT_FALSE(WriteFileAtomic(dir.file("d"), "x", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(test::ReadBytes(dir.file("d/keep")), "k");
    int entries = 0;
    for (const auto &e : std::filesystem::directory_iterator(dir.path()))
        entries += e.path().filename() != "d";
    EXPECT_EQ(entries, 0);
}

} // namespace
} // namespace zelkon
