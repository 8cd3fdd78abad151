// Opening a unit or a copy file as a worksheet: the names of the new sheet, what the open path
// does when the file is missing or the sheet is already open, and the fields it gives the sheet.
#pragma once

#include "index/course_index.h"
#include "master/unit_locator.h"
#include "master/unit_reader.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zelkon {

struct Worksheet;

/// The file and names of a worksheet opened from a master file.
struct MasterSheetNames
{
    std::string masterPath; ///< programFolder + folder + prefix + section + ".que"
    std::string sheetKey;   ///< masterPath + "-U" + unit [+ "R" + variant]: the window caption
    std::string printTag;   ///< prefix + section + ".que" + "-U" + unit [+ "R" + variant]
};

/// The names of the unit at `locator`, composed from the lesson tables of `index`.
MasterSheetNames MasterSheetNamesFor(std::string_view programFolder,
                                     const CourseIndex &index,
                                     const UnitLocator &locator);

/// Results of openMasterUnit, with their historic numbers.
enum class OpenResult : int {
    Opened = 1,
    AlreadyOpen = 2, ///< refused; the open sheet was brought to the front
    Missing = 4,     ///< the file or the unit is missing, or the reader refused it
};

/// What openMasterUnit does for a unit.
enum class MasterOpenStep {
    Missing,     ///< the master file does not exist: result Missing without a message
    ShowOpen,    ///< already open: "すでに読み込まれています" and activate that sheet
    ReplaceOpen, ///< already open and to be replaced: close the active sheet, then read
    Read,        ///< read the unit and create its sheet
};

/// The step for a unit whose file exists or not, whose sheet key is open or not, opened to
/// replace its open sheet (after the master file editor) or not.
MasterOpenStep DecideMasterOpen(bool fileExists, bool sheetOpen, bool replace);

/// The header the reader looks for: "[[unitX" for a copy file, else the locator's header.
std::string SheetHeaderLine(const UnitLocator &locator, ReadMode mode);

/// The fields the open path sets on a newly created worksheet, after it took the unit record.
struct WorksheetOrigin
{
    std::string filePath;
    UnitLocator locator;
    bool openedFromMaster = false;
    bool openedAsCopyFile = false;
    bool similarProblemSheet = false;
    std::int32_t unitNumber = 0;
};

/// A sheet of the master file at `masterPath`: opened from master, a similar-problem sheet when
/// the variant is not 0, unit number the locator's unit.
WorksheetOrigin MasterSheetOrigin(std::string_view masterPath, const UnitLocator &locator);

/// A sheet of the copy file `name` in lesson `lesson`: locator (lesson, 0, 0, 0), opened as a
/// copy file, neither from master nor a similar problem, unit number 0.
WorksheetOrigin CopySheetOrigin(std::string_view name, std::int32_t lesson);

/// Sets the origin's fields on the sheet and clears `learnerNameShown`; the sheet's names,
/// captions and lines, taken from the unit record and AppState, are left as they are.
void ApplyWorksheetOrigin(Worksheet &sheet, const WorksheetOrigin &origin);

/// The lesson a copy file is opened in: that of the active worksheet, 1 when none is open.
std::int32_t CopyFileLesson(std::optional<std::int32_t> activeSheetLesson);

/// A file name chosen in the copy file browser, checked by its extension (the four characters
/// from the first "." of the file name, never of a folder, in lower case).
struct CopyFileName
{
    bool accepted = false;
    std::string name;    ///< the name to open: as chosen, or with ".prp" appended
    std::string refusal; ///< name + ":拡張子が不正です" when refused
};

/// ".prp" is accepted; a name without "." gets ".prp" appended; any other extension is refused.
CopyFileName CheckCopyFileName(std::string_view chosen);

/// "すでに読み込まれています".
std::string AlreadyOpenMessage();

/// "単元がありません\r\n新規作成しますか?".
std::string CreateUnitQuestion();

/// The message for a copy file the reader found no unit "[[unitX" in.
std::string CopyUnitMissingMessage(std::string_view name);

} // namespace zelkon
