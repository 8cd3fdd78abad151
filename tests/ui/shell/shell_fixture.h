// A program folder in a temporary directory, an in-memory settings store, a scripted prompter
// and the windows of the shell on them, for driving start-up and the main window.
#pragma once

#include "settings/memory_settings_store.h"
#include "shell/file_system.h"
#include "shell/program.h"
#include "shell/zelkon.h"
#include "support/scripted_prompter.h"

#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <string>

namespace zelkon::test {

/// The real file system seen from a chosen current directory, with a chosen record drive and
/// folder creation that can be made to fail.
class TestFileSystem : public LocalFileSystem
{
public:
    std::string currentDirectory() const override { return current; }
    std::string defaultRecordDrive() const override { return recordDrive; }
    bool createFolder(std::string_view folder) override
    {
        return !createFails && LocalFileSystem::createFolder(folder);
    }

    std::string current;
    std::string recordDrive;
    bool createFails = false;
};

class ShellFixture
{
public:
    /// A program folder holding the demo's "Main.ind", "Title.BMP" and "classFlag.bmp", and an
    /// empty record drive beside it.
    ShellFixture();

    /// Builds the program and its windows (not yet started) on the fixture.
    Zelkon &make(Edition edition = Edition::Geography);
    /// Builds and starts; the result of start().
    bool makeAndStart();
    /// Drops the windows and the program, keeping the folders and the store.
    void drop();

    /// The program folder, and a file in it, as file-system paths.
    QString folder() const;
    QString file(const QString &name) const;
    /// The composed path of a file of the program folder, in UTF-8 as messages name it.
    std::string messagePath(const std::string &name) const;
    /// The stored value `name` of the geography edition's key.
    StoredValue stored(std::string_view name) const;

    QTemporaryDir dir;
    MemorySettingsStore store;
    ScriptedPrompter prompter;
    TestFileSystem files;
    std::unique_ptr<Program> program;
    std::unique_ptr<Zelkon> zelkon;
};

/// Copies a folder with everything in it.
bool CopyFolder(const QString &from, const QString &to);

} // namespace zelkon::test
