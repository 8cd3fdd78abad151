// RenderSheet through the recording canvas: header, question lines, answers, the printer,
// learner answers, the table limits and the pictures.
#include "sheet/render_sheet.h"

#include "sheet/recording_canvas.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace zelkon {
namespace {

using test::J;
using test::U;
using Call = RecordingCanvas::Call;
using Kind = RecordingCanvas::CallKind;

class FakePicture : public Picture
{
public:
    int width() const override { return 120; }
    int height() const override { return 80; }
};

// An A4 sheet with margins 5 (L = 50, right edge 580), line spacing 40 (31.5 a line) and
// 12-point text (8 pixels a byte): the first question line's top is 98, its text 7 lower.
class RenderSheetTest : public ::testing::Test
{
protected:
    RenderSheetTest()
    {
        sheet.leftMargin = 5;
        sheet.rightMargin = 5;
        sheet.lineSpacing = 40;
        sheet.sheetFontName = J("ＭＳ 明朝");
        sheet.answersShown = false;
        sheet.kranValues[0] = "0";
        context.mojiSize = 12;
        context.classFlagBox = false;
        context.dateLineBox = false;
        context.printStampBox = false;
        context.now = {2024, 3, 7, 9, 5};
    }

    bool render(bool toPrinter = false)
    {
        canvas.clear();
        return RenderSheet(sheet, tables, canvas, toPrinter, context, messages);
    }

    bool renderOnPrinter()
    {
        printer.clear();
        return RenderSheet(sheet, tables, printer, /*toPrinter=*/true, context, messages);
    }

    // The text runs whose top is at `y`, left to right as drawn.
    static std::vector<Call> RunsAt(const RecordingCanvas &on, int y)
    {
        std::vector<Call> runs;
        for (const Call &run : on.textRuns()) {
            if (run.from.y == y)
                runs.push_back(run);
        }
        return runs;
    }

    static std::vector<std::string> TextsAt(const RecordingCanvas &on, int y)
    {
        std::vector<std::string> texts;
        for (const Call &run : RunsAt(on, y))
            texts.push_back(run.text);
        return texts;
    }

    static std::optional<Call> FindRun(const RecordingCanvas &on, const std::string &text)
    {
        for (const Call &run : on.textRuns()) {
            if (run.text == text)
                return run;
        }
        return std::nullopt;
    }

    Worksheet sheet;
    RenderTables tables;
    RenderContext context;
    RecordingCanvas canvas{630, 891};
    RecordingCanvas printer{1260, 1782}; // twice the A4 picture: s = r = 2
    Messages messages;
};

TEST_F(RenderSheetTest, Header)
{
    context.classFlagBox = true;
    context.dateLineBox = true;
    context.printStampBox = true;
    context.sheetNumber = 5;
    context.schoolName = J("桜塾");
    context.learnerName = J("山田");
    sheet.learnerNameShown = true;
    sheet.printTag = "chiri01.que-U3";
    sheet.unitCaption = J("日本の地理");
    sheet.kranValues[3] = "2";
    ASSERT_TRUE(render());

    const std::vector<Call> lines = canvas.callsOf(Kind::Line);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].from, (Point{50, 30}));
    EXPECT_EQ(lines[0].to, (Point{580, 30}));
    EXPECT_EQ(lines[0].penWidth, 2);
    EXPECT_EQ(lines[1].from, (Point{50, 90}));
    // The middle rule: (630 − 50 + 12 + 50) ÷ 2 − 10, down to round(891 × 0.97).
    EXPECT_EQ(lines[2].from, (Point{311, 90}));
    EXPECT_EQ(lines[2].to, (Point{311, 864}));

    const std::vector<Call> runs = canvas.textRuns();
    ASSERT_EQ(runs.size(), 4u);
    EXPECT_EQ(U(runs[0].text), "№ 5  2024.03.07-09:05　chiri01.que-U3");
    EXPECT_EQ(runs[0].from, (Point{50, 15}));
    EXPECT_EQ(runs[0].fontSize, 10);
    EXPECT_EQ(U(runs[1].text), "実施日　　月　　日");
    EXPECT_EQ(runs[1].from, (Point{460, 15}));
    EXPECT_EQ(U(runs[2].text), "日本の地理");
    EXPECT_EQ(runs[2].from, (Point{103, 35})) << "beside the class flag: 50 + 48 + 5";
    EXPECT_EQ(runs[2].fontSize, 12);
    EXPECT_EQ(U(runs[3].text), "桜塾　　氏名 山田");
    EXPECT_EQ(runs[3].from, (Point{200, 65}));
    EXPECT_EQ(runs[3].fontSize, 16);
    EXPECT_EQ(runs[3].fontName, J("ＭＳ 明朝"));
}

TEST_F(RenderSheetTest, PrintStampNumberAndLongTag)
{
    context.printStampBox = true;
    context.numberSheets = false;
    sheet.printTag = std::string(40, 'a') + "b.que";
    ASSERT_TRUE(render());
    ASSERT_FALSE(canvas.textRuns().empty());
    EXPECT_EQ(U(canvas.textRuns()[0].text), "  2024.03.07-09:05　b.que");
}

TEST_F(RenderSheetTest, NameLineShowsOnlyARealLearner)
{
    const struct
    {
        const char *school;
        const char *learner;
        bool shown;
        const char *line;
    } cases[] = {
        {"", "山田", true, "　　　　　　　　氏名 山田"},
        {"", "山田", false, "　　　　　　　　氏名"},
        {"桜塾", "noname", true, "桜塾　　氏名"},
        {"桜塾", "公開", true, "桜塾　　氏名"},
        {"桜塾", "共通", true, "桜塾　　氏名"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.learner);
        context.schoolName = J(c.school);
        context.learnerName = J(c.learner);
        sheet.learnerNameShown = c.shown;
        ASSERT_TRUE(render());
        const std::vector<Call> runs = RunsAt(canvas, 65);
        ASSERT_EQ(runs.size(), 1u);
        EXPECT_EQ(U(runs[0].text), c.line);
    }
}

TEST_F(RenderSheetTest, LongCaptionsBreakAtTheSectionSign)
{
    const std::string tail(52, 'x');
    const struct
    {
        const char *name;
        std::string caption;
        std::string first;  // at y 35; empty when nothing is drawn there
        std::string second; // at y 48
    } cases[] = {
        {"60 bytes", std::string(60, 'x'), std::string(60, 'x'), ""},
        {"with §", J("地理の基本§") + tail, J("地理の基本"), J("　　§") + tail},
        {"61 bytes without §", std::string(61, 'x'), "", J("　　") + std::string(61, 'x')},
        // 香 弌 are 8D 81 98 9F: the bytes 81 98 of "§" straddle them and are no "§".
        {"§ across characters",
         J("香弌") + std::string(57, 'x'),
         "",
         J("　　香弌") + std::string(57, 'x')},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        sheet.unitCaption = c.caption;
        ASSERT_TRUE(render());
        const auto expected = [](const std::string &text) {
            return text.empty() ? std::vector<std::string>() : std::vector<std::string>{text};
        };
        EXPECT_EQ(TextsAt(canvas, 35), expected(c.first));
        EXPECT_EQ(TextsAt(canvas, 48), expected(c.second));
    }
}

TEST_F(RenderSheetTest, HiddenAnswerKeepsItsWidthAndLeavesNoInk)
{
    sheet.questionLines = {J("例　日本の首都は　#　東京　#　です")};
    ASSERT_TRUE(render());

    const std::vector<Call> runs = RunsAt(canvas, 105);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(U(runs[0].text), "例　日本の首都は　");
    EXPECT_EQ(runs[0].from, (Point{50, 105}));
    EXPECT_EQ(U(runs[1].text), "　です");
    EXPECT_EQ(runs[1].from, (Point{258, 105})) << "after the 64 pixels of the hidden answer";
    for (const Call &call : canvas.callsOf(Kind::Text))
        EXPECT_NE(call.fontColor, kWhite);

    ASSERT_EQ(tables.answerFieldCount, 1);
    const AnswerField &field = tables.answerFieldTable[1];
    EXPECT_EQ(field.x, 194);
    EXPECT_EQ(field.y, 98);
    EXPECT_EQ(field.width, 64);
    EXPECT_EQ(field.fontSize, 12);
    EXPECT_EQ(U(field.answerText), "　東京　");
    EXPECT_EQ(tables.pieceXTable[1], 50);
    EXPECT_EQ(tables.runStartTable[1], (Point{50, 98}));
    EXPECT_EQ(tables.runStartTable[2], (Point{194, 98}));
    EXPECT_EQ(tables.runStartTable[3], (Point{258, 98}));
    ASSERT_EQ(sheet.answerList.size(), 2u);
    EXPECT_EQ(sheet.answerList[0], "start");
    EXPECT_EQ(U(sheet.answerList[1]), "　東京　");

    sheet.answersShown = true;
    ASSERT_TRUE(render());
    const std::optional<Call> answer = FindRun(canvas, J("　東京　"));
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->fontColor, kBlue);
    EXPECT_EQ(answer->from, (Point{194, 105}));
    EXPECT_EQ(RunsAt(canvas, 105).back().from, (Point{258, 105}));
}

TEST_F(RenderSheetTest, AlternativesGoBelowInGreyAtTheBaseSize)
{
    sheet.questionLines = {J("<4>問#東京;とうきょう;トウキョウ#")};
    sheet.answersShown = true;
    ASSERT_TRUE(render());

    // "問" at 20 points is 26 wide: the answer starts at 76.
    const std::optional<Call> first = FindRun(canvas, J("東京"));
    ASSERT_TRUE(first);
    EXPECT_EQ(first->from, (Point{76, 105}));
    EXPECT_EQ(first->fontColor, kBlue);
    EXPECT_EQ(first->fontSize, 20);
    const std::vector<Call> below = RunsAt(canvas, 98 + 24);
    ASSERT_EQ(below.size(), 1u);
    EXPECT_EQ(U(below[0].text), "　とうきょう　トウキョウ");
    EXPECT_EQ(below[0].from, (Point{76, 122}));
    EXPECT_EQ(below[0].fontColor, kGrey);
    EXPECT_EQ(below[0].fontSize, 12);
    EXPECT_EQ(tables.answerFieldTable[1].fontSize, 12) << "the size the alternatives left";
    EXPECT_EQ(tables.answerFieldTable[1].width, 52);
    EXPECT_EQ(U(sheet.answerList[1]), "東京;とうきょう;トウキョウ");

    context.showAlternatives = false;
    ASSERT_TRUE(render());
    EXPECT_TRUE(RunsAt(canvas, 122).empty());
    EXPECT_EQ(tables.answerFieldTable[1].fontSize, 20);

    context.showAlternatives = true;
    sheet.answersShown = false;
    ASSERT_TRUE(render());
    EXPECT_TRUE(RunsAt(canvas, 122).empty()) << "hidden alternatives leave no ink either";
    EXPECT_FALSE(FindRun(canvas, J("東京")));
    EXPECT_EQ(tables.answerFieldTable[1].width, 52);
}

TEST_F(RenderSheetTest, PiecesOfALine)
{
    sheet.answersShown = true;
    const struct
    {
        const char *line;
        std::vector<std::string> drawn;
        int answers;
    } cases[] = {
        {"a#b#c#d", {"a", "b", "c"}, 1}, // an odd number of "#": the last piece is dropped
        {"a#b#c#d#e", {"a", "b", "c", "d", "e"}, 2},
        {"#b#", {"b"}, 1},
        {"plain", {"plain"}, 0},
        {"a#b", {"a"}, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.line);
        sheet.questionLines = {c.line};
        ASSERT_TRUE(render());
        EXPECT_EQ(TextsAt(canvas, 105), c.drawn);
        EXPECT_EQ(tables.answerFieldCount, c.answers);
    }
}

TEST_F(RenderSheetTest, LinesFollowAtTheLineAdvanceRoundedHalfToEven)
{
    // Line tops 98, 129.5, 161, 192.5: an empty line keeps its place, halves go to even.
    sheet.questionLines = {"A", "", "C", "D"};
    ASSERT_TRUE(render());
    EXPECT_EQ(RunsAt(canvas, 105).size(), 1u);
    EXPECT_EQ(RunsAt(canvas, 168).at(0).text, "C");
    EXPECT_EQ(RunsAt(canvas, 199).at(0).text, "D");
    EXPECT_EQ(tables.runStartTable[2], (Point{50, 161}));
    EXPECT_EQ(tables.runStartTable[3], (Point{50, 192}));
}

TEST_F(RenderSheetTest, MarginsAndLineSpacingBeyondAnyPageAreHeld)
{
    // A value block may hold any integer: page positions stop at 2^24 pixels, never wrap.
    const int far = 1 << 24;
    sheet.leftMargin = std::numeric_limits<int>::max();
    sheet.rightMargin = std::numeric_limits<int>::min();
    sheet.lineSpacing = std::numeric_limits<int>::max();
    sheet.questionLines = {"A", "B"};
    ASSERT_TRUE(render());
    const std::vector<Call> lines = canvas.callsOf(Kind::Line);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0].from, (Point{far, 30}));
    EXPECT_EQ(lines[0].to, (Point{630 + far, 30}));
    EXPECT_EQ(tables.runStartTable[1], (Point{far, 98}));
    EXPECT_EQ(tables.runStartTable[2], (Point{far, far}));
    ASSERT_TRUE(FindRun(canvas, "B"));
    EXPECT_EQ(FindRun(canvas, "B")->from, (Point{far, far + 7}));
}

TEST_F(RenderSheetTest, MarkupSizeCarriesOnWithinARenderButNotToTheNext)
{
    sheet.questionLines = {"<+>a", "b"};
    ASSERT_TRUE(render());
    EXPECT_EQ(RunsAt(canvas, 105).at(0).fontSize, 14);
    EXPECT_EQ(RunsAt(canvas, 137).at(0).fontSize, 14) << "the next line keeps the size";
    ASSERT_TRUE(render());
    EXPECT_EQ(RunsAt(canvas, 105).at(0).fontSize, 14) << "not 16: every render starts at 0";
    EXPECT_EQ(tables.markupSizeOffset, 2);
}

TEST_F(RenderSheetTest, PrinterScalesLengthsFontsAndFields)
{
    sheet.questionLines = {J("例#ab#c")};
    sheet.kranValues[0] = "1";
    sheet.printTag = "t";
    context.printStampBox = true;
    context.classFlagBox = true;
    context.numberSheets = false;
    ASSERT_TRUE(render()); // collects the fields in screen pixels
    EXPECT_EQ(tables.answerFieldTable[1].x, 66);

    tables.collectAnswerFields = false;
    sheet.answersShown = true;
    ASSERT_TRUE(renderOnPrinter());
    EXPECT_TRUE(tables.renderingToPrinter);

    const std::vector<Call> lines = printer.callsOf(Kind::Line);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0].from, (Point{100, 60}));
    EXPECT_EQ(lines[0].to, (Point{1160, 60}));
    EXPECT_EQ(lines[0].penWidth, 4);
    EXPECT_EQ(RunsAt(printer, 30).at(0).fontSize, 13);
    EXPECT_EQ(RunsAt(printer, 30).at(0).from.x, 100);
    EXPECT_EQ(RunsAt(printer, 130).at(0).fontSize, 19);
    EXPECT_EQ(RunsAt(printer, 130).at(0).from.x, 400);

    // Line top 130 + 40 + round(26.775) = 197, text round(13.464) = 13 lower, base 12 + 3.
    const std::vector<Call> runs = RunsAt(printer, 210);
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0].from, (Point{100, 210}));
    EXPECT_EQ(runs[0].fontSize, 15);
    EXPECT_EQ(runs[1].from, (Point{120, 210}));
    EXPECT_EQ(runs[1].text, "ab");
    EXPECT_EQ(runs[2].from, (Point{140, 210}));
    EXPECT_EQ(tables.pieceXTable[1], 100);
    EXPECT_EQ(tables.answerFieldTable[1].x, 66) << "printing does not recollect";

    // The field of the screen table at printer scale, its left edge moved by 3 %.
    const std::vector<Call> boxes = printer.callsOf(Kind::Rectangle);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].rect, (Rect{136, 200, 192, 254}));
    EXPECT_EQ(boxes[0].penWidth, 2);
}

TEST_F(RenderSheetTest, PrinterSizeTagsUseTheFactorOnePointOne)
{
    context.mojiSize = 10; // base 13 on the printer
    sheet.questionLines = {"<+>a<4>b<=>c"};
    ASSERT_TRUE(renderOnPrinter());
    const std::vector<Call> texts = printer.callsOf(Kind::Text);
    ASSERT_GE(texts.size(), 3u);
    const std::size_t n = texts.size();
    EXPECT_EQ(texts[n - 3].fontSize, 16); // round(15 × 1.1) = round(16.5), halves to even
    EXPECT_EQ(texts[n - 2].fontSize, 22); // round(4 × 2 × 1.1 + 13) = round(21.8)
    EXPECT_EQ(texts[n - 1].fontSize, 13);
}

TEST_F(RenderSheetTest, LearnerAnswersArePaddedAndQuestionsKeepTheirCollectedPlaces)
{
    sheet.questionLines = {"Q#abcdef#R#xy#E"};
    ASSERT_TRUE(render());
    EXPECT_EQ(tables.pieceXTable[1], 50);
    EXPECT_EQ(tables.pieceXTable[2], 106);

    tables.collectAnswerFields = false;
    tables.showLearnerAnswers = true;
    sheet.answersShown = true;
    tables.learnerAnswers[1] = "ab";
    tables.learnerAnswers[2] = "";
    ASSERT_TRUE(render());
    std::vector<Call> runs = RunsAt(canvas, 105);
    ASSERT_EQ(runs.size(), 5u);
    EXPECT_EQ(U(runs[1].text), "　ab　") << "padded to the 6 bytes of abcdef";
    EXPECT_EQ(runs[1].from.x, 58);
    EXPECT_EQ(runs[2].from.x, 106);
    EXPECT_EQ(U(runs[3].text), "　") << "an empty answer: blanks cut to 2 bytes";

    // A longer answer is drawn whole, and the next question still starts at its place; on the
    // printer that place is scaled.
    tables.learnerAnswers[1] = "abcdefgh";
    ASSERT_TRUE(renderOnPrinter());
    runs = RunsAt(printer, 210);
    ASSERT_EQ(runs.size(), 5u);
    EXPECT_EQ(runs[1].text, "abcdefgh");
    EXPECT_EQ(runs[1].to.x, 190);
    EXPECT_EQ(runs[2].from.x, 212);
    EXPECT_EQ(tables.answerFieldCount, 2);
    EXPECT_EQ(tables.answerFieldTable[1].x, 58);
}

TEST_F(RenderSheetTest, EightyAnswersFitAndTheEightyFirstStopsTheRender)
{
    std::string eighty;
    for (int i = 0; i < 80; ++i)
        eighty += "q#a#";
    sheet.questionLines = {eighty};
    ASSERT_TRUE(render());
    EXPECT_EQ(tables.answerFieldCount, 80);
    EXPECT_TRUE(messages.empty());

    sheet.questionLines = {"x", eighty + "q#a#"};
    EXPECT_FALSE(render());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(U(messages[0].text),
              "解答欄が多すぎます。問題の2行目で80個を超えたため、描画を中止しました");
    EXPECT_EQ(tables.answerFieldCount, 80);
    EXPECT_EQ(sheet.answerCursor, 80);
}

TEST_F(RenderSheetTest, TwoHundredFortyPiecesFitAndOneMoreStopsTheRender)
{
    sheet.questionLines.assign(240, "x");
    ASSERT_TRUE(render());
    EXPECT_TRUE(messages.empty());

    sheet.questionLines.push_back("y");
    EXPECT_FALSE(render());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(U(messages[0].text),
              "文字列の区切りが多すぎます。問題の241行目で240個を超えたため、描画を中止しました");
    EXPECT_FALSE(FindRun(canvas, "y"));
}

TEST_F(RenderSheetTest, ScoreInRedBesideItsMark)
{
    sheet.scoreShown = true;
    context.practiceScore = 67;
    tables.answerFieldCount = 3;
    ASSERT_TRUE(render());
    const std::optional<Call> score = FindRun(canvas, "67");
    ASSERT_TRUE(score);
    EXPECT_EQ(score->from, (Point{505, 35}));
    EXPECT_EQ(score->fontColor, kRed);
    EXPECT_EQ(score->fontSize, 36);
    EXPECT_TRUE(score->textTransparent);
    const std::optional<Call> mark = FindRun(canvas, J("点"));
    ASSERT_TRUE(mark);
    EXPECT_EQ(mark->from, (Point{553, 50}));
    EXPECT_EQ(mark->fontSize, 22);

    tables.answerFieldCount = 0;
    ASSERT_TRUE(render());
    EXPECT_FALSE(FindRun(canvas, "67"));
}

TEST_F(RenderSheetTest, FieldsAndPicturesComeAfterTheText)
{
    sheet.questionLines = {"Q#ab#"};
    sheet.kranValues[0] = "5";
    sheet.graphLines = {"map.bmp", "-1", "-1"};
    auto picture = std::make_shared<FakePicture>();
    sheet.graphs.figures[1].question = picture;
    sheet.graphs.classFlag = picture;
    context.classFlagBox = true;
    ASSERT_TRUE(render());

    ASSERT_GE(canvas.calls().size(), 3u);
    const std::size_t n = canvas.calls().size();
    EXPECT_EQ(canvas.calls()[n - 3].kind, Kind::RoundRect);
    EXPECT_EQ(canvas.calls()[n - 2].kind, Kind::Stretch);
    // The flag at the left margin, round(30 + (60 − 48) × 0.5) from the page top.
    EXPECT_EQ(canvas.calls()[n - 2].rect, (Rect{50, 36, 98, 84}));
    // Graph 1 beside text piece 1 (50, 98), and that place written back.
    EXPECT_EQ(canvas.calls()[n - 1].rect, (Rect{90, 98, 210, 178}));
    EXPECT_EQ(sheet.graphLines[1], "90");
    EXPECT_EQ(sheet.graphLines[2], "98");
}

TEST_F(RenderSheetTest, DisabledDrawingDrawsNothing)
{
    sheet.questionLines = {"a#b#"};
    context.sheetDrawingEnabled = false;
    EXPECT_TRUE(render(/*toPrinter=*/true));
    EXPECT_TRUE(tables.renderingToPrinter);
    EXPECT_TRUE(canvas.calls().empty());
    EXPECT_EQ(tables.answerFieldCount, 0);
}

TEST_F(RenderSheetTest, FontSettersDoNotFollowTheCharacterCount)
{
    sheet.answersShown = true;
    sheet.questionLines.assign(60, J("日本の首都は#東京#です"));
    ASSERT_TRUE(render());
    const int shortLines = canvas.fontSetCount();
    sheet.questionLines.assign(60,
                               J("日本の首都はどこでしょう、日本の首都は#東京東京東京#ですです"));
    ASSERT_TRUE(render());
    EXPECT_EQ(canvas.fontSetCount(), shortLines);
}

} // namespace
} // namespace zelkon
