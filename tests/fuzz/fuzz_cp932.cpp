// CP932 text from any bytes: its characters, the searches that step character by character, the
// conversions to and from UTF-8, and the byte-string cuts, trims and padding of outside text,
// each held to what its header promises.
#include "fuzz_support.h"

#include "common/cp932.h"
#include "common/sjis_text.h"

#include <algorithm>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

using namespace zelkon;

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// Strict UTF-8: shortest forms, no surrogates, nothing past U+10FFFF.
bool IsValidUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char b = static_cast<unsigned char>(text[i]);
        std::size_t n = 0;
        std::uint32_t cp = 0;
        if (b < 0x80) {
            ++i;
            continue;
        }
        if (b >= 0xC2 && b <= 0xDF) {
            n = 2;
            cp = b & 0x1Fu;
        } else if (b >= 0xE0 && b <= 0xEF) {
            n = 3;
            cp = b & 0x0Fu;
        } else if (b >= 0xF0 && b <= 0xF4) {
            n = 4;
            cp = b & 0x07u;
        } else {
            return false;
        }
        if (i + n > text.size())
            return false;
        for (std::size_t k = 1; k < n; ++k) {
            const unsigned char c = static_cast<unsigned char>(text[i + k]);
            if ((c & 0xC0u) != 0x80u)
                return false;
            cp = (cp << 6) | (c & 0x3Fu);
        }
        if ((n == 3 && cp < 0x800) || (n == 4 && (cp < 0x10000 || cp > 0x10FFFF))
            || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += n;
    }
    return true;
}

// A converted text is in the form CP932 writes its characters: reading it as UTF-8 and writing it
// again gives the same bytes (NEC and IBM duplicates included, which are never written).
void CheckConversion(std::string_view utf8, const Cp932Conversion &converted)
{
    if (converted.ok) {
        const Cp932Conversion again = ConvertUtf8ToCp932(Cp932ToUtf8(converted.bytes));
        if (!again.ok || again.bytes != converted.bytes)
            std::abort();
        return;
    }
    if (!converted.bytes.empty() || converted.badCharacter.empty()
        || converted.badOffset >= utf8.size())
        std::abort();
    if (IsValidUtf8(utf8)
        && utf8.substr(converted.badOffset, converted.badCharacter.size())
               != converted.badCharacter)
        std::abort();
    if (RefusedCharacterMessageCp932(converted.badCharacter).empty()
        || RefusedCharacterMessageUtf8(converted.badCharacter).empty())
        std::abort();
}

void CheckCharacters(std::string_view text, FuzzedDataProvider &in)
{
    const std::vector<std::string> pieces = SplitCharacters(text);
    std::string joined;
    std::vector<std::size_t> starts;
    for (const std::string &piece : pieces) {
        if (piece.empty() || piece.size() > 2
            || (piece.size() == 2 && !IsLeadByte(static_cast<unsigned char>(piece[0]))))
            std::abort();
        if (CharLengthAt(text, joined.size()) != piece.size())
            std::abort();
        starts.push_back(joined.size());
        joined += piece;
    }
    if (joined != text || CharacterCount(text) != pieces.size())
        std::abort();

    // The searches find what a walk over the characters finds.
    std::vector<std::string> wanted{"\\", "/", "#", ".", std::string(kFullWidthSpace), "\x81\x98"};
    if (!pieces.empty())
        wanted.push_back(pieces[in.ConsumeIntegralInRange<std::size_t>(0, pieces.size() - 1)]);
    const std::size_t from = in.ConsumeIntegralInRange<std::size_t>(0, text.size() + 1);
    for (const std::string &ch : wanted) {
        std::size_t first = std::string::npos;
        std::size_t firstFrom = std::string::npos;
        std::size_t last = std::string::npos;
        for (std::size_t k = 0; k < pieces.size(); ++k) {
            if (pieces[k] != ch)
                continue;
            if (first == std::string::npos)
                first = starts[k];
            if (firstFrom == std::string::npos && starts[k] >= from)
                firstFrom = starts[k];
            last = starts[k];
        }
        if (FindCharacter(text, ch) != first || FindCharacter(text, ch, from) != firstFrom
            || FindLastCharacter(text, ch) != last)
            std::abort();
    }
}

void CheckTrimAndPad(std::string_view text, FuzzedDataProvider &in)
{
    const std::string trimmed = TrimAnswer(text);
    if (text.find(trimmed) == std::string_view::npos || trimmed.starts_with(kFullWidthSpace))
        std::abort();
    const std::vector<std::string> trimmedPieces = SplitCharacters(trimmed);
    if (!trimmedPieces.empty() && trimmedPieces.back() == kFullWidthSpace)
        std::abort();

    const std::size_t width = in.ConsumeIntegralInRange<std::size_t>(0, 200);
    const std::string padded = PadToWidth(text, width);
    if (!text.empty() && text.size() >= width) {
        if (padded != text)
            std::abort();
        return;
    }
    std::string full = text.empty() ? std::string() : std::string(kFullWidthSpace);
    full += text;
    for (int k = 0; k < 15; ++k)
        full += kFullWidthSpace;
    if (padded.size() != std::min(width, full.size()))
        std::abort();
    if (padded.size() == full.size()) {
        if (padded != full)
            std::abort();
        return;
    }
    // Cut at the width; a character the cut would halve leaves a half-width blank instead.
    std::size_t end = 0;
    while (end < width)
        end += CharLengthAt(full, end);
    const std::string expected
        = end > width ? full.substr(0, width - 1) + " " : full.substr(0, width);
    if (padded != expected)
        std::abort();
}

void CheckSplitsAndNames(std::string_view text)
{
    for (const char mark : {'#', ';'}) {
        const std::vector<std::string> parts
            = mark == '#' ? SplitAtHash(text) : SplitAlternatives(text);
        std::string joined;
        for (std::size_t k = 0; k < parts.size(); ++k)
            joined += (k == 0 ? "" : std::string(1, mark)) + parts[k];
        if (joined != text
            || parts.size()
                   != static_cast<std::size_t>(std::count(text.begin(), text.end(), mark)) + 1)
            std::abort();
    }

    const std::string name = FileNameOf(text);
    if (!text.ends_with(name) || FindCharacter(name, "\\") != std::string::npos
        || FindCharacter(name, "/") != std::string::npos)
        std::abort();
    const std::string extension = FileExtension(text);
    if (extension.empty() != (FindCharacter(name, ".") == std::string::npos))
        std::abort();
    if (!extension.empty()
        && (!extension.starts_with('.') || CharacterCount(extension) > 4
            || AsciiLower(name).find(extension) == std::string::npos))
        std::abort();

    const std::string lower = AsciiLower(text);
    if (lower.size() != text.size() || AsciiLower(lower) != lower
        || !EqualsIgnoringAsciiCase(text, lower))
        std::abort();

    const std::string digits = ToFullWidthDigits(text);
    if (text.empty() || static_cast<unsigned char>(text.front()) >= 0x80) {
        if (digits != text)
            std::abort();
    } else {
        const std::vector<std::string> pieces = SplitCharacters(text);
        const auto isDigit
            = [](const std::string &ch) { return ch.size() == 1 && ch[0] >= '0' && ch[0] <= '9'; };
        if (digits.size()
            != 2 * static_cast<std::size_t>(std::count_if(pieces.begin(), pieces.end(), isDigit)))
            std::abort();
        for (std::size_t k = 0; k < digits.size(); k += 2) {
            if (digits[k] != '\x82' || digits[k + 1] < '\x4F' || digits[k + 1] > '\x58')
                std::abort();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const fuzz::FileAndChoices input = fuzz::SplitChoices(data, size);
    FuzzedDataProvider in(input.choices, input.choiceCount);
    const std::string_view text = input.file;

    CheckCharacters(text, in);
    CheckTrimAndPad(text, in);
    CheckSplitsAndNames(text);

    // CP932 to UTF-8 never fails: valid UTF-8, with U+FFFD for every byte it cannot read, and
    // every character it read converts back.
    const std::string utf8 = Cp932ToUtf8(text);
    if (!IsValidUtf8(utf8))
        std::abort();
    const Cp932Conversion back = ConvertUtf8ToCp932(utf8);
    CheckConversion(utf8, back);
    const std::size_t replaced = utf8.find(kReplacement);
    if (back.ok != (replaced == std::string::npos)
        || (!back.ok && (back.badOffset != replaced || back.badCharacter != kReplacement)))
        std::abort();

    // The same bytes taken as UTF-8, as text pasted from another program is.
    CheckConversion(text, ConvertUtf8ToCp932(text));
    return 0;
}
