// The page canvas over QPainter: the on-screen page picture (a QImage), a printer page or a PDF.
#pragma once

#include "sheet/canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QPainter>

#include <optional>
#include <string>

namespace zelkon {

/// A blank white page picture of the given size, marked 96 dpi (the screen resolution the
/// sheet's point sizes are laid out for).
QImage NewPageImage(int width, int height);

/// Draws the Canvas operations through a QPainter of its own on any paint device. Font sizes in
/// points become whole pixel heights as on Windows (points × dpi ÷ 72, rounded): at 96 dpi on a
/// QImage whatever resolution the image is marked with, at the device's resolution on printers
/// and PDF writers. Devices without raster operations (printers, PDF) draw PenMode::Invert as
/// Copy: inverted outlines are drag feedback on screen and never printed.
class QtCanvas final : public Canvas
{
public:
    /// Begins painting on `device`, which must outlive the canvas; painting ends with the canvas.
    explicit QtCanvas(QPaintDevice &device);
    ~QtCanvas() override;
    QtCanvas(const QtCanvas &) = delete;
    QtCanvas &operator=(const QtCanvas &) = delete;

    /// False when painting could not begin (a null image, a printer that failed to start); such
    /// a canvas draws nothing but still measures text and moves its pen.
    bool isActive() const { return m_painter.isActive(); }

    int width() const override;
    int height() const override;

    void setFontName(std::string_view cp932Name) override;
    void setFontSize(int points) override;
    int fontSize() const override { return m_fontSize; }
    void setFontStyle(unsigned styleBits) override;
    unsigned fontStyle() const override { return m_fontStyle; }
    void setFontColor(Rgb colour) override;
    Rgb fontColor() const override { return m_fontColor; }
    void setTextTransparent(bool transparent) override { m_textTransparent = transparent; }

    void setPenColor(Rgb colour) override;
    void setPenWidth(int width) override;
    void setPenStyle(PenStyle style) override;
    void setPenMode(PenMode mode) override;
    void setFill(bool filled, Rgb colour = kWhite) override;

    /// Draws with the top of the text cell at `at.y`; an opaque background fills the cell
    /// (advance × font height) white first. The pen moves to at.x + the text's advance.
    void textOut(Point at, std::string_view cp932) override;
    Point penPosition() const override { return m_penPosition; }
    void moveTo(Point at) override { m_penPosition = at; }
    /// The horizontal advance of the text; 0 for an empty text.
    int textWidth(std::string_view cp932) override;
    /// The font's cell height (ascent + descent), for any text including an empty one.
    int textHeight(std::string_view cp932) override;

    /// Solid one-pixel lines leave out their end point as GDI's LineTo does; wider lines end flat
    /// at it (GDI draws round ends, up to half the pen width further).
    void line(Point from, Point to) override;
    /// Outline on the rectangle's inside edge pixels (right and bottom exclusive), as GDI draws.
    void rectangle(const Rect &r) override;
    void roundRect(const Rect &r, int cornerWidth, int cornerHeight) override;
    void ellipse(const Rect &r) override;
    /// Stretches a QtPicture smoothly into `target` in copy mode; other pictures draw nothing.
    void stretchDraw(const Rect &target, const Picture &picture) override;

private:
    enum class PainterState { Unknown, Text, Shape };

    void ensureFont();
    void useTextState();
    void useShapeState();
    void useImageState();
    QString qtText(std::string_view cp932);
    int advance(std::string_view cp932, const QString &text);

    QPaintDevice &m_device;
    QPainter m_painter;
    int m_dpi = 96;
    bool m_rasterOps = false;

    std::string m_fontName;
    int m_fontSize = 10;
    unsigned m_fontStyle = kPlain;
    bool m_fontDirty = true;
    QFont m_font;
    std::optional<QFontMetrics> m_metrics;
    // A render draws one character at a time: its conversions and advances are looked up here.
    QHash<quint16, QString> m_characters;
    QHash<quint16, int> m_advances; ///< for the current font

    Rgb m_fontColor = kBlack;
    bool m_textTransparent = false;
    Rgb m_penColor = kBlack;
    int m_penWidth = 1;
    PenStyle m_penStyle = PenStyle::Solid;
    PenMode m_penMode = PenMode::Copy;
    bool m_filled = true;
    Rgb m_fillColor = kWhite;
    PainterState m_state = PainterState::Unknown;
    Point m_penPosition;
};

} // namespace zelkon
