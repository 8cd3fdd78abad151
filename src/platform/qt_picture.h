// Pictures held as QImage, and the loader that reads them from BMP and PNG files.
#pragma once

#include "sheet/canvas.h"
#include "sheet/picture_loader.h"

#include <QImage>

namespace zelkon {

/// A picture backed by a QImage; QtCanvas draws it.
class QtPicture final : public Picture
{
public:
    /// Holds the image as it is (a null image is a picture of size 0 × 0).
    explicit QtPicture(QImage image);

    int width() const override;
    int height() const override;
    /// The image itself.
    const QImage &image() const { return m_image; }

private:
    QImage m_image;
};

/// Loads BMP, PNG and the other formats Qt reads into QtPictures.
class QtPictureLoader final : public PictureLoader
{
public:
    /// The picture in the file at the filesystem path (UTF-8); null when the file is missing,
    /// damaged or of an unknown format, without a message (the caller reports it).
    std::shared_ptr<const Picture> load(const std::string &fsPath) override;
};

} // namespace zelkon
