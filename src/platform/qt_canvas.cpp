// Canvas operations through QPainter, with the font and per-character work cached for the
// character-by-character drawing of a sheet.
#include "platform/qt_canvas.h"

#include "common/cp932.h"
#include "platform/fonts.h"
#include "platform/qstring_cp932.h"
#include "platform/qt_picture.h"

#include <QPaintEngine>
#include <QPen>

#include <algorithm>
#include <cstdlib>

namespace zelkon {

namespace {

// Screen resolution the sheet's point sizes are laid out for, in dots per metre for QImage.
constexpr int kScreenDpi = 96;
constexpr int kScreenDotsPerMetre = 3780;

QColor ToQColor(Rgb c)
{
    return QColor(c.r, c.g, c.b);
}

// Windows' MulDiv(points, dpi, 72): the font's pixel height, rounded half away from zero.
int PixelHeight(int points, int dpi)
{
    const int scaled = (std::abs(points) * dpi + 36) / 72;
    return std::max(scaled, 1);
}

// The rectangle GDI outlines for (left, top, right, bottom): right and bottom exclusive, and
// given in either order.
QRect OutlineRect(const Rect &r)
{
    const int left = std::min(r.left, r.right);
    const int top = std::min(r.top, r.bottom);
    const int width = std::abs(r.right - r.left);
    const int height = std::abs(r.bottom - r.top);
    return QRect(left, top, std::max(width - 1, 0), std::max(height - 1, 0));
}

// Key of a text that is one CP932 character; -1 for any other text.
int CharacterKey(std::string_view cp932)
{
    if (cp932.empty() || CharLengthAt(cp932, 0) != cp932.size())
        return -1;
    const auto first = static_cast<unsigned char>(cp932[0]);
    if (cp932.size() == 1)
        return first;
    return (first << 8) | static_cast<unsigned char>(cp932[1]);
}

} // namespace

QImage NewPageImage(int width, int height)
{
    QImage image(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32);
    image.setDotsPerMeterX(kScreenDotsPerMetre);
    image.setDotsPerMeterY(kScreenDotsPerMetre);
    image.fill(Qt::white);
    return image;
}

QtCanvas::QtCanvas(QPaintDevice &device)
    : m_device(device)
    , m_dpi(device.devType() == QInternal::Image ? kScreenDpi : device.logicalDpiY())
{
    if (!m_painter.begin(&device))
        return;
    m_rasterOps = m_painter.paintEngine()->hasFeature(QPaintEngine::RasterOpModes);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

QtCanvas::~QtCanvas()
{
    if (m_painter.isActive())
        m_painter.end();
}

int QtCanvas::width() const
{
    return m_device.width();
}

int QtCanvas::height() const
{
    return m_device.height();
}

void QtCanvas::setFontName(std::string_view cp932Name)
{
    if (cp932Name == m_fontName)
        return;
    m_fontName = cp932Name;
    m_fontDirty = true;
}

void QtCanvas::setFontSize(int points)
{
    if (points == m_fontSize)
        return;
    m_fontSize = points;
    m_fontDirty = true;
}

void QtCanvas::setFontStyle(unsigned styleBits)
{
    if (styleBits == m_fontStyle)
        return;
    m_fontStyle = styleBits;
    m_fontDirty = true;
}

void QtCanvas::setFontColor(Rgb colour)
{
    if (colour == m_fontColor)
        return;
    m_fontColor = colour;
    if (m_state == PainterState::Text)
        m_state = PainterState::Unknown;
}

void QtCanvas::setPenColor(Rgb colour)
{
    m_penColor = colour;
    if (m_state == PainterState::Shape)
        m_state = PainterState::Unknown;
}

void QtCanvas::setPenWidth(int width)
{
    m_penWidth = width;
    if (m_state == PainterState::Shape)
        m_state = PainterState::Unknown;
}

void QtCanvas::setPenStyle(PenStyle style)
{
    m_penStyle = style;
    if (m_state == PainterState::Shape)
        m_state = PainterState::Unknown;
}

void QtCanvas::setPenMode(PenMode mode)
{
    m_penMode = mode;
    if (m_state == PainterState::Shape)
        m_state = PainterState::Unknown;
}

void QtCanvas::setFill(bool filled, Rgb colour)
{
    m_filled = filled;
    m_fillColor = colour;
    if (m_state == PainterState::Shape)
        m_state = PainterState::Unknown;
}

void QtCanvas::ensureFont()
{
    if (!m_fontDirty)
        return;
    m_font = QFont(FamilyForFaceName(m_fontName));
    m_font.setPixelSize(PixelHeight(m_fontSize, m_dpi));
    m_font.setBold(m_fontStyle & kBold);
    m_font.setItalic(m_fontStyle & kItalic);
    m_font.setUnderline(m_fontStyle & kUnderline);
    m_font.setStrikeOut(m_fontStyle & kStrikeOut);
    m_metrics.emplace(m_font, &m_device);
    m_advances.clear();
    if (m_painter.isActive())
        m_painter.setFont(m_font);
    m_fontDirty = false;
}

void QtCanvas::useTextState()
{
    if (m_state == PainterState::Text)
        return;
    m_painter.setPen(ToQColor(m_fontColor));
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    m_state = PainterState::Text;
}

void QtCanvas::useShapeState()
{
    if (m_state == PainterState::Shape)
        return;
    QPen pen(ToQColor(m_penColor));
    pen.setWidth(std::max(m_penWidth, 0));
    pen.setStyle(m_penStyle == PenStyle::Dot ? Qt::DotLine : Qt::SolidLine);
    // Flat ends keep a one-pixel line off its end point, as GDI does.
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    m_painter.setPen(pen);
    m_painter.setBrush(m_filled ? QBrush(ToQColor(m_fillColor)) : QBrush(Qt::NoBrush));
    const bool invert = m_penMode == PenMode::Invert && m_rasterOps;
    m_painter.setCompositionMode(invert ? QPainter::RasterOp_NotDestination
                                        : QPainter::CompositionMode_SourceOver);
    m_state = PainterState::Shape;
}

void QtCanvas::useImageState()
{
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (m_state == PainterState::Shape)
        m_state = PainterState::Unknown;
}

QString QtCanvas::qtText(std::string_view cp932)
{
    const int key = CharacterKey(cp932);
    if (key < 0)
        return ToQString(cp932);
    auto found = m_characters.constFind(static_cast<quint16>(key));
    if (found != m_characters.constEnd())
        return *found;
    return *m_characters.insert(static_cast<quint16>(key), ToQString(cp932));
}

int QtCanvas::advance(std::string_view cp932, const QString &text)
{
    const int key = CharacterKey(cp932);
    if (key < 0)
        return m_metrics->horizontalAdvance(text);
    auto found = m_advances.constFind(static_cast<quint16>(key));
    if (found != m_advances.constEnd())
        return *found;
    return *m_advances.insert(static_cast<quint16>(key), m_metrics->horizontalAdvance(text));
}

void QtCanvas::textOut(Point at, std::string_view cp932)
{
    ensureFont();
    const QString text = qtText(cp932);
    const int width = advance(cp932, text);
    m_penPosition = {at.x + width, at.y};
    if (!m_painter.isActive() || text.isEmpty())
        return;
    useTextState();
    // The background covers the em box only: IPA fonts are 1.1 em tall where MS Mincho is 1.0,
    // and the full height would wipe the rule under the print stamp.
    if (!m_textTransparent)
        m_painter.fillRect(at.x, at.y, width, m_font.pixelSize(), Qt::white);
    m_painter.drawText(QPoint(at.x, at.y + m_metrics->ascent()), text);
}

int QtCanvas::textWidth(std::string_view cp932)
{
    ensureFont();
    return advance(cp932, qtText(cp932));
}

int QtCanvas::textHeight(std::string_view)
{
    ensureFont();
    return m_metrics->height();
}

void QtCanvas::line(Point from, Point to)
{
    if (!m_painter.isActive())
        return;
    useShapeState();
    m_painter.drawLine(from.x, from.y, to.x, to.y);
}

void QtCanvas::rectangle(const Rect &r)
{
    if (!m_painter.isActive())
        return;
    useShapeState();
    m_painter.drawRect(OutlineRect(r));
}

void QtCanvas::roundRect(const Rect &r, int cornerWidth, int cornerHeight)
{
    if (!m_painter.isActive())
        return;
    useShapeState();
    m_painter.drawRoundedRect(OutlineRect(r),
                              std::abs(cornerWidth) / 2.0,
                              std::abs(cornerHeight) / 2.0,
                              Qt::AbsoluteSize);
}

void QtCanvas::ellipse(const Rect &r)
{
    if (!m_painter.isActive())
        return;
    useShapeState();
    m_painter.drawEllipse(OutlineRect(r));
}

void QtCanvas::stretchDraw(const Rect &target, const Picture &picture)
{
    const auto *qtPicture = dynamic_cast<const QtPicture *>(&picture);
    if (!m_painter.isActive() || !qtPicture || qtPicture->image().isNull())
        return;
    useImageState();
    m_painter.drawImage(QRect(target.left, target.top, target.width(), target.height()),
                        qtPicture->image());
}

} // namespace zelkon
