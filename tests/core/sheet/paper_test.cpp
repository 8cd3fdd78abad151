// The paper table, width lookup and the derived page height.
#include "sheet/paper.h"

#include <gtest/gtest.h>

#include <limits>

namespace zelkon {
namespace {

TEST(Paper, TableAndDerivedHeights)
{
    struct Case
    {
        Paper paper;
        PaperSpec pageSize;
        std::int32_t flagLeft, flagTop;
        std::int32_t derivedHeight; // round(width × √2): differs from the table for B5 and B4
    };
    const Case cases[] = {
        {Paper::B5, {0, 546, 771}, 30, 24, 772},
        {Paper::A4, {0, 630, 891}, 35, 31, 891},
        {Paper::B4, {0, 771, 1092}, 45, 42, 1090},
        {Paper::A3, {0, 891, 1260}, 55, 54, 1260},
    };
    for (const Case &c : cases) {
        const PaperEntry &entry = PaperEntryOf(c.paper);
        SCOPED_TRACE(entry.name);
        EXPECT_EQ(entry.paper, c.paper);
        EXPECT_EQ(entry.pageSize, c.pageSize);
        EXPECT_EQ(entry.classFlagLeft, c.flagLeft);
        EXPECT_EQ(entry.classFlagTop, c.flagTop);
        EXPECT_EQ(FindPaperByWidth(c.pageSize.width), &entry);
        EXPECT_EQ(PaperChoiceForWidth(c.pageSize.width), c.paper);
        EXPECT_EQ(PageHeightForWidth(c.pageSize.width), c.derivedHeight);
    }
}

TEST(Paper, OtherWidthsChooseA4AndHeightsStayInRange)
{
    for (std::int32_t width : {0, 545, 547, 700, -630}) {
        EXPECT_EQ(FindPaperByWidth(width), nullptr) << width;
        EXPECT_EQ(PaperChoiceForWidth(width), Paper::A4) << width;
    }
    EXPECT_EQ(PageHeightForWidth(-630), -891);
    using Limits = std::numeric_limits<std::int32_t>;
    EXPECT_EQ(PageHeightForWidth(Limits::max()), Limits::max());
    EXPECT_EQ(PageHeightForWidth(Limits::min()), Limits::min());
}

} // namespace
} // namespace zelkon
