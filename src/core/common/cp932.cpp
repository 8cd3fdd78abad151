// CP932 character boundaries and conversion, through glibc's iconv tables for CP932.
#include "common/cp932.h"

#include <cerrno>
#include <cstdio>
#include <iconv.h>
#include <stdexcept>

namespace zelkon {

namespace {

// One converter per direction and thread: opening iconv is costly, and a handle is not
// safe to share between threads.
class Converter
{
public:
    Converter(const char *to, const char *from)
        : m_cd(iconv_open(to, from))
    {
        if (m_cd == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
    ~Converter() { iconv_close(m_cd); }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    // Converts `in`; returns false at the first sequence it cannot convert, leaving `consumed`
    // at its offset.
    bool run(std::string_view in, std::string &out, std::size_t &consumed)
    {
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        char *src = const_cast<char *>(in.data());
        std::size_t srcLeft = in.size();
        char buffer[4096];
        while (srcLeft > 0) {
            char *dst = buffer;
            std::size_t dstLeft = sizeof buffer;
            const std::size_t rc = iconv(m_cd, &src, &srcLeft, &dst, &dstLeft);
            out.append(buffer, dst - buffer);
            if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) {
                consumed = in.size() - srcLeft;
                return false;
            }
        }
        consumed = in.size();
        return true;
    }

private:
    iconv_t m_cd;
};

Converter &ToUtf8()
{
    thread_local Converter c("UTF-8", "CP932");
    return c;
}

Converter &FromUtf8()
{
    thread_local Converter c("CP932", "UTF-8");
    return c;
}

std::size_t Utf8SequenceLength(unsigned char b)
{
    if (b < 0x80)
        return 1;
    if ((b & 0xE0) == 0xC0)
        return 2;
    if ((b & 0xF0) == 0xE0)
        return 3;
    if ((b & 0xF8) == 0xF0)
        return 4;
    return 1;
}

// JIS-style code points that Windows maps onto CP932 characters, with the code point the
// CP932 table holds for each.
struct Alias
{
    std::string_view from;
    std::string_view to;
};
constexpr Alias kAliases[] = {
    {"\u301C", "\uFF5E"}, // WAVE DASH → FULLWIDTH TILDE (0x8160)
    {"\u2016", "\u2225"}, // DOUBLE VERTICAL LINE → PARALLEL TO (0x8161)
    {"\u2212", "\uFF0D"}, // MINUS SIGN → FULLWIDTH HYPHEN-MINUS (0x817C)
    {"\u2014", "\u2015"}, // EM DASH → HORIZONTAL BAR (0x815C)
    {"\u00A2", "\uFFE0"}, // CENT SIGN (0x8191)
    {"\u00A3", "\uFFE1"}, // POUND SIGN (0x8192)
    {"\u00AC", "\uFFE2"}, // NOT SIGN (0x81CA)
};

std::string ReplaceAliases(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        bool replaced = false;
        if (static_cast<unsigned char>(utf8[i]) >= 0x80) {
            for (const Alias &a : kAliases) {
                if (utf8.substr(i, a.from.size()) == a.from) {
                    out += a.to;
                    i += a.from.size();
                    replaced = true;
                    break;
                }
            }
        }
        if (!replaced)
            out += utf8[i++];
    }
    return out;
}

} // namespace

std::size_t CharLengthAt(std::string_view text, std::size_t pos)
{
    if (pos + 1 < text.size() && IsLeadByte(static_cast<unsigned char>(text[pos])))
        return 2;
    return 1;
}

std::vector<std::string> SplitCharacters(std::string_view text)
{
    std::vector<std::string> chars;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = CharLengthAt(text, i);
        chars.emplace_back(text.substr(i, n));
        i += n;
    }
    return chars;
}

std::size_t CharacterCount(std::string_view text)
{
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); i += CharLengthAt(text, i))
        ++count;
    return count;
}

std::size_t FindCharacter(std::string_view text, std::string_view ch, std::size_t from)
{
    if (ch.empty())
        return std::string_view::npos;
    for (std::size_t i = 0; i < text.size(); i += CharLengthAt(text, i)) {
        if (i >= from && text.substr(i, ch.size()) == ch && CharLengthAt(text, i) == ch.size())
            return i;
    }
    return std::string_view::npos;
}

std::size_t FindLastCharacter(std::string_view text, std::string_view ch)
{
    // One pass: searching again from each match would step from the start every time.
    std::size_t found = std::string_view::npos;
    if (ch.empty())
        return found;
    for (std::size_t i = 0; i < text.size(); i += CharLengthAt(text, i)) {
        if (text.substr(i, ch.size()) == ch && CharLengthAt(text, i) == ch.size())
            found = i;
    }
    return found;
}

std::string Cp932ToUtf8(std::string_view cp932)
{
    std::string out;
    out.reserve(cp932.size() * 3 / 2);
    Converter &c = ToUtf8();
    std::size_t pos = 0;
    while (pos < cp932.size()) {
        std::size_t consumed = 0;
        if (c.run(cp932.substr(pos), out, consumed))
            break;
        out += "\uFFFD";
        pos += consumed + 1;
    }
    return out;
}

Cp932Conversion ConvertUtf8ToCp932(std::string_view utf8)
{
    Cp932Conversion result;
    const std::string text = ReplaceAliases(utf8);
    std::size_t consumed = 0;
    if (FromUtf8().run(text, result.bytes, consumed)) {
        result.ok = true;
        return result;
    }
    result.bytes.clear();
    // Report the character as the user typed it: find the same character in the input.
    const std::size_t badLength = Utf8SequenceLength(static_cast<unsigned char>(text[consumed]));
    result.badCharacter = text.substr(consumed, badLength);
    std::size_t offset = 0;
    for (std::size_t i = 0, j = 0; i < consumed && j < utf8.size();) {
        const std::size_t n = Utf8SequenceLength(static_cast<unsigned char>(text[i]));
        const std::size_t m = Utf8SequenceLength(static_cast<unsigned char>(utf8[j]));
        i += n;
        j += m;
        offset = j;
    }
    result.badOffset = offset;
    return result;
}

std::string Utf8ToCp932(std::string_view utf8)
{
    Cp932Conversion c = ConvertUtf8ToCp932(utf8);
    if (!c.ok)
        throw std::invalid_argument("CP932 cannot hold the character \"" + c.badCharacter + "\"");
    return std::move(c.bytes);
}

std::string RefusedCharacterMessageUtf8(std::string_view badCharacterUtf8)
{
    const auto *s = reinterpret_cast<const unsigned char *>(badCharacterUtf8.data());
    const std::size_t n = badCharacterUtf8.size();
    unsigned long cp = n ? s[0] : 0;
    if (n == 2)
        cp = ((s[0] & 0x1Fu) << 6) | (s[1] & 0x3Fu);
    else if (n == 3)
        cp = ((s[0] & 0x0Fu) << 12) | ((s[1] & 0x3Fu) << 6) | (s[2] & 0x3Fu);
    else if (n == 4)
        cp = ((s[0] & 0x07u) << 18) | ((s[1] & 0x3Fu) << 12) | ((s[2] & 0x3Fu) << 6)
             | (s[3] & 0x3Fu);
    char code[16];
    std::snprintf(code, sizeof code, "U+%04lX", cp);
    return "「" + std::string(badCharacterUtf8) + "」(" + code
           + ") は Shift_JIS にない文字のため使えません";
}

std::string RefusedCharacterMessageCp932(std::string_view badCharacterUtf8)
{
    std::string text = RefusedCharacterMessageUtf8(badCharacterUtf8);
    const std::size_t at = text.find(badCharacterUtf8);
    if (!badCharacterUtf8.empty() && at != std::string::npos)
        text.replace(at, badCharacterUtf8.size(), "〓");
    const Cp932Conversion converted = ConvertUtf8ToCp932(text);
    return converted.ok ? converted.bytes : Utf8ToCp932("この文字は使えません");
}

} // namespace zelkon
