// The eight feedback pictures, drawn as cartoon faces and hearts with QPainter.
#include "practice/feedback_pictures.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cmath>

namespace zelkon {

namespace {

const QColor kInk(64, 40, 28);
const QColor kSkin(255, 214, 96);
const QColor kMouth(168, 36, 52);
const QColor kTongue(255, 128, 140);
const QColor kCheek(255, 140, 150, 150);
const QColor kTear(120, 192, 255, 230);
const QColor kTearEdge(50, 120, 215);

QPen InkPen(qreal width, const QColor &colour = kInk)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Captions use the program's Gothic face so the kana match the rest of the windows.
QFont CaptionFont(int pixelSize)
{
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

// Text with a thick rim in `rim`, the way lettering looks in picture books.
void DrawLettering(QPainter &p,
                   QPointF baselineCentre,
                   const QString &text,
                   int pixelSize,
                   const QColor &fill,
                   const QColor &rim)
{
    const QFont font = CaptionFont(pixelSize);
    const qreal width = QFontMetricsF(font).horizontalAdvance(text);
    QPainterPath path;
    path.addText(baselineCentre.x() - width / 2, baselineCentre.y(), font, text);
    p.strokePath(path, InkPen(std::max(2.0, pixelSize / 7.0), rim));
    p.fillPath(path, fill);
}

// A round head with a soft light from the upper left.
void DrawHead(QPainter &p, QPointF centre, qreal radius, const QColor &skin = kSkin)
{
    QRadialGradient light(centre - QPointF(radius * 0.35, radius * 0.45), radius * 1.5);
    light.setColorAt(0, skin.lighter(118));
    light.setColorAt(1, skin.darker(110));
    p.setPen(InkPen(2.2));
    p.setBrush(light);
    p.drawEllipse(centre, radius, radius);
}

void DrawCheeks(QPainter &p, QPointF left, QPointF right, qreal rx, qreal ry)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kCheek);
    p.drawEllipse(left, rx, ry);
    p.drawEllipse(right, rx, ry);
}

// An open eye: a dark oval with a catch light.
void DrawEye(QPainter &p, QPointF centre, qreal rx, qreal ry)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(centre, rx, ry);
    p.setBrush(Qt::white);
    p.drawEllipse(centre + QPointF(-rx * 0.3, -ry * 0.35), rx * 0.38, ry * 0.32);
}

// A closed eye as an arc: `up` bulges upwards (laughing), otherwise downwards (sleeping).
void DrawClosedEye(QPainter &p, QPointF centre, qreal width, qreal height, bool up, qreal pen)
{
    const QRectF box(centre.x() - width / 2, centre.y() - height / 2, width, height * 2);
    p.setPen(InkPen(pen));
    p.setBrush(Qt::NoBrush);
    if (up) {
        p.drawArc(box, 20 * 16, 140 * 16);
        return;
    }
    p.drawArc(box.translated(0, -height * 1.5), 200 * 16, 140 * 16);
}

// A drop whose tip points up, round end at `bottom` with radius r.
QPainterPath DropPath(QPointF bottom, qreal r)
{
    const qreal x = bottom.x();
    const qreal y = bottom.y() - r;
    QPainterPath path;
    path.moveTo(x, y - 1.8 * r);
    path.cubicTo(x + 0.3 * r, y - 1.0 * r, x + r, y - 0.6 * r, x + r, y);
    path.arcTo(QRectF(x - r, y - r, 2 * r, 2 * r), 0, -180);
    path.cubicTo(x - r, y - 0.6 * r, x - 0.3 * r, y - 1.0 * r, x, y - 1.8 * r);
    return path;
}

void DrawDrop(QPainter &p, QPointF bottom, qreal r)
{
    p.setPen(InkPen(1.3, kTearEdge));
    p.setBrush(kTear);
    p.drawPath(DropPath(bottom, r));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(bottom + QPointF(-r * 0.35, -r * 1.1), r * 0.25, r * 0.4);
}

// A four-pointed twinkle.
void DrawSparkle(QPainter &p, QPointF c, qreal r, const QColor &fill, const QColor &edge)
{
    const qreal w = r * 0.22;
    QPainterPath star;
    star.moveTo(c.x(), c.y() - r);
    star.quadTo(c.x() + w, c.y() - w, c.x() + r, c.y());
    star.quadTo(c.x() + w, c.y() + w, c.x(), c.y() + r);
    star.quadTo(c.x() - w, c.y() + w, c.x() - r, c.y());
    star.quadTo(c.x() - w, c.y() - w, c.x(), c.y() - r);
    p.setPen(InkPen(1.0, edge));
    p.setBrush(fill);
    p.drawPath(star);
}

// An open mouth shape filled dark red, with the tongue clipped inside it.
void DrawOpenMouth(QPainter &p, const QPainterPath &mouth, QPointF tongue, qreal rx, qreal ry)
{
    p.setPen(InkPen(2.0));
    p.setBrush(kMouth);
    p.drawPath(mouth);
    p.save();
    p.setClipPath(mouth);
    p.setPen(Qt::NoPen);
    p.setBrush(kTongue);
    p.drawEllipse(tongue, rx, ry);
    p.restore();
    // Redraw the rim over the tongue's clipped edge.
    p.setPen(InkPen(2.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mouth);
}

// 0: a little lion roaring "ガオー".
void DrawGaoh(QPainter &p)
{
    const QPointF c(48.5, 68);
    QPainterPath mane;
    // Winding fill, so the overlapping tufts merge into one outline instead of cancelling out.
    mane.setFillRule(Qt::WindingFill);
    mane.addEllipse(c, 31, 31);
    for (int i = 0; i < 14; ++i) {
        const qreal a = i * 2 * M_PI / 14;
        mane.addEllipse(c + QPointF(30 * std::cos(a), 30 * std::sin(a)), 10, 10);
    }
    QRadialGradient maneLight(c, 41);
    maneLight.setColorAt(0.6, QColor(245, 150, 45));
    maneLight.setColorAt(1, QColor(215, 110, 30));
    p.setPen(InkPen(2.0, QColor(130, 62, 18)));
    p.setBrush(maneLight);
    p.drawPath(mane.simplified());

    for (const qreal side : {-1.0, 1.0}) {
        const QPointF ear = c + QPointF(side * 19, -21);
        p.setPen(InkPen(2.0));
        p.setBrush(QColor(250, 196, 90));
        p.drawEllipse(ear, 8, 8);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(240, 140, 120));
        p.drawEllipse(ear, 4, 4);
    }
    DrawHead(p, c, 26, QColor(255, 210, 110));

    // Frowning brows give the roar its bite; it stays a small, friendly monster.
    p.setPen(InkPen(3.0));
    p.drawLine(QPointF(32, 56), QPointF(43, 60));
    p.drawLine(QPointF(65, 56), QPointF(54, 60));
    DrawEye(p, QPointF(39.5, 64.5), 3.2, 3.8);
    DrawEye(p, QPointF(57.5, 64.5), 3.2, 3.8);
    DrawCheeks(p, QPointF(30, 73), QPointF(67, 73), 4.5, 3);

    QPainterPath nose;
    nose.moveTo(44, 69);
    nose.quadTo(48.5, 67, 53, 69);
    nose.quadTo(48.5, 75, 44, 69);
    p.setPen(InkPen(1.5));
    p.setBrush(kInk);
    p.drawPath(nose);

    QPainterPath mouth;
    mouth.addEllipse(QPointF(48.5, 84), 11, 8.5);
    DrawOpenMouth(p, mouth, QPointF(48.5, 91), 7, 4.5);
    p.setPen(InkPen(1.0));
    p.setBrush(Qt::white);
    for (const qreal x : {42.5, 54.5}) {
        QPolygonF fang;
        fang << QPointF(x - 2.5, 76.5) << QPointF(x + 2.5, 76.5) << QPointF(x, 82);
        p.drawPolygon(fang);
    }

    DrawLettering(
        p, QPointF(48.5, 22), QStringLiteral("ガオー"), 21, QColor(235, 75, 25), Qt::white);
    p.setPen(InkPen(2.0, QColor(235, 75, 25)));
    p.drawLine(QPointF(5, 6), QPointF(11, 12));
    p.drawLine(QPointF(3, 16), QPointF(10, 17));
    p.drawLine(QPointF(92, 6), QPointF(86, 12));
    p.drawLine(QPointF(94, 16), QPointF(87, 17));
}

// 1–39: a tearful face.
void DrawNamida(QPainter &p)
{
    const QPointF c(48.5, 62);
    DrawHead(p, c, 38, QColor(255, 222, 130));

    p.setPen(InkPen(2.5));
    p.drawLine(QPointF(25, 45), QPointF(39, 40));
    p.drawLine(QPointF(72, 45), QPointF(58, 40));
    DrawClosedEye(p, QPointF(35, 53), 15, 7, /*up=*/true, 3.0);
    DrawClosedEye(p, QPointF(62, 53), 15, 7, /*up=*/true, 3.0);

    // Streams of tears from both eyes down to the chin.
    for (const qreal x : {35.0, 62.0}) {
        QPainterPath stream;
        stream.moveTo(x - 5, 55);
        stream.lineTo(x + 5, 55);
        stream.cubicTo(x + 6, 70, x + 4, 82, x + 6, 94);
        stream.quadTo(x, 99, x - 6, 94);
        stream.cubicTo(x - 4, 82, x - 6, 70, x - 5, 55);
        p.setPen(InkPen(1.3, kTearEdge));
        p.setBrush(kTear);
        p.drawPath(stream);
        p.setPen(InkPen(1.5, QColor(255, 255, 255, 200)));
        p.drawLine(QPointF(x - 2, 62), QPointF(x - 2, 74));
    }
    DrawDrop(p, QPointF(17, 90), 4.5);
    DrawDrop(p, QPointF(82, 94), 4.0);
    DrawDrop(p, QPointF(12, 108), 3.0);
    DrawDrop(p, QPointF(88, 110), 3.0);

    QPainterPath mouth;
    mouth.moveTo(40, 87);
    mouth.cubicTo(41, 74, 56, 74, 57, 87);
    mouth.quadTo(48.5, 84, 40, 87);
    DrawOpenMouth(p, mouth, QPointF(48.5, 88), 6, 3.5);
}

// 40–59: a puzzled face asking "なんだ？".
void DrawNanda(QPainter &p)
{
    DrawLettering(
        p, QPointF(48.5, 21), QStringLiteral("なんだ？"), 19, QColor(40, 105, 220), Qt::white);

    p.save();
    // The head tilts, as heads do when something makes no sense.
    p.translate(46, 70);
    p.rotate(-9);
    DrawHead(p, QPointF(0, 0), 33);
    p.setPen(InkPen(2.5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-20, -22, 14, 10), 20 * 16, 140 * 16);
    p.drawLine(QPointF(6, -13), QPointF(18, -15));
    DrawEye(p, QPointF(-13, -7), 4.5, 5.5);
    DrawEye(p, QPointF(12, -6), 3.0, 3.4);
    DrawCheeks(p, QPointF(-21, 6), QPointF(21, 7), 5, 3.2);
    p.setPen(InkPen(2.5));
    QPainterPath mouth;
    mouth.moveTo(-10, 16);
    mouth.cubicTo(-6, 11, -2, 21, 2, 16);
    mouth.cubicTo(6, 11, 10, 21, 13, 15);
    p.drawPath(mouth);
    p.restore();

    DrawDrop(p, QPointF(84, 60), 4.5);
    DrawLettering(p, QPointF(86, 46), QStringLiteral("?"), 20, QColor(255, 140, 30), Qt::white);
}

// 60–79: a sleepy face with a bubble and "Zzz".
void DrawSleep(QPainter &p)
{
    const QPointF c(42, 71);
    DrawHead(p, c, 33);

    // A nightcap drooping over to the left.
    QPainterPath cap;
    cap.moveTo(15, 56);
    cap.cubicTo(14, 30, 40, 22, 58, 36);
    cap.quadTo(66, 43, 70, 54);
    cap.quadTo(42, 42, 15, 56);
    QPainterPath tail;
    tail.moveTo(20, 44);
    tail.cubicTo(10, 36, 6, 44, 5, 56);
    tail.lineTo(13, 54);
    tail.cubicTo(14, 48, 18, 47, 26, 41);
    QLinearGradient blue(QPointF(10, 30), QPointF(60, 55));
    blue.setColorAt(0, QColor(110, 150, 245));
    blue.setColorAt(1, QColor(70, 105, 215));
    p.setPen(InkPen(2.0, QColor(40, 60, 140)));
    p.setBrush(blue);
    p.drawPath(cap.united(tail));
    p.setBrush(QColor(250, 250, 255));
    p.drawEllipse(QPointF(6, 59), 5.5, 5.5);
    QPainterPath brim;
    brim.moveTo(14, 57);
    brim.quadTo(42, 43, 71, 56);
    p.setPen(InkPen(6.0, QColor(40, 60, 140)));
    p.drawPath(brim);
    p.setPen(InkPen(4.0, QColor(250, 250, 255)));
    p.drawPath(brim);

    DrawClosedEye(p, QPointF(30, 70), 13, 6, /*up=*/false, 2.8);
    DrawClosedEye(p, QPointF(53, 70), 13, 6, /*up=*/false, 2.8);
    DrawCheeks(p, QPointF(22, 80), QPointF(62, 80), 5, 3.2);
    p.setPen(InkPen(2.0));
    p.setBrush(kMouth);
    p.drawEllipse(QPointF(41, 90), 3.5, 3.0);

    p.setPen(InkPen(1.5, QColor(90, 150, 225)));
    p.setBrush(QColor(205, 232, 255, 190));
    p.drawEllipse(QPointF(55, 88), 7.5, 7.5);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(52.5, 85.5), 2.0, 2.0);

    const QColor zColour(70, 85, 200);
    DrawLettering(p, QPointF(82, 64), QStringLiteral("z"), 13, zColour, Qt::white);
    DrawLettering(p, QPointF(86, 47), QStringLiteral("z"), 17, zColour, Qt::white);
    DrawLettering(p, QPointF(88, 28), QStringLiteral("Z"), 22, zColour, Qt::white);
}

// 80–99: a happy, laughing face.
void DrawHappy(QPainter &p)
{
    const QPointF c(48.5, 66);
    DrawHead(p, c, 37);
    p.setPen(InkPen(2.5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(26, 40, 16, 10), 30 * 16, 120 * 16);
    p.drawArc(QRectF(55, 40, 16, 10), 30 * 16, 120 * 16);
    DrawClosedEye(p, QPointF(34, 58), 15, 9, /*up=*/true, 3.2);
    DrawClosedEye(p, QPointF(63, 58), 15, 9, /*up=*/true, 3.2);
    DrawCheeks(p, QPointF(25, 74), QPointF(72, 74), 7, 4.5);

    QPainterPath mouth;
    mouth.moveTo(31, 74);
    mouth.quadTo(48.5, 77, 66, 74);
    mouth.cubicTo(65, 97, 32, 97, 31, 74);
    DrawOpenMouth(p, mouth, QPointF(48.5, 91), 10, 5.5);

    DrawLettering(p, QPointF(13, 26), QStringLiteral("♪"), 20, QColor(255, 100, 160), Qt::white);
    DrawLettering(p, QPointF(85, 20), QStringLiteral("♪"), 17, QColor(60, 180, 90), Qt::white);
}

// 100: a proud, beaming face with a crown and twinkles.
void DrawKutta(QPainter &p)
{
    const QPointF c(48.5, 72);
    DrawHead(p, c, 34);

    QPolygonF crown;
    crown << QPointF(30, 44) << QPointF(27, 23) << QPointF(38.5, 33) << QPointF(48.5, 16)
          << QPointF(58.5, 33) << QPointF(70, 23) << QPointF(67, 44);
    QLinearGradient gold(QPointF(0, 16), QPointF(0, 44));
    gold.setColorAt(0, QColor(255, 232, 90));
    gold.setColorAt(1, QColor(240, 170, 0));
    p.setPen(InkPen(1.8, QColor(150, 95, 0)));
    p.setBrush(gold);
    p.drawPolygon(crown);
    for (const QPointF tip : {QPointF(27, 23), QPointF(48.5, 16), QPointF(70, 23)})
        p.drawEllipse(tip, 3, 3);
    p.setPen(InkPen(1.0, QColor(130, 0, 20)));
    p.setBrush(QColor(230, 30, 60));
    p.drawEllipse(QPointF(48.5, 36), 3.5, 3.5);
    p.setBrush(QColor(40, 130, 240));
    p.drawEllipse(QPointF(37, 38), 2.3, 2.3);
    p.drawEllipse(QPointF(60, 38), 2.3, 2.3);

    p.setPen(InkPen(2.6));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(27, 51, 16, 10), 30 * 16, 120 * 16);
    p.drawArc(QRectF(54, 51, 16, 10), 30 * 16, 120 * 16);
    DrawClosedEye(p, QPointF(35, 65), 14, 8, /*up=*/true, 3.2);
    DrawClosedEye(p, QPointF(62, 65), 14, 8, /*up=*/true, 3.2);
    DrawCheeks(p, QPointF(26, 79), QPointF(71, 79), 6.5, 4);

    // A wide grin with a row of teeth.
    QPainterPath mouth;
    mouth.moveTo(29, 78);
    mouth.quadTo(48.5, 84, 68, 78);
    mouth.cubicTo(66, 101, 31, 101, 29, 78);
    DrawOpenMouth(p, mouth, QPointF(48.5, 96), 9, 4.5);
    p.save();
    p.setClipPath(mouth);
    QPainterPath teeth;
    teeth.moveTo(26, 76);
    teeth.quadTo(48.5, 82, 71, 76);
    teeth.lineTo(71, 86);
    teeth.quadTo(48.5, 91, 26, 86);
    teeth.closeSubpath();
    p.setPen(InkPen(1.0));
    p.setBrush(Qt::white);
    p.drawPath(teeth);
    p.restore();
    p.setPen(InkPen(2.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mouth);

    const QColor edge(215, 140, 0);
    DrawSparkle(p, QPointF(13, 22), 9, QColor(255, 215, 40), edge);
    DrawSparkle(p, QPointF(86, 48), 8, QColor(255, 215, 40), edge);
    DrawSparkle(p, QPointF(10, 62), 5, QColor(255, 150, 200), QColor(220, 80, 150));
    DrawSparkle(p, QPointF(86, 12), 5, QColor(140, 210, 255), QColor(60, 140, 220));
    DrawSparkle(p, QPointF(89, 100), 5, QColor(255, 215, 40), edge);
    DrawSparkle(p, QPointF(9, 100), 6, QColor(140, 210, 255), QColor(60, 140, 220));
}

QPainterPath HeartPath(const QRectF &r)
{
    const auto at = [&r](qreal fx, qreal fy) {
        return QPointF(r.left() + fx * r.width(), r.top() + fy * r.height());
    };
    QPainterPath heart;
    heart.moveTo(at(0.5, 0.24));
    heart.cubicTo(at(0.42, 0.02), at(0.0, 0.0), at(0.02, 0.33));
    heart.cubicTo(at(0.04, 0.62), at(0.36, 0.80), at(0.5, 1.0));
    heart.cubicTo(at(0.64, 0.80), at(0.96, 0.62), at(0.98, 0.33));
    heart.cubicTo(at(1.0, 0.0), at(0.58, 0.02), at(0.5, 0.24));
    return heart;
}

// A glossy heart filling `box`.
void DrawHeart(
    QPainter &p, const QRectF &box, const QColor &light, const QColor &deep, const QColor &rim)
{
    QRadialGradient shade(
        box.left() + box.width() * 0.35, box.top() + box.height() * 0.3, box.width() * 0.8);
    shade.setColorAt(0, light);
    shade.setColorAt(1, deep);
    p.setPen(InkPen(std::max(1.5, box.width() / 40), rim));
    p.setBrush(shade);
    p.drawPath(HeartPath(box));

    p.save();
    p.translate(box.left() + box.width() * 0.25, box.top() + box.height() * 0.26);
    p.rotate(-35);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 190));
    p.drawEllipse(QPointF(0, 0), box.width() * 0.11, box.height() * 0.06);
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 170));
    p.drawEllipse(QPointF(box.left() + box.width() * 0.17, box.top() + box.height() * 0.40),
                  box.width() * 0.03,
                  box.width() * 0.03);
}

// 100: a red heart with twinkles around it.
void DrawRedHeart(QPainter &p)
{
    DrawHeart(
        p, QRectF(11, 11, 92, 86), QColor(255, 120, 140), QColor(215, 15, 45), QColor(150, 0, 30));
    const QColor edge(215, 140, 0);
    DrawSparkle(p, QPointF(12, 12), 8, QColor(255, 215, 40), edge);
    DrawSparkle(p, QPointF(104, 18), 6, QColor(255, 215, 40), edge);
    DrawSparkle(p, QPointF(101, 88), 7, QColor(255, 215, 40), edge);
    DrawSparkle(p, QPointF(13, 86), 5, QColor(255, 150, 200), QColor(220, 80, 150));
}

// 80–99: a small green heart.
void DrawGreenHeart(QPainter &p)
{
    DrawHeart(
        p, QRectF(5, 5, 57, 53), QColor(170, 240, 150), QColor(40, 165, 70), QColor(20, 105, 40));
}

struct Artwork
{
    QSize size;
    void (*draw)(QPainter &);
};

// In the order of FeedbackPicture.
const std::array<Artwork, 8> kArtwork{{
    {{97, 113}, DrawGaoh},
    {{97, 113}, DrawNamida},
    {{97, 113}, DrawNanda},
    {{97, 113}, DrawSleep},
    {{97, 113}, DrawHappy},
    {{67, 62}, DrawGreenHeart},
    {{97, 113}, DrawKutta},
    {{114, 105}, DrawRedHeart},
}};

QImage Paint(const Artwork &art)
{
    QImage image(art.size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    art.draw(p);
    return image;
}

} // namespace

QImage FeedbackPictureImage(FeedbackPicture picture)
{
    // Each picture is drawn once; QImage shares the pixels with every copy handed out.
    static std::array<QImage, kArtwork.size()> cache;
    const auto index = static_cast<std::size_t>(picture);
    if (index >= cache.size())
        return {};
    if (cache[index].isNull())
        cache[index] = Paint(kArtwork[index]);
    return cache[index];
}

} // namespace zelkon
