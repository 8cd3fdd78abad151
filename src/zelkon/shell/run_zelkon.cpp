// RunZelkon: the application object, the settings and prompts, the windows and the event loop.
#include "shell/run_zelkon.h"

#include "index/menu.h"
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
#include <QListWidget>
#include <QPushButton>
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

// Opens a unit as a teacher would: "開  く ", the lesson, section and unit rows (and the
// similar problem) chosen in the unit selection window, OK. `choice` is "L,S,U" or "L,S,U,V",
// counted from 1. False when the choice is malformed or no sheet was opened.
bool OpenUnitAsChosen(Zelkon &zelkon, const QString &choice)
{
    const QStringList parts = choice.split(',');
    if (parts.size() < 3 || parts.size() > 4)
        return false;
    int rows[4] = {0, 0, 0, 0};
    for (qsizetype i = 0; i < parts.size(); ++i) {
        bool ok = false;
        rows[i] = parts[i].trimmed().toInt(&ok);
        if (!ok || rows[i] < 1)
            return false;
    }
    TfrmMenu &menu = zelkon.menuWindow();
    QTimer::singleShot(0, &menu, [&menu, rows] {
        const char *lists[] = {"lstLesson", "lstSection", "lstUnit", "lstRuidai"};
        for (int i = 0; i < 4 && rows[i] > 0; ++i) {
            auto *list = menu.findChild<QListWidget *>(lists[i]);
            // A row the list does not have is no choice: leave as Cancel would.
            if (rows[i] > list->count()) {
                menu.reject();
                return;
            }
            list->setCurrentRow(rows[i] - 1);
        }
        menu.findChild<QPushButton *>("btnOk")->click();
    });
    const std::size_t before = zelkon.mainWindow().openSheetList().size();
    zelkon.mainWindow().btnOpenClick();
    return zelkon.mainWindow().openSheetList().size() > before;
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
        "screenshot",
        "Save a picture of the main window after start-up and any --open-unit.",
        "file");
    const QCommandLineOption openUnit(
        "open-unit",
        "After start-up, open a unit through the unit selection window, for demonstrations and "
        "screenshots: lesson, section and unit counted from 1, and optionally the similar "
        "problem (for example 1,1,1 or 1,1,1,2).",
        "L,S,U[,V]");
    parser.addOption(exitAfterStartup);
    parser.addOption(screenshot);
    parser.addOption(openUnit);
    parser.process(application);

    QtSettingsStore store;
    MessageBoxPrompter prompter(nullptr, ToQString(constants.applicationTitle));
    Program program(constants, store, prompter);
    LocalFileSystem files;
    Zelkon zelkon(program, files);
    prompter.setParent(&zelkon.mainWindow());
    if (!zelkon.start())
        return 1;
    if (parser.isSet(openUnit) && !OpenUnitAsChosen(zelkon, parser.value(openUnit)))
        return 3;
    if (parser.isSet(screenshot)) {
        SettleWindows();
        return zelkon.mainWindow().grab().save(parser.value(screenshot), "PNG") ? 0 : 2;
    }
    if (parser.isSet(exitAfterStartup))
        return 0;
    return application.exec();
}

} // namespace zelkon
