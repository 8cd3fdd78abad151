// Line files and atomic replacement through a temporary file, fsync and rename.
#include "common/line_file.h"

#include "common/cp932.h"
#include "common/path.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zelkon {

namespace {

// The message is built from errno at once: the path conversion may itself set errno.
void SetReadError(std::string *error, const std::string &fsPath)
{
    const int number = errno;
    if (error)
        *error = FileReadFailure(fsPath, number);
}

void SetWriteError(std::string *error, const std::string &fsPath)
{
    const int number = errno;
    if (error)
        *error = FileWriteFailure(fsPath, number);
}

std::string FileFailure(const std::string &fsPath, const char *utf8Verb, int errorNumber)
{
    return Utf8ToCp932("ファイル ") + FromFsPath(fsPath) + Utf8ToCp932(utf8Verb) + Utf8ToCp932("（")
           + std::strerror(errorNumber) + Utf8ToCp932("）");
}

std::string FolderOf(const std::string &fsPath)
{
    const std::size_t slash = fsPath.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : fsPath.substr(0, slash);
}

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

} // namespace

std::vector<std::string> SplitLines(std::string_view bytes)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) {
            lines.emplace_back(bytes.substr(start));
            break;
        }
        std::size_t stop = end;
        if (stop > start && bytes[stop - 1] == '\r')
            --stop;
        lines.emplace_back(bytes.substr(start, stop - start));
        start = end + 1;
    }
    return lines;
}

std::string JoinLines(const std::vector<std::string> &lines)
{
    std::size_t size = 0;
    for (const std::string &l : lines)
        size += l.size() + 2;
    std::string out;
    out.reserve(size);
    for (const std::string &l : lines) {
        out += l;
        out += "\r\n";
    }
    return out;
}

std::string FileReadFailure(const std::string &fsPath, int errorNumber)
{
    return FileFailure(fsPath, " を読み込めません", errorNumber);
}

std::string FileWriteFailure(const std::string &fsPath, int errorNumber)
{
    return FileFailure(fsPath, " に書き込めません", errorNumber);
}

std::string FileTooLargeFailure(const std::string &fsPath)
{
    return Utf8ToCp932("ファイル ") + FromFsPath(fsPath) + Utf8ToCp932(" は大きすぎます（")
           + std::to_string(kMaxFileBytes >> 20) + Utf8ToCp932("MBまで）");
}

std::size_t FindLongLine(const std::vector<std::string> &lines)
{
    std::size_t i = 0;
    while (i < lines.size() && lines[i].size() <= kMaxLineBytes)
        ++i;
    return i;
}

std::string LongLineMessage(std::size_t lineNumber)
{
    return std::to_string(lineNumber) + Utf8ToCp932("行目が長すぎます（1行")
           + std::to_string(kMaxLineBytes) + Utf8ToCp932("バイトまで）");
}

std::string LongLineInFileMessage(std::string_view path, std::size_t lineNumber)
{
    return Utf8ToCp932("ファイル ") + std::string(path) + Utf8ToCp932(" の")
           + LongLineMessage(lineNumber);
}

FileRead ReadFileIfPresent(const std::string &fsPath, std::string &bytes, std::string *error)
{
    bytes.clear();
    const int fd = ::open(fsPath.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            return FileRead::missing;
        SetReadError(error, fsPath);
        return FileRead::unreadable;
    }
    struct stat st
    {
    };
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        errno = EISDIR;
        SetReadError(error, fsPath);
        ::close(fd);
        return FileRead::unreadable;
    }
    // Refused before a byte is read: reading a file of gigabytes alone would take seconds.
    if (st.st_size > static_cast<off_t>(kMaxFileBytes)) {
        if (error)
            *error = FileTooLargeFailure(fsPath);
        ::close(fd);
        return FileRead::unreadable;
    }
    if (st.st_size > 0)
        bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
        // A file growing while it is read, or a device without a size, stops at the limit too.
        if (bytes.size() > kMaxFileBytes) {
            if (error)
                *error = FileTooLargeFailure(fsPath);
            ::close(fd);
            bytes.clear();
            return FileRead::unreadable;
        }
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            SetReadError(error, fsPath);
            ::close(fd);
            bytes.clear();
            return FileRead::unreadable;
        }
        if (n == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return FileRead::read;
}

bool ReadFileBytes(const std::string &fsPath, std::string &bytes, std::string *error)
{
    const FileRead result = ReadFileIfPresent(fsPath, bytes, error);
    if (result == FileRead::missing) {
        errno = ENOENT;
        SetReadError(error, fsPath);
    }
    return result == FileRead::read;
}

bool ReadLines(const std::string &fsPath, std::vector<std::string> &lines, std::string *error)
{
    std::string bytes;
    if (!ReadFileBytes(fsPath, bytes, error)) {
        lines.clear();
        return false;
    }
    lines = SplitLines(bytes);
    return true;
}

bool WriteFileAtomic(const std::string &fsPath, std::string_view bytes, std::string *error)
{
    // A file the program could not read back is not written: the old one stays readable.
    if (bytes.size() > kMaxFileBytes) {
        if (error)
            *error = Utf8ToCp932("ファイル ") + FromFsPath(fsPath)
                     + Utf8ToCp932(" に書き込めません（") + std::to_string(kMaxFileBytes >> 20)
                     + Utf8ToCp932("MBを超えます）");
        return false;
    }
    const std::string folder = FolderOf(fsPath);
    // A hidden name: a crash between creating and renaming it leaves it behind, and it must not
    // show in the teacher's folders or in any listing of the program.
    const std::size_t slash = fsPath.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    std::string temp = fsPath.substr(0, nameStart) + "." + fsPath.substr(nameStart) + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        SetWriteError(error, fsPath);
        return false;
    }
    // mkstemp creates 0600; give the file the permissions a plain create would.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    struct stat old
    {
    };
    const mode_t mode = ::stat(fsPath.c_str(), &old) == 0 ? (old.st_mode & 07777) : (0666 & ~mask);
    ::fchmod(fd, mode);

    if (!WriteAll(fd, bytes) || ::fsync(fd) != 0) {
        SetWriteError(error, fsPath);
        ::close(fd);
        ::unlink(temp.c_str());
        return false;
    }
    if (::close(fd) != 0 || ::rename(temp.c_str(), fsPath.c_str()) != 0) {
        SetWriteError(error, fsPath);
        ::unlink(temp.c_str());
        return false;
    }
    // Make the rename itself durable.
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

bool WriteLinesAtomic(const std::string &fsPath,
                      const std::vector<std::string> &lines,
                      std::string *error)
{
    return WriteFileAtomic(fsPath, JoinLines(lines), error);
}

} // namespace zelkon
