// dump-index and dump-unit: what the program reads from an index or a unit, as JSON.
#include "commands.h"

#include "common/cp932.h"
#include "index/main_index.h"
#include "index/sub_index.h"
#include "master/unit_reader.h"
#include "platform/qstring_cp932.h"
#include "tool_output.h"

#include <QRegularExpression>

namespace zelkon::tool {

int DumpIndex(const QString &folder, std::optional<int> lesson)
{
    const std::string programFolder = ComposedFolder(folder);
    CourseIndex index;
    Messages messages;
    const MainIndexRead read = ReadMainIndex(programFolder, index, messages);

    QJsonArray lessons;
    for (int k = 1; k <= static_cast<int>(index.lessonCaptions.size()); ++k) {
        lessons.append(QJsonObject{{"caption", ToQString(LessonCaption(index, k))},
                                   {"folder", ToQString(index.lessonFolder[k])},
                                   {"prefix", ToQString(index.lessonPrefix[k])}});
    }
    const int lessonCount = static_cast<int>(index.lessonCaptions.size());
    bool lessonRead = false;
    if (lesson && read != MainIndexRead::missing && (*lesson < 1 || *lesson > lessonCount)) {
        messages.push_back({Utf8ToCp932("レッスン ") + std::to_string(*lesson)
                                + Utf8ToCp932(" はありません（1～") + std::to_string(lessonCount)
                                + Utf8ToCp932("）"),
                            0});
    } else if (lesson && read != MainIndexRead::missing) {
        lessonRead = ReadSubIndex(programFolder, *lesson, index, messages);
    }
    QJsonValue subIndex = QJsonValue::Null;
    if (lessonRead) {
        QJsonArray sections;
        for (int s = 1; s <= static_cast<int>(index.sectionCaptions.size()); ++s) {
            sections.append(QJsonObject{{"caption", ToQString(SectionCaption(index, s))},
                                        {"units", TextArray(index.unitCaptions[s - 1])}});
        }
        subIndex = QJsonObject{{"title", ToQString(index.subIndexTitle)}, {"sections", sections}};
    }
    PrintJson(QJsonObject{{"mainTitle", ToQString(index.mainTitle)},
                          {"lessons", lessons},
                          {"lesson", lesson ? QJsonValue(*lesson) : QJsonValue::Null},
                          {"subIndex", subIndex},
                          {"messages", MessageArray(messages)}});
    return read == MainIndexRead::complete && (!lesson || lessonRead) ? 0 : 1;
}

int DumpUnit(const QString &file, const QString &header, bool copyMode)
{
    const Cp932Conversion headerLine = ToCp932(header);
    // The unit number only numbers the caption; take it from the header when it has one.
    const QRegularExpressionMatch number = QRegularExpression("^\\[\\[unit(\\d+)").match(header);
    const int unit = number.hasMatch() ? number.captured(1).toInt() : 0;

    UnitRecord record;
    ReaderState state;
    Messages messages;
    const bool ok = headerLine.ok
                    && readUnit(ComposedFile(file),
                                headerLine.bytes,
                                copyMode ? 0 : unit,
                                0,
                                copyMode ? ReadMode::Copy : ReadMode::Master,
                                ReadContext{},
                                state,
                                record,
                                messages);
    QJsonArray messageTexts = MessageArray(messages);
    // The refusal names a character CP932 cannot hold, so it stays a QString.
    if (!headerLine.ok)
        messageTexts.append(RefusedCharacterMessage(headerLine));
    PrintJson(QJsonObject{{"ok", ok},
                          {"messages", messageTexts},
                          {"questionLines", TextArray(record.questionLines)},
                          {"headerLines", TextArray(record.headerLines)},
                          {"valueLines", TextArray(record.valueLines)},
                          {"fontLines", TextArray(record.fontLines)},
                          {"kranLines", TextArray(record.kranLines)},
                          {"graphLines", TextArray(record.graphLines)},
                          {"answerGraphLines", TextArray(record.answerGraphLines)},
                          {"kgroupLines", TextArray(record.kgroupLines)},
                          {"softkeyLines", TextArray(record.softkeyLines)}});
    return ok ? 0 : 1;
}

} // namespace zelkon::tool
