// Open-addressing hash table over ASCII-folded CP932 names.
#include "records/section_index.h"

#include "common/cp932.h"

#include <cstring>

namespace zelkon {

namespace {

unsigned char FoldAscii(unsigned char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c + ('a' - 'A')) : c;
}

// A hash that equal names (ignoring ASCII case) share. Setting bit 0x20 of every byte folds
// A–Z onto a–z; that it also merges other bytes, second bytes included, only adds collisions,
// which the comparison sorts out. Eight bytes go in per step.
std::uint32_t FoldedHash(std::string_view name)
{
    constexpr std::uint64_t fold = 0x2020202020202020ULL;
    constexpr std::uint64_t k = 0x9E3779B97F4A7C15ULL;
    std::uint64_t h = name.size() * k;
    std::size_t i = 0;
    for (; i + 8 <= name.size(); i += 8) {
        std::uint64_t w;
        std::memcpy(&w, name.data() + i, 8);
        h = (h ^ (w | fold)) * k;
        h ^= h >> 29;
    }
    std::uint64_t w = 0;
    for (std::size_t j = i; j < name.size(); ++j)
        w = (w << 8) | (static_cast<unsigned char>(name[j]) | 0x20u);
    h = (h ^ w) * k;
    return static_cast<std::uint32_t>(h ^ (h >> 32));
}

bool FoldedEqual(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    if (a == b)
        return true;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const unsigned char x = static_cast<unsigned char>(a[i]);
        const unsigned char y = static_cast<unsigned char>(b[i]);
        if (IsLeadByte(x) && i + 1 < a.size()) {
            // Equal lead bytes put both names on the same character boundary.
            if (x != y || a[i + 1] != b[i + 1])
                return false;
            ++i;
        } else if (FoldAscii(x) != FoldAscii(y)) {
            return false;
        }
    }
    return true;
}

} // namespace

std::string_view SectionIndex::name(int id) const
{
    const std::size_t k = static_cast<std::size_t>(id);
    const std::size_t end = k + 1 < m_nameBegin.size() ? m_nameBegin[k + 1] : m_names.size();
    return std::string_view(m_names).substr(m_nameBegin[k], end - m_nameBegin[k]);
}

std::size_t SectionIndex::probe(std::string_view wanted, std::uint32_t hash) const
{
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot &s = m_slots[i];
        if (s.id < 0 || (s.hash == hash && FoldedEqual(name(s.id), wanted)))
            return i;
    }
}

void SectionIndex::grow()
{
    std::vector<Slot> old = std::move(m_slots);
    m_slots.assign(old.empty() ? 64 : old.size() * 2, Slot{});
    const std::size_t mask = m_slots.size() - 1;
    for (const Slot &s : old) {
        if (s.id < 0)
            continue;
        std::size_t i = s.hash & mask;
        while (m_slots[i].id >= 0)
            i = (i + 1) & mask;
        m_slots[i] = s;
    }
}

int SectionIndex::insert(std::string_view name)
{
    // Keep the table at most half full so that probes stay short.
    if (static_cast<std::size_t>(m_size + 1) * 2 > m_slots.size())
        grow();
    const std::uint32_t hash = FoldedHash(name);
    Slot &slot = m_slots[probe(name, hash)];
    if (slot.id >= 0)
        return -1;
    slot.hash = hash;
    slot.id = m_size++;
    m_nameBegin.push_back(static_cast<std::uint32_t>(m_names.size()));
    m_names.append(name);
    return slot.id;
}

int SectionIndex::find(std::string_view name) const
{
    if (m_slots.empty())
        return -1;
    return m_slots[probe(name, FoldedHash(name))].id;
}

} // namespace zelkon
