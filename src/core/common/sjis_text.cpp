// Text operations on CP932 byte strings.
#include "common/sjis_text.h"

#include "common/cp932.h"

namespace zelkon {

namespace {

std::vector<std::string> SplitAtByte(std::string_view text, char mark)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = text.find(mark, start);
        if (at == std::string_view::npos) {
            parts.emplace_back(text.substr(start));
            return parts;
        }
        parts.emplace_back(text.substr(start, at - start));
        start = at + 1;
    }
}

std::string FifteenBlanks()
{
    std::string s;
    for (int i = 0; i < 15; ++i)
        s += kFullWidthSpace;
    return s;
}

char LowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

std::vector<std::string> SplitAtHash(std::string_view line)
{
    return SplitAtByte(line, '#');
}

std::vector<std::string> SplitAlternatives(std::string_view answer)
{
    return SplitAtByte(answer, ';');
}

std::string TrimAnswer(std::string_view text)
{
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= 32)
        text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= 32)
        text.remove_suffix(1);
    while (text.starts_with(kFullWidthSpace))
        text.remove_prefix(kFullWidthSpace.size());
    // A trailing "　" counts only when it is a whole character: in "ａ@" the bytes 0x81 0x40
    // are the second half of "ａ" and an "@". One walk from the start finds where the last
    // character that is no "　" ends; everything after it is whole blanks.
    std::size_t kept = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = CharLengthAt(text, i);
        if (text.substr(i, length) != kFullWidthSpace)
            kept = i + length;
        i += length;
    }
    return std::string(text.substr(0, kept));
}

std::string PadToWidth(std::string_view text, std::size_t width)
{
    if (!text.empty() && text.size() >= width)
        return std::string(text);
    std::string padded = text.empty()
                             ? FifteenBlanks()
                             : std::string(kFullWidthSpace) + std::string(text) + FifteenBlanks();
    if (padded.size() > width) {
        // A cut through a two-byte character would leave a lone lead byte, which draws as a
        // broken glyph; a half-width blank keeps the byte count and the width instead.
        std::size_t end = 0;
        while (end < width)
            end += CharLengthAt(padded, end);
        padded.resize(width);
        if (end > width)
            padded.back() = ' ';
    }
    return padded;
}

std::string FileNameOf(std::string_view path)
{
    const std::size_t backslash = FindLastCharacter(path, "\\");
    const std::size_t slash = FindLastCharacter(path, "/");
    std::size_t cut = std::string_view::npos;
    if (backslash != std::string_view::npos)
        cut = backslash;
    if (slash != std::string_view::npos && (cut == std::string_view::npos || slash > cut))
        cut = slash;
    return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

std::string FileExtension(std::string_view path)
{
    const std::string name = FileNameOf(path);
    const std::size_t dot = FindCharacter(name, ".");
    if (dot == std::string::npos)
        return {};
    std::string ext;
    int chars = 0;
    for (std::size_t i = dot; i < name.size() && chars < 4; ++chars) {
        const std::size_t n = CharLengthAt(name, i);
        ext.append(name, i, n);
        i += n;
    }
    return AsciiLower(ext);
}

std::string AsciiLower(std::string_view text)
{
    std::string out(text);
    for (std::size_t i = 0; i < out.size(); i += CharLengthAt(out, i))
        out[i] = LowerAscii(out[i]);
    return out;
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && AsciiLower(a) == AsciiLower(b);
}

std::string ToFullWidthDigits(std::string_view text)
{
    if (text.empty() || static_cast<unsigned char>(text.front()) >= 0x80)
        return std::string(text);
    std::string out;
    for (const std::string &ch : SplitCharacters(text)) {
        if (ch.size() == 1 && ch[0] >= '0' && ch[0] <= '9') {
            out += '\x82';
            out += static_cast<char>(0x4F + (ch[0] - '0'));
        }
    }
    return out;
}

} // namespace zelkon
