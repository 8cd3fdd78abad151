// CP932 boundaries and conversion: second bytes that look like ASCII, half-width katakana,
// Windows' table, and input that is not valid.
#include "common/cp932.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

namespace zelkon {
namespace {

using test::J;

TEST(Cp932, CharactersStepOverSecondBytes)
{
    // 表 is 0x95 0x5C and ソ is 0x83 0x5C: their second byte is "\".
    const std::string text = J("地図表\\ｷｬﾝｾﾙ");
    const std::vector<std::string> chars = SplitCharacters(text);
    ASSERT_EQ(chars.size(), 9u);
    EXPECT_EQ(chars[2], J("表"));
    EXPECT_EQ(chars[3], "\\");
    EXPECT_EQ(chars[4], J("ｷ"));
    EXPECT_EQ(CharacterCount(text), 9u);
    EXPECT_EQ(FindCharacter(text, "\\"), 6u);
    EXPECT_EQ(FindLastCharacter(J("ソ\\表"), "\\"), 2u);
    EXPECT_EQ(FindCharacter(J("ソ表"), "\\"), std::string::npos);
    // 榎 is 0x89 0x7C: its second byte is "|".
    EXPECT_EQ(FindCharacter(J("榎|"), "|"), 2u);
}

TEST(Cp932, LeadByteAtTheEndIsOneCharacter)
{
    const std::string text = "a\x82";
    EXPECT_EQ(CharLengthAt(text, 1), 1u);
    EXPECT_EQ(SplitCharacters(text).size(), 2u);
}

TEST(Cp932, RoundTripsWindowsTable)
{
    struct Case
    {
        const char *utf8;
        const char *cp932;
    };
    const Case cases[] = {
        {"～", "\x81\x60"}, // FULLWIDTH TILDE is Windows' 0x8160
        {"〜", "\x81\x60"}, // WAVE DASH pasted from elsewhere maps to it too
        {"−", "\x81\x7C"},  // MINUS SIGN
        {"‖", "\x81\x61"},  // DOUBLE VERTICAL LINE
        {"①", "\x87\x40"},  // NEC row
        {"ｷｬﾝｾﾙ", "\xB7\xAC\xDD\xBE\xD9"},
        {"C:\\data", "C:\\data"}, // backslash stays a backslash, never ¥
        {"表", "\x95\x5C"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.utf8);
        const Cp932Conversion conv = ConvertUtf8ToCp932(c.utf8);
        ASSERT_TRUE(conv.ok);
        EXPECT_EQ(conv.bytes, c.cp932);
    }
    EXPECT_EQ(Cp932ToUtf8("\x81\x60"), "～");
    EXPECT_EQ(Cp932ToUtf8("\x95\x5C\\"), "表\\");
}

TEST(Cp932, RefusesWhatItCannotHoldAndNamesIt)
{
    const Cp932Conversion conv = ConvertUtf8ToCp932("ab𠮷c");
    EXPECT_FALSE(conv.ok);
    EXPECT_EQ(conv.badCharacter, "𠮷");
    EXPECT_EQ(conv.badOffset, 2u);
    EXPECT_TRUE(conv.bytes.empty());
    EXPECT_NE(RefusedCharacterMessageUtf8(conv.badCharacter).find("U+20BB7"), std::string::npos);
    EXPECT_THROW(Utf8ToCp932("한"), std::invalid_argument);
    EXPECT_FALSE(ConvertUtf8ToCp932("\xFF").ok);
}

TEST(Cp932, InvalidBytesBecomeReplacementCharacters)
{
    EXPECT_EQ(Cp932ToUtf8("a\x82"), "a\uFFFD"); // truncated at the end
    EXPECT_EQ(Cp932ToUtf8("\xFD"
                          "b"),
              "\uFFFD"
              "b"); // no such byte
    EXPECT_EQ(Cp932ToUtf8(std::string("\0x", 2)), std::string("\0x", 2));
}

} // namespace
} // namespace zelkon
