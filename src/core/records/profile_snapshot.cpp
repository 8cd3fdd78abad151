// Profile text parsed in one linear pass, and edits that splice the parsed text.
#include "records/profile_snapshot.h"

#include "common/line_file.h"
#include "common/sjis_text.h"

#include <cstring>
#include <utility>

namespace zelkon {

namespace {

// Calls f(lineBegin, lineContent, nextLineBegin) for every line of `text`, offsets relative to
// `base`. Only a CR before an LF is part of the line end: a lone CR, also one at the very end of
// the text, stays in the content, as SplitLines keeps it, so that rewriting a line replaces all
// of it.
template<typename F>
void ForEachLine(std::string_view text, std::size_t base, F f)
{
    std::size_t pos = 0;
    while (pos < text.size()) {
        const void *nl = std::memchr(text.data() + pos, '\n', text.size() - pos);
        const std::size_t end = nl ? static_cast<const char *>(nl) - text.data() : text.size();
        const std::size_t next = nl ? end + 1 : end;
        const std::size_t contentEnd = (nl && end > pos && text[end - 1] == '\r') ? end - 1 : end;
        f(base + pos, text.substr(pos, contentEnd - pos), base + next);
        pos = next;
    }
}

bool IsKeyLineFor(const ProfileLine &line, std::string_view key)
{
    return line.kind == ProfileLineKind::Key && line.name.size() == key.size()
           && EqualsIgnoringAsciiCase(line.name, key);
}

bool NeedsQuotes(std::string_view value)
{
    if (value.empty())
        return false;
    if (TrimProfileBlanks(value).size() != value.size())
        return true;
    const char q = value.front();
    return value.size() >= 2 && (q == '"' || q == '\'') && value.back() == q;
}

// The text with every line ended by CR LF; already so, it is kept as it is, sparing a large
// record file a split into lines and a copy.
std::string Normalised(std::string text)
{
    bool crLf = text.empty() || text.ends_with("\r\n");
    for (std::size_t at = text.find('\n'); crLf && at != std::string::npos;
         at = text.find('\n', at + 1))
        crLf = at > 0 && text[at - 1] == '\r';
    if (crLf)
        return text;
    return JoinLines(SplitLines(text));
}

} // namespace

ProfileSnapshot::ProfileSnapshot(std::string bytes)
    : m_bytes(std::move(bytes))
{
    ScanProfileLines(
        m_bytes,
        /*atEnd=*/true,
        [this](std::size_t begin, std::string_view name, std::size_t next) {
            if (!m_sections.empty())
                m_sections.back().bodyEnd = begin;
            Section s;
            s.headerBegin = begin;
            s.bodyBegin = next;
            s.bodyEnd = m_bytes.size();
            s.id = m_index.insert(name);
            if (s.id >= 0)
                m_firstSection.push_back(m_sections.size());
            else
                s.id = m_index.find(name);
            m_sections.push_back(s);
        },
        [this] {
            if (!m_sections.empty())
                ++m_sections.back().keyCount;
        });
}

const ProfileSnapshot::Section *ProfileSnapshot::find(std::string_view section) const
{
    const int id = m_index.find(TrimProfileBlanks(section));
    return id < 0 ? nullptr : &m_sections[m_firstSection[static_cast<std::size_t>(id)]];
}

std::string_view ProfileSnapshot::body(const Section &s) const
{
    return std::string_view(m_bytes).substr(s.bodyBegin, s.bodyEnd - s.bodyBegin);
}

int ProfileSnapshot::keyCount(std::string_view section) const
{
    const Section *s = find(section);
    return s ? s->keyCount : 0;
}

std::vector<std::string> ProfileSnapshot::keys(std::string_view section) const
{
    std::vector<std::string> out;
    const Section *s = find(section);
    if (!s)
        return out;
    out.reserve(static_cast<std::size_t>(s->keyCount));
    ForEachLine(body(*s), 0, [&](std::size_t, std::string_view line, std::size_t) {
        const ProfileLine p = ClassifyProfileLine(line);
        if (p.kind == ProfileLineKind::Key)
            out.emplace_back(p.name);
    });
    return out;
}

std::vector<std::pair<std::string, std::string>>
ProfileSnapshot::entries(std::string_view section) const
{
    std::vector<std::pair<std::string, std::string>> out;
    const Section *s = find(section);
    if (!s)
        return out;
    out.reserve(static_cast<std::size_t>(s->keyCount));
    ForEachLine(body(*s), 0, [&](std::size_t, std::string_view line, std::size_t) {
        const ProfileLine p = ClassifyProfileLine(line);
        if (p.kind == ProfileLineKind::Key)
            out.emplace_back(std::string(p.name), ProfileValue(p.value));
    });
    return out;
}

std::optional<std::string> ProfileSnapshot::lookup(std::string_view section,
                                                   std::string_view key) const
{
    const Section *s = find(section);
    if (!s)
        return std::nullopt;
    const std::string_view wanted = TrimProfileBlanks(key);
    std::optional<std::string> value;
    ForEachLine(body(*s), 0, [&](std::size_t, std::string_view line, std::size_t) {
        if (value)
            return;
        const ProfileLine p = ClassifyProfileLine(line);
        if (IsKeyLineFor(p, wanted))
            value = ProfileValue(p.value);
    });
    return value;
}

bool ProfileSnapshot::hasKey(std::string_view section, std::string_view key) const
{
    return lookup(section, key).has_value();
}

std::string ProfileSnapshot::read(std::string_view section,
                                  std::string_view key,
                                  std::string_view defaultValue) const
{
    return lookup(section, key).value_or(std::string(defaultValue));
}

std::string ProfileSnapshot::withValue(std::string_view section,
                                       std::string_view key,
                                       std::string_view value) const
{
    const std::string encoded
        = NeedsQuotes(value) ? "\"" + std::string(value) + "\"" : std::string(value);
    const Section *s = find(section);
    if (!s) {
        std::string out = m_bytes;
        if (!out.empty() && out.back() != '\n')
            out += "\r\n";
        out += "[" + std::string(section) + "]\r\n" + std::string(key) + "=" + encoded + "\r\n";
        return Normalised(std::move(out));
    }

    const std::string_view wanted = TrimProfileBlanks(key);
    std::size_t insertAt = s->bodyBegin;
    std::size_t replaceBegin = std::string::npos;
    std::size_t replaceEnd = 0;
    std::string keptName;
    ForEachLine(
        body(*s), s->bodyBegin, [&](std::size_t begin, std::string_view line, std::size_t next) {
            if (replaceBegin != std::string::npos)
                return;
            const ProfileLine p = ClassifyProfileLine(line);
            if (p.kind != ProfileLineKind::Key)
                return;
            if (IsKeyLineFor(p, wanted)) {
                replaceBegin = begin;
                replaceEnd = begin + line.size();
                keptName = std::string(p.name);
            }
            insertAt = next;
        });

    std::string out;
    out.reserve(m_bytes.size() + key.size() + encoded.size() + 4);
    if (replaceBegin != std::string::npos) {
        out.append(m_bytes, 0, replaceBegin);
        out += keptName + "=" + encoded;
        out.append(m_bytes, replaceEnd);
        return Normalised(std::move(out));
    }
    out.append(m_bytes, 0, insertAt);
    if (insertAt > 0 && m_bytes[insertAt - 1] != '\n')
        out += "\r\n";
    out += std::string(key) + "=" + encoded + "\r\n";
    out.append(m_bytes, insertAt);
    return Normalised(std::move(out));
}

std::string ProfileSnapshot::withoutSection(std::string_view section) const
{
    const Section *target = find(section);
    if (!target)
        return m_bytes;
    std::string out;
    out.reserve(m_bytes.size());
    std::size_t kept = 0;
    for (const Section &s : m_sections) {
        if (s.id != target->id)
            continue;
        out.append(m_bytes, kept, s.headerBegin - kept);
        kept = s.bodyEnd;
    }
    out.append(m_bytes, kept);
    return Normalised(std::move(out));
}

} // namespace zelkon
