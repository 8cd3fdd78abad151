// readUnit: reading one unit of a master or copy file into the UnitRecord, with its captions.
#pragma once

#include "common/messages.h"
#include "master/unit_record.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zelkon {

/// Why a unit is read, which decides what is cleared first and how the caption is built.
enum class ReadMode {
    Master, ///< opening a unit of a master file
    Copy,   ///< opening a copy file, unit "[[unitX"
    Add,    ///< adding a unit to the worksheet being edited
};

/// The reader's memory between reads, shared by all worksheets for the whole run.
struct ReaderState
{
    std::int32_t lastSectionRead = 0;
    bool captionRestart = true;
};

/// The active worksheet as the reader sees it.
struct ActiveSheetCaptions
{
    bool openedFromMaster = false;
    std::string unitCaption;
    std::int32_t section = 0;
    std::int32_t unit = 0;
    std::string lastCaption; ///< read in Add mode; replaced by every successful read
};

/// What the reader takes from the program besides the file.
struct ReadContext
{
    std::string lessonName;  ///< caption of the lesson chosen in the selection window
    std::string sectionName; ///< caption of the section chosen there
    std::string unitName;    ///< caption of the unit chosen there
    ActiveSheetCaptions *activeSheet = nullptr; ///< none when no worksheet is active
};

/// Reads the unit under `headerLine` of the file at the composed CP932 `path` into `record`;
/// `unit` and `section` only number the captions. False when the file is missing, unreadable
/// or empty or the header is absent (the first two with a message), or when the unit is
/// refused with a message in `messages`; `record` may then be partly filled.
bool readUnit(std::string_view path,
              std::string_view headerLine,
              std::int32_t unit,
              std::int32_t section,
              ReadMode mode,
              const ReadContext &context,
              ReaderState &state,
              UnitRecord &record,
              Messages &messages);

/// readUnit over the bytes of a file already in memory: false without a message for empty bytes
/// or a missing header, false with a message for a refused unit, a copy unit with fewer than 3
/// header lines included.
bool ReadUnitFromBytes(std::string_view bytes,
                       std::string_view headerLine,
                       std::int32_t unit,
                       std::int32_t section,
                       ReadMode mode,
                       const ReadContext &context,
                       ReaderState &state,
                       UnitRecord &record,
                       Messages &messages);

} // namespace zelkon
