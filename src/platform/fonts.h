// The Windows typefaces courseware names, mapped onto the IPA fonts installed here.
#pragma once

#include <QString>

#include <string_view>

namespace zelkon {

/// Makes the Windows face names ("ＭＳ 明朝", "MS Mincho", "ＭＳ ゴシック", "ＭＳ Ｐ明朝",
/// "ＭＳ Ｐゴシック", …) resolve to IPAMincho, IPAGothic, IPAPMincho and IPAPGothic; call once at
/// start, after the application object exists; a second call adds nothing.
void InstallFontSubstitutions();

/// The family to ask Qt for a face name of a sheet (CP932): the name itself, or "ＭＳ Ｐゴシック",
/// the default face of the Windows toolkit on Japanese systems, when the name is empty.
QString FamilyForFaceName(std::string_view cp932Name);

} // namespace zelkon
