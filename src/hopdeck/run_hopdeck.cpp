// RunHopdeck: the application object, prompts, printer and the main window.
#include "hopdeck/run_hopdeck.h"

#include "hopdeck/artwork.h"
#include "hopdeck/main.h"
#include "hopdeck/system_actions.h"
#include "platform/fonts.h"
#include "platform/message_box_prompter.h"
#include "platform/print_target.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QEventLoop>
#include <QTimer>

namespace zelkon::hopdeck {

int RunHopdeck(int argc, char **argv)
{
    QApplication application(argc, argv);
    InstallFontSubstitutions();
    application.setApplicationName(QStringLiteral("hopdeck"));
    application.setApplicationDisplayName(QString::fromUtf8(kApplicationTitleUtf8));
    application.setWindowIcon(LauncherIcon());

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QString::fromUtf8("Zelkon++ のタイトルを探して起動するランチャー。作業フォルダの "
                          "ZKLindex.txt を読み、その一つ上のフォルダのサブフォルダを探します。"));
    parser.addHelpOption();
    const QCommandLineOption screenshot(
        "screenshot", "Save a picture of the main window after start-up and end.", "file");
    parser.addOption(screenshot);
    parser.process(application);

    MessageBoxPrompter prompter(nullptr, QString::fromUtf8(kApplicationTitleUtf8));
    DesktopActions actions;
    DialogPrintTarget printTarget;
    TfrmMain main(CurrentStartPlace(), prompter, actions, printTarget);
    prompter.setParent(&main);
    main.start();
    main.show();
    if (parser.isSet(screenshot)) {
        // Lets the window lay itself out and paint before it is pictured.
        QEventLoop loop;
        QTimer::singleShot(500, &loop, &QEventLoop::quit);
        loop.exec();
        return main.grab().save(parser.value(screenshot), "PNG") ? 0 : 2;
    }
    return application.exec();
}

} // namespace zelkon::hopdeck
