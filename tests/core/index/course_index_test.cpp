// Positions and composed paths of the course index.
#include "index/course_index.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

namespace zelkon {
namespace {

using test::J;

TEST(CourseIndex, PathsComposeFolderAndPrefixOfTheLesson)
{
    CourseIndex index;
    index.lessonFolder[1] = "geo\\";
    index.lessonPrefix[1] = "chiri";
    index.lessonFolder[80] = J("地図表\\");
    index.lessonPrefix[80] = J("表");
    const std::string program = "/cw\\";

    EXPECT_EQ(MainIndexPath(program), "/cw\\Main.ind");
    EXPECT_EQ(LessonFolderPath(program, index, 1), "/cw\\geo\\");
    EXPECT_EQ(SubIndexPath(program, index, 1), "/cw\\geo\\chiri.ind");
    EXPECT_EQ(MasterFilePath(program, index, 1, 12), "/cw\\geo\\chiri12.que");
    EXPECT_EQ(SubIndexPath(program, index, 80), "/cw\\" + J("地図表\\表") + ".ind");
    // Numbers outside the lesson table compose with an empty folder and prefix.
    for (int lesson : {-1, 0, 81}) {
        EXPECT_EQ(LessonFolderPath(program, index, lesson), program);
        EXPECT_EQ(SubIndexPath(program, index, lesson), "/cw\\.ind");
        EXPECT_EQ(MasterFilePath(program, index, lesson, 3), "/cw\\3.que");
    }
}

TEST(CourseIndex, CaptionsAreOneBasedAndEmptyOutside)
{
    CourseIndex index;
    index.lessonCaptions = {"L1", "L2"};
    index.sectionCaptions = {"S1", "S2"};
    index.unitCaptions = {{"u11", "u12"}, {}};

    const struct
    {
        int section, unit;
        std::string caption;
    } units[] = {
        {1, 1, "u11"}, {1, 2, "u12"}, {1, 3, ""}, {1, 0, ""}, {2, 1, ""}, {3, 1, ""}, {0, 1, ""}};
    for (const auto &c : units)
        EXPECT_EQ(UnitCaption(index, c.section, c.unit), c.caption) << c.section << "/" << c.unit;

    EXPECT_EQ(LessonCaption(index, 2), "L2");
    EXPECT_EQ(LessonCaption(index, 0), "");
    EXPECT_EQ(LessonCaption(index, 3), "");
    EXPECT_EQ(SectionCaption(index, 1), "S1");
    EXPECT_EQ(SectionCaption(index, 3), "");
    EXPECT_EQ(UnitCount(index, 1), 2);
    EXPECT_EQ(UnitCount(index, 2), 0);
    EXPECT_EQ(UnitCount(index, 3), 0);
    EXPECT_EQ(UnitCount(index, -1), 0);
}

} // namespace
} // namespace zelkon
