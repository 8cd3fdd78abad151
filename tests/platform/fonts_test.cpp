// The Windows face names courseware uses resolve to the installed IPA fonts.
#include "platform/fonts.h"

#include <QFontInfo>
#include <QtTest>

namespace zelkon {

class FontsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void windowsFacesResolveToIpaFonts_data();
    void windowsFacesResolveToIpaFonts();
    void installingTwiceAddsNothing();
};

void FontsTest::initTestCase()
{
    InstallFontSubstitutions();
}

void FontsTest::windowsFacesResolveToIpaFonts_data()
{
    QTest::addColumn<QString>("face");
    QTest::addColumn<QStringList>("families"); // the IPA font's English and Japanese name
    const QStringList mincho{QStringLiteral("IPAMincho"), QStringLiteral("IPA明朝")};
    const QStringList gothic{QStringLiteral("IPAGothic"), QStringLiteral("IPAゴシック")};
    const QStringList pMincho{QStringLiteral("IPAPMincho"), QStringLiteral("IPA P明朝")};
    const QStringList pGothic{QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック")};
    QTest::newRow("ＭＳ 明朝") << QStringLiteral("ＭＳ 明朝") << mincho;
    QTest::newRow("MS 明朝") << QStringLiteral("MS 明朝") << mincho;
    QTest::newRow("MS Mincho") << QStringLiteral("MS Mincho") << mincho;
    QTest::newRow("ＭＳ ゴシック") << QStringLiteral("ＭＳ ゴシック") << gothic;
    QTest::newRow("MS Gothic") << QStringLiteral("MS Gothic") << gothic;
    QTest::newRow("ＭＳ Ｐ明朝") << QStringLiteral("ＭＳ Ｐ明朝") << pMincho;
    QTest::newRow("ＭＳ Ｐゴシック") << QStringLiteral("ＭＳ Ｐゴシック") << pGothic;
    QTest::newRow("empty sheet face: the toolkit's default") << FamilyForFaceName("") << pGothic;
}

void FontsTest::windowsFacesResolveToIpaFonts()
{
    QFETCH(QString, face);
    QFETCH(QStringList, families);
    const QString resolved = QFontInfo(QFont(face)).family();
    QVERIFY2(families.contains(resolved), qPrintable(face + QStringLiteral(" → ") + resolved));
}

void FontsTest::installingTwiceAddsNothing()
{
    const QStringList before = QFont::substitutes(QStringLiteral("ＭＳ 明朝"));
    InstallFontSubstitutions();
    QCOMPARE(QFont::substitutes(QStringLiteral("ＭＳ 明朝")), before);
}

} // namespace zelkon

QTEST_MAIN(zelkon::FontsTest)
#include "fonts_test.moc"
