// The master file editor's rules over any master file: the answer marks of a unit's question
// lines (or of any lines) checked and extracted, the choice block built, counted and merged with
// the dummies, the two markups, the layout block check, and a unit read into the editor's areas
// and stored back, which gives the same areas and leaves every other line as it was.
#include "fuzz_support.h"

#include "authoring/answer_marks.h"
#include "authoring/layout_check.h"
#include "authoring/unit_areas.h"
#include "authoring/unit_store.h"
#include "common/cp932.h"
#include "common/line_file.h"
#include "common/sjis_text.h"
#include "sheet/marked_text.h"
#include "sheet/recording_canvas.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace zelkon;
using Lines = std::vector<std::string>;

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

constexpr std::array<std::string_view, 6> kHeaders{
    "[[unit1", "[[unit2", "[[unit3", "[[unit1R1", "[[unit2R1", "[[unit9"};

std::size_t Marks(std::string_view line)
{
    return static_cast<std::size_t>(std::count(line.begin(), line.end(), '#'));
}

bool AreasEqual(const UnitAreas &a, const UnitAreas &b)
{
    return a.question == b.question && a.dummy == b.dummy && a.choice == b.choice
           && a.hint == b.hint && a.questionGraph == b.questionGraph
           && a.answerGraph == b.answerGraph && a.layout == b.layout;
}

bool Contains(const Lines &lines, const std::string &line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// Whether `part` is `whole` with some lines left out, the rest in order.
bool IsSubsequence(const Lines &part, const Lines &whole)
{
    auto at = whole.begin();
    for (const std::string &line : part) {
        at = std::find(at, whole.end(), line);
        if (at == whole.end())
            return false;
        ++at;
    }
    return true;
}

void CheckMarks(const Lines &questionLines)
{
    Messages messages;
    const std::optional<int> failing = CheckAnswerMarks(questionLines, messages);
    if (!failing) {
        Require(messages.empty());
        Require(std::any_of(questionLines.begin(), questionLines.end(), [](const std::string &l) {
            return Marks(l) > 0;
        }));
        for (const std::string &line : questionLines) {
            Require(Marks(line) % 2 == 0);
            const Lines pieces = SplitAtHash(line);
            for (std::size_t i = 1; i + 1 < pieces.size(); i += 2)
                Require(!pieces[i].empty());
        }
        return;
    }
    Require(messages.size() == 1);
    const int index = *failing;
    Require(index >= 0
            && static_cast<std::size_t>(index) < std::max<std::size_t>(questionLines.size(), 1));
    if (messages.front().line == 0) {
        Require(index == 0);
        for (const std::string &line : questionLines)
            Require(Marks(line) == 0);
        return;
    }
    Require(messages.front().line == index + 1);
    Require(Marks(questionLines[static_cast<std::size_t>(index)]) > 0);
    for (int i = 0; i < index; ++i)
        Require(Marks(questionLines[static_cast<std::size_t>(i)]) % 2 == 0);
}

// One answer per pair of marks, trimmed: no full-width blank left at either end, no mark.
Lines CheckExtraction(const Lines &questionLines)
{
    const Lines answers = ExtractAnswers(questionLines);
    std::size_t pairs = 0;
    for (const std::string &line : questionLines)
        pairs += Marks(line) / 2;
    Require(answers.size() == pairs);
    for (const std::string &answer : answers) {
        Require(Marks(answer) == 0);
        Require(!answer.starts_with(kFullWidthSpace));
        const std::vector<std::string> characters = SplitCharacters(answer);
        Require(characters.empty() || characters.back() != kFullWidthSpace);
    }
    return answers;
}

void CheckChoices(const Lines &answers, const Lines &dummies, bool digitFilter, bool labelFilter)
{
    Lines all;
    for (const std::string &answer : answers) {
        if (answer.empty())
            continue;
        const Lines alternatives = SplitAlternatives(answer);
        all.insert(all.end(), alternatives.begin(), alternatives.end());
    }
    Require(BuildChoices(answers, false, false) == all);

    Lines choices = BuildChoices(answers, digitFilter, labelFilter);
    Require(IsSubsequence(choices, all));
    if (digitFilter) {
        static const Lines digits = SplitCharacters(Utf8ToCp932("０１２３４５６７８９"));
        for (const std::string &choice : choices) {
            Require(choice.size() >= 2);
            const Lines characters = SplitCharacters(choice);
            Require(std::any_of(characters.begin(), characters.end(), [](const std::string &c) {
                return !Contains(digits, c);
            }));
        }
    }

    std::int64_t characters = 0;
    for (const std::string &choice : choices)
        characters += static_cast<std::int64_t>(choice.size() / 2);
    Require(ChoiceCharacterCount(choices) == characters);

    const Lines before = choices;
    MergeDummies(choices, dummies);
    Require(choices.size() >= before.size());
    Require(std::equal(before.begin(), before.end(), choices.begin()));
    for (std::size_t i = before.size(); i < choices.size(); ++i) {
        Require(!choices[i].empty());
        Require(Contains(dummies, choices[i]));
        Require(!Contains(before, choices[i]));
        Require(std::find(
                    choices.begin() + static_cast<std::ptrdiff_t>(i) + 1, choices.end(), choices[i])
                == choices.end());
    }
    for (const std::string &dummy : dummies)
        Require(dummy.empty() || Contains(choices, dummy));
}

// A selection made an answer field is one pair of marks around a non-empty answer; made an
// underlined bracket, the page draws it underlined in its brackets, tags gone.
void CheckMarkups(const std::string &selected)
{
    if (Marks(selected) == 0) {
        Messages messages;
        const std::string line = AnswerFieldMarkup(selected);
        Require(!CheckAnswerMarks({line}, messages));
        Require(ExtractAnswers({line}).size() == 1);
    }
    if (selected.find('<') != std::string::npos)
        return;
    RecordingCanvas canvas;
    RenderTables tables;
    MarkupState state;
    DrawMarkedText(canvas, tables, state, UnderlineBracketMarkup(selected), {0, 0});
    std::string drawn;
    for (const RecordingCanvas::Call &call : canvas.calls()) {
        Require((call.fontStyle & kUnderline) != 0);
        drawn += call.text;
    }
    Require(drawn == Utf8ToCp932("（") + selected + Utf8ToCp932("）"));
}

void CheckLayout(const Lines &lines)
{
    static const std::array<std::string_view, 3> keywords{"<<value", "<<font", "<<kran"};
    Messages messages;
    if (CheckLayoutBlocks(lines, messages)) {
        Require(messages.empty());
        return;
    }
    Require(messages.size() == 1);
    const int line = messages.front().line;
    Require(line >= 1 && static_cast<std::size_t>(line) <= lines.size());
    Require(std::find(keywords.begin(), keywords.end(), lines[static_cast<std::size_t>(line - 1)])
            != keywords.end());
}

// Reading a unit into the areas and storing them back.
void CheckStore(const Lines &lines, std::string_view header, std::string_view otherHeader)
{
    const std::optional<UnitAreas> areas = ReadUnitAreas(lines, header);
    const std::optional<UnitSpan> span = FindUnitSpan(lines, header);
    Require(areas.has_value() == span.has_value());
    Require(areas.has_value() == Contains(lines, std::string(header)));
    if (!areas)
        return;
    Require(lines[span->first] == header);
    Require(
        std::find(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(span->first), header)
        == lines.begin() + static_cast<std::ptrdiff_t>(span->first));
    Require(span->first < span->end && span->end <= lines.size());
    Require(span->end == lines.size() || lines[span->end - 1] == "]]");
    CheckLayout(areas->layout);

    const Lines unit = ComposeUnitText(header, *areas);
    Lines stored = lines;
    StoreUnitText(stored, header, *areas);
    Require(stored.size() == lines.size() - (span->end - span->first) + unit.size());
    Require(std::equal(
        lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(span->first), stored.begin()));
    Require(std::equal(
        unit.begin(), unit.end(), stored.begin() + static_cast<std::ptrdiff_t>(span->first)));
    Require(std::equal(lines.begin() + static_cast<std::ptrdiff_t>(span->end),
                       lines.end(),
                       stored.begin() + static_cast<std::ptrdiff_t>(span->first + unit.size())));
    const std::optional<UnitAreas> again = ReadUnitAreas(stored, header);
    Require(again && AreasEqual(*again, *areas));

    // Another unit stored under a header the lines lack goes after the last line.
    if (!Contains(lines, std::string(otherHeader))) {
        Lines appended = lines;
        StoreUnitText(appended, otherHeader, *areas);
        const Lines other = ComposeUnitText(otherHeader, *areas);
        Require(appended.size() == lines.size() + other.size());
        Require(std::equal(lines.begin(), lines.end(), appended.begin()));
        Require(std::equal(other.begin(),
                           other.end(),
                           appended.begin() + static_cast<std::ptrdiff_t>(lines.size())));
    }

    // "上書き保存" with the layout and graphs of another unit of the file.
    const std::optional<UnitAreas> sheetUnit = ReadUnitAreas(lines, otherHeader);
    if (!sheetUnit)
        return;
    Lines overwritten = lines;
    Require(OverwriteUnit(overwritten, header, *sheetUnit));
    const std::optional<UnitAreas> written = ReadUnitAreas(overwritten, header);
    Require(written.has_value());
    UnitAreas expected = *areas;
    expected.layout = sheetUnit->layout;
    expected.questionGraph = sheetUnit->questionGraph;
    expected.answerGraph = sheetUnit->answerGraph;
    Require(AreasEqual(*written, expected));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider provider(data, size);
    const std::string_view header = provider.PickValueInArray(kHeaders);
    const std::string_view otherHeader = provider.PickValueInArray(kHeaders);
    const bool digitFilter = provider.ConsumeBool();
    const bool labelFilter = provider.ConsumeBool();
    const bool wholeLines = provider.ConsumeBool();
    const Lines lines = SplitLines(provider.ConsumeRemainingBytesAsString());

    // The question and dummy lines: a unit's areas, or the lines themselves split in two.
    Lines questionLines;
    Lines dummies;
    const std::optional<UnitAreas> areas = ReadUnitAreas(lines, header);
    if (areas && !wholeLines) {
        questionLines = areas->question;
        dummies = areas->dummy;
    } else {
        const std::size_t half = lines.size() / 2;
        questionLines.assign(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(half));
        dummies.assign(lines.begin() + static_cast<std::ptrdiff_t>(half), lines.end());
    }

    CheckMarks(questionLines);
    const Lines answers = CheckExtraction(questionLines);
    CheckChoices(answers, dummies, digitFilter, labelFilter);
    // Selections: the first dummy lines, whatever bytes they hold.
    for (std::size_t i = 0; i < dummies.size() && i < 64; ++i)
        CheckMarkups(dummies[i]);
    CheckLayout(lines);
    CheckStore(lines, header, otherHeader);
    return 0;
}
