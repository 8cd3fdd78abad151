// Reading the title index: caption, last-update text, title lines, bad lines and the limit.
#include "launcher/title_index.h"

#include "common/line_file.h"
#include "support/test_support.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace zelkon {
namespace {

using test::J;
using test::JLines;
using test::U;

TEST(TitleIndex, ReadsCaptionUpdateAndTitles)
{
    test::TempDir dir;
    test::WriteCp932File(dir.file("ZKLindex.txt"),
                         {"Zelkon++ 社会 シリーズ",
                          "2005.11.15 更新",
                          "日本の地理,ZelkonXA,4.60,XA",
                          "日本の歴史,zelkonxb,4.60,"});
    const TitleIndexReading reading = ReadTitleIndex(dir.composed());
    ASSERT_TRUE(reading.ok);
    EXPECT_TRUE(reading.messages.empty());
    EXPECT_EQ(U(reading.index.caption), "Zelkon++ 社会 シリーズ");
    EXPECT_EQ(U(reading.index.lastUpdate), "2005.11.15 更新");
    ASSERT_EQ(reading.index.titles.size(), 2u);
    const TitleEntry &first = reading.index.titles[0];
    EXPECT_EQ(U(first.title), "日本の地理");
    EXPECT_EQ(first.programName, "zelkonxa");
    EXPECT_EQ(first.newestVersion, "4.60");
    EXPECT_EQ(first.tag, "XA");
    EXPECT_FALSE(first.found());
    EXPECT_EQ(first.timesFound, 0);
    EXPECT_EQ(reading.index.titles[1].tag, "");
}

TEST(TitleIndex, FileNameCaseDoesNotMatter)
{
    test::TempDir dir;
    test::WriteCp932File(dir.file("zklindex.TXT"), {"c", "u", "a,b,c,d"});
    EXPECT_EQ(ReadTitleIndex(dir.composed()).index.titles.size(), 1u);
}

TEST(TitleIndex, LinesWithoutFourFieldsAreReportedAndSkipped)
{
    const TitleIndexReading reading = ParseTitleIndex(
        JLines({"c", "u", "a,b,c", "t1,p1,1.0,T", "a,b,c,d,e", "", "t2,p2,2.0,T"}));
    ASSERT_TRUE(reading.ok);
    ASSERT_EQ(reading.index.titles.size(), 2u);
    EXPECT_EQ(reading.index.titles[1].title, "t2");
    const std::vector<std::pair<std::string, int>> expected
        = {{"a,b,c DATAが不正です", 3}, {"a,b,c,d,e DATAが不正です", 5}, {" DATAが不正です", 6}};
    ASSERT_EQ(reading.messages.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(U(reading.messages[i].text), expected[i].first);
        EXPECT_EQ(reading.messages[i].line, expected[i].second);
    }
}

TEST(TitleIndex, ProgramNameIsEightBytesLowerCased)
{
    const struct
    {
        const char *field;
        const char *name;
    } cases[] = {
        {"PROG1", "prog1"},
        {"ZelkonXA", "zelkonxa"},
        {"LongProgramName", "longprog"},
        {"", ""},
        {"abcdefgあ", "abcdefg"}, // the cut would halve あ: it is left out
        {"abcdefあ", "abcdefあ"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.field);
        EXPECT_EQ(ProgramNameOf(J(c.field)), J(c.name));
    }
}

TEST(TitleIndex, KeepsFiftyTitlesAndNamesTheFirstLeftOut)
{
    std::vector<std::string> lines = {"c", "u"};
    for (int n = 1; n <= 52; ++n)
        lines.push_back("t" + std::to_string(n) + ",p,1,T");
    const TitleIndexReading reading = ParseTitleIndex(lines);
    ASSERT_TRUE(reading.ok);
    ASSERT_EQ(reading.index.titles.size(), kMaxTitles);
    EXPECT_EQ(reading.index.titles.back().title, "t50");
    ASSERT_EQ(reading.messages.size(), 1u);
    EXPECT_EQ(U(reading.messages[0].text),
              "タイトルは50件までです。「t51,p,1,T」から後は読み込みません");
    EXPECT_EQ(reading.messages[0].line, 53);
}

TEST(TitleIndex, MissingOrShortFileGivesNoTitles)
{
    test::TempDir dir;
    const TitleIndexReading missing = ReadTitleIndex(dir.composed());
    EXPECT_FALSE(missing.ok);
    ASSERT_EQ(missing.messages.size(), 1u);
    EXPECT_NE(U(missing.messages[0].text).find("を読み込めません"), std::string::npos);

    test::WriteCp932File(dir.file("ZKLindex.txt"), {"見出しだけ"});
    const TitleIndexReading shortFile = ReadTitleIndex(dir.composed());
    EXPECT_FALSE(shortFile.ok);
    EXPECT_TRUE(shortFile.index.titles.empty());
    EXPECT_EQ(U(shortFile.index.caption), "見出しだけ");
    ASSERT_EQ(shortFile.messages.size(), 1u);
    EXPECT_EQ(U(shortFile.messages[0].text),
              "タイトル一覧に行が足りません。1行目に見出し、2行目に更新の記録が要ります");

    EXPECT_FALSE(ParseTitleIndex({}).ok);
}

TEST(TitleIndex, FilesTooLargeToShowGiveNoTitles)
{
    test::TempDir dir;
    const std::string path = dir.file("ZKLindex.txt");
    test::WriteBytes(path, "c\r\nu\r\n" + std::string(4090, 't') + ",p,1,T\r\n");
    EXPECT_TRUE(ReadTitleIndex(dir.composed()).ok);

    test::WriteBytes(path, "c\r\nu\r\n" + std::string(1000000, 't') + ",p,1,T\r\n");
    const TitleIndexReading longLine = ReadTitleIndex(dir.composed());
    EXPECT_FALSE(longLine.ok);
    EXPECT_TRUE(longLine.index.titles.empty());
    ASSERT_EQ(longLine.messages.size(), 1u);
    EXPECT_EQ(U(longLine.messages[0].text),
              "ファイル " + dir.path() + "\\ZKLindex.txt の3行目が長すぎます（1行4096バイトまで）");
    EXPECT_EQ(longLine.messages[0].line, 3);

    std::filesystem::resize_file(path, kMaxFileBytes + 1);
    const TitleIndexReading large = ReadTitleIndex(dir.composed());
    EXPECT_FALSE(large.ok);
    ASSERT_EQ(large.messages.size(), 1u);
    EXPECT_EQ(U(large.messages[0].text), "ファイル " + path + " は大きすぎます（32MBまで）");
}

} // namespace
} // namespace zelkon
