// Scanning one unit of a master or copy file: header search, the known blocks and their counts.
#include "master/unit_scan.h"

#include "common/cp932.h"
#include "common/line_file.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace zelkon {

namespace {

constexpr std::size_t kMaxQuestionLines = 60;
constexpr std::size_t kKranLineCount = 10;
constexpr std::size_t kValueAndFontLineCount = 7;
constexpr std::size_t kNone = std::string_view::npos;

// What a known block's content must satisfy.
enum class Rule { Plain, Questions, ExactlySeven, UpToTen };

struct Block
{
    std::string_view keyword;
    std::vector<std::string> UnitRecord::*lines; // null: the content is skipped
    Rule rule;
    std::string_view countError;
};

constexpr Block kBlocks[] = {
    {"<<ques", &UnitRecord::questionLines, Rule::Questions, {}},
    {"<<ans", nullptr, Rule::Plain, {}},
    {"<<header", &UnitRecord::headerLines, Rule::Plain, {}},
    {"<<value", &UnitRecord::valueLines, Rule::ExactlySeven, "<<value block error"},
    {"<<font", &UnitRecord::fontLines, Rule::ExactlySeven, "<<font block error"},
    {"<<kran", &UnitRecord::kranLines, Rule::UpToTen, "<<kran block error"},
    {"<<graph", &UnitRecord::graphLines, Rule::Plain, {}},
    {"<<kgroup", &UnitRecord::kgroupLines, Rule::Plain, {}},
    {"<<softkey", &UnitRecord::softkeyLines, Rule::Plain, {}},
    {"<<AGraph", &UnitRecord::answerGraphLines, Rule::Plain, {}},
};

// One line of the text: its content without the line end, where it starts, where the next
// line starts.
struct Line
{
    std::string_view text;
    std::size_t start = 0;
    std::size_t next = 0;
};

// The line starting at `pos`, split as SplitLines does; false at the end of the text.
bool LineAt(std::string_view bytes, std::size_t pos, Line &line)
{
    if (pos >= bytes.size())
        return false;
    const std::size_t end = bytes.find('\n', pos);
    if (end == kNone) {
        line = {bytes.substr(pos), pos, bytes.size()};
        return true;
    }
    std::size_t stop = end;
    if (stop > pos && bytes[stop - 1] == '\r')
        --stop;
    line = {bytes.substr(pos, stop - pos), pos, end + 1};
    return true;
}

// Offset of the first line equal to `wanted`. Rather than splitting every line, memchr jumps
// from one occurrence of the header's first byte to the next: "[" opens few lines, so reading
// the last unit of a long file costs little more than reading its bytes.
std::size_t FindLine(std::string_view bytes, std::string_view wanted)
{
    Line line;
    if (wanted.empty()) {
        for (std::size_t pos = 0; LineAt(bytes, pos, line); pos = line.next) {
            if (line.text.empty())
                return pos;
        }
        return kNone;
    }
    std::size_t from = 0;
    while (from < bytes.size()) {
        const void *hit = std::memchr(bytes.data() + from, wanted[0], bytes.size() - from);
        if (!hit)
            return kNone;
        const std::size_t at = static_cast<const char *>(hit) - bytes.data();
        if (at == 0 || bytes[at - 1] == '\n') {
            LineAt(bytes, at, line);
            if (line.text == wanted)
                return at;
        }
        from = at + 1;
    }
    return kNone;
}

const Block *FindBlock(std::string_view line)
{
    if (!line.starts_with("<<"))
        return nullptr;
    for (const Block &block : kBlocks) {
        if (line == block.keyword)
            return &block;
    }
    return nullptr;
}

void Refuse(Messages &messages, std::string text, std::string_view bytes, std::size_t offset)
{
    messages.push_back({std::move(text), LineNumberAt(bytes, offset)});
}

// Skips a "{" … "}" group standing directly after the question keyword, leaving `line` on the
// "}"; false when the "}" never comes.
bool SkipBraces(std::string_view bytes, Line &line, Messages &messages)
{
    Line next;
    if (!LineAt(bytes, line.next, next) || next.text != "{")
        return true;
    const std::size_t brace = next.start;
    do {
        if (!LineAt(bytes, next.next, next)) {
            const int n = LineNumberAt(bytes, brace);
            Refuse(messages,
                   Utf8ToCp932("<<ques ブロックの {（") + std::to_string(n)
                       + Utf8ToCp932("行目）が } で閉じられていません"),
                   bytes,
                   brace);
            return false;
        }
    } while (next.text != "}");
    line = next;
    return true;
}

// Reads the block whose keyword is `line` up to its ">>", leaving `line` on the ">>"; false
// with a message when the block is never closed or breaks its count rule.
bool ReadBlock(
    std::string_view bytes, const Block &block, Line &line, UnitRecord &record, Messages &messages)
{
    const std::size_t keyword = line.start;
    if (block.rule == Rule::Questions && !SkipBraces(bytes, line, messages))
        return false;
    std::vector<std::string> *lines = block.lines ? &(record.*block.lines) : nullptr;
    for (;;) {
        if (!LineAt(bytes, line.next, line)) {
            const int n = LineNumberAt(bytes, keyword);
            Refuse(messages,
                   std::string(block.keyword) + Utf8ToCp932(" ブロック（") + std::to_string(n)
                       + Utf8ToCp932("行目）が >> で閉じられていません"),
                   bytes,
                   keyword);
            return false;
        }
        if (line.text == ">>")
            break;
        if (lines)
            lines->emplace_back(line.text);
    }

    // The counts apply to the whole list, so a repeated value block fails as a long one does.
    switch (block.rule) {
    case Rule::ExactlySeven:
        if (lines->size() != kValueAndFontLineCount) {
            Refuse(messages, std::string(block.countError), bytes, keyword);
            return false;
        }
        break;
    case Rule::UpToTen:
        if (lines->size() > kKranLineCount) {
            Refuse(messages, std::string(block.countError), bytes, keyword);
            return false;
        }
        lines->resize(kKranLineCount, "0");
        break;
    case Rule::Plain:
    case Rule::Questions:
        break;
    }
    return true;
}

// Refuses a unit whose lines would hold a window for seconds when drawn or listed: a line
// longer than kMaxLineBytes, or more than kMaxUnitLines lines from `from` up to `to`.
bool WithinLineLimits(std::string_view bytes, std::size_t from, std::size_t to, Messages &messages)
{
    std::size_t count = 0;
    Line line;
    for (std::size_t pos = from; pos < to && LineAt(bytes, pos, line); pos = line.next) {
        if (line.text.size() > kMaxLineBytes) {
            const int n = LineNumberAt(bytes, line.start);
            Refuse(messages, LongLineMessage(static_cast<std::size_t>(n)), bytes, line.start);
            return false;
        }
        if (++count > kMaxUnitLines) {
            Refuse(messages, UnitTooLongMessage(), bytes, from);
            return false;
        }
    }
    return true;
}

} // namespace

std::string UnitTooLongMessage()
{
    return Utf8ToCp932("単元の行が多すぎます（") + std::to_string(kMaxUnitLines)
           + Utf8ToCp932("行まで）");
}

int LineNumberAt(std::string_view bytes, std::size_t offset)
{
    offset = std::min(offset, bytes.size());
    return 1 + static_cast<int>(std::count(bytes.begin(), bytes.begin() + offset, '\n'));
}

UnitScan ScanUnit(std::string_view bytes,
                  std::string_view headerLine,
                  UnitRecord &record,
                  Messages &messages)
{
    const std::size_t header = FindLine(bytes, headerLine);
    if (header == kNone)
        return {};
    const UnitScan refused{ScanResult::Refused, header};
    Line line;
    std::size_t end = bytes.size();
    for (std::size_t pos = header; LineAt(bytes, pos, line); pos = line.next) {
        if (line.text == "]]") {
            end = line.next;
            break;
        }
        const std::size_t step = line.start;
        if (const Block *block = FindBlock(line.text)) {
            if (!ReadBlock(bytes, *block, line, record, messages))
                return refused;
        }
        // Checked after every line, not only after question blocks: in Add mode the record
        // already holds the worksheet's own lines.
        if (record.questionLines.size() > kMaxQuestionLines) {
            Refuse(messages, Utf8ToCp932("問題の行は６０行以下です"), bytes, step);
            return refused;
        }
    }
    if (!WithinLineLimits(bytes, header, end, messages))
        return refused;
    return {ScanResult::Read, header};
}

} // namespace zelkon
