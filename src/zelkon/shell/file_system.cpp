// The real file system through QDir and QStorageInfo.
#include "shell/file_system.h"

#include "common/path.h"
#include "platform/qstring_cp932.h"
#include "platform/qt_settings_store.h"

#include <QDir>
#include <QStorageInfo>

namespace zelkon {

namespace {

QString FsPath(std::string_view composed)
{
    return QString::fromStdString(ToFsPath(composed));
}

} // namespace

std::string LocalFileSystem::currentDirectory() const
{
    return FromFsPath(QDir::currentPath().toStdString());
}

bool LocalFileSystem::onCdRom(std::string_view folder) const
{
    const QByteArray type = QStorageInfo(FsPath(folder)).fileSystemType();
    return type == "iso9660" || type == "udf";
}

bool LocalFileSystem::createFolder(std::string_view folder)
{
    return QDir().mkpath(FsPath(folder));
}

std::string LocalFileSystem::firstFileMatching(std::string_view folder,
                                               std::string_view pattern) const
{
    const QStringList names
        = QDir(FsPath(folder))
              .entryList({ToQString(pattern)}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    if (names.isEmpty())
        return {};
    return FromFsPath(names.first().toStdString());
}

std::string LocalFileSystem::defaultRecordDrive() const
{
    return DefaultRecordDrive();
}

} // namespace zelkon
