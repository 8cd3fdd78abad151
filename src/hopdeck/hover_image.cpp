// HoverImage: clicks and pointer moves of a picture.
#include "hopdeck/hover_image.h"

#include <QMouseEvent>

namespace zelkon::hopdeck {

HoverImage::HoverImage(QWidget *parent)
    : QLabel(parent)
{
    setMouseTracking(true);
    setScaledContents(true);
}

void HoverImage::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void HoverImage::mouseMoveEvent(QMouseEvent *event)
{
    QLabel::mouseMoveEvent(event);
    emit hovered();
}

} // namespace zelkon::hopdeck
