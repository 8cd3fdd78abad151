// CP932 (Windows Shift_JIS) character boundaries and conversion to and from UTF-8.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zelkon {

/// True for a byte that starts a two-byte CP932 character (0x81–0x9F, 0xE0–0xFC).
constexpr bool IsLeadByte(unsigned char b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

/// Length in bytes of the character starting at `pos`: 2 for a lead byte followed by another
/// byte, else 1 (a lead byte at the very end counts as one byte).
std::size_t CharLengthAt(std::string_view text, std::size_t pos);

/// The text cut into its characters; half-width katakana are one byte each.
std::vector<std::string> SplitCharacters(std::string_view text);

/// Number of characters in the text.
std::size_t CharacterCount(std::string_view text);

/// Position of the first character equal to `ch` (one character, one or two bytes) at or after
/// `from`, stepping character by character so that a second byte is never taken for a
/// character of its own; std::string::npos when there is none.
std::size_t FindCharacter(std::string_view text, std::string_view ch, std::size_t from = 0);

/// Position of the last character equal to `ch`, stepping character by character.
std::size_t FindLastCharacter(std::string_view text, std::string_view ch);

/// UTF-8 for CP932 bytes. Invalid or truncated sequences become U+FFFD; never fails.
std::string Cp932ToUtf8(std::string_view cp932);

/// Result of converting UTF-8 text into CP932.
struct Cp932Conversion
{
    bool ok = false;
    std::string bytes;         ///< the CP932 text when ok
    std::string badCharacter;  ///< UTF-8 of the first character CP932 cannot hold
    std::size_t badOffset = 0; ///< byte offset of that character in the UTF-8 input
};

/// CP932 for UTF-8 text. The JIS-style code points (U+301C, U+2016, U+2212, U+2014, ¢ £ ¬)
/// are taken as the characters Windows maps them to; a character CP932 cannot hold, or
/// malformed UTF-8, makes the result not ok and names that character.
Cp932Conversion ConvertUtf8ToCp932(std::string_view utf8);

/// CP932 for UTF-8 text known to be convertible (program literals, test data).
/// Throws std::invalid_argument naming the character when it is not.
std::string Utf8ToCp932(std::string_view utf8);

/// The message that refuses a character CP932 cannot hold, naming the character and its code
/// point. It is UTF-8, the one message of the core that is: CP932 cannot hold the character.
std::string RefusedCharacterMessageUtf8(std::string_view badCharacterUtf8);

/// RefusedCharacterMessageUtf8 in CP932, for the prompter: the geta mark "〓" stands where the
/// character itself cannot, beside its code point.
std::string RefusedCharacterMessageCp932(std::string_view badCharacterUtf8);

} // namespace zelkon
