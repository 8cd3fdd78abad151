// Benchmarks that draw through Qt.
#include "gui_bench.h"

#include "platform/fonts.h"

#include <QGuiApplication>

namespace zelkon::bench {

int RunGuiWithRatios(int argc, char **argv, const std::vector<Ratio> &ratios)
{
    // Fonts need a GUI application; a benchmark has no window to show.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    InstallFontSubstitutions();
    return RunWithRatios(argc, argv, ratios);
}

} // namespace zelkon::bench
