// Drawing one piece of page text with its in-line tags for type style and size, and plain
// character-by-character drawing.
#pragma once

#include "sheet/canvas.h"
#include "sheet/render_tables.h"

#include <optional>
#include <string_view>

namespace zelkon {

/// Whether text is drawn or only measured: a hidden answer takes its place on the line, and the
/// pen moves past it, but no ink reaches the page (not even white ink, which a PDF would keep).
enum class Ink { Draw, Measure };

/// What the tagged text drawing carries from one piece to the next within one render.
struct MarkupState
{
    int baseSize = 10;    ///< points: the render's base size
    double k = 1.0;       ///< factor of the size tags (1.1 on the printer)
    int textDrop = 0;     ///< pixels below the line top at which text is drawn
    int currentSize = 10; ///< the current markup size; size tags change it for the whole render
    int runCount = 0;     ///< text pieces stored in RunStartTable so far
};

/// Draws `text` character by character in the canvas font, each character where the previous
/// one ended, starting with its top-left at `at`; returns where the pen ends, `at` for an empty
/// text. With Ink::Measure nothing is drawn and the pen is moved to that end instead.
Point DrawCharacters(Canvas &canvas, std::string_view text, Point at, Ink ink = Ink::Draw);

/// Draws one piece of page text at line top `at`, `state.textDrop` lower, reading "<" + one
/// byte + ">" as a tag (B I U X _ / add or clear styles, + - = and 0 to 9 set the size for
/// the rest of the render, others do nothing; a "<" as the last byte is dropped, one before the
/// last byte acts on that byte, and nothing is read past the end), stores `at` as the next
/// RunStartTable entry and leaves the font style plain. Returns the pen position after the last
/// character, or `at` when no character was drawn; nullopt when RunStartTable is already full, in
/// which case nothing is drawn or stored.
std::optional<Point> DrawMarkedText(Canvas &canvas,
                                    RenderTables &tables,
                                    MarkupState &state,
                                    std::string_view text,
                                    Point at,
                                    Ink ink = Ink::Draw);

} // namespace zelkon
