// Adding units to a worksheet through "単元の追加(&D)" of the main window and of the sheet: the
// unit selection window in Add mode, the combined caption and questions, the graphs placed at
// the next render, the limits and refusals, and the sheet's key after its caption changed.
#include "ui/sheet/sheet_fixture.h"

#include "common/cp932.h"
#include "index/menu.h"
#include "index/zentangen.h"
#include "sheet/printm.h"
#include "shell/main.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zelkon::test {

namespace {

using Lines = std::vector<std::string>;

// Writes UTF-8 lines as a CP932 file with CR LF line ends.
void WriteCourseFile(const QString &path, const Lines &utf8Lines)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    for (const std::string &line : utf8Lines) {
        const std::string bytes = Utf8ToCp932(line) + "\r\n";
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
}

Lines Graphs(int count, const std::string &name)
{
    Lines lines{"<<graph"};
    for (int k = 1; k <= count; ++k)
        lines.insert(lines.end(), {name, std::to_string(20 * k), std::to_string(30 * k)});
    lines.push_back(">>");
    return lines;
}

Lines Join(std::initializer_list<Lines> parts)
{
    Lines all;
    for (const Lines &part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

QString Q(const std::string &utf8)
{
    return QString::fromStdString(utf8);
}

} // namespace

class ReadUnitTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void bothEditMenusOfferTheAddCommand();
    void addedUnitsExtendTheSheetAndItsCaption();
    void addedSheetKeepsItsKey();
    void refusedAddsLeaveTheSheetAsItWas_data();
    void refusedAddsLeaveTheSheetAsItWas();
    void allUnitsButtonOpensTheTree();

private:
    TfrmMain &main() { return m_fixture->main(); }
    TfrmMenu &menu() { return m_fixture->shell.zelkon->menuWindow(); }
    Program &program() { return m_fixture->program(); }
    ScriptedPrompter &prompter() { return m_fixture->prompter(); }
    QAction *mainAddItem() { return main().menuBar()->findChild<QAction *>("mnuAddUnit"); }
    QListWidget *list(const char *name) { return menu().findChild<QListWidget *>(name); }

    /// Opens unit `unit` of section `section` (both from 1) of the lesson through "開  く ".
    TfrmPrintM *open(int section, int unit);
    /// Triggers `item` and, in the unit selection window, chooses `section` and `unit` (from
    /// 1) and OK, or Cancel when `section` is 0. Notes the window's caption.
    void add(QAction *item, int section, int unit);
    /// The lesson "追加の教材" with its index and master files, and the graphs they name.
    static void layOut(ShellFixture &f);

    std::unique_ptr<SheetFixture> m_fixture;
    QString m_menuCaption; ///< of the unit selection window at the last add; empty if not shown
};

void ReadUnitTest::initTestCase()
{
    PrepareSheetTests();
}

void ReadUnitTest::init()
{
    m_fixture = std::make_unique<SheetFixture>(&ReadUnitTest::layOut, SheetFixture::Lessons::None);
}

void ReadUnitTest::layOut(ShellFixture &f)
{
    WriteCourseFile(f.file("Main.ind"), {"追加の教材", "", "日本の地理,chiri\\\\ch", ">>"});
    WriteCourseFile(f.file("chiri/ch.ind"),
                    {"地理インデックス",
                     "[[sect1",
                     "地図",
                     "<<",
                     "地図十五",
                     "地図十四",
                     ">>",
                     "]]",
                     "[[sect2",
                     "気候",
                     "<<",
                     "長文",
                     "季節風",
                     "梅雨",
                     "台風",
                     "雨温図",
                     ">>",
                     "]]",
                     "[[sect3",
                     "農業",
                     "<<",
                     "米",
                     ">>",
                     "]]",
                     "[[sect4",
                     "工業",
                     "<<",
                     "工業地帯",
                     ">>",
                     "]]"});
    WriteCourseFile(f.file("chiri/ch1.que"),
                    Join({{"[[unit1", "<<ques", "地図の問題 #答#", ">>"},
                          Graphs(15, "Map1.bmp"),
                          {"]]", "[[unit2", "<<ques", "地図の問題 #答#", ">>"},
                          Graphs(14, "Map1.bmp"),
                          {"]]"}}));
    Lines longUnit{"[[unit1", "<<ques"};
    longUnit.insert(longUnit.end(), 60, "長い問題 #答#");
    longUnit.insert(longUnit.end(), {">>", "]]"});
    WriteCourseFile(f.file("chiri/ch2.que"),
                    Join({longUnit,
                          {"[[unit3", "<<ques", "三の一は　#答え#　です", "三の二", ">>"},
                          {"<<graph", "Map1.bmp", "300", "120", ">>", "]]"},
                          {"[[unit5", "<<ques", "五の一は　#雨温図#　です", ">>"},
                          {"<<graph", "Uon1.bmp", "0", "0", ">>"},
                          {"<<AGraph", "Map1A.bmp", "0", "0", ">>", "]]"}}));
    WriteCourseFile(
        f.file("chiri/ch4.que"),
        Join({{"[[unit1", "<<ques", "四の一は　#京浜#", ">>"}, Graphs(2, "Map1.bmp"), {"]]"}}));
    const QDir graphs(QString(ZELKON_DEMO_DIR) + "/chiri/Graph");
    QDir().mkpath(f.file("chiri/Graph"));
    for (const char *name : {"Map1.bmp", "Map1A.bmp", "Uon1.bmp"})
        QVERIFY(QFile::copy(graphs.filePath(name), f.file(QString("chiri/Graph/") + name)));
}

void ReadUnitTest::cleanup()
{
    DropAndReport(m_fixture);
}

TfrmPrintM *ReadUnitTest::open(int section, int unit)
{
    m_fixture->open(0, section - 1, unit - 1);
    return m_fixture->active();
}

void ReadUnitTest::add(QAction *item, int section, int unit)
{
    m_menuCaption.clear();
    // Should the window not come, the shot goes off later and finds it hidden: nothing to do.
    QTimer::singleShot(0, &menu(), [this, section, unit] {
        if (!menu().isVisible())
            return;
        m_menuCaption = menu().windowTitle();
        if (section == 0) {
            QTest::mouseClick(menu().findChild<QPushButton *>("btnCancel"), Qt::LeftButton);
            return;
        }
        list("lstSection")->setCurrentRow(section - 1);
        list("lstUnit")->setCurrentRow(unit - 1);
        QTest::mouseClick(menu().findChild<QPushButton *>("btnOk"), Qt::LeftButton);
    });
    item->trigger();
    // A shot that found no window must not be left for a later test.
    QCoreApplication::processEvents();
}

void ReadUnitTest::bothEditMenusOfferTheAddCommand()
{
    QAction *mainItem = mainAddItem();
    QVERIFY(mainItem);
    QCOMPARE(mainItem->text(), QString::fromUtf8("単元の追加(&D)"));
    auto *mainEdit = main().menuBar()->findChild<QMenu *>("mnuEdit");
    QVERIFY(mainEdit->actions().contains(mainItem));

    prompter().expectMessage("追加する元のファイルがありません");
    add(mainItem, 2, 5);
    QVERIFY(m_menuCaption.isEmpty());

    TfrmPrintM *sheet = open(2, 3);
    QAction *sheetItem = sheet->findChild<QAction *>("mnuAddUnit");
    QVERIFY(sheetItem);
    QCOMPARE(sheetItem->text(), QString::fromUtf8("単元の追加(&D)"));
    QVERIFY(sheet->findChild<QMenu *>("mnuEdit")->actions().contains(sheetItem));
}

void ReadUnitTest::addedUnitsExtendTheSheetAndItsCaption()
{
    TfrmPrintM *sheet = open(2, 3);
    const Worksheet &doc = sheet->sheet();
    const std::string key = doc.sheetKey;
    QCOMPARE(Q(Cp932ToUtf8(doc.unitCaption)), QString::fromUtf8("日本の地理//気候§2-3 梅雨"));

    add(mainAddItem(), 2, 5);
    QCOMPARE(m_menuCaption, QString::fromUtf8("追加ファイルを開く"));
    QCOMPARE(sheet->windowTitle(), QString::fromUtf8("日本の地理//§2-3,5"));
    QCOMPARE(Q(Cp932ToUtf8(doc.unitCaption)), sheet->windowTitle());
    QVERIFY(!doc.openedFromMaster);
    QVERIFY(doc.modified);
    QCOMPARE(doc.sheetKey, key);

    // The added graph was placed by the render that followed; the sheet's own kept its place.
    QCOMPARE(doc.graphLines.size(), std::size_t(6));
    QCOMPARE(doc.graphLines[1], std::string("300"));
    QCOMPARE(doc.graphLines[3], std::string("Uon1.bmp"));
    QVERIFY2(std::stoi(doc.graphLines[4]) > 0, doc.graphLines[4].c_str());
    QVERIFY(std::stoi(doc.graphLines[5]) > 0);
    QLabel *added = sheet->findChild<QLabel *>("imgFig2");
    QVERIFY(added->isVisible());
    QCOMPARE(added->pos(), QPoint(std::stoi(doc.graphLines[4]), std::stoi(doc.graphLines[5])));
    QCOMPARE(doc.answerGraphLines, (Lines{"Map1A.bmp", "0", "0"}));

    // The second add goes through the sheet's own menu and across to section 4.
    add(sheet->findChild<QAction *>("mnuAddUnit"), 4, 1);
    QCOMPARE(m_menuCaption, QString::fromUtf8("追加ファイルを開く"));
    QCOMPARE(sheet->windowTitle(), QString::fromUtf8("日本の地理//§2-3,5 §4-1"));
    Lines questions;
    for (const std::string &line : doc.questionLines)
        questions.push_back(Cp932ToUtf8(line));
    QCOMPARE(
        questions,
        (Lines{
            "三の一は　#答え#　です", "三の二", "五の一は　#雨温図#　です", "四の一は　#京浜#"}));
    QCOMPARE(program().renderTables.answerFieldCount, 3);
    QCOMPARE(doc.graphLines.size(), std::size_t(12));
    QCOMPARE(main().openSheetList(), Lines{key});
}

void ReadUnitTest::addedSheetKeepsItsKey()
{
    TfrmPrintM *sheet = open(2, 3);
    const std::string key = sheet->sheet().sheetKey;
    add(mainAddItem(), 2, 5);
    QCOMPARE(sheet->windowTitle(), QString::fromUtf8("日本の地理//§2-3,5"));

    // Opening the unit again finds the sheet by its key and brings it to the front.
    TfrmPrintM *other = open(4, 1);
    QVERIFY(other != sheet);
    prompter().expectMessage("すでに読み込まれています");
    QCOMPARE(open(2, 3), sheet);

    // Its questions are no longer those of the master file.
    prompter().expectMessage("コピーファィルは編集できません");
    QTest::mouseClick(main().findChild<QPushButton *>("btnEdit"), Qt::LeftButton);

    // "すべて閉じる" finds it too, and asks about the added questions.
    prompter().expectYesNoCancel(Cp932ToUtf8(key) + "を保存しますか？", PromptAnswer::No);
    main().mnuCloseAllClick();
    QTRY_VERIFY(main().openSheetList().empty());
    QCOMPARE(program().state.openWorksheetCount, 0);
}

void ReadUnitTest::refusedAddsLeaveTheSheetAsItWas_data()
{
    QTest::addColumn<int>("sheetSection");
    QTest::addColumn<int>("sheetUnit");
    QTest::addColumn<int>("section"); // 0: the selection window is cancelled
    QTest::addColumn<int>("unit");
    QTest::addColumn<bool>("selectionShown");
    QTest::addColumn<QString>("message"); // empty: none

    QTest::newRow("fifteen graphs: refused before the selection")
        << 1 << 1 << 2 << 5 << false << "これ以上追加できません";
    QTest::newRow("fourteen graphs: the selection opens") << 1 << 2 << 0 << 0 << true << "";
    QTest::newRow("fourteen graphs and two more")
        << 1 << 2 << 4 << 1 << true << "これ以上追加できません";
    QTest::newRow("selection cancelled") << 2 << 3 << 0 << 0 << true << "";
    QTest::newRow("unit not in its master file") << 2 << 3 << 2 << 4 << true << "単元がありません";
    QTest::newRow("master file missing") << 2 << 3 << 3 << 1 << true << "単元がありません";
    QTest::newRow("sixty-two question lines")
        << 2 << 3 << 2 << 1 << true << "問題の行は６０行以下です";
}

void ReadUnitTest::refusedAddsLeaveTheSheetAsItWas()
{
    QFETCH(int, sheetSection);
    QFETCH(int, sheetUnit);
    QFETCH(int, section);
    QFETCH(int, unit);
    QFETCH(bool, selectionShown);
    QFETCH(QString, message);

    TfrmPrintM *sheet = open(sheetSection, sheetUnit);
    const Worksheet before = sheet->sheet();
    const QString caption = sheet->windowTitle();
    const ReaderState reader = program().readerState;
    if (!message.isEmpty())
        prompter().expectMessage(message.toStdString());

    add(mainAddItem(), section, unit);
    QCOMPARE(!m_menuCaption.isEmpty(), selectionShown);
    const Worksheet &after = sheet->sheet();
    QCOMPARE(sheet->windowTitle(), caption);
    QCOMPARE(after.unitCaption, before.unitCaption);
    QCOMPARE(after.questionLines, before.questionLines);
    QCOMPARE(after.graphLines, before.graphLines);
    QCOMPARE(after.lastCaption, before.lastCaption);
    QVERIFY(after.openedFromMaster);
    QVERIFY(!after.modified);
    QCOMPARE(program().readerState.lastSectionRead, reader.lastSectionRead);
    QCOMPARE(program().readerState.captionRestart, reader.captionRestart);
}

void ReadUnitTest::allUnitsButtonOpensTheTree()
{
    QString root;
    int sections = 0;
    QTimer::singleShot(0, &menu(), [this, &root, &sections] {
        auto &zen = m_fixture->shell.zelkon->allUnitsWindow();
        QTimer::singleShot(0, &zen, [&zen, &root, &sections] {
            if (auto *tree = zen.findChild<QTreeWidget *>("trvTangen")) {
                root = tree->topLevelItem(0)->text(0);
                sections = tree->topLevelItem(0)->childCount();
            }
            QTest::mouseClick(zen.findChild<QPushButton *>("btnClose"), Qt::LeftButton);
        });
        QTest::mouseClick(menu().findChild<QPushButton *>("btnZenTangen"), Qt::LeftButton);
        QTest::mouseClick(menu().findChild<QPushButton *>("btnCancel"), Qt::LeftButton);
    });
    QTest::mouseClick(main().findChild<QPushButton *>("btnOpen"), Qt::LeftButton);
    QCOMPARE(root, QString::fromUtf8("地理インデックス"));
    QCOMPARE(sections, 4);
    QCOMPARE(main().openSheetList().size(), std::size_t(0));
}

} // namespace zelkon::test

QTEST_MAIN(zelkon::test::ReadUnitTest)
#include "readunit_test.moc"
