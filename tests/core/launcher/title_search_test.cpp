// The program search over a base folder's sub-folders.
#include "launcher/title_search.h"

#include "launcher/launcher_fixture.h"
#include "launcher/title_detail.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace zelkon {
namespace {

using test::MakePlainFile;
using test::MakeProgram;
using test::Titles;
using test::U;

TEST(TitleSearch, FindsProgramsByTheirCutLowerCasedName)
{
    test::TempDir base;
    MakeProgram(base.file("ABCDEF1.00/Prog1.EXE"));
    MakeProgram(base.file("ABCDEF2.00/zelkonxa"));            // without the ending
    MakeProgram(base.file("ABCDEF3.00/longprogramname.exe")); // the uncut name is no match
    MakeProgram(base.file("ABCDEF3.00/LongProg.exe"));
    MakePlainFile(base.file("ABCDEF4.00/plain.exe")); // not executable
    MakeProgram(base.file("nested.exe"));             // in the base folder itself
    MakeProgram(base.file("ABCDEF5.00/deeper/nested.exe"));
    MakeProgram(base.file(".hidden/hidden.exe"));
    std::vector<TitleEntry> titles = Titles({"一,PROG1,1,T",
                                             "二,zelkonxa,1,T",
                                             "三,LongProgramName,1,T",
                                             "四,plain,1,T",
                                             "五,nested,1,T",
                                             "六,hidden,1,T"});

    const std::string used = SearchTitles(titles, base.composed());
    EXPECT_EQ(used, base.composed());

    const struct
    {
        const char *folder;
        const char *file;
        const char *onDisk;
    } expected[] = {
        {"ABCDEF1.00", "prog1.exe", "Prog1.EXE"},
        {"ABCDEF2.00", "zelkonxa", "zelkonxa"},
        {"ABCDEF3.00", "longprog.exe", "LongProg.exe"},
        {"", "", ""},
        {"", "", ""},
        {"", "", ""},
    };
    for (std::size_t i = 0; i < titles.size(); ++i) {
        SCOPED_TRACE(U(titles[i].title));
        EXPECT_EQ(titles[i].foundFolder, expected[i].folder);
        EXPECT_EQ(titles[i].foundProgramFile, expected[i].file);
        EXPECT_EQ(titles[i].timesFound, *expected[i].folder ? 1 : 0);
        if (*expected[i].folder) {
            EXPECT_EQ(titles[i].foundFolderPath, base.file(expected[i].folder));
            EXPECT_EQ(titles[i].foundProgramPath,
                      base.file(std::string(expected[i].folder) + "/" + expected[i].onDisk));
        } else {
            EXPECT_FALSE(titles[i].found());
            EXPECT_EQ(titles[i].foundProgramPath, "");
        }
    }
}

TEST(TitleSearch, LastOfTwoFoldersIsKeptAndCountedTwice)
{
    test::TempDir base;
    MakeProgram(base.file("ZelkXB4.50/zelkonxb.exe"));
    MakeProgram(base.file("zelkxb4.60/zelkonxb")); // after ZelkXB4.50 ignoring case
    std::vector<TitleEntry> titles
        = Titles({"日本の歴史,zelkonxb,4.60,XB", "公民,zelkonxc,4.60,XC"});

    SearchTitles(titles, base.composed());
    EXPECT_EQ(titles[0].foundFolder, "zelkxb4.60");
    EXPECT_EQ(titles[0].timesFound, 2);
    EXPECT_EQ(DetailRowOf(titles[0])[5], "1");
    EXPECT_EQ(DetailRowOf(titles[0])[6], "zelkxb4.60");
    EXPECT_FALSE(titles[1].found());
}

TEST(TitleSearch, FirstTitleOfAProgramTakesIt)
{
    test::TempDir base;
    MakeProgram(base.file("A/prog.exe"));
    std::vector<TitleEntry> titles = Titles({"一,prog,1,T", "二,PROG,1,T"});
    SearchTitles(titles, base.composed());
    EXPECT_TRUE(titles[0].found());
    EXPECT_FALSE(titles[1].found());
}

TEST(TitleSearch, CountsAddUpUntilResetAndFindsAreReplaced)
{
    test::TempDir base;
    test::TempDir other;
    MakeProgram(base.file("A/prog.exe"));
    std::vector<TitleEntry> titles = Titles({"一,prog,1,T"});

    SearchTitles(titles, base.path());
    SearchTitles(titles, base.path() + "/");
    EXPECT_EQ(titles[0].timesFound, 2);

    // A folder without the program leaves the title not found; its count stays.
    SearchTitles(titles, other.composed());
    EXPECT_FALSE(titles[0].found());
    EXPECT_EQ(titles[0].foundProgramFile, "");
    EXPECT_EQ(titles[0].timesFound, 2);

    ResetTimesFound(titles);
    SearchTitles(titles, base.composed());
    EXPECT_EQ(titles[0].timesFound, 1);
}

TEST(TitleSearch, MissingBaseFolderFindsNothing)
{
    test::TempDir base;
    std::vector<TitleEntry> titles = Titles({"一,prog,1,T"});
    EXPECT_EQ(SearchTitles(titles, base.file("gone")), base.file("gone") + "/");
    EXPECT_FALSE(titles[0].found());
}

} // namespace
} // namespace zelkon
