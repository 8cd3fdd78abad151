// Composed courseware paths to filesystem paths, with case-insensitive lookup of components.
#include "common/path.h"

#include "common/cp932.h"
#include "common/sjis_text.h"

#include <algorithm>
#include <dirent.h>
#include <sys/stat.h>
#include <vector>

namespace zelkon {

namespace {

bool Exists(const std::string &fsPath)
{
    struct stat st
    {
    };
    return ::lstat(fsPath.c_str(), &st) == 0;
}

// Directory entries are UTF-8, whose bytes from 0x80 up are never ASCII: fold byte by byte.
bool EqualsIgnoringAsciiCaseUtf8(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

// The entry of `folder` equal to `name` ignoring ASCII case; empty when none is.
std::string FindIgnoringCase(const std::string &folder, const std::string &name)
{
    DIR *dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir)
        return {};
    std::vector<std::string> matches;
    while (const dirent *e = ::readdir(dir)) {
        const std::string entry = e->d_name;
        if (EqualsIgnoringAsciiCaseUtf8(entry, name))
            matches.push_back(entry);
    }
    ::closedir(dir);
    if (matches.empty())
        return {};
    return *std::min_element(matches.begin(), matches.end());
}

} // namespace

std::string ToFsPath(std::string_view composed)
{
    std::string slashed;
    slashed.reserve(composed.size());
    for (std::size_t i = 0; i < composed.size();) {
        const std::size_t n = CharLengthAt(composed, i);
        if (n == 1 && composed[i] == '\\')
            slashed += '/';
        else
            slashed.append(composed.substr(i, n));
        i += n;
    }
    const std::string utf8 = Cp932ToUtf8(slashed);

    // Resolve component by component; once one is missing the rest is kept as written.
    std::string resolved = utf8.starts_with('/') ? "/" : "";
    std::size_t pos = resolved.size();
    bool lookup = true;
    while (pos <= utf8.size()) {
        std::size_t end = utf8.find('/', pos);
        if (end == std::string::npos)
            end = utf8.size();
        std::string part = utf8.substr(pos, end - pos);
        const bool last = end == utf8.size();
        if (!part.empty() && part != "." && part != ".." && lookup) {
            if (!Exists(resolved + part)) {
                std::string other = FindIgnoringCase(resolved, part);
                if (other.empty())
                    lookup = false;
                else
                    part = other;
            }
        }
        resolved += part;
        if (!last)
            resolved += '/';
        pos = end + 1;
    }
    return resolved;
}

std::string FromFsPath(std::string_view fsPath)
{
    Cp932Conversion c = ConvertUtf8ToCp932(fsPath);
    if (c.ok)
        return c.bytes;
    std::string out;
    for (char ch : fsPath)
        out += static_cast<unsigned char>(ch) < 0x80 ? ch : '?';
    return out;
}

bool FileExists(std::string_view composed)
{
    struct stat st
    {
    };
    return ::stat(ToFsPath(composed).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DirectoryExists(std::string_view composed)
{
    struct stat st
    {
    };
    return ::stat(ToFsPath(composed).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string MissingFileMessage(std::string_view composed)
{
    return Utf8ToCp932("ファイル ") + std::string(composed) + Utf8ToCp932(" が見つかりません");
}

std::string MissingDirectoryMessage(std::string_view composed)
{
    return Utf8ToCp932("ディレクトリ ") + std::string(composed) + Utf8ToCp932(" が見つかりません");
}

std::string WithTrailingBackslash(std::string_view path)
{
    std::string out(path);
    const bool ends
        = out.ends_with('/') || (!out.empty() && FindLastCharacter(out, "\\") == out.size() - 1);
    if (!ends)
        out += '\\';
    return out;
}

} // namespace zelkon
