// Text operations on CP932 byte strings.
#include "common/format.h"
#include "common/sjis_text.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

namespace zelkon {
namespace {

using test::J;

TEST(SjisText, SplitAtHashAndAlternatives)
{
    EXPECT_EQ(SplitAtHash(J("例　日本の首都は　#　東京　#　です")),
              (std::vector<std::string>{J("例　日本の首都は　"), J("　東京　"), J("　です")}));
    EXPECT_EQ(SplitAtHash("").size(), 1u);
    EXPECT_EQ(SplitAtHash("##").size(), 3u);
    EXPECT_EQ(SplitAlternatives(J("東京;とうきょう")),
              (std::vector<std::string>{J("東京"), J("とうきょう")}));
    EXPECT_EQ(SplitAlternatives(""), std::vector<std::string>{""});
}

TEST(SjisText, TrimAnswer)
{
    const struct
    {
        const char *in;
        const char *out;
    } cases[] = {
        {"  東京\t", "東京"},
        {"　東京　　", "東京"},
        {" 　東京　 ", "東京"}, // ASCII first, then full-width: the outer blank shields nothing
        {"　 東京", " 東京"},   // a half-width blank inside the full-width ones stays
        {"東　京", "東　京"},
        {"", ""},
        {"　　", ""},
        {"ａ@", "ａ@"}, // 0x82 0x81 0x40: the last two bytes look like "　" but are not one
        {"メ@　", "メ@"},
        {"ｱ　　　　　　　　", "ｱ"}, // a long run after a one-byte character goes whole
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(TrimAnswer(J(c.in)), J(c.out));
    }
}

TEST(SjisText, PadToWidth)
{
    const std::string fifteen = J("　　　　　　　　　　　　　　　");
    EXPECT_EQ(PadToWidth("", 100), fifteen);
    EXPECT_EQ(PadToWidth("", 6), J("　　　"));
    EXPECT_EQ(PadToWidth(J("東京"), 8), J("　東京　"));
    // Bytes, as the layout counts; a halved full-width blank becomes a half-width one.
    EXPECT_EQ(PadToWidth(J("東京"), 7), J("　東京") + " ");
    EXPECT_EQ(PadToWidth(J("とうきょう"), 15), J("　とうきょう　") + " ");
    EXPECT_EQ(PadToWidth("ab", 100), J("　") + "ab" + fifteen);
    EXPECT_EQ(PadToWidth(J("東京都"), 6), J("東京都"));
    EXPECT_EQ(PadToWidth(J("東京都"), 4), J("東京都"));
}

TEST(SjisText, FileExtensionComesFromTheFileName)
{
    const struct
    {
        const char *path;
        const char *ext;
    } cases[] = {
        {"unit.PRP", ".prp"},
        {"/home/jane.doe/unit", ""},
        {"/home/jane.doe/unit.prp", ".prp"},
        {"C:\\Data.Old\\A.B.prp", ".b.p"},
        {"名前.ＰＲＰ", ".ＰＲＰ"},
        {"地図表\\sheet.txt", ".txt"}, // 表 ends in 0x5C and is not a separator
        {"noext", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(FileExtension(J(c.path)), J(c.ext));
    }
    EXPECT_EQ(FileNameOf(J("地図表")), J("地図表"));
}

TEST(SjisText, FullWidthDigits)
{
    EXPECT_EQ(ToFullWidthDigits("12"), J("１２"));
    EXPECT_EQ(ToFullWidthDigits("ab"), "");
    EXPECT_EQ(ToFullWidthDigits("a1b2"), J("１２"));
    EXPECT_EQ(ToFullWidthDigits(J("東1")), J("東1"));
}

TEST(SjisText, AsciiCaseFoldingLeavesSecondBytesAlone)
{
    // ア is 0x83 0x41: the "A" is a second byte and must not become "a".
    EXPECT_EQ(AsciiLower(J("アBC")), J("アbc"));
    EXPECT_TRUE(EqualsIgnoringAsciiCase("Password", "PASSWORD"));
    EXPECT_FALSE(EqualsIgnoringAsciiCase(J("ア"), "\x83\x61"));
}

TEST(Format, NumbersTimesAndDates)
{
    EXPECT_EQ(TwoDigits(3), "03");
    EXPECT_EQ(TwoDigits(10), "10");
    EXPECT_EQ(TwoDigits(125), "125");
    EXPECT_EQ(TimeOfDay(9, 5), "09:05");
    EXPECT_EQ(KanjiDate(2005, 3, 7), J("2005年03月07日"));
    EXPECT_EQ(DottedDate(2005, 10, 5), "2005.10.05");
}

} // namespace
} // namespace zelkon
