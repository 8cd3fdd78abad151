// Composing, naming and writing copy files.
#include "sheet/copy_file.h"

#include "common/cp932.h"
#include "common/line_file.h"
#include "common/path.h"
#include "common/sjis_text.h"
#include "master/unit_locator.h"
#include "sheet/layout_blocks.h"
#include "sheet/paper.h"

namespace zelkon {

namespace {

constexpr std::string_view kCopyExtension = ".prp";

} // namespace

std::vector<std::string> ComposeCopyFile(const Worksheet &sheet, std::int32_t currentPaperWidth)
{
    std::vector<std::string> lines{std::string(kCopyUnitHeader)};
    AppendBlock(lines, "<<header", {sheet.unitCaption, sheet.schoolLine, sheet.nameLine});
    // The reader skips a "{" … "}" group standing right after "<<ques": a first question line
    // "{" goes behind an empty group, so that it is read back as text and not taken for one.
    if (!sheet.questionLines.empty() && sheet.questionLines.front() == "{") {
        std::vector<std::string> questions{"{", "}"};
        questions.insert(questions.end(), sheet.questionLines.begin(), sheet.questionLines.end());
        AppendBlock(lines, "<<ques", questions);
    } else {
        AppendBlock(lines, "<<ques", sheet.questionLines);
    }
    // Answers live in the question lines; the block is kept for the grammar's sake.
    AppendBlock(lines, "<<ans", {});
    if (!sheet.graphLines.empty())
        AppendBlock(lines, "<<graph", sheet.graphLines);
    if (!sheet.answerGraphLines.empty())
        AppendBlock(lines, "<<AGraph", sheet.answerGraphLines);
    WriteLayoutBlocks(sheet, currentPaperWidth, lines);
    lines.emplace_back("]]");
    return lines;
}

std::string CopyFileFolder(std::string_view programFolder, const CourseIndex &index, int lesson)
{
    const int row = lesson >= 1 && lesson <= kCourseIndexLimit ? lesson : 1;
    return std::string(programFolder) + index.lessonPrefix[static_cast<std::size_t>(row)];
}

std::int32_t SavedPaperWidth(const Worksheet &sheet)
{
    return PaperEntryOf(PaperChoiceForWidth(sheet.paper.width)).pageSize.width;
}

std::optional<std::string> CopyFileSaveName(std::string_view chosenPath, Messages &messages)
{
    // Taken from the file name alone: folders such as "/home/jane.doe/" are common.
    const std::string extension = FileExtension(chosenPath);
    if (extension == kCopyExtension)
        return std::string(chosenPath);
    if (extension.empty())
        return std::string(chosenPath) + std::string(kCopyExtension);
    messages.push_back({std::string(chosenPath) + Utf8ToCp932(":拡張子が不正です"), 0});
    return std::nullopt;
}

bool FileUpdate(Worksheet &sheet,
                std::string_view path,
                const std::vector<std::string> &lines,
                std::string &oldKey,
                Messages &messages)
{
    if (!WriteLinesAtomic(ToFsPath(path), lines)) {
        messages.push_back({std::string(path) + Utf8ToCp932("の保存に失敗しました"), 0});
        return false;
    }
    // The key the sheet is listed under; recomputing it from the path would take a folder
    // such as "/home/x.queue/" for a master file and leave the old entry behind.
    oldKey = sheet.sheetKey;
    sheet.filePath = path;
    sheet.sheetKey = path;
    sheet.modified = false;
    // From now on the sheet belongs to the copy file: a later "上書き保存" must not write the
    // whole master file into it, and its drills are recorded under the copy file.
    sheet.openedFromMaster = false;
    sheet.openedAsCopyFile = true;
    return true;
}

} // namespace zelkon
