// Profile line classification and value reading.
#include "records/profile_syntax.h"

#include "common/cp932.h"

namespace zelkon {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Position of the last "]" of the line, stepping character by character since "]" can be the
// second byte of a two-byte character; npos when there is none.
std::size_t LastClosingBracket(std::string_view line)
{
    std::size_t found = std::string_view::npos;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(line[i]);
        if (IsLeadByte(c))
            ++i;
        else if (c == ']')
            found = i;
    }
    return found;
}

} // namespace

std::string_view TrimProfileBlanks(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

ProfileLine ClassifyProfileLine(std::string_view line)
{
    while (!line.empty() && IsBlank(line.front()))
        line.remove_prefix(1);
    if (line.empty() || line.front() == ';')
        return {};
    if (line.front() == '[') {
        const std::size_t close = LastClosingBracket(line);
        if (close != std::string_view::npos)
            return {ProfileLineKind::Header, TrimProfileBlanks(line.substr(1, close - 1)), {}};
    }
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos)
        return {};
    return {ProfileLineKind::Key, TrimProfileBlanks(line.substr(0, eq)), line.substr(eq + 1)};
}

std::string ProfileValue(std::string_view raw)
{
    std::string_view v = TrimProfileBlanks(raw);
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
    if (v.size() <= kProfileValueLimit)
        return std::string(v);
    std::size_t cut = 0;
    while (cut < v.size()) {
        const std::size_t n = CharLengthAt(v, cut);
        if (cut + n > kProfileValueLimit)
            break;
        cut += n;
    }
    return std::string(v.substr(0, cut));
}

} // namespace zelkon
