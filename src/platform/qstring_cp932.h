// The one conversion between Qt's QString and the program's CP932 texts.
#pragma once

#include "common/cp932.h"

#include <QString>

#include <string>
#include <string_view>

namespace zelkon {

/// The QString of a CP932 text; invalid or truncated byte sequences become U+FFFD.
QString ToQString(std::string_view cp932);

/// The CP932 text of a QString; a character CP932 cannot hold makes the result not ok and
/// names it (never a "?" in its place).
Cp932Conversion ToCp932(const QString &text);

/// The Japanese message that refuses the character named by a failed conversion.
QString RefusedCharacterMessage(const Cp932Conversion &failed);

} // namespace zelkon
