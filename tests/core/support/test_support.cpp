// Helpers for core tests.
#include "support/test_support.h"

#include "common/cp932.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace zelkon::test {

std::string J(std::string_view utf8)
{
    return Utf8ToCp932(utf8);
}

std::vector<std::string> JLines(const std::vector<std::string> &utf8Lines)
{
    std::vector<std::string> out;
    out.reserve(utf8Lines.size());
    for (const std::string &l : utf8Lines)
        out.push_back(J(l));
    return out;
}

std::string U(std::string_view cp932)
{
    return Cp932ToUtf8(cp932);
}

TempDir::TempDir()
{
    std::string templ = (std::filesystem::temp_directory_path() / "zelkon-test-XXXXXX").string();
    if (!::mkdtemp(templ.data()))
        throw std::runtime_error("mkdtemp failed");
    m_path = templ;
}

TempDir::~TempDir()
{
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

std::string TempDir::file(std::string_view name) const
{
    return m_path + "/" + std::string(name);
}

std::string TempDir::composed() const
{
    return Utf8ToCp932(m_path) + "\\";
}

void WriteCp932File(const std::string &fsPath, const std::vector<std::string> &utf8Lines)
{
    std::string bytes;
    for (const std::string &l : utf8Lines)
        bytes += J(l) + "\r\n";
    WriteBytes(fsPath, bytes);
}

void WriteBytes(const std::string &fsPath, std::string_view bytes)
{
    const std::filesystem::path p(fsPath);
    if (p.has_parent_path())
        std::filesystem::create_directories(p.parent_path());
    std::ofstream out(fsPath, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + fsPath);
}

std::string ReadBytes(const std::string &fsPath)
{
    std::ifstream in(fsPath, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace zelkon::test
