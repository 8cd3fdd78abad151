// check: reads every index, master file and unit of a courseware folder as the program would,
// runs the master file editor's checks on every unit, and reports each problem as
// "path:line: message".
#include "commands.h"

#include "authoring/answer_marks.h"
#include "authoring/layout_check.h"
#include "authoring/unit_areas.h"
#include "common/cp932.h"
#include "common/line_file.h"
#include "common/path.h"
#include "index/main_index.h"
#include "index/sub_index.h"
#include "master/unit_locator.h"
#include "master/unit_reader.h"
#include "platform/qstring_cp932.h"
#include "tool_output.h"

#include <algorithm>
#include <optional>
#include <span>

namespace zelkon::tool {

namespace {

// The most similar problems a unit can have.
constexpr int kMaxVariants = 5;

using AreaLines = std::vector<std::string> UnitAreas::*;

// The file line (from 0) that the editor's reading of the unit under `lines[headerIndex]` puts
// at `entry` of an area. That reading takes the file one line at a time, so it is the last line
// of the shortest run of lines from the header whose reading fills the area beyond `entry`.
// A longer run never reads fewer entries, so the run is found by halving: trying every length
// would take minutes on a unit of a hundred thousand lines.
std::size_t FileLineOfAreaEntry(const std::vector<std::string> &lines,
                                std::size_t headerIndex,
                                AreaLines area,
                                std::size_t entry)
{
    const std::span<const std::string> all(lines);
    const auto fills = [&](std::size_t last) {
        const std::optional<UnitAreas> areas
            = ReadUnitAreasIn(all.subspan(headerIndex, last + 1 - headerIndex), lines[headerIndex]);
        return areas && ((*areas).*area).size() > entry;
    };
    if (headerIndex >= lines.size() || !fills(lines.size() - 1))
        return headerIndex;
    std::size_t low = headerIndex;
    std::size_t high = lines.size() - 1;
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (fills(middle))
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

// Points the editor's messages about an area at the file: a message about entry N (from 1) of
// the area goes to the file line that holds that entry, one about no entry to the header line.
void PlaceAreaMessages(Messages &messages,
                       const std::vector<std::string> &lines,
                       std::size_t headerIndex,
                       AreaLines area)
{
    for (Message &m : messages) {
        const std::size_t line = m.line > 0 ? FileLineOfAreaEntry(
                                     lines, headerIndex, area, static_cast<std::size_t>(m.line) - 1)
                                            : headerIndex;
        m.line = static_cast<int>(line) + 1;
    }
}

class Checker
{
public:
    explicit Checker(std::string programFolder)
        : m_programFolder(std::move(programFolder))
    {}

    int run()
    {
        CourseIndex index;
        Messages messages;
        const MainIndexRead read = ReadMainIndex(m_programFolder, index, messages);
        report(MainIndexPath(m_programFolder), messages);
        if (read == MainIndexRead::missing)
            return 1;
        for (int k = 1; k <= static_cast<int>(index.lessonCaptions.size()); ++k)
            checkLesson(index, k);
        return m_problems == 0 ? 0 : 1;
    }

private:
    void report(const std::string &composedPath, const Messages &messages)
    {
        for (const Message &m : messages) {
            PrintLine(QString::fromStdString(ToFsPath(composedPath)) + ":" + QString::number(m.line)
                      + ": " + ToQString(m.text));
            ++m_problems;
        }
    }

    void checkLesson(CourseIndex &index, int lesson)
    {
        // A lesson whose folder is missing leaves the sections as they were: start empty.
        index.sectionCaptions.clear();
        index.unitCaptions.clear();
        Messages messages;
        const bool read = ReadSubIndex(m_programFolder, lesson, index, messages);
        report(SubIndexPath(m_programFolder, index, lesson), messages);
        if (!read && index.sectionCaptions.empty())
            return;
        for (int s = 1; s <= static_cast<int>(index.sectionCaptions.size()); ++s)
            checkSection(index, lesson, s);
    }

    void checkSection(const CourseIndex &index, int lesson, int section)
    {
        const std::string path = MasterFilePath(m_programFolder, index, lesson, section);
        if (UnitCount(index, section) == 0)
            return;
        std::string bytes;
        std::string error;
        if (!FileExists(path)) {
            report(path, {{MissingFileMessage(path), 0}});
            return;
        }
        // Read once for all its units: a file of thousands of units read again for each of
        // them would cost seconds.
        if (!ReadFileBytes(ToFsPath(path), bytes, &error)) {
            report(path, {{error, 0}});
            return;
        }
        const std::vector<std::string> lines = SplitLines(bytes);
        for (int u = 1; u <= UnitCount(index, section); ++u) {
            if (!checkUnit(path, bytes, index, section, u, 0)) {
                report(
                    path,
                    {{Utf8ToCp932("単元 ") + UnitHeaderLine(u, 0) + Utf8ToCp932(" がありません（")
                          + UnitCaption(index, section, u) + Utf8ToCp932("）"),
                      0}});
                continue;
            }
            checkEditing(path, lines, UnitHeaderLine(u, 0));
            // Similar problems count only while they follow one another in the file.
            auto from = std::find(lines.begin(), lines.end(), UnitHeaderLine(u, 0));
            for (int v = 1; v <= kMaxVariants; ++v) {
                from = std::find(from, lines.end(), UnitHeaderLine(u, v));
                if (from == lines.end())
                    break;
                checkUnit(path, bytes, index, section, u, v);
                checkEditing(path, lines, UnitHeaderLine(u, v));
            }
        }
    }

    // Reads one unit of the file's bytes as the program opens it; false when its header is
    // missing.
    bool checkUnit(const std::string &path,
                   std::string_view bytes,
                   const CourseIndex &index,
                   int section,
                   int unit,
                   int variant)
    {
        ReadContext context;
        context.sectionName = SectionCaption(index, section);
        context.unitName = UnitCaption(index, section, unit);
        ReaderState state;
        UnitRecord record;
        Messages messages;
        const bool ok = ReadUnitFromBytes(bytes,
                                          UnitHeaderLine(unit, variant),
                                          unit,
                                          section,
                                          ReadMode::Master,
                                          context,
                                          state,
                                          record,
                                          messages);
        report(path, messages);
        return ok || !messages.empty();
    }

    // The checks the master file editor runs on the unit when it loads it and before it stores
    // it: the answer marks of the question lines and the line counts of the layout blocks.
    void checkEditing(const std::string &path,
                      const std::vector<std::string> &lines,
                      const std::string &headerLine)
    {
        const std::optional<UnitAreas> areas = ReadUnitAreas(lines, headerLine);
        if (!areas)
            return;
        const std::size_t headerIndex = FindUnitSpan(lines, headerLine)->first;

        Messages marks;
        CheckAnswerMarks(areas->question, marks);
        PlaceAreaMessages(marks, lines, headerIndex, &UnitAreas::question);
        report(path, marks);

        Messages layout;
        CheckLayoutBlocks(areas->layout, layout);
        PlaceAreaMessages(layout, lines, headerIndex, &UnitAreas::layout);
        report(path, layout);
    }

    std::string m_programFolder;
    int m_problems = 0;
};

} // namespace

int Check(const QString &folder)
{
    return Checker(ComposedFolder(folder)).run();
}

} // namespace zelkon::tool
