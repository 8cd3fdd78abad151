// A SettingsStore held in memory, for tests.
#pragma once

#include "settings/settings_store.h"

#include <map>
#include <utility>

namespace zelkon {

/// Keys and names compare exactly (byte for byte).
class MemorySettingsStore final : public SettingsStore
{
public:
    StoredValue get(std::string_view key, std::string_view name) const override;
    bool setInteger(std::string_view key, std::string_view name, std::int32_t value) override;
    bool setText(std::string_view key, std::string_view name, std::string_view value) override;

    /// Plants a value of any kind, as another program or a damaged store would leave it; kind
    /// Missing removes the value.
    void put(std::string_view key, std::string_view name, StoredValue value);

    /// While set, every write fails and changes nothing, as with a key that cannot be written.
    void setWritesFail(bool fail) { m_writesFail = fail; }

private:
    std::map<std::pair<std::string, std::string>, StoredValue, std::less<>> m_values;
    bool m_writesFail = false;
};

} // namespace zelkon
