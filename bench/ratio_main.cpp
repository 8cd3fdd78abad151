// Runs benchmarks and prints ratios of their real times.
#include "ratio_main.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>

namespace zelkon::bench {

namespace {

// The console output as usual, keeping each benchmark's time per iteration.
class RecordingReporter : public benchmark::ConsoleReporter
{
public:
    // No colours: their escape codes would stand before the ratio lines scripts read.
    RecordingReporter()
        : ConsoleReporter(OO_Tabular)
    {}

    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                times[run.benchmark_name()] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }

    std::map<std::string, double> times;
};

} // namespace

int RunWithRatios(int argc, char **argv, const std::vector<Ratio> &ratios)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    int missing = 0;
    for (const Ratio &r : ratios) {
        const auto measured = reporter.times.find(r.measured);
        const auto baseline = reporter.times.find(r.baseline);
        if (measured == reporter.times.end() || baseline == reporter.times.end()
            || baseline->second <= 0) {
            std::fprintf(stderr, "ratio %s: a benchmark did not run\n", r.name.c_str());
            ++missing;
            continue;
        }
        std::printf("ratio %s %.2f\n", r.name.c_str(), measured->second / baseline->second);
    }
    return missing == 0 ? 0 : 1;
}

} // namespace zelkon::bench
