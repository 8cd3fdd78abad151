// Starting programs and opening documents through Qt.
#include "hopdeck/system_actions.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace zelkon::hopdeck {

bool DesktopActions::startProgram(const QString &program, const QString &folder)
{
    return QProcess::startDetached(program, {}, folder);
}

bool DesktopActions::openDocument(const QString &file)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

} // namespace zelkon::hopdeck
