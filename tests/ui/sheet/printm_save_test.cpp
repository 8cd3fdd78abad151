// Saving a worksheet: as a copy file through the save dialog and its questions, back into its
// master file ("上書き保存"), and in the close question of a modified sheet, also when the program
// ends with several of them.
#include "sheet_fixture.h"

#include "common/cp932.h"
#include "sheet/printm.h"
#include "shell/main.h"
#include "shell/main_seams.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

#include <unistd.h>

namespace zelkon::test {

namespace {

QString Q(const std::string &cp932)
{
    return QString::fromStdString(Cp932ToUtf8(cp932));
}

// The lines of a CP932 file as UTF-8, for comparing units.
QStringList LinesOf(const QByteArray &bytes)
{
    QStringList lines
        = QString::fromStdString(Cp932ToUtf8(bytes.toStdString())).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.pop_back();
    return lines;
}

// The first lines of the value block of the unit under `header`: width, answers, spacing, left
// margin.
QStringList ValueLines(const QByteArray &bytes, const QString &header)
{
    const QStringList lines = LinesOf(bytes);
    const qsizetype unit = lines.indexOf(header);
    if (unit < 0)
        return {};
    return lines.mid(lines.indexOf(QStringLiteral("<<value"), unit) + 1, 4);
}

} // namespace

class PrintMSaveTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void savedCopyReopensWithTheSameLayout();
    void saveNameFollowsTheFileNamesExtension_data();
    void saveNameFollowsTheFileNamesExtension();
    void existingFileIsReplacedOnlyAfterYes();
    void failedWriteKeepsTheSheetModified_data();
    void failedWriteKeepsTheSheetModified();
    void overwriteKeepsTheOtherUnitsByteForByte();
    void closeQuestionSavesTheSheetBeingClosed_data();
    void closeQuestionSavesTheSheetBeingClosed();
    void endingTheProgramSavesEachModifiedSheetAsItIs();

private:
    TfrmMain &main() { return m_fixture->main(); }
    ScriptedPrompter &prompter() { return m_fixture->prompter(); }
    /// Presses "保　存　", then "名前を付けて保存".
    void saveAs();
    /// Presses "保　存　", then "上書き保存".
    void overwrite();
    /// Sets the main line spacing of the active sheet, as the side panel does.
    void setSpacing(int spacing);

    std::unique_ptr<SheetFixture> m_fixture;
};

void PrintMSaveTest::initTestCase()
{
    PrepareSheetTests();
}

void PrintMSaveTest::init()
{
    m_fixture = std::make_unique<SheetFixture>();
}

void PrintMSaveTest::cleanup()
{
    DropAndReport(m_fixture);
}

void PrintMSaveTest::saveAs()
{
    QTest::mouseClick(main().findChild<QPushButton *>("btnSave"), Qt::LeftButton);
    QTest::mouseClick(main().findChild<QPushButton *>("btnSaveAs"), Qt::LeftButton);
}

void PrintMSaveTest::overwrite()
{
    QTest::mouseClick(main().findChild<QPushButton *>("btnSave"), Qt::LeftButton);
    QTest::mouseClick(main().findChild<QPushButton *>("btnOverwrite"), Qt::LeftButton);
}

void PrintMSaveTest::setSpacing(int spacing)
{
    main().findChild<QSpinBox *>("spnGyokan")->setValue(spacing);
}

void PrintMSaveTest::savedCopyReopensWithTheSameLayout()
{
    m_fixture->open(0, 0, 3);
    TfrmPrintM *sheet = m_fixture->active();
    setSpacing(50);
    main().findChild<QSpinBox *>("spnMojiSize")->setValue(14);
    main().choosePaper(Paper::B4);
    const Worksheet saved = sheet->sheet();
    const std::string path = m_fixture->composed("mine.prp");

    // A name without an extension is saved with ".prp".
    prompter().expectFile(m_fixture->composed("mine"));
    saveAs();

    QCOMPARE(sheet->windowTitle(), Q(path));
    QCOMPARE(main().openSheetList(), std::vector<std::string>{path});
    QVERIFY(!sheet->sheet().modified);
    QVERIFY(!sheet->sheet().openedFromMaster);
    QVERIFY(sheet->sheet().openedAsCopyFile);
    QCOMPARE(LinesOf(m_fixture->bytes("mine.prp")).first(), QStringLiteral("[[unitX"));

    // Now a copy-file sheet: "上書き保存" is offered no more, so the master file cannot be
    // written into the copy.
    QTest::mouseClick(main().findChild<QPushButton *>("btnSave"), Qt::LeftButton);
    QVERIFY(!main().findChild<QPushButton *>("btnOverwrite")->isEnabled());
    QMenu *fileMenu = sheet->findChild<QMenu *>("mnuFile");
    Q_EMIT fileMenu->aboutToShow();
    for (QAction *item : fileMenu->actions())
        if (item->text() == QString::fromUtf8("上書き保存(&S)"))
            QVERIFY(!item->isEnabled());
    QVERIFY(!m_fixture->shell.zelkon->seams().overwriteSave(*sheet));

    QTest::mouseClick(main().findChild<QPushButton *>("btnClose"), Qt::LeftButton);
    QVERIFY(main().openSheetList().empty());
    m_fixture->shell.zelkon->seams().browseCopyFile = [path] { return std::optional(path); };
    main().openCopyFile();
    const Worksheet &back = m_fixture->active()->sheet();
    QCOMPARE(back.sheetKey, path);
    QCOMPARE(back.unitCaption, saved.unitCaption);
    QCOMPARE(back.questionLines, saved.questionLines);
    QCOMPARE(back.kgroupLines, saved.kgroupLines);
    QCOMPARE(back.graphLines, saved.graphLines);
    QCOMPARE(back.answerGraphLines, saved.answerGraphLines);
    QCOMPARE(back.paper.width, 771);
    QCOMPARE(back.paper.height, 1090);
    QCOMPARE(back.lineSpacing, 50);
    QCOMPARE(back.fontSize, 14);
    QCOMPARE(back.leftMargin, saved.leftMargin);
    QCOMPARE(back.rightMargin, saved.rightMargin);
    QCOMPARE(back.startNumber, saved.startNumber);
    QCOMPARE(back.optionFlags, saved.optionFlags);
    QCOMPARE(back.sheetFontName, saved.sheetFontName);
    QCOMPARE(back.kranValues, saved.kranValues);
    QVERIFY(!back.modified);
}

void PrintMSaveTest::saveNameFollowsTheFileNamesExtension_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("saved"); // empty: refused
    QTest::newRow("other extension") << "x.txt"
                                     << "";
    QTest::newRow("extension from the first dot") << "x.old.prp"
                                                  << "";
    QTest::newRow("capital extension") << "X.PRP"
                                       << "X.PRP";
    QTest::newRow("dot in the folder only") << "jane.doe/unit"
                                            << "jane.doe/unit.prp";
    QTest::newRow("other extension in a dotted folder") << "jane.doe/unit.txt"
                                                        << "";
}

void PrintMSaveTest::saveNameFollowsTheFileNamesExtension()
{
    QFETCH(QString, chosen);
    QFETCH(QString, saved);
    QVERIFY(QDir().mkpath(m_fixture->shell.file("jane.doe")));
    m_fixture->open(0, 0, 0);
    TfrmPrintM *sheet = m_fixture->active();
    setSpacing(44);
    const std::string chosenPath = m_fixture->composed(chosen.toStdString());

    prompter().expectFile(chosenPath);
    if (saved.isEmpty()) {
        // Refused with its full path, and asked again; this time the dialog is cancelled.
        prompter().expectMessage(chosenPath + ":拡張子が不正です").expectFile("");
    }
    saveAs();

    if (saved.isEmpty()) {
        QVERIFY(!QFile::exists(m_fixture->shell.file(chosen)));
        QVERIFY(sheet->sheet().modified);
        QVERIFY(sheet->sheet().openedFromMaster);
        QCOMPARE(sheet->windowTitle(), Q(m_fixture->composed("chiri\\ch1.que-U1")));
        return;
    }
    QVERIFY(QFile::exists(m_fixture->shell.file(saved)));
    QCOMPARE(sheet->windowTitle(), Q(m_fixture->composed(saved.toStdString())));
    QVERIFY(!sheet->sheet().modified);
}

void PrintMSaveTest::existingFileIsReplacedOnlyAfterYes()
{
    QFile old(m_fixture->shell.file("mine.prp"));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old\r\n");
    old.close();
    m_fixture->open(0, 0, 0);
    TfrmPrintM *sheet = m_fixture->active();
    setSpacing(44);
    const std::string path = m_fixture->composed("mine.prp");
    const std::string question = "ファイル" + path + "を上書きしてもいいですか？";

    prompter().expectFile(path).expectYesNo(question, false);
    saveAs();
    QCOMPARE(m_fixture->bytes("mine.prp"), QByteArray("old\r\n"));
    QVERIFY(sheet->sheet().modified);
    QCOMPARE(main().openSheetList(),
             std::vector<std::string>{m_fixture->composed("chiri\\ch1.que-U1")});

    prompter().expectFile(path).expectYesNo(question, true);
    saveAs();
    QCOMPARE(ValueLines(m_fixture->bytes("mine.prp"), "[[unitX"),
             (QStringList{"630", "True", "44", "5"}));
    QVERIFY(!sheet->sheet().modified);
    QCOMPARE(main().openSheetList(), std::vector<std::string>{path});
}

void PrintMSaveTest::failedWriteKeepsTheSheetModified_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("readOnlyFolder");
    QTest::newRow("read-only folder") << "locked/unit.prp" << true;
    QTest::newRow("a folder of that name") << "taken.prp" << false;
}

void PrintMSaveTest::failedWriteKeepsTheSheetModified()
{
    QFETCH(QString, name);
    QFETCH(bool, readOnlyFolder);
    if (readOnlyFolder && ::geteuid() == 0)
        QSKIP("root writes into read-only folders");
    const QString folder = m_fixture->shell.file(readOnlyFolder ? "locked" : "taken.prp");
    QVERIFY(QDir().mkpath(folder));
    if (readOnlyFolder)
        QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    m_fixture->open(0, 0, 0);
    TfrmPrintM *sheet = m_fixture->active();
    setSpacing(44);
    const std::string key = m_fixture->composed("chiri\\ch1.que-U1");
    const std::string path = m_fixture->composed(name.toStdString());

    prompter().expectFile(path).expectMessage(path + "の保存に失敗しました");
    saveAs();

    QVERIFY(sheet->sheet().modified);
    QVERIFY(sheet->sheet().openedFromMaster);
    QCOMPARE(sheet->windowTitle(), Q(key));
    QCOMPARE(main().openSheetList(), std::vector<std::string>{key});
    QVERIFY(QDir(folder).entryList(QDir::Files | QDir::Hidden).isEmpty());
    QFile::setPermissions(folder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

void PrintMSaveTest::overwriteKeepsTheOtherUnitsByteForByte()
{
    const QByteArray before = m_fixture->bytes("chiri/ch1.que");
    m_fixture->open(0, 0, 1);
    TfrmPrintM *sheet = m_fixture->active();
    setSpacing(47);
    QVERIFY(sheet->sheet().modified);

    overwrite();

    QVERIFY(!sheet->sheet().modified);
    QCOMPARE(sheet->windowTitle(), Q(m_fixture->composed("chiri\\ch1.que-U2")));
    const QByteArray after = m_fixture->bytes("chiri/ch1.que");
    const qsizetype unitStart = before.indexOf("[[unit2\r\n");
    const qsizetype nextUnit = before.indexOf("[[unit3\r\n");
    QVERIFY(unitStart > 0 && nextUnit > unitStart);
    const qsizetype tail = before.size() - nextUnit;
    QCOMPARE(after.left(unitStart), before.left(unitStart));
    QCOMPARE(after.right(tail), before.right(tail));

    // The unit itself changed only where the sheet's layout differs from the stored one: the
    // spacing, the answer display of the main window and the page font's resolved name.
    QStringList expected = LinesOf(before.mid(unitStart, nextUnit - unitStart));
    const qsizetype value = expected.indexOf(QStringLiteral("<<value"));
    const qsizetype font = expected.indexOf(QStringLiteral("<<font"));
    QVERIFY(value > 0 && font > value);
    expected[value + 2] = QStringLiteral("True");
    expected[value + 3] = QStringLiteral("47");
    expected[font + 7] = QStringLiteral("ＭＳ 明朝");
    QCOMPARE(LinesOf(after.mid(unitStart, after.size() - tail - unitStart)), expected);
}

void PrintMSaveTest::closeQuestionSavesTheSheetBeingClosed_data()
{
    QTest::addColumn<bool>("copySheet");
    QTest::addColumn<QString>("dialog");  // the name chosen in the save dialog; empty: cancelled
    QTest::addColumn<int>("overwriting"); // -1 not asked, 0 No, 1 Yes
    QTest::addColumn<bool>("failing");    // the file cannot be written
    QTest::addColumn<bool>("closed");
    QTest::newRow("copy, saved") << true << "second.prp" << -1 << false << true;
    QTest::newRow("copy, dialog cancelled") << true << "" << -1 << false << false;
    QTest::newRow("copy, No to overwriting") << true << "first.prp" << 0 << false << false;
    QTest::newRow("copy, Yes to overwriting") << true << "first.prp" << 1 << false << true;
    QTest::newRow("copy, write fails") << true << "taken.prp" << -1 << true << false;
    QTest::newRow("master, written back") << false << "" << -1 << false << true;
    QTest::newRow("master, file unreadable") << false << "" << -1 << true << false;
}

void PrintMSaveTest::closeQuestionSavesTheSheetBeingClosed()
{
    QFETCH(bool, copySheet);
    QFETCH(QString, dialog);
    QFETCH(int, overwriting);
    QFETCH(bool, failing);
    QFETCH(bool, closed);
    m_fixture->open(0, 0, 0);
    TfrmPrintM *sheet = m_fixture->active();
    if (copySheet) {
        prompter().expectFile(m_fixture->composed("first.prp"));
        saveAs();
        QVERIFY(!sheet->sheet().modified);
    }
    setSpacing(44);
    const std::string key = sheet->sheet().sheetKey;
    const std::string path = m_fixture->composed(dialog.toStdString());

    prompter().expectYesNoCancel(Cp932ToUtf8(key) + "を保存しますか？", PromptAnswer::Yes);
    if (copySheet) {
        prompter().expectFile(dialog.isEmpty() ? "" : path);
        if (overwriting >= 0)
            prompter().expectYesNo("ファイル" + path + "を上書きしてもいいですか？",
                                   overwriting == 1);
        if (failing) {
            QVERIFY(QDir().mkpath(m_fixture->shell.file(dialog)));
            prompter().expectMessage(path + "の保存に失敗しました");
        }
    } else if (failing) {
        // The master file became a folder while the sheet was open: it cannot be read, so it
        // is not taken for an empty file and replaced.
        QVERIFY(QFile::remove(m_fixture->shell.file("chiri/ch1.que")));
        QVERIFY(QDir().mkpath(m_fixture->shell.file("chiri/ch1.que")));
        prompter().expectAnyMessage();
    }
    QTest::mouseClick(main().findChild<QPushButton *>("btnClose"), Qt::LeftButton);

    QCOMPARE(main().openSheetList().empty(), closed);
    QVERIFY(m_fixture->program().state.activationRefresh);
    if (!closed) {
        QCOMPARE(main().activeSheet(), static_cast<SheetWindow *>(sheet));
        QVERIFY(sheet->sheet().modified);
        QCOMPARE(main().openSheetList(), std::vector<std::string>{key});
        return;
    }
    const QByteArray written = m_fixture->bytes(copySheet ? dialog : QString("chiri/ch1.que"));
    QCOMPARE(ValueLines(written, copySheet ? "[[unitX" : "[[unit1"),
             (QStringList{"630", "True", "44", "5"}));
}

void PrintMSaveTest::endingTheProgramSavesEachModifiedSheetAsItIs()
{
    m_fixture->open(0, 0, 0);
    TfrmPrintM *first = m_fixture->active();
    setSpacing(44);
    m_fixture->open(0, 0, 1);
    main().choosePaper(Paper::B4);
    setSpacing(55);
    const QByteArray before = m_fixture->bytes("chiri/ch1.que");

    // The first sheet is asked about while the second is active: it is saved with its own
    // paper and spacing, not with the active sheet's.
    QVERIFY(main().activeSheet() != first);
    prompter()
        .expectYesNoCancel(Cp932ToUtf8(m_fixture->composed("chiri\\ch1.que-U1"))
                               + "を保存しますか？",
                           PromptAnswer::Yes)
        .expectYesNoCancel(Cp932ToUtf8(m_fixture->composed("chiri\\ch1.que-U2"))
                               + "を保存しますか？",
                           PromptAnswer::Yes);
    QVERIFY(main().close());

    const QByteArray after = m_fixture->bytes("chiri/ch1.que");
    QCOMPARE(ValueLines(after, "[[unit1"), (QStringList{"630", "True", "44", "5"}));
    QCOMPARE(ValueLines(after, "[[unit2"), (QStringList{"771", "True", "55", "4"}));
    const qsizetype third = before.indexOf("[[unit3\r\n");
    QVERIFY(third > 0);
    QVERIFY(after.endsWith(before.mid(third)));
}

} // namespace zelkon::test

QTEST_MAIN(zelkon::test::PrintMSaveTest)
#include "printm_save_test.moc"
