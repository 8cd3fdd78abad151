// readUnit: modes, clearing, captions, reader state, file failures and hostile input.
#include "master/unit_reader.h"

#include "common/line_file.h"
#include "common/path.h"
#include "master/unit_locator.h"
#include "support/test_support.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <random>

namespace zelkon {
namespace {

using test::J;
using test::U;
using Lines = std::vector<std::string>;

const Lines kMaster = {
    "master file of section 2",
    "[[unit1",
    "<<ques",
    "unit one",
    ">>",
    "]]",
    "[[unit3",
    "<<header",
    "ignored header",
    ">>",
    "<<ques",
    "例　日本の首都は　#　東京　#　です",
    "二行目",
    ">>",
    "<<value",
    "630",
    "False",
    "40",
    "5",
    "5",
    "1",
    "7",
    ">>",
    "<<graph",
    "g3",
    ">>",
    "]]",
    "[[unit5",
    "<<ques",
    "unit five",
    ">>",
    "<<graph",
    "g5",
    ">>",
    "<<kgroup",
    "k5",
    ">>",
    "]]",
};

// The file's lines ended by `eol`, written as CP932.
std::string Bytes(const Lines &utf8Lines, std::string_view eol = "\r\n")
{
    std::string bytes;
    for (const std::string &l : utf8Lines)
        bytes += J(l) + std::string(eol);
    return bytes;
}

// A record as a previous read or the worksheet may have left it.
UnitRecord Filled()
{
    UnitRecord r;
    for (Lines *l : {&r.questionLines,
                     &r.headerLines,
                     &r.valueLines,
                     &r.fontLines,
                     &r.kranLines,
                     &r.graphLines,
                     &r.answerGraphLines,
                     &r.kgroupLines,
                     &r.softkeyLines})
        *l = {"old1", "old2"};
    r.unitCaption = "old caption";
    r.schoolLine = "old school";
    r.nameLine = "old name";
    return r;
}

// The worksheet of a unit opened from its master file.
ActiveSheetCaptions FromMaster(std::int32_t section, std::int32_t unit)
{
    ActiveSheetCaptions sheet;
    sheet.openedFromMaster = true;
    sheet.section = section;
    sheet.unit = unit;
    return sheet;
}

ReadContext Chosen(ActiveSheetCaptions *sheet = nullptr)
{
    return {J("地理"), J("世界の国々"), J("アジア"), sheet};
}

TEST(UnitReader, MasterModeRefillsTheRecordFromCrLfAndLfFiles)
{
    for (std::string_view eol : {"\r\n", "\n"}) {
        SCOPED_TRACE(eol.size() == 2 ? "CR LF" : "LF");
        test::TempDir dir;
        test::WriteBytes(dir.file("geo2.que"), Bytes(kMaster, eol));
        ReaderState state{7, false};
        ActiveSheetCaptions other;
        other.lastCaption = "stale";
        const ReadContext context = Chosen(&other);
        UnitRecord record = Filled();
        Messages messages;

        ASSERT_TRUE(readUnit(dir.composed() + "geo2.que",
                             "[[unit3",
                             3,
                             2,
                             ReadMode::Master,
                             context,
                             state,
                             record,
                             messages));
        EXPECT_TRUE(messages.empty());
        EXPECT_EQ(record.priorGraphCount, 2);
        EXPECT_EQ(record.questionLines,
                  test::JLines({"例　日本の首都は　#　東京　#　です", "二行目"}));
        EXPECT_EQ(record.headerLines, Lines{"ignored header"});
        EXPECT_EQ(record.valueLines, (Lines{"630", "False", "40", "5", "5", "1", "7"}));
        EXPECT_EQ(record.graphLines, Lines{"g3"});
        for (const Lines *cleared : {&record.fontLines,
                                     &record.kranLines,
                                     &record.answerGraphLines,
                                     &record.kgroupLines,
                                     &record.softkeyLines})
            EXPECT_TRUE(cleared->empty());
        EXPECT_EQ(U(record.unitCaption), "地理//世界の国々§2-3 アジア");
        EXPECT_EQ(U(record.schoolLine), "中学校");
        EXPECT_EQ(U(record.nameLine), "　年　組　番　氏名");
        EXPECT_EQ(state.lastSectionRead, 2);
        EXPECT_TRUE(state.captionRestart);
        EXPECT_EQ(other.lastCaption, record.unitCaption);
    }
}

TEST(UnitReader, CopyModeTakesTheCaptionsFromThreeHeaderLines)
{
    const std::string shortHeader = "コピーファイルの <<header ブロックには3行が必要です";
    const struct
    {
        const char *name;
        Lines header;
        bool ok;
    } cases[] = {
        {"three lines", {"題", "学校", "氏名"}, true},
        {"four lines", {"題", "学校", "氏名", "余り"}, true},
        {"two lines", {"題", "学校"}, false},
        {"no header block", {}, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Lines lines = {"[[unitX", "<<ques", "q", ">>"};
        if (!c.header.empty()) {
            lines.push_back("<<header");
            lines.insert(lines.end(), c.header.begin(), c.header.end());
            lines.push_back(">>");
        }
        ReaderState state{2, false};
        ActiveSheetCaptions sheet;
        sheet.lastCaption = "before";
        UnitRecord record = Filled();
        Messages messages;
        const bool ok = ReadUnitFromBytes(Bytes(lines),
                                          kCopyUnitHeader,
                                          0,
                                          0,
                                          ReadMode::Copy,
                                          Chosen(&sheet),
                                          state,
                                          record,
                                          messages);
        ASSERT_EQ(ok, c.ok);
        if (!ok) {
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_EQ(U(messages[0].text), shortHeader);
            EXPECT_EQ(messages[0].line, 1);
            EXPECT_EQ(sheet.lastCaption, "before");
            continue;
        }
        EXPECT_TRUE(messages.empty());
        EXPECT_EQ(U(record.unitCaption), "題");
        EXPECT_EQ(U(record.schoolLine), "学校");
        EXPECT_EQ(U(record.nameLine), "氏名");
        EXPECT_EQ(record.questionLines, Lines{"q"});
        EXPECT_EQ(state.lastSectionRead, 0);
        EXPECT_TRUE(state.captionRestart);
        EXPECT_EQ(sheet.lastCaption, "");
    }
}

TEST(UnitReader, AddModeAppendsToTheWorksheetAndReplacesItsSettings)
{
    UnitRecord record = Filled();
    record.graphLines = {"s1", "s2", "s3"};
    ReaderState state;
    ActiveSheetCaptions sheet = FromMaster(2, 3);
    Messages messages;

    ASSERT_TRUE(ReadUnitFromBytes(
        Bytes(kMaster), "[[unit5", 5, 2, ReadMode::Add, Chosen(&sheet), state, record, messages));
    EXPECT_EQ(record.priorGraphCount, 3);
    EXPECT_EQ(record.questionLines, (Lines{"old1", "old2", "unit five"}));
    EXPECT_EQ(record.graphLines, (Lines{"s1", "s2", "s3", "g5"}));
    EXPECT_EQ(record.answerGraphLines, (Lines{"old1", "old2"}));
    EXPECT_EQ(record.headerLines, (Lines{"old1", "old2"}));
    EXPECT_EQ(record.kgroupLines, Lines{"k5"});
    for (const Lines *cleared :
         {&record.valueLines, &record.fontLines, &record.kranLines, &record.softkeyLines})
        EXPECT_TRUE(cleared->empty());
    EXPECT_EQ(record.schoolLine, "old school");
    EXPECT_EQ(record.nameLine, "old name");
}

TEST(UnitReader, AddModeCountsTheWorksheetLinesTowardsSixty)
{
    const struct
    {
        int sheetLines;
        int unitLines;
        bool ok;
    } cases[] = {{50, 10, true}, {50, 11, false}, {61, 0, false}, {0, 60, true}};
    for (const auto &c : cases) {
        SCOPED_TRACE(std::to_string(c.sheetLines) + " + " + std::to_string(c.unitLines));
        Lines lines = {"[[unit1"};
        if (c.unitLines > 0) {
            lines.push_back("<<ques");
            lines.insert(lines.end(), c.unitLines, "q");
            lines.push_back(">>");
        }
        UnitRecord record;
        record.questionLines.assign(c.sheetLines, "s");
        ReaderState state;
        ActiveSheetCaptions sheet;
        Messages messages;
        EXPECT_EQ(ReadUnitFromBytes(Bytes(lines),
                                    "[[unit1",
                                    1,
                                    1,
                                    ReadMode::Add,
                                    Chosen(&sheet),
                                    state,
                                    record,
                                    messages),
                  c.ok);
        ASSERT_EQ(messages.size(), c.ok ? 0u : 1u);
        if (!c.ok) {
            EXPECT_EQ(U(messages[0].text), "問題の行は６０行以下です");
        }
    }
}

TEST(UnitReader, AddCaptionsContinueWithACommaOrANewSection)
{
    const std::string bytes = Bytes(kMaster);
    const struct
    {
        const char *name;
        bool committedBetweenAdds; // the add command clears openedFromMaster after each add
    } routes[] = {{"worksheet still from the master file", false},
                  {"worksheet committed after the first add", true}};
    for (const auto &route : routes) {
        SCOPED_TRACE(route.name);
        ReaderState state;
        UnitRecord record;
        Messages messages;
        ASSERT_TRUE(ReadUnitFromBytes(
            bytes, "[[unit3", 3, 2, ReadMode::Master, Chosen(), state, record, messages));
        ActiveSheetCaptions sheet = FromMaster(2, 3);
        sheet.unitCaption = record.unitCaption;

        ASSERT_TRUE(ReadUnitFromBytes(
            bytes, "[[unit5", 5, 2, ReadMode::Add, Chosen(&sheet), state, record, messages));
        EXPECT_EQ(U(record.unitCaption), "地理//§2-3,5");
        EXPECT_EQ(sheet.lastCaption, record.unitCaption);
        EXPECT_FALSE(state.captionRestart);
        if (route.committedBetweenAdds) {
            sheet.openedFromMaster = false;
            sheet.unitCaption = record.unitCaption;
        }

        ASSERT_TRUE(ReadUnitFromBytes(
            bytes, "[[unit1", 1, 4, ReadMode::Add, Chosen(&sheet), state, record, messages));
        EXPECT_EQ(U(record.unitCaption), "地理//§2-3,5 §4-1");
        EXPECT_EQ(sheet.lastCaption, record.unitCaption);
        EXPECT_EQ(state.lastSectionRead, 4);
        EXPECT_TRUE(messages.empty());
    }

    // A sheet from a copy file continues its own caption.
    ReaderState state;
    ActiveSheetCaptions copySheet;
    copySheet.unitCaption = J("復習");
    UnitRecord record;
    Messages messages;
    ASSERT_TRUE(ReadUnitFromBytes(
        bytes, "[[unit5", 5, 2, ReadMode::Add, Chosen(&copySheet), state, record, messages));
    EXPECT_EQ(U(record.unitCaption), "復習 §2-5");
}

TEST(UnitReader, FailuresReturnFalseAndKeepTheReaderState)
{
    test::TempDir dir;
    test::WriteBytes(dir.file("empty.que"), "");
    test::WriteBytes(dir.file("geo2.que"), Bytes(kMaster));
    test::WriteBytes(dir.file("huge.que"), Bytes(kMaster));
    std::filesystem::resize_file(dir.file("huge.que"), kMaxFileBytes + 1);
    const struct
    {
        const char *name;
        std::string file;
        std::string header;
        std::string message; // CP932; empty for none
        bool recordKept;
    } cases[] = {
        {"empty file", "empty.que", "[[unit1", "", true},
        {"header missing", "geo2.que", "[[unit2", "", false},
        {"file missing",
         "none.que",
         "[[unit1",
         MissingFileMessage(dir.composed() + "none.que"),
         true},
        {"file over the size limit",
         "huge.que",
         "[[unit1",
         J("ファイル ") + dir.file("huge.que") + J(" は大きすぎます（32MBまで）"),
         true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ReaderState state{5, false};
        ActiveSheetCaptions sheet;
        sheet.lastCaption = "kept";
        UnitRecord record = Filled();
        Messages messages;
        EXPECT_FALSE(readUnit(dir.composed() + c.file,
                              c.header,
                              1,
                              2,
                              ReadMode::Master,
                              Chosen(&sheet),
                              state,
                              record,
                              messages));
        ASSERT_EQ(messages.size(), c.message.empty() ? 0u : 1u);
        if (!c.message.empty()) {
            EXPECT_EQ(messages[0].text, c.message);
        }
        EXPECT_EQ(state.lastSectionRead, 5);
        EXPECT_FALSE(state.captionRestart);
        EXPECT_EQ(sheet.lastCaption, "kept");
        EXPECT_EQ(record.questionLines == Filled().questionLines, c.recordKept);
    }
}

TEST(UnitReader, ReadsTheLastOfTenThousandUnitsAndItsSimilarProblem)
{
    std::string bytes;
    for (int u = 1; u <= 10000; ++u) {
        bytes += UnitHeaderLine(u, 0) + "\r\n<<ques\r\nunit " + std::to_string(u)
                 + "\r\n>>\r\n]]\r\n";
    }
    bytes += UnitHeaderLine(10000, 1) + "\r\n<<ques\r\nsimilar\r\n>>\r\n]]\r\n";
    for (const auto &[variant, question] : {std::pair{0, "unit 10000"}, {1, "similar"}}) {
        ReaderState state;
        UnitRecord record;
        Messages messages;
        ASSERT_TRUE(ReadUnitFromBytes(bytes,
                                      UnitHeaderLine(10000, variant),
                                      10000,
                                      1,
                                      ReadMode::Master,
                                      Chosen(),
                                      state,
                                      record,
                                      messages));
        EXPECT_EQ(record.questionLines, Lines{question});
        EXPECT_TRUE(messages.empty());
    }
}

TEST(UnitReader, HostileBytesGiveFalseOrAWholeUnit)
{
    const std::string tokens[] = {"[[unit1",
                                  "[[unitX",
                                  "]]",
                                  "<<ques",
                                  "<<value",
                                  "<<font",
                                  "<<kran",
                                  "<<header",
                                  "<<ans",
                                  "<<hint",
                                  "{",
                                  "}",
                                  ">>",
                                  "",
                                  "x",
                                  std::string("\0\xff\x81", 3),
                                  "\r",
                                  "\x95\x5C"};
    const std::string_view ends[] = {"\r\n", "\n", ""};
    std::mt19937 random(932);
    for (int round = 0; round < 3000; ++round) {
        std::string bytes;
        const int count = static_cast<int>(random() % 120);
        for (int i = 0; i < count; ++i) {
            bytes += tokens[random() % std::size(tokens)];
            bytes += ends[random() % std::size(ends)];
        }
        for (ReadMode mode : {ReadMode::Master, ReadMode::Copy, ReadMode::Add}) {
            UnitRecord record;
            ReaderState state;
            Messages messages;
            const std::string_view header = mode == ReadMode::Copy ? "[[unitX" : "[[unit1";
            const bool ok
                = ReadUnitFromBytes(bytes, header, 1, 1, mode, Chosen(), state, record, messages);
            if (!ok) {
                EXPECT_LE(messages.size(), 1u);
                continue;
            }
            EXPECT_TRUE(messages.empty());
            EXPECT_LE(record.questionLines.size(), 60u);
            EXPECT_TRUE(record.valueLines.empty() || record.valueLines.size() == 7);
            EXPECT_TRUE(record.fontLines.empty() || record.fontLines.size() == 7);
            EXPECT_TRUE(record.kranLines.empty() || record.kranLines.size() == 10);
            if (mode == ReadMode::Copy) {
                EXPECT_GE(record.headerLines.size(), 3u);
            }
        }
    }

    // One enormous unterminated line, and a file of NULs only.
    const auto readMaster = [](const std::string &bytes, Messages &messages) {
        UnitRecord record;
        ReaderState state;
        return ReadUnitFromBytes(
            bytes, "[[unit1", 1, 1, ReadMode::Master, Chosen(), state, record, messages);
    };
    Messages messages;
    EXPECT_FALSE(readMaster("[[unit1\r\n<<ques\r\n" + std::string(16 << 20, 'a'), messages));
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_FALSE(readMaster(std::string(1 << 20, '\0'), messages));
    EXPECT_EQ(messages.size(), 1u);
}

} // namespace
} // namespace zelkon
