// Writing a worksheet's layout and graphs back into its master file.
#include "authoring/overwrite_save.h"

#include "authoring/unit_store.h"
#include "common/cp932.h"
#include "common/line_file.h"
#include "common/path.h"
#include "master/unit_locator.h"
#include "sheet/copy_file.h"
#include "sheet/layout_blocks.h"

namespace zelkon {

UnitAreas SheetUnitAreas(const Worksheet &sheet)
{
    EditorLayoutTexts texts = WriteLayoutToEditor(sheet, SavedPaperWidth(sheet));
    UnitAreas areas;
    areas.question = sheet.questionLines;
    areas.choice = sheet.kgroupLines;
    areas.questionGraph = std::move(texts.graph);
    areas.answerGraph = std::move(texts.answerGraph);
    areas.layout = std::move(texts.layout);
    return areas;
}

bool OverwriteSave(Worksheet &sheet, Messages &messages)
{
    if (!sheet.openedFromMaster)
        return false;
    const std::string fsPath = ToFsPath(sheet.filePath);
    std::string bytes;
    std::string error;
    // A file that is there but cannot be read must never be taken for an empty one and
    // replaced by this one unit.
    if (ReadFileIfPresent(fsPath, bytes, &error) == FileRead::unreadable) {
        messages.push_back({error, 0});
        return false;
    }
    std::vector<std::string> lines = SplitLines(bytes);
    const std::string header = UnitHeaderLine(sheet.locator.unit, sheet.locator.variant);
    // A unit removed from its file since the sheet was opened is not brought back by a layout:
    // the teacher is told, and the file keeps what it holds.
    if (!OverwriteUnit(lines, header, SheetUnitAreas(sheet))) {
        messages.push_back({UnitMissingForOverwriteMessage(sheet.filePath, header), 0});
        return false;
    }
    if (!WriteLinesAtomic(fsPath, lines, &error)) {
        messages.push_back({error, 0});
        return false;
    }
    sheet.modified = false;
    return true;
}

std::string UnitMissingForOverwriteMessage(std::string_view path, std::string_view headerLine)
{
    return Utf8ToCp932("マスターファイル ") + std::string(path) + Utf8ToCp932(" に単元 ")
           + std::string(headerLine) + Utf8ToCp932(" がありません\r\n上書き保存はしませんでした");
}

} // namespace zelkon
