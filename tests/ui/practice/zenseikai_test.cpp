// The all-correct window: its texts, type, colours and size, centred and modal, closed by OK.
#include "practice/zenseikai.h"

#include "platform/fonts.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>

namespace zelkon::test {

class ZenSeikaiTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void panelShowsTheCaptionBetweenTwoRowsOfStars_data();
    void panelShowsTheCaptionBetweenTwoRowsOfStars();
    void windowIsSmallFixedModalAndNamed();
    void closesAcceptedCentredOnTheScreen_data();
    void closesAcceptedCentredOnTheScreen();
};

void ZenSeikaiTest::initTestCase()
{
    InstallFontSubstitutions();
}

void ZenSeikaiTest::panelShowsTheCaptionBetweenTwoRowsOfStars_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QColor>("colour");
    const QString stars = QString::fromUtf8("★★★★★★");
    QTest::newRow("above") << "lblStarsAbove" << stars << false << QColor(255, 0, 0);
    QTest::newRow("caption") << "lblZenSeikai" << QString::fromUtf8("全問正解です") << true
                             << QColor(0, 0, 0);
    QTest::newRow("below") << "lblStarsBelow" << stars << false << QColor(255, 0, 0);
}

void ZenSeikaiTest::panelShowsTheCaptionBetweenTwoRowsOfStars()
{
    QFETCH(QString, label);
    QFETCH(QString, text);
    QFETCH(bool, bold);
    QFETCH(QColor, colour);
    TfrmZenSeikai dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    auto *panel = dialog.findChild<QFrame *>("pnlZenSeikai");
    QVERIFY(panel);
    auto *line = panel->findChild<QLabel *>(label);
    QVERIFY(line);
    QCOMPARE(line->text(), text);
    QVERIFY(line->isVisible());
    QCOMPARE(line->font().pixelSize(), 19);
    QCOMPARE(line->font().bold(), bold);
    QCOMPARE(QFontInfo(line->font()).family(), QStringLiteral("IPAPGothic"));
    QCOMPARE(line->palette().color(QPalette::WindowText), colour);
    // The whole line is readable inside the panel.
    QVERIFY(line->fontMetrics().horizontalAdvance(text) <= line->contentsRect().width());

    const auto *caption = panel->findChild<QLabel *>("lblZenSeikai");
    if (label == "lblStarsAbove")
        QVERIFY(line->geometry().bottom() <= caption->geometry().top());
    if (label == "lblStarsBelow")
        QVERIFY(line->geometry().top() >= caption->geometry().bottom());

    // The panel is painted yellow behind the lines.
    const QImage shot = panel->grab().toImage();
    QCOMPARE(QColor(shot.pixel(panel->width() / 2, 4)), QColor(255, 255, 0));
}

void ZenSeikaiTest::windowIsSmallFixedModalAndNamed()
{
    QWidget owner;
    auto *dialog = new TfrmZenSeikai(&owner);
    QCOMPARE(dialog->parent(), &owner);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("frmZenSeikai"));
    QVERIFY(dialog->isModal());
    QCOMPARE(dialog->minimumSize(), QSize(144, 167));
    QCOMPARE(dialog->maximumSize(), QSize(144, 167));
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    QCOMPARE(dialog->size(), QSize(144, 167));
    const auto *btnOk = dialog->findChild<QPushButton *>("btnOk");
    QVERIFY(btnOk);
    QVERIFY(dialog->rect().contains(btnOk->geometry()));
    QVERIFY(dialog->rect().contains(dialog->findChild<QFrame *>("pnlZenSeikai")->geometry()));
}

void ZenSeikaiTest::closesAcceptedCentredOnTheScreen_data()
{
    QTest::addColumn<bool>("byKey");
    QTest::newRow("click OK") << false;
    QTest::newRow("Enter") << true;
}

void ZenSeikaiTest::closesAcceptedCentredOnTheScreen()
{
    QFETCH(bool, byKey);
    QWidget owner;
    owner.move(0, 0);
    TfrmZenSeikai dialog(&owner);
    QPoint centre;
    QTimer::singleShot(0, &dialog, [&] {
        if (QApplication::activeModalWidget() != &dialog)
            return; // the result check below reports it
        centre = dialog.frameGeometry().center();
        if (byKey)
            QTest::keyClick(&dialog, Qt::Key_Return);
        else
            QTest::mouseClick(dialog.findChild<QPushButton *>("btnOk"), Qt::LeftButton);
    });
    // Never hang on a window that would not close.
    QTimer::singleShot(5000, &dialog, [&dialog] { dialog.done(-1); });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    const QPoint screenCentre = dialog.screen()->geometry().center();
    QVERIFY2((centre - screenCentre).manhattanLength() <= 1,
             qPrintable(QStringLiteral("%1,%2").arg(centre.x()).arg(centre.y())));
}

} // namespace zelkon::test

QTEST_MAIN(zelkon::test::ZenSeikaiTest)
#include "zenseikai_test.moc"
