// Reading the value, font and kran blocks into a worksheet, and writing them from it.
#include "sheet/layout_blocks.h"

#include "common/cp932.h"
#include "sheet/paper.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace zelkon {

namespace {

constexpr std::string_view kValueKeyword = "<<value";
constexpr std::string_view kFontKeyword = "<<font";
constexpr std::string_view kKranKeyword = "<<kran";
constexpr std::string_view kKgroupKeyword = "<<kgroup";
constexpr std::string_view kBlockEnd = ">>";
constexpr std::string_view kTrue = "True";
constexpr std::string_view kFalse = "False";

// Values a new unit is created with; a line that should be a number and is not falls back on
// them. Value line 1 (the answer display) is never read, so its entry is unused.
constexpr std::array<std::int32_t, 7> kNewUnitValues{630, 0, 40, 5, 5, 1, 7};
constexpr std::int32_t kNewUnitFontSize = 12;
constexpr std::array<std::string_view, 10> kNewUnitKran{
    "5", "15", "2", "0", "0", "0", "15", "10", "0", "0"};
// Nothing reads the last kran line, so whatever a file holds there is carried unchecked.
constexpr std::size_t kReservedKranLine = 9;

constexpr std::int32_t kFlagsFromTrueFalse = 7;
constexpr std::int32_t kMaxOptionFlags = 15;

std::string_view LineAt(const std::vector<std::string> &lines, std::size_t index)
{
    return index < lines.size() ? std::string_view(lines[index]) : std::string_view();
}

bool IsTrueOrFalse(std::string_view text)
{
    return text == kTrue || text == kFalse;
}

void AddNotNumberMessage(std::string_view keyword,
                         std::size_t index,
                         std::string_view text,
                         std::string_view fallback,
                         Messages &messages)
{
    messages.push_back({std::string(keyword) + Utf8ToCp932(" ブロックの ")
                            + std::to_string(index + 1) + Utf8ToCp932(" 行目「") + std::string(text)
                            + Utf8ToCp932("」は数値ではありません。既定値 ") + std::string(fallback)
                            + Utf8ToCp932(" を使います"),
                        0});
}

std::int32_t IntOrDefault(std::string_view keyword,
                          const std::vector<std::string> &lines,
                          std::size_t index,
                          std::int32_t fallback,
                          Messages &messages)
{
    const std::string_view text = LineAt(lines, index);
    if (const std::optional<std::int32_t> value = ParseDecimalInt(text))
        return *value;
    AddNotNumberMessage(keyword, index, text, std::to_string(fallback), messages);
    return fallback;
}

std::string Flag(bool on)
{
    return std::string(on ? kTrue : kFalse);
}

void WriteValueFontKran(const Worksheet &sheet,
                        std::int32_t currentPaperWidth,
                        std::vector<std::string> &list)
{
    AppendBlock(list,
                kValueKeyword,
                {std::to_string(currentPaperWidth),
                 Flag(sheet.answersShown),
                 std::to_string(sheet.lineSpacing),
                 std::to_string(sheet.leftMargin),
                 std::to_string(sheet.rightMargin),
                 std::to_string(sheet.startNumber),
                 std::to_string(sheet.optionFlags)});
    const DialogFont &font = sheet.dialogFont;
    AppendBlock(list,
                kFontKeyword,
                {std::to_string(sheet.fontSize),
                 font.name,
                 Flag(font.bold),
                 Flag(font.italic),
                 Flag(font.underline),
                 Flag(font.strikeOut),
                 sheet.sheetFontName});
    AppendBlock(list, kKranKeyword, {sheet.kranValues.begin(), sheet.kranValues.end()});
}

} // namespace

void AppendBlock(std::vector<std::string> &list,
                 std::string_view keyword,
                 const std::vector<std::string> &lines)
{
    list.emplace_back(keyword);
    list.insert(list.end(), lines.begin(), lines.end());
    list.emplace_back(kBlockEnd);
}

std::optional<std::int32_t> ParseDecimalInt(std::string_view text)
{
    std::int32_t value = 0;
    const char *end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

void ApplyDefaultLayout(Worksheet &sheet)
{
    sheet.paper = {0, 630, 891};
    sheet.fontSize = 14;
    sheet.lineSpacing = 30;
    sheet.leftMargin = 5;
    sheet.rightMargin = 5;
    sheet.startNumber = 1;
    sheet.optionFlags = 7;
}

void ApplyValueBlock(Worksheet &sheet,
                     const std::vector<std::string> &lines,
                     std::optional<std::int32_t> fixedPaperWidth,
                     Messages &messages)
{
    const auto value = [&](std::size_t index) {
        return IntOrDefault(kValueKeyword, lines, index, kNewUnitValues[index], messages);
    };

    std::int32_t width = 0;
    if (fixedPaperWidth)
        width = *fixedPaperWidth;
    else if (IsTrueOrFalse(LineAt(lines, 0)))
        width = kNewUnitValues[0];
    else
        width = value(0);
    sheet.paper = {0, width, PageHeightForWidth(width)};

    sheet.lineSpacing = value(2);
    sheet.leftMargin = value(3);
    sheet.rightMargin = value(4);
    sheet.startNumber = value(5);
    sheet.optionFlags = IsTrueOrFalse(LineAt(lines, 6)) ? kFlagsFromTrueFalse
                                                        : std::min(value(6), kMaxOptionFlags);
}

void ApplyFontBlock(Worksheet &sheet,
                    const std::vector<std::string> &lines,
                    std::string_view defaultSheetFontName,
                    Messages &messages)
{
    const std::int32_t size = IntOrDefault(kFontKeyword, lines, 0, kNewUnitFontSize, messages);
    sheet.dialogFont = DialogFont{std::string(LineAt(lines, 1)),
                                  size,
                                  LineAt(lines, 2) == kTrue,
                                  LineAt(lines, 3) == kTrue,
                                  LineAt(lines, 4) == kTrue,
                                  LineAt(lines, 5) == kTrue};
    sheet.fontSize = size;
    const std::string_view face = LineAt(lines, 6);
    sheet.sheetFontName = std::string(face == "0" ? defaultSheetFontName : face);
}

void ApplyKranBlock(Worksheet &sheet, const std::vector<std::string> &lines, Messages &messages)
{
    for (std::size_t i = 0; i < sheet.kranValues.size(); ++i) {
        std::string text = i < lines.size() ? lines[i] : std::string("0");
        if (i != kReservedKranLine && !ParseDecimalInt(text)) {
            AddNotNumberMessage(kKranKeyword, i, text, kNewUnitKran[i], messages);
            text = kNewUnitKran[i];
        }
        sheet.kranValues[i] = std::move(text);
    }
}

void WriteLayoutBlocks(const Worksheet &sheet,
                       std::int32_t currentPaperWidth,
                       std::vector<std::string> &list)
{
    WriteValueFontKran(sheet, currentPaperWidth, list);
    AppendBlock(list, kKgroupKeyword, sheet.kgroupLines);
}

EditorLayoutTexts WriteLayoutToEditor(const Worksheet &sheet, std::int32_t currentPaperWidth)
{
    EditorLayoutTexts texts;
    WriteValueFontKran(sheet, currentPaperWidth, texts.layout);
    texts.graph = sheet.graphLines;
    texts.answerGraph = sheet.answerGraphLines;
    return texts;
}

} // namespace zelkon
