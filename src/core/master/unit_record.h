// UnitRecord: the lines and captions of the unit read last, which a new worksheet copies.
#pragma once

#include <string>
#include <vector>

namespace zelkon {

/// The unit the reader filled last; every read refills it, and a failed read may leave it
/// partly filled.
struct UnitRecord
{
    std::vector<std::string> questionLines;    ///< "<<ques", at most 60
    std::vector<std::string> headerLines;      ///< "<<header"; a copy file's caption, school, name
    std::vector<std::string> valueLines;       ///< "<<value", 7 or empty
    std::vector<std::string> fontLines;        ///< "<<font", 7 or empty
    std::vector<std::string> kranLines;        ///< "<<kran", 10 or empty
    std::vector<std::string> graphLines;       ///< "<<graph"
    std::vector<std::string> answerGraphLines; ///< "<<AGraph"
    std::vector<std::string> kgroupLines;      ///< "<<kgroup"
    std::vector<std::string> softkeyLines;     ///< "<<softkey"
    std::string unitCaption;
    std::string schoolLine;
    std::string nameLine;
    int priorGraphCount = 0; ///< number of graphLines held when the last read began
};

} // namespace zelkon
