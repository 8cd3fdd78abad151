// The tables a render of the page fills, and the program-wide flags that steer it.
#pragma once

#include "sheet/canvas.h"

#include <array>
#include <cstdint>
#include <string>

namespace zelkon {

inline constexpr int kMaxAnswerFields = 80;
inline constexpr int kMaxTextPieces = 240;

/// Field states written by practice.
enum FieldState : std::int32_t {
    kFieldOpen = 99,
    kFieldRight = 1,
    kFieldWrong = 0,
    kFieldNotJudged = -1,
    kFieldRightAfterReveal = -2,
};

/// One answer blank of the last collecting render, in pixels of that render.
struct AnswerField
{
    std::int32_t state = kFieldOpen;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    bool revealed = false;
    std::string answerText; ///< the whole answer piece, alternatives included
    std::int32_t fontSize = 0;
};

/// The render tables, indexed from 1 as the program counts; entry 0 is unused (RunStartTable's
/// entry 0 stays (0, 0)).
struct RenderTables
{
    std::array<AnswerField, kMaxAnswerFields + 1> answerFieldTable;
    std::int32_t answerFieldCount = 0;
    std::array<std::int32_t, kMaxTextPieces + 1> pieceXTable{};
    std::array<Point, kMaxTextPieces + 1> runStartTable{};
    std::array<std::string, kMaxAnswerFields + 1> learnerAnswers;

    bool collectAnswerFields = true;
    bool showLearnerAnswers = false;
    bool renderingToPrinter = false;
    std::int32_t markupSizeOffset = 0;
};

} // namespace zelkon
