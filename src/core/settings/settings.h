// Reading and writing the settings of one edition and the shared ones, with defaults written
// back and failures reported as messages.
#pragma once

#include "settings/edition_constants.h"
#include "settings/settings_catalogue.h"
#include "settings/settings_store.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zelkon {

/// The outcome of a read: the value, or (not ok) a CP932 message naming the setting and the
/// default in `value`.
template<typename T>
struct SettingRead
{
    bool ok = false;
    T value{};
    std::string error;
};

/// The outcome of a write: ok, or a CP932 message naming the setting.
struct SettingWrite
{
    bool ok = false;
    std::string error;
};

/// The settings operations over a store, for the edition key of one edition and the shared key.
/// A read of a missing value writes its default and returns it; when that write fails the read
/// fails with the write's message. A stored value of the wrong type, or a store that cannot be
/// read, fails the read and leaves the store unchanged.
class Settings
{
public:
    /// Operations on `store`, which must outlive this object, for `edition`'s key.
    Settings(SettingsStore &store, const EditionConstants &edition);

    /// Reads a flag; any non-zero integer is true, a text is the type mismatch.
    SettingRead<bool> readFlag(const FlagSetting &setting);
    /// Reads an integer; a text is the type mismatch.
    SettingRead<std::int32_t> readInteger(const IntegerSetting &setting);
    /// Reads a text of the edition key; an integer is the type mismatch.
    SettingRead<std::string> readText(const TextSetting &setting);
    /// Reads a text of the shared key, writing `defaultValue` there when it is missing.
    SettingRead<std::string> readSharedText(std::string_view name, std::string_view defaultValue);

    /// Writes a flag as the integer 1 or 0.
    SettingWrite writeFlag(const FlagSetting &setting, bool value);
    /// Writes an integer.
    SettingWrite writeInteger(const IntegerSetting &setting, std::int32_t value);
    /// Writes a CP932 text.
    SettingWrite writeText(const TextSetting &setting, std::string_view value);

private:
    SettingRead<std::int32_t> readNumber(std::string_view name, std::int32_t defaultValue);
    SettingRead<std::string>
    readString(std::string_view key, std::string_view name, std::string_view defaultValue);
    SettingWrite putNumber(std::string_view name, std::int32_t value);
    SettingWrite putString(std::string_view key, std::string_view name, std::string_view value);

    SettingsStore &m_store;
    std::string m_editionKey;
};

} // namespace zelkon
