// The in-memory course index: the lessons of the main index and the current lesson's sections
// and units, with the paths composed from them.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace zelkon {

/// Most lessons in the main index, sections in a sub-index and units in one section.
inline constexpr int kCourseIndexLimit = 80;

/// The main index and the sub-index of the lesson currently chosen. Lists hold what was read,
/// entry k at [k - 1]; the lesson tables are indexed by lesson number directly.
struct CourseIndex
{
    std::string mainTitle;
    /// Lesson k's caption at [k - 1]; "?" for a lesson line without ",".
    std::vector<std::string> lessonCaptions;
    /// Lesson k's folder (ending in "\") at [k], k from 1 to 80; [0] is unused. An entry keeps
    /// its value when a later read finds a line without "," at that position.
    std::array<std::string, kCourseIndexLimit + 1> lessonFolder;
    /// Lesson k's file prefix at [k], k from 1 to 80; [0] is unused; kept as lessonFolder is.
    std::array<std::string, kCourseIndexLimit + 1> lessonPrefix;

    /// First line of the current lesson's sub-index.
    std::string subIndexTitle;
    /// Section s's caption at [s - 1].
    std::vector<std::string> sectionCaptions;
    /// Section s's unit captions at [s - 1], unit u at [u - 1]; as long as sectionCaptions.
    std::vector<std::vector<std::string>> unitCaptions;
};

/// Caption of lesson k (from 1); empty when k is not a lesson read.
std::string LessonCaption(const CourseIndex &index, int lesson);

/// Caption of section s (from 1) of the current lesson; empty when there is no such section.
std::string SectionCaption(const CourseIndex &index, int section);

/// Number of units of section s (from 1); 0 when there is no such section.
int UnitCount(const CourseIndex &index, int section);

/// Caption of unit u of section s (both from 1); empty when there is no such unit.
std::string UnitCaption(const CourseIndex &index, int section, int unit);

/// `programFolder` + "Main.ind".
std::string MainIndexPath(std::string_view programFolder);

/// `programFolder` + folder of lesson k, the folder its files lie in; a k outside 1 to 80 gives
/// the program folder.
std::string LessonFolderPath(std::string_view programFolder, const CourseIndex &index, int lesson);

/// `programFolder` + folder + prefix + ".ind" of lesson k; a k outside 1 to 80 composes with an
/// empty folder and prefix.
std::string SubIndexPath(std::string_view programFolder, const CourseIndex &index, int lesson);

/// `programFolder` + folder + prefix + s + ".que", the master file of section s of lesson k; a k
/// outside 1 to 80 composes with an empty folder and prefix.
std::string
MasterFilePath(std::string_view programFolder, const CourseIndex &index, int lesson, int section);

} // namespace zelkon
