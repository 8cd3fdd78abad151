// Copy files: the lines a worksheet is saved as, the name it is saved under, and the write.
#pragma once

#include "common/messages.h"
#include "index/course_index.h"
#include "sheet/worksheet.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelkon {

/// The lines of the sheet's copy file: unit "[[unitX" with its header (caption, school line,
/// name line), question lines (behind an empty "{" "}" group when the first is "{", which the
/// reader would take for a group to skip), an always empty "<<ans" block, the graph and answer
/// graph blocks only when their lists are not empty, the layout and kgroup blocks (value line
/// 0 = `currentPaperWidth`) and "]]". Softkey lines are not written.
std::vector<std::string> ComposeCopyFile(const Worksheet &sheet, std::int32_t currentPaperWidth);

/// The name a copy file is saved or opened under for the path chosen in a file dialog, judged by
/// the extension of its file name (a dot in a folder does not count): a ".prp" extension in any
/// letter case keeps the path, a file name without "." gets ".prp" appended, any other
/// extension is refused with path + ":拡張子が不正です" in `messages` and nullopt.
std::optional<std::string> CopyFileSaveName(std::string_view chosenPath, Messages &messages);

/// The folder the save dialog of a copy file starts in: `programFolder` + the file prefix of
/// the lesson (lesson 1 for a lesson outside 1 to 80, as copy sheets of no lesson have); the
/// dialog falls back on its own when no such folder exists.
std::string CopyFileFolder(std::string_view programFolder, const CourseIndex &index, int lesson);

/// The page width a sheet's value block is saved with: the width of its paper, or A4's when the
/// width is none of the four papers (the paper the main window shows for such a sheet).
std::int32_t SavedPaperWidth(const Worksheet &sheet);

/// Writes `lines` to the composed path atomically and makes that path the sheet's file and key,
/// no longer modified, and the sheet a copy-file sheet (not opened from a master file, opened
/// as a copy file), as if it had been opened from the file just written; `oldKey` receives the
/// key the sheet was listed under before, for the open-sheet list. When the write fails: false
/// with path + "の保存に失敗しました" in `messages`, the old file whole and the sheet
/// unchanged.
bool FileUpdate(Worksheet &sheet,
                std::string_view path,
                const std::vector<std::string> &lines,
                std::string &oldKey,
                Messages &messages);

} // namespace zelkon
