// The launcher's title index "ZKLindex.txt" read from any bytes: at most 50 titles, program names
// of at most 8 bytes that never end in half a character, a message for every line left out,
// and the button grid, detail rows and printout lines built from the titles read.
#include "fuzz_support.h"

#include "common/cp932.h"
#include "common/line_file.h"
#include "launcher/title_detail.h"
#include "launcher/title_grid.h"
#include "launcher/title_index.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace {

using namespace zelkon;

void CheckProgramName(std::string_view field)
{
    const std::string name = ProgramNameOf(field);
    // The first 8 bytes, or 7 when the 8th is the first half of a character.
    const std::size_t whole = std::min<std::size_t>(field.size(), 8);
    if (name.size() != whole && !(whole == 8 && name.size() == 7))
        std::abort();
    std::size_t last = 0;
    for (std::size_t i = 0; i < name.size(); i += CharLengthAt(name, i))
        last = i;
    // A lone lead byte at the end is only the field's own last byte, never the cut's doing.
    if (!name.empty() && last + 1 == name.size()
        && IsLeadByte(static_cast<unsigned char>(name[last])) && name.size() != field.size())
        std::abort();
}

// The grid of each count is the same for every input; it is checked once per count.
void CheckGrid(int count)
{
    static std::array<bool, kMaxTitles + 1> checked{};
    if (checked[static_cast<std::size_t>(count)])
        return;
    checked[static_cast<std::size_t>(count)] = true;
    const TitleGrid grid = FitTitleButtons(count);
    if (grid.buttons.size() != static_cast<std::size_t>(count) || grid.windowWidth < kMainWidth)
        std::abort();
    for (const TitleButtonPlace &place : grid.buttons) {
        if (place.left + place.width > grid.windowWidth
            || place.top + place.height > kPictureTop + kPictureHeight)
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::vector<std::string> lines = SplitLines(fuzz::BytesOf(data, size));
    const TitleIndexReading reading = ParseTitleIndex(lines);

    if (reading.ok != (lines.size() >= 2))
        std::abort();
    if (!reading.ok && (reading.messages.empty() || !reading.index.titles.empty()))
        std::abort();
    if (reading.index.titles.size() > kMaxTitles)
        std::abort();
    // Below 50 titles every title line is read or named in a message.
    if (reading.ok && reading.index.titles.size() < kMaxTitles
        && reading.index.titles.size() + reading.messages.size() != lines.size() - 2)
        std::abort();
    for (const Message &message : reading.messages) {
        if (message.line < 1 || message.line > static_cast<int>(lines.size()) + 1)
            std::abort();
    }

    for (const std::string &line : lines) {
        std::size_t start = 0;
        for (std::size_t comma = line.find(','); start <= line.size();
             comma = line.find(',', start)) {
            CheckProgramName(std::string_view(line).substr(start, comma - start));
            if (comma == std::string::npos)
                break;
            start = comma + 1;
        }
    }
    for (const TitleEntry &title : reading.index.titles) {
        if (title.programName.size() > 8 || title.found())
            std::abort();
    }

    CheckGrid(static_cast<int>(reading.index.titles.size()));

    // The detail table of found titles: the folder name tells the installed version.
    std::vector<TitleEntry> titles = reading.index.titles;
    for (std::size_t k = 0; k < titles.size(); k += 2) {
        titles[k].foundFolder = titles[k].tag + titles[k].newestVersion;
        titles[k].timesFound = static_cast<int>(k % 3) + 1;
    }
    const std::vector<DetailRow> rows = DetailRows(titles);
    if (rows.size() != titles.size() + 1)
        std::abort();
    for (std::size_t k = 0; k < titles.size(); ++k) {
        const DetailRow &row = rows[k + 1];
        if (row[0] != titles[k].title || row[1] != titles[k].programName + ".exe")
            std::abort();
        for (const char c : row[2]) {
            if (c != '.' && (c < '0' || c > '9'))
                std::abort();
        }
    }
    const std::vector<std::string> printout = PrintoutLines(rows);
    if (printout.size() != rows.size())
        std::abort();
    static const std::string mark = Utf8ToCp932("□　");
    for (std::size_t k = 0; k < rows.size(); ++k) {
        // Padded, never cut: every column's text is on the line in full.
        const std::string &line = printout[k];
        if (line.size() < mark.size() + 30 + 1 + 20 + 1 + 5 + 3 + 5
            || !line.starts_with(mark + rows[k][0]))
            std::abort();
        for (std::size_t column = 1; column < 4; ++column) {
            if (line.find(rows[k][column]) == std::string::npos)
                std::abort();
        }
    }
    return 0;
}
