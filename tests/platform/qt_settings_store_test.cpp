// The QSettings store: key mapping, the settings operations over .conf files, and failures.
#include "platform/qt_settings_store.h"

#include "platform/qstring_cp932.h"
#include "settings/settings.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace zelkon {

class QtSettingsStoreTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void keysMapOntoOrganisationAndApplication_data();
    void keysMapOntoOrganisationAndApplication();
    void firstReadsCreateTheFilesWithDefaults();
    void storedValuesReadBackByType_data();
    void storedValuesReadBackByType();
    void valuesOfTheWrongTypeAreRefused_data();
    void valuesOfTheWrongTypeAreRefused();
    void japaneseTextsRoundTrip();
    void unwritableFolderFailsTheWrite();
    void damagedFileKeepsWhatItHolds();
    void recordDriveDefaultIsTheDataFolder();

private:
    QString confFile(const QString &application) const;
    void writeConf(const QString &application, const QByteArray &content);

    std::unique_ptr<QTemporaryDir> m_dir;
    QtSettingsStore m_store;
    const EditionConstants &m_edition = EditionConstantsOf(Edition::Geography);
};

void QtSettingsStoreTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

// Each test gets its own settings folder, so nothing is shared with the user or other tests.
void QtSettingsStoreTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir->path());
}

QString QtSettingsStoreTest::confFile(const QString &application) const
{
    return m_dir->filePath(QStringLiteral("Zelkon/%1.conf").arg(application));
}

void QtSettingsStoreTest::writeConf(const QString &application, const QByteArray &content)
{
    QDir().mkpath(m_dir->filePath(QStringLiteral("Zelkon")));
    QFile file(confFile(application));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

void QtSettingsStoreTest::keysMapOntoOrganisationAndApplication_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("organization");
    QTest::addColumn<QString>("application");
    QTest::newRow("edition") << "SoftWare\\Zelkon\\ZelkonXA"
                             << "Zelkon"
                             << "ZelkonXA";
    QTest::newRow("shared") << "SoftWare\\Zelkon\\Common"
                            << "Zelkon"
                            << "Common";
    QTest::newRow("deeper key") << "SOFTWARE\\Zelkon\\A\\B"
                                << "Zelkon"
                                << "A/B";
    QTest::newRow("no Software") << "Zelkon\\ZelkonXC"
                                 << "Zelkon"
                                 << "ZelkonXC";
}

void QtSettingsStoreTest::keysMapOntoOrganisationAndApplication()
{
    QFETCH(QString, key);
    QFETCH(QString, organization);
    QFETCH(QString, application);
    const QtSettingsLocation at = SettingsLocationForKey(key.toStdString());
    QCOMPARE(at.organization, organization);
    QCOMPARE(at.application, application);
}

void QtSettingsStoreTest::firstReadsCreateTheFilesWithDefaults()
{
    {
        Settings settings(m_store, m_edition);
        QVERIFY(settings.readText(kTheSchool).ok);
        QVERIFY(settings.readText(kLogOnName).ok);
        QVERIFY(settings.readFlag(kKeyLock).ok);
        QVERIFY(settings.readFlag(kShowDoYouKnow).ok);
        QVERIFY(settings.readFlag(kPrintMode).ok);
        QVERIFY(settings.readInteger(kPaperSize).ok);
        QVERIFY(settings.readSharedText(kRecDrive, "/data/").ok);
    }
    QVERIFY(QFile::exists(confFile(QStringLiteral("ZelkonXA"))));
    QVERIFY(QFile::exists(confFile(QStringLiteral("Common"))));

    // Read back through fresh objects: what the next start of the program sees.
    Settings again(m_store, m_edition);
    QCOMPARE(again.readText(kTheSchool).value, std::string());
    QCOMPARE(ToQString(again.readText(kLogOnName).value), QStringLiteral("共通"));
    QCOMPARE(again.readFlag(kKeyLock).value, false);
    QCOMPARE(again.readFlag(kShowDoYouKnow).value, true);
    QCOMPARE(again.readFlag(kPrintMode).value, true);
    QCOMPARE(again.readInteger(kPaperSize).value, 630);
    QCOMPARE(again.readSharedText(kRecDrive, "elsewhere").value, std::string("/data/"));

    // Flags and integers are plain numbers in the file.
    QFile file(confFile(QStringLiteral("ZelkonXA")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    for (const char *line : {"KeyLock=0", "ShowDoYouKnow=1", "PrintMode=1", "PaperSize=630"})
        QVERIFY2(content.contains(line), line);
}

void QtSettingsStoreTest::storedValuesReadBackByType_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("integer");
    QTest::addColumn<QString>("text");
    QTest::newRow("integer") << QByteArray("v=5") << int(StoredKind::UntypedInteger) << 5 << "5";
    QTest::newRow("negative") << QByteArray("v=-12") << int(StoredKind::UntypedInteger) << -12
                              << "-12";
    QTest::newRow("leading zero") << QByteArray("v=007") << int(StoredKind::UntypedInteger) << 7
                                  << "007";
    QTest::newRow("too large") << QByteArray("v=4294967296") << int(StoredKind::Text) << 0
                               << "4294967296";
    QTest::newRow("word") << QByteArray("v=true") << int(StoredKind::Text) << 0 << "true";
    QTest::newRow("spaced digits") << QByteArray("v=\"5 \"") << int(StoredKind::Text) << 0 << "5 ";
    QTest::newRow("plus sign") << QByteArray("v=+5") << int(StoredKind::Text) << 0 << "+5";
    QTest::newRow("empty") << QByteArray("v=") << int(StoredKind::Text) << 0 << "";
    QTest::newRow("list") << QByteArray("v=a, b") << int(StoredKind::Other) << 0 << "";
    QTest::newRow("not CP932") << QByteArray("v=Jos\xC3\xA9") << int(StoredKind::Unreadable) << 0
                               << "";
}

void QtSettingsStoreTest::storedValuesReadBackByType()
{
    QFETCH(QByteArray, line);
    QFETCH(int, kind);
    QFETCH(int, integer);
    QFETCH(QString, text);
    writeConf(QStringLiteral("ZelkonXA"), "[General]\n" + line + "\n");
    const StoredValue stored = m_store.get(m_edition.registryKey, "v");
    QCOMPARE(int(stored.kind), kind);
    QCOMPARE(stored.integer, integer);
    QCOMPARE(ToQString(stored.text), text);
}

void QtSettingsStoreTest::valuesOfTheWrongTypeAreRefused_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("flag as word") << QByteArray("[General]\nKeyLock=true\n");
    QTest::newRow("flag as list") << QByteArray("[General]\nKeyLock=1, 2\n");
}

void QtSettingsStoreTest::valuesOfTheWrongTypeAreRefused()
{
    QFETCH(QByteArray, content);
    writeConf(QStringLiteral("ZelkonXA"), content);
    Settings settings(m_store, m_edition);
    const SettingRead<bool> keyLock = settings.readFlag(kKeyLock);
    QVERIFY(!keyLock.ok);
    QVERIFY(ToQString(keyLock.error).contains(QStringLiteral("「KeyLock」が整数ではありません")));

    // The refused value is left as it was.
    QFile file(confFile(QStringLiteral("ZelkonXA")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), content);
}

void QtSettingsStoreTest::japaneseTextsRoundTrip()
{
    writeConf(QStringLiteral("ZelkonXA"), "[General]\nKeyLock=5\n");
    Settings settings(m_store, m_edition);
    const std::string school = Utf8ToCp932("ゼルコン塾　地図表\\");
    QVERIFY(settings.writeText(kTheSchool, school).ok);
    QCOMPARE(settings.readText(kTheSchool).value, school);
    QCOMPARE(settings.readFlag(kKeyLock).value, true);

    // The file is UTF-8, readable and editable as any other .conf file.
    QFile file(confFile(QStringLiteral("ZelkonXA")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(QString::fromUtf8(file.readAll()).contains(QStringLiteral("ゼルコン塾")));
}

void QtSettingsStoreTest::unwritableFolderFailsTheWrite()
{
    // A plain file where the organisation's folder should be: nothing can be created there.
    QFile blocker(m_dir->filePath(QStringLiteral("Zelkon")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    QVERIFY(!m_store.setInteger(m_edition.registryKey, "KeyLock", 1));
    QVERIFY(!m_store.setText(m_edition.registryKey, "theSchool", "x"));
    Settings settings(m_store, m_edition);
    const SettingRead<std::int32_t> paper = settings.readInteger(kPaperSize);
    QVERIFY(!paper.ok);
    QCOMPARE(paper.value, 630);
    QVERIFY(ToQString(paper.error).contains(QStringLiteral("「PaperSize」を書き込めません")));
}

void QtSettingsStoreTest::damagedFileKeepsWhatItHolds()
{
    // "[Gen" lacks its "]": QSettings reads it as a section "Gen" and writes it back repaired.
    writeConf(QStringLiteral("ZelkonXA"), "[General]\nPaperSize=771\n[Gen\nx=1\n");
    Settings settings(m_store, m_edition);
    QCOMPARE(settings.readInteger(kPaperSize).value, 771);
    QVERIFY(settings.writeFlag(kKeyLock, true).ok);

    QFile file(confFile(QStringLiteral("ZelkonXA")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    for (const char *line : {"KeyLock=1", "PaperSize=771", "[Gen]", "x=1"})
        QVERIFY2(content.contains(line), line);
}

void QtSettingsStoreTest::recordDriveDefaultIsTheDataFolder()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    QCOMPARE(ToQString(DefaultRecordDrive()), data + u'/');
    QVERIFY(data.contains(QStringLiteral(".qttest")));
}

} // namespace zelkon

QTEST_GUILESS_MAIN(zelkon::QtSettingsStoreTest)
#include "qt_settings_store_test.moc"
