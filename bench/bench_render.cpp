// RenderSheet of a full page through QtCanvas against drawing the same characters at the same
// places straight through QPainter.
#include "gui_bench.h"

#include "common/cp932.h"
#include "platform/fonts.h"
#include "platform/qstring_cp932.h"
#include "platform/qt_canvas.h"
#include "sheet/render_sheet.h"

#include <QPainter>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <stdexcept>
#include <tuple>
#include <vector>

namespace zelkon {
namespace {

constexpr int kLines = 60;
constexpr int kAnswers = 80;

// 60 question lines of about 40 characters, 20 of them with two answers and 40 with one, shown
// in blue; the default rounded fields around every answer.
Worksheet BusyPage()
{
    Worksheet sheet;
    sheet.unitCaption = Utf8ToCp932("日本の地理//都道府県と県庁所在地§1-1 北海道・東北地方");
    sheet.printTag = "ch1.que-U1";
    sheet.lineSpacing = 16;
    sheet.leftMargin = 5;
    sheet.rightMargin = 5;
    sheet.optionFlags = 7;
    sheet.fontSize = 10;
    sheet.sheetFontName = Utf8ToCp932("ＭＳ 明朝");
    sheet.kranValues = {"5", "15", "2", "0", "0", "0", "15", "10", "0", "0"};
    sheet.answersShown = true;
    const std::string two = Utf8ToCp932(
        "（１）日本でいちばん長い川は　#　信濃川　#　で、高い山は　#　富士山　#　です");
    const std::string one
        = Utf8ToCp932("（２）北海道の道庁所在地は　#　札幌市　#　で、人口が多い都市です");
    for (int i = 0; i < kLines; ++i)
        sheet.questionLines.push_back(i < kAnswers - kLines ? two : one);
    return sheet;
}

RenderContext PageContext()
{
    RenderContext context;
    context.mojiSize = 10;
    context.now = {2024, 4, 1, 9, 30};
    return context;
}

// One text drawing of a render, with everything QPainter needs to draw it again.
struct TextDraw
{
    QPoint baseline;
    QString text;
    int font = 0; ///< index into the fonts of the recording
    QColor colour;
};

// A Canvas that draws through a QtCanvas and writes down every text it draws.
class CapturingCanvas final : public Canvas
{
public:
    explicit CapturingCanvas(QImage &image)
        : m_image(image)
        , m_inner(image)
    {}

    int width() const override { return m_inner.width(); }
    int height() const override { return m_inner.height(); }
    void setFontName(std::string_view name) override
    {
        m_fontName = name;
        m_inner.setFontName(name);
    }
    void setFontSize(int points) override { m_inner.setFontSize(points); }
    int fontSize() const override { return m_inner.fontSize(); }
    void setFontStyle(unsigned style) override { m_inner.setFontStyle(style); }
    unsigned fontStyle() const override { return m_inner.fontStyle(); }
    void setFontColor(Rgb colour) override { m_inner.setFontColor(colour); }
    Rgb fontColor() const override { return m_inner.fontColor(); }
    void setTextTransparent(bool transparent) override { m_inner.setTextTransparent(transparent); }
    void setPenColor(Rgb colour) override { m_inner.setPenColor(colour); }
    void setPenWidth(int width) override { m_inner.setPenWidth(width); }
    void setPenStyle(PenStyle style) override { m_inner.setPenStyle(style); }
    void setPenMode(PenMode mode) override { m_inner.setPenMode(mode); }
    void setFill(bool filled, Rgb colour) override { m_inner.setFill(filled, colour); }
    Point penPosition() const override { return m_inner.penPosition(); }
    void moveTo(Point at) override { m_inner.moveTo(at); }
    int textWidth(std::string_view text) override { return m_inner.textWidth(text); }
    int textHeight(std::string_view text) override { return m_inner.textHeight(text); }
    void line(Point from, Point to) override { m_inner.line(from, to); }
    void rectangle(const Rect &r) override { m_inner.rectangle(r); }
    void roundRect(const Rect &r, int w, int h) override { m_inner.roundRect(r, w, h); }
    void ellipse(const Rect &r) override { m_inner.ellipse(r); }
    void stretchDraw(const Rect &r, const Picture &p) override { m_inner.stretchDraw(r, p); }

    void textOut(Point at, std::string_view text) override
    {
        const auto key = std::make_tuple(m_fontName, fontSize(), fontStyle());
        auto found = m_fontIndex.find(key);
        if (found == m_fontIndex.end()) {
            // The font QtCanvas makes: the face, the size as whole pixels at 96 dpi, the style.
            QFont font(FamilyForFaceName(m_fontName));
            font.setPixelSize((fontSize() * 96 + 36) / 72);
            font.setBold(fontStyle() & kBold);
            font.setItalic(fontStyle() & kItalic);
            font.setUnderline(fontStyle() & kUnderline);
            font.setStrikeOut(fontStyle() & kStrikeOut);
            found = m_fontIndex.emplace(key, static_cast<int>(fonts.size())).first;
            fonts.push_back(font);
        }
        const Rgb c = fontColor();
        const int ascent = QFontMetrics(fonts[found->second], &m_image).ascent();
        draws.push_back(
            {QPoint(at.x, at.y + ascent), ToQString(text), found->second, QColor(c.r, c.g, c.b)});
        m_inner.textOut(at, text);
    }

    std::vector<QFont> fonts;
    std::vector<TextDraw> draws;

private:
    QImage &m_image;
    QtCanvas m_inner;
    std::string m_fontName;
    std::map<std::tuple<std::string, int, unsigned>, int> m_fontIndex;
};

struct Recording
{
    std::vector<QFont> fonts;
    std::vector<TextDraw> draws;
};

const Recording &PageRecording()
{
    static const Recording recording = [] {
        Worksheet sheet = BusyPage();
        RenderTables tables;
        Messages messages;
        QImage image = NewPageImage(630, 891);
        CapturingCanvas canvas(image);
        if (!RenderSheet(sheet, tables, canvas, false, PageContext(), messages)
            || tables.answerFieldCount != kAnswers)
            throw std::runtime_error("the benchmark page did not render");
        return Recording{canvas.fonts, canvas.draws};
    }();
    return recording;
}

// What the program does on every redraw: a blank page picture, a canvas on it, the render.
void BM_RenderSheet(benchmark::State &state)
{
    Worksheet sheet = BusyPage();
    RenderTables tables;
    const RenderContext context = PageContext();
    QImage image = NewPageImage(630, 891);
    for (auto _ : state) {
        image.fill(Qt::white);
        Messages messages;
        QtCanvas canvas(image);
        benchmark::DoNotOptimize(RenderSheet(sheet, tables, canvas, false, context, messages));
    }
    state.counters["texts"] = static_cast<double>(PageRecording().draws.size());
}
BENCHMARK(BM_RenderSheet)->Unit(benchmark::kMicrosecond);

// The same characters in the same fonts and colours at the same places, through QPainter alone.
void BM_DrawCharactersWithQPainter(benchmark::State &state)
{
    const Recording &recording = PageRecording();
    QImage image = NewPageImage(630, 891);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        int font = -1;
        QColor colour;
        for (const TextDraw &d : recording.draws) {
            if (d.font != font) {
                font = d.font;
                painter.setFont(recording.fonts[font]);
            }
            if (d.colour != colour) {
                colour = d.colour;
                painter.setPen(colour);
            }
            painter.drawText(d.baseline, d.text);
        }
    }
}
BENCHMARK(BM_DrawCharactersWithQPainter)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace zelkon

int main(int argc, char **argv)
{
    return zelkon::bench::RunGuiWithRatios(
        argc, argv, {{"render_sheet_qpainter", "BM_RenderSheet", "BM_DrawCharactersWithQPainter"}});
}
