// extract: the answers of a unit's question lines and the choice block the master file editor
// derives from them, as JSON.
#include "commands.h"

#include "authoring/answer_marks.h"
#include "authoring/unit_areas.h"
#include "common/cp932.h"
#include "common/line_file.h"
#include "common/path.h"
#include "platform/qstring_cp932.h"
#include "tool_output.h"

#include <optional>

namespace zelkon::tool {

int Extract(const QString &file, const QString &header, const ChoiceFilters &filters)
{
    QJsonArray messageTexts;
    const auto finish = [&](const Messages &messages,
                            const QJsonValue &failLine,
                            const std::vector<std::string> &answers,
                            const std::vector<std::string> &choices) {
        for (const Message &m : messages)
            messageTexts.append(ToQString(m.text));
        const bool ok = failLine.isNull() && messageTexts.isEmpty();
        PrintJson(QJsonObject{{"ok", ok},
                              {"messages", messageTexts},
                              {"failLine", failLine},
                              {"answers", TextArray(answers)},
                              {"choices", TextArray(choices)},
                              {"choiceCount", static_cast<int>(choices.size())},
                              {"characterCount", ChoiceCharacterCount(choices)}});
        return ok ? 0 : 1;
    };

    const Cp932Conversion headerLine = ToCp932(header);
    if (!headerLine.ok) {
        // The refusal names a character CP932 cannot hold, so it stays a QString.
        messageTexts.append(RefusedCharacterMessage(headerLine));
        return finish({}, QJsonValue::Null, {}, {});
    }
    const std::string path = ComposedFile(file);
    if (!FileExists(path))
        return finish({{MissingFileMessage(path), 0}}, QJsonValue::Null, {}, {});
    std::vector<std::string> lines;
    std::string error;
    if (!ReadLines(ToFsPath(path), lines, &error))
        return finish({{error, 0}}, QJsonValue::Null, {}, {});
    // The editor would start a new unit from its template here; a script asking for a unit
    // wants to hear that there is none.
    const std::optional<UnitAreas> areas = ReadUnitAreas(lines, headerLine.bytes);
    if (!areas) {
        return finish({{Utf8ToCp932("単元 ") + headerLine.bytes + Utf8ToCp932(" がありません"), 0}},
                      QJsonValue::Null,
                      {},
                      {});
    }

    Messages messages;
    if (const std::optional<int> failure = CheckAnswerMarks(areas->question, messages))
        return finish(messages, *failure, {}, {});
    const std::vector<std::string> answers = ExtractAnswers(areas->question);
    // What the editor's OK stores: the choices derived from the answers, then the dummies.
    std::vector<std::string> choices = BuildChoices(answers, filters.digit, filters.label);
    MergeDummies(choices, areas->dummy);
    return finish(messages, QJsonValue::Null, answers, choices);
}

} // namespace zelkon::tool
