// A Prompter for tests: the questions a test expects, in order, with their answers. An
// unexpected question, a different text, or an expected question that never came is a problem
// the test reports.
#pragma once

#include "common/prompter.h"

#include <deque>
#include <string>
#include <vector>

namespace zelkon::test {

class ScriptedPrompter : public Prompter
{
public:
    ~ScriptedPrompter() override = default;

    /// Expects a message with this text (UTF-8).
    ScriptedPrompter &expectMessage(std::string utf8Text);
    /// Expects a Yes/No question with this text (UTF-8) and answers it.
    ScriptedPrompter &expectYesNo(std::string utf8Text, bool yes);
    /// Expects a Yes/No/Cancel question with this text (UTF-8) and answers it.
    ScriptedPrompter &expectYesNoCancel(std::string utf8Text, PromptAnswer answer);
    /// Expects a file dialog and answers it with this composed CP932 path, or cancels (empty).
    ScriptedPrompter &expectFile(std::string composedPath);
    /// Accepts any message text for the next message (for texts that hold machine paths).
    ScriptedPrompter &expectAnyMessage();

    /// Every problem so far, and the expectations still waiting; empty when the script ran
    /// exactly.
    std::vector<std::string> problems() const;
    /// The texts (UTF-8) of every prompt shown, in order.
    const std::vector<std::string> &shown() const { return m_shown; }

    void message(std::string_view text) override;
    bool askYesNo(std::string_view text) override;
    PromptAnswer askYesNoCancel(std::string_view text) override;
    std::optional<std::string> chooseOpenFile(std::string_view title,
                                              std::string_view folder,
                                              std::string_view filter) override;
    std::optional<std::string> chooseSaveFile(std::string_view title,
                                              std::string_view folder,
                                              std::string_view fileName) override;

private:
    enum class Kind { Message, YesNo, YesNoCancel, File };
    struct Expectation
    {
        Kind kind;
        std::string text; ///< UTF-8; empty with anyText
        bool anyText = false;
        PromptAnswer answer = PromptAnswer::Yes;
        std::string path;
    };

    const Expectation *take(Kind kind, std::string_view cp932Text);

    std::deque<Expectation> m_expected;
    Expectation m_current;
    std::vector<std::string> m_problems;
    std::vector<std::string> m_shown;
};

} // namespace zelkon::test
