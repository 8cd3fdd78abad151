// Profile files on disk: whole-file reads, and locked read-modify-write through an atomic
// replacement.
#include "records/profile_file.h"

#include "records/learner_name.h"
#include "records/locked_update.h"

#include "common/cp932.h"
#include "common/line_file.h"
#include "common/path.h"

namespace zelkon {

namespace {

bool Fail(std::string *error, const std::string &reason)
{
    if (error)
        *error = reason;
    return false;
}

bool EditLocked(const std::string &composedPath,
                bool create,
                const ProfileFile::Edit &edit,
                std::string *error)
{
    if (composedPath.empty())
        return Fail(error, RefusedNameFileMessage());
    const std::string fsPath = ToFsPath(composedPath);
    return UpdateFileLocked(
        fsPath,
        create,
        [&](std::string_view bytes) { return edit(ProfileSnapshot(std::string(bytes))); },
        error);
}

} // namespace

std::string
ProfileEntryProblem(std::string_view section, std::string_view key, std::string_view value)
{
    const auto hasBreak
        = [](std::string_view t) { return t.find_first_of("\r\n") != std::string_view::npos; };
    if (hasBreak(section) || hasBreak(key) || hasBreak(value))
        return Utf8ToCp932("改行を含む項目は書き込めません");
    // In "[" + section + "]" a lead byte at the end would take the "]" for its second byte: the
    // header would not be read as one, and the key would land in the section before it.
    std::size_t last = 0;
    for (std::size_t i = 0; i < section.size(); i += CharLengthAt(section, i))
        last = i;
    if (!section.empty() && last + 1 == section.size()
        && IsLeadByte(static_cast<unsigned char>(section[last])))
        return Utf8ToCp932("文字の途中で終わるセクション名は書き込めません");
    if (key.find_first_not_of(" \t") == std::string_view::npos)
        return Utf8ToCp932("空のキーは書き込めません");
    if (key.find('=') != std::string_view::npos)
        return Utf8ToCp932("= を含むキーは書き込めません");
    return {};
}

ProfileFile::ProfileFile(std::string composedPath)
    : m_path(std::move(composedPath))
{}

bool ProfileFile::load(ProfileSnapshot &snapshot, std::string *error) const
{
    snapshot = ProfileSnapshot();
    if (m_path.empty())
        return Fail(error, RefusedNameFileMessage());
    std::string bytes;
    if (ReadFileIfPresent(ToFsPath(m_path), bytes, error) == FileRead::unreadable)
        return false;
    snapshot = ProfileSnapshot(std::move(bytes));
    return true;
}

ProfileSnapshot ProfileFile::load() const
{
    ProfileSnapshot snapshot;
    load(snapshot);
    return snapshot;
}

std::vector<std::string> ProfileFile::keys(std::string_view section) const
{
    return load().keys(section);
}

std::string ProfileFile::read(std::string_view section,
                              std::string_view key,
                              std::string_view defaultValue) const
{
    return load().read(section, key, defaultValue);
}

bool ProfileFile::write(std::string_view section,
                        std::string_view key,
                        std::string_view value,
                        std::string *error) const
{
    const std::string problem = ProfileEntryProblem(section, key, value);
    if (!problem.empty())
        return Fail(error, problem);
    return update(
        [&](const ProfileSnapshot &current) { return current.withValue(section, key, value); },
        error);
}

bool ProfileFile::eraseSection(std::string_view section, std::string *error) const
{
    return EditLocked(
        m_path,
        /*create=*/false,
        [&](const ProfileSnapshot &current) { return current.withoutSection(section); },
        error);
}

bool ProfileFile::update(const Edit &edit, std::string *error) const
{
    return EditLocked(m_path, /*create=*/true, edit, error);
}

} // namespace zelkon
