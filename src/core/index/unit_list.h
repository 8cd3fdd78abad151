// The unit list of the unit selection window: its lines with similar-problem mark and practice
// count, the similar problems of a unit, the counts of a lesson and the choice made at OK.
#pragma once

#include "common/messages.h"
#include "index/course_index.h"
#include "settings/app_state.h"

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zelkon {

/// Width in bytes a unit caption is padded to on its list line.
inline constexpr std::size_t kUnitCaptionWidth = 38;

/// Most similar problems a unit can have ("R1" to "R5").
inline constexpr int kSimilarProblemLimit = 5;

/// The display prefix of a unit: "◎" when it has a similar problem, else "　", then "[", the
/// practice count in decimal (a single blank when there is none) and "]".
std::string UnitPrefix(bool hasSimilar, int practiceCount);

/// The line drawn for a unit: the prefix, then the caption padded with blanks to 38 bytes; a
/// caption of 38 bytes or more is not padded.
std::string UnitListLine(std::string_view prefix, std::string_view caption);

/// The similar-problem list items of unit n, "類題　" + n + "R" + k: "[[unit" + n + "R1" is
/// looked for from the top, each next "R" + k only after the line where the previous one was
/// found, up to R5; the list stops at the first one not found.
std::vector<std::string> SimilarProblemItems(const std::vector<std::string> &masterLines, int unit);

/// SimilarProblemItems of the master file at the composed path; empty when the file is missing
/// or cannot be read.
std::vector<std::string> SimilarProblemItemsOfFile(std::string_view masterPath, int unit);

/// True when a line of the master file is exactly "[[unit" + n + "R1", anywhere in the file.
bool HasSimilarProblem(const std::vector<std::string> &masterLines, int unit);

/// HasSimilarProblem of every unit 1 to 80 at once, from the bytes of a master file (lines as
/// SplitLines cuts them): bit n is set when a line is exactly "[[unit" + n + "R1". One pass that
/// looks only at lines starting "[[unit", so a lesson's marks cost little more than its reads.
std::bitset<kCourseIndexLimit + 1> UnitsWithSimilarProblems(std::string_view masterBytes);

/// The display prefix and similar-problem flag of every unit of the current lesson, sections
/// and units 1 to 80; positions outside that range read as empty and false and are not stored.
class UnitDisplayTable
{
public:
    const std::string &prefix(int section, int unit) const;
    bool hasSimilar(int section, int unit) const;
    void setPrefix(int section, int unit, std::string prefix);
    void setHasSimilar(int section, int unit, bool hasSimilar);

private:
    struct Entry
    {
        std::string prefix;
        bool hasSimilar = false;
    };
    static bool InTable(int section, int unit);
    static std::size_t Slot(int section, int unit);

    std::array<Entry, kCourseIndexLimit * kCourseIndexLimit> m_entries;
};

/// The record file whose entries the unit list counts: RecordFileName of the learner for the
/// lesson, in the records folder of the state.
std::string LearnerRecordFile(const AppState &state, int lesson);

/// Recomputes the prefixes of every section of the current lesson (`index` holds its
/// sub-index) with the counts of `state.learnerName` from one pass over the record file. When
/// `state.similarMarksStale` is set the similar-problem flags are recomputed from the master
/// files and the flag is cleared; otherwise the stored flags are kept. A section whose master
/// file is missing gets no marks, and the refresh goes on with its counts and the sections after
/// it. A lesson below 1 (not loaded) changes nothing. Files that exist but cannot be read add a
/// message.
void RefreshUnitCounts(AppState &state,
                       const CourseIndex &index,
                       int lesson,
                       UnitDisplayTable &table,
                       Messages &messages);

/// What the unit selection window shows for a mode.
enum class MenuMode { Open, Add };

/// The window caption: "マスターファイルを開く" to open, "追加ファイルを開く" to add.
std::string MenuCaption(MenuMode mode);

/// An RGB colour of the window.
struct MenuColour
{
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    bool operator==(const MenuColour &) const = default;
};

/// What the unit panel above the unit list shows.
struct UnitPanelLook
{
    std::string text;
    MenuColour colour;
};

/// Aqua with "項目を選んでください", or red with "類題が選択されています" while a similar
/// problem is selected.
UnitPanelLook UnitPanelFor(bool similarSelected);

/// The rows chosen in the window's lists, from 0; -1 where a list has no current row.
struct MenuRows
{
    int lesson = -1;
    int section = -1;
    int unit = -1;
    bool similarSelected = false; ///< any item of the similar-problem list is selected
    int similarCurrent = -1;      ///< the similar-problem list's focused row
};

/// "メニューを選択してください".
std::string MenuNotChosenMessage();

/// The choice at OK: refused (false, state unchanged) when a list has no chosen row, the rows
/// name no unit of `index`, or `loadedLesson` is below 1 (the chosen lesson's folder or
/// sub-index was missing, so the section and unit lists are not its own). Otherwise sets
/// `currentLocator` (lesson `loadedLesson`, section and unit from the rows, variant the focused
/// similar-problem row from 1 while any is selected, else 0) and the three captions.
bool AcceptMenuChoice(const CourseIndex &index,
                      int loadedLesson,
                      const MenuRows &rows,
                      AppState &state);

} // namespace zelkon
