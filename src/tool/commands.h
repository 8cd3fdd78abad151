// The commands of zelkon-tool; each returns the process exit code.
#pragma once

#include "sheet/paper.h"

#include <QString>

#include <optional>

namespace zelkon::tool {

/// dump-index FOLDER [--lesson K]: the main index and, with K, that lesson's sub-index as JSON;
/// 0 when the whole main index was read.
int DumpIndex(const QString &folder, std::optional<int> lesson);

/// dump-unit FILE HEADER [--mode master|copy]: the unit's lists as JSON; 0 when it was read.
int DumpUnit(const QString &file, const QString &header, bool copyMode);

/// check FOLDER: one line per problem of the courseware, "path:line: message", the master file
/// editor's answer-mark and layout-block messages included; 1 when any.
int Check(const QString &folder);

/// The two filters the master file editor applies when it derives the choice block.
struct ChoiceFilters
{
    bool digit = true; ///< "数字除く"
    bool label = true; ///< "記号除く"
};

/// extract FILE HEADER [--no-digit-filter] [--no-label-filter]: the unit's answers and derived
/// choice block as JSON, with "failLine" the index (from 0) of the question line failing the
/// answer-mark check (0 also when no line has a mark), null when the marks pass; 1 when the
/// marks fail or the unit cannot be read.
int Extract(const QString &file, const QString &header, const ChoiceFilters &filters);

/// What export is asked to draw and where.
struct ExportRequest
{
    QString folder;
    int lesson = 1;
    int section = 1;
    int unit = 1;
    int variant = 0;
    bool all = false; ///< every unit of the lesson, one PDF page each
    bool answers = false;
    std::optional<Paper> paper;
    QString out; ///< ".pdf" or ".png" (checked by the caller)
};

/// export: draws the unit (or with `all` every unit of the lesson) as a printed page into a
/// PDF or as the page picture into a PNG; the core's messages go to standard error. 1 when a
/// unit cannot be opened or drawn or the file cannot be written; with `all` the pages of the
/// other units are still written.
int Export(const ExportRequest &request);

} // namespace zelkon::tool
