// The pictures the practice window shows under a scored drill, one pair per score band.
#pragma once

#include "practice/scoring.h"

#include <QImage>

namespace zelkon {

/// The picture on a white background at its fixed size (the six faces 97 × 113, RedHeart
/// 114 × 105, GreenHeart 67 × 62), drawn on first use and shared afterwards; a null image for a
/// value outside the enum. Call from the GUI thread only.
QImage FeedbackPictureImage(FeedbackPicture picture);

} // namespace zelkon
