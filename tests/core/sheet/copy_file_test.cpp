// Copy files: the composed lines, reading them back, the save name and the write.
#include "sheet/copy_file.h"

#include "common/line_file.h"
#include "master/unit_reader.h"
#include "sheet/worksheet_document.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zelkon {
namespace {

using test::J;
using test::JLines;
using test::ReadBytes;
using test::TempDir;
using test::U;
using Lines = std::vector<std::string>;

// A sheet as a master unit with every layout block leaves it.
Worksheet MasterSheet()
{
    UnitRecord record;
    record.unitCaption = J("地理//日本の地形§2-3 山地");
    record.schoolLine = J("中学校");
    record.nameLine = J("　年　組　番　氏名");
    record.questionLines = JLines({"日本の最高峰は　#　富士山　#　です", "", "地図表"});
    record.softkeyLines = {"soft"};
    record.valueLines = {"546", "False", "35", "3", "4", "2", "5"};
    record.fontLines = JLines({"16", "MS 明朝", "True", "False", "False", "True", "0"});
    record.kranLines = {"1", "20", "6", "2", "0", "0", "15", "10", "0", "0"};

    SheetCreationContext context;
    context.answersShown = true;
    Worksheet sheet;
    Messages messages;
    TakeUnitRecord(sheet, record, context, messages);
    EXPECT_TRUE(messages.empty());
    return sheet;
}

TEST(CopyFile, SheetWithoutGraphsWritesEveryAlwaysPresentBlock)
{
    const Worksheet sheet = MasterSheet();

    // The current paper, not the sheet's own, goes into value line 0.
    const Lines lines = ComposeCopyFile(sheet, /*currentPaperWidth=*/891);

    const Lines expected = JLines({
        "[[unitX",
        "<<header",
        "地理//日本の地形§2-3 山地",
        "中学校",
        "　年　組　番　氏名",
        ">>",
        "<<ques",
        "日本の最高峰は　#　富士山　#　です",
        "",
        "地図表",
        ">>",
        "<<ans",
        ">>",
        "<<value",
        "891",
        "True",
        "35",
        "3",
        "4",
        "2",
        "5",
        ">>",
        "<<font",
        "16",
        "MS 明朝",
        "True",
        "False",
        "False",
        "True",
        "ＭＳ 明朝",
        ">>",
        "<<kran",
        "1",
        "20",
        "6",
        "2",
        "0",
        "0",
        "15",
        "10",
        "0",
        "0",
        ">>",
        "<<kgroup",
        ">>",
        "]]",
    });
    EXPECT_EQ(lines, expected);
}

TEST(CopyFile, GraphBlocksFollowTheAnswerBlockOnlyWhenTheyHaveLines)
{
    Worksheet sheet = MasterSheet();
    sheet.kgroupLines = JLines({"富士山", "北岳"});
    const auto between = [](const Lines &lines, std::string_view from, std::string_view to) {
        const auto first = std::find(lines.begin(), lines.end(), from);
        const auto last = std::find(first, lines.end(), to);
        return Lines(first, last);
    };

    sheet.answerGraphLines = {"aA.bmp", "0", "0"};
    EXPECT_EQ(between(ComposeCopyFile(sheet, 546), "<<ans", "<<value"),
              (Lines{"<<ans", ">>", "<<AGraph", "aA.bmp", "0", "0", ">>"}));

    sheet.graphLines = {"a.bmp", "10", "20", "b.bmp", "-1", "-1"};
    const Lines lines = ComposeCopyFile(sheet, 546);
    EXPECT_EQ(between(lines, "<<ans", "<<value"),
              (Lines{"<<ans",
                     ">>",
                     "<<graph",
                     "a.bmp",
                     "10",
                     "20",
                     "b.bmp",
                     "-1",
                     "-1",
                     ">>",
                     "<<AGraph",
                     "aA.bmp",
                     "0",
                     "0",
                     ">>"}));
    EXPECT_EQ(between(lines, "<<kgroup", "]]"), (Lines{"<<kgroup", J("富士山"), J("北岳"), ">>"}));
}

TEST(CopyFile, WrittenCopyFileReadsBackToTheSameSheet)
{
    TempDir dir;
    Worksheet sheet = MasterSheet();
    sheet.graphLines = {"a.bmp", "10", "20", "b.bmp", "-1", "-1"};
    sheet.answerGraphLines = {"aA.bmp", "0", "0"};
    sheet.kgroupLines = JLines({"富士山", "北岳"});
    const std::string path = dir.composed() + "unit.prp";
    std::string oldKey;
    Messages messages;
    ASSERT_TRUE(FileUpdate(sheet, path, ComposeCopyFile(sheet, 546), oldKey, messages));

    UnitRecord record;
    ReaderState state;
    ASSERT_TRUE(readUnit(path, kCopyUnitHeader, 0, 0, ReadMode::Copy, {}, state, record, messages));
    // Value line 1 said "True"; the reopened sheet follows the main window instead.
    SheetCreationContext context;
    context.answersShown = false;
    Worksheet back;
    TakeUnitRecord(back, record, context, messages);
    ASSERT_TRUE(messages.empty()) << U(messages.front().text);

    EXPECT_EQ(record.headerLines, (Lines{sheet.unitCaption, sheet.schoolLine, sheet.nameLine}));
    EXPECT_EQ(back.unitCaption, sheet.unitCaption);
    EXPECT_EQ(back.schoolLine, sheet.schoolLine);
    EXPECT_EQ(back.nameLine, sheet.nameLine);
    EXPECT_EQ(back.questionLines, sheet.questionLines);
    EXPECT_EQ(back.graphLines, sheet.graphLines);
    EXPECT_EQ(back.answerGraphLines, sheet.answerGraphLines);
    EXPECT_EQ(back.kgroupLines, sheet.kgroupLines);
    EXPECT_TRUE(back.softkeyLines.empty());
    EXPECT_FALSE(back.answersShown);
    EXPECT_EQ(back.paper, sheet.paper);
    EXPECT_EQ(back.lineSpacing, sheet.lineSpacing);
    EXPECT_EQ(back.leftMargin, sheet.leftMargin);
    EXPECT_EQ(back.rightMargin, sheet.rightMargin);
    EXPECT_EQ(back.startNumber, sheet.startNumber);
    EXPECT_EQ(back.optionFlags, sheet.optionFlags);
    EXPECT_EQ(back.fontSize, sheet.fontSize);
    EXPECT_EQ(back.dialogFont.name, sheet.dialogFont.name);
    EXPECT_EQ(back.dialogFont.size, sheet.dialogFont.size);
    EXPECT_EQ(back.dialogFont.bold, sheet.dialogFont.bold);
    EXPECT_EQ(back.dialogFont.strikeOut, sheet.dialogFont.strikeOut);
    // A "0" read from the master file comes back as the face it stood for.
    EXPECT_EQ(back.sheetFontName, J("ＭＳ 明朝"));
    EXPECT_EQ(back.kranValues, sheet.kranValues);
}

TEST(CopyFile, FirstQuestionLineBraceReadsBackAsText)
{
    // Left as the first line of the block, "{" would open a group the reader skips: up to a
    // later "}" the lines would be lost, and without one the copy file would not open at all.
    const Lines cases[] = {
        {"{"},
        JLines({"{", "集合", "}", "後の行"}),
        JLines({"{", "｛１，２｝"}),
    };
    for (const Lines &questions : cases) {
        SCOPED_TRACE(U(questions.back()));
        Worksheet sheet = MasterSheet();
        sheet.questionLines = questions;
        UnitRecord record;
        ReaderState state;
        Messages messages;
        ASSERT_TRUE(ReadUnitFromBytes(JoinLines(ComposeCopyFile(sheet, 546)),
                                      kCopyUnitHeader,
                                      0,
                                      0,
                                      ReadMode::Copy,
                                      {},
                                      state,
                                      record,
                                      messages));
        EXPECT_EQ(record.questionLines, questions);
    }
}

TEST(CopyFile, SaveNameIsJudgedByTheFileNameAlone)
{
    struct Case
    {
        std::string chosen;
        std::optional<std::string> saved;
    };
    const Case cases[] = {
        {"/home/jane/unit.prp", "/home/jane/unit.prp"},
        {"/home/jane/unit.PRP", "/home/jane/unit.PRP"},
        {"/home/jane/unit", "/home/jane/unit.prp"},
        {"/home/jane.doe/unit", "/home/jane.doe/unit.prp"},
        {"/home/jane.doe/unit.prp", "/home/jane.doe/unit.prp"},
        {"C:\\jane.doe\\unit", "C:\\jane.doe\\unit.prp"},
        // 表 ends in the byte of "\", which must not split the name.
        {J("C:\\授業\\地図表.prp"), J("C:\\授業\\地図表.prp")},
        {"/home/jane/unit.txt", std::nullopt},
        {"/home/jane.doe/unit.txt", std::nullopt},
        // The extension starts at the first dot of the name.
        {"/home/jane/unit.old.prp", std::nullopt},
        {"/home/jane/unit.", std::nullopt},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(U(c.chosen));
        Messages messages;
        EXPECT_EQ(CopyFileSaveName(c.chosen, messages), c.saved);
        if (c.saved) {
            EXPECT_TRUE(messages.empty());
        } else {
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_EQ(messages[0].text, c.chosen + J(":拡張子が不正です"));
        }
    }
}

TEST(CopyFile, FileUpdateWritesTheLinesAndRenamesTheSheet)
{
    TempDir dir;
    Worksheet sheet;
    sheet.filePath = "C:\\Z\\chiri\\CH3.que";
    sheet.unitNumber = 2;
    sheet.locator.variant = 1;
    sheet.sheetKey = "C:\\Z\\chiri\\CH3.que-U2R1";
    sheet.openedFromMaster = true;
    sheet.modified = true;
    const std::string path = dir.composed() + "unit.prp";
    const Lines lines = {"[[unitX", J("地図表"), "]]"};
    std::string oldKey;
    Messages messages;

    ASSERT_TRUE(FileUpdate(sheet, path, lines, oldKey, messages));

    EXPECT_EQ(ReadBytes(dir.file("unit.prp")), "[[unitX\r\n" + J("地図表") + "\r\n]]\r\n");
    EXPECT_EQ(oldKey, "C:\\Z\\chiri\\CH3.que-U2R1");
    EXPECT_EQ(sheet.filePath, path);
    EXPECT_EQ(sheet.sheetKey, path);
    EXPECT_FALSE(sheet.modified);
    EXPECT_TRUE(messages.empty());
    // The sheet now belongs to the copy file, as if opened from it.
    EXPECT_FALSE(sheet.openedFromMaster);
    EXPECT_TRUE(sheet.openedAsCopyFile);

    // Saved again under another name, the copy sheet was listed under its path.
    const std::string second = dir.composed() + "second.prp";
    ASSERT_TRUE(FileUpdate(sheet, second, lines, oldKey, messages));
    EXPECT_EQ(oldKey, path);
    EXPECT_EQ(sheet.sheetKey, second);
}

TEST(CopyFile, OldKeyIsTheKeyTheSheetIsListedUnder)
{
    // A folder name holding ".que" does not make a copy file a master file.
    TempDir dir;
    Worksheet sheet;
    sheet.filePath = "/home/x.queue/old.prp";
    sheet.sheetKey = sheet.filePath;
    sheet.unitNumber = 4;
    std::string oldKey;
    Messages messages;

    ASSERT_TRUE(FileUpdate(sheet, dir.composed() + "new.prp", {"[[unitX", "]]"}, oldKey, messages));
    EXPECT_EQ(oldKey, "/home/x.queue/old.prp");
}

TEST(CopyFile, SaveDialogStartsInTheLessonsPrefixFolder)
{
    CourseIndex index;
    index.lessonPrefix[1] = "ch";
    index.lessonPrefix[2] = "re";
    index.lessonPrefix[80] = "zz";
    const std::pair<int, std::string> cases[] = {
        {2, "C:\\Z\\re"}, {1, "C:\\Z\\ch"}, {80, "C:\\Z\\zz"}, {0, "C:\\Z\\ch"}, {81, "C:\\Z\\ch"}};
    for (const auto &[lesson, folder] : cases)
        EXPECT_EQ(CopyFileFolder("C:\\Z\\", index, lesson), folder) << lesson;
}

TEST(CopyFile, SavedPaperWidthIsThatOfTheSheetsPaper)
{
    const std::pair<std::int32_t, std::int32_t> cases[]
        = {{546, 546}, {630, 630}, {771, 771}, {891, 891}, {700, 630}, {0, 630}};
    for (const auto &[width, saved] : cases) {
        Worksheet sheet;
        sheet.paper = {0, width, 0};
        EXPECT_EQ(SavedPaperWidth(sheet), saved) << width;
    }
}

TEST(CopyFile, FailedWriteLeavesTheSheetAsItWas)
{
    TempDir dir;
    Worksheet sheet;
    sheet.filePath = "/home/jane/old.prp";
    sheet.sheetKey = sheet.filePath;
    sheet.openedFromMaster = true;
    sheet.modified = true;
    const std::string path = dir.composed() + J("無い\\unit.prp");
    std::string oldKey = "untouched";
    Messages messages;

    EXPECT_FALSE(FileUpdate(sheet, path, {"[[unitX", "]]"}, oldKey, messages));

    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, path + J("の保存に失敗しました"));
    EXPECT_EQ(oldKey, "untouched");
    EXPECT_EQ(sheet.filePath, "/home/jane/old.prp");
    EXPECT_EQ(sheet.sheetKey, "/home/jane/old.prp");
    EXPECT_TRUE(sheet.modified);
    EXPECT_TRUE(sheet.openedFromMaster);
    EXPECT_FALSE(sheet.openedAsCopyFile);
}

} // namespace
} // namespace zelkon
