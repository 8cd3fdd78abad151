// The block grammar of master and copy files: finding a unit by its header and reading its blocks.
#pragma once

#include "common/messages.h"
#include "master/unit_record.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace zelkon {

/// Most lines a unit may have, "]]" included: ten times what the largest real unit holds, and
/// few enough that listing a block's lines in a window takes a moment.
inline constexpr std::size_t kMaxUnitLines = 10000;

/// "単元の行が多すぎます（10000行まで）" in CP932.
std::string UnitTooLongMessage();

/// How a scan for a unit ended.
enum class ScanResult {
    Read,           ///< the unit was read into the record
    HeaderNotFound, ///< no line equals the header; nothing was said
    Refused,        ///< the unit breaks the grammar; a message says why
};

/// The outcome of ScanUnit.
struct UnitScan
{
    ScanResult result = ScanResult::HeaderNotFound;
    std::size_t headerOffset = 0; ///< byte offset of the header line when it was found
};

/// The 1-based number of the line holding byte `offset` of a text split as line files are.
int LineNumberAt(std::string_view bytes, std::size_t offset);

/// Finds the first line of `bytes` (CR LF or LF lines) equal to `headerLine` and reads the unit
/// from there up to a line "]]" outside the known blocks or the end of the text, appending each
/// block's lines to its list of `record`. Refuses, with a message in `messages`, more than 60
/// question lines (those already in the record count), a value or font list of other than 7
/// lines, a kran list over 10 lines (a shorter one is padded with "0"), a block or a "{" of
/// the question block that is never closed, a line longer than kMaxLineBytes and more than
/// kMaxUnitLines lines; the record is then partly filled.
UnitScan ScanUnit(std::string_view bytes,
                  std::string_view headerLine,
                  UnitRecord &record,
                  Messages &messages);

} // namespace zelkon
