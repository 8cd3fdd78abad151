// Copy files of a folder: which names are listed and in what order, missing and unreadable
// folders, the raw preview lines, the row chosen again and the choice at OK.
#include "sheet/copy_file_list.h"

#include "common/line_file.h"
#include "common/path.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace zelkon {
namespace {

using test::J;
using test::TempDir;
using test::U;
using test::WriteBytes;
using Lines = std::vector<std::string>;

Lines Utf8(const Lines &cp932)
{
    Lines out;
    for (const std::string &line : cp932)
        out.push_back(U(line));
    return out;
}

TEST(CopyFileList, ListsVisibleCopyFilesSortedIgnoringCase)
{
    TempDir dir;
    for (const char *name : {"b.PRP",
                             "a.prp",
                             "C.prp",
                             "地図表.prp", // 表 ends in 0x5C, the byte of "\"
                             "notes.txt",
                             "prp",
                             ".prp",
                             ".hidden.prp",
                             "x.prp.bak",
                             "x.prpx",
                             "😀.prp"}) // no CP932 name can reach it
        WriteBytes(dir.file(std::string("lesson/") + name), "[[unitX\r\n");
    std::filesystem::create_directories(dir.file("lesson/folder.prp"));
    std::filesystem::create_symlink("a.prp", dir.file("lesson/link.prp"));
    std::filesystem::create_symlink("gone.prp", dir.file("lesson/dead.prp"));

    // The folder as courseware spells it, in another letter case.
    const CopyFileListing listing = ListCopyFiles(dir.composed() + "LESSON\\");

    EXPECT_TRUE(listing.listed);
    EXPECT_EQ(listing.message, "");
    EXPECT_EQ(Utf8(listing.names), (Lines{"a.prp", "b.PRP", "C.prp", "link.prp", "地図表.prp"}));
}

TEST(CopyFileList, EmptyFolderIsListedWithoutNames)
{
    TempDir dir;
    WriteBytes(dir.file("lesson/readme.txt"), "x");

    const CopyFileListing listing = ListCopyFiles(dir.composed() + "lesson\\");

    EXPECT_TRUE(listing.listed);
    EXPECT_TRUE(listing.names.empty());
}

TEST(CopyFileList, MissingFolderIsReportedByItsComposedPath)
{
    TempDir dir;
    WriteBytes(dir.file("file.prp"), "x");
    for (const std::string &folder : {dir.composed() + J("迷子\\"),
                                      dir.composed() + "file.prp\\",
                                      dir.composed() + "file.prp"}) {
        SCOPED_TRACE(U(folder));
        const CopyFileListing listing = ListCopyFiles(folder);
        EXPECT_FALSE(listing.listed);
        EXPECT_TRUE(listing.names.empty());
        EXPECT_EQ(U(listing.message), U(MissingDirectoryMessage(folder)));
    }
}

TEST(CopyFileList, UnreadableFolderIsReportedNotTakenForEmpty)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind root";
    TempDir dir;
    WriteBytes(dir.file("lesson/a.prp"), "x");
    std::filesystem::permissions(dir.file("lesson"), std::filesystem::perms::none);

    const CopyFileListing listing = ListCopyFiles(dir.composed() + "lesson\\");
    std::filesystem::permissions(dir.file("lesson"), std::filesystem::perms::owner_all);

    EXPECT_FALSE(listing.listed);
    EXPECT_TRUE(listing.names.empty());
    EXPECT_TRUE(
        U(listing.message)
            .starts_with("ディレクトリ " + U(dir.composed()) + "lesson\\ を読み込めません（"))
        << U(listing.message);
}

TEST(CopyFileList, PreviewShowsEveryLineAsStored)
{
    TempDir dir;
    WriteBytes(dir.file("a.prp"), J("[[unitX\r\n  字下げ　\r\n\r\n#答#\tタブ\nLFだけ\r\n最後の行"));

    const CopyFilePreview preview = ReadCopyFilePreview(dir.composed() + "a.prp");

    EXPECT_TRUE(preview.read);
    EXPECT_EQ(Utf8(preview.lines),
              (Lines{"[[unitX", "  字下げ　", "", "#答#\tタブ", "LFだけ", "最後の行"}));
}

TEST(CopyFileList, PreviewOfAMissingFileSaysSo)
{
    TempDir dir;
    const std::string path = dir.composed() + "gone.prp";

    const CopyFilePreview preview = ReadCopyFilePreview(path);

    EXPECT_FALSE(preview.read);
    EXPECT_TRUE(preview.lines.empty());
    EXPECT_EQ(U(preview.message), "ファイル " + U(path) + " が見つかりません");
}

TEST(CopyFileList, PreviewOfAFileTooLargeToListSaysSo)
{
    TempDir dir;
    std::string tenThousand;
    for (int k = 1; k <= 10000; ++k)
        tenThousand += "line\r\n";
    const struct
    {
        const char *name;
        std::string bytes;
        std::string problem; // UTF-8 after "ファイル PATH"; empty when the lines are shown
    } cases[] = {
        {"10,000 lines", tenThousand, ""},
        {"10,001 lines", tenThousand + "more", " の行が多すぎます（10000行まで）"},
        {"a line of 4,096 bytes", std::string(4096, 'q'), ""},
        {"a line of a million bytes",
         "[[unitX\r\n" + std::string(1000000, 'q'),
         " の2行目が長すぎます（1行4096バイトまで）"},
        {"a file over the size limit", "", " は大きすぎます（32MBまで）"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(dir.file("a.prp"), c.bytes);
        if (c.bytes.empty())
            std::filesystem::resize_file(dir.file("a.prp"), kMaxFileBytes + 1);
        const CopyFilePreview preview = ReadCopyFilePreview(dir.composed() + "a.prp");
        EXPECT_EQ(preview.read, c.problem.empty());
        if (c.problem.empty()) {
            EXPECT_EQ(preview.lines, SplitLines(c.bytes));
            continue;
        }
        EXPECT_TRUE(preview.lines.empty());
        // A read failure names the file by its file system path, the others by the composed one.
        const std::string path = c.bytes.empty() ? dir.file("a.prp") : U(dir.composed()) + "a.prp";
        EXPECT_EQ(U(preview.message), "ファイル " + path + c.problem);
    }
}

TEST(CopyFileList, RowChosenAfterListing)
{
    struct Case
    {
        std::int32_t last;
        int count;
        int row;
        std::int32_t lastAfter;
    };
    const Case cases[] = {
        {-1, 0, -1, -1}, // nothing listed: nothing chosen, nothing remembered
        {-1, 3, 0, 0},   // the first listing that finds files starts the memory at 0
        {0, 3, 0, 0},
        {2, 3, 2, 2},  // the 3rd file chosen last time is chosen again
        {2, 2, 0, 2},  // a shorter list falls back to the first, keeping the memory
        {5, 0, -1, 5}, // an empty folder forgets nothing
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "last " << c.last << ", count " << c.count);
        std::int32_t last = c.last;
        EXPECT_EQ(CopyFileRowToChoose(last, c.count), c.row);
        EXPECT_EQ(last, c.lastAfter);
    }
}

TEST(CopyFileList, ChoiceAtOkNeedsAFile)
{
    AppState state;
    state.lastCopyFilePosition = 4;
    state.lastCopyFileName = "old.prp";

    EXPECT_FALSE(AcceptCopyFileChoice("", 1, "b.prp", state));
    EXPECT_EQ(state.lastCopyFilePosition, 4);
    EXPECT_EQ(state.lastCopyFileName, "old.prp");

    EXPECT_TRUE(AcceptCopyFileChoice(J("C:\\教材\\chiri\\b.prp"), 1, "b.prp", state));
    EXPECT_EQ(state.lastCopyFilePosition, 1);
    EXPECT_EQ(state.lastCopyFileName, "b.prp");
    EXPECT_EQ(U(CopyFileNotChosenMessage()), "単元を選択してください");
}

} // namespace
} // namespace zelkon
