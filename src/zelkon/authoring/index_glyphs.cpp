// The index editor's pictures, drawn rather than shipped: they are a few lines each and stay
// sharp at any size.
#include "authoring/index_glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace zelkon {

namespace {

constexpr int kSize = 16;

QPixmap Blank()
{
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void DrawFolder(QPainter &p)
{
    p.setPen(QColor(150, 110, 20));
    p.setBrush(QColor(240, 200, 80));
    p.drawRect(1, 3, 6, 3);
    p.setBrush(QColor(255, 220, 110));
    p.drawRect(1, 5, 13, 9);
}

void DrawPage(QPainter &p)
{
    p.setPen(QColor(90, 90, 120));
    p.setBrush(Qt::white);
    p.drawRect(3, 1, 10, 13);
    p.setPen(QColor(80, 120, 200));
    for (int y = 4; y <= 11; y += 2)
        p.drawLine(5, y, 11, y);
}

void DrawBook(QPainter &p)
{
    p.setPen(QColor(0, 0, 90));
    p.setBrush(QColor(30, 60, 160));
    p.drawRect(2, 1, 11, 13);
    p.setPen(Qt::white);
    p.drawLine(4, 1, 4, 14);
    p.setPen(QColor(255, 220, 110));
    p.drawLine(7, 5, 11, 5);
    p.drawLine(7, 7, 11, 7);
}

// Two arrow heads on a vertical line, pointing away from the middle or towards it.
void DrawArrows(QPainter &p, bool collapse)
{
    p.setPen(QPen(QColor(0, 90, 0), 1.5));
    p.setBrush(QColor(0, 150, 0));
    p.drawLine(8, 1, 8, 15);
    const auto head = [&p](qreal tipY, qreal baseY) {
        QPainterPath path;
        path.moveTo(8, tipY);
        path.lineTo(3, baseY);
        path.lineTo(13, baseY);
        path.closeSubpath();
        p.drawPath(path);
    };
    if (collapse) {
        head(7, 2);
        head(9, 14);
    } else {
        head(1, 6);
        head(15, 10);
    }
}

} // namespace

QIcon IndexTreeIcon(int icon)
{
    QPixmap pixmap = Blank();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (icon == 1)
        DrawFolder(painter);
    else if (icon == 2)
        DrawPage(painter);
    else
        DrawBook(painter);
    painter.end();
    return QIcon(pixmap);
}

QIcon ExpandGlyph(bool collapse)
{
    QPixmap pixmap = Blank();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawArrows(painter, collapse);
    painter.end();
    return QIcon(pixmap);
}

} // namespace zelkon
