// Generated courseware for benchmarks.
#include "bench_files.h"

#include "common/cp932.h"
#include "common/line_file.h"
#include "master/unit_locator.h"

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

std::string WorstCaseMasterFile(int units, int questionLines, int similarEvery)
{
    const std::string question = Utf8ToCp932("例　日本でいちばん長い川は　#　信濃川;しなのがわ　#"
                                             "　で、その長さは約　#　３６７　#　キロメートルです");
    const std::vector<std::string> layout = LayoutBlocks(40);
    std::vector<std::string> lines;
    const auto addUnit = [&](const std::string &header) {
        lines.push_back(header);
        lines.insert(lines.end(), {"<<header", Utf8ToCp932("単元の見出し"), ">>"});
        lines.push_back("<<ques");
        for (int q = 0; q < questionLines; ++q)
            lines.push_back(question);
        lines.push_back(">>");
        lines.insert(lines.end(), {"<<ans", "x", ">>"});
        lines.insert(lines.end(), layout.begin(), layout.end());
        lines.insert(lines.end(), {"<<graph", "Map1.bmp", "100", "200", ">>"});
        lines.insert(lines.end(), {"<<AGraph", "Map1A.bmp", "100", "200", ">>"});
        lines.insert(lines.end(), {"<<kgroup", Utf8ToCp932("信濃川"), Utf8ToCp932("利根川"), ">>"});
        lines.insert(lines.end(), {"<<softkey", Utf8ToCp932("信濃"), ">>"});
        lines.insert(lines.end(), {"<<hint", Utf8ToCp932("新潟県を流れる"), ">>"});
        lines.push_back("]]");
    };
    for (int u = 1; u <= units; ++u) {
        addUnit(UnitHeaderLine(u, 0));
        if (similarEvery > 0 && u % similarEvery == 0)
            addUnit(UnitHeaderLine(u, 1));
    }
    return JoinLines(lines);
}

} // namespace zelkon::bench
