// The all-units overview of a lesson: its tree of sections and units with their marks and
// counts, the date it is printed with, its print counter and where its picture goes on a page.
#pragma once

#include "index/course_index.h"
#include "index/unit_list.h"
#include "sheet/canvas.h"

#include <string>
#include <string_view>
#include <vector>

namespace zelkon {

/// One node of the tree; texts are CP932.
struct IndexTreeNode
{
    std::string text;
    std::vector<IndexTreeNode> children;

    bool operator==(const IndexTreeNode &) const = default;
};

/// The lesson's tree: the root is the sub-index title, its children the sections in order, and
/// under each section its units, each the unit's display prefix (mark, "[", count, "]")
/// followed directly by its caption. A section without units has no children.
IndexTreeNode AllUnitsTree(const CourseIndex &index, const UnitDisplayTable &labels);

/// The date label: the date with dots followed by "-" ("2005.10.05-").
std::string AllUnitsDateText(int year, int month, int day);

/// The print counter after one more print: the number it shows plus 1. A counter that shows no
/// number (empty, or edited into something else) counts as 0; one at the int limit stays there.
std::string NextPrintCount(std::string_view shown);

/// Where a picture of `pictureWidth` × `pictureHeight` goes on a page of `pageWidth` ×
/// `pageHeight`: as large as the page allows with its proportions kept, centred across the page
/// and at its top. An empty picture or page gives an empty rectangle.
Rect FitToPage(int pageWidth, int pageHeight, int pictureWidth, int pictureHeight);

} // namespace zelkon
