// Running benchmarks that draw through Qt: a GUI application on the offscreen platform.
#pragma once

#include "ratio_main.h"

namespace zelkon::bench {

/// RunWithRatios inside a QGuiApplication with the program's font substitutions; the offscreen
/// platform is used unless QT_QPA_PLATFORM names another.
int RunGuiWithRatios(int argc, char **argv, const std::vector<Ratio> &ratios);

} // namespace zelkon::bench
