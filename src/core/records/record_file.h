// Learner record files: where they live, the section of a unit, reading, counting and
// appending record lines, and the learner's password kept in the same file.
#pragma once

#include "records/profile_key_counts.h"
#include "records/profile_snapshot.h"

#include <string>
#include <string_view>
#include <vector>

namespace zelkon {

/// The folder of the roster and the record files: logOnFolder + "\" when the program runs from
/// a CD-ROM, else programFolder (ending in "\") + "LogOn\".
std::string
RecordsFolder(bool onCdRom, std::string_view logOnFolder, std::string_view programFolder);

/// recordsFolder + learner name + lesson number + ".ini", joined without separator; a lesson
/// number below 1 is taken as 1, so 生徒1 in lesson 2 and 生徒 in lesson 12 share 生徒12.ini.
/// Empty for a name LearnerNameProblem refuses ("..\..\x" would leave the records folder):
/// every operation of this file and of ProfileFile and ProfileKeyCounts fails on the empty
/// path with RefusedNameFileMessage, reading nothing and writing nothing.
std::string
RecordFileName(std::string_view recordsFolder, std::string_view learnerName, int lessonNumber);

/// "S" + section + unit + unit title, without separators; the similar-problem number does not
/// enter it.
std::string UnitKey(int section, int unit, std::string_view unitTitle);

/// The values of keys "1" to n of the section, n its number of keys; a missing key reads "?".
/// Empty when the unit has no records.
std::vector<std::string> ReadUnitRecords(const ProfileSnapshot &records, std::string_view key);

/// ReadUnitRecords on the record file at the composed path; a missing file has no records.
/// False with the reason and no lines when the file exists but cannot be read, or the path is
/// empty (a refused learner name).
bool ReadUnitRecords(const std::string &recordFile,
                     std::string_view key,
                     std::vector<std::string> &lines,
                     std::string *error = nullptr);

/// The lines of the overload above; a file that cannot be read shows as one without records.
std::vector<std::string> ReadUnitRecords(const std::string &recordFile, std::string_view key);

/// Number of records (keys) of the section; 0 when the section is missing. For the counts of
/// every unit of a lesson, load the record file once into ProfileKeyCounts and ask it for each.
int CountPracticeRecords(const ProfileKeyCounts &records, std::string_view key);

/// CountPracticeRecords on the record file at the composed path; 0 when it is missing. False
/// with the reason and a count of 0 when the file exists but cannot be read, or the path is
/// empty (a refused learner name).
bool CountPracticeRecords(const std::string &recordFile,
                          std::string_view key,
                          int &count,
                          std::string *error = nullptr);

/// The count of the overload above; 0 also when the file cannot be read.
int CountPracticeRecords(const std::string &recordFile, std::string_view key);

/// Appends a record line to the section as key n + 1, n its number of keys, under the file's
/// lock so that concurrent writers lose no record; should that key exist already (a gap left
/// by hand editing) the next free number is taken, so no record is overwritten. Creates file
/// and section when missing. False with a reason when the file cannot be read or written.
bool AppendPracticeRecord(const std::string &recordFile,
                          std::string_view key,
                          std::string_view recordLine,
                          std::string *error = nullptr);

/// The stored password: key "pw" of section "password"; "?" when none is stored. False with
/// the reason and "?" when the file exists but cannot be read, or the path is empty (a refused
/// learner name): the caller must not offer to set a new password then.
bool ReadPassword(const std::string &recordFile,
                  std::string &password,
                  std::string *error = nullptr);

/// The password of the overload above; "?" also when the file cannot be read.
std::string ReadPassword(const std::string &recordFile);

/// Stores the password as key "pw" of section "password"; one longer than 1,023 bytes, which
/// could not be read back whole, is refused with a Japanese message. False with a reason when
/// refused or when the file cannot be written.
bool WritePassword(const std::string &recordFile,
                   std::string_view password,
                   std::string *error = nullptr);

} // namespace zelkon
