// zelkon-tool: dump indexes and units, check courseware, from the command line.
#include "commands.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace {

int Usage(const QCommandLineParser &parser)
{
    std::fputs(qPrintable(parser.helpText()), stderr);
    std::fputs("\nCommands:\n"
               "  dump-index FOLDER [--lesson K]\n"
               "  dump-unit FILE HEADER [--mode master|copy]\n"
               "  check FOLDER\n",
               stderr);
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("zelkon-tool");

    QCommandLineParser parser;
    parser.setApplicationDescription("Zelkon++ courseware on the command line");
    parser.addHelpOption();
    const QCommandLineOption lessonOption("lesson", "Lesson number (from 1).", "K");
    const QCommandLineOption modeOption("mode", "Read mode: master or copy.", "MODE", "master");
    parser.addOptions({lessonOption, modeOption});
    parser.addPositionalArgument("command", "dump-index, dump-unit or check");
    parser.process(app);

    const QStringList args = parser.positionalArguments();
    const QString command = args.value(0);
    if (command == "dump-index" && args.size() == 2) {
        std::optional<int> lesson;
        if (parser.isSet(lessonOption)) {
            bool ok = false;
            lesson = parser.value(lessonOption).toInt(&ok);
            if (!ok)
                return Usage(parser);
        }
        return zelkon::tool::DumpIndex(args[1], lesson);
    }
    if (command == "dump-unit" && args.size() == 3) {
        const QString mode = parser.value(modeOption);
        if (mode != "master" && mode != "copy")
            return Usage(parser);
        return zelkon::tool::DumpUnit(args[1], args[2], mode == "copy");
    }
    if (command == "check" && args.size() == 2)
        return zelkon::tool::Check(args[1]);
    return Usage(parser);
}
