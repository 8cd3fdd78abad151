// Profile text semantics: names, trimming, quotes, comments, duplicates, placement of writes.
#include "records/profile_snapshot.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

namespace zelkon {
namespace {

using test::J;

TEST(ProfileSnapshot, ReadsAsTheProfileFunctionsDo)
{
    const ProfileSnapshot p(J("; a comment line\r\n"
                              "top=outside any section\r\n"
                              "[Main]\r\n"
                              "plain=value\r\n"
                              "  spaced \t=\t  padded value \t\r\n"
                              "quoted=\"  kept  \"\r\n"
                              "single='x'\r\n"
                              "unmatched=\"open\r\n"
                              "inner=a\"b\"\r\n"
                              "twice=first\r\n"
                              "TWICE=second\r\n"
                              "#hash=not a comment\r\n"
                              ";semi=a comment\r\n"
                              "  ;indented=a comment too\r\n"
                              "no equals sign\r\n"
                              "empty=\r\n"
                              "eq=a=b\r\n"
                              "[main]\r\n"
                              "plain=from the duplicate section\r\n"
                              "only=in the duplicate\r\n"
                              "[ 表示 ]\r\n"
                              "k=表\r\n"));
    const struct
    {
        const char *section;
        const char *key;
        const char *expected;
    } cases[] = {
        {"Main", "plain", "value"},
        {"MAIN", "PLAIN", "value"},
        {"Main", "spaced", "padded value"},
        {"Main", " spaced ", "padded value"},
        {"Main", "quoted", "  kept  "},
        {"Main", "single", "x"},
        {"Main", "unmatched", "\"open"},
        {"Main", "inner", "a\"b\""},
        {"Main", "twice", "first"},
        {"Main", "#hash", "not a comment"},
        {"Main", ";semi", "<none>"},
        {"Main", "no equals sign", "<none>"},
        {"Main", "empty", ""},
        {"Main", "eq", "a=b"},
        {"Main", "only", "<none>"},
        {"Main", "top", "<none>"},
        {"Missing", "plain", "<none>"},
        {"表示", "k", "表"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(test::U(p.read(J(c.section), J(c.key), "<none>")), c.expected)
            << c.section << "/" << c.key;

    EXPECT_EQ(p.keys("main"),
              (std::vector<std::string>{"plain",
                                        "spaced",
                                        "quoted",
                                        "single",
                                        "unmatched",
                                        "inner",
                                        "twice",
                                        "TWICE",
                                        "#hash",
                                        "empty",
                                        "eq"}));
    EXPECT_EQ(p.keyCount("MAIN"), 11);
    EXPECT_TRUE(p.hasKey("Main", "Twice"));
    EXPECT_FALSE(p.hasKey("Main", ";semi"));
}

TEST(ProfileSnapshot, LineEndsAndHeaderForms)
{
    // LF-only files, a last line without line end, a "]" that is the second byte of ゾ, and
    // a header with text after its bracket.
    const ProfileSnapshot p(
        J("[A]\nx=1\n[ゾ\ny=2\n[ゾ] trailing\nz=3\n[Sア]\nk=upper\n[Sヂ]\nk=lower"));
    EXPECT_EQ(p.read("a", "x", "-"), "1");
    EXPECT_EQ(p.read("A", "y", "-"), "2") << "\"[ゾ\" has no closing bracket: it is no header";
    EXPECT_EQ(p.read(J("ゾ"), "z", "-"), "3");
    // ア and ヂ differ only in a second byte that looks like "A"/"a": they must stay apart.
    EXPECT_EQ(p.read(J("sア"), "k", "-"), "upper");
    EXPECT_EQ(p.read(J("Sヂ"), "k", "-"), "lower");
}

TEST(ProfileSnapshot, ValuesAreCutAt1023BytesOnCharacterBoundaries)
{
    const std::string ascii(1500, 'a');
    // 1,022 single bytes then a two-byte character across the limit.
    const std::string straddling = std::string(1022, 'b') + J("表表");
    const ProfileSnapshot p("[S]\r\na=" + ascii + "\r\nb=" + straddling + "\r\n");
    EXPECT_EQ(p.read("S", "a", ""), std::string(1023, 'a'));
    EXPECT_EQ(p.read("S", "b", ""), std::string(1022, 'b'));
    EXPECT_EQ(ProfileValue("\"" + std::string(1023, 'c') + "\""), std::string(1023, 'c'));
}

TEST(ProfileSnapshot, CountsEveryKeyOfALargeSection)
{
    // Far more keys than a key list of 8,192 bytes could hold.
    std::string bytes = "[S11Unit]\r\n";
    for (int k = 1; k <= 2500; ++k)
        bytes += std::to_string(k) + "=record " + std::to_string(k) + "\r\n";
    const ProfileSnapshot p(bytes);
    EXPECT_EQ(p.keyCount("s11unit"), 2500);
    EXPECT_EQ(p.keys("S11Unit").size(), 2500u);
    EXPECT_EQ(p.read("S11Unit", "2500", ""), "record 2500");
}

TEST(ProfileSnapshot, WritesPlaceKeysAndSections)
{
    const struct
    {
        const char *name;
        std::string before;
        const char *section;
        const char *key;
        const char *value;
        std::string after;
    } cases[] = {
        {"new file", "", "S", "key", "value", "[S]\r\nkey=value\r\n"},
        {"new key after the last key, not after trailing blanks and comments",
         "[A]\r\nx=1\r\n\r\n; note\r\n[B]\r\ny=2\r\n",
         "a",
         "z",
         "3",
         "[A]\r\nx=1\r\nz=3\r\n\r\n; note\r\n[B]\r\ny=2\r\n"},
        {"new key in a section without keys",
         "[A]\r\n; note\r\n[B]\r\n",
         "A",
         "k",
         "v",
         "[A]\r\nk=v\r\n; note\r\n[B]\r\n"},
        {"existing key keeps its spelling and place",
         "[Main]\r\n  Key = old \r\nother=1\r\n",
         "MAIN",
         "KEY",
         "new",
         "[Main]\r\nKey=new\r\nother=1\r\n"},
        {"first of duplicate keys is the one written",
         "[A]\r\nk=1\r\nk=2\r\n",
         "A",
         "k",
         "3",
         "[A]\r\nk=3\r\nk=2\r\n"},
        {"new section at the end, a missing last line end supplied",
         "; top\r\n[A]\r\nx=1",
         "B",
         "y",
         "2",
         "; top\r\n[A]\r\nx=1\r\n[B]\r\ny=2\r\n"},
        {"LF file comes back with CR LF", "[A]\nx=1\n", "A", "y", "2", "[A]\r\nx=1\r\ny=2\r\n"},
        {"header as the last line without line end", "[A]", "A", "k", "v", "[A]\r\nk=v\r\n"},
        {"a key on a last line ending in a bare CR is replaced with its CR",
         "[A]\r\nk=old\r",
         "A",
         "k",
         "new",
         "[A]\r\nk=new\r\n"},
        {"a bare CR inside a key line goes with the line",
         "[A]\r\nk=a\rb\r\nz=1\r\n",
         "A",
         "k",
         "c",
         "[A]\r\nk=c\r\nz=1\r\n"},
        {"value that would be trimmed is quoted",
         "",
         "S",
         "pw",
         " secret ",
         "[S]\r\npw=\" secret \"\r\n"},
        {"value in quotes keeps them", "", "S", "pw", "'ab'", "[S]\r\npw=\"'ab'\"\r\n"},
    };
    for (const auto &c : cases) {
        const std::string after = ProfileSnapshot(c.before).withValue(c.section, c.key, c.value);
        EXPECT_EQ(after, c.after) << c.name;
        EXPECT_EQ(ProfileSnapshot(after).read(c.section, c.key, "<none>"), c.value) << c.name;
    }
}

TEST(ProfileSnapshot, ErasesEverySectionOfTheName)
{
    const std::string before = "; head\r\n[A]\r\nx=1\r\n\r\n; about B\r\n[B]\r\ny=2\r\n; in B\r\n"
                               "[C]\r\nz=3\r\n[b]\r\ny=again\r\n";
    const ProfileSnapshot p(before);
    EXPECT_EQ(p.withoutSection("b"), "; head\r\n[A]\r\nx=1\r\n\r\n; about B\r\n[C]\r\nz=3\r\n");
    EXPECT_EQ(p.withoutSection("missing"), before);
    EXPECT_EQ(ProfileSnapshot(p.withoutSection("B")).keyCount("B"), 0);
}

} // namespace
} // namespace zelkon
