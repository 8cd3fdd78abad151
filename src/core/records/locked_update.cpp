// Locked read-modify-write of whole files.
#include "records/locked_update.h"

#include "common/line_file.h"

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

} // namespace

bool UpdateFileLocked(const std::string &fsPath,
                      bool create,
                      const FileEdit &edit,
                      std::string *error)
{
    const FileLock lock(fsPath, create);
    if (!lock.held()) {
        if (!create && lock.missing())
            return true;
        if (error)
            *error = lock.error();
        return false;
    }
    std::string bytes;
    // A file that exists but cannot be read must not be replaced by an edit of nothing.
    if (!ReadFileBytes(fsPath, bytes, error))
        return false;
    const std::string changed = edit(bytes);
    if (changed == bytes)
        return true;
    return WriteFileAtomic(fsPath, changed, error);
}

} // namespace zelkon
