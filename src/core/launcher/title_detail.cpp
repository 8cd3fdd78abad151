// Detail rows, installed versions and printout lines.
#include "launcher/title_detail.h"

#include "common/cp932.h"

namespace zelkon {

namespace {

// Left-aligned in `width` bytes, as printf's "%-Ns" pads: never cut.
std::string PadRight(std::string_view text, std::size_t width)
{
    std::string out(text);
    if (out.size() < width)
        out.append(width - out.size(), ' ');
    return out;
}

} // namespace

std::string InstalledVersion(std::string_view folderName)
{
    constexpr std::size_t kFrom = 6;
    if (folderName.size() <= kFrom)
        return {};
    std::string version;
    // Second bytes of two-byte characters are 0x40 and above: never a digit, "." or blank.
    for (const char c : folderName.substr(kFrom)) {
        if (c == ' ')
            break;
        if ((c >= '0' && c <= '9') || c == '.')
            version += c;
    }
    return version;
}

DetailRow DetailHeader()
{
    return {Utf8ToCp932("単元名"),
            Utf8ToCp932("実行ファイル名"),
            "Ver",
            Utf8ToCp932("最新"),
            Utf8ToCp932("属性"),
            Utf8ToCp932("重複"),
            Utf8ToCp932("フォルダ名")};
}

DetailRow DetailRowOf(const TitleEntry &title)
{
    DetailRow row;
    row[0] = title.title;
    row[1] = title.programName + ".exe";
    row[3] = title.newestVersion;
    if (!title.found()) {
        row[4] = "not installed";
        return row;
    }
    row[2] = InstalledVersion(title.foundFolder);
    row[5] = std::to_string(title.timesFound - 1);
    row[6] = title.foundFolder;
    return row;
}

std::vector<DetailRow> DetailRows(const std::vector<TitleEntry> &titles)
{
    std::vector<DetailRow> rows{DetailHeader()};
    for (const TitleEntry &title : titles)
        rows.push_back(DetailRowOf(title));
    return rows;
}

std::string PrintoutLine(const DetailRow &row)
{
    return Utf8ToCp932("□　") + PadRight(row[0], 30) + " " + PadRight(row[1], 20) + " "
           + PadRight(row[2], 5) + " / " + PadRight(row[3], 5);
}

std::vector<std::string> PrintoutLines(const std::vector<DetailRow> &rows)
{
    std::vector<std::string> lines;
    lines.reserve(rows.size());
    for (const DetailRow &row : rows)
        lines.push_back(PrintoutLine(row));
    return lines;
}

} // namespace zelkon
