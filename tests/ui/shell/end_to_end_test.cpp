// The edition programs themselves, started on a copy of the demo courseware with their own
// settings and data folders, as a teacher starts them.
#include "shell_fixture.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace zelkon::test {

class EditionEndToEndTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void editionStartsOnTheDemo_data();
    void editionStartsOnTheDemo();
    void keepsRunningUntilEnded();

private:
    QProcess *program(const QString &edition, const QStringList &arguments);

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_home;
};

void EditionEndToEndTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_home = m_dir->filePath("home");
    QVERIFY(CopyFolder(ZELKON_DEMO_DIR, m_dir->filePath("demo")));
}

QProcess *EditionEndToEndTest::program(const QString &edition, const QStringList &arguments)
{
    auto *process = new QProcess(this);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("HOME", m_home);
    environment.insert("XDG_CONFIG_HOME", m_home + "/.config");
    environment.insert("XDG_DATA_HOME", m_home + "/.local/share");
    environment.insert("XDG_RUNTIME_DIR", m_dir->path());
    process->setProcessEnvironment(environment);
    process->setWorkingDirectory(m_dir->filePath("demo"));
    process->setProgram(QStringLiteral(ZELKON_EDITIONS_DIR) + "/" + edition);
    process->setArguments(arguments);
    process->start();
    return process;
}

void EditionEndToEndTest::editionStartsOnTheDemo_data()
{
    QTest::addColumn<QString>("edition");
    QTest::addColumn<QString>("settingsFile");
    QTest::newRow("geography") << "zelkonxa"
                               << "ZelkonXA.conf";
    QTest::newRow("history") << "zelkonxb"
                             << "ZelkonXB.conf";
    QTest::newRow("civics") << "zelkonxc"
                            << "ZelkonXC.conf";
}

void EditionEndToEndTest::editionStartsOnTheDemo()
{
    QFETCH(QString, edition);
    QFETCH(QString, settingsFile);
    QProcess *process = program(edition, {"--exit-after-startup"});
    QVERIFY(process->waitForFinished(60000));
    QCOMPARE(process->exitStatus(), QProcess::NormalExit);
    QVERIFY2(process->exitCode() == 0, process->readAllStandardError().constData());

    // Start-up ran to its end: the edition's settings hold their defaults and the learners'
    // folder exists.
    QFile settings(m_home + "/.config/Zelkon/" + settingsFile);
    QVERIFY(settings.open(QIODevice::ReadOnly));
    const QByteArray written = settings.readAll();
    for (const char *line : {"KeyLock=0", "PaperSize=630", "ShowDoYouKnow=1"})
        QVERIFY2(written.contains(line), line);
    QVERIFY(QDir(m_home + "/.local/share/Zelkon/LogOn").exists());
}

void EditionEndToEndTest::keepsRunningUntilEnded()
{
    QProcess *process = program("zelkonxa", {});
    QVERIFY(process->waitForStarted(10000));
    // Start-up has written the settings by the time it waits for the teacher; on a busy machine
    // that may take longer than the wait below.
    const QString settings = m_home + "/.config/Zelkon/ZelkonXA.conf";
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(settings) || process->state() != QProcess::Running,
                             60000);
    QVERIFY2(QFile::exists(settings), process->readAllStandardError().constData());
    QVERIFY(!process->waitForFinished(3000));
    QCOMPARE(process->state(), QProcess::Running);
    process->terminate();
    QVERIFY(process->waitForFinished(10000));
}

} // namespace zelkon::test

QTEST_GUILESS_MAIN(zelkon::test::EditionEndToEndTest)
#include "end_to_end_test.moc"
