// Captions by position and paths composed from the lesson tables.
#include "index/course_index.h"

namespace zelkon {

namespace {

bool InRange(int position, std::size_t count)
{
    return position >= 1 && static_cast<std::size_t>(position) <= count;
}

bool IsLessonNumber(int lesson)
{
    return lesson >= 1 && lesson <= kCourseIndexLimit;
}

// programFolder + folder + prefix of lesson k, the common stem of its index and master files.
std::string LessonBase(std::string_view programFolder, const CourseIndex &index, int lesson)
{
    std::string base = LessonFolderPath(programFolder, index, lesson);
    if (IsLessonNumber(lesson))
        base += index.lessonPrefix[lesson];
    return base;
}

} // namespace

std::string LessonCaption(const CourseIndex &index, int lesson)
{
    return InRange(lesson, index.lessonCaptions.size()) ? index.lessonCaptions[lesson - 1]
                                                        : std::string();
}

std::string SectionCaption(const CourseIndex &index, int section)
{
    return InRange(section, index.sectionCaptions.size()) ? index.sectionCaptions[section - 1]
                                                          : std::string();
}

int UnitCount(const CourseIndex &index, int section)
{
    if (!InRange(section, index.unitCaptions.size()))
        return 0;
    return static_cast<int>(index.unitCaptions[section - 1].size());
}

std::string UnitCaption(const CourseIndex &index, int section, int unit)
{
    if (!InRange(section, index.unitCaptions.size()))
        return {};
    const std::vector<std::string> &units = index.unitCaptions[section - 1];
    return InRange(unit, units.size()) ? units[unit - 1] : std::string();
}

std::string MainIndexPath(std::string_view programFolder)
{
    return std::string(programFolder) + "Main.ind";
}

std::string LessonFolderPath(std::string_view programFolder, const CourseIndex &index, int lesson)
{
    std::string folder(programFolder);
    if (IsLessonNumber(lesson))
        folder += index.lessonFolder[lesson];
    return folder;
}

std::string SubIndexPath(std::string_view programFolder, const CourseIndex &index, int lesson)
{
    return LessonBase(programFolder, index, lesson) + ".ind";
}

std::string
MasterFilePath(std::string_view programFolder, const CourseIndex &index, int lesson, int section)
{
    return LessonBase(programFolder, index, lesson) + std::to_string(section) + ".que";
}

} // namespace zelkon
