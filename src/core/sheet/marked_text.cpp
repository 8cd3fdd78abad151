// Tagged and plain drawing of page text, character by character.
#include "sheet/marked_text.h"

#include "common/cp932.h"
#include "sheet/render_context.h"

#include <algorithm>

namespace zelkon {

namespace {

// Draws or measures the characters of one text token from `at`; returns the end point.
Point DrawToken(Canvas &canvas, std::string_view token, Point at, Ink ink)
{
    for (std::size_t i = 0; i < token.size();) {
        // Boundaries are found inside the token, so a stray lead byte before a "<" never
        // swallows the "<".
        const std::size_t length = CharLengthAt(token, i);
        const std::string_view character = token.substr(i, length);
        if (ink == Ink::Draw) {
            canvas.textOut(at, character);
            at = canvas.penPosition();
        } else {
            at.x += canvas.textWidth(character);
        }
        i += length;
    }
    return at;
}

void ApplyTag(Canvas &canvas, MarkupState &state, int &markupSizeOffset, char tag)
{
    const auto addStyle
        = [&canvas](unsigned bits) { canvas.setFontStyle(canvas.fontStyle() | bits); };
    switch (tag) {
    case 'B':
        addStyle(kBold);
        return;
    case 'I':
        addStyle(kItalic);
        return;
    case 'U':
        addStyle(kUnderline);
        return;
    case 'X':
        addStyle(kBold | kUnderline);
        return;
    case '_':
        addStyle(kStrikeOut);
        return;
    case '/':
        canvas.setFontStyle(kPlain);
        return;
    case '+':
        markupSizeOffset += 2;
        state.currentSize = RoundHalfEven((state.baseSize + markupSizeOffset) * state.k);
        return;
    case '-':
        markupSizeOffset -= 2;
        state.currentSize = RoundHalfEven((state.baseSize + markupSizeOffset) * state.k);
        return;
    case '=':
        markupSizeOffset = 0;
        state.currentSize = state.baseSize;
        return;
    default:
        if (tag >= '0' && tag <= '9')
            state.currentSize = RoundHalfEven((tag - '0') * 2 * state.k + state.baseSize);
        return;
    }
}

} // namespace

Point DrawCharacters(Canvas &canvas, std::string_view text, Point at, Ink ink)
{
    const Point end = DrawToken(canvas, text, at, ink);
    if (ink == Ink::Measure && !text.empty())
        canvas.moveTo(end);
    return end;
}

std::optional<Point> DrawMarkedText(Canvas &canvas,
                                    RenderTables &tables,
                                    MarkupState &state,
                                    std::string_view text,
                                    Point at,
                                    Ink ink)
{
    if (state.runCount >= kMaxTextPieces)
        return std::nullopt;
    ++state.runCount;
    tables.runStartTable[state.runCount] = at;
    if (text.empty())
        return at;

    Point current{at.x, at.y + state.textDrop};
    bool drewAny = false;
    std::size_t pos = 0;
    for (;;) {
        // "<" is never the second byte of a character, so the scan may go by bytes.
        const std::size_t open = text.find('<', pos);
        const std::string_view token = text.substr(
            pos, open == std::string_view::npos ? std::string_view::npos : open - pos);
        if (!token.empty()) {
            if (canvas.fontSize() != state.currentSize)
                canvas.setFontSize(state.currentSize);
            current = DrawToken(canvas, token, current, ink);
            drewAny = true;
        }
        if (open == std::string_view::npos)
            break;
        if (open + 1 < text.size())
            ApplyTag(canvas, state, tables.markupSizeOffset, text[open + 1]);
        // A tag is "<" + one byte + ">": the text resumes three bytes after the "<", or at
        // the end when the text stops sooner.
        pos = std::min(open + 3, text.size());
    }

    if (ink == Ink::Measure && drewAny)
        canvas.moveTo(current);
    if (canvas.fontStyle() != kPlain)
        canvas.setFontStyle(kPlain);
    return drewAny ? current : at;
}

} // namespace zelkon
