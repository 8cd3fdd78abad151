// The start folder from the working folder and its file system.
#include "hopdeck/start_place.h"

#include "common/path.h"
#include "launcher/program_files.h"

#include <QDir>
#include <QStorageInfo>

namespace zelkon::hopdeck {

StartPlace CurrentStartPlace()
{
    StartPlace place;
    const QString current = QDir::currentPath();
    place.startFolder = WithTrailingSeparator(FromFsPath(current.toStdString()));
    const QByteArray type = QStorageInfo(current).fileSystemType();
    place.onCdRom = type == "iso9660" || type == "udf";
    return place;
}

std::string ParentFolder(const std::string &folder)
{
    const QString fs = QString::fromStdString(ToFsPath(folder));
    const QString parent = QDir::cleanPath(fs + QStringLiteral("/.."));
    return WithTrailingSeparator(FromFsPath(parent.toStdString()));
}

} // namespace zelkon::hopdeck
