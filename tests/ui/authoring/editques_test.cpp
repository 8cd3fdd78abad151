// The master file editor driven as a teacher drives it: creating a unit from the open path,
// editing a sheet's unit and seeing it reopened, failed checks, leaving with and without
// changes, refused characters, a failed write, direct editing, and "上書き保存" of a unit gone
// from its file.
#include "authoring_fixture.h"
#include "ui/sheet/sheet_fixture.h"

#include "authoring/cp932_text_edit.h"
#include "authoring/editques.h"
#include "authoring/editsource.h"
#include "sheet/printm.h"
#include "shell/main.h"
#include "shell/main_seams.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>

namespace zelkon::test {

namespace {

const QString kSaveQuestion = QString::fromUtf8("変更されたデータファイルを保存しますか？");

std::string U8(const QString &text)
{
    return text.toStdString();
}

// The default layout blocks every new unit gets.
QStringList DefaultLayout()
{
    return QString::fromUtf8("<<value|630|False|40|5|5|1|7|>>|<<font|12|MS 明朝|False|False|False|"
                             "False|0|>>|<<kran|5|15|2|0|0|0|15|10|0|0|>>")
        .split('|');
}

// The lines of the unit under `header` in the file's lines, through its "]]".
QStringList UnitOf(const QStringList &lines, const QString &header)
{
    const qsizetype first = lines.indexOf(header);
    if (first < 0)
        return {};
    const qsizetype end = lines.indexOf(QStringLiteral("]]"), first);
    return lines.mid(first, end < 0 ? -1 : end - first + 1);
}

} // namespace

class EditQuesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void newUnitComesFromTheOpenPathAndOpensOnA4_data();
    void newUnitComesFromTheOpenPathAndOpensOnA4();
    void editedQuestionsShowOnTheReopenedSheet();
    void failedCheckKeepsTheWindowOpenWithTheCaretThere_data();
    void failedCheckKeepsTheWindowOpenWithTheCaretThere();
    void leavingAChangedUnitAsks_data();
    void leavingAChangedUnitAsks();
    void charactersOutsideCp932NeverReachAnArea_data();
    void charactersOutsideCp932NeverReachAnArea();
    void failedWriteKeepsTheWindowTheAreasAndTheFile();
    void directEditingWritesTheFile_data();
    void directEditingWritesTheFile();
    void overwriteOfAUnitGoneFromItsFileWritesNothing();

private:
    TfrmMain &main() { return m_fixture->main(); }
    ScriptedPrompter &prompter() { return m_fixture->prompter(); }
    TfrmEditQues &editor() { return m_fixture->shell.zelkon->masterFileEditor(); }
    template<class T>
    T *child(const char *name)
    {
        T *found = editor().findChild<T *>(name);
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    Cp932TextEdit *area(const char *name) { return child<Cp932TextEdit>(name); }
    void click(const char *name) { QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton); }
    /// Presses "編　集　" on the active sheet.
    void pressEdit()
    {
        QTest::mouseClick(main().findChild<QPushButton *>("btnEdit"), Qt::LeftButton);
    }
    QString file(const QString &name) const { return m_fixture->shell.file(name); }
    QByteArray bytes(const QString &name) const { return m_fixture->bytes(name); }
    void write(const QString &name, const QByteArray &content);

    std::unique_ptr<SheetFixture> m_fixture;
};

void EditQuesTest::initTestCase()
{
    PrepareSheetTests();
}

void EditQuesTest::init()
{
    m_fixture = std::make_unique<SheetFixture>();
}

void EditQuesTest::cleanup()
{
    DropAndReport(m_fixture);
}

void EditQuesTest::write(const QString &name, const QByteArray &content)
{
    QFile out(file(name));
    QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    out.write(content);
}

void EditQuesTest::newUnitComesFromTheOpenPathAndOpensOnA4_data()
{
    QTest::addColumn<int>("section");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("fileKept"); // the file holds other units, which stay before the new one
    QTest::addColumn<QString>("unitName");

    QTest::newRow("master file missing")
        << 2 << 0 << "chiri/ch3.que" << false << QString::fromUtf8("日本の農業");
    QTest::newRow("unit missing from its file")
        << 1 << 2 << "chiri/ch2.que" << true << QString::fromUtf8("雨温図を読む");
}

void EditQuesTest::newUnitComesFromTheOpenPathAndOpensOnA4()
{
    QFETCH(int, section);
    QFETCH(int, unit);
    QFETCH(QString, fileName);
    QFETCH(bool, fileKept);
    QFETCH(QString, unitName);

    QByteArray before;
    if (fileKept) {
        // Only the first two units stay, so the section's third unit is missing.
        const QStringList lines = LinesOf(bytes(fileName));
        before = FileOf(lines.mid(0, lines.indexOf(QStringLiteral("[[unit3"))));
        write(fileName, before);
    } else {
        QVERIFY(QFile::remove(file(fileName)));
    }
    // Another unit is open with a layout of its own, which the new unit must not take.
    m_fixture->open(0, 0, 0);
    const QPointer<TfrmPrintM> other = m_fixture->active();
    main().setLineSpacing(50);
    main().choosePaper(Paper::B5);

    const QString header = QStringLiteral("[[unit%1").arg(unit + 1);
    prompter().expectYesNo("単元がありません\r\n新規作成しますか?", true);
    WhenShown(&editor(), [&] {
        QCOMPARE(child<QLineEdit>("edtLesson")->text(),
                 QStringLiteral("1 %1 %2").arg(section + 1).arg(unit + 1));
        QCOMPARE(child<QLineEdit>("edtTangen")->text(), unitName);
        QVERIFY(child<QLineEdit>("edtFileName")->text().endsWith(fileName.section('/', -1)));
        QVERIFY(!child<QPushButton>("btnEditDirect")->isEnabled());
        QCOMPARE(AreaLines(area("MemQues")),
                 QString::fromUtf8(
                     "１．次の各空欄に適語を入れなさい。|例　日本の首都は　#　東京　#　です")
                     .split('|'));
        QCOMPARE(AreaLines(area("memPasteLo")), DefaultLayout());
        QVERIFY(area("memQGraph")->toPlainText().isEmpty());
        QCOMPARE(child<QListWidget>("lstKai")->count(), 1);
        QCOMPARE(child<QListWidget>("lstKai")->item(0)->text(), QString::fromUtf8("東京"));
        QCOMPARE(child<QLabel>("lblKosuh")->text(), QStringLiteral("1"));
        QCOMPARE(child<QListWidget>("flbGraph")->count(), 3);
        QVERIFY(!editor().modified());
        click("btnOk");
    });
    m_fixture->open(0, section, unit);

    QStringList unitLines
        = QString::fromUtf8("<<ques|１．次の各空欄に適語を入れなさい。|"
                            "例　日本の首都は　#　東京　#　です|>>|<<kgroup|東京|>>|"
                            "<<dummy|>>")
              .split('|');
    unitLines.prepend(header);
    unitLines += DefaultLayout();
    unitLines += QStringLiteral("]]");
    QCOMPARE(bytes(fileName), before + FileOf(unitLines));

    TfrmPrintM *created = m_fixture->active();
    QVERIFY(created != other);
    QVERIFY(Q(created->sheet().sheetKey)
                .endsWith(fileName.section('/', -1) + "-U" + QString::number(unit + 1)));
    QCOMPARE(created->sheet().questionLines.size(), std::size_t(2));
    QCOMPARE(main().currentPaperEntry().width, 630);
    QCOMPARE(created->sheet().paper.width, 630);
    // The sheet that was active keeps its own layout.
    QVERIFY(other);
    QCOMPARE(other->sheet().lineSpacing, 50);
    QCOMPARE(other->sheet().paper.width, 546);
}

void EditQuesTest::editedQuestionsShowOnTheReopenedSheet()
{
    // Unit 2 carries a block the editor does not know; the units around it must not move.
    const QString name = QStringLiteral("chiri/ch1.que");
    QStringList lines = LinesOf(bytes(name));
    const qsizetype unit2 = lines.indexOf(QStringLiteral("[[unit2"));
    lines.insert(unit2 + 1, QStringLiteral(">>"));
    lines.insert(unit2 + 1, QString::fromUtf8("ア"));
    lines.insert(unit2 + 1, QStringLiteral("<<softkey"));
    write(name, FileOf(lines));
    const QStringList before = lines.mid(0, unit2);
    const QStringList after = lines.mid(lines.indexOf(QStringLiteral("[[unit3")));

    m_fixture->open(0, 0, 1);
    const QPointer<TfrmPrintM> sheet = m_fixture->active();
    main().setLineSpacing(50);
    const QString added = QString::fromUtf8("（９）日本一長い川は　#　信濃川　#　です。");

    WhenShown(&editor(), [&] {
        QCOMPARE(child<QLineEdit>("edtLesson")->text(), QStringLiteral("1 1 2"));
        QCOMPARE(child<QLineEdit>("edtTangen")->text(), Q(sheet->sheet().unitName));
        QVERIFY(child<QPushButton>("btnEditDirect")->isEnabled());
        // The layout as it stands on the sheet, the hints as stored.
        QCOMPARE(AreaLines(area("memPasteLo")).at(3), QStringLiteral("50"));
        QVERIFY(!area("memHint")->toPlainText().isEmpty());
        QVERIFY(!editor().modified());

        Cp932TextEdit *questions = area("MemQues");
        questions->moveCursor(QTextCursor::End);
        Commit(questions, added);
        QTest::keyClick(questions, Qt::Key_Return);
        QVERIFY(editor().modified());
        click("btnOk");
    });
    pressEdit();

    QTRY_VERIFY(!sheet);
    QCOMPARE(main().openSheetList().size(), std::size_t(1));
    const Worksheet &reopened = m_fixture->active()->sheet();
    QCOMPARE(Q(reopened.questionLines.back()), added);
    QCOMPARE(reopened.lineSpacing, 50);
    QVERIFY(!reopened.modified);

    const QStringList stored = LinesOf(bytes(name));
    QCOMPARE(stored.mid(0, unit2), before);
    QCOMPARE(stored.mid(stored.indexOf(QStringLiteral("[[unit3"))), after);
    const QStringList unit = UnitOf(stored, QStringLiteral("[[unit2"));
    QVERIFY(unit.contains(added));
    QVERIFY(!unit.contains(QStringLiteral("<<softkey")));
    const qsizetype kgroup = unit.indexOf(QStringLiteral("<<kgroup"));
    QVERIFY(kgroup > 0);
    QVERIFY(unit.indexOf(QString::fromUtf8("信濃川"), kgroup) > kgroup);
    QCOMPARE(unit.at(unit.indexOf(QStringLiteral("<<value")) + 3), QStringLiteral("50"));
}

void EditQuesTest::failedCheckKeepsTheWindowOpenWithTheCaretThere_data()
{
    QTest::addColumn<QString>("questions");
    QTest::addColumn<QString>("layout"); // empty: as loaded
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("areaName");
    QTest::addColumn<int>("line");

    const QString good = QString::fromUtf8("１．#　東京　#\n");
    QTest::newRow("odd marks in the first line")
        << QString::fromUtf8("a#b\n２．#　大阪　#\n") << QString()
        << QString::fromUtf8("1行目：＃の数は偶数にしてください") << "MemQues" << 0;
    QTest::newRow("empty answer in the third line")
        << QString::fromUtf8("１．#a#\n\n#a##b#\n") << QString()
        << QString::fromUtf8("3行目：解答がありません") << "MemQues" << 2;
    QTest::newRow("full-width marks only")
        << QString::fromUtf8("１．\n２．＃東京＃\n") << QString()
        << QString::fromUtf8("解答欄がありません") << "MemQues" << 0;
    QTest::newRow("value block of eight lines")
        << good << QStringLiteral("<<value\n630\nFalse\n40\n5\n5\n1\n7\n8\n>>\n")
        << QString::fromUtf8("valueブロックの数が合いません") << "memPasteLo" << 0;
    QTest::newRow("kran block of nine lines")
        << good << QStringLiteral("<<kran\n5\n15\n2\n0\n0\n0\n15\n10\n0\n>>\n")
        << QString::fromUtf8("kranブロックの数が合いません") << "memPasteLo" << 0;
}

void EditQuesTest::failedCheckKeepsTheWindowOpenWithTheCaretThere()
{
    QFETCH(QString, questions);
    QFETCH(QString, layout);
    QFETCH(QString, message);
    QFETCH(QString, areaName);
    QFETCH(int, line);

    m_fixture->open(0, 0, 0);
    const QPointer<TfrmPrintM> sheet = m_fixture->active();
    const QByteArray before = bytes("chiri/ch1.que");
    WhenShown(&editor(), [&] {
        const int answers = child<QListWidget>("lstKai")->count();
        QVERIFY(answers > 0);
        area("MemQues")->setPlainText(questions);
        if (!layout.isEmpty())
            area("memPasteLo")->setPlainText(layout);

        // Reported once, by OK itself.
        prompter().expectMessage(U8(message));
        click("btnOk");

        QVERIFY(editor().isVisible());
        Cp932TextEdit *failed = area(areaName.toUtf8().constData());
        QCOMPARE(QApplication::focusWidget(), failed);
        QCOMPARE(failed->textCursor().blockNumber(), line);
        QCOMPARE(failed->textCursor().positionInBlock(), 0);
        if (areaName == "MemQues")
            QCOMPARE(child<QListWidget>("lstKai")->count(), answers);
        QCOMPARE(bytes("chiri/ch1.que"), before);

        prompter().expectYesNo(U8(kSaveQuestion), false);
        editor().close();
        QVERIFY(!editor().isVisible());
    });
    pressEdit();

    QCOMPARE(bytes("chiri/ch1.que"), before);
    QVERIFY(sheet);
    QCOMPARE(m_fixture->active(), sheet.data());
}

void EditQuesTest::leavingAChangedUnitAsks_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("yes");       // the answer when the question comes
    QTest::addColumn<QString>("stored"); // a line the file holds afterwards; empty: unchanged

    const QString dummy = QString::fromUtf8("木曽川");
    QTest::newRow("close box, typed dummy, No") << "dummy"
                                                << "close box" << false << QString();
    QTest::newRow("close box, typed dummy, Yes") << "dummy"
                                                 << "close box" << true << dummy;
    QTest::newRow("Esc, choices cleared, No") << "choices"
                                              << "Esc" << false << QString();
    QTest::newRow("キャンセル, markup, Yes")
        << "markup"
        << "cancel" << true
        << QString::fromUtf8("<U>（１．）</>次の道県の道庁・県庁所在地を答えなさい。");
    QTest::newRow("Esc, nothing changed") << "none"
                                          << "Esc" << false << QString();
    QTest::newRow("キャンセル, nothing changed") << "none"
                                                 << "cancel" << false << QString();
}

void EditQuesTest::leavingAChangedUnitAsks()
{
    QFETCH(QString, change);
    QFETCH(QString, way);
    QFETCH(bool, yes);
    QFETCH(QString, stored);

    m_fixture->open(0, 0, 0);
    const QPointer<TfrmPrintM> sheet = m_fixture->active();
    const QByteArray before = bytes("chiri/ch1.que");
    // The unit selection window recounts with its similar-problem marks stale.
    AppState &state = m_fixture->program().state;
    state.similarMarksStale = false;
    int staleRecounts = 0;
    editor().setHooks({[&] { staleRecounts += state.similarMarksStale ? 1 : 0; }});
    WhenShown(&editor(), [&] {
        if (change == "dummy") {
            area("memDummy")->moveCursor(QTextCursor::End);
            Commit(area("memDummy"), QString::fromUtf8("木曽川"));
        } else if (change == "choices") {
            click("btnKGClear");
            QCOMPARE(child<QLabel>("lblKosuh3")->text(), QStringLiteral("0"));
        } else if (change == "markup") {
            QTextCursor selection(area("MemQues")->document());
            selection.movePosition(QTextCursor::Right, QTextCursor::KeepAnchor, 2);
            area("MemQues")->setTextCursor(selection);
            click("btnKakko");
        }
        QCOMPARE(editor().modified(), change != "none");
        if (change != "none")
            prompter().expectYesNo(U8(kSaveQuestion), yes);
        if (way == "close box")
            editor().close();
        else if (way == "Esc")
            QTest::keyClick(&editor(), Qt::Key_Escape);
        else
            click("btnCancel");
        QVERIFY(!editor().isVisible());
    });
    pressEdit();

    QCOMPARE(staleRecounts, 1);
    if (stored.isEmpty()) {
        QCOMPARE(bytes("chiri/ch1.que"), before);
        QCOMPARE(m_fixture->active(), sheet.data());
        return;
    }
    // Yes ran OK: the unit was stored and the sheet opened anew from it.
    QVERIFY(UnitOf(LinesOf(bytes("chiri/ch1.que")), QStringLiteral("[[unit1")).contains(stored));
    QTRY_VERIFY(!sheet);
}

void EditQuesTest::charactersOutsideCp932NeverReachAnArea_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("refused"); // the character named; empty: accepted

    QTest::newRow("input method") << "input method" << QString::fromUtf8("𠮷")
                                  << QString::fromUtf8("𠮷");
    QTest::newRow("key press") << "key" << QString::fromUtf8("😀") << QString::fromUtf8("😀");
    QTest::newRow("paste") << "paste" << QString::fromUtf8("ab€c") << QString::fromUtf8("€");
    QTest::newRow("wave dash from another program")
        << "input method" << QString::fromUtf8("〜") << QString();
    QTest::newRow("half-width katakana pasted")
        << "paste" << QString::fromUtf8("ｷｬﾝｾﾙ") << QString();
}

void EditQuesTest::charactersOutsideCp932NeverReachAnArea()
{
    QFETCH(QString, way);
    QFETCH(QString, text);
    QFETCH(QString, refused);

    m_fixture->open(0, 0, 0);
    WhenShown(&editor(), [&] {
        Cp932TextEdit *hints = area("memHint");
        const QString before = hints->toPlainText();
        hints->moveCursor(QTextCursor::End);
        if (!refused.isEmpty())
            prompter().expectMessage(Cp932ToUtf8(RefusedCharacterMessageCp932(U8(refused))));
        if (way == "input method") {
            Commit(hints, text);
        } else if (way == "key") {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
            QApplication::sendEvent(hints, &press);
        } else {
            QGuiApplication::clipboard()->setText(text);
            hints->paste();
        }
        if (!refused.isEmpty()) {
            QCOMPARE(hints->toPlainText(), before);
            QVERIFY(!editor().modified());
            click("btnCancel");
            return;
        }
        QCOMPARE(hints->toPlainText(), before + text);
        QVERIFY(editor().modified());
        prompter().expectYesNo(U8(kSaveQuestion), false);
        click("btnCancel");
    });
    pressEdit();
}

void EditQuesTest::failedWriteKeepsTheWindowTheAreasAndTheFile()
{
    m_fixture->open(0, 0, 0);
    const QPointer<TfrmPrintM> sheet = m_fixture->active();
    const QString name = QStringLiteral("chiri/ch1.que");
    const QByteArray before = bytes(name);
    WhenShown(&editor(), [&] {
        area("memDummy")->moveCursor(QTextCursor::End);
        Commit(area("memDummy"), QString::fromUtf8("木曽川"));
        const QString dummies = area("memDummy")->toPlainText();
        const std::vector<std::string> fileLines = editor().fileLines();
        const QStringList folder = QDir(file("chiri")).entryList(QDir::AllEntries | QDir::Hidden);

        // A folder that is not empty stands where the file is to be put.
        QVERIFY(QFile::remove(file(name)));
        QVERIFY(QDir().mkpath(file(name)));
        write(name + "/keep", "x");
        prompter().expectAnyMessage();
        click("btnOk");

        QVERIFY(editor().isVisible());
        QVERIFY(editor().modified());
        QCOMPARE(area("memDummy")->toPlainText(), dummies);
        QCOMPARE(editor().fileLines(), fileLines);
        // No temporary file is left beside it.
        QCOMPARE(QDir(file("chiri")).entryList(QDir::AllEntries | QDir::Hidden), folder);

        QVERIFY(QDir(file(name)).removeRecursively());
        write(name, before);
        prompter().expectYesNo(U8(kSaveQuestion), false);
        click("btnCancel");
    });
    pressEdit();

    QCOMPARE(bytes(name), before);
    QCOMPARE(m_fixture->active(), sheet.data());
}

void EditQuesTest::directEditingWritesTheFile_data()
{
    QTest::addColumn<bool>("typed"); // a dummy typed into the areas first
    QTest::addColumn<int>("answer"); // to the save question: -1 none comes, 0 No, 1 Yes
    QTest::addColumn<bool>("sourceOk");

    QTest::newRow("areas unchanged, OK") << false << -1 << true;
    QTest::newRow("typed dummy given up, OK") << true << 0 << true;
    QTest::newRow("typed dummy saved first, OK") << true << 1 << true;
    QTest::newRow("Cancel") << false << -1 << false;
}

void EditQuesTest::directEditingWritesTheFile()
{
    QFETCH(bool, typed);
    QFETCH(int, answer);
    QFETCH(bool, sourceOk);

    m_fixture->open(0, 0, 0);
    const QPointer<TfrmPrintM> sheet = m_fixture->active();
    const QString name = QStringLiteral("chiri/ch1.que");
    const QByteArray before = bytes(name);
    const QString oldLine = QString::fromUtf8("（１）北海道の道庁所在地は");
    const QString newLine = QString::fromUtf8("（１）北の大地の道庁所在地は");
    const QString dummy = QString::fromUtf8("木曽川");
    int helpTopic = 0;
    m_fixture->shell.zelkon->seams().showHelpTopic = [&helpTopic](int topic) { helpTopic = topic; };
    TfrmEditSource &source = m_fixture->shell.zelkon->sourceEditDialog();

    WhenShown(&editor(), [&] {
        if (typed) {
            area("memDummy")->moveCursor(QTextCursor::End);
            Commit(area("memDummy"), dummy);
        }
        if (answer >= 0)
            prompter().expectYesNo(U8(kSaveQuestion), answer == 1);
        WhenShown(&source, [&] {
            QCOMPARE(source.windowTitle(),
                     QString::fromUtf8("ソースの直接編集")
                         + Q(m_fixture->composed("chiri\\ch1.que")));
            auto *buffer = source.findChild<QPlainTextEdit *>("memEditBuffer");
            QCOMPARE(buffer->textCursor().position(), 0);
            QCOMPARE(buffer->toPlainText().section('\n', 0, 0), QStringLiteral("[[unit1"));
            QCOMPARE(buffer->toPlainText().contains(dummy), answer == 1);
            buffer->setPlainText(buffer->toPlainText().replace(oldLine, newLine));
            QTest::mouseClick(source.findChild<QPushButton *>("btnHelp"), Qt::LeftButton);
            QTest::mouseClick(source.findChild<QPushButton *>(sourceOk ? "btnOk" : "btnCancel"),
                              Qt::LeftButton);
        });
        click("btnEditDirect");

        QVERIFY(editor().isVisible());
        QCOMPARE(area("MemQues")->toPlainText().contains(newLine), sourceOk);
        QCOMPARE(area("memDummy")->toPlainText().contains(dummy),
                 answer == 1 || (typed && !sourceOk));
        QVERIFY(!editor().modified());
        click("btnCancel");
    });
    pressEdit();

    QCOMPARE(helpTopic, 720);
    const QByteArray after = bytes(name);
    if (!sourceOk) {
        QCOMPARE(after, before);
    } else {
        const QStringList unit = UnitOf(LinesOf(after), QStringLiteral("[[unit1"));
        QVERIFY(unit.filter(newLine).size() == 1);
        QCOMPARE(unit.contains(dummy), answer == 1);
    }
    // Cancel in the editor: the sheet stays as it was.
    QCOMPARE(m_fixture->active(), sheet.data());
}

void EditQuesTest::overwriteOfAUnitGoneFromItsFileWritesNothing()
{
    m_fixture->open(0, 0, 0);
    TfrmPrintM *sheet = m_fixture->active();
    main().setLineSpacing(50);
    const QString name = QStringLiteral("chiri/ch1.que");
    const QStringList lines = LinesOf(bytes(name));
    const QByteArray without = FileOf(lines.mid(lines.indexOf(QStringLiteral("[[unit1R1"))));
    write(name, without);

    prompter().expectMessage("マスターファイル " + Cp932ToUtf8(sheet->sheet().filePath)
                             + " に単元 [[unit1 がありません\r\n上書き保存はしませんでした");
    QTest::mouseClick(main().findChild<QPushButton *>("btnSave"), Qt::LeftButton);
    QTest::mouseClick(main().findChild<QPushButton *>("btnOverwrite"), Qt::LeftButton);

    QCOMPARE(bytes(name), without);
    QVERIFY(sheet->sheet().modified);
}

} // namespace zelkon::test

QTEST_MAIN(zelkon::test::EditQuesTest)
#include "editques_test.moc"
