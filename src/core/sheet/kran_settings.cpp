// The answer-field settings of a worksheet: shape codes, allowance use and kran line writes.
#include "sheet/kran_settings.h"

#include "sheet/layout_blocks.h"

#include <string>

namespace zelkon {

namespace {

std::string &Line(Worksheet &sheet, KranLine line)
{
    return sheet.kranValues[static_cast<std::size_t>(line)];
}

} // namespace

int ShapeCode(FieldShape shape)
{
    switch (shape) {
    case FieldShape::None:
        return 0;
    case FieldShape::Box:
        return 1;
    case FieldShape::SquareBrackets:
        return 2;
    case FieldShape::LenticularBrackets:
        return 3;
    case FieldShape::Underline:
        return 4;
    case FieldShape::RoundedBox:
        return 5;
    }
    return 0;
}

AllowanceUse AllowanceUseOf(FieldShape shape)
{
    switch (shape) {
    case FieldShape::None:
        return {false, false};
    case FieldShape::SquareBrackets:
    case FieldShape::LenticularBrackets:
    case FieldShape::Underline:
        return {true, false};
    case FieldShape::Box:
    case FieldShape::RoundedBox:
        return {true, true};
    }
    return {false, false};
}

std::int32_t KranInt(const Worksheet &sheet, KranLine line)
{
    return ParseDecimalInt(sheet.kranValues[static_cast<std::size_t>(line)]).value_or(0);
}

bool ChooseFieldShape(Worksheet &sheet, FieldShape shape)
{
    std::string &text = Line(sheet, KranLine::shape);
    const bool changed = FieldShapeOf(text) != shape;
    text = std::to_string(ShapeCode(shape));
    if (changed)
        sheet.modified = true;
    return changed;
}

bool TakeKranValue(Worksheet &sheet, KranLine line, std::int32_t value)
{
    std::string &text = Line(sheet, line);
    const bool changed = ParseDecimalInt(text) != value;
    text = std::to_string(value);
    if (changed)
        sheet.modified = true;
    return changed;
}

} // namespace zelkon
