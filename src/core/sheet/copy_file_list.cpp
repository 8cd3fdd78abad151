// Listing a folder's copy files, reading one for its preview, and the remembered choice.
#include "sheet/copy_file_list.h"

#include "common/cp932.h"
#include "common/line_file.h"
#include "common/path.h"
#include "master/unit_scan.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace zelkon {

namespace {

char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Only single-byte characters fold: a second byte of a double-byte character may look like an
// ASCII letter and is no letter at all.
std::string FoldedForSorting(std::string_view cp932)
{
    std::string folded;
    folded.reserve(cp932.size());
    for (std::size_t i = 0; i < cp932.size();) {
        const std::size_t n = CharLengthAt(cp932, i);
        if (n == 1)
            folded += LowerAscii(cp932[i]);
        else
            folded.append(cp932.substr(i, n));
        i += n;
    }
    return folded;
}

// "." is never the second byte of a character, so the bytes from the last "." on are the
// extension's own characters.
bool HasCopyExtension(std::string_view name)
{
    constexpr std::string_view kExtension = ".prp";
    if (name.size() <= kExtension.size())
        return false;
    const std::string_view tail = name.substr(name.size() - kExtension.size());
    return std::equal(tail.begin(), tail.end(), kExtension.begin(), [](char a, char b) {
        return LowerAscii(a) == b;
    });
}

std::string UnreadableFolderMessage(std::string_view folder, const std::error_code &error)
{
    return Utf8ToCp932("ディレクトリ ") + std::string(folder) + Utf8ToCp932(" を読み込めません（")
           + FromFsPath(error.message()) + Utf8ToCp932("）");
}

} // namespace

CopyFileListing ListCopyFiles(std::string_view folder)
{
    CopyFileListing listing;
    if (!DirectoryExists(folder)) {
        listing.message = MissingDirectoryMessage(folder);
        return listing;
    }
    namespace fs = std::filesystem;
    std::error_code error;
    fs::directory_iterator entry(fs::path(ToFsPath(folder)), error);
    for (; !error && entry != fs::directory_iterator(); entry.increment(error)) {
        const std::string fsName = entry->path().filename().string();
        std::error_code typeError;
        if (fsName.starts_with('.') || !HasCopyExtension(fsName)
            || !entry->is_regular_file(typeError))
            continue;
        Cp932Conversion name = ConvertUtf8ToCp932(fsName);
        if (name.ok)
            listing.names.push_back(std::move(name.bytes));
    }
    if (error) {
        listing.names.clear();
        listing.message = UnreadableFolderMessage(folder, error);
        return listing;
    }
    std::sort(
        listing.names.begin(), listing.names.end(), [](const std::string &a, const std::string &b) {
            const std::string foldedA = FoldedForSorting(a);
            const std::string foldedB = FoldedForSorting(b);
            return foldedA != foldedB ? foldedA < foldedB : a < b;
        });
    listing.listed = true;
    return listing;
}

CopyFilePreview ReadCopyFilePreview(std::string_view path)
{
    CopyFilePreview preview;
    if (!FileExists(path)) {
        preview.message = MissingFileMessage(path);
        return preview;
    }
    preview.read = ReadLines(ToFsPath(path), preview.lines, &preview.message);
    if (!preview.read)
        return preview;
    // A copy file holds one unit; anything far larger would hold the preview list for seconds.
    std::string problem;
    if (preview.lines.size() > kMaxUnitLines)
        problem = Utf8ToCp932(" の行が多すぎます（") + std::to_string(kMaxUnitLines)
                  + Utf8ToCp932("行まで）");
    else if (const std::size_t longLine = FindLongLine(preview.lines);
             longLine < preview.lines.size())
        problem = Utf8ToCp932(" の") + LongLineMessage(longLine + 1);
    if (!problem.empty()) {
        preview.read = false;
        preview.lines.clear();
        preview.message = Utf8ToCp932("ファイル ") + std::string(path) + problem;
    }
    return preview;
}

int CopyFileRowToChoose(std::int32_t &lastCopyFilePosition, int count)
{
    if (count <= 0)
        return -1;
    if (lastCopyFilePosition < 0) {
        lastCopyFilePosition = 0;
        return 0;
    }
    return lastCopyFilePosition < count ? lastCopyFilePosition : 0;
}

bool AcceptCopyFileChoice(std::string_view path, int row, std::string_view name, AppState &state)
{
    if (path.empty())
        return false;
    state.lastCopyFilePosition = row;
    state.lastCopyFileName = std::string(name);
    return true;
}

std::string CopyFileNotChosenMessage()
{
    return Utf8ToCp932("単元を選択してください");
}

} // namespace zelkon
