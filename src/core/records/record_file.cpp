// Record file names, unit keys, record reading, counting and appending, and the password entry.
#include "records/record_file.h"

#include "records/learner_name.h"
#include "records/profile_file.h"

#include "common/cp932.h"
#include "common/path.h"

#include <algorithm>
#include <filesystem>

namespace zelkon {

namespace {

constexpr std::string_view kPasswordSection = "password";
constexpr std::string_view kPasswordKey = "pw";
constexpr std::string_view kNoPassword = "?";

/// Makes the records folder of a record file that is about to be written: it is made on the
/// first record, so a missing folder loses nothing. Should this fail, the write says why.
void MakeRecordsFolder(const std::string &recordFile)
{
    if (recordFile.empty())
        return;
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(ToFsPath(recordFile)).parent_path(),
                                        ignored);
}

// The number a record key stands for: k ≥ 1 when the name is k written as to_string writes
// it ("12", not "012"), else 0.
int RecordNumber(std::string_view name)
{
    if (name.empty() || name.size() > 9 || name[0] == '0')
        return 0;
    int k = 0;
    for (const char c : name) {
        if (c < '0' || c > '9')
            return 0;
        k = k * 10 + (c - '0');
    }
    return k;
}

} // namespace

std::string
RecordsFolder(bool onCdRom, std::string_view logOnFolder, std::string_view programFolder)
{
    if (onCdRom)
        return std::string(logOnFolder) + "\\";
    return std::string(programFolder) + "LogOn\\";
}

std::string
RecordFileName(std::string_view recordsFolder, std::string_view learnerName, int lessonNumber)
{
    if (!LearnerNameProblem(learnerName).empty())
        return {};
    return std::string(recordsFolder) + std::string(learnerName)
           + std::to_string(std::max(lessonNumber, 1)) + ".ini";
}

std::string UnitKey(int section, int unit, std::string_view unitTitle)
{
    std::string key;
    key.reserve(12 + unitTitle.size());
    key += 'S';
    key += std::to_string(section);
    key += std::to_string(unit);
    key += unitTitle;
    return key;
}

std::vector<std::string> ReadUnitRecords(const ProfileSnapshot &records, std::string_view key)
{
    // One pass over the section, each value put in its place by its key's number: sections can
    // hold a hundred thousand records.
    const std::size_t n = static_cast<std::size_t>(records.keyCount(key));
    std::vector<std::string> lines(n);
    std::vector<bool> found(n);
    for (auto &[name, value] : records.entries(key)) {
        const std::size_t k = static_cast<std::size_t>(RecordNumber(name));
        // The first of duplicate keys wins.
        if (k >= 1 && k <= n && !found[k - 1]) {
            lines[k - 1] = std::move(value);
            found[k - 1] = true;
        }
    }
    for (std::size_t k = 0; k < n; ++k) {
        if (!found[k])
            lines[k] = "?";
    }
    return lines;
}

bool ReadUnitRecords(const std::string &recordFile,
                     std::string_view key,
                     std::vector<std::string> &lines,
                     std::string *error)
{
    lines.clear();
    ProfileSnapshot records;
    if (!ProfileFile(recordFile).load(records, error))
        return false;
    lines = ReadUnitRecords(records, key);
    return true;
}

std::vector<std::string> ReadUnitRecords(const std::string &recordFile, std::string_view key)
{
    std::vector<std::string> lines;
    ReadUnitRecords(recordFile, key, lines);
    return lines;
}

int CountPracticeRecords(const ProfileKeyCounts &records, std::string_view key)
{
    return records.keyCount(key);
}

bool CountPracticeRecords(const std::string &recordFile,
                          std::string_view key,
                          int &count,
                          std::string *error)
{
    ProfileKeyCounts counts;
    const bool read = counts.load(recordFile, error);
    count = counts.keyCount(key);
    return read;
}

int CountPracticeRecords(const std::string &recordFile, std::string_view key)
{
    int count = 0;
    CountPracticeRecords(recordFile, key, count);
    return count;
}

bool AppendPracticeRecord(const std::string &recordFile,
                          std::string_view key,
                          std::string_view recordLine,
                          std::string *error)
{
    const std::string problem = ProfileEntryProblem(key, "1", recordLine);
    if (!problem.empty()) {
        if (error)
            *error = problem;
        return false;
    }
    MakeRecordsFolder(recordFile);
    return ProfileFile(recordFile)
        .update(
            [&](const ProfileSnapshot &current) {
                // The numbers taken from n on, found in one pass rather than a search of the
                // section per number; of the keys + 1 numbers from n, one is free.
                const int n = current.keyCount(key) + 1;
                const std::vector<std::string> names = current.keys(key);
                std::vector<bool> taken(names.size() + 1);
                for (const std::string &name : names) {
                    const int k = RecordNumber(name);
                    if (k >= n && static_cast<std::size_t>(k - n) < taken.size())
                        taken[static_cast<std::size_t>(k - n)] = true;
                }
                int free = 0;
                while (taken[static_cast<std::size_t>(free)])
                    ++free;
                return current.withValue(key, std::to_string(n + free), recordLine);
            },
            error);
}

bool ReadPassword(const std::string &recordFile, std::string &password, std::string *error)
{
    ProfileSnapshot records;
    const bool read = ProfileFile(recordFile).load(records, error);
    password = records.read(kPasswordSection, kPasswordKey, kNoPassword);
    return read;
}

std::string ReadPassword(const std::string &recordFile)
{
    std::string password;
    ReadPassword(recordFile, password);
    return password;
}

bool WritePassword(const std::string &recordFile, std::string_view password, std::string *error)
{
    // A longer value would be cut on reading and the learner could never log on again.
    if (password.size() > kProfileValueLimit) {
        if (error)
            *error = Utf8ToCp932("パスワードが長すぎます");
        return false;
    }
    MakeRecordsFolder(recordFile);
    return ProfileFile(recordFile).write(kPasswordSection, kPasswordKey, password, error);
}

} // namespace zelkon
