// Graph folder lookup and loading of the graph bitmaps and class flag of a worksheet.
#include "sheet/graph_loading.h"

#include "common/cp932.h"
#include "common/path.h"
#include "index/course_index.h"
#include "sheet/worksheet.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <vector>

namespace zelkon {

namespace {

// Graphs in a list of name, x, y triples; an incomplete last triple does not count.
int GraphCount(const std::vector<std::string> &lines)
{
    return static_cast<int>(std::min<std::size_t>(lines.size() / 3, kMaxGraphs));
}

// A decimal integer with optional surrounding blanks and sign, as courseware writes positions.
bool ParsePosition(std::string_view text, int &value)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return false;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    if (text.starts_with('+'))
        text.remove_prefix(1);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

std::string UnreadableFileMessage(std::string_view composed)
{
    return Utf8ToCp932("ファイル ") + std::string(composed) + Utf8ToCp932(" を読み込めません");
}

// Loads one file into `target`, which keeps its picture when the file is missing or unreadable.
void LoadInto(std::shared_ptr<const Picture> &target,
              const std::string &path,
              PictureLoader &loader,
              Messages &messages)
{
    if (!FileExists(path)) {
        messages.push_back({MissingFileMessage(path)});
        return;
    }
    std::shared_ptr<const Picture> picture = loader.load(ToFsPath(path));
    if (!picture) {
        messages.push_back({UnreadableFileMessage(path)});
        return;
    }
    target = std::move(picture);
}

} // namespace

std::string graphFolder(std::string_view programFolder, const CourseIndex &index, int lesson)
{
    const std::string inLesson
        = LessonFolderPath(programFolder, index, std::max(lesson, 1)) + "Graph\\";
    if (DirectoryExists(inLesson))
        return inLesson;
    const std::string inProgram = std::string(programFolder) + "Graph\\";
    if (DirectoryExists(inProgram))
        return inProgram;
    return {};
}

Messages LoadQuestionGraphs(Worksheet &sheet, std::string_view folder, PictureLoader &loader)
{
    Messages messages;
    const std::vector<std::string> &lines = sheet.graphLines;
    const int count = GraphCount(lines);
    for (int k = 1; k <= count; ++k) {
        const std::string &name = lines[3 * k - 3];
        if (name.empty())
            continue;
        GraphSlot &slot = sheet.graphs.figures[k];
        LoadInto(slot.question, std::string(folder) + name, loader, messages);
        int left = 0;
        if (!ParsePosition(lines[3 * k - 2], left)) {
            messages.push_back({name + Utf8ToCp932(" の横位置 ") + lines[3 * k - 2]
                                + Utf8ToCp932(" は整数ではありません")});
            left = 0;
        }
        // The display takes the buffer's size now; the render draws the buffer into it.
        slot.shown = slot.question;
        slot.left = left;
        slot.visible = true;
    }
    for (int k = count + 1; k <= kMaxGraphs; ++k)
        sheet.graphs.figures[k].visible = false;
    return messages;
}

Messages LoadAnswerGraphs(Worksheet &sheet, std::string_view folder, PictureLoader &loader)
{
    Messages messages;
    const std::vector<std::string> &lines = sheet.answerGraphLines;
    const int count = GraphCount(lines);
    for (int k = 1; k <= count; ++k) {
        const std::string &name = lines[3 * k - 3];
        if (!name.empty())
            LoadInto(sheet.graphs.figures[k].answer, std::string(folder) + name, loader, messages);
    }
    return messages;
}

Messages LoadClassFlag(SheetGraphs &graphs, std::string_view programFolder, PictureLoader &loader)
{
    graphs.classFlag.reset();
    const std::string path = std::string(programFolder) + "classFlag.bmp";
    if (!FileExists(path))
        return {};
    Messages messages;
    LoadInto(graphs.classFlag, path, loader, messages);
    return messages;
}

} // namespace zelkon
