// Scratch files for the fuzz targets that read through the filesystem.
#include "fuzz_support.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace zelkon::fuzz {

const std::string &ScratchFolder()
{
    static const std::string folder = [] {
        const char *tmp = std::getenv("TMPDIR");
        std::string path = std::string(tmp && *tmp ? tmp : "/tmp") + "/zelkon-fuzz-"
                           + std::to_string(::getpid()) + "/";
        std::filesystem::create_directories(path);
        return path;
    }();
    return folder;
}

void WriteScratchFile(const std::string &path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

FileAndChoices SplitChoices(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return {};
    const std::size_t count = std::min<std::size_t>(data[size - 1], size - 1);
    const std::size_t fileSize = size - 1 - count;
    return {BytesOf(data, fileSize), data + fileSize, count};
}

} // namespace zelkon::fuzz
