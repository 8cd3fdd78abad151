// Choosing the installer among the start folder's program files.
#include "launcher/installer.h"

#include "launcher/launcher_fixture.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace zelkon {
namespace {

using test::U;

TEST(Installer, NameIsTheLastProgramThatIsNotTheLauncher)
{
    const struct
    {
        std::vector<std::string> files;
        const char *name;
    } cases[] = {
        {{}, "ZelkQuxx.exe"},
        {{"hopdeck.exe"}, "ZelkQuxx.exe"},
        {{"hopdeck"}, "ZelkQuxx.exe"},
        {{"hopdeck.exe", "ZelkQu01.exe"}, "ZelkQu01.exe"},
        {{"ZelkQu01.exe", "hopdeck.exe", "setup.exe"}, "setup.exe"},
        {{"HOPDECK.EXE"}, "HOPDECK.EXE"}, // only the launcher's exact name is passed over
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(InstallerName(c.files), c.name);
    }
}

TEST(Installer, ChoiceInAStartFolder)
{
    const struct
    {
        std::vector<std::string> programs;
        std::vector<std::string> plainFiles;
        const char *name;
        bool usable;
    } cases[] = {
        {{"hopdeck.exe"}, {}, "ZelkQuxx.exe", false},
        {{"hopdeck.exe", "ZelkQu01.exe"}, {"readme.txt"}, "ZelkQu01.exe", true},
        {{"hopdeck.exe", "setup.exe"}, {}, "setup.exe", false},
        {{"hopdeck", "ZelkQu02"}, {}, "ZelkQu02", true},
        {{"hopdeck.exe"}, {"ZelkQu03.exe"}, "ZelkQuxx.exe", false}, // not executable
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDir start;
        for (const std::string &p : c.programs)
            test::MakeProgram(start.file(p));
        for (const std::string &p : c.plainFiles)
            test::MakePlainFile(start.file(p));
        const std::string folder = start.path() + "/";
        const InstallerChoice choice = ChooseInstaller(folder);
        EXPECT_EQ(choice.path, folder + c.name);
        EXPECT_EQ(choice.usable, c.usable);
        EXPECT_EQ(U(choice.message),
                  c.usable ? "" : folder + c.name + "インストールファイルがありません");
    }
}

} // namespace
} // namespace zelkon
