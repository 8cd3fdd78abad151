// The eight feedback pictures: their sizes, that each is real artwork on white, and that each is
// drawn only once.
#include "practice/feedback_pictures.h"

#include "platform/fonts.h"

#include <QSet>
#include <QtTest>

namespace zelkon::test {

namespace {

struct PictureCase
{
    const char *name;
    FeedbackPicture picture;
    QSize size;
};

const PictureCase kPictures[] = {
    {"Gaoh", FeedbackPicture::Gaoh, {97, 113}},
    {"Namida", FeedbackPicture::Namida, {97, 113}},
    {"Nanda", FeedbackPicture::Nanda, {97, 113}},
    {"Sleep", FeedbackPicture::Sleep, {97, 113}},
    {"Happy", FeedbackPicture::Happy, {97, 113}},
    {"GreenHeart", FeedbackPicture::GreenHeart, {67, 62}},
    {"Kutta", FeedbackPicture::Kutta, {97, 113}},
    {"RedHeart", FeedbackPicture::RedHeart, {114, 105}},
};

} // namespace

class FeedbackPicturesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pictureIsArtworkOfItsSize_data();
    void pictureIsArtworkOfItsSize();
    void everyPictureIsDifferent();
    void valueOutsideTheEnumGivesNoPicture();
};

void FeedbackPicturesTest::initTestCase()
{
    InstallFontSubstitutions();
}

void FeedbackPicturesTest::pictureIsArtworkOfItsSize_data()
{
    QTest::addColumn<int>("picture");
    QTest::addColumn<QSize>("size");
    for (const PictureCase &c : kPictures)
        QTest::newRow(c.name) << static_cast<int>(c.picture) << c.size;
}

void FeedbackPicturesTest::pictureIsArtworkOfItsSize()
{
    QFETCH(int, picture);
    QFETCH(QSize, size);
    const QImage image = FeedbackPictureImage(static_cast<FeedbackPicture>(picture));
    QCOMPARE(image.size(), size);

    QSet<QRgb> colours;
    int inked = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y) | 0xff000000u;
            colours.insert(pixel);
            inked += pixel != qRgb(255, 255, 255);
        }
    }
    // Shaded, antialiased artwork has many colours; a blank or flat picture a handful.
    QVERIFY2(colours.size() > 50, qPrintable(QString::number(colours.size())));
    // The figure fills a good part of the picture, on white.
    const int area = image.width() * image.height();
    QVERIFY2(inked > area / 4 && inked < area * 9 / 10, qPrintable(QString::number(inked)));
    QCOMPARE(image.pixel(0, image.height() - 1) | 0xff000000u, qRgb(255, 255, 255));

    // Later calls hand out the same pixels rather than drawing again.
    QCOMPARE(FeedbackPictureImage(static_cast<FeedbackPicture>(picture)).cacheKey(),
             image.cacheKey());
}

void FeedbackPicturesTest::everyPictureIsDifferent()
{
    for (const PictureCase &a : kPictures) {
        for (const PictureCase &b : kPictures) {
            if (&a != &b)
                QVERIFY2(FeedbackPictureImage(a.picture) != FeedbackPictureImage(b.picture),
                         qPrintable(QStringLiteral("%1 %2").arg(a.name, b.name)));
        }
    }
}

void FeedbackPicturesTest::valueOutsideTheEnumGivesNoPicture()
{
    QVERIFY(FeedbackPictureImage(static_cast<FeedbackPicture>(8)).isNull());
}

} // namespace zelkon::test

QTEST_MAIN(zelkon::test::FeedbackPicturesTest)
#include "feedback_pictures_test.moc"
