// A small courseware in a temporary folder, with the program object that runs on it.
#pragma once

#include "shell/program.h"
#include "support/scripted_prompter.h"
#include "support/test_support.h"

#include "settings/memory_settings_store.h"

#include <string>
#include <string_view>

namespace zelkon::test {

/// Lessons: 1 日本の地理 (chiri\ch), 2 日本の歴史 (rekishi\re), 3 迷子 (folder missing),
/// 4 索引なし (folder without sub-index). 日本の地理 has the sections 都道府県 (北海道 with
/// similar problems R1 and R2, 関東, 九州 without a unit in the master file, 長文 of 61
/// question lines), 気候 (気候区分, no master file) and 空 (no units). 日本の歴史 has 縄文
/// without similar problems. Learner 生徒 practised 北海道 twice and 気候区分 once.
class CoursewareFixture
{
public:
    CoursewareFixture();

    /// The folder as the program composes it, CP932 ending in "\".
    std::string folder() const { return dir.composed(); }
    /// `folder()` + the CP932 of a UTF-8 relative path.
    std::string composed(std::string_view utf8Relative) const;

    TempDir dir;
    ScriptedPrompter prompter;
    MemorySettingsStore store;
    Program program;
};

} // namespace zelkon::test
