// The placeholders that stand for windows not built into the program.
#include "shell/main_seams.h"

#include "common/cp932.h"
#include "common/prompter.h"

#include <string>

namespace zelkon {

namespace {

// A command whose window is missing says so, naming it, rather than doing nothing silently.
std::function<void()> Unavailable(Prompter &prompter, const char *utf8Name)
{
    const std::string text = Utf8ToCp932(std::string("「") + utf8Name + "」はまだ使えません");
    return [&prompter, text] { prompter.message(text); };
}

} // namespace

MainSeams PlaceholderSeams(Prompter &prompter)
{
    MainSeams seams;
    seams.showVersion = Unavailable(prompter, "バージョン情報");
    seams.showSchoolName = [say = Unavailable(prompter, "学校名・塾名")] {
        say();
        return false;
    };
    seams.showTitlePicture = [] {};
    seams.showHelpContents = Unavailable(prompter, "ヘルプ");
    seams.showHelpTopic = [say = Unavailable(prompter, "ヘルプ")](int) { say(); };

    seams.readLessonList = [] { return true; };
    seams.openFromMenu = [say = Unavailable(prompter, "開く")] {
        say();
        return false;
    };
    seams.openCopyFile = [say = Unavailable(prompter, "コピーファイルを開く")] {
        say();
        return false;
    };
    seams.openMasterUnit = [say = Unavailable(prompter, "単元を開く")](const UnitLocator &, bool) {
        say();
        return 4;
    };
    seams.editNewUnit = [say = Unavailable(prompter, "単元の新規作成")] {
        say();
        return false;
    };
    seams.browseCopyFile = [say = Unavailable(prompter, "コピーファイルを開く")] {
        say();
        return std::optional<std::string>();
    };

    seams.saveAsCopyFile
        = [say = Unavailable(prompter, "名前を付けて保存")](SheetWindow &) { say(); };
    seams.showPrintDialog
        = [say = Unavailable(prompter, "印刷")](SheetWindow &, const QImage &) { say(); };
    seams.showPaperDialog = Unavailable(prompter, "用紙サイズとオプションの設定");
    seams.showPrintModeDialog = Unavailable(prompter, "印字モードの設定");
    // Without the dialog the stamp shows its start values, which RenderContext holds already.
    seams.applyPrintNumbering = [](RenderContext &) {};
    seams.takeSheetValues = [](SheetWindow &) {};
    seams.showAnswerFieldSettings
        = [say = Unavailable(prompter, "解答欄の設定")](SheetWindow &) { say(); };
    seams.takeAnswerWidth = [](SheetWindow &) {};
    seams.answerFieldWidth = []() -> std::optional<int> { return std::nullopt; };

    seams.readIndexEditor = [] {};
    seams.editIndex = Unavailable(prompter, "目次作成");
    seams.editMasterUnit = [say = Unavailable(prompter, "編集")](SheetWindow &) {
        say();
        return false;
    };
    seams.overwriteSave = [say = Unavailable(prompter, "上書き保存")](SheetWindow &) {
        say();
        return false;
    };

    seams.addUnit = [say = Unavailable(prompter, "単元の追加")](SheetWindow &) { say(); };

    seams.practise = [say = Unavailable(prompter, "学習")](SheetWindow &) { say(); };
    seams.logOn = Unavailable(prompter, "学習者");
    seams.showRecordWindow = [say = Unavailable(prompter, "記録表示")] {
        say();
        return false;
    };
    return seams;
}

} // namespace zelkon
