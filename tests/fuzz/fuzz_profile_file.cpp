// A learner's record file (a profile file) read from any bytes: for every section the full parse
// and the streaming count agree on its keys, the keys, entries and values agree with each other
// and the unit records read from it, and an edit the program makes (a record, a password, a
// section erased) reads back as written and leaves the other sections alone.
#include "fuzz_support.h"

#include "common/cp932.h"
#include "common/line_file.h"
#include "common/sjis_text.h"
#include "records/profile_file.h"
#include "records/profile_key_counts.h"
#include "records/profile_snapshot.h"
#include "records/record_file.h"

#include <algorithm>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <unordered_map>

namespace {

using namespace zelkon;

// Sections looked at for each input; enough for the seeds and what the fuzzer grows from them.
constexpr std::size_t kSectionsChecked = 64;
// Keys of a section whose value is looked up one by one (each look-up walks the section).
constexpr std::size_t kKeysLookedUp = 32;

bool SameName(std::string_view a, std::string_view b)
{
    return EqualsIgnoringAsciiCase(TrimProfileBlanks(a), TrimProfileBlanks(b));
}

// The names of the section headers, first spellings, in file order.
std::vector<std::string> SectionNames(std::string_view bytes)
{
    std::vector<std::string> names;
    for (const std::string &line : SplitLines(bytes)) {
        const ProfileLine p = ClassifyProfileLine(line);
        if (p.kind != ProfileLineKind::Header)
            continue;
        if (std::none_of(names.begin(), names.end(), [&](const std::string &n) {
                return SameName(n, p.name);
            }))
            names.emplace_back(p.name);
        if (names.size() == kSectionsChecked)
            break;
    }
    return names;
}

void CheckSection(const ProfileSnapshot &records,
                  const ProfileKeyCounts &counts,
                  const std::string &section)
{
    const int n = records.keyCount(section);
    if (n != counts.keyCount(section))
        std::abort();
    const std::vector<std::string> keys = records.keys(section);
    const auto entries = records.entries(section);
    if (keys.size() != static_cast<std::size_t>(n) || entries.size() != keys.size())
        std::abort();
    // The first of duplicate keys wins, names compared ignoring ASCII case.
    std::unordered_map<std::string, std::string> first;
    for (std::size_t k = 0; k < keys.size(); ++k) {
        if (entries[k].first != keys[k] || entries[k].second.size() > kProfileValueLimit)
            std::abort();
        first.emplace(AsciiLower(keys[k]), entries[k].second);
    }
    for (std::size_t k = 0; k < std::min(keys.size(), kKeysLookedUp); ++k) {
        if (!records.hasKey(section, keys[k])
            || records.read(section, keys[k], "\x01") != first[AsciiLower(keys[k])])
            std::abort();
    }
    const std::vector<std::string> lines = ReadUnitRecords(records, section);
    if (lines.size() != static_cast<std::size_t>(n))
        std::abort();
    for (std::size_t k = 0; k < std::min(lines.size(), kKeysLookedUp); ++k) {
        if (lines[k] != records.read(section, std::to_string(k + 1), "?"))
            std::abort();
    }
}

// Every line of an edited text ends in CR LF.
void CheckCrLf(std::string_view text)
{
    if (!text.empty() && !text.ends_with("\r\n"))
        std::abort();
    for (std::size_t at = text.find('\n'); at != std::string_view::npos;
         at = text.find('\n', at + 1)) {
        if (at == 0 || text[at - 1] != '\r')
            std::abort();
    }
}

// The other sections keep their keys through an edit of `section`.
void CheckOthersKept(const ProfileSnapshot &before,
                     const ProfileSnapshot &after,
                     const std::vector<std::string> &sections,
                     std::string_view section)
{
    for (const std::string &other : sections) {
        if (!SameName(other, section) && after.keyCount(other) != before.keyCount(other))
            std::abort();
    }
}

// A section the program writes to: one found in the file, the record section of a unit whose
// title comes from the courseware, or the password section.
std::string PickSection(FuzzedDataProvider &in, const std::vector<std::string> &sections)
{
    switch (in.ConsumeIntegralInRange<int>(0, 2)) {
    case 0:
        if (!sections.empty())
            return sections[in.ConsumeIntegralInRange<std::size_t>(0, sections.size() - 1)];
        [[fallthrough]];
    case 1:
        return UnitKey(in.ConsumeIntegralInRange<int>(1, 80),
                       in.ConsumeIntegralInRange<int>(1, 80),
                       in.ConsumeRandomLengthString(40));
    default:
        return "password";
    }
}

// A key the program writes: the next record number, another number, the password key, or a key
// already in the section (keys starting with "[" aside: any value with a "]" would turn such a
// line into a section header, in Windows' own reading too).
std::string
PickKey(FuzzedDataProvider &in, const ProfileSnapshot &records, std::string_view section)
{
    switch (in.ConsumeIntegralInRange<int>(0, 3)) {
    case 0:
        return std::to_string(records.keyCount(section) + 1);
    case 1:
        return std::to_string(in.ConsumeIntegralInRange<int>(1, 100));
    case 2: {
        const std::vector<std::string> keys = records.keys(section);
        if (!keys.empty()) {
            const std::string &key
                = keys[in.ConsumeIntegralInRange<std::size_t>(0, keys.size() - 1)];
            if (!key.starts_with('['))
                return key;
        }
        [[fallthrough]];
    }
    default:
        return "pw";
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const fuzz::FileAndChoices input = fuzz::SplitChoices(data, size);
    FuzzedDataProvider in(input.choices, input.choiceCount);
    const ProfileSnapshot records{std::string(input.file)};

    // The streaming count reads the same bytes from disk.
    static const std::string path = fuzz::ScratchFolder() + "records.ini";
    fuzz::WriteScratchFile(path, input.file);
    ProfileKeyCounts counts;
    if (!counts.load(path))
        std::abort();

    const std::vector<std::string> sections = SectionNames(input.file);
    for (const std::string &section : sections)
        CheckSection(records, counts, section);

    const std::string section = PickSection(in, sections);
    const std::string key = PickKey(in, records, section);
    const std::string value = in.ConsumeRandomLengthString(1100);
    const std::string edited = records.withValue(section, key, value);
    CheckCrLf(edited);
    const ProfileSnapshot after{edited};
    if (ProfileEntryProblem(section, key, value).empty() && value.size() <= kProfileValueLimit) {
        if (after.read(section, key, "\x01") != value)
            std::abort();
        const int added = records.hasKey(section, key) ? 0 : 1;
        if (after.keyCount(section) != records.keyCount(section) + added)
            std::abort();
        CheckOthersKept(records, after, sections, section);
    }

    const std::string erased = records.withoutSection(section);
    const ProfileSnapshot rest{erased};
    if (rest.keyCount(section) != 0 || !rest.keys(section).empty())
        std::abort();
    CheckOthersKept(records, rest, sections, section);
    if (records.keyCount(section) > 0)
        CheckCrLf(erased);
    return 0;
}
