// Generated courseware for benchmarks.
#include "bench_files.h"

#include "common/cp932.h"
#include "common/line_file.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace zelkon::bench {

TempFolder::TempFolder()
{
    m_path = (std::filesystem::temp_directory_path() / "zelkon-bench-XXXXXX").string();
    if (!::mkdtemp(m_path.data()))
        throw std::runtime_error("mkdtemp failed");
}

TempFolder::~TempFolder()
{
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

void WriteBenchFile(const std::string &fsPath, const std::string &bytes)
{
    if (!WriteFileAtomic(fsPath, bytes))
        throw std::runtime_error("cannot write " + fsPath);
}

std::vector<std::string> LayoutBlocks(int lineSpacing)
{
    return {"<<value", "630",    "False",  std::to_string(lineSpacing),
            "5",       "5",      "1",      "7",
            ">>",      "<<font", "12",     Utf8ToCp932("MS 明朝"),
            "False",   "False",  "False",  "False",
            "0",       ">>",     "<<kran", "5",
            "15",      "2",      "0",      "0",
            "0",       "15",     "10",     "0",
            "0",       ">>"};
}

} // namespace zelkon::bench
