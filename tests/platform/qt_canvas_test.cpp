// QtCanvas on page images and a PDF page: text cells and pen positions, colours, lines,
// shapes, inverting outlines and stretched pictures.
#include "platform/qt_canvas.h"

#include "platform/fonts.h"
#include "platform/qstring_cp932.h"
#include "platform/qt_picture.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QtTest>

Q_DECLARE_METATYPE(zelkon::Rgb)

namespace zelkon {

namespace {

std::string Sjis(const char *utf8)
{
    return Utf8ToCp932(utf8);
}

// The smallest rectangle holding every pixel that is not white; null when there is none.
QRect InkBounds(const QImage &image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

} // namespace

class QtCanvasTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void japaneseTextLandsInItsCellAndMovesThePen_data();
    void japaneseTextLandsInItsCellAndMovesThePen();
    void textColoursAndBackground_data();
    void textColoursAndBackground();
    void pointSizesFollowThePrinterResolution();
    void linesLeaveOutTheirEndPoint();
    void rectangleOutlineAndFill();
    void invertedOutlineErasesItselfWhenDrawnTwice();
    void stretchDrawScalesThePictureIntoTheRectangle();
};

void QtCanvasTest::initTestCase()
{
    InstallFontSubstitutions();
}

void QtCanvasTest::init()
{
    // Painter misuse (an unsupported raster operation, an inactive painter) only warns.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("QPainter")));
}

void QtCanvasTest::japaneseTextLandsInItsCellAndMovesThePen_data()
{
    QTest::addColumn<int>("dotsPerMetre");
    QTest::addColumn<QString>("face");
    // The page image's own resolution mark does not change the point size: 96 dpi always.
    QTest::newRow("96 dpi image, Mincho") << 3780 << QStringLiteral("ＭＳ 明朝");
    QTest::newRow("72 dpi image, Mincho") << 2835 << QStringLiteral("ＭＳ 明朝");
    QTest::newRow("Gothic") << 3780 << QStringLiteral("ＭＳ ゴシック");
}

void QtCanvasTest::japaneseTextLandsInItsCellAndMovesThePen()
{
    QFETCH(int, dotsPerMetre);
    QFETCH(QString, face);
    QImage page = NewPageImage(200, 80);
    page.setDotsPerMeterX(dotsPerMetre);
    page.setDotsPerMeterY(dotsPerMetre);
    const std::string text = Sjis("日本の首都");
    {
        QtCanvas canvas(page);
        QVERIFY(canvas.isActive());
        canvas.setFontName(ToCp932(face).bytes);
        canvas.setFontSize(14);
        canvas.textOut({20, 30}, text);

        // 14 points at 96 dpi is a 19-pixel em; a full-width character advances one em.
        const int em = 19;
        QCOMPARE(canvas.textWidth(text), 5 * em);
        QCOMPARE(canvas.penPosition(), (Point{20 + 5 * em, 30}));

        QFont reference(face);
        reference.setPixelSize(em);
        const QFontMetrics metrics(reference);
        QCOMPARE(canvas.textHeight(text), metrics.height());
        QCOMPARE(canvas.textWidth(""), 0);

        // Character by character, each where the previous one ended, reaches the same end.
        canvas.moveTo({20, 0});
        for (const std::string &ch : SplitCharacters(text))
            canvas.textOut(canvas.penPosition(), ch);
        QCOMPARE(canvas.penPosition(), (Point{20 + 5 * em, 0}));
    }
    const QRect ink = InkBounds(page.copy(0, 20, 200, 60)).translated(0, 20);
    QVERIFY(!ink.isNull());
    // Top-left of the cell at (20, 30): ink inside the cell and close to its corner.
    QVERIFY2(QRect(20, 30, 5 * 19, 26).contains(ink), qPrintable(QDebug::toString(ink)));
    QVERIFY(ink.left() <= 23 && ink.top() <= 36);
    QVERIFY(ink.right() >= 20 + 4 * 19);
}

void QtCanvasTest::textColoursAndBackground_data()
{
    QTest::addColumn<Rgb>("colour");
    QTest::addColumn<bool>("transparent");
    QTest::addColumn<QRgb>("cellCentre"); // under a full-width space drawn on a black page
    QTest::addColumn<bool>("inkExpected");
    QTest::newRow("hidden answer: white, opaque")
        << kWhite << false << qRgb(255, 255, 255) << false;
    QTest::newRow("shown answer: blue, opaque") << kBlue << false << qRgb(255, 255, 255) << true;
    QTest::newRow("score: red, transparent") << kRed << true << qRgb(0, 0, 0) << true;
}

void QtCanvasTest::textColoursAndBackground()
{
    QFETCH(Rgb, colour);
    QFETCH(bool, transparent);
    QFETCH(QRgb, cellCentre);
    QFETCH(bool, inkExpected);

    QImage page = NewPageImage(120, 40);
    QImage black = NewPageImage(40, 40);
    black.fill(Qt::black);
    {
        QtCanvas canvas(page);
        canvas.setFontName(Sjis("ＭＳ 明朝"));
        canvas.setFontSize(14);
        canvas.setFontColor(colour);
        canvas.setTextTransparent(transparent);
        canvas.textOut({5, 5}, Sjis("東京"));
        QtCanvas onBlack(black);
        onBlack.setFontSize(14);
        onBlack.setTextTransparent(transparent);
        onBlack.textOut({5, 5}, Sjis("　"));
    }
    QCOMPARE(black.pixel(14, 14), cellCentre);

    bool ink = false;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            if (c == Qt::white)
                continue;
            ink = true;
            // Only shades between the page white and the text colour: no other colour used.
            const QColor full(colour.r, colour.g, colour.b);
            const double t = (255.0 - c.red() + 255.0 - c.green() + 255.0 - c.blue())
                             / (3 * 255.0 - full.red() - full.green() - full.blue());
            for (auto [got, want] : {std::pair{c.red(), full.red()},
                                     {c.green(), full.green()},
                                     {c.blue(), full.blue()}})
                QVERIFY(qAbs(got - (255 - t * (255 - want))) <= 2);
        }
    }
    QCOMPARE(ink, inkExpected);
}

void QtCanvasTest::pointSizesFollowThePrinterResolution()
{
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    QPdfWriter writer(&pdf);
    writer.setResolution(600);
    {
        QtCanvas canvas(writer);
        QVERIFY(canvas.isActive());
        canvas.setFontName(Sjis("ＭＳ 明朝"));
        canvas.setFontSize(17); // 14 points on screen + 3 on the printer
        // 17 × 600 ÷ 72 = 141.67: a 142-pixel em.
        QCOMPARE(canvas.textWidth(Sjis("日本")), 2 * 142);
        // No raster operations on a PDF: an inverted outline is drawn plainly, without warnings.
        canvas.setPenMode(PenMode::Invert);
        canvas.rectangle({100, 100, 400, 300});
        canvas.textOut({100, 400}, Sjis("日本"));
    }
    QVERIFY(pdf.data().startsWith("%PDF"));
}

void QtCanvasTest::linesLeaveOutTheirEndPoint()
{
    QImage page = NewPageImage(40, 40);
    {
        QtCanvas canvas(page);
        canvas.setPenColor(kRed);
        canvas.line({10, 5}, {20, 5});
        canvas.line({5, 10}, {5, 20});
        canvas.setPenStyle(PenStyle::Dot);
        canvas.line({10, 30}, {30, 30});
    }
    const QRgb red = qRgb(255, 0, 0);
    const QRgb white = qRgb(255, 255, 255);
    QCOMPARE(page.pixel(10, 5), red);
    QCOMPARE(page.pixel(19, 5), red);
    QCOMPARE(page.pixel(20, 5), white);
    QCOMPARE(page.pixel(5, 10), red);
    QCOMPARE(page.pixel(5, 19), red);
    QCOMPARE(page.pixel(5, 20), white);
    int dotted = 0;
    for (int x = 10; x < 30; ++x)
        dotted += page.pixel(x, 30) == red;
    QVERIFY(dotted > 3 && dotted < 15);
}

void QtCanvasTest::rectangleOutlineAndFill()
{
    QImage page = NewPageImage(60, 40);
    {
        QtCanvas canvas(page);
        canvas.setFill(false);
        canvas.rectangle({10, 10, 20, 20});
        canvas.setFill(true, kBlue);
        canvas.setPenWidth(1);
        canvas.rectangle({30, 10, 40, 20});
        canvas.setFill(false);
        canvas.ellipse({40, 20, 60, 40});
    }
    const QRgb black = qRgb(0, 0, 0);
    const QRgb white = qRgb(255, 255, 255);
    QCOMPARE(InkBounds(page.copy(0, 0, 25, 25)), QRect(10, 10, 10, 10));
    QCOMPARE(page.pixel(15, 15), white);
    QCOMPARE(page.pixel(19, 15), black);
    QCOMPARE(page.pixel(30, 15), black);
    QCOMPARE(page.pixel(35, 15), qRgb(0, 0, 255));
    QCOMPARE(page.pixel(40, 15), white);
    QCOMPARE(page.pixel(50, 30), white); // ellipse left open inside
    QCOMPARE(InkBounds(page.copy(40, 20, 20, 20)), QRect(0, 0, 20, 20));
}

void QtCanvasTest::invertedOutlineErasesItselfWhenDrawnTwice()
{
    QImage page = NewPageImage(60, 80);
    {
        QtCanvas canvas(page);
        canvas.setFill(true, kRed);
        canvas.rectangle({0, 0, 30, 60});
    }
    const QImage before = page.copy(0, 0, 60, 60);
    {
        QtCanvas canvas(page);
        canvas.setFill(false);
        canvas.setPenStyle(PenStyle::Dot);
        canvas.setPenMode(PenMode::Invert);
        canvas.rectangle({10, 10, 50, 50});
        // Once drawn, the dots of the outline invert red and white pixels alike.
        int inverted = 0;
        for (int y = 0; y < 60; ++y) {
            for (int x = 0; x < 60; ++x) {
                const QRgb was = before.pixel(x, y);
                if (page.pixel(x, y) == was)
                    continue;
                QCOMPARE(page.pixel(x, y),
                         qRgb(255 - qRed(was), 255 - qGreen(was), 255 - qBlue(was)));
                QVERIFY(QRect(10, 10, 40, 40).contains(x, y)
                        && !QRect(11, 11, 38, 38).contains(x, y));
                ++inverted;
            }
        }
        QVERIFY(inverted > 20);
        canvas.rectangle({10, 10, 50, 50});
        // Text keeps its own colour whatever the pen mode.
        canvas.setFontColor(kRed);
        canvas.textOut({0, 62}, Sjis("田"));
    }
    QCOMPARE(page.copy(0, 0, 60, 60), before);
    const QImage text = page.copy(0, 60, 60, 20);
    QVERIFY(!InkBounds(text).isNull());
    for (int y = 0; y < text.height(); ++y) {
        for (int x = 0; x < text.width(); ++x) {
            const QColor c = text.pixelColor(x, y);
            QVERIFY(c.red() >= c.green() && c.green() == c.blue());
        }
    }
}

void QtCanvasTest::stretchDrawScalesThePictureIntoTheRectangle()
{
    QImage source(2, 2, QImage::Format_RGB32);
    source.setPixel(0, 0, qRgb(255, 0, 0));
    source.setPixel(1, 0, qRgb(0, 255, 0));
    source.setPixel(0, 1, qRgb(0, 0, 255));
    source.setPixel(1, 1, qRgb(0, 0, 0));
    const QtPicture picture(source);
    QCOMPARE(picture.width(), 2);
    QCOMPARE(picture.height(), 2);

    QImage page = NewPageImage(60, 60);
    {
        QtCanvas canvas(page);
        canvas.setPenMode(PenMode::Invert); // pictures are copied whatever the pen does
        canvas.stretchDraw({10, 20, 50, 40}, picture);
    }
    QCOMPARE(InkBounds(page), QRect(10, 20, 40, 20));
    QCOMPARE(page.pixel(10, 20), qRgb(255, 0, 0));
    QCOMPARE(page.pixel(49, 20), qRgb(0, 255, 0));
    QCOMPARE(page.pixel(10, 39), qRgb(0, 0, 255));
    QCOMPARE(page.pixel(49, 39), qRgb(0, 0, 0));
}

} // namespace zelkon

QTEST_MAIN(zelkon::QtCanvasTest)
#include "qt_canvas_test.moc"
