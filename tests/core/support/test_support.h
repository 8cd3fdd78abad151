// Helpers for core tests: CP932 literals from UTF-8, temporary folders and CP932 fixture files.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zelkon::test {

/// CP932 bytes of a UTF-8 literal.
std::string J(std::string_view utf8);

/// CP932 bytes of each UTF-8 line.
std::vector<std::string> JLines(const std::vector<std::string> &utf8Lines);

/// UTF-8 of CP932 bytes, for readable failure output.
std::string U(std::string_view cp932);

/// A fresh folder under the system's temporary folder, removed with everything in it when the
/// object goes.
class TempDir
{
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    /// Filesystem path, without a trailing "/".
    const std::string &path() const { return m_path; }
    /// `path()/name`.
    std::string file(std::string_view name) const;
    /// The folder as the program composes it: CP932, ending in "\".
    std::string composed() const;

private:
    std::string m_path;
};

/// Writes UTF-8 lines as a CP932 file with CR LF line ends, creating missing folders.
void WriteCp932File(const std::string &fsPath, const std::vector<std::string> &utf8Lines);

/// Writes raw bytes, creating missing folders.
void WriteBytes(const std::string &fsPath, std::string_view bytes);

/// The whole content of a file ("" when missing).
std::string ReadBytes(const std::string &fsPath);

} // namespace zelkon::test
