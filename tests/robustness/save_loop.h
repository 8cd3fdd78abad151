// The saves the crash test kills: "上書き保存" of a worksheet into its master file, the save of
// a copy file and a learner's record lines, each save numbered and with content of its own, and
// the whole content each file holds after any number of saves.
#pragma once

#include "sheet/worksheet.h"

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zelkon::robust {

/// The files of the save loop, named as the program composes them (CP932, "\"-separated).
struct SaveTargets
{
    /// The files in `composedFolder`, which ends in "\".
    explicit SaveTargets(std::string_view composedFolder);

    std::string masterPath; ///< the master file holding the sheet's unit
    std::string copyPath;   ///< the copy file the sheet is saved as
    std::string recordFile; ///< the learner's record file in the records folder
    std::string recordKey;  ///< the section of the unit in the record file
};

/// The master file the loop starts from: CP932 with CR LF, the sheet's unit among others.
std::string OriginalMasterFile();

enum SaveTarget : int { kMasterFile, kCopyFile, kRecordFile, kSaveTargetCount };

/// What a child running the save loop shares with the parent.
struct SaveProgress
{
    /// Per target, the number of the save under way and that of the last save completed. The
    /// parent sets both to the number the file on disk holds before it starts a child.
    std::atomic<std::int64_t> begun[kSaveTargetCount] = {};
    std::atomic<std::int64_t> done[kSaveTargetCount] = {};
    std::atomic<int> next{kMasterFile}; ///< the save a child begins with; then the one under way
    std::atomic<bool> saving{false};    ///< the child has opened its sheets and begun to save
    char failure[1024] = {};            ///< why the child stopped by itself (UTF-8)
};

/// The loop a child runs until it is killed: opens the master sheet, and the copy sheet once
/// its file exists, from the files as they are, then saves the master file, the copy file and
/// one record in turn, from `progress.next` on, each with the number after its last one, for
/// ever. Returns only when a save fails, with the reason in `progress.failure`.
int RunSaveLoop(const SaveTargets &targets, SaveProgress &progress);

/// The master file after save `n` (the original for 0), the copy file after save `n` (none for
/// 0), the record file after record `n` from the one after record `n` − 1: the pure
/// compositions the program's saves perform.
std::string MasterFileAfter(const SaveTargets &targets, std::string_view original, std::int64_t n);
std::optional<std::string>
CopyFileAfter(const SaveTargets &targets, std::string_view original, std::int64_t n);
std::string RecordFileAfter(const SaveTargets &targets, std::string_view before, std::int64_t n);

/// The record line of record `n`.
std::string RecordLineOf(std::int64_t n);

} // namespace zelkon::robust
