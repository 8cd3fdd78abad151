// Number, time and date texts.
#include "common/format.h"

namespace zelkon {

std::string TwoDigits(int n)
{
    return (n >= 0 && n < 10 ? "0" : "") + std::to_string(n);
}

std::string TimeOfDay(int hour, int minute)
{
    return TwoDigits(hour) + ":" + TwoDigits(minute);
}

std::string KanjiDate(int year, int month, int day)
{
    // 年, 月, 日 in CP932.
    return std::to_string(year) + "\x94\x4E" + TwoDigits(month) + "\x8C\x8E" + TwoDigits(day)
           + "\x93\xFA";
}

std::string DottedDate(int year, int month, int day)
{
    return std::to_string(year) + "." + TwoDigits(month) + "." + TwoDigits(day);
}

} // namespace zelkon
