// The block grammar: header search, known blocks, count rules and unclosed blocks.
#include "master/unit_scan.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

namespace zelkon {
namespace {

using test::J;
using test::U;
using Lines = std::vector<std::string>;
using Field = Lines UnitRecord::*;

Lines Concat(std::initializer_list<Lines> parts)
{
    Lines out;
    for (const Lines &p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

// "q1" … "qn".
Lines Numbered(int n)
{
    Lines out;
    for (int i = 1; i <= n; ++i)
        out.push_back("q" + std::to_string(i));
    return out;
}

Lines Block(const std::string &keyword, const Lines &content)
{
    return Concat({{keyword}, content, {">>"}});
}

const Lines kSevenValues = {"630", "False", "40", "5", "5", "1", "7"};
const Lines kSevenFonts = {"12", "MS 明朝", "False", "False", "False", "False", "0"};

const struct
{
    const char *name;
    Field field;
} kFields[] = {
    {"questionLines", &UnitRecord::questionLines},
    {"headerLines", &UnitRecord::headerLines},
    {"valueLines", &UnitRecord::valueLines},
    {"fontLines", &UnitRecord::fontLines},
    {"kranLines", &UnitRecord::kranLines},
    {"graphLines", &UnitRecord::graphLines},
    {"answerGraphLines", &UnitRecord::answerGraphLines},
    {"kgroupLines", &UnitRecord::kgroupLines},
    {"softkeyLines", &UnitRecord::softkeyLines},
};

struct ScanCase
{
    const char *name;
    Lines lines; // UTF-8
    ScanResult result = ScanResult::Read;
    std::vector<std::pair<Field, Lines>> lists = {}; // lists not named here must stay empty
    std::string message = {};                        // UTF-8; empty for none
    int messageLine = 0;
    std::string header = "[[unit1";
};

const ScanCase kCases[] = {
    {.name = "header as the last line is an empty unit", .lines = {"free", "[[unit1"}},
    {.name = "every known block fills its list",
     .lines = Concat({{"[[unit1"},
                      Block("<<ques", {"例　日本の首都は　#　東京　#　です", "", "地図表"}),
                      Block("<<header", {"h"}),
                      Block("<<value", kSevenValues),
                      Block("<<font", kSevenFonts),
                      Block("<<kran", {"5", "15"}),
                      Block("<<graph", {"g"}),
                      Block("<<AGraph", {"a"}),
                      Block("<<kgroup", {"k"}),
                      Block("<<softkey", {"s"}),
                      {"]]"}}),
     .lists = {{&UnitRecord::questionLines, {"例　日本の首都は　#　東京　#　です", "", "地図表"}},
               {&UnitRecord::headerLines, {"h"}},
               {&UnitRecord::valueLines, kSevenValues},
               {&UnitRecord::fontLines, kSevenFonts},
               {&UnitRecord::kranLines, {"5", "15", "0", "0", "0", "0", "0", "0", "0", "0"}},
               {&UnitRecord::graphLines, {"g"}},
               {&UnitRecord::answerGraphLines, {"a"}},
               {&UnitRecord::kgroupLines, {"k"}},
               {&UnitRecord::softkeyLines, {"s"}}}},
    {.name = "lines outside the unit are never looked at",
     .lines = Concat({Block("<<ques", {"before"}),
                      {"[[unit1"},
                      Block("<<ques", {"a"}),
                      {"]]"},
                      Block("<<ques", {"after"}),
                      Block("<<value", {"broken"})}),
     .lists = {{&UnitRecord::questionLines, {"a"}}}},
    {.name = "the first of two equal headers is read",
     .lines = Concat(
         {{"[[unit1"}, Block("<<ques", {"first"}), {"]]", "[[unit1"}, Block("<<ques", {"second"})}),
     .lists = {{&UnitRecord::questionLines, {"first"}}}},
    {.name = "unit 3 is neither unit 30, 3R1 nor a line merely holding the header",
     .lines = {"[[unit30", "]]", "[[unit3R1", "]]", " [[unit3", "[[unit3 ", "x[[unit3"},
     .result = ScanResult::HeaderNotFound,
     .header = "[[unit3"},
    {.name = "a header followed by a lone CR and more text is no header",
     .lines = Concat({{"[[unit1\rjunk", "[[unit1"}, Block("<<ques", {"a"})}),
     .lists = {{&UnitRecord::questionLines, {"a"}}}},
    {.name = "a similar problem is found by its own header",
     .lines
     = Concat({{"[[unit3"}, Block("<<ques", {"u3"}), {"]]", "[[unit3R1"}, Block("<<ques", {"r1"})}),
     .lists = {{&UnitRecord::questionLines, {"r1"}}},
     .header = "[[unit3R1"},
    {.name = "kran closed at once is ten zeros",
     .lines = Concat({{"[[unit1"}, Block("<<kran", {})}),
     .lists = {{&UnitRecord::kranLines, Lines(10, "0")}}},
    {.name = "kran of ten lines is kept",
     .lines = Concat({{"[[unit1"}, Block("<<kran", Numbered(10))}),
     .lists = {{&UnitRecord::kranLines, Numbered(10)}}},
    {.name = "kran of eleven lines",
     .lines = Concat({{"[[unit1"}, Block("<<kran", Numbered(11))}),
     .result = ScanResult::Refused,
     .message = "<<kran block error",
     .messageLine = 2},
    {.name = "value of six lines",
     .lines = Concat({{"[[unit1"}, Block("<<value", Numbered(6))}),
     .result = ScanResult::Refused,
     .message = "<<value block error",
     .messageLine = 2},
    {.name = "value of eight lines",
     .lines = Concat({{"[[unit1", ""}, Block("<<value", Numbered(8))}),
     .result = ScanResult::Refused,
     .message = "<<value block error",
     .messageLine = 3},
    {.name = "a second value block makes the list too long",
     .lines = Concat({{"[[unit1"}, Block("<<value", kSevenValues), Block("<<value", kSevenValues)}),
     .result = ScanResult::Refused,
     .message = "<<value block error",
     .messageLine = 11},
    {.name = "font of six lines",
     .lines = Concat({{"[[unit1"}, Block("<<font", Numbered(6))}),
     .result = ScanResult::Refused,
     .message = "<<font block error",
     .messageLine = 2},
    {.name = "sixty question lines",
     .lines = Concat({{"[[unit1"}, Block("<<ques", Numbered(60))}),
     .lists = {{&UnitRecord::questionLines, Numbered(60)}}},
    {.name = "sixty-one question lines over two blocks",
     .lines = Concat({{"[[unit1"}, Block("<<ques", Numbered(60)), Block("<<ques", {"more"})}),
     .result = ScanResult::Refused,
     .message = "問題の行は６０行以下です",
     .messageLine = 64},
    {.name = "a brace group after the keyword is skipped",
     .lines = Concat({{"[[unit1"}, Block("<<ques", {"{", "x", "y", "}", "a", "b", "c"})}),
     .lists = {{&UnitRecord::questionLines, {"a", "b", "c"}}}},
    {.name = "braces later in the block are content",
     .lines = Concat({{"[[unit1"}, Block("<<ques", {"a", "{", "}"})}),
     .lists = {{&UnitRecord::questionLines, {"a", "{", "}"}}}},
    {.name = "a >> inside the brace group does not end the block",
     .lines = Concat({{"[[unit1"}, Block("<<ques", {"{", ">>", "}", "a"})}),
     .lists = {{&UnitRecord::questionLines, {"a"}}}},
    {.name = "a brace group never closed",
     .lines = {"[[unit1", "<<ques", "{", "x", ">>"},
     .result = ScanResult::Refused,
     .message = "<<ques ブロックの {（3行目）が } で閉じられていません",
     .messageLine = 3},
    {.name = "keywords in other case or with a trailing blank are free text",
     .lines = Concat(
         {{"[[unit1"}, Block("<<Ques", {"x"}), Block("<<ques ", {"y"}), Block("<<VALUE", {"z"})})},
    {.name = "a ]] inside an unknown block ends the unit",
     .lines = Concat({{"[[unit1"}, Block("<<hint", {"]]", "<<ques", "x", ">>"})})},
    {.name = "a known keyword inside an unknown block starts that block",
     .lines = Concat({{"[[unit1"}, Block("<<dummy", {"<<graph", "g", ">>", "free"})}),
     .lists = {{&UnitRecord::graphLines, {"g"}}}},
    {.name = "the answer block is skipped whole, keywords and ]] included",
     .lines = Concat({{"[[unit1"}, Block("<<ans", {"<<ques", "]]"}), Block("<<ques", {"q"})}),
     .lists = {{&UnitRecord::questionLines, {"q"}}}},
    {.name = "repeated blocks append",
     .lines = Concat({{"[[unit1"},
                      Block("<<ques", {"a"}),
                      Block("<<graph", {"g1"}),
                      Block("<<ques", {"b"}),
                      Block("<<graph", {"g2"})}),
     .lists = {{&UnitRecord::questionLines, {"a", "b"}}, {&UnitRecord::graphLines, {"g1", "g2"}}}},
    {.name = "a block never closed",
     .lines = {"[[unit1", "<<graph", "g"},
     .result = ScanResult::Refused,
     .message = "<<graph ブロック（2行目）が >> で閉じられていません",
     .messageLine = 2},
    {.name = "a question block never closed",
     .lines = {"x", "[[unit1", "", "<<ques", "q", "]]"},
     .result = ScanResult::Refused,
     .message = "<<ques ブロック（4行目）が >> で閉じられていません",
     .messageLine = 4},
    {.name = "an answer block never closed",
     .lines = {"[[unit1", "<<ans"},
     .result = ScanResult::Refused,
     .message = "<<ans ブロック（2行目）が >> で閉じられていません",
     .messageLine = 2},
    {.name = "a question line of 4,096 bytes",
     .lines = Concat({{"[[unit1"}, Block("<<ques", {std::string(4096, 'q')})}),
     .lists = {{&UnitRecord::questionLines, {std::string(4096, 'q')}}}},
    {.name = "a question line of 4,097 bytes",
     .lines = Concat({{"[[unit1"}, Block("<<ques", {"a", std::string(4097, 'q')})}),
     .result = ScanResult::Refused,
     .message = "4行目が長すぎます（1行4096バイトまで）",
     .messageLine = 4},
    {.name = "a long value line",
     .lines = Concat({{"[[unit1"},
                      Block("<<value", {std::string(1000000, '6'), "F", "4", "5", "5", "1", "7"})}),
     .result = ScanResult::Refused,
     .message = "3行目が長すぎます（1行4096バイトまで）",
     .messageLine = 3},
    {.name = "a long line of a block the reader passes over",
     .lines = Concat({{"[[unit1"}, Block("<<hint", {std::string(5000, 'h')})}),
     .result = ScanResult::Refused,
     .message = "3行目が長すぎます（1行4096バイトまで）",
     .messageLine = 3},
    {.name = "long lines outside the unit are never looked at",
     .lines = Concat({{std::string(5000, 'x'), "[[unit1"},
                      Block("<<kgroup", {"k"}),
                      {"]]", std::string(5000, 'y')}}),
     .lists = {{&UnitRecord::kgroupLines, {"k"}}}},
    {.name = "a unit of 10,000 lines with its ]]",
     .lines = Concat({{"[[unit1"}, Block("<<kgroup", Numbered(9996)), {"]]"}}),
     .lists = {{&UnitRecord::kgroupLines, Numbered(9996)}}},
    {.name = "a unit of 10,001 lines",
     .lines = Concat({{"", "[[unit1"}, Block("<<kgroup", Numbered(9997)), {"]]"}}),
     .result = ScanResult::Refused,
     .message = "単元の行が多すぎます（10000行まで）",
     .messageLine = 2},
};

// The lines joined as a file would hold them.
std::string Text(const Lines &utf8Lines, std::string_view eol, bool finalEol)
{
    std::string bytes;
    for (std::size_t i = 0; i < utf8Lines.size(); ++i) {
        bytes += J(utf8Lines[i]);
        if (finalEol || i + 1 < utf8Lines.size())
            bytes += eol;
    }
    return bytes;
}

TEST(UnitScan, ReadsBlocksByTheirRules)
{
    const struct
    {
        const char *name;
        std::string_view eol;
        bool finalEol;
    } endings[] = {{"CR LF", "\r\n", true}, {"LF", "\n", true}, {"no final CR LF", "\r\n", false}};

    for (const ScanCase &c : kCases) {
        for (const auto &ending : endings) {
            SCOPED_TRACE(std::string(c.name) + ", " + ending.name);
            UnitRecord record;
            Messages messages;
            const UnitScan scan = ScanUnit(
                Text(c.lines, ending.eol, ending.finalEol), J(c.header), record, messages);
            EXPECT_EQ(scan.result, c.result);
            if (c.message.empty()) {
                EXPECT_TRUE(messages.empty());
            } else {
                EXPECT_EQ(messages.size(), 1u);
                if (!messages.empty()) {
                    EXPECT_EQ(U(messages[0].text), c.message);
                    EXPECT_EQ(messages[0].line, c.messageLine);
                }
            }
            if (c.result != ScanResult::Read)
                continue;
            for (const auto &f : kFields) {
                Lines expected;
                for (const auto &[field, lines] : c.lists) {
                    if (field == f.field)
                        expected = test::JLines(lines);
                }
                EXPECT_EQ(record.*f.field, expected) << f.name;
            }
        }
    }
}

} // namespace
} // namespace zelkon
