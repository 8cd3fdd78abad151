// Output helpers of zelkon-tool: CP932 texts and messages as UTF-8 JSON and lines.
#pragma once

#include "common/messages.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

#include <string>
#include <vector>

namespace zelkon::tool {

/// A JSON array of the texts.
QJsonArray TextArray(const std::vector<std::string> &texts);

/// A JSON array of the message texts.
QJsonArray MessageArray(const Messages &messages);

/// Writes the object as indented UTF-8 JSON to standard output.
void PrintJson(const QJsonObject &object);

/// Writes one line of UTF-8 to standard output.
void PrintLine(const QString &line);

/// The composed program folder for a folder given on the command line: the path as CP932,
/// ending in "\".
std::string ComposedFolder(const QString &folder);

/// The composed path of a file given on the command line.
std::string ComposedFile(const QString &file);

} // namespace zelkon::tool
