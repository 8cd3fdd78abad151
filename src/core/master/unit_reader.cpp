// readUnit: the file, the mode's clearing, the scan of the unit and the captions it leaves.
#include "master/unit_reader.h"

#include "common/cp932.h"
#include "common/line_file.h"
#include "common/path.h"
#include "master/unit_scan.h"

namespace zelkon {

namespace {

constexpr std::size_t kCopyHeaderLineCount = 3;

void ClearForMode(UnitRecord &record, ReadMode mode)
{
    // Add keeps what the worksheet put into the record, so the added unit is appended to it.
    if (mode != ReadMode::Add) {
        record.questionLines.clear();
        record.headerLines.clear();
        record.graphLines.clear();
        record.answerGraphLines.clear();
        record.unitCaption.clear();
        record.schoolLine.clear();
        record.nameLine.clear();
    }
    record.valueLines.clear();
    record.fontLines.clear();
    record.kranLines.clear();
    record.kgroupLines.clear();
    record.softkeyLines.clear();
}

// ",n" after a unit of the section read last, else " §s-n".
std::string NumberSuffix(std::int32_t unit, std::int32_t section, const ReaderState &state)
{
    if (section == state.lastSectionRead)
        return "," + std::to_string(unit);
    return " " + Utf8ToCp932("§") + std::to_string(section) + "-" + std::to_string(unit);
}

std::string AddCaption(const std::string &suffix,
                       const ReadContext &context,
                       const ReaderState &state,
                       const UnitRecord &record)
{
    const ActiveSheetCaptions *sheet = context.activeSheet;
    // Without a worksheet the caption the caller put into the record is carried on.
    if (!sheet)
        return record.unitCaption + suffix;
    if (!sheet->openedFromMaster)
        return sheet->unitCaption + suffix;
    if (state.captionRestart)
        return context.lessonName + "//" + Utf8ToCp932("§") + std::to_string(sheet->section) + "-"
               + std::to_string(sheet->unit) + suffix;
    return sheet->lastCaption + suffix;
}

} // namespace

bool ReadUnitFromBytes(std::string_view bytes,
                       std::string_view headerLine,
                       std::int32_t unit,
                       std::int32_t section,
                       ReadMode mode,
                       const ReadContext &context,
                       ReaderState &state,
                       UnitRecord &record,
                       Messages &messages)
{
    record.priorGraphCount = static_cast<int>(record.graphLines.size());
    if (bytes.empty())
        return false;
    ClearForMode(record, mode);

    const UnitScan scan = ScanUnit(bytes, headerLine, record, messages);
    if (scan.result != ScanResult::Read)
        return false;
    if (mode == ReadMode::Copy && record.headerLines.size() < kCopyHeaderLineCount) {
        messages.push_back({Utf8ToCp932("コピーファイルの <<header ブロックには3行が必要です"),
                            LineNumberAt(bytes, scan.headerOffset)});
        return false;
    }

    const std::string suffix = NumberSuffix(unit, section, state);
    std::string caption;
    switch (mode) {
    case ReadMode::Master:
        record.unitCaption = context.lessonName + "//" + context.sectionName + Utf8ToCp932("§")
                             + std::to_string(section) + "-" + std::to_string(unit) + " "
                             + context.unitName;
        record.schoolLine = Utf8ToCp932("中学校");
        record.nameLine = Utf8ToCp932("　年　組　番　氏名");
        caption = record.unitCaption;
        state.captionRestart = true;
        break;
    case ReadMode::Copy:
        record.unitCaption = record.headerLines[0];
        record.schoolLine = record.headerLines[1];
        record.nameLine = record.headerLines[2];
        state.captionRestart = true;
        break;
    case ReadMode::Add:
        caption = AddCaption(suffix, context, state, record);
        record.unitCaption = caption;
        state.captionRestart = false;
        break;
    }

    state.lastSectionRead = section;
    if (context.activeSheet)
        context.activeSheet->lastCaption = caption;
    return true;
}

bool readUnit(std::string_view path,
              std::string_view headerLine,
              std::int32_t unit,
              std::int32_t section,
              ReadMode mode,
              const ReadContext &context,
              ReaderState &state,
              UnitRecord &record,
              Messages &messages)
{
    std::string bytes;
    std::string error;
    if (!ReadFileBytes(ToFsPath(path), bytes, &error)) {
        messages.push_back({FileExists(path) ? error : MissingFileMessage(path), 0});
        return false;
    }
    return ReadUnitFromBytes(
        bytes, headerLine, unit, section, mode, context, state, record, messages);
}

} // namespace zelkon
