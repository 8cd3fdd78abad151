// Printer jobs and their sheet numbers, the page picture on the printer page, and the print
// dialog's texts.
#include "sheet/print_jobs.h"

#include "common/cp932.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace zelkon {
namespace {

TEST(PrintJobs, NumberedCopiesAreJobsOfTheirOwn)
{
    struct Case
    {
        bool numberSheets;
        int copyCount;
        int jobs;
    };
    const Case cases[] = {
        {true, 3, 3},
        {true, 1, 1},
        {true, 0, 1}, // a driver that reports no copies still prints the sheet once
        {true, -2, 1},
        {false, 3, 1}, // the printer makes the copies of one job
        {false, 1, 1},
    };
    for (const Case &c : cases)
        EXPECT_EQ(PrintJobCount(c.numberSheets, c.copyCount), c.jobs)
            << c.numberSheets << " " << c.copyCount;
}

TEST(PrintJobs, NumbersCountOnAndGoBackToOne)
{
    std::int32_t number = 5;
    std::vector<std::int32_t> printed;
    const PrintRun run = RunPrintJobs(3, number, [&printed](std::int32_t n) {
        printed.push_back(n);
        return true;
    });
    EXPECT_EQ(printed, (std::vector<std::int32_t>{5, 6, 7}));
    EXPECT_EQ(run.jobsSent, 3);
    EXPECT_TRUE(run.complete);
    EXPECT_EQ(number, 1);
}

TEST(PrintJobs, FailedJobEndsTheRunAndKeepsItsNumber)
{
    struct Case
    {
        int failingJob; // 1-based; 0 none
        int jobsSent;
        std::vector<std::int32_t> tried;
        std::int32_t numberAfter;
    };
    const Case cases[] = {
        {1, 0, {5}, 5},
        {2, 1, {5, 6}, 6},
        {3, 2, {5, 6, 7}, 7},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.failingJob);
        std::int32_t number = 5;
        std::vector<std::int32_t> tried;
        const PrintRun run = RunPrintJobs(3, number, [&](std::int32_t n) {
            tried.push_back(n);
            return static_cast<int>(tried.size()) != c.failingJob;
        });
        EXPECT_FALSE(run.complete);
        EXPECT_EQ(run.jobsSent, c.jobsSent);
        EXPECT_EQ(tried, c.tried);
        EXPECT_EQ(number, c.numberAfter);
    }
}

TEST(PrintJobs, NumbersAtTheEdgesOfTheirRange)
{
    // The print mode dialog's 開始番号 has no bounds.
    using Limits = std::numeric_limits<std::int32_t>;
    std::int32_t number = Limits::max() - 1;
    std::vector<std::int32_t> printed;
    auto record = [&printed](std::int32_t n) {
        printed.push_back(n);
        return true;
    };
    EXPECT_TRUE(RunPrintJobs(3, number, record).complete);
    EXPECT_EQ(printed,
              (std::vector<std::int32_t>{Limits::max() - 1, Limits::max(), Limits::max()}));
    EXPECT_EQ(number, 1);

    printed.clear();
    number = -1;
    RunPrintJobs(2, number, record);
    EXPECT_EQ(printed, (std::vector<std::int32_t>{-1, 0}));

    // No job at all is still a finished print.
    number = 9;
    const PrintRun none = RunPrintJobs(0, number, record);
    EXPECT_EQ(none.jobsSent, 0);
    EXPECT_TRUE(none.complete);
    EXPECT_EQ(number, 1);
}

TEST(PrintJobs, PagePictureFillsThePrinterWidthShiftedBySixScreenPixels)
{
    struct Case
    {
        int printerWidth, pictureWidth, pictureHeight;
        Rect rect;
    };
    const Case cases[] = {
        // A4 at 600 dpi (printable width 4724): s = 7.498…, 6 × s = 44.99.
        {4724, 630, 891, {45, 0, 45 + 4724, 6681}},
        // On the screen's own scale nothing is stretched.
        {630, 630, 891, {6, 0, 636, 891}},
        // Twice the size: every length doubles.
        {1260, 630, 891, {12, 0, 1272, 1782}},
        // B4 on B4 paper fills its width too, instead of running off the page.
        {5985, 771, 1092, {47, 0, 47 + 5985, 8477}},
        {1000, 0, 891, {0, 0, 0, 0}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.printerWidth);
        const Rect rect = PagePictureRect(c.printerWidth, c.pictureWidth, c.pictureHeight);
        EXPECT_EQ(rect, c.rect);
        if (c.pictureWidth > 0) {
            EXPECT_EQ(rect.right - c.printerWidth, rect.left); // what falls off at the right
        }
    }
}

TEST(PrintJobs, DialogTexts)
{
    EXPECT_EQ(Cp932ToUtf8(PaperRequestText("A4")), "用紙のサイズを A4 に設定してください");
    EXPECT_EQ(Cp932ToUtf8(PaperRequestText("")), "用紙のサイズを  に設定してください");

    struct Case
    {
        PrintFailure failure;
        int job, jobCount;
        const char *text;
    };
    const Case cases[] = {
        {PrintFailure::failed, 1, 1, "印刷に失敗しました"},
        {PrintFailure::failed, 2, 3, "2部目の印刷に失敗しました"},
        {PrintFailure::aborted, 1, 1, "印刷を中止しました"},
        {PrintFailure::notStarted,
         1,
         2,
         "1部目の印刷を開始できませんでした。プリンタか出力先のファイルを確かめてください"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Cp932ToUtf8(PrintFailureText(c.failure, c.job, c.jobCount)), c.text);
}

} // namespace
} // namespace zelkon
