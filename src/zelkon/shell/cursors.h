// The six cursor numbers the worksheet and practice windows use.
#pragma once

#include <QCursor>

namespace zelkon {

/// The cursor of number 1 "Arrow1CSR", 2 "FingerCSR", 3 "PointCSR", 4 "CrossCSR",
/// 5 "PencilCSR" or 6 "ScissorsCSR"; any other number, and 5, which was never drawn, give the
/// standard arrow.
QCursor ZelkonCursor(int number);

} // namespace zelkon
