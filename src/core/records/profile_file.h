// A profile (INI) file on disk with the Windows profile functions' behaviour: reads see the
// file as it is, writes replace it atomically under an exclusive lock.
#pragma once

#include "records/profile_snapshot.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zelkon {

/// One profile file, named by its composed (CP932, "\"-separated) path. The empty path, which
/// RecordFileName gives for a refused learner name, names no file: every operation on it fails
/// with RefusedNameFileMessage and touches nothing.
class ProfileFile
{
public:
    /// Builds the new text of the file from its current one.
    using Edit = std::function<std::string(const ProfileSnapshot &current)>;

    /// The file at the composed path; nothing is read until asked.
    explicit ProfileFile(std::string composedPath);

    /// The file parsed once, for many queries. A missing file gives no sections and true; a file
    /// that exists but cannot be read gives no sections and false with the reason, so that the
    /// caller does not take it for an empty one.
    bool load(ProfileSnapshot &snapshot, std::string *error = nullptr) const;
    /// load without the outcome: a file that cannot be read gives no sections, as a missing one.
    /// Only for callers to whom both mean the same.
    ProfileSnapshot load() const;
    /// The key names of a section in file order through load(): empty when the file or section
    /// is missing, or the file cannot be read.
    std::vector<std::string> keys(std::string_view section) const;
    /// The value of a key (see ProfileSnapshot::read) through load(): `defaultValue` when file,
    /// section or key is missing, or the file cannot be read.
    std::string
    read(std::string_view section, std::string_view key, std::string_view defaultValue) const;

    /// Sets a key, creating the file and the section when missing. A section, key or value
    /// holding a line break, a section ending in the first byte of a two-byte character, or a
    /// key that is empty or holds "=", is refused. False with a reason when refused or when the
    /// file cannot be read or written; its content is then unchanged.
    bool write(std::string_view section,
               std::string_view key,
               std::string_view value,
               std::string *error = nullptr) const;
    /// Removes the section with its keys; a missing file or section is no error. False with a
    /// reason when the file cannot be read or written.
    bool eraseSection(std::string_view section, std::string *error = nullptr) const;

    /// Read-modify-write under an exclusive lock held across the atomic replacement, so that
    /// concurrent editors (other processes, other machines on a shared folder) lose no change.
    /// The file is created when missing; it is not rewritten when the edit changes nothing.
    /// False with a reason when the file cannot be locked, read or written.
    bool update(const Edit &edit, std::string *error = nullptr) const;

private:
    std::string m_path;
};

/// Why a section, key and value cannot be written as one profile line; empty when they can.
std::string
ProfileEntryProblem(std::string_view section, std::string_view key, std::string_view value);

} // namespace zelkon
