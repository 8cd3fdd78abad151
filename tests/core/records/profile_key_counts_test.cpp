// The streaming key count agrees with the full parse, across block boundaries too.
#include "records/profile_key_counts.h"
#include "records/profile_snapshot.h"

#include "support/test_support.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>

namespace zelkon {
namespace {

using test::J;

TEST(ProfileKeyCounts, AgreesWithTheFullParseAcrossBlocks)
{
    // Over a megabyte of mixed lines of varying length, so that block boundaries fall inside
    // lines, between CR and LF and inside two-byte characters; one line is longer than a block.
    std::string bytes = "top=before any section\r\n";
    std::vector<std::string> names;
    for (int s = 0; s < 400; ++s) {
        const std::string name = "S" + std::to_string(s) + J("表ゾ");
        names.push_back(name);
        bytes += (s % 3 == 0 ? "  [" : "[") + name + "]" + (s % 5 == 0 ? "\n" : "\r\n");
        for (int k = 1; k <= s % 37; ++k) {
            bytes += std::to_string(k) + "=" + std::string(static_cast<std::size_t>(k * 7), 'x')
                     + J("表") + "\r\n";
            if (k % 9 == 0)
                bytes += "; comment=not a key\r\nno key here\r\n\r\n\t\r\n[ゾ not a header=but a "
                         "key\r\n";
        }
        if (s == 200)
            bytes += "long=" + std::string(600000, 'y') + "\r\n";
    }
    bytes += "[S1" + J("表ゾ") + "]\r\nduplicate=ignored\r\n[Last]\r\nend=no line end";

    test::TempDir dir;
    test::WriteBytes(dir.file("big.ini"), bytes);
    ProfileKeyCounts counts;
    ASSERT_TRUE(counts.load(dir.composed() + "big.ini"));
    const ProfileSnapshot snapshot(bytes);
    for (const std::string &name : names)
        EXPECT_EQ(counts.keyCount(name), snapshot.keyCount(name)) << test::U(name);
    EXPECT_EQ(counts.keyCount("s1" + J("表ゾ")), snapshot.keyCount("S1" + J("表ゾ")));
    EXPECT_EQ(counts.keyCount("S200" + J("表ゾ")), 200 % 37 + 200 % 37 / 9 + 1);
    EXPECT_EQ(counts.keyCount("LAST"), 1);
    EXPECT_EQ(counts.keyCount("missing"), 0);
}

TEST(ProfileKeyCounts, MissingAndUnreadableFiles)
{
    test::TempDir dir;
    ProfileKeyCounts counts;
    EXPECT_TRUE(counts.load(dir.composed() + "none.ini"));
    EXPECT_EQ(counts.keyCount("S"), 0);

    test::WriteBytes(dir.file("a.ini"), "[S]\r\nk=v\r\n");
    ASSERT_TRUE(counts.load(dir.composed() + "a.ini"));
    EXPECT_EQ(counts.keyCount("S"), 1);

    // Loading again starts afresh; a folder cannot be read.
    std::filesystem::create_directory(dir.file("folder.ini"));
    std::string error;
    EXPECT_FALSE(counts.load(dir.composed() + "folder.ini", &error));
    EXPECT_EQ(test::U(error),
              "ファイル " + dir.file("folder.ini") + " を読み込めません（" + std::strerror(EISDIR)
                  + "）");
    EXPECT_EQ(counts.keyCount("S"), 0);

    std::filesystem::create_symlink("loop.ini", dir.file("loop.ini"));
    ASSERT_TRUE(counts.load(dir.composed() + "a.ini"));
    error.clear();
    EXPECT_FALSE(counts.load(dir.composed() + "loop.ini", &error));
    EXPECT_EQ(test::U(error),
              "ファイル " + dir.file("loop.ini") + " を読み込めません（" + std::strerror(ELOOP)
                  + "）");
    EXPECT_EQ(counts.keyCount("S"), 0);
}

} // namespace
} // namespace zelkon
