// Writing a worksheet's layout and graphs back into its master file.
#include "authoring/overwrite_save.h"

#include "authoring/unit_store.h"
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
    OverwriteUnit(
        lines, UnitHeaderLine(sheet.locator.unit, sheet.locator.variant), SheetUnitAreas(sheet));
    if (!WriteLinesAtomic(fsPath, lines, &error)) {
        messages.push_back({error, 0});
        return false;
    }
    sheet.modified = false;
    return true;
}

} // namespace zelkon
