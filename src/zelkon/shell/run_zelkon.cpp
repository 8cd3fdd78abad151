// RunZelkon: the application object, the settings and prompts, the windows and the event loop.
#include "shell/run_zelkon.h"

#include "platform/fonts.h"
#include "platform/message_box_prompter.h"
#include "platform/qstring_cp932.h"
#include "platform/qt_settings_store.h"
#include "shell/file_system.h"
#include "shell/glyphs.h"
#include "shell/main.h"
#include "shell/program.h"
#include "shell/zelkon.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QEventLoop>
#include <QTimer>

namespace zelkon {

namespace {

// Lets the windows lay themselves out and paint before they are pictured.
void SettleWindows()
{
    QEventLoop loop;
    QTimer::singleShot(500, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int RunZelkon(Edition edition, int argc, char **argv)
{
    QApplication application(argc, argv);
    InstallFontSubstitutions();
    application.setWindowIcon(Glyph("zelkon"));
    const EditionConstants &constants = EditionConstantsOf(edition);

    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption exitAfterStartup("exit-after-startup",
                                              "End as soon as start-up is done.");
    const QCommandLineOption screenshot(
        "screenshot", "Save a picture of the main window after start-up.", "file");
    parser.addOption(exitAfterStartup);
    parser.addOption(screenshot);
    parser.process(application);

    QtSettingsStore store;
    MessageBoxPrompter prompter(nullptr, ToQString(constants.applicationTitle));
    Program program(constants, store, prompter);
    LocalFileSystem files;
    Zelkon zelkon(program, files);
    prompter.setParent(&zelkon.mainWindow());
    if (!zelkon.start())
        return 1;
    if (parser.isSet(screenshot)) {
        SettleWindows();
        return zelkon.mainWindow().grab().save(parser.value(screenshot), "PNG") ? 0 : 2;
    }
    if (parser.isSet(exitAfterStartup))
        return 0;
    return application.exec();
}

} // namespace zelkon
