// Every setting the program keeps: its name, type and default.
#pragma once

#include <cstdint>
#include <string_view>

namespace zelkon {

/// A flag of the edition key, stored as an integer (0 or 1; any non-zero value reads as true).
struct FlagSetting
{
    std::string_view name;
    bool defaultValue = false;
};

/// An integer of the edition key.
struct IntegerSetting
{
    std::string_view name;
    std::int32_t defaultValue = 0;
};

/// A text of the edition key; the default is CP932.
struct TextSetting
{
    std::string_view name;
    std::string_view defaultValue;
};

/// School name shown on the sheets ("theSchool", empty by default).
inline constexpr TextSetting kTheSchool{"theSchool", ""};
/// Learner logged on at the last run ("LogOnName", "共通" by default).
inline constexpr TextSetting kLogOnName{"LogOnName", "\x8B\xA4\x92\xCA"};
/// Student mode ("KeyLock", off by default).
inline constexpr FlagSetting kKeyLock{"KeyLock", false};
/// The tips panel's "show at start" box ("ShowDoYouKnow", on by default).
inline constexpr FlagSetting kShowDoYouKnow{"ShowDoYouKnow", true};
/// Re-draw pages at printer resolution rather than print the screen picture ("PrintMode").
inline constexpr FlagSetting kPrintMode{"PrintMode", true};
/// Paper width in screen pixels at 3 per millimetre ("PaperSize", A4's 630 by default).
inline constexpr IntegerSetting kPaperSize{"PaperSize", 630};
/// Drive or folder, ending in a separator, that holds the learners' records; a text of the
/// shared key whose default is the platform's user data folder, so the caller supplies it.
inline constexpr std::string_view kRecDrive = "RecDrive";

} // namespace zelkon
