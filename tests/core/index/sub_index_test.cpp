// Lesson sub-indexes: the section walk, its limits and faults, and the lesson's files on disk.
#include "index/sub_index.h"

#include "index/main_index.h"
#include "support/test_support.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace zelkon {
namespace {

using test::J;
using test::JLines;
using test::U;

// Captions and units of a section in UTF-8, for readable comparisons.
struct Section
{
    std::string caption;
    std::vector<std::string> units;
    bool operator==(const Section &) const = default;
};

std::ostream &operator<<(std::ostream &out, const Section &s)
{
    out << s.caption << " {";
    for (const std::string &u : s.units)
        out << " " << u;
    return out << " }";
}

std::vector<Section> SectionsOf(const CourseIndex &index)
{
    EXPECT_EQ(index.sectionCaptions.size(), index.unitCaptions.size());
    std::vector<Section> out;
    for (std::size_t s = 0; s < index.sectionCaptions.size(); ++s) {
        Section section{U(index.sectionCaptions[s]), {}};
        for (const std::string &u : index.unitCaptions[s])
            section.units.push_back(U(u));
        out.push_back(section);
    }
    return out;
}

TEST(SubIndex, WalksSections)
{
    const struct
    {
        const char *name;
        std::vector<std::string> lines;
        std::string title;
        std::vector<Section> sections;
    } cases[] = {
        {"the editor's new index",
         {"ここにタイトルをかいてください",
          "[[sect1",
          "ここは主メニュー",
          "<<",
          "ここは副メニュー",
          ">>",
          "]]"},
         "ここにタイトルをかいてください",
         {{"ここは主メニュー", {"ここは副メニュー"}}}},
        {"a title line starting with [[ is a section",
         {"[[sect1", "気候", "<<", "雨温図", ">>"},
         "[[sect1",
         {{"気候", {"雨温図"}}}},
        {"lines between >> and the next [[ are ignored",
         {"地理",
          "[[sect1",
          "A",
          "<<",
          "a1",
          ">>",
          "]]",
          "メモ",
          "[[sect7",
          "B",
          "<<",
          "b1",
          "b2",
          ">>",
          "]]"},
         "地理",
         {{"A", {"a1"}}, {"B", {"b1", "b2"}}}},
        {"an empty section", {"T", "[[sect1", "A", "<<", ">>", "]]"}, "T", {{"A", {}}}},
        {"the line after the caption is skipped whatever it holds",
         {"T", "[[s", "A", ">>", "a1", ">>"},
         "T",
         {{"A", {"a1"}}}},
        {"inside a unit list only an exact >> closes",
         {"T", "[[s", "A", "<<", "[[sect2", ">> ", "", ">>"},
         "T",
         {{"A", {"[[sect2", ">> ", ""}}}},
        {"only two leading [ start a section",
         {"T", "[ [s", "[s", " [[s", "[[", "A", "<<", ">>"},
         "T",
         {{"A", {}}}},
        {"no sections", {"T", "x"}, "T", {}},
        {"empty file", {}, "", {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        CourseIndex index;
        index.sectionCaptions = {"old"};
        index.unitCaptions = {{"old"}};
        Messages messages;
        EXPECT_TRUE(ParseSubIndex(JLines(c.lines), "s.ind", index, messages));
        EXPECT_TRUE(messages.empty());
        EXPECT_EQ(U(index.subIndexTitle), c.title);
        EXPECT_EQ(SectionsOf(index), c.sections);
    }
}

TEST(SubIndex, SectionWithoutClosingLineStops)
{
    const struct
    {
        const char *name;
        std::vector<std::string> lines;
        std::vector<Section> sections;
        std::string message;
        int line;
    } cases[] = {
        // The unclosed unit list runs over the next section's lines.
        {"last section",
         {"T", "[[s", "A", "<<", "a1", ">>", "[[s", "B", "<<", "b1", "[[s", "C", "<<", "c1"},
         {{"A", {"a1"}}, {"B", {"b1", "[[s", "C", "<<", "c1"}}},
         "ファイル s.ind のセクション 2 に終わりの行 \">>\" がありません",
         7},
        {"file ends after [[",
         {"T", "[[s"},
         {{"", {}}},
         "ファイル s.ind のセクション 1 に終わりの行 \">>\" がありません",
         2},
        {"file ends after the caption",
         {"T", "[[s", "A", "<<"},
         {{"A", {}}},
         "ファイル s.ind のセクション 1 に終わりの行 \">>\" がありません",
         2},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        CourseIndex index;
        Messages messages;
        EXPECT_FALSE(ParseSubIndex(c.lines, "s.ind", index, messages));
        EXPECT_EQ(SectionsOf(index), c.sections);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(U(messages[0].text), c.message);
        EXPECT_EQ(messages[0].line, c.line);
    }
}

TEST(SubIndex, ALongLineStopsTheReadBeforeAnything)
{
    const std::string longest(4096, 'u');
    CourseIndex index;
    Messages messages;
    EXPECT_TRUE(ParseSubIndex({"T", "[[s", "A", "<<", longest, ">>"}, "s.ind", index, messages));
    EXPECT_EQ(SectionsOf(index), (std::vector<Section>{{"A", {longest}}}));

    for (const std::vector<std::string> &lines :
         {std::vector<std::string>{"T", "[[s", "A", "<<", longest + "u", ">>"},
          std::vector<std::string>{"T", "[[s", "A", "<<", "a", ">>", "", longest + "u"}}) {
        messages.clear();
        EXPECT_FALSE(ParseSubIndex(lines, "s.ind", index, messages));
        EXPECT_TRUE(index.subIndexTitle.empty());
        EXPECT_TRUE(SectionsOf(index).empty());
        ASSERT_EQ(messages.size(), 1u);
        const int line = static_cast<int>(lines.size() == 6 ? 5 : 8);
        EXPECT_EQ(U(messages[0].text),
                  "ファイル s.ind の" + std::to_string(line)
                      + "行目が長すぎます（1行4096バイトまで）");
        EXPECT_EQ(messages[0].line, line);
    }
}

TEST(SubIndex, EightySectionsAndUnitsFitAndTheEightyFirstStops)
{
    // 81 sections of one unit each: 5 lines per section after the title.
    std::vector<std::string> sections = {"T"};
    for (int s = 1; s <= 81; ++s)
        for (std::string line : {"[[sect" + std::to_string(s),
                                 "S" + std::to_string(s),
                                 std::string("<<"),
                                 std::string("u"),
                                 std::string(">>")})
            sections.push_back(line);

    CourseIndex index;
    Messages messages;
    EXPECT_FALSE(ParseSubIndex(sections, "s.ind", index, messages));
    EXPECT_EQ(index.sectionCaptions.size(), 80u);
    EXPECT_EQ(index.sectionCaptions.back(), "S80");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(U(messages[0].text), "ファイル s.ind のセクションが80を超えています");
    EXPECT_EQ(messages[0].line, 1 + 80 * 5 + 1);

    sections.resize(1 + 80 * 5);
    messages.clear();
    EXPECT_TRUE(ParseSubIndex(sections, "s.ind", index, messages));
    EXPECT_EQ(index.sectionCaptions.size(), 80u);

    // Section 2 with 81 units.
    std::vector<std::string> units = {"T", "[[s", "A", "<<", "a", ">>", "[[s", "B", "<<"};
    for (int u = 1; u <= 81; ++u)
        units.push_back("b" + std::to_string(u));
    units.push_back(">>");
    messages.clear();
    EXPECT_FALSE(ParseSubIndex(units, "s.ind", index, messages));
    EXPECT_EQ(UnitCount(index, 1), 1);
    EXPECT_EQ(UnitCount(index, 2), 80);
    EXPECT_EQ(UnitCaption(index, 2, 80), "b80");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(U(messages[0].text), "ファイル s.ind のセクション 2 の単元が80を超えています");
    EXPECT_EQ(messages[0].line, 9 + 81);

    units.erase(units.end() - 2); // drop unit 81
    messages.clear();
    EXPECT_TRUE(ParseSubIndex(units, "s.ind", index, messages));
    EXPECT_EQ(UnitCount(index, 2), 80);
}

// A program folder whose main index names lessons made on Windows.
class SubIndexFiles : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Lesson 1 is spelled in other case than on disk; lesson 2's folder ends in 表 (0x5C).
        test::WriteCp932File(m_dir.file("Main.ind"),
                             {"社会",
                              "",
                              "地理,GEO\\\\Chiri",
                              "地図表,地図表\\\\map",
                              "歴史,reki\\\\r",
                              "なし",
                              ">>"});
        test::WriteCp932File(m_dir.file("geo/CHIRI.IND"),
                             {"地理の目次", "[[sect1", "気候", "<<", "雨温図", ">>", "]]"});
        test::WriteBytes(m_dir.file("地図表/map.ind"),
                         J("地図\n[[sect1\n地形\n<<\n山地\n平野\n>>\n]]\n"));
        std::filesystem::create_directories(m_dir.file("reki"));
        Messages messages;
        ASSERT_EQ(ReadMainIndex(program(), m_index, messages), MainIndexRead::complete);
    }

    std::string program() const { return m_dir.composed(); }

    test::TempDir m_dir;
    CourseIndex m_index;
};

TEST_F(SubIndexFiles, ReadsLessonsWithCrLfOrLf)
{
    const struct
    {
        int lesson;
        std::string title;
        std::vector<Section> sections;
    } cases[] = {
        {1, "地理の目次", {{"気候", {"雨温図"}}}},
        {2, "地図", {{"地形", {"山地", "平野"}}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.lesson);
        Messages messages;
        EXPECT_TRUE(ReadSubIndex(program(), c.lesson, m_index, messages));
        EXPECT_TRUE(messages.empty());
        EXPECT_EQ(U(m_index.subIndexTitle), c.title);
        EXPECT_EQ(SectionsOf(m_index), c.sections);
    }
}

TEST_F(SubIndexFiles, MissingFolderKeepsSectionsAndMissingFileEmptiesThem)
{
    const std::string dir = m_dir.path() + "\\";
    const struct
    {
        const char *name;
        int lesson;
        std::string message;
    } cases[] = {
        {"missing file", 3, "ファイル " + dir + "reki\\r.ind が見つかりません"},
        // A lesson line without "," has no folder nor prefix at start-up.
        {"line without comma", 4, "ファイル " + dir + ".ind が見つかりません"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Messages messages;
        ASSERT_TRUE(ReadSubIndex(program(), 1, m_index, messages));
        EXPECT_FALSE(ReadSubIndex(program(), c.lesson, m_index, messages));
        EXPECT_TRUE(m_index.subIndexTitle.empty());
        EXPECT_TRUE(m_index.sectionCaptions.empty());
        EXPECT_TRUE(m_index.unitCaptions.empty());
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(U(messages[0].text), c.message);
        EXPECT_EQ(messages[0].line, 0);
    }

    // A missing lesson folder reads nothing: the sections of the lesson before stay.
    Messages messages;
    ASSERT_TRUE(ReadSubIndex(program(), 1, m_index, messages));
    m_index.lessonFolder[3] = "nope\\";
    EXPECT_FALSE(ReadSubIndex(program(), 3, m_index, messages));
    EXPECT_EQ(U(m_index.subIndexTitle), "地理の目次");
    EXPECT_EQ(SectionsOf(m_index), (std::vector<Section>{{"気候", {"雨温図"}}}));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(U(messages[0].text), "ディレクトリ " + dir + "nope\\ が見つかりません");
}

} // namespace
} // namespace zelkon
