// Names, decisions and sheet fields of the open path.
#include "master/open_unit.h"

#include "common/cp932.h"
#include "common/sjis_text.h"
#include "sheet/worksheet.h"
#include "sheet/worksheet_document.h"

namespace zelkon {

MasterSheetNames MasterSheetNamesFor(std::string_view programFolder,
                                     const CourseIndex &index,
                                     const UnitLocator &locator)
{
    MasterSheetNames names;
    names.masterPath = MasterFilePath(programFolder, index, locator.lesson, locator.section);
    names.sheetKey = MasterSheetKey(names.masterPath, locator.unit, locator.variant);
    // The tag names the file without its folders: the lesson prefix, section and ".que".
    const std::string prefix = locator.lesson >= 1 && locator.lesson <= kCourseIndexLimit
                                   ? index.lessonPrefix[locator.lesson]
                                   : std::string();
    names.printTag = MasterSheetKey(
        prefix + std::to_string(locator.section) + ".que", locator.unit, locator.variant);
    return names;
}

MasterOpenStep DecideMasterOpen(bool fileExists, bool sheetOpen, bool replace)
{
    if (!fileExists)
        return MasterOpenStep::Missing;
    if (!sheetOpen)
        return MasterOpenStep::Read;
    return replace ? MasterOpenStep::ReplaceOpen : MasterOpenStep::ShowOpen;
}

std::string SheetHeaderLine(const UnitLocator &locator, ReadMode mode)
{
    if (mode == ReadMode::Copy)
        return std::string(kCopyUnitHeader);
    return UnitHeaderLine(locator.unit, locator.variant);
}

WorksheetOrigin MasterSheetOrigin(std::string_view masterPath, const UnitLocator &locator)
{
    WorksheetOrigin origin;
    origin.filePath = masterPath;
    origin.locator = locator;
    origin.openedFromMaster = true;
    origin.similarProblemSheet = locator.variant != 0;
    origin.unitNumber = locator.unit;
    return origin;
}

WorksheetOrigin CopySheetOrigin(std::string_view name, std::int32_t lesson)
{
    WorksheetOrigin origin;
    origin.filePath = name;
    origin.locator = UnitLocator{lesson, 0, 0, 0};
    origin.openedAsCopyFile = true;
    return origin;
}

void ApplyWorksheetOrigin(Worksheet &sheet, const WorksheetOrigin &origin)
{
    sheet.filePath = origin.filePath;
    sheet.locator = origin.locator;
    sheet.openedFromMaster = origin.openedFromMaster;
    sheet.openedAsCopyFile = origin.openedAsCopyFile;
    sheet.similarProblemSheet = origin.similarProblemSheet;
    sheet.unitNumber = origin.unitNumber;
    sheet.learnerNameShown = false;
}

std::int32_t CopyFileLesson(std::optional<std::int32_t> activeSheetLesson)
{
    return activeSheetLesson.value_or(1);
}

CopyFileName CheckCopyFileName(std::string_view chosen)
{
    const std::string extension = FileExtension(chosen);
    if (extension == ".prp")
        return {true, std::string(chosen), {}};
    if (extension.empty())
        return {true, std::string(chosen) + ".prp", {}};
    return {false, std::string(chosen), std::string(chosen) + Utf8ToCp932(":拡張子が不正です")};
}

std::string AlreadyOpenMessage()
{
    return Utf8ToCp932("すでに読み込まれています");
}

std::string CreateUnitQuestion()
{
    return Utf8ToCp932("単元がありません\r\n新規作成しますか?");
}

std::string CopyUnitMissingMessage(std::string_view name)
{
    return Utf8ToCp932("ファイル ") + std::string(name)
           + Utf8ToCp932(" にはコピーファイルの単元 [[unitX がありません");
}

} // namespace zelkon
