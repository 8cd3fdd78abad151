// The all-units tree, its date, print counter and page placement.
#include "index/all_units.h"

#include "common/format.h"
#include "sheet/render_context.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace zelkon {

IndexTreeNode AllUnitsTree(const CourseIndex &index, const UnitDisplayTable &labels)
{
    IndexTreeNode root{index.subIndexTitle, {}};
    const int sections = static_cast<int>(index.sectionCaptions.size());
    for (int s = 1; s <= sections; ++s) {
        IndexTreeNode section{SectionCaption(index, s), {}};
        for (int u = 1; u <= UnitCount(index, s); ++u)
            section.children.push_back({labels.prefix(s, u) + UnitCaption(index, s, u), {}});
        root.children.push_back(std::move(section));
    }
    return root;
}

std::string AllUnitsDateText(int year, int month, int day)
{
    return DottedDate(year, month, day) + "-";
}

std::string NextPrintCount(std::string_view shown)
{
    int count = 0;
    const char *end = shown.data() + shown.size();
    const auto [stop, error] = std::from_chars(shown.data(), end, count);
    if (error != std::errc() || stop != end || count < 0)
        count = 0;
    if (count < std::numeric_limits<int>::max())
        ++count;
    return std::to_string(count);
}

Rect FitToPage(int pageWidth, int pageHeight, int pictureWidth, int pictureHeight)
{
    if (pageWidth <= 0 || pageHeight <= 0 || pictureWidth <= 0 || pictureHeight <= 0)
        return {};
    const double scale = std::min(static_cast<double>(pageWidth) / pictureWidth,
                                  static_cast<double>(pageHeight) / pictureHeight);
    const int width = std::min(pageWidth, RoundHalfEven(pictureWidth * scale));
    const int height = std::min(pageHeight, RoundHalfEven(pictureHeight * scale));
    Rect rect;
    rect.left = (pageWidth - width) / 2;
    rect.top = 0;
    rect.right = rect.left + width;
    rect.bottom = height;
    return rect;
}

} // namespace zelkon
