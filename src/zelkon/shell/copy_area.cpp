// The copy area of a marked rectangle.
#include "shell/copy_area.h"

#include <algorithm>

namespace zelkon {

QRect CopyAreaOf(QPoint a, QPoint b)
{
    const int left = std::min(a.x(), b.x());
    const int top = std::min(a.y(), b.y());
    const int right = std::max(a.x(), b.x());
    const int bottom = std::max(a.y(), b.y());
    const int width = right - left - 1;
    const int height = bottom - top - 1;
    if (width <= 0 || height <= 0)
        return {};
    return QRect(left + 1, top + 1, width, height);
}

} // namespace zelkon
