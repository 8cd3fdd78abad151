// Start-up values derived for AppState: program folder, learner folders and paper height.
#include "settings/app_state.h"

#include "common/path.h"
#include "sheet/paper.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace zelkon {
namespace {

using test::J;

TEST(AppState, FoldersComposeFromTheCurrentDirectoryAndRecordDrive)
{
    EXPECT_EQ(ProgramFolderFor("/opt/zelkon/geo"), "/opt/zelkon/geo\\");
    EXPECT_EQ(ProgramFolderFor("C:\\Zelkon\\"), "C:\\Zelkon\\");
    EXPECT_EQ(ProgramFolderFor(J("/srv/地図表")), J("/srv/地図表\\"));

    EXPECT_EQ(ProductFolderFor("C:\\"), "C:\\Zelkon");
    EXPECT_EQ(LogOnFolderFor("C:\\"), "C:\\Zelkon\\LogOn");
    EXPECT_EQ(LogOnFolderFor("D:\\"), "D:\\Zelkon\\LogOn");
    // The default record drive here is the user's data folder, ending in "/".
    const std::string drive = "/home/u/.local/share/";
    EXPECT_EQ(LogOnFolderFor(drive), "/home/u/.local/share/Zelkon\\LogOn");
    EXPECT_EQ(ToFsPath(LogOnFolderFor(drive)), "/home/u/.local/share/Zelkon/LogOn");
    EXPECT_EQ(LogOnFolderFor("/mnt/usb"), "/mnt/usb\\Zelkon\\LogOn");
}

TEST(AppState, PaperWidthSetsTheDerivedHeightAndKeepsOddWidths)
{
    struct Case
    {
        std::int32_t width;
        std::int32_t height;
        Paper choice;
    };
    const Case cases[] = {
        {546, 772, Paper::B5},
        {630, 891, Paper::A4},
        {771, 1090, Paper::B4},
        {891, 1260, Paper::A3},
        {700, 990, Paper::A4},
        {0, 0, Paper::A4},
    };
    for (const Case &c : cases) {
        AppState state;
        SetPaperWidth(state, c.width);
        EXPECT_EQ(state.paperWidth, c.width);
        EXPECT_EQ(state.paperHeight, c.height) << c.width;
        EXPECT_EQ(PaperChoiceForWidth(state.paperWidth), c.choice) << c.width;
    }
}

TEST(AppState, StartsWithTheStartUpValues)
{
    const AppState state;
    EXPECT_EQ(state.paperWidth, 630);
    EXPECT_EQ(state.paperHeight, PageHeightForWidth(630));
    EXPECT_EQ(state.mainFontName, J("ＭＳ 明朝"));
    EXPECT_EQ(state.currentLocator, UnitLocator{});
    EXPECT_TRUE(state.similarMarksStale);
    EXPECT_TRUE(state.activationRefresh);
    EXPECT_EQ(state.activeWorksheet, kNoWorksheet);
}

} // namespace
} // namespace zelkon
