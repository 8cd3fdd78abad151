// check: reads every index, master file and unit of a courseware folder as the program would,
// and reports each problem as "path:line: message".
#include "commands.h"

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

namespace zelkon::tool {

namespace {

// The most similar problems a unit can have.
constexpr int kMaxVariants = 5;

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
        std::vector<std::string> lines;
        if (!FileExists(path) || !ReadLines(ToFsPath(path), lines)) {
            report(path, {{MissingFileMessage(path), 0}});
            return;
        }
        for (int u = 1; u <= UnitCount(index, section); ++u) {
            if (!checkUnit(path, index, section, u, 0)) {
                report(
                    path,
                    {{Utf8ToCp932("単元 ") + UnitHeaderLine(u, 0) + Utf8ToCp932(" がありません（")
                          + UnitCaption(index, section, u) + Utf8ToCp932("）"),
                      0}});
                continue;
            }
            // Similar problems count only while they follow one another in the file.
            auto from = std::find(lines.begin(), lines.end(), UnitHeaderLine(u, 0));
            for (int v = 1; v <= kMaxVariants; ++v) {
                from = std::find(from, lines.end(), UnitHeaderLine(u, v));
                if (from == lines.end())
                    break;
                checkUnit(path, index, section, u, v);
            }
        }
    }

    // Reads one unit as the program opens it; false when its header is missing.
    bool
    checkUnit(const std::string &path, const CourseIndex &index, int section, int unit, int variant)
    {
        ReadContext context;
        context.sectionName = SectionCaption(index, section);
        context.unitName = UnitCaption(index, section, unit);
        ReaderState state;
        UnitRecord record;
        Messages messages;
        const bool ok = readUnit(path,
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

    std::string m_programFolder;
    int m_problems = 0;
};

} // namespace

int Check(const QString &folder)
{
    return Checker(ComposedFolder(folder)).run();
}

} // namespace zelkon::tool
