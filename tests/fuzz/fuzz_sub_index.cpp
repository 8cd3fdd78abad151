// A lesson's sub-index read from any bytes: at most 80 sections of at most 80 units, one unit
// list per section, a message for every incomplete read, and the captions, the unit list lines
// and the all-units tree built from what was read.
#include "fuzz_support.h"

#include "common/line_file.h"
#include "index/all_units.h"
#include "index/course_index.h"
#include "index/sub_index.h"
#include "index/unit_list.h"

#include <algorithm>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace zelkon;
    const std::vector<std::string> lines = SplitLines(fuzz::BytesOf(data, size));
    CourseIndex index;
    Messages messages;
    const bool complete = ParseSubIndex(lines, "ch.ind", index, messages);

    const int sections = static_cast<int>(index.sectionCaptions.size());
    if (sections > kCourseIndexLimit || index.unitCaptions.size() != index.sectionCaptions.size())
        std::abort();
    if (!complete && messages.empty())
        std::abort();
    // A line too long to draw stops the read before anything is taken.
    if (FindLongLine(lines) < lines.size()) {
        if (complete || !index.subIndexTitle.empty() || sections != 0)
            std::abort();
    } else if (index.subIndexTitle != (lines.empty() ? std::string() : lines.front())) {
        std::abort();
    }

    for (int s = 0; s <= sections + 1; ++s) {
        const bool isSection = s >= 1 && s <= sections;
        const int units = UnitCount(index, s);
        if (units > kCourseIndexLimit || (!isSection && units != 0))
            std::abort();
        if (isSection && SectionCaption(index, s) != index.sectionCaptions[s - 1])
            std::abort();
        if (!isSection && !SectionCaption(index, s).empty())
            std::abort();
        for (int u = 0; u <= units + 1; ++u) {
            const std::string caption = UnitCaption(index, s, u);
            const bool isUnit = u >= 1 && u <= units;
            if (isUnit && caption != index.unitCaptions[s - 1][u - 1])
                std::abort();
            if (!isUnit && !caption.empty())
                std::abort();
            if (!isUnit)
                continue;
            // The list line pads the caption to its column and never cuts it.
            const std::string prefix = UnitPrefix(u % 2 == 0, u);
            const std::string line = UnitListLine(prefix, caption);
            if (line.size() != prefix.size() + std::max(caption.size(), kUnitCaptionWidth)
                || line.compare(prefix.size(), caption.size(), caption) != 0)
                std::abort();
        }
    }

    const IndexTreeNode tree = AllUnitsTree(index, UnitDisplayTable());
    if (tree.text != index.subIndexTitle || tree.children.size() != index.sectionCaptions.size())
        std::abort();
    for (int s = 1; s <= sections; ++s) {
        const IndexTreeNode &section = tree.children[static_cast<std::size_t>(s - 1)];
        if (section.text != SectionCaption(index, s)
            || static_cast<int>(section.children.size()) != UnitCount(index, s))
            std::abort();
    }
    return 0;
}
