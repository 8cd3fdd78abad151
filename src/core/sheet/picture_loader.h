// Reading bitmap files into pictures a canvas can draw; the platform supplies the decoder.
#pragma once

#include "sheet/canvas.h"

#include <memory>
#include <string>

namespace zelkon {

/// Turns picture files (BMP, PNG) into pictures for the canvas of the same platform.
class PictureLoader
{
public:
    virtual ~PictureLoader() = default;

    /// The picture in the file at the filesystem path; null when the file cannot be read or
    /// decoded (missing, damaged, or in a format the platform does not know).
    virtual std::shared_ptr<const Picture> load(const std::string &fsPath) = 0;
};

} // namespace zelkon
