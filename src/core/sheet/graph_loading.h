// Loading a worksheet's graph bitmaps and class flag from the courseware's folders.
#pragma once

#include "common/messages.h"
#include "sheet/picture_loader.h"
#include "sheet/sheet_graphs.h"

#include <string>
#include <string_view>

namespace zelkon {

struct CourseIndex;
struct Worksheet;

/// The folder graph files of lesson `lesson` are read from (a lesson below 1 counts as 1):
/// `programFolder` + the lesson's folder + "Graph\" when that folder exists (in any letter case),
/// else `programFolder` + "Graph\" when that exists, else empty (names then stand as written).
std::string graphFolder(std::string_view programFolder, const CourseIndex &index, int lesson);

/// Loads the bitmaps of the sheet's `graphLines` (name, x, y per graph; at most 15 graphs) from
/// `folder` into the question buffers and shows each display image with the graph's x as its
/// left; display images above the graph count are hidden. A graph with an empty name is skipped;
/// a missing or undecodable file is reported and its buffer keeps its old picture, while the
/// display image is still shown; an x that is no integer is reported and taken as 0 (placed at
/// the next render).
Messages LoadQuestionGraphs(Worksheet &sheet, std::string_view folder, PictureLoader &loader);

/// Loads the bitmaps of the sheet's `answerGraphLines` from `folder` into the answer buffers,
/// reporting missing and undecodable files as LoadQuestionGraphs does; display images are left
/// alone and graphs with an empty name are skipped.
Messages LoadAnswerGraphs(Worksheet &sheet, std::string_view folder, PictureLoader &loader);

/// Loads `programFolder` + "classFlag.bmp" as the class flag; a missing file leaves no flag
/// (hidden) without a message, a file that cannot be decoded leaves no flag and is reported.
Messages LoadClassFlag(SheetGraphs &graphs, std::string_view programFolder, PictureLoader &loader);

} // namespace zelkon
