// The numbered saves of the crash test and the contents they leave.
#include "save_loop.h"

#include "authoring/overwrite_save.h"
#include "authoring/unit_store.h"
#include "common/cp932.h"
#include "common/line_file.h"
#include "master/open_unit.h"
#include "master/unit_locator.h"
#include "master/unit_reader.h"
#include "records/profile_snapshot.h"
#include "records/record_file.h"
#include "records/record_line.h"
#include "sheet/copy_file.h"
#include "sheet/worksheet_document.h"

#include <cstdio>

namespace zelkon::robust {

namespace {

const UnitLocator kLocator{1, 1, 2, 0};

struct Names
{
    std::string lesson = Utf8ToCp932("地理");
    std::string section = Utf8ToCp932("日本の地形");
    std::string unit = Utf8ToCp932("川と平野");
};

SheetCreationContext CreationContext(std::string_view sheetKey, std::string_view printTag)
{
    const Names names;
    SheetCreationContext context;
    context.answersShown = true;
    context.currentLocator = kLocator;
    context.lessonName = names.lesson;
    context.sectionName = names.section;
    context.unitName = names.unit;
    context.sheetKey = sheetKey;
    context.printTag = printTag;
    return context;
}

// A new sheet from the unit the reader filled, as the open path makes it.
Worksheet SheetOfRecord(const UnitRecord &record,
                        const SheetCreationContext &context,
                        const WorksheetOrigin &origin,
                        Messages &messages)
{
    Worksheet sheet;
    TakeUnitRecord(sheet, record, context, messages);
    ApplyWorksheetOrigin(sheet, origin);
    return sheet;
}

ReadContext ReaderContext(const Names &names)
{
    return {names.lesson, names.section, names.unit, nullptr};
}

std::string MasterHeader()
{
    return SheetHeaderLine(kLocator, ReadMode::Master);
}

SheetCreationContext MasterContext(const SaveTargets &targets)
{
    return CreationContext(MasterSheetKey(targets.masterPath, kLocator.unit, kLocator.variant),
                           MasterSheetKey("ch1.que", kLocator.unit, kLocator.variant));
}

// The master sheet from the file's bytes; the child opens it from disk through readUnit.
Worksheet MasterSheetFromBytes(const SaveTargets &targets, std::string_view bytes)
{
    const Names names;
    ReaderState state;
    UnitRecord record;
    Messages messages;
    ReadUnitFromBytes(bytes,
                      MasterHeader(),
                      kLocator.unit,
                      kLocator.section,
                      ReadMode::Master,
                      ReaderContext(names),
                      state,
                      record,
                      messages);
    return SheetOfRecord(
        record, MasterContext(targets), MasterSheetOrigin(targets.masterPath, kLocator), messages);
}

// Every value the layout panels change, each a function of the save's number; the answer
// position alone makes every save's content its own.
void ApplySaveLayout(Worksheet &sheet, std::int64_t n)
{
    const auto at = [n](std::int64_t modulus) { return static_cast<std::int32_t>(n % modulus); };
    TakeLineSpacing(sheet, at(106) - 5);
    TakeFontSize(sheet, 8 + at(43));
    TakeLeftMargin(sheet, at(16));
    TakeRightMargin(sheet, static_cast<std::int32_t>((n / 16) % 16));
    TakeStartNumber(sheet, 1 + at(100));
    TakeAnswerPositionX(sheet, static_cast<std::int32_t>(n));
    TakeAnswerPositionY(sheet, -at(300));
    sheet.modified = true;
}

std::string Cp932Text(const Messages &messages)
{
    std::string text;
    for (const Message &m : messages)
        text += (text.empty() ? "" : " / ") + m.text;
    return text;
}

int Fail(SaveProgress &progress, const char *what, std::string_view cp932Reason)
{
    std::snprintf(progress.failure,
                  sizeof progress.failure,
                  "%s: %s",
                  what,
                  Cp932ToUtf8(cp932Reason).c_str());
    return 2;
}

bool OpenMaster(const SaveTargets &targets, Worksheet &sheet, Messages &messages)
{
    const Names names;
    ReaderState state;
    UnitRecord record;
    if (!readUnit(targets.masterPath,
                  MasterHeader(),
                  kLocator.unit,
                  kLocator.section,
                  ReadMode::Master,
                  ReaderContext(names),
                  state,
                  record,
                  messages))
        return false;
    sheet = SheetOfRecord(
        record, MasterContext(targets), MasterSheetOrigin(targets.masterPath, kLocator), messages);
    return messages.empty();
}

bool OpenCopy(const SaveTargets &targets, Worksheet &sheet, Messages &messages)
{
    const Names names;
    ReaderState state;
    UnitRecord record;
    if (!readUnit(targets.copyPath,
                  kCopyUnitHeader,
                  0,
                  0,
                  ReadMode::Copy,
                  ReaderContext(names),
                  state,
                  record,
                  messages))
        return false;
    sheet = SheetOfRecord(record,
                          CreationContext(targets.copyPath, targets.copyPath),
                          CopySheetOrigin(targets.copyPath, kLocator.lesson),
                          messages);
    return messages.empty();
}

} // namespace

SaveTargets::SaveTargets(std::string_view composedFolder)
    : masterPath(std::string(composedFolder) + "ch1.que")
    , copyPath(std::string(composedFolder) + Utf8ToCp932("地図表.prp"))
    , recordFile(RecordFileName(
          RecordsFolder(false, "", composedFolder), Utf8ToCp932("生徒"), kLocator.lesson))
    , recordKey(UnitKey(kLocator.section, kLocator.unit, Utf8ToCp932("川と平野")))
{}

std::string OriginalMasterFile()
{
    // The unit has every block the editor knows; "地図表" carries 0x5C as a second byte.
    return JoinLines({
        "[[unit1",
        "<<ques",
        Utf8ToCp932("１．地図表を見て答えなさい。　#　関東平野　#　"),
        ">>",
        "]]",
        "[[unit2",
        "<<ques",
        Utf8ToCp932("２．日本一長い川は　#　信濃川　#　です。"),
        Utf8ToCp932("３．日本一広い平野は　#　関東平野　#　です。"),
        ">>",
        "<<kgroup",
        Utf8ToCp932("信濃川"),
        Utf8ToCp932("関東平野"),
        ">>",
        "<<dummy",
        Utf8ToCp932("利根川"),
        ">>",
        "<<graph",
        "Map1.bmp",
        "440",
        "145",
        ">>",
        "<<AGraph",
        "Map1A.bmp",
        "0",
        "0",
        ">>",
        "<<hint",
        Utf8ToCp932("地図帳で調べよう"),
        ">>",
        "<<value",
        "630",
        "True",
        "40",
        "5",
        "5",
        "1",
        "7",
        ">>",
        "<<font",
        "14",
        Utf8ToCp932("MS 明朝"),
        "True",
        "False",
        "False",
        "False",
        Utf8ToCp932("ＭＳ 明朝"),
        ">>",
        "<<kran",
        "2",
        "10",
        "4",
        "0",
        "0",
        "0",
        "15",
        "10",
        "0",
        "0",
        ">>",
        "]]",
        "[[unit2R1",
        "<<ques",
        Utf8ToCp932("類題　#　石狩川　#　"),
        ">>",
        "]]",
    });
}

int RunSaveLoop(const SaveTargets &targets, SaveProgress &progress)
{
    Messages messages;
    Worksheet master;
    if (!OpenMaster(targets, master, messages))
        return Fail(progress, "opening the master sheet", Cp932Text(messages));
    // Until the first copy is saved the copy sheet is the master sheet itself, as in the
    // program, where the copy file is first saved from a sheet opened from its master file.
    Worksheet copy = master;
    if (progress.done[kCopyFile] > 0 && !OpenCopy(targets, copy, messages))
        return Fail(progress, "opening the copy sheet", Cp932Text(messages));
    progress.saving = true;

    // The saves take turns, beginning with the one the parent chose. Each save is announced before
    // it starts and marked done when it returned, so the parent knows where the kill fell.
    for (int target = progress.next;; target = (target + 1) % kSaveTargetCount) {
        progress.next = target;
        const std::int64_t n = progress.done[target] + 1;
        progress.begun[target] = n;
        std::string error;
        switch (target) {
        case kMasterFile:
            ApplySaveLayout(master, n);
            if (!OverwriteSave(master, messages))
                return Fail(progress, "上書き保存", Cp932Text(messages));
            break;
        case kCopyFile: {
            ApplySaveLayout(copy, n);
            std::string oldKey;
            if (!FileUpdate(copy,
                            targets.copyPath,
                            ComposeCopyFile(copy, SavedPaperWidth(copy)),
                            oldKey,
                            messages))
                return Fail(progress, "saving the copy file", Cp932Text(messages));
            break;
        }
        default:
            if (!AppendPracticeRecord(
                    targets.recordFile, targets.recordKey, RecordLineOf(n), &error))
                return Fail(progress, "appending a record", error);
        }
        progress.done[target] = n;
    }
}

std::string MasterFileAfter(const SaveTargets &targets, std::string_view original, std::int64_t n)
{
    if (n == 0)
        return std::string(original);
    Worksheet sheet = MasterSheetFromBytes(targets, original);
    ApplySaveLayout(sheet, n);
    std::vector<std::string> lines = SplitLines(original);
    OverwriteUnit(lines, MasterHeader(), SheetUnitAreas(sheet));
    return JoinLines(lines);
}

std::optional<std::string>
CopyFileAfter(const SaveTargets &targets, std::string_view original, std::int64_t n)
{
    if (n == 0)
        return std::nullopt;
    Worksheet sheet = MasterSheetFromBytes(targets, original);
    ApplySaveLayout(sheet, n);
    return JoinLines(ComposeCopyFile(sheet, SavedPaperWidth(sheet)));
}

std::string RecordFileAfter(const SaveTargets &targets, std::string_view before, std::int64_t n)
{
    return ProfileSnapshot(std::string(before))
        .withValue(targets.recordKey, std::to_string(n), RecordLineOf(n));
}

std::string RecordLineOf(std::int64_t n)
{
    DrillResult result;
    result.similarProblem = static_cast<int>(n % 3);
    result.fieldCount = 4;
    for (int field = 0; field < result.fieldCount; ++field) {
        const bool right = (n >> field) & 1;
        result.markString += right ? "O" : "x";
        result.rightCount += right;
    }
    result.score = result.rightCount * 25;
    result.elapsedSeconds = static_cast<int>(n);
    const LocalTime when{2024, 1 + static_cast<int>(n % 12), 1 + static_cast<int>(n % 28), 9, 30};
    return RecordLine(result, when);
}

} // namespace zelkon::robust
