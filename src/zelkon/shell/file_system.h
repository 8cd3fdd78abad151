// The few file-system questions start-up asks, behind an interface so tests can answer them.
#pragma once

#include <string>
#include <string_view>

namespace zelkon {

/// Paths are composed CP932 paths (see ToFsPath).
class FileSystemView
{
public:
    virtual ~FileSystemView() = default;

    /// The process's current directory.
    virtual std::string currentDirectory() const = 0;
    /// True when the folder lies on a CD-ROM or DVD.
    virtual bool onCdRom(std::string_view folder) const = 0;
    /// Creates the folder with any missing parents; false when it could not be created.
    virtual bool createFolder(std::string_view folder) = 0;
    /// The name (without folder) of the first file of `folder`, in name order, that matches
    /// `pattern` ("*.html", ignoring case); empty when there is none.
    virtual std::string firstFileMatching(std::string_view folder,
                                          std::string_view pattern) const = 0;
    /// The record drive used while "RecDrive" is not set: the user's data folder.
    virtual std::string defaultRecordDrive() const = 0;
};

/// The real file system.
class LocalFileSystem : public FileSystemView
{
public:
    std::string currentDirectory() const override;
    bool onCdRom(std::string_view folder) const override;
    bool createFolder(std::string_view folder) override;
    std::string firstFileMatching(std::string_view folder, std::string_view pattern) const override;
    std::string defaultRecordDrive() const override;
};

} // namespace zelkon
