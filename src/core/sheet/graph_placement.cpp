// Graph placement next to the text and stamping of pictures into the page.
#include "sheet/graph_placement.h"

#include "common/cp932.h"
#include "sheet/render_context.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
#include <string>

namespace zelkon {

namespace {

std::size_t ListedGraphs(const std::vector<std::string> &graphLines)
{
    return graphLines.size() / 3;
}

// The graphs of a list to use, with the message for a list that holds too many.
int UsableGraphs(const std::vector<std::string> &graphLines, Messages &messages)
{
    const std::size_t listed = ListedGraphs(graphLines);
    if (listed > static_cast<std::size_t>(kMaxGraphs)) {
        static const std::string tooMany = Utf8ToCp932(":問題のグラフが多すぎます");
        messages.push_back({std::to_string(listed) + tooMany + std::to_string(kMaxGraphs), 0});
    }
    return GraphCount(graphLines);
}

int Coordinate(const std::string &text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() ? value : 0;
}

// The far edge of a picture, held within the int range: a graph stands wherever its file puts
// it, and one near the int limits must not wrap round to the other side of the page.
int FarEdge(int near, int length)
{
    return static_cast<int>(std::clamp<std::int64_t>(std::int64_t{near} + length,
                                                     std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

Rect Stretched(int left, int top, const Picture &picture, double s)
{
    const int l = RoundHalfEven(left * s);
    const int t = RoundHalfEven(top * s);
    return {l,
            t,
            FarEdge(l, RoundHalfEven(picture.width() * s)),
            FarEdge(t, RoundHalfEven(picture.height() * s))};
}

} // namespace

int GraphCount(const std::vector<std::string> &graphLines)
{
    const std::size_t listed = ListedGraphs(graphLines);
    return listed > static_cast<std::size_t>(kMaxGraphs) ? kMaxGraphs : static_cast<int>(listed);
}

void PlaceGraphs(Worksheet &sheet, const RenderTables &tables, Messages &messages)
{
    const int questions = UsableGraphs(sheet.graphLines, messages);
    for (int k = 1; k <= questions; ++k) {
        GraphSlot &slot = sheet.graphs.figures[k];
        slot.shown = slot.question;
        std::string &xLine = sheet.graphLines[3 * k - 2];
        std::string &yLine = sheet.graphLines[3 * k - 1];
        const int x = Coordinate(xLine);
        if (x > 0) {
            slot.left = x;
            slot.top = Coordinate(yLine);
            continue;
        }
        // Not placed yet: beside the k-th text piece, and the place is kept from now on.
        const Point start = tables.runStartTable[k];
        slot.left = start.x + 40;
        slot.top = start.y;
        xLine = std::to_string(slot.left);
        yLine = std::to_string(slot.top);
    }

    if (!sheet.answersShown)
        return;
    const int answers = UsableGraphs(sheet.answerGraphLines, messages);
    // Answer graph k shows at question graph k's place; without that graph it has none.
    const int placeable = std::min(answers, GraphCount(sheet.graphLines));
    for (int k = 1; k <= placeable; ++k) {
        GraphSlot &slot = sheet.graphs.figures[k];
        slot.shown = slot.answer;
        slot.left = Coordinate(sheet.graphLines[3 * k - 2]);
        slot.top = Coordinate(sheet.graphLines[3 * k - 1]);
    }
}

void StampImages(Canvas &canvas, const Worksheet &sheet, bool classFlagShown, double s)
{
    const SheetGraphs &graphs = sheet.graphs;
    if (classFlagShown && graphs.classFlag) {
        const int l = RoundHalfEven(graphs.classFlagLeft * s);
        const int t = RoundHalfEven(graphs.classFlagTop * s);
        const int size = RoundHalfEven(kClassFlagSize * s);
        canvas.stretchDraw({l, t, l + size, t + size}, *graphs.classFlag);
    }
    const int count = GraphCount(sheet.graphLines);
    for (int k = 1; k <= count; ++k) {
        const GraphSlot &slot = graphs.figures[k];
        if (slot.shown)
            canvas.stretchDraw(Stretched(slot.left, slot.top, *slot.shown, s), *slot.shown);
    }
}

} // namespace zelkon
