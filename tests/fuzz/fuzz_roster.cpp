// The roster "sname.txt" read from any bytes on disk: one name per line, the learner-name checks
// on every name (a name they accept names a record file inside the records folder), the merge
// of a window's changes with a roster another machine changed meanwhile, and saving: the names
// written are the names read back.
#include "fuzz_support.h"

#include "common/cp932.h"
#include "common/line_file.h"
#include "common/sjis_text.h"
#include "records/learner_name.h"
#include "records/log_on.h"
#include "records/record_file.h"
#include "records/roster.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

using namespace zelkon;

bool Contains(const std::vector<std::string> &names, std::string_view name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

void CheckName(const std::string &recordsFolder, const std::string &name)
{
    const std::string problem = LearnerNameProblem(name);
    const std::string logOnProblem = LogOnNameProblem(name);
    if (name.empty() && !logOnProblem.empty())
        std::abort();
    if (!problem.empty() && !name.empty() && logOnProblem != problem)
        std::abort();
    const std::string recordFile = RecordFileName(recordsFolder, name, 3);
    if (recordFile.empty() != !problem.empty())
        std::abort();
    if (!problem.empty())
        return;
    // An accepted name holds no path syntax and no control character, so its record file is a
    // file of the records folder itself.
    if (TrimAnswer(name).empty() || name.find("..") != std::string::npos)
        std::abort();
    for (const std::string &ch : SplitCharacters(name)) {
        const unsigned char c = static_cast<unsigned char>(ch[0]);
        if (ch.size() == 1 && (c < 0x20 || c == 0x7F || c == '\\' || c == '/'))
            std::abort();
    }
    if (recordFile != recordsFolder + name + "3.ini" || FileNameOf(recordFile) != name + "3.ini")
        std::abort();
}

// A name as the window holds one: whatever bytes but a line feed.
std::string Name(FuzzedDataProvider &in)
{
    std::string name = in.ConsumeRandomLengthString(24);
    std::erase(name, '\n');
    return name;
}

// `names` with some taken out and some added, as a window or another machine leaves them.
std::vector<std::string> Changed(FuzzedDataProvider &in, std::vector<std::string> names)
{
    const int removals = in.ConsumeIntegralInRange<int>(0, 3);
    for (int k = 0; k < removals && !names.empty(); ++k)
        names.erase(names.begin()
                    + in.ConsumeIntegralInRange<std::ptrdiff_t>(
                        0, static_cast<std::ptrdiff_t>(names.size()) - 1));
    const int additions = in.ConsumeIntegralInRange<int>(0, 3);
    for (int k = 0; k < additions; ++k)
        names.push_back(Name(in));
    return names;
}

void CheckMerge(const std::vector<std::string> &current,
                const std::vector<std::string> &loaded,
                const std::vector<std::string> &names)
{
    const std::vector<std::string> merged = MergeRosterChanges(current, loaded, names);
    if (current == loaded && merged != names)
        std::abort();
    // A window that changed nothing leaves the file's roster as it is.
    if (MergeRosterChanges(current, loaded, loaded) != current)
        std::abort();
    for (const std::string &name : names) {
        if (!Contains(loaded, name) && !Contains(merged, name))
            std::abort();
    }
    if (merged.size() > current.size() + names.size())
        std::abort();
}

std::vector<std::string> Reload(const std::string &recordsFolder)
{
    std::vector<std::string> names;
    if (!LoadRoster(recordsFolder, names))
        std::abort();
    return names;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const fuzz::FileAndChoices input = fuzz::SplitChoices(data, size);
    FuzzedDataProvider in(input.choices, input.choiceCount);

    // The records folder as the program composes it: CP932, "\" at the end.
    static const std::string recordsFolder = fuzz::ScratchFolder() + "LogOn\\";
    static const bool made = CreateRecordsFolder(recordsFolder);
    if (!made)
        std::abort();
    const std::string rosterPath = fuzz::ScratchFolder() + "LogOn/sname.txt";
    std::vector<std::string> loaded;
    if (in.ConsumeIntegralInRange<int>(0, 15) == 0) {
        // No roster yet: the public name starts one, saved at once.
        std::remove(rosterPath.c_str());
        static const std::vector<std::string> firstRoster{Utf8ToCp932("公開")};
        loaded = Reload(recordsFolder);
        std::string bytes;
        if (loaded != firstRoster || !ReadFileBytes(rosterPath, bytes)
            || bytes != JoinLines(firstRoster))
            std::abort();
    } else {
        fuzz::WriteScratchFile(rosterPath, input.file);
        const std::vector<std::string> lines = SplitLines(input.file);
        if (lines.size() > kMaxRosterNames || FindLongLine(lines) < lines.size()) {
            // Too many names or too long a line: not read, and never replaced by a save.
            std::string bytes;
            if (LoadRoster(recordsFolder, loaded) || !loaded.empty()
                || SaveRoster(recordsFolder, {"x"}) || !ReadFileBytes(rosterPath, bytes)
                || bytes != input.file)
                std::abort();
            return 0;
        }
        loaded = Reload(recordsFolder);
        if (loaded != lines)
            std::abort();
    }
    for (const std::string &name : loaded)
        CheckName(recordsFolder, name);

    const std::string typed = Name(in);
    CheckName(recordsFolder, typed);
    const std::vector<std::string> withTyped = RosterWithName(loaded, typed);
    if ((!typed.empty() && !Contains(withTyped, typed))
        || withTyped.size() > loaded.size() + (typed.empty() || Contains(loaded, typed) ? 0 : 1))
        std::abort();

    // A roster at its limit would not take the names added below and still read back.
    if (loaded.size() + 8 > kMaxRosterNames)
        return 0;
    // Another machine changes the roster while the window holds its own changes.
    const std::vector<std::string> names = Changed(in, withTyped);
    const std::vector<std::string> current = in.ConsumeBool() ? Changed(in, loaded) : loaded;
    CheckMerge(current, loaded, names);
    fuzz::WriteScratchFile(rosterPath, JoinLines(current));
    std::vector<std::string> saved;
    if (!SaveRosterChanges(recordsFolder, loaded, names, &saved))
        std::abort();
    if (saved != MergeRosterChanges(current, loaded, names) || Reload(recordsFolder) != saved)
        std::abort();

    if (!SaveRoster(recordsFolder, names) || Reload(recordsFolder) != names)
        std::abort();
    return 0;
}
