// Profile files on disk: creation, composed paths, refused entries, failures and erasing.
#include "records/profile_file.h"

#include "support/test_support.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>

namespace zelkon {
namespace {

using test::J;

TEST(ProfileFile, WritesReadsAndErasesThroughComposedPaths)
{
    test::TempDir dir;
    const ProfileFile file(dir.composed() + J("生徒1.ini"));
    const std::string fsPath = dir.file("生徒1.ini");

    EXPECT_EQ(file.read("password", "pw", "?"), "?");
    EXPECT_TRUE(file.keys("password").empty());

    ASSERT_TRUE(file.write("password", "pw", "abcd"));
    EXPECT_EQ(test::ReadBytes(fsPath), "[password]\r\npw=abcd\r\n");
    ASSERT_TRUE(file.write("S11Unit", "1", "line one"));
    ASSERT_TRUE(file.write("s11unit", "2", "line two"));
    EXPECT_EQ(test::ReadBytes(fsPath),
              "[password]\r\npw=abcd\r\n[S11Unit]\r\n1=line one\r\n2=line two\r\n");
    EXPECT_EQ(file.keys("S11UNIT"), (std::vector<std::string>{"1", "2"}));

    ASSERT_TRUE(file.eraseSection("s11UNIT"));
    EXPECT_EQ(test::ReadBytes(fsPath), "[password]\r\npw=abcd\r\n");
}

TEST(ProfileFile, FindsAFileWhoseNameDiffersInCase)
{
    test::TempDir dir;
    test::WriteBytes(dir.file("Learner1.INI"), "[A]\nk=v\n");
    const ProfileFile file(dir.composed() + "learner1.ini");
    EXPECT_EQ(file.read("a", "K", "-"), "v");
    ASSERT_TRUE(file.write("a", "k2", "w"));
    EXPECT_EQ(test::ReadBytes(dir.file("Learner1.INI")), "[A]\r\nk=v\r\nk2=w\r\n");
    EXPECT_FALSE(std::filesystem::exists(dir.file("learner1.ini")));
}

TEST(ProfileFile, RefusesEntriesThatWouldBreakTheFile)
{
    test::TempDir dir;
    const ProfileFile file(dir.composed() + "r.ini");
    ASSERT_TRUE(file.write("S", "k", "v"));
    const struct
    {
        const char *section;
        const char *key;
        const char *value;
        const char *problem;
    } refused[] = {
        {"S", "k", "two\r\n[Injected]\r\nx=1", "改行を含む項目は書き込めません"},
        {"S", "k", "lf\nonly", "改行を含む項目は書き込めません"},
        {"S\r\n", "k", "v", "改行を含む項目は書き込めません"},
        {"S", "a=b", "v", "= を含むキーは書き込めません"},
        {"S", " ", "v", "空のキーは書き込めません"},
        // A unit title cut after the first byte of a character: "[S11\x85]" is no header.
        {"S11\x85", "1", "v", "文字の途中で終わるセクション名は書き込めません"},
    };
    for (const auto &r : refused) {
        std::string error;
        EXPECT_FALSE(file.write(r.section, r.key, r.value, &error)) << r.key << " " << r.value;
        EXPECT_EQ(test::U(error), r.problem) << r.key << " " << r.value;
    }
    EXPECT_EQ(test::ReadBytes(dir.file("r.ini")), "[S]\r\nk=v\r\n");
}

TEST(ProfileFile, FailuresAreReportedAndChangeNothing)
{
    test::TempDir dir;
    std::string error;
    EXPECT_FALSE(ProfileFile(dir.composed() + "missing\\r.ini").write("S", "k", "v", &error));
    EXPECT_EQ(test::U(error),
              "ファイル " + dir.file("missing/r.ini") + " に書き込めません（"
                  + std::strerror(ENOENT) + "）");

    // Erasing in a file that does not exist is no error and creates nothing.
    EXPECT_TRUE(ProfileFile(dir.composed() + "none.ini").eraseSection("S"));
    EXPECT_FALSE(std::filesystem::exists(dir.file("none.ini")));

    // A folder where the file should be cannot be edited, and stays what it was.
    std::filesystem::create_directory(dir.file("folder.ini"));
    error.clear();
    EXPECT_FALSE(ProfileFile(dir.composed() + "folder.ini").write("S", "k", "v", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("folder.ini")));
}

TEST(ProfileFile, UnchangedEditsLeaveTheFileAlone)
{
    test::TempDir dir;
    // An LF file is not rewritten when erasing a section it does not have.
    test::WriteBytes(dir.file("lf.ini"), "[A]\nk=v\n");
    EXPECT_TRUE(ProfileFile(dir.composed() + "lf.ini").eraseSection("B"));
    EXPECT_EQ(test::ReadBytes(dir.file("lf.ini")), "[A]\nk=v\n");
}

TEST(ProfileFile, LoadTellsAnUnreadableFileFromAMissingOne)
{
    test::TempDir dir;
    test::WriteBytes(dir.file("a.ini"), "[S]\r\nk=v\r\n");
    std::filesystem::create_directory(dir.file("folder.ini"));
    std::filesystem::create_symlink("loop.ini", dir.file("loop.ini"));
    const struct
    {
        const char *name;
        bool loaded;
        int keys;   ///< keys of section S
        int reason; ///< errno the message ends with; 0 for none
    } cases[] = {
        {"a.ini", true, 1, 0},
        {"none.ini", true, 0, 0},
        {"folder.ini", false, 0, EISDIR},
        {"loop.ini", false, 0, ELOOP},
    };
    for (const auto &c : cases) {
        ProfileSnapshot snapshot("[S]\r\nstale=1\r\nstale2=2\r\n");
        std::string error;
        EXPECT_EQ(ProfileFile(dir.composed() + c.name).load(snapshot, &error), c.loaded) << c.name;
        EXPECT_EQ(snapshot.keyCount("S"), c.keys) << c.name;
        const std::string message = c.reason == 0
                                        ? ""
                                        : "ファイル " + dir.file(c.name) + " を読み込めません（"
                                              + std::strerror(c.reason) + "）";
        EXPECT_EQ(test::U(error), message) << c.name;
    }

    // An edit must not replace a file it could not read with an edit of nothing.
    std::string error;
    EXPECT_FALSE(ProfileFile(dir.composed() + "loop.ini").eraseSection("S", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("loop.ini")));
}

} // namespace
} // namespace zelkon
