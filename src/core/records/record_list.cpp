// The record window's list lines, built from a sub-index, a copy-file folder and record files.
#include "records/record_list.h"

#include "records/record_file.h"

#include "common/cp932.h"
#include "common/line_file.h"
#include "common/path.h"
#include "common/sjis_text.h"
#include "index/unit_list.h"
#include "sheet/copy_file.h"
#include "sheet/copy_file_list.h"

#include <algorithm>

namespace zelkon {

namespace {

constexpr std::string_view kSectionStart = "[[";
constexpr std::string_view kSectionEnd = ">>";

RecordListEntry Note(std::string text)
{
    return {std::move(text), {}, {}, /*note=*/true};
}

RecordListEntry Title(std::string text)
{
    return {std::move(text), {}, {}, /*note=*/false};
}

// Counts of a record file, with a note when it exists but cannot be read.
ProfileKeyCounts LoadCounts(const std::string &recordFile, std::vector<RecordListEntry> &entries)
{
    ProfileKeyCounts counts;
    std::string error;
    if (!counts.load(recordFile, &error))
        entries.push_back(Note(error));
    return counts;
}

} // namespace

RecordListSources RecordListSourcesOf(const AppState &state, const CourseIndex &index, int lesson)
{
    lesson = std::max(lesson, 1);
    return {SubIndexPath(state.programFolder, index, lesson),
            CopyFileFolder(state.programFolder, index, lesson),
            LearnerRecordFile(state, lesson),
            LearnerRecordFile(state, 1)};
}

std::string RecordCountText(int count)
{
    if (count <= 0)
        return "  ";
    return count > 9 ? std::to_string(count) : "0" + std::to_string(count);
}

std::string RecordListLine(int count, std::string_view key)
{
    return RecordCountText(count) + Utf8ToCp932("回") + std::string(key);
}

std::string RecordLineKey(std::string_view line)
{
    const std::string mark = Utf8ToCp932("回");
    const std::size_t at = FindCharacter(line, mark);
    if (at == std::string_view::npos)
        return "?";
    return std::string(line.substr(at + mark.size()));
}

std::vector<RecordListEntry> UnitEntries(const std::vector<std::string> &indexLines,
                                         const ProfileKeyCounts &counts,
                                         const std::string &recordFile)
{
    std::vector<RecordListEntry> entries;
    int section = 0;
    std::size_t i = 0;
    while (i < indexLines.size()) {
        if (!indexLines[i].starts_with(kSectionStart)) {
            ++i;
            continue;
        }
        // No more than the unit selection window's 80 sections of 80 units are listed: a
        // sub-index of a million lines would hold the window for minutes.
        if (++section > kCourseIndexLimit)
            break;
        if (i + 1 < indexLines.size())
            entries.push_back(Title(indexLines[i + 1]));
        // The title, then the line after it ("<<"), then the units.
        i += 3;
        for (int unit = 1; i < indexLines.size() && indexLines[i] != kSectionEnd; ++i, ++unit) {
            if (unit > kCourseIndexLimit)
                continue;
            std::string key = UnitKey(section, unit, indexLines[i]);
            const int count = CountPracticeRecords(counts, key);
            entries.push_back({RecordListLine(count, key), std::move(key), recordFile, false});
        }
        ++i;
    }
    return entries;
}

std::vector<RecordListEntry> BuildRecordList(const RecordListSources &sources)
{
    std::vector<RecordListEntry> entries;
    const ProfileKeyCounts lessonCounts = LoadCounts(sources.lessonRecords, entries);

    std::vector<std::string> indexLines;
    std::string error;
    if (!FileExists(sources.indexFile)) {
        entries.push_back(Note(Utf8ToCp932("単元の一覧がありません（")
                               + MissingFileMessage(sources.indexFile) + Utf8ToCp932("）")));
    } else if (!ReadLines(ToFsPath(sources.indexFile), indexLines, &error)) {
        entries.push_back(Note(error));
    } else if (const std::size_t longLine = FindLongLine(indexLines);
               longLine < indexLines.size()) {
        entries.push_back(Note(LongLineInFileMessage(sources.indexFile, longLine + 1)));
    } else {
        std::vector<RecordListEntry> units
            = UnitEntries(indexLines, lessonCounts, sources.lessonRecords);
        entries.insert(entries.end(),
                       std::make_move_iterator(units.begin()),
                       std::make_move_iterator(units.end()));
    }

    CopyFileListing copyFiles = ListCopyFiles(sources.copyFolder);
    if (!copyFiles.listed) {
        entries.push_back(Note(Utf8ToCp932("コピーファイルはありません（") + copyFiles.message
                               + Utf8ToCp932("）")));
        return entries;
    }
    if (copyFiles.names.empty())
        return entries;
    // The lesson file serves when the lesson is 1; it is not read twice.
    ProfileKeyCounts copyCounts;
    if (sources.copyRecords != sources.lessonRecords)
        copyCounts = LoadCounts(sources.copyRecords, entries);
    const ProfileKeyCounts &counts
        = sources.copyRecords == sources.lessonRecords ? lessonCounts : copyCounts;
    for (std::string &name : copyFiles.names) {
        const int count = CountPracticeRecords(counts, name);
        entries.push_back(
            {RecordListLine(count, name), std::move(name), sources.copyRecords, false});
    }
    return entries;
}

} // namespace zelkon
