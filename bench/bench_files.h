// Generated courseware for benchmarks: a temporary folder and the layout blocks of a unit.
#pragma once

#include <string>
#include <vector>

namespace zelkon::bench {

/// A fresh folder under the system's temporary folder, removed with its content at the end.
class TempFolder
{
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;

    const std::string &path() const { return m_path; }

private:
    std::string m_path;
};

/// Writes the bytes to the file; throws when it cannot.
void WriteBenchFile(const std::string &fsPath, const std::string &bytes);

/// The value, font and kran blocks of an A4 unit with the given main line spacing (CP932).
std::vector<std::string> LayoutBlocks(int lineSpacing);

} // namespace zelkon::bench
