// The line syntax of profile (INI) files, shared by the full parse and the streaming key count.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace zelkon {

/// Longest value a read returns, in bytes; longer values come back cut.
inline constexpr std::size_t kProfileValueLimit = 1023;

/// What a line of a profile file is: a section header, a key line, or anything else.
enum class ProfileLineKind { Other, Header, Key };

/// One line of a profile file as the profile functions see it.
struct ProfileLine
{
    ProfileLineKind kind = ProfileLineKind::Other;
    std::string_view name;  ///< section or key name, trimmed of spaces and tabs
    std::string_view value; ///< the raw text after the first "=" of a key line
};

/// The text without spaces and tabs at either end.
std::string_view TrimProfileBlanks(std::string_view text);

/// Classifies a line (without its line end): after leading blanks, ";" starts a comment, "["
/// with a later "]" (the last one, found character by character) a section header, and any
/// other line holding "=" is a key line; everything else is no key.
ProfileLine ClassifyProfileLine(std::string_view line);

/// The value as a read returns it: trimmed of spaces and tabs, one pair of matching outer
/// quotes (" or ') dropped, cut to 1,023 bytes without halving a two-byte character.
std::string ProfileValue(std::string_view raw);

/// Bit k set when byte k of the 64 bytes at `p` is a line feed (never the second byte of a
/// two-byte character).
inline std::uint64_t LineFeeds64(const char *p)
{
    std::uint64_t feeds = 0;
#if defined(__SSE2__)
    const __m128i feed = _mm_set1_epi8('\n');
    for (int k = 0; k < 4; ++k) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + 16 * k));
        const unsigned bits = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, feed)));
        feeds |= static_cast<std::uint64_t>(bits) << (16 * k);
    }
#else
    for (int k = 0; k < 64; ++k)
        feeds |= static_cast<std::uint64_t>(p[k] == '\n') << k;
#endif
    return feeds;
}

/// Scans the complete lines of `text` in one pass, calling onHeader(lineBegin, name,
/// nextLineBegin) for each section header and onKey() for each key line; with `atEnd` a final
/// line without line end is scanned too. Returns the offset just after the last line scanned.
/// Lines are classified as ClassifyProfileLine does; only "[" lines go through it, the others
/// are told apart by their first byte and a search for "=" that stops at the first one.
template<typename OnHeader, typename OnKey>
std::size_t ScanProfileLines(std::string_view text, bool atEnd, OnHeader &&onHeader, OnKey &&onKey)
{
    const char *d = text.data();
    const std::size_t n = text.size();
    std::size_t start = 0;

    const auto finish = [&](std::size_t stop, std::size_t next) {
        std::size_t end = stop;
        if (end > start && d[end - 1] == '\r')
            --end;
        std::size_t first = start;
        while (first < end && (d[first] == ' ' || d[first] == '\t'))
            ++first;
        if (first == end || d[first] == ';') {
            start = next;
            return;
        }
        if (d[first] == '[') {
            const ProfileLine p = ClassifyProfileLine(text.substr(start, end - start));
            if (p.kind == ProfileLineKind::Header)
                onHeader(start, p.name, next);
            else if (p.kind == ProfileLineKind::Key)
                onKey();
        } else {
            // "=" is below 0x40, never a second byte; in a key line it comes early.
            std::size_t q = first;
            while (q < end && d[q] != '=')
                ++q;
            if (q < end)
                onKey();
        }
        start = next;
    };

    std::size_t i = 0;
    for (; i + 64 <= n; i += 64) {
        for (std::uint64_t feeds = LineFeeds64(d + i); feeds != 0; feeds &= feeds - 1) {
            const std::size_t at = i + static_cast<std::size_t>(std::countr_zero(feeds));
            finish(at, at + 1);
        }
    }
    for (; i < n; ++i) {
        if (d[i] == '\n')
            finish(i, i + 1);
    }
    if (atEnd && start < n)
        finish(n, n);
    return start;
}

} // namespace zelkon
