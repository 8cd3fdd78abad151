// The record window's list: counts, keys, the sub-index scan, copy files and the notes that
// stand for a missing source.
#include "records/record_list.h"

#include "support/test_support.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace zelkon {
namespace {

using test::J;
using test::U;

// The texts of the entries in UTF-8, with the key and the record file's name after a "|" where
// the entry has them, and notes marked "note: ".
std::vector<std::string> Lines(const std::vector<RecordListEntry> &entries)
{
    std::vector<std::string> lines;
    for (const RecordListEntry &e : entries) {
        std::string line = (e.note ? "note: " : "") + U(e.text);
        if (!e.key.empty())
            line += " | " + U(e.key) + " @ " + U(e.recordFile.substr(e.recordFile.rfind('\\') + 1));
        lines.push_back(line);
    }
    return lines;
}

TEST(RecordList, CountsKeysAndLines)
{
    const struct
    {
        int count;
        const char *text;
    } counts[] = {{0, "  "}, {-1, "  "}, {1, "01"}, {9, "09"}, {10, "10"}, {100, "100"}};
    for (const auto &c : counts)
        EXPECT_EQ(RecordCountText(c.count), c.text) << c.count;
    EXPECT_EQ(U(RecordListLine(3, J("S12関東"))), "03回S12関東");

    const struct
    {
        const char *line;
        const char *key;
    } keys[] = {
        {"03回S12関東", "S12関東"},
        {"  回a.prp", "a.prp"},
        {"10回S11第1回", "S11第1回"}, // the first "回" only
        {"都道府県", "?"},
        {"", "?"},
    };
    for (const auto &c : keys)
        EXPECT_EQ(U(RecordLineKey(J(c.line))), c.key) << c.line;
}

TEST(RecordList, SubIndexScannedSectionBySection)
{
    test::TempDir dir;
    test::WriteCp932File(
        dir.file("r.ini"),
        {"[password]", "pw=abcd", "[S11北海道]", "1=a", "2=b", "[S21気候区分]", "1=c"});
    ProfileKeyCounts counts;
    ASSERT_TRUE(counts.load(dir.composed() + "r.ini"));

    const std::vector<std::string> index = test::JLines({"地理インデックス",
                                                         "[[sect1",
                                                         "都道府県",
                                                         "<<",
                                                         "北海道",
                                                         "",
                                                         ">>",
                                                         "]]",
                                                         "外の行",
                                                         "[[sect2",
                                                         "気候",
                                                         "<<",
                                                         "気候区分",
                                                         ">>",
                                                         "[[sect3",
                                                         "終わりのない節",
                                                         "<<",
                                                         "最後"});
    EXPECT_EQ(Lines(UnitEntries(index, counts, "F\\r.ini")),
              (std::vector<std::string>{"都道府県",
                                        "02回S11北海道 | S11北海道 @ r.ini",
                                        "  回S12 | S12 @ r.ini",
                                        "気候",
                                        "01回S21気候区分 | S21気候区分 @ r.ini",
                                        "終わりのない節",
                                        "  回S31最後 | S31最後 @ r.ini"}));
    // A "[[" line at the very end starts a section without title or units.
    EXPECT_TRUE(UnitEntries({"[["}, counts, "F").empty());
}

TEST(RecordList, SectionsAndUnitsStopAtEightyAsInTheUnitSelectionWindow)
{
    std::vector<std::string> index = {"T"};
    for (int s = 1; s <= 82; ++s) {
        for (const std::string &line :
             {std::string("[[sect"), "S" + std::to_string(s), std::string("<<")})
            index.push_back(line);
        for (int u = 1; u <= (s == 1 ? 1000 : 1); ++u)
            index.push_back("u" + std::to_string(u));
        index.push_back(">>");
    }
    const std::vector<RecordListEntry> entries = UnitEntries(index, ProfileKeyCounts(), "F");
    // 80 sections: a title each, 80 units in the first, one in each of the others.
    ASSERT_EQ(entries.size(), 80u + 80u + 79u);
    EXPECT_EQ(entries[80].key, "S180u80");
    EXPECT_EQ(entries[81].text, "S2");
    EXPECT_EQ(entries.back().key, "S801u1");
}

class RecordListFiles : public ::testing::Test
{
protected:
    RecordListFiles()
    {
        state.programFolder = dir.composed();
        state.learnerName = J("生徒");
        index.lessonFolder[1] = "chiri\\";
        index.lessonPrefix[1] = "ch";
        index.lessonFolder[2] = "rekishi\\";
        index.lessonPrefix[2] = "re";
        test::WriteCp932File(dir.file("chiri/ch.ind"),
                             {"地理", "[[sect1", "都道府県", "<<", "北海道", ">>", "]]"});
        test::WriteCp932File(dir.file("rekishi/re.ind"),
                             {"歴史", "[[sect1", "原始", "<<", "縄文", ">>", "]]"});
        test::WriteCp932File(
            dir.file("LogOn/生徒1.ini"),
            {"[password]", "pw=abcd", "[S11北海道]", "1=a", "[b.PRP]", "1=p", "2=q"});
        test::WriteCp932File(dir.file("LogOn/生徒2.ini"), {"[S11縄文]", "1=j", "[b.prp]", "1=z"});
        for (const char *name : {"re/b.PRP", "re/a.prp", "re/c.txt", "re/.hidden.prp"})
            test::WriteCp932File(dir.file(name), {"[[unitX"});
    }

    test::TempDir dir;
    AppState state;
    CourseIndex index;
};

TEST_F(RecordListFiles, SourcesOfALesson)
{
    const RecordListSources sources = RecordListSourcesOf(state, index, 2);
    EXPECT_EQ(U(sources.indexFile), U(dir.composed()) + "rekishi\\re.ind");
    EXPECT_EQ(U(sources.copyFolder), U(dir.composed()) + "re");
    EXPECT_EQ(U(sources.lessonRecords), U(dir.composed()) + "LogOn\\生徒2.ini");
    EXPECT_EQ(U(sources.copyRecords), U(dir.composed()) + "LogOn\\生徒1.ini");
    // No lesson chosen yet: lesson 1 for the index as for the records.
    for (const int lesson : {0, -1}) {
        const RecordListSources first = RecordListSourcesOf(state, index, lesson);
        EXPECT_EQ(U(first.indexFile), U(dir.composed()) + "chiri\\ch.ind");
        EXPECT_EQ(first.lessonRecords, first.copyRecords);
    }
}

TEST_F(RecordListFiles, CopyFilesCountedWhereTheirDrillsAreRecorded)
{
    // Drills on copy files are written to the file of lesson 1, whatever the lesson shown.
    EXPECT_EQ(Lines(BuildRecordList(RecordListSourcesOf(state, index, 2))),
              (std::vector<std::string>{"原始",
                                        "01回S11縄文 | S11縄文 @ 生徒2.ini",
                                        "  回a.prp | a.prp @ 生徒1.ini",
                                        "02回b.PRP | b.PRP @ 生徒1.ini"}));
}

TEST_F(RecordListFiles, MissingSourcesSaySoInOneLine)
{
    const std::string root = U(dir.composed());
    EXPECT_EQ(Lines(BuildRecordList(RecordListSourcesOf(state, index, 1))),
              (std::vector<std::string>{"都道府県",
                                        "01回S11北海道 | S11北海道 @ 生徒1.ini",
                                        "note: コピーファイルはありません（ディレクトリ " + root
                                            + "ch が見つかりません）"}));

    std::filesystem::remove(dir.file("rekishi/re.ind"));
    EXPECT_EQ(Lines(BuildRecordList(RecordListSourcesOf(state, index, 2))),
              (std::vector<std::string>{"note: 単元の一覧がありません（ファイル " + root
                                            + "rekishi\\re.ind が見つかりません）",
                                        "  回a.prp | a.prp @ 生徒1.ini",
                                        "02回b.PRP | b.PRP @ 生徒1.ini"}));
}

TEST_F(RecordListFiles, SubIndexTooLongToListIsANote)
{
    test::WriteBytes(dir.file("chiri/ch.ind"),
                     J("地理\r\n[[sect1\r\n都道府県\r\n<<\r\n") + std::string(1000000, 'u')
                         + "\r\n>>\r\n");
    EXPECT_EQ(
        Lines(BuildRecordList(RecordListSourcesOf(state, index, 1))),
        (std::vector<std::string>{"note: ファイル " + U(dir.composed())
                                      + "chiri\\ch.ind の5行目が長すぎます（1行4096バイトまで）",
                                  "note: コピーファイルはありません（ディレクトリ "
                                      + U(dir.composed()) + "ch が見つかりません）"}));
}

TEST_F(RecordListFiles, UnreadableRecordFileIsANoteNotAnEmptyList)
{
    std::filesystem::remove(dir.file("LogOn/生徒1.ini"));
    std::filesystem::create_symlink("生徒1.ini", dir.file("LogOn/生徒1.ini"));
    const std::vector<std::string> lines
        = Lines(BuildRecordList(RecordListSourcesOf(state, index, 1)));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(
        lines[0].rfind("note: ファイル " + dir.file("LogOn/生徒1.ini") + " を読み込めません（", 0),
        0u)
        << lines[0];
    EXPECT_EQ(lines[2], "  回S11北海道 | S11北海道 @ 生徒1.ini");

    // A refused learner name has no record file: the note says why.
    state.learnerName = "..";
    EXPECT_EQ(Lines(BuildRecordList(RecordListSourcesOf(state, index, 1)))[0],
              "note: この氏名では記録ファイルを使えません");
}

} // namespace
} // namespace zelkon
