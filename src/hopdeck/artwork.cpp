// The launcher's pictures, drawn with QPainter so they scale and need no files.
#include "hopdeck/artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace zelkon::hopdeck {

namespace {

// The large picture is designed on a 641 × 393 board and scaled to the size asked for.
constexpr qreal kBoardWidth = 641;
constexpr qreal kBoardHeight = 393;
constexpr qreal kHorizon = 232;

void DrawSky(QPainter &p)
{
    QLinearGradient sky(0, 0, 0, kHorizon);
    sky.setColorAt(0.0, QColor(24, 62, 118));
    sky.setColorAt(0.55, QColor(92, 140, 196));
    sky.setColorAt(0.85, QColor(236, 196, 160));
    sky.setColorAt(1.0, QColor(250, 222, 170));
    p.fillRect(QRectF(0, 0, kBoardWidth, kHorizon + 1), sky);

    // The sun low over the sea, with its glow.
    const QPointF sun(170, 176);
    QRadialGradient glow(sun, 120);
    glow.setColorAt(0.0, QColor(255, 244, 214, 230));
    glow.setColorAt(0.25, QColor(255, 214, 150, 120));
    glow.setColorAt(1.0, QColor(255, 200, 140, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(sun, 120, 120);
    p.setBrush(QColor(255, 248, 226));
    p.drawEllipse(sun, 20, 20);

    // Thin lines of latitude and longitude over the sky: the series is about maps, too.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 34), 1));
    for (int i = 1; i <= 4; ++i) {
        const qreal y = i * 44.0;
        QPainterPath latitude;
        latitude.moveTo(0, y + 10);
        latitude.quadTo(kBoardWidth / 2, y - 14, kBoardWidth, y + 10);
        p.drawPath(latitude);
    }
    for (int i = 0; i <= 8; ++i) {
        const qreal x = 20 + i * 78.0;
        QPainterPath meridian;
        meridian.moveTo(x, 0);
        meridian.quadTo(x + (x - kBoardWidth / 2) * 0.12, kHorizon / 2, x, kHorizon);
        p.drawPath(meridian);
    }
}

void DrawMountains(QPainter &p)
{
    // A far range, then Mount Fuji with its snow.
    QPainterPath range;
    range.moveTo(0, kHorizon);
    range.lineTo(0, 210);
    range.cubicTo(60, 196, 110, 214, 160, 206);
    range.cubicTo(210, 198, 250, 212, 300, 214);
    range.lineTo(300, kHorizon);
    range.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 140, 176));
    p.drawPath(range);

    QPainterPath fuji;
    fuji.moveTo(250, kHorizon);
    fuji.cubicTo(300, 214, 330, 170, 352, 134);
    fuji.lineTo(378, 134);
    fuji.cubicTo(400, 170, 430, 214, 490, kHorizon);
    fuji.closeSubpath();
    QLinearGradient rock(0, 134, 0, kHorizon);
    rock.setColorAt(0.0, QColor(86, 104, 150));
    rock.setColorAt(1.0, QColor(132, 150, 184));
    p.setBrush(rock);
    p.drawPath(fuji);

    QPainterPath snow;
    snow.moveTo(352, 134);
    snow.lineTo(378, 134);
    snow.cubicTo(386, 148, 392, 158, 398, 166);
    snow.lineTo(388, 160);
    snow.lineTo(380, 170);
    snow.lineTo(370, 158);
    snow.lineTo(360, 172);
    snow.lineTo(352, 160);
    snow.lineTo(340, 168);
    snow.cubicTo(344, 156, 348, 146, 352, 134);
    snow.closeSubpath();
    p.setBrush(QColor(246, 248, 252));
    p.drawPath(snow);
}

void DrawSea(QPainter &p)
{
    QLinearGradient sea(0, kHorizon, 0, kBoardHeight);
    sea.setColorAt(0.0, QColor(70, 130, 170));
    sea.setColorAt(0.4, QColor(30, 96, 140));
    sea.setColorAt(1.0, QColor(12, 58, 96));
    p.fillRect(QRectF(0, kHorizon, kBoardWidth, kBoardHeight - kHorizon), sea);

    // The sun's path on the water.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 14; ++i) {
        const qreal y = kHorizon + 4 + i * 9.5;
        const qreal half = 10 + i * 4.0;
        p.setBrush(QColor(255, 226, 170, 150 - i * 9));
        p.drawRoundedRect(QRectF(170 - half, y, 2 * half, 2.2), 1, 1);
    }

    // Little wave crests, sparser far off.
    p.setBrush(Qt::NoBrush);
    for (int row = 0; row < 9; ++row) {
        const qreal y = kHorizon + 14 + row * row * 1.9 + row * 6;
        const qreal size = 4 + row * 1.6;
        p.setPen(QPen(QColor(220, 236, 246, 70 + row * 8), 1 + row * 0.12));
        for (int i = 0; i < 9; ++i) {
            const qreal x = std::fmod(i * 83.0 + row * 47.0, kBoardWidth);
            QPainterPath crest;
            crest.moveTo(x, y);
            crest.quadTo(x + size, y - size * 0.5, x + 2 * size, y);
            p.drawPath(crest);
        }
    }
}

void DrawPine(QPainter &p, QPointF foot, qreal height)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(92, 64, 44));
    p.drawRect(
        QRectF(foot.x() - height * 0.05, foot.y() - height * 0.45, height * 0.1, height * 0.45));
    p.setBrush(QColor(30, 84, 52));
    for (int tier = 0; tier < 3; ++tier) {
        const qreal top = foot.y() - height + tier * height * 0.22;
        const qreal half = height * (0.22 + tier * 0.09);
        p.drawEllipse(QRectF(foot.x() - half, top, 2 * half, height * 0.26));
    }
}

void DrawIsland(QPainter &p, QPointF base, qreal width, qreal height, int pines)
{
    QPainterPath island;
    island.moveTo(base.x(), base.y());
    island.cubicTo(base.x() + width * 0.15,
                   base.y() - height,
                   base.x() + width * 0.75,
                   base.y() - height * 1.1,
                   base.x() + width,
                   base.y());
    island.closeSubpath();
    QLinearGradient green(0, base.y() - height, 0, base.y());
    green.setColorAt(0.0, QColor(64, 128, 72));
    green.setColorAt(1.0, QColor(28, 78, 52));
    p.setPen(Qt::NoPen);
    p.setBrush(green);
    p.drawPath(island);
    // Rock at the waterline and its reflection.
    p.setBrush(QColor(96, 84, 72));
    p.drawRect(QRectF(base.x() + width * 0.06, base.y() - 3, width * 0.88, 3));
    p.setBrush(QColor(10, 40, 60, 90));
    p.drawEllipse(QRectF(base.x(), base.y(), width, height * 0.35));
    for (int i = 0; i < pines; ++i) {
        const qreal x = base.x() + width * (0.3 + 0.4 * i / qMax(1, pines - 1));
        DrawPine(p, QPointF(x, base.y() - height * 0.78), height * 0.55);
    }
}

void DrawTorii(QPainter &p, QPointF foot, qreal height)
{
    const QColor vermilion(206, 62, 40);
    p.setPen(Qt::NoPen);
    p.setBrush(vermilion);
    const qreal w = height * 0.9;
    p.drawRect(QRectF(foot.x() - w * 0.36, foot.y() - height, w * 0.08, height));
    p.drawRect(QRectF(foot.x() + w * 0.28, foot.y() - height, w * 0.08, height));
    p.drawRect(QRectF(foot.x() - w * 0.46, foot.y() - height * 0.74, w * 0.92, height * 0.07));
    QPainterPath top;
    top.moveTo(foot.x() - w * 0.6, foot.y() - height * 1.02);
    top.quadTo(foot.x(), foot.y() - height * 0.9, foot.x() + w * 0.6, foot.y() - height * 1.02);
    top.lineTo(foot.x() + w * 0.56, foot.y() - height * 0.9);
    top.quadTo(foot.x(), foot.y() - height * 0.8, foot.x() - w * 0.56, foot.y() - height * 0.9);
    top.closeSubpath();
    p.setBrush(QColor(40, 30, 30));
    p.drawPath(top);
}

void DrawTitleMark(QPainter &p)
{
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(26);
    font.setBold(true);
    p.setFont(font);
    const QString text = QStringLiteral("Zelkon++ ") + QString::fromUtf8("社会");
    p.setPen(QColor(0, 0, 0, 90));
    p.drawText(QPointF(23, 45), text);
    p.setPen(QColor(255, 255, 255, 235));
    p.drawText(QPointF(21, 43), text);
    QFont small = font;
    small.setPixelSize(13);
    small.setBold(false);
    p.setFont(small);
    p.setPen(QColor(255, 255, 255, 200));
    p.drawText(QPointF(23, 64), QString::fromUtf8("地理・歴史・公民"));
}

} // namespace

QPixmap LargePicture(const QSize &size)
{
    QPixmap picture(size);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(size.width() / kBoardWidth, size.height() / kBoardHeight);
    DrawSky(p);
    DrawMountains(p);
    DrawSea(p);
    DrawIsland(p, QPointF(30, 300), 150, 46, 3);
    DrawIsland(p, QPointF(210, 262), 70, 22, 1);
    DrawIsland(p, QPointF(300, 336), 120, 38, 2);
    DrawIsland(p, QPointF(520, 250), 90, 20, 1);
    DrawIsland(p, QPointF(430, 372), 200, 40, 3);
    DrawTorii(p, QPointF(86, 266), 26);
    DrawTitleMark(p);
    return picture;
}

QPixmap SmallPicture(const QSize &size)
{
    constexpr qreal kWidth = 81;
    constexpr qreal kHeight = 65;
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size.width() / kWidth, size.height() / kHeight);

    QLinearGradient back(0, 0, 0, kHeight);
    back.setColorAt(0.0, QColor(252, 244, 222));
    back.setColorAt(1.0, QColor(230, 214, 180));
    p.setPen(QPen(QColor(150, 120, 80), 1));
    p.setBrush(back);
    p.drawRoundedRect(QRectF(0.5, 0.5, kWidth - 1, kHeight - 1), 6, 6);

    // The stand.
    p.setPen(QPen(QColor(150, 104, 40), 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(19, 6, 44, 44), 200 * 16, 200 * 16);
    p.drawLine(QPointF(41, 50), QPointF(41, 56));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 104, 40));
    p.drawRoundedRect(QRectF(29, 56, 24, 4), 2, 2);

    // The globe: sea, two continents, and the grid.
    const QPointF centre(41, 28);
    QRadialGradient sea(centre - QPointF(6, 6), 24);
    sea.setColorAt(0.0, QColor(120, 186, 232));
    sea.setColorAt(1.0, QColor(30, 96, 170));
    p.setBrush(sea);
    p.drawEllipse(centre, 18, 18);
    p.save();
    QPainterPath clip;
    clip.addEllipse(centre, 18, 18);
    p.setClipPath(clip);
    p.setBrush(QColor(92, 168, 84));
    QPainterPath land;
    land.moveTo(30, 14);
    land.cubicTo(40, 8, 48, 16, 44, 22);
    land.cubicTo(40, 28, 34, 26, 32, 32);
    land.cubicTo(28, 36, 22, 28, 24, 22);
    land.closeSubpath();
    land.moveTo(46, 30);
    land.cubicTo(54, 28, 60, 36, 54, 42);
    land.cubicTo(50, 46, 44, 40, 46, 30);
    land.closeSubpath();
    p.drawPath(land);
    p.setPen(QPen(QColor(255, 255, 255, 110), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, 8, 18);
    p.drawLine(QPointF(41, 10), QPointF(41, 46));
    p.drawLine(QPointF(23, 28), QPointF(59, 28));
    p.drawEllipse(QRectF(25, 19, 32, 18));
    p.restore();
    p.setPen(QPen(QColor(20, 60, 110), 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, 18, 18);
    return picture;
}

QIcon LauncherIcon()
{
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(side / 64.0, side / 64.0);
        const QColor cards[] = {QColor(236, 140, 40), QColor(40, 150, 80), QColor(30, 90, 200)};
        for (int i = 0; i < 3; ++i) {
            p.save();
            p.translate(32, 34);
            p.rotate(-14 + i * 10);
            p.setPen(QPen(QColor(255, 255, 255), 2));
            p.setBrush(cards[i]);
            p.drawRoundedRect(QRectF(-20 + i * 2, -24 + i * 2, 36, 44), 5, 5);
            p.restore();
        }
        // The start mark on the top card.
        QPainterPath play;
        play.moveTo(27, 24);
        play.lineTo(45, 35);
        play.lineTo(27, 46);
        play.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPath(play);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace zelkon::hopdeck
