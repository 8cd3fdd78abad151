// QString to and from CP932: exact bytes, damaged input, refused characters.
#include "platform/qstring_cp932.h"

#include <QtTest>

namespace zelkon {

class QStringCp932Test : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void damagedBytesBecomeReplacementCharacters();
    void refusesWhatCp932CannotHold_data();
    void refusesWhatCp932CannotHold();
    void jisStyleCodePointsAreAccepted();
};

void QStringCp932Test::roundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("ascii") << QStringLiteral("Main.ind");
    QTest::newRow("second byte 0x5C") << QStringLiteral("地図表\\a");
    QTest::newRow("half-width katakana") << QStringLiteral("ｷｬﾝｾﾙ");
    QTest::newRow("full-width space and kanji") << QStringLiteral("長崎県佐世保市　展海峰");
    QTest::newRow("NEC row") << QStringLiteral("①№㈱");
    QTest::newRow("empty") << QString();
}

void QStringCp932Test::roundTrip()
{
    QFETCH(QString, text);
    const Cp932Conversion cp932 = ToCp932(text);
    QVERIFY(cp932.ok);
    QCOMPARE(cp932.bytes, Utf8ToCp932(text.toStdString()));
    QCOMPARE(ToQString(cp932.bytes), text);
}

void QStringCp932Test::damagedBytesBecomeReplacementCharacters()
{
    // A lead byte at the end and a lead byte followed by an invalid second byte.
    QCOMPARE(ToQString("ab\x82"), QStringLiteral("ab\uFFFD"));
    QVERIFY(ToQString("\x82\x20x").contains(QChar::ReplacementCharacter));
    QVERIFY(ToQString("\x82\x20x").endsWith(u'x'));
}

void QStringCp932Test::refusesWhatCp932CannotHold_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("bad");
    QTest::newRow("accented latin") << QStringLiteral("José") << QStringLiteral("é");
    QTest::newRow("hangul after kanji") << QStringLiteral("漢한") << QStringLiteral("한");
    QTest::newRow("emoji") << QStringLiteral("a😀") << QStringLiteral("😀");
    QTest::newRow("lone surrogate")
        << (QStringLiteral("a") + QChar(0xD800) + u'b') << QString(QChar::ReplacementCharacter);
}

void QStringCp932Test::refusesWhatCp932CannotHold()
{
    QFETCH(QString, text);
    QFETCH(QString, bad);
    const Cp932Conversion cp932 = ToCp932(text);
    QVERIFY(!cp932.ok);
    QCOMPARE(cp932.bytes.find('?'), std::string::npos);
    QCOMPARE(QString::fromStdString(cp932.badCharacter), bad);
    QVERIFY(RefusedCharacterMessage(cp932).contains(bad));
}

void QStringCp932Test::jisStyleCodePointsAreAccepted()
{
    const Cp932Conversion cp932 = ToCp932(QStringLiteral("\u301C\u2016\u2212"));
    QVERIFY(cp932.ok);
    QCOMPARE(cp932.bytes, std::string("\x81\x60\x81\x61\x81\x7C"));
}

} // namespace zelkon

QTEST_GUILESS_MAIN(zelkon::QStringCp932Test)
#include "qstring_cp932_test.moc"
