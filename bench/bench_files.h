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

/// A master file (CP932, CR LF) of `units` units of `questionLines` question lines of about 100
/// bytes each, with every block the reader knows; with `similarEvery` above 0, every unit whose
/// number it divides is followed by its similar problem 1, a unit as large.
std::string WorstCaseMasterFile(int units, int questionLines, int similarEvery = 0);

} // namespace zelkon::bench
