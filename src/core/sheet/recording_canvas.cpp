// The recording canvas: fixed metrics and a list of calls.
#include "sheet/recording_canvas.h"

namespace zelkon {

RecordingCanvas::RecordingCanvas(int width, int height)
    : m_width(width)
    , m_height(height)
{
    m_state.fontSize = 12;
}

int RecordingCanvas::ByteWidth(int points)
{
    // round(points × 2 / 3) never meets a half, so integer arithmetic rounds it exactly.
    return points >= 0 ? (2 * points + 1) / 3 : -((-2 * points + 1) / 3);
}

int RecordingCanvas::LineHeight(int points)
{
    return points >= 0 ? (4 * points + 1) / 3 : -((-4 * points + 1) / 3);
}

std::vector<RecordingCanvas::Call> RecordingCanvas::callsOf(CallKind kind) const
{
    std::vector<Call> out;
    for (const Call &call : m_calls) {
        if (call.kind == kind)
            out.push_back(call);
    }
    return out;
}

std::vector<RecordingCanvas::Call> RecordingCanvas::textRuns() const
{
    std::vector<Call> runs;
    for (const Call &call : m_calls) {
        if (call.kind != CallKind::Text)
            continue;
        if (!runs.empty()) {
            Call &last = runs.back();
            if (last.to == call.from && last.fontSize == call.fontSize
                && last.fontStyle == call.fontStyle && last.fontColor == call.fontColor
                && last.fontName == call.fontName) {
                last.text += call.text;
                last.to = call.to;
                continue;
            }
        }
        runs.push_back(call);
    }
    return runs;
}

void RecordingCanvas::clear()
{
    m_calls.clear();
    m_fontSetCount = 0;
}

void RecordingCanvas::setFontName(std::string_view cp932Name)
{
    ++m_fontSetCount;
    m_state.fontName = cp932Name;
}

void RecordingCanvas::setFontSize(int points)
{
    ++m_fontSetCount;
    m_state.fontSize = points;
}

void RecordingCanvas::setFontStyle(unsigned styleBits)
{
    ++m_fontSetCount;
    m_state.fontStyle = styleBits;
}

void RecordingCanvas::setFontColor(Rgb colour)
{
    ++m_fontSetCount;
    m_state.fontColor = colour;
}

void RecordingCanvas::setFill(bool filled, Rgb colour)
{
    m_state.filled = filled;
    m_state.fillColor = colour;
}

void RecordingCanvas::textOut(Point at, std::string_view cp932)
{
    Call &call = record(CallKind::Text);
    call.from = at;
    call.text = cp932;
    m_pen = {at.x + textWidth(cp932), at.y};
    call.to = m_pen;
}

int RecordingCanvas::textWidth(std::string_view cp932)
{
    return static_cast<int>(cp932.size()) * ByteWidth(m_state.fontSize);
}

int RecordingCanvas::textHeight(std::string_view)
{
    return LineHeight(m_state.fontSize);
}

void RecordingCanvas::line(Point from, Point to)
{
    Call &call = record(CallKind::Line);
    call.from = from;
    call.to = to;
}

void RecordingCanvas::rectangle(const Rect &r)
{
    record(CallKind::Rectangle).rect = r;
}

void RecordingCanvas::roundRect(const Rect &r, int cornerWidth, int cornerHeight)
{
    Call &call = record(CallKind::RoundRect);
    call.rect = r;
    call.cornerWidth = cornerWidth;
    call.cornerHeight = cornerHeight;
}

void RecordingCanvas::ellipse(const Rect &r)
{
    record(CallKind::Ellipse).rect = r;
}

void RecordingCanvas::stretchDraw(const Rect &target, const Picture &picture)
{
    Call &call = record(CallKind::Stretch);
    call.rect = target;
    call.picture = &picture;
}

RecordingCanvas::Call &RecordingCanvas::record(CallKind kind)
{
    Call &call = m_calls.emplace_back(m_state);
    call.kind = kind;
    return call;
}

} // namespace zelkon
