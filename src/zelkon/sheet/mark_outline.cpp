// The outline over the page.
#include "sheet/mark_outline.h"

#include <QPainter>
#include <QPen>

namespace zelkon {

MarkOutline::MarkOutline(QWidget *page)
    : QWidget(page)
{
    setObjectName("shpMark");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
}

void MarkOutline::showRect(const QRect &rect)
{
    m_rect = rect;
    setGeometry(parentWidget()->rect());
    raise();
    show();
    update();
}

void MarkOutline::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // Black dots on a white line stay visible over any picture, as the inverted dots of the
    // page's own drawing did.
    const QRect outline = m_rect.normalized().adjusted(0, 0, -1, -1);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(outline);
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawRect(outline);
}

} // namespace zelkon
