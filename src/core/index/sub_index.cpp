// The sub-index walk: sections found by their "[[" line, units up to the section's ">>".
#include "index/sub_index.h"

#include "common/cp932.h"
#include "common/line_file.h"
#include "common/path.h"

namespace zelkon {

namespace {

std::string InFile(std::string_view path, std::string_view utf8Rest)
{
    return Utf8ToCp932("ファイル ") + std::string(path) + Utf8ToCp932(utf8Rest);
}

std::string InSection(std::string_view path, int section, std::string_view utf8Rest)
{
    return InFile(path, " のセクション ") + std::to_string(section) + Utf8ToCp932(utf8Rest);
}

void ClearSubIndex(CourseIndex &index)
{
    index.subIndexTitle.clear();
    index.sectionCaptions.clear();
    index.unitCaptions.clear();
}

} // namespace

bool ParseSubIndex(const std::vector<std::string> &lines,
                   std::string_view path,
                   CourseIndex &index,
                   Messages &messages)
{
    ClearSubIndex(index);
    // Refused before anything is taken from it: a line too long to draw would hold the window.
    if (const std::size_t longLine = FindLongLine(lines); longLine < lines.size()) {
        messages.push_back(
            {LongLineInFileMessage(path, longLine + 1), static_cast<int>(longLine) + 1});
        return false;
    }
    if (!lines.empty())
        index.subIndexTitle = lines.front();

    std::size_t i = 0;
    while (i < lines.size()) {
        if (!lines[i].starts_with("[[")) {
            ++i;
            continue;
        }
        const int startLine = static_cast<int>(i) + 1;
        if (index.sectionCaptions.size() == kCourseIndexLimit) {
            messages.push_back({InFile(path, " のセクションが80を超えています"), startLine});
            return false;
        }
        const int section = static_cast<int>(index.sectionCaptions.size()) + 1;
        index.sectionCaptions.push_back(i + 1 < lines.size() ? lines[i + 1] : std::string());
        std::vector<std::string> &units = index.unitCaptions.emplace_back();

        // Units start after the caption and the line following it ("<<" as the editor writes).
        std::size_t j = i + 3;
        for (; j < lines.size() && lines[j] != ">>"; ++j) {
            if (units.size() == kCourseIndexLimit) {
                messages.push_back({InSection(path, section, " の単元が80を超えています"),
                                    static_cast<int>(j) + 1});
                return false;
            }
            units.push_back(lines[j]);
        }
        if (j >= lines.size()) {
            messages.push_back(
                {InSection(path, section, " に終わりの行 \">>\" がありません"), startLine});
            return false;
        }
        i = j + 1;
    }
    return true;
}

bool ReadSubIndex(std::string_view programFolder,
                  int lesson,
                  CourseIndex &index,
                  Messages &messages)
{
    const std::string folder = LessonFolderPath(programFolder, index, lesson);
    if (!DirectoryExists(folder)) {
        messages.push_back({MissingDirectoryMessage(folder), 0});
        return false;
    }
    ClearSubIndex(index);
    const std::string path = SubIndexPath(programFolder, index, lesson);
    if (!FileExists(path)) {
        messages.push_back({MissingFileMessage(path), 0});
        return false;
    }
    std::vector<std::string> lines;
    std::string error;
    if (!ReadLines(ToFsPath(path), lines, &error)) {
        messages.push_back({error, 0});
        return false;
    }
    return ParseSubIndex(lines, path, index, messages);
}

} // namespace zelkon
