// Streaming key count of a profile file.
#include "records/profile_key_counts.h"

#include "records/learner_name.h"
#include "records/profile_syntax.h"

#include "common/line_file.h"
#include "common/path.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zelkon {

std::size_t ProfileKeyCounts::scan(std::string_view bytes, bool atEnd)
{
    return ScanProfileLines(
        bytes,
        atEnd,
        [this](std::size_t, std::string_view name, std::size_t) {
            m_current = m_index.insert(name);
            if (m_current >= 0)
                m_counts.push_back(0);
        },
        [this] {
            if (m_current >= 0)
                ++m_counts[static_cast<std::size_t>(m_current)];
        });
}

bool ProfileKeyCounts::load(const std::string &composedPath, std::string *error)
{
    *this = ProfileKeyCounts();
    if (composedPath.empty()) {
        if (error)
            *error = RefusedNameFileMessage();
        return false;
    }
    const std::string fsPath = ToFsPath(composedPath);
    const int fd = ::open(fsPath.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        const int number = errno;
        if (number == ENOENT)
            return true;
        if (error)
            *error = FileReadFailure(fsPath, number);
        return false;
    }
    // The same limit as every other read, so that counts and record lines agree on a file.
    struct stat st
    {
    };
    if (::fstat(fd, &st) == 0 && st.st_size > static_cast<off_t>(kMaxFileBytes)) {
        if (error)
            *error = FileTooLargeFailure(fsPath);
        ::close(fd);
        return false;
    }
    // Blocks of 256 KiB stay in cache between the copy and the scan and keep system calls few.
    // Lines cut by a block boundary are carried to the front and scanned with the next block;
    // a line longer than the buffer makes it grow.
    std::string buffer(std::size_t{1} << 18, '\0');
    std::size_t filled = 0;
    std::size_t total = 0;
    for (;;) {
        if (total > kMaxFileBytes) {
            if (error)
                *error = FileTooLargeFailure(fsPath);
            ::close(fd);
            *this = ProfileKeyCounts();
            return false;
        }
        if (filled == buffer.size())
            buffer.resize(buffer.size() * 2);
        const ssize_t n = ::read(fd, buffer.data() + filled, buffer.size() - filled);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            if (error)
                *error = FileReadFailure(fsPath, errno);
            ::close(fd);
            *this = ProfileKeyCounts();
            return false;
        }
        filled += static_cast<std::size_t>(n);
        total += static_cast<std::size_t>(n);
        const std::size_t consumed = scan(std::string_view(buffer.data(), filled),
                                          /*atEnd=*/n == 0);
        if (n == 0)
            break;
        std::memmove(buffer.data(), buffer.data() + consumed, filled - consumed);
        filled -= consumed;
    }
    ::close(fd);
    return true;
}

int ProfileKeyCounts::keyCount(std::string_view section) const
{
    const int id = m_index.find(TrimProfileBlanks(section));
    return id < 0 ? 0 : m_counts[static_cast<std::size_t>(id)];
}

} // namespace zelkon
