// The small courseware of the unit selection tests.
#include "courseware_fixture.h"

#include "settings/edition_constants.h"

namespace zelkon::test {

namespace {

std::vector<std::string> Unit(const std::string &header, const std::string &question)
{
    return {header, "<<ques", question, ">>", "]]"};
}

void Append(std::vector<std::string> &lines, const std::vector<std::string> &more)
{
    lines.insert(lines.end(), more.begin(), more.end());
}

} // namespace

CoursewareFixture::CoursewareFixture()
    : program(EditionConstantsOf(Edition::Geography), store, prompter)
{
    WriteCp932File(dir.file("Main.ind"),
                   {"テスト教材",
                    "",
                    "日本の地理,chiri\\\\ch",
                    "日本の歴史,rekishi\\\\re",
                    "迷子,nowhere\\\\no",
                    "索引なし,empty\\\\em",
                    ">>"});
    WriteCp932File(dir.file("chiri/ch.ind"),
                   {"地理インデックス",
                    "[[sect1",
                    "都道府県",
                    "<<",
                    "北海道",
                    "関東",
                    "九州",
                    "長文",
                    ">>",
                    "]]",
                    "[[sect2",
                    "気候",
                    "<<",
                    "気候区分",
                    ">>",
                    "]]",
                    "[[sect3",
                    "空",
                    "<<",
                    ">>",
                    "]]"});
    std::vector<std::string> ch1;
    Append(ch1, Unit("[[unit1", "札幌は#北海道#の道庁所在地"));
    Append(ch1, Unit("[[unit1R1", "函館は#北海道#にある"));
    Append(ch1, Unit("[[unit1R2", "旭川は#北海道#にある"));
    Append(ch1, Unit("[[unit2", "前橋は#群馬県#の県庁所在地"));
    Append(ch1, {"[[unit4", "<<ques"});
    for (int i = 0; i < 61; ++i)
        ch1.push_back("問題 #答#");
    Append(ch1, {">>", "]]"});
    WriteCp932File(dir.file("chiri/ch1.que"), ch1);
    WriteCp932File(dir.file("rekishi/re.ind"),
                   {"歴史インデックス", "[[sect1", "原始", "<<", "縄文", ">>", "]]"});
    WriteCp932File(dir.file("rekishi/re1.que"), Unit("[[unit1", "#縄文#土器"));
    WriteCp932File(dir.file("empty/readme.txt"), {"索引はまだありません"});
    WriteCp932File(dir.file("LogOn/生徒1.ini"),
                   {"[password]", "pw=a", "[S11北海道]", "1=x", "2=x", "[S21気候区分]", "1=x"});

    program.state.programFolder = folder();
    program.state.learnerName = J("生徒");
}

std::string CoursewareFixture::composed(std::string_view utf8Relative) const
{
    return folder() + J(utf8Relative);
}

} // namespace zelkon::test
