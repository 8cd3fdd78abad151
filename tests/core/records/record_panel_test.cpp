// The record panels' text: the newest lines, the note on older ones, no records.
#include "records/record_panel.h"

#include "support/test_support.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace zelkon {
namespace {

using test::U;

// "1" … "n".
std::vector<std::string> Numbered(std::size_t n)
{
    std::vector<std::string> lines;
    for (std::size_t k = 1; k <= n; ++k)
        lines.push_back(std::to_string(k));
    return lines;
}

TEST(RecordPanel, ShowsTheNewestLinesAndSaysHowManyOlderAreLeftOut)
{
    const std::size_t limit = kShownRecordLimit;
    const struct
    {
        const char *name;
        std::vector<std::string> lines;
        std::string firstLine; // UTF-8
        std::string lastLine;
        std::size_t lineCount;
    } cases[] = {
        {"none", {}, "練習の記録はありません", "練習の記録はありません", 1},
        {"an empty first record keeps its line", {"", "b"}, "", "b", 2},
        {"as many as are shown", Numbered(limit), "1", std::to_string(limit), limit},
        {"two more than are shown",
         Numbered(limit + 2),
         "古い記録2件は表示していません",
         std::to_string(limit + 2),
         limit + 1},
        {"a hundred thousand",
         Numbered(100000),
         "古い記録" + std::to_string(100000 - limit) + "件は表示していません",
         "100000",
         limit + 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string text = U(RecordPanelText(c.lines));
        EXPECT_EQ(text.substr(0, text.find('\n')), c.firstLine);
        EXPECT_EQ(text.substr(text.rfind('\n') + 1), c.lastLine);
        EXPECT_EQ(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1,
                  c.lineCount);
    }
    // The oldest line shown follows the note.
    const std::string text = RecordPanelText(Numbered(limit + 2));
    EXPECT_EQ(text.substr(text.find('\n') + 1, 2), "3\n");
}

} // namespace
} // namespace zelkon
