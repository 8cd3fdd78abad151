// What the fuzz targets share: turning the fuzzer's bytes into the texts the readers take.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zelkon::fuzz {

/// The fuzzer's input as bytes.
inline std::string_view BytesOf(const std::uint8_t *data, std::size_t size)
{
    return {reinterpret_cast<const char *>(data), size};
}

/// A folder of its own for this process under the temporary folder, made on first use, for
/// readers that only read from disk. Ends in "/".
const std::string &ScratchFolder();

/// Writes `bytes` to `path` whole (plain write: the fuzzer's scratch files need no atomicity).
void WriteScratchFile(const std::string &path, std::string_view bytes);

/// The fuzzer's input as a file and a trailer of choices for a FuzzedDataProvider: the last
/// byte gives the trailer's length (at most what there is), the bytes just before it are the
/// trailer and the rest is the file, so a plain courseware file as a seed stays nearly whole.
struct FileAndChoices
{
    std::string_view file;
    const std::uint8_t *choices = nullptr;
    std::size_t choiceCount = 0;
};
FileAndChoices SplitChoices(const std::uint8_t *data, std::size_t size);

} // namespace zelkon::fuzz
