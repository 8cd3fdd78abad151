// A canvas with fixed text metrics that records every drawing call, so layout can be checked
// by exact positions in tests, fuzzers and benchmarks without a font or a screen.
#pragma once

#include "sheet/canvas.h"

#include <string>
#include <vector>

namespace zelkon {

/// Metrics: every byte of text is round(points × 2 / 3) pixels wide — half an em at 96 dpi, so
/// a two-byte character is one em and an ASCII letter or half-width katakana half of one — and
/// a line is round(points × 4 / 3) pixels high.
class RecordingCanvas : public Canvas
{
public:
    enum class CallKind { Text, Line, Rectangle, RoundRect, Ellipse, Stretch };

    /// One drawing call with the canvas state it was drawn in.
    struct Call
    {
        CallKind kind = CallKind::Text;
        Point from; ///< text: its top-left point; line: its start
        Point to;   ///< text: where it left the pen; line: its end
        Rect rect;  ///< shapes and stretch draws
        int cornerWidth = 0;
        int cornerHeight = 0;
        std::string text;
        std::string fontName;
        int fontSize = 0;
        unsigned fontStyle = kPlain;
        Rgb fontColor;
        bool textTransparent = false;
        Rgb penColor;
        int penWidth = 1;
        PenStyle penStyle = PenStyle::Solid;
        PenMode penMode = PenMode::Copy;
        bool filled = true;
        Rgb fillColor = kWhite;
        const Picture *picture = nullptr;
    };

    /// A canvas of the given size (an A4 page picture by default) at 12 points, plain, black.
    explicit RecordingCanvas(int width = 630, int height = 891);

    /// Pixel width of one byte of text at `points`.
    static int ByteWidth(int points);
    /// Pixel height of a line of text at `points`.
    static int LineHeight(int points);

    /// Every call in drawing order.
    const std::vector<Call> &calls() const { return m_calls; }
    /// The calls of one kind, in drawing order.
    std::vector<Call> callsOf(CallKind kind) const;
    /// Text calls joined into runs: a call that starts where the previous one left the pen, in
    /// the same font, style and colour, extends it; `from` is the run's start, `to` its end.
    std::vector<Call> textRuns() const;
    /// Number of calls to the font setters (name, size, style, colour), changed or not.
    int fontSetCount() const { return m_fontSetCount; }
    /// Forgets the recorded calls and the setter count; the canvas state stays.
    void clear();

    int width() const override { return m_width; }
    int height() const override { return m_height; }

    void setFontName(std::string_view cp932Name) override;
    void setFontSize(int points) override;
    int fontSize() const override { return m_state.fontSize; }
    void setFontStyle(unsigned styleBits) override;
    unsigned fontStyle() const override { return m_state.fontStyle; }
    void setFontColor(Rgb colour) override;
    Rgb fontColor() const override { return m_state.fontColor; }
    void setTextTransparent(bool transparent) override { m_state.textTransparent = transparent; }

    void setPenColor(Rgb colour) override { m_state.penColor = colour; }
    void setPenWidth(int width) override { m_state.penWidth = width; }
    void setPenStyle(PenStyle style) override { m_state.penStyle = style; }
    void setPenMode(PenMode mode) override { m_state.penMode = mode; }
    void setFill(bool filled, Rgb colour = kWhite) override;

    void textOut(Point at, std::string_view cp932) override;
    Point penPosition() const override { return m_pen; }
    void moveTo(Point at) override { m_pen = at; }
    int textWidth(std::string_view cp932) override;
    int textHeight(std::string_view cp932) override;

    void line(Point from, Point to) override;
    void rectangle(const Rect &r) override;
    void roundRect(const Rect &r, int cornerWidth, int cornerHeight) override;
    void ellipse(const Rect &r) override;
    void stretchDraw(const Rect &target, const Picture &picture) override;

private:
    Call &record(CallKind kind);

    int m_width;
    int m_height;
    Call m_state; ///< the current canvas state, copied into every recorded call
    Point m_pen;
    std::vector<Call> m_calls;
    int m_fontSetCount = 0;
};

} // namespace zelkon
