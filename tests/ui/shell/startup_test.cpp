// Start-up of zelkon on a program folder: the files it needs, the settings it reads and
// writes, the folders it makes and the lock it applies.
#include "shell_fixture.h"

#include "common/cp932.h"
#include "common/path.h"
#include "shell/help_viewer.h"
#include "shell/main.h"
#include "shell/title.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QtTest>

namespace zelkon::test {

namespace {

std::string Utf8(const std::string &cp932)
{
    return Cp932ToUtf8(cp932);
}

StoredValue Integer(std::int32_t value)
{
    return {StoredKind::Integer, value, {}};
}

StoredValue Text(const char *utf8)
{
    return {StoredKind::Text, 0, Utf8ToCp932(utf8)};
}

} // namespace

class ShellStartupTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void startsOnTheDemoFolder();
    void firstStartWritesEveryDefault();
    void missingMainIndexEndsTheProgram();
    void missingTitlePictureIsReportedAndStartGoesOn();
    void storedSettingsAreApplied_data();
    void storedSettingsAreApplied();
    void unreadableSettingIsReportedAndItsDefaultUsed();
    void helpFileIsTheFirstHtmlOfTheFolder_data();
    void helpFileIsTheFirstHtmlOfTheFolder();
    void recordsFolderFailureStillAppliesTheLock();
    void lockSurvivesARestart();

private:
    std::unique_ptr<ShellFixture> m_fixture;
};

void ShellStartupTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    qApp->setQuitOnLastWindowClosed(false);
}

void ShellStartupTest::init()
{
    m_fixture = std::make_unique<ShellFixture>();
    QVERIFY(m_fixture->dir.isValid());
}

void ShellStartupTest::cleanup()
{
    const std::vector<std::string> problems = m_fixture->prompter.problems();
    m_fixture.reset();
    for (const std::string &problem : problems)
        QFAIL(problem.c_str());
}

void ShellStartupTest::startsOnTheDemoFolder()
{
    ShellFixture &f = *m_fixture;
    QVERIFY(f.makeAndStart());

    const AppState &state = f.program->state;
    TfrmMain &main = f.zelkon->mainWindow();
    QVERIFY(main.isVisible());
    QCOMPARE(state.programFolder, ProgramFolderFor(f.files.current));
    QVERIFY(state.startupDone);
    QVERIFY(state.answersShown);
    QVERIFY(state.similarMarksStale);
    QCOMPARE(state.paperWidth, 630);
    QCOMPARE(state.paperHeight, 891);
    QCOMPARE(Utf8(state.learnerName), std::string("共通"));
    QCOMPARE(f.program->index.lessonCaptions.size(), std::size_t(3));

    // The frame covers the screen less 28 pixels; the sheet area is what the side panel leaves.
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    QCOMPARE(main.geometry().size(), QSize(screen.width(), screen.height() - 28));
    QCOMPARE(main.sidePanelWidth(), 113);
    QCOMPARE(state.sheetAreaWidth, main.width() - 113 - 10);
    QCOMPARE(state.sheetAreaHeight, main.sidePanelHeight());

    TfrmTitle &title = f.zelkon->titleWindow();
    QVERIFY(title.isVisible());
    QCOMPARE(title.windowTitle(), QString::fromUtf8("長崎県佐世保市　展海峰から見た九十九島"));
    QCOMPARE(title.geometry(), QRect(0, 0, state.sheetAreaWidth, state.sheetAreaHeight));
    auto *picture = title.findChild<QPushButton *>("btnTitlePicture");
    QCOMPARE(picture->size(), QSize(400 + 10, 300 + 20));
    QCOMPARE(picture->pos(),
             QPoint((screen.width() - 113 - 410 - 20) / 2, (main.height() - 320 - 100) / 2));

    QVERIFY(QDir(QString::fromStdString(ToFsPath(state.logOnFolder))).exists());
    QCOMPARE(state.logOnFolder, f.files.recordDrive + "Zelkon\\LogOn");
    QVERIFY(main.findChild<QPushButton *>("btnKaitou")->isEnabled());
    QVERIFY(main.findChild<QRadioButton *>("rdbA4")->isChecked());
    QCOMPARE(main.findChild<QLineEdit *>("edtShimei")->text(), QString::fromUtf8("共通"));
    QVERIFY(!main.findChild<QWidget *>("grbDoYouKnow")->isVisible());
}

void ShellStartupTest::firstStartWritesEveryDefault()
{
    ShellFixture &f = *m_fixture;
    QVERIFY(f.makeAndStart());

    QCOMPARE(f.stored("theSchool").kind, StoredKind::Text);
    QCOMPARE(f.stored("theSchool").text, std::string());
    QCOMPARE(Utf8(f.stored("LogOnName").text), std::string("共通"));
    const std::pair<const char *, std::int32_t> integers[]
        = {{"KeyLock", 0}, {"ShowDoYouKnow", 1}, {"PrintMode", 1}, {"PaperSize", 630}};
    for (const auto &[name, value] : integers) {
        QCOMPARE(f.stored(name).kind, StoredKind::Integer);
        QCOMPARE(f.stored(name).integer, value);
    }
    const StoredValue drive = f.store.get(kSharedRegistryKey, kRecDrive);
    QCOMPARE(drive.text, f.files.recordDrive);
}

void ShellStartupTest::missingMainIndexEndsTheProgram()
{
    ShellFixture &f = *m_fixture;
    QVERIFY(QFile::remove(f.file("Main.ind")));
    f.prompter.expectMessage("ファイル " + f.messagePath("Main.ind") + " が見つかりません");
    f.store.put(EditionConstantsOf(Edition::Geography).registryKey, "KeyLock", Integer(1));

    QVERIFY(!f.makeAndStart());
    QVERIFY(!f.zelkon->mainWindow().isVisible());
    // Nothing after the main index ran: no paper read, no folders made, no lock, no log-on.
    QVERIFY(!f.program->state.startupDone);
    QCOMPARE(f.stored("PaperSize").kind, StoredKind::Missing);
    QVERIFY(!QDir(f.dir.path() + "/records/Zelkon").exists());
    QVERIFY(!f.program->state.keyLock);
}

void ShellStartupTest::missingTitlePictureIsReportedAndStartGoesOn()
{
    ShellFixture &f = *m_fixture;
    QVERIFY(QFile::remove(f.file("Title.BMP")));
    f.prompter.expectMessage("ファイル " + f.messagePath("Title.BMP") + " が見つかりません");

    QVERIFY(f.makeAndStart());
    QVERIFY(f.program->state.startupDone);
    auto *picture = f.zelkon->titleWindow().findChild<QPushButton *>("btnTitlePicture");
    QCOMPARE(picture->size(), QSize(10, 20));
    QVERIFY(f.zelkon->titleWindow().isVisible());
}

void ShellStartupTest::storedSettingsAreApplied_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("checkedPaper");
    QTest::addColumn<int>("paperWidth");
    QTest::addColumn<int>("paperHeight");
    QTest::addColumn<bool>("locked");

    QTest::newRow("B5") << "PaperSize" << 546 << "rdbB5" << 546 << 772 << false;
    QTest::newRow("A3") << "PaperSize" << 891 << "rdbA3" << 891 << 1260 << false;
    QTest::newRow("other width checks A4, keeps the width")
        << "PaperSize" << 700 << "rdbA4" << 700 << 990 << false;
    QTest::newRow("any non-zero KeyLock locks") << "KeyLock" << 5 << "rdbA4" << 630 << 891 << true;
}

void ShellStartupTest::storedSettingsAreApplied()
{
    QFETCH(QString, name);
    QFETCH(int, value);
    QFETCH(QString, checkedPaper);
    QFETCH(int, paperWidth);
    QFETCH(int, paperHeight);
    QFETCH(bool, locked);
    ShellFixture &f = *m_fixture;
    const std::string key = EditionConstantsOf(Edition::Geography).registryKey;
    f.store.put(key, name.toStdString(), Integer(value));
    f.store.put(key, "LogOnName", Text("山田"));
    f.store.put(key, "theSchool", Text("ＣＡＩ中学校"));
    f.store.put(key, "PrintMode", Integer(0));
    int logOns = 0;
    f.make().seams().logOn = [&logOns] { ++logOns; };

    QVERIFY(f.zelkon->start());
    const AppState &state = f.program->state;
    TfrmMain &main = f.zelkon->mainWindow();
    QVERIFY(main.findChild<QRadioButton *>(checkedPaper)->isChecked());
    QCOMPARE(state.paperWidth, paperWidth);
    QCOMPARE(state.paperHeight, paperHeight);
    QCOMPARE(state.keyLock, locked);
    QCOMPARE(logOns, locked ? 1 : 0);
    QCOMPARE(Utf8(state.schoolName), std::string("ＣＡＩ中学校"));
    QCOMPARE(main.findChild<QLineEdit *>("edtShimei")->text(), QString::fromUtf8("山田"));
    QVERIFY(!state.printMode);
}

void ShellStartupTest::unreadableSettingIsReportedAndItsDefaultUsed()
{
    ShellFixture &f = *m_fixture;
    f.store.put(EditionConstantsOf(Edition::Geography).registryKey, "PaperSize", Text("A4"));
    f.prompter.expectAnyMessage();

    QVERIFY(f.makeAndStart());
    QCOMPARE(f.program->state.paperWidth, 630);
    QVERIFY(f.program->state.startupDone);
    QCOMPARE(f.stored("PaperSize").kind, StoredKind::Text);
}

void ShellStartupTest::helpFileIsTheFirstHtmlOfTheFolder_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("helpFile");
    QTest::newRow("none: the edition's own name") << QStringList{} << "ZELKONXA.html";
    QTest::newRow("first in name order, any case")
        << QStringList{"zz.html", "Guide.HTML", "notes.txt"} << "Guide.HTML";
}

void ShellStartupTest::helpFileIsTheFirstHtmlOfTheFolder()
{
    QFETCH(QStringList, files);
    QFETCH(QString, helpFile);
    ShellFixture &f = *m_fixture;
    for (const QString &name : files) {
        QFile file(f.file(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QVERIFY(f.makeAndStart());
    QCOMPARE(QString::fromStdString(f.zelkon->helpViewer().fileName()), helpFile);
}

void ShellStartupTest::recordsFolderFailureStillAppliesTheLock()
{
    ShellFixture &f = *m_fixture;
    f.files.createFails = true;
    f.store.put(EditionConstantsOf(Edition::Geography).registryKey, "KeyLock", Integer(1));
    f.prompter.expectMessage("ディレクトリ " + f.files.recordDrive + "Zelkon を作成できません");
    int logOns = 0;
    f.make().seams().logOn = [&logOns] { ++logOns; };

    QVERIFY(f.zelkon->start());
    // A locked classroom machine must not start in teacher mode because a folder is missing.
    QVERIFY(f.program->state.keyLock);
    QCOMPARE(logOns, 1);
    QVERIFY(f.zelkon->mainWindow().findChild<QPushButton *>("btnOpen")->isHidden());
    QVERIFY(f.zelkon->titleWindow().isVisible());
    QCOMPARE(f.zelkon->mainWindow().findChild<QLineEdit *>("edtShimei")->text(),
             QString::fromUtf8("共通"));
}

void ShellStartupTest::lockSurvivesARestart()
{
    ShellFixture &f = *m_fixture;
    QVERIFY(f.makeAndStart());
    QTest::mouseClick(f.zelkon->mainWindow().findChild<QPushButton *>("btnLock"), Qt::LeftButton);
    QCOMPARE(f.stored("KeyLock").integer, 1);
    f.drop();

    int logOns = 0;
    f.make().seams().logOn = [&logOns] { ++logOns; };
    QVERIFY(f.zelkon->start());
    TfrmMain &main = f.zelkon->mainWindow();
    QVERIFY(f.program->state.keyLock);
    QCOMPARE(main.findChild<QPushButton *>("btnLock")->text(), QString::fromUtf8("生徒用"));
    QVERIFY(main.findChild<QPushButton *>("btnOpen")->isHidden());
    QVERIFY(!main.findChild<QMenu *>("mnuFile")->menuAction()->isVisible());
    QCOMPARE(logOns, 1);
}

} // namespace zelkon::test

QTEST_MAIN(zelkon::test::ShellStartupTest)
#include "startup_test.moc"
