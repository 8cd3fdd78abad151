// The practice window's message areas.
#include "practice/message_area.h"

#include "platform/fonts.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace zelkon {

QFont PracticeFont(int points, bool bold)
{
    QFont font(FamilyForFaceName({}));
    // Point sizes are laid out for a 96 dpi screen whatever the display reports.
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    return font;
}

MessageArea::MessageArea(QWidget *parent)
    : QLabel(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    clear();
}

void MessageArea::clear()
{
    m_picture = QImage(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    m_picture.fill(Qt::white);
    setPixmap(QPixmap::fromImage(m_picture));
}

void MessageArea::drawLine(int line, const QString &text, const QColor &colour, int points)
{
    if (line == 0)
        clear();
    drawText(0, 24 * line, text, colour, points);
}

void MessageArea::drawText(int x, int y, const QString &text, const QColor &colour, int points)
{
    {
        QPainter painter(&m_picture);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setFont(PracticeFont(points));
        painter.setPen(colour);
        const QFontMetrics metrics(painter.font());
        painter.drawText(QPoint(x, y + metrics.ascent()), text);
    }
    setPixmap(QPixmap::fromImage(m_picture));
}

void MessageArea::showPicture(const QImage &picture)
{
    m_picture = picture.convertToFormat(QImage::Format_RGB32);
    setPixmap(QPixmap::fromImage(m_picture));
}

void MessageArea::mousePressEvent(QMouseEvent *event)
{
    QLabel::mousePressEvent(event);
    emit clicked();
}

void MessageArea::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    clear();
}

} // namespace zelkon
