// Reading the title index.
#include "launcher/title_index.h"

#include "common/cp932.h"
#include "common/line_file.h"
#include "common/path.h"
#include "common/sjis_text.h"

namespace zelkon {

namespace {

// "," is never the second byte of a character, so the fields are split byte by byte.
std::vector<std::string> SplitAtComma(std::string_view line)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = line.find(',', start);
        fields.emplace_back(line.substr(start, comma - start));
        if (comma == std::string_view::npos)
            return fields;
        start = comma + 1;
    }
}

} // namespace

std::string ProgramNameOf(std::string_view field)
{
    constexpr std::size_t kLength = 8;
    std::size_t end = 0;
    while (end < field.size()) {
        const std::size_t next = end + CharLengthAt(field, end);
        if (next > kLength)
            break;
        end = next;
    }
    return AsciiLower(field.substr(0, end));
}

TitleIndexReading ParseTitleIndex(const std::vector<std::string> &lines)
{
    TitleIndexReading reading;
    if (!lines.empty())
        reading.index.caption = lines[0];
    if (lines.size() < 2) {
        reading.messages.push_back(
            {Utf8ToCp932("タイトル一覧に行が足りません。1行目に見出し、2行目に更新の記録が"
                         "要ります"),
             static_cast<int>(lines.size()) + 1});
        return reading;
    }
    reading.index.lastUpdate = lines[1];
    for (std::size_t i = 2; i < lines.size(); ++i) {
        const std::string &line = lines[i];
        const int lineNumber = static_cast<int>(i) + 1;
        const std::vector<std::string> fields = SplitAtComma(line);
        if (fields.size() != 4) {
            reading.messages.push_back({line + Utf8ToCp932(" DATAが不正です"), lineNumber});
            continue;
        }
        if (reading.index.titles.size() == kMaxTitles) {
            // The buttons and the table hold 50 titles; the rest is named, not dropped silently.
            reading.messages.push_back({Utf8ToCp932("タイトルは50件までです。「") + line
                                            + Utf8ToCp932("」から後は読み込みません"),
                                        lineNumber});
            break;
        }
        TitleEntry entry;
        entry.title = fields[0];
        entry.programName = ProgramNameOf(fields[1]);
        entry.newestVersion = fields[2];
        entry.tag = fields[3];
        reading.index.titles.push_back(std::move(entry));
    }
    reading.ok = true;
    return reading;
}

TitleIndexReading ReadTitleIndex(std::string_view folder)
{
    const std::string path = std::string(folder) + std::string(kTitleIndexFile);
    std::vector<std::string> lines;
    std::string error;
    if (!ReadLines(ToFsPath(path), lines, &error)) {
        TitleIndexReading failed;
        failed.messages.push_back({error, 0});
        return failed;
    }
    // A title too long to draw on its button would hold the launcher's window.
    if (const std::size_t longLine = FindLongLine(lines); longLine < lines.size()) {
        TitleIndexReading failed;
        failed.messages.push_back(
            {LongLineInFileMessage(path, longLine + 1), static_cast<int>(longLine) + 1});
        return failed;
    }
    return ParseTitleIndex(lines);
}

} // namespace zelkon
