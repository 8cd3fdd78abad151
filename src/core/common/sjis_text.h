// Text operations on CP932 byte strings shared by the worksheet, practice and record code.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zelkon {

/// The full-width blank "　" in CP932.
inline constexpr std::string_view kFullWidthSpace = "\x81\x40";

/// The parts between "#" marks, one more than there are marks: even parts (0, 2, …) are
/// question text, odd parts answers. "#" is never a second byte, so bytes are split.
std::vector<std::string> SplitAtHash(std::string_view line);

/// The accepted alternatives of an answer, split at ";"; at least one (an empty text gives one
/// empty alternative).
std::vector<std::string> SplitAlternatives(std::string_view answer);

/// Drops bytes up to 32 at both ends, then full-width blanks at the start and at the end.
std::string TrimAnswer(std::string_view text);

/// A text padded for an answer field of `width` bytes: a shorter text becomes "　" + text +
/// fifteen "　", cut to the width; an empty text is fifteen "　" cut to the width; a text as long
/// as the width or longer stays as it is. The cut counts bytes, as the page layout does; a
/// two-byte character it would halve becomes a half-width blank.
std::string PadToWidth(std::string_view text, std::size_t width);

/// The last component of a path ("\" or "/" separated; "\" found character by character).
std::string FileNameOf(std::string_view path);

/// The extension of a file: the four characters from the first "." of its file name (the last
/// path component, never a folder), lower-cased; empty when the name has no ".".
std::string FileExtension(std::string_view path);

/// ASCII-only lower case; bytes of two-byte characters are left alone.
std::string AsciiLower(std::string_view text);

/// Equality ignoring ASCII case, as Windows compares section, key and file names.
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

/// The half-width digits of a text turned into "０"…"９" when the text starts with a
/// single-byte character, every other character dropped; a text starting with a two-byte
/// character, or an empty one, is returned unchanged.
std::string ToFullWidthDigits(std::string_view text);

} // namespace zelkon
