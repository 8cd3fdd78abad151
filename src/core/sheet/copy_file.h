// Copy files: the lines a worksheet is saved as, the name it is saved under, and the write.
#pragma once

#include "common/messages.h"
#include "sheet/worksheet.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelkon {

/// The lines of the sheet's copy file: unit "[[unitX" with its header (caption, school line,
/// name line), question lines, an always empty "<<ans" block, the graph and answer graph blocks
/// only when their lists are not empty, the layout and kgroup blocks (value line 0 =
/// `currentPaperWidth`) and "]]". Softkey lines are not written.
std::vector<std::string> ComposeCopyFile(const Worksheet &sheet, std::int32_t currentPaperWidth);

/// The name a copy file is saved or opened under for the path chosen in a file dialog, judged by
/// the extension of its file name (a dot in a folder does not count): a ".prp" extension in any
/// letter case keeps the path, a file name without "." gets ".prp" appended, any other
/// extension is refused with path + ":拡張子が不正です" in `messages` and nullopt.
std::optional<std::string> CopyFileSaveName(std::string_view chosenPath, Messages &messages);

/// Writes `lines` to the composed path atomically and makes that path the sheet's file and key,
/// no longer modified; `oldKey` receives the key the sheet was listed under before, for the
/// open-sheet list. When the write fails: false with path + "の保存に失敗しました" in
/// `messages`, the old file whole and the sheet unchanged.
bool FileUpdate(Worksheet &sheet,
                std::string_view path,
                const std::vector<std::string> &lines,
                std::string &oldKey,
                Messages &messages);

} // namespace zelkon
