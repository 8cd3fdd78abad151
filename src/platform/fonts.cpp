// Font substitutions from the Windows Japanese faces to the IPA fonts.
#include "platform/fonts.h"

#include "platform/qstring_cp932.h"

#include <QFont>
#include <QStringList>

namespace zelkon {

namespace {

struct FaceSubstitution
{
    QStringList windowsNames;
    QStringList ipaFamilies; ///< the English and the Japanese family name of the same font
};

const QList<FaceSubstitution> &Substitutions()
{
    static const QList<FaceSubstitution> table{
        {{QStringLiteral("ＭＳ 明朝"), QStringLiteral("MS 明朝"), QStringLiteral("MS Mincho")},
         {QStringLiteral("IPAMincho"), QStringLiteral("IPA明朝")}},
        {{QStringLiteral("ＭＳ ゴシック"),
          QStringLiteral("MS ゴシック"),
          QStringLiteral("MS Gothic")},
         {QStringLiteral("IPAGothic"), QStringLiteral("IPAゴシック")}},
        {{QStringLiteral("ＭＳ Ｐ明朝"), QStringLiteral("MS P明朝"), QStringLiteral("MS PMincho")},
         {QStringLiteral("IPAPMincho"), QStringLiteral("IPA P明朝")}},
        {{QStringLiteral("ＭＳ Ｐゴシック"),
          QStringLiteral("MS Pゴシック"),
          QStringLiteral("MS PGothic"),
          QStringLiteral("MS UI Gothic")},
         {QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック")}},
    };
    return table;
}

} // namespace

void InstallFontSubstitutions()
{
    for (const FaceSubstitution &s : Substitutions()) {
        for (const QString &name : s.windowsNames) {
            if (QFont::substitutes(name).isEmpty())
                QFont::insertSubstitutions(name, s.ipaFamilies);
        }
    }
}

QString FamilyForFaceName(std::string_view cp932Name)
{
    if (cp932Name.empty())
        return QStringLiteral("ＭＳ Ｐゴシック");
    return ToQString(cp932Name);
}

} // namespace zelkon
