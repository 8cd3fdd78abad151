// The SettingsStore interface: where the program keeps its settings (the registry, a .conf file,
// memory in tests).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zelkon {

/// What a store holds under a key and name.
enum class StoredKind {
    Missing,        ///< the key or the value does not exist
    Integer,        ///< a 32-bit integer (a DWORD in the registry)
    Text,           ///< a string
    UntypedInteger, ///< a string spelling a 32-bit integer in a store without types (an INI-style
                    ///< file writes 5 and "5" alike): it reads as that integer or as that text
    Other,          ///< a value of any other type
    Unreadable      ///< the store itself could not be read
};

/// One stored value with its kind; `integer` is set for the two integer kinds, `text` (CP932)
/// for Text and UntypedInteger.
struct StoredValue
{
    StoredKind kind = StoredKind::Missing;
    std::int32_t integer = 0;
    std::string text;
};

/// A hierarchical store of named values under registry-style keys ("SoftWare\Zelkon\Common").
/// Every call stands alone: nothing is held open or cached between calls.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;

    /// The value `name` under `key`; kind Missing when either does not exist.
    virtual StoredValue get(std::string_view key, std::string_view name) const = 0;

    /// Stores an integer, creating the key when needed; false when it could not be written.
    virtual bool setInteger(std::string_view key, std::string_view name, std::int32_t value) = 0;

    /// Stores a CP932 text, creating the key when needed; false when it could not be written.
    virtual bool setText(std::string_view key, std::string_view name, std::string_view value) = 0;
};

} // namespace zelkon
