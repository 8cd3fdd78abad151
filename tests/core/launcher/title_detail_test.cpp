// The detail rows, the installed version of a folder name and the printout lines.
#include "launcher/title_detail.h"

#include "launcher/launcher_fixture.h"
#include "launcher/title_search.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace zelkon {
namespace {

using test::J;
using test::U;

TEST(TitleDetail, InstalledVersionFromTheFolderName)
{
    const struct
    {
        const char *folder;
        const char *version;
    } cases[] = {
        {"ABCDEF4.60", "4.60"},
        {"ABCDEF 2", ""},
        {"ABCDEF4.60 beta 2", "4.60"},
        {"ABCDEFv4.6a0", "4.60"},
        {"ABCDEF", ""},
        {"ABCDE", ""},
        {"", ""},
        {"地理版4.50", "4.50"}, // six bytes of two-byte characters, then the version
        {"ZelkXA4.50", "4.50"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.folder);
        EXPECT_EQ(InstalledVersion(J(c.folder)), c.version);
    }
}

TEST(TitleDetail, RowsOfFoundTwiceFoundAndMissingTitles)
{
    test::TempDir base;
    test::MakeProgram(base.file("ABCDEF4.60/prog1.exe"));
    test::MakeProgram(base.file("ABCDEF 2/prog2.exe"));
    test::MakeProgram(base.file("ZZZZZZ4.70/Prog2"));
    std::vector<TitleEntry> titles
        = test::Titles({"日本の地理,PROG1,4.60,A", "日本の歴史,prog2,4.80,B", "公民,prog3,1.00,C"});
    SearchTitles(titles, base.composed());

    const std::vector<DetailRow> rows = DetailRows(titles);
    const std::vector<std::vector<std::string>> expected = {
        {"単元名", "実行ファイル名", "Ver", "最新", "属性", "重複", "フォルダ名"},
        {"日本の地理", "prog1.exe", "4.60", "4.60", "", "0", "ABCDEF4.60"},
        {"日本の歴史", "prog2.exe", "4.70", "4.80", "", "1", "ZZZZZZ4.70"},
        {"公民", "prog3.exe", "", "1.00", "not installed", "", ""},
    };
    ASSERT_EQ(rows.size(), expected.size());
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < 7; ++c)
            EXPECT_EQ(U(rows[r][c]), expected[r][c]) << "row " << r << " column " << c;
    }
}

TEST(TitleDetail, PrintoutLinesPadInBytesAndNeverCut)
{
    std::vector<TitleEntry> titles = test::Titles(
        {"日本の地理,zelkonxa,4.60,A", "とても長い名前の単元名が三十バイトを超える,p,12.345,B"});
    titles[0].foundFolder = "ZelkXA4.50";
    titles[0].timesFound = 1;
    const std::vector<std::string> lines = PrintoutLines(DetailRows(titles));
    ASSERT_EQ(lines.size(), 3u);
    // "単元名" is 6 bytes, padded to 30; "実行ファイル名" 14, to 20; "最新" 4, to 5.
    EXPECT_EQ(lines[0],
              J("□　単元名") + std::string(24, ' ') + " " + J("実行ファイル名")
                  + std::string(6, ' ') + " Ver   / " + J("最新") + " ");
    EXPECT_EQ(lines[1],
              J("□　日本の地理") + std::string(20, ' ') + " zelkonxa.exe" + std::string(8, ' ')
                  + " 4.50  / 4.60 ");
    EXPECT_EQ(lines[2],
              J("□　とても長い名前の単元名が三十バイトを超える") + " p.exe" + std::string(15, ' ')
                  + "       / 12.345");
    EXPECT_EQ(U(lines[0]).substr(0, 6), "□　");
}

} // namespace
} // namespace zelkon
