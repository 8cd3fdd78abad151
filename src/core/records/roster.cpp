// Roster file loading and saving, every write under the roster's lock.
#include "records/roster.h"

#include "records/locked_update.h"

#include "common/cp932.h"
#include "common/line_file.h"
#include "common/path.h"

#include <algorithm>
#include <filesystem>

namespace zelkon {

namespace {

// Why these names cannot be a roster, after the file's name; empty when they can.
std::string RosterProblem(const std::vector<std::string> &names)
{
    if (names.size() > kMaxRosterNames)
        return Utf8ToCp932(" の名前が多すぎます（") + std::to_string(kMaxRosterNames)
               + Utf8ToCp932("人まで）");
    if (const std::size_t longLine = FindLongLine(names); longLine < names.size())
        return Utf8ToCp932(" の") + LongLineMessage(longLine + 1);
    return {};
}

// A roster the reader would refuse must not be written: every name in it would be lost to the
// log-on list. False with the reason then.
bool RosterWritable(const std::string &fsPath,
                    const std::vector<std::string> &names,
                    std::string *error)
{
    const std::string problem = RosterProblem(names);
    if (problem.empty())
        return true;
    if (error)
        *error = Utf8ToCp932("ファイル ") + FromFsPath(fsPath) + problem;
    return false;
}

// The names of the roster at `fsPath`. One with more names than kMaxRosterNames or a line
// longer than kMaxLineBytes counts as unreadable: the log-on list would take seconds to fill.
FileRead
ReadRosterNames(const std::string &fsPath, std::vector<std::string> &names, std::string *error)
{
    names.clear();
    std::string bytes;
    const FileRead found = ReadFileIfPresent(fsPath, bytes, error);
    if (found != FileRead::read)
        return found;
    names = SplitLines(bytes);
    const std::string problem = RosterProblem(names);
    if (problem.empty())
        return FileRead::read;
    names.clear();
    if (error)
        *error = Utf8ToCp932("ファイル ") + FromFsPath(fsPath) + problem;
    return FileRead::unreadable;
}

// The names may come from a failed LoadRoster; if the roster cannot be read now, replacing it
// with them would lose every name.
bool RosterReadable(const std::string &fsPath, std::string *error)
{
    std::vector<std::string> current;
    return ReadRosterNames(fsPath, current, error) != FileRead::unreadable;
}

// Each name of `from` taken out of `names` once: what is left is what `from` lacks.
std::vector<std::string> Without(std::vector<std::string> names,
                                 const std::vector<std::string> &from)
{
    for (const std::string &name : from) {
        const auto at = std::find(names.begin(), names.end(), name);
        if (at != names.end())
            names.erase(at);
    }
    return names;
}

} // namespace

bool CreateRecordsFolder(std::string_view recordsFolder, std::string *error)
{
    std::error_code ignored;
    std::filesystem::create_directories(ToFsPath(recordsFolder), ignored);
    if (DirectoryExists(recordsFolder))
        return true;
    if (error)
        *error = Utf8ToCp932("ディレクトリ ") + std::string(recordsFolder)
                 + Utf8ToCp932(" を作成できません");
    return false;
}

std::string RosterFileName(std::string_view recordsFolder)
{
    return std::string(recordsFolder) + "sname.txt";
}

bool LoadRoster(std::string_view recordsFolder, std::vector<std::string> &names, std::string *error)
{
    names.clear();
    const std::string fsPath = ToFsPath(RosterFileName(recordsFolder));
    const FileRead found = ReadRosterNames(fsPath, names, error);
    if (found == FileRead::unreadable)
        return false;
    if (found == FileRead::read)
        return true;
    names = {Utf8ToCp932("公開")};
    std::string written;
    const bool saved = UpdateFileLocked(
        fsPath,
        /*create=*/true,
        [&](std::string_view current) {
            written = current.empty() ? JoinLines(names) : std::string(current);
            return written;
        },
        error);
    if (saved)
        names = SplitLines(written);
    return saved;
}

bool SaveRoster(std::string_view recordsFolder,
                const std::vector<std::string> &names,
                std::string *error)
{
    const std::string fsPath = ToFsPath(RosterFileName(recordsFolder));
    if (!RosterReadable(fsPath, error) || !RosterWritable(fsPath, names, error))
        return false;
    return UpdateFileLocked(
        fsPath, /*create=*/true, [&](std::string_view) { return JoinLines(names); }, error);
}

std::vector<std::string> MergeRosterChanges(const std::vector<std::string> &current,
                                            const std::vector<std::string> &loaded,
                                            const std::vector<std::string> &names)
{
    if (current == loaded)
        return names;
    std::vector<std::string> merged = Without(current, Without(loaded, names));
    for (const std::string &added : Without(names, loaded)) {
        if (std::find(merged.begin(), merged.end(), added) == merged.end())
            merged.push_back(added);
    }
    return merged;
}

bool SaveRosterChanges(std::string_view recordsFolder,
                       const std::vector<std::string> &loaded,
                       const std::vector<std::string> &names,
                       std::vector<std::string> *saved,
                       std::string *error)
{
    const std::string fsPath = ToFsPath(RosterFileName(recordsFolder));
    if (!RosterReadable(fsPath, error))
        return false;
    std::vector<std::string> merged;
    bool refused = false;
    const bool written = UpdateFileLocked(
        fsPath,
        /*create=*/true,
        [&](std::string_view current) {
            merged = MergeRosterChanges(SplitLines(current), loaded, names);
            if (!RosterWritable(fsPath, merged, error)) {
                refused = true;
                return std::string(current);
            }
            return JoinLines(merged);
        },
        error);
    if (refused)
        return false;
    if (written && saved)
        *saved = std::move(merged);
    return written;
}

} // namespace zelkon
