// Composed Windows-style paths on this filesystem.
#include "common/path.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

namespace zelkon {
namespace {

using test::J;

TEST(Path, BackslashesAndCaseInsensitiveComponents)
{
    test::TempDir dir;
    test::WriteBytes(dir.file("Geo/Graph/Map.bmp"), "x");
    test::WriteBytes(dir.file("地図表/a.txt"), "x");
    const std::string base = dir.composed();

    EXPECT_EQ(ToFsPath(base + "Geo\\Graph\\Map.bmp"), dir.file("Geo/Graph/Map.bmp"));
    EXPECT_EQ(ToFsPath(base + "geo\\GRAPH\\map.BMP"), dir.file("Geo/Graph/Map.bmp"));
    EXPECT_TRUE(FileExists(base + "GEO\\graph\\MAP.bmp"));
    EXPECT_TRUE(DirectoryExists(base + "geo\\graph\\"));
    EXPECT_FALSE(FileExists(base + "geo\\graph"));
    // 表 ends in 0x5C: the folder name survives whole.
    EXPECT_TRUE(FileExists(base + J("地図表\\a.txt")));
    EXPECT_EQ(ToFsPath(base + J("地図表\\A.TXT")), dir.file("地図表/a.txt"));
    // UTF-8 names fold byte by byte: "あ" holds bytes that CP932 would take for a lead byte.
    test::WriteBytes(dir.file("あgraph/x.bmp"), "x");
    EXPECT_TRUE(FileExists(base + J("あGraph\\X.BMP")));
    // A missing component keeps the rest as written.
    EXPECT_EQ(ToFsPath(base + "Nope\\Graph"), dir.file("Nope/Graph"));
}

TEST(Path, MessagesAndTrailingBackslash)
{
    EXPECT_EQ(MissingFileMessage("C:\\a.ind"), J("ファイル C:\\a.ind が見つかりません"));
    EXPECT_EQ(MissingDirectoryMessage("x\\"), J("ディレクトリ x\\ が見つかりません"));
    EXPECT_EQ(WithTrailingBackslash("/a"), "/a\\");
    EXPECT_EQ(WithTrailingBackslash("/a/"), "/a/");
    EXPECT_EQ(WithTrailingBackslash("C:\\"), "C:\\");
    EXPECT_EQ(WithTrailingBackslash(J("地図表")), J("地図表\\"));
}

} // namespace
} // namespace zelkon
