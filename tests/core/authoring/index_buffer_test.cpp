// The index editor's view of a lesson index and its edits of the lines: sections, units, the
// template of a new index.
#include "authoring/index_buffer.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <ostream>

namespace zelkon {
namespace {

using test::J;
using test::JLines;
using Lines = std::vector<std::string>;

// Two sections, with a comment between the first one's "]]" and the second one.
Lines TwoSections()
{
    return JLines({"地理の目次",
                   "[[sect1",
                   "気候",
                   "<<",
                   "雨温図",
                   "季節風",
                   ">>",
                   "]]",
                   "comment",
                   "[[sect2",
                   "農業",
                   "<<",
                   "稲作",
                   ">>",
                   "]]"});
}

Lines With(Lines lines, std::size_t at, const Lines &inserted)
{
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), inserted.begin(), inserted.end());
    return lines;
}

Lines Replaced(Lines lines, std::size_t at, const std::string &line)
{
    lines.at(at) = line;
    return lines;
}

// A section as the tests write it: opening line, title, units.
struct SectionView
{
    std::size_t line;
    std::string title;
    Lines units;
};

std::vector<SectionView> Sections(const IndexOutline &outline)
{
    std::vector<SectionView> sections;
    for (const IndexSection &section : outline.sections)
        sections.push_back({section.line, test::U(section.title), {}});
    for (std::size_t s = 0; s < sections.size(); ++s)
        for (const std::string &unit : outline.sections[s].units)
            sections[s].units.push_back(test::U(unit));
    return sections;
}

bool operator==(const SectionView &a, const SectionView &b)
{
    return a.line == b.line && a.title == b.title && a.units == b.units;
}

void PrintTo(const SectionView &s, std::ostream *out)
{
    *out << "{" << s.line << ", " << s.title << ", " << s.units.size() << " units}";
}

TEST(IndexBuffer, NewIndexIsTheSevenLineTemplate)
{
    EXPECT_EQ(NewIndexLines(),
              JLines({"ここにタイトルをかいてください",
                      "[[sect1",
                      "ここは主メニュー",
                      "<<",
                      "ここは副メニュー",
                      ">>",
                      "]]"}));
    const IndexOutline outline = ReadIndexOutline(NewIndexLines());
    EXPECT_EQ(test::U(outline.title), "ここにタイトルをかいてください");
    EXPECT_EQ(Sections(outline),
              (std::vector<SectionView>{{1, "ここは主メニュー", {"ここは副メニュー"}}}));
}

TEST(IndexBuffer, OutlineTakesSectionsAndUnitsAsTheUnitSelectionReadsThem)
{
    struct Case
    {
        const char *name;
        Lines lines;
        std::string title;
        std::vector<SectionView> sections;
    };
    const Case cases[] = {
        {"two sections, text between them ignored",
         TwoSections(),
         "地理の目次",
         {{1, "気候", {"雨温図", "季節風"}}, {9, "農業", {"稲作"}}}},
        {"a section without units leaves the next one whole",
         JLines({"t", "[[sect1", "空", "<<", ">>", "]]", "[[sect2", "農業", "<<", "稲作", ">>"}),
         "t",
         {{1, "空", {}}, {6, "農業", {"稲作"}}}},
        {"any [[ line opens a section, the title line too",
         JLines({"[[Sect1", "気候", "<<", "雨温図", ">>", "]]"}),
         "[[Sect1",
         {{0, "気候", {"雨温図"}}}},
        {"a unit starting [[ is a unit",
         JLines({"t", "[[sect1", "気候", "<<", "[[x", ">>", "]]"}),
         "t",
         {{1, "気候", {"[[x"}}}},
        {"a section without >> runs to the end",
         JLines({"t", "[[sect1", "気候", "<<", "雨温図", "]]"}),
         "t",
         {{1, "気候", {"雨温図", "]]"}}}},
        {"a section cut short", JLines({"t", "[[sect1"}), "t", {{1, "", {}}}},
        {"no lines", {}, "", {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const IndexOutline outline = ReadIndexOutline(c.lines);
        EXPECT_EQ(test::U(outline.title), c.title);
        EXPECT_EQ(Sections(outline), c.sections);
    }
}

TEST(IndexBuffer, SectionsAreFoundByPositionOnlyUnderSectLines)
{
    struct Case
    {
        const char *name;
        Lines lines;
        int section;
        std::optional<std::size_t> line;
    };
    const Case cases[] = {
        {"first", TwoSections(), 1, 1},
        {"second", TwoSections(), 2, 9},
        {"past the last", TwoSections(), 3, std::nullopt},
        {"zero", TwoSections(), 0, std::nullopt},
        {"[[Sect1 is no section header", Replaced(TwoSections(), 1, "[[Sect1"), 1, std::nullopt},
        // The lists number sections by every "[[" line: section 2 stays section 2.
        {"after a [[Sect1", Replaced(TwoSections(), 1, "[[Sect1"), 2, 9},
        {"the number in the header is not read", Replaced(TwoSections(), 1, "[[sect7"), 1, 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FindSectionLine(c.lines, c.section), c.line);
    }
}

TEST(IndexBuffer, AddSectionAppendsSixLinesNumberedAfterTheLast)
{
    Lines lines = TwoSections();
    int number = 0;
    EXPECT_EQ(AddSection(lines, J("歴史"), number), IndexEdit::done);
    EXPECT_EQ(number, 3);
    EXPECT_EQ(lines,
              With(TwoSections(),
                   TwoSections().size(),
                   {"[[sect3", J("歴史"), "<<", "SubMenu New3", ">>", "]]"}));
    EXPECT_EQ(ReadIndexOutline(lines).sections.back().units, Lines{"SubMenu New3"});

    // An index without lines keeps line 0 for its title.
    Lines empty;
    EXPECT_EQ(AddSection(empty, "A", number), IndexEdit::done);
    EXPECT_EQ(empty, (Lines{"", "[[sect1", "A", "<<", "SubMenu New1", ">>", "]]"}));
}

TEST(IndexBuffer, EditsThatChangeNothing)
{
    Lines eighty = {"t"};
    for (int s = 1; s <= 80; ++s)
        eighty.insert(eighty.end(), {"[[sect" + std::to_string(s), "S", "<<", "u", ">>", "]]"});
    Lines fullSection = {"t", "[[sect1", "S", "<<"};
    for (int u = 1; u <= 80; ++u)
        fullSection.push_back("u" + std::to_string(u));
    fullSection.insert(fullSection.end(), {">>", "]]"});
    const Lines sect1 = Replaced(TwoSections(), 1, "[[Sect1");

    struct Case
    {
        const char *name;
        Lines lines;
        std::function<IndexEdit(Lines &)> edit;
        IndexEdit result;
        std::string message;
    };
    const Case cases[] = {
        {"add an empty section",
         TwoSections(),
         [](Lines &l) {
             int n = 0;
             return AddSection(l, "", n);
         },
         IndexEdit::unchanged,
         ""},
        {"add an 81st section",
         eighty,
         [](Lines &l) {
             int n = 0;
             return AddSection(l, "S", n);
         },
         IndexEdit::full,
         "これ以上追加できません"},
        {"rename a [[Sect1 section",
         sect1,
         [](Lines &l) { return RenameSection(l, 1, "x"); },
         IndexEdit::notFound,
         "not found"},
        {"rename a section past the last",
         TwoSections(),
         [](Lines &l) { return RenameSection(l, 3, "x"); },
         IndexEdit::notFound,
         "not found"},
        {"add a unit to a [[Sect1 section",
         sect1,
         [](Lines &l) { return AddUnit(l, 1, "x"); },
         IndexEdit::notFound,
         "not found"},
        {"add an empty unit",
         TwoSections(),
         [](Lines &l) { return AddUnit(l, 1, ""); },
         IndexEdit::unchanged,
         ""},
        {"add a unit >>",
         TwoSections(),
         [](Lines &l) { return AddUnit(l, 1, ">>"); },
         IndexEdit::reserved,
         "「>>」は副メニューの名前にできません"},
        {"add an 81st unit",
         fullSection,
         [](Lines &l) { return AddUnit(l, 1, "x"); },
         IndexEdit::full,
         "これ以上追加できません"},
        {"rename a unit to empty",
         TwoSections(),
         [](Lines &l) { return RenameUnit(l, 1, 1, ""); },
         IndexEdit::unchanged,
         ""},
        {"rename a unit to >>",
         TwoSections(),
         [](Lines &l) { return RenameUnit(l, 1, 1, ">>"); },
         IndexEdit::reserved,
         "「>>」は副メニューの名前にできません"},
        {"rename a unit past the last",
         TwoSections(),
         [](Lines &l) { return RenameUnit(l, 2, 2, "x"); },
         IndexEdit::notFound,
         "not found"},
        {"rename a unit of a [[Sect1 section",
         sect1,
         [](Lines &l) { return RenameUnit(l, 1, 1, "x"); },
         IndexEdit::notFound,
         "not found"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Lines lines = c.lines;
        EXPECT_EQ(c.edit(lines), c.result);
        EXPECT_EQ(lines, c.lines);
        EXPECT_EQ(test::U(IndexEditMessage(c.result)), c.message);
    }
}

TEST(IndexBuffer, RenamesAndUnitAddsChangeOnlyTheirLines)
{
    const Lines two = TwoSections();
    struct Case
    {
        const char *name;
        Lines lines;
        std::function<IndexEdit(Lines &)> edit;
        Lines expected;
    };
    const Case cases[] = {
        {"rename section 2",
         two,
         [](Lines &l) { return RenameSection(l, 2, J("工業")); },
         Replaced(two, 10, J("工業"))},
        {"rename a section to empty writes an empty title line",
         two,
         [](Lines &l) { return RenameSection(l, 1, ""); },
         Replaced(two, 2, "")},
        {"add a unit to section 2 goes just before its >>",
         two,
         [](Lines &l) { return AddUnit(l, 2, J("畑作")); },
         With(two, 13, {J("畑作")})},
        {"add a unit to section 1 goes just before its >>",
         two,
         [](Lines &l) { return AddUnit(l, 1, J("梅雨")); },
         With(two, 6, {J("梅雨")})},
        {"add a unit to a section without units",
         JLines({"t", "[[sect1", "空", "<<", ">>", "]]"}),
         [](Lines &l) { return AddUnit(l, 1, "u"); },
         JLines({"t", "[[sect1", "空", "<<", "u", ">>", "]]"})},
        {"add a unit to a section without >>",
         JLines({"t", "[[sect1", "S", "<<", "a"}),
         [](Lines &l) { return AddUnit(l, 1, "b"); },
         JLines({"t", "[[sect1", "S", "<<", "a", "b"})},
        {"a section cut short gets its title and << first",
         JLines({"t", "[[sect1"}),
         [](Lines &l) { return AddUnit(l, 1, "u"); },
         JLines({"t", "[[sect1", "", "<<", "u"})},
        {"rename a section cut short",
         JLines({"t", "[[sect1"}),
         [](Lines &l) { return RenameSection(l, 1, "S"); },
         JLines({"t", "[[sect1", "S", "<<"})},
        {"rename unit 2 of section 1",
         two,
         [](Lines &l) { return RenameUnit(l, 1, 2, J("台風")); },
         Replaced(two, 5, J("台風"))},
        {"rename the unit of section 2",
         two,
         [](Lines &l) { return RenameUnit(l, 2, 1, J("米")); },
         Replaced(two, 12, J("米"))},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Lines lines = c.lines;
        EXPECT_EQ(c.edit(lines), IndexEdit::done);
        EXPECT_EQ(lines, c.expected);
    }
}

TEST(IndexBuffer, TitleIsLineZero)
{
    Lines lines = TwoSections();
    SetIndexTitle(lines, J("新しい目次"));
    EXPECT_EQ(lines, Replaced(TwoSections(), 0, J("新しい目次")));
    Lines empty;
    SetIndexTitle(empty, "t");
    EXPECT_EQ(empty, Lines{"t"});
}

} // namespace
} // namespace zelkon
