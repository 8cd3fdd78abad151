// zelkon-tool as a user runs it: its JSON, its problem lines and its exit codes.
#include "support/test_support.h"
#include "tool_run.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace zelkon {
namespace {

using test::ToolRun;

ToolRun Tool(const QStringList &args)
{
    return test::RunTool(args);
}

QJsonObject Json(const ToolRun &run)
{
    return QJsonDocument::fromJson(run.out.toUtf8()).object();
}

// A small courseware folder: one lesson with two sections, the second one faulty.
class ToolTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        test::WriteCp932File(dir.file("Main.ind"),
                             {"テスト教材", "", "地図表,geo\\\\ge", "歴史,his\\\\hi", ">>"});
        test::WriteCp932File(dir.file("geo/ge.ind"),
                             {"地理の目次",
                              "[[sect1",
                              "都道府県",
                              "<<",
                              "北海道",
                              "東北",
                              ">>",
                              "]]",
                              "[[sect2",
                              "気候",
                              "<<",
                              "季節風",
                              ">>",
                              "]]"});
        test::WriteCp932File(
            dir.file("geo/ge1.que"),
            {"[[unit1", "<<ques",   "北海道の道庁所在地は　#　札幌;さっぽろ　#　です",
             ">>",      "<<value",  "630",
             "False",   "40",       "5",
             "5",       "1",        "7",
             ">>",      "]]",       "[[unit1R1",
             "<<ques",  "類題の行", ">>",
             "]]",      "[[unit2",  "<<kran",
             "5",       ">>",       "]]"});
        // Section 2: a value block of six lines.
        test::WriteCp932File(
            dir.file("geo/ge2.que"),
            {"[[unit1", "<<value", "630", "False", "40", "5", "5", "1", ">>", "]]"});
    }

    test::TempDir dir;
};

TEST_F(ToolTest, DumpIndexGivesLessonsAndTheChosenSubIndex)
{
    const ToolRun run = Tool({"dump-index", QString::fromStdString(dir.path()), "--lesson", "1"});
    EXPECT_EQ(run.exitCode, 0);
    const QJsonObject json = Json(run);
    EXPECT_EQ(json["mainTitle"].toString(), "テスト教材");
    const QJsonArray lessons = json["lessons"].toArray();
    ASSERT_EQ(lessons.size(), 2);
    EXPECT_EQ(lessons[0]["caption"].toString(), "地図表");
    EXPECT_EQ(lessons[0]["folder"].toString(), "geo\\");
    EXPECT_EQ(lessons[0]["prefix"].toString(), "ge");
    EXPECT_EQ(json["lesson"].toInt(), 1);
    const QJsonObject sub = json["subIndex"].toObject();
    EXPECT_EQ(sub["title"].toString(), "地理の目次");
    const QJsonArray sections = sub["sections"].toArray();
    ASSERT_EQ(sections.size(), 2);
    EXPECT_EQ(sections[0]["caption"].toString(), "都道府県");
    EXPECT_EQ(sections[0]["units"].toArray().size(), 2);
    EXPECT_TRUE(json["messages"].toArray().isEmpty());

    const ToolRun badLesson
        = Tool({"dump-index", QString::fromStdString(dir.path()), "--lesson", "3"});
    EXPECT_EQ(badLesson.exitCode, 1);
    EXPECT_EQ(Json(badLesson)["messages"].toArray()[0].toString(),
              "レッスン 3 はありません（1～2）");

    const ToolRun noLesson = Tool({"dump-index", QString::fromStdString(dir.path())});
    EXPECT_TRUE(Json(noLesson)["subIndex"].isNull());
    EXPECT_TRUE(Json(noLesson)["lesson"].isNull());
}

TEST_F(ToolTest, DumpIndexOfAFolderWithoutMainIndexFails)
{
    test::TempDir empty;
    const ToolRun run = Tool({"dump-index", QString::fromStdString(empty.path())});
    EXPECT_EQ(run.exitCode, 1);
    const QJsonArray messages = Json(run)["messages"].toArray();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].toString().startsWith("ファイル "));
    EXPECT_TRUE(messages[0].toString().endsWith("Main.ind が見つかりません"));
}

TEST_F(ToolTest, DumpUnitGivesEveryList)
{
    const QString file = QString::fromStdString(dir.file("geo/ge1.que"));
    const ToolRun run = Tool({"dump-unit", file, "[[unit1"});
    EXPECT_EQ(run.exitCode, 0);
    const QJsonObject json = Json(run);
    EXPECT_TRUE(json["ok"].toBool());
    for (const char *key : {"messages",
                            "questionLines",
                            "headerLines",
                            "valueLines",
                            "fontLines",
                            "kranLines",
                            "graphLines",
                            "answerGraphLines",
                            "kgroupLines",
                            "softkeyLines"})
        EXPECT_TRUE(json[key].isArray()) << key;
    EXPECT_EQ(json["questionLines"].toArray()[0].toString(),
              "北海道の道庁所在地は　#　札幌;さっぽろ　#　です");
    EXPECT_EQ(json["valueLines"].toArray().size(), 7);

    const QJsonObject unit2 = Json(Tool({"dump-unit", file, "[[unit2"}));
    EXPECT_EQ(unit2["kranLines"].toArray().size(), 10);

    const ToolRun missing = Tool({"dump-unit", file, "[[unit9"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_FALSE(Json(missing)["ok"].toBool());

    const ToolRun emoji = Tool({"dump-unit", file, "[[unit1😀"});
    EXPECT_EQ(emoji.exitCode, 1);
    EXPECT_TRUE(Json(emoji)["messages"].toArray()[0].toString().contains("😀"));

    const ToolRun copy = Tool({"dump-unit", file, "[[unitX", "--mode", "copy"});
    EXPECT_EQ(copy.exitCode, 1);
}

TEST_F(ToolTest, CheckReportsEachProblemWithPathAndLine)
{
    const ToolRun run = Tool({"check", QString::fromStdString(dir.path())});
    EXPECT_EQ(run.exitCode, 1);
    const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    const QString ge2 = QString::fromStdString(dir.file("geo/ge2.que"));
    const QString hisIndex = QString::fromStdString(dir.file("his/"));
    // Two problems of the reader: the lesson without its folder and ge2's value block of six
    // lines. Five of the master file editor: no answer mark in unit1R1, unit2 and ge2's unit1,
    // unit2's kran block of one line, and ge2's value block again.
    ASSERT_EQ(lines.size(), 7) << run.out.toStdString();
    EXPECT_EQ(lines.filter(QRegularExpression("^" + QRegularExpression::escape(hisIndex))).size(),
              1)
        << run.out.toStdString();
    EXPECT_TRUE(lines
                    .filter(QRegularExpression("^" + QRegularExpression::escape(ge2)
                                               + ":\\d+: <<value block error$"))
                    .size()
                == 1)
        << run.out.toStdString();
    EXPECT_TRUE(lines.contains(ge2 + ":2: valueブロックの数が合いません")) << run.out.toStdString();
}

TEST_F(ToolTest, CheckPlacesMessagesAfterABlockOfAHundredThousandLines)
{
    std::vector<std::string> unit = {"[[unit1", "<<ques", "川は　#　利根川　#", ">>", "<<kgroup"};
    unit.insert(unit.end(), 100000, "k");
    unit.insert(unit.end(), {">>", "<<value", "630", "False", "40", "5", "5", "1", ">>", "]]"});
    test::WriteCp932File(dir.file("geo/ge2.que"), unit);
    const ToolRun run = Tool({"check", QString::fromStdString(dir.path())});
    const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    const QString ge2 = QString::fromStdString(dir.file("geo/ge2.que"));
    EXPECT_TRUE(lines.contains(ge2 + ":100007: <<value block error")) << run.out.toStdString();
    EXPECT_TRUE(lines.contains(ge2 + ":100007: valueブロックの数が合いません"))
        << run.out.toStdString();
}

TEST(Tool, DemoCoursewareChecksClean)
{
    const ToolRun run = Tool({"check", ZELKON_DEMO_DIR});
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.exitCode, 0);
}

} // namespace
} // namespace zelkon
