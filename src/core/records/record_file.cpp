// Record file names, unit keys, record reading, counting and appending, and the password entry.
#include "records/record_file.h"

#include "records/learner_name.h"
#include "records/profile_file.h"

#include "common/cp932.h"
#include "common/path.h"
#include "common/sjis_text.h"

#include <algorithm>
#include <filesystem>
#include <unordered_map>

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
    // One pass over the section instead of one search per key: sections can hold thousands.
    std::unordered_map<std::string, std::string> values;
    for (auto &[name, value] : records.entries(key))
        values.emplace(AsciiLower(name), std::move(value));
    const int n = records.keyCount(key);
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(n));
    for (int k = 1; k <= n; ++k) {
        const auto it = values.find(std::to_string(k));
        lines.push_back(it == values.end() ? "?" : it->second);
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
                int n = current.keyCount(key) + 1;
                while (current.hasKey(key, std::to_string(n)))
                    ++n;
                return current.withValue(key, std::to_string(n), recordLine);
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
