// A table from section names, matched ignoring ASCII case, to small ids, built without an
// allocation per name so that thousands of sections are indexed in a fraction of a read.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zelkon {

/// Section names → ids 0, 1, … in the order the names were first added. Names match ignoring
/// ASCII case; the second byte of a two-byte character is never folded.
class SectionIndex
{
public:
    /// Adds the name and returns its new id; -1 when an equal name is there already (the first
    /// of duplicate sections wins).
    int insert(std::string_view name);
    /// The id of the name; -1 when it was never added.
    int find(std::string_view name) const;

private:
    struct Slot
    {
        std::uint32_t hash = 0;
        int id = -1; ///< -1 for an empty slot
    };

    std::string_view name(int id) const;
    std::size_t probe(std::string_view name, std::uint32_t hash) const;
    void grow();

    // Small slots keep the table in cache; the names lie end to end in m_names.
    std::vector<Slot> m_slots;
    std::vector<std::uint32_t> m_nameBegin; ///< id → start of its name in m_names
    std::string m_names;
    int m_size = 0;
};

} // namespace zelkon
