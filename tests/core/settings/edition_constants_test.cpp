// The three edition rows and the constants all editions share.
#include "settings/edition_constants.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

namespace zelkon {
namespace {

using test::J;
using test::U;

TEST(EditionConstants, RowsAreExact)
{
    struct Row
    {
        Edition edition;
        const char *mainCaption, *applicationTitle, *registryKey, *helpFileName, *versionText,
            *titleCaption;
    };
    const Row rows[] = {
        {Edition::Geography,
         "Zelkon++ 塾教材３・日本の地理",
         "Zelkon++ 塾教材３・地理",
         "SoftWare\\Zelkon\\ZelkonXA",
         "ZELKONXA.html",
         "Version 4.50 2005.10.05",
         "長崎県佐世保市　展海峰から見た九十九島"},
        {Edition::History,
         "Zelkon++ 塾教材１・日本の歴史",
         "Zelkon++ 社会",
         "SoftWare\\Zelkon\\ZelkonXB",
         "ZelkonXB.html",
         "Version 4.60 2005.11.15",
         "山口県　西長門　角島大橋を臨むチャペル"},
        {Edition::Civics,
         "Zelkon++ 塾教材２・公民",
         "Zelkon++ 塾教材」２・公民",
         "SoftWare\\Zelkon\\ZelkonXC",
         "ZELKONXC.html",
         "Version 4.60 2005.11.15",
         "島根県　石見海浜公園"},
    };
    for (const Row &row : rows) {
        const EditionConstants &c = EditionConstantsOf(row.edition);
        SCOPED_TRACE(row.registryKey);
        // Compared as CP932 bytes: that is what windows and files receive.
        EXPECT_EQ(c.mainCaption, J(row.mainCaption)) << U(c.mainCaption);
        EXPECT_EQ(c.applicationTitle, J(row.applicationTitle)) << U(c.applicationTitle);
        EXPECT_EQ(c.registryKey, row.registryKey);
        EXPECT_EQ(c.helpFileName, row.helpFileName);
        EXPECT_EQ(c.versionText, row.versionText);
        EXPECT_EQ(c.titleCaption, J(row.titleCaption)) << U(c.titleCaption);
    }
}

TEST(EditionConstants, SharedConstants)
{
    EXPECT_EQ(kSharedRegistryKey, "SoftWare\\Zelkon\\Common");
    EXPECT_EQ(kProductFolder, "Zelkon");
    EXPECT_EQ(kTitlePictureFile, "Title.BMP");
    EXPECT_EQ(kMainIndexFile, "Main.ind");
}

} // namespace
} // namespace zelkon
