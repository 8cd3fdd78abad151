// The main index: lesson lines split into caption, folder and file prefix.
#include "index/main_index.h"

#include "common/cp932.h"
#include "common/line_file.h"
#include "common/path.h"

namespace zelkon {

namespace {

std::string InFile(std::string_view path, std::string_view utf8Rest)
{
    return Utf8ToCp932("ファイル ") + std::string(path) + Utf8ToCp932(utf8Rest);
}

void ReadLessonLine(const std::string &line, int lesson, CourseIndex &index)
{
    const std::size_t comma = FindCharacter(line, ",");
    if (comma == std::string::npos) {
        index.lessonCaptions.emplace_back("?");
        return;
    }
    index.lessonCaptions.push_back(line.substr(0, comma));

    const std::size_t folderStart = comma + 1;
    // Stepping by characters keeps a 表 (0x95 0x5C) in the folder name from ending it.
    const std::size_t backslash = FindCharacter(line, "\\", folderStart);
    if (backslash == std::string::npos) {
        index.lessonFolder[lesson].clear();
        index.lessonPrefix[lesson] = line.substr(folderStart);
        return;
    }
    index.lessonFolder[lesson] = line.substr(folderStart, backslash + 1 - folderStart);
    // The one character after the "\" separates folder and prefix and belongs to neither.
    std::size_t prefixStart = backslash + 1;
    if (prefixStart < line.size())
        prefixStart += CharLengthAt(line, prefixStart);
    index.lessonPrefix[lesson] = line.substr(prefixStart);
}

} // namespace

bool ParseMainIndex(const std::vector<std::string> &lines,
                    std::string_view path,
                    CourseIndex &index,
                    Messages &messages)
{
    index.lessonCaptions.clear();
    // Refused before anything is taken from it: a line too long to draw would hold the window.
    if (const std::size_t longLine = FindLongLine(lines); longLine < lines.size()) {
        index.mainTitle.clear();
        messages.push_back(
            {LongLineInFileMessage(path, longLine + 1), static_cast<int>(longLine) + 1});
        return false;
    }
    index.mainTitle = lines.empty() ? std::string() : lines.front();
    if (lines.size() < 3) {
        messages.push_back({InFile(path, " の行が足りません（3行以上必要です）"), 0});
        return false;
    }
    for (std::size_t i = 2; i < lines.size(); ++i) {
        if (lines[i] == ">>")
            return true;
        const int lesson = static_cast<int>(index.lessonCaptions.size()) + 1;
        if (lesson > kCourseIndexLimit) {
            messages.push_back(
                {InFile(path, " のレッスンが80を超えています"), static_cast<int>(i) + 1});
            return false;
        }
        ReadLessonLine(lines[i], lesson, index);
    }
    messages.push_back(
        {InFile(path, " に終わりの行 \">>\" がありません"), static_cast<int>(lines.size())});
    return false;
}

MainIndexRead ReadMainIndex(std::string_view programFolder, CourseIndex &index, Messages &messages)
{
    index.mainTitle.clear();
    index.lessonCaptions.clear();
    const std::string path = MainIndexPath(programFolder);
    if (!FileExists(path)) {
        messages.push_back({MissingFileMessage(path), 0});
        return MainIndexRead::missing;
    }
    std::vector<std::string> lines;
    std::string error;
    if (!ReadLines(ToFsPath(path), lines, &error)) {
        messages.push_back({error, 0});
        return MainIndexRead::missing;
    }
    return ParseMainIndex(lines, path, index, messages) ? MainIndexRead::complete
                                                        : MainIndexRead::stopped;
}

} // namespace zelkon
