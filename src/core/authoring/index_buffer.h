// A lesson's index file held as lines while the index editor works on it: the template of a new
// index, the sections and units the editor shows, and adding and renaming them.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelkon {

/// The seven lines of a new index: "ここにタイトルをかいてください", "[[sect1", "ここは主メニュー",
/// "<<", "ここは副メニュー", ">>", "]]".
std::vector<std::string> NewIndexLines();

/// One section of an index as the editor's lists and tree show it.
struct IndexSection
{
    std::size_t line = 0;           ///< the line starting "[[" that opens the section
    std::string title;              ///< the line after it; empty when the index ends before
    std::vector<std::string> units; ///< from three lines below `line` up to the next ">>"
};

/// The index as the editor's lists and tree show it.
struct IndexOutline
{
    std::string title; ///< line 0; empty for an index without lines
    std::vector<IndexSection> sections;
};

/// Walks the lines as the unit selection window reads them: every line starting with "[[" (line
/// 0 too) opens a section whose title is the next line; the line after that is skipped and the
/// following lines up to one exactly ">>" (or the end) are its units; the walk goes on after that
/// ">>". A section of "<<" and ">>" alone has no units and leaves the next section whole.
IndexOutline ReadIndexOutline(const std::vector<std::string> &lines);

/// The line of section n (from 1) for an edit: the opening line of the n-th section of the
/// outline when it starts with "[[sect"; none for any other n or opening ("[[Sect1"), so an edit
/// never lands in a section other than the one the lists show.
std::optional<std::size_t> FindSectionLine(const std::vector<std::string> &lines, int section);

/// How an edit of the lines ended.
enum class IndexEdit {
    done,      ///< the lines were changed
    unchanged, ///< an empty title where an empty one adds or changes nothing
    notFound,  ///< FindSectionLine found no line, or the section has no such unit
    full,      ///< 80 sections, or 80 units in the section, are there already
    reserved,  ///< a unit title exactly ">>", which would end its section's unit list
};

/// The message for an edit that changed nothing: "not found", "これ以上追加できません" or the
/// refusal of ">>" as a unit title; empty for done and unchanged.
std::string IndexEditMessage(IndexEdit edit);

/// Sets line 0, the index title; lines without any get it as their first line.
void SetIndexTitle(std::vector<std::string> &lines, std::string_view title);

/// Appends "[[sect" + N, `title`, "<<", "SubMenu New" + N, ">>", "]]" with N the number of
/// sections + 1, which is stored in `number`; an index without lines gets an empty title line
/// first. An empty title adds nothing.
IndexEdit AddSection(std::vector<std::string> &lines, std::string_view title, int &number);

/// Puts `title` (an empty one too) in the line after section n's "[[sect" line.
IndexEdit RenameSection(std::vector<std::string> &lines, int section, std::string_view title);

/// Inserts `title` after the last unit of section n, just before its ">>"; the other sections'
/// lines stay where they are. An empty title adds nothing.
IndexEdit AddUnit(std::vector<std::string> &lines, int section, std::string_view title);

/// Puts `title` in place of unit u (from 1) of section n. An empty title changes nothing.
IndexEdit
RenameUnit(std::vector<std::string> &lines, int section, int unit, std::string_view title);

} // namespace zelkon
