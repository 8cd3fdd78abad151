// zelkon-tool: dump indexes and units, check courseware and export worksheets, from the command
// line.
#include "commands.h"

#include "platform/fonts.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>

#include <climits>
#include <cstdio>
#include <memory>
#include <optional>

namespace {

struct ToolOptions
{
    QCommandLineOption lesson{"lesson", "Lesson number (from 1).", "K"};
    QCommandLineOption mode{"mode", "Read mode: master or copy.", "MODE", "master"};
    QCommandLineOption section{"section", "export: section number (from 1).", "S"};
    QCommandLineOption unit{"unit", "export: unit number (from 1).", "U"};
    QCommandLineOption variant{"variant", "export: similar problem 1 to 5 (0: the unit).", "V"};
    QCommandLineOption answers{"answers", "export: show the answers in blue."};
    QCommandLineOption paper{"paper", "export: paper B5, A4, B4 or A3 (else the unit's).", "P"};
    QCommandLineOption out{"out", "export: the file to write, .pdf or .png.", "FILE"};
    QCommandLineOption all{"all", "export: every unit of the lesson, one PDF page each."};
    QCommandLineOption noDigitFilter{"no-digit-filter",
                                     "extract: keep choices made only of full-width digits."};
    QCommandLineOption noLabelFilter{
        "no-label-filter", "extract: keep choices that are a single label like ア or Ａ."};

    void addTo(QCommandLineParser &parser) const
    {
        parser.addOptions({lesson,
                           mode,
                           section,
                           unit,
                           variant,
                           answers,
                           paper,
                           out,
                           all,
                           noDigitFilter,
                           noLabelFilter});
    }
};

int Usage(const QCommandLineParser &parser, const char *problem = nullptr)
{
    if (problem)
        std::fprintf(stderr, "zelkon-tool: %s\n\n", problem);
    std::fputs(qPrintable(parser.helpText()), stderr);
    std::fputs("\nCommands:\n"
               "  dump-index FOLDER [--lesson K]\n"
               "  dump-unit FILE HEADER [--mode master|copy]\n"
               "  extract FILE HEADER [--no-digit-filter] [--no-label-filter]\n"
               "  check FOLDER\n"
               "  export FOLDER --lesson K --section S --unit U [--variant V] [--answers]\n"
               "         [--paper B5|A4|B4|A3] --out FILE(.pdf|.png)\n"
               "  export FOLDER --lesson K --all [--answers] [--paper P] --out FILE.pdf\n",
               stderr);
    return 2;
}

// The value of an integer option within [low, high]; nullopt when it is not one.
std::optional<int>
IntOption(const QCommandLineParser &parser, const QCommandLineOption &option, int low, int high)
{
    bool ok = false;
    const int value = parser.value(option).toInt(&ok);
    if (!ok || value < low || value > high)
        return std::nullopt;
    return value;
}

std::optional<zelkon::Paper> PaperNamed(const QString &name)
{
    for (const zelkon::PaperEntry &entry : zelkon::kPaperTable) {
        if (name.compare(QLatin1String(entry.name.data(), entry.name.size()), Qt::CaseInsensitive)
            == 0)
            return entry.paper;
    }
    return std::nullopt;
}

int RunExport(const QCommandLineParser &parser, const ToolOptions &options, const QString &folder)
{
    zelkon::tool::ExportRequest request;
    request.folder = folder;
    request.all = parser.isSet(options.all);
    request.answers = parser.isSet(options.answers);
    request.out = parser.value(options.out);

    const std::optional<int> lesson = IntOption(parser, options.lesson, 1, INT_MAX);
    if (!lesson)
        return Usage(parser, "export needs --lesson K, a number from 1");
    request.lesson = *lesson;
    if (request.all) {
        if (parser.isSet(options.section) || parser.isSet(options.unit)
            || parser.isSet(options.variant))
            return Usage(parser, "--all takes no --section, --unit or --variant");
    } else {
        const std::optional<int> section = IntOption(parser, options.section, 1, INT_MAX);
        const std::optional<int> unit = IntOption(parser, options.unit, 1, INT_MAX);
        if (!section || !unit)
            return Usage(parser, "export needs --section S and --unit U, numbers from 1");
        request.section = *section;
        request.unit = *unit;
        if (parser.isSet(options.variant)) {
            const std::optional<int> variant = IntOption(parser, options.variant, 0, 5);
            if (!variant)
                return Usage(parser, "--variant must be 0 to 5");
            request.variant = *variant;
        }
    }
    if (parser.isSet(options.paper)) {
        request.paper = PaperNamed(parser.value(options.paper));
        if (!request.paper)
            return Usage(parser, "--paper must be B5, A4, B4 or A3");
    }
    const QString suffix = QFileInfo(request.out).suffix().toLower();
    if (request.out.isEmpty() || (suffix != "pdf" && suffix != "png"))
        return Usage(parser, "export needs --out FILE ending in .pdf or .png");
    if (request.all && suffix != "pdf")
        return Usage(parser, "--all writes a PDF: --out FILE.pdf");
    return zelkon::tool::Export(request);
}

} // namespace

int main(int argc, char *argv[])
{
    ToolOptions options;
    QCommandLineParser parser;
    parser.setApplicationDescription("Zelkon++ courseware on the command line");
    parser.addHelpOption();
    options.addTo(parser);
    parser.addPositionalArgument("command", "dump-index, dump-unit, extract, check or export");

    // The command decides the application object, so the arguments are looked at before there
    // is one; process() below reports whatever is wrong with them.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const bool exporting = parser.parse(arguments)
                           && parser.positionalArguments().value(0) == QLatin1String("export");

    std::unique_ptr<QCoreApplication> app;
    if (exporting) {
        // Drawing text needs a GUI application but never a window: without a platform chosen by
        // the user, the offscreen one spares the connection to a display, which may be absent.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
        zelkon::InstallFontSubstitutions();
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName("zelkon-tool");
    parser.process(*app);

    const QStringList args = parser.positionalArguments();
    const QString command = args.value(0);
    if (command == "dump-index" && args.size() == 2) {
        std::optional<int> lesson;
        if (parser.isSet(options.lesson)) {
            bool ok = false;
            lesson = parser.value(options.lesson).toInt(&ok);
            if (!ok)
                return Usage(parser);
        }
        return zelkon::tool::DumpIndex(args[1], lesson);
    }
    if (command == "dump-unit" && args.size() == 3) {
        const QString mode = parser.value(options.mode);
        if (mode != "master" && mode != "copy")
            return Usage(parser);
        return zelkon::tool::DumpUnit(args[1], args[2], mode == "copy");
    }
    if (command == "extract" && args.size() == 3) {
        zelkon::tool::ChoiceFilters filters;
        filters.digit = !parser.isSet(options.noDigitFilter);
        filters.label = !parser.isSet(options.noLabelFilter);
        return zelkon::tool::Extract(args[1], args[2], filters);
    }
    if (command == "check" && args.size() == 2)
        return zelkon::tool::Check(args[1]);
    if (command == "export" && args.size() == 2)
        return RunExport(parser, options, args[1]);
    return Usage(parser);
}
