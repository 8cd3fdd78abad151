// The worksheet document: one unit laid out as a page, with its layout values. The window of a
// worksheet holds one of these; everything the page is drawn from lives here.
#pragma once

#include "master/unit_locator.h"
#include "sheet/paper.h"
#include "sheet/sheet_graphs.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zelkon {

/// The dialog font carried through lines 0 to 5 of the font block.
struct DialogFont
{
    std::string name;
    std::int32_t size = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
};

/// Option flag bits of value block line 6.
enum OptionFlag : std::int32_t {
    kClassFlagOption = 1,  ///< 学級旗
    kDateLineOption = 2,   ///< 実施日
    kPrintStampOption = 4, ///< No.印刷日時
};

/// One worksheet. Texts are CP932. Fields carry the names the rest of the program uses.
struct Worksheet
{
    std::string filePath; ///< the master file (".que") or copy file (".prp")
    bool openedFromMaster = false;
    bool openedAsCopyFile = false;
    bool similarProblemSheet = false;
    UnitLocator locator;
    std::int32_t unitNumber = 0;
    std::string lessonName;
    std::string sectionName;
    std::string unitName;
    std::string lastCaption;

    std::string unitCaption;
    std::string schoolLine;
    std::string nameLine;
    std::vector<std::string> questionLines;
    std::vector<std::string> graphLines;
    std::vector<std::string> answerGraphLines;
    std::vector<std::string> kgroupLines;
    std::vector<std::string> softkeyLines;

    PaperSpec paper{0, 630, 891};
    bool answersShown = true;
    std::int32_t lineSpacing = 0;
    std::int32_t leftMargin = 0;
    std::int32_t rightMargin = 0;
    std::int32_t startNumber = 0;
    std::int32_t optionFlags = 0;
    std::int32_t fontSize = 0;
    std::string sheetFontName;
    DialogFont dialogFont;
    /// The kran block's ten values; these are the values of a sheet whose unit has none.
    std::array<std::string, 10> kranValues{"2", "10", "4", "0", "0", "0", "15", "10", "0", "0"};

    bool modified = false;
    bool learnerNameShown = false;
    bool scoreShown = false;
    std::string printTag;
    std::string sheetKey; ///< the window caption: master path + "-U" + unit [+ "R" + variant], or
                          ///< the copy path

    /// "start", then the raw answer pieces in drawing order (rebuilt by every render).
    std::vector<std::string> answerList;
    std::int32_t answerCursor = 0;     ///< answer pieces drawn so far in the current render
    std::int32_t currentQuestion = -1; ///< practice: the field being answered; -1 none

    SheetGraphs graphs; ///< the graph pictures and where they are shown
};

} // namespace zelkon
