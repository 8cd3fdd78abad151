// The school name dialog, the version dialog and the help window of the shell.
#include "shell_fixture.h"

#include "common/cp932.h"
#include "shell/help_viewer.h"
#include "shell/juku.h"
#include "shell/main.h"
#include "shell/version.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace zelkon::test {

namespace {

// Runs `act` on the modal dialog once it is shown; `act` must close it.
void WhenShown(std::function<void(QWidget *)> act)
{
    QTimer::singleShot(0, [act] {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog)
            qFatal("no modal dialog was shown");
        act(dialog);
    });
}

void Click(QWidget *dialog, const char *button)
{
    QTest::mouseClick(dialog->findChild<QPushButton *>(button), Qt::LeftButton);
}

// Japanese arrives through the input method, not as key presses.
void Type(QWidget *dialog, const QString &text)
{
    auto *edit = dialog->findChild<QLineEdit *>("edtSchool");
    edit->clear();
    edit->insert(text);
}

// Every help topic the program opens: the tips panel's five, the record window's context and
// the editors' help buttons.
const int kHelpTopics[] = {222, 710, 720, 730, 840, 842, 850, 901, 902};

} // namespace

class ShellDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void jukuShowsTheCurrentNameAfterACancel();
    void jukuStoresWhatOkConfirms_data();
    void jukuStoresWhatOkConfirms();
    void jukuRefusesACharacterSheetsCannotPrint();
    void jukuStaysOpenWhenTheNameCannotBeStored();
    void versionShowsTheEditionsNameAndVersion_data();
    void versionShowsTheEditionsNameAndVersion();
    void demoHelpHoldsEveryTopicTheProgramOpens();
    void helpOpensTopicsAndContents();
    void missingHelpFileIsReported();

private:
    std::unique_ptr<ShellFixture> m_fixture;
};

void ShellDialogsTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    qApp->setQuitOnLastWindowClosed(false);
}

void ShellDialogsTest::init()
{
    m_fixture = std::make_unique<ShellFixture>();
}

void ShellDialogsTest::cleanup()
{
    const std::vector<std::string> problems = m_fixture->prompter.problems();
    m_fixture.reset();
    for (const std::string &problem : problems)
        QFAIL(problem.c_str());
}

void ShellDialogsTest::jukuShowsTheCurrentNameAfterACancel()
{
    TfrmJuku &juku = m_fixture->make().jukuDialog();
    m_fixture->program->state.schoolName = Utf8ToCp932("ＡＢ塾");
    QString shown;
    WhenShown([&](QWidget *dialog) {
        shown = dialog->findChild<QLineEdit *>("edtSchool")->text();
        Type(dialog, QString::fromUtf8("打ちかけの名前"));
        Click(dialog, "btnCancel");
    });
    QVERIFY(!juku.execute());
    QCOMPARE(shown, QString::fromUtf8("ＡＢ塾"));
    QCOMPARE(Cp932ToUtf8(m_fixture->program->state.schoolName), std::string("ＡＢ塾"));
    QCOMPARE(m_fixture->stored("theSchool").kind, StoredKind::Missing);

    // A cancelled text must not come back, or the next OK would store it.
    WhenShown([&](QWidget *dialog) {
        shown = dialog->findChild<QLineEdit *>("edtSchool")->text();
        Click(dialog, "btnOk");
    });
    QVERIFY(juku.execute());
    QCOMPARE(shown, QString::fromUtf8("ＡＢ塾"));
    QCOMPARE(Cp932ToUtf8(m_fixture->stored("theSchool").text), std::string("ＡＢ塾"));
}

void ShellDialogsTest::jukuStoresWhatOkConfirms_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("a name") << QString::fromUtf8("ＣＡＩ中学校　年　組");
    QTest::newRow("an empty name") << QString();
}

void ShellDialogsTest::jukuStoresWhatOkConfirms()
{
    QFETCH(QString, typed);
    m_fixture->make();
    m_fixture->program->state.schoolName = Utf8ToCp932("前の塾");
    WhenShown([&](QWidget *dialog) {
        Type(dialog, typed);
        Click(dialog, "btnOk");
    });
    // Opened from the menu, as the teacher does.
    m_fixture->zelkon->mainWindow().openSchoolName();
    const std::string expected = Utf8ToCp932(typed.toStdString());
    QCOMPARE(m_fixture->program->state.schoolName, expected);
    QCOMPARE(m_fixture->stored("theSchool").kind, StoredKind::Text);
    QCOMPARE(m_fixture->stored("theSchool").text, expected);
}

void ShellDialogsTest::jukuRefusesACharacterSheetsCannotPrint()
{
    TfrmJuku &juku = m_fixture->make().jukuDialog();
    m_fixture->prompter.expectMessage("「〓」(U+1F600) は Shift_JIS にない文字のため使えません");
    bool stayedOpen = false;
    WhenShown([&](QWidget *dialog) {
        Type(dialog, QString::fromUtf8("えがお塾😀"));
        Click(dialog, "btnOk");
        stayedOpen = dialog->isVisible();
        Click(dialog, "btnCancel");
    });
    QVERIFY(!juku.execute());
    QVERIFY(stayedOpen);
    QVERIFY(m_fixture->program->state.schoolName.empty());
    QCOMPARE(m_fixture->stored("theSchool").kind, StoredKind::Missing);
}

void ShellDialogsTest::jukuStaysOpenWhenTheNameCannotBeStored()
{
    TfrmJuku &juku = m_fixture->make().jukuDialog();
    m_fixture->store.setWritesFail(true);
    m_fixture->prompter.expectAnyMessage();
    bool stayedOpen = false;
    WhenShown([&](QWidget *dialog) {
        Type(dialog, QString::fromUtf8("みどり塾"));
        Click(dialog, "btnOk");
        stayedOpen = dialog->isVisible();
        Click(dialog, "btnCancel");
    });
    QVERIFY(!juku.execute());
    QVERIFY(stayedOpen);
}

void ShellDialogsTest::versionShowsTheEditionsNameAndVersion_data()
{
    QTest::addColumn<int>("edition");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("version");
    QTest::newRow("geography") << int(Edition::Geography)
                               << QString::fromUtf8("Zelkon++ 塾教材３・日本の地理")
                               << "Version 4.50 2005.10.05";
    QTest::newRow("history") << int(Edition::History)
                             << QString::fromUtf8("Zelkon++ 塾教材１・日本の歴史")
                             << "Version 4.60 2005.11.15";
    QTest::newRow("civics") << int(Edition::Civics) << QString::fromUtf8("Zelkon++ 塾教材２・公民")
                            << "Version 4.60 2005.11.15";
}

void ShellDialogsTest::versionShowsTheEditionsNameAndVersion()
{
    QFETCH(int, edition);
    QFETCH(QString, name);
    QFETCH(QString, version);
    m_fixture->make(static_cast<Edition>(edition));
    QString shownName, shownVersion, caption;
    WhenShown([&](QWidget *dialog) {
        caption = dialog->windowTitle();
        shownName = dialog->findChild<QLabel *>("lblProductName")->text();
        shownVersion = dialog->findChild<QLabel *>("lblVersion")->text();
        Click(dialog, "btnClose");
    });
    // Opened from the Help menu, as the user does.
    for (QAction *item : m_fixture->zelkon->mainWindow().findChild<QMenu *>("mnuHelp")->actions())
        if (item->text().startsWith(QString::fromUtf8("バージョン")))
            item->trigger();
    QCOMPARE(caption, QString::fromUtf8("バージョン情報"));
    QCOMPARE(shownName, name);
    QCOMPARE(shownVersion, version);
}

void ShellDialogsTest::demoHelpHoldsEveryTopicTheProgramOpens()
{
    QFile help(QStringLiteral(ZELKON_DEMO_DIR) + "/ZELKONXA.html");
    QVERIFY(help.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(help.readAll());
    for (int topic : kHelpTopics)
        QVERIFY2(html.contains(QStringLiteral("id=\"topic%1\"").arg(topic)),
                 qPrintable(QStringLiteral("topic%1").arg(topic)));
}

void ShellDialogsTest::helpOpensTopicsAndContents()
{
    QVERIFY(QFile::copy(QStringLiteral(ZELKON_DEMO_DIR) + "/ZELKONXA.html",
                        m_fixture->file("ZELKONXA.html")));
    QVERIFY(m_fixture->makeAndStart());
    HelpViewer &help = m_fixture->zelkon->helpViewer();

    m_fixture->zelkon->seams().showHelpTopic(902);
    QVERIFY(help.isVisible());
    QCOMPARE(help.browser()->source().fragment(), QString("topic902"));
    QVERIFY(
        help.browser()->toPlainText().contains(QString::fromUtf8("［学習］ボタンで勉強できます")));

    for (QAction *item : m_fixture->zelkon->mainWindow().findChild<QMenu *>("mnuHelp")->actions())
        if (item->text().startsWith(QString::fromUtf8("使い方")))
            item->trigger();
    QVERIFY(help.browser()->source().fragment().isEmpty());
    QVERIFY(help.browser()->source().toLocalFile().endsWith("ZELKONXA.html"));
}

void ShellDialogsTest::missingHelpFileIsReported()
{
    QVERIFY(m_fixture->makeAndStart());
    m_fixture->prompter.expectMessage("ファイル " + m_fixture->messagePath("ZELKONXA.html")
                                      + " が見つかりません");
    m_fixture->zelkon->seams().showHelpTopic(840);
    QVERIFY(!m_fixture->zelkon->helpViewer().isVisible());
}

} // namespace zelkon::test

QTEST_MAIN(zelkon::test::ShellDialogsTest)
#include "dialogs_test.moc"
