// The key counts of every section of a profile file, taken in one streaming pass: the count
// pass behind the practice counts of a whole lesson.
#pragma once

#include "records/section_index.h"

#include <string>
#include <string_view>
#include <vector>

namespace zelkon {

/// Section name → number of key lines, for every section of one profile file, with the same
/// rules as ProfileSnapshot::keyCount (names ignoring ASCII case, first duplicate wins).
class ProfileKeyCounts
{
public:
    /// No sections.
    ProfileKeyCounts() = default;

    /// Counts the keys of the file at the composed path, reading it in small blocks that stay
    /// in cache while they are scanned. A missing file has no sections; a file that cannot be
    /// read, and the empty path of a refused learner name (see RecordFileName), give false with
    /// a reason and no sections.
    bool load(const std::string &composedPath, std::string *error = nullptr);

    /// Number of key lines of the section; 0 when it is missing.
    int keyCount(std::string_view section) const;

private:
    std::size_t scan(std::string_view bytes, bool atEnd);

    SectionIndex m_index;
    std::vector<int> m_counts; ///< name id → key count of the first section of that name
    int m_current = -1;        ///< id of the section being scanned; -1 before any or in a duplicate
};

} // namespace zelkon
