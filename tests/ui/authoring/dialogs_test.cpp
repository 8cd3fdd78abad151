// The two small dialogs of the editors on their own: the text input dialog in its four modes and
// the source edit dialog with its help topic.
#include "authoring_fixture.h"

#include "authoring/editsource.h"
#include "authoring/inputtext.h"
#include "support/scripted_prompter.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace zelkon::test {

class AuthoringDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void textInputStartsFromItsMode_data();
    void textInputStartsFromItsMode();
    void textInputRefusesWhatCp932CannotHold();
    void sourceEditGivesItsLinesOnlyAtOk_data();
    void sourceEditGivesItsLinesOnlyAtOk();

private:
    ScriptedPrompter m_prompter;
};

void AuthoringDialogsTest::cleanup()
{
    const std::vector<std::string> problems = m_prompter.problems();
    m_prompter = ScriptedPrompter();
    for (const std::string &problem : problems)
        QFAIL(problem.c_str());
}

void AuthoringDialogsTest::textInputStartsFromItsMode_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("result");

    QTest::newRow("new section") << "mainADD"
                                 << "" << QString::fromUtf8("日本の人口")
                                 << QString::fromUtf8("日本の人口");
    QTest::newRow("renamed section, one character typed")
        << "mainCHANGE" << QString::fromUtf8("日本の気候") << QString::fromUtf8("空")
        << QString::fromUtf8("空");
    QTest::newRow("new unit") << "subADD"
                              << ""
                              << "x"
                              << "x";
    QTest::newRow("renamed unit") << "subCHANGE" << QString::fromUtf8("雨温図を読む")
                                  << QString::fromUtf8("雨温図") << QString::fromUtf8("雨温図");
    QTest::newRow("two lines typed, one kept")
        << "subADD"
        << "" << QString::fromUtf8("一行目\n二行目") << QString::fromUtf8("一行目");
}

void AuthoringDialogsTest::textInputStartsFromItsMode()
{
    QFETCH(QString, mode);
    QFETCH(QString, start);
    QFETCH(QString, typed);
    QFETCH(QString, result);

    TfrmInputText dialog(m_prompter);
    dialog.setHooks(
        {[] { return Utf8ToCp932("日本の気候"); }, [] { return Utf8ToCp932("雨温図を読む"); }});
    dialog.setMode(mode.toStdString());
    auto *input = dialog.findChild<QLineEdit *>("memInput");
    WhenShown(&dialog, [&] {
        QCOMPARE(dialog.windowTitle(), QString::fromUtf8("テキストの入力"));
        QCOMPARE(dialog.size(), QSize(410, 129));
        QCOMPARE(input->text(), start);
        QCOMPARE(input->selectedText(), start);
        Commit(input, typed);
        // Enter is OK.
        QTest::keyClick(input, Qt::Key_Return);
    });
    QVERIFY(dialog.execute());
    QCOMPARE(Q(dialog.text()), result);
}

void AuthoringDialogsTest::textInputRefusesWhatCp932CannotHold()
{
    TfrmInputText dialog(m_prompter);
    dialog.setMode("subADD");
    WhenShown(&dialog, [&] {
        auto *input = dialog.findChild<QLineEdit *>("memInput");
        Commit(input, QString::fromUtf8("𠮷野家"));
        m_prompter.expectMessage(Cp932ToUtf8(RefusedCharacterMessageCp932("𠮷")));
        QTest::mouseClick(dialog.findChild<QPushButton *>("btnOk"), Qt::LeftButton);
        QVERIFY(dialog.isVisible());
        QTest::mouseClick(dialog.findChild<QPushButton *>("btnCancel"), Qt::LeftButton);
    });
    QVERIFY(!dialog.execute());
}

void AuthoringDialogsTest::sourceEditGivesItsLinesOnlyAtOk_data()
{
    QTest::addColumn<bool>("ok");
    QTest::newRow("OK") << true;
    QTest::newRow("Cancel") << false;
}

void AuthoringDialogsTest::sourceEditGivesItsLinesOnlyAtOk()
{
    QFETCH(bool, ok);

    int topic = 0;
    QWidget frame;
    frame.resize(900, 700);
    TfrmEditSource dialog(
        m_prompter, [&topic](int shown) { topic = shown; }, &frame);
    const std::string path = Utf8ToCp932("C:\\教材\\ch.ind");
    dialog.PrepareSourceEdit(path, 710, {Utf8ToCp932("日本の地理"), "", "[[sect1"});
    WhenShown(&dialog, [&] {
        QCOMPARE(dialog.windowTitle(), QString::fromUtf8("ソースの直接編集C:\\教材\\ch.ind"));
        QCOMPARE(dialog.size(), frame.size());
        auto *buffer = dialog.findChild<QPlainTextEdit *>("memEditBuffer");
        QCOMPARE(buffer->toPlainText(), QString::fromUtf8("日本の地理\n\n[[sect1\n"));
        QCOMPARE(buffer->textCursor().position(), 0);
        Commit(buffer, QString::fromUtf8("新"));
        m_prompter.expectMessage(Cp932ToUtf8(RefusedCharacterMessageCp932("😀")));
        Commit(buffer, QString::fromUtf8("😀"));
        QTest::mouseClick(dialog.findChild<QPushButton *>("btnHelp"), Qt::LeftButton);
        QTest::mouseClick(dialog.findChild<QPushButton *>(ok ? "btnOk" : "btnCancel"),
                          Qt::LeftButton);
    });
    QCOMPARE(dialog.execute(), ok);
    QCOMPARE(topic, 710);
    const std::vector<std::string> edited{Utf8ToCp932("新日本の地理"), "", "[[sect1"};
    QCOMPARE(dialog.lines(), ok ? edited : std::vector<std::string>{});
}

} // namespace zelkon::test

QTEST_MAIN(zelkon::test::AuthoringDialogsTest)
#include "dialogs_test.moc"
