// Line files and atomic writing.
#include "common/line_file.h"

#include "support/test_support.h"

#include <cerrno>
#include <cstring>
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

TEST(LineFile, TellsMissingFilesFromUnreadableOnes)
{
    test::TempDir dir;
    test::WriteBytes(dir.file("plain.txt"), "a\r\nb");
    std::filesystem::create_directory(dir.file("folder.txt"));
    std::filesystem::create_symlink("loop.txt", dir.file("loop.txt"));
    std::filesystem::create_symlink("folder.txt", dir.file("to-folder.txt"));
    const struct
    {
        const char *name;
        FileRead result;
        const char *bytes;
        int reason; ///< errno whose text the message ends with; 0 for no message
    } cases[] = {
        {"plain.txt", FileRead::read, "a\r\nb", 0},
        {"none.txt", FileRead::missing, "", 0},
        {"no-folder/none.txt", FileRead::missing, "", 0},
        {"folder.txt", FileRead::unreadable, "", EISDIR},
        {"to-folder.txt", FileRead::unreadable, "", EISDIR},
        {"loop.txt", FileRead::unreadable, "", ELOOP},
    };
    for (const auto &c : cases) {
        std::string bytes = "stale";
        std::string error;
        EXPECT_EQ(ReadFileIfPresent(dir.file(c.name), bytes, &error), c.result) << c.name;
        EXPECT_EQ(bytes, c.bytes) << c.name;
        const std::string message = c.reason == 0
                                        ? ""
                                        : "ファイル " + dir.file(c.name) + " を読み込めません（"
                                              + std::strerror(c.reason) + "）";
        EXPECT_EQ(test::U(error), message) << c.name;
    }
}

TEST(LineFile, FailuresAreJapaneseMessagesNamingTheFile)
{
    test::TempDir dir;
    // The file name is UTF-8 on disk and must come out as CP932 inside the CP932 message.
    const std::string missing = dir.file("名簿.txt");
    std::string bytes;
    std::string error;
    EXPECT_FALSE(ReadFileBytes(missing, bytes, &error));
    EXPECT_EQ(test::U(error),
              "ファイル " + missing + " を読み込めません（" + std::strerror(ENOENT) + "）");

    std::vector<std::string> lines{"x"};
    error.clear();
    EXPECT_FALSE(ReadLines(missing, lines, &error));
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(test::U(error),
              "ファイル " + missing + " を読み込めません（" + std::strerror(ENOENT) + "）");

    const std::string unwritable = dir.file("無い/名簿.txt");
    error.clear();
    EXPECT_FALSE(WriteLinesAtomic(unwritable, {"x"}, &error));
    EXPECT_EQ(test::U(error),
              "ファイル " + unwritable + " に書き込めません（" + std::strerror(ENOENT) + "）");

    test::WriteBytes(dir.file("d/keep"), "k");
    error.clear();
    EXPECT_FALSE(WriteFileAtomic(dir.file("d"), "x", &error));
    EXPECT_EQ(test::U(error).rfind("ファイル " + dir.file("d") + " に書き込めません（", 0), 0u)
        << test::U(error);
}

TEST(LineFile, RefusesFilesOverTheSizeLimitUnread)
{
    test::TempDir dir;
    // Sparse files: their size is set without writing, so the largest takes no disk.
    const struct
    {
        const char *name;
        std::uintmax_t size;
        bool read;
    } cases[] = {
        {"at the limit", kMaxFileBytes, true},
        {"one byte over", kMaxFileBytes + 1, false},
        {"two gigabytes", std::uintmax_t{2} << 30, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir.file(std::string(c.name) + ".txt");
        test::WriteBytes(path, "");
        std::filesystem::resize_file(path, c.size);
        std::string bytes = "stale";
        std::string error;
        EXPECT_EQ(ReadFileIfPresent(path, bytes, &error),
                  c.read ? FileRead::read : FileRead::unreadable);
        EXPECT_EQ(bytes.size(), c.read ? c.size : 0u);
        EXPECT_EQ(test::U(error), c.read ? "" : "ファイル " + path + " は大きすぎます（32MBまで）");
        std::vector<std::string> lines{"stale"};
        EXPECT_EQ(ReadLines(path, lines, &error), c.read);
        EXPECT_EQ(lines.size(), c.read ? 1u : 0u);
    }
}

TEST(LineFile, WritesNothingItCouldNotReadBack)
{
    test::TempDir dir;
    const std::string path = dir.file("f.txt");
    test::WriteBytes(path, "old");
    std::string error;
    EXPECT_FALSE(WriteFileAtomic(path, std::string(kMaxFileBytes + 1, 'x'), &error));
    EXPECT_EQ(test::U(error), "ファイル " + path + " に書き込めません（32MBを超えます）");
    EXPECT_EQ(test::ReadBytes(path), "old");
    int entries = 0;
    for ([[maybe_unused]] const auto &e : std::filesystem::directory_iterator(dir.path()))
        ++entries;
    EXPECT_EQ(entries, 1);
}

TEST(LineFile, FindsTheFirstLineOverTheLengthLimit)
{
    const std::string longest(kMaxLineBytes, 'x');
    const struct
    {
        std::vector<std::string> lines;
        std::size_t found;
    } cases[] = {
        {{}, 0},
        {{"a", longest, ""}, 3},
        {{"a", longest + "y", longest + "z"}, 1},
        {{longest + "y"}, 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FindLongLine(c.lines), c.found);
    EXPECT_EQ(test::U(LongLineMessage(12)), "12行目が長すぎます（1行4096バイトまで）");
}

} // namespace
} // namespace zelkon
