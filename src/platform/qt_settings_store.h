// The settings store over QSettings: the registry on Windows, ~/.config/<organisation>/ here.
#pragma once

#include "settings/settings_store.h"

#include <QString>

#include <string>
#include <string_view>

namespace zelkon {

/// Where a registry-style key lives for QSettings.
struct QtSettingsLocation
{
    QString organization;
    QString application;
};

/// "SoftWare\Zelkon\ZelkonXA" → organisation "Zelkon", application "ZelkonXA": the leading
/// "Software" (any case) is dropped, the next component is the organisation and the rest,
/// joined by "/", the application; so on Windows QSettings reaches the very same registry key.
QtSettingsLocation SettingsLocationForKey(std::string_view key);

/// A SettingsStore in the native format of the user scope. The native format here is an INI
/// file without types, so a text spelling a 32-bit integer is reported as UntypedInteger and
/// reads as either; any other text read as an integer is the type mismatch. A file that cannot be
/// read is Unreadable; a damaged one reads as far as it parses and is repaired by the next write.
class QtSettingsStore final : public SettingsStore
{
public:
    StoredValue get(std::string_view key, std::string_view name) const override;
    bool setInteger(std::string_view key, std::string_view name, std::int32_t value) override;
    bool setText(std::string_view key, std::string_view name, std::string_view value) override;
};

/// The default record drive: the user's data folder with "/" appended, in CP932 ("?" for a
/// character CP932 cannot hold).
std::string DefaultRecordDrive();

} // namespace zelkon
