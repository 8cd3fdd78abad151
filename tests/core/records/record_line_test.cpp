// Record lines of scored drills.
#include "records/record_line.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

namespace zelkon {
namespace {

TEST(RecordLine, JoinsDateTimeMarksCountsAndTimeTaken)
{
    const LocalTime march7{2005, 3, 7, 14, 5};
    const struct
    {
        DrillResult result;
        LocalTime when;
        const char *expected;
    } cases[] = {
        {{0, "OOxO", 3, 4, 75, 83}, march7, "2005年03月07日 14:05 OOxO  3/ 4  75点 01:23"},
        {{0, "OOOOOOOOOO", 10, 10, 100, 600},
         {2024, 12, 31, 9, 0},
         "2024年12月31日 09:00 OOOOOOOOOO 10/10 100点 10:00"},
        {{0, "OOxOOOxOO", 7, 9, 78, 5}, march7, "2005年03月07日 14:05 OOxOOOxOO  7/ 9  78点 00:05"},
        {{2, "xX", 0, 2, 0, 59}, march7, "類題2)2005年03月07日 14:05 xX  0/ 2   0点 00:59"},
        {{0, "O", 1, 1, 100, 125 * 60 + 5}, march7, "2005年03月07日 14:05 O  1/ 1 100点 125:05"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(test::U(RecordLine(c.result, c.when)), c.expected);
}

} // namespace
} // namespace zelkon
