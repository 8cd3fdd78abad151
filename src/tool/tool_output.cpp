// Output helpers of zelkon-tool.
#include "tool_output.h"

#include "common/path.h"
#include "platform/qstring_cp932.h"

#include <QJsonDocument>

#include <cstdio>

namespace zelkon::tool {

QJsonArray TextArray(const std::vector<std::string> &texts)
{
    QJsonArray array;
    for (const std::string &t : texts)
        array.append(ToQString(t));
    return array;
}

QJsonArray MessageArray(const Messages &messages)
{
    QJsonArray array;
    for (const Message &m : messages)
        array.append(ToQString(m.text));
    return array;
}

void PrintJson(const QJsonObject &object)
{
    const QByteArray json = QJsonDocument(object).toJson(QJsonDocument::Indented);
    std::fwrite(json.constData(), 1, static_cast<std::size_t>(json.size()), stdout);
}

void PrintLine(const QString &line)
{
    const QByteArray utf8 = line.toUtf8();
    std::fwrite(utf8.constData(), 1, static_cast<std::size_t>(utf8.size()), stdout);
    std::fputc('\n', stdout);
}

std::string ComposedFolder(const QString &folder)
{
    return WithTrailingBackslash(ComposedFile(folder));
}

std::string ComposedFile(const QString &file)
{
    return FromFsPath(file.toStdString());
}

} // namespace zelkon::tool
