// Graph folder lookup and loading of graph bitmaps and the class flag, over a fake loader.
#include "sheet/graph_loading.h"

#include "index/course_index.h"
#include "sheet/worksheet.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace zelkon {
namespace {

using test::J;
using test::TempDir;
using test::U;
using test::WriteBytes;

constexpr std::string_view kDamaged = "damaged";

// A picture that remembers the file it came from.
struct FakePicture : Picture
{
    explicit FakePicture(std::string from)
        : fsPath(std::move(from))
    {}
    int width() const override { return 10; }
    int height() const override { return 20; }
    std::string fsPath;
};

// Reads files whose content is not "damaged"; records every path it is asked for.
class FakeLoader : public PictureLoader
{
public:
    std::shared_ptr<const Picture> load(const std::string &fsPath) override
    {
        requested.push_back(fsPath);
        if (test::ReadBytes(fsPath) == kDamaged)
            return nullptr;
        return std::make_shared<FakePicture>(fsPath);
    }
    std::vector<std::string> requested;
};

std::string SourceOf(const std::shared_ptr<const Picture> &picture)
{
    const auto *fake = dynamic_cast<const FakePicture *>(picture.get());
    return fake ? fake->fsPath : std::string();
}

std::vector<std::string> Texts(const Messages &messages)
{
    std::vector<std::string> out;
    for (const Message &m : messages)
        out.push_back(U(m.text));
    return out;
}

CourseIndex TwoLessons()
{
    CourseIndex index;
    index.lessonFolder[1] = "chiri\\";
    index.lessonFolder[2] = J("地図表\\"); // 表 ends in 0x5C, which is no "\"
    return index;
}

TEST(GraphFolder, PrefersTheLessonFolderThenTheProgramFolder)
{
    struct Case
    {
        const char *name;
        std::vector<std::string> folders; // created under the program folder
        int lesson;
        std::string expected; // UTF-8, after the program folder; empty for no folder at all
    };
    const Case cases[] = {
        {"lesson's Graph", {"chiri/Graph", "Graph"}, 1, "chiri\\Graph\\"},
        {"spelt graph on Windows", {"chiri/graph"}, 1, "chiri\\Graph\\"},
        {"lesson 0 counts as 1", {"chiri/GRAPH"}, 0, "chiri\\Graph\\"},
        {"kanji folder", {"地図表/Graph"}, 2, "地図表\\Graph\\"},
        {"program's Graph", {"chiri", "Graph"}, 1, "Graph\\"},
        {"lesson beyond the table", {"Graph"}, 81, "Graph\\"},
        {"none", {"chiri"}, 1, ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        for (const std::string &f : c.folders)
            std::filesystem::create_directories(dir.file(f));
        const std::string folder = graphFolder(dir.composed(), TwoLessons(), c.lesson);
        EXPECT_EQ(U(folder), c.expected.empty() ? "" : U(dir.composed()) + c.expected);
    }
}

class GraphLoading : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::filesystem::create_directories(dir.file("chiri/graph"));
        folder = graphFolder(dir.composed(), TwoLessons(), 1);
        ASSERT_FALSE(folder.empty());
    }
    // Writes a bitmap into the lesson's graph folder, spelt as Windows courseware may be.
    void Bitmap(const std::string &name, std::string_view content = "BM")
    {
        WriteBytes(dir.file("chiri/graph/" + name), content);
    }

    TempDir dir;
    std::string folder;
    FakeLoader loader;
    Worksheet sheet;
};

TEST_F(GraphLoading, LoadsEachTripleAndHidesTheSlotsAbove)
{
    Bitmap("Map1.bmp");
    Bitmap("Uon1.BMP");
    for (GraphSlot &slot : sheet.graphs.figures)
        slot.visible = true;
    sheet.graphLines = {"map1.bmp", "120", "340", "Uon1.bmp", "-1", "-1", "Extra.bmp"};

    EXPECT_TRUE(LoadQuestionGraphs(sheet, folder, loader).empty());

    ASSERT_EQ(loader.requested.size(), 2u); // the incomplete third triple is no graph
    EXPECT_EQ(SourceOf(sheet.graphs.figures[1].question), dir.file("chiri/graph/Map1.bmp"));
    EXPECT_EQ(SourceOf(sheet.graphs.figures[2].question), dir.file("chiri/graph/Uon1.BMP"));
    EXPECT_EQ(sheet.graphs.figures[1].shown, sheet.graphs.figures[1].question);
    EXPECT_EQ(sheet.graphs.figures[1].left, 120);
    EXPECT_EQ(sheet.graphs.figures[2].left, -1);
    for (int k = 1; k <= kMaxGraphs; ++k)
        EXPECT_EQ(sheet.graphs.figures[k].visible, k <= 2) << "slot " << k;
    EXPECT_EQ(sheet.graphs.figures[1].answer, nullptr);
}

TEST_F(GraphLoading, NeverMoreThanFifteenGraphs)
{
    for (int k = 1; k <= 16; ++k) {
        const std::string name = "g" + std::to_string(k) + ".bmp";
        Bitmap(name);
        sheet.graphLines.insert(sheet.graphLines.end(), {name, std::to_string(k), "0"});
        sheet.answerGraphLines.insert(sheet.answerGraphLines.end(), {name, "0", "0"});
    }
    EXPECT_TRUE(LoadQuestionGraphs(sheet, folder, loader).empty());
    EXPECT_TRUE(LoadAnswerGraphs(sheet, folder, loader).empty());

    EXPECT_EQ(loader.requested.size(), 30u);
    for (const std::string &path : loader.requested)
        EXPECT_EQ(path.find("g16.bmp"), std::string::npos);
    EXPECT_EQ(sheet.graphs.figures[15].left, 15);
    EXPECT_TRUE(sheet.graphs.figures[15].visible);
    EXPECT_NE(sheet.graphs.figures[15].answer, nullptr);
}

TEST_F(GraphLoading, MissingOrDamagedFilesAreReportedAndKeepTheOldPicture)
{
    Bitmap("Broken.bmp", kDamaged);
    const auto old = std::make_shared<FakePicture>("old");
    sheet.graphs.figures[1].question = old;
    sheet.graphs.figures[2].question = old;
    sheet.graphLines = {"Nope.bmp", "50", "60", "Broken.bmp", "70", "80"};

    EXPECT_EQ(Texts(LoadQuestionGraphs(sheet, folder, loader)),
              (std::vector<std::string>{
                  "ファイル " + U(folder) + "Nope.bmp が見つかりません",
                  "ファイル " + U(folder) + "Broken.bmp を読み込めません",
              }));
    for (int k : {1, 2}) {
        EXPECT_EQ(sheet.graphs.figures[k].question, old);
        EXPECT_TRUE(sheet.graphs.figures[k].visible); // still shown at its place
    }
    EXPECT_EQ(sheet.graphs.figures[2].left, 70);
}

TEST_F(GraphLoading, EmptyNamesAreSkippedAndBadPositionsReported)
{
    Bitmap("Map1.bmp");
    sheet.graphLines = {"", "10", "10", "Map1.bmp", "abc", "10"};

    EXPECT_EQ(Texts(LoadQuestionGraphs(sheet, folder, loader)),
              std::vector<std::string>{"Map1.bmp の横位置 abc は整数ではありません"});
    EXPECT_FALSE(sheet.graphs.figures[1].visible);
    EXPECT_EQ(loader.requested.size(), 1u);
    EXPECT_TRUE(sheet.graphs.figures[2].visible);
    EXPECT_EQ(sheet.graphs.figures[2].left, 0); // placed beside its text at the next render
}

TEST_F(GraphLoading, AnswerGraphsFillOnlyTheAnswerBuffers)
{
    Bitmap("Map1A.bmp");
    sheet.graphs.figures[3].visible = false;
    sheet.answerGraphLines
        = {"Map1A.bmp", "1", "1", "", "2", "2", "Gone.bmp", "3", "3", "Map1A.bmp"};

    EXPECT_EQ(Texts(LoadAnswerGraphs(sheet, folder, loader)),
              std::vector<std::string>{"ファイル " + U(folder) + "Gone.bmp が見つかりません"});
    EXPECT_EQ(SourceOf(sheet.graphs.figures[1].answer), dir.file("chiri/graph/Map1A.bmp"));
    EXPECT_EQ(sheet.graphs.figures[2].answer, nullptr);
    EXPECT_EQ(loader.requested.size(), 1u);
    EXPECT_FALSE(sheet.graphs.figures[1].visible);
    EXPECT_EQ(sheet.graphs.figures[1].shown, nullptr);
    EXPECT_EQ(sheet.graphs.figures[1].left, 0);
}

TEST_F(GraphLoading, NamesStandAsWrittenWithoutAGraphFolder)
{
    sheet.graphLines = {"Nope.bmp", "1", "1"};
    EXPECT_EQ(Texts(LoadQuestionGraphs(sheet, "", loader)),
              std::vector<std::string>{"ファイル Nope.bmp が見つかりません"});
}

TEST(ClassFlag, LoadedWhenPresentHiddenSilentlyWhenMissingReportedWhenDamaged)
{
    TempDir dir;
    FakeLoader loader;
    SheetGraphs graphs;
    graphs.classFlag = std::make_shared<FakePicture>("old");

    EXPECT_TRUE(LoadClassFlag(graphs, dir.composed(), loader).empty());
    EXPECT_EQ(graphs.classFlag, nullptr);

    WriteBytes(dir.file("ClassFlag.BMP"), "BM");
    EXPECT_TRUE(LoadClassFlag(graphs, dir.composed(), loader).empty());
    EXPECT_EQ(SourceOf(graphs.classFlag), dir.file("ClassFlag.BMP"));

    WriteBytes(dir.file("ClassFlag.BMP"), kDamaged);
    EXPECT_EQ(Texts(LoadClassFlag(graphs, dir.composed(), loader)),
              std::vector<std::string>{"ファイル " + U(dir.composed())
                                       + "classFlag.bmp を読み込めません"});
    EXPECT_EQ(graphs.classFlag, nullptr);
}

} // namespace
} // namespace zelkon
