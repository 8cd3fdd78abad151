// The list of the record window: the units of a lesson's sub-index and the lesson's copy files,
// each with the number of records the learner has for it, and a note where a source is missing.
#pragma once

#include "index/course_index.h"
#include "records/profile_key_counts.h"
#include "settings/app_state.h"

#include <string>
#include <string_view>
#include <vector>

namespace zelkon {

/// One line of the record window's list.
struct RecordListEntry
{
    std::string text;       ///< the line as shown (CP932)
    std::string key;        ///< its record section; empty for section titles and notes
    std::string recordFile; ///< the record file holding that section; empty without a key
    bool note = false;      ///< says that a source is missing or unreadable (no key)

    bool operator==(const RecordListEntry &) const = default;
};

/// Where the list of a lesson comes from (composed paths).
struct RecordListSources
{
    std::string indexFile;     ///< the lesson's sub-index
    std::string copyFolder;    ///< the folder the lesson's copy files are saved in
    std::string lessonRecords; ///< the learner's record file of the lesson: the unit sections
    /// The learner's record file of lesson 1, where drills on copy files are recorded: the
    /// copy-file lines count and show their records from it.
    std::string copyRecords;
};

/// The sources of `lesson` (below 1 taken as 1, for the record file as for the index) for the
/// learner logged on in `state`.
RecordListSources RecordListSourcesOf(const AppState &state, const CourseIndex &index, int lesson);

/// A count as the list shows it: two digits at least ("03", "12", "100"); two blanks for none.
std::string RecordCountText(int count);

/// RecordCountText(count) + "回" + key.
std::string RecordListLine(int count, std::string_view key);

/// The key of a list line: the text after its first "回" (found character by character); "?"
/// when it has none.
std::string RecordLineKey(std::string_view line);

/// The entries of a sub-index's lines, scanned from line 0 with a section counter s: a line
/// beginning with "[[" starts a section, whose next line (its title) is an entry without key;
/// the line after that is skipped; the lines up to one exactly ">>" are units u = 1, 2, … with
/// the key UnitKey(s, u, line), counted in `counts` and read from `recordFile`. Lines outside
/// sections are skipped, and so are sections after the 80th and units after the 80th of a
/// section, as the unit selection window has them.
std::vector<RecordListEntry> UnitEntries(const std::vector<std::string> &indexLines,
                                         const ProfileKeyCounts &counts,
                                         const std::string &recordFile);

/// The whole list: the unit entries of the sub-index, then one entry per copy file of the folder
/// (as the copy file browser lists them), counted in `copyRecords`. A missing or unreadable
/// sub-index, copy-file folder or record file gives one note line (no key) saying so in place
/// of what it would have listed; so does a sub-index with a line longer than kMaxLineBytes.
std::vector<RecordListEntry> BuildRecordList(const RecordListSources &sources);

} // namespace zelkon
