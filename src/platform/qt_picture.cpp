// Pictures held as QImage and read through QImageReader.
#include "platform/qt_picture.h"

#include <QImageReader>

namespace zelkon {

QtPicture::QtPicture(QImage image)
    : m_image(std::move(image))
{}

int QtPicture::width() const
{
    return m_image.width();
}

int QtPicture::height() const
{
    return m_image.height();
}

std::shared_ptr<const Picture> QtPictureLoader::load(const std::string &fsPath)
{
    QImageReader reader(QString::fromStdString(fsPath));
    QImage image = reader.read();
    if (image.isNull())
        return nullptr;
    // The formats QPainter draws without converting on every stretch.
    image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                            : QImage::Format_RGB32);
    return std::make_shared<QtPicture>(std::move(image));
}

} // namespace zelkon
