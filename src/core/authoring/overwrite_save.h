// "上書き保存": the layout and graphs of a worksheet opened from a master file written back into
// its unit of that file.
#pragma once

#include "authoring/unit_areas.h"
#include "common/messages.h"
#include "sheet/worksheet.h"

#include <string>
#include <string_view>

namespace zelkon {

/// The sheet as the editor's areas would hold it: its question lines, choices and graph lists,
/// and its value, font and kran blocks with value line 0 the SavedPaperWidth; no dummy or hint
/// lines, which a sheet does not carry.
UnitAreas SheetUnitAreas(const Worksheet &sheet);

/// "上書き保存" of a sheet opened from a master file: reads its file (`filePath`), puts the sheet's
/// layout and graphs into the unit of its locator's header (OverwriteUnit) and replaces the file
/// atomically; the sheet is then no longer modified. False with the reason in `messages`, the
/// file and the sheet untouched, when the file cannot be read or written, and with
/// UnitMissingForOverwriteMessage when the file is missing or no longer holds the unit; false
/// without a message for a sheet not opened from a master file, which has no unit to write into.
bool OverwriteSave(Worksheet &sheet, Messages &messages);

/// "マスターファイル PATH に単元 HEADER がありません\r\n上書き保存はしませんでした".
std::string UnitMissingForOverwriteMessage(std::string_view path, std::string_view headerLine);

} // namespace zelkon
