// Unit list lines, similar-problem discovery, lesson counts and the OK choice.
#include "index/unit_list.h"

#include "common/cp932.h"
#include "common/line_file.h"
#include "common/path.h"
#include "master/unit_locator.h"
#include "records/profile_key_counts.h"
#include "records/record_file.h"

namespace zelkon {

namespace {

// The bytes of a master file that exists; false with a message when it cannot be read.
bool ReadMasterBytes(const std::string &path, std::string &bytes, Messages &messages)
{
    std::string error;
    if (ReadFileBytes(ToFsPath(path), bytes, &error))
        return true;
    messages.push_back({error, 0});
    return false;
}

std::string SimilarProblemItem(int unit, int k)
{
    return Utf8ToCp932("類題　") + std::to_string(unit) + "R" + std::to_string(k);
}

// Offset of the first line equal to `wanted` (not empty) that starts at or after `from`, lines
// cut as SplitLines cuts them; npos when there is none. Searching the bytes spares a master
// file of thousands of units a split into lines at every click on a unit.
std::size_t FindLineFrom(std::string_view bytes, std::string_view wanted, std::size_t from)
{
    for (std::size_t at = bytes.find(wanted, from); at != std::string_view::npos;
         at = bytes.find(wanted, at + 1)) {
        const std::size_t end = at + wanted.size();
        const bool starts = at == 0 || bytes[at - 1] == '\n';
        const bool ends
            = end == bytes.size() || bytes[end] == '\n' || bytes.substr(end, 2) == "\r\n";
        if (starts && ends)
            return at;
    }
    return std::string_view::npos;
}

// The unit number of a "[[unit" + n + "R1" line whose text after "[[unit" starts `rest`; 0 when
// the line is anything else. The number is written as to_string writes it: no leading zero.
int SimilarHeaderUnit(std::string_view rest)
{
    int unit = 0;
    std::size_t i = 0;
    while (i < rest.size() && i < 3 && rest[i] >= '0' && rest[i] <= '9')
        unit = unit * 10 + (rest[i++] - '0');
    if (i == 0 || rest[0] == '0' || unit > kCourseIndexLimit)
        return 0;
    rest.remove_prefix(i);
    if (!rest.starts_with("R1"))
        return 0;
    rest.remove_prefix(2);
    // The line must end here: a line feed, CR LF, or the end of the file.
    if (rest.empty() || rest[0] == '\n' || rest.starts_with("\r\n"))
        return unit;
    return 0;
}

} // namespace

std::bitset<kCourseIndexLimit + 1> UnitsWithSimilarProblems(std::string_view masterBytes)
{
    constexpr std::string_view head = "[[unit";
    std::bitset<kCourseIndexLimit + 1> units;
    for (std::size_t at = masterBytes.find(head); at != std::string_view::npos;
         at = masterBytes.find(head, at + 1)) {
        // Only at the start of a line; a line feed is never part of a two-byte character.
        if (at > 0 && masterBytes[at - 1] != '\n')
            continue;
        if (const int unit = SimilarHeaderUnit(masterBytes.substr(at + head.size())))
            units.set(static_cast<std::size_t>(unit));
    }
    return units;
}

std::string UnitPrefix(bool hasSimilar, int practiceCount)
{
    std::string prefix = hasSimilar ? Utf8ToCp932("◎") : Utf8ToCp932("　");
    prefix += '[';
    prefix += practiceCount > 0 ? std::to_string(practiceCount) : std::string(" ");
    prefix += ']';
    return prefix;
}

std::string UnitListLine(std::string_view prefix, std::string_view caption)
{
    std::string line(prefix);
    line += caption;
    if (caption.size() < kUnitCaptionWidth)
        line.append(kUnitCaptionWidth - caption.size(), ' ');
    return line;
}

std::vector<std::string> SimilarProblemItems(const std::vector<std::string> &masterLines, int unit)
{
    std::vector<std::string> items;
    std::size_t from = 0;
    for (int k = 1; k <= kSimilarProblemLimit; ++k) {
        const std::string header = UnitHeaderLine(unit, k);
        std::size_t i = from;
        while (i < masterLines.size() && masterLines[i] != header)
            ++i;
        if (i == masterLines.size())
            break;
        items.push_back(SimilarProblemItem(unit, k));
        from = i + 1;
    }
    return items;
}

std::vector<std::string> SimilarProblemItemsOfFile(std::string_view masterPath, int unit)
{
    std::string bytes;
    if (!FileExists(masterPath) || !ReadFileBytes(ToFsPath(masterPath), bytes))
        return {};
    std::vector<std::string> items;
    std::size_t from = 0;
    for (int k = 1; k <= kSimilarProblemLimit; ++k) {
        const std::size_t at = FindLineFrom(bytes, UnitHeaderLine(unit, k), from);
        if (at == std::string_view::npos)
            break;
        items.push_back(SimilarProblemItem(unit, k));
        from = at + 1;
    }
    return items;
}

bool HasSimilarProblem(const std::vector<std::string> &masterLines, int unit)
{
    const std::string header = UnitHeaderLine(unit, 1);
    for (const std::string &line : masterLines) {
        if (line == header)
            return true;
    }
    return false;
}

bool UnitDisplayTable::InTable(int section, int unit)
{
    return section >= 1 && section <= kCourseIndexLimit && unit >= 1 && unit <= kCourseIndexLimit;
}

std::size_t UnitDisplayTable::Slot(int section, int unit)
{
    return static_cast<std::size_t>((section - 1) * kCourseIndexLimit + unit - 1);
}

const std::string &UnitDisplayTable::prefix(int section, int unit) const
{
    static const std::string none;
    if (!InTable(section, unit))
        return none;
    return m_entries[Slot(section, unit)].prefix;
}

bool UnitDisplayTable::hasSimilar(int section, int unit) const
{
    return InTable(section, unit) && m_entries[Slot(section, unit)].hasSimilar;
}

void UnitDisplayTable::setPrefix(int section, int unit, std::string prefix)
{
    if (InTable(section, unit))
        m_entries[Slot(section, unit)].prefix = std::move(prefix);
}

void UnitDisplayTable::setHasSimilar(int section, int unit, bool hasSimilar)
{
    if (InTable(section, unit))
        m_entries[Slot(section, unit)].hasSimilar = hasSimilar;
}

std::string LearnerRecordFile(const AppState &state, int lesson)
{
    return RecordFileName(RecordsFolder(state.onCdRom, state.logOnFolder, state.programFolder),
                          state.learnerName,
                          lesson);
}

void RefreshUnitCounts(AppState &state,
                       const CourseIndex &index,
                       int lesson,
                       UnitDisplayTable &table,
                       Messages &messages)
{
    if (lesson < 1)
        return;
    const bool recomputeMarks = state.similarMarksStale;
    state.similarMarksStale = false;

    const std::string recordFile = LearnerRecordFile(state, lesson);
    ProfileKeyCounts counts;
    std::string error;
    if (!counts.load(recordFile, &error))
        messages.push_back({error, 0});

    const int sections = static_cast<int>(index.sectionCaptions.size());
    std::string bytes; // one buffer for every master file of the lesson
    for (int s = 1; s <= sections; ++s) {
        const std::string masterPath = MasterFilePath(state.programFolder, index, lesson, s);
        // A section without its master file has no similar problems to mark, but its counts
        // and those of the later sections must still be the current learner's.
        const bool masterExists = FileExists(masterPath);
        std::bitset<kCourseIndexLimit + 1> similar;
        if (masterExists && recomputeMarks && ReadMasterBytes(masterPath, bytes, messages))
            similar = UnitsWithSimilarProblems(bytes);
        for (int u = 1; u <= UnitCount(index, s); ++u) {
            if (!masterExists)
                table.setHasSimilar(s, u, false);
            else if (recomputeMarks)
                table.setHasSimilar(s, u, u <= kCourseIndexLimit && similar.test(u));
            const int count = CountPracticeRecords(counts, UnitKey(s, u, UnitCaption(index, s, u)));
            table.setPrefix(s, u, UnitPrefix(table.hasSimilar(s, u), count));
        }
    }
}

std::string MenuCaption(MenuMode mode)
{
    return Utf8ToCp932(mode == MenuMode::Open ? "マスターファイルを開く" : "追加ファイルを開く");
}

UnitPanelLook UnitPanelFor(bool similarSelected)
{
    if (similarSelected)
        return {Utf8ToCp932("類題が選択されています"), {255, 0, 0}};
    return {Utf8ToCp932("項目を選んでください"), {0, 255, 255}};
}

std::string MenuNotChosenMessage()
{
    return Utf8ToCp932("メニューを選択してください");
}

bool AcceptMenuChoice(const CourseIndex &index,
                      int loadedLesson,
                      const MenuRows &rows,
                      AppState &state)
{
    if (rows.lesson < 0 || rows.section < 0 || rows.unit < 0 || loadedLesson < 1)
        return false;
    const int section = rows.section + 1;
    const int unit = rows.unit + 1;
    if (loadedLesson > static_cast<int>(index.lessonCaptions.size())
        || unit > UnitCount(index, section))
        return false;

    state.lessonName = LessonCaption(index, loadedLesson);
    state.sectionName = SectionCaption(index, section);
    state.unitName = UnitCaption(index, section, unit);
    const int variant
        = rows.similarSelected && rows.similarCurrent >= 0 ? rows.similarCurrent + 1 : 0;
    state.currentLocator = UnitLocator{loadedLesson, section, unit, variant};
    return true;
}

} // namespace zelkon
