// Record panel text: the newest record lines, joined once for one conversion in the window.
#include "records/record_panel.h"

#include "common/cp932.h"

namespace zelkon {

std::string RecordPanelText(const std::vector<std::string> &lines)
{
    if (lines.empty())
        return Utf8ToCp932("練習の記録はありません");
    std::string text;
    std::size_t first = 0;
    if (lines.size() > kShownRecordLimit) {
        first = lines.size() - kShownRecordLimit;
        text = Utf8ToCp932("古い記録") + std::to_string(first) + Utf8ToCp932("件は表示していません")
               + '\n';
    }
    for (std::size_t i = first; i < lines.size(); ++i) {
        if (i > first)
            text += '\n';
        text += lines[i];
    }
    return text;
}

} // namespace zelkon
