// Running benchmarks and printing each measured figure as a ratio to a baseline of the same run.
#pragma once

#include <string>
#include <vector>

namespace zelkon::bench {

/// A figure: the real time of `measured` divided by that of `baseline` (benchmark names).
struct Ratio
{
    std::string name;
    std::string measured;
    std::string baseline;
};

/// Runs the registered benchmarks with the usual console output, then prints one line
/// "ratio NAME VALUE" per figure; returns the process exit code.
int RunWithRatios(int argc, char **argv, const std::vector<Ratio> &ratios);

} // namespace zelkon::bench
