// The shell fixture.
#include "shell_fixture.h"

#include "common/cp932.h"
#include "settings/app_state.h"

#include <QDir>
#include <QFile>

namespace zelkon::test {

ShellFixture::ShellFixture()
{
    const QDir demo(ZELKON_DEMO_DIR);
    QDir(dir.path()).mkpath("program");
    QDir(dir.path()).mkpath("records");
    for (const char *name : {"Main.ind", "Title.BMP", "classFlag.bmp"})
        QFile::copy(demo.filePath(name), file(name));
    files.current = (dir.path() + "/program").toStdString();
    files.recordDrive = (dir.path() + "/records/").toStdString();
}

Zelkon &ShellFixture::make(Edition edition)
{
    zelkon.reset();
    program = std::make_unique<Program>(EditionConstantsOf(edition), store, prompter);
    zelkon = std::make_unique<Zelkon>(*program, files);
    return *zelkon;
}

bool ShellFixture::makeAndStart()
{
    return make().start();
}

void ShellFixture::drop()
{
    zelkon.reset();
    program.reset();
}

QString ShellFixture::folder() const
{
    return dir.path() + "/program";
}

QString ShellFixture::file(const QString &name) const
{
    return folder() + "/" + name;
}

std::string ShellFixture::messagePath(const std::string &name) const
{
    return ProgramFolderFor(files.current) + name;
}

StoredValue ShellFixture::stored(std::string_view name) const
{
    return store.get(EditionConstantsOf(Edition::Geography).registryKey, name);
}

bool CopyFolder(const QString &from, const QString &to)
{
    const QDir source(from);
    if (!QDir().mkpath(to))
        return false;
    for (const QFileInfo &entry :
         source.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString target = to + "/" + entry.fileName();
        const bool copied = entry.isDir() ? CopyFolder(entry.filePath(), target)
                                          : QFile::copy(entry.filePath(), target);
        if (!copied)
            return false;
    }
    return true;
}

} // namespace zelkon::test
