// A whole page from any master file: a unit read from the bytes and taken into a worksheet as a
// new sheet takes it, then drawn as its page picture, as the practice picture with learner
// answers and on a printer page, with the answer fields and the graph pictures. A render that
// stops says why; at most 80 answers are recorded, each the piece between a pair of "#" marks
// that the editor extracts too, and a sheet drawn on screen draws on the printer as well.
#include "fuzz_support.h"

#include "authoring/answer_marks.h"
#include "common/cp932.h"
#include "common/sjis_text.h"
#include "master/unit_reader.h"
#include "sheet/answer_fields.h"
#include "sheet/graph_placement.h"
#include "sheet/layout_blocks.h"
#include "sheet/paper.h"
#include "sheet/recording_canvas.h"
#include "sheet/render_sheet.h"
#include "sheet/worksheet_document.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace zelkon;

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

// A bitmap of a fixed size for the graph slots and the class flag.
class FakePicture : public Picture
{
public:
    int width() const override { return 120; }
    int height() const override { return 80; }
};

// The units of the demo master files.
constexpr std::array<std::string_view, 7> kHeaders{
    "[[unit1", "[[unit2", "[[unit3", "[[unit4", "[[unit1R1", "[[unit1R2", "[[unit2R1"};

// The four field states practice writes, and the open one.
constexpr std::array<std::int32_t, 5> kStates{
    kFieldOpen, kFieldRight, kFieldWrong, kFieldNotJudged, kFieldRightAfterReveal};

// The program takes the answer-field allowances from the sheet's kran lines as they stand; the
// panel's spin boxes hold −9999 to 9999.
struct Allowance
{
    bool fromKranLine = true;
    int panelValue = 0;

    int of(const std::string &kranLine) const
    {
        return fromKranLine ? ParseDecimalInt(kranLine).value_or(0) : panelValue;
    }
};

Allowance ConsumeAllowance(FuzzedDataProvider &provider)
{
    return {provider.ConsumeBool(), provider.ConsumeIntegralInRange(-9999, 9999)};
}

// One render with its contract: false only with a message, at most 80 answers listed.
bool Render(Worksheet &sheet,
            RenderTables &tables,
            Canvas &canvas,
            bool toPrinter,
            const RenderContext &context)
{
    Messages messages;
    const bool ok = RenderSheet(sheet, tables, canvas, toPrinter, context, messages);
    Require(ok || !messages.empty());
    Require(!sheet.answerList.empty() && sheet.answerList.front() == "start");
    Require(sheet.answerList.size() <= static_cast<std::size_t>(kMaxAnswerFields) + 1);
    Require(tables.answerFieldCount >= 0 && tables.answerFieldCount <= kMaxAnswerFields);
    Require(tables.renderingToPrinter == toPrinter);
    return ok;
}

// The fields of a complete collecting render are the listed answers, the pieces the editor
// extracts, one for one.
void CheckFields(const Worksheet &sheet, const RenderTables &tables)
{
    const std::vector<std::string> extracted = ExtractAnswers(sheet.questionLines);
    Require(sheet.answerList.size() == extracted.size() + 1);
    Require(static_cast<std::size_t>(tables.answerFieldCount) == extracted.size());
    for (std::size_t i = 1; i < sheet.answerList.size(); ++i) {
        Require(tables.answerFieldTable[i].answerText == sheet.answerList[i]);
        Require(TrimAnswer(sheet.answerList[i]) == extracted[i - 1]);
    }
}

// The geometry and every shape and mark of each recorded field.
void DrawFieldsEveryWay(const RenderTables &tables, const FieldLayout &layout, int panelWidth)
{
    RecordingCanvas canvas;
    for (int i = 1; i <= tables.answerFieldCount; ++i) {
        const AnswerField &field = tables.answerFieldTable[i];
        FieldRect(field, layout);
        FrameRect(field, layout);
        MarkRect(field, layout);
        AnswerBoxRect(field, layout, panelWidth);
        for (const FieldShape shape : {FieldShape::None,
                                       FieldShape::Box,
                                       FieldShape::SquareBrackets,
                                       FieldShape::LenticularBrackets,
                                       FieldShape::Underline,
                                       FieldShape::RoundedBox})
            DrawFieldShape(canvas, field, shape, layout, kBlack);
        RingsMark(canvas, field, layout, 2, kRed);
        SlashMark(canvas, field, layout, kRed);
        CrossMark(canvas, field, layout, kRed);
        canvas.clear();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider provider(data, size);
    const std::string_view header = provider.PickValueInArray(kHeaders);
    SheetCreationContext creation;
    creation.answersShown = provider.ConsumeBool();
    creation.fixedPaper = provider.ConsumeBool();
    creation.selectedPaperWidth = provider.PickValueInArray(kPaperTable).pageSize.width;
    creation.lessonName = Utf8ToCp932("地理");
    creation.sectionName = Utf8ToCp932("東北地方");
    creation.unitName = Utf8ToCp932("県庁所在地");
    creation.sheetKey = "C:\\zelkon\\chiri\\ch1.que-U1";
    creation.printTag = provider.ConsumeBool() ? "ch1.que-U1" : std::string(70, 'a') + ".que-U1";
    // Activation shows the sheet's values in spin boxes; a value already shown there is not
    // written back, so a sheet may be drawn with the values of its file as they stand.
    const bool heldToControls = provider.ConsumeBool();

    RenderContext context;
    context.mojiSize = provider.ConsumeIntegralInRange(8, 50);
    context.showAlternatives = provider.ConsumeBool();
    context.numberSheets = provider.ConsumeBool();
    context.sheetNumber = provider.ConsumeIntegralInRange(1, 100);
    context.schoolName = provider.ConsumeBool() ? Utf8ToCp932("桜塾") : std::string();
    context.learnerName = Utf8ToCp932("山田");
    context.practiceScore = provider.ConsumeIntegralInRange(0, 100);
    context.now = {2024, 3, 7, 9, 5};
    const bool learnerNameShown = provider.ConsumeBool();
    const bool pictures = provider.ConsumeBool();
    const bool scored = provider.ConsumeBool();
    const bool practice = provider.ConsumeBool();
    const int printerScale = provider.ConsumeIntegralInRange(1, 8);
    const int panelWidth = provider.ConsumeIntegralInRange(0, 1000);
    const Allowance widthAllowance = ConsumeAllowance(provider);
    const Allowance heightAllowance = ConsumeAllowance(provider);
    // Choices that depend on what the file holds: pictures, field states, learner answers.
    std::minstd_rand random(provider.ConsumeIntegral<std::uint32_t>());
    const std::string file = provider.ConsumeRemainingBytesAsString();

    const ReadContext readContext{
        creation.lessonName, creation.sectionName, creation.unitName, nullptr};
    ReaderState readerState;
    UnitRecord record;
    Messages messages;
    if (!ReadUnitFromBytes(
            file, header, 1, 1, ReadMode::Master, readContext, readerState, record, messages))
        return 0;

    Worksheet sheet;
    RenderTables tables;
    ResetRenderTablesForNewSheet(tables);
    TakeUnitRecord(sheet, record, creation, messages);
    sheet.learnerNameShown = learnerNameShown;
    if (heldToControls) {
        TakeFontSize(sheet, sheet.fontSize);
        TakeLineSpacing(sheet, sheet.lineSpacing);
        TakeLeftMargin(sheet, sheet.leftMargin);
        TakeRightMargin(sheet, sheet.rightMargin);
        TakeStartNumber(sheet, sheet.startNumber);
    }
    context.classFlagBox = (sheet.optionFlags & kClassFlagOption) != 0;
    context.dateLineBox = (sheet.optionFlags & kDateLineOption) != 0;
    context.printStampBox = (sheet.optionFlags & kPrintStampOption) != 0;
    const PaperSpec picture = PaperEntryOf(PaperChoiceForWidth(sheet.paper.width)).pageSize;
    context.pictureWidth = picture.width;
    context.pictureHeight = picture.height;
    context.fieldWidthAllowance = widthAllowance.of(sheet.kranValues[1]);
    context.fieldHeightAllowance = heightAllowance.of(sheet.kranValues[2]);
    if (pictures) {
        const auto bitmap = std::make_shared<FakePicture>();
        sheet.graphs.classFlag = bitmap;
        for (GraphSlot &slot : sheet.graphs.figures) {
            if (random() % 2 == 0)
                slot.question = bitmap;
            if (random() % 2 == 0)
                slot.answer = bitmap;
        }
    }

    // The sheet's own page, recording its fields.
    RecordingCanvas screen(picture.width, picture.height);
    tables.collectAnswerFields = true;
    const bool drawn = Render(sheet, tables, screen, false, context);
    if (drawn)
        CheckFields(sheet, tables);
    Require(GraphCount(sheet.graphLines) <= kMaxGraphs);

    FieldLayout layout;
    layout.widthAllowance = context.fieldWidthAllowance;
    layout.heightAllowance = context.fieldHeightAllowance;
    layout.boxHeight = DefaultInputBoxHeight(context.mojiSize);
    DrawFieldsEveryWay(tables, layout, panelWidth);

    if (scored) {
        sheet.scoreShown = true;
        for (int i = 1; i <= tables.answerFieldCount; ++i)
            tables.answerFieldTable[i].state = kStates[random() % kStates.size()];
    }

    // Practice: the learner's answers in place of the correct ones, over the recorded fields.
    tables.collectAnswerFields = false;
    if (practice) {
        // Pieces of the file, as typed answers are any text the input box takes.
        for (int i = 1; i <= tables.answerFieldCount; ++i) {
            const std::size_t from = random() % (file.size() + 1);
            tables.learnerAnswers[i] = file.substr(from, random() % 41);
        }
        tables.showLearnerAnswers = true;
        RecordingCanvas practicePicture(picture.width, picture.height);
        Require(Render(sheet, tables, practicePicture, false, context) == drawn);
    }

    RecordingCanvas printer(picture.width * printerScale, picture.height * printerScale);
    Require(Render(sheet, tables, printer, true, context) == drawn);
    layout.s = printer.width() / 630.0;
    layout.toPrinter = true;
    DrawFieldsEveryWay(tables, layout, panelWidth);
    return 0;
}
