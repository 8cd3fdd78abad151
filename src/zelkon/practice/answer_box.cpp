// Font and height of the practice window's answer boxes.
#include "practice/answer_box.h"

#include "common/cp932.h"
#include "platform/fonts.h"

#include <QHash>
#include <QLineEdit>

#include <cmath>

namespace zelkon {

QFont AnswerBoxFont(int points)
{
    QFont font(FamilyForFaceName(Utf8ToCp932("ＭＳ 明朝")));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * 96.0 / 72.0))));
    return font;
}

int AnswerBoxHeight(int points)
{
    static QHash<int, int> heights;
    if (const auto found = heights.constFind(points); found != heights.constEnd())
        return *found;
    QLineEdit probe;
    probe.setFont(AnswerBoxFont(points));
    const int height = probe.sizeHint().height();
    heights.insert(points, height);
    return height;
}

} // namespace zelkon
