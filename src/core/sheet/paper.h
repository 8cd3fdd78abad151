// The four paper sizes, in screen pixels at 3 pixels per millimetre.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace zelkon {

/// A page size as the program stores it: reserved (always 0), width, height in screen pixels.
struct PaperSpec
{
    std::int32_t reserved = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;

    bool operator==(const PaperSpec &) const = default;
};

enum class Paper { B5, A4, B4, A3 };

/// One row of the paper table, with where the class flag goes on that paper.
struct PaperEntry
{
    Paper paper;
    std::string_view name;
    PaperSpec pageSize;
    std::int32_t classFlagLeft;
    std::int32_t classFlagTop; ///< counted from the top of the page picture
};

/// The paper table, in the order B5, A4, B4, A3.
inline constexpr std::array<PaperEntry, 4> kPaperTable{{
    {Paper::B5, "B5", {0, 546, 771}, 30, 24},
    {Paper::A4, "A4", {0, 630, 891}, 35, 31},
    {Paper::B4, "B4", {0, 771, 1092}, 45, 42},
    {Paper::A3, "A3", {0, 891, 1260}, 55, 54},
}};

/// The table row of `paper`.
const PaperEntry &PaperEntryOf(Paper paper);

/// The table row whose width equals `width`; nullptr when it is none of the four.
const PaperEntry *FindPaperByWidth(std::int32_t width);

/// The paper chosen for a stored width: the one of that width, A4 for any other width.
Paper PaperChoiceForWidth(std::int32_t width);

/// round(width × √2) with halves to the even neighbour (B5 772, A4 891, B4 1090, A3 1260);
/// a result beyond the 32-bit range is held at its limit.
std::int32_t PageHeightForWidth(std::int32_t width);

} // namespace zelkon
