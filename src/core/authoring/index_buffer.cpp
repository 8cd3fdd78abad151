// The index editor's edits of a lesson's index lines.
#include "authoring/index_buffer.h"

#include "common/cp932.h"
#include "index/course_index.h"

namespace zelkon {

namespace {

constexpr std::string_view kSectionStart = "[[";
constexpr std::string_view kSectionHeader = "[[sect";
constexpr std::string_view kUnitsEnd = ">>";

std::ptrdiff_t At(std::size_t line)
{
    return static_cast<std::ptrdiff_t>(line);
}

// The outline section the edit of section n goes to; none unless its line is a "[[sect" line.
std::optional<IndexSection> EditedSection(const std::vector<std::string> &lines, int section)
{
    IndexOutline outline = ReadIndexOutline(lines);
    if (section < 1 || section > static_cast<int>(outline.sections.size()))
        return std::nullopt;
    IndexSection &found = outline.sections[static_cast<std::size_t>(section - 1)];
    if (!lines[found.line].starts_with(kSectionHeader))
        return std::nullopt;
    return std::move(found);
}

// A section cut short by the end of the lines gets its title and "<<" lines, so that a unit
// added to it lands among its units rather than in one of those two places.
void CompleteSectionHead(std::vector<std::string> &lines, std::size_t sectionLine)
{
    if (lines.size() < sectionLine + 2)
        lines.emplace_back();
    if (lines.size() < sectionLine + 3)
        lines.emplace_back("<<");
}

} // namespace

std::vector<std::string> NewIndexLines()
{
    return {Utf8ToCp932("ここにタイトルをかいてください"),
            "[[sect1",
            Utf8ToCp932("ここは主メニュー"),
            "<<",
            Utf8ToCp932("ここは副メニュー"),
            ">>",
            "]]"};
}

IndexOutline ReadIndexOutline(const std::vector<std::string> &lines)
{
    IndexOutline outline;
    if (!lines.empty())
        outline.title = lines.front();
    std::size_t i = 0;
    while (i < lines.size()) {
        if (!lines[i].starts_with(kSectionStart)) {
            ++i;
            continue;
        }
        IndexSection section;
        section.line = i;
        if (i + 1 < lines.size())
            section.title = lines[i + 1];
        std::size_t unit = i + 3;
        for (; unit < lines.size() && lines[unit] != kUnitsEnd; ++unit)
            section.units.push_back(lines[unit]);
        outline.sections.push_back(std::move(section));
        i = unit + 1;
    }
    return outline;
}

std::optional<std::size_t> FindSectionLine(const std::vector<std::string> &lines, int section)
{
    const std::optional<IndexSection> found = EditedSection(lines, section);
    if (!found)
        return std::nullopt;
    return found->line;
}

std::string IndexEditMessage(IndexEdit edit)
{
    switch (edit) {
    case IndexEdit::notFound:
        return "not found";
    case IndexEdit::full:
        return Utf8ToCp932("これ以上追加できません");
    case IndexEdit::reserved:
        return Utf8ToCp932("「>>」は副メニューの名前にできません");
    case IndexEdit::done:
    case IndexEdit::unchanged:
        break;
    }
    return {};
}

void SetIndexTitle(std::vector<std::string> &lines, std::string_view title)
{
    if (lines.empty())
        lines.emplace_back(title);
    else
        lines.front() = title;
}

IndexEdit AddSection(std::vector<std::string> &lines, std::string_view title, int &number)
{
    if (title.empty())
        return IndexEdit::unchanged;
    const int count = static_cast<int>(ReadIndexOutline(lines).sections.size());
    if (count >= kCourseIndexLimit)
        return IndexEdit::full;
    // Line 0 is the title, also for the editor's OK, which writes the title field there.
    if (lines.empty())
        lines.emplace_back();
    number = count + 1;
    const std::string n = std::to_string(number);
    lines.insert(lines.end(),
                 {std::string(kSectionHeader) + n,
                  std::string(title),
                  "<<",
                  "SubMenu New" + n,
                  std::string(kUnitsEnd),
                  "]]"});
    return IndexEdit::done;
}

IndexEdit RenameSection(std::vector<std::string> &lines, int section, std::string_view title)
{
    const std::optional<std::size_t> line = FindSectionLine(lines, section);
    if (!line)
        return IndexEdit::notFound;
    CompleteSectionHead(lines, *line);
    lines[*line + 1] = title;
    return IndexEdit::done;
}

IndexEdit AddUnit(std::vector<std::string> &lines, int section, std::string_view title)
{
    if (title.empty())
        return IndexEdit::unchanged;
    if (title == kUnitsEnd)
        return IndexEdit::reserved;
    const std::optional<IndexSection> found = EditedSection(lines, section);
    if (!found)
        return IndexEdit::notFound;
    if (found->units.size() >= static_cast<std::size_t>(kCourseIndexLimit))
        return IndexEdit::full;
    CompleteSectionHead(lines, found->line);
    const std::size_t at = found->line + 3 + found->units.size();
    lines.insert(lines.begin() + At(at), std::string(title));
    return IndexEdit::done;
}

IndexEdit RenameUnit(std::vector<std::string> &lines, int section, int unit, std::string_view title)
{
    if (title.empty())
        return IndexEdit::unchanged;
    if (title == kUnitsEnd)
        return IndexEdit::reserved;
    const std::optional<IndexSection> found = EditedSection(lines, section);
    if (!found || unit < 1 || unit > static_cast<int>(found->units.size()))
        return IndexEdit::notFound;
    lines[found->line + 2 + static_cast<std::size_t>(unit)] = title;
    return IndexEdit::done;
}

} // namespace zelkon
