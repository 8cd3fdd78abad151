// A profile (INI) text parsed once, answering key lists, values and key counts, and producing
// edited copies of itself with the Windows profile functions' rules.
#pragma once

#include "records/profile_syntax.h"
#include "records/section_index.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zelkon {

/// One parsed profile text. Section and key names match ignoring ASCII case and outer blanks,
/// the first of duplicate sections or keys wins, only a line starting with ";" is a comment and
/// a line without "=" is no key. Lines may end in CR LF or LF.
class ProfileSnapshot
{
public:
    /// An empty text: no sections.
    ProfileSnapshot() = default;
    /// Parses the bytes in one pass.
    explicit ProfileSnapshot(std::string bytes);

    /// The text as parsed.
    const std::string &bytes() const { return m_bytes; }

    /// Number of key lines of the section, none left out; 0 when the section is missing.
    int keyCount(std::string_view section) const;
    /// The key names of the section in file order, as spelt there; empty when it is missing.
    std::vector<std::string> keys(std::string_view section) const;
    /// The keys of the section with their values as read, in file order.
    std::vector<std::pair<std::string, std::string>> entries(std::string_view section) const;
    /// True when the section has the key.
    bool hasKey(std::string_view section, std::string_view key) const;
    /// The value of the first matching key as ProfileValue reads it; `defaultValue` when the
    /// section or key is missing.
    std::string
    read(std::string_view section, std::string_view key, std::string_view defaultValue) const;

    /// The text with the key set: an existing key's line is rewritten keeping its spelling, a
    /// new key goes after the section's last key (right after the header when it has none), a
    /// new section at the end. A value that would not read back as written (outer blanks, outer
    /// quotes) is written inside quotes. Every line of the result ends in CR LF.
    std::string
    withValue(std::string_view section, std::string_view key, std::string_view value) const;
    /// The text without the section: its header and every line up to the next section go, for
    /// every section of that name, so that no duplicate resurfaces. Every line of the result
    /// ends in CR LF.
    std::string withoutSection(std::string_view section) const;

private:
    struct Section
    {
        std::size_t headerBegin = 0; ///< start of the "[name]" line
        std::size_t bodyBegin = 0;   ///< start of the line after the header
        std::size_t bodyEnd = 0;     ///< start of the next header line, or the end of the text
        int id = -1;                 ///< the name's id in m_index
        int keyCount = 0;
    };

    const Section *find(std::string_view section) const;
    std::string_view body(const Section &s) const;
    std::optional<std::string> lookup(std::string_view section, std::string_view key) const;

    std::string m_bytes;
    std::vector<Section> m_sections;
    SectionIndex m_index;
    std::vector<std::size_t> m_firstSection; ///< name id → first section of that name
};

} // namespace zelkon
