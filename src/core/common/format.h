// Number, time and date texts used on record lines, printouts and windows.
#pragma once

#include <string>

namespace zelkon {

/// A local date and time to the minute, as the caller's clock gives it (the core has no clock).
struct LocalTime
{
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
};

/// The decimal number with a leading "0" below 10 ("03", "10", "125").
std::string TwoDigits(int n);

/// "HH:MM".
std::string TimeOfDay(int hour, int minute);

/// "2005年03月07日" (CP932).
std::string KanjiDate(int year, int month, int day);

/// "2005.03.07".
std::string DottedDate(int year, int month, int day);

} // namespace zelkon
