// The cursor numbers mapped onto Qt's standard cursors.
#include "shell/cursors.h"

namespace zelkon {

QCursor ZelkonCursor(int number)
{
    switch (number) {
    case 2:
        return Qt::PointingHandCursor;
    case 3:
        return Qt::UpArrowCursor;
    case 4:
        return Qt::CrossCursor;
    case 6:
        return Qt::DragCopyCursor;
    default:
        return Qt::ArrowCursor;
    }
}

} // namespace zelkon
