// The drawing surface the page is rendered onto: the screen picture, a printer page, a PDF or an
// image through Qt, or a recording of the calls in tests.
#pragma once

#include <cstdint>
#include <string_view>

namespace zelkon {

struct Rgb
{
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    bool operator==(const Rgb &) const = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kGrey{128, 128, 128};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kRed{255, 0, 0};

struct Point
{
    int x = 0;
    int y = 0;
    bool operator==(const Point &) const = default;
};

/// A rectangle by its edges; right and bottom are exclusive, as on Windows.
struct Rect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const Rect &) const = default;
};

/// Font style bits; any combination.
enum FontStyle : unsigned {
    kPlain = 0,
    kBold = 1,
    kItalic = 2,
    kUnderline = 4,
    kStrikeOut = 8,
};

enum class PenStyle { Solid, Dot };

/// Copy draws the pen colour; Invert inverts what is under the pen (drag outlines, drawn twice
/// to erase).
enum class PenMode { Copy, Invert };

/// A bitmap that a canvas can stretch onto itself (the platform's image behind it).
class Picture
{
public:
    virtual ~Picture() = default;
    virtual int width() const = 0;
    virtual int height() const = 0;
};

/// The drawing operations of the page. Text is CP932. Font sizes are points; at the canvas's
/// resolution a point is resolution / 72 device pixels (96 dpi on screen).
class Canvas
{
public:
    virtual ~Canvas() = default;

    /// Width and height of the drawing surface in device pixels.
    virtual int width() const = 0;
    virtual int height() const = 0;

    virtual void setFontName(std::string_view cp932Name) = 0;
    virtual void setFontSize(int points) = 0;
    virtual int fontSize() const = 0;
    virtual void setFontStyle(unsigned styleBits) = 0;
    virtual unsigned fontStyle() const = 0;
    virtual void setFontColor(Rgb colour) = 0;
    virtual Rgb fontColor() const = 0;
    /// Text drawn over a transparent background (true) or over an opaque white one (false).
    virtual void setTextTransparent(bool transparent) = 0;

    virtual void setPenColor(Rgb colour) = 0;
    virtual void setPenWidth(int width) = 0;
    virtual void setPenStyle(PenStyle style) = 0;
    virtual void setPenMode(PenMode mode) = 0;
    /// Shapes are filled with `colour` when `filled`, else left transparent inside.
    virtual void setFill(bool filled, Rgb colour = kWhite) = 0;

    /// Draws the text with its top-left corner at `at` in the current font and font colour, and
    /// leaves the pen at the end of the text: (at.x + width of the text, at.y).
    virtual void textOut(Point at, std::string_view cp932) = 0;
    /// Where the last textOut left the pen (or where moveTo put it).
    virtual Point penPosition() const = 0;
    virtual void moveTo(Point at) = 0;
    /// Width and height of the text in the current font, in device pixels.
    virtual int textWidth(std::string_view cp932) = 0;
    virtual int textHeight(std::string_view cp932) = 0;

    /// A line from `from` to `to` (the end point itself not drawn, as on Windows).
    virtual void line(Point from, Point to) = 0;
    virtual void rectangle(const Rect &r) = 0;
    virtual void roundRect(const Rect &r, int cornerWidth, int cornerHeight) = 0;
    virtual void ellipse(const Rect &r) = 0;
    /// Stretches the picture into `target`.
    virtual void stretchDraw(const Rect &target, const Picture &picture) = 0;
};

} // namespace zelkon
