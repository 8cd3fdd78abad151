// zelkon-tool extract, and the master file editor's checks that zelkon-tool check runs on every
// unit: answers, derived choices, failing lines and where check points at them.
#include "support/test_support.h"
#include "tool_run.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <algorithm>

namespace zelkon {
namespace {

using test::ToolRun;

QJsonObject Json(const ToolRun &run)
{
    return QJsonDocument::fromJson(run.out.toUtf8()).object();
}

QStringList Strings(const QJsonValue &array)
{
    QStringList strings;
    for (const QJsonValue &v : array.toArray())
        strings << v.toString();
    return strings;
}

// The 27 lines of good value, font and kran blocks.
std::vector<std::string> GoodLayout()
{
    return {"<<value", "630",    "False",  "40",      "5",     "5",     "1",     "7",
            ">>",      "<<font", "12",     "MS 明朝", "False", "False", "False", "False",
            "0",       ">>",     "<<kran", "5",       "15",    "2",     "0",     "0",
            "0",       "15",     "10",     "0",       "0",     ">>"};
}

std::vector<std::string> Unit(const std::string &header,
                              const std::vector<std::string> &body,
                              const std::vector<std::string> &layout = GoodLayout())
{
    std::vector<std::string> lines{header};
    lines.insert(lines.end(), body.begin(), body.end());
    lines.insert(lines.end(), layout.begin(), layout.end());
    lines.emplace_back("]]");
    return lines;
}

class ExtractTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::vector<std::string> lines = Unit("[[unit1",
                                              {"<<ques",
                                               "１．次の問いに答えなさい。",
                                               "（１）日本の首都は　#　東京;とうきょう　#　です",
                                               "（２）#　１２　# 月、記号 #ア#",
                                               ">>",
                                               "<<dummy",
                                               "大阪",
                                               "東京",
                                               ">>"});
        for (const auto &unit : {Unit("[[unit2", {"<<ques", "ok #a#", "bad #b", ">>"}),
                                 Unit("[[unit3", {"<<ques", "＃全角だけ＃", ">>"})})
            lines.insert(lines.end(), unit.begin(), unit.end());
        test::WriteCp932File(file, lines);
    }

    ToolRun extract(const QString &header, const QStringList &flags = {})
    {
        return test::RunTool(QStringList{"extract", QString::fromStdString(file), header} + flags);
    }

    test::TempDir dir;
    std::string file = dir.file("geo/ge1.que");
};

TEST_F(ExtractTest, GivesTheAnswersAndTheChoicesThroughTheFilters)
{
    struct Case
    {
        QStringList flags;
        QStringList choices;
    };
    const Case cases[] = {
        {{}, {"東京", "とうきょう", "大阪"}},
        {{"--no-digit-filter"}, {"東京", "とうきょう", "１２", "大阪"}},
        {{"--no-label-filter"}, {"東京", "とうきょう", "ア", "大阪"}},
        {{"--no-digit-filter", "--no-label-filter"}, {"東京", "とうきょう", "１２", "ア", "大阪"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.flags.join(' ').toStdString());
        const ToolRun run = extract("[[unit1", c.flags);
        EXPECT_EQ(run.exitCode, 0);
        const QJsonObject json = Json(run);
        EXPECT_TRUE(json["ok"].toBool());
        EXPECT_TRUE(json["messages"].toArray().isEmpty());
        EXPECT_TRUE(json["failLine"].isNull());
        EXPECT_EQ(Strings(json["answers"]), (QStringList{"東京;とうきょう", "１２", "ア"}));
        EXPECT_EQ(Strings(json["choices"]), c.choices);
        EXPECT_EQ(json["choiceCount"].toInt(), c.choices.size());
        int characters = 0;
        for (const QString &choice : c.choices)
            characters += choice.size(); // every choice here is two-byte text
        EXPECT_EQ(json["characterCount"].toInt(), characters);
    }
}

TEST_F(ExtractTest, FailsWithTheEditorsMessage)
{
    struct Case
    {
        QString header;
        QJsonValue failLine;
        QString message;
    };
    const Case cases[] = {
        {"[[unit2", 1, "2行目：＃の数は偶数にしてください"},
        {"[[unit3", 0, "解答欄がありません"},
        {"[[unit9", QJsonValue::Null, "単元 [[unit9 がありません"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.header.toStdString());
        const ToolRun run = extract(c.header);
        EXPECT_EQ(run.exitCode, 1);
        const QJsonObject json = Json(run);
        EXPECT_FALSE(json["ok"].toBool());
        EXPECT_EQ(json["failLine"], c.failLine);
        EXPECT_EQ(Strings(json["messages"]), QStringList{c.message});
        EXPECT_TRUE(json["answers"].toArray().isEmpty());
        EXPECT_TRUE(json["choices"].toArray().isEmpty());
        EXPECT_EQ(json["choiceCount"].toInt(), 0);
        EXPECT_EQ(json["characterCount"].toInt(), 0);
    }
}

TEST_F(ExtractTest, RefusesAMissingFileAndAHeaderCp932CannotHold)
{
    const ToolRun missing
        = test::RunTool({"extract", QString::fromStdString(dir.file("geo/ge9.que")), "[[unit1"});
    EXPECT_EQ(missing.exitCode, 1);
    const QStringList messages = Strings(Json(missing)["messages"]);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("ファイル "));
    EXPECT_TRUE(messages[0].endsWith("ge9.que が見つかりません"));

    const ToolRun emoji = extract("[[unit1😀");
    EXPECT_EQ(emoji.exitCode, 1);
    EXPECT_FALSE(Json(emoji)["ok"].toBool());
    EXPECT_TRUE(Strings(Json(emoji)["messages"]).value(0).contains("😀"));
}

TEST(ToolCheck, ReportsTheEditorsMessagesAtTheirFileLines)
{
    test::TempDir dir;
    test::WriteCp932File(dir.file("Main.ind"), {"テスト教材", "", "地理,geo\\\\ge", ">>"});
    test::WriteCp932File(dir.file("geo/ge.ind"),
                         {"地理の目次",
                          "[[sect1",
                          "都道府県",
                          "<<",
                          "良い単元",
                          "解答欄なし",
                          "二つの問題ブロック",
                          "kranが9行",
                          ">>",
                          "]]"});
    std::vector<std::string> kranOfNine = GoodLayout();
    kranOfNine.erase(kranOfNine.end() - 2);
    const std::vector<std::vector<std::string>> units = {
        Unit("[[unit1", {"<<ques", "#a#", ">>"}),
        // A similar problem with an odd mark count on its second question line.
        Unit("[[unit1R1", {"<<ques", "#a#", "#b", ">>"}),
        Unit("[[unit2", {"<<ques", "＃全角＃", ">>"}),
        // The question area joins both blocks: its third line is the failing one.
        Unit("[[unit3",
             {"<<ques", "#a#", "x", ">>", "<<hint", "h", ">>", "<<ques", "#b##c#", ">>"}),
        Unit("[[unit4", {"<<ques", "#a#", ">>"}, kranOfNine),
    };
    std::vector<std::string> lines;
    for (const auto &unit : units)
        lines.insert(lines.end(), unit.begin(), unit.end());
    test::WriteCp932File(dir.file("geo/ge1.que"), lines);

    // Where each awaited line stands in the file, from 1.
    const auto lineOf = [&](const std::string &header, const std::string &text) {
        const auto unit = std::find(lines.begin(), lines.end(), header);
        return static_cast<int>(std::find(unit, lines.end(), text) - lines.begin()) + 1;
    };
    const QString path = QString::fromStdString(dir.file("geo/ge1.que"));
    const auto at = [&](int line, const QString &message) {
        return path + ":" + QString::number(line) + ": " + message;
    };

    const ToolRun run = test::RunTool({"check", QString::fromStdString(dir.path())});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out.split('\n', Qt::SkipEmptyParts),
              (QStringList{at(lineOf("[[unit1R1", "#b"), "2行目：＃の数は偶数にしてください"),
                           at(lineOf("[[unit2", "[[unit2"), "解答欄がありません"),
                           at(lineOf("[[unit3", "#b##c#"), "3行目：解答がありません"),
                           at(lineOf("[[unit4", "<<kran"), "kranブロックの数が合いません")}))
        << run.out.toStdString();
}

} // namespace
} // namespace zelkon
