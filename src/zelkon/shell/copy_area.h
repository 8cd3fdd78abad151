// The part of a page that the copy command takes from a marked rectangle.
#pragma once

#include <QPoint>
#include <QRect>

namespace zelkon {

/// The area inside the rectangle marked from `a` to `b` (either corner first): from one pixel
/// inside the upper left corner up to, not including, the lower right corner, as the outline
/// is drawn on its corners. Corners closer than two pixels give an empty area.
QRect CopyAreaOf(QPoint a, QPoint b);

} // namespace zelkon
