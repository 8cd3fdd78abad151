// Printer jobs and their sheet numbers, the page picture's place on the printer page, and the
// print dialog's texts.
#include "sheet/print_jobs.h"

#include "common/cp932.h"
#include "sheet/render_context.h"

#include <limits>

namespace zelkon {

int PrintJobCount(bool numberSheets, int copyCount)
{
    if (!numberSheets)
        return 1;
    return copyCount < 1 ? 1 : copyCount;
}

PrintRun RunPrintJobs(int jobCount,
                      std::int32_t &sheetNumber,
                      const std::function<bool(std::int32_t number)> &printJob)
{
    PrintRun run;
    for (int job = 1; job <= jobCount; ++job) {
        if (!printJob(sheetNumber))
            return run;
        ++run.jobsSent;
        // The number is the print mode dialog's, which has no bounds: it stops at the limit
        // rather than wrapping round to a negative sheet number.
        if (sheetNumber < std::numeric_limits<std::int32_t>::max())
            ++sheetNumber;
    }
    run.complete = true;
    sheetNumber = 1;
    return run;
}

Rect PagePictureRect(int printerWidth, int pictureWidth, int pictureHeight)
{
    if (pictureWidth <= 0)
        return {};
    const double s = static_cast<double>(printerWidth) / pictureWidth;
    Rect rect;
    rect.left = RoundHalfEven(6 * s);
    rect.top = 0;
    rect.right = rect.left + RoundHalfEven(pictureWidth * s);
    rect.bottom = rect.top + RoundHalfEven(pictureHeight * s);
    return rect;
}

std::string PaperRequestText(std::string_view paperName)
{
    return Utf8ToCp932("用紙のサイズを ") + std::string(paperName)
           + Utf8ToCp932(" に設定してください");
}

std::string PrintFailureText(PrintFailure failure, int job, int jobCount)
{
    std::string text = jobCount > 1 ? std::to_string(job) + Utf8ToCp932("部目の") : std::string();
    switch (failure) {
    case PrintFailure::notStarted:
        text += Utf8ToCp932("印刷を開始できませんでした。プリンタか出力先のファイルを確かめて"
                            "ください");
        break;
    case PrintFailure::failed:
        text += Utf8ToCp932("印刷に失敗しました");
        break;
    case PrintFailure::aborted:
        text += Utf8ToCp932("印刷を中止しました");
        break;
    }
    return text;
}

} // namespace zelkon
