// Taking the unit record into a worksheet, the add retake, the setters and the sheet keys.
#include "sheet/worksheet_document.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

#include <array>

namespace zelkon {
namespace {

using test::J;
using test::JLines;
using test::U;
using Lines = std::vector<std::string>;
using KranValues = std::array<std::string, 10>;

// A unit as the reader leaves it, without value, font and kran blocks.
UnitRecord BareRecord()
{
    UnitRecord record;
    record.unitCaption = J("地理//日本の地形§2-3 山地");
    record.schoolLine = J("中学校");
    record.nameLine = J("　年　組　番　氏名");
    record.questionLines = JLines({"日本の最高峰は　#　富士山　#　です", "二行目"});
    record.softkeyLines = {"soft"};
    record.kgroupLines = JLines({"富士山", "北岳"});
    record.graphLines = {"map.bmp", "120", "300"};
    record.answerGraphLines = {"mapA.bmp", "0", "0"};
    return record;
}

SheetCreationContext Context()
{
    SheetCreationContext context;
    context.answersShown = false;
    context.currentLocator = {1, 2, 3, 0};
    context.lessonName = J("地理");
    context.sectionName = J("日本の地形");
    context.unitName = J("山地");
    context.sheetKey = J("C:\\Z\\chiri\\CH2.que-U3");
    context.printTag = J("CH2.que-U3");
    return context;
}

Worksheet
Take(const UnitRecord &record, const SheetCreationContext &context, Messages *messages = nullptr)
{
    Worksheet sheet;
    Messages own;
    TakeUnitRecord(sheet, record, context, messages ? *messages : own);
    if (!messages) {
        EXPECT_TRUE(own.empty()) << U(own.front().text);
    }
    return sheet;
}

TEST(WorksheetDocument, UnitWithoutLayoutBlocksTakesTheSheetDefaults)
{
    SheetCreationContext context = Context();
    // The defaults stand for a missing value block, so a fixed paper does not apply to them.
    context.fixedPaper = true;
    context.selectedPaperWidth = 891;
    const UnitRecord record = BareRecord();

    const Worksheet sheet = Take(record, context);

    EXPECT_EQ(sheet.paper, (PaperSpec{0, 630, 891}));
    EXPECT_FALSE(sheet.answersShown);
    EXPECT_EQ(sheet.fontSize, 14);
    EXPECT_EQ(sheet.lineSpacing, 30);
    EXPECT_EQ(sheet.leftMargin, 5);
    EXPECT_EQ(sheet.rightMargin, 5);
    EXPECT_EQ(sheet.startNumber, 1);
    EXPECT_EQ(sheet.optionFlags, 7);
    EXPECT_EQ(sheet.sheetFontName, "");
    EXPECT_EQ(sheet.kranValues, (KranValues{"2", "10", "4", "0", "0", "0", "15", "10", "0", "0"}));

    EXPECT_EQ(sheet.locator, (UnitLocator{1, 2, 3, 0}));
    EXPECT_EQ(sheet.lessonName, context.lessonName);
    EXPECT_EQ(sheet.sectionName, context.sectionName);
    EXPECT_EQ(sheet.unitName, context.unitName);
    EXPECT_EQ(sheet.unitCaption, record.unitCaption);
    EXPECT_EQ(sheet.schoolLine, record.schoolLine);
    EXPECT_EQ(sheet.nameLine, record.nameLine);
    EXPECT_EQ(sheet.questionLines, record.questionLines);
    EXPECT_EQ(sheet.softkeyLines, record.softkeyLines);
    EXPECT_EQ(sheet.kgroupLines, record.kgroupLines);
    EXPECT_EQ(sheet.graphLines, record.graphLines);
    EXPECT_EQ(sheet.answerGraphLines, record.answerGraphLines);
    EXPECT_EQ(sheet.sheetKey, context.sheetKey);
    EXPECT_EQ(sheet.printTag, context.printTag);
    EXPECT_EQ(sheet.currentQuestion, -1);
    EXPECT_FALSE(sheet.modified);
}

TEST(WorksheetDocument, ValueBlockSetsPaperFlagsAndSpacing)
{
    struct Case
    {
        std::string line0;
        std::string line6;
        bool fixedPaper;
        PaperSpec paper;
        std::int32_t flags;
    };
    const Case cases[] = {
        {"True", "7", false, {0, 630, 891}, 7},
        {"False", "True", false, {0, 630, 891}, 7},
        {"546", "20", false, {0, 546, 772}, 15},
        {"771", "False", false, {0, 771, 1090}, 7},
        {"700", "3", false, {0, 700, 990}, 3},
        // A fixed paper wins over the file, and its height is derived from its width.
        {"891", "15", true, {0, 546, 772}, 15},
        {"abc", "0", true, {0, 546, 772}, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.line0 + " / " + c.line6);
        UnitRecord record = BareRecord();
        // Line 1 says "False"; the sheet shows answers as the main window does.
        record.valueLines = {c.line0, "False", "25", "3", "4", "6", c.line6};
        SheetCreationContext context = Context();
        context.answersShown = true;
        context.fixedPaper = c.fixedPaper;
        context.selectedPaperWidth = 546;

        const Worksheet sheet = Take(record, context);

        EXPECT_EQ(sheet.paper, c.paper);
        EXPECT_EQ(sheet.optionFlags, c.flags);
        EXPECT_TRUE(sheet.answersShown);
        EXPECT_EQ(sheet.lineSpacing, 25);
        EXPECT_EQ(sheet.leftMargin, 3);
        EXPECT_EQ(sheet.rightMargin, 4);
        EXPECT_EQ(sheet.startNumber, 6);
        // Without a font block the size is not set by the defaults.
        EXPECT_EQ(sheet.fontSize, 0);
        EXPECT_EQ(sheet.sheetFontName, "");
    }
}

TEST(WorksheetDocument, FontBlockSetsSizeStylesAndTypeface)
{
    struct Case
    {
        Lines font;
        DialogFont dialog;
        std::string sheetFont;
    };
    const Case cases[] = {
        {{"16", "MS 明朝", "True", "true", "False", "True", "0"},
         DialogFont{J("MS 明朝"), 16, true, false, false, true},
         J("ＭＳ 明朝")},
        {{"9", "", "False", "True", "True", "False", "ＭＳ ゴシック"},
         DialogFont{std::string(), 9, false, true, true, false},
         J("ＭＳ ゴシック")},
        // "0" names the default face only when it is the whole line.
        {{"12", "MS 明朝", "False", "False", "False", "False", "00"},
         DialogFont{J("MS 明朝"), 12, false, false, false, false},
         "00"},
    };
    for (const Case &c : cases) {
        UnitRecord record = BareRecord();
        record.valueLines = {"630", "False", "40", "5", "5", "1", "7"};
        record.fontLines = JLines(c.font);
        const Worksheet sheet = Take(record, Context());

        SCOPED_TRACE(U(c.sheetFont));
        EXPECT_EQ(sheet.fontSize, c.dialog.size);
        EXPECT_EQ(sheet.dialogFont.name, c.dialog.name);
        EXPECT_EQ(sheet.dialogFont.size, c.dialog.size);
        EXPECT_EQ(sheet.dialogFont.bold, c.dialog.bold);
        EXPECT_EQ(sheet.dialogFont.italic, c.dialog.italic);
        EXPECT_EQ(sheet.dialogFont.underline, c.dialog.underline);
        EXPECT_EQ(sheet.dialogFont.strikeOut, c.dialog.strikeOut);
        EXPECT_EQ(sheet.sheetFontName, c.sheetFont);
    }
}

TEST(WorksheetDocument, KranBlockIsTakenPaddedToTen)
{
    UnitRecord record = BareRecord();
    record.kranLines = {"1", "20", "6", "2"};
    EXPECT_EQ(Take(record, Context()).kranValues,
              (KranValues{"1", "20", "6", "2", "0", "0", "0", "0", "0", "0"}));

    record.kranLines = {"4", "15", "2", "0", "-3", "7", "15", "10", "0", "memo"};
    EXPECT_EQ(Take(record, Context()).kranValues,
              (KranValues{"4", "15", "2", "0", "-3", "7", "15", "10", "0", "memo"}));
}

TEST(WorksheetDocument, LinesThatAreNoNumbersTakeNewUnitDefaultsAndTheSheetStaysWhole)
{
    UnitRecord record = BareRecord();
    record.valueLines = JLines({"A4", "False", "abc", "99999999999", "-", "1", "７"});
    record.fontLines = JLines({"大", "MS 明朝", "True", "False", "False", "False", "0"});
    record.kranLines = JLines({"四角", "15", "", "0", "0", "0", "15", "10", "0", "memo"});
    Messages messages;

    const Worksheet sheet = Take(record, Context(), &messages);

    EXPECT_EQ(sheet.paper, (PaperSpec{0, 630, 891}));
    EXPECT_EQ(sheet.lineSpacing, 40);
    EXPECT_EQ(sheet.leftMargin, 5);
    EXPECT_EQ(sheet.rightMargin, 5);
    EXPECT_EQ(sheet.startNumber, 1);
    EXPECT_EQ(sheet.optionFlags, 7);
    EXPECT_EQ(sheet.fontSize, 12);
    EXPECT_EQ(sheet.dialogFont.size, 12);
    EXPECT_TRUE(sheet.dialogFont.bold);
    EXPECT_EQ(sheet.sheetFontName, J("ＭＳ 明朝"));
    // The reserved last kran line is nobody's number and is carried as it is.
    EXPECT_EQ(sheet.kranValues,
              (KranValues{"5", "15", "2", "0", "0", "0", "15", "10", "0", "memo"}));
    // Everything after the blocks is still taken.
    EXPECT_EQ(sheet.graphLines, record.graphLines);
    EXPECT_EQ(sheet.answerGraphLines, record.answerGraphLines);
    EXPECT_EQ(sheet.sheetKey, Context().sheetKey);

    const Lines expected = {
        "<<value ブロックの 1 行目「A4」は数値ではありません。既定値 630 を使います",
        "<<value ブロックの 3 行目「abc」は数値ではありません。既定値 40 を使います",
        "<<value ブロックの 4 行目「99999999999」は数値ではありません。既定値 5 を使います",
        "<<value ブロックの 5 行目「-」は数値ではありません。既定値 5 を使います",
        "<<value ブロックの 7 行目「７」は数値ではありません。既定値 7 を使います",
        "<<font ブロックの 1 行目「大」は数値ではありません。既定値 12 を使います",
        "<<kran ブロックの 1 行目「四角」は数値ではありません。既定値 5 を使います",
        "<<kran ブロックの 3 行目「」は数値ではありません。既定値 2 を使います",
    };
    ASSERT_EQ(messages.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(U(messages[i].text), expected[i]);
}

TEST(WorksheetDocument, ShortValueBlockDoesNotReadPastItsEnd)
{
    UnitRecord record = BareRecord();
    record.valueLines = {"546", "False", "35"};
    record.fontLines = {"10"};
    Messages messages;

    const Worksheet sheet = Take(record, Context(), &messages);

    EXPECT_EQ(sheet.paper.width, 546);
    EXPECT_EQ(sheet.lineSpacing, 35);
    EXPECT_EQ(sheet.startNumber, 1);
    EXPECT_EQ(sheet.optionFlags, 7);
    EXPECT_EQ(sheet.fontSize, 10);
    EXPECT_EQ(sheet.sheetFontName, "");
    EXPECT_EQ(messages.size(), 4u);
}

TEST(WorksheetDocument, RetakeAfterAddUnplacesOnlyTheAddedGraphs)
{
    Worksheet sheet = Take(BareRecord(), Context());
    sheet.lineSpacing = 33;

    UnitRecord record;
    record.unitCaption = J("地理//§2-3,5");
    record.schoolLine = J("中学校");
    record.nameLine = J("氏名");
    record.questionLines = JLines({"一行目", "追加の行"});
    record.graphLines = {"map.bmp", "120", "300", "b.bmp", "30", "40", "c.bmp", "50", "60"};
    record.priorGraphCount = 3;
    record.answerGraphLines = {"mapA.bmp", "0", "0", "bA.bmp", "7", "8"};
    record.kgroupLines = {"added"};

    RetakeUnitRecord(sheet, record);

    EXPECT_EQ(sheet.graphLines,
              (Lines{"map.bmp", "120", "300", "b.bmp", "-1", "-1", "c.bmp", "-1", "-1"}));
    EXPECT_EQ(sheet.answerGraphLines, record.answerGraphLines);
    EXPECT_EQ(sheet.questionLines, record.questionLines);
    EXPECT_EQ(sheet.unitCaption, record.unitCaption);
    EXPECT_EQ(sheet.schoolLine, record.schoolLine);
    EXPECT_EQ(sheet.nameLine, record.nameLine);
    EXPECT_TRUE(sheet.modified);
    // The sheet keeps its own layout and choices.
    EXPECT_EQ(sheet.lineSpacing, 33);
    EXPECT_EQ(sheet.kgroupLines, BareRecord().kgroupLines);

    record.priorGraphCount = 0;
    RetakeUnitRecord(sheet, record);
    EXPECT_EQ(sheet.graphLines,
              (Lines{"map.bmp", "-1", "-1", "b.bmp", "-1", "-1", "c.bmp", "-1", "-1"}));
}

TEST(WorksheetDocument, SettersHoldTheirControlRanges)
{
    using Setter = void (*)(Worksheet &, std::int32_t);
    struct Case
    {
        const char *name;
        Setter setter;
        std::int32_t Worksheet::*field;
        std::int32_t in;
        std::int32_t stored;
    };
    const Case cases[] = {
        {"spacing", TakeLineSpacing, &Worksheet::lineSpacing, -6, -5},
        {"spacing", TakeLineSpacing, &Worksheet::lineSpacing, -5, -5},
        {"spacing", TakeLineSpacing, &Worksheet::lineSpacing, 101, 100},
        {"font", TakeFontSize, &Worksheet::fontSize, 7, 8},
        {"font", TakeFontSize, &Worksheet::fontSize, 50, 50},
        {"font", TakeFontSize, &Worksheet::fontSize, 51, 50},
        {"left", TakeLeftMargin, &Worksheet::leftMargin, -1, 0},
        {"left", TakeLeftMargin, &Worksheet::leftMargin, 16, 15},
        {"right", TakeRightMargin, &Worksheet::rightMargin, 7, 7},
        {"right", TakeRightMargin, &Worksheet::rightMargin, 16, 15},
        {"start", TakeStartNumber, &Worksheet::startNumber, 0, 1},
        {"start", TakeStartNumber, &Worksheet::startNumber, 101, 100},
    };
    for (const Case &c : cases) {
        Worksheet sheet;
        c.setter(sheet, c.in);
        EXPECT_EQ(sheet.*c.field, c.stored) << c.name << " " << c.in;
    }

    Worksheet sheet;
    TakeAnswerPositionX(sheet, -12);
    TakeAnswerPositionY(sheet, 340);
    EXPECT_EQ(sheet.kranValues[4], "-12");
    EXPECT_EQ(sheet.kranValues[5], "340");
}

TEST(WorksheetDocument, SheetKeysOfMasterAndCopySheets)
{
    EXPECT_EQ(MasterSheetKey("C:\\Z\\chiri\\CH3.que", 2, 0), "C:\\Z\\chiri\\CH3.que-U2");
    EXPECT_EQ(MasterSheetKey("CH3.que", 12, 1), "CH3.que-U12R1");

    struct Case
    {
        std::string filePath;
        std::string key;
    };
    const Case cases[] = {
        {"C:\\Z\\chiri\\CH3.que", "C:\\Z\\chiri\\CH3.que-U2R1"},
        {"/srv/z/chiri/ch3.QUE", "/srv/z/chiri/ch3.QUE-U2R1"},
        {"/home/jane/unit.prp", "/home/jane/unit.prp"},
        {"/home/queen/unit.prp", "/home/queen/unit.prp"},
    };
    for (const Case &c : cases) {
        Worksheet sheet;
        sheet.filePath = c.filePath;
        sheet.unitNumber = 2;
        sheet.locator.variant = 1;
        EXPECT_EQ(SheetKeyOfFile(sheet), c.key);
    }
}

TEST(WorksheetDocument, NewSheetResetsEveryAnswerFieldState)
{
    RenderTables tables;
    tables.answerFieldTable[0].state = kFieldRight;
    tables.answerFieldTable[40].state = kFieldWrong;
    tables.answerFieldTable[80].state = kFieldRightAfterReveal;
    tables.showLearnerAnswers = true;
    tables.collectAnswerFields = false;

    ResetRenderTablesForNewSheet(tables);

    for (const AnswerField &field : tables.answerFieldTable)
        EXPECT_EQ(field.state, kFieldOpen);
    EXPECT_FALSE(tables.showLearnerAnswers);
    EXPECT_TRUE(tables.collectAnswerFields);
}

TEST(WorksheetDocument, CreationContextComesFromTheProgramState)
{
    AppState state;
    state.answersShown = false;
    state.fixedPaper = true;
    SetPaperWidth(state, 771);
    state.currentLocator = {2, 4, 6, 1};
    state.lessonName = J("歴史");
    state.sheetKey = "key";
    state.printTag = "tag";

    const SheetCreationContext context = SheetCreationContextOf(state);

    EXPECT_FALSE(context.answersShown);
    EXPECT_TRUE(context.fixedPaper);
    EXPECT_EQ(context.selectedPaperWidth, 771);
    EXPECT_EQ(context.currentLocator, state.currentLocator);
    EXPECT_EQ(context.lessonName, state.lessonName);
    EXPECT_EQ(context.defaultSheetFontName, J("ＭＳ 明朝"));
    EXPECT_EQ(context.sheetKey, "key");
    EXPECT_EQ(context.printTag, "tag");
}

} // namespace
} // namespace zelkon
