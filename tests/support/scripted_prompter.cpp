// A scripted Prompter for tests.
#include "support/scripted_prompter.h"

#include "common/cp932.h"

namespace zelkon::test {

namespace {

const char *KindName(int kind)
{
    static const char *names[]
        = {"message", "yes/no question", "yes/no/cancel question", "file dialog"};
    return names[kind];
}

} // namespace

ScriptedPrompter &ScriptedPrompter::expectMessage(std::string utf8Text)
{
    m_expected.push_back({Kind::Message, std::move(utf8Text), false, PromptAnswer::Yes, {}});
    return *this;
}

ScriptedPrompter &ScriptedPrompter::expectAnyMessage()
{
    m_expected.push_back({Kind::Message, {}, true, PromptAnswer::Yes, {}});
    return *this;
}

ScriptedPrompter &ScriptedPrompter::expectYesNo(std::string utf8Text, bool yes)
{
    m_expected.push_back(
        {Kind::YesNo, std::move(utf8Text), false, yes ? PromptAnswer::Yes : PromptAnswer::No, {}});
    return *this;
}

ScriptedPrompter &ScriptedPrompter::expectYesNoCancel(std::string utf8Text, PromptAnswer answer)
{
    m_expected.push_back({Kind::YesNoCancel, std::move(utf8Text), false, answer, {}});
    return *this;
}

ScriptedPrompter &ScriptedPrompter::expectFile(std::string composedPath)
{
    m_expected.push_back({Kind::File, {}, true, PromptAnswer::Yes, std::move(composedPath)});
    return *this;
}

std::vector<std::string> ScriptedPrompter::problems() const
{
    std::vector<std::string> all = m_problems;
    for (const Expectation &e : m_expected)
        all.push_back(std::string("expected ") + KindName(static_cast<int>(e.kind)) + " \"" + e.text
                      + "\" never came");
    return all;
}

const ScriptedPrompter::Expectation *ScriptedPrompter::take(Kind kind, std::string_view cp932Text)
{
    const std::string text = Cp932ToUtf8(cp932Text);
    m_shown.push_back(text);
    if (m_expected.empty()) {
        m_problems.push_back(std::string("unexpected ") + KindName(static_cast<int>(kind)) + " \""
                             + text + "\"");
        return nullptr;
    }
    m_current = m_expected.front();
    m_expected.pop_front();
    if (m_current.kind != kind || (!m_current.anyText && m_current.text != text)) {
        m_problems.push_back(std::string("expected ") + KindName(static_cast<int>(m_current.kind))
                             + " \"" + m_current.text + "\", got "
                             + KindName(static_cast<int>(kind)) + " \"" + text + "\"");
        return nullptr;
    }
    return &m_current;
}

void ScriptedPrompter::message(std::string_view text)
{
    take(Kind::Message, text);
}

bool ScriptedPrompter::askYesNo(std::string_view text)
{
    const Expectation *e = take(Kind::YesNo, text);
    return e && e->answer == PromptAnswer::Yes;
}

PromptAnswer ScriptedPrompter::askYesNoCancel(std::string_view text)
{
    const Expectation *e = take(Kind::YesNoCancel, text);
    return e ? e->answer : PromptAnswer::Cancel;
}

std::optional<std::string>
ScriptedPrompter::chooseOpenFile(std::string_view title, std::string_view, std::string_view)
{
    const Expectation *e = take(Kind::File, title);
    if (!e || e->path.empty())
        return std::nullopt;
    return e->path;
}

std::optional<std::string>
ScriptedPrompter::chooseSaveFile(std::string_view title, std::string_view, std::string_view)
{
    const Expectation *e = take(Kind::File, title);
    if (!e || e->path.empty())
        return std::nullopt;
    return e->path;
}

} // namespace zelkon::test
