// Reading pictures: BMP and PNG files, the demo courseware's bitmaps, and files that are not
// pictures at all.
#include "platform/qt_picture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace zelkon {

class QtPictureTest : public QObject
{
    Q_OBJECT

private slots:
    void readsBmpAndPng_data();
    void readsBmpAndPng();
    void readsTheDemoBitmaps();
    void unreadableFilesGiveNoPicture_data();
    void unreadableFilesGiveNoPicture();
};

void QtPictureTest::readsBmpAndPng_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("bmp") << QStringLiteral("地図.bmp");
    QTest::newRow("png") << QStringLiteral("Map.png");
    QTest::newRow("png under a .BMP name") << QStringLiteral("Map.BMP");
}

void QtPictureTest::readsBmpAndPng()
{
    QFETCH(QString, name);
    QTemporaryDir dir;
    QImage image(7, 5, QImage::Format_RGB32);
    image.fill(qRgb(10, 200, 30));
    QVERIFY(image.save(dir.filePath(name), name.endsWith(u".bmp") ? "BMP" : "PNG"));

    QtPictureLoader loader;
    const auto picture = loader.load(dir.filePath(name).toStdString());
    QVERIFY(picture);
    QCOMPARE(picture->width(), 7);
    QCOMPARE(picture->height(), 5);
    const auto *qtPicture = dynamic_cast<const QtPicture *>(picture.get());
    QVERIFY(qtPicture);
    QCOMPARE(qtPicture->image().pixel(3, 2), qRgb(10, 200, 30));
}

void QtPictureTest::readsTheDemoBitmaps()
{
    const QDir demo(QStringLiteral(ZELKON_DEMO_DIR));
    QStringList files{demo.filePath(QStringLiteral("classFlag.bmp"))};
    const QDir graphs(demo.filePath(QStringLiteral("chiri/Graph")));
    for (const QString &name : graphs.entryList(QDir::Files))
        files << graphs.filePath(name);
    QVERIFY(files.size() > 1);
    QtPictureLoader loader;
    for (const QString &file : files) {
        const auto picture = loader.load(file.toStdString());
        QVERIFY2(picture && picture->width() > 0 && picture->height() > 0, qPrintable(file));
    }
}

void QtPictureTest::unreadableFilesGiveNoPicture_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("text") << QByteArray("not a picture\r\n");
    QTest::newRow("truncated bmp header") << QByteArray("BM\x36\x00\x00\x00", 6);
    QTest::newRow("empty") << QByteArray();
}

void QtPictureTest::unreadableFilesGiveNoPicture()
{
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("Broken.bmp")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();

    QtPictureLoader loader;
    QVERIFY(!loader.load(file.fileName().toStdString()));
    QVERIFY(!loader.load(dir.filePath(QStringLiteral("Missing.bmp")).toStdString()));
}

} // namespace zelkon

QTEST_MAIN(zelkon::QtPictureTest)
#include "qt_picture_test.moc"
