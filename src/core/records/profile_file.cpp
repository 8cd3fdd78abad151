// Profile files on disk: whole-file reads, and locked read-modify-write through an atomic
// replacement.
#include "records/profile_file.h"

#include "records/learner_name.h"

#include "common/cp932.h"
#include "common/line_file.h"
#include "common/path.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zelkon {

namespace {

// An exclusive flock on the file at `fsPath`. The atomic replacement puts a new inode at the
// path, so a lock taken on the old inode no longer guards the file: after locking, the path
// must still name the locked inode, otherwise the lock is retaken on the new one.
class FileLock
{
public:
    FileLock(const std::string &fsPath, bool create)
    {
        for (;;) {
            m_fd = ::open(fsPath.c_str(), O_RDWR | O_CLOEXEC | (create ? O_CREAT : 0), 0666);
            if (m_fd < 0) {
                const int number = errno;
                m_missing = number == ENOENT;
                m_error = FileWriteFailure(fsPath, number);
                return;
            }
            int rc;
            do
                rc = ::flock(m_fd, LOCK_EX);
            while (rc != 0 && errno == EINTR);
            if (rc != 0) {
                m_error = FileWriteFailure(fsPath, errno);
                close();
                return;
            }
            struct stat locked
            {
            };
            struct stat current
            {
            };
            if (::fstat(m_fd, &locked) == 0 && ::stat(fsPath.c_str(), &current) == 0
                && locked.st_dev == current.st_dev && locked.st_ino == current.st_ino)
                return;
            close();
        }
    }
    ~FileLock() { close(); }
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;

    bool held() const { return m_fd >= 0; }
    bool missing() const { return m_missing; }
    const std::string &error() const { return m_error; }

private:
    void close()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }

    int m_fd = -1;
    bool m_missing = false;
    std::string m_error;
};

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
    const FileLock lock(fsPath, create);
    if (!lock.held())
        return (!create && lock.missing()) || Fail(error, lock.error());
    std::string bytes;
    // A file that exists but cannot be read must not be replaced by an edit of nothing.
    if (!ReadFileBytes(fsPath, bytes, error))
        return false;
    const ProfileSnapshot current(std::move(bytes));
    const std::string changed = edit(current);
    if (changed == current.bytes())
        return true;
    return WriteFileAtomic(fsPath, changed, error);
}

} // namespace

std::string
ProfileEntryProblem(std::string_view section, std::string_view key, std::string_view value)
{
    const auto hasBreak
        = [](std::string_view t) { return t.find_first_of("\r\n") != std::string_view::npos; };
    if (hasBreak(section) || hasBreak(key) || hasBreak(value))
        return Utf8ToCp932("改行を含む項目は書き込めません");
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
