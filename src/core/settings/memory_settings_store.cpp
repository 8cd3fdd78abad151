// The in-memory SettingsStore.
#include "settings/memory_settings_store.h"

namespace zelkon {

StoredValue MemorySettingsStore::get(std::string_view key, std::string_view name) const
{
    const auto it = m_values.find(std::pair<std::string, std::string>(key, name));
    return it == m_values.end() ? StoredValue{} : it->second;
}

bool MemorySettingsStore::setInteger(std::string_view key,
                                     std::string_view name,
                                     std::int32_t value)
{
    if (m_writesFail)
        return false;
    put(key, name, {StoredKind::Integer, value, {}});
    return true;
}

bool MemorySettingsStore::setText(std::string_view key,
                                  std::string_view name,
                                  std::string_view value)
{
    if (m_writesFail)
        return false;
    put(key, name, {StoredKind::Text, 0, std::string(value)});
    return true;
}

void MemorySettingsStore::put(std::string_view key, std::string_view name, StoredValue value)
{
    std::pair<std::string, std::string> at(key, name);
    if (value.kind == StoredKind::Missing)
        m_values.erase(at);
    else
        m_values[std::move(at)] = std::move(value);
}

} // namespace zelkon
