// The main index: lesson lines, the closing ">>", the 80-lesson table and the file on disk.
#include "index/main_index.h"

#include "common/line_file.h"
#include "support/test_support.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace zelkon {
namespace {

using test::J;
using test::U;

TEST(MainIndex, SplitsLessonLines)
{
    const struct
    {
        std::string line, caption, folder, prefix;
    } cases[] = {
        // Two backslashes: the second is the separator that is skipped.
        {"地理,geo\\\\chiri", "地理", "geo\\", "chiri"},
        // One backslash: the first character of the prefix is taken as the separator.
        {"地理,geo\\chiri", "地理", "geo\\", "hiri"},
        // A two-byte separator is one character.
        {"地理,geo\\表題", "地理", "geo\\", "題"},
        {"ｶﾅ,ｶﾅ\\ｶﾅ", "ｶﾅ", "ｶﾅ\\", "ﾅ"},
        // 表 is 0x95 0x5C: neither in the caption nor in the folder is it a backslash.
        {"地図表,map\\\\m", "地図表", "map\\", "m"},
        {"地図,地図表\\\\表", "地図", "地図表\\", "表"},
        // A backslash inside the caption does not end the folder.
        {"a\\b,geo\\\\x", "a\\b", "geo\\", "x"},
        {"地理,geo\\\\a,b", "地理", "geo\\", "a,b"},
        {"地理,geo\\", "地理", "geo\\", ""},
        {"地理,geo\\x", "地理", "geo\\", ""},
        {",\\\\p", "", "\\", "p"},
        // No backslash: the files lie in the program folder under the text after the ",".
        {"地理,geo", "地理", "", "geo"},
        {"地理,", "地理", "", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.line);
        CourseIndex index;
        Messages messages;
        EXPECT_TRUE(ParseMainIndex({J("題"), "", J(c.line), ">>"}, "m", index, messages));
        EXPECT_TRUE(messages.empty());
        ASSERT_EQ(index.lessonCaptions.size(), 1u);
        EXPECT_EQ(U(index.lessonCaptions[0]), c.caption);
        EXPECT_EQ(U(index.lessonFolder[1]), c.folder);
        EXPECT_EQ(U(index.lessonPrefix[1]), c.prefix);
    }
}

TEST(MainIndex, LineWithoutCommaShowsQuestionMarkAndKeepsTheTables)
{
    CourseIndex index;
    Messages messages;
    ASSERT_TRUE(
        ParseMainIndex(test::JLines({"題", "", "a,x\\\\p", "b", ">>"}), "m", index, messages));
    EXPECT_EQ(index.lessonCaptions, (std::vector<std::string>{"a", "?"}));
    EXPECT_EQ(index.lessonFolder[2], "");
    EXPECT_EQ(index.lessonPrefix[2], "");

    // Read again: lesson 1 lost its comma, so it keeps the folder and prefix it had.
    ASSERT_TRUE(ParseMainIndex({"T", "", "a x\\\\q", ">>"}, "m", index, messages));
    EXPECT_EQ(index.mainTitle, "T");
    EXPECT_EQ(index.lessonCaptions, (std::vector<std::string>{"?"}));
    EXPECT_EQ(index.lessonFolder[1], "x\\");
    EXPECT_EQ(index.lessonPrefix[1], "p");
    EXPECT_TRUE(messages.empty());
}

TEST(MainIndex, ClosingLineAndFaults)
{
    const struct
    {
        const char *name;
        std::vector<std::string> lines;
        bool complete;
        std::string title;
        std::vector<std::string> captions;
        std::string message; // after "ファイル m"
        int line;
    } cases[] = {
        {"no lessons", {"T", "", ">>"}, true, "T", {}, "", 0},
        {"line 2 is not read", {"T", "x,y\\\\z", ">>"}, true, "T", {}, "", 0},
        {"line 2 does not close", {"T", ">>", "a,f\\\\p", ">>"}, true, "T", {"a"}, "", 0},
        {"after >>", {"T", "", "a,f\\\\p", ">>", "b,g\\\\q"}, true, "T", {"a"}, "", 0},
        {"empty file", {}, false, "", {}, " の行が足りません（3行以上必要です）", 0},
        {"two lines", {"T", ""}, false, "T", {}, " の行が足りません（3行以上必要です）", 0},
        {"no >>",
         {"T", "", "a,f\\\\p", "b,g\\\\q"},
         false,
         "T",
         {"a", "b"},
         " に終わりの行 \">>\" がありません",
         4},
        {"only exact >> closes",
         {"T", "", ">> ", " >>", ">>>"},
         false,
         "T",
         {"?", "?", "?"},
         " に終わりの行 \">>\" がありません",
         5},
        {"a title of 4,096 bytes",
         {std::string(4096, 't'), "", ">>"},
         true,
         std::string(4096, 't'),
         {},
         "",
         0},
        {"a title of 4,097 bytes",
         {std::string(4097, 't'), "", "a,f\\\\p", ">>"},
         false,
         "",
         {},
         " の1行目が長すぎます（1行4096バイトまで）",
         1},
        {"a long line after >>",
         {"T", "", "a,f\\\\p", ">>", std::string(1000000, 'x')},
         false,
         "",
         {},
         " の5行目が長すぎます（1行4096バイトまで）",
         5},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        CourseIndex index;
        index.lessonCaptions = {"old"};
        Messages messages;
        EXPECT_EQ(ParseMainIndex(c.lines, "m", index, messages), c.complete);
        EXPECT_EQ(index.mainTitle, c.title);
        EXPECT_EQ(index.lessonCaptions, c.captions);
        if (c.complete) {
            EXPECT_TRUE(messages.empty());
            continue;
        }
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(U(messages[0].text), "ファイル m" + c.message);
        EXPECT_EQ(messages[0].line, c.line);
    }
}

TEST(MainIndex, EightyLessonsFitAndTheEightyFirstStops)
{
    std::vector<std::string> lines = {"T", ""};
    for (int k = 1; k <= 81; ++k)
        lines.push_back("L" + std::to_string(k) + ",f" + std::to_string(k) + "\\\\p");
    lines.push_back(">>");

    CourseIndex index;
    Messages messages;
    EXPECT_FALSE(ParseMainIndex(lines, "m", index, messages));
    ASSERT_EQ(index.lessonCaptions.size(), 80u);
    EXPECT_EQ(index.lessonCaptions[79], "L80");
    EXPECT_EQ(index.lessonFolder[80], "f80\\");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(U(messages[0].text), "ファイル m のレッスンが80を超えています");
    EXPECT_EQ(messages[0].line, 83);

    lines.erase(lines.begin() + 82); // drop lesson 81: ">>" now stands where it would have been
    messages.clear();
    EXPECT_TRUE(ParseMainIndex(lines, "m", index, messages));
    EXPECT_EQ(index.lessonCaptions.size(), 80u);
    EXPECT_TRUE(messages.empty());
}

TEST(MainIndex, ReadsTheFileWithCrLfOrLf)
{
    for (const char *lineEnd : {"\r\n", "\n"}) {
        SCOPED_TRACE(lineEnd[0] == '\r' ? "CR LF" : "LF");
        test::TempDir dir;
        std::string bytes;
        for (const char *line : {"社会科", "", "地図表,地図表\\\\chizu", "歴史,Reki\\\\r", ">>"})
            bytes += J(line) + lineEnd;
        test::WriteBytes(dir.file("Main.ind"), bytes);

        CourseIndex index;
        Messages messages;
        EXPECT_EQ(ReadMainIndex(dir.composed(), index, messages), MainIndexRead::complete);
        EXPECT_TRUE(messages.empty());
        EXPECT_EQ(index.mainTitle, J("社会科"));
        EXPECT_EQ(index.lessonCaptions, test::JLines({"地図表", "歴史"}));
        EXPECT_EQ(index.lessonFolder[1], J("地図表\\"));
        EXPECT_EQ(index.lessonPrefix[1], "chizu");
        EXPECT_EQ(index.lessonPrefix[2], "r");
    }
}

TEST(MainIndex, FileNameCaseMissingFileAndStoppedRead)
{
    test::TempDir dir;
    CourseIndex index;
    Messages messages;
    index.lessonCaptions = {"old"};
    EXPECT_EQ(ReadMainIndex(dir.composed(), index, messages), MainIndexRead::missing);
    EXPECT_TRUE(index.lessonCaptions.empty());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(U(messages[0].text), "ファイル " + dir.path() + "\\Main.ind が見つかりません");
    EXPECT_EQ(messages[0].line, 0);

    // Courseware made on Windows may spell the name in any case.
    test::WriteCp932File(dir.file("MAIN.IND"), {"T", "", "a,f\\\\p"});
    messages.clear();
    EXPECT_EQ(ReadMainIndex(dir.composed(), index, messages), MainIndexRead::stopped);
    EXPECT_EQ(index.lessonCaptions, (std::vector<std::string>{"a"}));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(U(messages[0].text),
              "ファイル " + dir.path() + "\\Main.ind に終わりの行 \">>\" がありません");
    EXPECT_EQ(messages[0].line, 3);

    // A file over the size limit is not read at all.
    std::filesystem::resize_file(dir.file("MAIN.IND"), kMaxFileBytes + 1);
    messages.clear();
    EXPECT_EQ(ReadMainIndex(dir.composed(), index, messages), MainIndexRead::missing);
    EXPECT_TRUE(index.lessonCaptions.empty());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(U(messages[0].text),
              "ファイル " + dir.file("MAIN.IND") + " は大きすぎます（32MBまで）");
}

} // namespace
} // namespace zelkon
