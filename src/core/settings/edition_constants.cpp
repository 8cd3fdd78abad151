// The rows of the three editions.
#include "settings/edition_constants.h"

#include "common/cp932.h"

#include <array>

namespace zelkon {

namespace {

// The rows as written in UTF-8, in the order of `Edition`.
struct Utf8Row
{
    std::string_view mainCaption, applicationTitle, registryKey, helpFileName, versionText,
        titleCaption;
};

// Help is HTML here, so the help file names carry ".html" where the WinHelp files had ".HLP".
// The civics title's "」" is how that edition has always spelled it; it is kept as shipped.
constexpr std::array<Utf8Row, 3> kRows{{
    {"Zelkon++ 塾教材３・日本の地理",
     "Zelkon++ 塾教材３・地理",
     "SoftWare\\Zelkon\\ZelkonXA",
     "ZELKONXA.html",
     "Version 4.50 2005.10.05",
     "長崎県佐世保市　展海峰から見た九十九島"},
    {"Zelkon++ 塾教材１・日本の歴史",
     "Zelkon++ 社会",
     "SoftWare\\Zelkon\\ZelkonXB",
     "ZelkonXB.html",
     "Version 4.60 2005.11.15",
     "山口県　西長門　角島大橋を臨むチャペル"},
    {"Zelkon++ 塾教材２・公民",
     "Zelkon++ 塾教材」２・公民",
     "SoftWare\\Zelkon\\ZelkonXC",
     "ZELKONXC.html",
     "Version 4.60 2005.11.15",
     "島根県　石見海浜公園"},
}};

EditionConstants ToCp932(const Utf8Row &row)
{
    return {Utf8ToCp932(row.mainCaption),
            Utf8ToCp932(row.applicationTitle),
            Utf8ToCp932(row.registryKey),
            Utf8ToCp932(row.helpFileName),
            Utf8ToCp932(row.versionText),
            Utf8ToCp932(row.titleCaption)};
}

} // namespace

const EditionConstants &EditionConstantsOf(Edition edition)
{
    static const std::array<EditionConstants, 3> rows{
        ToCp932(kRows[0]), ToCp932(kRows[1]), ToCp932(kRows[2])};
    return rows[static_cast<std::size_t>(edition)];
}

} // namespace zelkon
